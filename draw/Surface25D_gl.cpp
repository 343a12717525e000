// OpenGL emission of a planned 2.5D band.
#include "draw/Surface25D_gl.h"

#include "draw/ShowModel_gl.h"
#include "draw/Surface25D.h"
#include "model/Cls9.h"

#include <GL/gl.h>

void DrawSurface(const SurfacePlan& plan)
{
    ApplyShowModel(plan.polygonModel);
    if (plan.smoothness == SmoothnessFaceted)
        glShadeModel(GL_FLAT);
    else if (plan.smoothness != 0)
        glShadeModel(GL_SMOOTH);

    for (const SurfaceQuad& q : plan.quads) {
        glBegin(GL_QUADS);
        if (!plan.perVertexNormals)
            glNormal3d(q.normal[0].x, q.normal[0].y, q.normal[0].z);
        for (size_t k = 0; k < 4; ++k) {
            if (plan.perVertexNormals)
                glNormal3d(q.normal[k].x, q.normal[k].y, q.normal[k].z);
            glColor3d(q.color[k].r, q.color[k].g, q.color[k].b);
            glVertex3d(q.corner[k].x, q.corner[k].y, q.corner[k].z);
        }
        glEnd();
    }

    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
}
