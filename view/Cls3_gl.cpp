// Drawing of the coordinate system (Cls3): 2D axes and grid, background, the 3D box.
#include "model/Cls3.h"

#include "model/Globals.h"
#include "view/Axes2D.h"
#include "view/Axes3D_gl.h"
#include "view/OutlineText.h"

#include <GL/gl.h>

namespace {

// Every text of the axes goes through here: outline-font lists, normal font
// for numbers, bold for titles, at z = 0 without rotation.
void DrawAxisText(const AxisText& t, float x, float y)
{
    // Angle 0 about the y axis: 2D texts are not turned.
    static const std::array<float, 4> kNoRotation{0.0f, 0.0f, 1.0f, 0.0f};
    Module1::DrawOutlineText(t.bold ? g_FontListBold : g_FontListNormal, t.text, x, y, 0.0f,
                             kNoRotation, t.color);
}

}  // namespace

void Cls3::Draw(int32_t /*graphType*/, float& minX, float& maxX, float& minY, float& maxY,
                float& minZ, float& maxZ) const
{
    if (g_DocumentKind == DocumentKind2D)
        DrawAxes2D(minX, maxX, minY, maxY);
    else
        DrawFrame3D(minX, maxX, minY, maxY, minZ, maxZ);
}

void Cls3::DrawFrame3D(float& minX, float& maxX, float& minY, float& maxY, float& minZ,
                       float& maxZ) const
{
    if (g_DocumentKind == DocumentKind3D && AxisStyle != AxisStylePanels) {
        const std::optional<ThreeLineAxesLayout> axes =
            ThreeLineAxes(minX, maxX, minY, maxY, minZ, maxZ);
        if (!axes)
            return;
        minX = axes->minX;
        maxX = axes->maxX;
        minY = axes->minY;
        maxY = axes->maxY;
        minZ = axes->minZ;
        maxZ = axes->maxZ;
        DrawThreeLineAxes(*axes);
        return;
    }
    const std::optional<Frame3DLayout> frame =
        Frame3D(*this, g_DocumentKind, minX, maxX, minY, maxY, minZ, maxZ);
    if (!frame)
        return;
    minZ = frame->minZ;
    maxZ = frame->maxZ;
    DrawPanelFrame(*frame);
}

void Cls3::DrawAxes2D(float minX, float maxX, float minY, float maxY) const
{
    const std::optional<Axes2DLayout> layout = Axes2D(*this, g_SceneScale, minX, maxX, minY, maxY);
    if (!layout)
        return;
    const Axes2DLayout& a = *layout;

    glDisable(GL_LIGHTING);

    glLineWidth(1.0f);
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    for (const Line2D& t : a.ticks) {
        glVertex3f(t.x1, t.y1, 0.0f);
        glVertex3f(t.x2, t.y2, 0.0f);
    }
    glEnd();

    glLineWidth(static_cast<float>(a.axisWidth));
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glColor3f(a.axisColor.r, a.axisColor.g, a.axisColor.b);
    glPushMatrix();
    const auto drawHead = [](const std::array<std::array<float, 2>, 3>& head, const Line2D& edge) {
        glBegin(GL_TRIANGLES);
        for (const auto& p : head)
            glVertex3f(p[0], p[1], 0.0f);
        glEnd();
        // One smoothed edge as a whole vertex pair: a line batch of odd
        // length leaves a vertex that a compiled list may join to the next.
        glBegin(GL_LINES);
        glVertex3f(edge.x1, edge.y1, 0.0f);
        glVertex3f(edge.x2, edge.y2, 0.0f);
        glEnd();
    };
    drawHead(a.arrowX, a.edgeX);
    drawHead(a.arrowY, a.edgeY);
    glPopMatrix();
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);

    glColor3f(a.axisColor.r, a.axisColor.g, a.axisColor.b);
    glBegin(GL_LINES);
    glVertex3f(a.xAxis.x1, a.xAxis.y1, 0.0f);
    glVertex3f(a.xAxis.x2, a.xAxis.y2, 0.0f);
    glVertex3f(a.yAxis.x1, a.yAxis.y1, 0.0f);
    glVertex3f(a.yAxis.x2, a.yAxis.y2, 0.0f);
    glEnd();

    if (BetterFonts) {
        glEnable(GL_POLYGON_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA_SATURATE, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
        for (const AxisText& t : a.texts)
            DrawAxisText(t, t.x, t.y);
        glDisable(GL_POLYGON_SMOOTH);
        glDisable(GL_BLEND);
    } else {
        // Five slightly offset copies thicken the unsmoothed glyphs.
        constexpr float o = 0.004f;
        for (const AxisText& t : a.texts) {
            DrawAxisText(t, t.x, t.y);
            DrawAxisText(t, t.x - o, t.y);
            DrawAxisText(t, t.x + o, t.y);
            DrawAxisText(t, t.x, t.y - o);
            DrawAxisText(t, t.x, t.y + o);
        }
    }
    glEnable(GL_LIGHTING);
}
