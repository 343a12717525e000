#pragma once
// What a point graph (still or animated) puts on screen, worked out before
// any OpenGL call is made, so that a graph whose samples cannot be read
// leaves nothing behind in a display list.
#include "model/Cls2.h"

#include <cstdint>
#include <optional>

class Cls9;

struct PointPlan {
    // 2D documents draw the marker unlit and antialiased, as flat shapes;
    // other documents draw a sphere under the lighting in force.
    bool lineState2D = false;
    // The marker, positioned (divided by the scene scale in 2D documents),
    // or nothing when the point has an undefined coordinate.
    std::optional<Cls2> marker;
};

// Plans a GraphTypePoint (sample (0, 0) of Vert3D) or a
// GraphTypePointAnimation (sample lngAnimStep of Anim1D). `documentKind`
// is g_DocumentKind and `scale` g_SceneScale. A point with an undefined
// coordinate (a value its expressions could not compute) gets no marker.
// Throws std::out_of_range when the sample is missing (the graph was never
// sampled, or the step lies outside the animation), and std::domain_error
// for a 2D scale that is not a positive finite number.
PointPlan PlanPoint(const Cls9& g, int32_t lngAnimStep, int32_t documentKind, float scale);
