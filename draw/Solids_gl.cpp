// OpenGL emission of the space line and the solids, inside the display list
// being compiled.
#include "draw/Solids.h"

#include "draw/LineState2D_gl.h"
#include "draw/ShowModel_gl.h"
#include "model/Cls9.h"
#include "platform/MessageBox.h"

#include <GL/gl.h>

namespace {

// While a solid is drawn its Show and Smoothness are in force; afterwards
// the list goes on filled and smooth, however the drawing ends.
class SolidState {
public:
    SolidState(int32_t smoothness, int32_t show)
    {
        if (smoothness == SmoothnessFaceted)
            glShadeModel(GL_FLAT);
        else if (smoothness == SmoothnessSmoother || smoothness == SmoothnessSmooth)
            glShadeModel(GL_SMOOTH);
        ApplyShowModel(show);
    }
    ~SolidState()
    {
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glShadeModel(GL_SMOOTH);
    }
    SolidState(const SolidState&) = delete;
    SolidState& operator=(const SolidState&) = delete;
};

void DrawSpaceLine(const SolidPlan& plan)
{
    LineState2D state;
    glLineWidth(plan.lineWidth);
    glBegin(GL_LINES);
    glVertex3f(plan.from[0], plan.from[1], plan.from[2]);
    glVertex3f(plan.to[0], plan.to[1], plan.to[2]);
    glEnd();
}

// One call per vertex: a display list takes these in faster than the same
// vertices from arrays.
void DrawMesh(const SolidPlan& plan)
{
    const SolidMesh& mesh = plan.mesh;
    SolidState state(plan.smoothness, plan.show);
    for (const SolidMesh::Run& run : mesh.runs) {
        glBegin(run.mode == SolidMesh::Run::Mode::QuadStrip ? GL_QUAD_STRIP : GL_TRIANGLE_FAN);
        const size_t end = static_cast<size_t>(run.first + run.count) * 3;
        for (size_t i = static_cast<size_t>(run.first) * 3; i < end; i += 3) {
            glNormal3fv(&mesh.normals[i]);
            glVertex3fv(&mesh.vertices[i]);
        }
        glEnd();
    }
}

} // namespace

void DrawSolidPlan(const SolidPlan& plan)
{
    if (plan.message) {
        ShowMessage(*plan.message, QStringLiteral("提示"), MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    if (!plan.drawn)
        return;
    glColor3f(plan.r, plan.g, plan.b);
    if (plan.spaceLine)
        DrawSpaceLine(plan);
    else
        DrawMesh(plan);
}

// The space line and the solids of Cls9::Draw, after its entry steps. The
// animation step plays no part: a solid is the same in every frame.
void Cls9::DrawSolid(int32_t /*lngAnimStep*/)
{
    DrawSolidPlan(PlanSolid(*this));
}
