#pragma once
// Plane segment helpers used by drawing: where two segments meet, the slope
// and intercept of a line through two points, and float min/max.
#include <cstdint>

namespace Module1 {

// Slope of a vertical line through two points with equal x. Kept steep rather
// than infinite so that k and b stay finite.
inline constexpr float SegmentVerticalSlope = 10000.0f;

// k = (y2 - y1) / (x2 - x1), or SegmentVerticalSlope when x1 == x2; b = y1 - x1 * k.
void LineSlopeIntercept(float x1, float y1, float x2, float y2, float& k, float& b);

// a when a < b, else b.
float MinSingle(float a, float b);
// a when a > b, else b.
float MaxSingle(float a, float b);

// Whether segment (x1,y1)-(x2,y2) meets segment (x3,y3)-(x4,y4).
//   0: they do not meet; (ix, iy) holds where the two lines meet when they
//      are not parallel, and is left alone otherwise.
//   1: they meet in (ix, iy).
//   2: they lie on one line and overlap from (ix, iy) to (ix2, iy2).
// Comparisons are exact; the ends of a segment count as part of it.
int16_t IntersectSegments(float x1, float y1, float x2, float y2,
                          float x3, float y3, float x4, float y4,
                          float& ix, float& iy, float& ix2, float& iy2);

} // namespace Module1
