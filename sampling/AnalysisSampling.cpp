// Analysis overlays of a graph, sampled on the graph's own grid: the first
// and second derivative curves, the parity curve f(-x) and the Euler
// solutions of y' = f(x, y).
#include "sampling/AnalysisSampling.h"

#include "expr/Cls6.h"
#include "expr/Der.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "model/Globals.h"

#include <cmath>

namespace {

// The three texts of one curve (x-, y- and z-text) and their buffers.
struct CurveTexts {
    QString text[3];
    QString buffer[3];
};

// Derivative text of p. A parametric text that is just the parameter keeps
// itself, so that x = u gives the derivative curve (u, dy/du).
bool DerivativeOf(const QString& p, QString& out)
{
    if (p == QLatin1String("u") || p == QLatin1String("U")) {
        out = p;
        return true;
    }
    return Der::DerivativeText(p, out);
}

void Clip(Cls2& p)
{
    if (p.x < g_RangeMinX || p.x > g_RangeMaxX)
        p.x = UndefinedSample;
    if (p.y < g_RangeMinY || p.y > g_RangeMaxY)
        p.y = UndefinedSample;
    if (p.z < g_RangeMinZ || p.z > g_RangeMaxZ)
        p.z = UndefinedSample;
}

bool IsCurveGraph(int32_t graphType)
{
    return graphType == GraphType2DFunction || graphType == GraphType25DFunction;
}

class AnalysisSampler {
public:
    explicit AnalysisSampler(Cls9& g) : m_g(g) {}

    // Makes the derivative texts of from into to; false when one could not
    // be made (the user has been told which).
    bool Derive(const CurveTexts& from, CurveTexts& to)
    {
        for (int k = 0; k < 3; ++k)
            if (!DerivativeOf(from.text[k], to.text[k]))
                return false;
        return true;
    }

    bool Compile(CurveTexts& c)
    {
        for (int k = 0; k < 3; ++k) {
            c.buffer[k].clear();
            if (m_cls6.InfixToPostfix(c.text[k], c.buffer[k]) != 0)
                return false;
        }
        return true;
    }

    // Forms and clips the points (0, i) of grid from the compiled texts, the
    // sample value running from first in steps of dv.
    bool Sample(PointGrid& grid, const CurveTexts& c, float first)
    {
        const float dv = Dv();
        for (int32_t i = 0; i <= m_g.StepV; ++i) {
            const float s = static_cast<float>(static_cast<double>(first) + static_cast<double>(i) * dv);
            Cls2& p = grid(0, i);
            if (!FormPoint(p, c, s))
                return false;
            Clip(p);
        }
        return true;
    }

    // y' = f(x, y) by Euler steps over the u range, from one start point or
    // from a family of start points spread over the v range.
    void SolveDifferentialEquation(const QString& bufZ)
    {
        Cls9& g = m_g;
        const float du = static_cast<float>((g.MaxU - g.MinU) / static_cast<float>(g.StepU));
        int32_t last = 0;
        if (g.ODEInitial) {
            Cls2& p = g.VertODE(0, 0);
            p.x = g.ODEInitX;
            p.y = g.ODEInitY;
            p.z = 0;
        } else {
            for (int32_t j = 0; j <= g.StepV; ++j) {
                Cls2& p = g.VertODE(0, j);
                p.x = g.MinU;
                p.y = static_cast<float>(g.MinV + j * (g.MaxV - g.MinV) / g.StepV);
                p.z = 0;
            }
            last = g.StepV;
        }
        const float band = 2 * std::max(std::fabs(g.MaxV), std::fabs(g.MinV));
        for (int32_t i = 1; i <= g.StepU; ++i) {
            for (int32_t j = 0; j <= last; ++j) {
                const Cls2& prev = g.VertODE(i - 1, j);
                const float x0 = prev.x, y0 = prev.y;
                float k = UndefinedSample;
                m_cls6.DoEvaluate(bufZ, false, k, 0, 0, x0, y0, 0, 0, 0, 0, 0);
                Cls2& p = g.VertODE(i, j);
                p.x = static_cast<float>(g.MinU + i * du);
                p.z = 0;
                // Once a solution leaves the defined region it stays
                // undefined; it must not go on from the marker value.
                if (k == UndefinedSample || y0 == UndefinedSample)
                    p.y = UndefinedSample;
                else
                    p.y = static_cast<float>(y0 + du * k);
                if (!g.ODEInitial && p.y != UndefinedSample && (p.y > band || !(p.y >= -band)))
                    p.y = UndefinedSample;
            }
        }
    }

    Cls6& Compiler() { return m_cls6; }

private:
    float Dv() const { return static_cast<float>((m_g.MaxV - m_g.MinV) / static_cast<float>(m_g.StepV)); }

    bool Eval(const QString& buffer, float& r, float u, float x, float a)
    {
        return m_cls6.DoEvaluate(buffer, false, r, u, 0, x, 0, a, 0, 0, 0, 0);
    }

    bool FormPoint(Cls2& p, const CurveTexts& c, float s)
    {
        const int32_t form = m_g.FunForm, coord = m_g.CoordType;
        float fX = 0, fY = 0, fZ = 0;
        if (form == FunFormExplicit && coord == CoordTypeCartesian2D) {
            if (!Eval(c.buffer[2], fZ, 0, s, 0))
                return false;
            p.x = s;
            p.y = fZ;
            p.z = 0;
        } else if (form == FunFormExplicit && coord == CoordTypePolar) {
            if (!Eval(c.buffer[2], fZ, 0, 0, s))
                return false;
            p.x = static_cast<float>(fZ * std::cos(static_cast<double>(s)));
            p.y = static_cast<float>(fZ * std::sin(static_cast<double>(s)));
            p.z = 0;
        } else if (form == FunFormParametric &&
                   (coord == CoordTypeCartesian2D || coord == CoordTypePolar)) {
            if (!Eval(c.buffer[0], fX, s, 0, 0) || !Eval(c.buffer[1], fY, s, 0, 0) ||
                !Eval(c.buffer[2], fZ, s, 0, 0))
                return false;
            if (coord == CoordTypeCartesian2D) {
                p.x = fY;
                p.y = fZ;
            } else {
                p.x = static_cast<float>(fZ * std::cos(static_cast<double>(fY)));
                p.y = static_cast<float>(fZ * std::sin(static_cast<double>(fY)));
            }
            p.z = fX;
        }
        return true;
    }

    Cls9& m_g;
    Cls6 m_cls6;
};

} // namespace

bool Cls9::GetAnalysisPoints(const QString& txtX, const QString& txtY, const QString& txtZ)
{
    try {
        AnalysisSampler sampler(*this);
        const bool curve = IsCurveGraph(GraphType);

        if (ShowDev || ShowQie || ShowNml || ShowMax || ShowMin || ShowCurv || ShowGuai) {
            const CurveTexts own{{txtX, txtY, txtZ}, {}};
            CurveTexts first;
            // A text that cannot be differentiated refuses a curve that
            // needs its derivative; other graph kinds sample nothing here.
            if (sampler.Derive(own, first)) {
                if (!sampler.Compile(first))
                    return false;
                if (curve && !sampler.Sample(VertDev, first, MinV))
                    return false;
                if (ShowGuai || ShowCurv) {
                    CurveTexts second;
                    if (sampler.Derive(first, second)) {
                        if (!sampler.Compile(second))
                            return false;
                        if (curve && !sampler.Sample(VertDev2, second, MinV))
                            return false;
                    } else if (curve) {
                        return false;
                    }
                }
            } else if (curve) {
                return false;
            }
        }

        if (ShowJO) {
            CurveTexts parity{{QStringLiteral("0"), txtY, NegateFreeVariable(txtZ)}, {}};
            if (!sampler.Compile(parity))
                return false;
            if (curve && !sampler.Sample(VertJO, parity, -MaxV))
                return false;
        }

        if (GraphType == GraphTypeDifferentialEquation) {
            QString bufZ;
            if (sampler.Compiler().InfixToPostfix(txtZ, bufZ) != 0)
                return false;
            sampler.SolveDifferentialEquation(bufZ);
        }
    } catch (const ExprError&) {
        // A malformed buffer or an arithmetic fault: the overlay cannot be
        // drawn, and sampling as a whole fails.
        return false;
    }
    return true;
}
