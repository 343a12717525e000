#pragma once
// The figures of a 3D document: the space line "空间直线" (frmF37, graph type
// 50), a segment from a start to an end point, and the seven solids, one
// class: prism "棱柱" (frmF38, 51), pyramid "棱锥" (frmF39, 52), pyramid
// frustum "棱台" (frmF40, 53), cylinder "圆柱" (frmF41, 54), cone "圆锥"
// (frmF42, 55), truncated cone "圆台" (frmF43, 56) and sphere "球" (frmF44,
// 57). They store numbers only (GPara1 to GPara6, EdgeNum, GeomColor,
// GeomWidth); drawing works from them.
//
// Use: construct, Fill() from a graph for an edit, exec(). OK
// (Command1_Click) creates the figure in both scenes, or replaces the graph
// of the selected list entry while g_EditingGraph is set.
#include <QDialog>

#include <array>

class Cls9;
class ColorBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmF37 : public QDialog {
    Q_OBJECT
public:
    explicit frmF37(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7;
    QGroupBox *Frame1, *Frame2, *Frame3;
    ColorBox* Picture1;
    QComboBox* Combo1;
    QPushButton *Command1, *Command2;
};

enum class Solid { Prism, Pyramid, PyramidFrustum, Cylinder, Cone, ConeFrustum, Sphere };

class SolidDialog : public QDialog {
    Q_OBJECT
public:
    SolidDialog(Solid solid, QWidget* parent = nullptr);

    Solid Kind() const { return m_solid; }

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Fill(const Cls9& g);

    // Text(k) is the box named "Text<k>": 1 the name, the others sizes and
    // the centre (which box is which differs by solid); nullptr past the
    // last box.
    QLineEdit* Text(int k) const;

    QLineEdit* Text1;
    QComboBox* Combo1; // sides "3" to "12"; nullptr for the round solids
    QRadioButton *Option1, *Option2;
    ColorBox* Picture1;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;
    QPushButton *Command1, *Command2;

private:
    Solid m_solid;
    std::array<QLineEdit*, 8> m_texts{}; // index k: "Text<k>"
};
