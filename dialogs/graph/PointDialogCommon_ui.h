#pragma once
// What the point dialog and the point animation dialog share: their
// coordinate systems per document kind, the marker sizes, the captions and
// menu set-up of their controls and the point graph they build.
#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace PointDialog {

using GraphDialog::IsShown;
using GraphDialog::Named;
using GraphDialog::Warn;

// Plane documents place a point in the plane; 3D documents in space.
inline bool PlaneDocument()
{
    return g_DocumentKind == DocumentKind2D || g_DocumentKind == DocumentKind25D;
}

inline QStringList CoordinateSystems()
{
    if (PlaneDocument())
        return {QStringLiteral("直角坐标"), QStringLiteral("极坐标")};
    return {QStringLiteral("直角坐标"), QStringLiteral("柱面坐标"), QStringLiteral("球面坐标")};
}

// CoordType of a coordinate-system index; 0 when none is selected.
inline int32_t CoordTypeOf(int index)
{
    if (PlaneDocument()) {
        if (index == 0)
            return CoordTypeCartesian2D;
        if (index == 1)
            return CoordTypePolar;
        return 0;
    }
    if (index >= 0 && index <= 2)
        return CoordTypeCartesian3D + index;
    return 0;
}

// Marker sizes "1" to "9", "2" selected; a typed size is accepted.
inline void FillSizes(QComboBox* combo)
{
    combo->setEditable(true);
    for (int i = 1; i <= 9; ++i)
        combo->addItem(QString::number(i));
    combo->setCurrentIndex(1);
}

// Captions of the three coordinate labels for the system `index` (one row
// of `captions` per system); a plane document keeps its third label as is.
inline void ShowCoordinateCaptions(int index, const char* const (&captions)[3][3], QLabel* first,
                                   QLabel* second, QLabel* third)
{
    const bool plane = PlaneDocument();
    if (index < 0 || index > (plane ? 1 : 2))
        return;
    first->setText(QString::fromLatin1(captions[index][0]));
    second->setText(QString::fromLatin1(captions[index][1]));
    if (!plane)
        third->setText(QString::fromLatin1(captions[index][2]));
}

// As a menu opens the dialog: the z row only outside 2D documents, the
// hollow choice only in 2D documents, red outside 2D, the plane systems in
// plane documents. The caller then selects the first system.
inline void SetUpForMenu(QLabel* zLabel, QLineEdit* zBox, QWidget* hollowFrame, ColorBox* color,
                         QComboBox* systems)
{
    const bool is2D = g_DocumentKind == DocumentKind2D;
    zLabel->setVisible(!is2D);
    zBox->setVisible(!is2D);
    hollowFrame->setVisible(is2D);
    if (!is2D)
        color->SetColor(255);
    if (PlaneDocument()) {
        systems->clear();
        systems->addItems({QStringLiteral("直角坐标"), QStringLiteral("极坐标")});
    }
}

// A point graph of `graphType` from the dialog's boxes: a plane document's
// two coordinates are the graph's y and z with x "0".
inline std::shared_ptr<Cls9> NewPointGraph(int32_t graphType, const QString& name,
                                           int32_t coordType, const QLineEdit* first,
                                           const QLineEdit* second, const QLineEdit* third,
                                           bool hollow, const ColorBox* color,
                                           const QComboBox* size)
{
    const bool space = g_DocumentKind == DocumentKind3D;
    const QString x = space ? first->text() : QStringLiteral("0");
    const QString y = space ? second->text() : first->text();
    const QString z = space ? third->text() : second->text();
    std::shared_ptr<Cls9> graph =
        Cls9::Init(g_LastGraphID, name, graphType, coordType, x, y, z, 1, 1, 0.0f, 1.0f, 0.0f,
                   0.0f, FillStyleSingleColor, 0xFF0000, 0xFF0000, 0, 1, MaterialPresetMetal,
                   ShowModelWireframe, SmoothnessSmoother);
    graph->FunForm = FunFormParametric;
    graph->PointHollow = hollow;
    graph->PointColor = color->Color();
    graph->PointSize = static_cast<float>(Val(size->currentText()));
    return graph;
}

} // namespace PointDialog
