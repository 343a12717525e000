// Runs of short segments joined into chords: the shape is kept within the
// tolerance, ends and long or lifted segments stay as they were.
#include "draw/SegmentMerge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <set>
#include <utility>
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

struct Sample {
    float x, y;
};

// Segments joining consecutive samples, in the plane.
std::vector<float> Joined(const std::vector<Sample>& run)
{
    std::vector<float> s;
    for (size_t i = 0; i + 1 < run.size(); ++i)
        s.insert(s.end(), {run[i].x, run[i].y, 0.0f, run[i + 1].x, run[i + 1].y, 0.0f});
    return s;
}

// Whether `chords` replace the one run `run` as promised: connected, from
// sample to sample of the run in its order, none longer than kMergeChord,
// and every sample within kMergeTolerance of the chord that replaced it. A
// sample may occur more than once in a run, so every reading of a chord's
// end as one of its occurrences is followed. Chord ends are the samples
// themselves, and here and in the merge distances are worked out in double
// from their float coordinates; what is left is double rounding, about
// 1e-17 at these lengths. A millionth of the tolerance covers it and is far
// below any cut turn.
::testing::AssertionResult KeepsEverySample(const std::vector<Sample>& run,
                                            const std::vector<float>& chords)
{
    const double allowed = kMergeTolerance * (1.0 + 1e-6);
    auto at = [&](size_t i, const float* p) { return run[i].x == p[0] && run[i].y == p[1]; };
    if (chords.empty() || chords.size() % 6 != 0 || !at(0, &chords[0]))
        return ::testing::AssertionFailure() << "no chord from the first sample";
    std::set<size_t> starts = {0}; // where the next chord may start in the run
    size_t stuck = 0;              // the farthest sample no chord kept to
    double off = 0.0;              // and how far it was from its chord
    for (size_t c = 0; c < chords.size(); c += 6) {
        const float* chord = &chords[c];
        if (c > 0 && (chord[0] != chord[-3] || chord[1] != chord[-2]))
            return ::testing::AssertionFailure() << "chord " << c / 6 << " is not connected";
        if (std::hypot(chord[3] - chord[0], chord[4] - chord[1]) > kMergeChord * (1.0 + 1e-6))
            return ::testing::AssertionFailure() << "chord " << c / 6 << " is too long";
        std::set<size_t> ends;
        for (size_t i : starts) {
            for (size_t j = i + 1; j < run.size(); ++j) {
                const double d = DistanceToSegment(run[j].x, run[j].y, chord);
                if (d > allowed) {
                    if (j >= stuck) {
                        stuck = j;
                        off = d;
                    }
                    break;
                }
                if (at(j, chord + 3))
                    ends.insert(j);
            }
        }
        if (ends.empty())
            return ::testing::AssertionFailure()
                   << "chord " << c / 6 << " leaves sample " << stuck << " (" << run[stuck].x
                   << ", " << run[stuck].y << ") " << off << " away";
        starts = std::move(ends);
    }
    if (!starts.count(run.size() - 1))
        return ::testing::AssertionFailure() << "the chords stop before the last sample";
    return ::testing::AssertionSuccess();
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

// Runs that turn back on themselves within less than a pixel: a chord must
// not end on the way back and leave the turn out.
TEST(SegmentMerge, ChordsKeepTheTurnsOfRunsThatTurnBack)
{
    // (x(t), y(t)) at t = t0, t0 + step, ... up to t1.
    auto curve = [](double t0, double t1, double step, auto xy) {
        std::vector<Sample> run;
        for (int i = 0; t0 + i * step <= t1 + step / 2; ++i) {
            const auto [x, y] = xy(t0 + i * step);
            run.push_back({float(x), float(y)});
        }
        return run;
    };
    // Out along y = 0 to x = `far`, then back along y = above + slope x to
    // x = 0, 0.002 a step.
    auto outAndBack = [](int far, double above, double slope) {
        std::vector<Sample> run;
        for (int i = 0; i <= far; ++i)
            run.push_back({float(0.002 * i), 0.0f});
        for (int i = far; i >= 0; --i)
            run.push_back({float(0.002 * i), float(above + slope * 0.002 * i)});
        return run;
    };
    // Along y = 0 through the given turning points, 0.001 a step.
    auto backAndForth = [](std::vector<double> turns) {
        std::vector<Sample> run = {{float(turns[0]), 0.0f}};
        for (size_t i = 1; i < turns.size(); ++i) {
            const double from = turns[i - 1], to = turns[i];
            const int n = int(std::lround(std::fabs(to - from) / 0.001));
            for (int k = 1; k <= n; ++k)
                run.push_back({float(from + (to - from) * k / n), 0.0f});
        }
        return run;
    };
    struct Case {
        const char* what;
        std::vector<Sample> run;
    } const cases[] = {
        {"out and back", outAndBack(20, 0.001, 0.0)},
        {"back to its start", outAndBack(15, 0.0, 0.02)},
        {"cusp", curve(-0.3, 0.3, 0.005, [](double t) { return std::pair{t * t, t * t * t}; })},
        {"spike", curve(-0.02, 0.02, 0.0001,
                        [](double x) {
                            return std::pair{x, 0.03 * std::max(0.0, 1 - std::fabs(x) / 0.0005)};
                        })},
        {"narrow turning point", curve(-0.0019, 0.0019, 0.0001,
                                       [](double t) { return std::pair{0.04 - 1e4 * t * t, t}; })},
        {"back and forth on a line", backAndForth({0, 0.03, 0.01, 0.04, 0.02, 0.045, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<float> in = Joined(c.run);
        const std::vector<float> out = MergeShortSegments(in);
        EXPECT_TRUE(KeepsEverySample(c.run, out));
        EXPECT_LT(out.size(), in.size()); // still merged
    }
}

// Random walks of short steps that now and then turn back, from fixed seeds.
TEST(SegmentMerge, ChordsKeepToRandomWalksThatTurnBack)
{
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        // Uniform in [0, 1) straight from the generator: the same walks
        // whatever the standard library.
        auto uniform = [&] { return random() / 4294967296.0; };
        const double pi = 3.14159265358979323846;
        double x = 0, y = 0, heading = 2 * pi * uniform();
        std::vector<Sample> run = {{0.0f, 0.0f}};
        for (int i = 0; i < 400; ++i) {
            if (uniform() < 0.1)
                heading += pi + (uniform() - 0.5) * 0.5; // turns back
            else
                heading += (uniform() - 0.5) * 0.3;
            const double step = 0.0005 + 0.004 * uniform();
            x += step * std::cos(heading);
            y += step * std::sin(heading);
            run.push_back({float(x), float(y)});
        }
        ASSERT_TRUE(KeepsEverySample(run, MergeShortSegments(Joined(run))));
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
