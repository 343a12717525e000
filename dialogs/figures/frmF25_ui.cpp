// The curve intersection dialog: its three tabs, the filling for an edit and
// the OK that samples both functions over the common x range.
#include "dialogs/figures/frmF25_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace FigureDialogs;

namespace {

constexpr int32_t Red = 0x0000FF;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t DarkGrey = 0x404040;
constexpr int32_t LightGreen = 0x80FF80;

// A frame of labelled rows.
QGroupBox* Frame(const char* name, const QString& title,
                 std::initializer_list<std::pair<QWidget*, QWidget*>> rows)
{
    auto* frame = Named(new QGroupBox(title), name);
    auto* grid = new QGridLayout(frame);
    int r = 0;
    for (const auto& [label, control] : rows)
        GraphDialog::Row(grid, r++, label, control);
    return frame;
}

} // namespace

frmF25::frmF25(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF25"));
    setWindowTitle(QStringLiteral("曲线相交"));
    SSTab1 = Named(new QTabWidget(this), "SSTab1");

    // "函数定义"
    Label1 = MakeLabel("Label1", QStringLiteral("名称"));
    Text1 = MakeText("Text1");
    Text1->setText(QStringLiteral("Untitled"));
    Label3 = MakeLabel("Label3", QStringLiteral("y1(x)"));
    Text2 = MakeText("Text2");
    Label4 = MakeLabel("Label4", QStringLiteral("y2(x)"));
    Text3 = MakeText("Text3");
    Label5 = MakeLabel("Label5", QStringLiteral("最小 x"));
    Text4 = MakeText("Text4");
    Label6 = MakeLabel("Label6", QStringLiteral("最大 x"));
    Text5 = MakeText("Text5");
    Label7 = MakeLabel("Label7", QStringLiteral("段数 x"));
    Label7->setToolTip(QStringLiteral("Recommended Value: 30 - 100"));
    Text6 = MakeText("Text6");
    Text6->setText(QStringLiteral("200"));
    Text6->setToolTip(QStringLiteral("Recommended Value: 100 - 500"));
    Frame1 = Frame("Frame1", QStringLiteral("函数"), {{Label3, Text2}, {Label4, Text3}});
    Frame2 = Frame("Frame2", QStringLiteral("变量的取值范围"),
                   {{Label5, Text4}, {Label6, Text5}, {Label7, Text6}});
    auto* functions = new QWidget;
    auto* functionsLayout = new QGridLayout(functions);
    GraphDialog::Row(functionsLayout, 0, Label1, Text1);
    functionsLayout->addWidget(Frame1, 1, 0, 1, 2);
    functionsLayout->addWidget(Frame2, 2, 0, 1, 2);
    SSTab1->addTab(functions, QStringLiteral("函数定义"));

    // "曲线属性"
    Label2 = MakeLabel("Label2", QStringLiteral("颜色"));
    Picture1 = MakeColor("Picture1", Red);
    Label8 = MakeLabel("Label8", QStringLiteral("线宽"));
    Combo1 = MakeNumbers("Combo1", kIntersectionWidths, 2);
    Label9 = MakeLabel("Label9", QStringLiteral("颜色"));
    Picture2 = MakeColor("Picture2", Blue);
    Label10 = MakeLabel("Label10", QStringLiteral("线宽"));
    Combo2 = MakeNumbers("Combo2", kIntersectionWidths, 2);
    Frame3 = Frame("Frame3", QStringLiteral("函数1定义的图形"),
                   {{Label2, Picture1}, {Label8, Combo1}});
    Frame4 = Frame("Frame4", QStringLiteral("函数2定义的图形"),
                   {{Label9, Picture2}, {Label10, Combo2}});
    auto* curves = new QWidget;
    auto* curvesLayout = new QVBoxLayout(curves);
    curvesLayout->addWidget(Frame3);
    curvesLayout->addWidget(Frame4);
    curvesLayout->addStretch();
    SSTab1->addTab(curves, QStringLiteral("曲线属性"));

    // "相交关系": each check box heads the frame it switches.
    Check1 = Named(new QCheckBox(QStringLiteral("显示交点")), "Check1");
    Check1->setChecked(true);
    Label11 = MakeLabel("Label11", QStringLiteral("颜色"));
    Picture3 = MakeColor("Picture3", DarkGrey);
    Label12 = MakeLabel("Label12", QStringLiteral("大小"));
    Combo3 = MakeNumbers("Combo3", kIntersectionMarkerSizes, 2);
    Label13 = MakeLabel("Label13", QStringLiteral("标记"));
    Combo4 = MakeChoice("Combo4", {QStringLiteral("实心圆"), QStringLiteral("空心圆"),
                                   QStringLiteral("实心方形"), QStringLiteral("实心三角形"),
                                   QStringLiteral("菱形"), QStringLiteral("十字丝形")});
    Combo4->setCurrentIndex(MarkerSymbolHollowCircle - 1);
    Frame5 = Frame("Frame5", QStringLiteral("交点的属性"),
                   {{Label11, Picture3}, {Label12, Combo3}, {Label13, Combo4}});
    Check2 = Named(new QCheckBox(QStringLiteral("计算相交区域的面积")), "Check2");
    Check2->setChecked(true);
    Label14 = MakeLabel("Label14", QStringLiteral("颜色"));
    Picture4 = MakeColor("Picture4", LightGreen);
    Frame6 = Frame("Frame6", QStringLiteral("区域的属性"), {{Label14, Picture4}});
    auto* crossing = new QWidget;
    auto* crossingLayout = new QVBoxLayout(crossing);
    crossingLayout->addWidget(Check1);
    crossingLayout->addWidget(Frame5);
    crossingLayout->addWidget(Check2);
    crossingLayout->addWidget(Frame6);
    crossingLayout->addStretch();
    SSTab1->addTab(crossing, QStringLiteral("相交关系"));

    GraphDialog::MakeOkCancel(Command1, Command2);
    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frmF25::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    Text2->setText(g.ExpressZ);
    Text3->setText(g.Exp2);
    Text4->setText(PlainNumberText(g.MinV));
    Text5->setText(PlainNumberText(g.MaxV));
    Text6->setText(QString::number(g.StepV));
    Picture1->SetColor(g.LineColor);
    SelectNumber(Combo1, g.LineWidth);
    Picture2->SetColor(g.Color2);
    SelectNumber(Combo2, g.Width2);
    Check1->setChecked(g.ShowInter);
    Picture3->SetColor(g.InterColor);
    SelectNumber(Combo3, g.InterSize);
    SelectValue(Combo4, g.InterSymbol);
    Check2->setChecked(g.ShowArea);
    Picture4->SetColor(g.AreaColor);
}

void frmF25::Command1_Click()
{
    // 1. Every box but the name must hold something.
    if (!RequireFilled({Text2, Text3, Text4, Text5, Text6}))
        return;
    // 2.
    if (!FilterExpressions({Text2, Text3}))
        return;
    if (!FilterBoxes({{Text5, BoxCleaner::Expression},
                      {Text6, BoxCleaner::Number},
                      {Text4, BoxCleaner::Expression}}))
        return;
    // 4. The range; a bound beyond the float range cannot be sampled.
    float minX = 0.0f;
    float maxX = 0.0f;
    if (!EvaluateBounds(Text4, Text5, minX, maxX))
        return;
    // 5. The segments, bounded: every segment of one curve is compared with
    // every segment of the other each time the graph is drawn.
    // The rule is on the whole number of segments the box gives (0.6 gives
    // 1), so that the message and the check say the same thing.
    const double count = Val(Text6->text());
    const auto segments = RoundToInt32(count);
    if (segments ? *segments < 1 : count < 1) {
        GraphDialog::Warn(QStringLiteral("段数 x 不能小于1。"));
        return;
    }
    if (!segments || *segments > MaxIntersectionSegments) {
        GraphDialog::Warn(QStringLiteral("段数 x 不能大于%1。").arg(MaxIntersectionSegments));
        return;
    }

    // 6.
    std::shared_ptr<Cls9> graph =
        NewFigureGraph(Text1->text(), GraphTypeCurveIntersection, CoordTypeCartesian2D,
                       QStringLiteral("x"), Text2->text(), *segments, minX, maxX,
                       MaterialPresetMetal, SmoothnessSmoother);
    Cls9& g = *graph;
    g.LineColor = Picture1->Color();
    g.LineWidth = NumberValue(Combo1);
    g.Show2DCurve = true;
    g.FunForm = FunFormExplicit;
    g.Exp2 = Text3->text();
    g.Color2 = Picture2->Color();
    g.Width2 = NumberValue(Combo2);
    g.ShowInter = Check1->isChecked();
    g.InterColor = Picture3->Color();
    g.InterSize = NumberValue(Combo3);
    g.InterSymbol = ListValue(Combo4);
    g.ShowArea = Check2->isChecked();
    g.AreaColor = Picture4->Color();

    // 3, 7, 8.
    FinishOk2D(this, graph);
}

void frmF25::Command2_Click()
{
    reject();
    RefreshMainWindow();
}
