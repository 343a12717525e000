#pragma once
// The space line (GraphTypeSpaceLine) and the seven solids (prism to sphere)
// of 3D documents: what each draws, worked out from the graph's parameters
// before any OpenGL call (Solids.cpp), and its emission with GLU quadrics
// (Solids_gl.cpp). Figure points (x, y, z) go to OpenGL as (y, z, x), so the
// height of every solid runs along OpenGL +y.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class Cls9;

// One step of a solid in local frames, in OpenGL coordinates.
struct SolidStep {
    enum class Kind {
        Place,    // push the matrix, translate by (a, b, c), rotate -90 about x
        Pop,      // pop the matrix pushed last
        Cylinder, // gluCylinder(base a, top b, height c, slices, stacks)
        Disk,     // gluDisk(inner 0, outer a, slices, 1 loop)
        Sphere,   // gluSphere(radius a, slices, stacks)
    };
    Kind kind = Kind::Place;
    double a = 0.0, b = 0.0, c = 0.0;
    int32_t slices = 0;
    int32_t stacks = 0;
};

struct SolidPlan {
    bool drawn = false;        // false: nothing is drawn (kind 58, refused input)
    float r = 0.0f, g = 0.0f, b = 0.0f; // GeomColor
    // The space line: one segment, unlit, of width lineWidth.
    bool spaceLine = false;
    float from[3] = {0, 0, 0}; // OpenGL coordinates
    float to[3] = {0, 0, 0};
    float lineWidth = 1.0f;
    // Solids: shade model and polygon mode while the solid is drawn
    // (Smoothness and Show; another value keeps the mode in force).
    int32_t smoothness = 0;
    int32_t show = 0;
    std::vector<SolidStep> steps;
    // Why the figure is not drawn (a radius or height of 0 or below, fewer
    // than 3 or more than 1000 sides, a coordinate that is not finite).
    std::optional<QString> message;
};

// Plans GraphType 50 to 58. Reads the graph only.
SolidPlan PlanSolid(const Cls9& g);

// Draws the plan with one GLU quadric made for the call. A solid leaves the
// polygon mode filled and the shade model smooth, so the graph drawn next is
// not turned into a wireframe or faceted by it; the space line leaves
// lighting on and smoothing and blending off. A refused figure's message
// goes through ShowMessage (kept by the drawing's message collector). Needs
// a current OpenGL context.
void DrawSolidPlan(const SolidPlan& plan);
