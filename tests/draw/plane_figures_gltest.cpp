// Plane figures drawn on real Mesa through Cls9::Draw, compiled into a
// display list as the scene builds it and read back in feedback mode:
// colours where the lines are, the pane text, messages, the state after.
#include "draw/ResultPane.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include "Globals2DGuard.h"
#include "model/GlFeedback.h"

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using glfeedback::Primitive;
using glfeedback::Vertex;

struct Rgb {
    float r, g, b;
};
constexpr Rgb kRed{1, 0, 0};   // 0x0000FF
constexpr Rgb kBlue{0, 0, 1};  // 0xFF0000
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCyan{0, 1, 1};  // 0xFFFF00

bool Same(const Vertex& v, const Rgb& c)
{
    return std::abs(v.r - c.r) < 0.01f && std::abs(v.g - c.g) < 0.01f &&
           std::abs(v.b - c.b) < 0.01f;
}

std::vector<Primitive> LinesIn(const std::vector<Primitive>& prims, const Rgb& c)
{
    std::vector<Primitive> out;
    for (const Primitive& p : prims)
        if (p.line && Same(p.v[0], c) && Same(p.v[1], c))
            out.push_back(p);
    return out;
}

std::shared_ptr<Cls9> Figure(int32_t type, int32_t funForm, const char* x, const char* y,
                             float from, float to, int32_t steps)
{
    auto g = std::make_shared<Cls9>();
    g->ID = 1;
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = funForm;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QString::fromLatin1(x);
    g->ExpressZ = QString::fromLatin1(y);
    g->MinV = from;
    g->MaxV = to;
    g->StepV = steps;
    g->Material = MaterialPresetMetal;
    return g;
}

class PlaneFiguresGL : public glfeedback::Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        m_list = glGenLists(1);
    }
    void TearDown() override { glDeleteLists(m_list, 1); }

    // Samples the graph, compiles its drawing at scene scale 5 and replays it.
    std::vector<Primitive> Draw(Cls9& g)
    {
        EXPECT_TRUE(g.GetPoints());
        m_messages.Clear();
        gltest::CompileList(m_list, [&] { g.Draw(0); });
        glEnable(GL_LIGHTING);
        auto prims = Capture([&] { glCallList(m_list); });
        // Whatever the figure, the next graph of the list is drawn lit and
        // without line smoothing.
        glDisable(GL_LIGHTING);
        glCallList(m_list);
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        return prims;
    }

    Globals2D m_globals{5.0f};
    MessageRecorder m_messages;
    GLuint m_list = 0;
};

TEST_F(PlaneFiguresGL, LineWithItsPerpendicularAndPoint)
{
    // y = 2 over x from -5 to 5, and the perpendicular through (3, 5).
    auto g = Figure(GraphTypeLine, FunFormParametric, "u", "0u+(2)", -5, 5, 100);
    g->GLineType = LineFormSlopeIntercept;
    g->GPara1 = 2;
    g->GLineColor = 0x0000FF;
    g->Glinewidth = 2;
    g->GShowLinePoint = true;
    g->GLinePointType = LineThroughPointPerpendicular;
    g->GLinePointX = 3;
    g->GLinePointY = 5;
    g->GLinePointColor = 0xFF0000;
    g->GLinePointSize = 1;
    const auto prims = Draw(*g);

    const auto red = LinesIn(prims, kRed);
    ASSERT_EQ(red.size(), 100u);
    for (const Primitive& p : red)
        for (const Vertex& v : p.v)
            EXPECT_NEAR(v.y, 0.4f, 1e-4f);
    const auto black = LinesIn(prims, kBlack);
    ASSERT_EQ(black.size(), 1u);
    for (const Vertex& v : black[0].v)
        EXPECT_NEAR(v.x, 0.6f, 1e-4f);
    // The point: a blue disc at (0.6, 1.0), radius 0.1 for size 1.
    size_t disc = 0;
    for (const Primitive& p : prims)
        if (!p.line && Same(p.v[0], kBlue)) {
            ++disc;
            for (const Vertex& v : p.v)
                EXPECT_LT(std::hypot(v.x - 0.6f, v.y - 1.0f), 0.101f);
        }
    EXPECT_GT(disc, 0u);
    EXPECT_TRUE(Result().Text().startsWith(QStringLiteral("直线： y= 0x+ 2") + g_CrLf));
    EXPECT_TRUE(Result().Text().contains(QStringLiteral("    垂线的方程： x= 3") + g_CrLf));
    EXPECT_EQ(m_messages.Count(), 0);
}

TEST_F(PlaneFiguresGL, DerivedCircleInItsOwnColour)
{
    auto g = Figure(GraphTypeCircle, FunFormParametric, "1sin(u)+(0)", "1cos(u)+(0)", 0, 6.2832f,
                    100);
    g->GCircleType = CircleFormStandard;
    g->GPara3 = 1;
    g->GShowCircle = true;
    g->GCircleColor = 0xFF0000;
    g->GCircleWidth = 1;
    g->GShowCircleEqua = true;
    g->GCircleEquaType = CircleEquationGivenThreePoints;
    g->GPara7 = 2;
    g->GPara10 = 2; // (0, 0), (2, 0), (0, 2)
    g->GCircleEquaColor = 0xFFFF00;
    g->GCircleEquaWidth = 2;
    const auto prims = Draw(*g);

    const auto outline = LinesIn(prims, kBlue);
    EXPECT_EQ(outline.size(), 100u);
    for (const Primitive& p : outline)
        EXPECT_NEAR(std::hypot(p.v[0].x, p.v[0].y), 0.2f, 1e-4f);
    const auto derived = LinesIn(prims, kCyan);
    ASSERT_EQ(derived.size(), 100u);
    for (const Primitive& p : derived)
        EXPECT_NEAR(std::hypot(p.v[0].x - 0.2f, p.v[0].y - 0.2f), 0.2828427f, 1e-4f);
}

TEST_F(PlaneFiguresGL, HyperbolaBothBranchesMirrored)
{
    // x^2/4 - y^2 = 1, its upper half sampled from -4 to 4.
    auto g = Figure(GraphTypeHyperbola, FunFormExplicit, "x", "0.5sqr((x-(0))^2-4)+(0)", -4, 4,
                    200);
    g->GHyperType = HyperbolaFormHorizontal;
    g->GPara1 = 2;
    g->GPara2 = 1;
    g->GHyperColor = 0x0000FF;
    g->GHyperWidth = 1;
    const auto prims = Draw(*g);
    const auto red = LinesIn(prims, kRed);
    ASSERT_FALSE(red.empty());
    int quadrants[4] = {0, 0, 0, 0};
    for (const Primitive& p : red)
        for (const Vertex& v : p.v) {
            // On the curve and never between the vertices (x = -0.4 and 0.4).
            EXPECT_GE(std::abs(v.x), 0.4f - 1e-4f);
            EXPECT_NEAR(v.x * v.x / 0.16f - v.y * v.y / 0.04f, 1.0f, 0.02f);
            if (std::abs(v.y) > 1e-3f)
                ++quadrants[(v.x > 0 ? 1 : 0) + (v.y > 0 ? 2 : 0)];
        }
    for (int n : quadrants)
        EXPECT_GT(n, 0);
    EXPECT_TRUE(Result().Text().isEmpty());
}

TEST_F(PlaneFiguresGL, RefusedTangentPointShowsItsMessageAfterTheDrawing)
{
    auto g = Figure(GraphTypeCircle, FunFormParametric, "1sin(u)+(0)", "1cos(u)+(0)", 0, 6.2832f,
                    100);
    g->GCircleType = CircleFormStandard;
    g->GPara3 = 1;
    g->GShowCircle = true;
    g->GCircleColor = 0xFF0000;
    g->GShowCircleTangent = true;
    g->GCircleTangType = CircleTangentGivenPoint;
    g->GCircleTangPointX = 3;
    const auto prims = Draw(*g);
    EXPECT_EQ(LinesIn(prims, kBlue).size(), 100u);
    ASSERT_EQ(m_messages.Count(), 1);
    EXPECT_EQ(m_messages.Messages()[0].text, QStringLiteral("已知点不在圆上，无法作过该点的切线。"));
    EXPECT_EQ(m_messages.Messages()[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(Result().Text().endsWith(QStringLiteral("    已知圆上一点( 3,  0)") + g_CrLf));
}

} // namespace
