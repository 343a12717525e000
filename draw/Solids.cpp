// Planning of the space line and the seven solids, without any OpenGL call.
#include "draw/Solids.h"

#include "draw/Curve2D.h"
#include "model/Cls9.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr int32_t kRoundSlices = 64;  // cylinder, cone, cone frustum
constexpr int32_t kSphereSlices = 32; // and stacks
constexpr int32_t kMaxSides = 1000;

QString NameOf(int32_t type)
{
    switch (type) {
    case GraphTypeSpaceLine: return QStringLiteral("空间直线");
    case GraphTypePrism: return QStringLiteral("棱柱");
    case GraphTypePyramid: return QStringLiteral("棱锥");
    case GraphTypePyramidFrustum: return QStringLiteral("棱台");
    case GraphTypeCylinder: return QStringLiteral("圆柱");
    case GraphTypeCone: return QStringLiteral("圆锥");
    case GraphTypeConeFrustum: return QStringLiteral("圆台");
    case GraphTypeSphere: return QStringLiteral("球");
    default: return QStringLiteral("立体");
    }
}

bool AllFinite(std::initializer_list<float> values)
{
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

class Steps {
public:
    explicit Steps(std::vector<SolidStep>& out) : m_out(out) {}
    void Place(float x, float y, float z) { Add(SolidStep::Kind::Place, x, y, z); }
    void Pop() { Add(SolidStep::Kind::Pop); }
    void Cylinder(float base, float top, float height, int32_t slices)
    {
        Add(SolidStep::Kind::Cylinder, base, top, height, slices, 1);
    }
    void Disk(float outer, int32_t slices) { Add(SolidStep::Kind::Disk, outer, 0, 0, slices); }
    void Sphere(float radius) { Add(SolidStep::Kind::Sphere, radius, 0, 0, kSphereSlices, kSphereSlices); }

private:
    void Add(SolidStep::Kind kind, double a = 0, double b = 0, double c = 0, int32_t slices = 0,
             int32_t stacks = 0)
    {
        SolidStep s;
        s.kind = kind;
        s.a = a;
        s.b = b;
        s.c = c;
        s.slices = slices;
        s.stacks = stacks;
        m_out.push_back(s);
    }
    std::vector<SolidStep>& m_out;
};

} // namespace

SolidPlan PlanSolid(const Cls9& g)
{
    SolidPlan plan;
    double r = 0, gr = 0, b = 0;
    Cls9::ColorToRGB(g.GeomColor, r, gr, b);
    plan.r = static_cast<float>(r);
    plan.g = static_cast<float>(gr);
    plan.b = static_cast<float>(b);
    const int32_t type = g.GraphType;
    const float p1 = g.GPara1, p2 = g.GPara2, p3 = g.GPara3;
    const float p4 = g.GPara4, p5 = g.GPara5, p6 = g.GPara6;
    const QString name = NameOf(type);
    auto refuse = [&](const QString& why) {
        plan.message = QStringLiteral("无法画出%1：%2").arg(name, why);
        return plan;
    };
    const QString notFinite = QStringLiteral("参数须为有限数。");

    if (type == GraphTypeSpaceLine) {
        if (!AllFinite({p1, p2, p3, p4, p5, p6}))
            return refuse(notFinite);
        plan.drawn = true;
        plan.spaceLine = true;
        plan.from[0] = p2;
        plan.from[1] = p3;
        plan.from[2] = p1;
        plan.to[0] = p5;
        plan.to[1] = p6;
        plan.to[2] = p4;
        plan.lineWidth = LineWidthOf(g.GeomWidth);
        return plan;
    }
    if (type < GraphTypePrism || type > GraphTypeSphere)
        return plan; // 58 and anything else: nothing drawn

    const bool faceted = type == GraphTypePrism || type == GraphTypePyramid ||
                         type == GraphTypePyramidFrustum;
    const bool frustum = type == GraphTypePyramidFrustum || type == GraphTypeConeFrustum;
    const float height = frustum ? p6 : p5;
    if (!AllFinite({p1, p2, p3, p4}) || (type != GraphTypeSphere && !AllFinite({height})) ||
        (frustum && !AllFinite({p5})))
        return refuse(notFinite);
    if (faceted && (g.EdgeNum < 3 || g.EdgeNum > kMaxSides))
        return refuse(QStringLiteral("底面的边数须为3到%1。").arg(kMaxSides));
    if (type == GraphTypeSphere) {
        if (!(p4 > 0.0f))
            return refuse(QStringLiteral("半径须为正数。"));
    } else if (frustum) {
        if (p4 < 0.0f || p5 < 0.0f || (p4 == 0.0f && p5 == 0.0f) || !(height > 0.0f))
            return refuse(QStringLiteral("两底的半径不能为负且不能都为0，高须为正数。"));
    } else if (!(p4 > 0.0f) || !(height > 0.0f)) {
        return refuse(QStringLiteral("半径和高须为正数。"));
    }
    const float top = p3 + height;
    if (!std::isfinite(top))
        return refuse(notFinite);

    plan.drawn = true;
    plan.smoothness = g.Smoothness;
    plan.show = g.Show;
    const int32_t slices = faceted ? g.EdgeNum : kRoundSlices;
    Steps s(plan.steps);
    switch (type) {
    case GraphTypePrism:
    case GraphTypeCylinder:
        s.Place(p2, p3, p1);
        s.Cylinder(p4, p4, p5, slices);
        s.Disk(p4, slices);
        s.Pop();
        s.Place(p2, top, p1);
        s.Disk(p4, slices);
        s.Pop();
        break;
    case GraphTypePyramid:
    case GraphTypeCone:
        s.Place(p2, p3, p1);
        s.Cylinder(p4, 0, p5, slices);
        s.Disk(p4, slices);
        s.Pop();
        break;
    case GraphTypePyramidFrustum:
    case GraphTypeConeFrustum:
        s.Place(p2, p3, p1);
        s.Cylinder(p5, p4, p6, slices);
        s.Disk(p5, slices);
        s.Pop();
        s.Place(p2, top, p1);
        s.Disk(p4, slices);
        s.Pop();
        break;
    case GraphTypeSphere:
        s.Place(p2, p3, p1);
        s.Sphere(p4);
        s.Pop();
        break;
    default:
        break;
    }
    return plan;
}
