// Tangents, normals, curvature circles, the limit graph, sequences and the
// crossings of two curves drawn on real Mesa through Cls9::Draw: read back in
// feedback mode where a list holds lines only, as pixels where it holds
// markers or shading.
#include "draw/ResultPane.h"
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include "GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// 400 x 400 pixels showing x and y from -10 to 10, 20 pixels per unit.
constexpr int kSize = 400;
constexpr float kHalf = 10.0f;

float ToUnit(float w) { return w / (kSize / (2 * kHalf)) - kHalf; }
int ToPixel(float u) { return static_cast<int>(std::lround((u + kHalf) * kSize / (2 * kHalf))); }

struct Rgb {
    int r, g, b;
};

Rgb Expected(int32_t color) { return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF}; }

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) <= 3 && std::abs(a.g - b.g) <= 3 && std::abs(a.b - b.b) <= 3; }

// A segment in graph units with the colour of its first end.
struct Seg {
    float x1, y1, x2, y2;
    Rgb c;
};

class OverlaysGL : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create(kSize)); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    OverlaysGL() : m_saved{g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY}
    {
        g_RangeMinX = g_RangeMinY = -20;
        g_RangeMaxX = g_RangeMaxY = 20;
        m_kind = g_DocumentKind;
        m_scale = g_SceneScale;
        g_DocumentKind = DocumentKind2D;
        g_SceneScale = 1.0f;
    }
    ~OverlaysGL() override
    {
        g_RangeMinX = m_saved[0];
        g_RangeMaxX = m_saved[1];
        g_RangeMinY = m_saved[2];
        g_RangeMaxY = m_saved[3];
        g_DocumentKind = m_kind;
        g_SceneScale = m_scale;
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        gltest::OrthoView(kSize, kHalf);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        m_list = glGenLists(1);
    }
    void TearDown() override
    {
        glDeleteLists(m_list, 1);
        s_gl.ReleaseFramebuffer();
    }

    void Compile(Cls9& g)
    {
        gltest::CompileList(m_list, [&] { g.Draw(0); });
    }

    // The segments the list draws, in graph units.
    std::vector<Seg> Lines()
    {
        std::vector<GLfloat> buf(1 << 20);
        glFeedbackBuffer(static_cast<GLsizei>(buf.size()), GL_3D_COLOR, buf.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(m_list);
        const GLint n = glRenderMode(GL_RENDER);
        EXPECT_GE(n, 0);
        std::vector<Seg> out;
        for (GLint i = 0; i < n;) {
            const GLfloat token = buf[static_cast<size_t>(i++)];
            auto at = [&](GLint k) { return buf[static_cast<size_t>(k)]; };
            if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                out.push_back({ToUnit(at(i)), ToUnit(at(i + 1)), ToUnit(at(i + 7)),
                               ToUnit(at(i + 8)),
                               {static_cast<int>(std::lround(at(i + 3) * 255)),
                                static_cast<int>(std::lround(at(i + 4) * 255)),
                                static_cast<int>(std::lround(at(i + 5) * 255))}});
                i += 14;
            } else if (token == GL_POLYGON_TOKEN) {
                i += 1 + 7 * static_cast<GLint>(at(i));
            } else if (token == GL_PASS_THROUGH_TOKEN) {
                i += 1;
            } else {
                i += 7;
            }
        }
        return out;
    }
    static std::vector<Seg> OfColor(const std::vector<Seg>& all, int32_t color)
    {
        std::vector<Seg> out;
        for (const Seg& s : all)
            if (Near(s.c, Expected(color)))
                out.push_back(s);
        return out;
    }

    Rgb PixelAt(float x, float y)
    {
        std::array<unsigned char, 4> p{};
        glReadPixels(ToPixel(x), ToPixel(y), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        return {p[0], p[1], p[2]};
    }
    void Show()
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(m_list);
        glFinish();
    }

    static std::shared_ptr<Cls9> Function(int32_t type, const QString& z, float from, float to,
                                          int32_t steps)
    {
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->CoordType = CoordTypeCartesian2D;
        g->FunForm = FunFormExplicit;
        g->ExpressX = QStringLiteral("0");
        g->ExpressY = QStringLiteral("x");
        g->ExpressZ = z;
        g->MinV = from;
        g->MaxV = to;
        g->StepV = steps;
        g->Show2DCurve = true;
        g->LineColor = 0x000000;
        g->LineWidth = 1;
        return g;
    }

    GLuint m_list = 0;
    MessageRecorder m_messages;

private:
    float m_saved[4];
    int32_t m_kind;
    float m_scale;
    static inline gltest::Context s_gl;
};

TEST_F(OverlaysGL, TangentNormalAndCurvatureCircleOfAParabola)
{
    auto g = Function(GraphType2DFunction, QStringLiteral("x^2"), -3, 3, 60);
    g->ShowQie = true;
    g->QieColor = 0x0000FF;
    g->QieWidth = 3;
    g->QieNum = 1;
    g->QieX[1] = 1;
    g->ShowNml = true;
    g->NmlColor = 0x00FF00;
    g->NmlNum = 1;
    g->NmlX[1] = 0;
    g->ShowCurv = true;
    g->CurvColor = 0xFF0000;
    g->CurvNum = 1;
    g->CurvX[1] = 0;
    ASSERT_TRUE(g->GetPoints());
    Compile(*g);
    EXPECT_EQ(Result().Text(),
              QStringLiteral("函数 y=x^2\r\n    切线位置: x=1, y=1\r\n      斜率: 2\r\n\r\n"
                             "    法线位置: x=0, y=0\r\n      斜率: -1E+07\r\n\r\n    曲率:\r\n"
                             "      位置: x=0, y=0\r\n        曲率: 2\r\n        曲率半径: 0.5\r\n"
                             "        曲率圆的圆心: x=0, y=0.5\r\n"));

    const std::vector<Seg> all = Lines();
    EXPECT_EQ(OfColor(all, 0x000000).size(), 60u);

    const std::vector<Seg> tangent = OfColor(all, 0x0000FF);
    ASSERT_EQ(tangent.size(), 1u);
    const Seg& t = tangent[0];
    EXPECT_NEAR((t.x1 + t.x2) / 2, 1.0f, 0.01f);
    EXPECT_NEAR((t.y1 + t.y2) / 2, 1.0f, 0.01f);
    EXPECT_NEAR((t.y2 - t.y1) / (t.x2 - t.x1), 2.0f, 0.01f);
    EXPECT_NEAR(std::hypot(t.x2 - t.x1, t.y2 - t.y1), 1.6f, 0.01f);

    const std::vector<Seg> normal = OfColor(all, 0x00FF00);
    ASSERT_EQ(normal.size(), 1u);
    EXPECT_NEAR(normal[0].x1, 0.0f, 0.01f);
    EXPECT_NEAR(normal[0].x2, 0.0f, 0.01f);
    EXPECT_NEAR(std::fabs(normal[0].y2 - normal[0].y1), 1.0f, 0.01f);

    // 40 arcs on the circle of radius 0.5 about (0, 0.5), then the radius.
    const std::vector<Seg> circle = OfColor(all, 0xFF0000);
    ASSERT_EQ(circle.size(), 41u);
    for (size_t k = 0; k < 40; ++k)
        EXPECT_NEAR(std::hypot(circle[k].x1, circle[k].y1 - 0.5f), 0.5f, 0.01f);
    EXPECT_NEAR(circle[40].x1, 0.0f, 0.01f);
    EXPECT_NEAR(circle[40].y1, 0.0f, 0.01f);
    EXPECT_NEAR(circle[40].y2, 0.5f, 0.01f);

    // Drawn unlit: the tangent shows its own colour.
    Show();
    EXPECT_TRUE(Near(PixelAt(0.7f, 0.4f), Expected(0x0000FF)));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(OverlaysGL, InflectionPointIsMarkedWhereTheCurveTurns)
{
    auto g = Function(GraphType2DFunction, QStringLiteral("x^3"), -2, 2.1f, 41);
    g->Show2DCurve = false;
    g->ShowGuai = true;
    g->GuaiColor = 0xFF00FF;
    g->GuaiSize = 4;
    g->GuaiSymbol = MarkerSymbolFilledSquare;
    ASSERT_TRUE(g->GetPoints());
    Compile(*g);
    EXPECT_TRUE(Result().Text().contains(QStringLiteral("\r\n    拐点: x=")));
    Show();
    EXPECT_TRUE(Near(PixelAt(0, 0), Expected(0xFF00FF)));
    EXPECT_TRUE(Near(PixelAt(1, 1), Expected(0xFFFFFF)));
}

TEST_F(OverlaysGL, LimitOfSinXOverXAtZero)
{
    auto g = Function(GraphTypeLimit, QStringLiteral("sin(x)/x"), -4, 4, 100);
    g->LimitX0 = 0;
    g->LimitDir = LimitSideBoth;
    g->LimitShowL = true;
    ASSERT_TRUE(g->GetPoints());
    Result().SetText(QStringLiteral("old"));
    Compile(*g);
    EXPECT_TRUE(Result().Text().isEmpty()); // a limit writes no text

    const std::vector<Seg> all = Lines();
    const std::vector<Seg> blue = OfColor(all, 0xFF0000);
    EXPECT_EQ(blue.size(), 98u); // the two segments at the undefined 0/0 are left out
    for (const Seg& s : blue)
        EXPECT_FALSE(s.x1 < -0.01f && s.x2 > 0.01f);
    const std::vector<Seg> green = OfColor(all, 0x00FF00);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_NEAR(green[0].x1, 0.0f, 0.01f);
    EXPECT_NEAR(green[0].y1, g->BoxMaxY, 0.01f);
    EXPECT_NEAR(green[0].y2, g->BoxMinY, 0.01f);

    // With the dots: a red dot on a sample, in pixels.
    g->LimitShowL = false;
    g->LimitShowP = true;
    Compile(*g);
    Show();
    const Cls2& p = g->Vert3D(0, 20);
    EXPECT_TRUE(Near(PixelAt(p.x, p.y), Expected(0x0000FF)));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(OverlaysGL, ArithmeticSequence)
{
    Cls9 g;
    g.GraphType = GraphTypeArithmeticSequence;
    g.GPara1 = 1;
    g.GPara2 = 2;
    g.EdgeNum = 3;
    Compile(g);
    EXPECT_EQ(Result().Text(),
              QStringLiteral("等差数列 an=1+(n-1)*2\r\n    a1  1\r\n    a2  3\r\n    a3  5\r\n"
                             "    前3项的和为  9"));
    glDisable(GL_LIGHTING); // the sequence keeps the state it finds
    Show();
    EXPECT_TRUE(Near(PixelAt(1, 1), Expected(0xFF0000)));  // blue term markers
    EXPECT_TRUE(Near(PixelAt(3, 5), Expected(0xFF0000)));
    EXPECT_TRUE(Near(PixelAt(1.5f, 2), Expected(0x0000FF))); // red joining line
    EXPECT_TRUE(Near(PixelAt(1.5f, 4), Expected(0xFFFFFF)));
}

TEST_F(OverlaysGL, CrossingsAreMarkedAndTheEnclosedAreaShaded)
{
    auto g = Function(GraphTypeCurveIntersection, QStringLiteral("x^2"), -3, 3, 60);
    g->Exp2 = QStringLiteral("2");
    g->Color2 = 0x00FF00;
    g->Width2 = 3;
    g->ShowInter = true;
    g->InterColor = 0xFF00FF;
    g->InterSize = 3;
    g->InterSymbol = MarkerSymbolFilledSquare;
    g->ShowArea = true;
    g->AreaColor = 0x00FFFF;
    ASSERT_TRUE(g->GetPoints());
    Compile(*g);
    const QStringList lines = Result().Text().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("函数 y=x^2"));
    EXPECT_EQ(lines[1], QStringLiteral("函数2 y=2"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("    交点: x=-1.41")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("    交点: x=1.41")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("    相交区域的面积为 3.77")));

    Show();
    EXPECT_TRUE(Near(PixelAt(0, 1), Expected(0x00FFFF)));    // between the curves
    EXPECT_TRUE(Near(PixelAt(1.2f, 1.8f), Expected(0x00FFFF)));
    EXPECT_TRUE(Near(PixelAt(0, -1), Expected(0xFFFFFF)));   // under the parabola
    EXPECT_TRUE(Near(PixelAt(2.5f, 4), Expected(0xFFFFFF))); // beyond the crossings
    EXPECT_TRUE(Near(PixelAt(1.4142f, 2), Expected(0xFF00FF)));
    EXPECT_TRUE(Near(PixelAt(-1.4142f, 2), Expected(0xFF00FF)));
    EXPECT_TRUE(Near(PixelAt(-2.5f, 2), Expected(0x00FF00))); // the second curve
}

TEST_F(OverlaysGL, TooManyCrossingsKeepTheFirstFiftyAndTheCurves)
{
    auto g = Function(GraphTypeCurveIntersection, QStringLiteral("sin(20*x)"), -10, 10, 800);
    g->Exp2 = QStringLiteral("0.1");
    g->ShowInter = true;
    ASSERT_TRUE(g->GetPoints());
    Compile(*g);
    EXPECT_EQ(m_messages.Count(), 1);
    const QString text = Result().Text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("函数 y=sin(20*x)\r\n函数2 y=0.1\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("交点: x=")), 50);
    EXPECT_FALSE(Lines().empty()); // the curves are still drawn
}

} // namespace
