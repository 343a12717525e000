#pragma once
// The 2.5D function dialog: defines or edits one plane function (Cartesian
// or polar, explicit or parametric) that the 3D view draws as a band, with
// its fill style, colours, material, model and smoothness.
//
// Use: construct (the load step runs), configure (SetUpForDrawMenu,
// SetUpForAnimation or the controls), exec(). OK (Command1_Click) creates
// the graph in both scenes when g_EditingGraph is false, or updates the
// graph of the selected list entry when it is true, and accepts the dialog
// only when it succeeded. While the t row is shown (Label4) it makes an
// animated graph. Widgets are public and carry their object names so
// callers and tests can reach them.
#include <QDialog>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ColorBox;

class frmF4 : public QDialog {
    Q_OBJECT
public:
    explicit frmF4(QWidget* parent = nullptr);
    ~frmF4() override;

    // Handlers, callable from code as a user's action would run them.
    void Combo1_Click();
    void Combo2_Click();
    void List1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // Selects an item and runs its click handler, as setting ListIndex from
    // code does.
    void SetCombo1Index(int index);
    void SetCombo2Index(int index);
    void SetList1Index(int index);

    // True while the t row is shown: the dialog makes an animated graph.
    bool AnimationMode() const;

    // As the Draw menu's 2.5D commands open it: still mode, the Cartesian
    // or polar forms.
    void SetUpForDrawMenu(bool polar);
    // As the Animation menu's 2.5D commands open it: the t row shown, the
    // forms with t, the t segments fixed to g_FrameCount.
    void SetUpForAnimation(bool polar);

    QTabWidget* SSTab1;
    QPushButton* Command1;
    QPushButton* Command2;

    // Tab "函数"
    QLabel *Label12, *Label9, *Label13, *Label2, *Label3, *Label17, *Label18, *Label19;
    QLabel *Label4, *Label6, *Label8;
    QLineEdit *Text1, *Text2, *Text3, *Text5, *Text6, *Text7, *Text4, *Text8, *Text9;
    QComboBox *Combo1, *Combo2;
    QGroupBox *Frame3, *Frame4;

    // Tab "颜色"
    QRadioButton *Option1, *Option2, *Option3, *Option4;
    QLabel *Label1, *Label5;
    ColorBox *Picture2, *Picture3, *Picture4;

    // Tab "材质"
    QLabel* Label7;
    QListWidget* List1;

    // Tab "外观"
    QGroupBox *Frame1, *Frame2;
    QRadioButton *Option5, *Option6, *Option7, *Option8, *Option9, *Option10;

    // Colour 1 (FirstColor), colour 2 (SecondColor) and the material preset.
    int32_t mlngFirstColor = 255;
    int32_t mlngSecondColor = 0xFF0000;
    int32_t mlngMaterial = 4;

private:
    void BuildControls();
    void FormLoad();
    void SetTRowVisible(bool visible);
};
