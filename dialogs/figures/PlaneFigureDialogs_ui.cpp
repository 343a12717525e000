// The line, circle, ellipse, hyperbola, parabola and vector dialogs, run by
// kind for the Draw menu and the editing command.
#include "dialogs/figures/PlaneFigureDialogs_ui.h"

#include "dialogs/common/DialogHost.h"
#include "dialogs/figures/ConicDialog_ui.h"
#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "dialogs/figures/VectorDialogs_ui.h"
#include "dialogs/figures/frmF32_ui.h"
#include "dialogs/figures/frmF33_ui.h"
#include "model/Cls9.h"

using FigureDialogs::MakeFilled;

std::unique_ptr<QDialog> MakePlaneFigureDialog(FigureDialog which, QWidget* parent,
                                               const QString& caption)
{
    std::unique_ptr<QDialog> dialog =
        MakePlaneFigureDialogFor(which, parent, EditedGraphFor(which).get());
    if (dialog && !caption.isEmpty())
        dialog->setWindowTitle(caption);
    return dialog;
}

std::unique_ptr<QDialog> MakePlaneFigureDialogFor(FigureDialog which, QWidget* parent,
                                                  const Cls9* edited)
{
    using F = FigureDialog;
    switch (which) {
    case F::Line: return MakeFilled<frmF32>(edited, parent);
    case F::Circle: return MakeFilled<frmF33>(edited, parent);
    case F::Ellipse: return MakeFilled<ConicDialog>(edited, parent, Conic::Ellipse);
    case F::Hyperbola: return MakeFilled<ConicDialog>(edited, parent, Conic::Hyperbola);
    case F::Parabola: return MakeFilled<ConicDialog>(edited, parent, Conic::Parabola);
    case F::Vector: return MakeFilled<frmF47>(edited, parent);
    case F::VectorOperation: return MakeFilled<frmF48>(edited, parent);
    default: return nullptr;
    }
}
