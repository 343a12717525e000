// Graph drawing on real Mesa: 2D function curves compiled into display lists
// and read back in feedback mode and as pixels, alone and through the whole
// scene pipeline of the drawing area.
#include "draw/ResultPane.h"
#include "expr/Globals.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls4.h"
#include "view/DrawingArea_gl.h"
#include "view/Scene.h"
#include "view/ViewState.h"

#include <QApplication>
#include <QElapsedTimer>
#include "GlTestContext.h"
#include "draw/Globals2DGuard.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using gltest::Pixel;
using gltest::Rgb8;

// What a list draws, in window coordinates, with the colour of each vertex.
struct FbVertex {
    float x, y, z;
    Rgb8 c;
};
struct FbLine {
    FbVertex a, b;
};
struct Feedback {
    std::vector<FbLine> lines;
    std::vector<std::vector<FbVertex>> polygons;
    bool overflow = false;
};

Rgb8 ColorOf(int32_t color) { return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF}; }

bool Near(const Rgb8& a, const Rgb8& b, int tol)
{
    return std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol;
}

// Replays a list in feedback mode with the matrices and viewport in force.
Feedback ReadBack(GLuint list)
{
    Feedback fb;
    std::vector<GLfloat> buf(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buf.size()), GL_3D_COLOR, buf.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(list);
    const GLint n = glRenderMode(GL_RENDER);
    fb.overflow = n < 0;
    auto vertex = [&](GLint& i) {
        FbVertex v{buf[i], buf[i + 1], buf[i + 2],
                   {static_cast<int>(std::lround(buf[i + 3] * 255)),
                    static_cast<int>(std::lround(buf[i + 4] * 255)),
                    static_cast<int>(std::lround(buf[i + 5] * 255))}};
        i += 7;
        return v;
    };
    for (GLint i = 0; i < n;) {
        const GLfloat token = buf[i++];
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            FbLine l;
            l.a = vertex(i);
            l.b = vertex(i);
            fb.lines.push_back(l);
        } else if (token == GL_POLYGON_TOKEN) {
            const int count = static_cast<int>(buf[i++]);
            std::vector<FbVertex> poly;
            for (int k = 0; k < count; ++k)
                poly.push_back(vertex(i));
            fb.polygons.push_back(poly);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
        } else {
            vertex(i); // point, bitmap and pixel tokens carry one vertex
        }
    }
    return fb;
}

std::vector<FbLine> LinesOf(const Feedback& fb, int32_t color)
{
    std::vector<FbLine> out;
    for (const FbLine& l : fb.lines)
        if (Near(l.a.c, ColorOf(color), 2) && Near(l.b.c, ColorOf(color), 2))
            out.push_back(l);
    return out;
}

// A 2D function graph as the 2D dialog makes it.
GraphRef Function(int32_t id, const QString& z, float minV, float maxV, int32_t steps,
                  int32_t color)
{
    GraphRef g = Cls9::Init(id, QStringLiteral("f"), GraphType2DFunction, CoordTypeCartesian2D,
                            QStringLiteral("0"), QStringLiteral("x"), z, 1, steps, 0, 0, minV,
                            maxV, FillStyleSingleColor, 0, 0, color, 1, 0, ShowModelWireframe,
                            SmoothnessSmooth);
    g->FunForm = FunFormExplicit;
    g->Show2DCurve = true;
    return g;
}

// ---------------------------------------------------------------------------
// One graph at a time on an offscreen context: 400 x 400 pixels showing
// x and y from -10 to 10, 20 pixels per unit.

constexpr int kSize = 400;
constexpr float kHalf = 10.0f;

float WindowToUnit(float w) { return w / (kSize / (2 * kHalf)) - kHalf; }
int UnitToWindow(float u) { return static_cast<int>(std::lround((u + kHalf) * kSize / (2 * kHalf))); }

class DrawGL : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create(kSize)); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        gltest::OrthoView(kSize, kHalf);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_LIGHTING);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        g_SceneScale = 1.0f;
        m_list = glGenLists(1);
    }
    void TearDown() override
    {
        glDeleteLists(m_list, 1);
        s_gl.ReleaseFramebuffer();
    }

    // Compiles the graph's drawing into the test's list.
    void Compile(Cls9& g, int32_t step = 0)
    {
        gltest::CompileList(m_list, [&] { g.Draw(step); });
    }

    Globals2D m_globals;
    GLuint m_list = 0;
    MessageRecorder m_messages;

    static inline gltest::Context s_gl;
};

TEST_F(DrawGL, OneOverXDrawsNoSegmentAcrossZero)
{
    GraphRef g = Function(1, QStringLiteral("1/x"), -5, 5, 100, 0x000000FF);
    ASSERT_TRUE(g->GetPoints());
    g_SceneScale = 4.0f; // keeps |y| <= 20 inside the view
    Compile(*g);
    const Feedback fb = ReadBack(m_list);
    ASSERT_FALSE(fb.overflow);
    const auto lines = LinesOf(fb, 0x000000FF);

    // One line per segment whose two samples are defined.
    int defined = 0;
    for (int32_t i = 0; i < g->StepV; ++i) {
        const Cls2& a = g->Vert3D(0, i);
        const Cls2& b = g->Vert3D(0, i + 1);
        defined += a.y != UndefinedSample && b.y != UndefinedSample;
    }
    EXPECT_LT(defined, 100);
    EXPECT_EQ(static_cast<int>(lines.size()), defined);

    bool left = false, right = false;
    for (const FbLine& l : lines) {
        const float x1 = WindowToUnit(l.a.x) * 4, y1 = WindowToUnit(l.a.y) * 4;
        const float x2 = WindowToUnit(l.b.x) * 4, y2 = WindowToUnit(l.b.y) * 4;
        EXPECT_GT(x1 * x2, 0.0f) << "segment from x=" << x1 << " to x=" << x2;
        EXPECT_NEAR(y1, 1 / x1, 0.02f + 0.002f * std::abs(y1));
        EXPECT_NEAR(y2, 1 / x2, 0.02f + 0.002f * std::abs(y2));
        left = left || x1 < 0;
        right = right || x1 > 0;
    }
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(DrawGL, CurveAndInverseShowTheirColoursWhereTheyAre)
{
    // y = 2 across the view, and its inverse, the vertical x = 2.
    GraphRef g = Function(1, QStringLiteral("2"), -8, 8, 16, 0x00FF0000);
    g->LineWidth = 3;
    g->ShowInverse = true;
    g->InvColor = 0x0000C000;
    g->InvWidth = 3;
    ASSERT_TRUE(g->GetPoints());
    Compile(*g);
    glCallList(m_list);
    glFinish();

    const Rgb8 onCurve = Pixel(UnitToWindow(-4), UnitToWindow(2));
    EXPECT_GT(onCurve.b, 200);
    EXPECT_LT(onCurve.r, 80);
    EXPECT_LT(onCurve.g, 80);
    const Rgb8 onInverse = Pixel(UnitToWindow(2), UnitToWindow(-4));
    EXPECT_GT(onInverse.g, 150);
    EXPECT_LT(onInverse.r, 80);
    EXPECT_LT(onInverse.b, 80);
    for (float y : {-6.0f, 0.0f, 6.0f}) {
        const Rgb8 off = Pixel(UnitToWindow(-4), UnitToWindow(y));
        EXPECT_TRUE(Near(off, {255, 255, 255}, 0)) << y;
    }

    // The 2D line state is given back: the next graph in a list is lit.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(DrawGL, SineRootsAreMarkedAndListed)
{
    GraphRef g = Function(1, QStringLiteral("sin(x)"), -10, 10, 200, 0x00000000);
    g->ShowRoot = true;
    g->RootColor = 0x00FF00FF;
    g->RootSize = 1;
    g->RootSymbol = MarkerSymbolFilledCircle;
    ASSERT_TRUE(g->GetPoints());
    g_SceneScale = 2.0f;
    Result().SetText(QStringLiteral("left over from another graph"));
    Compile(*g);

    const QString crlf = g_CrLf;
    EXPECT_EQ(Result().Text(), "函数 y=sin(x)" + crlf +
                                   "    根: x=-9.424793,y=0" + crlf +
                                   "    根: x=-6.28317,y=0" + crlf +
                                   "    根: x=-3.1416,y=0" + crlf +
                                   "    根: x=0,y=0" + crlf +
                                   "    根: x=3.141599,y=0" + crlf +
                                   "    根: x=6.28317,y=0" + crlf +
                                   "    根: x=9.424793,y=0" + crlf +
                                   crlf);

    // One marker per root: the fans of a filled circle, centred on the root.
    const Feedback fb = ReadBack(m_list);
    std::vector<float> centres;
    for (const auto& poly : fb.polygons) {
        ASSERT_FALSE(poly.empty());
        EXPECT_TRUE(Near(poly[0].c, ColorOf(0x00FF00FF), 2));
        for (const FbVertex& v : poly) {
            // The fan's centre vertex.
            const float x = WindowToUnit(v.x) * 2, y = WindowToUnit(v.y) * 2;
            bool rim = std::hypot(x - std::round(x / 3.14159f) * 3.14159f, y) > 0.01f;
            if (!rim && (centres.empty() || std::abs(centres.back() - x) > 0.5f))
                centres.push_back(x);
        }
    }
    ASSERT_EQ(centres.size(), 7u);
    for (int k = -3; k <= 3; ++k)
        EXPECT_NEAR(centres[static_cast<size_t>(k + 3)], k * 3.14159f, 2e-3f) << k;
}

TEST_F(DrawGL, AnimatedGraphIsBoxedAndDrawnAtItsStep)
{
    // y = x + t over x in [0, 1], t from 0 to 5 in g_FrameCount steps.
    const int32_t savedFrames = g_FrameCount;
    g_FrameCount = 5;
    GraphRef g = Function(1, QStringLiteral("x+t"), 0, 1, 1, 0x000000FF);
    g->GraphType = GraphType2DFunctionAnimation;
    g->Animation = true;
    g->MinT = 0;
    g->MaxT = 5;
    ASSERT_TRUE(g->GetPoints());
    for (int32_t step : {0, 3, 5}) {
        SCOPED_TRACE(step);
        Compile(*g, step);
        EXPECT_FLOAT_EQ(g->BoxMaxY, 1.0f + static_cast<float>(step));
        const auto lines = LinesOf(ReadBack(m_list), 0x000000FF);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_NEAR(WindowToUnit(lines[0].a.y), static_cast<float>(step), 1e-3f);
        EXPECT_NEAR(WindowToUnit(lines[0].b.y), 1.0f + static_cast<float>(step), 1e-3f);
    }
    g_FrameCount = savedFrames;
}

TEST_F(DrawGL, GraphWhoseSamplesCannotBeReadLeavesNothingInTheList)
{
    GraphRef g = Function(1, QStringLiteral("x"), -1, 1, 4, 0x000000FF);
    ASSERT_TRUE(g->GetPoints());
    g->StepV = 8; // the row holds 5 samples, not 9
    g->ShowRoot = true;
    Result().SetText(QStringLiteral("analysis of the graph before"));
    EXPECT_THROW(Compile(*g), std::out_of_range);
    const Feedback fb = ReadBack(m_list);
    EXPECT_TRUE(fb.lines.empty());
    EXPECT_TRUE(fb.polygons.empty());
    glCallList(m_list);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    // Skipped whole: the pane keeps what the graph before wrote.
    EXPECT_EQ(Result().Text(), "analysis of the graph before");
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(DrawGL, KindsWithoutACurveOnlySetTheMaterial)
{
    for (int32_t type : {int32_t{GraphTypeDifferentialEquation}, int32_t{GraphTypeTable2D}, 63, -1}) {
        SCOPED_TRACE(type);
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->Material = MaterialPresetNeon;
        Result().SetText(QStringLiteral("old"));
        glDisable(GL_COLOR_MATERIAL);
        Compile(*g);
        EXPECT_TRUE(Result().Text().isEmpty());
        const Feedback fb = ReadBack(m_list);
        EXPECT_TRUE(fb.lines.empty() && fb.polygons.empty());
        glCallList(m_list);
        EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
        GLint tracked = 0;
        glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &tracked);
        EXPECT_EQ(tracked, GL_EMISSION);
    }
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphTypeDifferentialEquation;
    g->Material = MaterialPresetMetal;
    Compile(*g);
    glCallList(m_list);
    GLint tracked = 0;
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &tracked);
    EXPECT_EQ(tracked, GL_DIFFUSE);
}

TEST_F(DrawGL, ContourOptionsRaiseTheGraphsYMinimumByThree)
{
    GraphRef g = Function(1, QStringLiteral("x"), -1, 1, 2, 0);
    ASSERT_TRUE(g->GetPoints());
    Compile(*g);
    const float plain = g->BoxMinY;
    g->ShowColormap = true;
    Compile(*g);
    EXPECT_FLOAT_EQ(g->BoxMinY, plain + 3.0f);
}

// ---------------------------------------------------------------------------
// The whole road: the drawing area builds the scene lists and shows a frame.

class DrawPipeline : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_recorder = new MessageRecorder;
        s_area = new DrawingArea;
        s_area->resize(400, 400);
        s_area->Initialize();
        s_area->show();
        QElapsedTimer t;
        t.start();
        while (!s_area->IsReady() && t.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    static void TearDownTestSuite()
    {
        delete s_area;
        delete s_recorder;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_area->IsReady());
        g_ShownGraphs.FunSurfs.Clear();
        g_ShownGraphs.RotRoll = g_ShownGraphs.RotPitch = g_ShownGraphs.RotYaw = 0.0f;
        g_View.Reset();
        m_coordShown = g_CoordSystem.Show;
    }
    void TearDown() override
    {
        g_ShownGraphs.FunSurfs.Clear();
        g_CoordSystem.Show = m_coordShown;
        s_area->doneCurrent();
    }

    Globals2D m_globals;
    bool m_coordShown = false;
    static inline DrawingArea* s_area = nullptr;
    static inline MessageRecorder* s_recorder = nullptr;
};

TEST_F(DrawPipeline, SineWithAxesAndGridIsDrawnAndShown)
{
    constexpr int32_t kCurve = 0x007800C8; // a colour neither grid nor axes use
    // A graph that was never sampled comes first: its drawing fails and the
    // scene goes on with the next graph.
    GraphRef broken = Function(1, QStringLiteral("x"), -1, 1, 10, kCurve);
    g_ShownGraphs.FunSurfs.Add(broken, QStringLiteral("1"));
    GraphRef g = Function(2, QStringLiteral("sin(x)"), -10, 10, 200, kCurve);
    g->LineWidth = 2;
    g->ShowRoot = true;
    ASSERT_TRUE(g->GetPoints());
    g_ShownGraphs.FunSurfs.Add(g, QStringLiteral("2"));
    g_CoordSystem.ShowprimaryGrid = true;

    // Geometry: the scene list in feedback mode. Mesa's feedback mode cannot
    // replay the outline-font glyph lists of this context, so this build
    // leaves the axes (and their labels) out; the frame below has them.
    g_CoordSystem.Show = false;
    s_area->BuildDisplayLists();
    s_area->makeCurrent();
    GLint open = -1;
    glGetIntegerv(GL_LIST_INDEX, &open);
    EXPECT_EQ(open, 0);
    {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(-100, 100, -100, 100, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glPushAttrib(GL_VIEWPORT_BIT);
        glViewport(0, 0, 2000, 2000); // 10 pixels per unit, origin at 1000
        const Feedback fb = ReadBack(kStillSceneList);
        glPopAttrib();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        ASSERT_FALSE(fb.overflow);
        const auto curve = LinesOf(fb, kCurve);
        EXPECT_EQ(curve.size(), 200u); // the broken graph added none
        EXPECT_GT(fb.lines.size(), curve.size() + 10) << "the grid is drawn with the curve";
        for (const FbLine& l : curve) {
            for (const FbVertex& v : {l.a, l.b}) {
                const double x = (v.x - 1000) / 10.0 * g_SceneScale;
                const double y = (v.y - 1000) / 10.0 * g_SceneScale;
                EXPECT_NEAR(y, std::sin(x), 2e-3) << "at x=" << x;
            }
        }
    }

    // Pixels: the frame with grid and axes, as the window shows it.
    g_CoordSystem.Show = true;
    s_area->BuildDisplayLists();
    EXPECT_TRUE(Result().Text().startsWith("函数 y=sin(x)"));
    EXPECT_EQ(Result().Text().count("根"), 7);
    s_area->Display(1);
    s_area->makeCurrent();
    // The matrices and viewport are still those of the frame just drawn.
    GLdouble model[16], proj[16];
    GLint view[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, view);
    std::vector<unsigned char> rgba(static_cast<size_t>(view[2]) * view[3] * 4);
    glReadPixels(0, 0, view[2], view[3], GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    auto pixel = [&](int x, int y) -> Rgb8 {
        if (x < 0 || y < 0 || x >= view[2] || y >= view[3])
            return {-1, -1, -1};
        const unsigned char* p = &rgba[(static_cast<size_t>(y) * view[2] + x) * 4];
        return {p[0], p[1], p[2]};
    };
    // The curve's purple, also where antialiasing blends it with the white
    // background; neither white, black axes nor green grid pass.
    auto curveLike = [](const Rgb8& c) {
        return c.r > 150 && c.g < 140 && c.b > 100 && c.r - c.g > 60;
    };
    auto shows = [&](double x, double y) {
        GLdouble wx = 0, wy = 0, wz = 0;
        gluProject(x / g_SceneScale, y / g_SceneScale, 0, model, proj, view, &wx, &wy, &wz);
        const int px = static_cast<int>(std::lround(wx)), py = static_cast<int>(std::lround(wy));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (curveLike(pixel(px + dx, py + dy)))
                    return true;
        return false;
    };
    int seen = 0;
    for (int i = 0; i < 200; ++i) {
        const double x = -10 + (i + 0.5) * 0.1;
        seen += shows(x, std::sin(x));
    }
    EXPECT_GT(seen, 190);
    // Away from the curve: the axis along y = 0 between two roots is not
    // curve-coloured; the background half way up is not either.
    EXPECT_FALSE(shows(1.5, 0.0));
    EXPECT_FALSE(shows(1.5, -0.5));
    EXPECT_FALSE(shows(-4.5, 0.5));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    g_CoordSystem.ShowprimaryGrid = false;
}

} // namespace

// Points have no analysis and are drawn once more after the axes: the pane
// keeps the analysis of the curve drawn before them.
TEST_F(DrawPipeline, PointsLeaveTheAnalysisOfOtherGraphs)
{
    GraphRef curve = Function(1, QStringLiteral("sin(x)"), -10, 10, 200, 0x00FF0000);
    curve->ShowRoot = true;
    ASSERT_TRUE(curve->GetPoints());
    auto point = std::make_shared<Cls9>();
    point->ID = 2;
    point->GraphType = GraphTypePoint;
    point->CoordType = CoordTypeCartesian2D;
    point->ExpressX = QStringLiteral("0");
    point->ExpressY = QStringLiteral("1");
    point->ExpressZ = QStringLiteral("2");
    point->StepU = point->StepV = 1;
    point->PointColor = 0x000000FF;
    point->PointSize = 1.0f;
    ASSERT_TRUE(point->GetPoints());
    g_ShownGraphs.FunSurfs.Add(curve, QStringLiteral("1"));
    g_ShownGraphs.FunSurfs.Add(point, QStringLiteral("2"));
    Result().Clear();
    s_area->BuildDisplayLists();
    EXPECT_TRUE(Result().Text().startsWith(QStringLiteral("函数 y=sin(x)"))) << Result().Text().toStdString();
}
