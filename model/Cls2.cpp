// Cls2, a point in space that can draw itself as a marker: the display-free part.
#include "model/Cls2.h"

std::shared_ptr<Cls2> Cls2::Init(float x, float y, float z)
{
    auto p = std::make_shared<Cls2>();
    p->x = x;
    p->y = y;
    p->z = z;
    return p;
}
