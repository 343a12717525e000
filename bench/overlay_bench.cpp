// Planning the analysis overlays of one 2D function, as every rebuild of
// the display lists does: the integral (shading and value), the derivative
// curve with the extremes, and the arc length, next to the plain curve
// plan. The two integrals dominate: each is a trapezoid sum of up to 32769
// evaluations.
#include "draw/Curve2D.h"
#include "draw/FunctionOverlays.h"
#include "expr/Module1.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::shared_ptr<Cls9> Sampled(const char* f, bool integral, bool derivative, bool length)
{
    g_RangeMinX = g_RangeMinY = -20;
    g_RangeMaxX = g_RangeMaxY = 20;
    g_RangeMinZ = -50;
    g_RangeMaxZ = 50;
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType2DFunction;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QString::fromLatin1(f);
    g->MinV = -10;
    g->MaxV = 10;
    g->StepV = 200;
    g->Show2DCurve = true;
    g->ShowInt = integral;
    g->IntFrom = -3;
    g->IntTo = 7;
    g->ShowDev = g->ShowMax = g->ShowMin = derivative;
    g->ShowLen = length;
    g->LenFrom = -5;
    g->LenTo = 5;
    if (!g->GetPoints())
        return nullptr;
    g->GetBox(0);
    return g;
}

void Run(benchmark::State& state, bool integral, bool derivative, bool length)
{
    auto g = Sampled("x*sin(x)+2", integral, derivative, length);
    if (!g) {
        state.SkipWithError("sampling failed");
        return;
    }
    const QString x = Module1::InsertImplicitMultiply(g->ExpressX);
    const QString y = Module1::InsertImplicitMultiply(g->ExpressY);
    const QString z = Module1::InsertImplicitMultiply(g->ExpressZ);
    for (auto _ : state) {
        Curve2DPlan plan = PlanCurve2D(*g, 0, 1.0f);
        std::vector<ShadePiece> shading;
        AddIntegral(*g, z, 1.0f, plan, shading);
        AddAfterPassOverlays(*g, x, y, z, 1.0f, plan);
        benchmark::DoNotOptimize(plan.ops.data());
        benchmark::DoNotOptimize(shading.data());
    }
}

void BM_CurveOnly(benchmark::State& state) { Run(state, false, false, false); }
BENCHMARK(BM_CurveOnly)->Unit(benchmark::kMicrosecond);

void BM_Integral(benchmark::State& state) { Run(state, true, false, false); }
BENCHMARK(BM_Integral)->Unit(benchmark::kMicrosecond);

void BM_DerivativeAndExtremes(benchmark::State& state) { Run(state, false, true, false); }
BENCHMARK(BM_DerivativeAndExtremes)->Unit(benchmark::kMicrosecond);

void BM_ArcLength(benchmark::State& state) { Run(state, false, false, true); }
BENCHMARK(BM_ArcLength)->Unit(benchmark::kMicrosecond);

void BM_AllOverlays(benchmark::State& state) { Run(state, true, true, true); }
BENCHMARK(BM_AllOverlays)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
