#pragma once
// The limit dialog "极限" (frmF30): a function y(x) sampled around the point
// x0 that x approaches, from both sides, from the left or from the right,
// as one graph of type 37, showing its sample points, its curve or both.
//
// Use: construct (the load step fills the side list), Fill() from a graph
// for an edit, exec(). OK (Command1_Click) creates the graph in both scenes,
// or replaces the graph of the selected list entry while g_EditingGraph is
// set, and closes only when that succeeded.
#include <QDialog>

class Cls9;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmF30 : public QDialog {
    Q_OBJECT
public:
    explicit frmF30(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    QLabel *Label1, *Image1, *Image2;
    QLineEdit *Text1, *Text2, *Text3;
    QComboBox* Combo1;
    QCheckBox *Check1, *Check2;
    QPushButton *Command1, *Command2;
};
