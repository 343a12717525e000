// The line dialog: its three tabs, the form captions, the filling for an
// edit and the OK that turns the line into x(u), y(u).
#include "dialogs/figures/frmF32_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace FigureDialogs;

namespace {

const QStringList LineForms = {QStringLiteral("一般式"), QStringLiteral("点斜式"),
                               QStringLiteral("斜截式"), QStringLiteral("两点式")};

const QString NotALine = QStringLiteral("请检查数据，你给定的可能不是合法的直线方程。");

// Formula and parameter captions of one line form; the third and fourth
// boxes show only where the form has such a parameter. No selection
// changes nothing.
void ShowLineForm(int index, QLabel* formula, QLabel* first, QLabel* second, QLabel* third,
                  QLineEdit* thirdBox, QLabel* fourth, QLineEdit* fourthBox)
{
    struct Form {
        const char* formula;
        const char* names[4];
    };
    static const Form forms[] = {
        {"Ax+By+C=0", {"A", "B", "C", nullptr}},
        {"y-y1=k(x-x1)", {"x1", "y1", "k", nullptr}},
        {"y=kx+b", {"b", "k", nullptr, nullptr}},
        {"(y-y1)/(y2-y1)=(x-x1)/(x2-x1)", {"x1", "y1", "x2", "y2"}},
    };
    if (index < 0 || index > 3)
        return;
    const Form& f = forms[index];
    formula->setText(QString::fromLatin1(f.formula));
    first->setText(QString::fromLatin1(f.names[0]));
    second->setText(QString::fromLatin1(f.names[1]));
    third->setVisible(f.names[2] != nullptr);
    thirdBox->setVisible(f.names[2] != nullptr);
    if (f.names[2])
        third->setText(QString::fromLatin1(f.names[2]));
    fourth->setVisible(f.names[3] != nullptr);
    fourthBox->setVisible(f.names[3] != nullptr);
    if (f.names[3])
        fourth->setText(QString::fromLatin1(f.names[3]));
}

// A frame of "caption [box]" rows.
QGroupBox* Frame(const QString& title, std::initializer_list<std::pair<QWidget*, QWidget*>> rows)
{
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const auto& [label, control] : rows)
        GraphDialog::Row(grid, row++, label, control);
    return frame;
}

} // namespace

frmF32::frmF32(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF32"));
    setWindowTitle(QStringLiteral("直线及其与点和直线的关系"));
    SSTab1 = Named(new QTabWidget(this), "SSTab1");

    // Tab "直线".
    Label1 = MakeLabel("Label1", QStringLiteral("图形名称"));
    Text1 = MakeText("Text1");
    Label2 = MakeLabel("Label2", QStringLiteral("类型"));
    Combo1 = MakeChoice("Combo1", LineForms);
    Label3 = MakeLabel("Label3", QStringLiteral("形式"));
    Label4 = MakeLabel("Label4", QString());
    Label5 = MakeLabel("Label5", QString());
    Label6 = MakeLabel("Label6", QString());
    Label7 = MakeLabel("Label7", QString());
    Label8 = MakeLabel("Label8", QString());
    Text2 = MakeText("Text2");
    Text3 = MakeText("Text3");
    Text4 = MakeText("Text4");
    Text5 = MakeText("Text5");
    Label9 = MakeLabel("Label9", QStringLiteral("最小值"));
    Text6 = MakeText("Text6");
    Label10 = MakeLabel("Label10", QStringLiteral("最大值"));
    Text7 = MakeText("Text7");
    Label22 = MakeLabel("Label22", QStringLiteral("颜色"));
    Picture1 = MakeColor("Picture1", 0xFF0000);
    Label23 = MakeLabel("Label23", QStringLiteral("线宽"));
    Combo3 = MakeNumbers("Combo3", kPlaneFigureWidths, 1);
    auto* lineTab = new QWidget;
    auto* lineGrid = new QGridLayout(lineTab);
    GraphDialog::Row(lineGrid, 0, Label1, Text1);
    GraphDialog::Row(lineGrid, 1, Label2, Combo1);
    GraphDialog::Row(lineGrid, 2, Label3, Label4);
    lineGrid->addWidget(Frame(QStringLiteral("参数"), {{Label5, Text2}, {Label6, Text3},
                                                       {Label7, Text4}, {Label8, Text5}}),
                        3, 0, 1, 2);
    lineGrid->addWidget(Frame(QStringLiteral("确定显示范围"), {{Label9, Text6}, {Label10, Text7}}),
                        4, 0, 1, 2);
    lineGrid->addWidget(Frame(QStringLiteral("属性"), {{Label22, Picture1}, {Label23, Combo3}}),
                        5, 0, 1, 2);
    SSTab1->addTab(lineTab, QStringLiteral("直线"));

    // Tab "点".
    Check1 = Named(new QCheckBox(QStringLiteral("计算点与直线的关系")), "Check1");
    Label11 = MakeLabel("Label11", QStringLiteral("x"));
    Text8 = MakeText("Text8");
    Label12 = MakeLabel("Label12", QStringLiteral("y"));
    Text9 = MakeText("Text9");
    Option1 = MakeOption("Option1", QStringLiteral("过该点的垂线"));
    Label13 = MakeLabel("Label13", QStringLiteral("计算内容包括垂线方程、垂距和垂足等"));
    Option2 = MakeOption("Option2", QStringLiteral("过该点的平行线"));
    Label14 = MakeLabel("Label14", QStringLiteral("计算内容包括平行线方程等"));
    Option1->setChecked(true);
    Label24 = MakeLabel("Label24", QStringLiteral("颜色"));
    Picture2 = MakeColor("Picture2", 0x0000FF);
    Label25 = MakeLabel("Label25", QStringLiteral("大小"));
    Combo4 = MakeNumbers("Combo4", kLinePointSizes, 1);
    auto* pointTab = new QWidget;
    auto* pointLayout = new QVBoxLayout(pointTab);
    pointLayout->addWidget(Check1);
    pointLayout->addWidget(Frame(QStringLiteral("点的坐标"), {{Label11, Text8}, {Label12, Text9}}));
    auto* kind = new QGroupBox(QStringLiteral("计算类型"));
    auto* kindLayout = new QVBoxLayout(kind);
    for (QWidget* w : {static_cast<QWidget*>(Option1), static_cast<QWidget*>(Label13),
                       static_cast<QWidget*>(Option2), static_cast<QWidget*>(Label14)})
        kindLayout->addWidget(w);
    pointLayout->addWidget(kind);
    pointLayout->addWidget(Frame(QStringLiteral("属性"), {{Label24, Picture2}, {Label25, Combo4}}));
    SSTab1->addTab(pointTab, QStringLiteral("点"));

    // Tab "另一直线".
    Check2 = Named(new QCheckBox(QStringLiteral("计算直线与直线的夹角和交点")), "Check2");
    Label15 = MakeLabel("Label15", QStringLiteral("类型"));
    Combo2 = MakeChoice("Combo2", LineForms);
    Label16 = MakeLabel("Label16", QStringLiteral("形式"));
    Label17 = MakeLabel("Label17", QString());
    Label18 = MakeLabel("Label18", QString());
    Label19 = MakeLabel("Label19", QString());
    Label20 = MakeLabel("Label20", QString());
    Label21 = MakeLabel("Label21", QString());
    Text10 = MakeText("Text10");
    Text11 = MakeText("Text11");
    Text12 = MakeText("Text12");
    Text13 = MakeText("Text13");
    Label26 = MakeLabel("Label26", QStringLiteral("颜色"));
    Picture3 = MakeColor("Picture3", 0xFF0000);
    Label27 = MakeLabel("Label27", QStringLiteral("线宽"));
    Combo5 = MakeNumbers("Combo5", kPlaneFigureWidths, 1);
    auto* otherTab = new QWidget;
    auto* otherGrid = new QGridLayout(otherTab);
    otherGrid->addWidget(Check2, 0, 0, 1, 2);
    GraphDialog::Row(otherGrid, 1, Label15, Combo2);
    GraphDialog::Row(otherGrid, 2, Label16, Label17);
    otherGrid->addWidget(Frame(QStringLiteral("参数"), {{Label18, Text10}, {Label19, Text11},
                                                        {Label20, Text12}, {Label21, Text13}}),
                         3, 0, 1, 2);
    otherGrid->addWidget(Frame(QStringLiteral("属性"), {{Label26, Picture3}, {Label27, Combo5}}),
                         4, 0, 1, 2);
    SSTab1->addTab(otherTab, QStringLiteral("另一直线"));

    GraphDialog::MakeOkCancel(Command1, Command2);
    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { Combo2_Click(); });
    Combo1_Click();
    Combo2_Click();
}

void frmF32::Combo1_Click()
{
    ShowLineForm(Combo1->currentIndex(), Label4, Label5, Label6, Label7, Text4, Label8, Text5);
}

void frmF32::Combo2_Click()
{
    ShowLineForm(Combo2->currentIndex(), Label17, Label18, Label19, Label20, Text12, Label21,
                 Text13);
}

void frmF32::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    SelectValue(Combo1, g.GLineType);
    Text2->setText(Padded(g.GPara1));
    Text3->setText(Padded(g.GPara2));
    Text4->setText(Padded(g.GPara3));
    Text5->setText(Padded(g.GPara4));
    Text6->setText(Padded(g.MinV));
    Text7->setText(Padded(g.MaxV));
    Picture1->SetColor(g.GLineColor);
    SelectValue(Combo3, g.Glinewidth);
    Check1->setChecked(g.GShowLinePoint);
    Text8->setText(Padded(g.GLinePointX));
    Text9->setText(Padded(g.GLinePointY));
    Picture2->SetColor(g.GLinePointColor);
    SelectValue(Combo4, g.GLinePointSize);
    (g.GLinePointType == LineThroughPointPerpendicular ? Option1 : Option2)->setChecked(true);
    Check2->setChecked(g.GShowLineLine);
    SelectValue(Combo2, g.GLineLineType);
    Text10->setText(Padded(g.GPara5));
    Text11->setText(Padded(g.GPara6));
    Text12->setText(Padded(g.GPara7));
    Text13->setText(Padded(g.GPara8));
    Picture3->SetColor(g.GLineLineColor);
    SelectValue(Combo5, g.GLineLineWidth);
}

void frmF32::Command1_Click()
{
    // 1. Every box of the three tabs that the forms show; Text12 takes a
    // plain number only.
    const BoxCleaner e = BoxCleaner::Expression;
    if (!FilterBoxes({{Text2, e}, {Text3, e}, {Text4, e}, {Text5, e}, {Text6, e}, {Text7, e},
                      {Text8, e}, {Text9, e}, {Text10, e}, {Text11, e},
                      {Text12, BoxCleaner::Number}, {Text13, e}}))
        return;
    // 2, 3. Name and the range, in either order.
    const QString name = Text1->text();
    float minV = 0.0f, maxV = 0.0f;
    if (!EvaluateBounds(Text6, Text7, minV, maxV))
        return;
    // 4. The four parameters; a box the form hides is read but not checked.
    float p1 = 0.0f, p2 = 0.0f, p3 = 0.0f, p4 = 0.0f;
    if (!ReadShownNumbers({{Text2, &p1}, {Text3, &p2}, {Text4, &p3}, {Text5, &p4}}))
        return;

    // 5. x(u) and y(u).
    const int32_t form = ListValue(Combo1);
    QString expY = QStringLiteral("u");
    QString expZ = QStringLiteral("u");
    bool finite = true;
    switch (form) {
    case LineFormGeneral: {
        const float a = p1, b = p2, c = p3;
        if (a == 0.0f && b == 0.0f) {
            RefuseFigure(NotALine);
            return;
        }
        if (a == 0.0f) {
            const float y = -c / b;
            finite = AllFloat({y});
            expZ = X(y);
        } else if (b == 0.0f) {
            const float x = -c / a;
            finite = AllFloat({x});
            expY = X(x);
        } else {
            const float k = -a / b;
            const float d = c / b;
            finite = AllFloat({k, d});
            expZ = X(k) + QStringLiteral("u-(") + X(d) + QStringLiteral(")");
        }
        break;
    }
    case LineFormPointSlope: {
        const float d = p2 - p3 * p1;
        finite = AllFloat({p3 * p1, d});
        expZ = X(p3) + QStringLiteral("u+(") + X(d) + QStringLiteral(")");
        break;
    }
    case LineFormSlopeIntercept:
        expZ = X(p2) + QStringLiteral("u+(") + X(p1) + QStringLiteral(")");
        break;
    case LineFormTwoPoint: {
        if (p1 == p3 && p2 == p4) {
            RefuseFigure(QStringLiteral("请检查数据，你给定的点重合。"));
            return;
        }
        if (p1 == p3) {
            expY = X(p1);
        } else {
            const double k = (double(p4) - double(p2)) / (double(p3) - double(p1));
            const double d = double(p2) - k * double(p1);
            finite = AllFloat({k, d});
            expZ = PlainNumberText64(k) + QStringLiteral("u+(") + PlainNumberText64(d) +
                   QStringLiteral(")");
        }
        break;
    }
    default:
        return; // the list always holds a form
    }
    if (!finite) {
        ShowBadData();
        return;
    }

    // The point and the other line, read only when they are asked for.
    float px = 0.0f, py = 0.0f;
    if (Check1->isChecked() && !ReadNumbers({{Text8, &px}, {Text9, &py}}))
        return;
    float q1 = 0.0f, q2 = 0.0f, q3 = 0.0f, q4 = 0.0f;
    if (Check2->isChecked()) {
        if (!ReadShownNumbers({{Text10, &q1}, {Text11, &q2}, {Text12, &q3}, {Text13, &q4}}))
            return;
        // 6.
        if (ListValue(Combo2) == LineFormGeneral && q1 == 0.0f && q2 == 0.0f) {
            RefuseFigure(NotALine);
            return;
        }
    }

    // 7.
    std::shared_ptr<Cls9> graph =
        NewFigureGraph(name, GraphTypeLine, CoordTypeCartesian2D, expY, expZ, 100, minV, maxV,
                       MaterialPresetMetal, SmoothnessSmoother);
    Cls9& g = *graph;
    g.FunForm = FunFormParametric;
    g.GLineType = form;
    g.GPara1 = p1;
    g.GPara2 = p2;
    g.GPara3 = p3;
    g.GPara4 = p4;
    g.GLineColor = Picture1->Color();
    g.Glinewidth = ListValue(Combo3);
    g.GShowLinePoint = Check1->isChecked();
    if (g.GShowLinePoint) {
        g.GLinePointX = px;
        g.GLinePointY = py;
        g.GLinePointType =
            Option1->isChecked() ? LineThroughPointPerpendicular : LineThroughPointParallel;
        g.GLinePointColor = Picture2->Color();
        g.GLinePointSize = ListValue(Combo4);
    }
    g.GShowLineLine = Check2->isChecked();
    if (g.GShowLineLine) {
        g.GLineLineType = ListValue(Combo2);
        g.GPara5 = q1;
        g.GPara6 = q2;
        g.GPara7 = q3;
        g.GPara8 = q4;
        g.GLineLineColor = Picture3->Color();
        g.GLineLineWidth = ListValue(Combo5);
    }
    // 8.
    FinishOk(this, graph, true);
}

void frmF32::Command2_Click()
{
    reject();
}
