// The demonstration documents in samples/ are made by the program's own
// writer from the table below. The test rebuilds each one and checks that
// the committed file is exactly that document and that it reads back.
// To regenerate after changing the table or the writer:
//   QG_WRITE_SAMPLES=1 ./core_tests --gtest_filter='SampleDocuments.*'
#include "io/DocumentReader.h"
#include "io/DocumentWriter.h"

#include "ProgramStateGuard.h"
#include "expr/Cls6.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls3.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace {
constexpr float kTwoPi = 6.283185f;

struct Sample {
    const char* path; // below the source root
    int32_t kind;
    std::function<std::vector<GraphRef>()> graphs;
    int32_t frames = 0; // animated documents: frame count and speed
    int32_t fps = 0;
};

// A curve as the 2D function dialog stores it: explicit (y = f(x),
// r = f(a)) or parametric (x = f1(u), y = f2(u)).
GraphRef Curve(int32_t id, const char* name, bool polar, const char* f1, const char* f2,
               float from, float to, int32_t segments, int32_t color)
{
    const bool parametric = f2 != nullptr;
    const QString expY = parametric ? QString::fromUtf8(f1)
                                    : QString::fromLatin1(polar ? "a" : "x");
    const QString expZ = QString::fromUtf8(parametric ? f2 : f1);
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), GraphType2DFunction,
                            polar ? CoordTypePolar : CoordTypeCartesian2D, QStringLiteral("0"),
                            expY, expZ, 1, segments, 0.0f, 1.0f, from, to, FillStyleSingleColor,
                            0xFF0000, 0xFF0000, color, 2, MaterialPresetMetal, ShowModelWireframe,
                            SmoothnessSmoother);
    g->FunForm = parametric ? FunFormParametric : FunFormExplicit;
    g->Show2DCurve = true;
    return g;
}

// f(x, y) <= 0 over a rectangle, scanned rather than sampled along a curve.
GraphRef Inequality(int32_t id, const char* name, const char* f, float x0, float x1, float y0,
                    float y1, int32_t color)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), GraphType2DFunction,
                            CoordTypeCartesian2D, QStringLiteral("0"), QStringLiteral("x"),
                            QString::fromUtf8(f), 0, 0, x0, x1, y0, y1, FillStyleSingleColor,
                            0xFF0000, 0xFF0000, color, 1, MaterialPresetMetal,
                            ShowModelWireframe, SmoothnessSmoother);
    g->FunForm = FunFormInequality;
    g->Show2DCurve = true;
    return g;
}

GraphRef Point(int32_t id, const char* name, int32_t coord, const char* x, const char* y,
               const char* z, int32_t color)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), GraphTypePoint, coord,
                            QString::fromUtf8(x), QString::fromUtf8(y), QString::fromUtf8(z), 1,
                            1, 0.0f, 1.0f, 0.0f, 0.0f, FillStyleSingleColor, 0xFF0000, 0xFF0000,
                            0, 1, MaterialPresetMetal, ShowModelWireframe, SmoothnessSmoother);
    g->FunForm = FunFormParametric;
    g->PointColor = color;
    g->PointSize = 6.0f;
    return g;
}

// A surface as the 2.5D function dialog stores it.
GraphRef Surface(int32_t id, const char* name, bool polar, const char* f, float from, float to,
                 int32_t segments, int32_t material)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), GraphType25DFunction,
                            polar ? CoordTypePolar : CoordTypeCartesian2D, QStringLiteral("0"),
                            QString::fromLatin1(polar ? "a" : "x"), QString::fromUtf8(f), 1,
                            segments, 0.0f, 3.0f, from, to, FillStyleGradientTopBottom,
                            0x0000FF, 0x00FFFF, 1, 1, material, ShowModelSurface,
                            SmoothnessSmooth);
    g->FunForm = FunFormExplicit;
    return g;
}

GraphRef Solid(int32_t id, const char* name, int32_t type, std::initializer_list<float> paras,
               int32_t color)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), type, CoordTypeCartesian3D, QString(),
                            QString(), QString(), 1, 1, 0.0f, 1.0f, 0.0f, 0.0f,
                            FillStyleSingleColor, 0xFF0000, 0xFF0000, 0, 1, MaterialPresetMetal,
                            ShowModelSurface, SmoothnessSmooth);
    g->FunForm = FunFormExplicit;
    float* paraSlots[] = {&g->GPara1, &g->GPara2, &g->GPara3, &g->GPara4, &g->GPara5, &g->GPara6};
    int i = 0;
    for (float p : paras)
        *paraSlots[i++] = p;
    g->GeomColor = color;
    g->GeomWidth = 2;
    return g;
}

// A curve with some of its analysis overlays switched on.
GraphRef With(GraphRef g, const std::function<void(Cls9&)>& set)
{
    set(*g);
    return g;
}

GraphRef Implicit(int32_t id, const char* name, const char* f, float x0, float x1, float y0,
                  float y1, int32_t color)
{
    GraphRef g = Inequality(id, name, f, x0, x1, y0, y1, color);
    g->FunForm = FunFormImplicit;
    return g;
}

GraphRef Animated(GraphRef g, float minT, float maxT)
{
    g->Animation = true;
    g->GraphType = g->GraphType == GraphType25DFunction ? GraphType25DFunctionAnimation
                                                         : GraphType2DFunctionAnimation;
    g->MinT = minT;
    g->MaxT = maxT;
    return g;
}

const std::vector<Sample>& Samples()
{
    static const std::vector<Sample> samples = {
        {"samples/2D/点.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Point(1, "A", CoordTypeCartesian2D, "0", "1", "2", 0x0000FF),
                 Point(2, "B", CoordTypeCartesian2D, "0", "-3", "1", 0x008000),
                 Point(3, "C", CoordTypePolar, "0", "pi/4", "3", 0xFF0000)};
         }},
        {"samples/2D/正弦余弦.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "正弦", false, "sin(x)", nullptr, -kTwoPi, kTwoPi, 200, 0x0000FF),
                 Curve(2, "余弦", false, "cos(x)", nullptr, -kTwoPi, kTwoPi, 200, 0x008000)};
         }},
        {"samples/2D/三次多项式曲线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "三次多项式", false, "x^3-3*x", nullptr, -2.5f, 2.5f, 200, 0xFF0000)};
         }},
        {"samples/2D/一次和二次多项式曲线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "抛物线", false, "x^2-2*x-3", nullptr, -3.0f, 5.0f, 200, 0xFF0000),
                 Curve(2, "直线", false, "2*x-1", nullptr, -3.0f, 5.0f, 20, 0x0000FF)};
         }},
        {"samples/2D/概率曲线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Curve(1, "正态分布", false,
                                                "exp(0-x^2/2)/sqr(2*pi)", nullptr, -4.0f,
                                                4.0f, 200, 0x800080)};
         }},
        {"samples/2D/摆线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Curve(1, "摆线", false, "u-sin(u)", "1-cos(u)", 0.0f,
                                                2 * kTwoPi, 300, 0x0000FF)};
         }},
        {"samples/2D/花.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "花", true, "2+sin(8*a)", nullptr, 0.0f, kTwoPi, 400, 0xC000C0)};
         }},
        {"samples/2D/四叶玫瑰线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "四叶玫瑰线", true, "2*cos(2*a)", nullptr, 0.0f, kTwoPi, 400, 0xFF0000)};
         }},
        {"samples/2D/三叶玫瑰线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "三叶玫瑰线", true, "2*sin(3*a)", nullptr, 0.0f, kTwoPi, 400, 0xFF0000)};
         }},
        {"samples/2D/二元不等式2.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Inequality(1, "圆内", "x^2+y^2-4", -3.0f, 3.0f, -3.0f, 3.0f, 0x00C000)};
         }},
        {"samples/2D/反正弦反余弦.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "反正弦", false, "asin(x)", nullptr, -1.0f, 1.0f, 200, 0x0000FF),
                 Curve(2, "反余弦", false, "acos(x)", nullptr, -1.0f, 1.0f, 200, 0xFF0000)};
         }},
        {"samples/2D/比较.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "幂函数", false, "x^2", nullptr, -2.0f, 4.5f, 200, 0x0000FF),
                 Curve(2, "指数函数", false, "2^x", nullptr, -2.0f, 4.5f, 200, 0xFF0000)};
         }},
        {"samples/2D/椭圆2.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "椭圆", false, "3*cos(u)", "2*sin(u)", 0.0f, kTwoPi, 200, 0x008000)};
         }},
        {"samples/2D/有理函数.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "有理函数", false, "(x^2+1)/(x-1)", nullptr, -4.0f, 6.0f, 400, 0x800080)};
         }},
        {"samples/2D/正弦振荡曲线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Curve(1, "衰减振荡", false, "exp(0-x/4)*sin(3*x)",
                                                nullptr, 0.0f, 12.0f, 400, 0x0000FF)};
         }},
        {"samples/2D/蝴蝶.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Curve(1, "蝴蝶", true, "exp(cos(a))-2*cos(4*a)", nullptr,
                                                0.0f, kTwoPi, 400, 0xC04000)};
         }},
        {"samples/2D/对数螺线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Curve(1, "对数螺线", true, "exp(0.15*a)", nullptr, 0.0f,
                                                2 * kTwoPi, 400, 0x0000FF)};
         }},
        {"samples/2D/星形线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Curve(1, "星形线", false, "2*cos(u)^3", "2*sin(u)^3",
                                                0.0f, kTwoPi, 300, 0xFF0000)};
         }},
        {"samples/2D/隐函数1.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Implicit(1, "笛卡儿叶形线", "x^3+y^3-3*x*y", -3.0f, 3.0f, -3.0f, 3.0f, 0x0000FF)};
         }},
        {"samples/2D/反函数.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "指数函数", false, "exp(x)", nullptr, -3.0f, 1.5f, 200, 0x0000FF),
                 [](Cls9& g) {
                     g.ShowInverse = true;
                     g.InvColor = 0xFF0000;
                     g.InvWidth = 2;
                 })};
         }},
        {"samples/2D/导函数.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "x*sin(x)", false, "x*sin(x)", nullptr, -kTwoPi, kTwoPi, 200, 0x0000FF),
                 [](Cls9& g) {
                     g.ShowDev = true;
                     g.DevColor = 0x008000;
                     g.DevWidth = 2;
                 })};
         }},
        {"samples/2D/根.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "三次多项式", false, "x^3-2*x-1", nullptr, -2.0f, 2.5f, 200, 0x0000FF),
                 [](Cls9& g) {
                     g.ShowRoot = true;
                     g.RootColor = 0xFF0000;
                     g.RootSize = 6;
                     g.RootSymbol = 1;
                 })};
         }},
        {"samples/2D/极值.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "三次多项式", false, "x^3-3*x", nullptr, -2.5f, 2.5f, 200, 0x0000FF),
                 [](Cls9& g) {
                     g.ShowMax = true;
                     g.MaxColor = 0xFF0000;
                     g.MaxSize = 6;
                     g.MaxSymbol = 1;
                     g.ShowMin = true;
                     g.MinColor = 0x008000;
                     g.MinSize = 6;
                     g.MinSymbol = 2;
                     g.ShowGuai = true;
                     g.GuaiColor = 0x800080;
                     g.GuaiSize = 6;
                     g.GuaiSymbol = 3;
                 })};
         }},
        {"samples/2D/积分.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "抛物线", false, "x^2", nullptr, -1.0f, 3.0f, 200, 0x0000FF),
                 [](Cls9& g) {
                     g.ShowInt = true;
                     g.IntColor = 0x80C0FF;
                     g.IntFrom = 0.0f;
                     g.IntTo = 2.0f;
                 })};
         }},
        {"samples/25D/正弦.qgd", DocumentKind25D,
         [] {
             return std::vector<GraphRef>{Surface(1, "正弦", false, "sin(x)", -kTwoPi, kTwoPi,
                                                  100, MaterialPresetMetal)};
         }},
        {"samples/25D/心形线.qgd", DocumentKind25D,
         [] {
             return std::vector<GraphRef>{Surface(1, "心形线", true, "1+cos(a)", 0.0f, kTwoPi,
                                                  100, MaterialPresetSummer)};
         }},
        {"samples/3D/球.qgd", DocumentKind3D,
         [] {
             return std::vector<GraphRef>{
                 Solid(1, "球", GraphTypeSphere, {0.0f, 0.0f, 0.0f, 2.0f}, 0x00C0FF),
                 Point(2, "球心", CoordTypeCartesian3D, "0", "0", "0", 0xFF0000)};
         }},
        {"samples/3D/空间直线.qgd", DocumentKind3D,
         [] {
             return std::vector<GraphRef>{
                 Solid(1, "AB", GraphTypeSpaceLine, {-2.0f, -1.0f, 0.0f, 2.0f, 1.0f, 3.0f},
                       0x0000FF),
                 Point(2, "A", CoordTypeCartesian3D, "-2", "-1", "0", 0xFF0000),
                 Point(3, "B", CoordTypeCartesian3D, "2", "1", "3", 0xFF0000)};
         }},
        {"samples/animation/2D/正弦振荡.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Animated(Curve(1, "正弦振荡", false, "sin(t)*sin(x)", nullptr, -kTwoPi, kTwoPi,
                                200, 0x0000FF),
                          0.0f, kTwoPi)};
         },
         40, 10},
        {"samples/animation/2.5D/正弦.qgd", DocumentKind25D,
         [] {
             return std::vector<GraphRef>{Animated(
                 Surface(1, "正弦", false, "sin(x+t)", -kTwoPi, kTwoPi, 100, MaterialPresetMetal),
                 0.0f, kTwoPi)};
         },
         30, 10},
    };
    return samples;
}

QString SourceRoot()
{
    // Given by the build: __FILE__ may be relative to the build folder
    // (ccache, out-of-tree builds), and tests run from their own folder.
    return QStringLiteral(QG_SOURCE_ROOT);
}

QByteArray Build(const Sample& s)
{
    g_FrameCount = s.frames > 0 ? s.frames : g_FrameCount;
    g_FramesPerSecond = s.fps > 0 ? s.fps : g_FramesPerSecond;
    Cls8 scene;
    for (const GraphRef& g : s.graphs())
        scene.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    QString why;
    // Demonstrations show their coordinate system, as a new document does.
    Cls3 axes;
    axes.Show = true;
    auto text = BuildDocumentText(s.kind, scene, axes, &why);
    EXPECT_TRUE(text) << s.path << ": " << why.toStdString();
    if (!text)
        return {};
    auto bytes = BuildDocumentFile(*text, &why);
    EXPECT_TRUE(bytes) << s.path << ": " << why.toStdString();
    return bytes.value_or(QByteArray());
}
} // namespace

TEST(SampleDocuments, CommittedFilesAreTheGeneratedDocumentsAndReadBack)
{
    ProgramStateGuard guard;
    const bool write = !qEnvironmentVariableIsEmpty("QG_WRITE_SAMPLES");
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(s.path);
        const QByteArray bytes = Build(s);
        ASSERT_FALSE(bytes.isEmpty());
        const QString path = SourceRoot() + QLatin1Char('/') + QString::fromUtf8(s.path);
        if (write) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QString why;
            ASSERT_TRUE(WriteFileReplacing(path, bytes, &why)) << why.toStdString();
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing; regenerate with QG_WRITE_SAMPLES=1";
        EXPECT_EQ(file.readAll(), bytes) << "out of date; regenerate with QG_WRITE_SAMPLES=1";

        QString why;
        auto doc = ParseDocumentFile(bytes, Cls3(), {}, &why);
        ASSERT_TRUE(doc) << why.toStdString();
        EXPECT_EQ(doc->kind, s.kind);
        EXPECT_EQ(doc->graphs.size(), s.graphs().size());
        EXPECT_EQ(doc->animated, s.frames > 0);
        if (s.frames > 0) {
            EXPECT_EQ(doc->animation.frameCount, s.frames);
            EXPECT_EQ(doc->animation.framesPerSecond, s.fps);
        }
        // Every expression a sample stores compiles, so a demo never opens
        // with a syntax message.
        MessageRecorder messages;
        for (const GraphRef& g : doc->graphs) {
            for (const QString& e : {g->ExpressX, g->ExpressY, g->ExpressZ}) {
                Cls6 compiler;
                QString buffer;
                EXPECT_EQ(compiler.InfixToPostfix(e, buffer), 0) << e.toStdString();
            }
        }
        EXPECT_EQ(messages.Count(), 0);
    }
}
