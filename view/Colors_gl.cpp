// Setting the current OpenGL colour from a colour integer.
#include "view/Colors.h"

#include <GL/gl.h>

namespace Module1 {

void SetGLColor(int32_t c)
{
    glColor3f(static_cast<float>(ColorRed(c)) / 255.0f, static_cast<float>(ColorGreen(c)) / 255.0f,
              static_cast<float>(ColorBlue(c)) / 255.0f);
}

} // namespace Module1
