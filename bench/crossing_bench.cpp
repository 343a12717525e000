// Planning the crossings of two curves, which compares every segment of one
// curve with every segment of the other (steps squared), with and without
// the enclosed area; and the tangent, normal and curvature overlays at 50
// positions each, which evaluate the derivative texts once per position.
// 10000 steps is the most the intersection dialog takes.
#include "draw/CurveIntersection.h"
#include "draw/TangentCurvature.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::shared_ptr<Cls9> Sampled(int32_t type, const char* f, const char* f2, int32_t steps)
{
    g_RangeMinX = g_RangeMinY = -20;
    g_RangeMaxX = g_RangeMaxY = 20;
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QString::fromLatin1(f);
    g->Exp2 = QString::fromLatin1(f2);
    g->MinV = -10;
    g->MaxV = 10;
    g->StepV = steps;
    g->Show2DCurve = true;
    if (!g->GetPoints())
        return nullptr;
    g->GetBox(0);
    return g;
}

void BM_Crossings(benchmark::State& state)
{
    const int32_t steps = static_cast<int32_t>(state.range(0));
    auto g = Sampled(GraphTypeCurveIntersection, "sin(x)", "0.1*x", steps);
    if (!g) {
        state.SkipWithError("sampling failed");
        return;
    }
    g->ShowInter = true;
    g->ShowArea = state.range(1) != 0;
    for (auto _ : state) {
        IntersectionPlan plan =
            PlanCurveIntersection(*g, QStringLiteral("sin(x)"), QStringLiteral("0.1*x"), 1.0f);
        benchmark::DoNotOptimize(plan.points.data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(steps) * steps);
}
BENCHMARK(BM_Crossings)
    ->ArgsProduct({{200, 1000, 2000, 10000}, {0, 1}})
    ->ArgNames({"steps", "area"})
    ->Unit(benchmark::kMillisecond);

void BM_TangentsToCurvature(benchmark::State& state)
{
    auto g = Sampled(GraphType2DFunction, "x*sin(x)+2", "0", 200);
    if (!g) {
        state.SkipWithError("sampling failed");
        return;
    }
    g->ShowQie = g->ShowNml = g->ShowGuai = g->ShowCurv = true;
    g->QieNum = g->NmlNum = g->CurvNum = 50;
    for (int32_t k = 1; k <= 50; ++k)
        g->QieX[k] = g->NmlX[k] = g->CurvX[k] = -9.5f + 0.38f * k;
    if (!g->GetPoints()) {
        state.SkipWithError("sampling failed");
        return;
    }
    for (auto _ : state) {
        Curve2DPlan plan;
        plan.curvePass = true;
        AppendTangentCurvature(*g, QStringLiteral("x"), QStringLiteral("x*sin(x)+2"), 1.0f, plan);
        benchmark::DoNotOptimize(plan.ops.data());
    }
}
BENCHMARK(BM_TangentsToCurvature)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
