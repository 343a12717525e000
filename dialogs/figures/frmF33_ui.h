#pragma once
// The circle dialog "圆": a circle in standard, general or parametric form
// (traced as x(u), y(u)), optionally a tangent given by a point or a slope
// and a second circle found from given conditions, as one graph of type 42.
//
// Use: construct (the load step fills the lists and colours), Fill() from a
// graph for an edit, exec(). OK (Command1_Click) creates the circle in both
// scenes, or replaces the graph of the selected list entry while
// g_EditingGraph is set, and closes only when that succeeded.
#include <QDialog>

class Cls9;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ColorBox;

class frmF33 : public QDialog {
    Q_OBJECT
public:
    explicit frmF33(QWidget* parent = nullptr);

    void Combo1_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // Every control OK reads, from the graph's members.
    void Fill(const Cls9& g);

    // Text(n) is the box TextN (1 to 26; there is no Text8).
    QLineEdit* Text(int n) const;

    QTabWidget* SSTab1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7;
    QLineEdit* Text9to26[18];
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4;
    QCheckBox *Check1, *Check2, *Check3;
    QRadioButton *Option1, *Option2, *Option4, *Option5, *Option6, *Option7;
    ColorBox *Picture1, *Picture2, *Picture3;
    QPushButton *Command1, *Command2;
};
