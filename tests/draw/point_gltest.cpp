// Point graphs drawn on real Mesa: each compiled into a display list the way
// the scene builds it and read back in feedback mode.
#include "draw/ResultPane.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include "model/GlFeedback.h"

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using glfeedback::Primitive;
using glfeedback::Vertex;

// A point graph as the point dialogs make it: x from ExpressY, y from
// ExpressZ and the stored z from ExpressX (Cartesian), t as the parameter of
// an animated point.
std::shared_ptr<Cls9> PointGraph(const QString& x, const QString& y, bool animated = false)
{
    auto g = std::make_shared<Cls9>();
    g->ID = 1;
    g->GraphType = animated ? GraphTypePointAnimation : GraphTypePoint;
    g->CoordType = CoordTypeCartesian2D;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = x;
    g->ExpressZ = y;
    g->StepU = 1;
    g->StepV = 1;
    g->Animation = animated;
    g->PointColor = 0x000000FF; // red
    g->PointSize = 1.0f;
    return g;
}

struct Rgb {
    float r, g, b;
};

bool SameColor(const Vertex& v, const Rgb& c)
{
    return std::abs(v.r - c.r) < 0.01f && std::abs(v.g - c.g) < 0.01f
        && std::abs(v.b - c.b) < 0.01f;
}

constexpr Rgb kRed{1, 0, 0};
constexpr Rgb kWhite{1, 1, 1};

class PointDrawGL : public glfeedback::Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        m_kind = g_DocumentKind;
        m_scale = g_SceneScale;
        m_frames = g_FrameCount;
        g_DocumentKind = DocumentKind2D;
        m_list = glGenLists(1);
    }
    void TearDown() override
    {
        glDeleteLists(m_list, 1);
        g_DocumentKind = m_kind;
        g_SceneScale = m_scale;
        g_FrameCount = m_frames;
    }

    // Compiles the graph's drawing into the test's list, as the scene does;
    // the list is closed also when the drawing fails.
    void Compile(Cls9& g, int32_t step = 0)
    {
        gltest::CompileList(m_list, [&] { g.Draw(step); });
    }

    std::vector<Primitive> Replay() const
    {
        return Capture([&] { glCallList(m_list); });
    }

    // Compiles the graph's drawing at the step with the view's scene scale
    // in force (Draw refreshes the graph's extents, not the scale).
    std::vector<Primitive> Draw(Cls9& g, float scale, int32_t step = 0)
    {
        g_SceneScale = scale;
        Compile(g, step);
        return Replay();
    }

    // The centre and rim radius of a filled disc drawn as a fan of triangles
    // (rim, rim, centre); fails when the triangles do not share one centre.
    static void Disc(const std::vector<Primitive>& fan, float& cx, float& cy, float& radius)
    {
        ASSERT_FALSE(fan.empty());
        cx = fan[0].v[2].x;
        cy = fan[0].v[2].y;
        radius = std::hypot(fan[0].v[0].x - cx, fan[0].v[0].y - cy);
        for (const Primitive& p : fan) {
            ASSERT_EQ(p.v.size(), 3u);
            EXPECT_NEAR(p.v[2].x, cx, 1e-4f);
            EXPECT_NEAR(p.v[2].y, cy, 1e-4f);
            for (int k = 0; k < 2; ++k)
                EXPECT_NEAR(std::hypot(p.v[k].x - cx, p.v[k].y - cy), radius, 2e-3f);
        }
    }

    GLuint m_list = 0;
    MessageRecorder m_messages; // a failing compile shows no dialog

private:
    int32_t m_kind = 0;
    float m_scale = 1.0f;
    int32_t m_frames = 0;
};

std::vector<Primitive> Polygons(const std::vector<Primitive>& prims)
{
    std::vector<Primitive> out;
    for (const Primitive& p : prims)
        if (!p.line)
            out.push_back(p);
    return out;
}

std::vector<Primitive> Lines(const std::vector<Primitive>& prims)
{
    std::vector<Primitive> out;
    for (const Primitive& p : prims)
        if (p.line)
            out.push_back(p);
    return out;
}

TEST_F(PointDrawGL, TwoDPointIsAFlatUnlitDiscAtItsScaledPosition)
{
    // (3, 4) at scene scale 5 sits at (0.6, 0.8). Size 1: a filled disc of
    // radius 0.1, or a white disc of radius 0.09 ringed in the point's red.
    struct Case {
        bool hollow;
        Rgb fill;
        float radius;
        size_t ringSegments;
    };
    for (const Case& c : {Case{false, kRed, 0.1f, 0}, Case{true, kWhite, 0.09f, 20}}) {
        SCOPED_TRACE(c.hollow ? "hollow" : "filled");
        auto g = PointGraph(QStringLiteral("3"), QStringLiteral("4"));
        g->PointHollow = c.hollow;
        ASSERT_TRUE(g->GetPoints());
        // Lit drawing would darken the colours: the point turns lighting off.
        glEnable(GL_LIGHTING);
        const auto prims = Draw(*g, 5.0f);

        const auto fan = Polygons(prims);
        ASSERT_EQ(fan.size(), 20u);
        for (const Primitive& p : fan)
            for (const Vertex& v : p.v) {
                EXPECT_TRUE(SameColor(v, c.fill)) << v.r << " " << v.g << " " << v.b;
                EXPECT_NEAR(v.z, 0.0f, 1e-5f);
            }
        float cx = 0, cy = 0, radius = 0;
        Disc(fan, cx, cy, radius);
        EXPECT_NEAR(cx, 0.6f, 1e-4f);
        EXPECT_NEAR(cy, 0.8f, 1e-4f);
        EXPECT_NEAR(radius, c.radius, 2e-3f);

        const auto ring = Lines(prims);
        ASSERT_EQ(ring.size(), c.ringSegments);
        for (const Primitive& l : ring)
            for (const Vertex& v : l.v) {
                EXPECT_TRUE(SameColor(v, kRed));
                EXPECT_NEAR(std::hypot(v.x - 0.6f, v.y - 0.8f), c.radius, 2e-3f);
            }

        // The 2D state is left as the next graph in the list expects it.
        glDisable(GL_LIGHTING);
        glCallList(m_list);
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(PointDrawGL, ThreeDPointIsASphereAtItsStoredPositionUnderTheLightingInForce)
{
    g_DocumentKind = DocumentKind3D;
    auto g = PointGraph(QStringLiteral("1"), QStringLiteral("0.5"));
    g->CoordType = CoordTypeCartesian3D;
    g->ExpressX = QStringLiteral("0.25"); // the stored z
    g->PointHollow = true;                // a sphere all the same
    ASSERT_TRUE(g->GetPoints());
    // The scene scale is a 2D matter: it does not move a 3D point.
    const auto prims = Draw(*g, 5.0f);
    ASSERT_GT(prims.size(), 100u);
    float far = 0.0f;
    for (const Primitive& p : prims) {
        EXPECT_FALSE(p.line);
        for (const Vertex& v : p.v) {
            const float d = std::sqrt((v.x - 1.0f) * (v.x - 1.0f) + (v.y - 0.5f) * (v.y - 0.5f)
                                      + (v.z - 0.25f) * (v.z - 0.25f));
            EXPECT_LT(d, 0.1f + 1e-3f);
            far = std::max(far, d);
            // Lighting stayed off as the test left it, so the colour is plain.
            EXPECT_TRUE(SameColor(v, kRed));
        }
    }
    EXPECT_NEAR(far, 0.1f, 1e-3f);

    // No 2D state: lighting, blending and smoothing are as they were.
    for (bool lit : {false, true}) {
        if (lit)
            glEnable(GL_LIGHTING);
        else
            glDisable(GL_LIGHTING);
        glCallList(m_list);
        EXPECT_EQ(glIsEnabled(GL_LIGHTING) == GL_TRUE, lit);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
    glDisable(GL_LIGHTING);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(PointDrawGL, AnimatedPointFollowsTheStepAndSkipsStepsWithoutAValue)
{
    // x = t/2, y = sqr(2 - t) (the square root) over t = 0 .. 4 in four steps: steps 3 and 4
    // have no y.
    g_FrameCount = 4;
    auto g = PointGraph(QStringLiteral("t/2"), QStringLiteral("sqr(2-t)"), true);
    g->MinT = 0.0f;
    g->MaxT = 4.0f;
    ASSERT_TRUE(g->GetPoints());
    for (int32_t step = 0; step <= 4; ++step) {
        SCOPED_TRACE(step);
        Result().SetText(QStringLiteral("analysis of the graph before"));
        glDisable(GL_LIGHTING);
        const auto prims = Draw(*g, 2.0f, step);
        EXPECT_EQ(Result().Text(), QStringLiteral("analysis of the graph before"))
            << "a point has no analysis and leaves the pane alone";
        const float t = static_cast<float>(step);
        if (t <= 2.0f) {
            const auto fan = Polygons(prims);
            ASSERT_EQ(fan.size(), 20u);
            float cx = 0, cy = 0, radius = 0;
            Disc(fan, cx, cy, radius);
            EXPECT_NEAR(cx, t / 2 / 2, 1e-4f);
            EXPECT_NEAR(cy, std::sqrt(2 - t) / 2, 1e-4f);
        } else {
            EXPECT_TRUE(prims.empty());
        }
        // The 2D state is given back whether or not the step had a point.
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
}

TEST_F(PointDrawGL, StillPointWithoutAValueDrawsNothing)
{
    // sqr(-1) has no value; drawing the stand-in number would show a point
    // at x = 0.12345 that the user never asked for.
    auto g = PointGraph(QStringLiteral("sqr(-1)"), QStringLiteral("1"));
    ASSERT_TRUE(g->GetPoints());
    ASSERT_EQ(g->Vert3D(0, 0).x, UndefinedSample);
    EXPECT_TRUE(Draw(*g, 1.0f).empty());
    glDisable(GL_LIGHTING);
    glCallList(m_list);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(PointDrawGL, PointWhoseSampleCannotBeReadLeavesNoTrace)
{
    struct Case {
        const char* what;
        bool animated;
        bool sampled;
        int32_t step;
    };
    g_FrameCount = 3;
    for (const Case& c : {Case{"still point never sampled", false, false, 0},
                          Case{"animated point never sampled", true, false, 0},
                          Case{"step past the last frame", true, true, 4},
                          Case{"negative step", true, true, -1}}) {
        SCOPED_TRACE(c.what);
        auto g = PointGraph(QStringLiteral("t"), QStringLiteral("1"), c.animated);
        g->MaxT = 3.0f;
        if (c.sampled) {
            ASSERT_TRUE(g->GetPoints());
        }
        Result().SetText(QStringLiteral("analysis of the graph before"));
        g_SceneScale = 1.0f;
        EXPECT_THROW(Compile(*g, c.step), std::out_of_range);
        EXPECT_TRUE(Replay().empty());
        glDisable(GL_LIGHTING);
        glCallList(m_list);
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "no state change reached the list";
        EXPECT_EQ(Result().Text(), "analysis of the graph before");
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

} // namespace
