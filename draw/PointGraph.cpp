// Plan of a point graph (still or animated), made before any OpenGL call.
#include "draw/PointGraph.h"

#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/StyleLists.h"

#include <cmath>
#include <stdexcept>

PointPlan PlanPoint(const Cls9& g, int32_t lngAnimStep, int32_t documentKind, float scale)
{
    const Cls2& sample =
        g.GraphType == GraphTypePointAnimation ? g.Anim1D(lngAnimStep) : g.Vert3D(0, 0);

    PointPlan plan;
    plan.lineState2D = documentKind == DocumentKind2D;
    if (plan.lineState2D && (!(scale > 0.0f) || !std::isfinite(scale)))
        throw std::domain_error("the scene scale is not a positive number");

    // A coordinate the expressions could not compute holds the undefined
    // marker value; drawing it would put the point at that stand-in number.
    if (sample.x == UndefinedSample || sample.y == UndefinedSample
        || sample.z == UndefinedSample)
        return plan;

    Cls2 m;
    m.Color = g.PointColor;
    // A size beyond the dialogs' list is drawn at its nearer end.
    m.Size = kPointSizes.Clamp(g.PointSize);
    m.Symbol = g.PointHollow ? MarkerSymbolHollowCircle : MarkerSymbolFilledCircle;
    if (plan.lineState2D) {
        m.x = sample.x / scale;
        m.y = sample.y / scale;
        m.z = sample.z / scale;
    } else {
        m.x = sample.x;
        m.y = sample.y;
        m.z = sample.z;
    }
    plan.marker = m;
    return plan;
}
