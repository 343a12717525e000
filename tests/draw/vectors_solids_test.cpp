// Plane vectors, vector operations, the space line and the solids, planned
// without a display: the exact result texts (angles worked out with π
// itself), the arrows, the solids' surfaces, the refused inputs that must
// not crash; and the texture loader's size rule and raw reader.
#include "draw/PlaneVectors.h"
#include "draw/Solids.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "view/Cls15.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

std::shared_ptr<Cls9> Vec(int32_t type, float p1, float p2, float p3, float p4, int32_t op = 0)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    g->GPara1 = p1;
    g->GPara2 = p2;
    g->GPara3 = p3;
    g->GPara4 = p4;
    g->VecOperation = op;
    return g;
}

QString Lines(const QStringList& lines) { return lines.join(g_CrLf) + g_CrLf; }

constexpr float kHuge = 3e38f;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(PlaneVectorTexts, ExactTextsOfEveryOperation)
{
    struct Row {
        const char* name;
        std::shared_ptr<Cls9> g;
        QString text;
    };
    const Row rows[] = {
        {"plane vector", Vec(GraphTypePlaneVector, 1, 1, 4, 5),
         Lines({"平面向量  ", "    起点  (1, 1)", "    终点  (4, 5)"})},
        {"plane vector with fractions", Vec(GraphTypePlaneVector, -0.5f, 0, 2.25f, -1),
         Lines({"平面向量  ", "    起点  (-0.5, 0)", "    终点  (2.25, -1)"})},
        {"add", Vec(GraphTypeVectorOperation, 1, 2, 3, 1, VecOperationAdd),
         Lines({"平面向量运算--相加", "  向量1  (1, 2)", "  向量2  (3, 1)", "  和  (4, 3)"})},
        {"subtract", Vec(GraphTypeVectorOperation, 1, 2, 3, 1, VecOperationSubtract),
         Lines({"平面向量运算--相减", "  向量1  (1, 2)", "  向量2  (3, 1)", "  差  (-2, 1)"})},
        {"scale", Vec(GraphTypeVectorOperation, 1, 2, -2, 99, VecOperationScale),
         Lines({"平面向量运算--向量乘以常数", "  向量  (1, 2)", "  常数  -2", "  积  (-2, -4)"})},
        // A right angle reads 90, not 89.99979 (from dividing by 3.1416).
        {"dot product, right angle", Vec(GraphTypeVectorOperation, 1, 0, 0, 1, VecOperationDotProduct),
         Lines({"平面向量运算--数量积", "  向量1  (1, 0)", "  向量2  (0, 1)", "  数量积  0",
                "  向量间的夹角  90"})},
        {"dot product, parallel", Vec(GraphTypeVectorOperation, 1, 0, 2, 0, VecOperationDotProduct),
         Lines({"平面向量运算--数量积", "  向量1  (1, 0)", "  向量2  (2, 0)", "  数量积  2",
                "  向量间的夹角  0"})},
        {"dot product, half a right angle",
         Vec(GraphTypeVectorOperation, 1, 0, 3, 3, VecOperationDotProduct),
         Lines({"平面向量运算--数量积", "  向量1  (1, 0)", "  向量2  (3, 3)", "  数量积  3",
                "  向量间的夹角  45"})},
        {"dot product, 60 degrees",
         Vec(GraphTypeVectorOperation, 2, 0, 1, 1.7320508f, VecOperationDotProduct),
         Lines({"平面向量运算--数量积", "  向量1  (2, 0)", "  向量2  (1, 1.732051)", "  数量积  2",
                "  向量间的夹角  60"})},
        // Anti-parallel vectors: 180, no division by sqrt(1 - c^2) = 0.
        {"dot product, anti-parallel",
         Vec(GraphTypeVectorOperation, 1, 2, -2, -4, VecOperationDotProduct),
         Lines({"平面向量运算--数量积", "  向量1  (1, 2)", "  向量2  (-2, -4)", "  数量积  -10",
                "  向量间的夹角  180"})},
        // A zero vector has no angle (and no division by |u| = 0).
        {"dot product, zero vector",
         Vec(GraphTypeVectorOperation, 0, 0, 3, 4, VecOperationDotProduct),
         Lines({"平面向量运算--数量积", "  向量1  (0, 0)", "  向量2  (3, 4)", "  数量积  0",
                "  向量间的夹角  不存在（零向量的方向不确定）"})},
        {"sum beyond the float range",
         Vec(GraphTypeVectorOperation, kHuge, 1, kHuge, 1, VecOperationAdd),
         Lines({"平面向量运算--相加", "  向量1  (3E+38, 1)", "  向量2  (3E+38, 1)",
                "  和  (溢出, 2)"})},
        {"unknown operation", Vec(GraphTypeVectorOperation, 1, 2, 3, 4, 7),
         QStringLiteral("平面向量运算--")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const PlaneVectorPlan plan = PlanPlaneVector(*r.g, 1.0f);
        EXPECT_EQ(plan.text.toStdString(), r.text.toStdString());
        EXPECT_FALSE(plan.text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
        EXPECT_FALSE(plan.text.contains(QLatin1String("inf"), Qt::CaseInsensitive));
        for (const VectorPrim& p : plan.prims)
            for (float v : {p.x1, p.y1, p.x2, p.y2, p.x3, p.y3})
                EXPECT_TRUE(std::isfinite(v));
    }
}

struct Arrow {
    float r, g, b;
    float tipX, tipY;
};

// The arrows of a plan: a shaft, a head triangle at the shaft's tip, and one
// outline line from the tip to the head's first corner only.
std::vector<Arrow> Arrows(const PlaneVectorPlan& plan, int* grey = nullptr)
{
    std::vector<Arrow> out;
    if (grey)
        *grey = 0;
    for (size_t i = 0; i < plan.prims.size(); ++i) {
        const VectorPrim& p = plan.prims[i];
        if (p.kind == VectorPrim::Kind::Segment && p.r == 0.8f) {
            if (grey)
                ++*grey;
            continue;
        }
        if (p.kind == VectorPrim::Kind::Dot) {
            out.push_back({p.r, p.g, p.b, p.x1, p.y1});
            continue;
        }
        if (p.kind != VectorPrim::Kind::Segment)
            continue;
        EXPECT_LT(i + 2, plan.prims.size());
        if (i + 2 >= plan.prims.size())
            break;
        const VectorPrim& head = plan.prims[i + 1];
        const VectorPrim& outline = plan.prims[i + 2];
        EXPECT_EQ(head.kind, VectorPrim::Kind::Triangle);
        EXPECT_EQ(head.x1, p.x2);
        EXPECT_EQ(head.y1, p.y2);
        EXPECT_EQ(outline.kind, VectorPrim::Kind::Segment);
        EXPECT_EQ(outline.x1, p.x2);
        EXPECT_EQ(outline.x2, head.x2);
        EXPECT_EQ(outline.y2, head.y2);
        // The head reaches 0.6 back and 0.2 to each side (scale 1), as far
        // as a float near the tip can tell.
        if (std::fabs(p.x2) < 1e6f && std::fabs(p.y2) < 1e6f) {
            EXPECT_NEAR(std::hypot(head.x2 - head.x1, head.y2 - head.y1), std::hypot(0.6, 0.2),
                        1e-4);
        }
        out.push_back({p.r, p.g, p.b, p.x2, p.y2});
        i += 2;
    }
    return out;
}

TEST(PlaneVectorDrawing, ArrowsOfEveryOperation)
{
    struct Row {
        const char* name;
        std::shared_ptr<Cls9> g;
        std::vector<Arrow> arrows; // colour and tip, in drawing order
        int grey;                  // plain grey segments
    };
    const Row rows[] = {
        {"plane vector", Vec(GraphTypePlaneVector, 1, 1, 4, 5), {{0, 0, 1, 4, 5}}, 0},
        {"add", Vec(GraphTypeVectorOperation, 1, 2, 3, 1, VecOperationAdd),
         {{0, 0, 1, 1, 2}, {0, 1, 0, 3, 1}, {1, 0, 0, 4, 3}}, 2},
        {"subtract", Vec(GraphTypeVectorOperation, 1, 2, 3, 1, VecOperationSubtract),
         {{0, 0, 1, 1, 2}, {0, 1, 0, 3, 1}, {1, 0, 0, -2, 1}}, 2},
        {"scale", Vec(GraphTypeVectorOperation, 1, 2, -2, 0, VecOperationScale),
         {{0, 0, 1, 1, 2}, {1, 0, 0, -2, -4}}, 0},
        {"dot product", Vec(GraphTypeVectorOperation, 1, 0, 0, 1, VecOperationDotProduct),
         {{0, 0, 1, 1, 0}, {0, 1, 0, 0, 1}}, 0},
        // A zero vector is a dot, not a head pointing nowhere.
        {"zero vector", Vec(GraphTypeVectorOperation, 0, 0, 3, 4, VecOperationDotProduct),
         {{0, 0, 1, 0, 0}, {0, 1, 0, 3, 4}}, 0},
        {"plane vector of length zero", Vec(GraphTypePlaneVector, 2, 2, 2, 2), {{0, 0, 1, 2, 2}}, 0},
        // An overflowing sum is written "溢出" and its arrow is left out.
        {"overflow", Vec(GraphTypeVectorOperation, kHuge, 0, kHuge, 0, VecOperationAdd),
         {{0, 0, 1, kHuge, 0}, {0, 1, 0, kHuge, 0}}, 0},
        {"unknown operation", Vec(GraphTypeVectorOperation, 1, 2, 3, 4, 0), {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int grey = 0;
        const std::vector<Arrow> got = Arrows(PlanPlaneVector(*row.g, 1.0f), &grey);
        ASSERT_EQ(got.size(), row.arrows.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].r, row.arrows[i].r);
            EXPECT_EQ(got[i].g, row.arrows[i].g);
            EXPECT_EQ(got[i].b, row.arrows[i].b);
            EXPECT_FLOAT_EQ(got[i].tipX, row.arrows[i].tipX);
            EXPECT_FLOAT_EQ(got[i].tipY, row.arrows[i].tipY);
        }
        EXPECT_EQ(grey, row.grey);
    }
    // The scene scale divides every vertex, the head included.
    const PlaneVectorPlan scaled = PlanPlaneVector(*Vec(GraphTypePlaneVector, 0, 0, 4, 0), 2.0f);
    ASSERT_EQ(scaled.prims.size(), 3u);
    EXPECT_FLOAT_EQ(scaled.prims[0].x2, 2.0f);
    EXPECT_FLOAT_EQ(scaled.prims[1].x2, 1.7f);
    EXPECT_FLOAT_EQ(scaled.prims[1].y2, 0.1f);
}

// ---- Solids -----------------------------------------------------------------

std::shared_ptr<Cls9> Solid(int32_t type, std::initializer_list<float> paras, int32_t edges = 0)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    float* slot[] = {&g->GPara1, &g->GPara2, &g->GPara3, &g->GPara4, &g->GPara5, &g->GPara6};
    int i = 0;
    for (float p : paras)
        *slot[i++] = p;
    g->EdgeNum = edges;
    g->GeomColor = 0x00C0FF;
    g->GeomWidth = 3;
    g->Show = ShowModelWireframe;
    g->Smoothness = SmoothnessFaceted;
    return g;
}

struct Vec3 {
    float x, y, z;
};

std::vector<Vec3> Points(const std::vector<float>& v)
{
    std::vector<Vec3> out;
    for (size_t i = 0; i + 2 < v.size(); i += 3)
        out.push_back({v[i], v[i + 1], v[i + 2]});
    return out;
}

// The polygons of a mesh's strips and fans as vertex indices, in the order
// OpenGL forms them: quads of the strips, triangles of the fans.
struct Polygons {
    std::vector<std::vector<int>> quads, triangles;
};

Polygons PolygonsOf(const SolidMesh& mesh)
{
    Polygons out;
    for (const SolidMesh::Run& run : mesh.runs) {
        const int f = run.first;
        if (run.mode == SolidMesh::Run::Mode::QuadStrip) {
            for (int i = 0; 2 * i + 3 < run.count; ++i)
                out.quads.push_back({f + 2 * i, f + 2 * i + 1, f + 2 * i + 3, f + 2 * i + 2});
        } else {
            for (int k = 1; k + 1 < run.count; ++k)
                out.triangles.push_back({f, f + k, f + k + 1});
        }
    }
    return out;
}

// Whether the polygon turns counter-clockwise seen from outside, judged by
// its area vector against the direction from `centre` to its middle.
bool FacesOutwards(const std::vector<Vec3>& v, const std::vector<int>& poly, Vec3 centre)
{
    Vec3 mid{0, 0, 0}, area{0, 0, 0};
    const float n = static_cast<float>(poly.size());
    for (size_t k = 0; k < poly.size(); ++k) {
        const Vec3& a = v[static_cast<size_t>(poly[k])];
        const Vec3& b = v[static_cast<size_t>(poly[(k + 1) % poly.size()])];
        area.x += (a.y - b.y) * (a.z + b.z);
        area.y += (a.z - b.z) * (a.x + b.x);
        area.z += (a.x - b.x) * (a.y + b.y);
        mid = {mid.x + a.x / n, mid.y + a.y / n, mid.z + a.z / n};
    }
    return area.x * (mid.x - centre.x) + area.y * (mid.y - centre.y) +
               area.z * (mid.z - centre.z) > 0.0f;
}

TEST(SolidPlans, SurfacesOfEverySolid)
{
    // A solid standing on the OpenGL point (bx, by, bz): sides from radius
    // `base` at by to `top` at by + h, a base disk and (if `topDisk`) a top
    // disk, `slices` facets.
    struct Row {
        const char* name;
        std::shared_ptr<Cls9> g;
        float bx, by, bz, h, base, top;
        int slices;
        bool topDisk;
    };
    const Row rows[] = {
        {"hexagonal prism", Solid(GraphTypePrism, {0, 0, 0, 2, 3}, 6), 0, 0, 0, 3, 2, 2, 6, true},
        {"pyramid on (1, 2, 3)", Solid(GraphTypePyramid, {1, 2, 3, 2, 4}, 4), 2, 3, 1, 4, 2, 0, 4,
         false},
        {"pyramid frustum: the wide end rests on the base",
         Solid(GraphTypePyramidFrustum, {0, 0, 0, 1, 2, 2}, 5), 0, 0, 0, 2, 2, 1, 5, true},
        {"cylinder: 64 slices whatever EdgeNum", Solid(GraphTypeCylinder, {0, 0, 0, 2, 5}, 6), 0,
         0, 0, 5, 2, 2, 64, true},
        {"cone", Solid(GraphTypeCone, {0, 0, 0, 2, 4}), 0, 0, 0, 4, 2, 0, 64, false},
        {"cone frustum", Solid(GraphTypeConeFrustum, {6, 0, 0, 1, 2, 3}), 0, 0, 6, 3, 2, 1, 64,
         true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SolidPlan plan = PlanSolid(*r.g);
        ASSERT_TRUE(plan.drawn);
        EXPECT_FALSE(plan.message);
        EXPECT_EQ(plan.show, ShowModelWireframe);
        EXPECT_EQ(plan.smoothness, SmoothnessFaceted);
        EXPECT_FLOAT_EQ(plan.r, 1.0f);
        EXPECT_NEAR(plan.g, 192 / 255.0f, 1e-6f);
        EXPECT_FLOAT_EQ(plan.b, 0.0f);

        const std::vector<Vec3> v = Points(plan.mesh.vertices);
        const std::vector<Vec3> n = Points(plan.mesh.normals);
        ASSERT_EQ(n.size(), v.size());
        const Polygons polys = PolygonsOf(plan.mesh);
        ASSERT_EQ(polys.quads.size(), static_cast<size_t>(r.slices));
        ASSERT_EQ(polys.triangles.size(), static_cast<size_t>(r.slices * (r.topDisk ? 2 : 1)));

        bool firstSlice = false; // slice 0 lies towards OpenGL -z
        for (const auto& quad : polys.quads) {
            for (int i : quad) {
                const Vec3& p = v[static_cast<size_t>(i)];
                const Vec3& nn = n[static_cast<size_t>(i)];
                const bool atBase = std::fabs(p.y - r.by) < 1e-5f;
                EXPECT_TRUE(atBase || std::fabs(p.y - (r.by + r.h)) < 1e-5f) << p.y;
                EXPECT_NEAR(std::hypot(p.x - r.bx, p.z - r.bz), atBase ? r.base : r.top, 1e-5f);
                EXPECT_NEAR(std::sqrt(nn.x * nn.x + nn.y * nn.y + nn.z * nn.z), 1.0f, 1e-5f);
                // Outwards, and up the slope of a cone.
                EXPECT_GT(nn.x * (p.x - r.bx) + nn.z * (p.z - r.bz), -1e-5f);
                EXPECT_EQ(nn.y > 1e-6f, r.base > r.top);
                firstSlice |= std::fabs(p.x - r.bx) < 1e-5f &&
                              std::fabs(p.z - (r.bz - r.base)) < 1e-5f;
            }
            EXPECT_TRUE(FacesOutwards(v, quad, {r.bx, v[static_cast<size_t>(quad[0])].y, r.bz}));
        }
        EXPECT_TRUE(firstSlice);

        for (size_t t = 0; t < polys.triangles.size(); ++t) {
            const bool top = t >= static_cast<size_t>(r.slices);
            const auto& tri = polys.triangles[t];
            for (size_t k = 0; k < 3; ++k) {
                const size_t i = static_cast<size_t>(tri[k]);
                EXPECT_FLOAT_EQ(v[i].y, top ? r.by + r.h : r.by);
                const float radius = std::hypot(v[i].x - r.bx, v[i].z - r.bz);
                EXPECT_TRUE(k == 0 ? radius < 1e-6f
                                   : std::fabs(radius - (top ? r.top : r.base)) < 1e-5f);
                // Both disks face OpenGL +y, and turn counter-clockwise
                // seen from there.
                EXPECT_FLOAT_EQ(n[i].y, 1.0f);
            }
            EXPECT_TRUE(FacesOutwards(v, tri, {r.bx, v[static_cast<size_t>(tri[0])].y - 1, r.bz}));
        }
    }

    // The sphere: 32 slices and 32 stacks on the sphere, normals pointing out
    // of it, front faces outside.
    const SolidPlan sphere = PlanSolid(*Solid(GraphTypeSphere, {1, 2, 3, 1.5f}));
    const std::vector<Vec3> v = Points(sphere.mesh.vertices);
    const std::vector<Vec3> n = Points(sphere.mesh.normals);
    const Polygons polys = PolygonsOf(sphere.mesh);
    EXPECT_EQ(polys.quads.size(), 30u * 32u);
    EXPECT_EQ(polys.triangles.size(), 2u * 32u);
    for (size_t i = 0; i < v.size(); ++i) {
        const Vec3 d{v[i].x - 2, v[i].y - 3, v[i].z - 1};
        EXPECT_NEAR(std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z), 1.5f, 1e-5f);
        EXPECT_NEAR(n[i].x, d.x / 1.5f, 1e-5f);
        EXPECT_NEAR(n[i].y, d.y / 1.5f, 1e-5f);
        EXPECT_NEAR(n[i].z, d.z / 1.5f, 1e-5f);
    }
    for (const auto* list : {&polys.quads, &polys.triangles})
        for (const auto& poly : *list)
            EXPECT_TRUE(FacesOutwards(v, poly, {2, 3, 1}));

    // The space line: (x, y, z) goes to OpenGL as (y, z, x), at its width.
    const SolidPlan line = PlanSolid(*Solid(GraphTypeSpaceLine, {0, 0, 0, 1, 2, 3}));
    ASSERT_TRUE(line.drawn && line.spaceLine);
    EXPECT_EQ(line.to[0], 2.0f);
    EXPECT_EQ(line.to[1], 3.0f);
    EXPECT_EQ(line.to[2], 1.0f);
    EXPECT_EQ(line.lineWidth, 3.0f);
    EXPECT_TRUE(line.mesh.runs.empty());

    // Kind 58 draws nothing and says nothing.
    const SolidPlan none = PlanSolid(*Solid(58, {0, 0, 0, 1, 1}));
    EXPECT_FALSE(none.drawn);
    EXPECT_FALSE(none.message);
}

// Degenerate input: nothing is drawn, a message says why, and
// nothing faults.
TEST(SolidPlans, DegenerateSolidsAreRefusedWithAMessage)
{
    struct Row {
        const char* name;
        std::shared_ptr<Cls9> g;
        const char* message;
    };
    const Row rows[] = {
        {"sphere of radius 0", Solid(GraphTypeSphere, {0, 0, 0, 0}), "无法画出球：半径须为正数。"},
        {"prism of 2 sides", Solid(GraphTypePrism, {0, 0, 0, 1, 1}, 2),
         "无法画出棱柱：底面的边数须为3到1000。"},
        {"pyramid of a million sides", Solid(GraphTypePyramid, {0, 0, 0, 1, 1}, 1000000),
         "无法画出棱锥：底面的边数须为3到1000。"},
        {"cylinder of height -1", Solid(GraphTypeCylinder, {0, 0, 0, 1, -1}),
         "无法画出圆柱：半径和高须为正数。"},
        {"cone of radius -2", Solid(GraphTypeCone, {0, 0, 0, -2, 1}),
         "无法画出圆锥：半径和高须为正数。"},
        {"cone frustum with both radii 0", Solid(GraphTypeConeFrustum, {0, 0, 0, 0, 0, 1}),
         "无法画出圆台：两底的半径不能为负且不能都为0，高须为正数。"},
        {"height beyond the float range", Solid(GraphTypeCylinder, {0, 0, kHuge, 1, kHuge}),
         "无法画出圆柱：参数须为有限数。"},
        {"sphere reaching beyond the float range", Solid(GraphTypeSphere, {0, 3e38f, 0, 3e38f}),
         "无法画出球：参数须为有限数。"},
        {"space line with a NaN end", Solid(GraphTypeSpaceLine, {0, 0, 0, kNaN, 1, 1}),
         "无法画出空间直线：参数须为有限数。"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SolidPlan plan = PlanSolid(*r.g);
        EXPECT_FALSE(plan.drawn);
        EXPECT_TRUE(plan.mesh.runs.empty());
        EXPECT_EQ(plan.message.value_or(QString()).toStdString(), r.message);
    }
    // A frustum that comes to a point at the top is a pyramid: drawn.
    EXPECT_TRUE(PlanSolid(*Solid(GraphTypeConeFrustum, {0, 0, 0, 0, 2, 1})).drawn);
}

// ---- Texture loader: the parts without a display --------------------------

TEST(TextureLoader, SidesBecomePowersOfTwoUpTo256)
{
    const struct {
        int32_t side, maxSize, expected;
    } rows[] = {
        {300, 1024, 256}, {200, 1024, 256}, {64, 1024, 64}, {100, 1024, 128}, {20, 1024, 32},
        {1, 1024, 1},     {2, 1024, 2},     {3, 1024, 4},   {256, 1024, 256}, {257, 1024, 256},
        {300, 128, 128},  {100, 100, 64},   {50, 100, 64},  {0, 1024, 0},   {5, 0, 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(TextureSide(r.side, r.maxSize), r.expected) << r.side << " " << r.maxSize;
}

TEST(TextureLoader, RawPicturesAreCheckedBeforeTheyAreRead)
{
    auto raw = [](int32_t w, int32_t h, int pixelBytes) {
        QByteArray b;
        for (int32_t v : {w, h})
            for (int i = 0; i < 4; ++i)
                b.append(static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF));
        b.append(QByteArray(pixelBytes, '\x7f'));
        return b;
    };
    TexturePixels px;
    ASSERT_TRUE(ReadRawTexture(raw(2, 3, 18), px));
    EXPECT_EQ(px.width, 2);
    EXPECT_EQ(px.height, 3);
    EXPECT_EQ(px.rgb.size(), 18u);

    TexturePixels untouched;
    EXPECT_FALSE(ReadRawTexture(raw(2, 3, 17), untouched)) << "short of pixel bytes";
    EXPECT_FALSE(ReadRawTexture(raw(0, 3, 0), untouched));
    EXPECT_FALSE(ReadRawTexture(raw(-1, 3, 0), untouched));
    EXPECT_FALSE(ReadRawTexture(raw(100000, 100000, 0), untouched)) << "absurd sides";
    EXPECT_FALSE(ReadRawTexture(QByteArray("\x01\x00", 2), untouched));
    EXPECT_EQ(untouched.width, 0);
    EXPECT_TRUE(untouched.rgb.empty());
}

} // namespace
