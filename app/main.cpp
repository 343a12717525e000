// Program entry: the process and application set-up, then the main window
// with the document named on the command line.
#include "app/AppStart_ui.h"
#include "app/frmF1_ui.h"
#include "platform/ProcessStart.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    PrepareProcess();
    QApplication app(argc, argv);
    PrepareApplication(app);

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
