#pragma once
// Lines, circles, ellipses, hyperbolas and parabolas of 2D documents: what
// each puts on screen and into the result pane, worked out before any OpenGL
// call (PlaneFigures.cpp), and its emission (PlaneFigures_gl.cpp).
#include "draw/Curve2D.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Cls9;

// Number text as the figure analysis writes it: without the "0" before the
// point below 1, and with a leading blank when the value is 0 or more
// (0.5 -> " .5", -0.25 -> "-.25", 0 -> " 0").
QString SignedNumberText(float value);

struct PlaneFigurePlan {
    QStringList lines;              // result pane lines, in order
    std::vector<DrawOp> ops;        // segments and markers, in drawing order
    // Ends the figure: nothing after it was planned. Shown after the
    // drawing; empty when the expression compiler has already shown its own.
    std::optional<QString> message;
};

// Plans a figure graph (GraphTypeLine .. GraphTypeParabola). `scale` is the
// scene scale. Reads the graph only: its samples, members and box stay as
// they are. Samples that are undefined or not finite are never joined; runs
// of joined samples shorter than a pixel become chords (SegmentMerge.h).
// Widths and the point's size beyond the dialogs' lists are planned at the
// list's end (StyleLists.h); a number with no 32-bit form reads "溢出". A
// problem that stops the figure (a tangent point off the circle, three
// points on one line, ...) ends the plan at that point and is given in
// `message`; what was planned before it stays. A line whose x(u) does not
// compile ends the plan after the compiler's own message.
PlaneFigurePlan PlanPlaneFigure(const Cls9& g, float scale);

// Unlit and antialiased, then the state is given back; writes the pane and
// shows the message (title "提示"). Needs a current OpenGL context.
void DrawPlaneFigure(const PlaneFigurePlan& plan);
