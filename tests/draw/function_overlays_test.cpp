// Analysis overlays of a 2D function without a display: integral shading
// and value, steps, stems and parity, derivative curve, extremes and arc
// length, each planned from real samples of a school function.
#include "draw/Curve2D.h"
#include "draw/FunctionOverlays.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// The plot range of a new 2D document, put back afterwards.
class Range2D {
public:
    Range2D() : m_saved{g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY, g_RangeMinZ, g_RangeMaxZ}
    {
        g_RangeMinX = g_RangeMinY = -20;
        g_RangeMaxX = g_RangeMaxY = 20;
        g_RangeMinZ = -50;
        g_RangeMaxZ = 50;
    }
    ~Range2D()
    {
        g_RangeMinX = m_saved[0];
        g_RangeMaxX = m_saved[1];
        g_RangeMinY = m_saved[2];
        g_RangeMaxY = m_saved[3];
        g_RangeMinZ = m_saved[4];
        g_RangeMaxZ = m_saved[5];
    }
    Range2D(const Range2D&) = delete;
    Range2D& operator=(const Range2D&) = delete;

private:
    std::array<float, 6> m_saved;
};

std::shared_ptr<Cls9> Function(const QString& z, float minV, float maxV, int32_t steps,
                               int32_t coord = CoordTypeCartesian2D)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType2DFunction;
    g->CoordType = coord;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = coord == CoordTypePolar ? QStringLiteral("a") : QStringLiteral("x");
    g->ExpressZ = z;
    g->MinV = minV;
    g->MaxV = maxV;
    g->StepV = steps;
    g->Show2DCurve = true;
    return g;
}

struct Texts {
    QString x, y, z;
};

Texts Prepared(const Cls9& g)
{
    return {Module1::InsertImplicitMultiply(g.ExpressX), Module1::InsertImplicitMultiply(g.ExpressY),
            Module1::InsertImplicitMultiply(g.ExpressZ)};
}

// Samples the graph and plans its curve with every overlay of this file,
// in the order the drawing uses.
struct Planned {
    Curve2DPlan plan;
    std::vector<ShadePiece> shading;
    bool goesOn = true;
};

Planned PlanAll(Cls9& g)
{
    EXPECT_TRUE(g.GetPoints());
    g.GetBox(0);
    Planned p;
    const Texts t = Prepared(g);
    p.plan = PlanCurve2D(g, 0, 1.0f);
    p.goesOn = AddIntegral(g, t.z, 1.0f, p.plan, p.shading);
    if (p.goesOn)
        p.goesOn = AddAfterPassOverlays(g, t.x, t.y, t.z, 1.0f, p.plan);
    return p;
}

// The number at the end of a line after the given prefix.
double NumberAfter(const QString& line, const QString& prefix)
{
    EXPECT_TRUE(line.startsWith(prefix)) << line.toStdString();
    bool ok = false;
    const double v = line.mid(prefix.size()).toDouble(&ok);
    EXPECT_TRUE(ok) << line.toStdString();
    return v;
}

// Area of a planar polygon (shoelace), always positive.
double AreaOf(const ShadePiece& p)
{
    const int n = p.kind == ShadePiece::Kind::Quad ? 4 : 3;
    double a = 0;
    for (int k = 0; k < n; ++k) {
        const int j = (k + 1) % n;
        a += static_cast<double>(p.v[k][0]) * p.v[j][1] - static_cast<double>(p.v[j][0]) * p.v[k][1];
    }
    return std::fabs(a) / 2;
}

// ---------------------------------------------------------------------------
// Integral

TEST(IntegralOverlay, ValueLinesOfSchoolFunctions)
{
    Range2D range;
    struct Case {
        const char* f;
        int32_t coord;
        float from, to;
        double value;
    } const cases[] = {
        {"x^2", CoordTypeCartesian2D, 0, 1, 1.0 / 3},
        {"x", CoordTypeCartesian2D, 0, 2, 2},
        {"-x", CoordTypeCartesian2D, 0, 2, -2},         // below the axis: negative
        {"x^3", CoordTypeCartesian2D, 2, 0, -4},        // bounds high to low
        // A coarse trapezoid sum agrees with itself here (0 at the ends and
        // the midpoint) long before it has seen the function.
        {"sin(x)^2", CoordTypeCartesian2D, 0, static_cast<float>(2 * Pi), Pi},
        {"sqr(x)", CoordTypeCartesian2D, -1, 1, 2.0 / 3}, // no value left of 0: no area there
        {"1", CoordTypePolar, 0, 3.1415926f, Pi / 2},   // half disc
        {"a", CoordTypePolar, 0, 1, 1.0 / 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        auto g = Function(QString::fromLatin1(c.f), -5, 7, 120, c.coord);
        g->ShowInt = true;
        g->IntFrom = c.from;
        g->IntTo = c.to;
        const Planned p = PlanAll(*g);
        ASSERT_TRUE(p.goesOn);
        const QStringList& l = p.plan.lines;
        ASSERT_EQ(l.size(), 4);
        EXPECT_EQ(l[1], QStringLiteral("    积分  从 ") + NumberText(c.from) + QStringLiteral(" 到 ") +
                            NumberText(c.to));
        const QString prefix = c.coord == CoordTypePolar ? QStringLiteral("    面积为 ")
                                                         : QStringLiteral("    面积为  ");
        EXPECT_NEAR(NumberAfter(l[2], prefix), c.value, 0.002);
        EXPECT_EQ(l[3], QString());
    }
}

TEST(IntegralOverlay, ShadingCoversExactlyTheBoundsWithinTheSamples)
{
    Range2D range;
    // y = x + 5 on integer samples from -5 to 5: every piece is a trapezoid
    // under a straight line, so the shaded area is the integral itself.
    auto F = [](double x) { return x * x / 2 + 5 * x; };
    struct Case {
        const char* name;
        float from, to;
        double lo, hi; // what is shaded
    } const cases[] = {
        {"inside samples", 0.5f, 2.5f, 0.5, 2.5},
        {"bounds high to low", 2.5f, 0.5f, 0.5, 2.5},
        {"both in one segment", 0.2f, 0.7f, 0.2, 0.7},
        {"bounds on samples", 1, 3, 1, 3},
        {"beyond the samples", -100, 100, -5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Function(QStringLiteral("x+5"), -5, 5, 10);
        g->ShowInt = true;
        g->IntColor = 0x00123456;
        g->IntFrom = c.from;
        g->IntTo = c.to;
        const Planned p = PlanAll(*g);
        double area = 0, minX = 1e9, maxX = -1e9;
        for (const ShadePiece& s : p.shading) {
            EXPECT_EQ(s.color, 0x00123456);
            EXPECT_EQ(s.kind, ShadePiece::Kind::Quad);
            area += AreaOf(s);
            for (const auto& v : s.v) {
                minX = std::min<double>(minX, v[0]);
                maxX = std::max<double>(maxX, v[0]);
                EXPECT_GE(v[1], 0.0f);
            }
        }
        EXPECT_NEAR(area, F(c.hi) - F(c.lo), 1e-4);
        EXPECT_NEAR(minX, c.lo, 1e-5);
        EXPECT_NEAR(maxX, c.hi, 1e-5);
    }
}

TEST(IntegralOverlay, ShadingSkipsWhereTheFunctionHasNoValue)
{
    Range2D range;
    // sqr(x) has no value left of 0, the lower bound -2 among them: neither
    // the start piece nor the strips left of 0 are shaded, and the value is
    // the area right of 0.
    auto g = Function(QStringLiteral("sqr(x)"), -4, 4, 8);
    g->ShowInt = true;
    g->IntFrom = -2;
    g->IntTo = 3;
    const Planned p = PlanAll(*g);
    ASSERT_FALSE(p.shading.empty());
    for (const ShadePiece& s : p.shading)
        for (const auto& v : s.v)
            EXPECT_GE(v[0], 0.0f);
    ASSERT_EQ(p.plan.lines.size(), 4);
    EXPECT_NEAR(NumberAfter(p.plan.lines[2], QStringLiteral("    面积为  ")), 2 * std::sqrt(3.0), 0.002);
}

TEST(IntegralOverlay, PolarSectorStartsAtTheFirstSampledAngle)
{
    Range2D range;
    // Sampled from angle 1: the sector from 1 to 2 must start at sample 0.
    const float minV = 1, maxV = static_cast<float>(1 + 2 * Pi);
    auto g = Function(QStringLiteral("2"), minV, maxV, 100, CoordTypePolar);
    g->ShowInt = true;
    g->IntFrom = 1;
    g->IntTo = 2;
    const Planned p = PlanAll(*g);
    ASSERT_FALSE(p.shading.empty());
    double area = 0;
    for (const ShadePiece& s : p.shading) {
        EXPECT_EQ(s.kind, ShadePiece::Kind::Triangle);
        area += AreaOf(s);
        for (int k = 0; k < 2; ++k) {
            const double angle = std::atan2(s.v[k][1], s.v[k][0]);
            EXPECT_GE(angle, 1 - 1e-5);
            EXPECT_LE(angle, 2 + 2 * Pi / 100 + 1e-5);
        }
    }
    EXPECT_NEAR(std::atan2(p.shading.front().v[0][1], p.shading.front().v[0][0]), 1.0, 1e-5);
    // The sector of 1 radian and radius 2 has area 2; whole sample steps
    // are shaded, so at most one step more.
    EXPECT_GE(area, 2 - 1e-3);
    EXPECT_LE(area, 2 + 4 * Pi / 100 + 1e-3);
    EXPECT_NEAR(NumberAfter(p.plan.lines[2], QStringLiteral("    面积为 ")), 2.0, 0.002);
}

TEST(IntegralOverlay, FunctionThatDoesNotCompileEndsTheGraphAfterTheHeader)
{
    MessageRecorder messages;
    auto g = Function(QStringLiteral("(x"), -1, 1, 2);
    g->ShowInt = true;
    g->IntFrom = 0;
    g->IntTo = 1;
    Curve2DPlan plan;
    plan.curvePass = true;
    plan.lines << QStringLiteral("函数 y=(x") << QStringLiteral("    根: x=0,y=0");
    plan.ops.resize(3);
    std::vector<ShadePiece> shading;
    EXPECT_FALSE(AddIntegral(*g, g->ExpressZ, 1.0f, plan, shading));
    EXPECT_EQ(plan.lines, QStringList{QStringLiteral("函数 y=(x")});
    EXPECT_TRUE(plan.ops.empty());
    EXPECT_TRUE(shading.empty());
    EXPECT_GE(messages.Count(), 1); // the compiler's own message
}

// ---------------------------------------------------------------------------
// Steps, stems and parity

std::vector<std::array<float, 4>> LinesOf(const std::vector<DrawOp>& ops, int32_t color)
{
    std::vector<std::array<float, 4>> out;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.color == color)
            out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

TEST(StepStemOverlay, StepsRiseAtTheLeftSampleAndStemsReachTheAxis)
{
    Range2D range;
    auto g = Function(QStringLiteral("x^2-1"), 0, 2, 2); // samples (0,-1) (1,0) (2,3)
    g->GraphType = GraphTypeStepStem;
    g->ShowStep = true;
    g->StepColor = 0x0000FF;
    g->StepWidth = 2;
    g->ShowStem = true;
    g->StemBodyColor = 0x00FF00;
    g->StemHeadColor = 0xFF0000;
    g->StemHeadSize = 3;
    g->StemHeadSymbol = MarkerSymbolFilledSquare;
    const Planned p = PlanAll(*g);

    using L = std::array<float, 4>;
    EXPECT_EQ(LinesOf(p.plan.ops, 0x0000FF),
              (std::vector<L>{{0, -1, 0, 0}, {0, 0, 1, 0}, {1, 0, 1, 3}, {1, 3, 2, 3}}));
    // Every sample has its stem, the last one too; a negative one hangs down.
    EXPECT_EQ(LinesOf(p.plan.ops, 0x00FF00),
              (std::vector<L>{{0, -1, 0, 0}, {1, 0, 1, 0}, {2, 3, 2, 0}}));
    std::vector<std::array<float, 2>> heads;
    for (const DrawOp& op : p.plan.ops)
        if (op.kind == DrawOp::Kind::Marker) {
            EXPECT_EQ(op.color, 0xFF0000);
            EXPECT_EQ(op.size, 3.0f);
            EXPECT_EQ(op.symbol, MarkerSymbolFilledSquare);
            heads.push_back({op.x1, op.y1});
        }
    EXPECT_EQ(heads, (std::vector<std::array<float, 2>>{{0, -1}, {1, 0}, {2, 3}}));
}

TEST(StepStemOverlay, OnlyAStepStemGraphHasStepsAndStems)
{
    Range2D range;
    auto g = Function(QStringLiteral("x"), 0, 2, 2);
    g->ShowStep = true;
    g->ShowStem = true;
    g->StepColor = g->StemBodyColor = 0x0000FF;
    const Planned p = PlanAll(*g);
    EXPECT_TRUE(LinesOf(p.plan.ops, 0x0000FF).empty());
}

TEST(ParityOverlay, EvenFunctionCoincidesOddIsMirrored)
{
    Range2D range;
    struct Case {
        const char* f;
        double sign; // parity curve y = sign * f(x)
    } const cases[] = {{"x^2", 1}, {"x^3", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        auto g = Function(QString::fromLatin1(c.f), -2, 2, 8);
        g->ShowJO = true;
        g->JOColor = 0x00ABCDEF;
        const Planned p = PlanAll(*g);
        const auto lines = LinesOf(p.plan.ops, 0x00ABCDEF);
        ASSERT_EQ(lines.size(), 8u);
        for (const auto& l : lines) {
            EXPECT_NEAR(l[1], c.sign * std::pow(l[0], c.f[2] - '0'), 1e-5);
            EXPECT_NEAR(l[3], c.sign * std::pow(l[2], c.f[2] - '0'), 1e-5);
        }
    }
}

// ---------------------------------------------------------------------------
// Derivative curve, extremes, arc length

struct Point {
    double x, y;
};

// Extreme lines as points, in order, with the kind ("大" or "小").
std::vector<std::pair<QString, Point>> ExtremesOf(const QStringList& lines)
{
    std::vector<std::pair<QString, Point>> out;
    for (const QString& l : lines) {
        for (const QString& kind : {QStringLiteral("大"), QStringLiteral("小")}) {
            const QString prefix = QStringLiteral("    极") + kind + QStringLiteral("值点: x=");
            if (!l.startsWith(prefix))
                continue;
            const QStringList parts = l.mid(prefix.size()).split(QStringLiteral(",y="));
            EXPECT_EQ(parts.size(), 2) << l.toStdString();
            if (parts.size() == 2)
                out.push_back({kind, {parts[0].toDouble(), parts[1].toDouble()}});
        }
    }
    return out;
}

TEST(ExtremesOverlay, MaximaAndMinimaOfSchoolFunctions)
{
    Range2D range;
    const double r2 = std::sqrt(2.0);
    struct Case {
        const char* f;
        float from, to;
        int32_t steps;
        std::vector<std::pair<QString, Point>> expected;
    } const cases[] = {
        {"x^3-3x", -3, 3, 60, {{"大", {-1, 2}}, {"小", {1, -2}}}},
        {"x^3-6x", -5, 5, 100, {{"大", {-r2, 4 * r2}}, {"小", {r2, -4 * r2}}}},
        {"x^3", -2, 2, 40, {}},                      // a saddle is neither
        {"x^2-2x", -4, 4, 8, {{"小", {1, -1}}}},      // zero on a shared sample: listed once
        {"sin(x)", 0, 7, 70, {{"大", {Pi / 2, 1}}, {"小", {3 * Pi / 2, -1}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        auto g = Function(QString::fromLatin1(c.f), c.from, c.to, c.steps);
        g->ShowMax = g->ShowMin = true;
        g->MaxColor = 0x0000FF;
        g->MinColor = 0x00FF00;
        const Planned p = PlanAll(*g);
        ASSERT_TRUE(p.goesOn);
        const auto found = ExtremesOf(p.plan.lines);
        ASSERT_EQ(found.size(), c.expected.size());
        for (size_t k = 0; k < found.size(); ++k) {
            EXPECT_EQ(found[k].first, c.expected[k].first);
            EXPECT_NEAR(found[k].second.x, c.expected[k].second.x, 1e-3);
            EXPECT_NEAR(found[k].second.y, c.expected[k].second.y, 1e-3);
        }
        EXPECT_EQ(p.plan.lines.back(), QString()); // one empty line after the list
        EXPECT_EQ(p.plan.lines.size(), 1 + static_cast<qsizetype>(c.expected.size()) + 1);
        // One marker per listed extreme, in its colour, where the line says.
        size_t k = 0;
        for (const DrawOp& op : p.plan.ops) {
            if (op.kind != DrawOp::Kind::Marker)
                continue;
            ASSERT_LT(k, found.size());
            EXPECT_EQ(op.color, found[k].first == QStringLiteral("大") ? 0x0000FF : 0x00FF00);
            EXPECT_NEAR(op.x1, found[k].second.x, 1e-5);
            EXPECT_NEAR(op.y1, found[k].second.y, 1e-5);
            ++k;
        }
        EXPECT_EQ(k, found.size());
    }
}

TEST(ExtremesOverlay, OnlyTheKindAskedForIsListed)
{
    Range2D range;
    auto g = Function(QStringLiteral("x^3-3x"), -3, 3, 60);
    g->ShowMin = true;
    const Planned p = PlanAll(*g);
    const auto found = ExtremesOf(p.plan.lines);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].first, QStringLiteral("小"));
}

TEST(ExtremesOverlay, PolarRadiusExtremesAreMarkedOnTheCurve)
{
    Range2D range;
    // r = 2 + cos(a): largest at a = 0 (point (3, 0)), smallest at a = pi
    // (point (-1, 0)).
    auto g = Function(QStringLiteral("2+cos(a)"), -1, 5, 60, CoordTypePolar);
    g->ShowMax = g->ShowMin = true;
    const Planned p = PlanAll(*g);
    const auto found = ExtremesOf(p.plan.lines);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].first, QStringLiteral("大"));
    EXPECT_NEAR(found[0].second.x, 3, 1e-3);
    EXPECT_NEAR(found[0].second.y, 0, 1e-3);
    EXPECT_EQ(found[1].first, QStringLiteral("小"));
    EXPECT_NEAR(found[1].second.x, -1, 1e-3);
    EXPECT_NEAR(found[1].second.y, 0, 1e-3);
}

TEST(DerivativeOverlay, CurveFollowsTheDerivativeRow)
{
    Range2D range;
    auto g = Function(QStringLiteral("x^2"), -2, 2, 8);
    g->ShowDev = true;
    g->DevColor = 0x00445566;
    g->DevWidth = 3;
    const Planned p = PlanAll(*g);
    const auto lines = LinesOf(p.plan.ops, 0x00445566);
    ASSERT_EQ(lines.size(), 8u);
    for (const auto& l : lines) {
        EXPECT_NEAR(l[1], 2 * l[0], 1e-5);
        EXPECT_NEAR(l[3], 2 * l[2], 1e-5);
    }
    EXPECT_EQ(lines.front()[0], -2.0f);
    EXPECT_EQ(lines.back()[2], 2.0f);
    EXPECT_EQ(p.plan.lines.size(), 1); // the header only: no extremes, no length
}

TEST(ArcLengthOverlay, LengthsOfSchoolCurves)
{
    Range2D range;
    struct Case {
        const char* f;
        int32_t coord;
        float from, to;
        double length;
    } const cases[] = {
        {"2x", CoordTypeCartesian2D, 0, 3, 3 * std::sqrt(5.0)}, // a line segment
        {"2x", CoordTypeCartesian2D, 3, 0, 3 * std::sqrt(5.0)}, // not signed
        {"x^2", CoordTypeCartesian2D, 0, 1, 1.4789429},
        {"2", CoordTypePolar, 0, static_cast<float>(Pi), 2 * Pi},   // half circle
        {"a", CoordTypePolar, 0, 1, 1.1477936},                    // spiral
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        auto g = Function(QString::fromLatin1(c.f), -4, 4, 40, c.coord);
        g->ShowLen = true;
        g->LenFrom = c.from;
        g->LenTo = c.to;
        const Planned p = PlanAll(*g);
        ASSERT_EQ(p.plan.lines.size(), 3);
        const QString prefix = QStringLiteral("    曲线的弧长  从 ") + NumberText(c.from) +
                               QStringLiteral(" 到 ") + NumberText(c.to) + QStringLiteral(" is ");
        EXPECT_NEAR(NumberAfter(p.plan.lines[1], prefix), c.length, 0.002);
        EXPECT_EQ(p.plan.lines[2], QString());
    }
}

TEST(DerivativeOverlay, TextThatCannotBeDifferentiatedEndsTheGraph)
{
    MessageRecorder messages;
    // Only the arc length is asked for: no derivative row is read, but the
    // derivative texts are still formed, and their refusal ends the drawing.
    auto g = Function(QStringLiteral("rnd(x)"), -1, 1, 2);
    g->ShowLen = true;
    Curve2DPlan plan;
    plan.curvePass = true;
    plan.lines << QStringLiteral("函数 y=rnd(x)");
    const Texts t = Prepared(*g);
    EXPECT_FALSE(AddAfterPassOverlays(*g, t.x, t.y, t.z, 1.0f, plan));
    EXPECT_EQ(plan.lines, QStringList{QStringLiteral("函数 y=rnd(x)")});
    EXPECT_GE(messages.Count(), 1);
}

TEST(StepStemOverlay, KindWithoutAnalysisRowsStillHasItsExtremes)
{
    Range2D range;
    // Sampling makes no parity or derivative row for a step-and-stem graph:
    // the parity curve is left out, and the extremes come from the
    // derivative text instead of failing the whole graph.
    auto g = Function(QStringLiteral("x^3-3x"), -3, 3, 60);
    g->GraphType = GraphTypeStepStem;
    g->ShowJO = true;
    g->JOColor = 0x00ABCDEF;
    g->ShowMax = g->ShowMin = true;
    const Planned p = PlanAll(*g);
    EXPECT_TRUE(LinesOf(p.plan.ops, 0x00ABCDEF).empty());
    const auto found = ExtremesOf(p.plan.lines);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_NEAR(found[0].second.x, -1, 1e-3);
    EXPECT_NEAR(found[1].second.x, 1, 1e-3);
}

} // namespace
