// Runs of short segments joined into chords: the shape is kept within the
// tolerance, ends and long or lifted segments stay as they were.
#include "draw/SegmentMerge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Segments joining consecutive points of y = f(x) over [x0, x1] in n steps.
std::vector<float> Polyline(double x0, double x1, int n, double (*f)(double))
{
    std::vector<float> s;
    for (int i = 0; i < n; ++i) {
        const double a = x0 + (x1 - x0) * i / n, b = x0 + (x1 - x0) * (i + 1) / n;
        s.insert(s.end(), {float(a), float(f(a)), 0.0f, float(b), float(f(b)), 0.0f});
    }
    return s;
}

double DistanceToSegment(float px, float py, const float* s)
{
    const double dx = s[3] - s[0], dy = s[4] - s[1];
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - s[0]) * dx + (py - s[1]) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (s[0] + t * dx), py - (s[1] + t * dy));
}

TEST(SegmentMerge, DenseRunsBecomeChordsThatKeepTheShape)
{
    struct Case {
        const char* what;
        double (*f)(double);
        double x0, x1;
        int n;
    } const cases[] = {
        {"line", [](double x) { return 0.1 * x; }, -9, 9, 100000},
        {"bend", [](double x) { return std::fabs(x); }, -0.5, 0.5, 2000},
        {"wave", [](double x) { return 0.3 * std::sin(40 * x); }, -1, 1, 20000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<float> in = Polyline(c.x0, c.x1, c.n, c.f);
        const std::vector<float> out = MergeShortSegments(in);
        ASSERT_EQ(out.size() % 6, 0u);
        EXPECT_LT(out.size(), in.size() / 4);
        // Connected from the first sample to the last, chords no longer
        // than allowed.
        EXPECT_EQ(out.front(), in.front());
        EXPECT_EQ(out[out.size() - 2], in[in.size() - 2]);
        for (size_t k = 0; k + 6 < out.size(); k += 6) {
            EXPECT_EQ(out[k + 3], out[k + 6]);
            EXPECT_EQ(out[k + 4], out[k + 7]);
            EXPECT_LE(std::hypot(out[k + 3] - out[k], out[k + 4] - out[k + 1]), kMergeChord * 1.0001);
        }
        // Every sample lies within the tolerance of the chord that spans it.
        size_t chord = 0;
        for (size_t k = 0; k < in.size(); k += 6) {
            const float px = in[k], py = in[k + 1];
            while (chord + 6 < out.size() && px > out[chord + 3])
                chord += 6;
            EXPECT_LE(DistanceToSegment(px, py, &out[chord]), kMergeTolerance * 1.01) << px;
        }
    }
}

TEST(SegmentMerge, LongLiftedAndSeparateSegmentsStay)
{
    const std::vector<float> in = {
        0, 0, 0, 1, 0, 0,                 // long
        1, 0, 0, 1.001f, 0, 0.5f,         // lifted off the plane
        2, 0, 0, 2.001f, 0, 0,            // short but alone
        3, 0, 0, 3.001f, 0, 0, 3.5f, 0, 0, 3.501f, 0, 0, // short, not connected
    };
    EXPECT_EQ(MergeShortSegments(in), in);
    EXPECT_TRUE(MergeShortSegments({}).empty());
}

} // namespace
