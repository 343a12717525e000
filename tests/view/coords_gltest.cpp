// Light, material, 2D background, grid and axes drawn on a real Mesa context
// and read back pixel by pixel.
#include "model/Cls3.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/StyleLists.h"
#include "platform/MessageBox.h"
#include "view/Cls10.h"
#include "view/Cls11.h"
#include "view/OutlineText.h"

#include "AxisFontsGuard.h"
#include "GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// 640 x 640 pixels showing GL x and y from -16 to 16: 20 pixels per unit.
constexpr int kSize = 640;
constexpr float kHalf = 16.0f;

using gltest::Pixel;
using gltest::Rgb8;

class CoordsGL : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(s_gl.Create(kSize));
        // The axes draw their texts with the two font blocks of this context.
        s_fontsBuilt = s_fonts.Build();
    }

    static void TearDownTestSuite()
    {
        s_fonts.Restore();
        s_gl.Destroy();
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        m_savedKind = g_DocumentKind;
        m_savedScale = g_SceneScale;
        g_DocumentKind = DocumentKind2D;
        gltest::OrthoView(kSize, kHalf);
        glShadeModel(GL_SMOOTH);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glLineWidth(1.0f);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void TearDown() override
    {
        g_DocumentKind = m_savedKind;
        g_SceneScale = m_savedScale;
        s_gl.ReleaseFramebuffer();
    }

    // Compiles the drawing into a display list and replays it, as the scene
    // builder does.
    template <class F>
    static void DrawInList(F draw)
    {
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        draw();
        glEndList();
        glCallList(list);
        glDeleteLists(list, 1);
        glFinish();
    }


    static int Column(float x) { return static_cast<int>(std::floor((x + kHalf) * kSize / (2 * kHalf))); }

    // The pixel that shows GL point (x, y).
    static Rgb8 At(float x, float y) { return Pixel(Column(x), Column(y)); }

    static bool Close(Rgb8 a, Rgb8 b, int tolerance = 3)
    {
        return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
               std::abs(a.b - b.b) <= tolerance;
    }

    // True when a pixel of colour c lies within one pixel of GL point (x, y):
    // a one-pixel line on a pixel boundary may land on either side.
    static bool Near(float x, float y, Rgb8 c)
    {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (Close(Pixel(Column(x) + dx, Column(y) + dy), c))
                    return true;
        return false;
    }

    static inline gltest::Context s_gl;
    static inline gltest::AxisFonts s_fonts;
    static inline bool s_fontsBuilt = false;

private:
    int32_t m_savedKind = DocumentKind2D;
    float m_savedScale = 1.0f;
};

const Rgb8 kWhite{255, 255, 255};
const Rgb8 kBlack{0, 0, 0};
const Rgb8 kGreen{0, 255, 0};
const Rgb8 kRed{255, 0, 0};
const Rgb8 kBlue{0, 0, 255};

TEST_F(CoordsGL, SingleColourBackgroundIsGreenInsideABlackBorder)
{
    Cls3 cs;
    cs.ShowBackground = true;
    cs.BackStyle = 1;  // start-up colour 1 is 65280
    g_SceneScale = 2.0f;
    float b[6] = {-20, 20, -20, 20, -50, 50};
    DrawInList([&] { cs.DrawBackground(b[0], b[1], b[2], b[3], b[4], b[5]); });

    // The box of +-20 at scale 2 gives a rectangle of +-15.1 GL units.
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {-14.8f, -14.8f}, {14.8f, 14.8f}, {-14.8f, 14.8f}})
        EXPECT_TRUE(Close(At(x, y), kGreen)) << x << "," << y << " " << At(x, y);
    EXPECT_TRUE(Close(At(15.5f, 0), kWhite)) << "nothing outside the rectangle";
    EXPECT_TRUE(Near(-15.1f, 0, kBlack)) << "left border";
    EXPECT_TRUE(Near(0, 15.1f, kBlack)) << "top border";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "the background ends with lighting on";
}

TEST_F(CoordsGL, ShadowShowsAlongTheRightAndTopAndGradientsRunBottomToTop)
{
    Cls3 cs;
    cs.ShowBackground = true;
    cs.ShowShadow = true;
    cs.BackStyle = 2;  // green at the bottom to white at the top
    g_SceneScale = 2.0f;
    float b[6] = {-20, 20, -20, 20, 0, 0};
    DrawInList([&] { cs.DrawBackground(b[0], b[1], b[2], b[3], b[4], b[5]); });

    EXPECT_TRUE(Close(At(15.5f, 15.5f), {102, 102, 102})) << At(15.5f, 15.5f);
    EXPECT_TRUE(Close(At(15.5f, -15.0f), kWhite)) << "shadow starts 0.8 above the bottom";
    EXPECT_TRUE(Close(At(0, -14.9f), kGreen, 6)) << At(0, -14.9f);
    EXPECT_TRUE(Close(At(0, 14.9f), kWhite, 6)) << At(0, 14.9f);
    EXPECT_TRUE(Close(At(0, 0.05f), {128, 255, 128}, 4)) << At(0, 0.05f);
}

TEST_F(CoordsGL, HiddenBackgroundDrawsNothingAndLeavesLightingAlone)
{
    Cls3 cs;  // ShowBackground off at start-up
    g_SceneScale = 2.0f;
    float b[6] = {-20, 20, -20, 20, 0, 0};
    DrawInList([&] { cs.DrawBackground(b[0], b[1], b[2], b[3], b[4], b[5]); });
    EXPECT_TRUE(Close(At(0, 0), kWhite));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

TEST_F(CoordsGL, GridLinesLieOnTheLabelStep)
{
    Cls3 cs;
    cs.ShowprimaryGrid = true;
    cs.ShowSecondaryGrid = true;
    cs.PriGridColor = 255;  // red
    cs.SecGridColor = 16711680;  // blue
    g_SceneScale = 2.0f;  // step 5, lines 2.5 GL units apart
    glEnable(GL_LIGHTING);
    float b[6] = {-20, 20, -20, 20, 0, 0};
    DrawInList([&] { cs.Draw2DGrid(b[0], b[1], b[2], b[3], b[4], b[5]); });

    const float y = 1.0f;  // a row between horizontal lines
    for (float x : {-10.0f, -2.5f, 0.0f, 5.0f, 10.0f})
        EXPECT_TRUE(Near(x, y, kRed)) << "primary line at x = " << x;
    for (float x : {-8.75f, -1.25f, 3.75f, 8.75f})
        EXPECT_TRUE(Near(x, y, kBlue)) << "secondary line at x = " << x;
    for (float x : {-1.9f, 1.9f, 4.4f})
        EXPECT_TRUE(Close(At(x, y), kWhite)) << "no line at x = " << x;
    EXPECT_TRUE(Near(0, 11.9f, kRed)) << "lines overhang the last one by 2";
    EXPECT_TRUE(Close(At(0, 12.3f), kWhite)) << "and end there";
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "the grid leaves lighting off";
}

TEST_F(CoordsGL, AxesTicksAndArrowHeadsOf2DDocument)
{
    Cls3 cs;
    cs.AxisColor = 16711680;  // blue
    g_SceneScale = 2.0f;      // step 5: major ticks 2.5 apart, outermost at +-10
    glEnable(GL_BLEND);
    float b[6] = {-20, 20, -20, 20, 0, 0};
    DrawInList([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });

    EXPECT_TRUE(Near(-11.5f, 0, kBlue)) << "x axis runs 2.1 beyond the last tick";
    EXPECT_TRUE(Near(0, 11.5f, kBlue)) << "y axis";
    EXPECT_TRUE(Close(At(12.2f, 0.05f), kBlue)) << "x arrow head " << At(12.2f, 0.05f);
    EXPECT_TRUE(Close(At(0.05f, 12.2f), kBlue)) << "y arrow head " << At(0.05f, 12.2f);
    EXPECT_TRUE(Close(At(13.0f, 0), kWhite)) << "nothing beyond the tip";
    EXPECT_TRUE(Close(At(-13.0f, 0), kWhite)) << "no head at the negative end";

    EXPECT_TRUE(Near(2.5f, 0.4f, kBlack)) << "major tick, 0.5 long, pointing up";
    EXPECT_TRUE(Close(At(2.5f, -0.4f), kWhite)) << "ticks point to one side only";
    EXPECT_TRUE(Near(1.0f, 0.2f, kBlack)) << "minor tick at 0.4 of the first interval";
    EXPECT_FALSE(Near(1.0f, 0.45f, kBlack)) << "minor ticks are 0.3 long";
    EXPECT_TRUE(Near(0.4f, -5.0f, kBlack)) << "y ticks point right";

    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
}

TEST_F(CoordsGL, AxisColourStaysOnTheAxesAndTheirHeads)
{
    // Each head strokes one edge, from the tip to its first base corner.
    // A line batch of odd length leaves a vertex that a replayed list may
    // join to whatever comes next: a stray line in the axis colour.
    for (const int32_t axisWidth : {1, 5}) {
        SCOPED_TRACE(axisWidth);
        glClear(GL_COLOR_BUFFER_BIT);
        Cls3 cs;
        cs.AxisColor = 16711680;  // blue
        cs.AxisWidth = axisWidth;
        g_SceneScale = 2.0f;  // outermost ticks at +-10, heads from 12 to 12.6
        float b[6] = {-20, 20, -20, 20, 0, 0};
        DrawInList([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });

        std::vector<unsigned char> p(kSize * kSize * 4);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        const float unit = 2 * kHalf / kSize;
        int stray = 0;
        for (int row = 0; row < kSize; ++row)
            for (int col = 0; col < kSize; ++col) {
                const unsigned char* q = &p[static_cast<size_t>(row * kSize + col) * 4];
                if (q[2] - q[0] <= 40)
                    continue;  // not the axis colour
                const float x = (col + 0.5f) * unit - kHalf;
                const float y = (row + 0.5f) * unit - kHalf;
                const bool onX = std::abs(y) <= 0.4f && x >= -12.3f && x <= 12.8f;
                const bool onY = std::abs(x) <= 0.4f && y >= -12.3f && y <= 12.8f;
                if (!onX && !onY && ++stray <= 3)
                    ADD_FAILURE() << "axis colour at (" << x << ", " << y << ")";
            }
        EXPECT_EQ(stray, 0);
    }
}

TEST_F(CoordsGL, WideAxesKeepTheirWidthAndOtherDocumentsDrawNo2DAxes)
{
    Cls3 cs;
    cs.AxisWidth = 5;
    cs.BetterFonts = true;
    g_SceneScale = 2.0f;
    float b[6] = {-20, 20, -20, 20, 0, 0};
    DrawInList([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 5.0f);
    EXPECT_TRUE(Close(At(-8.2f, 0.05f), kBlack) && Close(At(-8.2f, -0.05f), kBlack))
        << "a 5-pixel axis covers the rows next to its centre";
    EXPECT_TRUE(Close(At(-8.2f, 0.25f), kWhite));
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));

    glClear(GL_COLOR_BUFFER_BIT);
    g_DocumentKind = DocumentKind25D;
    // The 3D box's grid lines on its face z = 0 would cross the same pixels.
    cs.ShowYZYGrid = cs.ShowYZZGrid = cs.ShowXZXGrid = cs.ShowXZZGrid = false;
    cs.ShowXYXGrid = cs.ShowXYYGrid = false;
    DrawInList([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });
    EXPECT_TRUE(Close(At(-8.0f, 0.0f), kWhite));
    EXPECT_TRUE(Close(At(0.0f, -8.0f), kWhite));
}

TEST_F(CoordsGL, AxisWidthsBeyondTheDialogsListDrawAtItsEnd)
{
    // A document may hold any width; it is drawn, arrow heads and all, at
    // the list's nearer end and written back as it was.
    Cls3 cs;
    cs.Show = true;
    g_SceneScale = 2.0f;
    auto drawnAt = [&](int32_t width) {
        cs.AxisWidth = width;
        glClear(GL_COLOR_BUFFER_BIT);
        float b[6] = {-20, 20, -20, 20, 0, 0};
        DrawInList([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });
        std::vector<unsigned char> p(static_cast<size_t>(kSize) * kSize * 4);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        return p;
    };
    const std::vector<unsigned char> widest = drawnAt(kAxisWidths.last);
    EXPECT_NE(widest, drawnAt(kAxisWidths.last - 1));

    cs.AxisWidth = 1000000;
    const QString record = cs.Save();
    EXPECT_TRUE(record.contains(QStringLiteral(" 1000000 ")));
    EXPECT_TRUE(drawnAt(1000000) == widest);
    EXPECT_EQ(cs.Save(), record);
    EXPECT_TRUE(drawnAt(INT32_MAX) == widest);

    const std::vector<unsigned char> thinnest = drawnAt(kAxisWidths.first);
    for (const int32_t width : {0, -7, INT32_MIN})
        EXPECT_TRUE(drawnAt(width) == thinnest) << width;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Pixels darker than mid grey in the GL rectangle (x0, y0)-(x1, y1).
int DarkPixels(float x0, float y0, float x1, float y1)
{
    const int c0 = static_cast<int>(std::floor((x0 + kHalf) * kSize / (2 * kHalf)));
    const int r0 = static_cast<int>(std::floor((y0 + kHalf) * kSize / (2 * kHalf)));
    const int c1 = static_cast<int>(std::floor((x1 + kHalf) * kSize / (2 * kHalf)));
    const int r1 = static_cast<int>(std::floor((y1 + kHalf) * kSize / (2 * kHalf)));
    std::vector<unsigned char> p(static_cast<size_t>((c1 - c0 + 1) * (r1 - r0 + 1)) * 4);
    glReadPixels(c0, r0, c1 - c0 + 1, r1 - r0 + 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    int dark = 0;
    for (size_t i = 0; i < p.size(); i += 4)
        dark += (p[i] + p[i + 1] + p[i + 2]) < 3 * 128;
    return dark;
}

// Polygons drawn by a drawing, counted in feedback mode.
template <class F>
int PolygonCount(F draw)
{
    std::vector<GLfloat> buf(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buf.size()), GL_2D, buf.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint n = glRenderMode(GL_RENDER);
    int polygons = 0;
    for (GLint i = 0; i < n;) {
        const GLfloat token = buf[i++];
        if (token == GL_POLYGON_TOKEN) {
            ++polygons;
            i += 2 * static_cast<int>(buf[i]) + 1;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            i += 4;
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
                   token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
            i += 2;
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
        }
    }
    return polygons;
}

TEST_F(CoordsGL, LabelsSitUnderTheirTicksAndTitlesBeyondTheArrows)
{
    ASSERT_TRUE(s_fontsBuilt);
    Cls3 cs;
    cs.ShowSecondaryLabel = false;
    g_SceneScale = 2.0f;  // step 5, ticks 2.5 apart, outermost at +-10
    float b[6] = {-20, 20, -20, 20, 0, 0};
    DrawInList([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });

    EXPECT_GT(DarkPixels(2.3f, -0.8f, 2.8f, -0.3f), 8) << "\"5\" under the first x tick";
    EXPECT_GT(DarkPixels(-1.3f, 4.8f, -0.5f, 5.3f), 8) << "\"10\" left of the second y tick";
    EXPECT_GT(DarkPixels(-0.65f, -0.8f, -0.2f, -0.3f), 8) << "\"0\" at the origin";
    EXPECT_GT(DarkPixels(12.0f, -1.2f, 12.7f, -0.5f), 8) << "\"X\" beyond the x arrow";
    EXPECT_GT(DarkPixels(-1.0f, 12.0f, -0.3f, 12.7f), 8) << "\"Y\" beyond the y arrow";
    EXPECT_EQ(DarkPixels(3.0f, -0.8f, 4.4f, -0.3f), 0) << "nothing between the labels";
    EXPECT_EQ(DarkPixels(0.8f, 0.8f, 9.0f, 9.0f), 0) << "nothing inside the first quadrant";
}

TEST_F(CoordsGL, UnsmoothedTextsAreDrawnFiveTimes)
{
    ASSERT_TRUE(s_fontsBuilt);
    Cls3 cs;
    g_SceneScale = 2.0f;
    float b[6] = {-20, 20, -20, 20, 0, 0};
    cs.BetterFonts = true;
    const int once = PolygonCount([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });
    cs.BetterFonts = false;
    const int fivefold = PolygonCount([&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });
    const int arrowHeads = 2;
    ASSERT_GT(once, arrowHeads);
    EXPECT_EQ(fivefold - arrowHeads, 5 * (once - arrowHeads));
}

TEST_F(CoordsGL, LightSetsBothLightsAndTheModel)
{
    Cls10 light;
    light.Diffuse = {0.5f, 0.25f, 1, 1};
    light.GlobalAmbient[0] = 0;
    light.TwoSides[0] = 0;
    light.SetLight();

    std::array<GLfloat, 4> v{};
    glGetLightfv(GL_LIGHT1, GL_POSITION, v.data());
    EXPECT_EQ(v, (std::array<GLfloat, 4>{-100, -100, -100, 1}));
    glGetLightfv(GL_LIGHT0, GL_POSITION, v.data());
    EXPECT_EQ(v, (std::array<GLfloat, 4>{100, 100, 100, 1}));
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, v.data());
    EXPECT_EQ(v, light.Diffuse);
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, v.data());
    EXPECT_EQ(v, (std::array<GLfloat, 4>{0, 0, 0, 1}));
    GLint twoSide = -1;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
    EXPECT_EQ(twoSide, 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0) && glIsEnabled(GL_LIGHT1));

    // Switched off: only the enables change; GL keeps the colours for later.
    light.Enabled = false;
    light.Diffuse = {0, 0, 0, 1};
    light.SetLight();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_LIGHT0) || glIsEnabled(GL_LIGHT1));
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, v.data());
    EXPECT_EQ(v, (std::array<GLfloat, 4>{0.5f, 0.25f, 1, 1}));
}

TEST_F(CoordsGL, MaterialPresetReachesFrontAndBackFaces)
{
    Cls11 glass;
    glass.SetMaterial(MaterialPresetGlass);
    for (GLenum face : {GL_FRONT, GL_BACK}) {
        std::array<GLfloat, 4> v{};
        glGetMaterialfv(face, GL_AMBIENT, v.data());
        EXPECT_EQ(v, glass.Ambient);
        glGetMaterialfv(face, GL_DIFFUSE, v.data());
        EXPECT_EQ(v, glass.Diffuse);
        glGetMaterialfv(face, GL_SPECULAR, v.data());
        EXPECT_EQ(v, glass.Specular);
        glGetMaterialfv(face, GL_EMISSION, v.data());
        EXPECT_EQ(v, glass.Emission);
        glGetMaterialfv(face, GL_SHININESS, v.data());
        EXPECT_FLOAT_EQ(v[0], 117.91514f);
    }

    // An unknown preset on a fresh object is black with exponent 0, including
    // the ambient colour that OpenGL would otherwise default to grey.
    Cls11 none;
    none.SetMaterial(14);
    std::array<GLfloat, 4> v{1, 1, 1, 1};
    glGetMaterialfv(GL_BACK, GL_AMBIENT, v.data());
    EXPECT_EQ(v, (std::array<GLfloat, 4>{}));
    glGetMaterialfv(GL_FRONT, GL_SHININESS, v.data());
    EXPECT_EQ(v[0], 0.0f);
}

}  // namespace
