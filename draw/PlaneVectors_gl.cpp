// OpenGL emission of a planned plane vector or vector operation, inside the
// display list being compiled.
#include "draw/PlaneVectors.h"

#include "draw/LineState2D_gl.h"
#include "draw/ResultPane.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <GL/gl.h>

void DrawPlaneVectorPlan(const PlaneVectorPlan& plan)
{
    Result().SetText(plan.text);
    // The vectors' fixed colours are shown as they are, unlit like every
    // other 2D figure.
    LineState2D state;
    glLineWidth(1.0f);
    for (const VectorPrim& p : plan.prims) {
        glColor3f(p.r, p.g, p.b);
        switch (p.kind) {
        case VectorPrim::Kind::Segment:
            glBegin(GL_LINES);
            glVertex3f(p.x1, p.y1, 0.0f);
            glVertex3f(p.x2, p.y2, 0.0f);
            glEnd();
            break;
        case VectorPrim::Kind::Triangle:
            glBegin(GL_TRIANGLES);
            glVertex3f(p.x1, p.y1, 0.0f);
            glVertex3f(p.x2, p.y2, 0.0f);
            glVertex3f(p.x3, p.y3, 0.0f);
            glEnd();
            break;
        case VectorPrim::Kind::Dot:
            glPointSize(4.0f);
            glBegin(GL_POINTS);
            glVertex3f(p.x1, p.y1, 0.0f);
            glEnd();
            glPointSize(1.0f);
            break;
        }
    }
}

// The two vector kinds of Cls9::Draw, after its entry steps.
void Cls9::DrawPlaneVector()
{
    DrawPlaneVectorPlan(PlanPlaneVector(*this, g_SceneScale));
}
