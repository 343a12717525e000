#pragma once
// The 2D grid, background and the label step they share with the 2D axes and
// the 2D scene box. Everything here is plain geometry in GL units (scene
// coordinates divided by the scene scale); Grid2D_gl.cpp only emits it.
#include "model/Cls3.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The scene scale divides every 2D coordinate; it is a padded bound / 10 and
// so positive. Drawing does nothing with any other value.
bool ValidSceneScale(float sceneScale);

// The label step of 2D documents for scene scale s: v = 2s; below 5 the next
// whole number above v, otherwise the next multiple of 5 above v. Always a
// whole number >= 1 (0.5 -> 1, 4.99 -> 5, 5 -> 10, 12 -> 15).
double LabelStep2D(float sceneScale);

// Lines or ticks on one side of the origin: Int(|bound + margin| / step) + 1,
// counted outwards from the origin whatever the sign of the bound, at most
// cap. margin is +0.04 for a lower bound and -0.04 for an upper bound.
int32_t StepCount2D(float bound, double margin, double step, int32_t cap);

// Most grid lines drawn on one side of the origin.
constexpr int32_t kMaxGridLinesPerSide = 32767;

struct Line2D {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    RgbF color;
};

// Primary lines (at every step, then the two lines through the origin) and
// secondary lines (at half steps), in drawing order.
std::vector<Line2D> Grid2DLines(const Cls3& cs, float sceneScale, float minX, float maxX,
                                float minY, float maxY);

struct ColoredVertex {
    float x = 0, y = 0;
    std::optional<RgbF> color;  // none: drawn in whatever colour is current
};

struct FillShape {
    bool quad = false;  // a GL_QUADS of four vertices, else a GL_TRIANGLES of three
    std::vector<ColoredVertex> v;
};

struct Background2D {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // the rectangle, also the black border
    std::vector<FillShape> shapes;           // shadow (if any) first, then the fill
};

// Nothing when ShowBackground is off. The rectangle is the scene box in GL
// units widened by 5.1 on every side.
std::optional<Background2D> Background2DLayout(const Cls3& cs, float sceneScale, float minX,
                                               float maxX, float minY, float maxY);
