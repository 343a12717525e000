// Bounding box of one graph: from its sampled grids for curves, points and
// ribbons, from its parameters for figures.
#include "sampling/SamplingSupport.h"

#include "sampling/ImplicitScan.h"
#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <cmath>

namespace {

constexpr float BoxEmptyBound = 9999999.0f;
constexpr float VerticalSlope = 100000.0f;
constexpr float RibbonWidth = 3.0f;

// Messages of the circle checks.
enum FigureProblem {
    FigureOk = 0,
    CircleImpossible = 1,
    CircleIsPoint = 2,
    TangentBySlopeImpossible = 3,
    TangentSegmentImpossible = 4,
    ThreePointsOnLine = 5,
};

QString FigureProblemText(int problem)
{
    switch (problem) {
    case CircleImpossible:
        return QStringLiteral("根据给定的圆方程无法画出圆来。");
    case CircleIsPoint:
        return QStringLiteral("根据给定的圆方程画出来的圆是一个点。");
    case TangentBySlopeImpossible:
        return QStringLiteral("无法计算切线方程");
    case TangentSegmentImpossible:
        return QStringLiteral("无法计算切线方程。");
    case ThreePointsOnLine:
        return QStringLiteral("无法根据给定的三个点绘圆，它们可能重合或在同一条直线上。");
    default:
        return QString();
    }
}

// The six bounds being built. Values that are not finite never count, and
// sampled coordinates holding UndefinedSample never count either: drawing
// leaves them out, so the box must too.
struct Bounds {
    float minX = BoxEmptyBound, maxX = -BoxEmptyBound;
    float minY = BoxEmptyBound, maxY = -BoxEmptyBound;
    float minZ = BoxEmptyBound, maxZ = -BoxEmptyBound;

    static void Extend(float v, float& lo, float& hi)
    {
        if (!std::isfinite(v))
            return;
        if (v > hi)
            hi = v;
        if (v < lo)
            lo = v;
    }
    static void ExtendSample(float v, float& lo, float& hi)
    {
        if (v != UndefinedSample)
            Extend(v, lo, hi);
    }
    void X(float v) { Extend(v, minX, maxX); }
    void Y(float v) { Extend(v, minY, maxY); }
    void FlatZ()
    {
        minZ = 0.0f;
        maxZ = 0.0f;
    }
    void SamplePoint(const Cls2& p)
    {
        ExtendSample(p.x, minX, maxX);
        ExtendSample(p.y, minY, maxY);
        ExtendSample(p.z, minZ, maxZ);
    }
    void SamplePlane(const Cls2& p)
    {
        ExtendSample(p.x, minX, maxX);
        ExtendSample(p.y, minY, maxY);
    }
};

void Span(float a, float b, float& lo, float& hi)
{
    lo = a < b ? a : b;
    hi = a < b ? b : a;
}

// ---- Lines -----------------------------------------------------------------

struct LineCoefficients {
    float a = 0.0f, b = 0.0f, c = 0.0f, k = 0.0f;
    float intercept = 0.0f;     // the second line's b2
    bool twoPointVertical = false;
    bool twoPointHorizontal = false;
};

LineCoefficients LineOf(int32_t form, float p1, float p2, float p3, float p4)
{
    LineCoefficients l;
    switch (form) {
    case LineFormGeneral:
        l.a = p1;
        l.b = p2;
        l.c = p3;
        if (p2 == 0.0f) {
            l.k = VerticalSlope;
        } else {
            l.k = -p1 / p2;
            l.intercept = -p3 / p2;
        }
        break;
    case LineFormPointSlope: {
        l.k = p3;
        l.a = l.k;
        l.b = -1.0f;
        const float kx = l.k * p1;
        l.c = p2 - kx;
        l.intercept = l.c;
        break;
    }
    case LineFormSlopeIntercept:
        l.k = p2;
        l.a = l.k;
        l.b = -1.0f;
        l.c = p1;
        l.intercept = p1;
        break;
    case LineFormTwoPoint:
        l.twoPointVertical = p3 == p1;
        l.twoPointHorizontal = p4 == p2;
        if (l.twoPointVertical) {
            l.a = l.c = l.k = VerticalSlope;
            l.b = -1.0f;
        } else {
            const float dy = p4 - p2;
            const float dx = p3 - p1;
            l.k = dy / dx;
            l.a = l.k;
            l.b = -1.0f;
            const float kx = l.k * p1;
            l.c = p2 - kx;
            l.intercept = l.c;
        }
        break;
    default:
        break;
    }
    return l;
}

// The point related to the line, the parallel through it, and the second
// line between the ends of the parameter range.
void LineExtras(const Cls9& g, const QString& txtY, Bounds& b)
{
    const LineCoefficients l1 = LineOf(g.GLineType, g.GPara1, g.GPara2, g.GPara3, g.GPara4);
    if (g.GShowLinePoint) {
        const float px = g.GLinePointX;
        const float py = g.GLinePointY;
        b.X(px);
        b.Y(py);
        b.FlatZ();
        if (g.GLinePointType == LineThroughPointParallel && l1.k == VerticalSlope) {
            // The parallel to a vertical line is vertical, drawn over the
            // line's parameter range, which is its y.
            b.Y(g.MinV);
            b.Y(g.MaxV);
        } else if (g.GLinePointType == LineThroughPointParallel) {
            const float kpx = l1.k * px;
            const float yA = g.MinV * l1.k + py - kpx;
            const float yB = g.MaxV * l1.k + py - kpx;
            b.Y(yA);
            b.Y(yB);
            b.FlatZ();
        }
    }
    if (!g.GShowLineLine)
        return;

    const LineCoefficients l2 = LineOf(g.GLineLineType, g.GPara5, g.GPara6, g.GPara7, g.GPara8);
    const float det = l1.b * l2.a - l2.b * l1.a;
    bool meet = det != 0.0f;
    float yi = 0.0f;
    if (meet) {
        if (g.GLineType == LineFormTwoPoint && l1.twoPointVertical) {
            // A vertical first line meets a vertical second line nowhere.
            if (l2.b == 0.0f)
                meet = false;
            else
                yi = -(l2.a * g.GPara1 + l2.c) / l2.b;
        } else if (g.GLineType == LineFormTwoPoint && l1.twoPointHorizontal) {
            yi = g.GPara2;
        } else if (g.GLineLineType == LineFormTwoPoint && l2.twoPointVertical) {
            if (l1.b == 0.0f)
                meet = false;
            else
                yi = -(l1.a * g.GPara5 + l1.c) / l1.b;
        } else if (g.GLineLineType == LineFormTwoPoint && l2.twoPointHorizontal) {
            yi = g.GPara6;
        } else {
            yi = (l1.c * l2.a - l1.a * l2.c) / (l2.b * l1.a - l1.b * l2.a);
        }
    }

    // The line's own x(u) at the ends of the parameter range.
    Cls6 eval;
    QString buffer;
    if (eval.InfixToPostfix(txtY, buffer) != 0)
        return;
    float xA = 0.0f;
    float xB = 0.0f;
    try {
        float u = g.MinV;
        (void)eval.DoEvaluate(buffer, false, xA, u, 0, 0, 0, 0, 0, 0, 0, 0);
        u = g.MaxV;
        (void)eval.DoEvaluate(buffer, false, xB, u, 0, 0, 0, 0, 0, 0, 0, 0);
    } catch (const ExprError&) {
        return;
    }
    // A vertical first line has one x: the second line is drawn over the
    // first line's parameter range instead.
    if (l1.k == VerticalSlope || (xA != UndefinedSample && xA == xB)) {
        xA = g.MinV;
        xB = g.MaxV;
    }

    float yA = 0.0f;
    float yB = 0.0f;
    if (l2.k == 0.0f) {
        yA = yB = -l2.c / l2.b;
    } else if (l2.k == VerticalSlope) {
        xA = xB = g.GLineLineType == LineFormTwoPoint ? g.GPara5 : -l2.c / l2.a;
        if (meet) {
            yA = yi - 3.0f;
            yB = yi + 3.0f;
        } else {
            yA = -3.0f;
            yB = 3.0f;
        }
    } else {
        yA = xA * l2.k + l2.intercept;
        yB = xB * l2.k + l2.intercept;
    }
    if (xA != UndefinedSample)
        b.X(xA);
    if (xB != UndefinedSample)
        b.X(xB);
    b.Y(yA);
    b.Y(yB);
    b.FlatZ();
}

// ---- Circles ---------------------------------------------------------------

// The tangent with slope k at T = (tx, ty), reaching r to either side of T.
int TangentSegment(float k, float tx, float ty, float r, Bounds& b)
{
    const float c = ty - k * tx;
    const float q = k * k + 1.0f;
    const float p = 2.0f * (c * k - k * ty - tx);
    const float cd = c - ty;
    const float s = cd * cd + tx * tx - r * r;
    const float d = p * p - 4.0f * q * s;
    if (d < 0.0f)
        return TangentSegmentImpossible;
    const double root = std::sqrt(static_cast<double>(d));
    const float xA = static_cast<float>((-p - root) / 2.0 / q);
    const float xB = static_cast<float>((-p + root) / 2.0 / q);
    const float yA = xA * k + ty - tx * k;
    const float yB = xB * k + ty - tx * k;
    b.X(xA);
    b.Y(yA);
    b.X(xB);
    b.Y(yB);
    b.FlatZ();
    return FigureOk;
}

void SegmentEnds(float xA, float yA, float xB, float yB, Bounds& b)
{
    b.X(xA);
    b.Y(yA);
    b.X(xB);
    b.Y(yB);
    b.FlatZ();
}

int CircleTangent(const Cls9& g, Bounds& b)
{
    float a = 0.0f, c = 0.0f, r = 0.0f; // centre (a, c), radius r
    if (g.GCircleType == CircleFormStandard || g.GCircleType == CircleFormParametric) {
        a = g.GPara1;
        c = g.GPara2;
        r = g.GPara3;
    } else if (g.GCircleType == CircleFormGeneral) {
        const float d = g.GPara1;
        const float e = g.GPara2;
        const float f = g.GPara3;
        const float w = e * e + d * d - 4.0f * f;
        if (w < 0.0f)
            return CircleImpossible;
        if (std::fabs(w) < 0.00001f)
            return CircleIsPoint;
        a = -d / 2.0f;
        c = -e / 2.0f;
        r = static_cast<float>(std::sqrt(static_cast<double>(w) / 4.0));
    }

    if (g.GCircleTangType == CircleTangentGivenSlope) {
        const float k = g.GCircleTangK;
        const float k2 = k * k;
        const float q = k2 + 1.0f;
        const float p = -(2.0f * k2 * c + 2.0f * c);
        const float s = k2 * c * c + c * c - r * r;
        const float d = p * p - 4.0f * q * s;
        if (d < 0.0f)
            return TangentBySlopeImpossible;
        const double root = std::sqrt(static_cast<double>(d));
        const float y1 = static_cast<float>((-p - root) / 2.0 / q);
        const float x1 = (c - y1) * k + a;
        const float y2 = static_cast<float>((-p + root) / 2.0 / q);
        const float x2 = (c - y2) * k + a;
        const float touch[2][2] = {{x1, y1}, {x2, y2}};
        for (const auto& t : touch) {
            if (std::fabs(k) < 0.00003f) {
                SegmentEnds(t[0] - r, t[1], t[0] + r, t[1], b);
            } else {
                const int problem = TangentSegment(k, t[0], t[1], r, b);
                if (problem != FigureOk)
                    return problem;
            }
        }
    } else if (g.GCircleTangType == CircleTangentGivenPoint) {
        const float px = g.GCircleTangPointX;
        const float py = g.GCircleTangPointY;
        float m = px == a ? VerticalSlope : (py - c) / (px - a);
        if (m == 0.0f)
            m = 0.00001f;
        if (m == 0.00001f) {
            SegmentEnds(px, py - r, px, py + r, b);
        } else if (m == VerticalSlope) {
            SegmentEnds(px - r, py, px + r, py, b);
        } else {
            return TangentSegment(-1.0f / m, px, py, r, b);
        }
    }
    return FigureOk;
}

int SecondCircle(const Cls9& g, Bounds& b)
{
    float a = g.GPara5;
    float c = g.GPara6;
    float r = 0.0f;
    switch (g.GCircleEquaType) {
    case CircleEquationGivenCenterRadius:
        r = g.GPara7;
        break;
    case CircleEquationGivenCenterPoint: {
        const double dy = static_cast<double>(g.GPara8 - g.GPara6);
        const double dx = static_cast<double>(g.GPara7 - g.GPara5);
        r = static_cast<float>(std::sqrt(dy * dy + dx * dx));
        break;
    }
    case CircleEquationGivenCenterTangent: {
        const double num = std::fabs(static_cast<double>(g.GPara7 * g.GPara5 + g.GPara8 * g.GPara6
                                                         + g.GPara9));
        const double den = std::sqrt(static_cast<double>(g.GPara8) * g.GPara8
                                     + static_cast<double>(g.GPara7) * g.GPara7);
        // A tangent line without coefficients gives no circle to measure.
        if (den == 0.0)
            return FigureOk;
        r = static_cast<float>(num / den);
        break;
    }
    case CircleEquationGivenThreePoints: {
        const float x1 = g.GPara5, y1 = g.GPara6, x2 = g.GPara7, y2 = g.GPara8;
        const float x3 = g.GPara9, y3 = g.GPara10;
        const float e1 = x2 * x2 - x1 * x1 + y2 * y2 - y1 * y1;
        const float e2 = x3 * x3 - x1 * x1 + y3 * y3 - y1 * y1;
        const float d1 = (y3 - y1) * (x2 - x1) - (y2 - y1) * (x3 - x1);
        const float d2 = (y2 - y1) * (x3 - x1) - (y3 - y1) * (x2 - x1);
        if (d1 == 0.0f || d2 == 0.0f)
            return ThreePointsOnLine;
        const float dd = ((y3 - y1) * e1 - (y2 - y1) * e2) / d2;
        const float ee = ((x3 - x1) * e1 - (x2 - x1) * e2) / d1;
        const float ff = -(y1 * y1 + x1 * x1 + dd * x1 + ee * y1);
        a = -dd / 2.0f;
        c = -ee / 2.0f;
        r = static_cast<float>(
            std::sqrt(static_cast<double>(ee * ee + dd * dd - 4.0f * ff) / 4.0));
        break;
    }
    default:
        return FigureOk;
    }
    b.X(a - r);
    b.Y(c - r);
    b.X(a + r);
    b.Y(c + r);
    b.FlatZ();
    return FigureOk;
}

// The circle's tangents and second circle as far as its options ask. Each
// part is measured on its own: one that cannot be formed adds nothing and
// its problem is returned through problems[0] (tangent) and problems[1]
// (second circle).
void CircleExtras(const Cls9& g, Bounds& b, int problems[2])
{
    problems[0] = problems[1] = FigureOk;
    if (g.GShowCircleTangent) {
        Bounds part = b;
        problems[0] = CircleTangent(g, part);
        if (problems[0] == FigureOk)
            b = part;
    }
    if (g.GShowCircleEqua)
        problems[1] = SecondCircle(g, b);
}

// ---- Figures measured from their parameters alone ---------------------------

void VectorOperationBox(const Cls9& g, Bounds& b)
{
    const float a1 = g.GPara1, a2 = g.GPara2, b1 = g.GPara3, b2 = g.GPara4;
    auto spanOf = [](std::initializer_list<float> values, float& lo, float& hi) {
        lo = hi = *values.begin();
        for (float v : values) {
            if (v < lo)
                lo = v;
            if (v > hi)
                hi = v;
        }
    };
    switch (g.VecOperation) {
    case VecOperationAdd:
        spanOf({0.0f, a1, b1, a1 + b1}, b.minX, b.maxX);
        spanOf({0.0f, a2, b2, a2 + b2}, b.minY, b.maxY);
        break;
    case VecOperationSubtract:
        spanOf({0.0f, a1, b1, a1 - b1}, b.minX, b.maxX);
        spanOf({0.0f, a2, b2, a2 - b2}, b.minY, b.maxY);
        break;
    case VecOperationScale:
        spanOf({0.0f, a1, a1 * b1}, b.minX, b.maxX);
        spanOf({0.0f, a2, a2 * b1}, b.minY, b.maxY);
        break;
    case VecOperationDotProduct:
        spanOf({0.0f, a1, b1}, b.minX, b.maxX);
        spanOf({0.0f, a2, b2}, b.minY, b.maxY);
        break;
    default:
        return;
    }
    b.FlatZ();
}

void SolidBox(const Cls9& g, Bounds& b)
{
    const float c1 = g.GPara1, c2 = g.GPara2, c3 = g.GPara3;
    // Stored axes: the centre's first coordinate is z, its second x and its
    // third y (the height axis).
    const auto around = [&](float r, float below, float above) {
        b.minX = c2 - r;
        b.maxX = c2 + r;
        b.minY = c3 - below;
        b.maxY = c3 + above;
        b.minZ = c1 - r;
        b.maxZ = c1 + r;
    };
    switch (g.GraphType) {
    case GraphTypeSpaceLine:
        Span(g.GPara2, g.GPara5, b.minX, b.maxX);
        Span(g.GPara3, g.GPara6, b.minY, b.maxY);
        Span(g.GPara1, g.GPara4, b.minZ, b.maxZ);
        break;
    case GraphTypePrism:
    case GraphTypePyramid:
    case GraphTypeCylinder:
    case GraphTypeCone:
        around(g.GPara4, 0.0f, g.GPara5);
        break;
    case GraphTypePyramidFrustum:
    case GraphTypeConeFrustum:
        around(g.GPara4 > g.GPara5 ? g.GPara4 : g.GPara5, 0.0f, g.GPara6);
        break;
    case GraphTypeSphere:
        around(g.GPara4, g.GPara4, g.GPara4);
        break;
    default:
        break;
    }
}

void SequenceBox(const Cls9& g, Bounds& b)
{
    const float a1 = g.GPara1;
    const int32_t n = g.EdgeNum;
    const double steps = static_cast<double>(n) - 1.0;
    float last = 0.0f;
    if (g.GraphType == GraphTypeArithmeticSequence)
        last = static_cast<float>(static_cast<double>(a1) + static_cast<double>(g.GPara2) * steps);
    else
        last = static_cast<float>(std::pow(static_cast<double>(g.GPara2), steps) * a1);
    // A last term beyond the float range measures the first term only.
    if (!std::isfinite(last))
        last = a1;
    b.minX = 0.0f;
    b.maxX = static_cast<float>(n);
    Span(a1, last, b.minY, b.maxY);
    b.FlatZ();
}

// ---- Sampled graphs ---------------------------------------------------------

// Last sample index to read along index dim of a grid: StepV, but never past
// what sampling made (a graph asked before sampling, or whose count changed
// since, is read only where it has samples).
int32_t LastSample(const Cls9& g, const PointGrid& grid, int dim)
{
    const int32_t upper = grid.Upper(dim);
    return g.StepV < upper ? g.StepV : upper;
}

bool IsPlaneGroup(int32_t type)
{
    switch (type) {
    case GraphType2DFunction:
    case GraphTypeLimit:
    case GraphType2DFunctionAnimation:
    case GraphTypeCurveIntersection:
    case GraphTypeLine:
    case GraphTypeCircle:
    case GraphTypeEllipse:
    case GraphTypeHyperbola:
    case GraphTypeParabola:
        return true;
    default:
        return false;
    }
}

// The curve samples of a plane graph, its figure extras, the mirror of the
// conics and finally the plane's origin.
void PlaneGroup(Cls9& g, int32_t step, const QString& txtY, Bounds& b)
{
    if (g.FunForm == FunFormImplicit || g.FunForm == FunFormInequality) {
        b.minX = g.MinU;
        b.maxX = g.MaxU;
        b.minY = g.MinV;
        b.maxY = g.MaxV;
        b.FlatZ();
    } else if (g.FunForm == FunFormExplicit || g.FunForm == FunFormParametric) {
        const bool curveShown = g.GraphType != GraphTypeCircle || g.GShowCircle;
        const int32_t last = g.GraphType == GraphType2DFunctionAnimation
                                 ? LastSample(g, g.Anim2D, 0)
                                 : LastSample(g, g.Vert3D, 1);
        for (int32_t i = 0; curveShown && i <= last; ++i) {
            if (g.GraphType == GraphType2DFunctionAnimation) {
                if (g.Anim2D.InRange(i, step))
                    b.SamplePoint(g.Anim2D(i, step));
                continue;
            }
            if (g.Vert3D.InRange(0, i))
                b.SamplePoint(g.Vert3D(0, i));
            if (g.GraphType == GraphTypeCurveIntersection && g.VertExp2.InRange(0, i))
                b.SamplePoint(g.VertExp2(0, i));
        }
    }

    if (g.GraphType == GraphTypeLine) {
        LineExtras(g, txtY, b);
    } else if (g.GraphType == GraphTypeCircle) {
        int problems[2];
        CircleExtras(g, b, problems);
    }

    if (g.GraphType == GraphTypeHyperbola)
        b.minY = g.GPara4 - (b.maxY - g.GPara4);
    else if (g.GraphType == GraphTypeParabola && g.GParaType == ParabolaFormHorizontal)
        b.minY = g.GPara2 - (b.maxY - g.GPara2);

    if (b.minY > 0.0f)
        b.minY = 0.0f;
    if (b.minX > 0.0f)
        b.minX = 0.0f;
    if (b.maxY < 0.0f)
        b.maxY = 0.0f;
    if (b.maxX < 0.0f)
        b.maxX = 0.0f;
}

// Row 1 of a 2.5D ribbon is row 0 moved by RibbonWidth along stored z; then
// both rows are measured.
void Ribbon(Cls9& g, int32_t step, Bounds& b)
{
    const bool animated = g.GraphType == GraphType25DFunctionAnimation;
    auto slot = [&](int32_t row, int32_t i) -> Cls2* {
        if (animated)
            return g.Anim25D.InRange(row, i, step) ? &g.Anim25D(row, i, step) : nullptr;
        return g.Vert3D.InRange(row, i) ? &g.Vert3D(row, i) : nullptr;
    };
    const int32_t last = animated ? LastSample(g, g.Anim25D, 1) : LastSample(g, g.Vert3D, 1);
    for (int32_t i = 0; i <= last; ++i) {
        Cls2* p0 = slot(0, i);
        Cls2* p1 = slot(1, i);
        if (p0 == nullptr || p1 == nullptr)
            continue;
        p1->x = p0->x;
        p1->y = p0->y;
        // An undefined depth stays undefined in the second row.
        p1->z = p0->z == UndefinedSample ? UndefinedSample : p0->z + RibbonWidth;
    }
    for (int32_t row = 0; row <= 1; ++row) {
        for (int32_t i = 0; i <= last; ++i) {
            if (const Cls2* p = slot(row, i))
                b.SamplePoint(*p);
        }
    }
}

void PointBox(const Cls2& p, Bounds& b)
{
    // An undefined coordinate is not drawn; the box keeps to the origin there.
    const float x = p.x == UndefinedSample ? 0.0f : p.x;
    const float y = p.y == UndefinedSample ? 0.0f : p.y;
    const float z = p.z == UndefinedSample ? 0.0f : p.z;
    if (x == 0.0f && y == 0.0f && z == 0.0f) {
        b.minX = b.minY = b.minZ = -1.0f;
        b.maxX = b.maxY = b.maxZ = 1.0f;
        return;
    }
    auto axis = [](float v, float& lo, float& hi) {
        if (v < 0.0f) {
            lo = v;
            hi = 0.0f;
        } else {
            lo = 0.0f;
            hi = v;
        }
    };
    axis(x, b.minX, b.maxX);
    axis(y, b.minY, b.maxY);
    axis(z, b.minZ, b.maxZ);
}

// The inverse, parity and derivative curves of a 2D function.
void AnalysisCurves(Cls9& g, Bounds& b)
{
    if (g.ShowInverse) {
        const float lo = b.minX < b.minY ? b.minX : b.minY;
        const float hi = b.maxX > b.maxY ? b.maxX : b.maxY;
        b.minX = b.minY = lo;
        b.maxX = b.maxY = hi;
    }
    if (g.ShowJO) {
        const int32_t last = LastSample(g, g.VertJO, 1);
        for (int32_t i = 0; i <= last; ++i)
            if (g.VertJO.InRange(0, i))
                b.SamplePlane(g.VertJO(0, i));
    }
    if (g.ShowDev) {
        const int32_t last = LastSample(g, g.VertDev, 1);
        for (int32_t i = 0; i <= last; ++i)
            if (g.VertDev.InRange(0, i))
                b.SamplePlane(g.VertDev(0, i));
    }
}

} // namespace

void ReportFigureProblems(const Cls9& g)
{
    if (g.GraphType != GraphTypeCircle)
        return;
    Bounds scratch;
    int problems[2];
    CircleExtras(g, scratch, problems);
    for (int problem : problems) {
        if (problem != FigureOk)
            ShowMessage(FigureProblemText(problem), QStringLiteral("提示"), MsgIcon::Critical,
                        MsgButtons::Ok);
    }
}

std::shared_ptr<Cls1> Cls9::GetBox(int32_t lngAnimStep)
{
    const QString txtY = Module1::InsertImplicitMultiply(ExpressY);

    if ((GraphType == GraphType2DFunction || GraphType == GraphType2DFunctionAnimation)
        && CoordType == CoordTypePolar
        && (FunForm == FunFormImplicit || FunForm == FunFormInequality)) {
        // The box of what the scan draws, known before it is first drawn.
        FitPolarScanBox(*this, lngAnimStep);
        return g_PolarScanBox;
    }

    Bounds b;
    if (IsPlaneGroup(GraphType)) {
        PlaneGroup(*this, lngAnimStep, txtY, b);
    } else {
        switch (GraphType) {
        case GraphType25DFunction:
        case GraphType25DFunctionAnimation:
            Ribbon(*this, lngAnimStep, b);
            break;
        case GraphTypePoint:
            if (Vert3D.InRange(0, 0))
                PointBox(Vert3D(0, 0), b);
            break;
        case GraphTypePointAnimation:
            if (Anim1D.InRange(lngAnimStep))
                PointBox(Anim1D(lngAnimStep), b);
            break;
        case GraphTypePlaneVector:
            Span(GPara1, GPara3, b.minX, b.maxX);
            Span(GPara2, GPara4, b.minY, b.maxY);
            b.FlatZ();
            break;
        case GraphTypeVectorOperation:
            VectorOperationBox(*this, b);
            break;
        case GraphTypeSpaceLine:
        case GraphTypePrism:
        case GraphTypePyramid:
        case GraphTypePyramidFrustum:
        case GraphTypeCylinder:
        case GraphTypeCone:
        case GraphTypeConeFrustum:
        case GraphTypeSphere:
            SolidBox(*this, b);
            break;
        case GraphTypeArithmeticSequence:
        case GraphTypeGeometricSequence:
            SequenceBox(*this, b);
            break;
        default:
            break;
        }
    }
    if (GraphType == GraphType2DFunction)
        AnalysisCurves(*this, b);

    BoxMinX = b.minX;
    BoxMaxX = b.maxX;
    BoxMinY = b.minY;
    BoxMaxY = b.maxY;
    BoxMinZ = b.minZ;
    BoxMaxZ = b.maxZ;
    auto box = std::make_shared<Cls1>();
    box->MaxX = BoxMaxX;
    box->MinX = BoxMinX;
    box->MaxY = BoxMaxY;
    box->MinY = BoxMinY;
    box->MaxZ = BoxMaxZ;
    box->MinZ = BoxMinZ;
    return box;
}
