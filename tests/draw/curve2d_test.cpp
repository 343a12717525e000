// The pure parts of graph drawing: colour split, arrow heads, and the plan
// of a 2D function's segments, roots and result-pane lines.
#include "draw/Curve2D.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr float U = UndefinedSample;

TEST(ColorToRGB, SplitsBgrIntoFractions)
{
    struct Case {
        int32_t color;
        int r, g, b; // in 255ths
    } const cases[] = {
        {0x00FF8040, 64, 128, 255},
        {0, 0, 0, 0},
        {0x00FFFFFF, 255, 255, 255},
        {255, 255, 0, 0},          // red lives in the low byte
        {0x0000FF00, 0, 255, 0},
        {0x00010000, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        double r = -1, g = -1, b = -1;
        Cls9::ColorToRGB(c.color, r, g, b);
        EXPECT_DOUBLE_EQ(r, c.r / 255.0);
        EXPECT_DOUBLE_EQ(g, c.g / 255.0);
        EXPECT_DOUBLE_EQ(b, c.b / 255.0);
    }
}

TEST(ArrowHead2D, CornersSitBehindTheTip)
{
    struct Case {
        const char* name;
        float x1, y1, x2, y2;
        float ax, ay, bx, by;
    } const cases[] = {
        {"rightwards", 0, 0, 2, 0, 1.4f, 0.2f, 1.4f, -0.2f},
        {"leftwards", 2, 0, 0, 0, 0.6f, 0.2f, 0.6f, -0.2f},
        {"downwards", 0, 2, 0, 0, 0.2f, 0.6f, -0.2f, 0.6f},
        {"upwards", 1, -3, 1, 1, 1.2f, 0.4f, 0.8f, 0.4f},
        // No direction: taken as vertical and not rising.
        {"zero length", 1, 1, 1, 1, 1.2f, 1.6f, 0.8f, 1.6f},
        // Base centre 0.6 back along the diagonal, corners 0.2 across it.
        {"diagonal", 0, 0, 3, 3, 3 - 0.42426f - 0.14142f, 3 - 0.42426f + 0.14142f,
         3 - 0.42426f + 0.14142f, 3 - 0.42426f - 0.14142f},
        {"diagonal back", 3, 3, 0, 0, 0.42426f - 0.14142f, 0.42426f + 0.14142f,
         0.42426f + 0.14142f, 0.42426f - 0.14142f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        float ax = 99, ay = 99, bx = 99, by = 99;
        Cls9::ArrowHead2D(c.x1, c.y1, c.x2, c.y2, ax, ay, bx, by);
        EXPECT_NEAR(ax, c.ax, 2e-4f);
        EXPECT_NEAR(ay, c.ay, 2e-4f);
        EXPECT_NEAR(bx, c.bx, 2e-4f);
        EXPECT_NEAR(by, c.by, 2e-4f);
    }
}

TEST(ArrowHead2D, HeadKeepsItsShapeInEveryDirection)
{
    // Every 15 degrees, and shafts a rounding step away from horizontal or
    // vertical, where a slope form of the construction would overflow.
    std::vector<double> degrees;
    for (int deg = 0; deg < 360; deg += 15)
        degrees.push_back(deg);
    for (double d : {1e-12, 1e-9, 1e-6})
        for (double base : {0.0, 90.0, 180.0, 270.0})
            degrees.push_back(base + d);
    for (double deg : degrees) {
        SCOPED_TRACE(deg);
        const double a = deg * 3.14159265358979 / 180.0;
        // Also far from the origin, where the head is small against the
        // coordinates.
        for (float ox : {0.0f, 1000.0f}) {
            const float x1 = ox, y1 = -ox;
            const float x2 = static_cast<float>(x1 + 5 * std::cos(a));
            const float y2 = static_cast<float>(y1 + 5 * std::sin(a));
            float ax = 0, ay = 0, bx = 0, by = 0;
            Cls9::ArrowHead2D(x1, y1, x2, y2, ax, ay, bx, by);
            // Base centre 0.6 back from the tip on the shaft; corners 0.4 apart.
            const float mx = (ax + bx) / 2, my = (ay + by) / 2;
            EXPECT_NEAR(std::hypot(x2 - mx, y2 - my), 0.6f, 2e-3f);
            EXPECT_NEAR(std::hypot(mx - x1, my - y1), std::hypot(x2 - x1, y2 - y1) - 0.6f, 2e-3f);
            EXPECT_NEAR(std::hypot(ax - bx, ay - by), 0.4f, 2e-3f);
        }
    }
}

TEST(Curve2DHeader, NamesTheFunctionByItsForm)
{
    struct Case {
        int32_t coord, form;
        const char* y;
        const char* z;
        const char* header; // nullptr: no line
    } const cases[] = {
        {CoordTypeCartesian2D, FunFormExplicit, "x", "sin(2x)", "函数 y=sin(2x)"},
        {CoordTypeCartesian2D, FunFormParametric, "cos(u)", "sin(u)", "函数 x=cos(u), y=sin(u)"},
        {CoordTypePolar, FunFormExplicit, "x", "2", "函数 r=2"},
        {CoordTypePolar, FunFormParametric, "u", "u/2", "函数 a=u, r=u/2"},
        {CoordTypeCartesian2D, FunFormImplicit, "x", "x^2+y^2-1", nullptr},
        {CoordTypeCartesian2D, FunFormInequality, "x", "y-x", nullptr},
        {CoordTypeCartesian2D, 0, "x", "x", nullptr},
        {CoordTypeCartesian3D, FunFormExplicit, "x", "x", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.z);
        Cls9 g;
        g.CoordType = c.coord;
        g.FunForm = c.form;
        g.ExpressY = QString::fromUtf8(c.y);
        g.ExpressZ = QString::fromUtf8(c.z);
        const auto header = Curve2DHeader(g);
        if (c.header) {
            ASSERT_TRUE(header.has_value());
            EXPECT_EQ(*header, QString::fromUtf8(c.header));
        } else {
            EXPECT_FALSE(header.has_value());
        }
    }
}

// A still 2D function whose vertex row is given directly: sample i at
// x = i and the given y (U for undefined, in all three coordinates).
class CurvePlan : public ::testing::Test {
protected:
    static std::shared_ptr<Cls9> Row(std::initializer_list<float> ys)
    {
        auto g = std::make_shared<Cls9>();
        g->GraphType = GraphType2DFunction;
        g->CoordType = CoordTypeCartesian2D;
        g->FunForm = FunFormExplicit;
        g->ExpressY = QStringLiteral("x");
        g->ExpressZ = QStringLiteral("f");
        g->Show2DCurve = true;
        g->LineColor = 0x00FF0000;
        g->LineWidth = 2;
        g->StepV = static_cast<int32_t>(ys.size()) - 1;
        g->Vert3D.Make({0, g->StepV});
        int32_t i = 0;
        for (float y : ys) {
            Cls2& p = g->Vert3D(0, i);
            p.x = y == U ? U : static_cast<float>(i);
            p.y = y;
            p.z = y == U ? U : 0.0f;
            ++i;
        }
        g->BoxMinX = 0;
        g->BoxMaxX = static_cast<float>(g->StepV);
        return g;
    }

    static std::vector<std::pair<float, float>> Segments(const Curve2DPlan& plan, int32_t color)
    {
        std::vector<std::pair<float, float>> out; // x of both ends
        for (const DrawOp& op : plan.ops)
            if (op.kind == DrawOp::Kind::Line && op.color == color)
                out.emplace_back(op.x1, op.x2);
        return out;
    }
};

TEST_F(CurvePlan, UndefinedSampleRemovesBothSegmentsThatTouchIt)
{
    using Segs = std::vector<std::pair<float, float>>;
    struct Case {
        const char* name;
        std::initializer_list<float> ys;
        Segs expected;
    } const cases[] = {
        {"all defined", {1, 2, 3, 4}, {{0, 1}, {1, 2}, {2, 3}}},
        {"first", {U, 2, 3, 4}, {{1, 2}, {2, 3}}},
        {"middle", {1, 2, U, 4, 5}, {{0, 1}, {3, 4}}},
        {"last", {1, 2, 3, U}, {{0, 1}, {1, 2}}},
        {"two apart", {1, U, 3, U, 5}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto g = Row(c.ys);
        EXPECT_EQ(Segments(PlanCurve2D(*g, 0, 1.0f), g->LineColor), c.expected);
    }
}

TEST_F(CurvePlan, CoordinatesAreDividedByTheSceneScale)
{
    const auto g = Row({2, 4});
    const Curve2DPlan plan = PlanCurve2D(*g, 0, 2.0f);
    ASSERT_EQ(plan.ops.size(), 1u);
    const DrawOp& op = plan.ops[0];
    EXPECT_EQ(op.kind, DrawOp::Kind::Line);
    EXPECT_FLOAT_EQ(op.x1, 0.0f);
    EXPECT_FLOAT_EQ(op.y1, 1.0f);
    EXPECT_FLOAT_EQ(op.x2, 0.5f);
    EXPECT_FLOAT_EQ(op.y2, 2.0f);
    EXPECT_FLOAT_EQ(op.width, 2.0f);
    EXPECT_TRUE(plan.curvePass);

    for (float bad : {0.0f, -1.0f, INFINITY, NAN})
        EXPECT_THROW(PlanCurve2D(*g, 0, bad), std::domain_error) << bad;
}

TEST_F(CurvePlan, InverseIsTheCurveMirroredInYEqualsX)
{
    const auto g = Row({5, 7, U, 1});
    g->Show2DCurve = false;
    g->ShowInverse = true;
    g->InvColor = 0x0000FF00;
    g->InvWidth = 0; // not a valid GL width: drawn 1 wide
    const Curve2DPlan plan = PlanCurve2D(*g, 0, 1.0f);
    ASSERT_EQ(plan.ops.size(), 1u);
    const DrawOp& op = plan.ops[0];
    EXPECT_EQ(op.color, 0x0000FF00);
    EXPECT_FLOAT_EQ(op.width, 1.0f);
    EXPECT_FLOAT_EQ(op.x1, 5.0f);
    EXPECT_FLOAT_EQ(op.y1, 0.0f);
    EXPECT_FLOAT_EQ(op.x2, 7.0f);
    EXPECT_FLOAT_EQ(op.y2, 1.0f);
}

TEST_F(CurvePlan, RootsAreListedOnceInSampleOrder)
{
    struct Case {
        const char* name;
        std::initializer_list<float> ys;
        QStringList lines; // after the header
    } const cases[] = {
        {"crossing inside a segment", {-1, 3}, {"    根: x=0.25,y=0", ""}},
        // The sample on the axis ends one segment and starts the next.
        {"on a sample", {-2, 0, 2}, {"    根: x=1,y=0", ""}},
        {"touching on a sample", {2, 0, 2}, {"    根: x=1,y=0", ""}},
        {"two crossings", {1, -1, -1, 1}, {"    根: x=0.5,y=0", "    根: x=2.5,y=0", ""}},
        {"lying on the axis", {0, 0, 0}, {"    根: x=0,y=0", "    根: x=1,y=0", "    根: x=2,y=0", ""}},
        {"first and last samples", {0, 1, 0}, {"    根: x=0,y=0", "    根: x=2,y=0", ""}},
        {"none", {1, 2, 1}, {""}},
        {"undefined neighbour", {-1, U, 1}, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto g = Row(c.ys);
        g->ShowRoot = true;
        g->RootColor = 0x000000FF;
        g->RootSize = 3;
        g->RootSymbol = MarkerSymbolFilledSquare;
        const Curve2DPlan plan = PlanCurve2D(*g, 0, 2.0f);
        EXPECT_EQ(plan.lines, QStringList{"函数 y=f"} + c.lines);

        // One marker per listed root, at the root divided by the scale.
        std::vector<float> markers;
        for (const DrawOp& op : plan.ops) {
            if (op.kind != DrawOp::Kind::Marker)
                continue;
            EXPECT_EQ(op.color, 0x000000FF);
            EXPECT_EQ(op.symbol, MarkerSymbolFilledSquare);
            EXPECT_FLOAT_EQ(op.size, 3.0f);
            EXPECT_FLOAT_EQ(op.y1, 0.0f);
            markers.push_back(op.x1 * 2.0f);
        }
        EXPECT_EQ(markers.size(), static_cast<size_t>(c.lines.size() - 1));
    }
}

TEST_F(CurvePlan, MissingSamplesAreAnErrorNotAGuess)
{
    auto g = Row({1, 2, 3});
    g->StepV = 5; // changed after sampling
    EXPECT_THROW(PlanCurve2D(*g, 0, 1.0f), std::out_of_range);

    auto never = Row({1, 2});
    never->Vert3D.Clear();
    EXPECT_THROW(PlanCurve2D(*never, 0, 1.0f), std::out_of_range);

    // Implicit and inequality forms read no samples: the header only.
    never->FunForm = FunFormImplicit;
    const Curve2DPlan plan = PlanCurve2D(*never, 0, 1.0f);
    EXPECT_TRUE(plan.lines.isEmpty());
    EXPECT_FALSE(plan.curvePass);
}

TEST_F(CurvePlan, AnimatedGraphDrawsTheSliceOfItsStep)
{
    auto g = Row({0, 0});
    g->GraphType = GraphType2DFunctionAnimation;
    g->Anim2D.Make({1, 2}); // columns 0..1, steps 0..2
    for (int32_t k = 0; k <= 2; ++k)
        for (int32_t i = 0; i <= 1; ++i) {
            g->Anim2D(i, k).x = static_cast<float>(i);
            g->Anim2D(i, k).y = static_cast<float>(10 * k + i);
        }
    for (int32_t k = 0; k <= 2; ++k) {
        const Curve2DPlan plan = PlanCurve2D(*g, k, 1.0f);
        ASSERT_EQ(plan.ops.size(), 1u);
        EXPECT_FLOAT_EQ(plan.ops[0].y1, 10.0f * k);
        EXPECT_FLOAT_EQ(plan.ops[0].y2, 10.0f * k + 1);
    }
    EXPECT_THROW(PlanCurve2D(*g, 3, 1.0f), std::out_of_range);
}

TEST_F(CurvePlan, IntersectionGraphDrawsItsSecondCurveAndCrossingsOnTop)
{
    auto g = Row({0, 2, U});
    g->GraphType = GraphTypeCurveIntersection;
    g->Color2 = 0x00123456;
    g->Width2 = 3;
    g->ShowInter = true;
    g->InterColor = 0x00ABCDEF;
    g->InterSize = 2;
    g->InterSymbol = MarkerSymbolDiamond;
    g->VertExp2.Make({0, 2});
    for (int32_t i = 0; i <= 2; ++i) {
        g->VertExp2(0, i).x = static_cast<float>(i);
        g->VertExp2(0, i).y = 2.0f - static_cast<float>(i);
    }
    Cls2 cross;
    cross.x = 0.5f;
    cross.y = 1.0f;
    Cls2 undefined;
    undefined.y = U;
    const Curve2DPlan plan = PlanCurve2D(*g, 0, 1.0f, {cross, undefined});
    EXPECT_EQ(Segments(plan, g->LineColor).size(), 1u);
    EXPECT_EQ(Segments(plan, 0x00123456).size(), 2u);
    ASSERT_FALSE(plan.ops.empty());
    const DrawOp& last = plan.ops.back();
    EXPECT_EQ(last.kind, DrawOp::Kind::Marker);
    EXPECT_EQ(last.color, 0x00ABCDEF);
    EXPECT_FLOAT_EQ(last.x1, 0.5f);
    EXPECT_EQ(std::count_if(plan.ops.begin(), plan.ops.end(),
                            [](const DrawOp& op) { return op.kind == DrawOp::Kind::Marker; }),
              1);
}

// The whole road from the expression: sampling, then the plan.
TEST(Curve2DSampled, SineRootsOverMinusTenToTen)
{
    const float saved[4] = {g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY};
    g_RangeMinX = g_RangeMinY = -20;
    g_RangeMaxX = g_RangeMaxY = 20;
    auto g = std::make_shared<Cls9>();
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QStringLiteral("sin(x)");
    g->MinV = -10;
    g->MaxV = 10;
    g->StepV = 200;
    g->Show2DCurve = true;
    g->ShowRoot = true;
    ASSERT_TRUE(g->GetPoints());
    ASSERT_NE(g->GetBox(0), nullptr);
    const Curve2DPlan plan = PlanCurve2D(*g, 0, 1.0f);
    g_RangeMinX = saved[0];
    g_RangeMaxX = saved[1];
    g_RangeMinY = saved[2];
    g_RangeMaxY = saved[3];

    // Roots of the chords: the sample at 0 lies on the axis and is listed
    // once; the others fall between samples.
    const QStringList expected = {
        "函数 y=sin(x)",
        "    根: x=-9.424793,y=0",
        "    根: x=-6.28317,y=0",
        "    根: x=-3.1416,y=0",
        "    根: x=0,y=0",
        "    根: x=3.141599,y=0",
        "    根: x=6.28317,y=0",
        "    根: x=9.424793,y=0",
        "",
    };
    EXPECT_EQ(plan.lines, expected);
}

} // namespace
