// The scene: its keyed collection, the joined records and the scene box
// with its padding, scale and 2D grid snapping.
#include "model/Cls8.h"
#include "model/Globals.h"

#include <gtest/gtest.h>

namespace {

GraphRef Graph(int32_t id, bool animated = false)
{
    auto g = std::make_shared<Cls9>();
    g->ID = id;
    g->Animation = animated;
    return g;
}

Cls1 Box(float minX, float maxX, float minY, float maxY, float minZ, float maxZ)
{
    Cls1 b;
    b.MinX = minX;
    b.MaxX = maxX;
    b.MinY = minY;
    b.MaxY = maxY;
    b.MinZ = minZ;
    b.MaxZ = maxZ;
    return b;
}

// Keeps the program state that the scene box reads and writes.
class SceneBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_kind = g_DocumentKind;
        m_scale = g_SceneScale;
        m_showPI = g_CoordSystem.ShowPI;
    }
    void TearDown() override
    {
        g_DocumentKind = m_kind;
        g_SceneScale = m_scale;
        g_CoordSystem.ShowPI = m_showPI;
    }

private:
    int32_t m_kind = 0;
    float m_scale = 0.0f;
    bool m_showPI = false;
};

} // namespace

TEST(GraphCollection, KeyedAndOrderedByAdding)
{
    GraphCollection c;
    const GraphRef g3 = Graph(3), g7 = Graph(7), g12 = Graph(12);
    c.Add(g3, "3");
    c.Add(g7, "7");
    c.Add(g12, GraphCollection::KeyOf(*g12));
    ASSERT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(1), g3);
    EXPECT_EQ(c.Item(3), g12);
    EXPECT_EQ(c.Item("12"), g12);

    c.Remove("3");
    EXPECT_EQ(c.Item(1), g7);
    c.RemoveAt(1);
    EXPECT_EQ(c.Item(1), g12);
    EXPECT_EQ(c.Count(), 1);
}

TEST(GraphCollection, BadKeysAndPositionsChangeNothing)
{
    GraphCollection c;
    const GraphRef g3 = Graph(3);
    c.Add(g3, "3");
    EXPECT_THROW(c.Add(Graph(99), "3"), std::invalid_argument);
    EXPECT_THROW(c.Add(nullptr, "4"), std::invalid_argument);
    EXPECT_THROW(c.Remove("4"), std::out_of_range);
    EXPECT_THROW(c.RemoveAt(0), std::out_of_range);
    EXPECT_THROW(c.RemoveAt(2), std::out_of_range);
    EXPECT_THROW(c.Item(2), std::out_of_range);
    EXPECT_THROW(c.Item("03"), std::out_of_range);
    ASSERT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item("3"), g3);
}

TEST(Scene, GraphsAreSharedBetweenScenes)
{
    Cls8 all, shown;
    const GraphRef g = Graph(5);
    all.FunSurfs.Add(g, "5");
    shown.FunSurfs.Add(g, "5");
    shown.FunSurfs.Remove("5");
    all.FunSurfs.Item("5")->NameS = "kept";
    EXPECT_EQ(g->NameS, "kept");
}

TEST(Scene, AnimationWhenAnyGraphIsAnimated)
{
    Cls8 s;
    EXPECT_FALSE(s.Animation());
    s.FunSurfs.Add(Graph(1), "1");
    EXPECT_FALSE(s.Animation());
    s.FunSurfs.Add(Graph(2, true), "2");
    EXPECT_TRUE(s.Animation());
}

TEST(Scene, SaveJoinsRecordsEachFollowedByABlank)
{
    Cls8 s;
    EXPECT_EQ(s.Save(), QString());
    const GraphRef a = Graph(1), b = Graph(2);
    b->NameS = "two words";
    s.FunSurfs.Add(a, "1");
    s.FunSurfs.Add(b, "2");
    const std::optional<QString> text = s.Save();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, *a->Save() + " " + *b->Save() + " ");
}

TEST(Scene, SaveFailsWhenAGraphCannotBeWritten)
{
    Cls8 s;
    s.FunSurfs.Add(Graph(1), "1");
    const GraphRef bad = Graph(2);
    bad->ExpressZ = "x + 1";
    s.FunSurfs.Add(bad, "2");
    QString error;
    EXPECT_FALSE(s.Save(&error).has_value());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(SceneBoxTest, PaddingScaleAndSnapping)
{
    struct Case {
        const char* name;
        int32_t kind;
        bool showPI;
        Cls1 in;
        Cls1 out;
        float scale;
    };
    const Case cases[] = {
        {"2D wide curve", DocumentKind2D, false, Box(-20, 20, -1, 1, 0, 0),
         Box(-25, 25, -5, 5, -0.04f, 0.04f), 2.0040002f},
        {"2D wide curve, pi steps", DocumentKind2D, true, Box(-20, 20, -1, 1, 0, 0),
         Box(-21.9912f, 21.9912f, -5, 5, -0.04f, 0.04f), 2.0040002f},
        // -4.04 rounds toward zero in 32 bits: the bound stays at -4.
        {"2D whole steps", DocumentKind2D, false, Box(-4, 4, -2, 2, 0, 0),
         Box(-4, 4, -2, 2, -0.04f, 0.04f), 0.404f},
        // The magnitude counts: a positive least x still gives a negative bound.
        {"2D off the origin", DocumentKind2D, false, Box(2, 5, 0.5f, 3, 0, 0),
         Box(-4, 6, -2, 4, -0.04f, 0.04f), 0.504f},
        {"2D small", DocumentKind2D, false, Box(-0.2f, 0.3f, -0.1f, 0.1f, 0, 0),
         Box(-1, 1, -1, 1, -0.04f, 0.04f), 0.034f},
        {"3D: no snapping, z sets the scale", DocumentKind3D, false, Box(-1, 2, -3, 4, -30, 5),
         Box(-1.04f, 2.04f, -3.04f, 4.04f, -30.04f, 5.04f), 3.004f},
        {"2.5D: no snapping", DocumentKind25D, true, Box(-20, 20, -1, 1, 0, 3),
         Box(-20.04f, 20.04f, -1.04f, 1.04f, -0.04f, 3.04f), 2.004f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_DocumentKind = c.kind;
        g_CoordSystem.ShowPI = c.showPI;
        const Cls1 b = FinishSceneBox(c.in);
        EXPECT_FLOAT_EQ(b.MinX, c.out.MinX);
        EXPECT_FLOAT_EQ(b.MaxX, c.out.MaxX);
        EXPECT_FLOAT_EQ(b.MinY, c.out.MinY);
        EXPECT_FLOAT_EQ(b.MaxY, c.out.MaxY);
        EXPECT_FLOAT_EQ(b.MinZ, c.out.MinZ);
        EXPECT_FLOAT_EQ(b.MaxZ, c.out.MaxZ);
        EXPECT_FLOAT_EQ(g_SceneScale, c.scale);
    }
}

TEST_F(SceneBoxTest, EmptySceneGivesTheInvertedStartBox)
{
    g_DocumentKind = DocumentKind3D;
    Cls8 s;
    const std::shared_ptr<Cls1> b = s.GetBox();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->MinX, 9999999.0f);
    EXPECT_EQ(b->MinZ, 9999999.0f);
    EXPECT_EQ(b->MaxY, -9999999.0f);
    EXPECT_EQ(b->MaxZ, -9999999.0f);
    EXPECT_EQ(g_SceneScale, static_cast<float>(9999999.0 / 10.0));
    // Every call hands out a new box.
    EXPECT_NE(s.GetBox(), b);
}

namespace {

GraphRef PlaneVector(int32_t id, float x1, float y1, float x2, float y2)
{
    GraphRef g = Graph(id);
    g->GraphType = GraphTypePlaneVector;
    g->GPara1 = x1;
    g->GPara2 = y1;
    g->GPara3 = x2;
    g->GPara4 = y2;
    return g;
}

// An animated point whose frame k sits at at(k).
GraphRef MovingPoint(int32_t id, bool animated, Cls2 (*at)(int32_t))
{
    GraphRef g = Graph(id, animated);
    g->GraphType = GraphTypePointAnimation;
    g->Anim1D.Make({g_FrameCount});
    for (int32_t k = 0; k <= g_FrameCount; ++k) {
        const Cls2 p = at(k);
        g->Anim1D(k).x = p.x;
        g->Anim1D(k).y = p.y;
        g->Anim1D(k).z = p.z;
    }
    return g;
}

} // namespace

TEST_F(SceneBoxTest, UnionOfTheGraphsBoxes)
{
    g_DocumentKind = DocumentKind2D;
    g_CoordSystem.ShowPI = false;
    Cls8 s;
    s.FunSurfs.Add(PlaneVector(1, -20, -1, 0, 0), "1");
    s.FunSurfs.Add(PlaneVector(2, 0, 0, 20, 1), "2");
    const std::shared_ptr<Cls1> b = s.GetBox();
    ASSERT_NE(b, nullptr);
    EXPECT_FLOAT_EQ(b->MinX, -25);
    EXPECT_FLOAT_EQ(b->MaxX, 25);
    EXPECT_FLOAT_EQ(b->MinY, -5);
    EXPECT_FLOAT_EQ(b->MaxY, 5);
    EXPECT_FLOAT_EQ(b->MinZ, -0.04f);
    EXPECT_FLOAT_EQ(b->MaxZ, 0.04f);
    EXPECT_FLOAT_EQ(g_SceneScale, 2.0040002f);
}

// Animated graphs are measured at the step asked for, still ones at step 0,
// so a still graph does not move the box from frame to frame.
TEST_F(SceneBoxTest, AnimatedGraphsAtTheStepStillOnesAtZero)
{
    g_DocumentKind = DocumentKind3D;
    ASSERT_GE(g_FrameCount, 3);
    Cls8 s;
    s.FunSurfs.Add(MovingPoint(1, false, [](int32_t k) {
                       return k == 0 ? *Cls2::Init(1, 1, 1) : *Cls2::Init(9, 9, 9);
                   }),
                   "1");
    s.FunSurfs.Add(MovingPoint(2, true, [](int32_t k) {
                       return k == 3 ? *Cls2::Init(2, -5, -30) : *Cls2::Init(0.5f, 0.5f, 0.5f);
                   }),
                   "2");
    const std::shared_ptr<Cls1> b = s.GetBox(3);
    ASSERT_NE(b, nullptr);
    // Points are boxed together with the origin.
    EXPECT_FLOAT_EQ(b->MinX, -0.04f);
    EXPECT_FLOAT_EQ(b->MaxX, 2.04f);
    EXPECT_FLOAT_EQ(b->MinY, -5.04f);
    EXPECT_FLOAT_EQ(b->MaxY, 1.04f);
    EXPECT_FLOAT_EQ(b->MinZ, -30.04f);
    EXPECT_FLOAT_EQ(b->MaxZ, 1.04f);
    EXPECT_FLOAT_EQ(g_SceneScale, 3.004f);
}
