// Geometry of the 2D grid and background and the label step they share.
#include "view/Grid2D.h"

#include <algorithm>
#include <cmath>

bool ValidSceneScale(float sceneScale)
{
    return sceneScale > 0.0f && std::isfinite(sceneScale);
}

double LabelStep2D(float sceneScale)
{
    const float v = 2.0f * sceneScale;
    // The scene scale is a padded bound / 10 and so always positive; anything
    // else gets the smallest step instead of a zero or negative one.
    if (!(v > 0.0f) || !std::isfinite(v))
        return 1.0;
    if (v < 5.0f)
        return std::floor(static_cast<double>(v)) + 1.0;
    return (std::floor(static_cast<double>(v) / 5.0) + 1.0) * 5.0;
}

int32_t StepCount2D(float bound, double margin, double step, int32_t cap)
{
    const double q = std::fabs(static_cast<double>(bound) + margin) / step;
    if (std::isnan(q))
        return 1;
    if (q >= static_cast<double>(cap))
        return cap;  // also infinity; the float-to-int conversion would overflow
    return std::min<int32_t>(static_cast<int32_t>(std::floor(q)) + 1, cap);
}

std::vector<Line2D> Grid2DLines(const Cls3& cs, float sceneScale, float minX, float maxX,
                                float minY, float maxY)
{
    std::vector<Line2D> lines;
    if (!ValidSceneScale(sceneScale) || (!cs.ShowprimaryGrid && !cs.ShowSecondaryGrid))
        return lines;

    const double step = LabelStep2D(sceneScale);
    const float d = static_cast<float>(step / sceneScale);
    const int32_t cap = kMaxGridLinesPerSide;
    const int32_t nxNeg = StepCount2D(minX, 0.04, step, cap);
    const int32_t nxPos = StepCount2D(maxX, -0.04, step, cap);
    const int32_t nyNeg = StepCount2D(minY, 0.04, step, cap);
    const int32_t nyPos = StepCount2D(maxY, -0.04, step, cap);

    // Every line overhangs the outermost grid line by 2 GL units.
    const float yLow = -nyNeg * d - 2.0f;
    const float yHigh = nyPos * d + 2.0f;
    const float xLow = -nxNeg * d - 2.0f;
    const float xHigh = nxPos * d + 2.0f;

    auto family = [&](RgbF color, float shift) {
        auto vertical = [&](float x) { lines.push_back({x, yLow, x, yHigh, color}); };
        auto horizontal = [&](float y) { lines.push_back({xLow, y, xHigh, y, color}); };
        for (int32_t i = 1; i <= nxNeg; ++i)
            vertical(-(i - shift) * d);
        for (int32_t i = 1; i <= nxPos; ++i)
            vertical((i - shift) * d);
        for (int32_t i = 1; i <= nyNeg; ++i)
            horizontal(-(i - shift) * d);
        for (int32_t i = 1; i <= nyPos; ++i)
            horizontal((i - shift) * d);
    };

    if (cs.ShowprimaryGrid) {
        const RgbF c = Cls3::ColorToRGB(cs.PriGridColor);
        family(c, 0.0f);
        lines.push_back({0.0f, yLow, 0.0f, yHigh, c});
        lines.push_back({xLow, 0.0f, xHigh, 0.0f, c});
    }
    if (cs.ShowSecondaryGrid)
        family(Cls3::ColorToRGB(cs.SecGridColor), 0.5f);
    return lines;
}

namespace {

// Vertex colours of the fill types drawn as four triangles, by corner:
// 1 = first colour, 2 = second colour, M = their mean.
struct TriangleFill {
    char bl, br, tl, tr, c;
};

std::optional<TriangleFill> TriangleFillOf(int32_t style)
{
    switch (style) {
    case 1: return TriangleFill{'1', '1', '1', '1', '1'};
    case 2: return TriangleFill{'1', '1', '2', '2', 'M'};
    case 3: return TriangleFill{'2', '2', '1', '1', 'M'};
    case 6: return TriangleFill{'2', '1', '2', '1', 'M'};
    case 7: return TriangleFill{'1', '2', '1', '2', 'M'};
    case 10: return TriangleFill{'M', '1', '2', 'M', 'M'};
    case 11: return TriangleFill{'M', '2', '1', 'M', 'M'};
    case 12: return TriangleFill{'1', '2', '2', '1', '1'};
    case 13: return TriangleFill{'2', '1', '1', '2', '2'};
    case 14: return TriangleFill{'1', 'M', 'M', '2', 'M'};
    case 15: return TriangleFill{'2', 'M', 'M', '1', 'M'};
    case 16: return TriangleFill{'2', '1', '1', '2', '1'};
    case 17: return TriangleFill{'1', '2', '2', '1', '2'};
    case 18: return TriangleFill{'1', '1', '1', '1', '2'};
    case 19: return TriangleFill{'2', '2', '2', '2', '1'};
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<Background2D> Background2DLayout(const Cls3& cs, float sceneScale, float minX,
                                               float maxX, float minY, float maxY)
{
    if (!cs.ShowBackground || !ValidSceneScale(sceneScale))
        return std::nullopt;

    Background2D bg;
    const float S = sceneScale;
    bg.x0 = minX / S - 5.1f;
    bg.x1 = maxX / S + 5.1f;
    bg.y0 = minY / S - 5.1f;
    bg.y1 = maxY / S + 5.1f;
    const float x0 = bg.x0, x1 = bg.x1, y0 = bg.y0, y1 = bg.y1;
    const float xm = (x0 + x1) / 2.0f;
    const float ym = (y0 + y1) / 2.0f;

    if (cs.ShowShadow) {
        const RgbF grey{0.4f, 0.4f, 0.4f};
        // Drawn first; the fill covers it but for a strip along the right and top.
        bg.shapes.push_back({true,
                             {{x0 + 0.8f, y0 + 0.8f, grey},
                              {x1 + 0.8f, y0 + 0.8f, grey},
                              {x1 + 0.8f, y1 + 0.8f, grey},
                              {x0 + 0.8f, y1 + 0.8f, grey}}});
    }

    const RgbF c1 = Cls3::ColorToRGB(cs.BackColor);
    const RgbF c2 = Cls3::ColorToRGB(cs.BackColor2);
    const RgbF mean{(c1.r + c2.r) / 2.0f, (c1.g + c2.g) / 2.0f, (c1.b + c2.b) / 2.0f};

    const int32_t style = cs.BackStyle;
    if (style == 4 || style == 5 || style == 8 || style == 9) {
        // Two quads meeting along a middle line: inner colour at the middle,
        // outer colour at the edges.
        const bool swap = (style == 5 || style == 9);
        const RgbF inner = swap ? c2 : c1;
        const RgbF outer = swap ? c1 : c2;
        if (style == 4 || style == 5) {
            bg.shapes.push_back({true, {{x0, y0, outer}, {x1, y0, outer}, {x1, ym, inner}, {x0, ym, inner}}});
            bg.shapes.push_back({true, {{x0, y1, outer}, {x1, y1, outer}, {x1, ym, inner}, {x0, ym, inner}}});
        } else {
            bg.shapes.push_back({true, {{x0, y0, outer}, {x0, y1, outer}, {xm, y1, inner}, {xm, y0, inner}}});
            bg.shapes.push_back({true, {{x1, y0, outer}, {x1, y1, outer}, {xm, y1, inner}, {xm, y0, inner}}});
        }
        return bg;
    }

    // Every other value draws four triangles towards the centre. An unknown
    // fill type (only from a hand-edited document) sets no colour of its own.
    const std::optional<TriangleFill> fill = TriangleFillOf(style);
    auto pick = [&](char which) -> std::optional<RgbF> {
        if (!fill)
            return std::nullopt;
        return which == '1' ? c1 : which == '2' ? c2 : mean;
    };
    const ColoredVertex bl{x0, y0, pick(fill ? fill->bl : 0)};
    const ColoredVertex br{x1, y0, pick(fill ? fill->br : 0)};
    const ColoredVertex tl{x0, y1, pick(fill ? fill->tl : 0)};
    const ColoredVertex tr{x1, y1, pick(fill ? fill->tr : 0)};
    const ColoredVertex c{xm, ym, pick(fill ? fill->c : 0)};
    bg.shapes.push_back({false, {bl, br, c}});  // bottom
    bg.shapes.push_back({false, {bl, tl, c}});  // left
    bg.shapes.push_back({false, {tl, tr, c}});  // top
    bg.shapes.push_back({false, {br, tr, c}});  // right
    return bg;
}
