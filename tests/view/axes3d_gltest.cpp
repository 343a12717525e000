// The 3D coordinate box and the three-line axes drawn through Cls3::Draw on
// a real Mesa context and read back pixel by pixel.
#include "model/Cls3.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls11.h"
#include "view/OutlineText.h"

#include "AxisFontsGuard.h"
#include "GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>

namespace {

constexpr int kSize = 320;
constexpr float kHalf = 10.0f;  // GL units shown either side of the centre

using gltest::Pixel;
using gltest::Rgb8;

class Axes3DGL : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(s_gl.Create(kSize));
        s_fonts.Build();
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
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kHalf, kHalf, -kHalf, kHalf, -50, 50);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        // A white light from the viewer, as the frame's light would be.
        const std::array<float, 4> towardsViewer{0, 0, 1, 0};
        glLightfv(GL_LIGHT0, GL_POSITION, towardsViewer.data());
        glEnable(GL_LIGHT0);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_COLOR_MATERIAL);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void TearDown() override
    {
        g_DocumentKind = m_savedKind;
        glDisable(GL_LIGHT0);
        glDisable(GL_LIGHTING);
        glLoadIdentity();
        s_gl.ReleaseFramebuffer();
    }

    // Draws through a compiled list, as the scene builder does.
    static void DrawCoordinates(const Cls3& cs, std::array<float, 6>& b)
    {
        const GLuint list = glGenLists(1);
        gltest::CompileList(list, [&] { cs.Draw(2, b[0], b[1], b[2], b[3], b[4], b[5]); });
        glCallList(list);
        glDeleteLists(list, 1);
        glFinish();
    }

    // The pixel showing GL point p under the current modelview matrix.
    static Rgb8 At(float x, float y, float z)
    {
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        const float ex = m[0] * x + m[4] * y + m[8] * z + m[12];
        const float ey = m[1] * x + m[5] * y + m[9] * z + m[13];
        const auto pixel = [](float e) {
            return static_cast<int>(std::floor((e + kHalf) * kSize / (2 * kHalf)));
        };
        return Pixel(pixel(ex), pixel(ey));
    }

    static inline gltest::Context s_gl;
    static inline gltest::AxisFonts s_fonts;

private:
    int32_t m_savedKind = DocumentKind2D;
};

// The channel of colour c named by `which` stands clearly above the other two.
bool Dominant(Rgb8 c, int which)
{
    const int v[3] = {c.r, c.g, c.b};
    return v[which] > 90 && v[which] > v[(which + 1) % 3] + 60 && v[which] > v[(which + 2) % 3] + 60;
}

TEST_F(Axes3DGL, PanelsOf3DDocumentShowTheirColoursLit)
{
    g_DocumentKind = DocumentKind3D;
    Cls3 cs;  // panel box, grids on
    cs.ShowYZPanel = cs.ShowXZPanel = cs.ShowXYPanel = true;
    cs.YZPanelColor = 255;         // red back face z = MinZ
    cs.XZPanelColor = 255 << 8;    // green side face x = MinX
    cs.XYPanelColor = 255 << 16;   // blue floor y = MinY
    // Looking from the (+1, +1, +1) corner: all three minimum faces face the viewer.
    glRotatef(35.264f, 1, 0, 0);
    glRotatef(-45.0f, 0, 1, 0);
    glEnable(GL_LIGHTING);
    std::array<float, 6> b{-5, 5, -5, 5, -5, 5};
    DrawCoordinates(cs, b);

    // Points a quarter of the way in on each face, off the grid lines.
    const Rgb8 back = At(-2.5f, -2.5f, -5);
    const Rgb8 side = At(-5, -2.5f, -2.5f);
    const Rgb8 floor = At(-2.5f, -5, -2.5f);
    EXPECT_TRUE(Dominant(back, 0)) << back;
    EXPECT_TRUE(Dominant(side, 1)) << side;
    EXPECT_TRUE(Dominant(floor, 2)) << floor;
    // The middle grid line of the back face crosses its centre in grey.
    const Rgb8 grid = At(0, -2.5f, -5);
    EXPECT_TRUE(std::abs(grid.r - grid.g) < 60 && grid.g > 90) << grid;
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "the frame ends with lighting on";
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{0, 0, 1, 1})) << "texts leave blue current";
    EXPECT_EQ(b, (std::array<float, 6>{-5, 5, -5, 5, -5, 5})) << "a 3D box is not changed";
}

TEST_F(Axes3DGL, HiddenPanelsLeaveOnlyTheGridOnTheBackground)
{
    g_DocumentKind = DocumentKind3D;
    Cls3 cs;  // defaults: panels off
    cs.YZPanelMaterial = 1;
    cs.XZPanelMaterial = 2;
    cs.XYPanelMaterial = 4;
    glEnable(GL_LIGHTING);
    std::array<float, 6> b{-5, 5, -5, 5, -5, 5};
    DrawCoordinates(cs, b);
    // Looking straight down -z: the back face lies square to the view.
    const Rgb8 inside = At(-2.5f, 2.5f, -5);
    EXPECT_EQ(inside.r, 255);
    EXPECT_EQ(inside.g, 255);
    EXPECT_EQ(inside.b, 255);
    // The presets are applied in turn even for hidden panels; the floor's stays.
    Cls11 floor;
    ASSERT_TRUE(floor.LoadPreset(4));
    std::array<float, 4> specular{};
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular.data());
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(specular[i], floor.Specular[i], 1e-5f) << i;
    float shininess = 0;
    glGetMaterialfv(GL_BACK, GL_SHININESS, &shininess);
    EXPECT_NEAR(shininess, floor.Shininess[0], 1e-3f);
}

TEST_F(Axes3DGL, DocumentKindAndStyleDecideTheFrameAndTheBoxWrittenBack)
{
    const struct {
        int32_t kind;
        int32_t style;
        std::array<float, 6> in, out;
    } cases[] = {
        {DocumentKind25D, AxisStyleThreeLines, {-2, 2, -1, 1, -1, 7}, {-2, 2, -1, 1, 0, 3}},
        {DocumentKind3D, AxisStyleThreeLines, {1, 4, 1, 4, 1, 4}, {0, 4, 0, 4, 0, 4}},
        {DocumentKind3D, 7, {-3, -1, -3, -1, -3, -1}, {-3, 0, -3, 0, -3, 0}},
        {DocumentKind3D, AxisStylePanels, {1, 4, 1, 4, 1, 4}, {1, 4, 1, 4, 1, 4}},
    };
    for (const auto& c : cases) {
        g_DocumentKind = c.kind;
        Cls3 cs;
        cs.AxisStyle = c.style;
        std::array<float, 6> b = c.in;
        DrawCoordinates(cs, b);
        EXPECT_EQ(b, c.out) << "kind " << c.kind << ", style " << c.style;
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    }
}

TEST_F(Axes3DGL, ThreeLineAxesRunThroughTheOriginInBlue)
{
    g_DocumentKind = DocumentKind3D;
    Cls3 cs;
    cs.AxisStyle = AxisStyleThreeLines;
    std::array<float, 6> b{1, 4, 1, 4, 1, 4};
    DrawCoordinates(cs, b);
    // Viewed down -z: the x axis from -2 to 6 and the y axis from -2 to 6.
    const auto blueNear = [](float x, float y) {
        for (float d : {-0.04f, 0.0f, 0.04f}) {
            const Rgb8 p = At(x + (y == 0 ? 0 : d), y + (y == 0 ? d : 0), 0);
            // Smoothed and blended over white: a pale to full blue.
            if (p.b > 200 && p.r < p.b - 50 && p.g < p.b - 50)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(blueNear(3, 0)) << "x axis";
    EXPECT_TRUE(blueNear(-1.5f, 0)) << "x axis below the box";
    EXPECT_TRUE(blueNear(0, 5)) << "y axis";
    const Rgb8 beyond = At(-2.5f, 0, 0);
    EXPECT_EQ(beyond.r, 255) << "the x axis stops 2 beyond the widened box";
    const Rgb8 off = At(2, 2, 0);
    EXPECT_EQ(off.g, 255) << "no panels or grids in this style";
}

}  // namespace
