// frmF3, the 3D coordinate-system dialog of 2.5D and 3D documents.
#include "dialogs/view/frmF3_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogRows_ui.h"
#include "dialogs/view/AxesCommand_ui.h"
#include "model/Cls3.h"
#include "model/Globals.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

using dialogrows::Named;

// The presets in MaterialPreset order: list position i is preset i + 1.
const char* const MaterialNames[] = {"Artdeco", "Autumn", "Glass", "Metal",  "Neon",
                                     "Recoco",  "Santefe", "Sheen", "Silky", "Spring",
                                     "Summer",  "Tropical", "Winter"};

constexpr int32_t MinLabelCount = 1;
constexpr int32_t MaxLabelCount = 50;

// A count box read as a number and rounded (halves to even); nothing when
// the 3D box cannot be drawn with it.
std::optional<int32_t> LabelCount(const QLineEdit* box)
{
    const std::optional<int32_t> n = RoundToInt32(Val(box->text()));
    if (!n || *n < MinLabelCount || *n > MaxLabelCount)
        return std::nullopt;
    return n;
}

} // namespace

frmF3::frmF3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF3"));
    setWindowTitle(QStringLiteral("坐标系属性"));
    auto* layout = new QVBoxLayout(this);
    SSTab1 = Named(new QTabWidget, "SSTab1");
    layout->addWidget(SSTab1);

    // 通用
    auto* general = new QWidget;
    auto* generalLayout = new QVBoxLayout(general);
    Check1 = Named(new QCheckBox(QStringLiteral("显示坐标系")), "Check1");
    generalLayout->addWidget(Check1);
    Frame1 = Named(new QGroupBox(QStringLiteral("风格")), "Frame1");
    auto* styleLayout = new QHBoxLayout(Frame1);
    Option1 = Named(new QRadioButton(QStringLiteral("面板")), "Option1");
    Option2 = Named(new QRadioButton(QStringLiteral("三线")), "Option2");
    auto* styleGroup = new QButtonGroup(this);
    styleGroup->addButton(Option1);
    styleGroup->addButton(Option2);
    styleLayout->addWidget(Option1);
    styleLayout->addWidget(Option2);
    generalLayout->addWidget(Frame1);
    generalLayout->addStretch();
    SSTab1->addTab(general, QStringLiteral("通用"));

    // 面板
    auto* panels = new QWidget;
    auto* panelsLayout = new QVBoxLayout(panels);
    auto panelFrame = [&](const char* frameName, const QString& caption, QCheckBox*& check,
                          const char* checkName, QLabel*& colorLabel, const char* colorLabelName,
                          ColorBox*& swatch, const char* swatchName, QLabel*& materialLabel,
                          const char* materialLabelName, QComboBox*& combo, const char* comboName) {
        auto* frame = Named(new QGroupBox(caption), frameName);
        auto* grid = new QGridLayout(frame);
        check = Named(new QCheckBox(QStringLiteral("显示")), checkName);
        colorLabel = Named(new QLabel(QStringLiteral("颜色")), colorLabelName);
        swatch = Named(new ColorBox, swatchName);
        materialLabel = Named(new QLabel(QStringLiteral("材质")), materialLabelName);
        combo = Named(new QComboBox, comboName);
        grid->addWidget(check, 0, 0);
        grid->addWidget(colorLabel, 0, 1);
        grid->addWidget(swatch, 0, 2);
        grid->addWidget(materialLabel, 0, 3);
        grid->addWidget(combo, 0, 4);
        panelsLayout->addWidget(frame);
        connect(check, &QCheckBox::toggled, this, &frmF3::UpdatePanelControls);
    };
    panelFrame("Frame3", QStringLiteral("XY 面板"), Check2, "Check2", Label2, "Label2", Picture1,
               "Picture1", Label3, "Label3", Combo1, "Combo1");
    panelFrame("Frame4", QStringLiteral("XZ 面板"), Check3, "Check3", Label4, "Label4", Picture2,
               "Picture2", Label5, "Label5", Combo2, "Combo2");
    panelFrame("Frame5", QStringLiteral("YZ 面板"), Check4, "Check4", Label6, "Label6", Picture3,
               "Picture3", Label7, "Label7", Combo3, "Combo3");
    SSTab1->addTab(panels, QStringLiteral("面板"));

    // 网格
    auto* grids = new QWidget;
    auto* gridsLayout = new QVBoxLayout(grids);
    auto gridFrame = [&](const char* frameName, const QString& caption, QCheckBox*& first,
                         const char* firstName, const QString& firstCaption, QCheckBox*& second,
                         const char* secondName, const QString& secondCaption,
                         const char* labelName, ColorBox*& swatch, const char* swatchName) {
        auto* frame = Named(new QGroupBox(caption), frameName);
        auto* row = new QHBoxLayout(frame);
        first = Named(new QCheckBox(firstCaption), firstName);
        second = Named(new QCheckBox(secondCaption), secondName);
        swatch = Named(new ColorBox, swatchName);
        row->addWidget(first);
        row->addWidget(second);
        row->addWidget(Named(new QLabel(QStringLiteral("颜色")), labelName));
        row->addWidget(swatch);
        gridsLayout->addWidget(frame);
    };
    gridFrame("Frame6", QStringLiteral("XY"), Check5, "Check5", QStringLiteral("X 方向"), Check6,
              "Check6", QStringLiteral("Y 方向"), "Label11", Picture5, "Picture5");
    gridFrame("Frame7", QStringLiteral("XZ"), Check7, "Check7", QStringLiteral("X 方向"), Check8,
              "Check8", QStringLiteral("Z 方向"), "Label15", Picture7, "Picture7");
    gridFrame("Frame8", QStringLiteral("YZ"), Check9, "Check9", QStringLiteral("Y 方向"), Check10,
              "Check10", QStringLiteral("Z 方向"), "Label21", Picture9, "Picture9");
    SSTab1->addTab(grids, QStringLiteral("网格"));

    // 标记
    auto* labels = new QWidget;
    auto* labelsLayout = new QGridLayout(labels);
    Text1 = Named(new QLineEdit, "Text1");
    Text2 = Named(new QLineEdit, "Text2");
    Text3 = Named(new QLineEdit, "Text3");
    labelsLayout->addWidget(Named(new QLabel(QStringLiteral("X 轴方向上的间隔数")), "Label8"), 0, 0);
    labelsLayout->addWidget(Text1, 0, 1);
    labelsLayout->addWidget(Named(new QLabel(QStringLiteral("Y 轴方向上的间隔数")), "Label9"), 1, 0);
    labelsLayout->addWidget(Text2, 1, 1);
    labelsLayout->addWidget(Named(new QLabel(QStringLiteral("Z 轴方向上的间隔数")), "Label10"), 2, 0);
    labelsLayout->addWidget(Text3, 2, 1);
    labelsLayout->setRowStretch(3, 1);
    SSTab1->addTab(labels, QStringLiteral("标记"));

    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF3::Command1_Click,
                            &frmF3::Command2_Click);

    // Load.
    const Cls3& cs = g_CoordSystem;
    // 2.5D documents always draw the panel box.
    if (g_DocumentKind == DocumentKind25D)
        Frame1->hide();
    Check1->setChecked(cs.Show);
    Option1->setChecked(cs.AxisStyle == AxisStylePanels);
    Option2->setChecked(cs.AxisStyle == AxisStyleThreeLines);
    Check2->setChecked(cs.ShowXYPanel);
    Check3->setChecked(cs.ShowXZPanel);
    Check4->setChecked(cs.ShowYZPanel);
    Check5->setChecked(cs.ShowXYXGrid);
    Check6->setChecked(cs.ShowXYYGrid);
    Check7->setChecked(cs.ShowXZXGrid);
    Check8->setChecked(cs.ShowXZZGrid);
    Check9->setChecked(cs.ShowYZYGrid);
    Check10->setChecked(cs.ShowYZZGrid);
    Picture1->SetColor(cs.XYPanelColor);
    Picture2->SetColor(cs.XZPanelColor);
    Picture3->SetColor(cs.YZPanelColor);
    Picture5->SetColor(cs.XYGridColor);
    Picture7->SetColor(cs.XZGridColor);
    Picture9->SetColor(cs.YZGridColor);
    Text1->setText(QString::number(cs.LabelNumX));
    Text2->setText(QString::number(cs.LabelNumY));
    Text3->setText(QString::number(cs.LabelNumZ));
    const std::pair<QComboBox*, int32_t> materials[] = {
        {Combo1, cs.XYPanelMaterial}, {Combo2, cs.XZPanelMaterial}, {Combo3, cs.YZPanelMaterial}};
    for (const auto& [combo, material] : materials) {
        for (const char* name : MaterialNames)
            combo->addItem(QString::fromLatin1(name));
        combo->setCurrentIndex(material >= 1 && material <= combo->count() ? material - 1 : -1);
    }
    UpdatePanelControls();
}

void frmF3::UpdatePanelControls()
{
    const struct {
        QCheckBox* check;
        QWidget* widgets[4];
    } panels[] = {{Check2, {Label2, Picture1, Label3, Combo1}},
                  {Check3, {Label4, Picture2, Label5, Combo2}},
                  {Check4, {Label6, Picture3, Label7, Combo3}}};
    for (const auto& p : panels) {
        for (QWidget* w : p.widgets)
            w->setEnabled(p.check->isChecked());
    }
}

void frmF3::ApplyPanels()
{
    Cls3& cs = g_CoordSystem;
    cs.ShowXYPanel = Check2->isChecked();
    cs.ShowXZPanel = Check3->isChecked();
    cs.ShowYZPanel = Check4->isChecked();
    cs.XYPanelMaterial = Combo1->currentIndex() + 1;
    cs.XZPanelMaterial = Combo2->currentIndex() + 1;
    cs.YZPanelMaterial = Combo3->currentIndex() + 1;
}

void frmF3::ApplyGrids()
{
    Cls3& cs = g_CoordSystem;
    cs.ShowXYXGrid = Check5->isChecked();
    cs.ShowXYYGrid = Check6->isChecked();
    cs.ShowXZXGrid = Check7->isChecked();
    cs.ShowXZZGrid = Check8->isChecked();
    cs.ShowYZYGrid = Check9->isChecked();
    cs.ShowYZZGrid = Check10->isChecked();
}

void frmF3::ApplyLabelCounts(int32_t x, int32_t y, int32_t z)
{
    Cls3& cs = g_CoordSystem;
    cs.LabelNumX = x;
    cs.LabelNumY = y;
    cs.LabelNumZ = z;
}

void frmF3::RepaintParent()
{
    if (QWidget* owner = parentWidget())
        owner->window()->repaint();
}

void frmF3::Command1_Click()
{
    int32_t style = g_CoordSystem.AxisStyle;
    if (Option1->isChecked())
        style = AxisStylePanels;
    if (Option2->isChecked())
        style = AxisStyleThreeLines;
    const bool show = Check1->isChecked();
    const bool applyBox = show && style == AxisStylePanels;

    // Counts outside 1..50 cannot be drawn; refuse them before anything
    // changes.
    std::optional<int32_t> counts[3];
    if (applyBox) {
        QLineEdit* boxes[] = {Text1, Text2, Text3};
        for (int i = 0; i < 3; ++i) {
            counts[i] = LabelCount(boxes[i]);
            if (!counts[i]) {
                ShowBadData();
                SSTab1->setCurrentIndex(3);
                boxes[i]->setFocus();
                return;
            }
        }
    }

    g_AxesDialogOK = true;
    Cls3& cs = g_CoordSystem;
    cs.Show = show;
    cs.AxisStyle = style;
    // The colours are kept whatever the style, as a picked colour is never
    // lost; a panel's colour matters only while it is shown.
    cs.XYPanelColor = Picture1->Color();
    cs.XZPanelColor = Picture2->Color();
    cs.YZPanelColor = Picture3->Color();
    cs.XYGridColor = Picture5->Color();
    cs.XZGridColor = Picture7->Color();
    cs.YZGridColor = Picture9->Color();
    if (applyBox) {
        ApplyPanels();
        ApplyGrids();
        ApplyLabelCounts(*counts[0], *counts[1], *counts[2]);
    }
    accept();
    RepaintParent();
}

void frmF3::Command2_Click()
{
    g_AxesDialogOK = false;
    reject();
    RepaintParent();
}
