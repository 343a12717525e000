#pragma once
// The band of a 2.5D graph: its sampled curve (row 0) and the same curve
// moved 3 along z (row 1), joined by one quadrilateral per segment. Normals
// and corner colours are worked out here, before any OpenGL call, so a band
// whose samples cannot be read leaves nothing in a display list.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class Cls9;

struct SurfaceVec {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

struct SurfaceRgb {
    double r = 0.0, g = 0.0, b = 0.0;
};

// Stored coordinates of both rows, columns 0 .. steps.
struct SurfaceBand {
    int32_t steps = 0;
    std::array<std::vector<SurfaceVec>, 2> rows;

    const SurfaceVec& At(int row, int32_t col) const
    {
        return rows[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }
    // Quad j: (0, j), (1, j), (1, j + 1), (0, j + 1).
    std::array<SurfaceVec, 4> Corners(int32_t j) const
    {
        return {At(0, j), At(1, j), At(1, j + 1), At(0, j + 1)};
    }
    // True when a corner of quad j holds the undefined sample value.
    bool QuadUndefined(int32_t j) const;
};

// One unit normal per quad, from the cross product of its diagonals
// (P0 - P2) x (P1 - P3). A degenerate quad gets the zero vector, and so does
// a quad touching an undefined sample: it is not drawn and must not bend the
// shading of its defined neighbours.
std::vector<SurfaceVec> SurfaceFaceNormals(const SurfaceBand& band);

// One unit normal per column, shared by both rows: the sum of the face
// normals of the quads meeting there. When the curve closes on itself (the
// first and last columns coincide within 0.001 in every coordinate of both
// rows) the two ends share one normal, so smooth shading shows no seam.
// A sum of zero stays the zero vector.
std::vector<SurfaceVec> SurfaceVertexNormals(const SurfaceBand& band,
                                             const std::vector<SurfaceVec>& faceNormals);

// The gradient of a band's colours. Colours are 0x00BBGGRR.
struct SurfacePalette {
    int32_t fillStyle = 0;
    SurfaceRgb first;   // FirstColor, at the greatest value
    SurfaceRgb second;  // SecondColor, at the least value (the single colour)
    SurfaceVec minimum; // the graph's own extents
    SurfaceVec span;    // maximum - minimum, never 0

    // From the graph's colours, fill style and its extents as GetBox (and
    // the contour shift of Draw) left them.
    static SurfacePalette Of(const Cls9& g);

    // The colour at a stored point: second + (v - min)(first - second)/span
    // along x (left to right), z (front to back) or y (top to bottom), the
    // second colour for a single colour, black for an unknown fill style.
    // Not clamped: OpenGL clamps colours.
    SurfaceRgb ColorAt(const SurfaceVec& p) const;
};

struct SurfaceQuad {
    std::array<SurfaceVec, 4> corner;
    std::array<SurfaceVec, 4> normal; // all four the face normal unless smooth
    std::array<SurfaceRgb, 4> color;
};

struct SurfacePlan {
    // ShowModel 1, 2, 3 (points, lines, filled); 0 keeps the current mode.
    int32_t polygonModel = 0;
    // Smoothness 1 flat, 2 and 3 smooth shading; 0 sets no shade model.
    int32_t smoothness = 0;
    // Smooth (3): each corner its own normal; else one normal per quad.
    bool perVertexNormals = false;
    // The quads to draw: every quad with four defined corners, in order.
    // Empty for a smoothness outside 1 .. 3.
    std::vector<SurfaceQuad> quads;
};

// Reads the band of a GraphType25DFunction (Vert3D rows 0 and 1) or of a
// GraphType25DFunctionAnimation (Anim25D at lngAnimStep) and plans it. Row 1
// and the extents must be current (Draw calls GetBox first). Throws
// std::out_of_range when a sample is missing (never sampled, a step outside
// the animation, StepV beyond the grid).
SurfaceBand ReadSurfaceBand(const Cls9& g, int32_t lngAnimStep);
SurfacePlan PlanSurface(const Cls9& g, int32_t lngAnimStep);
