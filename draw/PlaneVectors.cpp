// Planning of plane vectors and vector operations: the result text and the
// arrows, without any OpenGL call.
#include "draw/PlaneVectors.h"

#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <cfloat>
#include <cmath>
#include <numbers>

namespace {

struct Rgb {
    float r, g, b;
};
constexpr Rgb kBlue{0, 0, 1};
constexpr Rgb kGreen{0, 1, 0};
constexpr Rgb kRed{1, 0, 0};
constexpr Rgb kGrey{0.8f, 0.8f, 0.8f};

// Number text of a value rounded to a 32-bit float; a value beyond the float
// range (a sum or product of huge parameters) reads "溢出" instead of an
// empty text.
QString N(double v)
{
    return std::fabs(v) <= FLT_MAX ? NumberText(static_cast<float>(v)) : QStringLiteral("溢出");
}

bool Finite(float x, float y) { return std::isfinite(x) && std::isfinite(y); }

class Planner {
public:
    Planner(PlaneVectorPlan& plan, float scale) : m_plan(plan), m_s(scale) {}

    void Line(Rgb c, float x1, float y1, float x2, float y2)
    {
        if (!Finite(x1, y1) || !Finite(x2, y2))
            return;
        m_plan.prims.push_back(Prim(VectorPrim::Kind::Segment, c, x1, y1, x2, y2, 0, 0));
    }

    // Shaft, head (triangle tip, A, B) and the outline from the tip to A.
    void Arrow(Rgb c, float px, float py, float qx, float qy)
    {
        if (!Finite(px, py) || !Finite(qx, qy))
            return;
        if (px == qx && py == qy) {
            // A zero vector has no direction for a head: a dot marks it.
            m_plan.prims.push_back(Prim(VectorPrim::Kind::Dot, c, qx, qy, 0, 0, 0, 0));
            return;
        }
        float ax = qx, ay = qy, bx = qx, by = qy;
        Cls9::ArrowHead2D(px, py, qx, qy, ax, ay, bx, by);
        m_plan.prims.push_back(Prim(VectorPrim::Kind::Segment, c, px, py, qx, qy, 0, 0));
        if (!Finite(ax, ay) || !Finite(bx, by))
            return; // no head: the shaft alone
        m_plan.prims.push_back(Prim(VectorPrim::Kind::Triangle, c, qx, qy, ax, ay, bx, by));
        m_plan.prims.push_back(Prim(VectorPrim::Kind::Segment, c, qx, qy, ax, ay, 0, 0));
    }

private:
    VectorPrim Prim(VectorPrim::Kind kind, Rgb c, float x1, float y1, float x2, float y2,
                    float x3, float y3) const
    {
        VectorPrim p;
        p.kind = kind;
        p.r = c.r;
        p.g = c.g;
        p.b = c.b;
        p.x1 = x1 / m_s;
        p.y1 = y1 / m_s;
        p.x2 = x2 / m_s;
        p.y2 = y2 / m_s;
        p.x3 = x3 / m_s;
        p.y3 = y3 / m_s;
        return p;
    }

    PlaneVectorPlan& m_plan;
    float m_s;
};

QString Pair(double x, double y) { return "(" + N(x) + ", " + N(y) + ")"; }

} // namespace

QString VectorAngleText(float ux, float uy, float vx, float vy)
{
    const double ax = ux, ay = uy, bx = vx, by = vy;
    if ((ax == 0 && ay == 0) || (bx == 0 && by == 0))
        return QStringLiteral("不存在（零向量的方向不确定）");
    // atan2 of |u × v| and u · v: exact at 0, 90 and 180 degrees, and never
    // outside [0, 180] (an arccosine of a rounded cosine can leave its domain).
    const double cross = std::fabs(ax * by - ay * bx);
    const double dot = ax * bx + ay * by;
    const double degrees = std::atan2(cross, dot) * 180.0 / std::numbers::pi;
    return N(degrees);
}

PlaneVectorPlan PlanPlaneVector(const Cls9& g, float scale)
{
    PlaneVectorPlan plan;
    const float s = std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
    Planner draw(plan, s);
    const QString& nl = g_CrLf;
    const float p1 = g.GPara1, p2 = g.GPara2, p3 = g.GPara3, p4 = g.GPara4;

    if (g.GraphType == GraphTypePlaneVector) {
        plan.text = QStringLiteral("平面向量  ") + nl;
        plan.text += QStringLiteral("    起点  ") + Pair(p1, p2) + nl;
        plan.text += QStringLiteral("    终点  ") + Pair(p3, p4) + nl;
        draw.Arrow(kBlue, p1, p2, p3, p4);
        return plan;
    }
    if (g.GraphType != GraphTypeVectorOperation)
        return plan;

    plan.text = QStringLiteral("平面向量运算--");
    const QString u = QStringLiteral("  向量1  ") + Pair(p1, p2) + nl;
    const QString v = QStringLiteral("  向量2  ") + Pair(p3, p4) + nl;
    switch (g.VecOperation) {
    case VecOperationAdd:
    case VecOperationSubtract: {
        // The sum and the difference are drawn alike: both vectors from the
        // origin, the result in red, grey lines from its tip to theirs.
        const bool add = g.VecOperation == VecOperationAdd;
        const float rx = add ? p1 + p3 : p1 - p3;
        const float ry = add ? p2 + p4 : p2 - p4;
        plan.text += (add ? QStringLiteral("相加") : QStringLiteral("相减")) + nl + u + v +
                     (add ? QStringLiteral("  和  ") : QStringLiteral("  差  ")) +
                     Pair(rx, ry) + nl;
        draw.Line(kGrey, rx, ry, p1, p2);
        draw.Line(kGrey, rx, ry, p3, p4);
        draw.Arrow(kBlue, 0, 0, p1, p2);
        draw.Arrow(kGreen, 0, 0, p3, p4);
        draw.Arrow(kRed, 0, 0, rx, ry);
        break;
    }
    case VecOperationScale: {
        const float k = p3;
        const float kx = k * p1, ky = k * p2;
        plan.text += QStringLiteral("向量乘以常数") + nl + QStringLiteral("  向量  ") +
                     Pair(p1, p2) + nl + QStringLiteral("  常数  ") + N(k) + nl +
                     QStringLiteral("  积  ") + Pair(kx, ky) + nl;
        draw.Arrow(kBlue, 0, 0, p1, p2);
        draw.Arrow(kRed, 0, 0, kx, ky);
        break;
    }
    case VecOperationDotProduct: {
        const double dot = static_cast<double>(p1) * p3 + static_cast<double>(p2) * p4;
        plan.text += QStringLiteral("数量积") + nl + u + v + QStringLiteral("  数量积  ") +
                     N(dot) + nl + QStringLiteral("  向量间的夹角  ") +
                     VectorAngleText(p1, p2, p3, p4) + nl;
        draw.Arrow(kBlue, 0, 0, p1, p2);
        draw.Arrow(kGreen, 0, 0, p3, p4);
        break;
    }
    default:
        break;
    }
    return plan;
}
