// The Draw menu's "坐标系..." command: the 2D or 3D coordinate-system dialog, then rebuild and redraw.
#include "dialogs/view/AxesCommand_ui.h"

#include "dialogs/view/frmF20_ui.h"
#include "dialogs/view/frmF3_ui.h"
#include "model/Globals.h"

bool g_AxesDialogOK = false;

bool RunAxesCommand(QWidget* parent, const std::function<void()>& rebuild,
                    const std::function<void()>& display)
{
    // Closing the window any other way than OK counts as Cancel.
    g_AxesDialogOK = false;
    if (g_DocumentKind == DocumentKind2D) {
        frmF20 dialog(parent);
        dialog.exec();
    } else {
        frmF3 dialog(parent);
        dialog.exec();
    }
    if (!g_AxesDialogOK)
        return false;
    if (rebuild)
        rebuild();
    if (display)
        display();
    g_AxesDialogOK = false;
    return true;
}
