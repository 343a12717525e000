// Plan of a 2D function graph's curve, markers and analysis text, made before any OpenGL call.
#include "draw/Curve2D.h"

#include "draw/FunctionOverlays.h"
#include "expr/Globals.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/StyleLists.h"
#include "sampling/Segments.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

bool Defined(float v) { return v != UndefinedSample; }

bool Defined3(const Cls2& p) { return Defined(p.x) && Defined(p.y) && Defined(p.z); }

DrawOp Line(int32_t color, int32_t width, const Cls2& a, const Cls2& b, float s)
{
    return LineOp(color, width, a.x / s, a.y / s, a.z / s, b.x / s, b.y / s, b.z / s);
}

// Roots of one segment p-q against the graph's x axis span. A sample that
// lies on the axis is a root at the sample itself: both segments that share
// it touch the axis there, and slope arithmetic could place it a rounding
// step off or outside one of them. Otherwise the crossing inside the segment.
struct Root {
    int32_t onSample = -1; // sample index when the root is a sample
    float x = 0.0f;
    float y = 0.0f;
};

void FindRoots(const Cls2& p, const Cls2& q, int32_t i, float minX, float maxX,
               std::vector<Root>& out)
{
    out.clear();
    const bool pOn = p.y == 0.0f && p.x >= minX && p.x <= maxX;
    const bool qOn = q.y == 0.0f && q.x >= minX && q.x <= maxX;
    if (pOn)
        out.push_back({i, p.x, 0.0f});
    if (qOn)
        out.push_back({i + 1, q.x, 0.0f});
    if (pOn || qOn)
        return;
    // The axis goes first: its slope and intercept are 0, so the crossing's y
    // comes out as exactly 0 rather than a rounding residue of the curve's.
    float ix = 0.0f, iy = 0.0f, ix2 = 0.0f, iy2 = 0.0f;
    const int16_t hit = Module1::IntersectSegments(minX, 0.0f, maxX, 0.0f, p.x, p.y, q.x, q.y, ix,
                                                   iy, ix2, iy2);
    if (hit != 0 && Defined(ix) && Defined(iy))
        out.push_back({-1, ix, iy});
}

} // namespace

float LineWidthOf(int32_t width) { return width < 1 ? 1.0f : static_cast<float>(width); }

DrawOp LineOp(int32_t color, int32_t width, float x1, float y1, float z1, float x2, float y2,
              float z2)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.color = color;
    op.width = LineWidthOf(width);
    op.x1 = x1;
    op.y1 = y1;
    op.z1 = z1;
    op.x2 = x2;
    op.y2 = y2;
    op.z2 = z2;
    return op;
}

DrawOp MarkerOp(int32_t color, float size, int32_t symbol, float x, float y, float z)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Marker;
    op.color = color;
    op.size = size;
    op.symbol = symbol;
    op.x1 = x;
    op.y1 = y;
    op.z1 = z;
    return op;
}

std::optional<QString> Curve2DHeader(const Cls9& g)
{
    const bool cartesian = g.CoordType == CoordTypeCartesian2D;
    const bool polar = g.CoordType == CoordTypePolar;
    if (g.FunForm == FunFormExplicit) {
        if (cartesian)
            return QStringLiteral("函数 y=") + g.ExpressZ;
        if (polar)
            return QStringLiteral("函数 r=") + g.ExpressZ;
    } else if (g.FunForm == FunFormParametric) {
        if (cartesian)
            return QStringLiteral("函数 x=") + g.ExpressY + QStringLiteral(", y=") + g.ExpressZ;
        if (polar)
            return QStringLiteral("函数 a=") + g.ExpressY + QStringLiteral(", r=") + g.ExpressZ;
    }
    return std::nullopt;
}

Curve2DPlan PlanCurve2D(const Cls9& g, int32_t lngAnimStep, float scale,
                        const std::vector<Cls2>& intersections)
{
    Curve2DPlan plan;
    if (std::optional<QString> header = Curve2DHeader(g))
        plan.lines << *header;
    if (g.FunForm != FunFormExplicit && g.FunForm != FunFormParametric)
        return plan;
    if (!(scale > 0.0f) || !std::isfinite(scale))
        throw std::domain_error("the scene scale is not a positive number");

    const bool animated = g.GraphType == GraphType2DFunctionAnimation;
    const bool intersection = g.GraphType == GraphTypeCurveIntersection;
    const bool series = g.GraphType == GraphTypeSeries;

    // Widths and sizes are drawn within the lists of the dialog that makes
    // the graph, whatever a document holds.
    const StyleList& widths = intersection ? kIntersectionWidths : kFunctionWidths;
    plan.curvePass = true;
    plan.lineWidth = LineWidthOf(widths.Clamp(g.LineWidth));

    const int32_t curveColor = series ? g.SeriesColor : g.LineColor;
    const int32_t curveWidth = widths.Clamp(series ? g.SeriesWidth : g.LineWidth);
    const int32_t secondWidth = widths.Clamp(g.Width2);
    const int32_t inverseWidth = kFunctionWidths.Clamp(g.InvWidth);
    const float rootSize = static_cast<float>(kFunctionMarkerSizes.Clamp(g.RootSize));
    auto sample = [&](int32_t i) -> const Cls2& {
        return animated ? g.Anim2D(i, lngAnimStep) : g.Vert3D(0, i);
    };

    plan.ops.reserve(static_cast<size_t>(std::max<int32_t>(g.StepV, 0)) *
                     ((g.Show2DCurve ? 1u : 0u) + (g.ShowInverse ? 1u : 0u) +
                      (intersection ? 1u : 0u)));

    int32_t lastRootSample = -1; // samples are listed in order, each once
    std::vector<Root> roots;
    for (int32_t i = 0; i < g.StepV; ++i) {
        const Cls2& p1 = sample(i);
        const Cls2& p2 = sample(i + 1);
        const bool segmentDefined = Defined3(p1) && Defined3(p2);

        if (g.Show2DCurve && segmentDefined)
            plan.ops.push_back(Line(curveColor, curveWidth, p1, p2, scale));

        if (intersection) {
            const Cls2& q1 = g.VertExp2(0, i);
            const Cls2& q2 = g.VertExp2(0, i + 1);
            if (Defined3(q1) && Defined3(q2))
                plan.ops.push_back(Line(g.Color2, secondWidth, q1, q2, scale));
        }

        if (g.ShowInverse && segmentDefined) {
            Cls2 m1, m2; // mirrored in y = x
            m1.x = p1.y;
            m1.y = p1.x;
            m1.z = p1.z;
            m2.x = p2.y;
            m2.y = p2.x;
            m2.z = p2.z;
            plan.ops.push_back(Line(g.InvColor, inverseWidth, m1, m2, scale));
        }

        if (g.ShowRoot && Defined(p1.x) && Defined(p1.y) && Defined(p2.x) && Defined(p2.y)) {
            FindRoots(p1, p2, i, g.BoxMinX, g.BoxMaxX, roots);
            for (const Root& r : roots) {
                if (r.onSample >= 0) {
                    if (r.onSample <= lastRootSample)
                        continue;
                    lastRootSample = r.onSample;
                }
                plan.ops.push_back(MarkerOp(g.RootColor, rootSize,
                                            g.RootSymbol, r.x / scale, r.y / scale, 0.0f));
                plan.lines << QStringLiteral("    根: x=") + NumberText(r.x) +
                                  QStringLiteral(",y=") + NumberText(r.y);
            }
        }

        if (g.GraphType == GraphTypeStepStem && g.ShowStep)
            AppendStep(g, p1, p2, scale, plan.ops);
    }

    // Crossings of the two curves go on top of both curves.
    if (intersection && g.ShowInter) {
        for (const Cls2& p : intersections) {
            if (Defined(p.y) && Defined(p.z))
                plan.ops.push_back(MarkerOp(g.InterColor,
                                            kIntersectionMarkerSizes.Clamp(g.InterSize),
                                            g.InterSymbol, p.x / scale, p.y / scale,
                                            p.z / scale));
        }
    }

    if (g.ShowRoot)
        plan.lines << QString();
    return plan;
}
