// Planning of the space line and the seven solids, without any OpenGL call.
#include "draw/Solids.h"

#include "draw/Curve2D.h"
#include "model/Cls9.h"
#include "model/StyleLists.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

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

// Builds the quadric surfaces in a local frame placed at a base point B:
// the quadric's z axis points along OpenGL +y, so a local (x, y, z) is
// OpenGL B + (x, z, -y). Angles run as the quadrics run them: slice i at
// 2πi/slices with x = r·sin, y = r·cos, the last slice closing on the first.
class MeshBuilder {
public:
    explicit MeshBuilder(SolidMesh& mesh) : m_mesh(mesh) {}

    void At(float x, float y, float z)
    {
        m_bx = x;
        m_by = y;
        m_bz = z;
    }

    // The side of a cone or cylinder from radius `base` at z = 0 to `top`
    // at z = height, one stack: low and high vertex of each slice in turn.
    void Cylinder(double base, double top, double height, int32_t slices)
    {
        const Ring ring(slices);
        const double delta = base - top;
        const double length = std::sqrt(delta * delta + height * height);
        const double zNormal = delta / length, ratio = height / length;
        Begin(SolidMesh::Run::Mode::QuadStrip);
        for (int32_t k = 0; k <= slices; ++k) {
            const double nx = ring.s[k] * ratio, ny = ring.c[k] * ratio;
            Put(base * ring.s[k], base * ring.c[k], 0.0, nx, ny, zNormal);
            Put(top * ring.s[k], top * ring.c[k], height, nx, ny, zNormal);
        }
        End();
    }

    // A disk of radius `outer` in the plane z = 0, facing +z: the fan from
    // the centre over the rim from the last slice back to the first.
    void Disk(double outer, int32_t slices)
    {
        const Ring ring(slices);
        Begin(SolidMesh::Run::Mode::TriangleFan);
        Put(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
        for (int32_t k = slices; k >= 0; --k)
            Put(outer * ring.s[k], outer * ring.c[k], 0.0, 0.0, 0.0, 1.0);
        End();
    }

    // A sphere around the local origin, stacks from the +z pole down: a fan
    // at each pole, strips between.
    void Sphere(double radius, int32_t slices, int32_t stacks)
    {
        const Ring ring(slices);
        std::vector<double> sinPhi(static_cast<size_t>(stacks) + 1), cosPhi(sinPhi.size());
        for (int32_t j = 0; j <= stacks; ++j) {
            const double phi = std::numbers::pi * j / stacks;
            sinPhi[static_cast<size_t>(j)] = j == stacks ? 0.0 : std::sin(phi);
            cosPhi[static_cast<size_t>(j)] = j == stacks ? -1.0 : std::cos(phi);
        }
        auto at = [&](int32_t j, int32_t k) {
            const double nx = sinPhi[static_cast<size_t>(j)] * ring.s[k];
            const double ny = sinPhi[static_cast<size_t>(j)] * ring.c[k];
            const double nz = cosPhi[static_cast<size_t>(j)];
            Put(radius * nx, radius * ny, radius * nz, nx, ny, nz);
        };
        Begin(SolidMesh::Run::Mode::TriangleFan);
        Put(0.0, 0.0, radius, 0.0, 0.0, 1.0);
        for (int32_t k = slices; k >= 0; --k)
            at(1, k);
        End();
        for (int32_t j = 1; j < stacks - 1; ++j) {
            Begin(SolidMesh::Run::Mode::QuadStrip);
            for (int32_t k = 0; k <= slices; ++k) {
                at(j + 1, k);
                at(j, k);
            }
            End();
        }
        Begin(SolidMesh::Run::Mode::TriangleFan);
        Put(0.0, 0.0, -radius, 0.0, 0.0, -1.0);
        for (int32_t k = 0; k <= slices; ++k)
            at(stacks - 1, k);
        End();
    }

private:
    struct Ring {
        explicit Ring(int32_t slices)
            : s(static_cast<size_t>(slices) + 1), c(static_cast<size_t>(slices) + 1)
        {
            for (int32_t i = 0; i < slices; ++i) {
                const double angle = 2.0 * std::numbers::pi * i / slices;
                s[static_cast<size_t>(i)] = std::sin(angle);
                c[static_cast<size_t>(i)] = std::cos(angle);
            }
            s.back() = s.front();
            c.back() = c.front();
        }
        std::vector<double> s, c; // index k: sin and cos of slice k
    };

    void Begin(SolidMesh::Run::Mode mode)
    {
        m_run.mode = mode;
        m_run.first = static_cast<int32_t>(m_mesh.vertices.size() / 3);
    }
    void End()
    {
        m_run.count = static_cast<int32_t>(m_mesh.vertices.size() / 3) - m_run.first;
        m_mesh.runs.push_back(m_run);
    }
    void Put(double x, double y, double z, double nx, double ny, double nz)
    {
        m_mesh.vertices.insert(m_mesh.vertices.end(),
                               {static_cast<float>(m_bx + x), static_cast<float>(m_by + z),
                                static_cast<float>(m_bz - y)});
        m_mesh.normals.insert(m_mesh.normals.end(), {static_cast<float>(nx),
                                                     static_cast<float>(nz),
                                                     static_cast<float>(-ny)});
    }

    SolidMesh::Run m_run;
    SolidMesh& m_mesh;
    double m_bx = 0.0, m_by = 0.0, m_bz = 0.0;
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
        // A width beyond the dialog's list is drawn at its nearer end.
        plan.lineWidth = LineWidthOf(kSpaceLineWidths.Clamp(g.GeomWidth));
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
    MeshBuilder m(plan.mesh);
    m.At(p2, p3, p1);
    if (type == GraphTypeSphere) {
        m.Sphere(p4, kSphereSlices, kSphereSlices);
    } else {
        // The prisms and cones are one side from the bottom radius to the
        // top one (none for a pointed solid), the base and, unless pointed,
        // the top face.
        const bool pointed = type == GraphTypePyramid || type == GraphTypeCone;
        const float bottomRadius = frustum ? p5 : p4;
        m.Cylinder(bottomRadius, pointed ? 0.0f : p4, height, slices);
        m.Disk(bottomRadius, slices);
        if (!pointed) {
            m.At(p2, top, p1);
            m.Disk(p4, slices);
        }
    }
    // Finite parameters can still place a vertex beyond the float range.
    for (float v : plan.mesh.vertices) {
        if (!std::isfinite(v)) {
            plan.drawn = false;
            plan.mesh = SolidMesh();
            return refuse(notFinite);
        }
    }
    return plan;
}
