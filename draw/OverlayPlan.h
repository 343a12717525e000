#pragma once
// What an analysis overlay or a fixed-style plane graph (limit, sequences)
// puts on screen and into the result pane, worked out before any OpenGL
// call, in the same way as the 2D curve plan.
#include "draw/Curve2D.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// A filled quadrilateral in the plane z = 0, corners already divided by the
// scene scale, in drawing order.
struct ShadeQuad {
    int32_t color = 0; // 0x00BBGGRR
    float x[4] = {0, 0, 0, 0};
    float y[4] = {0, 0, 0, 0};
};

struct OverlayPlan {
    QStringList lines;              // result pane lines, in order
    std::vector<ShadeQuad> quads;   // drawn first, under the lines and markers
    std::vector<DrawOp> ops;        // segments and markers, in order
    bool endsGraph = false;         // nothing further of the graph is drawn or written
};
