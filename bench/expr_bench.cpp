// ns per evaluation of a compiled expression, this program's evaluator
// beside muparser on the same expressions and the same sample values.
#include "expr/Cls6.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Case {
    const char* ours;
    const char* muparser;
};

const Case kCases[] = {
    {"sin(x)*cos(x)+x^2", "sin(x)*cos(x)+x^2"},
    {"x^3-2*x+1", "x^3-2*x+1"},
    {"(x^2+y^2-1)^3-x^2*y^3", "(x^2+y^2-1)^3-x^2*y^3"},
    {"sqr(x^2+y^2)", "sqrt(x^2+y^2)"},
};

// Sample points as a scan of a plot would visit them.
constexpr int kPoints = 1024;

struct Points {
    std::vector<float> x, y;
    Points()
    {
        for (int k = 0; k < kPoints; ++k) {
            x.push_back(-1.5f + 3.0f * float(k) / kPoints);
            y.push_back(1.25f - 2.5f * float((k * 37) % kPoints) / kPoints);
        }
    }
};
const Points kPointsXY;

void Ours(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    Cls6 calc;
    QString buffer;
    if (calc.InfixToPostfix(QString::fromLatin1(c.ours), buffer) != 0) {
        state.SkipWithError("does not compile");
        return;
    }
    float out = 0;
    int k = 0;
    for (auto _ : state) {
        calc.DoEvaluate(buffer, false, out, 0, 0, kPointsXY.x[k], kPointsXY.y[k], 0, 0, 0, 0, 0);
        benchmark::DoNotOptimize(out);
        k = (k + 1) & (kPoints - 1);
    }
    state.SetLabel(c.ours);
}

void MuParser(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    mu::Parser parser;
    double x = 0, y = 0;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(c.muparser);
    parser.Eval(); // build its bytecode outside the loop
    int k = 0;
    for (auto _ : state) {
        x = kPointsXY.x[k];
        y = kPointsXY.y[k];
        double v = parser.Eval();
        benchmark::DoNotOptimize(v);
        k = (k + 1) & (kPoints - 1);
    }
    state.SetLabel(c.muparser);
}

// The same expressions compiled in, as double arithmetic like the
// evaluator's: the floor any evaluator is measured against.
double NativeValue(int which, double x, double y)
{
    switch (which) {
    case 0: return std::sin(x) * std::cos(x) + x * x;
    case 1: return x * x * x - 2 * x + 1;
    case 2: {
        const double r = x * x + y * y - 1;
        return r * r * r - x * x * y * y * y;
    }
    default: return std::sqrt(x * x + y * y);
    }
}

void Native(benchmark::State& state)
{
    const int which = static_cast<int>(state.range(0));
    int k = 0;
    for (auto _ : state) {
        float out = static_cast<float>(NativeValue(which, kPointsXY.x[k], kPointsXY.y[k]));
        benchmark::DoNotOptimize(out);
        k = (k + 1) & (kPoints - 1);
    }
    state.SetLabel(kCases[state.range(0)].ours);
}

// Row evaluation: the 1024 points in one call, as a scan makes them (x
// varies along the row, y is fixed); time per point.
void OursRow(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    Cls6 calc;
    QString buffer;
    calc.InfixToPostfix(QString::fromLatin1(c.ours), buffer);
    if (!calc.CanEvaluateRow(buffer)) {
        state.SkipWithError("no row evaluation");
        return;
    }
    std::vector<float> out(kPoints);
    std::vector<Cls6::RowOutcome> outcome(kPoints);
    const float fixed[8] = {0, 0, 0, 0.5f, 0, 0, 0, 0};
    for (auto _ : state) {
        calc.EvaluateRow(buffer, false, fixed, 0, 2, kPointsXY.x.data(), kPoints, out.data(),
                         outcome.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
    state.SetLabel(c.ours);
}

// The first evaluation of a buffer reads it; every later one reuses that.
void OursFirstEvaluation(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    QString buffer;
    Cls6().InfixToPostfix(QString::fromLatin1(c.ours), buffer);
    float out = 0;
    for (auto _ : state) {
        Cls6 calc;
        calc.DoEvaluate(buffer, false, out, 0, 0, 0.5f, 0.25f, 0, 0, 0, 0, 0);
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(c.ours);
}

} // namespace

BENCHMARK(Ours)->DenseRange(0, 3);
BENCHMARK(MuParser)->DenseRange(0, 3);
BENCHMARK(Native)->DenseRange(0, 3);
BENCHMARK(OursRow)->DenseRange(0, 3);
BENCHMARK(OursFirstEvaluation)->DenseRange(0, 3);

BENCHMARK_MAIN();
