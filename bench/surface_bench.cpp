// 2.5D bands: planning (normals and corner colours) per quad, next to the
// sampling of the same graph, which a new band always pays first.
#include "draw/Surface25D.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::shared_ptr<Cls9> Band(int32_t steps)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType25DFunction;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QStringLiteral("sin(x)*x^2");
    g->MinV = -3;
    g->MaxV = 3;
    g->StepU = 1;
    g->StepV = steps;
    g->FillStyle = FillStyleGradientTopBottom;
    g->FirstColor = 255;
    g->SecondColor = 0xFF0000;
    g->Show = ShowModelSurface;
    g->Smoothness = SmoothnessSmooth;
    return g;
}

void BM_SampleBand(benchmark::State& state)
{
    const auto steps = static_cast<int32_t>(state.range(0));
    auto g = Band(steps);
    for (auto _ : state) {
        const bool ok = g->GetPoints();
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(BM_SampleBand)->Arg(40)->Arg(10000)->Unit(benchmark::kMicrosecond);

// What Draw does for a band before its first OpenGL call: box (row 1) and
// the plan of every quad.
void BM_PlanBand(benchmark::State& state)
{
    const auto steps = static_cast<int32_t>(state.range(0));
    auto g = Band(steps);
    if (!g->GetPoints()) {
        state.SkipWithError("sampling failed");
        return;
    }
    for (auto _ : state) {
        g->GetBox(0);
        const SurfacePlan plan = PlanSurface(*g, 0);
        benchmark::DoNotOptimize(plan.quads.data());
    }
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(BM_PlanBand)->Arg(40)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
