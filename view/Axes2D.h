#pragma once
// Geometry of the 2D axes: ticks, axis lines, arrow heads and texts in GL
// units (scene coordinates divided by the scene scale). Cls3_gl.cpp emits it.
#include "model/Cls3.h"
#include "view/Grid2D.h"

#include <QString>
#include <array>
#include <vector>

// Most major ticks (and labels) on one half-axis. Only pi labelling with an x
// bound beyond about 160 scene units reaches it; the axis then stops there.
constexpr int32_t kMaxTicksPerHalfAxis = 51;

// The x step with pi labelling, as a 32-bit float.
constexpr float kPiStep = 3.1416f;

// Label colour: RGB(10, 10, 10), a near-black.
constexpr int32_t kAxisLabelColor = 10 + 10 * 256 + 10 * 65536;

struct AxisText {
    QString text;
    bool bold = false;  // titles use the bold font, numbers the normal one
    float x = 0, y = 0;
    int32_t color = 0;
};

struct Axes2DLayout {
    double step = 1;        // y step (and x step without pi) in scene units, whole
    float sx = 1;           // x step in scene units
    float gx = 0, gy = 0;   // drawn distance between major ticks
    int32_t nXneg = 1, nXpos = 1, nYneg = 1, nYpos = 1;
    std::vector<Line2D> ticks;  // black, x-, y-, x+, y+; per tick its minor ticks then the major
    float xL = 0, xR = 0, yB = 0, yT = 0;  // outermost major ticks, drawn units
    RgbF axisColor;
    int32_t axisWidth = 1;  // AxisWidth, within the dialog's list
    std::array<std::array<float, 2>, 3> arrowX{};  // filled triangle, tip first
    std::array<std::array<float, 2>, 3> arrowY{};
    Line2D edgeX, edgeY;  // stroked over each head: tip to its first base corner
    Line2D xAxis, yAxis;
    std::vector<AxisText> texts;  // in drawing order
};

// Character shift that centres a label of up to three characters under its tick.
float LabelCentreShift(int length);

// Lays out the axes for the scene box (scene units) at scene scale s; an
// invalid scale (not positive or not finite) gives no layout.
std::optional<Axes2DLayout> Axes2D(const Cls3& cs, float sceneScale, float minX, float maxX,
                                   float minY, float maxY);
