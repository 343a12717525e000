// Emission of the integral shading planned in FunctionOverlays.cpp.
#include "draw/FunctionOverlays.h"

#include "model/Cls9.h"

#include <GL/gl.h>

void DrawShading(const std::vector<ShadePiece>& shading)
{
    for (const ShadePiece& p : shading) {
        const bool quad = p.kind == ShadePiece::Kind::Quad;
        glBegin(quad ? GL_QUADS : GL_TRIANGLES);
        double r = 0, g = 0, b = 0;
        Cls9::ColorToRGB(p.color, r, g, b);
        glColor3d(r, g, b);
        for (int k = 0; k < (quad ? 4 : 3); ++k)
            glVertex3f(p.v[k][0], p.v[k][1], p.v[k][2]);
        glEnd();
    }
}
