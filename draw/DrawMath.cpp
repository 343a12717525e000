// Colour split and arrow-head construction of the graph drawing. Pure
// arithmetic: no OpenGL here, so both are checked without a display.
#include "model/Cls9.h"

#include <cmath>

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
    // The head reaches 0.6 back from the tip and 0.2 to either side.
    constexpr float Back = 0.6f;
    constexpr float Half = 0.2f;

    if (x2 == x1) {
        const float yb = y2 > y1 ? y2 - Back : y2 + Back;
        ay = yb;
        by = yb;
        ax = x2 + Half;
        bx = x2 - Half;
        return;
    }

    const float k = (y2 - y1) / (x2 - x1);
    const float c = y1 - k * x1;

    // Base centre: on the shaft's line, 0.6 from the tip, on the tail's side.
    const float h = k * k + 1.0f;
    const float l = 2.0f * k * (c - y2) - 2.0f * x2;
    const float u = (c - y2) * (c - y2) + x2 * x2 - Back * Back;
    const float d1 = l * l - 4.0f * h * u;
    if (d1 < 0.0f)
        return;
    const float r1 = std::sqrt(d1);
    const float xB = x2 > x1 ? (-l - r1) / (2.0f * h) : (-l + r1) / (2.0f * h);
    const float yB = k * xB + c;

    if (k == 0.0f) {
        const float xb = x2 > x1 ? x2 - Back : x2 + Back;
        ax = xb;
        bx = xb;
        ay = y2 + Half;
        by = y2 - Half;
        return;
    }

    // Corners: on the perpendicular through the base centre, 0.2 each side.
    const float m = -1.0f / k;
    const float I = m * m + 1.0f;
    const float J = -2.0f * xB * I;
    const float L = I * xB * xB - Half * Half;
    const float d2 = J * J - 4.0f * I * L;
    if (d2 < 0.0f)
        return;
    const float r2 = std::sqrt(d2);
    ax = (-J - r2) / (2.0f * I);
    ay = m * (ax - xB) + yB;
    bx = (-J + r2) / (2.0f * I);
    by = m * (bx - xB) + yB;
}
