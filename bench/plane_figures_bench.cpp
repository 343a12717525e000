// Cost of plane figures: a document with one line (perpendicular and second
// line), circle (slope tangents and a circle through three points), ellipse,
// hyperbola and parabola, each with its analysis, compiled into a display
// list, next to the same number of ordinary 2D curves; the same with a plane
// vector, a vector operation, the space line and the seven solids added; and
// the planning alone. Run under xvfb-run with LIBGL_ALWAYS_SOFTWARE=1 for Mesa.
#include "BenchGlContext.h"
#include "draw/PlaneFigures.h"
#include "draw/Solids.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "view/Scene.h"


#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

GraphRef Graph(int32_t id, int32_t type, int32_t funForm, const char* x, const char* y,
               float from, float to, int32_t steps)
{
    GraphRef g = Cls9::Init(id, QStringLiteral("g"), type, CoordTypeCartesian2D,
                            QStringLiteral("0"), QString::fromLatin1(x), QString::fromLatin1(y),
                            1, steps, 0, 1, from, to, FillStyleSingleColor, 0xFF0000, 0xFF0000, 0,
                            2, MaterialPresetMetal, ShowModelWireframe, SmoothnessSmoother);
    g->FunForm = funForm;
    return g;
}

std::vector<GraphRef> Figures()
{
    std::vector<GraphRef> out;
    GraphRef line = Graph(1, GraphTypeLine, FunFormParametric, "u", "2u+(1)", -5, 5, 100);
    line->GLineType = LineFormSlopeIntercept;
    line->GPara1 = 1;
    line->GPara2 = 2;
    line->GShowLinePoint = true;
    line->GLinePointType = LineThroughPointPerpendicular;
    line->GLinePointX = 3;
    line->GLinePointY = 1;
    line->GShowLineLine = true;
    line->GLineLineType = LineFormSlopeIntercept;
    line->GPara5 = 2;
    line->GPara6 = -1;
    out.push_back(line);

    GraphRef circle =
        Graph(2, GraphTypeCircle, FunFormParametric, "3sin(u)+(1)", "3cos(u)+(2)", 0, 6.2832f, 100);
    circle->GCircleType = CircleFormStandard;
    circle->GPara1 = 1;
    circle->GPara2 = 2;
    circle->GPara3 = 3;
    circle->GShowCircle = true;
    circle->GShowCircleTangent = true;
    circle->GCircleTangType = CircleTangentGivenSlope;
    circle->GCircleTangK = 1;
    circle->GShowCircleEqua = true;
    circle->GCircleEquaType = CircleEquationGivenThreePoints;
    circle->GPara7 = 2;
    circle->GPara10 = 2;
    out.push_back(circle);

    GraphRef ellipse =
        Graph(3, GraphTypeEllipse, FunFormParametric, "5sin(u)+(0)", "3cos(u)+(0)", 0, 6.2832f, 100);
    ellipse->GEllipseType = EllipseFormStandard;
    ellipse->GPara1 = 5;
    ellipse->GPara2 = 3;
    ellipse->GEllipseCompute = true;
    out.push_back(ellipse);

    GraphRef hyperbola = Graph(4, GraphTypeHyperbola, FunFormExplicit, "x",
                               "0.5sqr((x-(0))^2-4)+(0)", -4, 4, 200);
    hyperbola->GHyperType = HyperbolaFormHorizontal;
    hyperbola->GPara1 = 2;
    hyperbola->GPara2 = 1;
    hyperbola->GHyperCompute = true;
    out.push_back(hyperbola);

    GraphRef parabola = Graph(5, GraphTypeParabola, FunFormExplicit, "x",
                              "sqr(2*(1)*(x-(0)))+(0)", 0, 4, 100);
    parabola->GParaType = ParabolaFormHorizontal;
    parabola->GPara3 = 1;
    parabola->GParaCompute = true;
    out.push_back(parabola);
    return out;
}

// `count` ordinary curves; the first five with the figures' sample counts,
// the others with 100 segments.
std::vector<GraphRef> Curves(int count = 5)
{
    std::vector<GraphRef> out;
    const char* const f[5] = {"2x+1", "sin(x)", "x^2/4", "sqr(abs(x))", "cos(2x)"};
    const int32_t steps[5] = {100, 100, 100, 200, 100};
    for (int i = 0; i < count; ++i) {
        GraphRef g = Graph(i + 1, GraphType2DFunction, FunFormExplicit, "x", f[i % 5], -5, 5,
                           i < 5 ? steps[i] : 100);
        g->Show2DCurve = true;
        out.push_back(g);
    }
    return out;
}

GraphRef Shape(int32_t id, int32_t type, std::initializer_list<float> paras)
{
    GraphRef g = Graph(id, type, 0, "0", "0", 0, 1, 1);
    float* slot[] = {&g->GPara1, &g->GPara2, &g->GPara3, &g->GPara4, &g->GPara5, &g->GPara6};
    int i = 0;
    for (float p : paras)
        *slot[i++] = p;
    g->EdgeNum = 6;
    g->GeomColor = 0x00C0FF;
    g->GeomWidth = 2;
    g->Show = ShowModelSurface;
    return g;
}

// One of each: the five plane figures, a plane vector, a vector operation
// (the dot product, the longest text), the space line and the seven solids.
std::vector<GraphRef> EveryFigureAndSolid()
{
    std::vector<GraphRef> out = Figures();
    out.push_back(Shape(6, GraphTypePlaneVector, {1, 1, 4, 5}));
    GraphRef op = Shape(7, GraphTypeVectorOperation, {1, 2, 3, 1});
    op->VecOperation = VecOperationDotProduct;
    out.push_back(op);
    out.push_back(Shape(8, GraphTypeSpaceLine, {0, 0, 0, 1, 2, 3}));
    out.push_back(Shape(9, GraphTypePrism, {0, 0, 0, 2, 3}));
    out.push_back(Shape(10, GraphTypePyramid, {0, 0, 0, 2, 3}));
    out.push_back(Shape(11, GraphTypePyramidFrustum, {0, 0, 0, 1, 2, 3}));
    out.push_back(Shape(12, GraphTypeCylinder, {0, 0, 0, 2, 3}));
    out.push_back(Shape(13, GraphTypeCone, {0, 0, 0, 2, 3}));
    out.push_back(Shape(14, GraphTypeConeFrustum, {0, 0, 0, 1, 2, 3}));
    out.push_back(Shape(15, GraphTypeSphere, {0, 0, 0, 2}));
    return out;
}

void Sample(const std::vector<GraphRef>& graphs)
{
    for (const GraphRef& g : graphs)
        if (g->GraphType <= GraphTypeParabola && !g->GetPoints())
            std::fprintf(stderr, "sampling graph %d failed\n", g->ID);
}

void CompileList(benchmark::State& state, const std::vector<GraphRef>& graphs)
{
    Sample(graphs);
    g_SceneScale = 2.0f;
    const GLuint list = glGenLists(1);
    for (auto _ : state) {
        glNewList(list, GL_COMPILE);
        for (const GraphRef& g : graphs)
            g->Draw(0);
        glEndList();
    }
    glDeleteLists(list, 1);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(graphs.size()));
}

void BM_FiguresIntoList(benchmark::State& state) { CompileList(state, Figures()); }
BENCHMARK(BM_FiguresIntoList)->Unit(benchmark::kMicrosecond);

void BM_CurvesIntoList(benchmark::State& state) { CompileList(state, Curves()); }
BENCHMARK(BM_CurvesIntoList)->Unit(benchmark::kMicrosecond);

// A document with one of each figure and solid, next to as many curves.
void BM_EveryFigureAndSolidIntoList(benchmark::State& state)
{
    CompileList(state, EveryFigureAndSolid());
}
BENCHMARK(BM_EveryFigureAndSolidIntoList)->Unit(benchmark::kMicrosecond);

void BM_AsManyCurvesIntoList(benchmark::State& state)
{
    CompileList(state, Curves(static_cast<int>(EveryFigureAndSolid().size())));
}
BENCHMARK(BM_AsManyCurvesIntoList)->Unit(benchmark::kMicrosecond);

// Each kind alone (the last ten of EveryFigureAndSolid).
void BM_OneKindIntoList(benchmark::State& state)
{
    std::vector<GraphRef> all = EveryFigureAndSolid();
    const GraphRef g = all[static_cast<size_t>(state.range(0))];
    state.SetLabel("GraphType " + std::to_string(g->GraphType));
    CompileList(state, {g});
}
BENCHMARK(BM_OneKindIntoList)->DenseRange(5, 14)->Unit(benchmark::kMicrosecond);

// A sphere's surface worked out, without OpenGL.
void BM_PlanSphere(benchmark::State& state)
{
    const GraphRef sphere = EveryFigureAndSolid().back();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanSolid(*sphere));
}
BENCHMARK(BM_PlanSphere)->Unit(benchmark::kMicrosecond);

// The figures' planning alone: segments, markers and texts, no OpenGL.
void BM_PlanFigures(benchmark::State& state)
{
    const std::vector<GraphRef> graphs = Figures();
    Sample(graphs);
    for (auto _ : state)
        for (const GraphRef& g : graphs)
            benchmark::DoNotOptimize(PlanPlaneFigure(*g, 2.0f));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(graphs.size()));
}
BENCHMARK(BM_PlanFigures)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGlBenchmarks(argc, argv, 0, 0, [] {
        g_DocumentKind = DocumentKind2D;
        g_RangeMinX = g_RangeMinY = -20;
        g_RangeMaxX = g_RangeMaxY = 20;
    });
}
