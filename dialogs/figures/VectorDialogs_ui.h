#pragma once
// The two vector dialogs: "平面向量" (frmF47) a plane vector from a start to
// an end point (graph type 46), and "平面向量运算" (frmF48) the sum,
// difference, multiple or dot product of plane vectors given by their
// components (graph type 47). Both are drawn from their numbers alone.
//
// Use: construct, Fill() from a graph for an edit, exec(). OK
// (Command1_Click) creates the graph in both scenes, or replaces the graph
// of the selected list entry while g_EditingGraph is set.
#include <QDialog>

class Cls9;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmF47 : public QDialog {
    Q_OBJECT
public:
    explicit frmF47(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    QLabel *Label1, *Label2, *Label3, *Label5, *Label6;
    QLineEdit *Text1, *Text2, *Text3, *Text5, *Text6;
    QGroupBox *Frame1, *Frame2;
    QPushButton *Command1, *Command2;
};

class frmF48 : public QDialog {
    Q_OBJECT
public:
    explicit frmF48(QWidget* parent = nullptr);

    // The constant row for "乘以常数", the second vector otherwise.
    void Combo1_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QComboBox* Combo1;
    QGroupBox *Frame1, *Frame2;
    QPushButton *Command1, *Command2;
};
