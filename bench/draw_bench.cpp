// Cost of a still 2D scene: 20 ordinary functions of 200 segments each,
// compiled into the scene list and shown as one frame, on whatever OpenGL
// the display offers (run under xvfb-run with LIBGL_ALWAYS_SOFTWARE=1 for
// Mesa's software renderer).
#include "BenchGlContext.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "view/Cls4.h"
#include "view/OutlineText.h"
#include "view/Scene.h"
#include "view/ViewState.h"


#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

const char* const kFunctions[20] = {
    "sin(x)",      "cos(x)",        "x/3",          "x^2/10",     "sqr(x+10)",
    "exp(x/8)",    "abs(x)-3",      "sin(2*x)",     "3*cos(x/2)", "x^3/100",
    "2*sin(x)+1",  "log(x+11)",      "1/(x^2+1)",    "x-sin(x)",   "cos(x)^2",
    "atan(x)",      "0.5*x+cos(3*x)", "sqr(abs(x))", "sin(x)/2-2", "(x-1)*(x+2)/8",
};

// The shown scene: the 20 sampled graphs, grid and axes as a 2D document.
void MakeScene(bool axes)
{
    g_ShownGraphs.FunSurfs.Clear();
    g_DocumentKind = DocumentKind2D;
    for (int32_t i = 0; i < 20; ++i) {
        GraphRef g = Cls9::Init(i + 1, QStringLiteral("f"), GraphType2DFunction,
                                CoordTypeCartesian2D, QStringLiteral("0"), QStringLiteral("x"),
                                QString::fromLatin1(kFunctions[i]), 1, 200, 0, 0, -10, 10,
                                FillStyleSingleColor, 0, 0, 0x000000FF + i * 0x000C0000, 1, 0,
                                ShowModelWireframe, SmoothnessSmooth);
        g->FunForm = FunFormExplicit;
        g->Show2DCurve = true;
        if (!g->GetPoints())
            std::fprintf(stderr, "sampling %s failed\n", kFunctions[i]);
        g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    }
    g_CoordSystem.Show = axes;
    g_CoordSystem.ShowprimaryGrid = axes;
}

// Only the graphs' own drawing (Cls9::Draw of each) compiled into a list.
void BM_DrawGraphsIntoList(benchmark::State& state)
{
    MakeScene(false);
    g_ShownGraphs.GetBox(0); // the scene scale
    const GLuint list = glGenLists(1);
    for (auto _ : state) {
        glNewList(list, GL_COMPILE);
        for (const GraphRef& g : g_ShownGraphs.FunSurfs)
            g->Draw();
        glEndList();
    }
    glDeleteLists(list, 1);
    state.SetItemsProcessed(state.iterations() * 20 * 200);
}
BENCHMARK(BM_DrawGraphsIntoList)->Unit(benchmark::kMillisecond);

// The scene list as the drawing area builds it: curves alone (0) or with
// background grid and axes with their labels (1).
void BM_BuildSceneLists(benchmark::State& state)
{
    MakeScene(state.range(0) != 0);
    for (auto _ : state)
        BuildSceneLists();
    state.SetItemsProcessed(state.iterations() * 20 * 200);
}
BENCHMARK(BM_BuildSceneLists)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One still frame: light, camera, clear and replaying the list, finished.
void BM_ShowFrame(benchmark::State& state)
{
    MakeScene(state.range(0) != 0);
    BuildSceneLists();
    for (auto _ : state)
        DrawSceneFrame(0); // ends with glFinish
}
BENCHMARK(BM_ShowFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a user waits for after ticking a graph: build the lists, show a frame.
void BM_BuildAndShow(benchmark::State& state)
{
    MakeScene(state.range(0) != 0);
    for (auto _ : state) {
        BuildSceneLists();
        DrawSceneFrame(0);
    }
}
BENCHMARK(BM_BuildAndShow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Peak memory of one 100,000-segment curve: sampled, compiled into the
// scene list and shown, over the same document that has already shown the
// curve at 200 segments with its axes and their labels. That first frame
// pays the driver's first-frame set-up (llvmpipe compiles its pipeline then)
// and the axes' label lists, which every document pays whatever its graphs;
// the figure left is what the dense curve itself costs. Run this benchmark
// alone (--benchmark_filter=DenseGraphMemory), so nothing before it raised
// the peak.
long PeakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void ShowCurve(int32_t segments)
{
    g_ShownGraphs.FunSurfs.Clear();
    g_DocumentKind = DocumentKind2D;
    GraphRef g = Cls9::Init(1, QStringLiteral("f"), GraphType2DFunction, CoordTypeCartesian2D,
                            QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("sin(x)*x^2"),
                            1, segments, 0, 0, -10, 10, FillStyleSingleColor, 0, 0, 0x0000FF, 1, 0,
                            ShowModelWireframe, SmoothnessSmooth);
    g->FunForm = FunFormExplicit;
    g->Show2DCurve = true;
    if (!g->GetPoints())
        std::fprintf(stderr, "sampling %d segments failed\n", segments);
    g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    g_CoordSystem.Show = true;
    BuildSceneLists();
    DrawSceneFrame(0);
}

void BM_DenseGraphMemory(benchmark::State& state)
{
    ShowCurve(200);
    const long before = PeakKiB();
    for (auto _ : state)
        ShowCurve(100000);
    state.counters["peak_MiB"] = static_cast<double>(PeakKiB() - before) / 1024.0;
}
BENCHMARK(BM_DenseGraphMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGlBenchmarks(argc, argv, kWidth, kHeight);
}
