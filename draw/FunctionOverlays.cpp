// Analysis overlays of a 2D function: integral, steps and stems, parity curve, derivative.
#include "draw/FunctionOverlays.h"

#include "expr/Cls6.h"
#include "expr/Der.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/StyleLists.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cmath>

namespace {

bool Defined(float v) { return v != UndefinedSample; }

bool Defined3(const Cls2& p) { return Defined(p.x) && Defined(p.y) && Defined(p.z); }

// A compiled text and the evaluator that reads it.
class Evaluator {
public:
    // False (after the compiler's message) when the text does not compile.
    bool Compile(const QString& text, QString& buffer)
    {
        buffer.clear();
        return m_cls6.InfixToPostfix(text, buffer) == 0;
    }

    // The value at t, in radians, every other variable 0. UndefinedSample
    // where the text has no value, also when the arithmetic overflows.
    float At(const QString& buffer, float t, OverlayVariable v)
    {
        float r = UndefinedSample;
        try {
            const float x = v == OverlayVariable::X ? t : 0.0f;
            const float a = v == OverlayVariable::A ? t : 0.0f;
            const float u = v == OverlayVariable::U ? t : 0.0f;
            if (!m_cls6.DoEvaluate(buffer, false, r, u, 0, x, 0, a, 0, 0, 0, 0))
                return UndefinedSample;
        } catch (const ExprError&) {
            return UndefinedSample;
        }
        return std::isfinite(r) ? r : UndefinedSample;
    }

private:
    Cls6 m_cls6;
};

// Sampling fills the derivative and parity rows for the plain 2D function
// only; the other kinds that share its drawing (curve intersection, steps
// and stems, series) get the rows made but left at the origin, and then the
// overlay does without them.
bool HasRow(const Cls9& g, const PointGrid& row)
{
    return g.GraphType == GraphType2DFunction && row.IsMade() && row.Rank() == 2 &&
           row.Upper(0) >= 0 && row.Upper(1) >= g.StepV;
}

// The parameter of sample i, computed as sampling computes it.
float ParameterOf(const Cls9& g, int32_t i)
{
    const float dv = static_cast<float>((g.MaxV - g.MinV) / static_cast<float>(g.StepV));
    return static_cast<float>(static_cast<double>(g.MinV) + static_cast<double>(i) * dv);
}

ShadePiece Quad(int32_t color, float s, std::initializer_list<std::array<float, 3>> corners)
{
    ShadePiece p;
    p.kind = ShadePiece::Kind::Quad;
    p.color = color;
    int k = 0;
    for (const auto& c : corners) {
        p.v[k][0] = c[0] / s;
        p.v[k][1] = c[1] / s;
        p.v[k][2] = c[2] / s;
        ++k;
    }
    return p;
}

// Index of the sample segment [t_i, t_i+1] that holds the bound (within
// 0.00001); the later one when two share it, 0 when none does.
int32_t SegmentHolding(const Cls9& g, float bound)
{
    constexpr float Tol = 0.00001f;
    int32_t found = 0;
    for (int32_t i = 0; i < g.StepV; ++i) {
        const float a = ParameterOf(g, i);
        const float b = ParameterOf(g, i + 1);
        const bool startsAfter = a >= bound && std::fabs(static_cast<float>(a - bound)) >= Tol;
        const bool endsBefore = b <= bound && std::fabs(static_cast<float>(b - bound)) >= Tol;
        if (!startsAfter && !endsBefore)
            found = i;
    }
    return found;
}

void PlanCartesianShading(const Cls9& g, Evaluator& ev, const QString& buf, float scale,
                          std::vector<ShadePiece>& out)
{
    // Shaded between the bounds whichever comes first, and only over the
    // sampled range: beyond it there is no curve to shade under.
    const float first = ParameterOf(g, 0);
    const float last = ParameterOf(g, g.StepV);
    const float lo = std::max(std::min(g.IntFrom, g.IntTo), std::min(first, last));
    const float hi = std::min(std::max(g.IntFrom, g.IntTo), std::max(first, last));
    if (!(lo < hi))
        return;
    const OverlayVariable var = VariableOf(g);
    const float flo = ev.At(buf, lo, var);
    const float fhi = ev.At(buf, hi, var);
    const int32_t s = SegmentHolding(g, lo);
    const int32_t e = SegmentHolding(g, hi);
    const int32_t c = g.IntColor;

    if (s == e) {
        // Both bounds in one segment: one piece from bound to bound.
        if (Defined(flo) && Defined(fhi))
            out.push_back(Quad(c, scale, {{lo, flo, 0}, {hi, fhi, 0}, {hi, 0, 0}, {lo, 0, 0}}));
        return;
    }
    const Cls2& ps = g.Vert3D(0, s + 1);
    if (Defined(flo) && Defined(ps.x) && Defined(ps.y))
        out.push_back(Quad(c, scale, {{lo, flo, 0}, {ps.x, ps.y, 0}, {ps.x, 0, 0}, {lo, 0, 0}}));
    const Cls2& pe = g.Vert3D(0, e);
    if (Defined(fhi) && Defined(pe.x) && Defined(pe.y))
        out.push_back(Quad(c, scale, {{hi, fhi, 0}, {pe.x, pe.y, 0}, {pe.x, 0, 0}, {hi, 0, 0}}));
    for (int32_t i = s + 1; i <= e - 1; ++i) {
        const Cls2& a = g.Vert3D(0, i);
        const Cls2& b = g.Vert3D(0, i + 1);
        if (Defined3(a) && Defined3(b))
            out.push_back(Quad(c, scale,
                               {{a.x, a.y, a.z}, {b.x, b.y, b.z}, {b.x, 0, b.z}, {a.x, 0, a.z}}));
    }
}

void PlanPolarShading(const Cls9& g, float scale, std::vector<ShadePiece>& out)
{
    // Sample indices are counted from the first sampled angle, and only
    // samples that exist are read.
    const double step = (static_cast<double>(g.MaxV) - g.MinV) / g.StepV;
    if (!(step > 0.0))
        return;
    const float lo = std::min(g.IntFrom, g.IntTo);
    const float hi = std::max(g.IntFrom, g.IntTo);
    auto clampIndex = [&](double v) {
        return static_cast<int32_t>(std::clamp(v, 0.0, static_cast<double>(g.StepV)));
    };
    const int32_t s = clampIndex(std::floor((lo - static_cast<double>(g.MinV)) / step));
    const int32_t e = hi >= g.MaxV ? g.StepV
                                   : clampIndex(std::floor((hi - static_cast<double>(g.MinV)) / step) + 1);
    for (int32_t i = s; i < e; ++i) {
        const Cls2& a = g.Vert3D(0, i);
        const Cls2& b = g.Vert3D(0, i + 1);
        if (!Defined3(a) || !Defined3(b))
            continue;
        ShadePiece p;
        p.kind = ShadePiece::Kind::Triangle;
        p.color = g.IntColor;
        const float corners[3][3] = {{a.x, a.y, a.z}, {b.x, b.y, b.z}, {0, 0, b.z}};
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 3; ++j)
                p.v[k][j] = corners[k][j] / scale;
        out.push_back(p);
    }
}

bool DerivativeOf(const QString& text, QString& out) { return Der::DerivativeText(text, out); }

// One extreme candidate: a zero of the derivative at parameter t.
struct Extreme {
    float t = 0.0f;
    int32_t onSample = -1; // sample index when the zero is a sample
};

} // namespace

OverlayVariable VariableOf(const Cls9& g)
{
    if (g.FunForm == FunFormExplicit)
        return g.CoordType == CoordTypePolar ? OverlayVariable::A : OverlayVariable::X;
    return OverlayVariable::U;
}

std::optional<float> IntegrateOverlay(float lower, float upper, const QString& text,
                                      OverlayVariable variable)
{
    Evaluator ev;
    QString buf;
    if (!ev.Compile(text, buf))
        return std::nullopt;
    auto f = [&](double t) {
        const float v = ev.At(buf, static_cast<float>(t), variable);
        return Defined(v) ? static_cast<double>(v) : 0.0;
    };
    constexpr double Eps = 0.001;
    constexpr int MinHalvings = 5;
    constexpr int MaxHalvings = 15;
    double h = static_cast<double>(upper) - lower;
    double T = h * (f(lower) + f(upper)) / 2.0;
    int64_t n = 1;
    for (int step = 0; step < MaxHalvings; ++step) {
        double M = 0.0;
        for (int64_t i = 0; i < n; ++i)
            M += f(lower + (static_cast<double>(i) + 0.5) * h);
        const double next = (T + h * M) / 2.0;
        const bool settled = std::fabs(T - next) < Eps;
        T = next;
        h /= 2.0;
        n *= 2;
        if (settled && step + 1 >= MinHalvings)
            break;
    }
    if (!std::isfinite(T) || std::fabs(T) > 3.4e38)
        return std::nullopt;
    return static_cast<float>(T);
}

IntegralPlan PlanIntegral(const Cls9& g, const QString& txtZ, float scale)
{
    IntegralPlan plan;
    const bool cartesian = g.CoordType == CoordTypeCartesian2D;
    const bool polar = g.CoordType == CoordTypePolar;
    if (!cartesian && !polar)
        return plan;
    Evaluator ev;
    QString buf;
    if (!ev.Compile(txtZ, buf)) {
        plan.endsGraph = true;
        return plan;
    }
    // An animated graph's own samples are not read here: no shading. The
    // Cartesian pieces stand on x bounds, which a parametric curve's
    // parameter bounds are not; the polar fan is swept by the parameter and
    // suits both forms.
    if (g.GraphType != GraphType2DFunctionAnimation && g.StepV >= 1) {
        if (cartesian && g.FunForm == FunFormExplicit)
            PlanCartesianShading(g, ev, buf, scale, plan.shading);
        else if (polar)
            PlanPolarShading(g, scale, plan.shading);
    }

    const OverlayVariable var = VariableOf(g);
    const std::optional<float> value =
        cartesian ? IntegrateOverlay(g.IntFrom, g.IntTo, txtZ, var)
                  : IntegrateOverlay(g.IntFrom, g.IntTo, QStringLiteral("0.5*(") + txtZ + QStringLiteral(")^2"), var);
    // An integral that overflows has no value to show; the bounds and the
    // value go together.
    if (value) {
        plan.lines << QStringLiteral("    积分  从 ") + NumberText(g.IntFrom) + QStringLiteral(" 到 ") +
                          NumberText(g.IntTo);
        plan.lines << (cartesian ? QStringLiteral("    面积为  ") : QStringLiteral("    面积为 ")) +
                          NumberText(*value);
        plan.lines << QString();
    }
    return plan;
}

void AppendStep(const Cls9& g, const Cls2& p1, const Cls2& p2, float scale,
                std::vector<DrawOp>& ops)
{
    if (!Defined(p1.x) || !Defined(p1.y) || !Defined(p2.x) || !Defined(p2.y))
        return;
    const float x1 = p1.x / scale, y1 = p1.y / scale;
    const float x2 = p2.x / scale, y2 = p2.y / scale;
    const int32_t width = kFunctionWidths.Clamp(g.StepWidth);
    ops.push_back(LineOp(g.StepColor, width, x1, y1, 0, x1, y2, 0));
    ops.push_back(LineOp(g.StepColor, width, x1, y2, 0, x2, y2, 0));
}

void AppendStemsAndParity(const Cls9& g, float scale, std::vector<DrawOp>& ops)
{
    if (g.GraphType == GraphTypeStepStem && g.ShowStem) {
        const int32_t width = kFunctionWidths.Clamp(g.StemBodyWidth);
        const int32_t size = kFunctionMarkerSizes.Clamp(g.StemHeadSize);
        for (int32_t i = 0; i <= g.StepV; ++i) {
            const Cls2& p = g.Vert3D(0, i);
            if (!Defined(p.x) || !Defined(p.y))
                continue;
            const float x = p.x / scale, y = p.y / scale;
            ops.push_back(LineOp(g.StemBodyColor, width, x, y, 0, x, 0, 0));
            ops.push_back(MarkerOp(g.StemHeadColor, size, g.StemHeadSymbol, x, y));
        }
    }
    // Sampling makes no parity row for an animated graph.
    if (g.ShowJO && g.GraphType != GraphType2DFunctionAnimation && HasRow(g, g.VertJO)) {
        const int32_t width = kFunctionWidths.Clamp(g.JOWidth);
        for (int32_t i = 0; i < g.StepV; ++i) {
            const Cls2& a = g.VertJO(0, i);
            const Cls2& b = g.VertJO(0, i + 1);
            if (Defined3(a) && Defined3(b))
                ops.push_back(LineOp(g.JOColor, width, a.x / scale, a.y / scale, a.z / scale,
                                     b.x / scale, b.y / scale, b.z / scale));
        }
    }
}

bool NeedsDerivative(const Cls9& g)
{
    return g.ShowDev || g.ShowQie || g.ShowNml || g.ShowMax || g.ShowLen || g.ShowMin ||
           g.ShowCurv || g.ShowGuai;
}

DerivativePlan PlanDerivative(const Cls9& g, const QString& txtX, const QString& txtY,
                              const QString& txtZ, float scale)
{
    DerivativePlan plan;
    QString dX, dY, dZ;
    if (!DerivativeOf(txtX, dX) || !DerivativeOf(txtY, dY) || !DerivativeOf(txtZ, dZ)) {
        plan.endsGraph = true;
        return plan;
    }
    Evaluator ev;
    QString bufDX, bufDY, bufDZ, bufY, bufZ;
    if (!ev.Compile(dX, bufDX) || !ev.Compile(dY, bufDY) || !ev.Compile(dZ, bufDZ)) {
        plan.endsGraph = true;
        return plan;
    }
    // Both compiled during sampling already.
    const bool haveY = ev.Compile(txtY, bufY);
    const bool haveZ = ev.Compile(txtZ, bufZ);

    const bool animated = g.GraphType == GraphType2DFunctionAnimation;
    const OverlayVariable var = VariableOf(g);
    const bool explicitCartesian = var == OverlayVariable::X;
    const bool haveRow = HasRow(g, g.VertDev);
    const bool polar = g.CoordType == CoordTypePolar;

    if (!animated && (g.ShowDev || g.ShowMax || g.ShowMin)) {
        // The plotted value whose extremes are sought: y, or r in polar
        // coordinates, as a function of the graph's own variable.
        auto value = [&](float t) { return haveZ ? ev.At(bufZ, t, var) : UndefinedSample; };
        // The derivative of that value at sample i. For y = f(x) it is the
        // derivative row itself (clipped to the plot range like the curve);
        // the other forms keep a point in that row, so the value's own
        // derivative is evaluated.
        auto slope = [&](int32_t i) {
            return explicitCartesian && haveRow ? g.VertDev(0, i).y
                                                : ev.At(bufDZ, ParameterOf(g, i), var);
        };
        // The row is read where it is used: the curve, and the slopes of
        // y = f(x).
        const bool readRow = haveRow && (g.ShowDev || explicitCartesian);
        int32_t lastSample = -1; // a zero on a shared sample is listed once
        std::vector<Extreme> zeros;
        const int32_t devWidth = kFunctionWidths.Clamp(g.DevWidth);
        for (int32_t i = 0; i < g.StepV; ++i) {
            if (readRow) {
                const Cls2& d1 = g.VertDev(0, i);
                const Cls2& d2 = g.VertDev(0, i + 1);
                if (g.ShowDev && Defined3(d1) && Defined3(d2))
                    plan.ops.push_back(LineOp(g.DevColor, devWidth, d1.x / scale, d1.y / scale,
                                              d1.z / scale, d2.x / scale, d2.y / scale,
                                              d2.z / scale));
                if (explicitCartesian && !(Defined(d1.x) && Defined(d1.y) && Defined(d2.x) &&
                                           Defined(d2.y)))
                    continue;
            }
            if (!g.ShowMax && !g.ShowMin)
                continue;

            const float s1 = slope(i), s2 = slope(i + 1);
            if (!Defined(s1) || !Defined(s2))
                continue;
            const float t1 = ParameterOf(g, i), t2 = ParameterOf(g, i + 1);
            zeros.clear();
            if (s1 == 0.0f)
                zeros.push_back({t1, i});
            if (s2 == 0.0f)
                zeros.push_back({t2, i + 1});
            if (zeros.empty() && ((s1 < 0.0f) != (s2 < 0.0f)))
                zeros.push_back({static_cast<float>(t1 + (static_cast<double>(t2) - t1) * s1 /
                                                            (static_cast<double>(s1) - s2)),
                                 -1});
            for (const Extreme& z : zeros) {
                if (z.onSample >= 0) {
                    if (z.onSample <= lastSample)
                        continue;
                    lastSample = z.onSample;
                }
                const float v = value(z.t);
                const float left = value(z.t - 0.05f);
                const float right = value(z.t + 0.05f);
                if (!Defined(v) || !Defined(left) || !Defined(right))
                    continue;
                const bool isMax = v > left && v > right;
                const bool isMin = v < left && v < right;
                if (!(isMax && g.ShowMax) && !(isMin && g.ShowMin))
                    continue;
                // Where the extreme lies in the plane.
                float mx = z.t, my = v;
                if (var != OverlayVariable::X) {
                    const float angle =
                        var == OverlayVariable::A ? z.t : (haveY ? ev.At(bufY, z.t, var) : UndefinedSample);
                    if (!Defined(angle))
                        continue;
                    if (polar) {
                        mx = static_cast<float>(v * std::cos(static_cast<double>(angle)));
                        my = static_cast<float>(v * std::sin(static_cast<double>(angle)));
                    } else {
                        mx = angle; // x(u) of a parametric Cartesian curve
                    }
                }
                if (isMax) {
                    plan.ops.push_back(
                        MarkerOp(g.MaxColor, kFunctionMarkerSizes.Clamp(g.MaxSize), g.MaxSymbol,
                                 mx / scale, my / scale));
                    plan.lines << QStringLiteral("    极大值点: x=") + NumberText(mx) +
                                      QStringLiteral(",y=") + NumberText(my);
                } else {
                    plan.ops.push_back(
                        MarkerOp(g.MinColor, kFunctionMarkerSizes.Clamp(g.MinSize), g.MinSymbol,
                                 mx / scale, my / scale));
                    plan.lines << QStringLiteral("    极小值点: x=") + NumberText(mx) +
                                      QStringLiteral(",y=") + NumberText(my);
                }
            }
        }
    }
    if (g.ShowMax || g.ShowMin)
        plan.lines << QString();

    if (g.ShowLen) {
        // The length element of each form, by the graph's own variable.
        QString integrand;
        if (var == OverlayVariable::X)
            integrand = QStringLiteral("sqr((") + dZ + QStringLiteral(")^2+1)");
        else if (var == OverlayVariable::A)
            integrand = QStringLiteral("sqr((") + txtZ + QStringLiteral(")^2+(") + dZ + QStringLiteral(")^2)");
        else if (polar)
            integrand = QStringLiteral("sqr((") + dZ + QStringLiteral(")^2+(") + txtZ +
                        QStringLiteral(")^2*(") + dY + QStringLiteral(")^2)");
        else
            integrand = QStringLiteral("sqr((") + dY + QStringLiteral(")^2+(") + dZ + QStringLiteral(")^2)");
        if (const std::optional<float> len = IntegrateOverlay(g.LenFrom, g.LenTo, integrand, var)) {
            // A length is not signed: bounds given high to low measure the
            // same piece of curve.
            plan.lines << QStringLiteral("    曲线的弧长  从 ") + NumberText(g.LenFrom) +
                              QStringLiteral(" 到 ") + NumberText(g.LenTo) + QStringLiteral(" is ") +
                              NumberText(std::fabs(*len));
            plan.lines << QString();
        }
    }
    return plan;
}

bool AddIntegral(const Cls9& g, const QString& txtZ, float scale, Curve2DPlan& plan,
                 std::vector<ShadePiece>& shading)
{
    if (!plan.curvePass || !g.ShowInt)
        return true;
    // The header is the first line; the integral's lines follow it.
    const qsizetype headerLines = plan.lines.isEmpty() ? 0 : 1;
    IntegralPlan integral = PlanIntegral(g, txtZ, scale);
    if (integral.endsGraph) {
        plan.lines = plan.lines.mid(0, headerLines);
        plan.ops.clear();
        return false;
    }
    shading = std::move(integral.shading);
    for (qsizetype k = 0; k < integral.lines.size(); ++k)
        plan.lines.insert(headerLines + k, integral.lines[k]);
    return true;
}

bool AddAfterPassOverlays(const Cls9& g, const QString& txtX, const QString& txtY,
                          const QString& txtZ, float scale, Curve2DPlan& plan)
{
    if (!plan.curvePass)
        return true;
    AppendStemsAndParity(g, scale, plan.ops);
    if (!NeedsDerivative(g))
        return true;
    DerivativePlan derivative = PlanDerivative(g, txtX, txtY, txtZ, scale);
    plan.ops.insert(plan.ops.end(), derivative.ops.begin(), derivative.ops.end());
    plan.lines << derivative.lines;
    return !derivative.endsGraph;
}
