// The curve intersection, limit, sequence, space-line and solid dialogs,
// made by kind for the Draw menu and the editing command.
#include "dialogs/figures/FigureDialogs_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "dialogs/figures/SequenceDialogs_ui.h"
#include "dialogs/figures/SolidDialogs_ui.h"
#include "dialogs/figures/frmF25_ui.h"
#include "dialogs/figures/frmF30_ui.h"
#include "model/Cls9.h"

using FigureDialogs::MakeFilled;

std::unique_ptr<QDialog> MakeSolidSequenceDialog(FigureDialog which, QWidget* parent,
                                                 const Cls9* edited)
{
    using F = FigureDialog;
    switch (which) {
    case F::Intersection: return MakeFilled<frmF25>(edited, parent);
    case F::Limit: return MakeFilled<frmF30>(edited, parent);
    case F::ArithmeticSequence: return MakeFilled<SequenceDialog>(edited, parent, false);
    case F::GeometricSequence: return MakeFilled<SequenceDialog>(edited, parent, true);
    case F::SpaceLine: return MakeFilled<frmF37>(edited, parent);
    case F::Prism: return MakeFilled<SolidDialog>(edited, parent, Solid::Prism);
    case F::Pyramid: return MakeFilled<SolidDialog>(edited, parent, Solid::Pyramid);
    case F::PyramidFrustum: return MakeFilled<SolidDialog>(edited, parent, Solid::PyramidFrustum);
    case F::Cylinder: return MakeFilled<SolidDialog>(edited, parent, Solid::Cylinder);
    case F::Cone: return MakeFilled<SolidDialog>(edited, parent, Solid::Cone);
    case F::ConeFrustum: return MakeFilled<SolidDialog>(edited, parent, Solid::ConeFrustum);
    case F::Sphere: return MakeFilled<SolidDialog>(edited, parent, Solid::Sphere);
    default: return nullptr;
    }
}
