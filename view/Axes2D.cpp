// Geometry of the 2D axes: ticks, lines, arrow heads and texts.
#include "view/Axes2D.h"

#include "model/StyleLists.h"

#include <cmath>

namespace {

QString WholeText(double value)
{
    return QString::number(value, 'f', 0);
}

}  // namespace

float LabelCentreShift(int length)
{
    if (length > 2)
        return 0.45f;
    if (length == 2)
        return 0.3f;
    return 0.15f;
}

std::optional<Axes2DLayout> Axes2D(const Cls3& cs, float sceneScale, float minX, float maxX,
                                   float minY, float maxY)
{
    if (!ValidSceneScale(sceneScale))
        return std::nullopt;

    Axes2DLayout a;
    const float S = sceneScale;
    const float v = 2.0f * S;
    a.step = LabelStep2D(S);
    a.sx = cs.ShowPI ? kPiStep : static_cast<float>(a.step);
    a.gx = a.sx / v * 2.0f;
    a.gy = static_cast<float>(a.step) / v * 2.0f;

    const int32_t cap = kMaxTicksPerHalfAxis;
    a.nXneg = StepCount2D(minX, 0.04, a.sx, cap);
    a.nXpos = StepCount2D(maxX, -0.04, a.sx, cap);
    a.nYneg = StepCount2D(minY, 0.04, a.step, cap);
    a.nYpos = StepCount2D(maxY, -0.04, a.step, cap);

    // Ticks point up from the x axis and right from the y axis.
    const RgbF black{0.0f, 0.0f, 0.0f};
    auto halfAxis = [&](bool xAxis, float sign, int32_t count, float g) {
        auto tick = [&](float p, float h) {
            if (xAxis)
                a.ticks.push_back({p, 0.0f, p, h, black});
            else
                a.ticks.push_back({0.0f, p, h, p, black});
        };
        for (int32_t i = 0; i < count; ++i) {
            if (cs.ShowSecondaryLabel)
                for (float f : {0.2f, 0.4f, 0.6f, 0.8f})
                    tick(sign * (i + f) * g, 0.3f);
            tick(sign * (i + 1) * g, 0.5f);
        }
    };
    halfAxis(true, -1.0f, a.nXneg, a.gx);
    halfAxis(false, -1.0f, a.nYneg, a.gy);
    halfAxis(true, 1.0f, a.nXpos, a.gx);
    halfAxis(false, 1.0f, a.nYpos, a.gy);

    a.xL = static_cast<float>(-a.nXneg * static_cast<double>(a.sx)) / S;
    a.xR = static_cast<float>(a.nXpos * static_cast<double>(a.sx)) / S;
    a.yB = static_cast<float>(-a.nYneg * a.step) / S;
    a.yT = static_cast<float>(a.nYpos * a.step) / S;

    a.axisColor = Cls3::ColorToRGB(cs.AxisColor);
    // A width beyond the dialog's list is drawn, heads and all, at its nearer end.
    a.axisWidth = kAxisWidths.Clamp(cs.AxisWidth);
    // A wider axis line moves its head by d below the x axis and left of the y axis.
    const float d = static_cast<float>(a.axisWidth - 1) * 0.01f;
    a.arrowX = {{{a.xR + 2.6f, -d}, {a.xR + 2.0f, 0.2f - d}, {a.xR + 2.0f, -0.2f - d}}};
    a.arrowY = {{{-d, a.yT + 2.6f}, {0.2f - d, a.yT + 2.0f}, {-0.2f - d, a.yT + 2.0f}}};
    // Only the upper (x) and right (y) edges are stroked, to smooth them.
    a.edgeX = {a.arrowX[0][0], a.arrowX[0][1], a.arrowX[1][0], a.arrowX[1][1], a.axisColor};
    a.edgeY = {a.arrowY[0][0], a.arrowY[0][1], a.arrowY[1][0], a.arrowY[1][1], a.axisColor};
    a.xAxis = {a.xL - 2.1f, 0.0f, a.xR + 2.1f, 0.0f, a.axisColor};
    a.yAxis = {0.0f, a.yB - 2.1f, 0.0f, a.yT + 2.1f, a.axisColor};

    // Labels of major tick i + 1 counted outwards from the origin.
    auto label = [&](bool xAxis, bool negative, int32_t i) -> QString {
        if (xAxis && cs.ShowPI) {
            const QString pi = i == 0 ? QStringLiteral("pi") : QString::number(i + 1) + QStringLiteral("pi");
            return negative ? QLatin1Char('-') + pi : pi;
        }
        const QString whole = WholeText((i + 1) * a.step);
        return negative ? QLatin1Char('-') + whole : whole;
    };
    auto xLabels = [&](bool negative, int32_t count) {
        const float sign = negative ? -1.0f : 1.0f;
        for (int32_t i = 0; i < count; ++i) {
            const QString t = label(true, negative, i);
            a.texts.push_back({t, false, sign * (i + 1) * a.gx - LabelCentreShift(t.size()), -0.8f,
                               kAxisLabelColor});
        }
    };
    auto yLabels = [&](bool negative, int32_t count) {
        const float sign = negative ? -1.0f : 1.0f;
        for (int32_t i = 0; i < count; ++i) {
            const QString t = label(false, negative, i);
            // Right-aligned: the label ends 0.45 left of the axis.
            a.texts.push_back({t, false, -(t.size() / 3.9f + 0.45f), sign * (i + 1) * a.gy - 0.2f,
                               kAxisLabelColor});
        }
    };
    xLabels(true, a.nXneg);
    yLabels(true, a.nYneg);
    xLabels(false, a.nXpos);
    yLabels(false, a.nYpos);
    a.texts.push_back({QStringLiteral("0"), false, -0.65f, -0.8f, kAxisLabelColor});
    a.texts.push_back({QStringLiteral("X"), true, a.xR + 2.0f, -1.2f, 0});
    a.texts.push_back({QStringLiteral("Y"), true, -1.0f, a.yT + 2.0f, 0});
    return a;
}
