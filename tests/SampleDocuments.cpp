// The demonstration documents of the Demo menu, as graph records: each
// entry names its file below samples/, its document kind and its graphs.
// Every graph is written as its dialog's OK stores it, with the controls a
// user did not touch left as the dialog opens, so that opening a demo and
// pressing OK in its editing dialog changes nothing.
#include "SampleDocuments.h"

#include "model/Cls9.h"
#include "model/Globals.h"

#include <QString>
#include <cstring>

namespace {
constexpr float kTwoPi = 6.283185f;

// What the 2D function dialog stores from its analysis tabs as they open:
// every option off, with the colours, widths, marker sizes and symbols the
// tabs start with.
void FunctionDialogDefaults(Cls9& g)
{
    g.Show2DCurve = true;
    g.InvColor = 0x0000FF;
    g.InvWidth = 1;
    g.DevColor = 0xFF00FF;
    g.DevWidth = 1;
    g.IntColor = 0x0080FF;
    g.MaxColor = 0x004000;
    g.MaxSize = 2;
    g.MaxSymbol = MarkerSymbolFilledCircle;
    g.MinColor = 0x404080;
    g.MinSize = 2;
    g.MinSymbol = MarkerSymbolFilledCircle;
    g.GuaiColor = 0x800080;
    g.GuaiSize = 2;
    g.GuaiSymbol = MarkerSymbolFilledCircle;
    g.JOColor = 0xC0C000;
    g.JOWidth = 1;
    g.RootColor = 0x400040;
    g.RootSize = 2;
    g.RootSymbol = MarkerSymbolFilledCircle;
    g.CurvColor = 0x008000;
    g.CurvWidth = 1;
    g.QieColor = 0x000080;
    g.QieWidth = 1;
    g.NmlColor = 0x004040;
    g.NmlWidth = 1;
}

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
    FunctionDialogDefaults(*g);
    return g;
}

// f(x, y) <= 0 over a rectangle, scanned rather than sampled along a curve.
// The dialog passes no segment counts; sampling, which its OK runs before
// the graph is stored, makes them one each.
GraphRef Inequality(int32_t id, const char* name, const char* f, float x0, float x1, float y0,
                    float y1, int32_t color)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), GraphType2DFunction,
                            CoordTypeCartesian2D, QStringLiteral("0"), QStringLiteral("x"),
                            QString::fromUtf8(f), 1, 1, x0, x1, y0, y1, FillStyleSingleColor,
                            0xFF0000, 0xFF0000, color, 1, MaterialPresetMetal,
                            ShowModelWireframe, SmoothnessSmoother);
    g->FunForm = FunFormInequality;
    FunctionDialogDefaults(*g);
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

// A figure drawn from its numbers alone (vector, sequence, space line,
// solid), as those dialogs build it before setting the figure's members.
GraphRef ParameterFigure(int32_t id, const char* name, int32_t type, int32_t smooth)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), type, CoordTypeCartesian3D,
                            QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("0"), 1, 100,
                            0.0f, 1.0f, 0.0f, 1.0f, FillStyleSingleColor, 0xFF0000, 0xFF0000, 0,
                            2, MaterialPresetSummer, ShowModelWireframe, smooth);
    g->FunForm = FunFormExplicit;
    return g;
}

void SetParas(Cls9& g, std::initializer_list<float> paras)
{
    float* paraSlots[] = {&g.GPara1, &g.GPara2, &g.GPara3, &g.GPara4, &g.GPara5, &g.GPara6};
    int i = 0;
    for (float p : paras)
        *paraSlots[i++] = p;
}

// A solid shown as a body (the dialogs' default look): prisms, pyramids and
// their frustums faceted, the round solids smooth. The solid dialogs have
// no width.
GraphRef Solid(int32_t id, const char* name, int32_t type, std::initializer_list<float> paras,
               int32_t color)
{
    const bool faceted =
        type == GraphTypePrism || type == GraphTypePyramid || type == GraphTypePyramidFrustum;
    GraphRef g = ParameterFigure(id, name, type, faceted ? SmoothnessFaceted : SmoothnessSmooth);
    g->Show = ShowModelSurface;
    SetParas(*g, paras);
    g->GeomColor = color;
    return g;
}

// A space line from start (x, y, z) to end (x, y, z), 2 wide.
GraphRef SpaceLine(int32_t id, const char* name, std::initializer_list<float> ends, int32_t color)
{
    GraphRef g = ParameterFigure(id, name, GraphTypeSpaceLine, SmoothnessFaceted);
    SetParas(*g, ends);
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

// Colours are 0x00BBGGRR.
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kGreen = 0x008000;
constexpr int32_t kPurple = 0x800080;
constexpr float kCircleEnd = 6.2832f; // a little past 2 pi: the curve closes

// A plane figure drawn from a parametric or explicit curve, as the figure
// dialogs store it.
GraphRef PlaneFigure(int32_t id, const char* name, int32_t type, int32_t form, const char* x,
                     const char* y, float from, float to, int32_t segments)
{
    GraphRef g = Cls9::Init(id, QString::fromUtf8(name), type, CoordTypeCartesian2D,
                            QStringLiteral("0"), QString::fromUtf8(x), QString::fromUtf8(y), 1,
                            segments, 0.0f, 1.0f, from, to, FillStyleSingleColor, kBlue, kBlue, 0,
                            2, MaterialPresetMetal, ShowModelWireframe, SmoothnessSmoother);
    g->FunForm = form;
    return g;
}

// A line given in one of its four forms; x(u) and y(u) are written out as
// the line dialog writes them.
GraphRef Line(int32_t id, const char* name, int32_t lineForm, std::initializer_list<float> paras,
              const char* x, const char* y, int32_t color)
{
    GraphRef g = PlaneFigure(id, name, GraphTypeLine, FunFormParametric, x, y, -6.0f, 6.0f, 100);
    g->GLineType = lineForm;
    float* paraSlot[] = {&g->GPara1, &g->GPara2, &g->GPara3, &g->GPara4};
    int i = 0;
    for (float p : paras)
        *paraSlot[i++] = p;
    g->GLineColor = color;
    g->Glinewidth = 2;
    return g;
}

// A circle (x-a)^2+(y-b)^2=r^2 drawn as x = r sin u + a, y = r cos u + b.
GraphRef Circle(int32_t id, const char* name, int32_t circleForm, float p1, float p2, float p3,
                const char* x, const char* y, int32_t color)
{
    GraphRef g = PlaneFigure(id, name, GraphTypeCircle, FunFormParametric, x, y, 0.0f,
                             kCircleEnd, 100);
    g->GShowCircle = true;
    g->GCircleType = circleForm;
    g->GPara1 = p1;
    g->GPara2 = p2;
    g->GPara3 = p3;
    g->GCircleColor = color;
    g->GCircleWidth = 2;
    return g;
}

GraphRef Vector(int32_t id, const char* name, int32_t type, float p1, float p2, float p3, float p4)
{
    GraphRef g = ParameterFigure(id, name, type, SmoothnessFaceted);
    SetParas(*g, {p1, p2, p3, p4});
    return g;
}

GraphRef Sequence(int32_t id, const char* name, int32_t type, float first, float step,
                  int32_t terms)
{
    GraphRef g = ParameterFigure(id, name, type, SmoothnessSmooth);
    g->GPara1 = first;
    g->GPara2 = step;
    g->EdgeNum = terms;
    return g;
}

GraphRef WithEdges(GraphRef g, int32_t edges)
{
    g->EdgeNum = edges;
    return g;
}

} // namespace

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
                 SpaceLine(1, "AB", {-2.0f, -1.0f, 0.0f, 2.0f, 1.0f, 3.0f}, 0x0000FF),
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
        // ---- further function demonstrations ----
        {"samples/2D/分段函数2.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "x<0: y=x^2", false, "x^2", nullptr, -3.0f, 0.0f, 100, kBlue),
                 Curve(2, "0<x<2: y=2x", false, "2*x", nullptr, 0.0f, 2.0f, 20, kRed),
                 Curve(3, "x>2: y=4", false, "4", nullptr, 2.0f, 5.0f, 10, kGreen)};
         }},
        {"samples/2D/一元一次不等式.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "y=2x-3", false, "2*x-3", nullptr, -5.0f, 5.0f, 20, kBlue),
                 Inequality(2, "2x-3>0", "3-2*x", -5.0f, 5.0f, -5.0f, 5.0f, 0x80FF80)};
         }},
        {"samples/2D/一元二次不等式.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "y=x^2-x-2", false, "x^2-x-2", nullptr, -3.0f, 4.0f, 200, kBlue),
                 Inequality(2, "x^2-x-2<0", "x^2-x-2", -3.0f, 4.0f, -3.0f, 5.0f, 0x80FF80)};
         }},
        {"samples/2D/含绝对值不等式.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Curve(1, "y=|x-1|-2", false, "abs(x-1)-2", nullptr, -4.0f, 6.0f, 200, kBlue),
                 Inequality(2, "|x-1|<2", "abs(x-1)-2", -4.0f, 6.0f, -3.0f, 4.0f, 0x80FF80)};
         }},
        {"samples/2D/奇偶性.qgd", DocumentKind2D,
         [] {
             auto parity = [](Cls9& g) {
                 g.ShowJO = true;
                 g.JOColor = kRed;
                 g.JOWidth = 1;
             };
             return std::vector<GraphRef>{
                 With(Curve(1, "奇函数 x^3-3x", false, "x^3-3*x", nullptr, -2.5f, 2.5f, 200, kBlue),
                      parity),
                 With(Curve(2, "偶函数 x^2-4", false, "x^2-4", nullptr, -3.0f, 3.0f, 200, kGreen),
                      parity)};
         }},
        {"samples/2D/切线和法线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "y=x^2/4", false, "x^2/4", nullptr, -5.0f, 5.0f, 200, kBlue),
                 [](Cls9& g) {
                     g.ShowQie = true;
                     g.QieColor = kRed;
                     g.QieWidth = 1;
                     g.QieNum = 1;
                     g.QieX[1] = 2.0f;
                     g.ShowNml = true;
                     g.NmlColor = kGreen;
                     g.NmlWidth = 1;
                     g.NmlNum = 1;
                     g.NmlX[1] = 2.0f;
                 })};
         }},
        {"samples/2D/相交.qgd", DocumentKind2D,
         [] {
             GraphRef g = Cls9::Init(1, QStringLiteral("抛物线与直线"), GraphTypeCurveIntersection,
                                     CoordTypeCartesian2D, QStringLiteral("0"),
                                     QStringLiteral("x"), QStringLiteral("x^2-2"), 1, 200, 0.0f,
                                     1.0f, -3.0f, 3.0f, FillStyleSingleColor, kBlue, kBlue, kRed,
                                     2, MaterialPresetMetal, ShowModelWireframe,
                                     SmoothnessSmoother);
             g->Show2DCurve = true;
             g->FunForm = FunFormExplicit;
             g->Exp2 = QStringLiteral("x");
             g->Color2 = kBlue;
             g->Width2 = 2;
             g->ShowInter = true;
             g->InterColor = 0x404040;
             g->InterSize = 4;
             g->InterSymbol = 2;
             g->ShowArea = true;
             g->AreaColor = 0x80FF80;
             return std::vector<GraphRef>{g};
         }},
        {"samples/2D/极限.qgd", DocumentKind2D,
         [] {
             GraphRef g = Cls9::Init(1, QStringLiteral("sin(x)/x"), GraphTypeLimit,
                                     CoordTypeCartesian2D, QStringLiteral("0"),
                                     QStringLiteral("x"), QStringLiteral("sin(x)/x"), 1, 50, 0.0f,
                                     1.0f, -4.0f, 4.0f, FillStyleSingleColor, kBlue, kBlue, kRed,
                                     1, MaterialPresetMetal, ShowModelWireframe,
                                     SmoothnessSmoother);
             g->FunForm = FunFormExplicit;
             g->LimitX0 = 0.0f;
             g->LimitDir = LimitSideBoth;
             g->LimitShowP = true;
             g->LimitShowL = true;
             return std::vector<GraphRef>{g};
         }},
        {"samples/2D/积分2.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "r=2+cos(a)", true, "2+cos(a)", nullptr, 0.0f, kTwoPi, 200, kBlue),
                 [](Cls9& g) {
                     g.ShowInt = true;
                     g.IntColor = 0xFFC080;
                     g.IntFrom = 0.0f;
                     g.IntTo = 3.141593f;
                 })};
         }},
        {"samples/2D/曲率.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Curve(1, "y=sin(x)", false, "sin(x)", nullptr, -kTwoPi, kTwoPi, 200, kBlue),
                 [](Cls9& g) {
                     g.ShowCurv = true;
                     g.CurvColor = kRed;
                     g.CurvWidth = 1;
                     g.CurvNum = 2;
                     g.CurvX[1] = 1.570796f;
                     g.CurvX[2] = -1.570796f;
                 })};
         }},
        // ---- sequences ----
        {"samples/2D/等差数列.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Sequence(1, "等差数列", GraphTypeArithmeticSequence, 1.0f, 2.0f, 8)};
         }},
        {"samples/2D/等比数列.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Sequence(1, "等比数列", GraphTypeGeometricSequence, 1.0f, 1.5f, 8)};
         }},
        // ---- plane vectors ----
        {"samples/2D/平面向量.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Vector(1, "AB", GraphTypePlaneVector, 0.0f, 0.0f, 3.0f, 2.0f),
                 Vector(2, "CD", GraphTypePlaneVector, 1.0f, -1.0f, -2.0f, 3.0f)};
         }},
        {"samples/2D/平面向量相加.qgd", DocumentKind2D,
         [] {
             GraphRef g = Vector(1, "a+b", GraphTypeVectorOperation, 3.0f, 1.0f, 1.0f, 2.0f);
             g->VecOperation = VecOperationAdd;
             return std::vector<GraphRef>{g};
         }},
        // ---- lines ----
        {"samples/2D/直线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Line(1, "一般式", LineFormGeneral, {2.0f, -1.0f, 1.0f}, "u", "2u-(-1)", kBlue),
                 Line(2, "点斜式", LineFormPointSlope, {1.0f, 2.0f, -1.0f}, "u", "-1u+(3)", kRed),
                 Line(3, "斜截式", LineFormSlopeIntercept, {-2.0f, 0.5f}, "u", "0.5u+(-2)",
                      kGreen),
                 Line(4, "两点式", LineFormTwoPoint, {-3.0f, -1.0f, 3.0f, 4.0f}, "u",
                      "0.833333333333333u+(1.5)", kPurple)};
         }},
        {"samples/2D/直线的垂线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Line(1, "x+y-2=0", LineFormGeneral, {1.0f, 1.0f, -2.0f}, "u", "-1u-(-2)", kBlue),
                 [](Cls9& g) {
                     g.GShowLinePoint = true;
                     g.GLinePointX = 3.0f;
                     g.GLinePointY = 3.0f;
                     g.GLinePointType = LineThroughPointPerpendicular;
                     g.GLinePointColor = kRed;
                     g.GLinePointSize = 2;
                 })};
         }},
        {"samples/2D/直线的平行线.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Line(1, "x+y-2=0", LineFormGeneral, {1.0f, 1.0f, -2.0f}, "u", "-1u-(-2)", kBlue),
                 [](Cls9& g) {
                     g.GShowLinePoint = true;
                     g.GLinePointX = 3.0f;
                     g.GLinePointY = 3.0f;
                     g.GLinePointType = LineThroughPointParallel;
                     g.GLinePointColor = kRed;
                     g.GLinePointSize = 2;
                 })};
         }},
        {"samples/2D/直线相交.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Line(1, "y=2x-1", LineFormSlopeIntercept, {-1.0f, 2.0f}, "u", "2u+(-1)", kBlue),
                 [](Cls9& g) {
                     g.GShowLineLine = true;
                     g.GLineLineType = LineFormGeneral;
                     g.GPara5 = 1.0f;
                     g.GPara6 = 2.0f;
                     g.GPara7 = -4.0f;
                     g.GLineLineColor = kRed;
                     g.GLineLineWidth = 2;
                 })};
         }},
        // ---- circles ----
        {"samples/2D/圆.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{
                 Circle(1, "标准方程", CircleFormStandard, 1.0f, -2.0f, 3.0f, "3sin(u)+(1)",
                        "3cos(u)+(-2)", kBlue),
                 Circle(2, "一般方程", CircleFormGeneral, 4.0f, -2.0f, 1.0f, "2sin(u)+(-2)",
                        "2cos(u)+(1)", kRed),
                 Circle(3, "参数方程", CircleFormParametric, 4.0f, 3.0f, 1.5f,
                        "1.5sin(u)+(4)", "1.5cos(u)+(3)", kGreen)};
         }},
        {"samples/2D/圆的切线1.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Circle(1, "x^2+y^2=25", CircleFormStandard, 0.0f, 0.0f, 5.0f, "5sin(u)+(0)",
                        "5cos(u)+(0)", kBlue),
                 [](Cls9& g) {
                     g.GShowCircleTangent = true;
                     g.GCircleTangType = CircleTangentGivenPoint;
                     g.GCircleTangPointX = 3.0f;
                     g.GCircleTangPointY = 4.0f;
                     g.GCircleTangColor = kRed;
                     g.GCircleTangWidth = 2;
                 })};
         }},
        {"samples/2D/圆的切线2.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{With(
                 Circle(1, "(x-1)^2+(y-1)^2=9", CircleFormStandard, 1.0f, 1.0f, 3.0f,
                        "3sin(u)+(1)", "3cos(u)+(1)", kBlue),
                 [](Cls9& g) {
                     g.GShowCircleTangent = true;
                     g.GCircleTangType = CircleTangentGivenSlope;
                     g.GCircleTangK = 1.0f;
                     g.GCircleTangColor = kRed;
                     g.GCircleTangWidth = 2;
                 })};
         }},
        {"samples/2D/三点绘圆.qgd", DocumentKind2D,
         [] {
             // The circle (x-2)^2+(y-1.5)^2=2.5^2, hidden, and the circle the
             // dialog finds through three of its points, (0, 0), (4, 0) and
             // (0, 3), with its equation. A hidden circle keeps no expressions
             // and is stored in the standard form. The circle dialog does not
             // mark the points it is given: they are added as points, as a
             // user marks them.
             GraphRef circle = Circle(1, "过三点的圆", CircleFormStandard, 2.0f, 1.5f, 2.5f, "",
                                      "", kBlue);
             circle->GShowCircle = false;
             circle->GCircleWidth = 1;
             circle->GShowCircleEqua = true;
             circle->GCircleEquaType = CircleEquationGivenThreePoints;
             circle->GPara5 = 0.0f;
             circle->GPara6 = 0.0f;
             circle->GPara7 = 4.0f;
             circle->GPara8 = 0.0f;
             circle->GPara9 = 0.0f;
             circle->GPara10 = 3.0f;
             circle->GCircleEquaColor = kRed;
             circle->GCircleEquaWidth = 2;
             return std::vector<GraphRef>{
                 circle, Point(2, "A", CoordTypeCartesian2D, "0", "0", "0", kBlue),
                 Point(3, "B", CoordTypeCartesian2D, "0", "4", "0", kBlue),
                 Point(4, "C", CoordTypeCartesian2D, "0", "0", "3", kBlue)};
         }},
        // ---- conics ----
        {"samples/2D/标准椭圆.qgd", DocumentKind2D,
         [] {
             GraphRef g = PlaneFigure(1, "x^2/16+y^2/4=1", GraphTypeEllipse, FunFormParametric,
                                      "4sin(u)+(0)", "2cos(u)+(0)", 0.0f, kCircleEnd, 100);
             g->GEllipseType = EllipseFormStandard;
             g->GPara1 = 4.0f;
             g->GPara2 = 2.0f;
             g->GEllipseColor = kBlue;
             g->GEllipseWidth = 2;
             g->GEllipseCompute = true;
             return std::vector<GraphRef>{g};
         }},
        {"samples/2D/参数椭圆.qgd", DocumentKind2D,
         [] {
             GraphRef g = PlaneFigure(1, "x=3sin(u)+1, y=2cos(u)-1", GraphTypeEllipse,
                                      FunFormParametric, "3sin(u)+(1)", "2cos(u)+(-1)", 0.0f,
                                      kCircleEnd, 100);
             g->GEllipseType = EllipseFormParametric;
             g->GPara1 = 3.0f;
             g->GPara2 = 2.0f;
             g->GPara3 = 1.0f;
             g->GPara4 = -1.0f;
             g->GEllipseColor = kRed;
             g->GEllipseWidth = 2;
             g->GEllipseCompute = true;
             return std::vector<GraphRef>{g};
         }},
        {"samples/2D/双曲线.qgd", DocumentKind2D,
         [] {
             GraphRef g = PlaneFigure(1, "x^2/4-y^2=1", GraphTypeHyperbola, FunFormExplicit, "x",
                                      "0.5sqr((x-(0))^2-4)+(0)", -4.0f, 4.0f, 200);
             g->GHyperType = HyperbolaFormHorizontal;
             g->GPara1 = 2.0f;
             g->GPara2 = 1.0f;
             g->GHyperColor = kBlue;
             g->GHyperWidth = 2;
             g->GHyperCompute = true;
             return std::vector<GraphRef>{g};
         }},
        {"samples/2D/抛物线1.qgd", DocumentKind2D,
         [] {
             GraphRef g = PlaneFigure(1, "y^2=4x", GraphTypeParabola, FunFormExplicit, "x",
                                      "sqr(2*(2)*(x-(0)))+(0)", 0.0f, 8.0f, 100);
             g->GParaType = ParabolaFormHorizontal;
             g->GPara3 = 2.0f;
             g->GParaColor = kBlue;
             g->GParaWidth = 2;
             g->GParaCompute = true;
             return std::vector<GraphRef>{g};
         }},
        {"samples/2D/抛物线2.qgd", DocumentKind2D,
         [] {
             GraphRef g = PlaneFigure(1, "(x-1)^2=2(y+2)", GraphTypeParabola, FunFormExplicit, "x",
                                      "(x-(1))^2/2/(1)+(-2)", -2.0f, 4.0f, 100);
             g->GParaType = ParabolaFormVertical;
             g->GPara1 = 1.0f;
             g->GPara2 = -2.0f;
             g->GPara3 = 1.0f;
             g->GParaColor = kRed;
             g->GParaWidth = 2;
             g->GParaCompute = true;
             return std::vector<GraphRef>{g};
         }},
        // ---- solids ----
        {"samples/3D/棱柱棱锥棱台.qgd", DocumentKind3D,
         [] {
             return std::vector<GraphRef>{
                 WithEdges(Solid(1, "棱柱", GraphTypePrism, {-6.0f, 0.0f, 0.0f, 2.0f, 4.0f},
                                 0x00C0FF),
                           6),
                 WithEdges(Solid(2, "棱锥", GraphTypePyramid, {0.0f, 0.0f, 0.0f, 2.0f, 4.0f},
                                 0x40C040),
                           4),
                 WithEdges(Solid(3, "棱台", GraphTypePyramidFrustum,
                                 {6.0f, 0.0f, 0.0f, 1.0f, 2.0f, 3.0f}, 0xFF8040),
                           5)};
         }},
        {"samples/3D/圆柱圆锥圆台.qgd", DocumentKind3D,
         [] {
             return std::vector<GraphRef>{
                 Solid(1, "圆柱", GraphTypeCylinder, {-6.0f, 0.0f, 0.0f, 2.0f, 4.0f}, 0x00C0FF),
                 Solid(2, "圆锥", GraphTypeCone, {0.0f, 0.0f, 0.0f, 2.0f, 4.0f}, 0x40C040),
                 Solid(3, "圆台", GraphTypeConeFrustum, {6.0f, 0.0f, 0.0f, 1.0f, 2.0f, 3.0f},
                       0xFF8040)};
         }},
        // ---- animated inequality ----
        {"samples/animation/2D/不等式.qgd", DocumentKind2D,
         [] {
             return std::vector<GraphRef>{Animated(
                 Inequality(1, "y<2sin(x-t)", "y-2*sin(x-t)", -6.0f, 6.0f, -4.0f, 4.0f, 0x80FF80),
                 0.0f, kTwoPi)};
         },
         20, 10},
    };
    return samples;
}

const Sample* FindSample(const char* path)
{
    for (const Sample& s : Samples()) {
        if (std::strcmp(s.path, path) == 0)
            return &s;
    }
    return nullptr;
}
