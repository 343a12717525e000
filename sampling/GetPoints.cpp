// Sampling of a graph: turns its definition into the point grids that drawing
// and the bounding box read.
#include "sampling/SamplingSupport.h"

#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

// One sampling call: the graph, its compiled texts and the one evaluator.
class Sampler {
public:
    explicit Sampler(Cls9& g) : m_g(g) {}

    // Returns false when a text did not compile or an evaluation failed.
    bool Run();

private:
    bool MakeGrids();
    bool Compile();
    bool Eval(const QString& buffer, float& result, const Binding& b);
    bool SampleCurve();
    bool SampleExplicitRow();
    bool SampleCurvePoint(Cls2& p, float s, float t);
    bool SamplePoint(Cls2& p, float t);
    bool EvalCartesian(Cls2& p, const Binding& b);
    bool EvalPolar(Cls2& p, const Binding& b);
    bool SampleAnimatedPoint();
    bool SampleAnimatedCurve(PointGrid& grid, bool ribbon);

    Cls9& m_g;
    Cls6 m_eval;
    QString m_txtX, m_txtY, m_txtZ;
    QString m_bufX, m_bufY, m_bufZ, m_bufExp2;
    float m_dv = 0.0f;
    float m_dt = 0.0f;
};

bool Sampler::Eval(const QString& buffer, float& result, const Binding& b)
{
    return m_eval.DoEvaluate(buffer, false, result, b.u, b.v, b.x, b.y, b.a, b.r, b.b, b.t, 0);
}

bool Sampler::MakeGrids()
{
    Cls9& g = m_g;
    const int32_t n = g_FrameCount;
    const int32_t su = g.StepU;
    const int32_t sv = g.StepV;
    // Counts that cannot describe a grid, or grids too large to hold, are
    // refused before anything is changed.
    if (su < 0 || sv < 0 || n < 0)
        return false;
    const int64_t rows = int64_t(su) + 1;
    const int64_t cols = int64_t(sv) + 1;
    const int64_t frames = int64_t(n) + 1;
    int64_t largest = rows * cols;
    switch (g.GraphType) {
    case GraphTypePointAnimation:
        largest = std::max(largest, frames);
        break;
    case GraphType2DFunctionAnimation:
        largest = std::max(largest, cols * frames);
        break;
    case GraphType25DFunctionAnimation:
        largest = std::max(largest, 2 * cols * frames);
        break;
    case GraphTypeReserved12:
        largest = std::max(largest, rows * cols * frames);
        break;
    case GraphTypeReserved11:
        largest = std::max(largest, rows * frames);
        break;
    case GraphTypeReserved21:
    case GraphTypeReserved22:
        largest = std::max(largest, 41 * cols);
        break;
    default:
        break;
    }
    if (largest > MaxGridPoints)
        return false;

    RenewGrid(g.Vert3D, {su, sv});
    if (g.GraphType == GraphTypeCurveIntersection)
        RenewGrid(g.VertExp2, {su, sv});
    if (g.ShowSurPX)
        RenewGrid(g.VertSurPX, {su, sv});
    if (g.ShowSurPY)
        RenewGrid(g.VertSurPY, {su, sv});
    // The derivative grids are held only while an overlay reads them (they
    // would double and triple a dense curve's memory and first sampling).
    if (g.ShowDev || g.ShowQie || g.ShowNml || g.ShowMax || g.ShowMin || g.ShowCurv || g.ShowGuai)
        RenewGrid(g.VertDev, {su, sv});
    else
        g.VertDev.Clear();
    if (g.ShowGuai || g.ShowCurv)
        RenewGrid(g.VertDev2, {su, sv});
    else
        g.VertDev2.Clear();
    if (g.ShowJO)
        RenewGrid(g.VertJO, {su, sv});
    if (g.GraphType == GraphTypeDifferentialEquation)
        RenewGrid(g.VertODE, {su, sv});
    switch (g.GraphType) {
    case GraphTypePointAnimation:
        RenewGrid(g.Anim1D, {n});
        break;
    case GraphType2DFunctionAnimation:
        RenewGrid(g.Anim2D, {sv, n});
        break;
    case GraphType25DFunctionAnimation:
        RenewGrid(g.Anim25D, {1, sv, n});
        break;
    case GraphTypeReserved12:
        RenewGrid(g.Anim3D, {su, sv, n});
        break;
    case GraphTypeReserved11:
        RenewGrid(g.Anim11, {su, n});
        break;
    case GraphTypeReserved1:
        RenewGrid(g.Vert1D, {su});
        break;
    case GraphTypeReserved21:
    case GraphTypeReserved22:
        g.VertAux40.Make({40, sv}, false);
        break;
    default:
        break;
    }
    return true;
}

bool Sampler::Compile()
{
    if (m_eval.InfixToPostfix(m_txtX, m_bufX) != 0)
        return false;
    if (m_eval.InfixToPostfix(m_txtY, m_bufY) != 0)
        return false;
    if (m_eval.InfixToPostfix(m_txtZ, m_bufZ) != 0)
        return false;
    if (m_g.GraphType == GraphTypeCurveIntersection) {
        const QString txt2 = Module1::InsertImplicitMultiply(m_g.Exp2);
        if (m_eval.InfixToPostfix(txt2, m_bufExp2) != 0)
            return false;
    }
    return true;
}

// One sample of a function curve by FunForm and CoordType, parameter s and
// frame value t. Implicit and inequality forms leave the point as it is.
bool Sampler::SampleCurvePoint(Cls2& p, float s, float t)
{
    const int32_t form = m_g.FunForm;
    const int32_t coord = m_g.CoordType;
    Binding b;
    b.t = t;
    if (form == FunFormExplicit && coord == CoordTypeCartesian2D) {
        b.x = s;
        p.z = 0.0f;
        p.x = s;
        float f = 0.0f;
        if (!Eval(m_bufZ, f, b))
            return false;
        p.y = f;
    } else if (form == FunFormExplicit && coord == CoordTypePolar) {
        b.a = s;
        float r = 0.0f;
        if (!Eval(m_bufZ, r, b))
            return false;
        PolarToPlane(r, s, false, p.x, p.y);
        p.z = 0.0f;
    } else if (form == FunFormParametric && coord == CoordTypeCartesian2D) {
        b.u = s;
        return EvalCartesian(p, b);
    } else if (form == FunFormParametric && coord == CoordTypePolar) {
        b.u = s;
        return EvalPolar(p, b);
    }
    return true;
}

// The three texts as x, y, z, stored in the stored axis order.
bool Sampler::EvalCartesian(Cls2& p, const Binding& b)
{
    float v = 0.0f;
    if (!Eval(m_bufX, v, b))
        return false;
    p.z = v;
    if (!Eval(m_bufY, v, b))
        return false;
    p.x = v;
    if (!Eval(m_bufZ, v, b))
        return false;
    p.y = v;
    return true;
}

// The y-text as the angle and the z-text as the radius in the plane (an
// undefined angle or radius leaves the point undefined); the x-text is the
// height.
bool Sampler::EvalPolar(Cls2& p, const Binding& b)
{
    float a = 0.0f, r = 0.0f, w = 0.0f;
    if (!Eval(m_bufY, a, b) || !Eval(m_bufZ, r, b))
        return false;
    PolarToPlane(r, a, true, p.x, p.y);
    if (!Eval(m_bufX, w, b))
        return false;
    p.z = w;
    return true;
}

// y = f(x) evaluated as one row of samples: the points, undefined samples
// and errors of a point-by-point pass, in a fraction of the time.
bool Sampler::SampleExplicitRow()
{
    Cls9& g = m_g;
    const size_t count = static_cast<size_t>(g.StepV) + 1;
    std::vector<float> xs;
    xs.reserve(count);
    bool stepsOk = true;
    for (int32_t i = 0; i <= g.StepV; ++i) {
        float s = 0.0f;
        if (!StepValue(g.MinV, i, m_dv, s)) {
            stepsOk = false;
            break;
        }
        xs.push_back(s);
    }
    std::vector<float> ys(xs.size());
    std::vector<Cls6::RowOutcome> outcomes(xs.size());
    const float fixed[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    constexpr size_t kPiece = 1 << 16;
    for (size_t first = 0; first < xs.size(); first += kPiece) {
        const int n = static_cast<int>(std::min(kPiece, xs.size() - first));
        m_eval.EvaluateRow(m_bufZ, false, fixed, 0, 2, xs.data() + first, n, ys.data() + first,
                           outcomes.data() + first);
    }
    const bool anyError =
        std::find(outcomes.begin(), outcomes.end(), Cls6::RowOutcome::Error) != outcomes.end();
    PointRef* row = g.Vert3D.Row(0);
    if (stepsOk && !anyError) {
        // Written and clipped in one pass: nothing can fail any more.
        for (size_t i = 0; i < xs.size(); ++i) {
            Cls2& p = *row[i];
            p.z = 0.0f;
            p.x = xs[i];
            p.y = ys[i];
            ClipToPlotRange(p);
        }
        return true;
    }
    for (size_t i = 0; i < xs.size(); ++i) {
        Cls2& p = *row[i];
        p.z = 0.0f;
        p.x = xs[i];
        if (outcomes[i] == Cls6::RowOutcome::Error) {
            // The point's own evaluation raises the error it raised.
            Binding b;
            b.x = xs[i];
            float f = 0.0f;
            if (!Eval(m_bufZ, f, b))
                return false;
            p.y = f;
            continue;
        }
        p.y = ys[i];
    }
    // A step value out of range ends sampling there, unclipped, as a
    // point-by-point pass does.
    if (!stepsOk)
        return false;
    for (size_t i = 0; i < xs.size(); ++i)
        ClipToPlotRange(*row[i]);
    return true;
}

bool Sampler::SampleCurve()
{
    Cls9& g = m_g;
    const bool intersection = g.GraphType == GraphTypeCurveIntersection;
    const bool explicitCartesian =
        g.FunForm == FunFormExplicit && g.CoordType == CoordTypeCartesian2D;
    if (explicitCartesian && !intersection && m_eval.CanEvaluateRow(m_bufZ))
        return SampleExplicitRow();
    for (int32_t i = 0; i <= g.StepV; ++i) {
        float s = 0.0f;
        if (!StepValue(g.MinV, i, m_dv, s))
            return false;
        if (!SampleCurvePoint(g.Vert3D(0, i), s, 0.0f))
            return false;
        if (intersection && explicitCartesian) {
            Cls2& q = g.VertExp2(0, i);
            q.z = 0.0f;
            q.x = s;
            Binding b;
            b.x = s;
            float f = 0.0f;
            if (!Eval(m_bufExp2, f, b))
                return false;
            q.y = f;
        }
    }
    if (g.FunForm == FunFormExplicit || g.FunForm == FunFormParametric) {
        for (int32_t i = 0; i <= g.StepV; ++i) {
            ClipToPlotRange(g.Vert3D(0, i));
            if (intersection)
                ClipToPlotRange(g.VertExp2(0, i));
        }
    }
    return true;
}

// A point given in one of the five coordinate systems, stored in the stored
// axis order (geometric x -> z, y -> x, z -> y).
bool Sampler::SamplePoint(Cls2& p, float t)
{
    Binding b;
    b.t = t;
    switch (m_g.CoordType) {
    case CoordTypeCartesian2D:
    case CoordTypeCartesian3D:
        return EvalCartesian(p, b);
    case CoordTypePolar:
        return EvalPolar(p, b);
    case CoordTypeCylindrical: {
        float theta = 0.0f, rho = 0.0f, h = 0.0f;
        if (!Eval(m_bufX, theta, b) || !Eval(m_bufY, rho, b))
            return false;
        CylindricalToStored(theta, rho, p.x, p.z);
        if (!Eval(m_bufZ, h, b))
            return false;
        p.y = h;
        break;
    }
    case CoordTypeSpherical: {
        float phi = 0.0f, theta = 0.0f, r = 0.0f;
        if (!Eval(m_bufX, phi, b) || !Eval(m_bufY, theta, b) || !Eval(m_bufZ, r, b))
            return false;
        SphericalToStored(phi, theta, r, p.x, p.y, p.z);
        break;
    }
    default:
        break;
    }
    return true;
}

bool Sampler::SampleAnimatedPoint()
{
    for (int32_t k = 0; k <= g_FrameCount; ++k) {
        float t = 0.0f;
        if (!StepValue(m_g.MinT, k, m_dt, t))
            return false;
        if (!SamplePoint(m_g.Anim1D(k), t))
            return false;
    }
    return true;
}

bool Sampler::SampleAnimatedCurve(PointGrid& grid, bool ribbon)
{
    for (int32_t i = 0; i <= m_g.StepV; ++i) {
        for (int32_t k = 0; k <= g_FrameCount; ++k) {
            float s = 0.0f;
            float t = 0.0f;
            if (!StepValue(m_g.MinV, i, m_dv, s) || !StepValue(m_g.MinT, k, m_dt, t))
                return false;
            Cls2& p = ribbon ? grid(0, i, k) : grid(i, k);
            if (!SampleCurvePoint(p, s, t))
                return false;
            ClipToPlotRange(p);
        }
    }
    return true;
}

bool Sampler::Run()
{
    Cls9& g = m_g;
    // A count of 0 means one segment (and one animation step).
    if (g.StepU == 0)
        g.StepU = 1;
    if (g.StepV == 0)
        g.StepV = 1;
    if (g_FrameCount == 0)
        g_FrameCount = 1;

    // A hidden circle has no curve to trace (its dialog stores no
    // expressions for it); only its tangent and derived circle are checked.
    if (g.GraphType == GraphTypeCircle && !g.GShowCircle) {
        ReportFigureProblems(g);
        return true;
    }

    m_txtX = Module1::InsertImplicitMultiply(g.ExpressX);
    m_txtY = Module1::InsertImplicitMultiply(g.ExpressY);
    m_txtZ = Module1::InsertImplicitMultiply(g.ExpressZ);

    if (!MakeGrids())
        return false;

    if (!Increment(g.MinV, g.MaxV, g.StepV, m_dv))
        return false;
    if (g.Animation && !Increment(g.MinT, g.MaxT, g_FrameCount, m_dt))
        return false;

    if (!Compile())
        return false;

    bool ok = true;
    switch (g.GraphType) {
    case GraphType2DFunction:
    case GraphType25DFunction:
    case GraphTypeCurveIntersection:
    case GraphTypeReserved21:
    case GraphTypeReserved22:
    case GraphTypeStepStem:
    case GraphTypeLimit:
    case GraphTypeLine:
    case GraphTypeCircle:
    case GraphTypeEllipse:
    case GraphTypeHyperbola:
    case GraphTypeParabola:
        ok = SampleCurve();
        break;
    case GraphTypePoint:
        ok = SamplePoint(g.Vert3D(0, 0), 0.0f);
        break;
    case GraphTypePointAnimation:
        ok = SampleAnimatedPoint();
        break;
    case GraphType2DFunctionAnimation:
        ok = SampleAnimatedCurve(g.Anim2D, false);
        break;
    case GraphType25DFunctionAnimation:
        ok = SampleAnimatedCurve(g.Anim25D, true);
        break;
    default:
        break;
    }
    if (!ok)
        return false;

    // The derivative, parity and differential-equation curves decide the
    // result from here on.
    if (!g.GetAnalysisPoints(m_txtX, m_txtY, m_txtZ))
        return false;

    // The graph is defined: say once what of its figure cannot be drawn.
    ReportFigureProblems(g);
    return true;
}

} // namespace

bool Cls9::GetPoints()
{
    // An evaluation that overflows or meets a malformed buffer raises; the
    // graph keeps the grids made so far and sampling reports failure.
    try {
        Sampler sampler(*this);
        return sampler.Run();
    } catch (const ExprError&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
