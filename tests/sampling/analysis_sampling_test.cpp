// The analysis tail of sampling: derivative curves, parity curve and the
// differential equation, on small grids whose values can be worked by hand.
#include "sampling/AnalysisSampling.h"

#include "expr/Globals.h"
#include "expr/Module1.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

using Pt = std::tuple<float, float, float>;

class AnalysisSampling : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = {g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY, g_RangeMinZ, g_RangeMaxZ};
    }
    void TearDown() override
    {
        g_RangeMinX = saved[0];
        g_RangeMaxX = saved[1];
        g_RangeMinY = saved[2];
        g_RangeMaxY = saved[3];
        g_RangeMinZ = saved[4];
        g_RangeMaxZ = saved[5];
    }

    // A 2D function graph with its grids made as the sampling frame makes
    // them, before the analysis tail runs.
    static void Prepare(Cls9& g, int32_t form, int32_t coord, const char* x, const char* y,
                        const char* z, float minV, float maxV, int32_t stepV)
    {
        g.FunForm = form;
        g.CoordType = coord;
        g.ExpressX = x;
        g.ExpressY = y;
        g.ExpressZ = z;
        g.MinV = minV;
        g.MaxV = maxV;
        g.StepV = stepV;
        MakeGrids(g);
    }

    static void MakeGrids(Cls9& g)
    {
        g.VertDev.Make({g.StepU, g.StepV});
        g.VertDev2.Make({g.StepU, g.StepV});
        if (g.ShowJO)
            g.VertJO.Make({g.StepU, g.StepV});
        if (g.GraphType == GraphTypeDifferentialEquation)
            g.VertODE.Make({g.StepU, g.StepV});
    }

    static bool Run(Cls9& g)
    {
        return g.GetAnalysisPoints(Module1::InsertImplicitMultiply(g.ExpressX),
                                   Module1::InsertImplicitMultiply(g.ExpressY),
                                   Module1::InsertImplicitMultiply(g.ExpressZ));
    }

    static std::vector<Pt> Row(const PointGrid& grid, int32_t row = 0)
    {
        std::vector<Pt> out;
        for (int32_t i = 0; i <= grid.Upper(1); ++i) {
            const Cls2& p = grid(row, i);
            out.emplace_back(p.x, p.y, p.z);
        }
        return out;
    }

    static void ExpectRow(const std::vector<Pt>& actual, const std::vector<Pt>& expected,
                          const char* what)
    {
        ASSERT_EQ(actual.size(), expected.size()) << what;
        for (size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(std::get<0>(actual[i]), std::get<0>(expected[i]), 1e-4) << what << " #" << i;
            EXPECT_NEAR(std::get<1>(actual[i]), std::get<1>(expected[i]), 1e-4) << what << " #" << i;
            EXPECT_NEAR(std::get<2>(actual[i]), std::get<2>(expected[i]), 1e-4) << what << " #" << i;
        }
    }

    std::vector<float> saved;
    MessageRecorder messages;
};

constexpr float U = UndefinedSample;

TEST_F(AnalysisSampling, NoOptionLeavesFreshPoints)
{
    Cls9 g;
    Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "x^2", -2, 2, 4);
    EXPECT_TRUE(Run(g));
    ExpectRow(Row(g.VertDev), std::vector<Pt>(5, Pt{0, 0, 0}), "VertDev");
    ExpectRow(Row(g.VertDev2), std::vector<Pt>(5, Pt{0, 0, 0}), "VertDev2");
}

TEST_F(AnalysisSampling, DerivativeCurvesOfEachForm)
{
    struct Case {
        const char* what;
        int32_t form, coord;
        const char *x, *y, *z;
        float minV, maxV;
        int32_t stepV;
        std::vector<Pt> first, second;
    } cases[] = {
        {"y=x^2", FunFormExplicit, CoordTypeCartesian2D, "0", "x", "x^2", -2, 2, 4,
         {{-2, -4, 0}, {-1, -2, 0}, {0, 0, 0}, {1, 2, 0}, {2, 4, 0}},
         {{-2, 2, 0}, {-1, 2, 0}, {0, 2, 0}, {1, 2, 0}, {2, 2, 0}}},
        // A negative exponent is a power like any other.
        {"y=x^-2", FunFormExplicit, CoordTypeCartesian2D, "0", "x", "x^-2", 1, 2, 1,
         {{1, -2, 0}, {2, -0.25f, 0}},
         {{1, 6, 0}, {2, 0.375f, 0}}},
        {"y=X^3", FunFormExplicit, CoordTypeCartesian2D, "0", "x", "X^3", -1, 1, 2,
         {{-1, 3, 0}, {0, 0, 0}, {1, 3, 0}},
         {{-1, -6, 0}, {0, 0, 0}, {1, 6, 0}}},
        // The derivative text of the bare parameter stays u: points (u, y').
        {"x=u,y=u^2", FunFormParametric, CoordTypeCartesian2D, "0", "u", "u^2", 0, 2, 2,
         {{0, 0, 0}, {1, 2, 0}, {2, 4, 0}},
         {{0, 2, 0}, {1, 2, 0}, {2, 2, 0}}},
        {"x=2u,y=u^2", FunFormParametric, CoordTypeCartesian2D, "0", "2u", "u^2", 0, 2, 2,
         {{2, 0, 0}, {2, 2, 0}, {2, 4, 0}},
         {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}}},
        {"r=a", FunFormExplicit, CoordTypePolar, "0", "a", "a", 0, 3.1415927f, 2,
         {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}},
         {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
        // Angle from the y-text, radius from the z-text.
        {"a=u,r=2u", FunFormParametric, CoordTypePolar, "0", "u", "2u", 0, 3.1415927f, 2,
         {{2, 0, 0}, {0, 2, 0}, {-2, 0, 0}},
         {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    };
    for (Case& c : cases) {
        Cls9 g;
        g.ShowDev = true;
        g.ShowGuai = true;
        Prepare(g, c.form, c.coord, c.x, c.y, c.z, c.minV, c.maxV, c.stepV);
        EXPECT_TRUE(Run(g)) << c.what;
        ExpectRow(Row(g.VertDev), c.first, c.what);
        ExpectRow(Row(g.VertDev2), c.second, c.what);
    }
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(AnalysisSampling, EveryOptionThatNeedsTheSlopeMakesTheFirstCurve)
{
    bool Cls9::*options[] = {&Cls9::ShowDev, &Cls9::ShowQie, &Cls9::ShowNml, &Cls9::ShowMax,
                             &Cls9::ShowMin, &Cls9::ShowCurv, &Cls9::ShowGuai};
    for (bool Cls9::*option : options) {
        Cls9 g;
        g.*option = true;
        Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "3x", 0, 1, 1);
        ASSERT_TRUE(Run(g));
        EXPECT_FLOAT_EQ(g.VertDev(0, 1).y, 3);
        const bool second = option == &Cls9::ShowCurv || option == &Cls9::ShowGuai;
        EXPECT_FLOAT_EQ(g.VertDev2(0, 1).x, second ? 1 : 0);
    }
}

TEST_F(AnalysisSampling, ClipsEachCoordinateOnItsOwn)
{
    Cls9 g;
    g.ShowDev = true;
    Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "x^3", -3, 3, 6);
    ASSERT_TRUE(Run(g));
    ExpectRow(Row(g.VertDev),
              {{-3, U, 0}, {-2, 12, 0}, {-1, 3, 0}, {0, 0, 0}, {1, 3, 0}, {2, 12, 0}, {3, U, 0}},
              "y'=3x^2");
}

TEST_F(AnalysisSampling, OtherKindsMakeTextsButSampleNothing)
{
    // An implicit curve: nothing evaluated, but the fresh points are still
    // clipped, so a range that excludes 0 marks that coordinate.
    g_RangeMinY = 1;
    Cls9 g;
    g.ShowDev = true;
    Prepare(g, FunFormImplicit, CoordTypeCartesian2D, "0", "x", "x^2+y^2-1", -1, 1, 2);
    EXPECT_TRUE(Run(g));
    ExpectRow(Row(g.VertDev), std::vector<Pt>(3, Pt{0, U, 0}), "implicit");

    Cls9 h;
    h.GraphType = GraphTypeCurveIntersection;
    h.ShowDev = true;
    Prepare(h, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "x^2", -1, 1, 2);
    EXPECT_TRUE(Run(h));
    ExpectRow(Row(h.VertDev), std::vector<Pt>(3, Pt{0, 0, 0}), "intersection");
}

TEST_F(AnalysisSampling, ParityCurveSamplesTheMirroredRange)
{
    for (const char* z : {"x^3", "X^3"}) {
        Cls9 g;
        g.ShowJO = true;
        Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", z, 0, 2, 2);
        ASSERT_TRUE(Run(g)) << z;
        ExpectRow(Row(g.VertJO), {{-2, 8, 0}, {-1, 1, 0}, {0, 0, 0}}, z);
    }
    // Polar: r(-s) at angle s, the graph reflected in the horizontal axis.
    Cls9 p;
    p.ShowJO = true;
    Prepare(p, FunFormExplicit, CoordTypePolar, "0", "a", "1+a", 0, 3.1415927f, 1);
    ASSERT_TRUE(Run(p));
    ExpectRow(Row(p.VertJO), {{-(1 + 3.1415927f), 0, 0}, {1, 0, 0}}, "r=1+a");
}

TEST_F(AnalysisSampling, RefusedDerivativeFailsVisibly)
{
    for (const char* z : {"abs(x)", "+x"}) {
        MessageRecorder rec;
        Cls9 g;
        g.ShowDev = true;
        Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", z, -1, 1, 2);
        EXPECT_FALSE(Run(g)) << z;
        ASSERT_EQ(rec.Count(), 1) << z;
        EXPECT_EQ(rec.Messages()[0].title, "出错");
    }
    // A parametric x-text is refused the same way.
    MessageRecorder rec;
    Cls9 g;
    g.ShowGuai = true;
    Prepare(g, FunFormParametric, CoordTypeCartesian2D, "0", "int(u)", "u", 0, 1, 1);
    EXPECT_FALSE(Run(g));
    EXPECT_EQ(rec.Count(), 1);
}

TEST_F(AnalysisSampling, DifferentialEquationFromOneStartPoint)
{
    Cls9 g;
    g.GraphType = GraphTypeDifferentialEquation;
    g.ODEInitial = true;
    g.MinU = 0;
    g.MaxU = 1;
    g.StepU = 2;
    Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "x", 0, 1, 1);
    ASSERT_TRUE(Run(g));
    EXPECT_EQ(Row(g.VertODE, 0)[0], Pt(0, 0, 0));
    EXPECT_EQ(Row(g.VertODE, 1)[0], Pt(0.5f, 0, 0));
    EXPECT_EQ(Row(g.VertODE, 2)[0], Pt(1, 0.25f, 0));
}

TEST_F(AnalysisSampling, DifferentialEquationFamilyStaysInItsBand)
{
    // y' = 4y from y = -1 .. 3 over x 0 .. 1 in one step: the band is
    // |y| <= 2*3, so y = 3 + 12 and y = 2 + 8 leave it.
    Cls9 g;
    g.GraphType = GraphTypeDifferentialEquation;
    g.MinU = 0;
    g.MaxU = 1;
    g.StepU = 1;
    Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "4y", -1, 3, 4);
    ASSERT_TRUE(Run(g));
    ExpectRow(Row(g.VertODE, 0), {{0, -1, 0}, {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}}, "start");
    ExpectRow(Row(g.VertODE, 1), {{1, -5, 0}, {1, 0, 0}, {1, 5, 0}, {1, U, 0}, {1, U, 0}}, "step");
}

TEST_F(AnalysisSampling, UndefinedSolutionStaysUndefined)
{
    // log(x) is undefined at the start x = 0; the solution must not carry on
    // from the marker value once log is defined again.
    Cls9 g;
    g.GraphType = GraphTypeDifferentialEquation;
    g.ODEInitial = true;
    g.MinU = 0;
    g.MaxU = 1;
    g.StepU = 2;
    Prepare(g, FunFormExplicit, CoordTypeCartesian2D, "0", "x", "log(x)", 0, 1, 1);
    ASSERT_TRUE(Run(g));
    EXPECT_EQ(g.VertODE(1, 0).y, U);
    EXPECT_EQ(g.VertODE(2, 0).y, U);
}

} // namespace

namespace {

// The whole road through GetPoints: the frame prepares the texts and grids
// and its result is the analysis tail's.
TEST_F(AnalysisSampling, GetPointsEndsWithTheOverlays)
{
    Cls9 g;
    g.ShowDev = true;
    g.ShowGuai = true;
    g.ShowJO = true;
    g.FunForm = FunFormExplicit;
    g.CoordType = CoordTypeCartesian2D;
    g.ExpressX = "0";
    g.ExpressY = "x";
    g.ExpressZ = "x^3-3x";
    g.MinV = 0;
    g.MaxV = 2;
    g.StepV = 2;
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(Row(g.VertDev), {{0, -3, 0}, {1, 0, 0}, {2, 9, 0}}, "3x^2-3");
    ExpectRow(Row(g.VertDev2), {{0, 0, 0}, {1, 6, 0}, {2, 12, 0}}, "6x");
    ExpectRow(Row(g.VertJO), {{-2, 2, 0}, {-1, -2, 0}, {0, 0, 0}}, "f(-x)");

    g.ExpressZ = "abs(x)";
    MessageRecorder rec;
    EXPECT_FALSE(g.GetPoints());
    EXPECT_EQ(rec.Count(), 1);
}

} // namespace
