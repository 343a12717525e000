// Implicit and inequality graphs drawn on real Mesa: compiled into a display
// list the way the scene builds it, read back in feedback mode and as pixels.
#include "draw/ResultPane.h"
#include "model/Cls1.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include "GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// 400 x 400 pixels showing x and y from -2 to 2: 100 pixels per unit.
constexpr int kSize = 400;
constexpr float kHalf = 2.0f;

int ToWindow(float u) { return static_cast<int>(std::lround((u + kHalf) * kSize / (2 * kHalf))); }

std::shared_ptr<Cls9> ScanGraph(int32_t form, int32_t coord, const QString& f, float u0,
                                float u1, float v0, float v1, int32_t color)
{
    auto g = Cls9::Init(1, QStringLiteral("f"), GraphType2DFunction, coord, QStringLiteral("0"),
                        QStringLiteral("x"), f, 1, 1, u0, u1, v0, v1, FillStyleSingleColor, 0, 0,
                        color, 1, 0, ShowModelWireframe, SmoothnessSmooth);
    g->FunForm = form;
    return g;
}

using gltest::Pixel;
using gltest::Rgb8;

struct FbPoint {
    float x, y; // drawing units
    int r, g, b;
};

class ScanGL : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create(kSize)); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        gltest::OrthoView(kSize, kHalf);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glPointSize(1.0f);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        m_scale = g_SceneScale;
        g_SceneScale = 1.0f;
        m_list = glGenLists(1);
    }
    void TearDown() override
    {
        glDeleteLists(m_list, 1);
        g_SceneScale = m_scale;
        s_gl.ReleaseFramebuffer();
    }

    // Compiled as the scene builder does; the list is closed also when the
    // drawing throws.
    void Compile(Cls9& g, int32_t step = 0)
    {
        gltest::CompileList(m_list, [&] { g.Draw(step); });
    }

    // The points the list draws (a list of points only, which Mesa replays
    // in feedback mode without trouble), and whether anything else came.
    std::vector<FbPoint> Points(bool* other = nullptr)
    {
        std::vector<GLfloat> buf(1 << 22);
        glFeedbackBuffer(static_cast<GLsizei>(buf.size()), GL_3D_COLOR, buf.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(m_list);
        const GLint n = glRenderMode(GL_RENDER);
        EXPECT_GE(n, 0) << "feedback buffer overflow";
        std::vector<FbPoint> out;
        bool others = false;
        for (GLint i = 0; i < n;) {
            const GLint token = static_cast<GLint>(buf[i++]);
            if (token == GL_PASS_THROUGH_TOKEN) {
                ++i;
                continue;
            }
            if (token != GL_POINT_TOKEN) {
                others = true;
                break;
            }
            out.push_back({buf[i] * (2 * kHalf) / kSize - kHalf,
                           buf[i + 1] * (2 * kHalf) / kSize - kHalf,
                           static_cast<int>(std::lround(buf[i + 3] * 255)),
                           static_cast<int>(std::lround(buf[i + 4] * 255)),
                           static_cast<int>(std::lround(buf[i + 5] * 255))});
            i += 7;
        }
        if (other)
            *other = others;
        return out;
    }

    // True when some pixel within 2 of (x, y) (drawing units) is near rgb.
    static bool ColourNear(float x, float y, Rgb8 rgb)
    {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const Rgb8 p = Pixel(ToWindow(x) + dx, ToWindow(y) + dy);
                if (std::abs(p.r - rgb.r) < 60 && std::abs(p.g - rgb.g) < 60
                    && std::abs(p.b - rgb.b) < 60)
                    return true;
            }
        return false;
    }

    GLuint m_list = 0;
    float m_scale = 1.0f;
    MessageRecorder m_messages;
    static inline gltest::Context s_gl;
};

constexpr Rgb8 kBlue{0, 0, 255};
constexpr Rgb8 kWhite{255, 255, 255};

TEST_F(ScanGL, UnitCircleAppearsNearRadiusOneInItsColour)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x^2+y^2-1"), -1.5f,
                       1.5f, -1.5f, 1.5f, 0x00FF0000); // blue
    Result().SetText(QStringLiteral("old"));
    Compile(*g);
    EXPECT_TRUE(Result().Text().isEmpty()); // a scan writes no analysis

    bool other = true;
    const std::vector<FbPoint> points = Points(&other);
    EXPECT_FALSE(other);
    ASSERT_GT(points.size(), 100u);
    for (const FbPoint& p : points) {
        EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 0.015) << p.x << "," << p.y;
        EXPECT_EQ(p.b, 255);
        EXPECT_EQ(p.r + p.g, 0);
    }

    glCallList(m_list);
    glFinish();
    for (int k = 0; k < 12; ++k) {
        const float a = static_cast<float>(k) * 0.5236f;
        EXPECT_TRUE(ColourNear(std::cos(a), std::sin(a), kBlue)) << "angle " << a;
    }
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {0.5f, 0.3f}, {1.3f, 0.0f}, {-0.9f, -0.9f}})
        EXPECT_TRUE(ColourNear(x, y, kWhite) && !ColourNear(x, y, kBlue)) << x << "," << y;

    // The point state was left again: lit, no blending, no round points.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 2.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ScanGL, InequalityFillsTheDiscAndScalesWithTheScene)
{
    auto g = ScanGraph(FunFormInequality, CoordTypeCartesian2D, QStringLiteral("x^2+y^2-4"), -3, 3,
                       -3, 3, 0x00FF0000);
    g_SceneScale = 2.0f; // the disc of radius 2 shows with radius 1
    Compile(*g);
    glCallList(m_list);
    glFinish();
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {0.5f, 0.5f}, {-0.8f, 0.3f}, {0.0f, -0.9f}})
        EXPECT_TRUE(ColourNear(x, y, kBlue)) << x << "," << y;
    for (auto [x, y] : {std::pair{1.2f, 0.0f}, {0.9f, 0.9f}, {-1.4f, -0.2f}})
        EXPECT_FALSE(ColourNear(x, y, kBlue)) << x << "," << y;
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 3.0f);
}

TEST_F(ScanGL, PolarRingIsDrawnAndBoxed)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypePolar, QStringLiteral("r-1"), 0, 6.3f, 0, 1.5f,
                       0x00FF0000);
    Compile(*g);
    const std::vector<FbPoint> points = Points();
    ASSERT_GT(points.size(), 100u);
    for (const FbPoint& p : points)
        EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 0.03);
    EXPECT_NEAR(g_PolarScanBox->MaxX, 1.0f, 0.03f);
    EXPECT_NEAR(g_PolarScanBox->MinY, -1.0f, 0.03f);
    // The box the scene fits to is this graph's box.
    EXPECT_EQ(g->GetBox().get(), g_PolarScanBox.get());
}

// The dialog keeps the analysis options of a graph whatever its form; for
// a scanned graph they have no samples to work on and must not stop it.
TEST_F(ScanGL, AnalysisOptionsLeftOnDoNotStopTheScan)
{
    for (int32_t type : {int32_t{GraphType2DFunction}, int32_t{GraphTypeCurveIntersection}}) {
        SCOPED_TRACE(type);
        auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x^2+y^2-1"),
                           -1.5f, 1.5f, -1.5f, 1.5f, 0x00FF0000);
        g->GraphType = type;
        g->Exp2 = QStringLiteral("x");
        g->ShowInt = g->ShowDev = g->ShowRoot = g->ShowMax = g->ShowJO = true;
        g->ShowQie = g->ShowNml = g->ShowCurv = g->ShowLen = g->ShowInter = true;
        g->QieNum = g->NmlNum = g->CurvNum = 1;
        Compile(*g);
        EXPECT_GT(Points().size(), 100u);
        EXPECT_EQ(m_messages.Count(), 0);
    }
}

TEST_F(ScanGL, ExpressionThatDoesNotCompileDrawsNothing)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, QStringLiteral("x^2+*y"), -1, 1, -1,
                       1, 0x00FF0000);
    Compile(*g);
    EXPECT_EQ(m_messages.Count(), 1);
    EXPECT_TRUE(Points().empty());
    glCallList(m_list);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
