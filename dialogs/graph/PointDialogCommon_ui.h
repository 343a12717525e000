#pragma once
// What the point dialog and the point animation dialog share: their
// coordinate systems per document kind, the marker sizes and the check of
// whether a control was hidden by its caller.
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QStringList>
#include <QWidget>

namespace PointDialog {

template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

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

// True unless the widget was hidden explicitly (independent of the tab that
// happens to be open and of whether the dialog is on screen).
inline bool IsShown(const QWidget* widget)
{
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden());
}

inline void Warn(const QString& text)
{
    ShowMessage(text, QStringLiteral("注意"), MsgIcon::Warning);
}

} // namespace PointDialog
