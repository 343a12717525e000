#pragma once
// The 2D coordinate-system dialog: axes, grid, background and fonts of a 2D
// document (g_CoordSystem). Construct (filled from the settings), exec().
// Nothing changes before OK; OK writes every control, sets g_AxesDialogOK
// and closes; Cancel clears g_AxesDialogOK and closes.
#include <QDialog>
#include <QFrame>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class ColorBox;

// One fill-type picture of the background tab; a click selects its type.
class FillTypePicture : public QFrame {
    Q_OBJECT
public:
    FillTypePicture(int32_t fillType, QWidget* parent);
    int32_t FillType() const { return m_type; }

signals:
    void clicked(int32_t fillType);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t m_type;
};

class frmF20 : public QDialog {
    Q_OBJECT
public:
    explicit frmF20(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    // A click on Image1(index): fill type index + 1, framed by Shape1.
    void Image1_Click(int index);

    int32_t SelectedFillType() const { return m_fillType; }

    QTabWidget* SSTab1;
    QCheckBox* Check1; // show
    QCheckBox* Check2; // primary grid
    QCheckBox* Check3; // secondary grid
    QCheckBox* Check4; // background
    QCheckBox* Check5; // secondary labels
    QCheckBox* Check6; // pi steps
    QCheckBox* Check7; // shadow
    QCheckBox* Check8; // better fonts
    QComboBox* Combo1; // axis width "1".."5"
    ColorBox* Picture1; // axis
    ColorBox* Picture2; // primary grid
    ColorBox* Picture3; // secondary grid
    ColorBox* Picture4; // background colour 1
    ColorBox* Picture5; // background colour 2
    QFrame* Frame1;
    std::array<FillTypePicture*, 19> Image1{};
    QFrame* Shape1;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void FrameFillType(int index);

    int32_t m_fillType = 0;
    int32_t m_storedAxisWidth = 1;
};
