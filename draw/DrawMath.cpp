// Colour split and arrow-head construction of the graph drawing. Pure
// arithmetic: no OpenGL here, so both are checked without a display.
#include "model/Cls9.h"

#include <cmath>
#include <utility>

void Cls9::ColorToRGB(int32_t color, double& r, double& g, double& b)
{
    // 0x00BBGGRR, high part first; integer division truncates toward zero.
    const int32_t cb = color / 65536;
    const int32_t cg = (color - cb * 65536) / 256;
    const int32_t cr = color - cb * 65536 - cg * 256;
    r = cr / 255.0;
    g = cg / 255.0;
    b = cb / 255.0;
}

void Cls9::ArrowHead2D(float x1, float y1, float x2, float y2, float& ax, float& ay, float& bx,
                       float& by)
{
    // The head reaches 0.6 back from the tip (x2, y2) and 0.2 to either side.
    constexpr double Back = 0.6;
    constexpr double Half = 0.2;

    if (x2 == x1) {
        // Vertical, or no direction at all (taken as not rising).
        const float yb = static_cast<float>(y2 > y1 ? y2 - Back : y2 + Back);
        ay = yb;
        by = yb;
        ax = static_cast<float>(x2 + Half);
        bx = static_cast<float>(x2 - Half);
        return;
    }
    if (y2 == y1) {
        const float xb = static_cast<float>(x2 > x1 ? x2 - Back : x2 + Back);
        ax = xb;
        bx = xb;
        ay = static_cast<float>(y2 + Half);
        by = static_cast<float>(y2 - Half);
        return;
    }

    // Along the shaft's unit direction rather than through the line's slope:
    // a slope-and-intercept form squares the perpendicular slope, which
    // overflows for nearly horizontal shafts and loses the head's size far
    // from the origin. Corner a is the one with the smaller x.
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const double len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len;
    const double cx = x2 - Back * ux, cy = y2 - Back * uy;
    double px = cx - Half * uy, py = cy + Half * ux;
    double qx = cx + Half * uy, qy = cy - Half * ux;
    if (qx < px) {
        std::swap(px, qx);
        std::swap(py, qy);
    }
    ax = static_cast<float>(px);
    ay = static_cast<float>(py);
    bx = static_cast<float>(qx);
    by = static_cast<float>(qy);
}
