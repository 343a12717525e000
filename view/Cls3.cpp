#include "view/Cls3.h"

Cls3& CoordSystem()
{
    static Cls3 instance;
    return instance;
}
