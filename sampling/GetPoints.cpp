#include "model/Cls9.h"

bool Cls9::GetPoints()
{
    return false;
}
