// OpenGL emission of the 2D grid and background.
#include "view/Grid2D.h"

#include "model/Globals.h"

#include <GL/gl.h>

void Cls3::Draw2DGrid(float& minX, float& maxX, float& minY, float& maxY, float& /*minZ*/,
                      float& /*maxZ*/) const
{
    glDisable(GL_LIGHTING);  // stays off on return
    const std::vector<Line2D> lines = Grid2DLines(*this, g_SceneScale, minX, maxX, minY, maxY);
    if (lines.empty())
        return;
    glLineWidth(1.0f);
    for (const Line2D& l : lines) {
        glColor3f(l.color.r, l.color.g, l.color.b);
        glBegin(GL_LINES);
        glVertex3f(l.x1, l.y1, 0.0f);
        glVertex3f(l.x2, l.y2, 0.0f);
        glEnd();
    }
}

void Cls3::DrawBackground(float& minX, float& maxX, float& minY, float& maxY, float& /*minZ*/,
                          float& /*maxZ*/) const
{
    const std::optional<Background2D> bg =
        Background2DLayout(*this, g_SceneScale, minX, maxX, minY, maxY);
    if (!bg)
        return;  // lighting left as it was

    glDisable(GL_LIGHTING);
    for (const FillShape& shape : bg->shapes) {
        glBegin(shape.quad ? GL_QUADS : GL_TRIANGLES);
        for (const ColoredVertex& v : shape.v) {
            if (v.color)
                glColor3f(v.color->r, v.color->g, v.color->b);
            glVertex3f(v.x, v.y, 0.0f);
        }
        glEnd();
    }

    // Black border in the current line width: bottom, left, top, right.
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(bg->x0, bg->y0, 0.0f);
    glVertex3f(bg->x1, bg->y0, 0.0f);
    glVertex3f(bg->x0, bg->y0, 0.0f);
    glVertex3f(bg->x0, bg->y1, 0.0f);
    glVertex3f(bg->x0, bg->y1, 0.0f);
    glVertex3f(bg->x1, bg->y1, 0.0f);
    glVertex3f(bg->x1, bg->y0, 0.0f);
    glVertex3f(bg->x1, bg->y1, 0.0f);
    glEnd();
    glEnable(GL_LIGHTING);
}
