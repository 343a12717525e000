// Point grids and the point table: indices are checked against the shape the
// grid has now, and points are shared, not copied.
#include "model/Cls9.h"

#include <gtest/gtest.h>

TEST(PointGrid, AbsentUntilMade)
{
    Cls9 g;
    EXPECT_THROW(g.Anim1D(0), std::out_of_range);
    EXPECT_THROW(g.Vert3D(0, 0), std::out_of_range);
    EXPECT_THROW((void)g.Anim3D.Ref(0, 0, 0), std::out_of_range);
}

TEST(PointGrid, IndicesCheckedAgainstTheShape)
{
    PointGrid grid;
    grid.Make({2, 5}); // 0..2 x 0..5
    EXPECT_EQ(grid.Size(), 18u);
    EXPECT_EQ(grid.Upper(0), 2);
    EXPECT_EQ(grid.Upper(1), 5);
    EXPECT_EQ(grid.Upper(2), -1);

    struct Case {
        int32_t i, j;
        bool ok;
    };
    const Case cases[] = {{0, 0, true}, {2, 5, true}, {3, 0, false}, {0, 6, false},
                          {-1, 0, false}, {0, -1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.i << "," << c.j);
        EXPECT_EQ(grid.InRange(c.i, c.j), c.ok);
        if (c.ok)
            EXPECT_NO_THROW(grid(c.i, c.j));
        else
            EXPECT_THROW(grid(c.i, c.j), std::out_of_range);
    }
    // A grid of two indices is not read with one or three.
    EXPECT_THROW(grid(0), std::out_of_range);
    EXPECT_THROW(grid(0, 0, 0), std::out_of_range);
}

TEST(PointGrid, ElementsAreTheGridsOwnPoints)
{
    PointGrid grid;
    grid.Make({1, 3, 4});
    grid(1, 2, 3).x = 4.5f;
    const PointRef held = grid.Ref(1, 2, 3);
    EXPECT_EQ(held->x, 4.5f);
    held->y = -1.0f; // a holder changes the graph's point
    EXPECT_EQ(grid(1, 2, 3).y, -1.0f);
    // Other elements are distinct fresh points at the origin.
    EXPECT_NE(grid.Ref(0, 0, 0), grid.Ref(1, 1, 1));
    EXPECT_EQ(grid(0, 0, 0).x, 0.0f);
    EXPECT_EQ(grid(0, 0, 0).Size, 0.15f);

    // Storing a point shares it.
    auto mine = Cls2::Init(1, 2, 3);
    grid.Ref(0, 0, 0) = mine;
    mine->z = 9.0f;
    EXPECT_EQ(grid(0, 0, 0).z, 9.0f);
}

TEST(PointGrid, RemakeDropsOldPointsAndBadShapesChangeNothing)
{
    PointGrid grid;
    grid.Make({4});
    grid(4).x = 1.0f;
    const PointRef old = grid.Ref(4);
    grid.Make({4});
    EXPECT_NE(grid.Ref(4), old);
    EXPECT_EQ(grid(4).x, 0.0f);

    EXPECT_THROW(grid.Make({-1}), std::invalid_argument);
    EXPECT_THROW(grid.Make({}), std::invalid_argument);
    EXPECT_THROW(grid.Make({1, 1, 1, 1}), std::invalid_argument);
    EXPECT_EQ(grid.Rank(), 1);
    EXPECT_EQ(grid.Upper(0), 4);

    // Dimensioned without points: the slots are empty.
    grid.Make({40, 2}, false);
    EXPECT_EQ(grid.Ref(40, 2), nullptr);
    EXPECT_THROW(grid(40, 2), std::logic_error);
}

TEST(PointTable, ReadingAnEmptyCellCreatesAndKeepsAPoint)
{
    Cls9 g;
    EXPECT_FALSE(g.VertTab3D.Has(5, 7));
    const PointRef first = g.VertTab3D.Get(5, 7);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Size, 0.15f);
    EXPECT_EQ(g.VertTab3D.Get(5, 7), first);
    EXPECT_TRUE(g.VertTab3D.Has(5, 7));
    EXPECT_NO_THROW(g.VertTab3D.Get(200, 200));
    EXPECT_THROW(g.VertTab3D.Get(201, 0), std::out_of_range);
    EXPECT_THROW(g.VertTab3D.Set(0, -1, first), std::out_of_range);
}

TEST(PointTable, TabEqualToSharesCellsAndRefusesTooLongTables)
{
    Cls9 source;
    source.GraphType = GraphTypeTableData;
    source.StepV = 2;
    source.ScatterSize = 6;
    source.VertTab3D.Get(1, 1)->x = 3.0f;
    Cls9 target;
    ASSERT_TRUE(target.TabEqualTo(source));
    EXPECT_EQ(target.VertTab3D.Get(1, 1), source.VertTab3D.Get(1, 1));
    EXPECT_EQ(target.VertTab3D.Get(2, 2), source.VertTab3D.Get(2, 2));
    EXPECT_FALSE(target.VertTab3D.Has(3, 0));
    EXPECT_EQ(target.ScatterSize, 6);

    Cls9 tooLong;
    tooLong.GraphType = GraphTypeTableData;
    tooLong.StepV = 201;
    tooLong.ScatterSize = 9;
    EXPECT_FALSE(target.TabEqualTo(tooLong));
    EXPECT_EQ(target.StepV, 2);
    EXPECT_EQ(target.ScatterSize, 6);
}
