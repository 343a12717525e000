// OpenGL emission of a planned plane figure, inside the display list being
// compiled.
#include "draw/PlaneFigures.h"

#include "draw/LineState2D_gl.h"
#include "draw/ResultPane.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <GL/gl.h>

namespace {

void SetColor(int32_t color)
{
    double r = 0, g = 0, b = 0;
    Cls9::ColorToRGB(color, r, g, b);
    glColor3d(r, g, b);
}

} // namespace

void DrawPlaneFigure(const PlaneFigurePlan& plan)
{
    Result().SetLines(plan.lines);
    {
        LineState2D state; // figures are drawn unlit and antialiased
        // Runs of segments in one colour and width share one GL_LINES block;
        // a marker sets its own colour, so the next run sets it again.
        bool open = false;
        bool known = false;
        int32_t color = 0;
        float width = 0.0f;
        for (const DrawOp& op : plan.ops) {
            if (op.kind == DrawOp::Kind::Marker) {
                if (open) {
                    glEnd();
                    open = false;
                }
                Cls2 m;
                m.x = op.x1;
                m.y = op.y1;
                m.z = op.z1;
                m.Color = op.color;
                m.Size = op.size;
                m.Symbol = op.symbol;
                m.Draw();
                known = false;
                continue;
            }
            if (!known || op.color != color || op.width != width) {
                if (open) {
                    glEnd();
                    open = false;
                }
                SetColor(op.color);
                glLineWidth(op.width);
                color = op.color;
                width = op.width;
                known = true;
            }
            if (!open) {
                glBegin(GL_LINES);
                open = true;
            }
            glVertex3f(op.x1, op.y1, op.z1);
            glVertex3f(op.x2, op.y2, op.z2);
        }
        if (open)
            glEnd();
    }
    if (plan.message && !plan.message->isEmpty())
        ShowMessage(*plan.message, QStringLiteral("提示"), MsgIcon::Critical, MsgButtons::Ok);
}

// The figure kinds of Cls9::Draw, after its entry steps. The animation step
// plays no part: an animated figure is the same in every frame.
void Cls9::DrawPlaneGeometry(int32_t /*lngAnimStep*/)
{
    DrawPlaneFigure(PlanPlaneFigure(*this, g_SceneScale));
}
