#pragma once
// The animation options dialog "动画选项": frame count and speed.
//
// Use: construct (the load step writes g_FrameCount and g_FramesPerSecond
// into the boxes), exec(). OK (Command1_Click) checks both boxes, sets the
// two globals and the main window's timer interval and closes; a refused
// value leaves the dialog open with a message and changes nothing. Cancel
// closes and changes nothing. Both repaint the main window.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class frmF19 : public QDialog {
    Q_OBJECT
public:
    explicit frmF19(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QLabel *Label1, *Label2;
    QLineEdit *text1, *Text2;
    QPushButton *Command1, *Command2;
};
