// Plane figures (line, circle, ellipse, hyperbola, parabola): their exact
// analysis lines, their messages, and what is drawn where, planned without a
// display from graphs sampled the way their dialogs build them.
#include "draw/PlaneFigures.h"
#include "expr/Globals.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "platform/MessageBox.h"

#include "Globals2DGuard.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>

namespace {

std::shared_ptr<Cls9> Figure(int32_t type, int32_t funForm, const QString& x, const QString& y,
                             float from, float to, int32_t steps)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = funForm;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = x;
    g->ExpressZ = y;
    g->MinV = from;
    g->MaxV = to;
    g->StepV = steps;
    return g;
}

QString T(float v) { return NumberText(v); }

// A line over u in [-5, 5], its x(u), y(u) as the line dialog writes them.
std::shared_ptr<Cls9> Line(int32_t form, float p1, float p2, float p3 = 0, float p4 = 0)
{
    QString x = QStringLiteral("u"), y;
    switch (form) {
    case LineFormGeneral:
        if (p2 == 0) {
            x = T(-p3 / p1);
            y = QStringLiteral("u");
        } else {
            y = T(-p1 / p2) + "u-(" + T(p3 / p2) + ")";
        }
        break;
    case LineFormPointSlope:
        y = T(p3) + "u+(" + T(p2 - p3 * p1) + ")";
        break;
    case LineFormSlopeIntercept:
        y = T(p2) + "u+(" + T(p1) + ")";
        break;
    default:
        if (p1 == p3) {
            x = T(p1);
            y = QStringLiteral("u");
        } else {
            const float k = (p4 - p2) / (p3 - p1);
            y = T(k) + "u+(" + T(p2 - k * p1) + ")";
        }
    }
    auto g = Figure(GraphTypeLine, FunFormParametric, x, y, -5, 5, 100);
    g->GLineType = form;
    g->GPara1 = p1;
    g->GPara2 = p2;
    g->GPara3 = p3;
    g->GPara4 = p4;
    g->GLineColor = 0xFF0000;
    g->Glinewidth = 2;
    return g;
}

void WithPoint(Cls9& g, int32_t type, float px, float py)
{
    g.GShowLinePoint = true;
    g.GLinePointType = type;
    g.GLinePointX = px;
    g.GLinePointY = py;
    g.GLinePointColor = 0x0000FF;
    g.GLinePointSize = 2;
}

void WithSecond(Cls9& g, int32_t form, float p5, float p6, float p7 = 0, float p8 = 0)
{
    g.GShowLineLine = true;
    g.GLineLineType = form;
    g.GPara5 = p5;
    g.GPara6 = p6;
    g.GPara7 = p7;
    g.GPara8 = p8;
    g.GLineLineColor = 0x00FF00;
    g.GLineLineWidth = 3;
}

std::shared_ptr<Cls9> Circle(int32_t form, float p1, float p2, float p3)
{
    float a = p1, b = p2, r = p3;
    if (form == CircleFormGeneral) {
        a = -p1 / 2;
        b = -p2 / 2;
        r = std::sqrt(std::max(0.0f, p1 * p1 + p2 * p2 - 4 * p3) / 4);
    }
    auto g = Figure(GraphTypeCircle, FunFormParametric,
                    T(r) + "sin(u)+(" + T(a) + ")", T(r) + "cos(u)+(" + T(b) + ")", 0, 6.2832f,
                    100);
    g->GCircleType = form;
    g->GPara1 = p1;
    g->GPara2 = p2;
    g->GPara3 = p3;
    g->GShowCircle = true;
    g->GCircleColor = 0xFF0000;
    g->GCircleWidth = 1;
    return g;
}

void WithTangent(Cls9& g, int32_t type, float p = 0, float q = 0)
{
    g.GShowCircleTangent = true;
    g.GCircleTangType = type;
    if (type == CircleTangentGivenSlope) {
        g.GCircleTangK = p;
    } else {
        g.GCircleTangPointX = p;
        g.GCircleTangPointY = q;
    }
    g.GCircleTangColor = 0x00FF00;
    g.GCircleTangWidth = 2;
}

void WithDerived(Cls9& g, int32_t type, std::initializer_list<float> data)
{
    g.GShowCircleEqua = true;
    g.GCircleEquaType = type;
    float* slot[] = {&g.GPara5, &g.GPara6, &g.GPara7, &g.GPara8, &g.GPara9, &g.GPara10};
    int i = 0;
    for (float v : data)
        *slot[i++] = v;
    g.GCircleEquaColor = 0x00FFFF;
    g.GCircleEquaWidth = 3;
}

std::shared_ptr<Cls9> Ellipse(float a, float b, float h, float k)
{
    auto g = Figure(GraphTypeEllipse, FunFormParametric, T(a) + "sin(u)+(" + T(h) + ")",
                    T(b) + "cos(u)+(" + T(k) + ")", 0, 6.2832f, 100);
    g->GEllipseType = EllipseFormStandard;
    g->GPara1 = a;
    g->GPara2 = b;
    g->GPara3 = h;
    g->GPara4 = k;
    g->GEllipseColor = 0xFF0000;
    g->GEllipseWidth = 1;
    g->GEllipseCompute = true;
    return g;
}

std::shared_ptr<Cls9> Hyperbola(int32_t form, float a, float b, float c, float d)
{
    const QString sign = form == HyperbolaFormHorizontal ? QStringLiteral("-") : QStringLiteral("+");
    auto g = Figure(GraphTypeHyperbola, FunFormExplicit, QStringLiteral("x"),
                    T(b / a) + "sqr((x-(" + T(c) + "))^2" + sign + T(a * a) + ")+(" + T(d) + ")",
                    c - std::fabs(a) - 2, c + std::fabs(a) + 2, 200);
    g->GHyperType = form;
    g->GPara1 = a;
    g->GPara2 = b;
    g->GPara3 = c;
    g->GPara4 = d;
    g->GHyperColor = 0xFF0000;
    g->GHyperWidth = 1;
    g->GHyperCompute = true;
    return g;
}

std::shared_ptr<Cls9> Parabola(int32_t form, float a, float b, float p)
{
    auto g = form == ParabolaFormHorizontal
                 ? Figure(GraphTypeParabola, FunFormExplicit, QStringLiteral("x"),
                          "sqr(2*(" + T(p) + ")*(x-(" + T(a) + ")))+(" + T(b) + ")", a, a + 4 * p,
                          100)
                 : Figure(GraphTypeParabola, FunFormExplicit, QStringLiteral("x"),
                          "(x-(" + T(a) + "))^2/2/(" + T(p) + ")+(" + T(b) + ")", a - 3, a + 3,
                          100);
    g->GParaType = form;
    g->GPara1 = a;
    g->GPara2 = b;
    g->GPara3 = p;
    g->GParaColor = 0xFF0000;
    g->GParaWidth = 1;
    g->GParaCompute = true;
    return g;
}

struct TextCase {
    TextCase(const char* n, std::function<std::shared_ptr<Cls9>()> m, QStringList l,
             QString msg = QString())
        : name(n), make(std::move(m)), lines(std::move(l)), message(std::move(msg))
    {
    }
    const char* name;
    std::function<std::shared_ptr<Cls9>()> make;
    QStringList lines;
    QString message; // empty: none
};

class PlaneFigures : public ::testing::Test {
protected:
    PlaneFigurePlan Plan(const std::shared_ptr<Cls9>& g)
    {
        EXPECT_TRUE(g->GetPoints());
        m_messages.Clear(); // what sampling said is not the drawing's
        return PlanPlaneFigure(*g, 1.0f);
    }

    void CheckTexts(const std::vector<TextCase>& cases)
    {
        for (const TextCase& c : cases) {
            SCOPED_TRACE(c.name);
            const PlaneFigurePlan plan = Plan(c.make());
            EXPECT_EQ(plan.lines.join('\n').toStdString(), c.lines.join('\n').toStdString());
            EXPECT_EQ(plan.message.value_or(QString()).toStdString(), c.message.toStdString());
            EXPECT_FALSE(plan.lines.join(' ').contains(QLatin1String("nan"), Qt::CaseInsensitive));
            for (const DrawOp& op : plan.ops)
                for (float v : {op.x1, op.y1, op.x2, op.y2})
                    EXPECT_TRUE(std::isfinite(v) && v != UndefinedSample);
        }
    }

    // The same for figures that are not sampled.
    void CheckTextsOf(const std::vector<TextCase>& cases)
    {
        for (const TextCase& c : cases) {
            SCOPED_TRACE(c.name);
            const PlaneFigurePlan plan = PlanPlaneFigure(*c.make(), 1.0f);
            EXPECT_EQ(plan.lines.join('\n').toStdString(), c.lines.join('\n').toStdString());
            EXPECT_EQ(plan.message.value_or(QString()).toStdString(), c.message.toStdString());
        }
    }

    Globals2D m_globals;
    MessageRecorder m_messages;
};

std::vector<DrawOp> OfColor(const PlaneFigurePlan& plan, int32_t color,
                            DrawOp::Kind kind = DrawOp::Kind::Line)
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : plan.ops)
        if (op.color == color && op.kind == kind)
            out.push_back(op);
    return out;
}

void ExpectSegment(const DrawOp& op, float x1, float y1, float x2, float y2)
{
    EXPECT_NEAR(op.x1, x1, 1e-4f);
    EXPECT_NEAR(op.y1, y1, 1e-4f);
    EXPECT_NEAR(op.x2, x2, 1e-4f);
    EXPECT_NEAR(op.y2, y2, 1e-4f);
}

TEST(SignedNumberText, DropsTheLeadingZeroAndSignsWithABlank)
{
    const std::pair<float, const char*> cases[] = {
        {0.5f, " .5"},   {-0.25f, "-.25"},        {0.0f, " 0"},         {-0.0f, " 0"},
        {2.0f, " 2"},    {-6.25f, "-6.25"},       {1.4142136f, " 1.414214"},
        {0.00001f, " .00001"}, {-100000.0f, "-100000"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(SignedNumberText(value).toStdString(), text) << value;
}

TEST_F(PlaneFigures, LineTexts)
{
    const auto with = [](std::shared_ptr<Cls9> g, const std::function<void(Cls9&)>& f) {
        f(*g);
        return g;
    };
    CheckTexts({
        {"general", [] { return Line(LineFormGeneral, 1, -2, 0.5f); }, {"直线：  1x+-2y+ .5=0"}},
        {"point-slope", [] { return Line(LineFormPointSlope, 1, 2, 3); }, {"直线： y- 2= 3(x- 1)"}},
        {"slope-intercept: k first", [] { return Line(LineFormSlopeIntercept, 3, 2); },
         {"直线： y= 2x+ 3"}},
        {"two points", [] { return Line(LineFormTwoPoint, 0, 0, 2, 4); },
         {"直线： (y- 0)/( 4- 0)=(x- 0)/( 2- 0)"}},
        {"perpendicular with its foot",
         [&] { return with(Line(LineFormGeneral, 1, 1, -2), [](Cls9& g) {
                   WithPoint(g, LineThroughPointPerpendicular, 0, 0); }); },
         {"直线：  1x+ 1y+-2=0", "  过点( 0, 0)，求直线的垂线", "    垂线的方程： y= 1x+ 0",
          "    垂足：( 1, 1)", "    垂距： 1.414214"}},
        // The perpendicular to a horizontal line is vertical: x = 3.
        {"perpendicular to y = 2",
         [&] { return with(Line(LineFormSlopeIntercept, 2, 0), [](Cls9& g) {
                   WithPoint(g, LineThroughPointPerpendicular, 3, 5); }); },
         {"直线： y= 0x+ 2", "  过点( 3, 5)，求直线的垂线", "    垂线的方程： x= 3",
          "    垂足：( 3, 2)", "    垂距： 3"}},
        {"perpendicular to a vertical line is horizontal",
         [&] { return with(Line(LineFormTwoPoint, 3, 0, 3, 1), [](Cls9& g) {
                   WithPoint(g, LineThroughPointPerpendicular, 1, 4); }); },
         {"直线： (y- 0)/( 1- 0)=(x- 3)/( 3- 3)", "  过点( 1, 4)，求直线的垂线",
          "    垂线的方程： y= 0x+ 4", "    垂足：( 3, 4)", "    垂距： 2"}},
        {"parallel shares the heading's line",
         [&] { return with(Line(LineFormSlopeIntercept, 0, 2), [](Cls9& g) {
                   WithPoint(g, LineThroughPointParallel, 1, 1); }); },
         {"直线： y= 2x+ 0", "  过点( 1, 1)，求直线的平行线    平行线的方程： y= 2x+-1"}},
        {"parallel to a vertical line is vertical",
         [&] { return with(Line(LineFormGeneral, 1, 0, -3), [](Cls9& g) {
                   WithPoint(g, LineThroughPointParallel, 1, 1); }); },
         {"直线：  1x+ 0y+-3=0", "  过点( 1, 1)，求直线的平行线    平行线的方程： x= 1"}},
        {"no line, no foot",
         // Only a stored document holds such a line: the dialog refuses it.
         [&] { return with(Line(LineFormSlopeIntercept, 5, 0), [](Cls9& g) {
                   g.GLineType = LineFormGeneral;
                   g.GPara1 = g.GPara2 = 0;
                   g.GPara3 = 5;
                   WithPoint(g, LineThroughPointPerpendicular, 1, 1);
                   WithSecond(g, LineFormSlopeIntercept, 0, 1); }); },
         {"直线：  0x+ 0y+ 5=0", "  过点( 1, 1)，求直线的垂线"}, "无法求垂足。"},
        {"half a right angle",
         [&] { return with(Line(LineFormSlopeIntercept, 0, 1), [](Cls9& g) {
                   WithSecond(g, LineFormSlopeIntercept, 0, 0); }); },
         {"直线： y= 1x+ 0", "  与另一直线 y=0x+0的关系", "    夹角： 45", "    交点：( 0,  0)"}},
        {"perpendicular lines meet at a right angle",
         [&] { return with(Line(LineFormSlopeIntercept, 0, 2), [](Cls9& g) {
                   WithSecond(g, LineFormSlopeIntercept, 1, -0.5f); }); },
         {"直线： y= 2x+ 0", "  与另一直线 y=-0.5x+1的关系", "    夹角： 90",
          "    交点：( .4,  .8)"}},
        {"parallel lines",
         [&] { return with(Line(LineFormSlopeIntercept, 0, 1), [](Cls9& g) {
                   WithSecond(g, LineFormPointSlope, 0, 1, 1); }); },
         {"直线： y= 1x+ 0", "  与另一直线 y-1=1(x-0)的关系", "    夹角： 0", "    没有交点"}},
        {"vertical second line",
         [&] { return with(Line(LineFormSlopeIntercept, 0, 1), [](Cls9& g) {
                   WithSecond(g, LineFormGeneral, 1, 0, -2); }); },
         {"直线： y= 1x+ 0", "  与另一直线 1x+0y+-2=0的关系", "    夹角： 45",
          "    交点：( 2,  2)"}},
        {"vertical lines through two points meet a horizontal one",
         [&] { return with(Line(LineFormTwoPoint, 3, 0, 3, 1), [](Cls9& g) {
                   WithSecond(g, LineFormTwoPoint, 0, 1, 2, 1); }); },
         {"直线： (y- 0)/( 1- 0)=(x- 3)/( 3- 3)", "  与另一直线(y-1)/(1-1)=(x-0)/(2-0)的关系",
          "    夹角： 90", "    交点：( 3,  1)"}},
        {"point and second line, in that order",
         [&] { return with(Line(LineFormGeneral, 1, 1, -2), [](Cls9& g) {
                   WithPoint(g, LineThroughPointPerpendicular, 0, 0);
                   WithSecond(g, LineFormTwoPoint, 0, 1, 2, 5); }); },
         {"直线：  1x+ 1y+-2=0", "  过点( 0, 0)，求直线的垂线", "    垂线的方程： y= 1x+ 0",
          "    垂足：( 1, 1)", "    垂距： 1.414214", "  与另一直线(y-1)/(5-1)=(x-0)/(2-0)的关系",
          "    夹角： 71.56505", "    交点：( .3333333,  1.666667)"}},
    });
}

TEST_F(PlaneFigures, LineDrawing)
{
    // y = 2 with the perpendicular through (3, 5): the black segment runs
    // straight down to the foot; the point's marker has the size set.
    auto g = Line(LineFormSlopeIntercept, 2, 0);
    WithPoint(*g, LineThroughPointPerpendicular, 3, 5);
    // A second line through (0, 1) and (2, 5) drawn over the line's x range.
    WithSecond(*g, LineFormTwoPoint, 0, 1, 2, 5);
    PlaneFigurePlan plan = Plan(g);
    EXPECT_EQ(OfColor(plan, 0xFF0000).size(), 100u);
    for (const DrawOp& op : OfColor(plan, 0xFF0000))
        EXPECT_EQ(op.width, 2.0f);
    const auto black = OfColor(plan, 0);
    ASSERT_EQ(black.size(), 1u);
    ExpectSegment(black[0], 3, 5, 3, 2);
    const auto point = OfColor(plan, 0x0000FF, DrawOp::Kind::Marker);
    ASSERT_EQ(point.size(), 1u);
    EXPECT_EQ(point[0].size, 2.0f);
    const auto second = OfColor(plan, 0x00FF00);
    ASSERT_EQ(second.size(), 1u);
    ExpectSegment(second[0], -5, -9, 5, 11);
    const auto crossing = OfColor(plan, 0, DrawOp::Kind::Marker);
    ASSERT_EQ(crossing.size(), 1u);
    EXPECT_NEAR(crossing[0].x1, 0.5f, 1e-5f);
    EXPECT_NEAR(crossing[0].y1, 2.0f, 1e-5f);

    // A vertical second line is drawn at its x, 3 either side of the
    // crossing; the parallel to a vertical line over the line's own span.
    g = Line(LineFormTwoPoint, 3, 0, 3, 1);
    WithPoint(*g, LineThroughPointParallel, 1, 1);
    WithSecond(*g, LineFormSlopeIntercept, 1, 0);
    plan = Plan(g);
    ASSERT_EQ(OfColor(plan, 0).size(), 1u);
    ExpectSegment(OfColor(plan, 0)[0], 1, -5, 1, 5);
    ASSERT_EQ(OfColor(plan, 0x00FF00).size(), 1u);
    ExpectSegment(OfColor(plan, 0x00FF00)[0], -5, 1, 5, 1);

    g = Line(LineFormSlopeIntercept, 0, 1);
    WithSecond(*g, LineFormGeneral, 1, 0, -2);
    plan = Plan(g);
    ASSERT_EQ(OfColor(plan, 0x00FF00).size(), 1u);
    ExpectSegment(OfColor(plan, 0x00FF00)[0], 2, -1, 2, 5);
}

TEST_F(PlaneFigures, CircleTexts)
{
    const auto with = [](std::shared_ptr<Cls9> g, const std::function<void(Cls9&)>& f) {
        f(*g);
        return g;
    };
    const QString head = QStringLiteral("  根据已知条件求圆的切线");
    CheckTexts({
        {"standard", [] { return Circle(CircleFormStandard, 1, 2, 3); },
         {"圆  (x-1)^2+(y-2)^2=3^2"}},
        {"general ends with =0", [] { return Circle(CircleFormGeneral, -2, -4, 1); },
         {"圆  x^2+y^2+-2x+-4y+1=0"}},
        {"parametric", [] { return Circle(CircleFormParametric, 1, 0, 2); },
         {"圆  x=2sin(u)+1, y=2cos(u)+0"}},
        {"slope tangents",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenSlope, 0); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", head, "    已知切线的斜率k= 0",
          "      切线方程为 y= 0x+-1 和 y= 0x+ 1"}},
        {"tangent at (1, 0) is x = 1",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenPoint, 1, 0); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", head, "    已知圆上一点( 1,  0)", "      切线方程为 x= 1"}},
        {"tangent at (0, 1) is horizontal",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenPoint, 0, 1); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", head, "    已知圆上一点( 0,  1)", "      切线方程为 y= 0x+ 1"}},
        {"tangent at (3, 4)",
         [&] { return with(Circle(CircleFormGeneral, 0, 0, -25), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenPoint, 3, 4); }); },
         {"圆  x^2+y^2+0x+0y+-25=0", head, "    已知圆上一点( 3,  4)",
          "      切线方程为 y=-.75x+ 6.25"}},
        {"a point off the circle is refused",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenPoint, 3, 0);
                   WithDerived(g, CircleEquationGivenCenterRadius, {0, 0, 2}); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", head, "    已知圆上一点( 3,  0)"},
         "已知点不在圆上，无法作过该点的切线。"},
        {"general form with no circle",
         [&] { return with(Circle(CircleFormGeneral, 0, 0, 1), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenSlope, 1); }); },
         {"圆  x^2+y^2+0x+0y+1=0", head}, "根据给定的圆方程无法画出圆来。"},
        {"general form of a point",
         [&] { return with(Circle(CircleFormGeneral, -2, 0, 1), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenSlope, 1); }); },
         {"圆  x^2+y^2+-2x+0y+1=0", head}, "根据给定的圆方程画出来的圆是一个点。"},
        {"radius 0", [&] { return with(Circle(CircleFormStandard, 1, 1, 0), [](Cls9& g) {
                   WithTangent(g, CircleTangentGivenPoint, 1, 1); }); },
         {"圆  (x-1)^2+(y-1)^2=0^2", head}, "根据给定的圆方程画出来的圆是一个点。"},
        {"no tangent kind: the heading only",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithTangent(g, 3); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", head}},
        {"circle through three points",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithDerived(g, CircleEquationGivenThreePoints, {0, 0, 2, 0, 0, 2}); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", "      圆的方程为  (x-1)^2+(y-1)^2=1.414214^2"}},
        {"three points on a line",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithDerived(g, CircleEquationGivenThreePoints, {0, 0, 1, 1, 2, 2}); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2"}, "无法根据给定的三个点绘圆，它们可能重合或在同一条直线上。"},
        {"centre and tangent line",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithDerived(g, CircleEquationGivenCenterTangent, {0, 0, 3, 4, -10}); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", "      圆的方程为  (x-0)^2+(y-0)^2=2^2"}},
        {"centre and a tangent that is no line",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithDerived(g, CircleEquationGivenCenterTangent, {0, 0, 0, 0, 5}); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2"}, "请检查数据，你给定的可能不是合法的直线方程。"},
        {"centre and a point",
         [&] { return with(Circle(CircleFormStandard, 0, 0, 1), [](Cls9& g) {
                   WithDerived(g, CircleEquationGivenCenterPoint, {1, 1, 4, 5}); }); },
         {"圆  (x-0)^2+(y-0)^2=1^2", "      圆的方程为  (x-1)^2+(y-1)^2=5^2"}},
    });
}

TEST_F(PlaneFigures, CircleDrawing)
{
    struct Case {
        const char* name;
        int32_t type;
        float p, q;
        std::vector<std::array<float, 4>> segments; // tangent colour, in order
    };
    const Case cases[] = {
        {"slope 0", CircleTangentGivenSlope, 0, 0, {{-1, -1, 1, -1}, {-1, 1, 1, 1}}},
        {"point (1, 0)", CircleTangentGivenPoint, 1, 0, {{1, 0, 0, 0}, {1, -1, 1, 1}}},
        {"point (0, 1)", CircleTangentGivenPoint, 0, 1, {{0, 1, 0, 0}, {1, 1, -1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Circle(CircleFormStandard, 0, 0, 1);
        WithTangent(*g, c.type, c.p, c.q);
        const PlaneFigurePlan plan = Plan(g);
        EXPECT_EQ(OfColor(plan, 0xFF0000).size(), 100u);
        const auto tangents = OfColor(plan, 0x00FF00);
        ASSERT_EQ(tangents.size(), c.segments.size());
        for (size_t i = 0; i < tangents.size(); ++i) {
            const auto& s = c.segments[i];
            ExpectSegment(tangents[i], s[0], s[1], s[2], s[3]);
            EXPECT_EQ(tangents[i].width, 2.0f);
        }
    }

    // The derived circle keeps the colour and width the user chose; its
    // 100 segments lie on the circle and close it.
    auto g = Circle(CircleFormStandard, 0, 0, 1);
    WithDerived(*g, CircleEquationGivenThreePoints, {0, 0, 2, 0, 0, 2});
    const PlaneFigurePlan plan = Plan(g);
    const auto derived = OfColor(plan, 0x00FFFF);
    ASSERT_EQ(derived.size(), 100u);
    for (const DrawOp& op : derived) {
        EXPECT_EQ(op.width, 3.0f);
        EXPECT_NEAR(std::hypot(op.x1 - 1, op.y1 - 1), std::sqrt(2.0f), 1e-4f);
    }
    EXPECT_NEAR(derived.back().x2, derived.front().x1, 1e-3f);
    EXPECT_NEAR(derived.back().y2, derived.front().y1, 1e-3f);
}

TEST_F(PlaneFigures, EllipseTexts)
{
    const QStringList wide = {
        "    顶点坐标：(-5,  0)  ( 5,  0)", "             ( 0, -3)  ( 0,  3)",
        "    焦点坐标：(-4,  0)  ( 4,  0)", "    对称轴：x= 0 和 y= 0",
        "    准线方程：x=-6.25 和 x= 6.25", "    离心率：e= .8"};
    CheckTexts({
        {"a > b", [] { return Ellipse(5, 3, 0, 0); }, wide},
        // -5 sin u traces the same ellipse.
        {"negative a", [] { return Ellipse(-5, 3, 0, 0); }, wide},
        {"a < b", [] { return Ellipse(3, 5, 0, 0); },
         {"    顶点坐标：(-3,  0)  ( 3,  0)", "             ( 0, -5)  ( 0,  5)",
          "    焦点坐标：( 0, -4)  ( 0,  4)", "    对称轴：x= 0 和 y= 0",
          "    准线方程：y=-6.25 和 y= 6.25", "    离心率：e= .8"}},
        {"moved centre", [] { return Ellipse(5, 3, 1, -2); },
         {"    顶点坐标：(-4, -2)  ( 6, -2)", "             ( 1, -5)  ( 1,  1)",
          "    焦点坐标：(-3, -2)  ( 5, -2)", "    对称轴：x= 1 和 y=-2",
          "    准线方程：x=-5.25 和 x= 7.25", "    离心率：e= .8"}},
        // A circle has no directrices and eccentricity 0.
        {"circle-shaped", [] { return Ellipse(2, 2, 0, 0); },
         {"    顶点坐标：(-2,  0)  ( 2,  0)", "             ( 0, -2)  ( 0,  2)",
          "    焦点坐标：( 0,  0)  ( 0,  0)", "    对称轴：x= 0 和 y= 0", "    离心率：e= 0"}},
        {"a = b = 0", [] { return Ellipse(0, 0, 1, 1); },
         {"    顶点坐标：( 1,  1)  ( 1,  1)", "             ( 1,  1)  ( 1,  1)",
          "    焦点坐标：( 1,  1)  ( 1,  1)", "    对称轴：x= 1 和 y= 1", "    离心率：e= 0"}},
        {"no analysis asked",
         [] {
             auto g = Ellipse(5, 3, 0, 0);
             g->GEllipseCompute = false;
             return g;
         },
         {}},
    });
}

TEST_F(PlaneFigures, HyperbolaAndParabolaTexts)
{
    CheckTexts({
        {"horizontal hyperbola", [] { return Hyperbola(HyperbolaFormHorizontal, 2, 1, 0, 0); },
         {"    顶点坐标：(-2,  0)  ( 2,  0)", "    焦点坐标：(-2.236068,  0)  ( 2.236068,  0)",
          "    对称轴：x= 0 和 y= 0", "    准线方程：x=-1.788854 和 x= 1.788854",
          "    离心率：e= 1.118034", "    渐近线方程: y=-.5(x- 0)+ 0 和  y= .5(x- 0)+ 0"}},
        {"negative a", [] { return Hyperbola(HyperbolaFormHorizontal, -2, 1, 0, 0); },
         {"    顶点坐标：(-2,  0)  ( 2,  0)", "    焦点坐标：(-2.236068,  0)  ( 2.236068,  0)",
          "    对称轴：x= 0 和 y= 0", "    准线方程：x=-1.788854 和 x= 1.788854",
          "    离心率：e= 1.118034", "    渐近线方程: y=-.5(x- 0)+ 0 和  y= .5(x- 0)+ 0"}},
        {"vertical hyperbola", [] { return Hyperbola(HyperbolaFormVertical, 2, 1, 1, -1); },
         {"    顶点坐标：( 1, -2)  ( 1,  0)", "    焦点坐标：( 1, -3.236068)  ( 1,  1.236068)",
          "    对称轴：x= 1 和 y=-1", "    准线方程：y=-1.447214 和 y=-.5527864",
          "    离心率：e= 2.236068", "    渐近线方程: y=-.5(x- 1)+-1 和  y= .5(x- 1)+-1"}},
        {"a = 0", [] { return Hyperbola(HyperbolaFormHorizontal, 0, 1, 0, 0); }, {},
         "双曲线的a和b都不能为0。"},
        {"b = 0", [] { return Hyperbola(HyperbolaFormVertical, 2, 0, 0, 0); }, {},
         "双曲线的a和b都不能为0。"},
        {"horizontal parabola", [] { return Parabola(ParabolaFormHorizontal, 0, 0, 1); },
         {"    顶点坐标：( 0,  0)", "    焦点坐标：( .5,  0)", "    对称轴：y= 0",
          "    准线方程：x=-.5", "    离心率：e=1"}},
        {"vertical parabola", [] { return Parabola(ParabolaFormVertical, 0, 0, 1); },
         {"    顶点坐标：( 0,  0)", "    焦点坐标：( 0,  .5)", "    对称轴：x= 0",
          "    准线方程：y=-.5", "    离心率：e=1"}},
        {"no analysis asked",
         [] {
             auto g = Parabola(ParabolaFormVertical, 0, 0, 1);
             g->GParaCompute = false;
             return g;
         },
         {}},
    });
}

// The segments of a figure drawn from one half and its mirror image about
// y = axis: every segment, at its mirror image, is there too.
void ExpectMirrored(const std::vector<DrawOp>& ops, float axis)
{
    for (const DrawOp& op : ops) {
        bool found = false;
        for (const DrawOp& m : ops)
            found = found || (std::fabs(m.x1 - op.x1) < 1e-5f && std::fabs(m.x2 - op.x2) < 1e-5f &&
                              std::fabs(m.y1 - (2 * axis - op.y1)) < 1e-4f &&
                              std::fabs(m.y2 - (2 * axis - op.y2)) < 1e-4f);
        EXPECT_TRUE(found) << op.x1 << "," << op.y1;
    }
}

TEST_F(PlaneFigures, HyperbolaBranchesMeetTheirVerticesAndNeverCrossTheGap)
{
    struct Case {
        const char* name;
        float a, c, d;
    };
    // Centred at the origin; wholly right of x = 0 (the box is wider than
    // the sampled range); with a negative a.
    for (const Case& k : {Case{"centred", 2, 0, 0}, Case{"right of 0", 2, 10, 1},
                          Case{"negative a", -1.5f, -3, 0}}) {
        SCOPED_TRACE(k.name);
        auto g = Hyperbola(HyperbolaFormHorizontal, k.a, 1, k.c, k.d);
        ASSERT_TRUE(g->GetPoints());
        std::vector<float> before;
        for (int32_t i = 0; i <= g->StepV; ++i)
            before.push_back(g->Vert3D(0, i).y);
        const PlaneFigurePlan plan = PlanPlaneFigure(*g, 1.0f);
        const float va = std::fabs(k.a);
        bool left = false, right = false;
        for (const DrawOp& op : plan.ops) {
            EXPECT_FALSE(op.x1 > k.c - va + 1e-4f && op.x1 < k.c + va - 1e-4f) << op.x1;
            EXPECT_FALSE(op.x2 > k.c - va + 1e-4f && op.x2 < k.c + va - 1e-4f) << op.x2;
            EXPECT_EQ((op.x1 < k.c), (op.x2 < k.c));
            for (const auto& [x, y] : {std::pair{op.x1, op.y1}, std::pair{op.x2, op.y2}}) {
                left = left || (x == k.c - va && y == k.d);
                right = right || (x == k.c + va && y == k.d);
            }
        }
        EXPECT_TRUE(left);
        EXPECT_TRUE(right);
        ExpectMirrored(plan.ops, k.d);
        // Drawing changes no sample of the graph.
        for (int32_t i = 0; i <= g->StepV; ++i)
            EXPECT_EQ(g->Vert3D(0, i).y, before[static_cast<size_t>(i)]);
    }

    // The vertical form draws every segment and its mirror image.
    auto g = Hyperbola(HyperbolaFormVertical, 2, 1, 0, 0);
    const PlaneFigurePlan plan = Plan(g);
    EXPECT_EQ(plan.ops.size(), 400u);
    ExpectMirrored(plan.ops, 0);
}

TEST_F(PlaneFigures, ParabolaOpensToTheSideFromItsVertex)
{
    for (float p : {1.0f, -1.0f}) {
        auto g = Parabola(ParabolaFormHorizontal, 1, 2, p);
        const PlaneFigurePlan plan = Plan(g);
        EXPECT_EQ(plan.ops.size(), 200u) << p;
        ExpectMirrored(plan.ops, 2);
        EXPECT_EQ(plan.ops.front().x1, 1.0f);
        EXPECT_EQ(plan.ops.front().y1, 2.0f);
    }
    auto g = Parabola(ParabolaFormVertical, 0, 0, 1);
    const PlaneFigurePlan plan = Plan(g);
    ASSERT_EQ(plan.ops.size(), 100u);
    ExpectSegment(plan.ops.front(), -3, 4.5f, -2.94f, 4.3218f);
}

TEST_F(PlaneFigures, SamplesOutsideThePlotRangeAreNeverJoined)
{
    // Each figure reaches past y = 20, where sampling marks its samples
    // undefined; nothing is drawn there and nothing is joined across.
    const std::function<std::shared_ptr<Cls9>()> figures[] = {
        [] { return Circle(CircleFormStandard, 0, 18, 4); },
        [] { return Ellipse(3, 5, 0, 17); },
        [] { return Line(LineFormSlopeIntercept, 0, 8); },
        [] { return Hyperbola(HyperbolaFormVertical, 0.5f, 16, 0, 0); },
        [] { return Parabola(ParabolaFormVertical, 0, 15, 0.5f); },
    };
    for (const auto& make : figures) {
        auto g = make();
        const PlaneFigurePlan plan = Plan(g);
        int undefinedSamples = 0;
        for (int32_t i = 0; i <= g->StepV; ++i)
            undefinedSamples += g->Vert3D(0, i).y == UndefinedSample;
        EXPECT_GT(undefinedSamples, 0) << g->GraphType;
        EXPECT_FALSE(plan.ops.empty());
        for (const DrawOp& op : plan.ops) {
            if (op.kind != DrawOp::Kind::Line)
                continue;
            for (float y : {op.y1, op.y2}) {
                EXPECT_LE(y, 20.0f) << g->GraphType;
                EXPECT_GE(y, -20.0f) << g->GraphType;
            }
        }
    }
}

// A figure with its parameters only, not sampled: the analysis text does not
// read the samples, and sampling cannot take every value a document holds.
std::shared_ptr<Cls9> Bare(int32_t type, int32_t form, std::initializer_list<float> paras)
{
    auto g = Figure(type, FunFormParametric, QStringLiteral("u"), QStringLiteral("u"), -5, 5, 0);
    float* slot[] = {&g->GPara1, &g->GPara2, &g->GPara3, &g->GPara4, &g->GPara5,
                     &g->GPara6, &g->GPara7, &g->GPara8, &g->GPara9, &g->GPara10};
    int i = 0;
    for (float v : paras)
        *slot[i++] = v;
    g->GLineType = g->GCircleType = g->GEllipseType = g->GHyperType = g->GParaType = form;
    g->GEllipseCompute = g->GHyperCompute = g->GParaCompute = true;
    return g;
}

TEST_F(PlaneFigures, HugeParametersAreWrittenAsNumbers)
{
    CheckTextsOf({
        // a² overflows a float, a²/c does not.
        {"ellipse a = 1e20", [] { return Bare(GraphTypeEllipse, 1, {1e20f, 1}); },
         {"    顶点坐标：(-1E+20,  0)  ( 1E+20,  0)", "             ( 0, -1)  ( 0,  1)",
          "    焦点坐标：(-1E+20,  0)  ( 1E+20,  0)", "    对称轴：x= 0 和 y= 0",
          "    准线方程：x=-1E+20 和 x= 1E+20", "    离心率：e= 1"}},
        {"ellipse b = 1e20", [] { return Bare(GraphTypeEllipse, 1, {1, 1e20f}); },
         {"    顶点坐标：(-1,  0)  ( 1,  0)", "             ( 0, -1E+20)  ( 0,  1E+20)",
          "    焦点坐标：( 0, -1E+20)  ( 0,  1E+20)", "    对称轴：x= 0 和 y= 0",
          "    准线方程：y=-1E+20 和 y= 1E+20", "    离心率：e= 1"}},
        {"vertical hyperbola b = 1e20",
         [] { return Bare(GraphTypeHyperbola, HyperbolaFormVertical, {1, 1e20f}); },
         {"    顶点坐标：( 0, -1E+20)  ( 0,  1E+20)", "    焦点坐标：( 0, -1E+20)  ( 0,  1E+20)",
          "    对称轴：x= 0 和 y= 0", "    准线方程：y=-1E+20 和 y= 1E+20", "    离心率：e= 1",
          "    渐近线方程: y=-1E+20(x- 0)+ 0 和  y= 1E+20(x- 0)+ 0"}},
        // A value with no 32-bit form says so.
        {"horizontal hyperbola b/a = 1e40",
         [] { return Bare(GraphTypeHyperbola, HyperbolaFormHorizontal, {1e-20f, 1e20f}); },
         {"    顶点坐标：(-.00000000000000000001,  0)  ( .00000000000000000001,  0)",
          "    焦点坐标：(-1E+20,  0)  ( 1E+20,  0)", "    对称轴：x= 0 和 y= 0",
          "    准线方程：x= 0 和 x= 0", "    离心率：e=溢出",
          "    渐近线方程: y=溢出(x- 0)+ 0 和  y=溢出(x- 0)+ 0"}},
        {"parabola focus beyond the float range",
         [] { return Bare(GraphTypeParabola, ParabolaFormVertical, {3e38f, 3e38f, 3e38f}); },
         {"    顶点坐标：( 3E+38,  3E+38)", "    焦点坐标：( 3E+38, 溢出)", "    对称轴：x= 3E+38",
          "    准线方程：y= 1.5E+38", "    离心率：e=1"}},
    });
}

// Every line the figures write, a number in each "#": signed or plain
// number text, or "溢出" where a value has no 32-bit form.
QRegularExpression AnalysisLine()
{
    const char* const forms[] = {
        "直线： #x+#y+#=0", "直线： y-#=#(x-#)", "直线： y=#x+#", "直线： (y-#)/(#-#)=(x-#)/(#-#)",
        "  过点(#,#)，求直线的平行线", "  过点(#,#)，求直线的平行线    平行线的方程： y=#x+#",
        "  过点(#,#)，求直线的平行线    平行线的方程： x=#", "  过点(#,#)，求直线的垂线",
        "    垂线的方程： y=#x+#", "    垂线的方程： x=#", "    垂足：(#,#)", "    垂距：#",
        "  与另一直线 #x+#y+#=0的关系", "  与另一直线 y-#=#(x-#)的关系",
        "  与另一直线 y=#x+#的关系", "  与另一直线(y-#)/(#-#)=(x-#)/(#-#)的关系", "    夹角：#",
        "    交点：(#, #)", "    没有交点",
        "圆  (x-#)^2+(y-#)^2=#^2", "圆  x^2+y^2+#x+#y+#=0", "圆  x=#sin(u)+#, y=#cos(u)+#",
        "  根据已知条件求圆的切线", "    已知切线的斜率k=#", "      切线方程为 y=#x+# 和 y=#x+#",
        "    已知圆上一点(#, #)", "      切线方程为 y=#x+#", "      切线方程为 x=#",
        "      圆的方程为  (x-#)^2+(y-#)^2=#^2",
        "    顶点坐标：(#, #)  (#, #)", "             (#, #)  (#, #)", "    焦点坐标：(#, #)  (#, #)",
        "    对称轴：x=# 和 y=#", "    准线方程：x=# 和 x=#", "    准线方程：y=# 和 y=#",
        "    离心率：e=#", "    渐近线方程: y=#(x-#)+# 和  y=#(x-#)+#", "    顶点坐标：(#, #)",
        "    焦点坐标：(#, #)", "    对称轴：x=#", "    对称轴：y=#", "    准线方程：x=#",
        "    准线方程：y=#"};
    const QString number =
        QStringLiteral("(?:[ -]?(?:\\d+(?:\\.\\d+)?|\\.\\d+)(?:E[+-]\\d+)?|溢出)");
    QStringList alternatives;
    for (const char* form : forms)
        alternatives << QRegularExpression::escape(QString::fromUtf8(form))
                            .replace(QStringLiteral("\\#"), number);
    return QRegularExpression("^(?:" + alternatives.join('|') + ")$");
}

TEST_F(PlaneFigures, NoTextLeavesANumberUnwritten)
{
    const QRegularExpression known = AnalysisLine();
    ASSERT_TRUE(known.isValid());
    ASSERT_FALSE(known.match(QStringLiteral("    准线方程：x= 和 x= ")).hasMatch());
    ASSERT_TRUE(known.match(QStringLiteral("    准线方程：x=-1E+20 和 x= .5")).hasMatch());

    // Every figure with every option that writes text.
    std::vector<std::function<void(Cls9&)>> kinds;
    for (int32_t form = 1; form <= 4; ++form)
        for (int32_t point = 0; point <= 2; ++point)
            for (int32_t second = 0; second <= 4; ++second)
                kinds.push_back([=](Cls9& g) {
                    g.GraphType = GraphTypeLine;
                    g.GLineType = form;
                    g.GShowLinePoint = point != 0;
                    g.GLinePointType = point;
                    g.GShowLineLine = second != 0;
                    g.GLineLineType = second;
                });
    for (int32_t form = 1; form <= 3; ++form)
        for (int32_t tangent = 0; tangent <= 2; ++tangent)
            for (int32_t derived = 0; derived <= 4; ++derived)
                kinds.push_back([=](Cls9& g) {
                    g.GraphType = GraphTypeCircle;
                    g.GCircleType = form;
                    g.GShowCircleTangent = tangent != 0;
                    g.GCircleTangType = tangent;
                    g.GShowCircleEqua = derived != 0;
                    g.GCircleEquaType = derived;
                });
    kinds.push_back([](Cls9& g) { g.GraphType = GraphTypeEllipse; });
    for (int32_t form = 1; form <= 2; ++form) {
        kinds.push_back([=](Cls9& g) {
            g.GraphType = GraphTypeHyperbola;
            g.GHyperType = form;
        });
        kinds.push_back([=](Cls9& g) {
            g.GraphType = GraphTypeParabola;
            g.GParaType = form;
        });
    }

    // Parameters from the float range's ends and its middle, in a fixed
    // pseudo-random mix, every one alike, and circles through their point.
    const float values[] = {0.0f, 1.0f, -2.5f, 1e-30f, -1e-30f, 1.4e-45f,
                            1e20f, -1e20f, 3e38f, -3e38f};
    constexpr size_t kValues = std::size(values);
    std::vector<std::array<float, 15>> mixes;
    for (float v : values) {
        mixes.emplace_back();
        mixes.back().fill(v);
    }
    uint32_t seed = 12345;
    for (int i = 0; i < 150; ++i) {
        std::array<float, 15> m{};
        for (float& v : m) {
            seed = seed * 1664525u + 1013904223u;
            v = values[(seed >> 16) % kValues];
        }
        mixes.push_back(m);
    }
    for (float v : values) {
        std::array<float, 15> m{};
        m.fill(v);
        m[0] = v / 2;              // centre (a, b) = (v / 2, v)
        m[2] = std::fabs(v) / 2;   // r
        m[13] = m[0] + m[2];       // the point (a + r, b) of the circle
        m[14] = m[1];
        mixes.push_back(m);
    }

    int failures = 0;
    for (size_t k = 0; k < kinds.size() && failures < 10; ++k) {
        for (const std::array<float, 15>& m : mixes) {
            auto g = Bare(GraphTypeLine, 1, {m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8],
                                             m[9]});
            g->GLinePointX = m[10];
            g->GLinePointY = m[11];
            g->GCircleTangK = m[12];
            g->GCircleTangPointX = m[13];
            g->GCircleTangPointY = m[14];
            kinds[k](*g);
            const PlaneFigurePlan plan = PlanPlaneFigure(*g, 1.0f);
            for (const QString& line : plan.lines) {
                if (known.match(line).hasMatch() && !line.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                    !line.contains(QLatin1String("inf"), Qt::CaseInsensitive))
                    continue;
                ADD_FAILURE() << "kind " << k << ": \"" << line.toStdString() << "\" from "
                              << m[0] << " " << m[1] << " " << m[2] << " " << m[3] << " ...";
                ++failures;
            }
            for (const DrawOp& op : plan.ops)
                for (float v : {op.x1, op.y1, op.x2, op.y2})
                    EXPECT_TRUE(std::isfinite(v));
        }
    }
}

} // namespace
