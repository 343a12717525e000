// Helpers shared by the sampling and bounding-box sources.
#include "sampling/SamplingSupport.h"

#include "expr/Globals.h"
#include "model/Globals.h"

#include <cmath>
#include <memory>

bool Increment(float minValue, float maxValue, int32_t count, float& d)
{
    const float diff = maxValue - minValue;
    const double q = static_cast<double>(diff) / static_cast<double>(count);
    const float value = static_cast<float>(q);
    if (!std::isfinite(diff) || !std::isfinite(value))
        return false;
    d = value;
    return true;
}

bool StepValue(float start, int32_t i, float d, float& value)
{
    const double sum = static_cast<double>(start) + static_cast<double>(i) * static_cast<double>(d);
    const float v = static_cast<float>(sum);
    if (!std::isfinite(v))
        return false;
    value = v;
    return true;
}

void PolarToPlane(float r, float a, bool angleFromExpression, float& x, float& y)
{
    if (r == UndefinedSample || (angleFromExpression && a == UndefinedSample)) {
        x = UndefinedSample;
        y = UndefinedSample;
        return;
    }
    const double ad = a;
    x = static_cast<float>(static_cast<double>(r) * std::cos(ad));
    y = static_cast<float>(static_cast<double>(r) * std::sin(ad));
}

void CylindricalToStored(float theta, float rho, float& x, float& z)
{
    if (theta == UndefinedSample || rho == UndefinedSample) {
        x = UndefinedSample;
        z = UndefinedSample;
        return;
    }
    const double td = theta;
    x = static_cast<float>(static_cast<double>(rho) * std::sin(td));
    z = static_cast<float>(static_cast<double>(rho) * std::cos(td));
}

void SphericalToStored(float phi, float theta, float r, float& x, float& y, float& z)
{
    const bool radial = r == UndefinedSample || theta == UndefinedSample;
    const bool any = radial || phi == UndefinedSample;
    const double rs = static_cast<double>(r) * std::sin(static_cast<double>(theta));
    z = any ? UndefinedSample : static_cast<float>(rs * std::cos(static_cast<double>(phi)));
    x = any ? UndefinedSample : static_cast<float>(rs * std::sin(static_cast<double>(phi)));
    y = radial ? UndefinedSample
               : static_cast<float>(static_cast<double>(r) * std::cos(static_cast<double>(theta)));
}

void ClipToPlotRange(Cls2& p)
{
    if (!(p.x >= g_RangeMinX && p.x <= g_RangeMaxX))
        p.x = UndefinedSample;
    if (!(p.y >= g_RangeMinY && p.y <= g_RangeMaxY))
        p.y = UndefinedSample;
    if (!(p.z >= g_RangeMinZ && p.z <= g_RangeMaxZ))
        p.z = UndefinedSample;
}

namespace {

// True when no one but the grid holds its points: each slot alone owns its
// point, or all slots share one block of points that nothing else shares.
bool HeldOnlyByGrid(PointGrid& grid)
{
    bool eachAlone = true;
    bool oneBlock = true;
    const PointRef* first = nullptr;
    grid.ForEachSlot([&](PointRef& p) {
        if (!p) {
            eachAlone = oneBlock = false;
            return;
        }
        if (p.use_count() != 1)
            eachAlone = false;
        if (first == nullptr)
            first = &p;
        else if (p.owner_before(*first) || first->owner_before(p))
            oneBlock = false;
    });
    if (first == nullptr)
        return false;
    return eachAlone
           || (oneBlock && static_cast<size_t>(first->use_count()) == grid.Size());
}

} // namespace

void RenewGrid(PointGrid& grid, std::initializer_list<int32_t> upperBounds)
{
    bool sameShape = grid.Rank() == static_cast<int>(upperBounds.size());
    int dim = 0;
    for (int32_t upper : upperBounds) {
        if (sameShape && grid.Upper(dim) != upper)
            sameShape = false;
        ++dim;
    }
    if (sameShape && HeldOnlyByGrid(grid)) {
        grid.ForEachSlot([](PointRef& p) { *p = Cls2(); });
        return;
    }
    // One allocation for the whole grid; each slot still refers to a point
    // of its own. A point someone else holds keeps its values (and the
    // block) alive after the grid moves on.
    grid.Make(upperBounds, false);
    const auto block = std::make_shared<Cls2[]>(grid.Size());
    size_t i = 0;
    grid.ForEachSlot([&](PointRef& p) { p = PointRef(block, &block[i++]); });
}
