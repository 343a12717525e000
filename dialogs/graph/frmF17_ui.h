#pragma once
// The point animation dialog "点动画": defines or edits one animated point
// whose coordinates are expressions in t, evaluated once per animation
// frame from the t minimum to the t maximum. Coordinate systems, marker,
// colour and size as in the point dialog.
//
// Use: construct (the load step fills the coordinate systems for
// g_DocumentKind, none selected), SetUpForAnimationMenu() or fill the
// controls, exec(). OK (Command1_Click) enables the main window's playback
// commands once its boxes are filled and clean, then creates the point in
// both scenes or updates the edited graph, and accepts the dialog only when
// that succeeded. Widgets carry their object names.
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ColorBox;

class frmF17 : public QDialog {
    Q_OBJECT
public:
    explicit frmF17(QWidget* parent = nullptr);

    void Combo1_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    // Selects a coordinate system and runs Combo1_Click.
    void SetCombo1Index(int index);

    // As the Animation menu opens it: the z row only outside 2D documents,
    // the hollow choice only in 2D documents, red outside 2D, the first
    // system, and the t segments fixed to g_FrameCount.
    void SetUpForAnimationMenu();

    QTabWidget* SSTab1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7;
    QComboBox *Combo1, *Combo2;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QRadioButton *Option1, *Option2;
    ColorBox* Picture1;
    QPushButton *Command1, *Command2;
};
