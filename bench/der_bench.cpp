// Making derivative texts: the analysis overlays make up to six per
// sampling and drawing makes its own, so each should cost little next to
// the sampling itself.
#include "expr/Der.h"
#include "expr/Module1.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kExpressions[] = {
    "x^2+3*x-5",
    "sin(x^2)",
    "x^3-2*x^2+x",
    "exp(-x^2)*cos(3*x)",
    "(x+1)/(x-1)",
    "sqr(1-x^2)+log(x^2+1)",
};

void FirstDerivative(benchmark::State& state)
{
    const QString text = Module1::InsertImplicitMultiply(kExpressions[state.range(0)]);
    QString d;
    for (auto _ : state) {
        Der::DerivativeText(text, d);
        benchmark::DoNotOptimize(d);
    }
    state.SetLabel(text.toStdString() + " -> " + std::to_string(d.size()) + " chars");
}

void SecondDerivative(benchmark::State& state)
{
    const QString text = Module1::InsertImplicitMultiply(kExpressions[state.range(0)]);
    QString d1, d2;
    for (auto _ : state) {
        Der::DerivativeText(text, d1);
        Der::DerivativeText(d1, d2);
        benchmark::DoNotOptimize(d2);
    }
    state.SetLabel(text.toStdString() + " -> " + std::to_string(d2.size()) + " chars");
}

// The three steps of one derivative on their own.
void Steps(benchmark::State& state)
{
    const QString text = "exp(-x^2)*cos(3*x)";
    QString err;
    bool ok = true;
    const clsPolish list = Der::ParseToPolish(text, err, ok);
    const clsPolish d = Der::Differentiate(list);
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(Der::ParseToPolish(text, err, ok));
            break;
        case 1:
            benchmark::DoNotOptimize(Der::Differentiate(list));
            break;
        default:
            benchmark::DoNotOptimize(Der::PolishToInfix(d));
        }
    }
    state.SetLabel(state.range(0) == 0 ? "parse" : state.range(0) == 1 ? "differentiate" : "print");
}

} // namespace

BENCHMARK(FirstDerivative)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(SecondDerivative)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(Steps)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
