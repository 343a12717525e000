#pragma once
// The three conic dialogs, one class: ellipse "椭圆" (frmF34, graph type
// 43, traced as x(u), y(u)), hyperbola "双曲线" (frmF35, 44) and parabola
// "抛物线" (frmF36, 45), each in two equation forms, one y(x) branch that
// the drawing mirrors. Name, form, parameters a, b, c (parabola: p), d,
// the compute switch, colour and width.
//
// Use: construct with the conic (the load step fills the lists), Fill()
// from a graph for an edit, exec(). OK (Command1_Click) creates the conic
// in both scenes, or replaces the graph of the selected list entry while
// g_EditingGraph is set, and closes only when that succeeded.
#include <QDialog>

class Cls9;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ColorBox;

enum class Conic { Ellipse, Hyperbola, Parabola };

class ConicDialog : public QDialog {
    Q_OBJECT
public:
    ConicDialog(Conic conic, QWidget* parent = nullptr);

    Conic Kind() const { return m_conic; }

    void Combo1_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // Every control OK reads, from the graph's members.
    void Fill(const Cls9& g);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11;
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QLineEdit* Text5; // nullptr in the parabola dialog
    QComboBox *Combo1, *Combo2;
    QGroupBox *Frame1, *Frame2;
    QCheckBox* Check1;
    ColorBox* Picture1;
    QPushButton *Command1, *Command2;

private:
    Conic m_conic;
};
