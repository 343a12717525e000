// Tests of sampling graphs into their point grids.
#include "sampling_fixture.h"

#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "platform/MessageBox.h"

#include <cmath>
#include <functional>

namespace {

constexpr float U = UndefinedSample;

struct Xyz {
    float x, y, z;
};

// Expected point of sample s; U marks an undefined coordinate.
using Expect = std::function<Xyz(float s)>;

struct CurveCase {
    const char* name;
    int32_t coord, form;
    const char* y;
    const char* z;
    float minV, maxV;
    int32_t steps;
    float rangeY; // plot range in y is -rangeY..rangeY
    Expect expect;
};

float F(double v) { return static_cast<float>(v); }

const CurveCase kCurves[] = {
    {"sin over -3..3 in 60 segments", CoordTypeCartesian2D, FunFormExplicit, "x", "sin(x)", -3,
     3, 60, 20, [](float s) { return Xyz{s, F(std::sin(double(s))), 0}; }},
    {"x^2 clipped in y at +-5 only", CoordTypeCartesian2D, FunFormExplicit, "x", "x^2", -5, 5,
     10, 5,
     [](float s) {
         const float y = s * s;
         return Xyz{s, y > 5 ? U : y, 0};
     }},
    {"sqr outside its domain is undefined", CoordTypeCartesian2D, FunFormExplicit, "x", "sqr(x)",
     -2, 2, 4, 20,
     [](float s) { return Xyz{s, s < 0 ? U : F(std::sqrt(double(s))), 0}; }},
    {"polar r = a", CoordTypePolar, FunFormExplicit, "x", "a", 0, 6, 12, 20,
     [](float s) {
         return Xyz{F(double(s) * std::cos(double(s))), F(double(s) * std::sin(double(s))), 0};
     }},
    // An undefined radius is an undefined sample, not a point near the origin.
    {"polar radius outside its domain", CoordTypePolar, FunFormExplicit, "x", "sqr(a-1)", 0, 2,
     4, 20,
     [](float s) {
         if (s < 1)
             return Xyz{U, U, 0};
         const double r = F(std::sqrt(double(s) - 1.0));
         return Xyz{F(r * std::cos(double(s))), F(r * std::sin(double(s))), 0};
     }},
    {"parametric circle", CoordTypeCartesian2D, FunFormParametric, "2*cos(u)", "2*sin(u)", 0, 6,
     12, 20,
     [](float s) {
         return Xyz{F(2 * double(std::cos(double(s)))), F(2 * double(std::sin(double(s)))), 0};
     }},
    {"parametric polar spiral", CoordTypePolar, FunFormParametric, "u", "u/2", 0, 6, 6, 20,
     [](float s) {
         const double r = F(double(s) / 2);
         return Xyz{F(r * std::cos(double(s))), F(r * std::sin(double(s))), 0};
     }},
    {"descending range", CoordTypeCartesian2D, FunFormExplicit, "x", "2*x", 4, -4, 8, 20,
     [](float s) { return Xyz{s, 2 * s, 0}; }},
};

class CurveSampling : public SamplingTest, public ::testing::WithParamInterface<CurveCase> {};

TEST_P(CurveSampling, RowZeroHoldsClippedSamples)
{
    const CurveCase& c = GetParam();
    g_RangeMinY = -c.rangeY;
    g_RangeMaxY = c.rangeY;
    GraphRef g = Function(c.coord, c.form, c.y, c.z, c.minV, c.maxV, c.steps);
    ASSERT_TRUE(g->GetPoints());
    ASSERT_EQ(g->Vert3D.Upper(1), c.steps);
    const float dv = F((double(c.maxV - c.minV)) / c.steps);
    for (int i = 0; i <= c.steps; ++i) {
        const float s = Step(c.minV, i, dv);
        const Xyz e = c.expect(s);
        const Cls2& p = g->Vert3D(0, i);
        EXPECT_NEAR(p.x, e.x, 2e-6) << "sample " << i;
        EXPECT_NEAR(p.y, e.y, 2e-6) << "sample " << i;
        EXPECT_EQ(p.z, e.z) << "sample " << i;
        // Row 1 of the grid stays fresh.
        EXPECT_EQ(g->Vert3D(1, i).x, 0.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CurveSampling, ::testing::ValuesIn(kCurves),
                         [](const ::testing::TestParamInfo<CurveCase>& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST_F(SamplingTest, SampleParameterIsFormedInDoubleAndRoundedOnce)
{
    // 0.1f is not 0.1: the sample is MinV + i * dv in double, rounded once,
    // so x of sample 30 is exactly float(-3 + 30 * double(0.1f)).
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", -3, 3, 60);
    ASSERT_TRUE(g->GetPoints());
    const float dv = 0.1f;
    for (int i : {1, 7, 30, 59, 60})
        EXPECT_EQ(g->Vert3D(0, i).x, static_cast<float>(-3.0 + i * double(dv))) << i;
}

TEST_F(SamplingTest, CoordinatesAreClippedOneAtATimeBoundsIncluded)
{
    g_RangeMinX = -2;
    g_RangeMaxX = 2;
    g_RangeMinY = -1;
    g_RangeMaxY = 4;
    g_RangeMinZ = 0.5f;
    g_RangeMaxZ = 3;
    // Parametric: x = u, y = u^2, stored z = u + 1.
    auto g = Function(CoordTypeCartesian2D, FunFormParametric, "u", "u^2", -3, 3, 6);
    g->ExpressX = QStringLiteral("u+1");
    ASSERT_TRUE(g->GetPoints());
    const Xyz want[] = {
        {U, U, U},  // u -3: x -3, y 9, z -2 all outside
        {-2, 4, U}, // u -2: bounds included for x and y; z -1 outside
        {-1, 1, U}, // z 0 lies below 0.5
        {0, 0, 1},
        {1, 1, 2},
        {2, 4, 3},
        {U, U, U},
    };
    for (int i = 0; i <= 6; ++i) {
        const Cls2& p = g->Vert3D(0, i);
        const Xyz w = want[i];
        EXPECT_EQ(p.x, w.x) << i;
        EXPECT_EQ(p.y, w.y) << i;
        EXPECT_EQ(p.z, w.z) << i;
    }
}

TEST_F(SamplingTest, ImplicitFormsAreNotSampled)
{
    g_RangeMinY = 1; // would clip a fresh y of 0 if clipping ran
    for (int32_t form : {FunFormImplicit, FunFormInequality}) {
        GraphRef g = Function(CoordTypeCartesian2D, form, "x", "x^2+y^2-4", -3, 3, 6);
        ASSERT_TRUE(g->GetPoints());
        for (int i = 0; i <= 6; ++i) {
            EXPECT_EQ(g->Vert3D(0, i).x, 0.0f);
            EXPECT_EQ(g->Vert3D(0, i).y, 0.0f);
        }
    }
}

TEST_F(SamplingTest, ZeroCountsCountAsOne)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", 1, 3, 0);
    g->StepU = 0;
    g_FrameCount = 0;
    ASSERT_TRUE(g->GetPoints());
    EXPECT_EQ(g->StepV, 1);
    EXPECT_EQ(g->StepU, 1);
    EXPECT_EQ(g_FrameCount, 1);
    EXPECT_EQ(g->Vert3D(0, 0).x, 1.0f);
    EXPECT_EQ(g->Vert3D(0, 1).x, 3.0f);
}

TEST_F(SamplingTest, CurveIntersectionSamplesBothFunctions)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", -2, 2, 4,
                          GraphTypeCurveIntersection);
    g->Exp2 = QStringLiteral("2x^2");
    g_RangeMaxY = 5;
    ASSERT_TRUE(g->GetPoints());
    for (int i = 0; i <= 4; ++i) {
        const float s = float(i - 2);
        EXPECT_EQ(g->Vert3D(0, i).y, s);
        const float y2 = 2 * s * s;
        EXPECT_EQ(g->VertExp2(0, i).x, s);
        EXPECT_EQ(g->VertExp2(0, i).y, y2 > 5 ? U : y2) << i;
    }
}

TEST_F(SamplingTest, FailuresLeaveFreshOrPartialPoints)
{
    struct Case {
        const char* name;
        const char* z;
        const char* exp2;
        int32_t type;
        float minV, maxV;
    } cases[] = {
        {"syntax error", "sin(x", "", GraphType2DFunction, -1, 1},
        {"empty expression", "", "", GraphType2DFunction, -1, 1},
        {"blank expression leaves no value", " ", "", GraphType2DFunction, -1, 1},
        // exp(400) does not fit a float: the evaluator raises and sampling fails.
        {"overflow", "exp(x^2)", "", GraphType2DFunction, -20, 20},
        {"second function of an intersection", "x", "x+", GraphTypeCurveIntersection, -1, 1},
    };
    for (const Case& c : cases) {
        MessageRecorder rec; // the compiler reports syntax errors itself
        GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", c.z, c.minV, c.maxV, 40,
                              c.type);
        g->Exp2 = c.exp2;
        EXPECT_FALSE(g->GetPoints()) << c.name;
        // The grids are whole and readable: no stale samples, no holes.
        ASSERT_TRUE(g->Vert3D.InRange(1, 40)) << c.name;
        EXPECT_EQ(g->Vert3D(0, 40).y, 0.0f) << c.name;
    }
}

TEST_F(SamplingTest, OverflowKeepsSamplesBeforeIt)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "exp(x^2)", 0, 20, 20);
    EXPECT_FALSE(g->GetPoints());
    EXPECT_NEAR(g->Vert3D(0, 1).y, std::exp(1.0f), 1e-5);
    EXPECT_EQ(g->Vert3D(0, 20).y, 0.0f);
    // Sampling again with a sound expression recovers the graph.
    g->ExpressZ = QStringLiteral("x");
    EXPECT_TRUE(g->GetPoints());
    EXPECT_EQ(g->Vert3D(0, 20).y, 20.0f); // on the bound: kept
}

TEST_F(SamplingTest, RangesThatOverflowAreRefused)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", -3e38f, 3e38f, 10);
    EXPECT_FALSE(g->GetPoints());
    GraphRef h = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", 0, 1, -5);
    EXPECT_FALSE(h->GetPoints());
    // Counts too large to hold are refused before anything is allocated.
    GraphRef big = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", 0, 1, 2000000000);
    EXPECT_FALSE(big->GetPoints());
    EXPECT_FALSE(big->Vert3D.IsMade());
    GraphRef frames = Point(CoordTypeCartesian3D, "t", "0", "0", GraphTypePointAnimation);
    g_FrameCount = 2147483647;
    EXPECT_FALSE(frames->GetPoints());
}

TEST_F(SamplingTest, VariablesNotBoundAreZero)
{
    // t in a graph that is not animated, y in y = f(x).
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x+t+y+u+1", 0, 2, 2);
    ASSERT_TRUE(g->GetPoints());
    EXPECT_EQ(g->Vert3D(0, 2).y, 3.0f);
}

// ---- Points ------------------------------------------------------------------

TEST_F(SamplingTest, PointsInEachCoordinateSystem)
{
    struct Case {
        int32_t coord;
        const char *x, *y, *z;
        Xyz want;
    } cases[] = {
        {CoordTypeCartesian2D, "0", "3", "4", {3, 4, 0}},
        {CoordTypeCartesian3D, "1", "2", "3", {2, 3, 1}},
        {CoordTypePolar, "7", "0", "2", {2, 0, 7}},
        {CoordTypePolar, "0", "pi/2", "2", {F(2 * std::cos(double(F(3.1415926 / 2)))), 2, 0}},
        {CoordTypeCylindrical, "0", "1", "5", {0, 5, 1}},
        {CoordTypeSpherical, "0", "0", "2", {0, 2, 0}},
        {CoordTypeSpherical, "pi/2", "pi/2", "3", {3, F(3 * std::cos(double(F(3.1415926 / 2)))), 0}},
        // A point far outside the plot range is not clipped.
        {CoordTypeCartesian3D, "1000", "-1000", "500", {-1000, 500, 1000}},
        // Only the undefined conversion is marked; the height stays.
        {CoordTypeCylindrical, "0", "sqr(-1)", "5", {U, 5, U}},
    };
    for (const Case& c : cases) {
        GraphRef g = Point(c.coord, c.x, c.y, c.z);
        ASSERT_TRUE(g->GetPoints()) << c.coord;
        const Cls2& p = g->Vert3D(0, 0);
        EXPECT_NEAR(p.x, c.want.x, 1e-6) << c.coord << " " << c.x << c.y << c.z;
        EXPECT_NEAR(p.y, c.want.y, 1e-6) << c.coord << " " << c.x << c.y << c.z;
        EXPECT_NEAR(p.z, c.want.z, 1e-6) << c.coord << " " << c.x << c.y << c.z;
    }
}

TEST_F(SamplingTest, AnimatedPointHasOnePointPerFrame)
{
    GraphRef g = Point(CoordTypeCartesian3D, "0", "t", "2", GraphTypePointAnimation);
    g->MinT = 0;
    g->MaxT = 1;
    ASSERT_TRUE(g->GetPoints());
    ASSERT_EQ(g->Anim1D.Upper(0), 10);
    const float dt = F(1.0 / 10);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(g->Anim1D(k).x, Step(0, k, dt)) << k;
        EXPECT_EQ(g->Anim1D(k).y, 2.0f);
    }
}

// ---- Animated curves -------------------------------------------------------------

TEST_F(SamplingTest, AnimatedFunctionHasOneCurvePerFrame)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "sin(x+t)", -3, 3, 60,
                          GraphType2DFunctionAnimation);
    g->Animation = true;
    g->MinT = 0;
    g->MaxT = 2;
    ASSERT_TRUE(g->GetPoints());
    ASSERT_EQ(g->Anim2D.Upper(0), 60);
    ASSERT_EQ(g->Anim2D.Upper(1), 10);
    const float dv = 0.1f;
    const float dt = 0.2f;
    for (int i : {0, 17, 60}) {
        for (int k : {0, 5, 10}) {
            const float s = Step(-3, i, dv);
            const float t = Step(0, k, dt);
            const Cls2& p = g->Anim2D(i, k);
            EXPECT_EQ(p.x, s);
            EXPECT_NEAR(p.y, std::sin(double(F(double(s) + t))), 2e-6) << i << " " << k;
            EXPECT_EQ(p.z, 0.0f);
        }
    }
}

TEST_F(SamplingTest, AnimatedRibbonFillsRowZeroAndClipsEveryForm)
{
    g_RangeMaxY = 1.5f;
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x*t", 0, 2, 2,
                          GraphType25DFunctionAnimation);
    g->Animation = true;
    g->MinT = 0;
    g->MaxT = 1;
    g_FrameCount = 2;
    ASSERT_TRUE(g->GetPoints());
    EXPECT_EQ(g->Anim25D(0, 2, 1).y, 1.0f);  // x 2, t 0.5
    EXPECT_EQ(g->Anim25D(0, 2, 2).y, U);     // 2 above 1.5
    EXPECT_EQ(g->Anim25D(0, 2, 2).x, 2.0f);  // x stays
    EXPECT_EQ(g->Anim25D(1, 2, 2).z, 0.0f);  // row 1 fresh until the box

    // Implicit animated forms stay fresh but are clipped.
    g_RangeMinY = 1;
    GraphRef h = Function(CoordTypeCartesian2D, FunFormImplicit, "x", "x-y", 0, 2, 2,
                          GraphType2DFunctionAnimation);
    h->Animation = true;
    ASSERT_TRUE(h->GetPoints());
    EXPECT_EQ(h->Anim2D(1, 1).x, 0.0f);
    EXPECT_EQ(h->Anim2D(1, 1).y, U);
}

TEST_F(SamplingTest, GridsAreRemadeAtEverySampling)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x", 0, 4, 4);
    g->ShowJO = false;
    g->ShowCurv = true; // reads both derivative grids
    ASSERT_TRUE(g->GetPoints());
    EXPECT_FALSE(g->VertExp2.IsMade());
    g->StepV = 8;
    ASSERT_TRUE(g->GetPoints());
    EXPECT_EQ(g->Vert3D.Upper(1), 8);
    EXPECT_EQ(g->VertDev.Upper(1), 8);
    EXPECT_EQ(g->VertDev2.Upper(1), 8);
}

// A derivative grid is held only while an overlay reads it, and is given up
// when the last such overlay is turned off.
TEST_F(SamplingTest, DerivativeGridsOnlyForOverlaysThatReadThem)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x^2", 0, 4, 4);
    struct Case {
        const char* what;
        bool Cls9::*flag;
        bool first, second;
    } const cases[] = {
        {"none", nullptr, false, false},      {"derivative", &Cls9::ShowDev, true, false},
        {"tangent", &Cls9::ShowQie, true, false}, {"normal", &Cls9::ShowNml, true, false},
        {"maximum", &Cls9::ShowMax, true, false}, {"minimum", &Cls9::ShowMin, true, false},
        {"curvature", &Cls9::ShowCurv, true, true}, {"inflection", &Cls9::ShowGuai, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g->ShowJO = false;
        for (const Case& other : cases)
            if (other.flag)
                (*g).*other.flag = false;
        if (c.flag)
            (*g).*c.flag = true;
        ASSERT_TRUE(g->GetPoints());
        EXPECT_EQ(g->VertDev.IsMade(), c.first);
        EXPECT_EQ(g->VertDev2.IsMade(), c.second);
        if (c.first) {
            EXPECT_NEAR(g->VertDev(0, 2).y, 2 * g->Vert3D(0, 2).x, 1e-5);
        }
    }
}

TEST_F(SamplingTest, ResamplingGivesFreshPointsAndLeavesHeldOnesAlone)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x+1", 0, 4, 4);
    ASSERT_TRUE(g->GetPoints());
    g->Vert3D(1, 3).Size = 9; // a style member nobody samples
    ASSERT_TRUE(g->GetPoints());
    EXPECT_EQ(g->Vert3D(1, 3).Size, Cls2().Size);

    const PointRef held = g->Vert3D.Ref(0, 2);
    ASSERT_EQ(held->y, 3.0f);
    g->ExpressZ = QStringLiteral("x+5");
    ASSERT_TRUE(g->GetPoints());
    EXPECT_EQ(held->y, 3.0f);
    EXPECT_EQ(g->Vert3D(0, 2).y, 7.0f);
    EXPECT_NE(g->Vert3D.Ref(0, 2).get(), held.get());
    // Distinct points in every slot.
    EXPECT_NE(&g->Vert3D(0, 0), &g->Vert3D(0, 1));
}

TEST_F(SamplingTest, AnalysisCurvesFollowTheGraphsOwnSampling)
{
    GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", "x^2", -2, 2, 4);
    g->ShowDev = true;
    ASSERT_TRUE(g->GetPoints());
    for (int i = 0; i <= 4; ++i) {
        const float s = float(i - 2);
        EXPECT_EQ(g->VertDev(0, i).x, s);
        EXPECT_NEAR(g->VertDev(0, i).y, 2 * s, 1e-6);
    }
    // The derivative curve reaches below the curve itself in the box.
    auto box = g->GetBox();
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->MinY, -4, 1e-6);
    EXPECT_EQ(box->MaxY, 4.0f);
}

} // namespace

// y = f(x) is sampled as one row of evaluations; every sample is the value
// the point's own evaluation gives, undefined where that is undefined, and
// an overflow still ends sampling at the point that overflows.
TEST_F(SamplingTest, ExplicitCurveSamplesAreThePointEvaluations)
{
    struct Case {
        const char* f;
        float lo, hi;
        int32_t steps;
        bool ok;
    } const cases[] = {
        {"sin(x)*x^2", -3, 3, 1000, true},
        {"1/x", -1, 1, 20, true},
        {"sqr(x)+log(x+0.5)", -1, 1, 37, true},
        {"x^3*1000", -5, 5, 50, true}, // leaves the plot range: clipped
        {"exp(x*100)", 0, 10, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        GraphRef g = Function(CoordTypeCartesian2D, FunFormExplicit, "x", c.f, c.lo, c.hi, c.steps);
        g->ShowJO = false;
        EXPECT_EQ(g->GetPoints(), c.ok);
        Cls6 eval;
        QString buffer;
        ASSERT_EQ(eval.InfixToPostfix(QString::fromLatin1(c.f), buffer), 0);
        bool failed = false;
        for (int32_t i = 0; i <= c.steps; ++i) {
            const Cls2& p = g->Vert3D(0, i);
            if (failed) { // nothing after the failing point is sampled
                EXPECT_EQ(p.x, 0.0f);
                EXPECT_EQ(p.y, 0.0f);
                continue;
            }
            const float s = p.x;
            float f = 0.0f;
            try {
                ASSERT_TRUE(eval.DoEvaluate(buffer, false, f, 0, 0, s, 0, 0, 0, 0, 0, 0));
            } catch (const ExprError&) {
                failed = true;
                EXPECT_EQ(p.y, 0.0f) << i;
                continue;
            }
            // Samples are clipped to the plot range once all are made.
            const bool inRange = f >= g_RangeMinY && f <= g_RangeMaxY;
            EXPECT_EQ(p.y, inRange || !c.ok ? f : UndefinedSample) << i;
            EXPECT_EQ(p.z, 0.0f);
        }
        EXPECT_EQ(failed, !c.ok);
    }
}
