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

namespace {

template <class Dialog, class... Args>
std::unique_ptr<QDialog> Make(const Cls9* edited, QWidget* parent, Args... args)
{
    auto dialog = std::make_unique<Dialog>(args..., parent);
    if (edited)
        dialog->Fill(*edited);
    return dialog;
}

} // namespace

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
    std::unique_ptr<QDialog> dialog;
    switch (which) {
    case FigureDialog::Line: dialog = Make<frmF32>(edited, parent); break;
    case FigureDialog::Circle: dialog = Make<frmF33>(edited, parent); break;
    case FigureDialog::Ellipse: dialog = Make<ConicDialog>(edited, parent, Conic::Ellipse); break;
    case FigureDialog::Hyperbola:
        dialog = Make<ConicDialog>(edited, parent, Conic::Hyperbola);
        break;
    case FigureDialog::Parabola:
        dialog = Make<ConicDialog>(edited, parent, Conic::Parabola);
        break;
    case FigureDialog::Vector: dialog = Make<frmF47>(edited, parent); break;
    case FigureDialog::VectorOperation: dialog = Make<frmF48>(edited, parent); break;
    default: return nullptr;
    }
    return dialog;
}
