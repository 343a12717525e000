// Scene box: the union of the shown graphs' boxes, padded, and in 2D
// documents snapped outward to whole grid steps so that the grid and the
// axis labels start and end on round values.
#include "model/Cls8.h"

#include "model/Globals.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float EmptyBound = 9999999.0f;
constexpr double Padding = 0.04;

// Grid step for a scene scale: 1 below u = 1, then 2..5, then multiples of 5.
double GridStep(float u)
{
    if (u < 1.0f)
        return 1.0;
    if (u < 5.0f)
        return std::floor(static_cast<double>(u)) + 1.0;
    return (std::floor(static_cast<double>(u) / 5.0) + 1.0) * 5.0;
}

// Number of whole steps that cover |bound| (at least one).
double Steps(double bound, double step)
{
    return std::floor(std::fabs(bound) / step) + 1.0;
}

} // namespace

Cls1 FinishSceneBox(const Cls1& u)
{
    Cls1 b;
    b.MinX = static_cast<float>(u.MinX - Padding);
    b.MaxX = static_cast<float>(u.MaxX + Padding);
    b.MinY = static_cast<float>(u.MinY - Padding);
    b.MaxY = static_cast<float>(u.MaxY + Padding);
    b.MinZ = static_cast<float>(u.MinZ - Padding);
    b.MaxZ = static_cast<float>(u.MaxZ + Padding);

    const float largest = std::max({std::fabs(b.MinX), std::fabs(b.MaxX), std::fabs(b.MinY),
                                    std::fabs(b.MaxY), std::fabs(b.MinZ), std::fabs(b.MaxZ)});
    g_SceneScale = static_cast<float>(static_cast<double>(largest) / 10.0);

    if (g_DocumentKind != DocumentKind2D)
        return b;

    const float twice = 2.0f * g_SceneScale;
    const double s = GridStep(twice);
    const double xs = g_CoordSystem.ShowPI ? static_cast<double>(3.1416f) : s;

    // Adding the padding back to a 32-bit bound is not exact; which side of
    // a whole step it lands on decides the bound, as it always has.
    const double nMinX = Steps(b.MinX + Padding, xs);
    const double nMaxX = Steps(b.MaxX - Padding, xs);
    const double nMinY = Steps(b.MinY + Padding, s);
    const double nMaxY = Steps(b.MaxY - Padding, s);
    b.MinX = static_cast<float>(-nMinX * xs);
    b.MaxX = static_cast<float>(nMaxX * xs);
    b.MinY = static_cast<float>(-nMinY * s);
    b.MaxY = static_cast<float>(nMaxY * s);
    return b;
}

std::shared_ptr<Cls1> Cls8::GetBox(int32_t lngAnimStep)
{
    return GetBox(lngAnimStep, {});
}

std::shared_ptr<Cls1> Cls8::GetBox(int32_t lngAnimStep,
                                   const std::function<void(const GraphRef&)>& boxing)
{
    Cls1 u;
    u.MinX = u.MinY = u.MinZ = EmptyBound;
    u.MaxX = u.MaxY = u.MaxZ = -EmptyBound;

    for (const GraphRef& g : FunSurfs) {
        if (boxing)
            boxing(g);
        const std::shared_ptr<Cls1> box = g->Animation ? g->GetBox(lngAnimStep) : g->GetBox();
        if (!box)
            return nullptr; // the graph showed why; the scene has no box
        if (box->MinX < u.MinX) u.MinX = box->MinX;
        if (box->MaxX > u.MaxX) u.MaxX = box->MaxX;
        if (box->MinY < u.MinY) u.MinY = box->MinY;
        if (box->MaxY > u.MaxY) u.MaxY = box->MaxY;
        if (box->MinZ < u.MinZ) u.MinZ = box->MinZ;
        if (box->MaxZ > u.MaxZ) u.MaxZ = box->MaxZ;
    }
    return std::make_shared<Cls1>(FinishSceneBox(u));
}
