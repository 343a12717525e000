// Program start: message boxes, the main window, the document named on the command line.
#include "app/frmF1_ui.h"
#include "platform/MessageBox_ui.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
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
