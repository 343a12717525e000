// Documents of 25 graphs (the most a 5,000-token document held): writing,
// reading and checking, against sampling the same graphs, which opening a
// document does after reading it.
#include "io/DocumentReader.h"
#include "io/DocumentWriter.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Globals.h"

#include <benchmark/benchmark.h>

namespace {

// 25 explicit 2D functions of 200 segments, named, with a few analysis
// positions, as a user's document would hold them.
Cls8 MakeScene()
{
    Cls8 scene;
    for (int32_t id = 1; id <= 25; ++id) {
        auto g = std::make_shared<Cls9>();
        g->GraphType = GraphType2DFunction;
        g->ID = id;
        g->NameS = QStringLiteral("函数 %1").arg(id);
        g->CoordType = CoordTypeCartesian2D;
        g->FunForm = FunFormExplicit;
        g->ExpressX = "0";
        g->ExpressY = "x";
        g->ExpressZ = QStringLiteral("sin(%1*x)*x+%2").arg(id).arg(id * 0.25);
        g->StepU = 1;
        g->StepV = 200;
        g->MinV = -10.0f;
        g->MaxV = 10.0f;
        g->LineColor = 255 * id;
        g->LineWidth = 1;
        g->QieNum = 2;
        g->QieX[1] = 0.5f;
        g->QieX[2] = -1.25f;
        scene.FunSurfs.Add(g, QString::number(id));
    }
    return scene;
}

const Cls8& Scene()
{
    static Cls8 scene = MakeScene();
    return scene;
}

QByteArray DocumentBytes()
{
    Cls3 axes;
    axes.Show = true;
    auto text = BuildDocumentText(DocumentKind2D, Scene(), axes, nullptr);
    return BuildDocumentFile(text.value(), nullptr).value();
}

void BM_WriteDocument25(benchmark::State& state)
{
    Cls3 axes;
    axes.Show = true;
    for (auto _ : state) {
        auto text = BuildDocumentText(DocumentKind2D, Scene(), axes, nullptr);
        auto bytes = BuildDocumentFile(*text, nullptr);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * DocumentBytes().size());
}
BENCHMARK(BM_WriteDocument25);

void BM_ReadDocument25(benchmark::State& state)
{
    const QByteArray bytes = DocumentBytes();
    const Cls3 axes;
    for (auto _ : state) {
        auto doc = ParseDocumentFile(bytes, axes, {10, 10}, nullptr);
        if (!doc || doc->graphs.size() != 25)
            state.SkipWithError("document not read");
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadDocument25);

// What opening does next: sample every graph read.
void BM_SampleDocument25(benchmark::State& state)
{
    auto doc = ParseDocumentFile(DocumentBytes(), Cls3(), {10, 10}, nullptr);
    for (auto _ : state) {
        for (const GraphRef& g : doc->graphs)
            benchmark::DoNotOptimize(g->GetPoints());
    }
}
BENCHMARK(BM_SampleDocument25);

} // namespace

BENCHMARK_MAIN();
