// Plans of the limit graph and of the arithmetic and geometric sequences.
#include "draw/LimitSequence.h"

#include "expr/Globals.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "sampling/Spline.h"

#include <cmath>

namespace {

constexpr int32_t Red = 0x0000FF;
constexpr int32_t Green = 0x00FF00;
constexpr int32_t Blue = 0xFF0000;

bool Defined(float v) { return v != UndefinedSample; }

DrawOp Line(int32_t color, float x1, float y1, float x2, float y2)
{
    return LineOp(color, 1, x1, y1, 0.0f, x2, y2, 0.0f);
}

DrawOp Dot(int32_t color, float size, float x, float y)
{
    return MarkerOp(color, size, MarkerSymbolFilledCircle, x, y);
}

} // namespace

OverlayPlan PlanLimit(const Cls9& g, float s)
{
    OverlayPlan plan;
    if (g.LimitShowL) {
        for (int32_t i = 0; i < g.StepV; ++i) {
            const Cls2& p = g.Vert3D(0, i);
            const Cls2& q = g.Vert3D(0, i + 1);
            // A sample outside the plot range is undefined in x as well.
            if (Defined(p.x) && Defined(p.y) && Defined(q.x) && Defined(q.y))
                plan.ops.push_back(Line(Blue, p.x / s, p.y / s, q.x / s, q.y / s));
        }
    }
    if (g.LimitShowP) {
        for (int32_t i = 0; i <= g.StepV; ++i) {
            const Cls2& p = g.Vert3D(0, i);
            if (Defined(p.x) && Defined(p.y))
                plan.ops.push_back(Dot(Red, 0.3f, p.x / s, p.y / s));
        }
    }
    plan.ops.push_back(
        Line(Green, g.LimitX0 / s, g.BoxMaxY / s, g.LimitX0 / s, g.BoxMinY / s));
    return plan;
}

SequencePlan PlanSequence(const Cls9& g, float s)
{
    SequencePlan plan;
    const bool geometric = g.GraphType == GraphTypeGeometricSequence;
    const float a1 = g.GPara1;
    const float dq = g.GPara2;
    const int32_t n = g.EdgeNum;

    plan.text = geometric ? QStringLiteral("等比数列 an=") + NumberText(a1) + QStringLiteral("*") +
                                NumberText(dq) + QStringLiteral("^(n-1)")
                          : QStringLiteral("等差数列 an=") + NumberText(a1) +
                                QStringLiteral("+(n-1)*") + NumberText(dq);
    plan.text += g_CrLf;

    std::vector<float> xs, terms;
    for (int32_t k = 1; k <= n; ++k) {
        xs.push_back(static_cast<float>(k));
        terms.push_back(geometric
                            ? static_cast<float>(std::pow(static_cast<double>(dq), k - 1) * a1)
                            : static_cast<float>(static_cast<double>(dq) * (k - 1) + a1));
    }

    if (!geometric) {
        for (int32_t k = 2; k <= n; ++k)
            plan.curve.push_back(Line(Red, (k - 1) / s, terms[static_cast<size_t>(k - 2)] / s,
                                      k / s, terms[static_cast<size_t>(k - 1)] / s));
    } else if (n >= 2) {
        plan.smooth = true;
        std::vector<float> px, py;
        int32_t m = 0;
        if (n - 1 <= Module1::SplineMaxSegments) {
            Module1::ParametricSplineCurve(static_cast<int16_t>(n - 1), Module1::SplineEndGivenSlope,
                                           0, 0, 0, 0, xs, terms, px, py, m);
        } else {
            // Too many terms for one spline: join them straight.
            px = xs;
            py = terms;
            m = n;
        }
        for (int32_t w = 0; w + 1 < m; ++w)
            plan.curve.push_back(Line(Red, px[static_cast<size_t>(w)] / s,
                                      py[static_cast<size_t>(w)] / s,
                                      px[static_cast<size_t>(w + 1)] / s,
                                      py[static_cast<size_t>(w + 1)] / s));
    }

    for (int32_t k = 1; k <= n; ++k) {
        const float a = terms[static_cast<size_t>(k - 1)];
        plan.markers.push_back(Dot(Blue, 2.0f, k / s, a / s));
        plan.text += QStringLiteral("    a") + QString::number(k) + QStringLiteral("  ") +
                     NumberText(a) + g_CrLf;
    }

    // No terms, no sum but 0.
    float sum = 0.0f;
    if (n >= 1) {
        const float an = terms.back();
        if (!geometric)
            sum = static_cast<float>((static_cast<double>(an) + a1) * n / 2);
        else if (dq == 1.0f)
            sum = static_cast<float>(static_cast<double>(n) * a1);
        else
            sum = static_cast<float>((static_cast<double>(a1) - static_cast<double>(an) * dq) /
                                     (1.0 - dq));
    }
    plan.text += QStringLiteral("    前") + QString::number(n) + QStringLiteral("项的和为  ") +
                 NumberText(sum);
    return plan;
}
