#pragma once
// Smooth curve through plane points: a cubic spline in x and in y over the
// accumulated chord length, sampled every 0.2 units of that length.
#include <cstdint>
#include <vector>

namespace Module1 {

inline constexpr int SplineMaxSegments = 100;  // 101 points at most
inline constexpr int SplineMaxSamples = 2000;  // outputs hold indices 0..2000

// End conditions of the spline, at both ends and for x and y alike.
enum SplineEnd : int16_t {
    SplineEndParabolaSlope = 0,     // slope of the parabola through the three end points
    SplineEndGivenSlope = 1,        // slopes dx0, dxn, dy0, dyn given by the caller
    SplineEndNatural = 2,           // second derivative 0
    SplineEndParabolaCurvature = 3, // second derivative of the parabola through the end points
};

// sqrt(a^2 + b^2) in double precision.
double Hypot(float a, float b);

// Fits the spline through (x(0), y(0)) .. (x(n), y(n)) and writes its samples
// into outX/outY from index 0; count receives how many were written. Each
// segment gives samples at parameter 0, 0.2, 0.4, ... up to its chord length
// and then its end point. Past SplineMaxSamples samples a message is shown
// and the samples so far are kept.
// A point equal to the one before it adds nothing and is passed over; a
// single distinct point gives count 1. The parabola end conditions need three
// points and fall back to natural ends with two.
// outX/outY grow to SplineMaxSamples + 1 entries when smaller. More than
// SplineMaxSegments segments, or fewer than n + 1 points, throw
// std::out_of_range.
void ParametricSplineCurve(int16_t n, int16_t endType, float dx0, float dxn, float dy0,
                           float dyn, const std::vector<float>& x, const std::vector<float>& y,
                           std::vector<float>& outX, std::vector<float>& outY, int32_t& count);

} // namespace Module1
