// Plane vectors, the space line, the solids and the texture loader on real
// Mesa: each graph drawn through Cls9::Draw into a display list as the scene
// builds it, replayed into a framebuffer and read back. Colours where the
// arrows are, a lit sphere brighter towards the light, the state a wireframe
// solid and the space line leave behind, messages kept by the drawing's
// collector, no member changed by drawing, the demo documents 球 and 空间直线
// showing their subject; textures of any size and damaged files.
#include "GlTestContext.h"
#include "SampleDocuments.h"
#include "draw/ResultPane.h"
#include "io/DocumentLoad.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls10.h"
#include "view/Cls15.h"

#include "draw/Globals2DGuard.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

using gltest::Pixel;
using gltest::Rgb8;

constexpr int kSize = 200;

class VectorsSolidsGL : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create(kSize)); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        m_savedLight = g_Light;
        m_savedKind = g_DocumentKind;
        m_savedScale = g_SceneScale;
        g_SceneScale = 1.0f;
        View(2.0f);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glShadeModel(GL_SMOOTH);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override
    {
        g_Light = m_savedLight;
        g_DocumentKind = m_savedKind;
        g_SceneScale = m_savedScale;
        glDisable(GL_DEPTH_TEST);
        s_gl.ReleaseFramebuffer();
    }

    // x and y from -half to half across the framebuffer, looking down -z.
    void View(float half)
    {
        m_half = half;
        gltest::OrthoView(kSize, half, 10.0f);
    }

    // Compiles the drawing as the scene builder does, then replays it.
    static void DrawList(const std::function<void()>& draw)
    {
        const GLuint list = glGenLists(1);
        gltest::CompileList(list, draw);
        glCallList(list);
        glDeleteLists(list, 1);
        glFinish();
    }

    int Px(float v) const
    {
        return static_cast<int>(std::floor((v + m_half) * kSize / (2 * m_half)));
    }
    Rgb8 At(float x, float y) const { return Pixel(Px(x), Px(y)); }

    // Whether a pixel within two of (x, y) passes the test.
    bool Near(float x, float y, const std::function<bool(Rgb8)>& ok) const
    {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (ok(Pixel(Px(x) + dx, Px(y) + dy)))
                    return true;
        return false;
    }

    static bool White(Rgb8 p) { return p.r > 250 && p.g > 250 && p.b > 250; }

    static inline gltest::Context s_gl;
    Cls10 m_savedLight;
    int32_t m_savedKind = 0;
    float m_savedScale = 1.0f;
    float m_half = 2.0f;
    MessageRecorder m_messages;
};

std::shared_ptr<Cls9> Graph(int32_t type, std::initializer_list<float> paras)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian3D;
    float* slot[] = {&g->GPara1, &g->GPara2, &g->GPara3, &g->GPara4, &g->GPara5, &g->GPara6};
    int i = 0;
    for (float p : paras)
        *slot[i++] = p;
    g->Material = MaterialPresetMetal;
    g->GeomColor = 0x0000FF; // red
    g->GeomWidth = 2;
    g->Show = ShowModelSurface;
    g->Smoothness = SmoothnessSmooth;
    return g;
}

// u = (0, 1.5) blue, v = (1.5, 0) green, their sum red: each colour where its
// shaft is, the pane holding the sum, and lighting on, smoothing and
// blending off for the graph drawn next.
TEST_F(VectorsSolidsGL, VectorColoursWhereTheirShaftsAre)
{
    Globals2D globals(1.0f);
    auto g = Graph(GraphTypeVectorOperation, {0, 1.5f, 1.5f, 0});
    g->VecOperation = VecOperationAdd;
    DrawList([&] { g->Draw(0); });

    // A line on a pixel border covers two pixels by half each: the colour
    // dominates, blended with the white behind it.
    auto blue = [](Rgb8 p) { return p.b > 200 && p.r < p.b - 100 && p.g < p.b - 100; };
    auto green = [](Rgb8 p) { return p.g > 200 && p.r < p.g - 100 && p.b < p.g - 100; };
    auto red = [](Rgb8 p) { return p.r > 200 && p.g < p.r - 100 && p.b < p.r - 100; };
    EXPECT_TRUE(Near(0.0f, 0.7f, blue)) << At(0.0f, 0.7f);
    EXPECT_TRUE(Near(0.7f, 0.0f, green)) << At(0.7f, 0.0f);
    EXPECT_TRUE(Near(0.7f, 0.7f, red)) << At(0.7f, 0.7f);
    EXPECT_TRUE(White(At(-1.0f, -1.0f)));
    // The red head fills the triangle just behind the tip (1.5, 1.5).
    EXPECT_TRUE(Near(1.2f, 1.2f, red));

    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_EQ(Result().Text(), QStringLiteral("平面向量运算--相加\r\n  向量1  (0, 1.5)\r\n"
                                              "  向量2  (1.5, 0)\r\n  和  (1.5, 1.5)\r\n"));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Only diffuse light from the right front (the second light stands mirrored
// behind on the left): the sphere's right side faces the light and is
// brighter than its middle, which is brighter than its left side.
TEST_F(VectorsSolidsGL, SphereIsLitBrighterFacingTheLight)
{
    g_DocumentKind = DocumentKind3D;
    g_Light.Amission = {0, 0, 0, 1};
    g_Light.Specular = {0, 0, 0, 1};
    g_Light.GlobalAmbient = {0};
    g_Light.Position = {100, 0, 100, 1};
    g_Light.SetLight();
    auto g = Graph(GraphTypeSphere, {0, 0, 0, 1.5f});
    DrawList([&] { g->Draw(0); });

    const Rgb8 right = At(1.2f, 0.0f), middle = At(0.0f, 0.0f), left = At(-1.2f, 0.0f);
    EXPECT_GT(right.r, middle.r + 10) << right << middle;
    EXPECT_GT(middle.r, left.r + 10) << middle << left;
    EXPECT_GT(right.r, 200) << right;
    // Red material: lit red, not white, not grey.
    EXPECT_LT(right.g, 60) << right;
    EXPECT_LT(right.b, 60) << right;
    EXPECT_TRUE(White(At(1.8f, 1.8f)));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

// A four-sided prism seen from the side, in Show 2: its edges are drawn and
// the faces between them are not; afterwards the next graph is filled and
// smooth. In Show 3 the same prism is solid.
TEST_F(VectorsSolidsGL, WireframeSolidLeavesFilledSmoothStateBehind)
{
    g_DocumentKind = DocumentKind3D;
    auto g = Graph(GraphTypePrism, {0, 0, -1, 1.5f, 2});
    g->EdgeNum = 4;
    g->Show = ShowModelWireframe;
    g->Smoothness = SmoothnessFaceted;
    DrawList([&] { g->Draw(0); });
    auto red = [](Rgb8 p) { return p.r > 200 && p.g < 90 && p.b < 90; };
    EXPECT_TRUE(White(At(0.75f, 0.0f))) << "no face is filled: " << At(0.75f, 0.0f);
    EXPECT_TRUE(Near(1.5f, 0.0f, red)) << "the side edge at x = r";
    EXPECT_TRUE(Near(0.75f, 1.0f, red)) << "the top rim at y = -1 + 2";

    GLint mode[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(mode[1], GL_FILL);
    GLint shade = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shade);
    EXPECT_EQ(shade, GL_SMOOTH);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g->Show = ShowModelSurface;
    DrawList([&] { g->Draw(0); });
    EXPECT_TRUE(red(At(0.75f, 0.0f))) << At(0.75f, 0.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The space line is drawn unlit at its width and leaves lighting on,
// smoothing and blending off, and the polygon mode as it found it.
TEST_F(VectorsSolidsGL, SpaceLineAtItsPlaceAndTheStateAfter)
{
    g_DocumentKind = DocumentKind3D;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    // From (0, 0, 0) to (0, 1.5, 1.5): in OpenGL from the origin to (1.5, 1.5, 0).
    auto g = Graph(GraphTypeSpaceLine, {0, 0, 0, 0, 1.5f, 1.5f});
    DrawList([&] { g->Draw(0); });
    auto red = [](Rgb8 p) { return p.r > 200 && p.g < 90 && p.b < 90; };
    EXPECT_TRUE(Near(0.75f, 0.75f, red)) << At(0.75f, 0.75f);
    EXPECT_TRUE(White(At(0.75f, -0.75f)));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    GLint mode[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    EXPECT_TRUE(Result().Text().isEmpty());
}

// Degenerate input draws nothing and faults nowhere; its message is kept by
// the collector the scene builds under (no modal box inside the list) and
// reaches no message box while the list is compiled.
TEST_F(VectorsSolidsGL, RefusedSolidsLeaveTheirMessageToTheCollector)
{
    g_DocumentKind = DocumentKind3D;
    std::vector<MessageCollector::Entry> kept;
    {
        MessageCollector collector;
        auto sphere = Graph(GraphTypeSphere, {0, 0, 0, 0});
        auto prism = Graph(GraphTypePrism, {0, 0, 0, 1, 1});
        prism->EdgeNum = 0;
        DrawList([&] {
            sphere->Draw(0);
            prism->Draw(0);
        });
        kept = collector.Take();
    }
    EXPECT_EQ(m_messages.Count(), 0);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].request.text, QStringLiteral("无法画出球：半径须为正数。"));
    EXPECT_EQ(kept[0].request.title, QStringLiteral("提示"));
    EXPECT_EQ(kept[1].request.text, QStringLiteral("无法画出棱柱：底面的边数须为3到1000。"));
    EXPECT_TRUE(White(At(0.0f, 0.0f)));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Drawing reads the graph only: its record is the same before and after,
// for every vector operation, the space line and every solid in every Show.
TEST_F(VectorsSolidsGL, DrawingChangesNoMember)
{
    std::vector<std::shared_ptr<Cls9>> graphs;
    for (int op : {1, 2, 3, 4, 0}) {
        auto g = Graph(GraphTypeVectorOperation, {0, 0, 0, 0});
        g->CoordType = CoordTypeCartesian2D;
        g->VecOperation = op;
        graphs.push_back(g);
    }
    graphs.push_back(Graph(GraphTypePlaneVector, {1, 1, -2, 3}));
    graphs.push_back(Graph(GraphTypeSpaceLine, {1, 2, 3, 4, 5, 6}));
    for (int type = GraphTypePrism; type <= GraphTypeSphere; ++type)
        for (int show : {ShowModelVertices, ShowModelWireframe, ShowModelSurface}) {
            auto g = Graph(type, {0, 0, 0, 1, 0.5f, 1});
            g->EdgeNum = 5;
            g->Show = show;
            graphs.push_back(g);
        }
    for (const auto& g : graphs) {
        SCOPED_TRACE(g->GraphType);
        const std::optional<QString> before = g->Save();
        ASSERT_TRUE(before);
        DrawList([&] { g->Draw(0); });
        EXPECT_EQ(g->Save(), before);
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The demo documents 球 and 空间直线, drawn as they open: the sphere and the
// segment are there, away from the point markers that were all these
// documents showed before.
TEST_F(VectorsSolidsGL, DemoDocumentsShowTheirSubject)
{
    struct Probe {
        const char* path;
        float x, y; // in OpenGL coordinates (the figure's (y, z))
    };
    const Probe probes[] = {
        {"samples/3D/球.qgd", 1.5f, 0.0f},       // radius 2 around the origin
        {"samples/3D/空间直线.qgd", 0.0f, 1.5f}, // midpoint of (-1, 0, -2)-(1, 3, 2)
    };
    View(4.0f);
    g_DocumentKind = DocumentKind3D;
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.path);
        const Sample* sample = FindSample(p.path);
        ASSERT_NE(sample, nullptr);
        ASSERT_EQ(sample->kind, DocumentKind3D);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const std::vector<GraphRef> graphs = sample->graphs();
        for (const GraphRef& g : graphs) {
            if (IsSampledGraphType(g->GraphType)) { // as the document reader does
                ASSERT_TRUE(g->GetPoints());
            }
        }
        DrawList([&] {
            for (const GraphRef& g : graphs)
                g->Draw(0);
        });
        EXPECT_TRUE(Near(p.x, p.y, [](Rgb8 c) { return !White(c); })) << At(p.x, p.y);
        EXPECT_TRUE(White(At(3.5f, -3.5f)));
    }
}

// ---- Texture loader ---------------------------------------------------------

class TextureGL : public VectorsSolidsGL {
protected:
    QString Picture(const char* name, int w, int h, QColor fill, QColor topRow = QColor())
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(fill);
        if (topRow.isValid())
            for (int x = 0; x < w; ++x)
                img.setPixelColor(x, 0, topRow);
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(img.save(path));
        return path;
    }

    static void ExpectSize(GLuint texture, int w, int h)
    {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint tw = 0, th = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &tw);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &th);
        EXPECT_EQ(tw, w);
        EXPECT_EQ(th, h);
    }

    // The texture's texels as RGB bytes, row 0 first.
    static std::vector<uint8_t> Texels(GLuint texture, int w, int h)
    {
        glBindTexture(GL_TEXTURE_2D, texture);
        std::vector<uint8_t> out(static_cast<size_t>(w) * h * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, out.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        return out;
    }

    QTemporaryDir m_dir;
};

TEST_F(TextureGL, AnySizeBecomesPowerOfTwoSides)
{
    const struct {
        const char* name;
        int w, h, tw, th;
    } rows[] = {
        {"a.bmp", 300, 200, 256, 256},
        {"b.png", 100, 20, 128, 32},
        {"c.BMP", 1, 5, 1, 8},
        {"d.bmp", 3, 3, 4, 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Cls15 loader;
        ASSERT_TRUE(loader.LoadGLTextures(Picture(r.name, r.w, r.h, QColor(255, 0, 0))));
        EXPECT_EQ(loader.Outcome(), TextureOutcome::Created);
        ExpectSize(loader.Texture(), r.tw, r.th);
        const std::vector<uint8_t> t = Texels(loader.Texture(), r.tw, r.th);
        const size_t mid = (static_cast<size_t>(r.th / 2) * r.tw + r.tw / 2) * 3;
        EXPECT_EQ(t[mid], 255);
        EXPECT_EQ(t[mid + 1], 0);
        EXPECT_EQ(t[mid + 2], 0);
        GLuint name = loader.Texture();
        glDeleteTextures(1, &name);
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// A power-of-two picture keeps its pixels, in red, green, blue order with
// the bottom row first.
TEST_F(TextureGL, PowerOfTwoPictureKeepsItsPixelsBottomRowFirst)
{
    Cls15 loader;
    ASSERT_TRUE(loader.LoadGLTextures(Picture("e.bmp", 64, 64, QColor(0, 0, 255), QColor(0, 255, 0))));
    const std::vector<uint8_t> t = Texels(loader.Texture(), 64, 64);
    EXPECT_EQ(t[0], 0);   // row 0: the picture's bottom row, blue
    EXPECT_EQ(t[2], 255);
    const size_t last = static_cast<size_t>(63) * 64 * 3;
    EXPECT_EQ(t[last], 0); // the last row: the picture's top row, green
    EXPECT_EQ(t[last + 1], 255);
    EXPECT_EQ(t[last + 2], 0);
    GLuint name = loader.Texture();
    glDeleteTextures(1, &name);
}

TEST_F(TextureGL, DamagedOrMissingFilesGiveAClearOutcome)
{
    auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    QByteArray truncated;
    {
        QFile png(Picture("whole.png", 40, 40, QColor(1, 2, 3)));
        EXPECT_TRUE(png.open(QIODevice::ReadOnly));
        truncated = png.readAll().left(60);
    }
    const struct {
        QString path;
        TextureOutcome outcome;
    } rows[] = {
        {write("text.bmp", "this is no picture"), TextureOutcome::Unreadable},
        {write("cut.png", truncated), TextureOutcome::Unreadable},
        {write("empty.jpg", QByteArray()), TextureOutcome::Unreadable},
        {write("short.mot", QByteArray("\x02\x00\x00\x00\x02\x00\x00\x00\x01", 9)),
         TextureOutcome::Unreadable},
        {m_dir.filePath(QStringLiteral("nowhere.bmp")), TextureOutcome::Missing},
        {m_dir.path(), TextureOutcome::Missing},
        {QString(), TextureOutcome::NoFileName},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path.toStdString());
        Cls15 loader;
        EXPECT_FALSE(loader.LoadGLTextures(r.path));
        EXPECT_EQ(loader.Outcome(), r.outcome);
        EXPECT_FALSE(loader.ErrorText().isEmpty());
        EXPECT_EQ(loader.Texture(), 0u);
    }
    EXPECT_EQ(m_messages.Count(), 0);

    // A whole raw picture loads: 3 x 2 becomes 4 x 2.
    QByteArray mot("\x03\x00\x00\x00\x02\x00\x00\x00", 8);
    mot.append(QByteArray(18, '\x40'));
    Cls15 loader;
    ASSERT_TRUE(loader.LoadGLTextures(write("raw.Mot", mot)));
    ExpectSize(loader.Texture(), 4, 2);
    GLuint name = loader.Texture();
    glDeleteTextures(1, &name);
}

} // namespace
