// The document-wide budget of samples and implicit-scan nodes.
#include "io/DocumentBudget.h"

#include "sampling/ImplicitScan.h"
#include "io/DocumentLoad.h"
#include "io/DocumentReader.h"

#include <algorithm>

namespace {

bool IsScanned(const Cls9& g)
{
    return (g.GraphType == GraphType2DFunction || g.GraphType == GraphType2DFunctionAnimation) &&
           (g.FunForm == FunFormImplicit || g.FunForm == FunFormInequality);
}

// Adds without passing the limit that matters: anything above it is refused
// anyway, and huge counts must not overflow.
int64_t Capped(int64_t a, int64_t b)
{
    constexpr int64_t cap = int64_t(1) << 62;
    return a >= cap - b ? cap : a + b;
}

} // namespace

GraphWork WorkOfGraph(const Cls9& g, int32_t frameCount)
{
    GraphWork work;
    const int64_t frames = int64_t(frameCount == 0 ? 1 : std::max(frameCount, 0)) + 1;
    if (IsScanned(g)) {
        const int32_t density =
            g.FunForm == FunFormImplicit ? ImplicitScanDensity : InequalityScanDensity;
        const int64_t nu = ScanNodeCount(g.MinU, g.MaxU, density);
        const int64_t nv = ScanNodeCount(g.MinV, g.MaxV, density);
        const int64_t stride = ScanStride(nu, nv);
        int64_t nodes = ((nu + stride - 1) / stride) * ((nv + stride - 1) / stride);
        if (g.CoordType == CoordTypePolar)
            nodes *= 2; // the box is fitted by a pass of its own
        if (g.GraphType == GraphType2DFunctionAnimation)
            nodes *= frames;
        work.scanNodes = nodes;
    } else if (IsSampledGraphType(g.GraphType)) {
        work.samples = GraphSampleCount(g, frameCount);
    }
    return work;
}

QString DocumentBudgetProblem(const std::vector<GraphRef>& graphs, int32_t frameCount)
{
    GraphWork total;
    for (const GraphRef& g : graphs) {
        if (!g)
            continue;
        const GraphWork w = WorkOfGraph(*g, frameCount);
        total.samples = Capped(total.samples, w.samples);
        total.scanNodes = Capped(total.scanNodes, w.scanNodes);
    }
    if (total.samples > MaxDocumentSamples)
        return QStringLiteral("图形的采样点总数 %1 超过了本程序能绘制的 %2 个。"
                              "请减少图形个数或段数。")
            .arg(total.samples)
            .arg(MaxDocumentSamples);
    if (total.scanNodes > MaxDocumentScanNodes)
        return QStringLiteral("隐函数和不等式图形的扫描点总数 %1 超过了本程序能绘制的 %2 个。"
                              "请减少图形个数、帧数或缩小范围。")
            .arg(total.scanNodes)
            .arg(MaxDocumentScanNodes);
    return QString();
}
