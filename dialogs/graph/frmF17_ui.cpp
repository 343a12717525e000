// frmF17, the point animation dialog "点动画": one point moving with t.
#include "dialogs/graph/frmF17_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/common/DialogOk_ui.h"
#include "dialogs/graph/PointDialogCommon_ui.h"
#include "model/Cls9.h"
#include "model/Globals.h"

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

using namespace PointDialog;

frmF17::frmF17(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF17"));
    setWindowTitle(QStringLiteral("点动画"));

    SSTab1 = Named(new QTabWidget(this), "SSTab1");

    // Tab "点"
    auto* pointTab = new QWidget;
    Label1 = Named(new QLabel(QStringLiteral("名称")), "Label1");
    Text1 = Named(new QLineEdit(QStringLiteral("Untitled")), "Text1");
    Label2 = Named(new QLabel(QStringLiteral("坐标系类型")), "Label2");
    Combo1 = Named(new QComboBox, "Combo1");
    Frame1 = Named(new QGroupBox(QStringLiteral("坐标表达式")), "Frame1");
    Label3 = Named(new QLabel(QStringLiteral("X(t)")), "Label3");
    Text2 = Named(new QLineEdit, "Text2");
    Label4 = Named(new QLabel(QStringLiteral("Y(t)")), "Label4");
    Text3 = Named(new QLineEdit, "Text3");
    Label5 = Named(new QLabel(QStringLiteral("Z(t)")), "Label5");
    Text4 = Named(new QLineEdit, "Text4");
    auto* exprs = new QGridLayout(Frame1);
    exprs->addWidget(Label3, 0, 0);
    exprs->addWidget(Text2, 0, 1);
    exprs->addWidget(Label4, 1, 0);
    exprs->addWidget(Text3, 1, 1);
    exprs->addWidget(Label5, 2, 0);
    exprs->addWidget(Text4, 2, 1);
    Frame2 = Named(new QGroupBox(QStringLiteral("t 的取值")), "Frame2");
    Label6 = Named(new QLabel(QStringLiteral("最小 t")), "Label6");
    Text5 = Named(new QLineEdit, "Text5");
    Label7 = Named(new QLabel(QStringLiteral("最大 t")), "Label7");
    Text6 = Named(new QLineEdit, "Text6");
    Label8 = Named(new QLabel(QStringLiteral("段数 t")), "Label8");
    Text7 = Named(new QLineEdit, "Text7");
    Text7->setToolTip(QStringLiteral("Recommended Value: 30 - 60"));
    auto* tRow = new QGridLayout(Frame2);
    tRow->addWidget(Label6, 0, 0);
    tRow->addWidget(Text5, 0, 1);
    tRow->addWidget(Label7, 1, 0);
    tRow->addWidget(Text6, 1, 1);
    tRow->addWidget(Label8, 2, 0);
    tRow->addWidget(Text7, 2, 1);
    auto* pointGrid = new QGridLayout(pointTab);
    pointGrid->addWidget(Label1, 0, 0);
    pointGrid->addWidget(Text1, 0, 1);
    pointGrid->addWidget(Label2, 1, 0);
    pointGrid->addWidget(Combo1, 1, 1);
    pointGrid->addWidget(Frame1, 2, 0, 1, 2);
    pointGrid->addWidget(Frame2, 3, 0, 1, 2);
    SSTab1->addTab(pointTab, QStringLiteral("点"));

    // Tab "属性"
    auto* styleTab = new QWidget;
    Label9 = Named(new QLabel(QStringLiteral("颜色")), "Label9");
    Picture1 = Named(new ColorBox, "Picture1");
    Picture1->SetColor(0); // the menu-text colour, drawn as black
    Label10 = Named(new QLabel(QStringLiteral("大小")), "Label10");
    Combo2 = Named(new QComboBox, "Combo2");
    Frame3 = Named(new QGroupBox(QStringLiteral("是否空心")), "Frame3");
    Option1 = Named(new QRadioButton(QStringLiteral("实心")), "Option1");
    Option2 = Named(new QRadioButton(QStringLiteral("空心")), "Option2");
    Option1->setChecked(true);
    auto* fill = new QHBoxLayout(Frame3);
    fill->addWidget(Option1);
    fill->addWidget(Option2);
    auto* styleGrid = new QGridLayout(styleTab);
    styleGrid->addWidget(Label9, 0, 0);
    styleGrid->addWidget(Picture1, 0, 1);
    styleGrid->addWidget(Label10, 1, 0);
    styleGrid->addWidget(Combo2, 1, 1);
    styleGrid->addWidget(Frame3, 2, 0, 1, 2);
    SSTab1->addTab(styleTab, QStringLiteral("属性"));

    GraphDialog::MakeOkCancel(Command1, Command2);
    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    // Form_Load: the systems of the document, none chosen yet.
    Combo1->addItems(CoordinateSystems());
    Combo1->setCurrentIndex(-1);
    FillSizes(Combo2);
}

void frmF17::SetCombo1Index(int index)
{
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void frmF17::Combo1_Click()
{
    static const char* const captions[3][3] = {
        {"x(t)", "y(t)", "z(t)"}, {"a(t)", "r(t)", "z(t)"}, {"a(t)", "b(t)", "r(t)"}};
    ShowCoordinateCaptions(Combo1->currentIndex(), captions, Label3, Label4, Label5);
}

void frmF17::SetUpForAnimationMenu()
{
    SetUpForMenu(Label5, Text4, Frame3, Picture1, Combo1);
    SetCombo1Index(0);
    Text7->setEnabled(false);
    Text7->setText(QString::number(g_FrameCount));
}

void frmF17::Command1_Click()
{
    const bool plane = PlaneDocument();
    // 1. Required boxes, before any cleaning.
    std::vector<QLineEdit*> required = {Text2, Text3, Text5, Text6};
    if (!plane)
        required.push_back(Text4);
    if (!RequireFilled(required))
        return;
    // 2. Cleaning of the boxes on screen.
    for (QLineEdit* box : {Text3, Text4, Text2, Text5, Text6, Text7}) {
        if (IsShown(box) && !CleanBox(box, BoxCleaner::Expression))
            return;
    }
    // 3. t segments.
    if (Val(Text7->text()) <= 0) {
        Warn(QStringLiteral("段数 t 必须大于0。"));
        return;
    }
    // 4. From here on the graph is animated: playback becomes available.
    EnablePlaybackCommands();
    // 5, 6.
    const int32_t coordType = CoordTypeOf(Combo1->currentIndex());
    // 7. t range.
    RangeEvaluator ranges;
    float minT = 0.0f;
    float maxT = 0.0f;
    if (!ranges.EvaluateRange(Text5->text(), Text6->text(), minT, maxT,
                              QStringLiteral("最小 t 必须小于最大 t.")))
        return;
    // 8 to 10.
    std::shared_ptr<Cls9> graph =
        NewPointGraph(GraphTypePointAnimation, Text1->text(), coordType, Text2, Text3, Text4,
                      Option2->isChecked(), Picture1, Combo2);
    graph->MaxT = maxT;
    graph->MinT = minT;
    graph->Animation = true;
    // 11.
    if (!StoreGraph(graph))
        return;
    g_EditingGraph = false;
    accept();
    RefreshMainWindow();
}

void frmF17::Command2_Click()
{
    reject();
    RefreshMainWindow();
}
