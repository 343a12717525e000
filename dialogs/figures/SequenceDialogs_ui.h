#pragma once
// The twin sequence dialogs, one class: the arithmetic sequence "等差数列"
// (frmF45, graph type 61, an = a1 + (n-1)d) and the geometric sequence
// "等比数列" (frmF46, graph type 62, an = a1*q^(n-1)). The graph holds a1,
// d or q and the number of terms n; drawing computes the terms.
//
// Use: construct, Fill() from a graph for an edit, exec(). OK
// (Command1_Click) creates the sequence in both scenes, or replaces the
// graph of the selected list entry while g_EditingGraph is set.
#include <QDialog>

#include <cstdint>

class Cls9;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SequenceDialog : public QDialog {
    Q_OBJECT
public:
    SequenceDialog(bool geometric, QWidget* parent = nullptr);

    bool Geometric() const { return m_geometric; }

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QGroupBox* Frame1;
    QPushButton *Command1, *Command2;

private:
    bool m_geometric;
};
