// Cls11, a material preset: applying it to OpenGL.
#include "view/Cls11.h"

#include <GL/gl.h>

void Cls11::SetMaterial(int32_t materType)
{
    LoadPreset(materType);
    Apply();
}

void Cls11::Apply() const
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, Diffuse.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, Specular.data());
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, Shininess[0]);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, Emission.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, Ambient.data());
}
