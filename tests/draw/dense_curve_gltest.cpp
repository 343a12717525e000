// A curve sampled very densely, drawn on real Mesa: it must show as the same
// curve as at an ordinary density, pixel for pixel along its length.
#include "draw/Globals2DGuard.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include "GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

// 400 x 400 pixels showing x and y from -10 to 10, 20 pixels per unit.
constexpr int kSize = 400;
constexpr float kHalf = 10.0f;

gltest::Context s_gl;

// Darkness (255 - green) of the pixel column at each x pixel, the darkest
// of the column: how strongly the curve shows there.
std::vector<int> DrawnColumns(int32_t segments)
{
    Globals2D globals;
    GraphRef g = Cls9::Init(1, QStringLiteral("f"), GraphType2DFunction, CoordTypeCartesian2D,
                            QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("0.1*x+1"), 1,
                            segments, 0, 0, -9, 9, FillStyleSingleColor, 0, 0, 0x000000, 1, 0,
                            ShowModelWireframe, SmoothnessSmooth);
    g->FunForm = FunFormExplicit;
    g->Show2DCurve = true;
    EXPECT_TRUE(g->GetPoints());
    gltest::OrthoView(kSize, kHalf);
    glDisable(GL_DEPTH_TEST);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const GLuint list = glGenLists(1);
    gltest::CompileList(list, [&] { g->Draw(0); });
    glCallList(list);
    glFinish();
    glDeleteLists(list, 1);
    std::vector<unsigned char> rgba(kSize * kSize * 4);
    glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<int> dark(kSize, 0);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            dark[x] = std::max(dark[x], 255 - rgba[(static_cast<size_t>(y) * kSize + x) * 4 + 1]);
    return dark;
}

TEST(DenseCurve, HundredThousandSegmentsShowLikeAThousand)
{
    ASSERT_TRUE(s_gl.Create(kSize));
    ASSERT_TRUE(s_gl.MakeCurrent());
    const std::vector<int> sparse = DrawnColumns(1000);
    const std::vector<int> dense = DrawnColumns(100000);
    // The columns the curve crosses, away from its ends: the dense curve
    // shows at least as strongly there (it used to fade to almost nothing).
    int weaker = 0;
    for (int x = 30; x < kSize - 30; ++x) {
        ASSERT_GT(sparse[x], 60) << x;
        if (dense[x] < sparse[x] - 40)
            ++weaker;
    }
    EXPECT_EQ(weaker, 0);
    s_gl.Destroy();
}

} // namespace
