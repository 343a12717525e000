#include "platform/MessageBox_ui.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallQtMessageBoxes();
    return 0;
}
