// OpenGL emission of the planned limit and sequences.
#include "draw/OverlayDraw.h"

#include "draw/ResultPane.h"
#include "model/Cls9.h"

#include <GL/gl.h>

namespace {

void SetColor(int32_t color)
{
    double r = 0, g = 0, b = 0;
    Cls9::ColorToRGB(color, r, g, b);
    glColor3d(r, g, b);
}

// Each segment is its own primitive; a marker draws itself.
void EmitOps(const std::vector<DrawOp>& ops)
{
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Marker) {
            Cls2 m;
            m.x = op.x1;
            m.y = op.y1;
            m.z = op.z1;
            m.Color = op.color;
            m.Size = op.size;
            m.Symbol = op.symbol;
            m.Draw();
            continue;
        }
        glLineWidth(op.width);
        SetColor(op.color);
        glBegin(GL_LINES);
        glVertex3f(op.x1, op.y1, op.z1);
        glVertex3f(op.x2, op.y2, op.z2);
        glEnd();
    }
}

void EnterSmoothLines()
{
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

} // namespace

void DrawLimit(const OverlayPlan& plan)
{
    glDisable(GL_LIGHTING);
    EnterSmoothLines();
    EmitOps(plan.ops);
    glEnable(GL_LIGHTING);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
}

void DrawSequence(const SequencePlan& plan)
{
    Result().SetText(plan.text);
    if (plan.smooth)
        EnterSmoothLines();
    EmitOps(plan.curve);
    if (plan.smooth) {
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_BLEND);
    }
    EmitOps(plan.markers);
}
