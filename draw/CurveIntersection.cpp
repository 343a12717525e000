// Crossings of the two curves of a curve-intersection graph and the area they enclose.
#include "draw/CurveIntersection.h"

#include "expr/Cls6.h"
#include "expr/Globals.h"
#include "expr/NIModule.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "platform/MessageBox.h"
#include "sampling/Segments.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t MaxCrossings = 50;

bool Defined(const Cls2& p) { return p.x != UndefinedSample && p.y != UndefinedSample; }

// The sample segment [x_i, x_i+1] of the first curve that holds x, within
// 0.00001; the last such segment, or 0 when none does.
int32_t SegmentHolding(const Cls9& g, float x)
{
    int32_t found = 0;
    for (int32_t i = 0; i < g.StepV; ++i) {
        const float xi = g.Vert3D(0, i).x;
        const float xn = g.Vert3D(0, i + 1).x;
        const bool startsAfter = xi >= x && std::fabs(xi - x) >= 0.00001f;
        const bool endsBefore = xn <= x && std::fabs(xn - x) >= 0.00001f;
        if (!startsAfter && !endsBefore)
            found = i;
    }
    return found;
}

} // namespace

IntersectionPlan PlanCurveIntersection(const Cls9& g, const QString& txtZ, const QString& txtExp2,
                                       float s)
{
    IntersectionPlan plan;
    if (!g.ShowInter && !g.ShowArea)
        return plan;

    // Two segments can only meet where their x ranges overlap, so most
    // pairs are passed over on their ranges alone.
    struct Span {
        bool defined;
        float lo, hi;
    };
    std::vector<Span> second(static_cast<size_t>(std::max<int32_t>(g.StepV, 0)));
    for (int32_t j = 0; j < g.StepV; ++j) {
        const Cls2& q1 = g.VertExp2(0, j);
        const Cls2& q2 = g.VertExp2(0, j + 1);
        second[static_cast<size_t>(j)] = {Defined(q1) && Defined(q2), std::min(q1.x, q2.x),
                                          std::max(q1.x, q2.x)};
    }
    // Past 50 crossings the user is warned and the first 50 are kept: the
    // curves and the rest of the analysis are still drawn.
    bool tooMany = false;
    for (int32_t i = 0; i < g.StepV && !tooMany; ++i) {
        const Cls2& p1 = g.Vert3D(0, i);
        const Cls2& p2 = g.Vert3D(0, i + 1);
        if (!Defined(p1) || !Defined(p2))
            continue;
        const float lo = std::min(p1.x, p2.x), hi = std::max(p1.x, p2.x);
        for (int32_t j = 0; j < g.StepV; ++j) {
            const Span& span = second[static_cast<size_t>(j)];
            if (!span.defined || span.hi < lo || span.lo > hi)
                continue;
            const Cls2& q1 = g.VertExp2(0, j);
            const Cls2& q2 = g.VertExp2(0, j + 1);
            float ix = 0, iy = 0, ix2 = 0, iy2 = 0;
            if (Module1::IntersectSegments(p1.x, p1.y, p2.x, p2.y, q1.x, q1.y, q2.x, q2.y, ix, iy,
                                           ix2, iy2) == 0)
                continue;
            if (static_cast<int32_t>(plan.points.size()) == MaxCrossings) {
                ShowMessage(QStringLiteral("交点数目大于50个。"), QStringLiteral("注意"),
                            MsgIcon::Warning, MsgButtons::Ok);
                tooMany = true;
                break;
            }
            Cls2 c;
            c.x = ix;
            c.y = iy;
            plan.points.push_back(c);
        }
    }

    plan.lines << QStringLiteral("函数2 y=") + g.Exp2;
    for (const Cls2& c : plan.points)
        plan.lines << QStringLiteral("    交点: x=") + NumberText(c.x) + QStringLiteral(",y=") +
                          NumberText(c.y);

    // The area between crossings only some of which are known would be wrong.
    const int32_t n = static_cast<int32_t>(plan.points.size());
    if (!g.ShowArea || n < 2 || tooMany)
        return plan;

    float xmin = plan.points.front().x, xmax = xmin;
    for (const Cls2& c : plan.points) {
        xmin = std::min(xmin, c.x);
        xmax = std::max(xmax, c.x);
    }
    const int32_t first = SegmentHolding(g, xmin);
    const int32_t last = SegmentHolding(g, xmax);

    Cls6 cls6;
    QString f1, f2;
    if (cls6.InfixToPostfix(txtZ, f1) != 0 || cls6.InfixToPostfix(txtExp2, f2) != 0) {
        plan.endsGraph = true;
        return plan;
    }
    auto eval = [&](const QString& buffer, float x) {
        float out = UndefinedSample;
        if (!cls6.DoEvaluate(buffer, false, out, 0, 0, x, 0, 0, 0, 0, 0, 0))
            return UndefinedSample;
        return out;
    };

    auto quad = [&](float xa, float ya, float xb, float yb, float xc, float yc, float xd, float yd) {
        ShadeQuad q;
        q.color = g.AreaColor;
        const float xsv[4] = {xa, xb, xc, xd}, ysv[4] = {ya, yb, yc, yd};
        for (int k = 0; k < 4; ++k) {
            q.x[k] = xsv[k] / s;
            q.y[k] = ysv[k] / s;
        }
        plan.quads.push_back(q);
    };
    auto bothDefined = [&](int32_t i) {
        return Defined(g.Vert3D(0, i)) && Defined(g.VertExp2(0, i));
    };

    // Both curves are shaded at the first curve's abscissas; the pieces at
    // the two ends reach from the crossing to the nearest inner sample.
    const float f1min = eval(f1, xmin), f2min = eval(f2, xmin);
    const float f1max = eval(f1, xmax), f2max = eval(f2, xmax);
    const bool startDefined = f1min != UndefinedSample && f2min != UndefinedSample;
    const bool endDefined = f1max != UndefinedSample && f2max != UndefinedSample;
    if (first == last || g.Vert3D(0, first + 1).x > xmax) {
        // Both crossings inside one sample segment: the piece between them.
        if (startDefined && endDefined)
            quad(xmin, f1min, xmax, f1max, xmax, f2max, xmin, f2min);
    } else {
        if (startDefined && bothDefined(first + 1)) {
            const Cls2& p = g.Vert3D(0, first + 1);
            quad(xmin, f1min, p.x, p.y, p.x, g.VertExp2(0, first + 1).y, xmin, f2min);
        }
        if (endDefined && bothDefined(last)) {
            const Cls2& p = g.Vert3D(0, last);
            quad(xmax, f1max, p.x, p.y, p.x, g.VertExp2(0, last).y, xmax, f2max);
        }
    }
    for (int32_t i = first + 1; i <= last - 1; ++i) {
        if (!bothDefined(i) || !bothDefined(i + 1))
            continue;
        const Cls2& p1 = g.Vert3D(0, i);
        const Cls2& p2 = g.Vert3D(0, i + 1);
        const Cls2& q1 = g.VertExp2(0, i);
        const Cls2& q2 = g.VertExp2(0, i + 1);
        quad(p1.x, p1.y, p2.x, p2.y, p2.x, q2.y, p1.x, q1.y);
    }

    // Between two neighbouring crossings the curves do not cross, so the
    // upper one, judged at the middle, stays the upper one all the way.
    std::vector<float> xs;
    for (const Cls2& c : plan.points)
        xs.push_back(c.x);
    std::sort(xs.begin(), xs.end());
    float total = 0.0f;
    for (int32_t k = 1; k < n; ++k) {
        const float a = xs[static_cast<size_t>(k - 1)], b = xs[static_cast<size_t>(k)];
        if (a == b)
            continue;
        const float m = (a + b) / 2;
        const QString integrand = eval(f1, m) > eval(f2, m)
                                      ? txtZ + QStringLiteral("-(") + txtExp2 + QStringLiteral(")")
                                      : txtExp2 + QStringLiteral("-(") + txtZ + QStringLiteral(")");
        total += NIModule::IntegrateTrapezoid(a, b, 0.001f, integrand, NIModule::VarModeX);
    }
    plan.lines << QStringLiteral("    相交区域的面积为 ") + NumberText(total);
    plan.lines << QString();
    return plan;
}

void MergeIntersection(const IntersectionPlan& crossing, Curve2DPlan& plan)
{
    const qsizetype at = plan.lines.isEmpty() ? 0 : 1;
    if (crossing.endsGraph && crossing.lines.isEmpty()) {
        plan.lines = plan.lines.mid(0, at);
        plan.ops.clear();
        return;
    }
    for (qsizetype k = 0; k < crossing.lines.size(); ++k)
        plan.lines.insert(at + k, crossing.lines[k]);
    if (crossing.endsGraph) {
        // f1 or f2 refused in the area step: the list stays, nothing is drawn.
        plan.lines = plan.lines.mid(0, at + crossing.lines.size());
        plan.ops.clear();
    }
}

void AppendAreaShading(const IntersectionPlan& crossing, std::vector<ShadePiece>& shading)
{
    for (const ShadeQuad& q : crossing.quads) {
        ShadePiece piece;
        piece.kind = ShadePiece::Kind::Quad;
        piece.color = q.color;
        for (int k = 0; k < 4; ++k) {
            piece.v[k][0] = q.x[k];
            piece.v[k][1] = q.y[k];
            piece.v[k][2] = 0.0f;
        }
        shading.push_back(piece);
    }
}
