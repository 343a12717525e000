// Geometry of the coordinate system of 2.5D and 3D documents.
#include "view/Axes3D.h"

#include "model/Globals.h"

#include <algorithm>
#include <cmath>

namespace {

// Rotation by 0 degrees about y: the text is not turned.
constexpr std::array<float, 4> kNoTurn{0.0f, 0.0f, 1.0f, 0.0f};
// Reads downwards, starting at its top.
constexpr std::array<float, 4> kDownwards{-90.0f, 0.0f, 0.0f, 1.0f};
// Runs towards smaller z along the depth edge.
constexpr std::array<float, 4> kAlongDepth{90.0f, 0.0f, 1.0f, 0.0f};

int32_t ClampCount(int32_t n)
{
    return std::clamp(n, kMinBoxIntervals, kMaxBoxIntervals);
}

bool AllFinite(std::initializer_list<float> values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

}  // namespace

QString BoxLabelText(float value)
{
    QString text = QString::number(static_cast<double>(value), 'f', 1);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (text == QLatin1String("0.0"))
        return text;  // no "-0.0" for values that round to zero
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    for (qsizetype i = point - 3; i > 0; i -= 3)
        text.insert(i, QLatin1Char(','));
    return negative ? QLatin1Char('-') + text : text;
}

float BoxTextWidth(const QString& text)
{
    return static_cast<float>(text.size()) / 3.9f;
}

std::optional<Frame3DLayout> Frame3D(const Cls3& cs, int32_t kind, float minX, float maxX,
                                     float minY, float maxY, float minZ, float maxZ)
{
    const bool is25D = kind == DocumentKind25D;
    if (is25D) {
        // The band of a 2.5D graph is 3 units deep, whatever the box says.
        minZ = 0.0f;
        maxZ = 3.0f;
    }
    if (!AllFinite({minX, maxX, minY, maxY, minZ, maxZ}))
        return std::nullopt;

    Frame3DLayout f;
    f.minZ = minZ;
    f.maxZ = maxZ;
    f.countX = ClampCount(cs.LabelNumY);  // GL x carries the figure's y
    f.countY = ClampCount(cs.LabelNumZ);  // GL y carries the figure's z
    f.countZ = ClampCount(cs.LabelNumX);  // GL z carries the figure's x
    f.xs = (maxX - minX) / static_cast<float>(f.countX);
    f.ys = (maxY - minY) / static_cast<float>(f.countY);
    f.zs = (maxZ - minZ) / static_cast<float>(f.countZ);
    const auto gx = [&](int32_t i) { return minX + static_cast<float>(i) * f.xs; };
    const auto gy = [&](int32_t i) { return minY + static_cast<float>(i) * f.ys; };
    const auto gz = [&](int32_t i) { return minZ + static_cast<float>(i) * f.zs; };

    f.panels[0] = {cs.ShowYZPanel, cs.YZPanelMaterial, Cls3::ColorToRGB(cs.YZPanelColor),
                   {0, 0, 1},
                   {{{minX, minY, minZ}, {maxX, minY, minZ}, {maxX, maxY, minZ}, {minX, maxY, minZ}}}};
    f.panels[1] = {cs.ShowXZPanel, cs.XZPanelMaterial, Cls3::ColorToRGB(cs.XZPanelColor),
                   {1, 0, 0},
                   {{{minX, minY, minZ}, {minX, maxY, minZ}, {minX, maxY, maxZ}, {minX, minY, maxZ}}}};
    f.panels[2] = {cs.ShowXYPanel, cs.XYPanelMaterial, Cls3::ColorToRGB(cs.XYPanelColor),
                   {0, 1, 0},
                   {{{minX, minY, minZ}, {minX, minY, maxZ}, {maxX, minY, maxZ}, {maxX, minY, minZ}}}};

    // One batch per shown family; `line` gives the line at step i.
    const auto addGrid = [&](bool shown, int32_t color, int32_t count, auto line) {
        if (!shown)
            return;
        GridBatch3D batch{Cls3::ColorToRGB(color), {}};
        for (int32_t i = 0; i <= count; ++i)
            batch.lines.push_back(line(i));
        f.grids.push_back(std::move(batch));
    };
    addGrid(cs.ShowYZYGrid, cs.YZGridColor, f.countX,
            [&](int32_t i) { return Line3D{{gx(i), minY, minZ}, {gx(i), maxY, minZ}}; });
    addGrid(cs.ShowYZZGrid, cs.YZGridColor, f.countY,
            [&](int32_t i) { return Line3D{{minX, gy(i), minZ}, {maxX, gy(i), minZ}}; });
    addGrid(cs.ShowXZXGrid, cs.XZGridColor, f.countZ,
            [&](int32_t i) { return Line3D{{minX, minY, gz(i)}, {minX, maxY, gz(i)}}; });
    addGrid(cs.ShowXZZGrid, cs.XZGridColor, f.countY,
            [&](int32_t i) { return Line3D{{minX, gy(i), minZ}, {minX, gy(i), maxZ}}; });
    addGrid(cs.ShowXYXGrid, cs.XYGridColor, f.countZ,
            [&](int32_t i) { return Line3D{{minX, minY, gz(i)}, {maxX, minY, gz(i)}}; });
    addGrid(cs.ShowXYYGrid, cs.XYGridColor, f.countX,
            [&](int32_t i) { return Line3D{{gx(i), minY, minZ}, {gx(i), minY, maxZ}}; });

    const float t = kBoxTickLength;
    if (!is25D)
        for (int32_t i = 0; i <= f.countZ; ++i)
            f.ticks.push_back({{maxX, minY, gz(i)}, {maxX, minY - t, gz(i)}});
    for (int32_t i = 0; i <= f.countX; ++i)
        f.ticks.push_back({{gx(i), minY, maxZ}, {gx(i), minY - t, maxZ}});
    for (int32_t i = 0; i <= f.countY; ++i)
        f.ticks.push_back({{minX, gy(i), maxZ}, {minX - t, gy(i), maxZ}});

    const auto addText = [&](const QString& text, bool bold, Point3F p,
                             const std::array<float, 4>& rotation) {
        f.texts.push_back({text, bold, p, rotation});
    };
    for (int32_t i = 0; i <= f.countX; ++i)
        addText(BoxLabelText(gx(i)), false, {gx(i) - 1.0f, minY - 1.3f, maxZ}, kNoTurn);
    {
        const float w = BoxTextWidth(cs.TitleY);
        addText(cs.TitleY, true, {minX + (maxX - minX - w) / 2.0f - 1.0f, minY - 2.3f, maxZ},
                kNoTurn);
    }
    float xLast = minX;
    for (int32_t i = 0; i <= f.countY; ++i) {
        const QString label = BoxLabelText(gy(i));
        xLast = minX - (BoxTextWidth(label) + 0.7f);
        addText(label, false, {xLast, gy(i), maxZ}, kNoTurn);
    }
    {
        // Left of the last label, so a longer top number moves it aside.
        const float w = BoxTextWidth(cs.TitleZ);
        addText(cs.TitleZ, true, {xLast - 1.0f, minY + (maxY - minY - w) / 2.0f + w, maxZ},
                kDownwards);
    }
    if (!is25D) {
        for (int32_t i = 0; i <= f.countZ; ++i)
            addText(BoxLabelText(gz(i)), false, {maxX, minY - 1.3f, gz(i)}, kAlongDepth);
        const float w = BoxTextWidth(cs.TitleX);
        addText(cs.TitleX, true,
                {maxX, minY - 2.3f, minZ + (maxZ - minZ - w) / 2.0f + w - 0.5f}, kAlongDepth);
    }
    return f;
}

std::optional<ThreeLineAxesLayout> ThreeLineAxes(float minX, float maxX, float minY, float maxY,
                                                 float minZ, float maxZ)
{
    if (!AllFinite({minX, maxX, minY, maxY, minZ, maxZ}))
        return std::nullopt;
    ThreeLineAxesLayout a;
    // The axes run through the origin, so the box is widened to hold it.
    a.minX = std::min(minX, 0.0f);
    a.minY = std::min(minY, 0.0f);
    a.minZ = std::min(minZ, 0.0f);
    a.maxX = std::max(maxX, 0.0f);
    a.maxY = std::max(maxY, 0.0f);
    a.maxZ = std::max(maxZ, 0.0f);
    const float o = kAxisOverhang;
    a.lines[0] = {{0, 0, a.minZ - o}, {0, 0, a.maxZ + o}};
    a.lines[1] = {{0, a.minY - o, 0}, {0, a.maxY + o, 0}};
    a.lines[2] = {{a.minX - o, 0, 0}, {a.maxX + o, 0, 0}};
    a.cones[0] = {{0, 0, a.maxZ + o}, {0.0f, 0.0f, 1.0f, 0.0f}};
    a.cones[1] = {{a.maxX + o, 0, 0}, {90.0f, 0.0f, 1.0f, 0.0f}};
    a.cones[2] = {{0, a.maxY + o, 0}, {-90.0f, 1.0f, 0.0f, 0.0f}};
    return a;
}
