// The QMessageBox handler behind ShowMessage.
#include "platform/MessageBox_ui.h"
#include "platform/AppTitle.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

void InstallQtMessageBoxes()
{
    SetMessageHandler([](const MessageRequest& r) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (r.icon) {
        case MsgIcon::None: icon = QMessageBox::NoIcon; break;
        case MsgIcon::Information: icon = QMessageBox::Information; break;
        case MsgIcon::Warning: icon = QMessageBox::Warning; break;
        case MsgIcon::Critical: icon = QMessageBox::Critical; break;
        case MsgIcon::Question: icon = QMessageBox::Question; break;
        }
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        switch (r.buttons) {
        case MsgButtons::Ok: buttons = QMessageBox::Ok; break;
        case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
        case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
        case MsgButtons::YesNoCancel:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
        }
        // A box given no title reads the application's title, in both the
        // window manager's names of the window (Qt would leave one empty).
        const QString title = r.title.isEmpty() ? AppTitle() : r.title;
        QMessageBox box(icon, title, r.text, buttons, QApplication::activeWindow());
        switch (box.exec()) {
        case QMessageBox::Ok: return MsgAnswer::Ok;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        default: return MsgAnswer::Cancel;
        }
    });
}
