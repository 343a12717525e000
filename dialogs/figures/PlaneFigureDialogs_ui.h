#pragma once
// The plane-geometry and vector dialogs by kind, made ready to show: the
// line, circle, conic and vector dialogs, filled from the selected graph
// when an edit opens them.
#include "dialogs/figures/FigureDialogs_ui.h"

#include <QDialog>
#include <memory>

// The dialog of `which`, created, with `caption` as its title when that is
// not empty, and filled from the selected list entry's graph while
// g_EditingGraph is set. nullptr for a kind these dialogs do not make.
std::unique_ptr<QDialog> MakePlaneFigureDialog(FigureDialog which, QWidget* parent,
                                               const QString& caption = QString());
