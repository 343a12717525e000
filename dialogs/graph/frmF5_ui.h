#pragma once
// The 2D function dialog: defines or edits one plane function graph
// (Cartesian or polar; explicit, parametric, implicit or inequality form)
// with its curve style and the analysis overlays of an explicit function.
//
// Use: construct (the load step runs), configure the controls, exec(). OK
// (Command1_Click) creates the graph in both scenes when g_EditingGraph is
// false, or updates the graph of the selected list entry when it is true; it
// accepts the dialog only when it succeeded. In animation mode (the t row
// shown) it makes an animated graph. Widgets are public and carry their
// object names so callers and tests can reach them.
#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class ColorBox;
class Cls9;

class frmF5 : public QDialog {
    Q_OBJECT
public:
    explicit frmF5(QWidget* parent = nullptr);
    ~frmF5() override;

    // Handlers, callable from code as a user's action would run them.
    void Combo1_Click();
    void Combo3_Click();
    void EnableAnalysisControls(bool bolEnable);
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // Selects an item of a combo and runs its click handler, as setting
    // ListIndex from code does.
    void SetCombo1Index(int index);
    void SetCombo3Index(int index);

    // The selected item of a combo, -1 when none is selected or the user
    // typed a text of his own.
    static int ListIndex(const QComboBox* combo);

    // True unless the widget was hidden explicitly (independent of the tab
    // that happens to be open and of whether the dialog is on screen).
    static bool IsShown(const QWidget* widget);

    bool AnimationMode() const;

    // Prepares the dialog as the Draw menu's 2D function commands open it:
    // still mode (t row hidden), the Cartesian or polar forms, no form
    // selected.
    void SetUpForDrawMenu(bool polar);

    QTabWidget* SSTab1;
    QPushButton* Command1;
    QPushButton* Command2;

    // Tab "函数"
    QLabel *Label1, *Label2, *Label13, *Label3, *Label4, *Label5, *Label6, *Label7;
    QLabel *Label14, *Label15, *Label10, *Label11, *Label12;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text10, *Text11;
    QLineEdit *Text7, *Text8, *Text9;
    QComboBox *Combo1, *Combo3;
    QGroupBox *Frame1, *Frame2;

    // Tab "属性"
    QCheckBox* Check3;
    QLabel *Label8, *Label9;
    ColorBox* Picture1;
    QComboBox* Combo2;

    // Analysis tabs
    QCheckBox *Check1, *Check2, *Check4, *Check5, *Check6, *Check7, *Check8, *Check9;
    QCheckBox *Check10, *Check13, *Check14, *Check15;
    ColorBox *Picture2, *Picture3, *Picture4, *Picture5, *Picture6, *Picture7;
    ColorBox *Picture8, *Picture9, *Picture10, *Picture11, *Picture12;
    QComboBox *Combo4, *Combo5, *Combo6, *Combo7, *Combo8, *Combo9, *Combo10;
    QComboBox *Combo11, *Combo12, *Combo13, *Combo14, *Combo15, *Combo16, *Combo17;
    QLineEdit *Text12, *Text13, *Text14, *Text15, *Text16, *Text17, *Text18;
    QListWidget *List1, *List2, *List3;
    QPushButton *Command3, *Command4, *Command5, *Command6, *Command7, *Command8;
    QPushButton *Command9, *Command10, *Command11;
    QGroupBox *Frame3, *Frame4, *Frame5, *Frame6, *Frame7, *Frame8, *Frame9;
    QGroupBox *Frame10, *Frame11, *Frame12;

    // Most positions a graph stores per list (curvature, tangents, normals).
    static constexpr int MaxPositions = 50;

private:
    void BuildControls();
    void FormLoad();
    void AddPosition(QLineEdit* input, QListWidget* list);
    void DeletePosition(QListWidget* list);
    void ResetPositions(QLineEdit* input, QListWidget* list);
    std::vector<QWidget*> AnalysisControls() const;
};
