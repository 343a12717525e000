// Planning of the plane figures (line with its point and second-line
// relations, circle with tangents and a derived circle, ellipse, hyperbola,
// parabola): segments, markers and analysis lines, without any OpenGL call.
#include "draw/PlaneFigures.h"

#include "draw/SegmentMerge.h"
#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/StyleLists.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr int32_t Black = 0;
const QString kHint = QStringLiteral("提示");

// A value that fits a 32-bit float once rounded.
bool FitsFloat(double v) { return std::fabs(v) <= FLT_MAX; }

// Signed and plain number text. The figures work their quantities out in
// double, so a result is left unwritable only when it lies beyond the
// 32-bit range: it then reads "溢出", never an empty number.
QString S(double v)
{
    return FitsFloat(v) ? SignedNumberText(static_cast<float>(v)) : QStringLiteral("溢出");
}
QString N(double v)
{
    return FitsFloat(v) ? NumberText(static_cast<float>(v)) : QStringLiteral("溢出");
}

bool Usable(float v) { return v != UndefinedSample && std::isfinite(v); }

struct Pt {
    float x = 0.0f;
    float y = 0.0f;
    bool ok = false;
};

// The figure's samples (row 0 of Vert3D, 0 to StepV) as local copies; a
// sample that is undefined in x or y, or not finite, is marked unusable.
std::vector<Pt> Samples(const Cls9& g)
{
    std::vector<Pt> out;
    out.reserve(static_cast<size_t>(std::max<int32_t>(g.StepV, 0)) + 1);
    for (int32_t i = 0; i <= g.StepV; ++i) {
        if (!g.Vert3D.InRange(0, i))
            break;
        const Cls2& p = g.Vert3D(0, i);
        out.push_back({p.x, p.y, Usable(p.x) && Usable(p.y)});
    }
    return out;
}

class Planner {
public:
    Planner(PlaneFigurePlan& plan, float scale) : m_plan(plan), m_s(scale) {}

    // A segment in a figure's width member. A width beyond the dialogs'
    // list is drawn at the list's nearer end; a segment with an end that
    // has no place in GL units is left out.
    void Line(int32_t color, int32_t width, double x1, double y1, double x2, double y2)
    {
        float v[4];
        if (!Scaled({x1, y1, x2, y2}, v))
            return;
        m_plan.ops.push_back(LineOp(color, kPlaneFigureWidths.Clamp(width), v[0], v[1], 0.0f,
                                    v[2], v[3], 0.0f));
    }
    void Marker(int32_t color, float size, double x, double y)
    {
        float v[2];
        if (!Scaled({x, y}, v))
            return;
        m_plan.ops.push_back(MarkerOp(color, size, MarkerSymbolFilledCircle, v[0], v[1]));
    }
    void Text(const QString& line) { m_plan.lines << line; }
    void Stop(const QString& message) { m_plan.message = message; }

    // Joins each pair of neighbouring usable samples; with a mirror axis,
    // also their images reflected about y = axis. `split` (optional) refuses
    // a segment whose two ends lie on different branches. The joined
    // samples go through the sub-pixel merge of the function curves, each
    // branch and its image as runs of their own: a figure of a million
    // steps becomes about as many chords as it covers pixels, drawn the
    // same. They are merged a few thousand at a time, which keeps the work
    // in the cache; a chord then ends at a sample where one batch ends.
    template <typename Split>
    void Join(const std::vector<Pt>& pts, int32_t color, int32_t width,
              std::optional<float> axis, Split split)
    {
        constexpr size_t kBatch = 4096 * 6; // floats: 4096 segments
        const int32_t drawn = kPlaneFigureWidths.Clamp(width);
        std::vector<float> curve, image;
        curve.reserve(kBatch);
        if (axis)
            image.reserve(kBatch);
        auto flush = [&](std::vector<float>& run) {
            const std::vector<float> chords = MergeShortSegments(run);
            for (size_t k = 0; k + 5 < chords.size(); k += 6)
                m_plan.ops.push_back(LineOp(color, drawn, chords[k], chords[k + 1], 0.0f,
                                            chords[k + 3], chords[k + 4], 0.0f));
            run.clear();
        };
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            const Pt& p = pts[i];
            const Pt& q = pts[i + 1];
            if (!p.ok || !q.ok || split(p, q))
                continue;
            AddSegment(curve, p.x, p.y, q.x, q.y);
            if (curve.size() >= kBatch)
                flush(curve);
            if (axis) {
                AddSegment(image, p.x, 2.0 * *axis - p.y, q.x, 2.0 * *axis - q.y);
                if (image.size() >= kBatch)
                    flush(image);
            }
        }
        flush(curve);
        flush(image);
    }
    void Join(const std::vector<Pt>& pts, int32_t color, int32_t width)
    {
        Join(pts, color, width, std::nullopt, [](const Pt&, const Pt&) { return false; });
    }

    // Closes a branch at its vertex (vx, axis): the usable sample nearest to
    // the vertex on the branch's side (side > 0: x >= vx) is joined to it
    // when it lies within one sample step, with its mirror image.
    void CloseAtVertex(const std::vector<Pt>& pts, float vx, float axis, int side, double step,
                       int32_t color, int32_t width)
    {
        const Pt* best = nullptr;
        double bestDist = 0.0;
        for (const Pt& p : pts) {
            if (!p.ok || (p.x - vx) * side < 0.0f)
                continue;
            const double d = std::fabs(static_cast<double>(p.x) - vx);
            if (!best || d < bestDist) {
                best = &p;
                bestDist = d;
            }
        }
        if (!best || bestDist > step * 1.001 || (best->x == vx && best->y == axis))
            return;
        Line(color, width, best->x, best->y, vx, axis);
        Line(color, width, best->x, 2.0 * axis - best->y, vx, axis);
    }

private:
    // Divides by the scene scale into `out`; false when a result does not
    // fit a 32-bit float.
    template <size_t n>
    bool Scaled(const double (&in)[n], float* out) const
    {
        for (size_t i = 0; i < n; ++i) {
            const double v = in[i] / m_s;
            if (!FitsFloat(v))
                return false;
            out[i] = static_cast<float>(v);
        }
        return true;
    }
    void AddSegment(std::vector<float>& out, double x1, double y1, double x2, double y2) const
    {
        float v[4];
        if (Scaled({x1, y1, x2, y2}, v))
            out.insert(out.end(), {v[0], v[1], 0.0f, v[2], v[3], 0.0f});
    }

    PlaneFigurePlan& m_plan;
    float m_s;
};

// ---- Lines -----------------------------------------------------------------

// A line as A·x + B·y + C = 0. A vertical line has B = 0 (a line through two
// points with x1 = x2 is x - x1 = 0); a line with A = B = 0 is no line.
struct LineEq {
    // Worked out in double: a slope or intercept of stored 32-bit values
    // (1e30 / 1e-30) may lie far beyond the float range.
    double A = 0.0, B = 0.0, C = 0.0;
    double k = 0.0;      // slope, when not vertical
    double b = 0.0;      // intercept, when not vertical
    bool valid = false;  // A and B not both 0
    bool Vertical() const { return valid && B == 0.0; }
};

LineEq LineFrom(int32_t form, double p1, double p2, double p3, double p4)
{
    LineEq l;
    switch (form) {
    case LineFormGeneral:
        l.A = p1;
        l.B = p2;
        l.C = p3;
        if (p2 != 0.0) {
            l.k = -p1 / p2;
            l.b = -p3 / p2;
        }
        break;
    case LineFormPointSlope:
        l.k = p3;
        l.b = p2 - p3 * p1;
        break;
    case LineFormSlopeIntercept:
        l.k = p2;
        l.b = p1;
        break;
    case LineFormTwoPoint:
        if (p3 == p1) {
            l.A = 1.0;
            l.B = 0.0;
            l.C = -p1;
        } else {
            l.k = (p4 - p2) / (p3 - p1);
            l.b = p2 - l.k * p1;
        }
        break;
    default:
        return l;
    }
    if (form != LineFormGeneral && !(form == LineFormTwoPoint && p3 == p1)) {
        l.A = l.k;
        l.B = -1.0;
        l.C = l.b;
    }
    l.valid = l.A != 0.0 || l.B != 0.0;
    return l;
}

// The equation as the user gave it, in signed or plain number text.
QString LineEquation(int32_t form, float p1, float p2, float p3, float p4,
                     QString (*t)(double), const QString& generalLead, const QString& lead)
{
    switch (form) {
    case LineFormGeneral:
        return generalLead + t(p1) + "x+" + t(p2) + "y+" + t(p3) + "=0";
    case LineFormPointSlope:
        return lead + "y-" + t(p2) + "=" + t(p3) + "(x-" + t(p1) + ")";
    case LineFormSlopeIntercept:
        return lead + "y=" + t(p2) + "x+" + t(p1);
    case LineFormTwoPoint:
        return lead + "(y-" + t(p2) + ")/(" + t(p4) + "-" + t(p2) + ")=(x-" + t(p1) + ")/(" +
               t(p3) + "-" + t(p1) + ")";
    default:
        return QString();
    }
}

// "y=kx+b" of a line through (px, py) with slope k, or "x=px" when vertical.
QString Through(bool vertical, double k, double px, double py)
{
    if (vertical)
        return QStringLiteral("x=") + S(px);
    return QStringLiteral("y=") + S(k) + "x+" + S(py - k * px);
}

// Returns false when the figure ends here.
bool PointRelation(const Cls9& g, const LineEq& l, Planner& out)
{
    const float px = g.GLinePointX;
    const float py = g.GLinePointY;
    const QString head = QStringLiteral("  过点(") + S(px) + "," + S(py) + ")";
    if (g.GLinePointType == LineThroughPointParallel) {
        // The heading and the equation share one text line.
        if (!l.valid) {
            out.Text(head + QStringLiteral("，求直线的平行线"));
        } else {
            out.Text(head + QStringLiteral("，求直线的平行线") +
                     QStringLiteral("    平行线的方程： ") + Through(l.Vertical(), l.k, px, py));
            // Over the line's own parameter range: x = u, or y = u for a
            // vertical line.
            if (l.Vertical())
                out.Line(Black, 1, px, g.MinV, px, g.MaxV);
            else
                out.Line(Black, 1, g.MinV, (g.MinV - px) * l.k + py, g.MaxV,
                         (g.MaxV - px) * l.k + py);
        }
    } else if (g.GLinePointType == LineThroughPointPerpendicular) {
        out.Text(head + QStringLiteral("，求直线的垂线"));
        if (!l.valid) {
            out.Stop(QStringLiteral("无法求垂足。"));
            return false;
        }
        const double A = l.A, B = l.B, C = l.C;
        const double t = (A * px + B * py + C) / (A * A + B * B);
        const double xf = px - A * t;
        const double yf = py - B * t;
        const double d = std::fabs(A * px + B * py + C) / std::sqrt(A * A + B * B);
        out.Line(Black, 1, px, py, xf, yf);
        QString eq;
        if (l.Vertical())
            eq = Through(false, 0.0, px, py);
        else if (l.k == 0.0)
            eq = Through(true, 0.0, px, py);
        else
            eq = Through(false, -1.0 / l.k, px, py);
        out.Text(QStringLiteral("    垂线的方程： ") + eq);
        out.Text(QStringLiteral("    垂足：(") + S(xf) + "," + S(yf) + ")");
        out.Text(QStringLiteral("    垂距：") + S(d));
    }
    // A size beyond the dialog's list is drawn at its largest; a record
    // without one (0) shows the marker at size 3.
    out.Marker(g.GLinePointColor,
               g.GLinePointSize > 0 ? static_cast<float>(kLinePointSizes.Clamp(g.GLinePointSize))
                                    : 3.0f,
               px, py);
    return true;
}

void SecondLine(const Cls9& g, const LineEq& l1, Planner& out)
{
    const int32_t form = g.GLineLineType;
    if (form < LineFormGeneral || form > LineFormTwoPoint)
        return;
    const LineEq l2 = LineFrom(form, g.GPara5, g.GPara6, g.GPara7, g.GPara8);
    out.Text(LineEquation(form, g.GPara5, g.GPara6, g.GPara7, g.GPara8, N,
                          QStringLiteral("  与另一直线 "),
                          form == LineFormTwoPoint ? QStringLiteral("  与另一直线")
                                                   : QStringLiteral("  与另一直线 ")) +
             QStringLiteral("的关系"));

    // The acute angle between the lines from their normals; perpendicular
    // lines give atan2(x, 0), exactly a right angle.
    const double A = l1.A, B = l1.B, C = l1.C;
    const double A2 = l2.A, B2 = l2.B, C2 = l2.C;
    const double cross = std::fabs(A * B2 - A2 * B);
    const double dot = std::fabs(A * A2 + B * B2);
    const double angle = std::atan2(cross, dot) * 180.0 / std::numbers::pi;

    const double det = A * B2 - A2 * B;
    const bool meet = l1.valid && l2.valid && det != 0.0;
    double xi = 0.0, yi = 0.0;
    if (meet) {
        xi = (B * C2 - B2 * C) / det;
        yi = (A2 * C - A * C2) / det;
    }

    // The second line runs over the first line's x(u) at the ends of its
    // parameter range; a vertical first line has one x there, so its
    // parameter range (its y) is taken instead.
    Cls6 eval;
    QString buffer;
    if (eval.InfixToPostfix(Module1::InsertImplicitMultiply(g.ExpressY), buffer) != 0) {
        out.Stop(QString()); // the compiler has said why
        return;
    }
    float xs = UndefinedSample, xe = UndefinedSample;
    try {
        (void)eval.DoEvaluate(buffer, false, xs, g.MinV, 0, 0, 0, 0, 0, 0, 0, 0);
        (void)eval.DoEvaluate(buffer, false, xe, g.MaxV, 0, 0, 0, 0, 0, 0, 0, 0);
    } catch (const ExprError&) {
        xs = xe = UndefinedSample;
    }
    if (l1.Vertical() || (Usable(xs) && xs == xe)) {
        xs = g.MinV;
        xe = g.MaxV;
    }
    if (l2.valid) {
        double x1 = xs, x2 = xe, y1 = 0.0, y2 = 0.0;
        if (l2.Vertical()) {
            x1 = x2 = -C2 / A2;
            if (meet) {
                y1 = yi - 3.0;
                y2 = yi + 3.0;
            } else {
                y1 = -3.0;
                y2 = 3.0;
            }
        } else {
            y1 = x1 * l2.k + l2.b;
            y2 = x2 * l2.k + l2.b;
        }
        if (l2.Vertical() || (Usable(xs) && Usable(xe)))
            out.Line(g.GLineLineColor, g.GLineLineWidth, x1, y1, x2, y2);
    }
    if (meet)
        out.Marker(Black, 3.0f, xi, yi);
    out.Text(QStringLiteral("    夹角：") + S(angle));
    if (meet)
        out.Text(QStringLiteral("    交点：(") + S(xi) + ", " + S(yi) + ")");
    else
        out.Text(QStringLiteral("    没有交点"));
}

void PlanLine(const Cls9& g, Planner& out)
{
    const QString eq = LineEquation(g.GLineType, g.GPara1, g.GPara2, g.GPara3, g.GPara4, S,
                                    QStringLiteral("直线： "), QStringLiteral("直线： "));
    if (!eq.isEmpty())
        out.Text(eq);
    out.Join(Samples(g), g.GLineColor, g.Glinewidth);
    const LineEq l = LineFrom(g.GLineType, g.GPara1, g.GPara2, g.GPara3, g.GPara4);
    if (g.GShowLinePoint && !PointRelation(g, l, out))
        return;
    if (g.GShowLineLine)
        SecondLine(g, l, out);
}

// ---- Circles ---------------------------------------------------------------

const QString kNoCircle = QStringLiteral("根据给定的圆方程无法画出圆来。");
const QString kPointCircle = QStringLiteral("根据给定的圆方程画出来的圆是一个点。");

// Returns false when the figure ends here.
bool Tangents(const Cls9& g, Planner& out)
{
    out.Text(QStringLiteral("  根据已知条件求圆的切线"));
    double a = 0.0, b = 0.0, r = 0.0;
    if (g.GCircleType == CircleFormGeneral) {
        // In double: D² + E² of large coefficients lies beyond the float range.
        const double D = g.GPara1, E = g.GPara2, F = g.GPara3;
        const double q = D * D + E * E - 4.0 * F;
        if (q < 0.0) {
            out.Stop(kNoCircle);
            return false;
        }
        if (std::fabs(q) < 0.00001f) {
            out.Stop(kPointCircle);
            return false;
        }
        a = -D / 2.0;
        b = -E / 2.0;
        r = std::sqrt(q / 4.0);
    } else if (g.GCircleType == CircleFormStandard || g.GCircleType == CircleFormParametric) {
        a = g.GPara1;
        b = g.GPara2;
        r = std::fabs(g.GPara3); // r sin u + a and -r sin u + a trace one circle
    }
    // No tangent touches a circle of radius 0 (or of a form not known).
    if (r == 0.0) {
        out.Stop(kPointCircle);
        return false;
    }
    const int32_t color = g.GCircleTangColor;
    const int32_t width = g.GCircleTangWidth;

    if (g.GCircleTangType == CircleTangentGivenSlope) {
        const double k = g.GCircleTangK;
        out.Text(QStringLiteral("    已知切线的斜率k=") + S(k));
        // The radius to each tangent point is perpendicular to (1, k).
        const double h = std::sqrt(k * k + 1.0);
        const double x1 = a + k * r / h, y1 = b - r / h;
        const double x2 = a - k * r / h, y2 = b + r / h;
        out.Text(QStringLiteral("      切线方程为 y=") + S(k) + "x+" + S(y1 - x1 * k) +
                 QStringLiteral(" 和 y=") + S(k) + "x+" + S(y2 - x2 * k));
        // Each tangent is 2r long, centred at its tangent point.
        const double dx = r / h, dy = k * r / h;
        out.Line(color, width, x1 - dx, y1 - dy, x1 + dx, y1 + dy);
        out.Line(color, width, x2 - dx, y2 - dy, x2 + dx, y2 + dy);
    } else if (g.GCircleTangType == CircleTangentGivenPoint) {
        const double px = g.GCircleTangPointX;
        const double py = g.GCircleTangPointY;
        out.Text(QStringLiteral("    已知圆上一点(") + S(px) + ", " + S(py) + ")");
        const double dx = px - a, dy = py - b;
        const double dist = std::hypot(dx, dy);
        // Points typed with a few decimals (0.707, 0.707) count as on the
        // circle; anything farther has no tangent through it that touches
        // the circle there.
        if (dist == 0.0 || std::fabs(dist - r) > 0.001 * std::max(1.0, r)) {
            out.Stop(QStringLiteral("已知点不在圆上，无法作过该点的切线。"));
            return false;
        }
        QString eq;
        if (dy == 0.0)
            eq = Through(true, 0.0, px, py);
        else
            eq = Through(false, dx == 0.0 ? 0.0 : -dx / dy, px, py);
        out.Text(QStringLiteral("      切线方程为 ") + eq);
        // The radius, then the tangent: 2r long, centred at P, across the
        // radius.
        out.Line(color, width, px, py, a, b);
        const double ux = -dy / dist * r, uy = dx / dist * r;
        out.Line(color, width, px - ux, py - uy, px + ux, py + uy);
    }
    return true;
}

void DerivedCircle(const Cls9& g, Planner& out)
{
    double x0 = g.GPara5, y0 = g.GPara6, r = 0.0;
    switch (g.GCircleEquaType) {
    case CircleEquationGivenCenterRadius:
        r = g.GPara7;
        break;
    case CircleEquationGivenCenterPoint:
        r = std::hypot(static_cast<double>(g.GPara7) - g.GPara5,
                       static_cast<double>(g.GPara8) - g.GPara6);
        break;
    case CircleEquationGivenCenterTangent: {
        const double A = g.GPara7, B = g.GPara8, C = g.GPara9;
        if (A == 0.0 && B == 0.0) {
            out.Stop(QStringLiteral("请检查数据，你给定的可能不是合法的直线方程。"));
            return;
        }
        r = std::fabs(A * x0 + B * y0 + C) / std::sqrt(A * A + B * B);
        break;
    }
    case CircleEquationGivenThreePoints: {
        const double x1 = g.GPara5, y1 = g.GPara6, x2 = g.GPara7, y2 = g.GPara8;
        const double x3 = g.GPara9, y3 = g.GPara10;
        const double e1 = x2 * x2 - x1 * x1 + y2 * y2 - y1 * y1;
        const double e2 = x3 * x3 - x1 * x1 + y3 * y3 - y1 * y1;
        const double d1 = (y3 - y1) * (x2 - x1) - (x3 - x1) * (y2 - y1);
        if (d1 == 0.0) {
            out.Stop(QStringLiteral("无法根据给定的三个点绘圆，它们可能重合或在同一条直线上。"));
            return;
        }
        const double D = ((y3 - y1) * e1 - (y2 - y1) * e2) / -d1;
        const double E = ((x3 - x1) * e1 - (x2 - x1) * e2) / d1;
        const double F = -(x1 * x1 + y1 * y1 + D * x1 + E * y1);
        x0 = -D / 2.0;
        y0 = -E / 2.0;
        r = std::sqrt(std::max(0.0, (E * E + D * D - 4.0 * F) / 4.0));
        break;
    }
    default:
        return;
    }
    // 101 points from u = 0 to 6.2832, just past a full turn, so it closes.
    double px = 0.0, py = 0.0;
    for (int i = 0; i <= 100; ++i) {
        const float u = static_cast<float>(i * 62832) / 1000000.0f;
        const double x = r * std::cos(u) + x0;
        const double y = r * std::sin(u) + y0;
        if (i > 0)
            out.Line(g.GCircleEquaColor, g.GCircleEquaWidth, px, py, x, y);
        px = x;
        py = y;
    }
    out.Text(QStringLiteral("      圆的方程为  (x-") + N(x0) + ")^2+(y-" + N(y0) + ")^2=" + N(r) +
             "^2");
}

void PlanCircle(const Cls9& g, Planner& out)
{
    switch (g.GCircleType) {
    case CircleFormStandard:
        out.Text(QStringLiteral("圆  (x-") + N(g.GPara1) + ")^2+(y-" + N(g.GPara2) + ")^2=" +
                 N(g.GPara3) + "^2");
        break;
    case CircleFormGeneral:
        out.Text(QStringLiteral("圆  x^2+y^2+") + N(g.GPara1) + "x+" + N(g.GPara2) + "y+" +
                 N(g.GPara3) + "=0");
        break;
    case CircleFormParametric:
        out.Text(QStringLiteral("圆  x=") + N(g.GPara3) + "sin(u)+" + N(g.GPara1) + ", y=" +
                 N(g.GPara3) + "cos(u)+" + N(g.GPara2));
        break;
    default:
        break;
    }
    if (g.GShowCircle)
        out.Join(Samples(g), g.GCircleColor, g.GCircleWidth);
    if (g.GShowCircleTangent && !Tangents(g, out))
        return;
    if (g.GShowCircleEqua)
        DerivedCircle(g, out);
}

// ---- Ellipses ----------------------------------------------------------------

void PlanEllipse(const Cls9& g, Planner& out)
{
    out.Join(Samples(g), g.GEllipseColor, g.GEllipseWidth);
    if (!g.GEllipseCompute)
        return;
    // a sin u and -a sin u trace one ellipse: the semi-axes are magnitudes.
    // Everything in double: a² of a = 1e20 lies beyond the float range,
    // a²/c does not.
    const double a = std::fabs(static_cast<double>(g.GPara1));
    const double b = std::fabs(static_cast<double>(g.GPara2));
    const double h = g.GPara3, k = g.GPara4;
    const bool wide = a > b;
    const double c = std::sqrt(wide ? a * a - b * b : b * b - a * a);
    out.Text(QStringLiteral("    顶点坐标：(") + S(-a + h) + ", " + S(k) + ")  (" + S(a + h) + ", " +
             S(k) + ")");
    out.Text(QStringLiteral("             (") + S(h) + ", " + S(-b + k) + ")  (" + S(h) + ", " +
             S(b + k) + ")");
    if (wide)
        out.Text(QStringLiteral("    焦点坐标：(") + S(-c + h) + ", " + S(k) + ")  (" + S(c + h) +
                 ", " + S(k) + ")");
    else
        out.Text(QStringLiteral("    焦点坐标：(") + S(h) + ", " + S(-c + k) + ")  (" + S(h) + ", " +
                 S(c + k) + ")");
    out.Text(QStringLiteral("    对称轴：x=") + S(h) + QStringLiteral(" 和 y=") + S(k));
    // A circle has no directrices.
    if (c != 0.0) {
        if (wide) {
            const double t = a * a / c;
            out.Text(QStringLiteral("    准线方程：x=") + S(-t + h) + QStringLiteral(" 和 x=") +
                     S(t + h));
        } else {
            const double t = b * b / c;
            out.Text(QStringLiteral("    准线方程：y=") + S(-t + k) + QStringLiteral(" 和 y=") +
                     S(t + k));
        }
    }
    // A circle (c = 0, a point included) has eccentricity 0.
    const double major = wide ? a : b;
    out.Text(QStringLiteral("    离心率：e=") + S(c == 0.0 ? 0.0 : c / major));
}

// ---- Hyperbolas and parabolas ----------------------------------------------

double SampleStep(const Cls9& g)
{
    return g.StepV > 0 ? std::fabs(static_cast<double>(g.MaxV) - g.MinV) / g.StepV : 0.0;
}

void PlanHyperbola(const Cls9& g, Planner& out)
{
    const float a = g.GPara1, b = g.GPara2, c = g.GPara3, d = g.GPara4;
    const float aa = std::fabs(a);
    const std::vector<Pt> pts = Samples(g);
    const int32_t color = g.GHyperColor, width = g.GHyperWidth;
    if (g.GHyperType == HyperbolaFormHorizontal) {
        // Samples between the vertices have no value; the two branches are
        // never joined across the centre.
        out.Join(pts, color, width, d,
                 [c](const Pt& p, const Pt& q) { return (p.x < c) != (q.x < c); });
        out.CloseAtVertex(pts, c - aa, d, -1, SampleStep(g), color, width);
        out.CloseAtVertex(pts, c + aa, d, 1, SampleStep(g), color, width);
    } else if (g.GHyperType == HyperbolaFormVertical) {
        out.Join(pts, color, width, d, [](const Pt&, const Pt&) { return false; });
    }
    if (a == 0.0f || b == 0.0f) {
        out.Stop(QStringLiteral("双曲线的a和b都不能为0。"));
        return;
    }
    if (!g.GHyperCompute)
        return;
    const bool horizontal = g.GHyperType == HyperbolaFormHorizontal;
    // The text's quantities in double: a², b² and b/a of stored values may
    // lie beyond the float range where the results do not.
    const double A = std::fabs(static_cast<double>(a)), B = std::fabs(static_cast<double>(b));
    const double C = c, D = d;
    const double e = std::sqrt(A * A + B * B);
    if (horizontal) {
        out.Text(QStringLiteral("    顶点坐标：(") + S(C - A) + ", " + S(D) + ")  (" + S(A + C) +
                 ", " + S(D) + ")");
        out.Text(QStringLiteral("    焦点坐标：(") + S(C - e) + ", " + S(D) + ")  (" + S(e + C) +
                 ", " + S(D) + ")");
    } else {
        out.Text(QStringLiteral("    顶点坐标：(") + S(C) + ", " + S(D - B) + ")  (" + S(C) + ", " +
                 S(B + D) + ")");
        out.Text(QStringLiteral("    焦点坐标：(") + S(C) + ", " + S(D - e) + ")  (" + S(C) + ", " +
                 S(e + D) + ")");
    }
    out.Text(QStringLiteral("    对称轴：x=") + S(C) + QStringLiteral(" 和 y=") + S(D));
    if (horizontal) {
        const double t = A * A / e;
        out.Text(QStringLiteral("    准线方程：x=") + S(C - t) + QStringLiteral(" 和 x=") + S(t + C));
        out.Text(QStringLiteral("    离心率：e=") + S(e / A));
    } else {
        const double t = B * B / e;
        out.Text(QStringLiteral("    准线方程：y=") + S(D - t) + QStringLiteral(" 和 y=") + S(t + D));
        out.Text(QStringLiteral("    离心率：e=") + S(e / B));
    }
    const double slope = B / A;
    out.Text(QStringLiteral("    渐近线方程: y=") + S(-slope) + "(x-" + S(C) + ")+" + S(D) +
             QStringLiteral(" 和  y=") + S(slope) + "(x-" + S(C) + ")+" + S(D));
}

void PlanParabola(const Cls9& g, Planner& out)
{
    const float a = g.GPara1, b = g.GPara2, p = g.GPara3;
    const std::vector<Pt> pts = Samples(g);
    const int32_t color = g.GParaColor, width = g.GParaWidth;
    const bool horizontal = g.GParaType == ParabolaFormHorizontal;
    if (horizontal) {
        out.Join(pts, color, width, b, [](const Pt&, const Pt&) { return false; });
        if (p != 0.0f)
            out.CloseAtVertex(pts, a, b, p > 0.0f ? 1 : -1, SampleStep(g), color, width);
    } else if (g.GParaType == ParabolaFormVertical) {
        out.Join(pts, color, width);
    }
    if (!g.GParaCompute)
        return;
    // In double: p/2 + a of values near the float limit lies beyond it.
    const double half = p / 2.0;
    out.Text(QStringLiteral("    顶点坐标：(") + S(a) + ", " + S(b) + ")");
    if (horizontal) {
        out.Text(QStringLiteral("    焦点坐标：(") + S(half + a) + ", " + S(b) + ")");
        out.Text(QStringLiteral("    对称轴：y=") + S(b));
        out.Text(QStringLiteral("    准线方程：x=") + S(-half + a));
    } else {
        out.Text(QStringLiteral("    焦点坐标：(") + S(a) + ", " + S(half + b) + ")");
        out.Text(QStringLiteral("    对称轴：x=") + S(a));
        out.Text(QStringLiteral("    准线方程：y=") + S(-half + b));
    }
    out.Text(QStringLiteral("    离心率：e=1"));
}

} // namespace

QString SignedNumberText(float value)
{
    QString t = NumberText(value);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QLatin1String("-0.")))
        t.remove(1, 1);
    if (value >= 0.0f || t == QLatin1String("0"))
        t.prepend(QLatin1Char(' '));
    return t;
}

PlaneFigurePlan PlanPlaneFigure(const Cls9& g, float scale)
{
    PlaneFigurePlan plan;
    Planner out(plan, scale);
    switch (g.GraphType) {
    case GraphTypeLine:
        PlanLine(g, out);
        break;
    case GraphTypeCircle:
        PlanCircle(g, out);
        break;
    case GraphTypeEllipse:
        PlanEllipse(g, out);
        break;
    case GraphTypeHyperbola:
        PlanHyperbola(g, out);
        break;
    case GraphTypeParabola:
        PlanParabola(g, out);
        break;
    default:
        break;
    }
    return plan;
}
