// Tests of the trapezoid-rule integrals, sector areas and arc lengths.
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/NIModule.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

using NIModule::IntegrateTrapezoid;

TEST(Integrator, Table)
{
    const struct {
        const char* text;
        float lower, upper;
        int32_t mode;
        float expected;
    } rows[] = {
        {"x^2", 0, 1, 1, 0.33349609375f}, // five halvings: 0.5 .. 0.33349609375
        {"x^2", 1, 0, 1, -0.33349609375f},
        {"1", 0, 2, 1, 2.0f},
        {"x", 0, 1, 1, 0.5f},
        {"a", 0, 1, 2, 0.5f},
        {"x", 0, 1, 2, 0.0f}, // x is 0 when the variable is a
        {"x", 3, 3, 1, 0.0f},
        {"0.5*(2)^2", 0, 3.1416f, 2, 6.2832f}, // a polar sector of radius 2
        {"sqr((1)^2+1)", 0, 1, 1, 1.4142135f},
    };
    for (const auto& r : rows)
        EXPECT_FLOAT_EQ(IntegrateTrapezoid(r.lower, r.upper, 0.001f, QString::fromUtf8(r.text), r.mode), r.expected)
            << r.text;
    EXPECT_NEAR(IntegrateTrapezoid(0, 3.1415926f, 0.001f, QStringLiteral("sin(x)"), 1), 2.0f, 0.001f);
}

TEST(Integrator, CoarseEstimatesThatAgreeByChanceAreNotTrusted)
{
    // The ends and the first midpoint of sin(x)^2 over a whole period are all
    // 0: the first two estimates agree on 0, the integral is pi.
    EXPECT_NEAR(IntegrateTrapezoid(0, 6.2831853f, 0.001f, QStringLiteral("sin(x)^2"), 1), 3.1415927f, 0.001f);
}

TEST(Integrator, UndefinedPointsCountAsUndefinedSample)
{
    MessageRecorder rec;
    g_ReportEvalErrors = false;
    // log is undefined everywhere on [-2, -1]: every node is 0.12345.
    EXPECT_FLOAT_EQ(IntegrateTrapezoid(-2, -1, 0.001f, QStringLiteral("log(x)"), 1), UndefinedSample);
    EXPECT_FLOAT_EQ(NIModule::EvaluateExpressionAt(QStringLiteral("sqr(x)"), -1, 1), UndefinedSample);
    EXPECT_EQ(rec.Count(), 0);
}

TEST(Integrator, BadIntegrandShowsOneMessageAndGivesZero)
{
    MessageRecorder rec;
    EXPECT_EQ(IntegrateTrapezoid(0, 1, 0.001f, QStringLiteral("x+"), 1), 0.0f);
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Messages()[0].title, QStringLiteral("语法错误"));
    EXPECT_EQ(NIModule::EvaluateExpressionAt(QStringLiteral("q"), 1, 1), 0.0f);
    EXPECT_EQ(rec.Count(), 2);
}

TEST(Integrator, UnknownVariableModeGivesZero)
{
    EXPECT_EQ(NIModule::EvaluateExpressionAt(QStringLiteral("1"), 1, 3), 0.0f);
    EXPECT_EQ(IntegrateTrapezoid(0, 1, 0.001f, QStringLiteral("x"), 0), 0.0f);
}

TEST(Integrator, StopsAfterFifteenHalvingsWhenItDoesNotSettle)
{
    // The rounding noise of rnd never settles below a tiny threshold; the
    // integral of a value in [0, 1) over [0, 1) must still come back.
    const float v = IntegrateTrapezoid(0, 1, 1e-12f, QStringLiteral("rnd(1)"), 1);
    EXPECT_GE(v, 0.4f);
    EXPECT_LE(v, 0.6f);
}

TEST(Integrator, OverflowRaises)
{
    EXPECT_THROW(IntegrateTrapezoid(0, 1, 0.001f, QStringLiteral("10^38*3"), 1), ExprError);
    // Each value fits a float but their sum does not.
    EXPECT_THROW(IntegrateTrapezoid(0, 3e38f, 0.001f, QStringLiteral("3*10^38"), 1), ExprError);
}
