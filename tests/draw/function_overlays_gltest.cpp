// Analysis overlays of 2D functions drawn by Cls9::Draw on real Mesa and
// read back in feedback mode: where the shading, steps, stems, parity
// curve, derivative curve and extreme markers land, in which colour and
// order, and what the result pane says.
#include "draw/ResultPane.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include "draw/Globals2DGuard.h"
#include "model/GlFeedback.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <memory>

namespace {

using glfeedback::Primitive;

constexpr float S = 2.0f; // the scene scale of the fixture's 2D document

std::shared_ptr<Cls9> Function(const QString& z, float minV, float maxV, int32_t steps)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType2DFunction;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = z;
    g->MinV = minV;
    g->MaxV = maxV;
    g->StepV = steps;
    g->Show2DCurve = true;
    g->LineColor = 0x00000000; // black curve
    g->LineWidth = 1;
    return g;
}

// The colour split of Cls9 as feedback reports it.
bool HasColor(const Primitive& p, int32_t color)
{
    double r = 0, g = 0, b = 0;
    Cls9::ColorToRGB(color, r, g, b);
    const glfeedback::Vertex& v = p.v.front();
    return std::fabs(v.r - r) < 0.01 && std::fabs(v.g - g) < 0.01 && std::fabs(v.b - b) < 0.01;
}

std::vector<Primitive> Of(const std::vector<Primitive>& all, int32_t color, bool lines)
{
    std::vector<Primitive> out;
    for (const Primitive& p : all)
        if (p.line == lines && !p.v.empty() && HasColor(p, color))
            out.push_back(p);
    return out;
}

double PolygonArea(const Primitive& p)
{
    double a = 0;
    for (size_t k = 0; k < p.v.size(); ++k) {
        const auto& u = p.v[k];
        const auto& w = p.v[(k + 1) % p.v.size()];
        a += static_cast<double>(u.x) * w.y - static_cast<double>(w.x) * u.y;
    }
    return std::fabs(a) / 2;
}

QStringList PaneLines()
{
    QStringList lines = Result().Text().split(g_CrLf);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // after the last g_CrLf
    return lines;
}

class FunctionOverlaysGL : public glfeedback::Fixture {
protected:
    // Draws the sampled graph straight into feedback: no display list, so
    // shading and lines may follow each other freely.
    std::vector<Primitive> DrawSampled(Cls9& g)
    {
        EXPECT_TRUE(g.GetPoints());
        return Capture([&] { g.Draw(); });
    }

    // A new 2D document; the scene scale 2 makes the view show x and y from
    // -4 to 4 graph units.
    Globals2D m_scene{S};
    MessageRecorder m_messages;
};

TEST_F(FunctionOverlaysGL, IntegralIsShadedUnderTheCurveBetweenItsBounds)
{
    const int32_t shade = 0x000000FF; // red
    auto g = Function(QStringLiteral("x"), -3, 3, 6);
    g->ShowInt = true;
    g->IntColor = shade;
    g->IntFrom = 0.5f;
    g->IntTo = 2.0f;
    const std::vector<Primitive> all = DrawSampled(*g);

    const std::vector<Primitive> shading = Of(all, shade, false);
    ASSERT_FALSE(shading.empty());
    double area = 0;
    for (const Primitive& p : shading) {
        area += PolygonArea(p);
        for (const auto& v : p.v) {
            EXPECT_GE(v.x, 0.5f / S - 1e-3f);
            EXPECT_LE(v.x, 2.0f / S + 1e-3f);
            EXPECT_GE(v.y, -1e-3f);
            EXPECT_LE(v.y, v.x + 1e-3f); // under y = x
        }
    }
    // The triangle-less trapezoid from 0.5 to 2 under y = x: 1.875, seen at
    // scale 2.
    EXPECT_NEAR(area, 1.875 / (S * S), 1e-3);

    // The shading comes first, so the curve lies on top of it.
    size_t firstCurve = all.size(), lastShade = 0;
    for (size_t k = 0; k < all.size(); ++k) {
        if (all[k].line && HasColor(all[k], g->LineColor))
            firstCurve = std::min(firstCurve, k);
        if (!all[k].line && HasColor(all[k], shade))
            lastShade = k;
    }
    EXPECT_LT(lastShade, firstCurve);

    const QStringList pane = PaneLines();
    ASSERT_EQ(pane.size(), 4);
    EXPECT_EQ(pane[0], QStringLiteral("函数 y=x"));
    EXPECT_EQ(pane[1], QStringLiteral("    积分  从 0.5 到 2"));
    EXPECT_TRUE(pane[2].startsWith(QStringLiteral("    面积为  1.87"))) << pane[2].toStdString();
    EXPECT_EQ(pane[3], QString());
}

TEST_F(FunctionOverlaysGL, StepsStemsAndHeadsOfAStepStemGraph)
{
    const int32_t step = 0x0000FF00, stem = 0x00FF0000, head = 0x000000FF;
    auto g = Function(QStringLiteral("x^2-1"), 0, 2, 2); // (0,-1) (1,0) (2,3)
    g->GraphType = GraphTypeStepStem;
    g->ShowStep = true;
    g->StepColor = step;
    g->StepWidth = 1;
    g->ShowStem = true;
    g->StemBodyColor = stem;
    g->StemBodyWidth = 1;
    g->StemHeadColor = head;
    g->StemHeadSize = 1;
    g->StemHeadSymbol = MarkerSymbolFilledSquare;
    const std::vector<Primitive> all = DrawSampled(*g);

    auto ends = [](const std::vector<Primitive>& ps) {
        std::vector<std::array<float, 4>> out;
        for (const Primitive& p : ps)
            out.push_back({std::round(p.v[0].x * S * 100) / 100, std::round(p.v[0].y * S * 100) / 100,
                           std::round(p.v[1].x * S * 100) / 100, std::round(p.v[1].y * S * 100) / 100});
        return out;
    };
    using L = std::array<float, 4>;
    EXPECT_EQ(ends(Of(all, step, true)),
              (std::vector<L>{{0, -1, 0, 0}, {0, 0, 1, 0}, {1, 0, 1, 3}, {1, 3, 2, 3}}));
    // The stem at (1, 0) has no length and may be dropped by the rasterizer.
    const auto stems = ends(Of(all, stem, true));
    EXPECT_NE(std::find(stems.begin(), stems.end(), L{0, -1, 0, 0}), stems.end());
    EXPECT_NE(std::find(stems.begin(), stems.end(), L{2, 3, 2, 0}), stems.end());

    // A head centred on every sample.
    const std::vector<Primitive> heads = Of(all, head, false);
    for (const auto& [x, y] : {std::pair{0.0f, -1.0f}, std::pair{1.0f, 0.0f}, std::pair{2.0f, 3.0f}}) {
        bool found = false;
        for (const Primitive& p : heads) {
            double cx = 0, cy = 0;
            for (const auto& v : p.v) {
                cx += v.x;
                cy += v.y;
            }
            cx /= static_cast<double>(p.v.size());
            cy /= static_cast<double>(p.v.size());
            found = found || (std::fabs(cx - x / S) < 0.05 && std::fabs(cy - y / S) < 0.05);
        }
        EXPECT_TRUE(found) << x << ", " << y;
    }
}

TEST_F(FunctionOverlaysGL, ParityCurveOfAnOddFunctionIsItsNegative)
{
    const int32_t parity = 0x00C000C0;
    auto g = Function(QStringLiteral("x^3"), -1.5f, 1.5f, 12);
    g->ShowJO = true;
    g->JOColor = parity;
    g->JOWidth = 2;
    const std::vector<Primitive> lines = Of(DrawSampled(*g), parity, true);
    ASSERT_EQ(lines.size(), 12u);
    for (const Primitive& p : lines)
        for (const auto& v : p.v) {
            const double x = v.x * S;
            EXPECT_NEAR(v.y * S, -x * x * x, 2e-3);
        }
}

TEST_F(FunctionOverlaysGL, DerivativeCurveExtremesAndArcLength)
{
    const int32_t dev = 0x0000C0C0, maxC = 0x000000FF, minC = 0x00FF0000;
    auto g = Function(QStringLiteral("x^3-3x"), -2.5f, 2.5f, 50);
    g->ShowDev = true;
    g->DevColor = dev;
    g->DevWidth = 1;
    g->ShowMax = g->ShowMin = true;
    g->MaxColor = maxC;
    g->MinColor = minC;
    g->MaxSize = g->MinSize = 1;
    g->MaxSymbol = g->MinSymbol = MarkerSymbolFilledSquare;
    g->ShowLen = true;
    g->LenFrom = 0;
    g->LenTo = 1;
    const std::vector<Primitive> all = DrawSampled(*g);

    // The derivative curve 3x^2 - 3, clipped by the view.
    const std::vector<Primitive> devLines = Of(all, dev, true);
    ASSERT_FALSE(devLines.empty());
    for (const Primitive& p : devLines)
        for (const auto& v : p.v) {
            const double x = v.x * S;
            EXPECT_NEAR(v.y * S, 3 * x * x - 3, 0.02);
        }

    // Markers at the maximum (-1, 2) and the minimum (1, -2).
    auto centreOf = [](const std::vector<Primitive>& ps) {
        double cx = 0, cy = 0, n = 0;
        for (const Primitive& p : ps)
            for (const auto& v : p.v) {
                cx += v.x;
                cy += v.y;
                ++n;
            }
        return std::pair{cx / n * S, cy / n * S};
    };
    const std::vector<Primitive> maxMarks = Of(all, maxC, false);
    const std::vector<Primitive> minMarks = Of(all, minC, false);
    ASSERT_FALSE(maxMarks.empty());
    ASSERT_FALSE(minMarks.empty());
    EXPECT_NEAR(centreOf(maxMarks).first, -1, 0.02);
    EXPECT_NEAR(centreOf(maxMarks).second, 2, 0.02);
    EXPECT_NEAR(centreOf(minMarks).first, 1, 0.02);
    EXPECT_NEAR(centreOf(minMarks).second, -2, 0.02);

    const QStringList pane = PaneLines();
    ASSERT_EQ(pane.size(), 6);
    EXPECT_EQ(pane[0], QStringLiteral("函数 y=x^3-3x"));
    EXPECT_TRUE(pane[1].startsWith(QStringLiteral("    极大值点: x=-"))) << pane[1].toStdString();
    EXPECT_TRUE(pane[2].startsWith(QStringLiteral("    极小值点: x="))) << pane[2].toStdString();
    EXPECT_EQ(pane[3], QString());
    // Length of x^3 - 3x from 0 to 1: about 2.3.
    EXPECT_TRUE(pane[4].startsWith(QStringLiteral("    曲线的弧长  从 0 到 1 is 2."))) << pane[4].toStdString();
    EXPECT_EQ(pane[5], QString());

    // The 2D line state is given back.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
