// Tangents, normals, inflection points and circles of curvature of a 2D function graph.
#include "draw/TangentCurvature.h"

#include "expr/Cls6.h"
#include "expr/Der.h"
#include "expr/Globals.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/StyleLists.h"
#include "sampling/Segments.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int32_t MaxPositions = 50;

bool Defined(float v) { return v != UndefinedSample; }

// The curve at one value of the graph's own variable: the point and the
// derivatives of its Cartesian coordinates by that variable.
struct CurveAt {
    float a = 0.0f, r = 0.0f;  // polar: the angle and radius as evaluated
    float x0 = 0.0f, y0 = 0.0f; // the point (UndefinedSample where undefined)
    bool derivatives = false;   // dx, dy (and ddx, ddy when asked) are defined
    double dx = 0, dy = 0, ddx = 0, ddy = 0;
};

// Compiles and evaluates the curve texts at a position. Explicit graphs take
// the position in X (Cartesian) or A (polar); parametric graphs in U.
class CurveEvaluator {
public:
    CurveEvaluator(const Cls9& g, const CurveDerivativeTexts& t, bool second)
        : m_polar(g.CoordType == CoordTypePolar),
          m_var(g.FunForm == FunFormExplicit ? (m_polar ? VarA : VarX) : VarU),
          m_second(second)
    {
        // Errors of the curve's own texts were reported when it was sampled;
        // an empty buffer then evaluates as undefined.
        m_cls6.InfixToPostfix(t.y, m_y);
        m_cls6.InfixToPostfix(t.z, m_z);
        m_ok = m_cls6.InfixToPostfix(t.dY, m_dY) == 0 && m_cls6.InfixToPostfix(t.dZ, m_dZ) == 0;
        if (m_ok && second)
            m_ok = m_cls6.InfixToPostfix(t.d2Y, m_d2Y) == 0 &&
                   m_cls6.InfixToPostfix(t.d2Z, m_d2Z) == 0;
    }

    bool Compiled() const { return m_ok; }
    bool Polar() const { return m_polar; }

    // One text at position t; `other` goes into Y (explicit) or V (others).
    float Eval(const QString& buffer, float t, float other = 0.0f)
    {
        if (buffer.isEmpty())
            return UndefinedSample;
        float u = 0, v = 0, x = 0, y = 0, a = 0;
        switch (m_var) {
        case VarX: x = t; y = other; break;
        case VarA: a = t; y = other; break;
        default: u = t; v = other; break;
        }
        float out = UndefinedSample;
        if (!m_cls6.DoEvaluate(buffer, false, out, u, v, x, y, a, 0, 0, 0, 0))
            return UndefinedSample;
        return out;
    }

    const QString& Z() const { return m_z; }
    const QString& D2Z() const { return m_d2Z; }

    CurveAt At(float t)
    {
        CurveAt c;
        const float fy = Eval(m_y, t), fz = Eval(m_z, t);
        const float dy = Eval(m_dY, t), dz = Eval(m_dZ, t);
        const float d2y = m_second ? Eval(m_d2Y, t) : 0.0f;
        const float d2z = m_second ? Eval(m_d2Z, t) : 0.0f;
        const bool derivs = Defined(dy) && Defined(dz) && Defined(d2y) && Defined(d2z);
        if (!m_polar) {
            c.x0 = fy;
            c.y0 = fz;
            c.dx = dy;
            c.dy = dz;
            c.ddx = d2y;
            c.ddy = d2z;
        } else {
            // x = r cos a, y = r sin a with a and r functions of the variable.
            c.a = fy;
            c.r = fz;
            c.x0 = Defined(fy) ? static_cast<float>(fz * std::cos(static_cast<double>(fy)))
                               : UndefinedSample;
            c.y0 = Defined(fz) ? static_cast<float>(fz * std::sin(static_cast<double>(fy)))
                               : UndefinedSample;
            const double a = fy, r = fz, a1 = dy, r1 = dz, a2 = d2y, r2 = d2z;
            const double ca = std::cos(a), sa = std::sin(a);
            c.dx = r1 * ca - r * a1 * sa;
            c.dy = r1 * sa + r * a1 * ca;
            c.ddx = r2 * ca - 2 * r1 * a1 * sa - r * a2 * sa - r * a1 * a1 * ca;
            c.ddy = r2 * sa + 2 * r1 * a1 * ca + r * a2 * ca - r * a1 * a1 * sa;
        }
        c.derivatives = derivs && Defined(c.x0) && Defined(c.y0) && std::isfinite(c.dx) &&
                        std::isfinite(c.dy) && std::isfinite(c.ddx) && std::isfinite(c.ddy);
        return c;
    }

private:
    enum Var { VarX, VarA, VarU };
    Cls6 m_cls6;
    bool m_polar;
    Var m_var;
    bool m_second;
    bool m_ok = false;
    QString m_y, m_z, m_dY, m_dZ, m_d2Y, m_d2Z;
};

DrawOp Segment(int32_t color, int32_t width, float x1, float y1, float x2, float y2, float s)
{
    return LineOp(color, width, x1 / s, y1 / s, 0.0f, x2 / s, y2 / s, 0.0f);
}

int32_t PositionCount(int32_t n) { return std::clamp(n, 0, MaxPositions); }

// The position line of an explicit graph ("切线位置", "法线位置").
void PositionLine(const Cls9& g, const CurveAt& c, const QString& label, QStringList& lines)
{
    if (g.FunForm != FunFormExplicit)
        return;
    if (g.CoordType == CoordTypePolar)
        lines << QStringLiteral("    ") + label + QStringLiteral(": a=") + NumberText(c.a) +
                     QStringLiteral(", r=") + NumberText(c.r);
    else
        lines << QStringLiteral("    ") + label + QStringLiteral(": x=") + NumberText(c.x0) +
                     QStringLiteral(", y=") + NumberText(c.y0);
}

// Slope dy/dx of the curve, or nothing when the curve has no direction
// there (both derivatives 0). A vertical tangent gives an infinite slope.
std::optional<float> Slope(const CurveAt& c)
{
    if (c.dx == 0.0 && c.dy == 0.0)
        return std::nullopt;
    if (c.dx == 0.0)
        return c.dy > 0 ? INFINITY : -INFINITY;
    const float m = static_cast<float>(c.dy / c.dx);
    if (std::isnan(m))
        return std::nullopt;
    return m;
}

QString SlopeText(float m)
{
    if (std::isinf(m))
        return m > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    return NumberText(m);
}

// The angle of a line of slope m, a vertical line for an infinite slope.
double AngleOf(float m) { return std::isinf(m) ? M_PI / 2 : std::atan(static_cast<double>(m)); }

bool IsCurveForm(const Cls9& g)
{
    return (g.FunForm == FunFormExplicit || g.FunForm == FunFormParametric) &&
           g.GraphType != GraphType2DFunctionAnimation;
}

} // namespace

bool FormFirstDerivatives(const QString& txtY, const QString& txtZ, CurveDerivativeTexts& out)
{
    out.y = txtY;
    out.z = txtZ;
    out.d2Y.clear();
    out.d2Z.clear();
    return Der::DerivativeText(txtY, out.dY) && Der::DerivativeText(txtZ, out.dZ);
}

bool FormSecondDerivatives(CurveDerivativeTexts& texts)
{
    return Der::DerivativeText(texts.dY, texts.d2Y) && Der::DerivativeText(texts.dZ, texts.d2Z);
}

OverlayPlan PlanTangentsNormals(const Cls9& g, const CurveDerivativeTexts& texts, float scale)
{
    OverlayPlan plan;
    if (!IsCurveForm(g) || (!g.ShowQie && !g.ShowNml))
        return plan;
    CurveEvaluator eval(g, texts, false);
    if (!eval.Compiled())
        return plan;

    if (g.ShowQie) {
        for (int32_t k = 1; k <= PositionCount(g.QieNum); ++k) {
            const CurveAt c = eval.At(g.QieX[k]);
            PositionLine(g, c, QStringLiteral("切线位置"), plan.lines);
            if (!Defined(c.x0) || !Defined(c.y0) || !c.derivatives)
                continue;
            const std::optional<float> m = Slope(c);
            if (!m)
                continue;
            plan.lines << QStringLiteral("      斜率: ") + SlopeText(*m);
            // 1.6 long in the graph's units, centred on the point.
            const double th = AngleOf(*m);
            const float dx = static_cast<float>(0.8 * std::cos(th));
            const float dy = static_cast<float>(0.8 * std::sin(th));
            plan.ops.push_back(Segment(g.QieColor, kFunctionWidths.Clamp(g.QieWidth), c.x0 - dx,
                                       c.y0 - dy, c.x0 + dx, c.y0 + dy, scale));
        }
        plan.lines << QString();
    }

    if (g.ShowNml) {
        for (int32_t k = 1; k <= PositionCount(g.NmlNum); ++k) {
            const CurveAt c = eval.At(g.NmlX[k]);
            PositionLine(g, c, QStringLiteral("法线位置"), plan.lines);
            if (!Defined(c.x0) || !Defined(c.y0) || !c.derivatives)
                continue;
            std::optional<float> m = Slope(c);
            if (!m)
                continue;
            if (*m == 0.0f)
                m = 1e-7f; // a horizontal tangent: the normal is (nearly) vertical
            const float n = std::isinf(*m) ? 0.0f : -1.0f / *m;
            plan.lines << QStringLiteral("      斜率: ") + SlopeText(n);
            // 1.0 long, centred on the point.
            const double th = std::atan(static_cast<double>(n));
            const float dx = static_cast<float>(0.5 * std::cos(th));
            const float dy = static_cast<float>(0.5 * std::sin(th));
            plan.ops.push_back(Segment(g.NmlColor, kFunctionWidths.Clamp(g.NmlWidth), c.x0 + dx,
                                       c.y0 + dy, c.x0 - dx, c.y0 - dy, scale));
        }
        plan.lines << QString();
    }
    return plan;
}

namespace {

void AddInflection(const Cls9& g, float x, float y, float scale, OverlayPlan& plan)
{
    const float mx = x / scale, my = y / scale;
    plan.ops.push_back(
        MarkerOp(g.GuaiColor, kFunctionMarkerSizes.Clamp(g.GuaiSize), g.GuaiSymbol, mx, my));
    plan.lines << QStringLiteral("    拐点: x=") + NumberText(mx * scale) + QStringLiteral(", y=") +
                      NumberText(my * scale);
}

// y = f(x): where the sampled second derivative crosses the x axis and f''
// changes sign 0.1 to either side.
void ExplicitInflections(const Cls9& g, CurveEvaluator& eval, float scale, OverlayPlan& plan)
{
    // A crossing on a sample is met by both segments that share it; it is
    // one inflection point and is listed once.
    std::optional<float> lastX;
    for (int32_t i = 0; i < g.StepV; ++i) {
        const Cls2& p = g.VertDev2(0, i);
        const Cls2& q = g.VertDev2(0, i + 1);
        if (!Defined(p.x) || !Defined(p.y) || !Defined(q.x) || !Defined(q.y))
            continue;
        float x0 = 0, y0 = 0, x2 = 0, y2 = 0;
        if (Module1::IntersectSegments(p.x, p.y, q.x, q.y, g.BoxMinX, 0.0f, g.BoxMaxX, 0.0f, x0,
                                       y0, x2, y2) == 0)
            continue;
        const float l = eval.Eval(eval.D2Z(), x0 - 0.1f, y0);
        const float r = eval.Eval(eval.D2Z(), x0 + 0.1f, y0);
        // A side where f'' is undefined shows no change of sign.
        if (!Defined(l) || !Defined(r) || !((l > 0 && r < 0) || (l < 0 && r > 0)))
            continue;
        if (lastX && *lastX == x0)
            continue;
        const float f = eval.Eval(eval.Z(), x0, y0);
        if (Defined(f)) {
            AddInflection(g, x0, f, scale, plan);
            lastX = x0;
        }
    }
}

// Parametric and polar curves: where the curve turns from bending one way to
// the other, i.e. where x'y'' - y'x'' changes sign between two consecutive
// parameter samples; the crossing is placed by linear interpolation.
void CurveInflections(const Cls9& g, CurveEvaluator& eval, float scale, OverlayPlan& plan)
{
    const int32_t steps = std::max<int32_t>(g.StepV, 1);
    auto param = [&](int32_t i) {
        return static_cast<float>(g.MinV + static_cast<double>(i) * (g.MaxV - g.MinV) / steps);
    };
    auto bend = [&](float t) -> std::optional<double> {
        const CurveAt c = eval.At(t);
        if (!c.derivatives)
            return std::nullopt;
        return c.dx * c.ddy - c.dy * c.ddx;
    };
    std::optional<double> prev = bend(param(0));
    for (int32_t i = 0; i < steps; ++i) {
        const std::optional<double> next = bend(param(i + 1));
        if (prev && next && ((*prev > 0 && *next < 0) || (*prev < 0 && *next > 0))) {
            const double t0 = param(i), t1 = param(i + 1);
            const float t = static_cast<float>(t0 + (t1 - t0) * *prev / (*prev - *next));
            const CurveAt c = eval.At(t);
            if (Defined(c.x0) && Defined(c.y0))
                AddInflection(g, c.x0, c.y0, scale, plan);
        }
        prev = next;
    }
}

} // namespace

OverlayPlan PlanInflectionCurvature(const Cls9& g, CurveDerivativeTexts& texts, float scale)
{
    OverlayPlan plan;
    if (!IsCurveForm(g) || (!g.ShowGuai && !g.ShowCurv))
        return plan;
    if ((texts.d2Y.isEmpty() || texts.d2Z.isEmpty()) && !FormSecondDerivatives(texts))
        return plan;
    CurveEvaluator eval(g, texts, true);
    if (!eval.Compiled())
        return plan;

    if (g.ShowGuai) {
        if (g.FunForm == FunFormExplicit && !eval.Polar())
            ExplicitInflections(g, eval, scale, plan);
        else
            CurveInflections(g, eval, scale, plan);
        plan.lines << QString();
    }

    if (g.ShowCurv) {
        const int32_t width = kFunctionWidths.Clamp(g.CurvWidth);
        plan.lines << QStringLiteral("    曲率:");
        for (int32_t k = 1; k <= PositionCount(g.CurvNum); ++k) {
            const CurveAt c = eval.At(g.CurvX[k]);
            // No point, no derivatives or a vertical tangent: no circle.
            if (!Defined(c.x0) || !Defined(c.y0) || !c.derivatives || c.dx == 0.0)
                continue;
            const float p = static_cast<float>(c.dy / c.dx);
            // d2y/dx2 of the curve.
            const float s = static_cast<float>((c.ddy * c.dx - c.dy * c.ddx) / (c.dx * c.dx * c.dx));
            if (!std::isfinite(p) || !std::isfinite(s))
                continue;
            if (s == 0.0f) {
                // A straight piece does not bend: curvature 0, no circle
                // (its radius is infinite), rather than a made-up one.
                plan.lines << QStringLiteral("      位置: x=") + NumberText(c.x0) +
                                  QStringLiteral(", y=") + NumberText(c.y0);
                plan.lines << QStringLiteral("        曲率: 0");
                continue;
            }
            const float pp = p * p + 1.0f;
            const float cx = c.x0 - p * pp / s;
            const float cy = pp / s + c.y0;
            const float kappa =
                static_cast<float>(std::fabs(static_cast<double>(s)) / std::pow(static_cast<double>(pp), 1.5));
            const float radius = 1.0f / kappa;
            if (!std::isfinite(radius) || !std::isfinite(cx) || !std::isfinite(cy))
                continue; // too flat to draw: no finite circle
            plan.lines << QStringLiteral("      位置: x=") + NumberText(c.x0) +
                              QStringLiteral(", y=") + NumberText(c.y0);
            plan.lines << QStringLiteral("        曲率: ") + NumberText(1.0f / radius);
            plan.lines << QStringLiteral("        曲率半径: ") + NumberText(radius);
            plan.lines << QStringLiteral("        曲率圆的圆心: x=") + NumberText(cx) +
                              QStringLiteral(", y=") + NumberText(cy);
            float px = 0, py = 0;
            for (int32_t j = 0; j <= 40; ++j) {
                const float th = static_cast<float>(j * 15708) / 100000.0f;
                const float x = radius * std::cos(th) + cx;
                const float y = radius * std::sin(th) + cy;
                if (j > 0)
                    plan.ops.push_back(Segment(g.CurvColor, width, px, py, x, y, scale));
                px = x;
                py = y;
            }
            plan.ops.push_back(Segment(g.CurvColor, width, c.x0, c.y0, cx, cy, scale));
        }
    }
    return plan;
}

void AppendTangentCurvature(const Cls9& g, const QString& txtY, const QString& txtZ, float scale,
                            Curve2DPlan& plan)
{
    if (!plan.curvePass || !IsCurveForm(g) ||
        !(g.ShowQie || g.ShowNml || g.ShowGuai || g.ShowCurv))
        return;
    CurveDerivativeTexts texts;
    if (!FormFirstDerivatives(txtY, txtZ, texts))
        return;
    for (const OverlayPlan& part : {PlanTangentsNormals(g, texts, scale),
                                    PlanInflectionCurvature(g, texts, scale)}) {
        plan.lines << part.lines;
        plan.ops.insert(plan.ops.end(), part.ops.begin(), part.ops.end());
    }
}
