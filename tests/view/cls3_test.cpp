// Coordinate-system settings, the document record, colour splitting and the
// 2D step, grid, background and axes geometry (no display needed).
#include "model/Cls3.h"
#include "view/Axes2D.h"
#include "view/Grid2D.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const char* const kStartupRecord =
    "1 0 0 0 1 1 1 1 1 1 0 2 2 2 13421772 13421772 13421772 10066329 10066329 10066329 "
    "4 4 4 0 1 @X@ @Y@ @Z@ 0 0 0 2 65280 16777215 65280 65280 1 0 0 ";

Cls3 StartupShown()
{
    Cls3 cs;
    cs.Show = true;  // as the main window's load step leaves it
    return cs;
}

TEST(AxesRecord, StartupSettingsWriteThirtyNineTokensEachFollowedByABlank)
{
    EXPECT_EQ(StartupShown().Save(), QString::fromLatin1(kStartupRecord));
    EXPECT_EQ(StartupShown().Save().split(' ', Qt::SkipEmptyParts).size(), 39);
}

TEST(AxesRecord, HiddenCoordinateSystemWritesOnlyZero)
{
    Cls3 cs;
    cs.ShowPI = true;
    cs.TitleX = QStringLiteral("whatever");
    EXPECT_EQ(cs.Save(), QStringLiteral("0"));
}

TEST(AxesRecord, FieldsLandInTheirTokens)
{
    struct Case {
        const char* what;
        void (*change)(Cls3&);
        QString expected;
    };
    const QString base = QString::fromLatin1(kStartupRecord);
    auto replaced = [&base](int token, const QString& text) {
        QStringList t = base.split(' ');
        t[token - 1] = text;
        return t.join(' ');
    };
    const Case cases[] = {
        {"empty title", [](Cls3& c) { c.TitleY = QString(); }, replaced(27, QStringLiteral("@@"))},
        {"two-word title keeps its blank", [](Cls3& c) { c.TitleZ = QStringLiteral("高 度"); },
         replaced(28, QStringLiteral("@高 度@"))},
        {"negative colour", [](Cls3& c) { c.AxisColor = -1; }, replaced(24, QStringLiteral("-1"))},
        {"largest colour", [](Cls3& c) { c.BackColor = 16777215; },
         replaced(33, QStringLiteral("16777215"))},
        {"label count", [](Cls3& c) { c.LabelNumY = 50; }, replaced(13, QStringLiteral("50"))},
        {"panel material", [](Cls3& c) { c.YZPanelMaterial = 13; }, replaced(23, QStringLiteral("13"))},
        {"back style", [](Cls3& c) { c.BackStyle = 19; }, replaced(32, QStringLiteral("19"))},
        {"xz panel", [](Cls3& c) { c.ShowXZPanel = true; }, replaced(3, QStringLiteral("1"))},
        {"yz z grid", [](Cls3& c) { c.ShowYZZGrid = false; }, replaced(10, QStringLiteral("0"))},
        {"secondary grid", [](Cls3& c) { c.ShowSecondaryGrid = true; }, replaced(30, QStringLiteral("1"))},
        {"minor ticks", [](Cls3& c) { c.ShowSecondaryLabel = false; }, replaced(37, QStringLiteral("0"))},
        {"pi", [](Cls3& c) { c.ShowPI = true; }, replaced(38, QStringLiteral("1"))},
        {"shadow, the last token", [](Cls3& c) { c.ShowShadow = true; }, replaced(39, QStringLiteral("1"))},
        {"axis style is not recorded", [](Cls3& c) { c.AxisStyle = AxisStyleThreeLines; }, base},
    };
    for (const Case& c : cases) {
        Cls3 cs = StartupShown();
        c.change(cs);
        EXPECT_EQ(cs.Save(), c.expected) << c.what;
    }
}

TEST(AxesRecord, SetDefaultResetsTheBoxAndAxesButKeepsThe2DLook)
{
    Cls3 plain = StartupShown();
    plain.SetDefault();
    EXPECT_EQ(plain.Save(), QString::fromLatin1(kStartupRecord).replace(20, 1, QLatin1Char('1')))
        << "only BetterFonts (token 11) changes on start-up settings";

    Cls3 cs;  // hidden, every field away from its default
    cs.ShowXYPanel = cs.ShowXZPanel = cs.ShowYZPanel = true;
    cs.ShowXYXGrid = cs.ShowXYYGrid = cs.ShowXZXGrid = cs.ShowXZZGrid = false;
    cs.ShowYZYGrid = cs.ShowYZZGrid = false;
    cs.LabelNumX = cs.LabelNumY = cs.LabelNumZ = 7;
    cs.XYPanelColor = cs.XZPanelColor = cs.YZPanelColor = 1;
    cs.XYGridColor = cs.XZGridColor = cs.YZGridColor = 2;
    cs.XYPanelMaterial = cs.XZPanelMaterial = cs.YZPanelMaterial = 9;
    cs.AxisColor = 255;
    cs.AxisWidth = 4;
    cs.TitleX = cs.TitleY = cs.TitleZ = QStringLiteral("t");
    cs.ShowprimaryGrid = cs.ShowSecondaryGrid = cs.ShowBackground = true;
    cs.BackStyle = 7;
    cs.BackColor = cs.BackColor2 = cs.PriGridColor = cs.SecGridColor = 3;
    cs.ShowSecondaryLabel = false;
    cs.ShowPI = cs.ShowShadow = true;
    cs.AxisStyle = AxisStyleThreeLines;

    cs.SetDefault();
    EXPECT_EQ(cs.Save(),
              QStringLiteral("1 0 0 0 1 1 1 1 1 1 1 2 2 2 13421772 13421772 13421772 10066329 "
                             "10066329 10066329 4 4 4 0 1 @X@ @Y@ @Z@ 1 1 1 7 3 3 3 3 0 1 1 "));
    EXPECT_EQ(cs.AxisStyle, AxisStyleThreeLines);
}

TEST(ColorToRGB, SplitsBgrLayoutIntoFractions)
{
    struct Case {
        int32_t color;
        float r, g, b;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {65280, 0, 1, 0},
        {13421772, 0.8f, 0.8f, 0.8f},
        {16777215, 1, 1, 1},
        {255, 1, 0, 0},
        {64 + 256 * 128 + 65536 * 255, 64 / 255.0f, 128 / 255.0f, 1},
    };
    for (const Case& c : cases) {
        const RgbF rgb = Cls3::ColorToRGB(c.color);
        EXPECT_FLOAT_EQ(rgb.r, c.r) << c.color;
        EXPECT_FLOAT_EQ(rgb.g, c.g) << c.color;
        EXPECT_FLOAT_EQ(rgb.b, c.b) << c.color;
    }
}

TEST(LabelStep2D, NextWholeNumberBelowFiveThenNextMultipleOfFive)
{
    struct Case {
        float scale;
        double step;
    };
    const Case cases[] = {
        {0.25f, 1}, {0.3f, 1}, {0.51f, 2}, {1.0f, 3}, {2.0f, 5}, {2.4f, 5}, {2.495f, 5},
        {2.5f, 10}, {6.0f, 15}, {10.0f, 25}, {1000.0f, 2005},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LabelStep2D(c.scale), c.step) << c.scale;
}

TEST(StepCount2D, CountsFromTheOriginOutwardsWithinTheCap)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float bound;
        double margin, step;
        int32_t expected;
    };
    const Case cases[] = {
        {-20.0f, 0.04, 5, 4},    // 19.96 / 5
        {-20.5f, 0.04, 5, 5},    // 20.46 / 5 = 4.09
        {20.0f, -0.04, 5, 4},
        {20.03f, -0.04, 5, 4},   // up to 0.04 beyond a multiple adds no line
        {20.05f, -0.04, 5, 5},
        {0.03f, 0.04, 2, 1},     // box wholly on the positive side: one line below 0 anyway
        {3.0f, 0.04, 5, 1},
        {1e30f, -0.04, 1, 51},
        {inf, -0.04, 1, 51},
        {nan, 0.04, 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepCount2D(c.bound, c.margin, c.step, 51), c.expected) << c.bound;
}

bool Near(float a, float b)
{
    return std::fabs(a - b) < 1e-4f;
}

TEST(Grid2D, PrimaryAndSecondaryLinesOfATwentyBox)
{
    Cls3 cs;
    cs.ShowprimaryGrid = true;
    cs.ShowSecondaryGrid = true;
    cs.PriGridColor = 255;
    cs.SecGridColor = 65280;
    // S = 2: step 5, lines 2.5 GL units apart, four per side.
    const std::vector<Line2D> lines = Grid2DLines(cs, 2.0f, -20, 20, -20, 20);
    ASSERT_EQ(lines.size(), 18u + 16u);

    const float primary[] = {-2.5f, -5, -7.5f, -10, 2.5f, 5, 7.5f, 10};
    for (int i = 0; i < 8; ++i) {
        const Line2D& v = lines[i];
        EXPECT_TRUE(Near(v.x1, primary[i]) && Near(v.x2, primary[i])) << i;
        EXPECT_TRUE(Near(v.y1, -12) && Near(v.y2, 12)) << "overhang of 2 beyond the last line";
        EXPECT_EQ(v.color.r, 1.0f);
        const Line2D& h = lines[8 + i];
        EXPECT_TRUE(Near(h.y1, primary[i]) && Near(h.y2, primary[i])) << i;
        EXPECT_TRUE(Near(h.x1, -12) && Near(h.x2, 12));
    }
    EXPECT_TRUE(Near(lines[16].x1, 0) && Near(lines[16].x2, 0) && Near(lines[16].y1, -12));
    EXPECT_TRUE(Near(lines[17].y1, 0) && Near(lines[17].y2, 0) && Near(lines[17].x1, -12));

    const float secondary[] = {-1.25f, -3.75f, -6.25f, -8.75f, 1.25f, 3.75f, 6.25f, 8.75f};
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(Near(lines[18 + i].x1, secondary[i])) << i;
        EXPECT_TRUE(Near(lines[26 + i].y1, secondary[i])) << i;
        EXPECT_EQ(lines[18 + i].color.g, 1.0f);
        EXPECT_EQ(lines[18 + i].color.r, 0.0f);
    }
}

TEST(Grid2D, SecondaryOnlyHasNoOriginLinesAndOneSidedBoxesStillReachBelowZero)
{
    Cls3 cs;
    cs.ShowSecondaryGrid = true;
    // x from 3 to 20: one line on the negative side; y from -20.5: five below 0.
    const std::vector<Line2D> lines = Grid2DLines(cs, 2.0f, 3, 20, -20.5f, 20);
    ASSERT_EQ(lines.size(), 1u + 4u + 5u + 4u);
    for (const Line2D& l : lines)
        EXPECT_FALSE(Near(l.x1, 0) && Near(l.x2, 0)) << "no line through the origin";
    EXPECT_TRUE(Near(lines[0].x1, -1.25f));
    EXPECT_TRUE(Near(lines[0].y1, -5 * 2.5f - 2)) << "vertical lines reach the fifth y line";

    EXPECT_TRUE(Grid2DLines(Cls3{}, 2.0f, -20, 20, -20, 20).empty()) << "both grids off";
    cs.ShowprimaryGrid = true;
    EXPECT_TRUE(Grid2DLines(cs, 0.0f, -20, 20, -20, 20).empty()) << "no scale, no grid";
}

// Colour of the vertex at (x, y) in the fill shapes; the last one wins, as it
// would on screen for coincident vertices of the same triangle set.
std::optional<RgbF> ColourAt(const Background2D& bg, float x, float y)
{
    std::optional<RgbF> found;
    for (const FillShape& s : bg.shapes)
        for (const ColoredVertex& v : s.v)
            if (Near(v.x, x) && Near(v.y, y))
                found = v.color;
    return found;
}

TEST(Background2D, FillTypesColourCornersAndCentre)
{
    // C1 red, C2 blue, M their mean.
    const RgbF c1{1, 0, 0}, c2{0, 0, 1}, m{0.5f, 0, 0.5f};
    struct Case {
        int32_t style;
        RgbF bl, br, tl, tr;
        std::optional<RgbF> centre;  // none: the centre is no vertex of this type
    };
    const Case cases[] = {
        {1, c1, c1, c1, c1, c1},
        {2, c1, c1, c2, c2, m},
        {3, c2, c2, c1, c1, m},
        {6, c2, c1, c2, c1, m},
        {10, m, c1, c2, m, m},
        {14, c1, m, m, c2, m},
        {17, c1, c2, c2, c1, c2},
        {19, c2, c2, c2, c2, c1},
        {4, c2, c2, c2, c2, std::nullopt},
        {9, c1, c1, c1, c1, std::nullopt},
    };
    for (const Case& c : cases) {
        Cls3 cs;
        cs.ShowBackground = true;
        cs.BackStyle = c.style;
        cs.BackColor = 255;
        cs.BackColor2 = 16711680;
        const auto bg = Background2DLayout(cs, 2.0f, -20, 20, -20, 20);
        ASSERT_TRUE(bg) << c.style;
        EXPECT_TRUE(Near(bg->x0, -15.1f) && Near(bg->x1, 15.1f) && Near(bg->y0, -15.1f));
        auto check = [&](float x, float y, RgbF want, const char* where) {
            const std::optional<RgbF> got = ColourAt(*bg, x, y);
            ASSERT_TRUE(got) << c.style << " " << where;
            EXPECT_TRUE(Near(got->r, want.r) && Near(got->g, want.g) && Near(got->b, want.b))
                << "style " << c.style << " at " << where;
        };
        check(-15.1f, -15.1f, c.bl, "bottom left");
        check(15.1f, -15.1f, c.br, "bottom right");
        check(-15.1f, 15.1f, c.tl, "top left");
        check(15.1f, 15.1f, c.tr, "top right");
        if (c.centre)
            check(0, 0, *c.centre, "centre");
        const bool quads = c.style == 4 || c.style == 9;
        EXPECT_EQ(bg->shapes.size(), quads ? 2u : 4u) << c.style;
    }
}

TEST(Background2D, TwoQuadTypesPutTheInnerColourOnTheMiddleLine)
{
    Cls3 cs;
    cs.ShowBackground = true;
    cs.BackColor = 255;  // inner for type 8
    cs.BackColor2 = 16711680;
    cs.BackStyle = 8;
    const auto bg = Background2DLayout(cs, 1.0f, -10, 10, -10, 10);
    ASSERT_TRUE(bg);
    for (const FillShape& s : bg->shapes) {
        ASSERT_TRUE(s.quad);
        for (const ColoredVertex& v : s.v)
            EXPECT_EQ(v.color->r, Near(v.x, 0) ? 1.0f : 0.0f) << "red only on x = 0";
    }
}

TEST(Background2D, ShadowComesFirstAndUnknownTypesSetNoColour)
{
    Cls3 cs;
    cs.ShowBackground = true;
    cs.ShowShadow = true;
    cs.BackStyle = 25;
    const auto bg = Background2DLayout(cs, 2.0f, -20, 20, -20, 20);
    ASSERT_TRUE(bg);
    ASSERT_EQ(bg->shapes.size(), 5u);
    EXPECT_TRUE(bg->shapes[0].quad);
    EXPECT_TRUE(Near(bg->shapes[0].v[0].x, -14.3f) && Near(bg->shapes[0].v[2].y, 15.9f));
    EXPECT_FLOAT_EQ(bg->shapes[0].v[0].color->r, 0.4f);
    for (size_t i = 1; i < bg->shapes.size(); ++i)
        for (const ColoredVertex& v : bg->shapes[i].v)
            EXPECT_FALSE(v.color);

    cs.ShowBackground = false;
    EXPECT_FALSE(Background2DLayout(cs, 2.0f, -20, 20, -20, 20));
}

QStringList Labels(const Axes2DLayout& a, size_t from, size_t count)
{
    QStringList out;
    for (size_t i = from; i < from + count; ++i)
        out << a.texts[i].text;
    return out;
}

TEST(Axes2D, StepTwoBoxLabelsEachHalfAxisOutwards)
{
    Cls3 cs;
    const auto a = Axes2D(cs, 0.51f, -5, 5, -1, 1);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->step, 2);
    EXPECT_FLOAT_EQ(a->gx, 2 / 0.51f);
    EXPECT_EQ(a->nXneg, 3);
    EXPECT_EQ(a->nYneg, 1);
    // Order: x-, y-, x+, y+, then "0", "X", "Y".
    ASSERT_EQ(a->texts.size(), 3u + 1 + 3 + 1 + 3);
    EXPECT_EQ(Labels(*a, 0, 3), QStringList({"-2", "-4", "-6"}));
    EXPECT_EQ(Labels(*a, 3, 1), QStringList({"-2"}));
    EXPECT_EQ(Labels(*a, 4, 3), QStringList({"2", "4", "6"}));
    EXPECT_EQ(Labels(*a, 7, 4), QStringList({"2", "0", "X", "Y"}));
    EXPECT_TRUE(a->texts[9].bold && a->texts[10].bold && !a->texts[8].bold);
    EXPECT_TRUE(Near(a->xR, 6 / 0.51f));
    EXPECT_TRUE(Near(a->texts[9].x, a->xR + 2.0f)) << "X title beyond the outermost tick";
    EXPECT_TRUE(Near(a->texts[10].y, a->yT + 2.0f));
    EXPECT_TRUE(Near(a->xAxis.x1, -6 / 0.51f - 2.1f) && Near(a->yAxis.y2, 2 / 0.51f + 2.1f));
}

TEST(Axes2D, LabelsAreCentredUnderXTicksAndRightAlignedOnY)
{
    Cls3 cs;
    const auto a = Axes2D(cs, 2.4f, -20, 20, -20, 20);  // step 5, four per half-axis
    ASSERT_TRUE(a);
    const float g = a->gx;
    // x-: "-5" "-10" "-15" "-20"; y- follows; x+ at 8..11.
    EXPECT_TRUE(Near(a->texts[0].x, -g - 0.3f));
    EXPECT_TRUE(Near(a->texts[1].x, -2 * g - 0.45f));
    EXPECT_EQ(a->texts[8].text, "5");
    EXPECT_TRUE(Near(a->texts[8].x, g - 0.15f));
    EXPECT_TRUE(Near(a->texts[9].x, 2 * g - 0.3f));
    EXPECT_TRUE(Near(a->texts[0].y, -0.8f));
    EXPECT_EQ(a->texts[5].text, "-10");
    EXPECT_TRUE(Near(a->texts[5].x, -(3 / 3.9f + 0.45f)));
    EXPECT_TRUE(Near(a->texts[5].y, -2 * a->gy - 0.2f));
    EXPECT_EQ(a->texts[0].color, 10 + 10 * 256 + 10 * 65536);
}

TEST(Axes2D, PiLabellingOnXOnlyAndCappedAtFiftyOneTicks)
{
    Cls3 cs;
    cs.ShowPI = true;
    auto a = Axes2D(cs, 1.0f, -7, 7, -7, 7);  // y step 3
    ASSERT_TRUE(a);
    EXPECT_EQ(Labels(*a, 0, 3), QStringList({"-pi", "-2pi", "-3pi"}));
    EXPECT_EQ(a->nYneg, 3);  // |-6.96| / 3
    EXPECT_EQ(Labels(*a, 3, 3), QStringList({"-3", "-6", "-9"}));
    EXPECT_EQ(Labels(*a, 6, 3), QStringList({"pi", "2pi", "3pi"}));
    EXPECT_FLOAT_EQ(a->gx, 3.1416f);

    a = Axes2D(cs, 1.0f, -7, 1000, -7, 7);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->nXpos, 51);
    EXPECT_EQ(a->texts[6 + 50].text, "51pi");
    EXPECT_TRUE(Near(a->xR, 51 * 3.1416f)) << "the axis stops at the last tick";
}

TEST(Axes2D, LargeScaleStepsByMultiplesOfItsStep)
{
    const auto a = Axes2D(Cls3{}, 1000.0f, -10000, 10000, -10000, 10000);
    ASSERT_TRUE(a);
    EXPECT_EQ(Labels(*a, 10, 5), QStringList({"2005", "4010", "6015", "8020", "10025"}));
}

TEST(Axes2D, MinorTicksDivideEveryIntervalIntoFive)
{
    Cls3 cs;
    cs.ShowSecondaryLabel = false;
    auto a = Axes2D(cs, 2.0f, 0.03f, 20, -20, 20);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->nXneg, 1) << "a box from 0.03 still gets one tick below 0";
    EXPECT_EQ(a->texts[0].text, "-5");
    EXPECT_EQ(a->ticks.size(), size_t(1 + 4 + 4 + 4));
    for (const Line2D& t : a->ticks)
        EXPECT_TRUE(Near(std::max(t.y2 - t.y1, t.x2 - t.x1), 0.5f));

    cs.ShowSecondaryLabel = true;
    a = Axes2D(cs, 2.0f, 0.03f, 20, -20, 20);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->ticks.size(), size_t(5 * 13));
    // First half-axis is x-: minor ticks at 0.2..0.8 of the first interval, then the major.
    const float expected[] = {-0.5f, -1.0f, -1.5f, -2.0f, -2.5f};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(Near(a->ticks[i].x1, expected[i])) << i;
        EXPECT_TRUE(Near(a->ticks[i].y1, 0));
        EXPECT_TRUE(Near(a->ticks[i].y2, i < 4 ? 0.3f : 0.5f)) << i;
    }
    // Second is y-: ticks run right from the axis.
    EXPECT_TRUE(Near(a->ticks[5].y1, -0.5f) && Near(a->ticks[5].x2, 0.3f));
}

TEST(Axes2D, WideAxesShiftTheArrowHeads)
{
    Cls3 cs;
    auto a = Axes2D(cs, 2.0f, -20, 20, -20, 20);
    ASSERT_TRUE(a);
    EXPECT_TRUE(Near(a->arrowX[0][0], 12.6f) && Near(a->arrowX[0][1], 0));
    EXPECT_TRUE(Near(a->arrowY[0][0], 0) && Near(a->arrowY[0][1], 12.6f));

    cs.AxisWidth = 5;
    cs.AxisColor = 16711680;
    a = Axes2D(cs, 2.0f, -20, 20, -20, 20);
    ASSERT_TRUE(a);
    EXPECT_TRUE(Near(a->arrowX[0][1], -0.04f) && Near(a->arrowX[1][1], 0.16f));
    EXPECT_TRUE(Near(a->arrowY[0][0], -0.04f) && Near(a->arrowY[2][0], -0.24f));
    EXPECT_EQ(a->xAxis.color.b, 1.0f);
    // The stroked edges run from the tips to the first base corners.
    EXPECT_TRUE(Near(a->edgeX.x1, 12.6f) && Near(a->edgeX.y1, -0.04f));
    EXPECT_TRUE(Near(a->edgeX.x2, 12.0f) && Near(a->edgeX.y2, 0.16f));
    EXPECT_TRUE(Near(a->edgeY.x1, -0.04f) && Near(a->edgeY.y1, 12.6f));
    EXPECT_TRUE(Near(a->edgeY.x2, 0.16f) && Near(a->edgeY.y2, 12.0f));
    EXPECT_EQ(a->edgeY.color.b, 1.0f);

    EXPECT_FALSE(Axes2D(cs, std::numeric_limits<float>::quiet_NaN(), -20, 20, -20, 20));
}

}  // namespace
