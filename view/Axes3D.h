#pragma once
// Geometry of the coordinate system of 2.5D and 3D documents: the panel box
// (panels on the three minimum faces, grid lines on them, ticks, labels and
// titles along three front edges) and the three-line axes with cone heads.
// Everything is in OpenGL coordinates as the graphs are drawn; Cls3_gl.cpp
// and Axes3D_gl.cpp emit it.
#include "model/Cls3.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Interval counts of the box edges are kept within 1..50: a count of 0 would
// divide by zero and the label tables hold 51 entries.
constexpr int32_t kMinBoxIntervals = 1;
constexpr int32_t kMaxBoxIntervals = 50;

// Length of a tick mark below or left of its edge.
constexpr float kBoxTickLength = 0.3f;

using Point3F = std::array<float, 3>;

struct Line3D {
    Point3F a{};
    Point3F b{};
};

// One face of the box. The material preset is applied whether or not the
// panel is shown, so the last face's material stays current afterwards.
struct Panel3D {
    bool shown = false;
    int32_t material = 0;  // MaterialPreset
    RgbF color;
    Point3F normal{};
    std::array<Point3F, 4> corners{};
};

// One family of grid lines, drawn as one batch in its face's colour.
struct GridBatch3D {
    RgbF color;
    std::vector<Line3D> lines;
};

struct Text3D {
    QString text;
    bool bold = false;  // titles bold, numbers normal
    Point3F position{};
    std::array<float, 4> rotation{};  // degrees, then the axis
};

struct Frame3DLayout {
    float minZ = 0, maxZ = 0;  // the z range used (0..3 in 2.5D documents)
    int32_t countX = 2, countY = 2, countZ = 2;  // intervals along GL x, y, z
    float xs = 0, ys = 0, zs = 0;  // interval sizes along GL x, y, z
    std::array<Panel3D, 3> panels;  // YZ (z = MinZ), XZ (x = MinX), XY (y = MinY)
    std::vector<GridBatch3D> grids;  // shown families, in drawing order
    std::vector<Line3D> ticks;  // black, one batch
    std::vector<Text3D> texts;  // blue, in drawing order
};

// Label text of a box coordinate: one digit after the point, a leading zero,
// a leading minus sign and comma thousands separators (0.0, -0.5, 1,234.0).
// A value that rounds to zero reads "0.0".
QString BoxLabelText(float value);

// Width in drawing units taken for a text of that many characters.
float BoxTextWidth(const QString& text);

// Lays out the panel box for the scene box. kind is the document kind:
// 2.5D documents use the z range 0..3 and label two edges, 3D documents
// three. Interval counts outside 1..50 are brought into that range. A box
// with a bound that is not finite gives no layout.
std::optional<Frame3DLayout> Frame3D(const Cls3& cs, int32_t kind, float minX, float maxX,
                                     float minY, float maxY, float minZ, float maxZ);

// A cone head: placed at `base`, turned by rotation[0] degrees about the rest.
struct Cone3D {
    Point3F base{};
    std::array<float, 4> rotation{};
};

struct ThreeLineAxesLayout {
    // The box widened to hold the origin.
    float minX = 0, maxX = 0, minY = 0, maxY = 0, minZ = 0, maxZ = 0;
    std::array<Line3D, 3> lines;  // along z, y, x, each 2 beyond the box
    std::array<Cone3D, 3> cones;  // at the far ends of the lines, along +z, +x, +y
};

constexpr float kAxisOverhang = 2.0f;
constexpr float kConeBaseRadius = 0.2f;
constexpr float kConeHeight = 0.5f;

// Lays out the three-line axes; a non-finite bound gives no layout.
std::optional<ThreeLineAxesLayout> ThreeLineAxes(float minX, float maxX, float minY, float maxY,
                                                 float minZ, float maxZ);
