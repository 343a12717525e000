// Geometry of the 3D coordinate box (panels, grids, ticks, labels, titles)
// and of the three-line axes, without a display.
#include "model/Globals.h"
#include "view/Axes3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr float kEps = 1e-5f;

void ExpectPoint(const Point3F& p, float x, float y, float z, const char* what)
{
    EXPECT_NEAR(p[0], x, kEps) << what;
    EXPECT_NEAR(p[1], y, kEps) << what;
    EXPECT_NEAR(p[2], z, kEps) << what;
}

void ExpectLine(const Line3D& l, Point3F a, Point3F b, const char* what)
{
    ExpectPoint(l.a, a[0], a[1], a[2], what);
    ExpectPoint(l.b, b[0], b[1], b[2], what);
}

Frame3DLayout Default3D(const Cls3& cs = Cls3{})
{
    std::optional<Frame3DLayout> f = Frame3D(cs, DocumentKind3D, -5, 5, -5, 5, -5, 5);
    EXPECT_TRUE(f.has_value());
    return f.value_or(Frame3DLayout{});
}

TEST(BoxLabelText, OneDecimalLeadingZeroMinusSignAndThousandsCommas)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0.0f, "0.0"},       {2.5f, "2.5"},        {-0.5f, "-0.5"},
        {5.0f, "5.0"},       {-5.0f, "-5.0"},      {0.26f, "0.3"},
        {1234.0f, "1,234.0"}, {-1234567.0f, "-1,234,567.0"},
        {999.96f, "1,000.0"}, {123.0f, "123.0"},
        {-0.01f, "0.0"},  // no "-0.0"
        {-0.0f, "0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxLabelText(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(Frame3D, DefaultSettingsDrawOnlyGridLinesAtMinimumMiddleAndMaximum)
{
    const Frame3DLayout f = Default3D();
    for (const Panel3D& p : f.panels) {
        EXPECT_FALSE(p.shown);
        EXPECT_EQ(p.material, 4);
    }
    ASSERT_EQ(f.grids.size(), 6u);
    for (const GridBatch3D& g : f.grids) {
        EXPECT_NEAR(g.color.r, 153.0f / 255.0f, kEps);
        EXPECT_NEAR(g.color.g, 153.0f / 255.0f, kEps);
        EXPECT_NEAR(g.color.b, 153.0f / 255.0f, kEps);
        ASSERT_EQ(g.lines.size(), 3u);
    }
    // Families in drawing order: the face z = MinZ, then x = MinX, then y = MinY.
    const std::vector<float> at{-5, 0, 5};
    for (int i = 0; i < 3; ++i) {
        const float v = at[i];
        ExpectLine(f.grids[0].lines[i], {v, -5, -5}, {v, 5, -5}, "YZ, constant x");
        ExpectLine(f.grids[1].lines[i], {-5, v, -5}, {5, v, -5}, "YZ, constant y");
        ExpectLine(f.grids[2].lines[i], {-5, -5, v}, {-5, 5, v}, "XZ, constant z");
        ExpectLine(f.grids[3].lines[i], {-5, v, -5}, {-5, v, 5}, "XZ, constant y");
        ExpectLine(f.grids[4].lines[i], {-5, -5, v}, {5, -5, v}, "XY, constant z");
        ExpectLine(f.grids[5].lines[i], {v, -5, -5}, {v, -5, 5}, "XY, constant x");
    }
}

TEST(Frame3D, PanelsCoverTheMinimumFacesWithTheirNormalsColoursAndMaterials)
{
    Cls3 cs;
    cs.ShowYZPanel = true;
    cs.ShowXYPanel = true;  // XZ stays hidden but keeps its material
    cs.YZPanelColor = 255;
    cs.XZPanelMaterial = 7;
    cs.XYPanelColor = 204 + 204 * 256 + 204 * 65536;
    cs.XYPanelMaterial = 4;
    const Frame3DLayout f = Frame3D(cs, DocumentKind3D, -1, 2, -3, 4, -5, 6).value();

    const Panel3D& yz = f.panels[0];
    EXPECT_TRUE(yz.shown);
    EXPECT_FLOAT_EQ(yz.color.r, 1.0f);
    EXPECT_FLOAT_EQ(yz.color.g, 0.0f);
    ExpectPoint(yz.normal, 0, 0, 1, "YZ normal");
    const Point3F yzCorners[] = {{-1, -3, -5}, {2, -3, -5}, {2, 4, -5}, {-1, 4, -5}};
    for (int i = 0; i < 4; ++i)
        ExpectPoint(yz.corners[i], yzCorners[i][0], yzCorners[i][1], yzCorners[i][2], "YZ");

    const Panel3D& xz = f.panels[1];
    EXPECT_FALSE(xz.shown);
    EXPECT_EQ(xz.material, 7);
    ExpectPoint(xz.normal, 1, 0, 0, "XZ normal");
    const Point3F xzCorners[] = {{-1, -3, -5}, {-1, 4, -5}, {-1, 4, 6}, {-1, -3, 6}};
    for (int i = 0; i < 4; ++i)
        ExpectPoint(xz.corners[i], xzCorners[i][0], xzCorners[i][1], xzCorners[i][2], "XZ");

    const Panel3D& xy = f.panels[2];
    EXPECT_TRUE(xy.shown);
    EXPECT_EQ(xy.material, 4);
    EXPECT_NEAR(xy.color.g, 0.8f, kEps);
    ExpectPoint(xy.normal, 0, 1, 0, "XY normal");
    const Point3F xyCorners[] = {{-1, -3, -5}, {-1, -3, 6}, {2, -3, 6}, {2, -3, -5}};
    for (int i = 0; i < 4; ++i)
        ExpectPoint(xy.corners[i], xyCorners[i][0], xyCorners[i][1], xyCorners[i][2], "XY");
}

TEST(Frame3D, EachGridFamilyFollowsItsOwnSwitchAndCount)
{
    Cls3 cs;
    cs.ShowYZYGrid = cs.ShowXZXGrid = cs.ShowXZZGrid = cs.ShowXYYGrid = false;
    cs.LabelNumX = 4;  // GL z
    cs.LabelNumZ = 5;  // GL y
    cs.YZGridColor = 255;
    cs.XYGridColor = 65280;
    const Frame3DLayout f = Frame3D(cs, DocumentKind3D, 0, 10, 0, 10, 0, 8).value();
    ASSERT_EQ(f.grids.size(), 2u);
    EXPECT_FLOAT_EQ(f.grids[0].color.r, 1.0f);  // YZ, constant y: 5 intervals
    ASSERT_EQ(f.grids[0].lines.size(), 6u);
    ExpectLine(f.grids[0].lines[1], {0, 2, 0}, {10, 2, 0}, "y = 2");
    EXPECT_FLOAT_EQ(f.grids[1].color.g, 1.0f);  // XY, constant z: 4 intervals
    ASSERT_EQ(f.grids[1].lines.size(), 5u);
    ExpectLine(f.grids[1].lines[4], {0, 0, 8}, {10, 0, 8}, "last line on the box edge");
}

TEST(Frame3D, TicksAndLabelsOfTheDefault3DBox)
{
    const Frame3DLayout f = Default3D();
    // z edge, x edge, y edge; each tick 0.3 long.
    ASSERT_EQ(f.ticks.size(), 9u);
    const float at[] = {-5, 0, 5};
    for (int i = 0; i < 3; ++i) {
        ExpectLine(f.ticks[i], {5, -5, at[i]}, {5, -5.3f, at[i]}, "z edge");
        ExpectLine(f.ticks[3 + i], {at[i], -5, 5}, {at[i], -5.3f, 5}, "x edge");
        ExpectLine(f.ticks[6 + i], {-5, at[i], 5}, {-5.3f, at[i], 5}, "y edge");
    }

    ASSERT_EQ(f.texts.size(), 12u);
    const char* const labels[] = {"-5.0", "0.0", "5.0"};
    const float w4 = 4.0f / 3.9f;  // "-5.0"
    const float w3 = 3.0f / 3.9f;  // "0.0", "5.0"
    const float w1 = 1.0f / 3.9f;  // a one-letter title
    for (int i = 0; i < 3; ++i) {
        const Text3D& x = f.texts[i];
        EXPECT_EQ(x.text, QLatin1String(labels[i]));
        EXPECT_FALSE(x.bold);
        ExpectPoint(x.position, at[i] - 1.0f, -6.3f, 5, "x-edge label");
        EXPECT_FLOAT_EQ(x.rotation[0], 0.0f);

        const Text3D& y = f.texts[4 + i];
        EXPECT_EQ(y.text, QLatin1String(labels[i]));
        ExpectPoint(y.position, -5 - ((i == 0 ? w4 : w3) + 0.7f), at[i], 5, "y-edge label");

        const Text3D& z = f.texts[8 + i];
        EXPECT_EQ(z.text, QLatin1String(labels[i]));
        ExpectPoint(z.position, 5, -6.3f, at[i], "z-edge label");
        EXPECT_EQ(z.rotation, (std::array<float, 4>{90, 0, 1, 0}));
    }

    const Text3D& titleY = f.texts[3];
    EXPECT_EQ(titleY.text, QLatin1String("Y"));
    EXPECT_TRUE(titleY.bold);
    ExpectPoint(titleY.position, -5 + (10 - w1) / 2 - 1.0f, -7.3f, 5, "TitleY");

    const Text3D& titleZ = f.texts[7];
    EXPECT_EQ(titleZ.text, QLatin1String("Z"));
    ExpectPoint(titleZ.position, -5 - (w3 + 0.7f) - 1.0f, -5 + (10 - w1) / 2 + w1, 5, "TitleZ");
    EXPECT_EQ(titleZ.rotation, (std::array<float, 4>{-90, 0, 0, 1}));

    const Text3D& titleX = f.texts[11];
    EXPECT_EQ(titleX.text, QLatin1String("X"));
    ExpectPoint(titleX.position, 5, -7.3f, -5 + (10 - w1) / 2 + w1 - 0.5f, "TitleX");
    EXPECT_EQ(titleX.rotation, (std::array<float, 4>{90, 0, 1, 0}));
}

TEST(Frame3D, TitleZStandsBesideTheLastYLabelAndEmptyTitlesCentreAsWidthZero)
{
    Cls3 cs;
    cs.TitleZ.clear();
    const Frame3DLayout shortTop = Frame3D(cs, DocumentKind3D, 0, 4, 0, 8, 0, 4).value();
    const Frame3DLayout longTop = Frame3D(cs, DocumentKind3D, 0, 4, 0, 1000, 0, 4).value();
    const Text3D& a = shortTop.texts[7];
    const Text3D& b = longTop.texts[7];
    EXPECT_EQ(longTop.texts[6].text, QLatin1String("1,000.0"));
    // "8.0" against "1,000.0": four more characters push the title further left.
    EXPECT_NEAR(a.position[0] - b.position[0], 4.0f / 3.9f, kEps);
    EXPECT_NEAR(a.position[1], 4.0f, kEps);  // centred as a text of width 0
}

TEST(Frame3D, Document25DUsesDepthZeroToThreeAndLabelsTwoEdges)
{
    Cls3 cs;
    cs.LabelNumX = 3;
    cs.TitleX = QStringLiteral("never drawn");
    const Frame3DLayout f = Frame3D(cs, DocumentKind25D, -2, 2, -1, 1, -1, 7).value();
    EXPECT_FLOAT_EQ(f.minZ, 0.0f);
    EXPECT_FLOAT_EQ(f.maxZ, 3.0f);
    // Lines of constant z on the face x = MinX.
    ASSERT_EQ(f.grids[2].lines.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(f.grids[2].lines[i].a[2], static_cast<float>(i), kEps);
    // Ticks on the x and y edges only, at z = MaxZ = 3.
    ASSERT_EQ(f.ticks.size(), 6u);
    for (const Line3D& t : f.ticks)
        EXPECT_FLOAT_EQ(t.a[2], 3.0f);
    ASSERT_EQ(f.texts.size(), 8u);
    for (const Text3D& t : f.texts) {
        EXPECT_NE(t.text, cs.TitleX);
        EXPECT_FLOAT_EQ(t.position[2], 3.0f);
    }
}

TEST(Frame3D, CountsOutsideOneToFiftyAreBroughtIntoRange)
{
    const struct {
        int32_t count;
        int32_t used;
    } cases[] = {{0, 1}, {-3, 1}, {51, 50}, {1000, 50}, {50, 50}};
    for (const auto& c : cases) {
        Cls3 cs;
        cs.LabelNumX = cs.LabelNumY = cs.LabelNumZ = c.count;
        const Frame3DLayout f = Frame3D(cs, DocumentKind3D, 0, 1, 0, 1, 0, 1).value();
        EXPECT_EQ(f.countX, c.used) << c.count;
        EXPECT_NEAR(f.xs, 1.0f / static_cast<float>(c.used), kEps) << c.count;
        EXPECT_TRUE(std::isfinite(f.ys) && std::isfinite(f.zs)) << c.count;
        EXPECT_EQ(f.grids[0].lines.size(), static_cast<size_t>(c.used + 1)) << c.count;
        EXPECT_EQ(f.texts.size(), static_cast<size_t>(3 * (c.used + 1) + 3)) << c.count;
    }
}

TEST(Frame3D, ZeroExtentStacksLinesAndNonFiniteBoxGivesNoLayout)
{
    const Frame3DLayout flat = Frame3D(Cls3{}, DocumentKind3D, 2, 2, 0, 1, 0, 1).value();
    EXPECT_FLOAT_EQ(flat.xs, 0.0f);
    for (const Line3D& l : flat.grids[0].lines)
        EXPECT_FLOAT_EQ(l.a[0], 2.0f);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(Frame3D(Cls3{}, DocumentKind3D, nan, 1, 0, 1, 0, 1));
    EXPECT_FALSE(Frame3D(Cls3{}, DocumentKind3D, 0, 1, 0, inf, 0, 1));
    // The depth of a 2.5D box is fixed, so a bad z range there does not matter.
    EXPECT_TRUE(Frame3D(Cls3{}, DocumentKind25D, 0, 1, 0, 1, nan, inf));
}

TEST(ThreeLineAxes, BoxIsWidenedToHoldTheOriginAndLinesOverhangByTwo)
{
    const struct {
        float lo, hi;      // the same range on every axis
        float from, to;    // where each line runs
    } cases[] = {{1, 4, -2, 6}, {-3, -1, -5, 2}, {-2, 3, -4, 5}};
    for (const auto& c : cases) {
        const ThreeLineAxesLayout a = ThreeLineAxes(c.lo, c.hi, c.lo, c.hi, c.lo, c.hi).value();
        EXPECT_FLOAT_EQ(a.minX, std::min(c.lo, 0.0f));
        EXPECT_FLOAT_EQ(a.maxZ, std::max(c.hi, 0.0f));
        ExpectLine(a.lines[0], {0, 0, c.from}, {0, 0, c.to}, "z axis");
        ExpectLine(a.lines[1], {0, c.from, 0}, {0, c.to, 0}, "y axis");
        ExpectLine(a.lines[2], {c.from, 0, 0}, {c.to, 0, 0}, "x axis");
        ExpectPoint(a.cones[0].base, 0, 0, c.to, "cone on z");
        ExpectPoint(a.cones[1].base, c.to, 0, 0, "cone on x");
        ExpectPoint(a.cones[2].base, 0, c.to, 0, "cone on y");
    }
    const ThreeLineAxesLayout a = ThreeLineAxes(1, 4, 1, 4, 1, 4).value();
    EXPECT_FLOAT_EQ(a.cones[0].rotation[0], 0.0f);
    EXPECT_EQ(a.cones[1].rotation, (std::array<float, 4>{90, 0, 1, 0}));
    EXPECT_EQ(a.cones[2].rotation, (std::array<float, 4>{-90, 1, 0, 0}));
    EXPECT_FALSE(ThreeLineAxes(0, 1, 0, 1, 0, std::numeric_limits<float>::quiet_NaN()));
}

}  // namespace
