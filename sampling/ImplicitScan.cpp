// Implicit and inequality scans: node counts, the scan over rows of nodes
// (split over threads) and the polar scan box.
#include "sampling/ImplicitScan.h"

#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "model/Cls1.h"
#include "model/Cls9.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>
#include <thread>

int64_t ScanNodeCount(float lo, float hi, int32_t density)
{
    const float first = lo * static_cast<float>(density);
    const float last = hi * static_cast<float>(density);
    if (!std::isfinite(first) || !std::isfinite(last) || last < first)
        return 0;
    // The difference of two floats is exact in double.
    const double span = std::floor(static_cast<double>(last) - static_cast<double>(first));
    // Beyond any count a scan could finish; the stride takes care of it.
    if (span >= 9.0e15)
        return int64_t(9'000'000'000'000'000);
    return static_cast<int64_t>(span) + 1;
}

int64_t ScanStride(int64_t nu, int64_t nv)
{
    int64_t stride = 1;
    auto along = [&](int64_t n) { return (n + stride - 1) / stride; };
    // Compared by division: the product of two huge counts would overflow.
    auto tooMany = [&] {
        const int64_t a = along(nu);
        const int64_t b = along(nv);
        return a > 0 && b > 0 && a > MaxScanNodes / b;
    };
    while (tooMany())
        stride *= 2;
    return stride;
}

namespace {

// The nodes of a scan, row by row: a row is one value of the first variable
// (x or the angle) and every node of the second.
struct RowScan {
    bool cartesian = true;
    bool implicit = true;
    bool draw = true;
    bool rowsAtOnce = false; // the whole row in one EvaluateRow call
    float scale = 1.0f;
    float d = 1.0f;
    float t = 0.0f;
    int64_t stride = 1;
    int64_t nv = 0;
    double i0 = 0.0, j0 = 0.0;

    // What a run over some rows found.
    struct Part {
        int64_t nodes = 0;
        std::vector<float> xy;
        float minX = 1000.0f, maxX = -1000.0f;
        float minY = 1000.0f, maxY = -1000.0f;
    };

    bool Hit(float v) const { return implicit ? std::fabs(v) < ImplicitScanTolerance : v < 0.0f; }

    void Mark(float p, float q, double cosP, double sinP, float v, Part& out) const
    {
        if (!Hit(v))
            return;
        if (cartesian) {
            if (draw) {
                out.xy.push_back(p / scale);
                out.xy.push_back(q / scale);
            }
            return;
        }
        const float px = static_cast<float>(q * cosP);
        const float py = static_cast<float>(q * sinP);
        if (draw) {
            out.xy.push_back(px / scale);
            out.xy.push_back(py / scale);
        }
        out.minX = std::min(out.minX, px);
        out.maxX = std::max(out.maxX, px);
        out.minY = std::min(out.minY, py);
        out.maxY = std::max(out.maxY, py);
    }

    // Rows firstRow .. lastRow - 1 (counted in strides).
    void Run(Cls6& evaluator, const QString& buffer, int64_t firstRow, int64_t lastRow,
             Part& out) const
    {
        // A row is evaluated in pieces of this many nodes.
        constexpr int64_t kPiece = 4096;
        std::vector<float> qs, values;
        std::vector<Cls6::RowOutcome> outcomes;
        int oneRowPiece = 0;
        if (rowsAtOnce) {
            qs.resize(kPiece);
            values.resize(kPiece);
            outcomes.resize(kPiece);
            if ((nv + stride - 1) / stride <= kPiece) {
                for (int64_t kj = 0; kj < nv; kj += stride)
                    qs[static_cast<size_t>(oneRowPiece++)] =
                        static_cast<float>(j0 + static_cast<double>(kj)) / d;
            }
        }
        // x y, or a r, are arguments 2 3 or 4 5 of the evaluator.
        const int first = cartesian ? 2 : 4;
        float fixed[8] = {0, 0, 0, 0, 0, 0, 0, t};
        for (int64_t row = firstRow; row < lastRow; ++row) {
            const int64_t ki = row * stride;
            const float p = static_cast<float>(i0 + static_cast<double>(ki)) / d;
            const double cosP = std::cos(static_cast<double>(p));
            const double sinP = std::sin(static_cast<double>(p));
            if (rowsAtOnce) {
                fixed[first] = p;
                for (int64_t kj = 0; kj < nv;) {
                    int n = 0;
                    // Every row has the same second values: a row of one
                    // piece reuses them.
                    if (kj == 0 && oneRowPiece > 0) {
                        n = oneRowPiece;
                        kj = nv;
                    } else {
                        for (; n < kPiece && kj < nv; ++n, kj += stride)
                            qs[static_cast<size_t>(n)] =
                                static_cast<float>(j0 + static_cast<double>(kj)) / d;
                    }
                    evaluator.EvaluateRow(buffer, false, fixed, 0, first + 1, qs.data(), n,
                                          values.data(), outcomes.data());
                    out.nodes += n;
                    // Most nodes are not marked: a pass that vectorises
                    // finds the blocks that hold one.
                    constexpr int kBlock = 64;
                    for (int b0 = 0; b0 < n; b0 += kBlock) {
                        const int b1 = std::min(n, b0 + kBlock);
                        int any = 0;
                        for (int k = b0; k < b1; ++k)
                            any |= Hit(values[static_cast<size_t>(k)]) &
                                   (values[static_cast<size_t>(k)] != UndefinedSample) &
                                   (outcomes[static_cast<size_t>(k)] != Cls6::RowOutcome::Error);
                        if (!any)
                            continue;
                        for (int k = b0; k < b1; ++k) {
                            const size_t kk = static_cast<size_t>(k);
                            if (outcomes[kk] == Cls6::RowOutcome::Error || values[kk] == UndefinedSample)
                                continue;
                            Mark(p, qs[kk], cosP, sinP, values[kk], out);
                        }
                    }
                }
                continue;
            }
            for (int64_t kj = 0; kj < nv; kj += stride) {
                const float q = static_cast<float>(j0 + static_cast<double>(kj)) / d;
                ++out.nodes;
                float v = 0.0f;
                bool ok = false;
                // One node that overflows (say exp(x*y) far out) is a point
                // f has no value at, not a reason to drop the whole graph.
                try {
                    ok = cartesian
                             ? evaluator.DoEvaluate(buffer, false, v, 0, 0, p, q, 0, 0, 0, t, 0)
                             : evaluator.DoEvaluate(buffer, false, v, 0, 0, 0, 0, p, q, 0, t, 0);
                } catch (const ExprError&) {
                    ok = false;
                }
                if (!ok || v == UndefinedSample)
                    continue;
                Mark(p, q, cosP, sinP, v, out);
            }
        }
    }
};

// The scan itself. `draw` false is the box pass of FitPolarScanBox: the same
// nodes and test, but no points kept and the graph's own extents untouched.
ScanPlan RunScan(Cls9& g, int32_t lngAnimStep, float scale, Cls6& evaluator,
                 const QString& txtZ, bool draw, int threads)
{
    ScanPlan plan;
    const bool implicit = g.FunForm == FunFormImplicit;
    const int32_t density = implicit ? ImplicitScanDensity : InequalityScanDensity;
    const float d = static_cast<float>(density);

    // The frame value of an animated graph. A frame count of 0 counts as 1,
    // as in sampling, rather than dividing by zero.
    float t = 0.0f;
    if (g.GraphType == GraphType2DFunctionAnimation) {
        const int32_t steps = std::max<int32_t>(g.StepT(), 1);
        t = g.MinT + static_cast<float>(lngAnimStep) * (g.MaxT - g.MinT) /
                         static_cast<float>(steps);
    }

    QString buffer;
    if (draw) {
        if (evaluator.InfixToPostfix(txtZ, buffer) != 0)
            return plan;
    } else {
        // The drawing reports a bad expression; the box pass stays quiet.
        struct Quiet {
            MessageHandler previous =
                SetMessageHandler([](const MessageRequest&) { return MsgAnswer::Ok; });
            ~Quiet() { SetMessageHandler(previous); }
        } quiet;
        if (evaluator.InfixToPostfix(txtZ, buffer) != 0)
            return plan;
    }

    plan.drawn = true;
    plan.color = g.LineColor;
    plan.pointSize = implicit ? 2.0f : 3.0f;
    const bool cartesian = g.CoordType == CoordTypeCartesian2D;
    plan.polar = g.CoordType == CoordTypePolar;
    const bool animated = g.GraphType == GraphType2DFunctionAnimation;

    float minX = 1000.0f, maxX = -1000.0f;
    float minY = 1000.0f, maxY = -1000.0f;
    if (draw) {
        g.BoxMinX = g.BoxMinY = g.BoxMinZ = 1000.0f;
        g.BoxMaxX = g.BoxMaxY = g.BoxMaxZ = -1000.0f;
    }

    const int64_t nu = ScanNodeCount(g.MinU, g.MaxU, density);
    const int64_t nv = ScanNodeCount(g.MinV, g.MaxV, density);
    plan.stride = ScanStride(nu, nv);
    const int64_t stride = plan.stride;

    // An empty range along either variable has no nodes at all: walking the
    // other one would only count to nothing (up to 9e15 times).
    if ((cartesian || plan.polar) && nu > 0 && nv > 0) {
        RowScan scan;
        scan.cartesian = cartesian;
        scan.implicit = implicit;
        scan.draw = draw;
        scan.scale = scale;
        scan.d = d;
        scan.t = animated ? t : 0.0f;
        scan.stride = stride;
        scan.nv = nv;
        // Counters are whole steps from the first node: a float counter stops
        // advancing once it passes 2^24 and the loop would never end.
        scan.i0 = static_cast<double>(g.MinU * d);
        scan.j0 = static_cast<double>(g.MinV * d);
        const int64_t rows = (nu + stride - 1) / stride;
        const int64_t perRow = (nv + stride - 1) / stride;

        int workers = 1;
        if (evaluator.CanEvaluateRow(buffer)) {
            scan.rowsAtOnce = true;
            const int cores = threads > 0 ? threads
                                          : static_cast<int>(std::thread::hardware_concurrency());
            // A thread is worth starting for some tens of thousands of nodes.
            const int64_t enough = std::max<int64_t>(1, rows * perRow / 32768);
            workers = static_cast<int>(std::clamp<int64_t>(std::min<int64_t>(cores, enough), 1, rows));
        }

        std::vector<RowScan::Part> parts(static_cast<size_t>(workers));
        auto partRows = [&](int w) { return rows * w / workers; };
        if (workers == 1) {
            scan.Run(evaluator, buffer, 0, rows, parts[0]);
        } else {
            std::vector<Cls6> evaluators(static_cast<size_t>(workers), evaluator);
            // A failure inside a thread (memory running out) is raised here,
            // as it would be from a scan on this thread.
            std::vector<std::exception_ptr> failures(static_cast<size_t>(workers));
            {
                std::vector<std::jthread> pool;
                pool.reserve(static_cast<size_t>(workers));
                for (int w = 0; w < workers; ++w)
                    pool.emplace_back([&, w] {
                        const size_t k = static_cast<size_t>(w);
                        try {
                            scan.Run(evaluators[k], buffer, partRows(w), partRows(w + 1), parts[k]);
                        } catch (...) {
                            failures[k] = std::current_exception();
                        }
                    });
            }
            for (const std::exception_ptr& failure : failures)
                if (failure)
                    std::rethrow_exception(failure);
        }
        // Parts in row order: the same points in the same order as one pass.
        size_t total = 0;
        for (const RowScan::Part& part : parts)
            total += part.xy.size();
        plan.xy.reserve(total);
        for (const RowScan::Part& part : parts) {
            plan.nodes += part.nodes;
            plan.xy.insert(plan.xy.end(), part.xy.begin(), part.xy.end());
            minX = std::min(minX, part.minX);
            maxX = std::max(maxX, part.maxX);
            minY = std::min(minY, part.minY);
            maxY = std::max(maxY, part.maxY);
        }
    }

    if (plan.polar) {
        // The scene is fitted to what was drawn, origin included.
        minX = std::min(minX, 0.0f);
        maxX = std::max(maxX, 0.0f);
        minY = std::min(minY, 0.0f);
        maxY = std::max(maxY, 0.0f);
        if (draw) {
            g.BoxMinX = minX;
            g.BoxMaxX = maxX;
            g.BoxMinY = minY;
            g.BoxMaxY = maxY;
        }
        Cls1& box = *g_PolarScanBox;
        box.MinX = minX;
        box.MaxX = maxX;
        box.MinY = minY;
        box.MaxY = maxY;
        box.MinZ = 0.0f;
        box.MaxZ = 0.0f;
    }
    return plan;
}

} // namespace

ScanPlan PlanScan(Cls9& g, int32_t lngAnimStep, float scale, Cls6& evaluator,
                  const QString& txtZ, int threads)
{
    if (!(scale > 0.0f) || !std::isfinite(scale))
        throw std::domain_error("the scene scale is not a positive number");
    return RunScan(g, lngAnimStep, scale, evaluator, txtZ, true, threads);
}

void FitPolarScanBox(Cls9& g, int32_t lngAnimStep)
{
    const bool scanned = g.FunForm == FunFormImplicit || g.FunForm == FunFormInequality;
    const bool function2D =
        g.GraphType == GraphType2DFunction || g.GraphType == GraphType2DFunctionAnimation;
    if (!scanned || !function2D || g.CoordType != CoordTypePolar)
        return;
    Cls6 evaluator;
    RunScan(g, lngAnimStep, 1.0f, evaluator, Module1::InsertImplicitMultiply(g.ExpressZ), false, 0);
}
