#pragma once
// What a 2D function graph (explicit or parametric, still or animated, and
// the curve-intersection graph) puts on screen and into the result pane,
// worked out before any OpenGL call is made. Reading the sample grids is
// the part that can fail (a grid that was never sampled, a step past the
// animation); doing it first means a graph is either drawn whole or not at
// all, and never leaves half a primitive in a display list.
#include "model/Cls2.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class Cls9;

// One drawing step, in drawing order. Coordinates are already divided by
// the scene scale.
struct DrawOp {
    enum class Kind { Line, Marker };
    Kind kind = Kind::Line;
    int32_t color = 0;   // 0x00BBGGRR
    float width = 1.0f;  // line width (Line)
    float x1 = 0.0f, y1 = 0.0f, z1 = 0.0f;
    float x2 = 0.0f, y2 = 0.0f, z2 = 0.0f; // second end (Line)
    float size = 0.0f;   // marker size (Marker)
    int32_t symbol = 0;  // MarkerSymbol (Marker)
};

struct Curve2DPlan {
    QStringList lines;        // result pane lines, in order
    bool curvePass = false;   // explicit or parametric: the 2D line state is entered
    float lineWidth = 1.0f;   // width set on entering the pass
    std::vector<DrawOp> ops;
};

// The header line of a 2D function ("函数 y=..."), or nothing for the forms
// that have none. Quotes the expressions as stored.
std::optional<QString> Curve2DHeader(const Cls9& g);

// Plans the header, the curve, the second curve, the intersection markers,
// the inverse and the roots of a 2D function graph. `scale` is the scene
// scale (g_SceneScale). `intersections` are the crossings found by the
// intersection search of a curve-intersection graph, in the graph's units.
// Widths and sizes beyond the lists of the graph's dialog are planned at the
// list's end (StyleLists.h), as are those of the overlays. Throws
// std::out_of_range when a sample row the graph needs is missing or shorter
// than StepV, and std::domain_error for a scale that is not a positive
// finite number.
Curve2DPlan PlanCurve2D(const Cls9& g, int32_t lngAnimStep, float scale,
                        const std::vector<Cls2>& intersections = {});

// Width passed to OpenGL for an integer width member: widths below 1 are
// not valid line widths and are drawn as 1.
float LineWidthOf(int32_t width);

// One planned line or marker, all coordinates in GL units (already divided by
// the scene scale). The width is a width member, passed through LineWidthOf.
DrawOp LineOp(int32_t color, int32_t width, float x1, float y1, float z1, float x2, float y2,
              float z2);
DrawOp MarkerOp(int32_t color, float size, int32_t symbol, float x, float y, float z = 0.0f);
