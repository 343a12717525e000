// 2.5D bands drawn on real Mesa through Cls9::Draw into a display list and
// read back from a framebuffer: lit colour, gradients, gaps at undefined
// samples, and the polygon state they leave behind.
#include "GlTestContext.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "view/Cls10.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

using gltest::Pixel;
using gltest::Rgb8;
using XY = std::pair<float, float>;

constexpr int kSize = 200;
constexpr float kHalf = 2.0f;

// A still 2.5D graph sampled by hand: row 0 is the curve in the plane z = 0;
// Draw makes row 1 and the extents itself.
std::shared_ptr<Cls9> Band(const std::vector<XY>& curve, int32_t secondColor)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType25DFunction;
    g->StepU = 1;
    g->StepV = static_cast<int32_t>(curve.size()) - 1;
    g->Vert3D.Make({1, g->StepV});
    for (int32_t c = 0; c <= g->StepV; ++c) {
        Cls2& p = g->Vert3D(0, c);
        p.x = curve[static_cast<size_t>(c)].first;
        p.y = curve[static_cast<size_t>(c)].second;
        p.z = p.x == UndefinedSample ? UndefinedSample : 0.0f;
    }
    g->FillStyle = FillStyleSingleColor;
    g->SecondColor = secondColor;
    g->FirstColor = 0x00FF00;
    g->Material = MaterialPresetMetal;
    g->Show = ShowModelSurface;
    g->Smoothness = SmoothnessSmooth;
    return g;
}

class SurfaceGL : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create(kSize)); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        m_savedLight = g_Light;
        gltest::OrthoView(kSize, kHalf, 10.0f);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glShadeModel(GL_SMOOTH);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void TearDown() override
    {
        g_Light = m_savedLight;
        s_gl.ReleaseFramebuffer();
    }

    // Only the diffuse light counts, so a lit pixel is the band's colour
    // times the cosine between its normal and the light.
    static void DiffuseLightOnly()
    {
        g_Light.Amission = {0, 0, 0, 1};
        g_Light.Specular = {0, 0, 0, 1};
        g_Light.GlobalAmbient = {0};
        g_Light.Position = {100, 100, 100, 1};
        g_Light.SetLight(); // in eye coordinates: the modelview is the identity
    }

    // Draws the graph as the scene does, into a list that is then replayed,
    // looking down on the band: stored z runs from the top (0) to the bottom
    // (3) of the picture, stored y points at the viewer.
    static void DrawBand(Cls9& g)
    {
        const GLuint list = glGenLists(1);
        gltest::CompileList(list, [&] { g.Draw(0); });
        glPushMatrix();
        glTranslatef(0.0f, 1.5f, 0.0f);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        glCallList(list);
        glPopMatrix();
        glDeleteLists(list, 1);
        glFinish();
    }

    static int Column(float v)
    {
        return static_cast<int>(std::floor((v + kHalf) * kSize / (2 * kHalf)));
    }
    // The pixel showing stored x and stored z of the band.
    static Rgb8 At(float x, float z) { return Pixel(Column(x), Column(1.5f - z)); }

    static inline gltest::Context s_gl;
    Cls10 m_savedLight;
};

// Red bands in three directions under one light: the pixel is red scaled by
// the cosine between the band's normal and the light, not the flat colour
// and not black.
TEST_F(SurfaceGL, ShadedBandShowsLitColour)
{
    struct Case {
        XY from, to;
        double cosine; // of the face normal in eye space with (1, 1, 1)/sqrt(3)
    };
    const Case cases[] = {
        {{-1.5f, 0}, {1.5f, 0}, 1 / std::sqrt(3.0)},         // normal (0, 0, 1)
        {{-1, 1}, {1, -1}, std::sqrt(2.0) / std::sqrt(3.0)}, // normal (1, 0, 1)/sqrt(2)
        {{-1, -1}, {1, 1}, 0.0},                             // normal (-1, 0, 1)/sqrt(2)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.from.first << ", " << c.from.second
                                        << ") -> (" << c.to.first << ", " << c.to.second << ")");
        glClear(GL_COLOR_BUFFER_BIT);
        DiffuseLightOnly();
        auto g = Band({c.from, {(c.from.first + c.to.first) / 2, (c.from.second + c.to.second) / 2},
                       c.to},
                      0x0000FF);
        for (int32_t smooth : {SmoothnessFaceted, SmoothnessSmooth}) {
            g->Smoothness = smooth;
            DrawBand(*g);
            const Rgb8 p = At(0.3f, 1.5f);
            EXPECT_NEAR(p.r, 255 * c.cosine, 12) << p;
            EXPECT_LE(p.g, 3) << p;
            EXPECT_LE(p.b, 3) << p;
        }
    }
    glDisable(GL_LIGHTING);
}

// Front to back from the second colour (blue, row 0) to the first (green,
// row 1), interpolated across each quad.
TEST_F(SurfaceGL, FrontBackGradientAcrossTheBand)
{
    auto g = Band({{-1.5f, 0}, {0, 0}, {1.5f, 0}}, 0xFF0000);
    g->FillStyle = FillStyleGradientFrontBack;
    g->Smoothness = SmoothnessSmoother;
    DrawBand(*g);
    const Rgb8 front = At(0.5f, 0.1f);
    const Rgb8 middle = At(0.5f, 1.5f);
    const Rgb8 back = At(0.5f, 2.9f);
    EXPECT_GT(front.b, 230) << front;
    EXPECT_LT(front.g, 25) << front;
    EXPECT_GT(back.g, 230) << back;
    EXPECT_LT(back.b, 25) << back;
    EXPECT_NEAR(middle.g, 128, 10) << middle;
    EXPECT_NEAR(middle.b, 128, 10) << middle;
}

// A sample that could not be computed leaves out the two quads that need
// it; the rest of the band is drawn.
TEST_F(SurfaceGL, UndefinedSampleLeavesAGap)
{
    auto g = Band({{-1.5f, 0}, {-1, 0}, {-0.5f, 0}, {UndefinedSample, UndefinedSample},
                   {0.5f, 0}, {1, 0}, {1.5f, 0}},
                  0x0000FF);
    DrawBand(*g);
    const Rgb8 red{255, 0, 0}, white{255, 255, 255};
    for (float x : {-1.2f, -0.7f, 0.7f, 1.2f}) {
        const Rgb8 p = At(x, 1.5f);
        EXPECT_TRUE(p.r == red.r && p.g == red.g && p.b == red.b) << x << " " << p;
    }
    for (float x : {-0.3f, 0.0f, 0.3f}) {
        const Rgb8 p = At(x, 1.5f);
        EXPECT_TRUE(p.r == white.r && p.g == white.g && p.b == white.b) << x << " " << p;
    }
}

// A wireframe band draws its outlines only, and what follows it in the list
// is filled and smooth again.
TEST_F(SurfaceGL, WireframeLeavesFilledSmoothStateBehind)
{
    auto g = Band({{-1.5f, 0}, {1.5f, 0}}, 0x0000FF);
    g->Show = ShowModelWireframe;
    g->Smoothness = SmoothnessFaceted;
    DrawBand(*g);
    const Rgb8 inside = At(0.0f, 1.5f);
    EXPECT_EQ(inside.g, 255) << inside;
    int outline = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        const Rgb8 p = Pixel(Column(0.0f), Column(1.5f) + dy);
        outline += p.r > 200 && p.g < 60 ? 1 : 0;
    }
    EXPECT_GE(outline, 1) << "the top edge is drawn";

    GLint mode[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(mode[1], GL_FILL);
    GLint shade = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shade);
    EXPECT_EQ(shade, GL_SMOOTH);
}

} // namespace
