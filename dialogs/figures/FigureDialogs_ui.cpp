// Dispatch of the figure dialogs by kind, and the graph-type table that maps
// a graph back to the dialog that edits it.
#include "dialogs/figures/FigureDialogs_ui.h"

#include "model/Cls9.h"

void RunFigureDialog(FigureDialog which, QWidget* parent, const QString& caption)
{
    if (RunPlaneFigureDialog(which, parent, caption))
        return;
    RunSolidSequenceDialog(which, parent, caption);
}

bool FigureDialogFor(const Cls9& graph, FigureDialog& which)
{
    switch (graph.GraphType) {
    case GraphTypeCurveIntersection: which = FigureDialog::Intersection; return true;
    case GraphTypeLimit: which = FigureDialog::Limit; return true;
    case GraphTypeLine: which = FigureDialog::Line; return true;
    case GraphTypeCircle: which = FigureDialog::Circle; return true;
    case GraphTypeEllipse: which = FigureDialog::Ellipse; return true;
    case GraphTypeHyperbola: which = FigureDialog::Hyperbola; return true;
    case GraphTypeParabola: which = FigureDialog::Parabola; return true;
    case GraphTypePlaneVector: which = FigureDialog::Vector; return true;
    case GraphTypeVectorOperation: which = FigureDialog::VectorOperation; return true;
    case GraphTypeArithmeticSequence: which = FigureDialog::ArithmeticSequence; return true;
    case GraphTypeGeometricSequence: which = FigureDialog::GeometricSequence; return true;
    case GraphTypeSpaceLine: which = FigureDialog::SpaceLine; return true;
    case GraphTypePrism: which = FigureDialog::Prism; return true;
    case GraphTypePyramid: which = FigureDialog::Pyramid; return true;
    case GraphTypePyramidFrustum: which = FigureDialog::PyramidFrustum; return true;
    case GraphTypeCylinder: which = FigureDialog::Cylinder; return true;
    case GraphTypeCone: which = FigureDialog::Cone; return true;
    case GraphTypeConeFrustum: which = FigureDialog::ConeFrustum; return true;
    case GraphTypeSphere: which = FigureDialog::Sphere; return true;
    default: return false;
    }
}
