// The curve intersection, limit, sequence, space-line and solid dialogs,
// made by kind for the Draw menu and the editing command.
#include "dialogs/figures/FigureDialogs_ui.h"

#include "dialogs/figures/SequenceDialogs_ui.h"
#include "dialogs/figures/SolidDialogs_ui.h"
#include "dialogs/figures/frmF25_ui.h"
#include "dialogs/figures/frmF30_ui.h"
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

std::unique_ptr<QDialog> MakeSolidSequenceDialog(FigureDialog which, QWidget* parent,
                                                 const Cls9* edited)
{
    using F = FigureDialog;
    switch (which) {
    case F::Intersection: return Make<frmF25>(edited, parent);
    case F::Limit: return Make<frmF30>(edited, parent);
    case F::ArithmeticSequence: return Make<SequenceDialog>(edited, parent, false);
    case F::GeometricSequence: return Make<SequenceDialog>(edited, parent, true);
    case F::SpaceLine: return Make<frmF37>(edited, parent);
    case F::Prism: return Make<SolidDialog>(edited, parent, Solid::Prism);
    case F::Pyramid: return Make<SolidDialog>(edited, parent, Solid::Pyramid);
    case F::PyramidFrustum: return Make<SolidDialog>(edited, parent, Solid::PyramidFrustum);
    case F::Cylinder: return Make<SolidDialog>(edited, parent, Solid::Cylinder);
    case F::Cone: return Make<SolidDialog>(edited, parent, Solid::Cone);
    case F::ConeFrustum: return Make<SolidDialog>(edited, parent, Solid::ConeFrustum);
    case F::Sphere: return Make<SolidDialog>(edited, parent, Solid::Sphere);
    default: return nullptr;
    }
}
