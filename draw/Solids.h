#pragma once
// The space line (GraphTypeSpaceLine) and the seven solids (prism to sphere)
// of 3D documents: what each draws, worked out from the graph's parameters
// before any OpenGL call (Solids.cpp), and its emission (Solids_gl.cpp).
// Figure points (x, y, z) go to OpenGL as (y, z, x), so the height of every
// solid runs along OpenGL +y.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class Cls9;

// A solid's surface as the GLU quadrics with their default smooth normals
// make it, already placed in OpenGL coordinates: the sides as quad strips,
// the disks and the sphere's caps as triangle fans, the sphere's other
// stacks as quad strips, with the same vertices, order and winding (front
// faces outside), so that points, wireframes and flat shading look the same.
// Strips and fans keep the vertex count low, which is what a display list
// pays for when it is compiled.
struct SolidMesh {
    struct Run {
        enum class Mode { QuadStrip, TriangleFan };
        Mode mode = Mode::QuadStrip;
        int32_t first = 0; // first vertex
        int32_t count = 0; // vertices
    };
    std::vector<float> vertices; // x y z
    std::vector<float> normals;  // one unit normal per vertex
    std::vector<Run> runs;
};

struct SolidPlan {
    bool drawn = false;        // false: nothing is drawn (kind 58, refused input)
    float r = 0.0f, g = 0.0f, b = 0.0f; // GeomColor
    // The space line: one segment, unlit, of width lineWidth (GeomWidth,
    // drawn within the dialog's list of widths).
    bool spaceLine = false;
    float from[3] = {0, 0, 0}; // OpenGL coordinates
    float to[3] = {0, 0, 0};
    float lineWidth = 1.0f;
    // Solids: shade model and polygon mode while the solid is drawn
    // (Smoothness and Show; another value keeps the mode in force).
    int32_t smoothness = 0;
    int32_t show = 0;
    SolidMesh mesh;
    // Why the figure is not drawn (a radius or height of 0 or below, fewer
    // than 3 or more than 1000 sides, a coordinate that is not finite).
    std::optional<QString> message;
};

// Plans GraphType 50 to 58. Reads the graph only.
SolidPlan PlanSolid(const Cls9& g);

// Draws the plan. A solid leaves the
// polygon mode filled and the shade model smooth, so the graph drawn next is
// not turned into a wireframe or faceted by it; the space line leaves
// lighting on and smoothing and blending off. A refused figure's message
// goes through ShowMessage (kept by the drawing's message collector). Needs
// a current OpenGL context.
void DrawSolidPlan(const SolidPlan& plan);
