#pragma once
// One entry for every figure dialog (plane figures, vectors, intersection,
// limit, sequences, space line and solids): the Draw menu and the editing
// command run a dialog by its kind, without knowing its class.
#include <QDialog>
#include <QString>

#include <memory>

class Cls9;
class QWidget;

enum class FigureDialog {
    Intersection,       // frmF25, graph type 20
    Limit,              // frmF30, 37
    Line,               // frmF32, 41
    Circle,             // frmF33, 42
    Ellipse,            // frmF34, 43
    Hyperbola,          // frmF35, 44
    Parabola,           // frmF36, 45
    Vector,             // frmF47, 46
    VectorOperation,    // frmF48, 47
    ArithmeticSequence, // frmF45, 61
    GeometricSequence,  // frmF46, 62
    SpaceLine,          // frmF37, 50
    Prism,              // frmF38, 51
    Pyramid,            // frmF39, 52
    PyramidFrustum,     // frmF40, 53
    Cylinder,           // frmF41, 54
    Cone,               // frmF42, 55
    ConeFrustum,        // frmF43, 56
    Sphere,             // frmF44, 57
};

// The space line and the solids: figures of 3D documents, the others of 2D
// documents.
inline bool IsSolidFigure(FigureDialog which)
{
    return which >= FigureDialog::SpaceLine && which <= FigureDialog::Sphere;
}

// Shows the dialog of `which` modally and returns when it is closed. A
// non-empty `caption` replaces the dialog's own title (the Draw menu sets
// some). With g_EditingGraph set the dialog opens filled from the selected
// graph and its OK replaces that graph; otherwise its OK appends a new one.
void RunFigureDialog(FigureDialog which, QWidget* parent, const QString& caption = QString());

// The dialog of `which`, created and not yet shown: titled `caption` when
// that is not empty, and filled from `edited` when one is given (an edit;
// its OK then replaces the selected list entry's graph, as g_EditingGraph
// says).
std::unique_ptr<QDialog> MakeFigureDialog(FigureDialog which, QWidget* parent,
                                          const QString& caption = QString(),
                                          const Cls9* edited = nullptr);

// While g_EditingGraph is set, the selected list entry's graph when the
// dialog of `which` makes graphs of its kind; otherwise nullptr.
std::shared_ptr<Cls9> EditedGraphFor(FigureDialog which);

// The dialog that makes graphs like `graph`; false for a graph type that no
// figure dialog makes.
bool FigureDialogFor(const Cls9& graph, FigureDialog& which);

// The two halves behind MakeFigureDialog: the plane-geometry and vector
// dialogs, and the intersection, limit, sequence, space-line and solid
// dialogs. Each gives nullptr for a kind it does not make.
std::unique_ptr<QDialog> MakePlaneFigureDialogFor(FigureDialog which, QWidget* parent,
                                                  const Cls9* edited);
std::unique_ptr<QDialog> MakeSolidSequenceDialog(FigureDialog which, QWidget* parent,
                                                 const Cls9* edited);
