#pragma once
// The point dialog "点属性": defines or edits one point graph given by its
// coordinate texts in the document's coordinate systems (2D and 2.5D:
// Cartesian or polar; 3D: Cartesian, cylindrical or spherical), with a
// name, a filled or hollow marker, a colour and a size.
//
// Use: construct (the load step fills the coordinate systems for
// g_DocumentKind), SetUpForDrawMenu() or fill the controls, exec(). OK
// (Command1_Click) creates the point in both scenes, or updates the graph
// of the selected list entry while g_EditingGraph is set, and accepts the
// dialog only when that succeeded. Widgets carry their object names.
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ColorBox;

class frmF16 : public QDialog {
    Q_OBJECT
public:
    explicit frmF16(QWidget* parent = nullptr);

    void Combo1_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    // Selects a coordinate system and runs Combo1_Click.
    void SetCombo1Index(int index);

    // As the Draw menu opens it: the z row only outside 2D documents, the
    // hollow choice only in 2D documents, red outside 2D, first system.
    void SetUpForDrawMenu();

    QTabWidget* SSTab1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QComboBox *Combo1, *Combo2;
    QGroupBox *Frame1, *Frame2;
    QRadioButton *Option1, *Option2;
    ColorBox* Picture1;
    QPushButton *Command1, *Command2;
};
