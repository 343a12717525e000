// Program entry: the application object with its name, icon and Qt's own
// Chinese texts, then the main window with the document named on the
// command line.
#include "app/AppIcons_ui.h"
#include "app/frmF1_ui.h"
#include "platform/AppTitle.h"
#include "platform/MessageBox_ui.h"
#include "platform/QtTranslation.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(AppTitle());
    QApplication::setWindowIcon(ProgramIcon());
    // Standard buttons and dialogs read in Chinese like the rest of the
    // program; without the translation installed they stay in English.
    (void)InstallQtChineseTranslation(&app);
    InstallQtMessageBoxes();

    // Everything after the program's own path is one document path, also
    // when it holds blanks.
    QStringList args = QApplication::arguments();
    args.removeFirst();
    const QString documentPath = args.join(QLatin1Char(' '));

    frmF1 window;
    window.Form_Load(documentPath);
    window.show();
    return app.exec();
}
