// OpenGL emission of the 3D coordinate system.
#include "view/Axes3D_gl.h"

#include "view/Cls11.h"
#include "view/OutlineText.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// Texts of the box are blue: RGB(0, 0, 255) as 0x00BBGGRR.
constexpr int32_t kBoxTextColor = 255 * 65536;

void Vertex(const Point3F& p)
{
    glVertex3f(p[0], p[1], p[2]);
}

void Lines(const std::vector<Line3D>& lines)
{
    glBegin(GL_LINES);
    for (const Line3D& l : lines) {
        Vertex(l.a);
        Vertex(l.b);
    }
    glEnd();
}

void SmoothLines()
{
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

}  // namespace

void DrawPanelFrame(const Frame3DLayout& f)
{
    // Panels: the panel colour is the diffuse colour through colour tracking,
    // the preset gives the rest of the material.
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
    Cls11 material;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    for (const Panel3D& p : f.panels) {
        material.SetMaterial(p.material);
        if (!p.shown)
            continue;
        glColor3f(p.color.r, p.color.g, p.color.b);
        glBegin(GL_QUADS);
        glNormal3f(p.normal[0], p.normal[1], p.normal[2]);
        for (const Point3F& c : p.corners)
            Vertex(c);
        glEnd();
    }

    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    SmoothLines();
    glLineWidth(1.0f);
    for (const GridBatch3D& g : f.grids) {
        glColor3f(g.color.r, g.color.g, g.color.b);
        Lines(g.lines);
    }

    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
    glColor3f(0.0f, 0.0f, 0.0f);
    Lines(f.ticks);

    for (const Text3D& t : f.texts)
        Module1::DrawOutlineText(t.bold ? g_FontListBold : g_FontListNormal, t.text,
                                 t.position[0], t.position[1], t.position[2], t.rotation,
                                 kBoxTextColor);
    glEnable(GL_LIGHTING);
}

void DrawThreeLineAxes(const ThreeLineAxesLayout& a)
{
    SmoothLines();
    glDisable(GL_LIGHTING);
    glColor3f(0.0f, 0.0f, 1.0f);
    glLineWidth(1.0f);
    for (const Line3D& l : a.lines)
        Lines({l});
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);

    glColor3f(1.0f, 0.0f, 0.0f);
    for (const Cone3D& c : a.cones) {
        glPushMatrix();
        glTranslatef(c.base[0], c.base[1], c.base[2]);
        glRotatef(c.rotation[0], c.rotation[1], c.rotation[2], c.rotation[3]);
        GLUquadric* q = gluNewQuadric();
        if (q) {
            gluCylinder(q, kConeBaseRadius, 0.0, kConeHeight, 16, 16);
            gluDeleteQuadric(q);
        }
        glPopMatrix();
    }
}
