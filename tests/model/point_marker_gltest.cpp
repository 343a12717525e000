// The point marker drawn on a real Mesa context, captured in feedback mode:
// the shapes, sizes, depths and colours that reach the rasterizer.
#include "model/Cls2.h"
#include "model/Globals.h"

#include "GlFeedback.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

namespace {

using glfeedback::Primitive;
using glfeedback::Vertex;

class PointMarkerGL : public glfeedback::Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        m_kind = g_DocumentKind;
        g_DocumentKind = DocumentKind2D;
    }

    void TearDown() override { g_DocumentKind = m_kind; }

    static std::vector<Primitive> Capture(const Cls2& p)
    {
        return Fixture::Capture([&] { p.Draw(); });
    }

    // Distinct positions (to 1e-4) of the polygon or line vertices.
    static std::set<std::tuple<long, long, long>> Corners(const std::vector<Primitive>& prims,
                                                          bool lines)
    {
        std::set<std::tuple<long, long, long>> s;
        for (const Primitive& p : prims) {
            if (p.line != lines)
                continue;
            for (const Vertex& v : p.v)
                s.insert({std::lround(v.x * 1e4), std::lround(v.y * 1e4), std::lround(v.z * 1e4)});
        }
        return s;
    }
    static std::tuple<long, long, long> At(float x, float y, float z)
    {
        return {std::lround(x * 1e4), std::lround(y * 1e4), std::lround(z * 1e4)};
    }

private:
    int32_t m_kind = 0;
};

Cls2 Marker(int32_t symbol, float size, int32_t color)
{
    Cls2 p;
    p.x = 0.5f;
    p.y = -0.25f;
    p.z = 0.3f;
    p.Symbol = symbol;
    p.Size = size;
    p.Color = color;
    return p;
}

} // namespace

// Discs: 20 triangles from the rim at depth 0 to the centre at the point's
// own depth. The filled disc has radius 0.05*Size + 0.05; the ring is white
// inside radius 0.04*Size + 0.05 with a rim of 20 segments in the colour.
TEST_F(PointMarkerGL, CircleMarkers)
{
    struct Case {
        int32_t symbol;
        float size;
        float radius;
        bool ring;
    };
    const Case cases[] = {{MarkerSymbolFilledCircle, 5, 0.3f, false},
                          {MarkerSymbolHollowCircle, 5, 0.25f, true},
                          {MarkerSymbolFilledCircle, 0, 0.05f, false},
                          {MarkerSymbolHollowCircle, 0, 0.05f, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "symbol " << c.symbol << " size " << c.size);
        const Cls2 p = Marker(c.symbol, c.size, 255);
        const std::vector<Primitive> prims = Capture(p);
        int triangles = 0, segments = 0;
        for (const Primitive& prim : prims) {
            if (prim.line) {
                ++segments;
                for (const Vertex& v : prim.v) {
                    EXPECT_NEAR(std::hypot(v.x - p.x, v.y - p.y), c.radius, 1e-4);
                    EXPECT_NEAR(v.z, 0.0f, 1e-4);
                    EXPECT_FLOAT_EQ(v.r, 1.0f);
                    EXPECT_FLOAT_EQ(v.g, 0.0f);
                }
                continue;
            }
            ++triangles;
            ASSERT_EQ(prim.v.size(), 3u);
            for (int k = 0; k < 2; ++k) {
                EXPECT_NEAR(std::hypot(prim.v[k].x - p.x, prim.v[k].y - p.y), c.radius, 1e-4);
                EXPECT_NEAR(prim.v[k].z, 0.0f, 1e-4);
            }
            EXPECT_NEAR(prim.v[2].x, p.x, 1e-4);
            EXPECT_NEAR(prim.v[2].y, p.y, 1e-4);
            EXPECT_NEAR(prim.v[2].z, p.z, 1e-4);
            const float inside = c.ring ? 1.0f : 0.0f; // white ring, red disc
            EXPECT_FLOAT_EQ(prim.v[0].r, 1.0f);
            EXPECT_FLOAT_EQ(prim.v[0].g, inside);
            EXPECT_FLOAT_EQ(prim.v[0].b, inside);
        }
        EXPECT_EQ(triangles, 20);
        EXPECT_EQ(segments, c.ring ? 20 : 0);
        // The rim closes: its first point is (x + R, y).
        EXPECT_TRUE(Corners(prims, false).count(At(p.x + c.radius, p.y, 0.0f)));
    }
}

// Square, triangle, diamond and cross-hair lie at depth 0 with extents that
// are multiples of Size alone (they collapse to the point at Size 0).
TEST_F(PointMarkerGL, FlatShapes)
{
    const float x = 0.5f, y = -0.25f;
    const float h = 0.25f, k = 0.375f; // Size 5
    struct Case {
        const char* name;
        int32_t symbol;
        std::set<std::tuple<long, long, long>> polygonCorners;
        std::set<std::tuple<long, long, long>> lineEnds;
    };
    const Case cases[] = {
        {"square", MarkerSymbolFilledSquare,
         {At(x - h, y + h, 0), At(x - h, y - h, 0), At(x + h, y - h, 0), At(x + h, y + h, 0)},
         {}},
        {"triangle", MarkerSymbolFilledTriangle,
         {At(x, y + k, 0), At(x - k, y - k, 0), At(x + k, y - k, 0)},
         {}},
        {"diamond", MarkerSymbolDiamond,
         {At(x, y + k, 0), At(x - k, y, 0), At(x, y - k, 0), At(x + k, y, 0)},
         {}},
        {"cross-hair", MarkerSymbolCrossHair,
         {},
         {At(x, y + k, 0), At(x, y - k, 0), At(x - k, y, 0), At(x + k, y, 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Primitive> prims = Capture(Marker(c.symbol, 5, 65280));
        ASSERT_FALSE(prims.empty());
        EXPECT_EQ(Corners(prims, false), c.polygonCorners);
        EXPECT_EQ(Corners(prims, true), c.lineEnds);
        for (const Primitive& prim : prims) {
            EXPECT_FLOAT_EQ(prim.v[0].r, 0.0f);
            EXPECT_FLOAT_EQ(prim.v[0].g, 1.0f);
            EXPECT_FLOAT_EQ(prim.v[0].b, 0.0f);
        }
    }
    // The cross-hair's width is the size itself, in pixels.
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_FLOAT_EQ(width, 5.0f);
}

TEST_F(PointMarkerGL, UnknownSymbolsDrawNothingIn2D)
{
    for (int32_t symbol : {0, 7, -1}) {
        SCOPED_TRACE(symbol);
        Cls2 p = Marker(symbol, 5, 255);
        p.Hollow = true; // stored only
        EXPECT_TRUE(Capture(p).empty());
    }
}

TEST_F(PointMarkerGL, ColourSplitsIntoFractions)
{
    struct Case {
        int32_t color;
        float r, g, b;
    };
    const Case cases[] = {{255, 1, 0, 0},
                          {256 * 255, 0, 1, 0},
                          {65536 * 255, 0, 0, 1},
                          {0x00FF8040, 64 / 255.0f, 128 / 255.0f, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        const std::vector<Primitive> prims = Capture(Marker(MarkerSymbolFilledSquare, 5, c.color));
        ASSERT_FALSE(prims.empty());
        EXPECT_NEAR(prims[0].v[0].r, c.r, 1e-6);
        EXPECT_NEAR(prims[0].v[0].g, c.g, 1e-6);
        EXPECT_NEAR(prims[0].v[0].b, c.b, 1e-6);
    }
}

// Outside 2D documents every point is a sphere of radius 0.05*Size + 0.05
// around its position, whatever its symbol; the matrix is restored.
TEST_F(PointMarkerGL, SphereOutside2D)
{
    struct Case {
        int32_t kind;
        int32_t symbol;
        float size;
        int32_t color;
        float radius;
    };
    const Case cases[] = {{DocumentKind3D, 0, 0.15f, 0, 0.0575f},
                          {DocumentKind25D, MarkerSymbolFilledSquare, 5, 65536 * 255, 0.3f},
                          {DocumentKind3D, MarkerSymbolCrossHair, 0, 255, 0.05f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size);
        g_DocumentKind = c.kind;
        Cls2 p = Marker(c.symbol, c.size, c.color);
        GLfloat before[16], after[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, before);
        const std::vector<Primitive> prims = Capture(p);
        glGetFloatv(GL_MODELVIEW_MATRIX, after);
        EXPECT_TRUE(std::equal(before, before + 16, after));

        ASSERT_GT(prims.size(), 500u); // 32 slices x 32 stacks
        float farthest = 0.0f;
        for (const Primitive& prim : prims) {
            for (const Vertex& v : prim.v) {
                const float d = std::sqrt((v.x - p.x) * (v.x - p.x) + (v.y - p.y) * (v.y - p.y)
                                          + (v.z - p.z) * (v.z - p.z));
                EXPECT_LE(d, c.radius + 1e-4f);
                farthest = std::max(farthest, d);
            }
        }
        EXPECT_NEAR(farthest, c.radius, 1e-4);
        const Cls2 colour = Marker(0, 0, c.color);
        EXPECT_NEAR(prims[0].v[0].r, (colour.Color % 256) / 255.0f, 1e-6);
        EXPECT_NEAR(prims[0].v[0].b, (colour.Color / 65536) / 255.0f, 1e-6);
    }
}
