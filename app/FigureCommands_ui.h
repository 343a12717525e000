#pragma once
// The figure half of the Draw menu: "平面解析几何" (vectors, line, circle,
// conics), "相交", "数列", "立体几何" (space line and seven solids) and
// "极限". Each item runs its figure dialog for a new graph and, when the
// dialog added one, sets the view rotation and lists and ticks it.
#include "dialogs/figures/FigureDialogs_ui.h"

#include <QString>

class QMenu;
class frmF1;

// Adds the figure items to the Draw menu, after the function submenus.
void AddFigureCommands(frmF1* window, QMenu* drawMenu);

// One figure command: the dialog of `which` titled `caption` (empty: its
// own title), then the rotation (roll, pitch, yaw) and the list entry.
void RunFigureCommand(frmF1* window, FigureDialog which, const QString& caption, float roll,
                      float pitch, float yaw);
