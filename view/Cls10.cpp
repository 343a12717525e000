// Cls10, the scene's light: the values, without OpenGL.
#include "view/Cls10.h"

std::array<float, 4> Cls10::SecondPosition() const
{
    return {-Position[0], -Position[1], -Position[2], 1.0f};
}

std::array<float, 4> Cls10::AmbientColor() const
{
    const float level = GlobalAmbient[0];
    return {level, level, level, 1.0f};
}

Cls10& Light()
{
    static Cls10 instance;
    return instance;
}
