#pragma once
// A point in space that can draw itself as a marker. Used as a plain vertex
// (only x, y, z: the sampled point grids of a graph, the camera's points) and
// as a marker at extremes, roots, intersections, points and stem heads.
// Points are shared by reference (std::shared_ptr<Cls2>): a grid element read
// by drawing or sampling is the graph's own point, not a copy.
#include <cstdint>
#include <memory>

enum MarkerSymbol : int32_t {
    MarkerSymbolFilledCircle = 1,
    MarkerSymbolHollowCircle = 2,
    MarkerSymbolFilledSquare = 3,
    MarkerSymbolFilledTriangle = 4,
    MarkerSymbolDiamond = 5,
    MarkerSymbolCrossHair = 6,
};

class Cls2 {
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    int32_t Color = 0;       // R + 256*G + 65536*B
    float Size = 0.15f;      // every extent of the marker is a multiple of it
    int32_t Symbol = 0;      // MarkerSymbol; 0 and unknown values draw nothing in 2D
    bool Hollow = false;     // stored only: ask for a ring with Symbol 2
    bool Show = false;       // stored only

    // A new point at (x, y, z) with every other member at its start value.
    static std::shared_ptr<Cls2> Init(float x, float y, float z);

    // Draws the marker into the current OpenGL context: a flat symbol at
    // depth 0 in 2D documents, a sphere of radius 0.05*Size + 0.05 otherwise.
    // Leaves the colour (and for symbols 2 and 6 the line width) as it set
    // them; restores only the modelview matrix. Defined in Cls2_gl.cpp.
    void Draw() const;
};

using PointRef = std::shared_ptr<Cls2>;
