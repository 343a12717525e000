#include "model/Cls9.h"

#include <GL/gl.h>

// Drawing of one graph into the current OpenGL context. The graph kinds are
// filled in one by one; a kind without a drawing leaves the scene untouched.
void Cls9::Draw(int32_t lngAnimStep)
{
    (void)lngAnimStep;
}
