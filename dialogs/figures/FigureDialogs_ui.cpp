// Dispatch of the figure dialogs by kind, and the graph-type table that maps
// a graph back to the dialog that edits it.
#include "dialogs/figures/FigureDialogs_ui.h"

#include "dialogs/common/DialogHost.h"
#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "model/Cls9.h"

std::unique_ptr<QDialog> MakeFigureDialog(FigureDialog which, QWidget* parent,
                                          const QString& caption, const Cls9* edited)
{
    std::unique_ptr<QDialog> dialog = MakePlaneFigureDialogFor(which, parent, edited);
    if (!dialog)
        dialog = MakeSolidSequenceDialog(which, parent, edited);
    if (dialog && !caption.isEmpty())
        dialog->setWindowTitle(caption);
    return dialog;
}

std::shared_ptr<Cls9> EditedGraphFor(FigureDialog which)
{
    std::shared_ptr<Cls9> graph = g_EditingGraph ? FigureDialogs::EditedGraph() : nullptr;
    FigureDialog kind;
    return graph && FigureDialogFor(*graph, kind) && kind == which ? graph : nullptr;
}

void RunFigureDialog(FigureDialog which, QWidget* parent, const QString& caption)
{
    // An edit fills the dialog only from a graph that this dialog makes.
    const std::shared_ptr<Cls9> edited = EditedGraphFor(which);
    if (std::unique_ptr<QDialog> dialog = MakeFigureDialog(which, parent, caption, edited.get()))
        dialog->exec();
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
