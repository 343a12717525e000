#pragma once
// The 3D coordinate-system dialog of 2.5D and 3D documents: shown or not,
// the style (panel box or three lines; 3D only), the three panels with
// colour and material, the six grids with their colours and the number of
// intervals on each axis (g_CoordSystem). Construct (filled from the
// settings), exec().
//
// Nothing changes before OK. OK sets g_AxesDialogOK, writes "显示坐标系",
// the style and the six colours, and, when the box is shown with panels,
// the panels, materials, grids and counts; a count outside 1 to 50 is
// refused with "存在非法数据。" and the dialog stays open with nothing
// changed. Cancel clears g_AxesDialogOK. Both repaint the parent window.
#include <QDialog>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ColorBox;

class frmF3 : public QDialog {
    Q_OBJECT
public:
    explicit frmF3(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    // Enables a panel's colour and material controls with its "显示" box.
    void UpdatePanelControls();

    QTabWidget* SSTab1;
    QCheckBox* Check1; // show
    QGroupBox* Frame1; // style
    QRadioButton* Option1; // panels
    QRadioButton* Option2; // three lines
    QCheckBox* Check2; // XY panel
    QCheckBox* Check3; // XZ panel
    QCheckBox* Check4; // YZ panel
    ColorBox* Picture1; // XY panel colour
    ColorBox* Picture2; // XZ
    ColorBox* Picture3; // YZ
    QComboBox* Combo1; // XY panel material
    QComboBox* Combo2; // XZ
    QComboBox* Combo3; // YZ
    QLabel* Label2; QLabel* Label3; // XY colour and material labels
    QLabel* Label4; QLabel* Label5; // XZ
    QLabel* Label6; QLabel* Label7; // YZ
    QCheckBox* Check5; // XY grid along x
    QCheckBox* Check6; // XY along y
    QCheckBox* Check7; // XZ along x
    QCheckBox* Check8; // XZ along z
    QCheckBox* Check9; // YZ along y
    QCheckBox* Check10; // YZ along z
    ColorBox* Picture5; // XY grid colour
    ColorBox* Picture7; // XZ
    ColorBox* Picture9; // YZ
    QLineEdit* Text1; // intervals along x
    QLineEdit* Text2; // y
    QLineEdit* Text3; // z
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void ApplyPanels();
    void ApplyGrids();
    void ApplyLabelCounts(int32_t x, int32_t y, int32_t z);
    void RepaintParent();
};
