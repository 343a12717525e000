// Sampling speed in points per second, next to a bare loop of evaluations of
// the same compiled expression: the difference is what sampling itself costs
// (grids of fresh points, sample values, clipping).
#include "expr/Cls6.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

extern char** environ;

namespace {

constexpr int kSegments2D = 10000;
constexpr int kSegments25D = 1000;
constexpr int kFrames = 10;

std::shared_ptr<Cls9> Graph(int32_t type, const char* expr, int32_t steps)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QString::fromLatin1(expr);
    g->MinV = -3;
    g->MaxV = 3;
    g->StepV = steps;
    g->StepU = 1;
    g->MinT = 0;
    g->MaxT = 2;
    g->Animation = type == GraphType25DFunctionAnimation;
    return g;
}

void BM_Sample2DExplicit(benchmark::State& state)
{
    auto g = Graph(GraphType2DFunction, "sin(x)*x^2", kSegments2D);
    for (auto _ : state) {
        const bool ok = g->GetPoints();
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * (kSegments2D + 1));
}
BENCHMARK(BM_Sample2DExplicit)->Unit(benchmark::kMillisecond);

// The first sampling of a new graph also allocates its grids.
void BM_Sample2DExplicitNewGraph(benchmark::State& state)
{
    for (auto _ : state) {
        auto g = Graph(GraphType2DFunction, "sin(x)*x^2", kSegments2D);
        const bool ok = g->GetPoints();
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * (kSegments2D + 1));
}
BENCHMARK(BM_Sample2DExplicitNewGraph)->Unit(benchmark::kMillisecond);

// A dense curve: its first sampling (grids allocated) against sampling it
// again, and the heap it holds once sampled (bytes over the empty heap).
constexpr int kDense2D = 100000;

void BM_SampleDense2D(benchmark::State& state)
{
    auto g = Graph(GraphType2DFunction, "sin(x)*x^2", kDense2D);
    g->GetPoints();
    for (auto _ : state) {
        const bool ok = g->GetPoints();
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * (kDense2D + 1));
}
BENCHMARK(BM_SampleDense2D)->Unit(benchmark::kMillisecond);

size_t HeapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The first dense graph of a session, as a user meets it. Sampled in a loop
// in one process, each new graph would reuse the heap the previous one freed
// and the figure would be little above sampling again; a user's first dense
// graph gets its memory from the system (page faults, the heap growing)
// instead. So each measured sampling runs in a fresh copy of this program
// (started with kDenseChildFlag), which first samples a small graph of the
// same function, as the program has drawn something before, and then times
// the new dense one; the time reported is the child's, process start-up
// excluded (the CPU column is this parent's and means nothing here).
constexpr const char* kDenseChildFlag = "--dense-new-graph-child";

int DenseNewGraphChild()
{
    {
        auto before = Graph(GraphType2DFunction, "sin(x)*x^2", 200);
        if (!before->GetPoints())
            return 1;
    }
    const size_t heapBefore = HeapInUse();
    const auto start = std::chrono::steady_clock::now();
    auto g = Graph(GraphType2DFunction, "sin(x)*x^2", kDense2D);
    const bool ok = g->GetPoints();
    const auto end = std::chrono::steady_clock::now();
    const size_t held = HeapInUse() - heapBefore;
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count();
    std::printf("%lld %zu\n", ns, held);
    return ok ? 0 : 1;
}

// Runs the child and reads its figures; false when it could not run or failed.
bool RunDenseNewGraphChild(double& seconds, double& heldBytes)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    // Resolved in the child before it runs anything else: this program.
    char self[] = "/proc/self/exe";
    std::string flag = kDenseChildFlag;
    char* args[] = {self, flag.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string text;
    if (spawned == 0) {
        char buf[256];
        for (;;) {
            const ssize_t n = read(fds[0], buf, sizeof buf);
            if (n > 0)
                text.append(buf, static_cast<size_t>(n));
            else if (n == 0 || errno != EINTR)
                break;
        }
    }
    close(fds[0]);
    if (spawned != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    long long ns = 0;
    size_t held = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(text.c_str(), "%lld %zu", &ns, &held) != 2)
        return false;
    seconds = static_cast<double>(ns) * 1e-9;
    heldBytes = static_cast<double>(held);
    return true;
}

void BM_SampleDense2DNewGraph(benchmark::State& state)
{
    double held = 0;
    for (auto _ : state) {
        double seconds = 0;
        if (!RunDenseNewGraphChild(seconds, held)) {
            state.SkipWithError("the sampling child failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.SetItemsProcessed(state.iterations() * (kDense2D + 1));
    state.counters["held_MiB"] = held / (1024.0 * 1024.0);
}
BENCHMARK(BM_SampleDense2DNewGraph)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Evaluate2DExplicit(benchmark::State& state)
{
    Cls6 eval;
    QString buffer;
    eval.InfixToPostfix(QStringLiteral("sin(x)*x^2"), buffer);
    const float dv = 6.0f / kSegments2D;
    for (auto _ : state) {
        for (int i = 0; i <= kSegments2D; ++i) {
            const float s = static_cast<float>(-3.0 + i * static_cast<double>(dv));
            float r = 0;
            eval.DoEvaluate(buffer, false, r, 0, 0, s, 0, 0, 0, 0, 0, 0);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * (kSegments2D + 1));
}
BENCHMARK(BM_Evaluate2DExplicit)->Unit(benchmark::kMillisecond);

void BM_SampleAnimated25D(benchmark::State& state)
{
    g_FrameCount = kFrames;
    auto g = Graph(GraphType25DFunctionAnimation, "sin(x+t)", kSegments25D);
    for (auto _ : state) {
        const bool ok = g->GetPoints();
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * (kSegments25D + 1) * (kFrames + 1));
}
BENCHMARK(BM_SampleAnimated25D)->Unit(benchmark::kMillisecond);

void BM_EvaluateAnimated25D(benchmark::State& state)
{
    Cls6 eval;
    QString buffer;
    eval.InfixToPostfix(QStringLiteral("sin(x+t)"), buffer);
    const float dv = 6.0f / kSegments25D;
    const float dt = 2.0f / kFrames;
    for (auto _ : state) {
        for (int i = 0; i <= kSegments25D; ++i) {
            for (int k = 0; k <= kFrames; ++k) {
                const float s = static_cast<float>(-3.0 + i * static_cast<double>(dv));
                const float t = static_cast<float>(k * static_cast<double>(dt));
                float r = 0;
                eval.DoEvaluate(buffer, false, r, 0, 0, s, 0, 0, 0, 0, t, 0);
                benchmark::DoNotOptimize(r);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * (kSegments25D + 1) * (kFrames + 1));
}
BENCHMARK(BM_EvaluateAnimated25D)->Unit(benchmark::kMillisecond);

// The box of every frame of the animated ribbon, as the display-list builder asks.
void BM_BoxAnimated25D(benchmark::State& state)
{
    g_FrameCount = kFrames;
    auto g = Graph(GraphType25DFunctionAnimation, "sin(x+t)", kSegments25D);
    g->GetPoints();
    for (auto _ : state) {
        for (int k = 0; k <= kFrames; ++k)
            benchmark::DoNotOptimize(g->GetBox(k));
    }
    state.SetItemsProcessed(state.iterations() * (kSegments25D + 1) * (kFrames + 1));
}
BENCHMARK(BM_BoxAnimated25D)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], kDenseChildFlag) == 0)
        return DenseNewGraphChild();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
