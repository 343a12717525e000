// Chords for runs of short segments: a sleeve of the allowed deviation is
// narrowed sample by sample (the directions from the chord's start that
// pass every sample closely enough) until a sample leaves it or the chord
// would grow too long, and the chord ends at the farthest sample from its
// start up to there, so a run that turns back keeps its turn.
#include "draw/SegmentMerge.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

struct P {
    float x, y;
};

bool Joinable(const float* s)
{
    const float dx = s[3] - s[0], dy = s[4] - s[1];
    return s[2] == 0.0f && s[5] == 0.0f && dx * dx + dy * dy < kMergeShort * kMergeShort;
}

void Segment(std::vector<float>& out, P a, P b)
{
    out.insert(out.end(), {a.x, a.y, 0.0f, b.x, b.y, 0.0f});
}

// Emits chords through the samples of one connected run. The sleeve keeps
// every sample farther than the tolerance from the chord's start within the
// tolerance of the chord's line, on the side of the start toward the end;
// such a sample lies within the tolerance of the chord itself only when it
// is no farther from the start than the end is. So a chord ends only at a
// sample at least as far from its start as every sample before it (or
// anywhere while all of them are within the tolerance of the start, which
// is on the chord). Samples that come back nearer stay in the chord as
// long as they keep to the sleeve and a farther one follows.
void Chords(const std::vector<P>& run, std::vector<float>& out)
{
    const double pi = 3.14159265358979323846;
    std::size_t anchor = 0;
    while (anchor + 1 < run.size()) {
        const P a = run[anchor];
        bool haveRef = false;
        double ref = 0.0, lo = -pi, hi = pi;
        double reach = 0.0;           // the farthest sample so far from `a`
        std::size_t end = anchor + 1; // the chord's end so far
        for (std::size_t k = anchor + 1; k < run.size(); ++k) {
            // Looking for a farther sample stops after twice as many
            // samples as the chord holds, and 64 more: a run that keeps
            // turning back within the sleeve is still merged in linear time.
            if (k - end > 2 * (end - anchor) + 64)
                break;
            const double dx = double(run[k].x) - a.x, dy = double(run[k].y) - a.y;
            const double d = std::hypot(dx, dy);
            if (d > kMergeChord)
                break;
            if (d > kMergeTolerance) {
                double angle = std::atan2(dy, dx);
                if (!haveRef) {
                    ref = angle;
                    haveRef = true;
                }
                angle = std::remainder(angle - ref, 2 * pi);
                if (angle < lo || angle > hi)
                    break;
                const double half = std::asin(kMergeTolerance / d);
                lo = std::max(lo, angle - half);
                hi = std::min(hi, angle + half);
            }
            if (d >= reach || reach <= kMergeTolerance)
                end = k;
            reach = std::max(reach, d);
        }
        Segment(out, a, run[end]);
        anchor = end;
    }
}

} // namespace

std::vector<float> MergeShortSegments(const std::vector<float>& segments)
{
    std::vector<float> out;
    out.reserve(segments.size());
    const std::size_t count = segments.size() / 6;
    std::vector<P> run;
    for (std::size_t i = 0; i < count;) {
        const float* s = &segments[i * 6];
        if (!Joinable(s)) {
            out.insert(out.end(), s, s + 6);
            ++i;
            continue;
        }
        // The run: connected short segments in the plane.
        run.assign({{s[0], s[1]}, {s[3], s[4]}});
        std::size_t j = i + 1;
        for (; j < count; ++j) {
            const float* t = &segments[j * 6];
            if (!Joinable(t) || t[0] != run.back().x || t[1] != run.back().y)
                break;
            run.push_back({t[3], t[4]});
        }
        if (run.size() == 2)
            out.insert(out.end(), s, s + 6);
        else
            Chords(run, out);
        i = j;
    }
    return out;
}
