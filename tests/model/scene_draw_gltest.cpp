// The scene draws each of its graphs: animated ones at the frame's step,
// still ones as at step 0, so a still graph stays put while others move.
#include "model/Cls8.h"
#include "model/Globals.h"

#include "GlFeedback.h"

#include <vector>

namespace {

using glfeedback::Primitive;

// A curve of one segment at height 0.1 k in frame k, stored as the frames of
// an animated 2D function; whether it is animated is the flag alone.
GraphRef FlatCurve(int32_t id, bool animated, int32_t color)
{
    auto g = std::make_shared<Cls9>();
    g->ID = id;
    g->GraphType = GraphType2DFunctionAnimation;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->Show2DCurve = true;
    g->LineColor = color;
    g->LineWidth = 1;
    g->Animation = animated;
    g->StepV = 1;
    g->Anim2D.Make({1, g_FrameCount});
    for (int32_t k = 0; k <= g_FrameCount; ++k) {
        for (int32_t i = 0; i <= 1; ++i) {
            g->Anim2D(i, k).x = i == 0 ? -1.0f : 1.0f;
            g->Anim2D(i, k).y = 0.1f * static_cast<float>(k);
        }
    }
    return g;
}

class SceneDrawGL : public glfeedback::Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        m_kind = g_DocumentKind;
        m_scale = g_SceneScale;
        g_DocumentKind = DocumentKind2D;
        g_SceneScale = 1.0f;
    }
    void TearDown() override
    {
        g_DocumentKind = m_kind;
        g_SceneScale = m_scale;
    }

    // Height of the red and of the green segments drawn.
    static void Heights(const std::vector<Primitive>& prims, std::vector<float>& red,
                        std::vector<float>& green)
    {
        for (const Primitive& p : prims) {
            if (!p.line)
                continue;
            (p.v[0].r > 0.5f ? red : green).push_back(p.v[0].y);
        }
    }

private:
    int32_t m_kind = 0;
    float m_scale = 0.0f;
};

} // namespace

TEST_F(SceneDrawGL, StillGraphsDrawAsAtStepZero)
{
    ASSERT_GE(g_FrameCount, 3);
    Cls8 scene;
    scene.FunSurfs.Add(FlatCurve(1, true, 255), "1");    // red, animated
    scene.FunSurfs.Add(FlatCurve(2, false, 65280), "2"); // green, still

    struct Case {
        int32_t step;
        float red;
    };
    for (const Case c : {Case{0, 0.0f}, Case{3, 0.3f}}) {
        SCOPED_TRACE(c.step);
        std::vector<float> red, green;
        Heights(Capture([&] { scene.Draw(c.step); }), red, green);
        ASSERT_EQ(red.size(), 1u);
        ASSERT_EQ(green.size(), 1u);
        EXPECT_NEAR(red[0], c.red, 1e-4);
        EXPECT_NEAR(green[0], 0.0f, 1e-4);
    }
}

TEST_F(SceneDrawGL, EmptySceneDrawsNothing)
{
    Cls8 scene;
    EXPECT_TRUE(Capture([&] { scene.Draw(2); }).empty());
}
