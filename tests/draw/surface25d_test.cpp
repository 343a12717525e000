// The band of a 2.5D graph planned without OpenGL: face and vertex normals,
// corner colours by fill style, and which quads are drawn.
#include "draw/Surface25D.h"
#include "expr/Globals.h"
#include "model/Cls9.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using XY = std::pair<float, float>;

// A still 2.5D graph whose row 0 holds the given curve in the plane z = 0;
// GetBox writes row 1 (z + 3) and the extents, as Draw does at its entry.
std::shared_ptr<Cls9> Ribbon(const std::vector<XY>& curve)
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
        p.z = curve[static_cast<size_t>(c)].first == UndefinedSample ? UndefinedSample : 0.0f;
    }
    g->FillStyle = FillStyleGradientFrontBack;
    g->SecondColor = 0xFF0000; // blue
    g->FirstColor = 0x0000FF;  // red
    g->Show = ShowModelSurface;
    g->Smoothness = SmoothnessSmooth;
    g->GetBox(0);
    return g;
}

SurfaceBand BandOf(const std::vector<XY>& curve)
{
    return ReadSurfaceBand(*Ribbon(curve), 0);
}

void ExpectVec(const SurfaceVec& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-6f);
    EXPECT_NEAR(v.y, y, 1e-6f);
    EXPECT_NEAR(v.z, z, 1e-6f);
}

void ExpectRgb(const SurfaceRgb& c, double r, double g, double b)
{
    EXPECT_NEAR(c.r, r, 1e-9);
    EXPECT_NEAR(c.g, g, 1e-9);
    EXPECT_NEAR(c.b, b, 1e-9);
}

bool Finite(const SurfaceVec& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

const float kHalf = static_cast<float>(std::sqrt(0.5));

} // namespace

// A segment from (x0, y0) to (x1, y1) in a plane of constant z has the unit
// normal of (y0 - y1, x1 - x0, 0): up for a level segment running right.
TEST(SurfaceNormals, FaceNormalOfOneSegment)
{
    struct Case {
        XY from, to;
        SurfaceVec normal;
    };
    const Case cases[] = {
        {{0, 0}, {1, 0}, {0, 1, 0}},
        {{1, 0}, {0, 0}, {0, -1, 0}},
        {{0, 0}, {0, 2}, {-1, 0, 0}},
        {{0, 0}, {1, 1}, {-kHalf, kHalf, 0}},
        {{-3, 5}, {-1, 3}, {kHalf, kHalf, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.first << "," << c.from.second << " -> "
                                        << c.to.first << "," << c.to.second);
        const auto n = SurfaceFaceNormals(BandOf({c.from, c.to}));
        ASSERT_EQ(n.size(), 1u);
        ExpectVec(n[0], c.normal.x, c.normal.y, c.normal.z);
    }
}

TEST(SurfaceNormals, VertexNormalsOfAnOpenCurve)
{
    // Level, rising at 45 degrees, level again.
    const SurfaceBand band = BandOf({{0, 0}, {1, 0}, {2, 1}, {3, 1}});
    const auto face = SurfaceFaceNormals(band);
    const auto vertex = SurfaceVertexNormals(band, face);
    ASSERT_EQ(vertex.size(), 4u);
    // The ends take the normal of their one quad, the inner columns the
    // mean direction of the two quads meeting there.
    ExpectVec(vertex[0], 0, 1, 0);
    ExpectVec(vertex[3], 0, 1, 0);
    const float len = std::hypot(-kHalf, 1.0f + kHalf);
    ExpectVec(vertex[1], -kHalf / len, (1.0f + kHalf) / len, 0);
    ExpectVec(vertex[2], -kHalf / len, (1.0f + kHalf) / len, 0);
}

TEST(SurfaceNormals, ClosedCurveSharesOneNormalAcrossTheSeam)
{
    // A square run once round, ending where it began.
    const SurfaceBand closed = BandOf({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0.0005f}});
    const auto vertex = SurfaceVertexNormals(closed, SurfaceFaceNormals(closed));
    ASSERT_EQ(vertex.size(), 5u);
    ExpectVec(vertex[0], kHalf, kHalf, 0);
    ExpectVec(vertex[4], kHalf, kHalf, 0);

    // Ends 0.01 apart are an open curve: each end keeps its own quad's normal.
    const SurfaceBand open = BandOf({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0.01f}});
    const auto openNormals = SurfaceVertexNormals(open, SurfaceFaceNormals(open));
    ExpectVec(openNormals[0], 0, 1, 0);
    ExpectVec(openNormals[4], 1, 0, 0);
}

TEST(SurfaceNormals, SingleSegmentGivesBothColumnsItsNormal)
{
    const SurfaceBand band = BandOf({{0, 0}, {2, 0}});
    const auto vertex = SurfaceVertexNormals(band, SurfaceFaceNormals(band));
    ASSERT_EQ(vertex.size(), 2u);
    ExpectVec(vertex[0], 0, 1, 0);
    ExpectVec(vertex[1], 0, 1, 0);
}

// A quad of zero area (a repeated sample) has no direction: its normal is
// the zero vector, never NaN, and its neighbours keep their own shading.
TEST(SurfaceNormals, DegenerateQuadGivesZeroNotNaN)
{
    const SurfaceBand band = BandOf({{0, 0}, {1, 0}, {1, 0}, {2, 0}});
    const auto face = SurfaceFaceNormals(band);
    ASSERT_EQ(face.size(), 3u);
    ExpectVec(face[1], 0, 0, 0);
    const auto vertex = SurfaceVertexNormals(band, face);
    for (const SurfaceVec& v : vertex) {
        EXPECT_TRUE(Finite(v));
        ExpectVec(v, 0, 1, 0);
    }

    // Two opposite quads cancel at their shared column: zero, not NaN.
    const SurfaceBand folded = BandOf({{0, 0}, {1, 0}, {0, 0}});
    const auto m = SurfaceVertexNormals(folded, SurfaceFaceNormals(folded));
    ExpectVec(m[1], 0, 0, 0);
}

// Coordinates whose squares overflow a float still give unit normals.
TEST(SurfaceNormals, HugeCoordinatesStayFinite)
{
    const SurfaceBand band = BandOf({{0, 0}, {1e30f, 1e30f}, {2e30f, 1e30f}});
    const auto face = SurfaceFaceNormals(band);
    const auto vertex = SurfaceVertexNormals(band, face);
    ExpectVec(face[0], -kHalf, kHalf, 0);
    ExpectVec(face[1], 0, 1, 0);
    for (const SurfaceVec& v : vertex)
        EXPECT_TRUE(Finite(v));
}

// A quad touching an undefined sample is not drawn, and its made-up normal
// (towards the stand-in value) does not bend its defined neighbours.
TEST(SurfaceNormals, UndefinedSampleLeavesAGapAndDoesNotBendNeighbours)
{
    auto g = Ribbon({{0, 0}, {1, 0}, {UndefinedSample, UndefinedSample}, {3, 0}, {4, 0}});
    const SurfaceBand band = ReadSurfaceBand(*g, 0);
    const auto face = SurfaceFaceNormals(band);
    ExpectVec(face[1], 0, 0, 0);
    ExpectVec(face[2], 0, 0, 0);
    const auto vertex = SurfaceVertexNormals(band, face);
    ExpectVec(vertex[1], 0, 1, 0);
    ExpectVec(vertex[3], 0, 1, 0);

    const SurfacePlan plan = PlanSurface(*g, 0);
    ASSERT_EQ(plan.quads.size(), 2u);
    ExpectVec(plan.quads[0].corner[3], 1, 0, 0);
    ExpectVec(plan.quads[1].corner[0], 3, 0, 0);
}

// Corner colours of a ribbon from (0, 0) to (2, 4) in the plane z = 0: row 1
// lies at z = 3. Blue is the second colour (least value), red the first.
TEST(SurfaceColors, GradientByFillStyle)
{
    struct Case {
        int32_t fillStyle;
        // Colours of P0 = (0, 0, 0), P1 = (0, 0, 3), P2 = (2, 4, 3), P3 = (2, 4, 0).
        SurfaceRgb c[4];
    };
    const SurfaceRgb blue{0, 0, 1}, red{1, 0, 0}, black{0, 0, 0};
    const Case cases[] = {
        {FillStyleGradientLeftRight, {blue, blue, red, red}},
        {FillStyleGradientTopBottom, {blue, blue, red, red}},
        {FillStyleGradientFrontBack, {blue, red, red, blue}},
        {FillStyleSingleColor, {blue, blue, blue, blue}},
        {0, {black, black, black, black}},
        {7, {black, black, black, black}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fillStyle);
        auto g = Ribbon({{0, 0}, {1, 1}, {2, 4}});
        g->FillStyle = c.fillStyle;
        const SurfacePalette palette = SurfacePalette::Of(*g);
        const SurfaceVec corners[4] = {{0, 0, 0}, {0, 0, 3}, {2, 4, 3}, {2, 4, 0}};
        for (int k = 0; k < 4; ++k)
            ExpectRgb(palette.ColorAt(corners[k]), c.c[k].r, c.c[k].g, c.c[k].b);
    }

    // Half way along y is half way between the colours.
    auto g = Ribbon({{0, 0}, {1, 1}, {2, 4}});
    g->FillStyle = FillStyleGradientTopBottom;
    ExpectRgb(SurfacePalette::Of(*g).ColorAt({1, 2, 0}), 0.5, 0, 0.5);
}

TEST(SurfaceColors, FlatExtentsAndContourShift)
{
    // All samples at y = 1: the second colour everywhere, no division by 0.
    auto flat = Ribbon({{0, 1}, {1, 1}, {2, 1}});
    flat->FillStyle = FillStyleGradientTopBottom;
    ExpectRgb(SurfacePalette::Of(*flat).ColorAt({1, 1, 0}), 0, 0, 1);

    // Draw raises the least y by 3 for contour graphs; corners below it lie
    // beyond the second colour (OpenGL clamps them).
    auto g = Ribbon({{0, 0}, {1, 6}});
    g->FillStyle = FillStyleGradientTopBottom;
    g->BoxMinY += 3.0f;
    ExpectRgb(SurfacePalette::Of(*g).ColorAt({0, 0, 0}), -1, 0, 2);
}

TEST(SurfacePlanTest, ModelAndSmoothness)
{
    auto g = Ribbon({{0, 0}, {1, 0}, {2, 1}});

    g->Smoothness = SmoothnessFaceted;
    SurfacePlan plan = PlanSurface(*g, 0);
    EXPECT_EQ(plan.polygonModel, ShowModelSurface);
    EXPECT_FALSE(plan.perVertexNormals);
    ASSERT_EQ(plan.quads.size(), 2u);
    for (const SurfaceVec& n : plan.quads[1].normal)
        ExpectVec(n, -kHalf, kHalf, 0);
    // Corners in the order (0, j), (1, j), (1, j + 1), (0, j + 1).
    ExpectVec(plan.quads[1].corner[0], 1, 0, 0);
    ExpectVec(plan.quads[1].corner[1], 1, 0, 3);
    ExpectVec(plan.quads[1].corner[2], 2, 1, 3);
    ExpectVec(plan.quads[1].corner[3], 2, 1, 0);

    g->Smoothness = SmoothnessSmooth;
    plan = PlanSurface(*g, 0);
    EXPECT_TRUE(plan.perVertexNormals);
    ExpectVec(plan.quads[0].normal[0], 0, 1, 0);
    EXPECT_NEAR(plan.quads[0].normal[3].x, plan.quads[1].normal[0].x, 1e-6f);
    EXPECT_LT(plan.quads[0].normal[3].x, 0.0f);

    // An unknown smoothness draws no quad but still sets the model; an
    // unknown model keeps the current polygon mode.
    g->Smoothness = 0;
    g->Show = 9;
    plan = PlanSurface(*g, 0);
    EXPECT_EQ(plan.smoothness, 0);
    EXPECT_EQ(plan.polygonModel, 0);
    EXPECT_TRUE(plan.quads.empty());
}

TEST(SurfacePlanTest, AnimatedBandAtItsStep)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType25DFunctionAnimation;
    g->Animation = true;
    g->StepV = 1;
    g->Smoothness = SmoothnessSmoother;
    g->Show = ShowModelWireframe;
    g->Anim25D.Make({1, 1, 2});
    for (int32_t k = 0; k <= 2; ++k) {
        g->Anim25D(0, 0, k).x = 0.0f;
        g->Anim25D(0, 1, k).x = 1.0f;
        g->Anim25D(0, 1, k).y = static_cast<float>(k); // the curve rises with t
    }
    g->GetBox(2);
    const SurfacePlan plan = PlanSurface(*g, 2);
    ASSERT_EQ(plan.quads.size(), 1u);
    EXPECT_EQ(plan.polygonModel, ShowModelWireframe);
    ExpectVec(plan.quads[0].corner[2], 1, 2, 3);
    ExpectVec(plan.quads[0].normal[0], -2 / std::sqrt(5.0f), 1 / std::sqrt(5.0f), 0);

    // A step outside the animation is refused before anything is drawn.
    EXPECT_THROW(PlanSurface(*g, 3), std::out_of_range);
}

TEST(SurfacePlanTest, UnsampledGraphIsRefused)
{
    Cls9 g;
    g.GraphType = GraphType25DFunction;
    g.StepV = 4;
    EXPECT_THROW(PlanSurface(g, 0), std::out_of_range);

    // A segment count beyond what sampling made is refused too.
    auto ribbon = Ribbon({{0, 0}, {1, 0}});
    ribbon->StepV = 5;
    EXPECT_THROW(PlanSurface(*ribbon, 0), std::out_of_range);
}
