// Tests of the plane segment helpers.
#include "sampling/Segments.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

using namespace Module1;

namespace {

struct SegCase {
    const char* name;
    float s[8];      // x1 y1 x2 y2 x3 y3 x4 y4
    int result;
    bool writesPoint;
    float ix, iy;    // expected first point when written
    bool writesSecond;
    float ix2, iy2;
};

const SegCase kSegCases[] = {
    {"crossing diagonals", {0, 0, 2, 2, 0, 2, 2, 0}, 1, true, 1, 1, false, 0, 0},
    {"same, ends given right to left", {2, 2, 0, 0, 2, 0, 0, 2}, 1, true, 1, 1, false, 0, 0},
    {"lines meet outside second segment", {0, 0, 1, 1, 2, 0, 3, -1}, 0, true, 1, 1, false, 0, 0},
    {"collinear overlap", {0, 0, 2, 2, 1, 1, 3, 3}, 2, true, 1, 1, true, 2, 2},
    {"collinear touching end to end", {0, 0, 1, 1, 1, 1, 2, 2}, 2, true, 1, 1, true, 1, 1},
    {"parallel distinct", {0, 0, 1, 1, 0, 1, 1, 2}, 0, false, 0, 0, false, 0, 0},
    {"parallel, x ranges apart", {0, 0, 1, 1, 5, 5, 6, 6}, 0, false, 0, 0, false, 0, 0},
    {"touching at an end point", {0, 0, 1, 1, 1, 1, 2, 0}, 1, true, 1, 1, false, 0, 0},
    // Vertical segments are decided exactly, not through a steep slope.
    {"vertical across horizontal", {1, -1, 1, 1, 0, 0, 2, 0}, 1, true, 1, 0, false, 0, 0},
    {"horizontal across vertical", {0, 0, 2, 0, 1, 1, 1, -1}, 1, true, 1, 0, false, 0, 0},
    {"vertical across diagonal", {1, -5, 1, 5, 0, 0, 4, 2}, 1, true, 1, 0.5f, false, 0, 0},
    {"vertical misses diagonal in y", {1, 1, 1, 5, 0, 0, 4, 2}, 0, true, 1, 0.5f, false, 0, 0},
    {"vertical beside horizontal", {3, -1, 3, 1, 0, 0, 2, 0}, 0, true, 3, 0, false, 0, 0},
    {"overlapping verticals", {0, 0, 0, 2, 0, 3, 0, 1}, 2, true, 0, 1, true, 0, 2},
    {"verticals on one line, apart", {0, 0, 0, 1, 0, 2, 0, 3}, 0, false, 0, 0, false, 0, 0},
    {"verticals at different x", {0, 0, 0, 2, 1, 0, 1, 2}, 0, false, 0, 0, false, 0, 0},
};

class SegmentTable : public ::testing::TestWithParam<SegCase> {};

TEST_P(SegmentTable, Intersect)
{
    const SegCase& c = GetParam();
    const float sentinel = -777.0f;
    float ix = sentinel, iy = sentinel, ix2 = sentinel, iy2 = sentinel;
    const int r = IntersectSegments(c.s[0], c.s[1], c.s[2], c.s[3], c.s[4], c.s[5], c.s[6],
                                    c.s[7], ix, iy, ix2, iy2);
    EXPECT_EQ(r, c.result);
    if (c.writesPoint) {
        EXPECT_FLOAT_EQ(ix, c.ix);
        EXPECT_FLOAT_EQ(iy, c.iy);
    } else {
        EXPECT_EQ(ix, sentinel);
        EXPECT_EQ(iy, sentinel);
    }
    if (c.writesSecond) {
        EXPECT_FLOAT_EQ(ix2, c.ix2);
        EXPECT_FLOAT_EQ(iy2, c.iy2);
    } else {
        EXPECT_EQ(ix2, sentinel);
        EXPECT_EQ(iy2, sentinel);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SegmentTable, ::testing::ValuesIn(kSegCases),
                         [](const ::testing::TestParamInfo<SegCase>& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(LineSlopeIntercept, SlopeAndSteepVertical)
{
    float k = 0, b = 0;
    LineSlopeIntercept(0, 1, 2, 5, k, b);
    EXPECT_EQ(k, 2.0f);
    EXPECT_EQ(b, 1.0f);
    LineSlopeIntercept(1, 2, 1, 5, k, b);
    EXPECT_EQ(k, 10000.0f);
    EXPECT_EQ(b, 2.0f - 10000.0f);
}

TEST(MinMaxSingle, EqualValuesGiveSecond)
{
    EXPECT_EQ(MinSingle(1, 2), 1.0f);
    EXPECT_EQ(MaxSingle(1, 2), 2.0f);
    // -0 and +0 compare equal: the second argument comes back.
    EXPECT_TRUE(std::signbit(MinSingle(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(MaxSingle(-0.0f, 0.0f)));
}

} // namespace
