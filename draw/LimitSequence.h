#pragma once
// The limit graph and the arithmetic and geometric sequences: plane graphs
// drawn in fixed colours (blue curve, red dots and a green line at x0 for a
// limit; red joining curve and blue term markers for a sequence).
#include "draw/OverlayPlan.h"

#include <QString>

#include <cstdint>

// The most terms a sequence may have: the geometric sequence's curve is one
// spline through its terms, of at most 100 intervals, and every term is a
// marker and a line of the result pane. The dialogs and the readers of
// documents and pasted graphs refuse more.
inline constexpr int32_t MaxSequenceTerms = 101;

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
