// Tangents, normals, inflection points and circles of curvature of sampled
// 2D functions: the result-pane lines and where the segments lie.
#include "draw/TangentCurvature.h"
#include "expr/Module1.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <memory>

namespace {

// A plot range wide enough for every curve below, restored afterwards.
class Range2D : public ::testing::Test {
protected:
    Range2D() : m_saved{g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY}
    {
        g_RangeMinX = g_RangeMinY = -1000;
        g_RangeMaxX = g_RangeMaxY = 1000;
    }
    ~Range2D() override
    {
        g_RangeMinX = m_saved[0];
        g_RangeMaxX = m_saved[1];
        g_RangeMinY = m_saved[2];
        g_RangeMaxY = m_saved[3];
    }

    // A sampled graph as the 2D dialog makes it: y = f(x), r = f(a), or
    // x = f1(u), y = f2(u) (resp. a = f1(u), r = f2(u)).
    static std::shared_ptr<Cls9> Graph(int32_t coord, int32_t form, const QString& y,
                                       const QString& z, float from, float to, int32_t steps = 200)
    {
        auto g = std::make_shared<Cls9>();
        g->CoordType = coord;
        g->FunForm = form;
        g->ExpressX = QStringLiteral("0");
        g->ExpressY = y;
        g->ExpressZ = z;
        g->MinV = from;
        g->MaxV = to;
        g->StepV = steps;
        g->Show2DCurve = true;
        return g;
    }
    static std::shared_ptr<Cls9> Explicit(const QString& z, float from = -5, float to = 5)
    {
        return Graph(CoordTypeCartesian2D, FunFormExplicit, QStringLiteral("x"), z, from, to);
    }

    // Samples the graph (the second-derivative row too) and plans the
    // overlays the options ask for.
    static Curve2DPlan Plan(Cls9& g)
    {
        EXPECT_TRUE(g.GetPoints());
        g.GetBox(0);
        Curve2DPlan plan;
        plan.curvePass = true;
        AppendTangentCurvature(g, Module1::InsertImplicitMultiply(g.ExpressY),
                               Module1::InsertImplicitMultiply(g.ExpressZ), 1.0f, plan);
        return plan;
    }

    MessageRecorder m_messages;

private:
    float m_saved[4];
};

// The number after `label` in the first line that has it.
double ValueAfter(const QStringList& lines, const QString& label)
{
    for (const QString& l : lines) {
        const qsizetype at = l.indexOf(label);
        if (at >= 0) {
            bool ok = false;
            const double v = l.mid(at + label.size()).section(QLatin1Char(','), 0, 0).toDouble(&ok);
            if (ok)
                return v;
        }
    }
    ADD_FAILURE() << "no line with " << label.toStdString();
    return NAN;
}

double Length(const DrawOp& op) { return std::hypot(op.x2 - op.x1, op.y2 - op.y1); }

using TangentTest = Range2D;

TEST_F(TangentTest, PositionAndSlopeLines)
{
    struct Case {
        const char* name;
        int32_t coord, form;
        const char *y, *z;
        float at;
        QStringList tangent; // lines of one tangent, then the empty line
        QStringList normal;
    } const cases[] = {
        {"parabola at 1", CoordTypeCartesian2D, FunFormExplicit, "x", "x^2", 1,
         {"    切线位置: x=1, y=1", "      斜率: 2", ""},
         {"    法线位置: x=1, y=1", "      斜率: -0.5", ""}},
        // A horizontal tangent: its slope is replaced by 1E-07 for the normal.
        {"parabola at 0", CoordTypeCartesian2D, FunFormExplicit, "x", "x^2", 0,
         {"    切线位置: x=0, y=0", "      斜率: 0", ""},
         {"    法线位置: x=0, y=0", "      斜率: -1E+07", ""}},
        {"cubic written with implicit product", CoordTypeCartesian2D, FunFormExplicit, "x",
         "2x^3", -1, {"    切线位置: x=-1, y=-2", "      斜率: 6", ""},
         {"    法线位置: x=-1, y=-2", "      斜率: -0.1666667", ""}},
        // Parametric graphs list the slopes only.
        {"parametric", CoordTypeCartesian2D, FunFormParametric, "u^2", "u^3", 1,
         {"      斜率: 1.5", ""}, {"      斜率: -0.6666667", ""}},
        // The unit circle at a = 0 has a vertical tangent and a horizontal normal.
        {"polar circle", CoordTypePolar, FunFormExplicit, "a", "1", 0,
         {"    切线位置: a=0, r=1", "      斜率: ∞", ""},
         {"    法线位置: a=0, r=1", "      斜率: 0", ""}},
        // r = a at a = pi/2: the point (0, pi/2), slope -2/pi.
        {"spiral", CoordTypePolar, FunFormExplicit, "a", "a", 1.5707964f,
         {"    切线位置: a=1.570796, r=1.570796", "      斜率: -0.6366197", ""},
         {"    法线位置: a=1.570796, r=1.570796", "      斜率: 1.570796", ""}},
        // No derivative at 0: the position stays listed, with no slope and no
        // segment.
        {"square root at 0", CoordTypeCartesian2D, FunFormExplicit, "x", "sqr(x)", 0,
         {"    切线位置: x=0, y=0", ""}, {"    法线位置: x=0, y=0", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Graph(c.coord, c.form, c.y, c.z, c.coord == CoordTypePolar ? 0 : -3,
                       c.coord == CoordTypePolar ? 6.2831853f : 3);
        g->ShowQie = true;
        g->QieNum = 1;
        g->QieX[1] = c.at;
        EXPECT_EQ(Plan(*g).lines, c.tangent);
        g->ShowQie = false;
        g->ShowNml = true;
        g->NmlNum = 1;
        g->NmlX[1] = c.at;
        EXPECT_EQ(Plan(*g).lines, c.normal);
    }
}

TEST_F(TangentTest, SegmentsAreCentredOnThePointAlongTheSlope)
{
    auto g = Explicit(QStringLiteral("x^2"));
    g->ShowQie = true;
    g->QieColor = 0x0000FF;
    g->QieWidth = 3;
    g->QieNum = 2;
    g->QieX[1] = 1;
    g->QieX[2] = 0;
    g->ShowNml = true;
    g->NmlColor = 0x00FF00;
    g->NmlNum = 1;
    g->NmlX[1] = 0;
    const Curve2DPlan plan = Plan(*g);
    ASSERT_EQ(plan.ops.size(), 3u);

    const DrawOp& t = plan.ops[0]; // tangent at (1, 1), slope 2
    EXPECT_EQ(t.color, 0x0000FF);
    EXPECT_EQ(t.width, 3.0f);
    EXPECT_NEAR(Length(t), 1.6, 1e-5);
    EXPECT_NEAR((t.x1 + t.x2) / 2, 1.0, 1e-6);
    EXPECT_NEAR((t.y1 + t.y2) / 2, 1.0, 1e-6);
    EXPECT_NEAR((t.y2 - t.y1) / (t.x2 - t.x1), 2.0, 1e-5);

    const DrawOp& flat = plan.ops[1]; // tangent at the vertex: horizontal
    EXPECT_NEAR(flat.y1, 0.0, 1e-7);
    EXPECT_NEAR(flat.y2, 0.0, 1e-7);
    EXPECT_NEAR(flat.x2 - flat.x1, 1.6, 1e-6);

    const DrawOp& n = plan.ops[2]; // normal at the vertex: vertical, 1.0 long
    EXPECT_EQ(n.color, 0x00FF00);
    EXPECT_EQ(n.width, 1.0f); // width 0 is drawn as 1
    EXPECT_NEAR(n.x1, 0.0, 1e-6);
    EXPECT_NEAR(n.x2, 0.0, 1e-6);
    EXPECT_NEAR(std::fabs(n.y2 - n.y1), 1.0, 1e-6);
    EXPECT_NEAR(n.y1 + n.y2, 0.0, 1e-6);
}

TEST_F(TangentTest, SegmentsAreDividedByTheSceneScale)
{
    auto g = Explicit(QStringLiteral("x^2"));
    g->ShowQie = true;
    g->QieNum = 1;
    g->QieX[1] = 1;
    ASSERT_TRUE(g->GetPoints());
    Curve2DPlan plan;
    plan.curvePass = true;
    AppendTangentCurvature(*g, QStringLiteral("x"), QStringLiteral("x^2"), 4.0f, plan);
    ASSERT_EQ(plan.ops.size(), 1u);
    EXPECT_NEAR((plan.ops[0].x1 + plan.ops[0].x2) / 2, 0.25, 1e-6);
    EXPECT_NEAR(Length(plan.ops[0]), 0.4, 1e-6);
}

TEST_F(TangentTest, CountsOutsideZeroToFiftyReadNoFurtherThanEntryFifty)
{
    auto g = Explicit(QStringLiteral("x"));
    g->ShowQie = true;
    for (int32_t count : {0, -3, 60}) {
        SCOPED_TRACE(count);
        g->QieNum = count;
        const Curve2DPlan plan = Plan(*g);
        const int32_t used = count < 0 ? 0 : std::min(count, 50);
        EXPECT_EQ(plan.lines.size(), 2 * used + 1); // position and slope, then ""
        EXPECT_EQ(plan.lines.last(), QString());
        EXPECT_EQ(static_cast<int32_t>(plan.ops.size()), used);
    }
}

TEST_F(TangentTest, NothingWithoutTheOptionsOrForAnAnimatedGraph)
{
    auto g = Explicit(QStringLiteral("x^2"));
    EXPECT_TRUE(Plan(*g).lines.isEmpty());
    g->ShowQie = true;
    g->QieNum = 1;
    g->GraphType = GraphType2DFunctionAnimation;
    Curve2DPlan plan;
    plan.curvePass = true;
    AppendTangentCurvature(*g, QStringLiteral("x"), QStringLiteral("x^2"), 1.0f, plan);
    EXPECT_TRUE(plan.lines.isEmpty());
    EXPECT_TRUE(plan.ops.empty());
}

using CurvatureTest = Range2D;

TEST_F(CurvatureTest, ParabolaAtItsVertex)
{
    auto g = Explicit(QStringLiteral("x^2"));
    g->ShowCurv = true;
    g->CurvColor = 0xFF0000;
    g->CurvNum = 1;
    g->CurvX[1] = 0;
    const Curve2DPlan plan = Plan(*g);
    const QStringList expected = {"    曲率:", "      位置: x=0, y=0", "        曲率: 2",
                                  "        曲率半径: 0.5", "        曲率圆的圆心: x=0, y=0.5"};
    EXPECT_EQ(plan.lines, expected);
    // 40 arcs of the circle, then the radius from the point to the centre.
    ASSERT_EQ(plan.ops.size(), 41u);
    for (size_t k = 0; k < 40; ++k) {
        EXPECT_NEAR(std::hypot(plan.ops[k].x1, plan.ops[k].y1 - 0.5), 0.5, 1e-5);
        EXPECT_EQ(plan.ops[k].color, 0xFF0000);
    }
    const DrawOp& radius = plan.ops[40];
    EXPECT_EQ(radius.x1, 0.0f);
    EXPECT_EQ(radius.y1, 0.0f);
    EXPECT_NEAR(radius.y2, 0.5, 1e-6);
}

TEST_F(CurvatureTest, CurvatureRadiusAndCentreOfSchoolCurves)
{
    struct Case {
        const char* name;
        int32_t coord, form;
        const char *y, *z;
        float from, to, at;
        double kappa, cx, cy;
    } const cases[] = {
        // A circle of radius 2 bends by 1/2 everywhere, about its centre.
        {"parametric circle", CoordTypeCartesian2D, FunFormParametric, "2*cos(u)", "2*sin(u)", 0,
         6.2831853f, 1, 0.5, 0, 0},
        {"polar circle", CoordTypePolar, FunFormExplicit, "a", "2", 0, 6.2831853f, 1, 0.5, 0, 0},
        {"shifted circle", CoordTypeCartesian2D, FunFormParametric, "3+2*cos(u)",
         "-1+2*sin(u)", 0, 6.2831853f, 2.5f, 0.5, 3, -1},
        // y = sin x at pi/2: y'' = -1, y' = 0.
        {"sine crest", CoordTypeCartesian2D, FunFormExplicit, "x", "sin(x)", -4, 4,
         1.5707964f, 1, 1.5707964, 0},
        // y = 1/x at 1: y' = -1, y'' = 2, kappa = 2 / 2^1.5.
        {"hyperbola", CoordTypeCartesian2D, FunFormExplicit, "x", "1/x", 0.5f, 4, 1,
         0.70710678, 2, 2},
        // Cardioid r = 1 + cos a at a = pi/2, the point (0, 1):
        // kappa = |r^2 + 2r'^2 - r r''| / (r^2 + r'^2)^1.5 = 3 / 2^1.5.
        {"cardioid", CoordTypePolar, FunFormExplicit, "a", "1+cos(a)", 0, 6.2831853f,
         1.5707964f, 3 / std::pow(2.0, 1.5), 2.0 / 3, 1.0 / 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Graph(c.coord, c.form, c.y, c.z, c.from, c.to);
        g->ShowCurv = true;
        g->CurvNum = 1;
        g->CurvX[1] = c.at;
        const QStringList lines = Plan(*g).lines;
        ASSERT_EQ(lines.size(), 5);
        EXPECT_NEAR(ValueAfter(lines, "        曲率: "), c.kappa, 2e-5);
        EXPECT_NEAR(ValueAfter(lines, "曲率半径: "), 1 / c.kappa, 1e-4);
        EXPECT_NEAR(ValueAfter(lines, "圆心: x="), c.cx, 1e-4);
        EXPECT_NEAR(lines[4].section(QStringLiteral("y="), 1).toDouble(), c.cy, 1e-4);
    }
}

TEST_F(CurvatureTest, StraightLineAndPositionsWithoutACircle)
{
    // A straight line does not bend: curvature 0 and no circle.
    auto line = Explicit(QStringLiteral("2*x+1"));
    line->ShowCurv = true;
    line->CurvNum = 1;
    line->CurvX[1] = 0;
    const Curve2DPlan linePlan = Plan(*line);
    EXPECT_EQ(linePlan.lines,
              QStringList({"    曲率:", "      位置: x=0, y=1", "        曲率: 0"}));
    EXPECT_TRUE(linePlan.ops.empty());

    // Outside the domain, and at a vertical tangent (x' = 0): no circle.
    auto root = Explicit(QStringLiteral("sqr(x)"), 0, 4);
    root->ShowCurv = true;
    root->CurvNum = 1;
    root->CurvX[1] = -1;
    auto circle = Graph(CoordTypeCartesian2D, FunFormParametric, QStringLiteral("cos(u)"),
                        QStringLiteral("sin(u)"), 0, 6.2831853f);
    circle->ShowCurv = true;
    circle->CurvNum = 1;
    circle->CurvX[1] = 0;
    for (Cls9* g : {root.get(), circle.get()}) {
        const Curve2DPlan plan = Plan(*g);
        EXPECT_EQ(plan.lines, QStringList{"    曲率:"});
        EXPECT_TRUE(plan.ops.empty());
    }
}

TEST_F(CurvatureTest, InflectionPoints)
{
    struct Case {
        const char* name;
        int32_t form;
        const char *y, *z;
        float from, to;
        std::vector<std::pair<double, double>> points;
    } const cases[] = {
        {"x^3-x^2", FunFormExplicit, "x", "x^3-x^2", -3, 3, {{1.0 / 3, -2.0 / 27}}},
        {"sine", FunFormExplicit, "x", "sin(x)", -4, 4, {{-3.14159265, 0}, {0, 0}, {3.14159265, 0}}},
        // f'' = 12x^2 touches zero without changing sign.
        {"x^4", FunFormExplicit, "x", "x^4", -3, 3, {}},
        {"parametric cubic", FunFormParametric, "u", "u^3-3*u", -2, 2.1f, {{0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Graph(CoordTypeCartesian2D, c.form, c.y, c.z, c.from, c.to, 190);
        g->ShowGuai = true;
        g->GuaiColor = 0x00FFFF;
        g->GuaiSize = 4;
        g->GuaiSymbol = MarkerSymbolDiamond;
        const Curve2DPlan plan = Plan(*g);
        ASSERT_EQ(plan.lines.size(), static_cast<qsizetype>(c.points.size() + 1));
        EXPECT_EQ(plan.lines.last(), QString());
        ASSERT_EQ(plan.ops.size(), c.points.size());
        for (size_t k = 0; k < c.points.size(); ++k) {
            const QString& l = plan.lines[static_cast<qsizetype>(k)];
            EXPECT_TRUE(l.startsWith(QStringLiteral("    拐点: x="))) << l.toStdString();
            EXPECT_NEAR(ValueAfter({l}, "x="), c.points[k].first, 2e-3);
            EXPECT_NEAR(l.section(QStringLiteral("y="), 1).toDouble(), c.points[k].second, 2e-3);
            const DrawOp& m = plan.ops[k];
            EXPECT_EQ(m.kind, DrawOp::Kind::Marker);
            EXPECT_EQ(m.color, 0x00FFFF);
            EXPECT_EQ(m.size, 4.0f);
            EXPECT_EQ(m.symbol, MarkerSymbolDiamond);
            EXPECT_NEAR(m.x1, c.points[k].first, 2e-3);
        }
    }
}

TEST_F(CurvatureTest, InflectionOnASampleIsListedOnce)
{
    // Samples at -1, 0 and 1: f'' = 6x is 0 on the middle sample, which both
    // segments share.
    auto g = Explicit(QStringLiteral("x^3"), -1, 1);
    g->StepV = 2;
    g->ShowGuai = true;
    const Curve2DPlan plan = Plan(*g);
    ASSERT_EQ(g->VertDev2(0, 1).y, 0.0f);
    EXPECT_EQ(plan.lines, (QStringList{"    拐点: x=0, y=0", ""}));
    EXPECT_EQ(plan.ops.size(), 1u);
}

TEST_F(CurvatureTest, OrderOfTheAnalysisLines)
{
    auto g = Explicit(QStringLiteral("x^3"), -2, 2.1f);
    g->ShowQie = g->ShowNml = g->ShowGuai = g->ShowCurv = true;
    g->QieNum = g->NmlNum = g->CurvNum = 1;
    g->QieX[1] = g->NmlX[1] = g->CurvX[1] = 1;
    const QStringList lines = Plan(*g).lines;
    ASSERT_EQ(lines.size(), 2 + 1 + 2 + 1 + 1 + 1 + 5);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("    切线位置")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("    法线位置")));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("    拐点: x=0")));
    EXPECT_EQ(lines[8], QStringLiteral("    曲率:"));
}

} // namespace
