// Tests of the bounding boxes of graphs and figures.
#include "sampling_fixture.h"

#include "model/Cls8.h"
#include "platform/MessageBox.h"

#include <cmath>
#include <vector>

namespace {

constexpr float U = UndefinedSample;
constexpr float E = 9999999.0f; // bound no step touched

struct Box6 {
    float minX, maxX, minY, maxY, minZ, maxZ;
};

void ExpectBox(const std::shared_ptr<Cls1>& b, const Box6& w, const char* what)
{
    ASSERT_TRUE(b) << what;
    EXPECT_FLOAT_EQ(b->MinX, w.minX) << what;
    EXPECT_FLOAT_EQ(b->MaxX, w.maxX) << what;
    EXPECT_FLOAT_EQ(b->MinY, w.minY) << what;
    EXPECT_FLOAT_EQ(b->MaxY, w.maxY) << what;
    EXPECT_FLOAT_EQ(b->MinZ, w.minZ) << what;
    EXPECT_FLOAT_EQ(b->MaxZ, w.maxZ) << what;
}

class BoxTest : public SamplingTest {
protected:
    // A graph whose row 0 holds exactly these points, as sampling leaves it.
    static GraphRef WithSamples(int32_t type, int32_t form, const std::vector<Cls2>& pts)
    {
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->CoordType = CoordTypeCartesian2D;
        g->FunForm = form;
        g->StepU = 1;
        g->StepV = static_cast<int32_t>(pts.size()) - 1;
        g->Vert3D.Make({1, g->StepV});
        g->VertDev.Make({1, g->StepV});
        g->VertJO.Make({1, g->StepV});
        for (int i = 0; i <= g->StepV; ++i)
            *g->Vert3D.Ref(0, i) = pts[static_cast<size_t>(i)];
        return g;
    }
    static Cls2 P(float x, float y, float z = 0)
    {
        Cls2 p;
        p.x = x;
        p.y = y;
        p.z = z;
        return p;
    }
};

TEST_F(BoxTest, PlaneCurvesIncludeTheOrigin)
{
    auto g = WithSamples(GraphType2DFunction, FunFormExplicit, {P(2, 1), P(5, 3), P(3, 2)});
    ExpectBox(g->GetBox(), {0, 5, 0, 3, 0, 0}, "explicit");
    EXPECT_EQ(g->BoxMaxX, 5.0f);
    EXPECT_EQ(g->BoxMinY, 0.0f);

    auto implicit = WithSamples(GraphType2DFunction, FunFormImplicit, {P(50, 50), P(60, 60)});
    implicit->MinU = -3;
    implicit->MaxU = 4;
    implicit->MinV = 1;
    implicit->MaxV = 2;
    ExpectBox(implicit->GetBox(), {-3, 4, 0, 2, 0, 0}, "implicit");

    auto other = WithSamples(2, FunFormExplicit, {P(1, 1)});
    ExpectBox(other->GetBox(), {E, -E, E, -E, E, -E}, "unknown graph type");
}

TEST_F(BoxTest, UndefinedSamplesDoNotCount)
{
    // y 3..4 with one undefined sample; and x kept where only y is undefined.
    auto g = WithSamples(GraphType2DFunction, FunFormExplicit,
                         {P(-6, 3), P(-5, U), P(2, 4), P(U, U)});
    ExpectBox(g->GetBox(), {-6, 2, 0, 4, 0, 0}, "2D");

    // A 2.5D curve above 1 in y keeps its least y at 1.5, not 0.12345.
    auto r = WithSamples(GraphType25DFunction, FunFormExplicit, {P(1, 1.5f), P(2, U), P(3, 2)});
    ExpectBox(r->GetBox(), {1, 3, 1.5f, 2, 0, 3}, "2.5D");
    // The undefined sample stays undefined in the second row.
    EXPECT_EQ(r->Vert3D(1, 1).y, U);
    EXPECT_EQ(r->Vert3D(1, 1).z, 3.0f);
}

TEST_F(BoxTest, RibbonWritesSecondRow)
{
    auto g = WithSamples(GraphType25DFunction, FunFormExplicit, {P(1, 2, 0), P(1, 5, 1)});
    ExpectBox(g->GetBox(), {1, 1, 2, 5, 0, 4}, "ribbon");
    EXPECT_EQ(g->Vert3D(1, 0).z, 3.0f);
    EXPECT_EQ(g->Vert3D(1, 1).y, 5.0f);
    EXPECT_EQ(g->Vert3D(1, 1).z, 4.0f);
    EXPECT_EQ(g->Vert3D(0, 1).z, 1.0f);

    // The animated ribbon writes the row of the step asked for.
    auto a = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x+t", 0, 1, 1,
                      GraphType25DFunctionAnimation);
    a->Animation = true;
    a->MinT = 0;
    a->MaxT = 10;
    ASSERT_TRUE(a->GetPoints());
    ExpectBox(a->GetBox(3), {0, 1, 3, 4, 0, 3}, "animated ribbon step 3");
    EXPECT_EQ(a->Anim25D(1, 1, 3).z, 3.0f);
    EXPECT_EQ(a->Anim25D(1, 1, 4).z, 0.0f);
}

TEST_F(BoxTest, PolarScansShareOneBox)
{
    for (int32_t form : {FunFormImplicit, FunFormInequality}) {
        auto g = Function(CoordTypePolar, form, "x", "a-r", 0, 1, 1);
        auto h = Function(CoordTypePolar, form, "x", "a-r", 0, 1, 1, GraphType2DFunctionAnimation);
        EXPECT_EQ(g->GetBox().get(), g_PolarScanBox.get());
        EXPECT_EQ(h->GetBox(2).get(), g_PolarScanBox.get());
    }
}

TEST_F(BoxTest, PointsSpanTheOrigin)
{
    struct Case {
        Cls2 p;
        Box6 want;
    } cases[] = {
        {P(0, 0, 0), {-1, 1, -1, 1, -1, 1}},
        {P(2, -3, 0), {0, 2, -3, 0, 0, 0}},
        {P(-1, 2, 5), {-1, 0, 0, 2, 0, 5}},
    };
    for (const Case& c : cases) {
        auto g = WithSamples(GraphTypePoint, 0, {c.p});
        ExpectBox(g->GetBox(), c.want, "point");
    }
    auto a = Point(CoordTypeCartesian3D, "0", "t", "1", GraphTypePointAnimation);
    a->MinT = 0;
    a->MaxT = 10;
    ASSERT_TRUE(a->GetPoints());
    ExpectBox(a->GetBox(4), {0, 4, 0, 1, 0, 0}, "animated point step 4");
    ExpectBox(a->GetBox(), {0, 0, 0, 1, 0, 0}, "animated point step 0");
}

TEST_F(BoxTest, AnalysisCurvesOfTwoDFunctions)
{
    auto inv = WithSamples(GraphType2DFunction, FunFormExplicit, {P(-1, 0), P(4, 9)});
    inv->ShowInverse = true;
    ExpectBox(inv->GetBox(), {-1, 9, -1, 9, 0, 0}, "inverse");

    auto jo = WithSamples(GraphType2DFunction, FunFormExplicit, {P(0, 1), P(1, 4)});
    jo->ShowJO = true;
    jo->VertJO(0, 0) = P(-1, 12, 40);
    jo->VertJO(0, 1) = P(0, U, 0);
    ExpectBox(jo->GetBox(), {-1, 1, 0, 12, 0, 0}, "parity curve");

    auto dev = WithSamples(GraphType2DFunction, FunFormExplicit, {P(0, 1), P(1, 4)});
    dev->ShowDev = true;
    dev->VertDev(0, 0) = P(0, -7);
    ExpectBox(dev->GetBox(), {0, 1, -7, 4, 0, 0}, "derivative");
}

TEST_F(BoxTest, FiguresFromTheirParameters)
{
    struct Case {
        const char* name;
        int32_t type;
        float p[6];
        int32_t extra; // VecOperation or EdgeNum
        Box6 want;
    } cases[] = {
        {"plane vector", GraphTypePlaneVector, {3, 1, -1, 4}, 0, {-1, 3, 1, 4, 0, 0}},
        {"vector sum", GraphTypeVectorOperation, {1, 2, 3, -1}, VecOperationAdd, {0, 4, -1, 2, 0, 0}},
        {"vector difference", GraphTypeVectorOperation, {1, 2, 3, -1}, VecOperationSubtract,
         {-2, 3, -1, 3, 0, 0}},
        {"vector scaled", GraphTypeVectorOperation, {2, -1, 3}, VecOperationScale, {0, 6, -3, 0, 0, 0}},
        {"dot product", GraphTypeVectorOperation, {2, -1, -3, 5}, VecOperationDotProduct,
         {-3, 2, -1, 5, 0, 0}},
        {"unknown vector operation", GraphTypeVectorOperation, {2, 1}, 9, {E, -E, E, -E, E, -E}},
        {"cylinder", GraphTypeCylinder, {0, 0, 0, 2, 5}, 0, {-2, 2, 0, 5, -2, 2}},
        {"prism", GraphTypePrism, {1, 0, 0, 1, 2}, 0, {-1, 1, 0, 2, 0, 2}},
        {"cone frustum", GraphTypeConeFrustum, {1, 2, 3, 1, 3, 4}, 0, {-1, 5, 3, 7, -2, 4}},
        {"pyramid frustum", GraphTypePyramidFrustum, {0, 0, 0, 3, 1, 2}, 0, {-3, 3, 0, 2, -3, 3}},
        {"sphere", GraphTypeSphere, {1, 2, 3, 1}, 0, {1, 3, 2, 4, 0, 2}},
        {"space line", GraphTypeSpaceLine, {1, 2, 3, 4, 0, 5}, 0, {0, 2, 3, 5, 1, 4}},
        {"arithmetic sequence", GraphTypeArithmeticSequence, {5, -2}, 4, {0, 4, -1, 5, 0, 0}},
        {"geometric sequence", GraphTypeGeometricSequence, {1, 2}, 5, {0, 5, 1, 16, 0, 0}},
        {"geometric, negative ratio", GraphTypeGeometricSequence, {1, -2}, 4, {0, 4, -8, 1, 0, 0}},
        {"geometric beyond float range", GraphTypeGeometricSequence, {1, 10}, 60,
         {0, 60, 1, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        auto g = std::make_shared<Cls9>();
        g->GraphType = c.type;
        g->GPara1 = c.p[0];
        g->GPara2 = c.p[1];
        g->GPara3 = c.p[2];
        g->GPara4 = c.p[3];
        g->GPara5 = c.p[4];
        g->GPara6 = c.p[5];
        g->VecOperation = c.extra;
        g->EdgeNum = c.extra;
        ExpectBox(g->GetBox(), c.want, c.name);
    }
}

// ---- Lines, circles and conics: sampled as their dialogs build them ---------

class FigureBoxTest : public BoxTest {
protected:
    // A figure whose curve is the parametric x = xu, y = yu over MinV..MaxV.
    static GraphRef Figure(int32_t type, const char* xu, const char* yu, float minV, float maxV,
                           int32_t steps = 8)
    {
        return Function(CoordTypeCartesian2D, FunFormParametric, xu, yu, minV, maxV, steps, type);
    }
};

TEST_F(FigureBoxTest, LineWithPointAndSecondLine)
{
    struct Case {
        const char* name;
        const char* xu;
        const char* yu;
        float minV, maxV;
        int32_t steps;
        int32_t lineType;
        float line[4]; // GPara1..GPara4
        bool second;   // GShowLineLine: a general-form line GPara5..GPara7
        float other[3];
        Box6 want;
    };
    const Case cases[] = {
        // Line through (0,0) and (2,4), drawn for u from -1 to 3, with the
        // parallel through (1, 0).
        {"parallel through (1, 0)", "u", "2*u", -1, 3, 4, LineFormTwoPoint, {0, 0, 2, 4},
         false, {}, {-1, 3, -4, 6, 0, 0}},
        // y = x with the vertical x = 2: they meet at y = 2.
        {"vertical second line", "u", "u", -1, 1, 2, LineFormSlopeIntercept, {0, 1, 0, 0},
         true, {1, 0, -2}, {-1, 2, -1, 5, 0, 0}},
        // The parallel to the vertical x = 1 through (1, 0) runs over the
        // line's own y range, not along a stand-in slope.
        {"parallel to a vertical line", "1", "u", -1, 2, 3, LineFormGeneral, {1, 0, -1, 0},
         false, {}, {0, 1, -1, 2, 0, 0}},
        // y = x against the vertical x = 1 is drawn over the first line's
        // parameter range, -1 to 1, not at x = 1 alone.
        {"second line against a vertical line", "1", "u", -1, 1, 2, LineFormGeneral,
         {1, 0, -1, 0}, true, {1, -1, 0}, {-1, 1, -1, 1, 0, 0}},
        // Two vertical lines in general form are parallel: y from -3 to 3.
        {"parallel verticals", "1", "u", -1, 1, 2, LineFormGeneral, {1, 0, -1, 0}, true,
         {1, 0, 2}, {-2, 1, -3, 3, 0, 0}},
        // A vertical line by two points against a vertical one in general
        // form: parallel too, not a division by zero.
        {"vertical by two points and general", "1", "u", -1, 1, 2, LineFormTwoPoint,
         {1, 0, 1, 1}, true, {1, 0, 2}, {-2, 1, -3, 3, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Figure(GraphTypeLine, c.xu, c.yu, c.minV, c.maxV, c.steps);
        g->GLineType = c.lineType;
        g->GPara1 = c.line[0];
        g->GPara2 = c.line[1];
        g->GPara3 = c.line[2];
        g->GPara4 = c.line[3];
        if (c.second) {
            g->GShowLineLine = true;
            g->GLineLineType = LineFormGeneral;
            g->GPara5 = c.other[0];
            g->GPara6 = c.other[1];
            g->GPara7 = c.other[2];
        } else {
            g->GShowLinePoint = true;
            g->GLinePointX = 1;
            g->GLinePointY = 0;
            g->GLinePointType = LineThroughPointParallel;
        }
        ASSERT_TRUE(g->GetPoints());
        ExpectBox(g->GetBox(), c.want, c.name);
    }
}

// The circle dialog stores no expressions for a hidden circle; opening,
// pasting or resampling such a graph must not compile the empty text.
TEST_F(FigureBoxTest, HiddenCircleIsNotTraced)
{
    MessageRecorder rec;
    auto hidden = Figure(GraphTypeCircle, "", "", 0, 6.2832f);
    hidden->GShowCircle = false;
    hidden->GShowCircleEqua = true;
    hidden->GCircleEquaType = CircleEquationGivenCenterRadius;
    hidden->GPara5 = 1;
    hidden->GPara6 = 2;
    hidden->GPara7 = 3;
    EXPECT_TRUE(hidden->GetPoints());
    EXPECT_EQ(rec.Count(), 0);
    ExpectBox(hidden->GetBox(), {-2, 4, -1, 5, 0, 0}, "only the derived circle");

    // What is wrong with the figures it does draw is still said.
    hidden->GCircleEquaType = CircleEquationGivenThreePoints;
    hidden->GPara5 = 0;
    hidden->GPara6 = 0;
    hidden->GPara7 = 1;
    hidden->GPara8 = 1;
    hidden->GPara9 = 2;
    hidden->GPara10 = 2;
    EXPECT_TRUE(hidden->GetPoints());
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Messages()[0].text,
              QStringLiteral("无法根据给定的三个点绘圆，它们可能重合或在同一条直线上。"));

    // A shown circle without expressions cannot be traced.
    rec.Clear();
    auto shown = Figure(GraphTypeCircle, "", "", 0, 6.2832f);
    shown->GShowCircle = true;
    EXPECT_FALSE(shown->GetPoints());
}

TEST_F(FigureBoxTest, CircleTangentsAndSecondCircle)
{
    MessageRecorder rec;
    // Circle centre (0,0), radius 2 (x = 2 sin u, y = 2 cos u), curve hidden.
    auto hidden = Figure(GraphTypeCircle, "2*sin(u)", "2*cos(u)", 0, 6.2832f);
    hidden->GCircleType = CircleFormStandard;
    hidden->GPara3 = 2;
    ASSERT_TRUE(hidden->GetPoints());
    ExpectBox(hidden->GetBox(), {0, 0, 0, 0, E, -E}, "hidden circle");

    auto slope = Figure(GraphTypeCircle, "2*sin(u)", "2*cos(u)", 0, 6.2832f);
    slope->GCircleType = CircleFormStandard;
    slope->GPara3 = 2;
    slope->GShowCircleTangent = true;
    slope->GCircleTangType = CircleTangentGivenSlope;
    slope->GCircleTangK = 0;
    ASSERT_TRUE(slope->GetPoints());
    ExpectBox(slope->GetBox(), {-2, 2, -2, 2, 0, 0}, "horizontal tangents");

    auto at = Figure(GraphTypeCircle, "2*sin(u)", "2*cos(u)", 0, 6.2832f);
    at->GCircleType = CircleFormStandard;
    at->GPara3 = 2;
    at->GShowCircleTangent = true;
    at->GCircleTangType = CircleTangentGivenPoint;
    at->GCircleTangPointX = 2;
    at->GCircleTangPointY = 0;
    ASSERT_TRUE(at->GetPoints());
    ExpectBox(at->GetBox(), {0, 2, -2, 2, 0, 0}, "vertical tangent at (2, 0)");

    // Through (-1, 1) the radius has slope -1, so the tangent has slope 1;
    // it reaches the circle's radius 2 to either side of the point.
    auto oblique = Figure(GraphTypeCircle, "2*sin(u)", "2*cos(u)", 0, 6.2832f);
    oblique->GCircleType = CircleFormStandard;
    oblique->GPara3 = 2;
    oblique->GShowCircleTangent = true;
    oblique->GCircleTangType = CircleTangentGivenPoint;
    oblique->GCircleTangPointX = -1;
    oblique->GCircleTangPointY = 1; // radius slope -1, tangent slope 1
    ASSERT_TRUE(oblique->GetPoints());
    auto ob = oblique->GetBox();
    ASSERT_TRUE(ob);
    EXPECT_NEAR(ob->MinX, -1 - std::sqrt(2.0), 1e-5);
    EXPECT_NEAR(ob->MaxX, -1 + std::sqrt(2.0), 1e-5);
    EXPECT_NEAR(ob->MinY, 1 - std::sqrt(2.0), 1e-5);
    EXPECT_NEAR(ob->MaxY, 1 + std::sqrt(2.0), 1e-5);

    auto three = Figure(GraphTypeCircle, "sin(u)", "cos(u)", 0, 6.2832f);
    three->GShowCircleEqua = true;
    three->GCircleEquaType = CircleEquationGivenThreePoints;
    three->GPara5 = 0;
    three->GPara6 = 0;
    three->GPara7 = 2;
    three->GPara8 = 0;
    three->GPara9 = 0;
    three->GPara10 = 2;
    ASSERT_TRUE(three->GetPoints());
    auto tb = three->GetBox();
    ASSERT_TRUE(tb);
    EXPECT_NEAR(tb->MaxX, 1 + std::sqrt(2.0), 1e-5);
    EXPECT_NEAR(tb->MinY, 1 - std::sqrt(2.0), 1e-5);

    // Centre (0, 0) and the tangent 3x + 4y - 10 = 0: radius 2. A tangent
    // line without coefficients gives no circle rather than a NaN box.
    auto tangent = Figure(GraphTypeCircle, "sin(u)", "cos(u)", 0, 6.2832f);
    tangent->GShowCircleEqua = true;
    tangent->GCircleEquaType = CircleEquationGivenCenterTangent;
    tangent->GPara7 = 3;
    tangent->GPara8 = 4;
    tangent->GPara9 = -10;
    ASSERT_TRUE(tangent->GetPoints());
    ExpectBox(tangent->GetBox(), {-2, 2, -2, 2, 0, 0}, "centre and tangent line");
    tangent->GPara7 = 0;
    tangent->GPara8 = 0;
    ExpectBox(tangent->GetBox(), {0, 0, 0, 0, E, -E}, "tangent line without coefficients");
    EXPECT_EQ(rec.Count(), 0);
}

TEST_F(FigureBoxTest, ImpossibleCirclesAreReportedOnceAndKeepTheirBox)
{
    struct Case {
        const char* name;
        int32_t circleType;
        float d, e, f;       // GPara1..3
        int32_t tangType;    // 0: no tangent
        float k;
        bool threePointsOnLine;
        const char* message; // nullptr: none
    } cases[] = {
        {"no real circle", CircleFormGeneral, 2, 4, 10, CircleTangentGivenSlope, 0, false,
         "根据给定的圆方程无法画出圆来。"},
        {"circle is a point", CircleFormGeneral, 2, 4, 5, CircleTangentGivenSlope, 0, false,
         "根据给定的圆方程画出来的圆是一个点。"},
        {"no tangent, no check", CircleFormGeneral, 2, 4, 10, 0, 0, false, nullptr},
        {"three points on a line", CircleFormStandard, 0, 0, 1, 0, 0, true,
         "无法根据给定的三个点绘圆，它们可能重合或在同一条直线上。"},
        {"tangent of a circle of radius 0", CircleFormStandard, 0, 0, 0, CircleTangentGivenPoint,
         0, false, nullptr},
    };
    for (const Case& c : cases) {
        MessageRecorder rec;
        auto g = Figure(GraphTypeCircle, "sin(u)+3", "cos(u)+3", 0, 6.2832f);
        g->GShowCircle = true;
        g->GCircleType = c.circleType;
        g->GPara1 = c.d;
        g->GPara2 = c.e;
        g->GPara3 = c.f;
        g->GShowCircleTangent = c.tangType != 0;
        g->GCircleTangType = c.tangType;
        g->GCircleTangK = c.k;
        g->GCircleTangPointX = 1;
        g->GCircleTangPointY = 1;
        if (c.threePointsOnLine) {
            g->GShowCircleEqua = true;
            g->GCircleEquaType = CircleEquationGivenThreePoints;
            g->GPara5 = 0;
            g->GPara6 = 0;
            g->GPara7 = 1;
            g->GPara8 = 1;
            g->GPara9 = 2;
            g->GPara10 = 2;
        }
        ASSERT_TRUE(g->GetPoints()) << c.name;
        ASSERT_EQ(rec.Count(), c.message ? 1 : 0) << c.name;
        if (c.message) {
            EXPECT_EQ(rec.Messages()[0].text, QString::fromUtf8(c.message));
            EXPECT_EQ(rec.Messages()[0].title, QStringLiteral("提示"));
            EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Critical);
        }
        rec.Clear();

        // Every box computation afterwards is silent and measures the circle.
        for (int i = 0; i < 3; ++i) {
            auto b = g->GetBox();
            ASSERT_TRUE(b) << c.name;
            EXPECT_NEAR(b->MaxX, 4.0, 1e-3) << c.name;
            EXPECT_NEAR(b->MinY, 0.0, 1e-6) << c.name;
        }
        EXPECT_EQ(rec.Count(), 0) << c.name;

        // The scene's box still covers the other graphs.
        Cls8 scene;
        auto other = WithSamples(GraphType2DFunction, FunFormExplicit, {P(-9, -9), P(-8, -8)});
        scene.FunSurfs.Add(other, QStringLiteral("1"));
        scene.FunSurfs.Add(g, QStringLiteral("2"));
        EXPECT_TRUE(scene.GetBox(0)) << c.name;
    }
}

TEST_F(FigureBoxTest, ConicsMirrorTheirLeastY)
{
    // Upper half of a hyperbola about y = 1 reaching y = 6.
    auto h = WithSamples(GraphTypeHyperbola, FunFormExplicit, {P(-3, 6), P(-1, U), P(3, 6)});
    h->GPara4 = 1;
    ExpectBox(h->GetBox(), {-3, 3, -4, 6, 0, 0}, "hyperbola");

    auto p = WithSamples(GraphTypeParabola, FunFormExplicit, {P(1, 2), P(4, 5)});
    p->GParaType = ParabolaFormHorizontal;
    p->GPara2 = 2;
    ExpectBox(p->GetBox(), {0, 4, -1, 5, 0, 0}, "horizontal parabola");
    p->GParaType = ParabolaFormVertical;
    ExpectBox(p->GetBox(), {0, 4, 0, 5, 0, 0}, "vertical parabola");
}

TEST_F(BoxTest, UnsampledGraphsGiveTheStartValues)
{
    // Asked before sampling, or for a step it has not sampled: no samples
    // are read and nothing fails.
    auto g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", 0, 1, 1,
                      GraphType2DFunctionAnimation);
    ExpectBox(g->GetBox(), {0, 0, 0, 0, E, -E}, "never sampled");
    g->Animation = true;
    ASSERT_TRUE(g->GetPoints());
    ExpectBox(g->GetBox(99), {0, 0, 0, 0, E, -E}, "step past the frames");
    auto r = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", 0, 1, 1,
                      GraphType25DFunction);
    ExpectBox(r->GetBox(), {E, -E, E, -E, E, -E}, "ribbon never sampled");
    // A count larger than anything sampled reads only the samples there are.
    r->StepV = 2147483647;
    ExpectBox(r->GetBox(), {E, -E, E, -E, E, -E}, "ribbon with a huge count");
    auto h = WithSamples(GraphType2DFunction, FunFormExplicit, {P(1, 1), P(2, 2)});
    h->StepV = 2147483647;
    ExpectBox(h->GetBox(), {0, 2, 0, 2, 0, 0}, "count raised after sampling");
}

} // namespace
