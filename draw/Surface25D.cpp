// Plan of a 2.5D graph's band: quadrilaterals, normals and corner colours.
#include "draw/Surface25D.h"

#include "expr/Globals.h"
#include "model/Cls9.h"

#include <cmath>

namespace {

constexpr float SeamTolerance = 0.001f;
constexpr float ZeroSpan = 1e-9f;

bool Undefined(const SurfaceVec& p)
{
    return p.x == UndefinedSample || p.y == UndefinedSample || p.z == UndefinedSample;
}

// The vector made unit in double precision, so that neither a tiny nor a
// huge quad overflows on the way; a vector without a direction (or one
// that is not finite) is the zero vector.
SurfaceVec Unit(double x, double y, double z)
{
    const double length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0.0) || !std::isfinite(length))
        return {};
    return {static_cast<float>(x / length), static_cast<float>(y / length),
            static_cast<float>(z / length)};
}

SurfaceVec Sum(const SurfaceVec& a, const SurfaceVec& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

bool Near(float a, float b)
{
    const float d = a - b;
    return std::fabs(d) < SeamTolerance;
}

bool SamePoint(const SurfaceVec& a, const SurfaceVec& b)
{
    return Near(a.x, b.x) && Near(a.y, b.y) && Near(a.z, b.z);
}

SurfaceVec FromSample(const Cls2& p)
{
    return {p.x, p.y, p.z};
}

SurfaceRgb Split(int32_t color)
{
    SurfaceRgb c;
    Cls9::ColorToRGB(color, c.r, c.g, c.b);
    return c;
}

float SpanOf(float lo, float hi)
{
    const float span = hi - lo;
    return span == 0.0f ? ZeroSpan : span;
}

} // namespace

bool SurfaceBand::QuadUndefined(int32_t j) const
{
    for (const SurfaceVec& p : Corners(j)) {
        if (Undefined(p))
            return true;
    }
    return false;
}

std::vector<SurfaceVec> SurfaceFaceNormals(const SurfaceBand& band)
{
    std::vector<SurfaceVec> normals;
    if (band.steps <= 0)
        return normals;
    normals.reserve(static_cast<size_t>(band.steps));
    for (int32_t j = 0; j < band.steps; ++j) {
        if (band.QuadUndefined(j)) {
            normals.push_back({});
            continue;
        }
        const auto p = band.Corners(j);
        // The two diagonals, P0 - P2 and P1 - P3.
        const float d1x = p[0].x - p[2].x, d1y = p[0].y - p[2].y, d1z = p[0].z - p[2].z;
        const float d2x = p[1].x - p[3].x, d2y = p[1].y - p[3].y, d2z = p[1].z - p[3].z;
        const double nx = double(d1y) * d2z - double(d1z) * d2y;
        const double ny = double(d1z) * d2x - double(d1x) * d2z;
        const double nz = double(d1x) * d2y - double(d1y) * d2x;
        normals.push_back(Unit(nx, ny, nz));
    }
    return normals;
}

std::vector<SurfaceVec> SurfaceVertexNormals(const SurfaceBand& band,
                                             const std::vector<SurfaceVec>& faceNormals)
{
    const int32_t steps = band.steps;
    std::vector<SurfaceVec> sums;
    if (steps <= 0 || faceNormals.size() != static_cast<size_t>(steps))
        return sums;
    sums.resize(static_cast<size_t>(steps) + 1);
    const auto face = [&](int32_t j) { return faceNormals[static_cast<size_t>(j)]; };
    sums.front() = face(0);
    sums.back() = face(steps - 1);
    for (int32_t c = 1; c < steps; ++c)
        sums[static_cast<size_t>(c)] = Sum(face(c), face(c - 1));

    // A closed curve: both ends of both rows coincide (and are defined).
    bool closed = true;
    for (int row = 0; row <= 1 && closed; ++row) {
        const SurfaceVec& first = band.At(row, 0);
        const SurfaceVec& last = band.At(row, steps);
        closed = !Undefined(first) && !Undefined(last) && SamePoint(first, last);
    }
    if (closed)
        sums.front() = sums.back() = Sum(face(steps - 1), face(0));

    std::vector<SurfaceVec> normals;
    normals.reserve(sums.size());
    for (const SurfaceVec& s : sums)
        normals.push_back(Unit(s.x, s.y, s.z));
    return normals;
}

SurfacePalette SurfacePalette::Of(const Cls9& g)
{
    SurfacePalette p;
    p.fillStyle = g.FillStyle;
    p.first = Split(g.FirstColor);
    p.second = Split(g.SecondColor);
    p.minimum = {g.BoxMinX, g.BoxMinY, g.BoxMinZ};
    p.span = {SpanOf(g.BoxMinX, g.BoxMaxX), SpanOf(g.BoxMinY, g.BoxMaxY),
              SpanOf(g.BoxMinZ, g.BoxMaxZ)};
    return p;
}

SurfaceRgb SurfacePalette::ColorAt(const SurfaceVec& p) const
{
    float v = 0.0f, lo = 0.0f, span = 1.0f;
    switch (fillStyle) {
    case FillStyleGradientLeftRight:
        v = p.x, lo = minimum.x, span = this->span.x;
        break;
    case FillStyleGradientFrontBack:
        v = p.z, lo = minimum.z, span = this->span.z;
        break;
    case FillStyleGradientTopBottom:
        v = p.y, lo = minimum.y, span = this->span.y;
        break;
    case FillStyleSingleColor:
        return second;
    default:
        return {};
    }
    const double t = (double(v) - double(lo)) / double(span);
    return {second.r + t * (first.r - second.r), second.g + t * (first.g - second.g),
            second.b + t * (first.b - second.b)};
}

SurfaceBand ReadSurfaceBand(const Cls9& g, int32_t lngAnimStep)
{
    const bool animated = g.GraphType == GraphType25DFunctionAnimation;
    SurfaceBand band;
    band.steps = g.StepV > 0 ? g.StepV : 0;
    for (int row = 0; row <= 1; ++row) {
        auto& out = band.rows[static_cast<size_t>(row)];
        out.reserve(static_cast<size_t>(band.steps) + 1);
        for (int32_t c = 0; c <= band.steps; ++c)
            out.push_back(FromSample(animated ? g.Anim25D(row, c, lngAnimStep)
                                              : g.Vert3D(row, c)));
    }
    return band;
}

SurfacePlan PlanSurface(const Cls9& g, int32_t lngAnimStep)
{
    const SurfaceBand band = ReadSurfaceBand(g, lngAnimStep);

    SurfacePlan plan;
    if (g.Show >= ShowModelVertices && g.Show <= ShowModelSurface)
        plan.polygonModel = g.Show;
    if (g.Smoothness >= SmoothnessFaceted && g.Smoothness <= SmoothnessSmooth)
        plan.smoothness = g.Smoothness;
    plan.perVertexNormals = plan.smoothness == SmoothnessSmooth;
    if (plan.smoothness == 0 || band.steps == 0)
        return plan;

    const std::vector<SurfaceVec> face = SurfaceFaceNormals(band);
    const std::vector<SurfaceVec> vertex = SurfaceVertexNormals(band, face);
    const SurfacePalette palette = SurfacePalette::Of(g);

    plan.quads.reserve(static_cast<size_t>(band.steps));
    for (int32_t j = 0; j < band.steps; ++j) {
        // A quad that needs an undefined sample is left out; its
        // neighbours are drawn.
        if (band.QuadUndefined(j))
            continue;
        SurfaceQuad q;
        q.corner = band.Corners(j);
        const int32_t columns[4] = {j, j, j + 1, j + 1};
        for (size_t k = 0; k < 4; ++k) {
            q.normal[k] = plan.perVertexNormals ? vertex[static_cast<size_t>(columns[k])]
                                                : face[static_cast<size_t>(j)];
            q.color[k] = palette.ColorAt(q.corner[k]);
        }
        plan.quads.push_back(q);
    }
    return plan;
}
