// Tests of the colour integers and of which display list a frame shows.
#include "view/Colors.h"
#include "view/Scene.h"

#include <gtest/gtest.h>

TEST(Colors, SplitsBgrColourIntoChannels)
{
    struct Case {
        int32_t color;
        int32_t r, g, b;
    };
    const Case cases[] = {
        {64 + 256 * 128 + 65536 * 255, 64, 128, 255},
        {0, 0, 0, 0},
        {16777215, 255, 255, 255},
        {255, 255, 0, 0},
        {65280, 0, 255, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_EQ(Module1::ColorRed(c.color), c.r);
        EXPECT_EQ(Module1::ColorGreen(c.color), c.g);
        EXPECT_EQ(Module1::ColorBlue(c.color), c.b);
    }
}

TEST(Colors, AnsiBytesAreZeroTerminatedAndEmptyForEmptyText)
{
    EXPECT_TRUE(Module1::StringToAnsiBytes(QString()).isEmpty());
    const QByteArray bytes = Module1::StringToAnsiBytes(QStringLiteral("x=1"));
    ASSERT_EQ(bytes.size(), 4);
    EXPECT_EQ(bytes, QByteArray("x=1\0", 4));
    EXPECT_EQ(Module1::StringToAnsiBytes(QStringLiteral("a坐")), QByteArray("a?\0", 3));
}

TEST(SceneList, FrameChoosesTheList)
{
    struct Case {
        bool animated;
        int32_t curFrame, step, list;
    };
    const Case cases[] = {
        {false, 1, 1, 900}, {false, 7, 7, 900}, {false, 0, 0, 900}, // still: always 900
        {true, 1, 1, 1001}, {true, 11, 11, 1011},
        {true, 0, 0, 1001}, // the frame export starts at frame 0: shows frame 1
        {true, 15, 15, 1011}, // frame count lowered to 10: the last frame, not an empty list
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.animated << " " << c.curFrame);
        EXPECT_EQ(SceneListFor(c.animated, c.curFrame, c.step, 10), c.list);
    }
}
