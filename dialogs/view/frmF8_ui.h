#pragma once
// The light dialog: switches lighting and two-sided lighting, the global
// ambient level, and edits the first light's position and the colours that
// both lights share (g_Light). Construct (the controls are filled from
// g_Light), exec(); OK writes every control back, Cancel changes nothing.
// Nothing is redrawn: the light shows at the next frame.
#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

class frmF8 : public QDialog {
    Q_OBJECT
public:
    explicit frmF8(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QCheckBox* Check1; // lighting on
    QCheckBox* Check2; // two-sided
    QCheckBox* Check3; // global ambient
    // Text1, Text2, Text3, Text16: position x, y, z, w; Text4..Text7 diffuse,
    // Text8..Text11 ambient, Text12..Text15 specular (R, G, B, A).
    std::array<QLineEdit*, 17> Text{}; // Text[1] .. Text[16]; Text[0] unused
    QPushButton* Command1;
    QPushButton* Command2;
};

// The number a light box holds: blanks anywhere are ignored, then the number
// at the start of the text (0 when it starts with none), as a float.
float LightBoxValue(const QString& text);
