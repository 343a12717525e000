#pragma once
// The view dialog: the camera's projection type and the visible region
// g_RangeMinX .. g_RangeMaxZ to which sampling clips graphs made afterwards.
// Construct (filled from g_Camera and the region), exec(). OK checks every
// range box first: a box with a character a number cannot hold shows
// "存在非法数据。" and the dialog stays open with nothing changed; otherwise
// the projection type and the region are written and the dialog closes.
// Cancel changes nothing. Nothing is redrawn.
#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

class frmF14 : public QDialog {
    Q_OBJECT
public:
    explicit frmF14(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QRadioButton* Option1; // orthographic
    QRadioButton* Option2; // perspective
    // Text[1] .. Text[6]: min x, max x, min y, max y, min z, max z.
    std::array<QLineEdit*, 7> Text{};
    QPushButton* Command1;
    QPushButton* Command2;
};
