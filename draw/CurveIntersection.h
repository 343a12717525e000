#pragma once
// Crossings of the two curves of a curve-intersection graph and the area
// they enclose.
#include "draw/FunctionOverlays.h"
#include "draw/OverlayPlan.h"
#include "model/Cls2.h"

#include <QString>
#include <vector>

class Cls9;

struct IntersectionPlan : OverlayPlan {
    // The crossings in the order found, in the graph's units (z 0); the
    // curve pass marks them when ShowInter is set.
    std::vector<Cls2> points;
};

// Runs when ShowInter or ShowArea is set: searches every segment pair of
// the two sampled curves, lists the crossings ("函数2 y=..." first) and,
// with ShowArea and two crossings or more, shades the region between them
// and writes the enclosed area. More than 50 crossings show a warning;
// the first 50 are listed and marked, no area is shaded or written, and the
// curves and the other overlays are drawn as usual. txtZ and txtExp2 are the two
// functions ready for the compiler. Throws std::out_of_range when a sample
// row is missing.
IntersectionPlan PlanCurveIntersection(const Cls9& g, const QString& txtZ, const QString& txtExp2,
                                       float scale);

// Puts the crossings into a planned curve: their lines right after the
// header line, or, when the search ended the graph, a plan cut back to the
// header with nothing drawn.
void MergeIntersection(const IntersectionPlan& crossing, Curve2DPlan& plan);

// Adds the shading of the enclosed area to the graph's shading, after what
// is there (the integral's), so both lie under the curves.
void AppendAreaShading(const IntersectionPlan& crossing, std::vector<ShadePiece>& shading);
