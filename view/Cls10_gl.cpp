// Cls10, the scene's light: applying it to OpenGL.
#include "view/Cls10.h"

#include <GL/gl.h>

void Cls10::SetLight() const
{
    if (!Enabled) {
        // The stored colours stay for the next time lighting is switched on.
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        glDisable(GL_LIGHT1);
        return;
    }
    glLightfv(GL_LIGHT0, GL_POSITION, Position.data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, Diffuse.data());
    glLightfv(GL_LIGHT0, GL_AMBIENT, Amission.data());
    glLightfv(GL_LIGHT0, GL_SPECULAR, Specular.data());

    const std::array<float, 4> second = SecondPosition();
    glLightfv(GL_LIGHT1, GL_POSITION, second.data());
    glLightfv(GL_LIGHT1, GL_DIFFUSE, Diffuse.data());
    glLightfv(GL_LIGHT1, GL_AMBIENT, Amission.data());
    glLightfv(GL_LIGHT1, GL_SPECULAR, Specular.data());

    const std::array<float, 4> ambient = AmbientColor();
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient.data());
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, TwoSides[0]);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
}
