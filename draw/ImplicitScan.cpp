// Grid scan of implicit and inequality graphs: the nodes that satisfy the relation.
#include "draw/ImplicitScan.h"

#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "model/Cls1.h"
#include "model/Cls9.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

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

// The scan itself. `draw` false is the box pass of FitPolarScanBox: the same
// nodes and test, but no points kept and the graph's own extents untouched.
ScanPlan RunScan(Cls9& g, int32_t lngAnimStep, float scale, Cls6& evaluator,
                 const QString& txtZ, bool draw)
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
    // Counters are whole steps from the first node: a float counter stops
    // advancing once it passes 2^24 and the loop would never end.
    const double i0 = static_cast<double>(g.MinU * d);
    const double j0 = static_cast<double>(g.MinV * d);

    if (cartesian || plan.polar) {
        for (int64_t ki = 0; ki < nu; ki += stride) {
            const float p = static_cast<float>(i0 + static_cast<double>(ki)) / d;
            const double cosP = std::cos(static_cast<double>(p));
            const double sinP = std::sin(static_cast<double>(p));
            for (int64_t kj = 0; kj < nv; kj += stride) {
                const float q = static_cast<float>(j0 + static_cast<double>(kj)) / d;
                ++plan.nodes;
                float v = 0.0f;
                bool ok = false;
                const float tt = animated ? t : 0.0f;
                // One node that overflows (say exp(x*y) far out) is a point
                // f has no value at, not a reason to drop the whole graph.
                try {
                    ok = cartesian
                             ? evaluator.DoEvaluate(buffer, false, v, 0, 0, p, q, 0, 0, 0, tt, 0)
                             : evaluator.DoEvaluate(buffer, false, v, 0, 0, 0, 0, p, q, 0, tt, 0);
                } catch (const ExprError&) {
                    ok = false;
                }
                if (!ok || v == UndefinedSample)
                    continue;
                const bool hit = implicit ? std::fabs(v) < ImplicitScanTolerance : v < 0.0f;
                if (!hit)
                    continue;
                if (cartesian) {
                    if (draw) {
                        plan.xy.push_back(p / scale);
                        plan.xy.push_back(q / scale);
                    }
                } else {
                    const float px = static_cast<float>(q * cosP);
                    const float py = static_cast<float>(q * sinP);
                    if (draw) {
                        plan.xy.push_back(px / scale);
                        plan.xy.push_back(py / scale);
                    }
                    minX = std::min(minX, px);
                    maxX = std::max(maxX, px);
                    minY = std::min(minY, py);
                    maxY = std::max(maxY, py);
                }
            }
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
                  const QString& txtZ)
{
    if (!(scale > 0.0f) || !std::isfinite(scale))
        throw std::domain_error("the scene scale is not a positive number");
    return RunScan(g, lngAnimStep, scale, evaluator, txtZ, true);
}

void FitPolarScanBox(Cls9& g, int32_t lngAnimStep)
{
    const bool scanned = g.FunForm == FunFormImplicit || g.FunForm == FunFormInequality;
    const bool function2D =
        g.GraphType == GraphType2DFunction || g.GraphType == GraphType2DFunctionAnimation;
    if (!scanned || !function2D || g.CoordType != CoordTypePolar)
        return;
    Cls6 evaluator;
    RunScan(g, lngAnimStep, 1.0f, evaluator, Module1::InsertImplicitMultiply(g.ExpressZ), false);
}
