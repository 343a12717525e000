#pragma once
// The limit graph and the arithmetic and geometric sequences: plane graphs
// drawn in fixed colours (blue curve, red dots and a green line at x0 for a
// limit; red joining curve and blue term markers for a sequence).
#include "draw/OverlayPlan.h"

#include <QString>

class Cls9;

// Limit (GraphTypeLimit): polyline of the samples (LimitShowL), their dots
// (LimitShowP) and the vertical line at LimitX0 over the graph's own y
// extent. No text. Throws std::out_of_range when the samples are missing.
OverlayPlan PlanLimit(const Cls9& g, float scale);

// A sequence (GraphTypeArithmeticSequence or GraphTypeGeometricSequence):
// the joining lines or curve, the term markers, and the whole result-pane
// text, whose last line (the sum) has no line break.
struct SequencePlan {
    QString text;
    std::vector<DrawOp> curve;   // red joining segments
    std::vector<DrawOp> markers; // one per term
    bool smooth = false;         // geometric: drawn antialiased
};
SequencePlan PlanSequence(const Cls9& g, float scale);
