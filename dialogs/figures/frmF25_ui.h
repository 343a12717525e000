#pragma once
// The curve intersection dialog "曲线相交" (frmF25): two functions y1(x) and
// y2(x) over one x range as one graph of type 20, with the colour and width
// of each curve, the marking of their crossings and the shading of the area
// they enclose.
//
// Use: construct (the load step fills the lists), Fill() from a graph for an
// edit, exec(). OK (Command1_Click) creates the graph in both scenes, or
// replaces the graph of the selected list entry while g_EditingGraph is set,
// and closes only when that succeeded.
#include <QDialog>

#include <cstdint>

class Cls9;
class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The most segments the dialog takes: the crossing search compares every
// segment of one curve with every segment of the other.
inline constexpr int32_t MaxIntersectionSegments = 10000;

class frmF25 : public QDialog {
    Q_OBJECT
public:
    explicit frmF25(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    QTabWidget* SSTab1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13, *Label14;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    ColorBox *Picture1, *Picture2, *Picture3, *Picture4;
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4;
    QCheckBox *Check1, *Check2;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6;
    QPushButton *Command1, *Command2;
};
