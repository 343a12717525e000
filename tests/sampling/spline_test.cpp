// Tests of the smooth curve through plane points.
#include "sampling/Spline.h"

#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace Module1;

namespace {

struct SplineRun {
    std::vector<float> ox, oy;
    int32_t count = -1;
};

SplineRun Spline(std::vector<float> x, std::vector<float> y, int16_t endType,
              float dx0 = 0, float dxn = 0, float dy0 = 0, float dyn = 0)
{
    SplineRun r;
    ParametricSplineCurve(static_cast<int16_t>(x.size() - 1), endType, dx0, dxn, dy0, dyn, x, y,
                          r.ox, r.oy, r.count);
    return r;
}

TEST(ParametricSpline, SampleCountsFollowChordLength)
{
    struct Case {
        std::vector<float> x, y;
        int32_t count;
    } cases[] = {
        // t = 0, 0.2, .., 1.0 exactly, then the end point again.
        {{0, 1}, {0, 0}, 7},
        // Chord 5: the accumulated parameter ends just below 5 after 25 steps.
        {{0, 3}, {0, 4}, 27},
    };
    for (const Case& c : cases) {
        MessageRecorder rec;
        SplineRun r = Spline(c.x, c.y, SplineEndGivenSlope);
        EXPECT_EQ(r.count, c.count);
        EXPECT_EQ(rec.Count(), 0);
        EXPECT_EQ(r.ox[r.count - 1], c.x.back());
        EXPECT_EQ(r.oy[r.count - 1], c.y.back());
        EXPECT_EQ(r.ox[0], c.x.front());
    }
}

TEST(ParametricSpline, ZeroEndSlopesGiveSmoothStep)
{
    SplineRun r = Spline({0, 1}, {0, 0}, SplineEndGivenSlope);
    ASSERT_EQ(r.count, 7);
    for (int i = 0; i < 6; ++i) {
        const double t = 0.2 * i;
        EXPECT_NEAR(r.ox[i], 3 * t * t - 2 * t * t * t, 1e-5) << i;
        EXPECT_EQ(r.oy[i], 0.0f);
    }
    EXPECT_EQ(r.ox[5], 1.0f);
    EXPECT_EQ(r.ox[6], 1.0f);
}

TEST(ParametricSpline, EndConditionsPassThroughPoints)
{
    // Natural ends through three points, and the parabola ends on a straight chain.
    SplineRun nat = Spline({0, 1, 2}, {0, 1, 0}, SplineEndNatural);
    ASSERT_GT(nat.count, 3);
    bool sawMiddle = false;
    for (int i = 0; i < nat.count; ++i)
        if (nat.ox[i] == 1.0f && nat.oy[i] == 1.0f)
            sawMiddle = true;
    EXPECT_TRUE(sawMiddle);
    EXPECT_EQ(nat.ox[nat.count - 1], 2.0f);
    EXPECT_EQ(nat.oy[nat.count - 1], 0.0f);

    for (int16_t end : {int16_t(SplineEndParabolaSlope), int16_t(SplineEndParabolaCurvature)}) {
        SplineRun line = Spline({0, 1, 2}, {0, 0, 0}, end);
        ASSERT_EQ(line.count, 14) << end;
        // Inside the first segment x equals the parameter.
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(line.ox[i], 0.2 * i, 1e-5) << end << " " << i;
        for (int i = 0; i < line.count; ++i)
            EXPECT_EQ(line.oy[i], 0.0f);
    }
}

TEST(ParametricSpline, DegenerateInputsDoNotFail)
{
    // One point, two equal points, and a repeated point inside a chain.
    SplineRun one = Spline({2}, {3}, SplineEndGivenSlope);
    EXPECT_EQ(one.count, 1);
    EXPECT_EQ(one.ox[0], 2.0f);
    EXPECT_EQ(one.oy[0], 3.0f);

    SplineRun same = Spline({1, 1}, {1, 1}, SplineEndGivenSlope);
    EXPECT_EQ(same.count, 1);

    SplineRun rep = Spline({0, 1, 1}, {0, 0, 0}, SplineEndGivenSlope);
    SplineRun ref = Spline({0, 1}, {0, 0}, SplineEndGivenSlope);
    ASSERT_EQ(rep.count, ref.count);
    for (int i = 0; i < ref.count; ++i) {
        EXPECT_EQ(rep.ox[i], ref.ox[i]);
        EXPECT_FALSE(std::isnan(rep.ox[i]));
    }

    // Parabola ends with only two points fall back to a straight segment.
    SplineRun two = Spline({0, 3}, {0, 4}, SplineEndParabolaSlope);
    EXPECT_EQ(two.count, 27);
    EXPECT_NEAR(two.ox[5], 0.6, 1e-5);
    EXPECT_NEAR(two.oy[5], 0.8, 1e-5);
}

TEST(ParametricSpline, SampleLimitShowsOneMessage)
{
    // Chord 500 needs about 2500 samples.
    MessageRecorder rec;
    SplineRun r = Spline({0, 500}, {0, 0}, SplineEndGivenSlope);
    EXPECT_EQ(r.count, 2000);
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Messages()[0].text, QStringLiteral("平滑曲线时插值点数超过2000个，无法正常绘曲线。"));
    EXPECT_EQ(rec.Messages()[0].title, QStringLiteral("注意"));
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Critical);
}

TEST(ParametricSpline, RejectsTooManySegmentsAndMissingPoints)
{
    std::vector<float> x(102, 0.0f), y(102, 0.0f), ox, oy;
    int32_t count = 0;
    EXPECT_THROW(ParametricSplineCurve(101, 1, 0, 0, 0, 0, x, y, ox, oy, count), std::out_of_range);
    std::vector<float> shortX(3, 0.0f);
    EXPECT_THROW(ParametricSplineCurve(5, 1, 0, 0, 0, 0, shortX, shortX, ox, oy, count),
                 std::out_of_range);
}

} // namespace
