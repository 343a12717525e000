// Cls2, a point in space: drawing the marker with OpenGL.
#include "model/Cls2.h"

#include "model/Globals.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

constexpr int RimSegments = 20;

// Rim point i of a circle marker: angle i * 0.31416 rad, so that point 20
// closes the circle at 6.2832.
void RimPoint(float cx, float cy, float radius, int i, float& px, float& py)
{
    const float a = static_cast<float>(i * 31416 / 100000.0);
    px = static_cast<float>(cx + static_cast<double>(radius) * std::cos(static_cast<double>(a)));
    py = static_cast<float>(cy + static_cast<double>(radius) * std::sin(static_cast<double>(a)));
}

// Fan of the disc: the rim at depth 0, the centre at the point's own depth.
void Fan(const Cls2& p, float radius)
{
    for (int j = 0; j < RimSegments; ++j) {
        float x1, y1, x2, y2;
        RimPoint(p.x, p.y, radius, j, x1, y1);
        RimPoint(p.x, p.y, radius, j + 1, x2, y2);
        glBegin(GL_TRIANGLES);
        glVertex3f(x1, y1, 0.0f);
        glVertex3f(x2, y2, 0.0f);
        glVertex3f(p.x, p.y, p.z);
        glEnd();
    }
}

void Segment(float x1, float y1, float x2, float y2)
{
    glBegin(GL_LINES);
    glVertex3f(x1, y1, 0.0f);
    glVertex3f(x2, y2, 0.0f);
    glEnd();
}

} // namespace

void Cls2::Draw() const
{
    // Colour 0x00BBGGRR: high part first, each step truncating toward zero.
    const int32_t cb = Color / 65536;
    const int32_t cg = (Color - 65536 * cb) / 256;
    const int32_t cr = Color - 65536 * cb - 256 * cg;
    const float r = static_cast<float>(cr) / 255.0f;
    const float g = static_cast<float>(cg) / 255.0f;
    const float b = static_cast<float>(cb) / 255.0f;

    glPushMatrix();
    if (g_DocumentKind == DocumentKind2D) {
        switch (Symbol) {
        case MarkerSymbolFilledCircle:
            glColor3f(r, g, b);
            Fan(*this, 0.05f * Size + 0.05f);
            break;
        case MarkerSymbolHollowCircle: {
            const float radius = 0.04f * Size + 0.05f;
            glColor3f(1.0f, 1.0f, 1.0f);
            Fan(*this, radius);
            glLineWidth(1.0f);
            glColor3f(r, g, b);
            for (int j = 0; j < RimSegments; ++j) {
                float x1, y1, x2, y2;
                RimPoint(x, y, radius, j, x1, y1);
                RimPoint(x, y, radius, j + 1, x2, y2);
                Segment(x1, y1, x2, y2);
            }
            break;
        }
        case MarkerSymbolFilledSquare: {
            const float h = 0.05f * Size;
            glColor3f(r, g, b);
            glBegin(GL_QUADS);
            glVertex3f(x - h, y + h, 0.0f);
            glVertex3f(x - h, y - h, 0.0f);
            glVertex3f(x + h, y - h, 0.0f);
            glVertex3f(x + h, y + h, 0.0f);
            glEnd();
            break;
        }
        case MarkerSymbolFilledTriangle: {
            const float k = 0.075f * Size;
            glColor3f(r, g, b);
            glBegin(GL_TRIANGLES);
            glVertex3f(x, y + k, 0.0f);
            glVertex3f(x - k, y - k, 0.0f);
            glVertex3f(x + k, y - k, 0.0f);
            glEnd();
            break;
        }
        case MarkerSymbolDiamond: {
            const float k = 0.075f * Size;
            glColor3f(r, g, b);
            glBegin(GL_QUADS);
            glVertex3f(x, y + k, 0.0f);
            glVertex3f(x - k, y, 0.0f);
            glVertex3f(x, y - k, 0.0f);
            glVertex3f(x + k, y, 0.0f);
            glEnd();
            break;
        }
        case MarkerSymbolCrossHair: {
            const float k = 0.075f * Size;
            glColor3f(r, g, b);
            glLineWidth(Size);
            Segment(x, y + k, x, y - k);
            Segment(x - k, y, x + k, y);
            break;
        }
        default:
            break; // no shape
        }
    } else {
        glColor3f(r, g, b);
        glTranslatef(x, y, z);
        GLUquadric* sphere = gluNewQuadric();
        if (sphere) {
            // With texture coordinates GLU draws the poles as quad strips
            // too, so a sphere compiled into a display list is one kind of
            // primitive. Mesa (22.x) crashes replaying a list that mixes the
            // polar triangle fans with quad strips in feedback or selection
            // mode. Nothing here enables texturing, so the coordinates are
            // not otherwise used.
            gluQuadricTexture(sphere, GL_TRUE);
            gluSphere(sphere, 0.05 * static_cast<double>(Size) + 0.05, 32, 32);
            gluDeleteQuadric(sphere);
        }
    }
    glPopMatrix();
}
