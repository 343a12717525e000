// The limit graph, the two sequences and the crossings of two curves with
// the area between them: result-pane text and what is drawn where.
#include "draw/CurveIntersection.h"
#include "draw/LimitSequence.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

class PlaneGraphs : public ::testing::Test {
protected:
    PlaneGraphs() : m_saved{g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY}
    {
        g_RangeMinX = g_RangeMinY = -20;
        g_RangeMaxX = g_RangeMaxY = 20;
    }
    ~PlaneGraphs() override
    {
        g_RangeMinX = m_saved[0];
        g_RangeMaxX = m_saved[1];
        g_RangeMinY = m_saved[2];
        g_RangeMaxY = m_saved[3];
    }

    static std::shared_ptr<Cls9> TwoCurves(const QString& f1, const QString& f2, float from,
                                           float to, int32_t steps)
    {
        auto g = std::make_shared<Cls9>();
        g->GraphType = GraphTypeCurveIntersection;
        g->CoordType = CoordTypeCartesian2D;
        g->FunForm = FunFormExplicit;
        g->ExpressX = QStringLiteral("0");
        g->ExpressY = QStringLiteral("x");
        g->ExpressZ = f1;
        g->Exp2 = f2;
        g->MinV = from;
        g->MaxV = to;
        g->StepV = steps;
        g->ShowInter = true;
        g->AreaColor = 0x808080;
        EXPECT_TRUE(g->GetPoints());
        return g;
    }

    MessageRecorder m_messages;

private:
    float m_saved[4];
};

size_t CountOf(const std::vector<DrawOp>& ops, int32_t color, DrawOp::Kind kind)
{
    return static_cast<size_t>(std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.color == color && op.kind == kind;
    }));
}

TEST_F(PlaneGraphs, LimitOfSinXOverXAtZero)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphTypeLimit;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QStringLiteral("sin(x)/x");
    g->LimitX0 = 0;
    g->LimitDir = LimitSideBoth;
    g->MinV = -4;
    g->MaxV = 4;
    g->StepV = 100;
    ASSERT_TRUE(g->GetPoints());
    g->GetBox(0);
    ASSERT_EQ(g->Vert3D(0, 50).y, UndefinedSample); // 0/0 at x0 itself

    struct Case {
        bool line, dots;
        size_t blue, red;
    } const cases[] = {{true, false, 98, 0}, {false, true, 0, 100}, {false, false, 0, 0},
                       {true, true, 98, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.line << c.dots);
        g->LimitShowL = c.line;
        g->LimitShowP = c.dots;
        const OverlayPlan plan = PlanLimit(*g, 2.0f);
        EXPECT_TRUE(plan.lines.isEmpty());
        EXPECT_EQ(CountOf(plan.ops, 0xFF0000, DrawOp::Kind::Line), c.blue);
        EXPECT_EQ(CountOf(plan.ops, 0x0000FF, DrawOp::Kind::Marker), c.red);
        // The green line at x0 spans the graph's own y extent, scaled.
        const DrawOp& green = plan.ops.back();
        EXPECT_EQ(green.color, 0x00FF00);
        EXPECT_EQ(green.x1, 0.0f);
        EXPECT_EQ(green.x2, 0.0f);
        EXPECT_EQ(green.y1, g->BoxMaxY / 2);
        EXPECT_EQ(green.y2, g->BoxMinY / 2);
    }
    // No segment reaches across the gap at 0, and the curve stays under 1.
    g->LimitShowL = true;
    for (const DrawOp& op : PlanLimit(*g, 1.0f).ops) {
        if (op.color != 0xFF0000)
            continue;
        EXPECT_FALSE(op.x1 < 0 && op.x2 > 0);
        EXPECT_LE(std::max(op.y1, op.y2), 1.0f);
    }
}

TEST_F(PlaneGraphs, SequenceTexts)
{
    struct Case {
        const char* name;
        int32_t type;
        float a1, dq;
        int32_t n;
        QString text;
    } const cases[] = {
        {"arithmetic", GraphTypeArithmeticSequence, 1, 2, 5,
         "等差数列 an=1+(n-1)*2\r\n    a1  1\r\n    a2  3\r\n    a3  5\r\n    a4  7\r\n"
         "    a5  9\r\n    前5项的和为  25"},
        {"arithmetic of one term", GraphTypeArithmeticSequence, -1.5f, 4, 1,
         "等差数列 an=-1.5+(n-1)*4\r\n    a1  -1.5\r\n    前1项的和为  -1.5"},
        {"geometric", GraphTypeGeometricSequence, 1, 2, 4,
         "等比数列 an=1*2^(n-1)\r\n    a1  1\r\n    a2  2\r\n    a3  4\r\n    a4  8\r\n"
         "    前4项的和为  15"},
        {"geometric, ratio 1", GraphTypeGeometricSequence, 3, 1, 3,
         "等比数列 an=3*1^(n-1)\r\n    a1  3\r\n    a2  3\r\n    a3  3\r\n    前3项的和为  9"},
        {"geometric, ratio -0.5", GraphTypeGeometricSequence, 8, -0.5f, 3,
         "等比数列 an=8*-0.5^(n-1)\r\n    a1  8\r\n    a2  -4\r\n    a3  2\r\n"
         "    前3项的和为  6"},
        {"no terms", GraphTypeArithmeticSequence, 1, 1, 0,
         "等差数列 an=1+(n-1)*1\r\n    前0项的和为  0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cls9 g;
        g.GraphType = c.type;
        g.GPara1 = c.a1;
        g.GPara2 = c.dq;
        g.EdgeNum = c.n;
        const SequencePlan plan = PlanSequence(g, 1.0f);
        EXPECT_EQ(plan.text, c.text);
        ASSERT_EQ(plan.markers.size(), static_cast<size_t>(std::max(c.n, 0)));
        for (int32_t k = 1; k <= c.n; ++k) {
            const DrawOp& m = plan.markers[static_cast<size_t>(k - 1)];
            EXPECT_EQ(m.x1, static_cast<float>(k));
            EXPECT_EQ(m.color, 0xFF0000);
            EXPECT_EQ(m.size, 2.0f);
            EXPECT_EQ(m.symbol, MarkerSymbolFilledCircle);
        }
    }
}

TEST_F(PlaneGraphs, SequenceCurvesRunThroughTheTerms)
{
    Cls9 g;
    g.GraphType = GraphTypeArithmeticSequence;
    g.GPara1 = 1;
    g.GPara2 = 2;
    g.EdgeNum = 5;
    const SequencePlan arithmetic = PlanSequence(g, 2.0f);
    ASSERT_EQ(arithmetic.curve.size(), 4u);
    EXPECT_FALSE(arithmetic.smooth);
    EXPECT_EQ(arithmetic.curve[0].x1, 0.5f);
    EXPECT_EQ(arithmetic.curve[0].y1, 0.5f);
    EXPECT_EQ(arithmetic.curve[3].x2, 2.5f);
    EXPECT_EQ(arithmetic.curve[3].y2, 4.5f);

    // The geometric curve is a spline through (1, 1) .. (4, 8): it starts and
    // ends at the terms and passes each of them.
    g.GraphType = GraphTypeGeometricSequence;
    g.EdgeNum = 4;
    const SequencePlan geometric = PlanSequence(g, 1.0f);
    EXPECT_TRUE(geometric.smooth);
    ASSERT_GT(geometric.curve.size(), 10u);
    EXPECT_NEAR(geometric.curve.front().x1, 1, 1e-5);
    EXPECT_NEAR(geometric.curve.front().y1, 1, 1e-5);
    EXPECT_NEAR(geometric.curve.back().x2, 4, 1e-5);
    EXPECT_NEAR(geometric.curve.back().y2, 8, 1e-5);
    for (const auto& [x, y] : {std::pair{2.0, 2.0}, std::pair{3.0, 4.0}}) {
        double best = 1e9;
        for (const DrawOp& op : geometric.curve)
            best = std::min(best, std::hypot(op.x1 - x, op.y1 - y));
        EXPECT_LT(best, 1e-4);
    }
    for (const DrawOp& op : geometric.curve)
        EXPECT_EQ(op.color, 0x0000FF);

    // More terms than one spline takes are joined straight.
    g.GPara2 = 1.01f;
    g.EdgeNum = 150;
    const SequencePlan many = PlanSequence(g, 1.0f);
    EXPECT_EQ(many.curve.size(), 149u);
    EXPECT_EQ(m_messages.Count(), 0);
}

TEST_F(PlaneGraphs, ParabolaAndLineEncloseTheirArea)
{
    auto g = TwoCurves(QStringLiteral("x^2"), QStringLiteral("2"), -3, 3, 60);
    g->ShowArea = true;
    const IntersectionPlan plan = PlanCurveIntersection(*g, QStringLiteral("x^2"),
                                                        QStringLiteral("2"), 1.0f);
    ASSERT_FALSE(plan.endsGraph);
    ASSERT_EQ(plan.points.size(), 2u);
    EXPECT_NEAR(plan.points[0].x, -std::sqrt(2.0), 0.01);
    EXPECT_NEAR(plan.points[1].x, std::sqrt(2.0), 0.01);
    EXPECT_FLOAT_EQ(plan.points[0].y, 2.0f);
    ASSERT_EQ(plan.lines.size(), 5);
    EXPECT_EQ(plan.lines[0], QStringLiteral("函数2 y=2"));
    EXPECT_TRUE(plan.lines[1].startsWith(QStringLiteral("    交点: x=-1.41")));
    EXPECT_TRUE(plan.lines[1].endsWith(QStringLiteral(",y=2")));
    EXPECT_TRUE(plan.lines[2].startsWith(QStringLiteral("    交点: x=1.41")));
    EXPECT_TRUE(plan.lines[3].startsWith(QStringLiteral("    相交区域的面积为 ")));
    EXPECT_NEAR(plan.lines[3].section(QLatin1Char(' '), -1).toDouble(), 8 * std::sqrt(2.0) / 3,
                0.01);
    EXPECT_EQ(plan.lines[4], QString());

    // The shading covers the band between the crossings: every corner lies
    // between them and between the two curves.
    ASSERT_FALSE(plan.quads.empty());
    double covered = 0;
    for (const ShadeQuad& q : plan.quads) {
        EXPECT_EQ(q.color, 0x808080);
        for (int k = 0; k < 4; ++k) {
            EXPECT_GE(q.x[k], plan.points[0].x - 1e-4);
            EXPECT_LE(q.x[k], plan.points[1].x + 1e-4);
            EXPECT_GE(q.y[k], q.x[k] * q.x[k] - 0.01);
            EXPECT_LE(q.y[k], 2.0f + 1e-5);
        }
        // Shoelace area of the quadrilateral.
        double a = 0;
        for (int k = 0; k < 4; ++k)
            a += q.x[k] * q.y[(k + 1) % 4] - q.x[(k + 1) % 4] * q.y[k];
        covered += std::fabs(a) / 2;
    }
    EXPECT_NEAR(covered, 8 * std::sqrt(2.0) / 3, 0.02);
}

TEST_F(PlaneGraphs, CrossingsWithoutArea)
{
    struct Case {
        const char *f1, *f2;
        bool area;
        qsizetype lines; // the second function, the crossings, area and empty line
    } const cases[] = {
        {"x", "x+1", true, 1},       // parallel: no crossing, no area line
        {"x", "1-x", true, 2},       // one crossing: no shading, no area line
        {"x^2", "2", false, 3},      // area not asked for
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f2);
        auto g = TwoCurves(c.f1, c.f2, -3, 3, 60);
        g->ShowArea = c.area;
        const IntersectionPlan plan = PlanCurveIntersection(*g, c.f1, c.f2, 1.0f);
        EXPECT_EQ(plan.lines.size(), c.lines);
        EXPECT_EQ(plan.lines[0], QStringLiteral("函数2 y=") + c.f2);
        EXPECT_TRUE(plan.quads.empty());
        EXPECT_FALSE(plan.endsGraph);
    }
    // Neither option: no search at all.
    auto g = TwoCurves(QStringLiteral("x"), QStringLiteral("1-x"), -3, 3, 60);
    g->ShowInter = false;
    EXPECT_TRUE(PlanCurveIntersection(*g, "x", "1-x", 1.0f).lines.isEmpty());
}

TEST_F(PlaneGraphs, AreaOfCurvesCrossingSeveralTimes)
{
    // sin x and 0 over (-pi, pi) cross three times; the area is 4 whichever
    // curve is on top in each piece.
    auto g = TwoCurves(QStringLiteral("sin(x)"), QStringLiteral("0"), -3.5f, 3.5f, 70);
    g->ShowArea = true;
    const IntersectionPlan plan =
        PlanCurveIntersection(*g, QStringLiteral("sin(x)"), QStringLiteral("0"), 1.0f);
    ASSERT_EQ(plan.points.size(), 3u);
    EXPECT_NEAR(plan.lines[4].section(QLatin1Char(' '), -1).toDouble(), 4.0, 0.01);
}

TEST_F(PlaneGraphs, MoreThanFiftyCrossingsKeepTheFirstFiftyAndTheCurves)
{
    auto g = TwoCurves(QStringLiteral("sin(20*x)"), QStringLiteral("0.1"), -10, 10, 800);
    g->ShowArea = true;
    const IntersectionPlan plan =
        PlanCurveIntersection(*g, QStringLiteral("sin(20*x)"), QStringLiteral("0.1"), 1.0f);
    EXPECT_FALSE(plan.endsGraph);
    ASSERT_EQ(plan.points.size(), 50u);
    // The header and the 50 crossings; no area from crossings only partly known.
    ASSERT_EQ(plan.lines.size(), 51);
    EXPECT_EQ(plan.lines[0], QStringLiteral("函数2 y=0.1"));
    EXPECT_TRUE(plan.quads.empty());
    for (const QString& line : plan.lines)
        EXPECT_FALSE(line.contains(QStringLiteral("面积")));
    ASSERT_EQ(m_messages.Count(), 1);
    EXPECT_EQ(m_messages.Messages()[0].text, QStringLiteral("交点数目大于50个。"));
    EXPECT_EQ(m_messages.Messages()[0].title, QStringLiteral("注意"));

    // Merged into the curve's plan: the curve is still drawn.
    Curve2DPlan curve;
    curve.curvePass = true;
    curve.lines << QStringLiteral("函数 y=sin(20*x)") << QStringLiteral("    根: x=0,y=0");
    curve.ops.resize(3);
    MergeIntersection(plan, curve);
    EXPECT_EQ(curve.lines.size(), 2 + 51);
    EXPECT_EQ(curve.ops.size(), 3u);
}

TEST_F(PlaneGraphs, CrossingLinesFollowTheHeader)
{
    IntersectionPlan crossing;
    crossing.lines << QStringLiteral("函数2 y=2") << QStringLiteral("    交点: x=1,y=2");
    Curve2DPlan curve;
    curve.lines << QStringLiteral("函数 y=x+1") << QStringLiteral("    根: x=-1,y=0")
                << QString();
    MergeIntersection(crossing, curve);
    const QStringList expected = {"函数 y=x+1", "函数2 y=2", "    交点: x=1,y=2",
                                  "    根: x=-1,y=0", ""};
    EXPECT_EQ(curve.lines, expected);
}

} // namespace
