#pragma once
// The Draw menu's "坐标系..." command and its two dialogs' shared flag.
#include <functional>

class QWidget;

// Set by the coordinate-system dialogs: True after OK (the scene must be
// recompiled), False after Cancel. The command clears it after use.
extern bool g_AxesDialogOK;

// Shows the 2D dialog (frmF20) in a 2D document, else the 3D dialog (frmF3),
// modally. After OK runs rebuild, then display, and clears g_AxesDialogOK;
// after Cancel runs neither. Returns whether the dialog was confirmed.
bool RunAxesCommand(QWidget* parent, const std::function<void()>& rebuild,
                    const std::function<void()>& display);
