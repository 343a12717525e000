// OpenGL emission of the space line and the solids, inside the display list
// being compiled.
#include "draw/Solids.h"

#include "model/Cls9.h"
#include "platform/MessageBox.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>

namespace {

struct QuadricDeleter {
    void operator()(GLUquadric* q) const { gluDeleteQuadric(q); }
};

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
        switch (show) {
        case ShowModelVertices:
            glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
            break;
        case ShowModelWireframe:
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            break;
        case ShowModelSurface:
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            break;
        default:
            break;
        }
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
    glDisable(GL_LIGHTING);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glLineWidth(plan.lineWidth);
    glBegin(GL_LINES);
    glVertex3f(plan.from[0], plan.from[1], plan.from[2]);
    glVertex3f(plan.to[0], plan.to[1], plan.to[2]);
    glEnd();
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
}

void DrawSteps(const SolidPlan& plan)
{
    std::unique_ptr<GLUquadric, QuadricDeleter> quadric(gluNewQuadric());
    if (!quadric)
        return; // out of memory: nothing to draw with
    GLUquadric* q = quadric.get();
    SolidState state(plan.smoothness, plan.show);
    int pushed = 0;
    for (const SolidStep& s : plan.steps) {
        switch (s.kind) {
        case SolidStep::Kind::Place:
            glPushMatrix();
            ++pushed;
            glTranslated(s.a, s.b, s.c);
            glRotated(-90.0, 1.0, 0.0, 0.0);
            break;
        case SolidStep::Kind::Pop:
            if (pushed > 0) {
                glPopMatrix();
                --pushed;
            }
            break;
        case SolidStep::Kind::Cylinder:
            gluCylinder(q, s.a, s.b, s.c, s.slices, s.stacks);
            break;
        case SolidStep::Kind::Disk:
            gluDisk(q, 0.0, s.a, s.slices, 1);
            break;
        case SolidStep::Kind::Sphere:
            gluSphere(q, s.a, s.slices, s.stacks);
            break;
        }
    }
    for (; pushed > 0; --pushed)
        glPopMatrix();
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
        DrawSteps(plan);
}

// The space line and the solids of Cls9::Draw, after its entry steps. The
// animation step plays no part: a solid is the same in every frame.
void Cls9::DrawSolid(int32_t /*lngAnimStep*/)
{
    DrawSolidPlan(PlanSolid(*this));
}
