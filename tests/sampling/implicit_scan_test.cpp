// The plan of implicit and inequality scans: which grid nodes are marked,
// the polar scan box, undefined and faulting nodes, animation and the node
// bound.
#include "sampling/ImplicitScan.h"
#include "expr/Cls6.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "model/Cls1.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

// A scanned graph as the 2D dialog makes it: first variable over [u0, u1],
// second over [v0, v1].
std::shared_ptr<Cls9> ScanGraph(int32_t form, int32_t coord, const QString& f, float u0,
                                float u1, float v0, float v1)
{
    auto g = Cls9::Init(1, QStringLiteral("f"), GraphType2DFunction, coord, QStringLiteral("0"),
                        QStringLiteral("x"), f, 1, 1, u0, u1, v0, v1, FillStyleSingleColor, 0, 0,
                        0x0000FF, 1, 0, ShowModelWireframe, SmoothnessSmooth);
    g->FunForm = form;
    return g;
}

ScanPlan Scan(Cls9& g, int32_t step = 0, float scale = 1.0f)
{
    Cls6 eval;
    return PlanScan(g, step, scale, eval, Module1::InsertImplicitMultiply(g.ExpressZ));
}

// Marked points as whole grid steps (x*D, y*D), for exact comparison.
std::set<std::pair<int, int>> Nodes(const ScanPlan& plan, int density, float scale = 1.0f)
{
    std::set<std::pair<int, int>> out;
    for (size_t k = 0; k + 1 < plan.xy.size(); k += 2)
        out.insert({static_cast<int>(std::lround(plan.xy[k] * scale * density)),
                    static_cast<int>(std::lround(plan.xy[k + 1] * scale * density))});
    return out;
}

TEST(ImplicitScan, UnitCircleMarksOnlyNodesNearTheCircle)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x^2+y^2-1"), -1.5f,
                       1.5f, -1.5f, 1.5f);
    const ScanPlan plan = Scan(*g);
    ASSERT_TRUE(plan.drawn);
    EXPECT_FALSE(plan.polar);
    EXPECT_EQ(plan.pointSize, 2.0f);
    EXPECT_EQ(plan.color, 0x0000FF);
    EXPECT_EQ(plan.nodes, 121 * 121);
    const auto nodes = Nodes(plan, 40);
    ASSERT_FALSE(nodes.empty());

    struct Case {
        int x, y; // in 40ths
        bool marked;
    } const cases[] = {
        {40, 0, true},   {0, 40, true},    {-40, 0, true},  {0, -40, true},
        {24, 32, true},  {-32, 24, true},  // (0.6, 0.8) and (-0.8, 0.6)
        {0, 0, false},   {39, 0, false},   {41, 0, false},  // |f| about 0.05
        {60, 60, false}, {-60, -60, false},
        {28, 28, true}, // (0.7, 0.7): f = -0.02, so the ring is more than one node wide
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(nodes.count({c.x, c.y}) == 1, c.marked);
    }
    // Every mark lies on the thin ring |x^2 + y^2 - 1| < 0.025, and the set
    // has the circle's eight symmetries.
    for (auto [x, y] : nodes) {
        const double r2 = (x * x + y * y) / 1600.0;
        EXPECT_LT(std::abs(r2 - 1.0), 0.0251) << x << "," << y;
        EXPECT_EQ(nodes.count({-x, y}), 1u);
        EXPECT_EQ(nodes.count({x, -y}), 1u);
        EXPECT_EQ(nodes.count({y, x}), 1u);
    }
}

TEST(ImplicitScan, InequalityFillsTheOpenDisc)
{
    auto g = ScanGraph(FunFormInequality, CoordTypeCartesian2D, QStringLiteral("x^2+y^2-1"), -1,
                       1, -1, 1);
    const ScanPlan plan = Scan(*g);
    ASSERT_TRUE(plan.drawn);
    EXPECT_EQ(plan.pointSize, 3.0f);
    EXPECT_EQ(plan.nodes, 61 * 61);
    const auto nodes = Nodes(plan, 30);
    // Exactly the nodes strictly inside: on the circle (f = 0) none is drawn.
    std::set<std::pair<int, int>> inside;
    for (int a = -30; a <= 30; ++a)
        for (int b = -30; b <= 30; ++b)
            if (a * a + b * b < 900)
                inside.insert({a, b});
    EXPECT_EQ(nodes, inside);
    EXPECT_EQ(nodes.count({30, 0}), 0u);
    EXPECT_EQ(nodes.count({0, 0}), 1u);
}

TEST(ImplicitScan, ToleranceBoundsAreStrict)
{
    // f = x - 0.025 is exactly -0.025 at x = 0 and about 0 at x = 0.025.
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x-0.025+0*y"), 0,
                       0.1f, 0, 0);
    EXPECT_EQ(Nodes(Scan(*g), 40), (std::set<std::pair<int, int>>{{1, 0}}));
    // An inequality's f of exactly 0 is not drawn.
    auto h = ScanGraph(FunFormInequality, CoordTypeCartesian2D, QStringLiteral("x+0*y"), -0.1f,
                       0.1f, 0, 0);
    EXPECT_EQ(Nodes(Scan(*h), 30), (std::set<std::pair<int, int>>{{-3, 0}, {-2, 0}, {-1, 0}}));
}

TEST(ImplicitScan, UndefinedAndFaultingNodesAreSkipped)
{
    struct Case {
        const char* name;
        int32_t form;
        const char* f;
        float u0, u1;
        int firstMarked, lastMarked; // x in 30ths (inequality) or 40ths
    } const cases[] = {
        // sqr of a negative is undefined; the defined nodes (x < 0.25) count.
        {"sqr undefined left", FunFormInequality, "sqr(x)-0.5", -1, 1, 0, 7},
        // exp overflows for every x < 0, the first nodes scanned; that half
        // is skipped and the rest still drawn.
        {"overflow left", FunFormInequality, "exp(-100000*x)-2", -1, 1, 0, 30},
        // log(1.025) = 0.0247 is within the tolerance, log(0.975) not.
        {"log undefined", FunFormImplicit, "log(x)", -1, 2, 40, 41},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = ScanGraph(c.form, CoordTypeCartesian2D, QString::fromLatin1(c.f), c.u0, c.u1, 0,
                           0);
        const ScanPlan plan = Scan(*g);
        ASSERT_TRUE(plan.drawn);
        const auto nodes = Nodes(plan, c.form == FunFormImplicit ? 40 : 30);
        ASSERT_FALSE(nodes.empty());
        EXPECT_EQ(nodes.begin()->first, c.firstMarked);
        EXPECT_EQ(nodes.rbegin()->first, c.lastMarked);
        EXPECT_EQ(nodes.size(), static_cast<size_t>(c.lastMarked - c.firstMarked + 1));
        for (size_t k = 0; k < plan.xy.size(); ++k)
            EXPECT_NE(plan.xy[k], UndefinedSample);
    }
}

TEST(ImplicitScan, PointsAreDividedByTheSceneScale)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x-1+0*y"), 1, 1, 0.5f,
                       0.5f);
    const ScanPlan plan = Scan(*g, 0, 4.0f);
    ASSERT_EQ(plan.xy.size(), 2u);
    EXPECT_FLOAT_EQ(plan.xy[0], 0.25f);
    EXPECT_FLOAT_EQ(plan.xy[1], 0.125f);
    EXPECT_THROW(Scan(*g, 0, 0.0f), std::domain_error);
}

TEST(ImplicitScan, PolarRingSetsTheScanBox)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypePolar, QStringLiteral("r-2"), 0, 6.3f, 0, 3);
    const ScanPlan plan = Scan(*g);
    ASSERT_TRUE(plan.drawn);
    EXPECT_TRUE(plan.polar);
    ASSERT_FALSE(plan.xy.empty());
    for (size_t k = 0; k + 1 < plan.xy.size(); k += 2)
        EXPECT_NEAR(std::hypot(plan.xy[k], plan.xy[k + 1]), 2.0, 0.026);
    const Cls1& box = *g_PolarScanBox;
    EXPECT_NEAR(box.MinX, -2.0f, 0.03f);
    EXPECT_NEAR(box.MaxX, 2.0f, 0.03f);
    EXPECT_NEAR(box.MinY, -2.0f, 0.03f);
    EXPECT_NEAR(box.MaxY, 2.0f, 0.03f);
    EXPECT_EQ(box.MinZ, 0.0f);
    EXPECT_EQ(box.MaxZ, 0.0f);
    // The graph's own extents are those of the drawn points, and GetBox
    // hands out this box for the graph.
    EXPECT_EQ(g->BoxMinX, box.MinX);
    EXPECT_EQ(g->BoxMaxY, box.MaxY);
    EXPECT_EQ(g->GetBox().get(), g_PolarScanBox.get());
}

TEST(ImplicitScan, PolarBoxContainsTheOriginAndIsZeroWhenNothingIsDrawn)
{
    struct Case {
        const char* name;
        const char* f;
        float a0, a1, r0, r1;
        float minX, maxX, minY, maxY;
    } const cases[] = {
        // A quarter ring away from the origin: the box still reaches 0.
        {"first quadrant arc", "r-2", 0.1f, 1.55f, 1, 3, 0, 2.025f, 0, 2.025f},
        {"nothing satisfies", "r+5", 0, 6.3f, 0, 3, 0, 0, 0, 0},
        {"inverted range", "r-2", 6.3f, 0, 0, 3, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        *g_PolarScanBox = Cls1{-9, 9, -9, 9, -9, 9};
        auto g = ScanGraph(FunFormImplicit, CoordTypePolar, QString::fromLatin1(c.f), c.a0, c.a1,
                           c.r0, c.r1);
        Scan(*g);
        const Cls1& box = *g_PolarScanBox;
        EXPECT_NEAR(box.MinX, c.minX, 0.05f);
        EXPECT_NEAR(box.MaxX, c.maxX, 0.05f);
        EXPECT_NEAR(box.MinY, c.minY, 0.05f);
        EXPECT_NEAR(box.MaxY, c.maxY, 0.05f);
        EXPECT_EQ(box.MinZ, 0.0f);
        EXPECT_EQ(box.MaxZ, 0.0f);
    }
}

TEST(ImplicitScan, GetBoxFitsThePolarScanBeforeItIsDrawn)
{
    *g_PolarScanBox = Cls1{};
    auto small = ScanGraph(FunFormImplicit, CoordTypePolar, QStringLiteral("r-2"), 0, 6.3f, 0, 3);
    auto large = ScanGraph(FunFormInequality, CoordTypePolar, QStringLiteral("r-4"), 0, 6.3f, 0, 5);
    small->BoxMinX = 7;
    struct Case {
        Cls9* g;
        float reach;
    } const cases[] = {{small.get(), 2.0f}, {large.get(), 4.0f}, {small.get(), 2.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reach);
        // Each graph gets the box of its own scan, whichever was boxed last.
        const std::shared_ptr<Cls1> box = c.g->GetBox();
        EXPECT_EQ(box.get(), g_PolarScanBox.get());
        EXPECT_NEAR(box->MaxX, c.reach, 0.05f);
        EXPECT_NEAR(box->MinY, -c.reach, 0.05f);
        EXPECT_EQ(box->MaxZ, 0.0f);
    }
    EXPECT_EQ(small->BoxMinX, 7.0f); // the graph's own extents are the drawing's

    // A bad f keeps the box and shows nothing: the drawing reports it.
    MessageRecorder messages;
    auto bad = ScanGraph(FunFormImplicit, CoordTypePolar, QStringLiteral("r-*2"), 0, 6.3f, 0, 3);
    bad->GetBox();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_NEAR(g_PolarScanBox->MaxX, 2.0f, 0.05f);
    // Cartesian scans are boxed by their ranges and leave it alone.
    auto flat =
        ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x-y"), -9, 9, -9, 9);
    flat->GetBox();
    EXPECT_NEAR(g_PolarScanBox->MaxX, 2.0f, 0.05f);
}

TEST(ImplicitScan, CartesianScanLeavesThePolarBoxAlone)
{
    *g_PolarScanBox = Cls1{-1, 2, -3, 4, -5, 6};
    auto g = ScanGraph(FunFormInequality, CoordTypeCartesian2D, QStringLiteral("x^2+y^2-1"), -1, 1,
                       -1, 1);
    Scan(*g);
    EXPECT_EQ(g_PolarScanBox->MaxZ, 6.0f);
    EXPECT_EQ(g_PolarScanBox->MinX, -1.0f);
}

TEST(ImplicitScan, AnimatedGraphUsesTheFrameValue)
{
    const int32_t savedFrames = g_FrameCount;
    g_FrameCount = 10;
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x-t+0*y"), 0, 1, 0,
                       0);
    g->GraphType = GraphType2DFunctionAnimation;
    g->MinT = 0;
    g->MaxT = 1;
    for (int32_t step : {0, 5, 10}) {
        SCOPED_TRACE(step);
        const auto nodes = Nodes(Scan(*g, step), 40);
        ASSERT_FALSE(nodes.empty());
        EXPECT_EQ(nodes.count({step * 4, 0}), 1u); // x = t = step / 10
        for (auto [x, y] : nodes)
            EXPECT_LE(std::abs(x - step * 4), 1);
    }
    // A still graph ignores t; no frame count makes the scan divide by 0.
    g->GraphType = GraphType2DFunction;
    g_FrameCount = 0;
    EXPECT_EQ(Nodes(Scan(*g, 0), 40).count({0, 0}), 1u);
    g->GraphType = GraphType2DFunctionAnimation;
    EXPECT_EQ(Nodes(Scan(*g, 0), 40).count({0, 0}), 1u);
    g_FrameCount = savedFrames;
}

TEST(ImplicitScan, CompileErrorDrawsNothingAndKeepsTheExtents)
{
    MessageRecorder messages;
    auto g = ScanGraph(FunFormImplicit, CoordTypePolar, QStringLiteral("r-*2"), 0, 6.3f, 0, 3);
    g->BoxMinX = 7;
    *g_PolarScanBox = Cls1{-1, 2, -3, 4, -5, 6};
    const ScanPlan plan = Scan(*g);
    EXPECT_FALSE(plan.drawn);
    EXPECT_TRUE(plan.xy.empty());
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(g->BoxMinX, 7.0f);
    EXPECT_EQ(g_PolarScanBox->MaxZ, 6.0f);
}

TEST(ImplicitScan, OtherCoordinateSystemsMarkNothing)
{
    auto g = ScanGraph(FunFormInequality, CoordTypeCartesian3D, QStringLiteral("-1"), -1, 1, -1, 1);
    const ScanPlan plan = Scan(*g);
    EXPECT_TRUE(plan.drawn);
    EXPECT_TRUE(plan.xy.empty());
    EXPECT_EQ(g->BoxMinX, 1000.0f);
    EXPECT_EQ(g->BoxMaxX, -1000.0f);
}

// Rows evaluated at once and split over threads give the plan of one
// evaluation per node, point for point and in the same order.
TEST(ImplicitScan, ThreadsAndRowsGiveTheSamePlan)
{
    struct Case {
        int32_t form, coord;
        const char* f;
        float u0, u1, v0, v1;
    } const cases[] = {
        {FunFormImplicit, CoordTypeCartesian2D, "x^2+y^2-16", -20, 20, -20, 20},
        {FunFormImplicit, CoordTypeCartesian2D, "sin(x)*cos(y)-0.3", -7, 7, -5, 9},
        {FunFormInequality, CoordTypeCartesian2D, "log(x)+sqr(y)-1+1/(x-y)", -6, 6, -6, 6},
        {FunFormInequality, CoordTypeCartesian2D, "exp(x*y)-3", -40, 40, -3, 3},
        {FunFormImplicit, CoordTypePolar, "r-2-sin(3*a)", 0, 7, 0, 4},
        {FunFormInequality, CoordTypePolar, "r-a", -3, 3, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        auto g = ScanGraph(c.form, c.coord, QString::fromLatin1(c.f), c.u0, c.u1, c.v0, c.v1);
        const QString txt = Module1::InsertImplicitMultiply(g->ExpressZ);
        auto plan = [&](int threads) {
            Cls6 eval;
            ScanPlan p = PlanScan(*g, 0, 2.0f, eval, txt, threads);
            return std::make_pair(p, *g_PolarScanBox);
        };
        // With errors reported every node is evaluated on its own, on one
        // thread; the messages of failing nodes are caught here.
        std::pair<ScanPlan, Cls1> single;
        {
            MessageRecorder rec;
            g_ReportEvalErrors = true;
            single = plan(0);
            g_ReportEvalErrors = false;
        }
        ASSERT_FALSE(single.first.xy.empty());
        for (int threads : {1, 3, 8}) {
            SCOPED_TRACE(threads);
            const auto [p, box] = plan(threads);
            EXPECT_EQ(p.nodes, single.first.nodes);
            EXPECT_EQ(p.xy, single.first.xy);
            EXPECT_EQ(box.MinX, single.second.MinX);
            EXPECT_EQ(box.MaxX, single.second.MaxX);
            EXPECT_EQ(box.MinY, single.second.MinY);
            EXPECT_EQ(box.MaxY, single.second.MaxY);
        }
    }
}

// An empty range along one variable and a huge one along the other: no
// node at all, at once, not a walk along the huge one.
TEST(ImplicitScan, EmptyRangeEndsAtOnce)
{
    for (int32_t coord : {CoordTypePolar, CoordTypeCartesian2D}) {
        auto g = ScanGraph(FunFormImplicit, coord, QStringLiteral("r-1+0*a+0*x+0*y"), -1e30f, 1e30f,
                           2, 1);
        const ScanPlan plan = Scan(*g);
        EXPECT_TRUE(plan.drawn);
        EXPECT_EQ(plan.nodes, 0);
        EXPECT_TRUE(plan.xy.empty());
        g->MinU = 2;
        g->MaxU = 1;
        g->MinV = -1e30f;
        g->MaxV = 1e30f;
        EXPECT_EQ(Scan(*g).nodes, 0);
    }
}

TEST(ImplicitScan, NodeCountsAndStride)
{
    struct Count {
        float lo, hi;
        int32_t d;
        int64_t n;
    } const counts[] = {
        {-1, 1, 40, 81},      {-20, 20, 30, 1201}, {0, 0, 40, 1},   {1, -1, 40, 0},
        {0.01f, 0.02f, 40, 1}, // 0.4 to 0.8: only the first counter fits
        {NAN, 1, 40, 0},      {-1e38f, 1e38f, 40, 0}, // bounds overflow: nothing
    };
    for (const Count& c : counts) {
        SCOPED_TRACE(testing::Message() << c.lo << ".." << c.hi);
        EXPECT_EQ(ScanNodeCount(c.lo, c.hi, c.d), c.n);
    }
    // Beyond 2^24 a float counter would stop advancing; the count does not.
    EXPECT_EQ(ScanNodeCount(-500000, 500000, 40), 40'000'001);

    // The default ranges need no stride; larger ones stay within the bound.
    EXPECT_EQ(ScanStride(1601, 1601), 1);
    EXPECT_EQ(ScanStride(1, 1), 1);
    EXPECT_EQ(ScanStride(0, int64_t(1) << 40), 1);
    for (auto [nu, nv] : {std::pair<int64_t, int64_t>{40'000'001, 40'000'001},
                          {int64_t(9e15), int64_t(9e15)},
                          {int64_t(9e15), 1},
                          {4097, 4097}}) {
        SCOPED_TRACE(testing::Message() << nu << "x" << nv);
        const int64_t s = ScanStride(nu, nv);
        const int64_t a = (nu + s - 1) / s;
        const int64_t b = (nv + s - 1) / s;
        EXPECT_LE(a * b, MaxScanNodes);
        // and not coarser than needed
        const int64_t half = s / 2;
        if (half >= 1) {
            EXPECT_GT(((nu + half - 1) / half) * ((nv + half - 1) / half), MaxScanNodes);
        }
    }
}

} // namespace
