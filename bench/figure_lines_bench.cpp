// Cost of a densely sampled plane figure: the parabola y^2 = 4x of the
// demo document at 10^2 (as its dialog makes it), 10^3, 10^5 and 10^6
// steps, as a shown 2D scene with axes: sampling, the scene list build and
// one frame replayed from it. Run under xvfb-run with LIBGL_ALWAYS_SOFTWARE=1
// for Mesa's software renderer.
#include "BenchGlContext.h"
#include "draw/PlaneFigures.h"
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

#include <cstdio>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

GraphRef Parabola(int32_t steps)
{
    GraphRef g = Cls9::Init(1, QStringLiteral("y^2=4x"), GraphTypeParabola, CoordTypeCartesian2D,
                            QStringLiteral("0"), QStringLiteral("x"),
                            QStringLiteral("sqr(2*(2)*(x-(0)))+(0)"), 1, steps, 0, 1, 0, 8,
                            FillStyleSingleColor, 0xFF0000, 0xFF0000, 0, 2, MaterialPresetMetal,
                            ShowModelWireframe, SmoothnessSmoother);
    g->FunForm = FunFormExplicit;
    g->GParaType = ParabolaFormHorizontal;
    g->GPara3 = 2;
    g->GParaColor = 0xFF0000;
    g->GParaWidth = 2;
    g->GParaCompute = true;
    return g;
}

// The shown scene: the sampled parabola with grid and axes, as a 2D document.
void MakeScene(int32_t steps)
{
    g_ShownGraphs.FunSurfs.Clear();
    g_DocumentKind = DocumentKind2D;
    GraphRef g = Parabola(steps);
    if (!g->GetPoints())
        std::fprintf(stderr, "sampling failed\n");
    g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    g_CoordSystem.Show = true;
    g_CoordSystem.ShowprimaryGrid = true;
}

// Sampling alone, for comparison with the drawing below.
void BM_SampleParabola(benchmark::State& state)
{
    const GraphRef g = Parabola(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(g->GetPoints());
}
BENCHMARK(BM_SampleParabola)->Arg(100)->Arg(1000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The figure's plan alone: segments and texts, no OpenGL.
void BM_PlanParabola(benchmark::State& state)
{
    const GraphRef g = Parabola(static_cast<int32_t>(state.range(0)));
    g->GetPoints();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanPlaneFigure(*g, 1.0f));
}
BENCHMARK(BM_PlanParabola)->Arg(100)->Arg(1000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The scene lists as the drawing area builds them after a document opens.
void BM_BuildParabolaScene(benchmark::State& state)
{
    MakeScene(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        BuildSceneLists();
}
BENCHMARK(BM_BuildParabolaScene)->Arg(100)->Arg(1000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// One frame of a repaint or resize: light, camera, clear and the list.
void BM_ShowParabolaFrame(benchmark::State& state)
{
    MakeScene(static_cast<int32_t>(state.range(0)));
    BuildSceneLists();
    for (auto _ : state)
        DrawSceneFrame(0); // ends with glFinish
}
BENCHMARK(BM_ShowParabolaFrame)->Arg(100)->Arg(1000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGlBenchmarks(argc, argv, kWidth, kHeight, [] {
        g_RangeMinX = g_RangeMinY = -20;
        g_RangeMaxX = g_RangeMaxY = 20;
        // The driver sets its pipeline up at the first frame; no benchmark pays it.
        MakeScene(100);
        BuildSceneLists();
        DrawSceneFrame(0);
    });
}
