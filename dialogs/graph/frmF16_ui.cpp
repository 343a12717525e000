// frmF16, the point dialog "点属性": one point graph from coordinate texts.
#include "dialogs/graph/frmF16_ui.h"

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

frmF16::frmF16(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF16"));
    setWindowTitle(QStringLiteral("点属性"));

    SSTab1 = Named(new QTabWidget(this), "SSTab1");

    // Tab "点"
    auto* pointTab = new QWidget;
    Label1 = Named(new QLabel(QStringLiteral("名称")), "Label1");
    Text1 = Named(new QLineEdit, "Text1");
    Label2 = Named(new QLabel(QStringLiteral("坐标系类型")), "Label2");
    Combo1 = Named(new QComboBox, "Combo1");
    Frame1 = Named(new QGroupBox(QStringLiteral("坐标")), "Frame1");
    Label3 = Named(new QLabel, "Label3");
    Text2 = Named(new QLineEdit, "Text2");
    Label4 = Named(new QLabel, "Label4");
    Text3 = Named(new QLineEdit, "Text3");
    Label5 = Named(new QLabel(QStringLiteral("Z")), "Label5");
    Text4 = Named(new QLineEdit, "Text4");
    auto* coords = new QGridLayout(Frame1);
    coords->addWidget(Label3, 0, 0);
    coords->addWidget(Text2, 0, 1);
    coords->addWidget(Label4, 1, 0);
    coords->addWidget(Text3, 1, 1);
    coords->addWidget(Label5, 2, 0);
    coords->addWidget(Text4, 2, 1);
    auto* pointGrid = new QGridLayout(pointTab);
    pointGrid->addWidget(Label1, 0, 0);
    pointGrid->addWidget(Text1, 0, 1);
    pointGrid->addWidget(Label2, 1, 0);
    pointGrid->addWidget(Combo1, 1, 1);
    pointGrid->addWidget(Frame1, 2, 0, 1, 2);
    SSTab1->addTab(pointTab, QStringLiteral("点"));

    // Tab "属性"
    auto* styleTab = new QWidget;
    Frame2 = Named(new QGroupBox(QStringLiteral("是否空心")), "Frame2");
    Option1 = Named(new QRadioButton(QStringLiteral("实心")), "Option1");
    Option2 = Named(new QRadioButton(QStringLiteral("空心")), "Option2");
    Option1->setChecked(true);
    auto* fill = new QHBoxLayout(Frame2);
    fill->addWidget(Option1);
    fill->addWidget(Option2);
    Label6 = Named(new QLabel(QStringLiteral("颜色")), "Label6");
    Picture1 = Named(new ColorBox, "Picture1");
    Picture1->SetColor(0); // the window-frame colour, drawn as black
    Label7 = Named(new QLabel(QStringLiteral("大小")), "Label7");
    Combo2 = Named(new QComboBox, "Combo2");
    auto* styleGrid = new QGridLayout(styleTab);
    styleGrid->addWidget(Frame2, 0, 0, 1, 2);
    styleGrid->addWidget(Label6, 1, 0);
    styleGrid->addWidget(Picture1, 1, 1);
    styleGrid->addWidget(Label7, 2, 0);
    styleGrid->addWidget(Combo2, 2, 1);
    SSTab1->addTab(styleTab, QStringLiteral("属性"));

    GraphDialog::MakeOkCancel(Command1, Command2);
    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    // Form_Load.
    Combo1->addItems(CoordinateSystems());
    SetCombo1Index(0);
    FillSizes(Combo2);
}

void frmF16::SetCombo1Index(int index)
{
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void frmF16::Combo1_Click()
{
    static const char* const captions[3][3] = {
        {"x", "y", "z"}, {"a", "r", "z"}, {"a", "b", "r"}};
    ShowCoordinateCaptions(Combo1->currentIndex(), captions, Label3, Label4, Label5);
}

void frmF16::SetUpForDrawMenu()
{
    SetUpForMenu(Label5, Text4, Frame2, Picture1, Combo1);
    SetCombo1Index(0);
}

void frmF16::Command1_Click()
{
    // 1. Cleaning of the coordinate boxes on screen.
    for (QLineEdit* box : {Text3, Text2, Text4}) {
        if (IsShown(box) && !CleanBox(box, BoxCleaner::Expression))
            return;
    }
    // 2. Required coordinates.
    std::vector<QLineEdit*> required = {Text2, Text3};
    if (!PlaneDocument())
        required.push_back(Text4);
    if (!RequireFilled(required))
        return;
    // 3 to 7.
    const int32_t coordType = CoordTypeOf(Combo1->currentIndex());
    std::shared_ptr<Cls9> graph =
        NewPointGraph(GraphTypePoint, Text1->text(), coordType, Text2, Text3, Text4,
                      Option2->isChecked(), Picture1, Combo2);
    // 8.
    if (!StoreGraph(graph))
        return;
    g_EditingGraph = false;
    accept();
    RefreshMainWindow();
}

void frmF16::Command2_Click()
{
    reject();
    RefreshMainWindow();
}
