// Cls4, the camera of the drawing area: setting up OpenGL's projection and view.
#include "view/Cls4.h"

#include "model/Cls8.h"
#include "view/DrawingMessages.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <exception>

namespace {

// Largest extent of the still scene's box; 0 when the scene gives none.
float LargestSceneExtent()
{
    std::shared_ptr<Cls1> box;
    try {
        box = SceneBoxByGraph(g_ShownGraphs, 0);
    } catch (const std::exception&) {
        box = nullptr;
    }
    if (!box)
        return 0.0f;
    return std::max({box->MaxX - box->MinX, box->MaxY - box->MinY, box->MaxZ - box->MinZ});
}

} // namespace

void Cls4::Projection()
{
    glViewport(0, 0, m_viewportWidth, m_viewportHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glRenderMode(GL_RENDER);

    Volleft = -VolWidth / 2.0f;
    VolRight = VolWidth / 2.0f;
    VolBottom = -VolHeight / 2.0f;
    VolTop = VolHeight / 2.0f;

    if (ProjectType == ProjectionOrthographic) {
        glOrtho(Volleft, VolRight, VolBottom, VolTop, VolNear, VolFar);
    } else if (ProjectType == ProjectionPerspective) {
        // The near plane sits the scene's extent in front of the eye's
        // distance; a scene of 1000 units or more would put it at or
        // behind the eye, which is no frustum at all.
        VolNear = 1000.0f - LargestSceneExtent();
        if (!(VolNear >= MinPerspectiveNear))
            VolNear = MinPerspectiveNear;
        glFrustum(Volleft, VolRight, VolBottom, VolTop, VolNear, VolFar);
        VolNear = 0.01f;
    }

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(m_eye->x, m_eye->y, m_eye->z, m_ref->x, m_ref->y, m_ref->z, m_up[0], m_up[1],
              m_up[2]);
}
