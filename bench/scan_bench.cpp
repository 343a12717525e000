// Implicit and inequality scans in grid cells (nodes) per second, over the
// dialog's default range of -20 to 20 in both variables, next to a bare loop
// of evaluations of the same compiled expression: the difference is what
// the scan itself costs (node arithmetic, tests, storing marked points).
#include "sampling/ImplicitScan.h"
#include "expr/Cls6.h"
#include "expr/Module1.h"
#include "model/Cls9.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <thread>
#include <vector>

namespace {

std::shared_ptr<Cls9> ScanGraph(int32_t form, int32_t coord, const char* f, float lo, float hi)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType2DFunction;
    g->CoordType = coord;
    g->FunForm = form;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QString::fromLatin1(f);
    g->MinU = lo;
    g->MaxU = hi;
    g->MinV = lo;
    g->MaxV = hi;
    g->LineColor = 0xFF;
    return g;
}

void RunScan(benchmark::State& state, Cls9& g, int threads = 0)
{
    const QString txt = Module1::InsertImplicitMultiply(g.ExpressZ);
    int64_t nodes = 0;
    size_t marked = 0;
    for (auto _ : state) {
        Cls6 eval;
        const ScanPlan plan = PlanScan(g, 0, 1.0f, eval, txt, threads);
        nodes += plan.nodes;
        marked = plan.xy.size() / 2;
        benchmark::DoNotOptimize(plan.xy.data());
    }
    state.counters["cells_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["marked"] = static_cast<double>(marked);
}

// Argument: threads (0 all cores, 1 one thread).
void BM_ImplicitCircle(benchmark::State& state)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, "x^2+y^2-16", -20, 20);
    RunScan(state, *g, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ImplicitCircle)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InequalityDisc(benchmark::State& state)
{
    auto g = ScanGraph(FunFormInequality, CoordTypeCartesian2D, "x^2+y^2-100", -20, 20);
    RunScan(state, *g);
}
BENCHMARK(BM_InequalityDisc)->Unit(benchmark::kMillisecond);

void BM_ImplicitTrig(benchmark::State& state)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypeCartesian2D, "sin(x)*cos(y)-0.3", -20, 20);
    RunScan(state, *g, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ImplicitTrig)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same grid, test and stored points as a plain C++ loop of the same
// function, on one thread: what the scan would cost with the evaluator
// compiled in. The pair to compare is BM_ImplicitCircle/1 against
// BM_NativeScan/0, BM_ImplicitTrig/1 against BM_NativeScan/1. The scan
// works out the part of the function that depends on x alone (sin(x), x^2)
// once per row of nodes, so the loop here does too.
void BM_NativeScan(benchmark::State& state)
{
    const bool trig = state.range(0) != 0;
    int64_t nodes = 0;
    size_t marked = 0;
    for (auto _ : state) {
        std::vector<float> xy;
        for (int64_t ki = 0; ki <= 1600; ++ki) {
            const float p = static_cast<float>(-800.0 + static_cast<double>(ki)) / 40.0f;
            const double x = p;
            const double ofRow = trig ? std::sin(x) : x * x;
            for (int64_t kj = 0; kj <= 1600; ++kj) {
                const float q = static_cast<float>(-800.0 + static_cast<double>(kj)) / 40.0f;
                const double y = q;
                const double v = trig ? ofRow * std::cos(y) - 0.3 : ofRow + y * y - 16.0;
                if (std::fabs(static_cast<float>(v)) < ImplicitScanTolerance) {
                    xy.push_back(p);
                    xy.push_back(q);
                }
            }
        }
        nodes += 1601 * 1601;
        marked = xy.size() / 2;
        benchmark::DoNotOptimize(xy.data());
    }
    state.counters["cells_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["marked"] = static_cast<double>(marked);
}
BENCHMARK(BM_NativeScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PolarRing(benchmark::State& state)
{
    auto g = ScanGraph(FunFormImplicit, CoordTypePolar, "r-2-sin(3*a)", 0, 20);
    RunScan(state, *g);
}
BENCHMARK(BM_PolarRing)->Unit(benchmark::kMillisecond);

// The same number of evaluations as BM_ImplicitCircle, nothing else.
void BM_BareEvaluations(benchmark::State& state)
{
    Cls6 eval;
    QString buffer;
    eval.InfixToPostfix(QStringLiteral("x^2+y^2-16"), buffer);
    int64_t nodes = 0;
    for (auto _ : state) {
        float sum = 0;
        for (int i = -800; i <= 800; ++i)
            for (int j = -800; j <= 800; ++j) {
                float v = 0;
                eval.DoEvaluate(buffer, false, v, 0, 0, i / 40.0f, j / 40.0f, 0, 0, 0, 0, 0);
                sum += v;
            }
        nodes += 1601 * 1601;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["cells_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BareEvaluations)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
