#pragma once
// The line dialog "直线及其与点和直线的关系": a straight line in one of four
// equation forms over a parameter range, with an optional point (its
// perpendicular or parallel) and an optional second line, as one graph of
// type 41 traced as x(u), y(u).
//
// Use: construct (the load step fills the lists and colours), Fill() from a
// graph for an edit, exec(). OK (Command1_Click) creates the line in both
// scenes, or replaces the graph of the selected list entry while
// g_EditingGraph is set, and closes only when that succeeded.
#include <QDialog>

class Cls9;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ColorBox;

class frmF32 : public QDialog {
    Q_OBJECT
public:
    explicit frmF32(QWidget* parent = nullptr);

    // Captions and boxes of the form chosen in Combo1 / Combo2.
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // Every control OK reads, from the graph's members.
    void Fill(const Cls9& g);

    QTabWidget* SSTab1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18,
        *Label19, *Label20, *Label21, *Label22, *Label23, *Label24, *Label25, *Label26, *Label27;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10,
        *Text11, *Text12, *Text13;
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5;
    QCheckBox *Check1, *Check2;
    QRadioButton *Option1, *Option2;
    ColorBox *Picture1, *Picture2, *Picture3;
    QPushButton *Command1, *Command2;
};
