// Cls9::Draw: the one drawing entry of a graph. It runs while the scene's
// display lists are compiled, so every call below is recorded into a list.
#include "draw/Curve2D.h"
#include "draw/FunctionOverlays.h"
#include "draw/CurveIntersection.h"
#include "draw/ImplicitScan.h"
#include "draw/LineState2D_gl.h"
#include "draw/OverlayDraw.h"
#include "draw/PointGraph.h"
#include "draw/ResultPane.h"
#include "draw/SegmentMerge.h"
#include "draw/Surface25D.h"
#include "draw/Surface25D_gl.h"
#include "draw/TangentCurvature.h"
#include "expr/Cls6.h"
#include "expr/Module1.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "view/Cls11.h"

#include <GL/gl.h>

#include <optional>
#include <vector>

namespace {

// What one call of Draw works with; nothing of it outlives the call.
struct DrawContext {
    Cls6 evaluator;            // every expression an overlay evaluates
    QString txtX, txtY, txtZ;  // the expressions ready for the compiler
    std::vector<Cls2> intersections; // crossings of a curve-intersection graph
    double secondRGB[3] = {0, 0, 0};
    double firstRGB[3] = {0, 0, 0};
    double lineRGB[3] = {0, 0, 0};
};

void SetColor(int32_t color)
{
    double r = 0, g = 0, b = 0;
    Cls9::ColorToRGB(color, r, g, b);
    glColor3d(r, g, b);
}

// Emits planned steps. Consecutive segments of one colour and width share
// one GL_LINES block (the same segments, far fewer list entries); a marker
// sets colour and width itself, so both are set again after it.
class OpEmitter {
public:
    ~OpEmitter() { Close(); }

    void Emit(const DrawOp& op)
    {
        if (op.kind == DrawOp::Kind::Marker) {
            Close();
            Cls2 m;
            m.x = op.x1;
            m.y = op.y1;
            m.z = op.z1;
            m.Color = op.color;
            m.Size = op.size;
            m.Symbol = op.symbol;
            m.Draw();
            m_stateKnown = false;
            return;
        }
        if (!m_stateKnown || m_color != op.color || m_width != op.width) {
            Close();
            if (!m_stateKnown || m_color != op.color)
                SetColor(op.color);
            if (!m_stateKnown || m_width != op.width)
                glLineWidth(op.width);
            m_color = op.color;
            m_width = op.width;
            m_stateKnown = true;
        }
        m_vertices.insert(m_vertices.end(), {op.x1, op.y1, op.z1, op.x2, op.y2, op.z2});
    }

    // A block goes into the list as one vertex array: the same segments as
    // a vertex call each, compiled and replayed in a fraction of the time.
    void Close()
    {
        if (m_vertices.empty())
            return;
        const std::vector<float> lines = MergeShortSegments(m_vertices);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, lines.data());
        glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(lines.size() / 3));
        glPopClientAttrib();
        m_vertices.clear();
    }

private:
    std::vector<float> m_vertices; // x y z of the open block
    bool m_stateKnown = false; // colour and width below are in force
    int32_t m_color = 0;
    float m_width = 0.0f;
};

void DrawCurve2D(const Curve2DPlan& plan, const std::vector<ShadePiece>& shading)
{
    if (!plan.curvePass)
        return;
    LineState2D state;
    glLineWidth(plan.lineWidth);
    DrawShading(shading); // under the curve
    OpEmitter out;
    for (const DrawOp& op : plan.ops)
        out.Emit(op);
    // The overlays that follow the segment pass (stems, parity, derivative,
    // extremes, arc length, tangents, normals, inflection, curvature) are
    // planned into plan.ops after the segments, in that order.
}

// A point graph: one marker, in a 2D document flat and unlit. The 2D state
// is entered and left also when the point is undefined at this step, so the
// state that follows in the list does not depend on the frame.
void DrawPoint(const PointPlan& plan)
{
    std::optional<LineState2D> state;
    if (plan.lineState2D)
        state.emplace();
    if (plan.marker)
        plan.marker->Draw();
}

} // namespace

void Cls9::Draw(int32_t lngAnimStep)
{
    DrawContext ctx;
    ctx.txtX = Module1::InsertImplicitMultiply(ExpressX);
    ctx.txtY = Module1::InsertImplicitMultiply(ExpressY);
    ctx.txtZ = Module1::InsertImplicitMultiply(ExpressZ);

    // Refreshes the graph's own extents, which the roots read.
    GetBox(Animation ? lngAnimStep : 0);

    if (ShowContour || ShowVector || ShowColormap)
        BoxMinY += 3.0f;

    // Everything that reads the sample grids is worked out before the first
    // OpenGL call and before the result pane is touched: a graph whose
    // samples cannot be read throws here and leaves no trace, neither half a
    // drawing in the display list nor an emptied pane.
    std::optional<Curve2DPlan> curve;
    std::vector<ShadePiece> shading; // integral shading, under the curve
    std::optional<PointPlan> point;
    std::optional<SurfacePlan> surface;
    std::optional<IntersectionPlan> crossing;
    std::optional<OverlayPlan> limit;
    std::optional<SequencePlan> sequence;
    std::optional<ScanPlan> scan;
    switch (GraphType) {
    case GraphType2DFunction:
    case GraphType2DFunctionAnimation:
    case GraphTypeCurveIntersection:
    case GraphTypeStepStem:
    case GraphTypeSeries: {
        // The crossings are searched before the curves are planned: the
        // curve pass marks them.
        if (GraphType == GraphTypeCurveIntersection &&
            (FunForm == FunFormExplicit || FunForm == FunFormParametric)) {
            crossing = PlanCurveIntersection(*this, ctx.txtZ,
                                             Module1::InsertImplicitMultiply(Exp2), g_SceneScale);
            ctx.intersections = crossing->points;
        }
        curve = PlanCurve2D(*this, lngAnimStep, g_SceneScale, ctx.intersections);
        bool goesOn = true; // false once a step has ended the graph
        if (crossing) {
            MergeIntersection(*crossing, *curve);
            goesOn = !crossing->endsGraph;
        }
        // The integral comes first of the analysis: its lines go in above
        // the crossings', and a refused f ends everything after the header.
        if (!AddIntegral(*this, ctx.txtZ, g_SceneScale, *curve, shading))
            goesOn = false;
        if (crossing)
            AppendAreaShading(*crossing, shading);
        // Stems, parity, derivative, extremes and arc length.
        if (goesOn)
            goesOn = AddAfterPassOverlays(*this, ctx.txtX, ctx.txtY, ctx.txtZ, g_SceneScale,
                                          *curve);
        // Tangents, normals, inflection points and curvature come last.
        if (goesOn)
            AppendTangentCurvature(*this, ctx.txtY, ctx.txtZ, g_SceneScale, *curve);
        if (FunForm == FunFormImplicit || FunForm == FunFormInequality)
            scan = PlanScan(*this, lngAnimStep, g_SceneScale, ctx.evaluator, ctx.txtZ);
        break;
    }
    case GraphTypePoint:
    case GraphTypePointAnimation:
        point = PlanPoint(*this, lngAnimStep, g_DocumentKind, g_SceneScale);
        break;
    case GraphType25DFunction:
    case GraphType25DFunctionAnimation:
        surface = PlanSurface(*this, lngAnimStep);
        break;
    case GraphTypeLimit:
        limit = PlanLimit(*this, g_SceneScale);
        break;
    case GraphTypeArithmeticSequence:
    case GraphTypeGeometricSequence:
        sequence = PlanSequence(*this, g_SceneScale);
        break;
    default:
        break;
    }

    // Each graph drawn starts the pane afresh: after a scene the pane holds
    // the analysis of the graph drawn last (nothing for a kind without one).
    // Points have no analysis and are drawn a second time after the axes:
    // they leave the pane to the other graphs.
    if (!point)
        Result().SetLines(curve ? curve->lines : QStringList());

    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, Material == MaterialPresetNeon ? GL_EMISSION : GL_DIFFUSE);
    Cls11 material;
    material.SetMaterial(Material);

    ColorToRGB(SecondColor, ctx.secondRGB[0], ctx.secondRGB[1], ctx.secondRGB[2]);
    ColorToRGB(FirstColor, ctx.firstRGB[0], ctx.firstRGB[1], ctx.firstRGB[2]);
    ColorToRGB(LineColor, ctx.lineRGB[0], ctx.lineRGB[1], ctx.lineRGB[2]);

    if (scan) {
        DrawScan(*scan);
        return;
    }
    if (curve) {
        DrawCurve2D(*curve, shading);
        return;
    }
    if (point) {
        DrawPoint(*point);
        return;
    }
    if (surface) {
        DrawSurface(*surface);
        return;
    }
    if (limit) {
        DrawLimit(*limit);
        return;
    }
    if (sequence) {
        DrawSequence(*sequence);
        return;
    }
    if (GraphType >= GraphTypeLine && GraphType <= GraphTypeParabola) {
        DrawPlaneGeometry(lngAnimStep);
        return;
    }
    if (GraphType == GraphTypePlaneVector || GraphType == GraphTypeVectorOperation) {
        DrawPlaneVector();
        return;
    }
    if (GraphType >= GraphTypeSpaceLine && GraphType <= GraphTypeReserved58) {
        DrawSolid(lngAnimStep);
        return;
    }
    // Every other kind keeps the entry steps only.
}
