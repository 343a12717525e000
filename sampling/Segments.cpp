// Plane segment helpers: where two segments meet, slope and intercept.
#include "sampling/Segments.h"

namespace Module1 {

void LineSlopeIntercept(float x1, float y1, float x2, float y2, float& k, float& b)
{
    if (x1 == x2) {
        k = SegmentVerticalSlope;
    } else {
        const float dy = y2 - y1;
        const float dx = x2 - x1;
        k = dy / dx;
    }
    const float x1k = x1 * k;
    b = y1 - x1k;
}

float MinSingle(float a, float b) { return a < b ? a : b; }

float MaxSingle(float a, float b) { return a > b ? a : b; }

namespace {

struct Pt {
    float x;
    float y;
};

// Left and right end of a segment; equal x keep the given order.
void OrderByX(float xa, float ya, float xb, float yb, Pt& left, Pt& right)
{
    if (xa > xb) {
        left = {xb, yb};
        right = {xa, ya};
    } else {
        left = {xa, ya};
        right = {xb, yb};
    }
}

// A vertical segment (or a single point) against any segment. The slope form
// cannot hold a vertical line exactly, so these are decided from x directly.
int16_t IntersectVertical(const Pt& vl, const Pt& vr, const Pt& l, const Pt& r,
                          float& ix, float& iy, float& ix2, float& iy2)
{
    const float xv = vl.x;
    const float vLo = MinSingle(vl.y, vr.y);
    const float vHi = MaxSingle(vl.y, vr.y);
    if (l.x == r.x) {
        // Both vertical: one line only when they share x.
        if (l.x != xv)
            return 0;
        const float lo = MaxSingle(vLo, MinSingle(l.y, r.y));
        const float hi = MinSingle(vHi, MaxSingle(l.y, r.y));
        if (lo > hi)
            return 0;
        ix = xv;
        iy = lo;
        ix2 = xv;
        iy2 = hi;
        return 2;
    }
    float k = 0;
    float b = 0;
    LineSlopeIntercept(l.x, l.y, r.x, r.y, k, b);
    ix = xv;
    const float kx = ix * k;
    iy = kx + b;
    if (xv < l.x || xv > r.x)
        return 0;
    if (iy < vLo || iy > vHi)
        return 0;
    return 1;
}

} // namespace

int16_t IntersectSegments(float x1, float y1, float x2, float y2,
                          float x3, float y3, float x4, float y4,
                          float& ix, float& iy, float& ix2, float& iy2)
{
    Pt l1, r1, l2, r2;
    OrderByX(x1, y1, x2, y2, l1, r1);
    OrderByX(x3, y3, x4, y4, l2, r2);

    if (l1.x == r1.x)
        return IntersectVertical(l1, r1, l2, r2, ix, iy, ix2, iy2);
    if (l2.x == r2.x)
        return IntersectVertical(l2, r2, l1, r1, ix, iy, ix2, iy2);

    float k1 = 0, b1 = 0, k2 = 0, b2 = 0;
    LineSlopeIntercept(l1.x, l1.y, r1.x, r1.y, k1, b1);
    LineSlopeIntercept(l2.x, l2.y, r2.x, r2.y, k2, b2);

    if (k1 == k2) {
        if (l2.x > r1.x || r2.x < l1.x)
            return 0;
        const float k1x = k1 * l2.x;
        const float c1 = l2.y - k1x;
        const float k2x = k2 * l1.x;
        const float c2 = l1.y - k2x;
        if (c1 != c2)
            return 0;
        ix = MaxSingle(l1.x, l2.x);
        const float d1 = ix - l2.x;
        const float e1 = d1 * k1;
        iy = e1 + l2.y;
        ix2 = MinSingle(r1.x, r2.x);
        const float d2 = ix2 - l2.x;
        const float e2 = d2 * k1;
        iy2 = e2 + l2.y;
        return 2;
    }

    const float num = b1 - b2;
    const float den = k2 - k1;
    ix = num / den;
    const float kx = ix * k1;
    iy = kx + b1;
    if (ix < l2.x || ix > r2.x || ix < l1.x || ix > r1.x)
        return 0;
    return 1;
}

} // namespace Module1
