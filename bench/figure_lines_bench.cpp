// Cost of a densely sampled plane figure: the parabola y^2 = 4x of the
// demo document at 10^2 (as its dialog makes it), 10^3, 10^5 and 10^6
// steps, as a shown 2D scene with axes: sampling, the scene list build and
// one frame replayed from it; and the sub-pixel merge alone on as dense a
// parabola and on a noisy curve. Run under xvfb-run with
// LIBGL_ALWAYS_SOFTWARE=1 for Mesa's software renderer.
#include "BenchGlContext.h"
#include "draw/PlaneFigures.h"
#include "draw/SegmentMerge.h"
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

#include <cmath>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

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

// The figure's plan alone: segments and texts, no OpenGL. `segments` is
// how many lines the plan draws.
void BM_PlanParabola(benchmark::State& state)
{
    const GraphRef g = Parabola(static_cast<int32_t>(state.range(0)));
    g->GetPoints();
    size_t lines = 0;
    for (auto _ : state) {
        const PlaneFigurePlan plan = PlanPlaneFigure(*g, 1.0f);
        lines = 0;
        for (const DrawOp& op : plan.ops)
            lines += op.kind == DrawOp::Kind::Line;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["segments"] = static_cast<double>(lines);
}
BENCHMARK(BM_PlanParabola)->Arg(100)->Arg(1000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// Segments joining consecutive points (x(t), y(t)), t = -1 .. 1 in n steps.
template <typename F>
std::vector<float> Polyline(int n, F xy)
{
    std::vector<float> s;
    s.reserve(size_t(n) * 6);
    auto [ax, ay] = xy(-1.0);
    for (int i = 1; i <= n; ++i) {
        const auto [bx, by] = xy(-1.0 + 2.0 * i / n);
        s.insert(s.end(), {float(ax), float(ay), 0.0f, float(bx), float(by), 0.0f});
        ax = bx;
        ay = by;
    }
    return s;
}

// Merges `in` once an iteration; counts the segments in and the chords out.
void MergeInto(benchmark::State& state, const std::vector<float>& in)
{
    size_t out = 0;
    for (auto _ : state) {
        const std::vector<float> chords = MergeShortSegments(in);
        out = chords.size() / 6;
        benchmark::DoNotOptimize(chords.data());
    }
    state.counters["segments_in"] = static_cast<double>(in.size() / 6);
    state.counters["segments_out"] = static_cast<double>(out);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(in.size() / 6));
}

// The merge alone on one run: a parabola on its side through its vertex,
// 4 units tall, as the figure's samples come at 10^5 and 10^6 steps.
void BM_MergeParabola(benchmark::State& state)
{
    MergeInto(state, Polyline(static_cast<int>(state.range(0)), [](double t) {
                  return std::pair{t * t, 2.0 * t};
              }));
}
BENCHMARK(BM_MergeParabola)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A wave with noise of about the tolerance on every sample: the run turns
// back on itself all the time.
void BM_MergeNoisyCurve(benchmark::State& state)
{
    std::mt19937 random(7);
    MergeInto(state, Polyline(static_cast<int>(state.range(0)), [&](double t) {
                  const double noise = (random() / 4294967296.0 - 0.5) * 2.0 * kMergeTolerance;
                  return std::pair{2.0 * t, 0.5 * std::sin(3.0 * t) + noise};
              }));
}
BENCHMARK(BM_MergeNoisyCurve)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
