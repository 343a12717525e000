// Set-up of the application object shared by main() and the window tests.
#include "app/AppStart_ui.h"

#include "app/AppIcons_ui.h"
#include "platform/AppTitle.h"
#include "platform/MessageBox_ui.h"
#include "platform/QtTranslation.h"

#include <QApplication>

void PrepareApplication(QApplication& app)
{
    // The application name, not a display name: on X11 Qt appends a display
    // name to every window title (" — Curvarium"), while the titles must read
    // exactly as given. The name is what a window left without a title
    // reads instead of the executable's name.
    QCoreApplication::setApplicationName(AppTitle());
    QApplication::setWindowIcon(ProgramIcon());
    // Standard buttons and dialogs read in Chinese like the rest of the
    // program; without the translation installed they stay in English.
    (void)InstallQtChineseTranslation(&app);
    InstallQtMessageBoxes();
}
