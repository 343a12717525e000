// The circle dialog: its three tabs, the form captions, the filling for an
// edit, and the OK with the general form's checks.
#include "dialogs/figures/frmF33_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "model/Cls9.h"

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

#include <cmath>
#include <vector>

using namespace FigureDialogs;

namespace {

// The boxes of each condition of the second circle: first box, captions.
struct Condition {
    int firstBox;
    std::vector<const char*> captions;
};
const Condition Conditions[] = {
    {9, {"x0", "y0", "r"}},
    {12, {"x0", "y0", "x", "y"}},
    {16, {"x0", "y0", "A", "B", "C"}},
    {21, {"x1", "y1", "x2", "y2", "x3", "y3"}},
};

// A "属性" frame: colour and width.
QGroupBox* StyleFrame(ColorBox* color, QComboBox* width)
{
    auto* frame = new QGroupBox(QStringLiteral("属性"));
    auto* grid = new QGridLayout(frame);
    GraphDialog::Row(grid, 0, new QLabel(QStringLiteral("颜色")), color);
    GraphDialog::Row(grid, 1, new QLabel(QStringLiteral("线宽")), width);
    return frame;
}

// Boxes n, n+1, ... with their captions in one row.
QHBoxLayout* BoxRow(frmF33* d, int first, const std::vector<const char*>& captions)
{
    auto* row = new QHBoxLayout;
    for (size_t i = 0; i < captions.size(); ++i) {
        row->addWidget(new QLabel(QString::fromLatin1(captions[i])));
        QLineEdit* box = d->Text(first + static_cast<int>(i));
        box->setMaximumWidth(80);
        row->addWidget(box);
    }
    return row;
}

} // namespace

frmF33::frmF33(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF33"));
    setWindowTitle(QStringLiteral("圆"));
    SSTab1 = Named(new QTabWidget(this), "SSTab1");

    Text1 = MakeText("Text1");
    Text2 = MakeText("Text2");
    Text3 = MakeText("Text3");
    Text4 = MakeText("Text4");
    Text5 = MakeText("Text5");
    Text6 = MakeText("Text6");
    Text7 = MakeText("Text7");
    for (int n = 9; n <= 26; ++n) {
        const QByteArray name = "Text" + QByteArray::number(n);
        Text9to26[n - 9] = MakeText(name.constData());
    }

    // Tab "圆".
    Label1 = MakeLabel("Label1", QStringLiteral("图形名称"));
    Label2 = MakeLabel("Label2", QStringLiteral("类型"));
    Combo1 = MakeChoice("Combo1", {QStringLiteral("标准形式"), QStringLiteral("一般形式"),
                                   QStringLiteral("参数形式")});
    Label3 = MakeLabel("Label3", QStringLiteral("形式"));
    Label4 = MakeLabel("Label4", QString());
    Check1 = Named(new QCheckBox(QStringLiteral("显示圆的图形")), "Check1");
    Check1->setChecked(true);
    Label5 = MakeLabel("Label5", QString());
    Label6 = MakeLabel("Label6", QString());
    Label7 = MakeLabel("Label7", QString());
    Picture1 = MakeColor("Picture1", 0xFF0000);
    Combo2 = MakeNumbers("Combo2", kPlaneFigureWidths, 1);
    auto* circleTab = new QWidget;
    auto* circleGrid = new QGridLayout(circleTab);
    GraphDialog::Row(circleGrid, 0, Label1, Text1);
    GraphDialog::Row(circleGrid, 1, Label2, Combo1);
    GraphDialog::Row(circleGrid, 2, Label3, Label4);
    circleGrid->addWidget(Check1, 3, 0, 1, 2);
    auto* params = new QGroupBox(QStringLiteral("参数"));
    auto* paramGrid = new QGridLayout(params);
    GraphDialog::Row(paramGrid, 0, Label5, Text2);
    GraphDialog::Row(paramGrid, 1, Label6, Text3);
    GraphDialog::Row(paramGrid, 2, Label7, Text4);
    circleGrid->addWidget(params, 4, 0, 1, 2);
    circleGrid->addWidget(StyleFrame(Picture1, Combo2), 5, 0, 1, 2);
    SSTab1->addTab(circleTab, QStringLiteral("圆"));

    // Tab "切线".
    Check2 = Named(new QCheckBox(QStringLiteral("计算和显示圆的切线")), "Check2");
    Option1 = MakeOption("Option1", QStringLiteral("圆上一点"));
    Option2 = MakeOption("Option2", QStringLiteral("斜率"));
    Option1->setChecked(true);
    Picture2 = MakeColor("Picture2", 0x0000FF);
    Combo3 = MakeNumbers("Combo3", kPlaneFigureWidths, 1);
    auto* given = new QGroupBox(QStringLiteral("已知条件"));
    auto* givenLayout = new QVBoxLayout(given);
    givenLayout->addWidget(Option1);
    givenLayout->addLayout(BoxRow(this, 5, {"x", "y"}));
    givenLayout->addWidget(Option2);
    auto* slopeRow = new QHBoxLayout;
    slopeRow->addWidget(new QLabel(QStringLiteral("斜率")));
    slopeRow->addWidget(Text7);
    givenLayout->addLayout(slopeRow);
    auto* tangentTab = new QWidget;
    auto* tangentLayout = new QVBoxLayout(tangentTab);
    tangentLayout->addWidget(Check2);
    tangentLayout->addWidget(given);
    tangentLayout->addWidget(StyleFrame(Picture2, Combo3));
    SSTab1->addTab(tangentTab, QStringLiteral("切线"));

    // Tab "求圆的方程".
    Check3 = Named(new QCheckBox(QStringLiteral("求圆的方程并显示圆")), "Check3");
    Option4 = MakeOption("Option4", QStringLiteral("圆心(x0,y0)和半径r"));
    Option5 = MakeOption("Option5", QStringLiteral("圆心(x0, y0)和圆上一点(x, y)"));
    Option6 = MakeOption("Option6", QStringLiteral("圆心(x0,y0)和切线方程Ax+By+C=0"));
    Option7 = MakeOption("Option7", QStringLiteral("圆上三点(x1,y1),(x2,y2)和(x3.y3)"));
    Option4->setChecked(true);
    Picture3 = MakeColor("Picture3", 0xFF0000);
    Combo4 = MakeNumbers("Combo4", kPlaneFigureWidths, 1);
    auto* conditions = new QGroupBox;
    auto* conditionLayout = new QVBoxLayout(conditions);
    QRadioButton* const options[] = {Option4, Option5, Option6, Option7};
    for (int i = 0; i < 4; ++i) {
        conditionLayout->addWidget(options[i]);
        QHBoxLayout* row = BoxRow(this, Conditions[i].firstBox, Conditions[i].captions);
        row->addStretch();
        conditionLayout->addLayout(row);
    }
    auto* equationTab = new QWidget;
    auto* equationLayout = new QVBoxLayout(equationTab);
    equationLayout->addWidget(Check3);
    equationLayout->addWidget(conditions);
    equationLayout->addWidget(StyleFrame(Picture3, Combo4));
    SSTab1->addTab(equationTab, QStringLiteral("求圆的方程"));

    GraphDialog::MakeOkCancel(Command1, Command2);
    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    Combo1_Click();
}

QLineEdit* frmF33::Text(int n) const
{
    switch (n) {
    case 1: return Text1;
    case 2: return Text2;
    case 3: return Text3;
    case 4: return Text4;
    case 5: return Text5;
    case 6: return Text6;
    case 7: return Text7;
    default: return n >= 9 && n <= 26 ? Text9to26[n - 9] : nullptr;
    }
}

void frmF33::Combo1_Click()
{
    static const char* const forms[3][4] = {
        {"(x-a)^2+(y-b)^2=r^2", "a", "b", "r"},
        {"x^2+y^2+Dx+Ey+F=0", "D", "E", "F"},
        {"x=a+r*cos(u), y=b+r*sin(u)", "a", "b", "r"},
    };
    const int i = Combo1->currentIndex();
    if (i < 0 || i > 2)
        return;
    Label4->setText(QString::fromLatin1(forms[i][0]));
    Label5->setText(QString::fromLatin1(forms[i][1]));
    Label6->setText(QString::fromLatin1(forms[i][2]));
    Label7->setText(QString::fromLatin1(forms[i][3]));
}

void frmF33::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    Check1->setChecked(g.GShowCircle);
    SelectValue(Combo1, g.GCircleType);
    Text2->setText(Padded(g.GPara1));
    Text3->setText(Padded(g.GPara2));
    Text4->setText(Padded(g.GPara3));
    Picture1->SetColor(g.GCircleColor);
    SelectValue(Combo2, g.GCircleWidth);
    Check2->setChecked(g.GShowCircleTangent);
    if (g.GCircleTangType == CircleTangentGivenPoint) {
        Option1->setChecked(true);
        Text5->setText(Padded(g.GCircleTangPointX));
        Text6->setText(Padded(g.GCircleTangPointY));
    } else if (g.GCircleTangType == CircleTangentGivenSlope) {
        Option2->setChecked(true);
        Text7->setText(Padded(g.GCircleTangK));
    }
    Picture2->SetColor(g.GCircleTangColor);
    SelectValue(Combo3, g.GCircleTangWidth);
    Check3->setChecked(g.GShowCircleEqua);
    const int type = g.GCircleEquaType;
    if (type >= 1 && type <= 4) {
        QRadioButton* const options[] = {Option4, Option5, Option6, Option7};
        options[type - 1]->setChecked(true);
        const float values[] = {g.GPara5, g.GPara6, g.GPara7, g.GPara8, g.GPara9, g.GPara10};
        const Condition& c = Conditions[type - 1];
        for (size_t i = 0; i < c.captions.size(); ++i)
            Text(c.firstBox + static_cast<int>(i))->setText(Padded(values[i]));
    }
    Picture3->SetColor(g.GCircleEquaColor);
    SelectValue(Combo4, g.GCircleEquaWidth);
}

void frmF33::Command1_Click()
{
    // 1. Every box but the name, whatever tab, option or switch is chosen;
    // Text12 and Text24 take a plain number only.
    for (int n : {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                  25, 26}) {
        const BoxCleaner cleaner =
            n == 12 || n == 24 ? BoxCleaner::Number : BoxCleaner::Expression;
        if (!CleanBox(Text(n), cleaner))
            return;
    }
    // 2.
    const QString name = Text1->text();
    float p1 = 0.0f, p2 = 0.0f, p3 = 0.0f;
    if (!ReadNumbers({{Text2, &p1}, {Text3, &p2}, {Text4, &p3}}))
        return;
    const int32_t form = ListValue(Combo1);

    // 3. The curve of a shown circle.
    QString expY, expZ;
    if (Check1->isChecked()) {
        float r = p3, cx = p1, cy = p2;
        if (form == CircleFormGeneral) {
            const float dd = p1 * p1, ee = p2 * p2, f4 = p3 * 4.0f;
            const float s = ee + dd - f4;
            if (!AllFloat({dd, ee, f4, s})) {
                ShowBadData();
                return;
            }
            if (!(s >= 0.0f)) {
                RefuseFigure(QStringLiteral("根据该方程无法画出圆来。"));
                return;
            }
            if (s < 0.00001f) {
                RefuseFigure(QStringLiteral("根据该方程画出来的圆是一个点。"));
                return;
            }
            cx = -p1 / 2.0f;
            cy = -p2 / 2.0f;
            r = std::sqrt(s / 4.0f);
        }
        expY = X(r) + QStringLiteral("sin(u)+(") + X(cx) + QStringLiteral(")");
        expZ = X(r) + QStringLiteral("cos(u)+(") + X(cy) + QStringLiteral(")");
    }

    // The tangent and the second circle, read only when they are asked for.
    float tx = 0.0f, ty = 0.0f, tk = 0.0f;
    if (Check2->isChecked()) {
        if (Option1->isChecked() && !ReadNumbers({{Text5, &tx}, {Text6, &ty}}))
            return;
        if (Option2->isChecked() && !ReadNumbers({{Text7, &tk}}))
            return;
    }
    int32_t equaType = 0;
    float given[6] = {};
    if (Check3->isChecked()) {
        equaType = Option4->isChecked()   ? CircleEquationGivenCenterRadius
                   : Option5->isChecked() ? CircleEquationGivenCenterPoint
                   : Option6->isChecked() ? CircleEquationGivenCenterTangent
                                          : CircleEquationGivenThreePoints;
        const Condition& c = Conditions[equaType - 1];
        for (size_t i = 0; i < c.captions.size(); ++i) {
            if (!ReadNumbers({{Text(c.firstBox + static_cast<int>(i)), &given[i]}}))
                return;
        }
    }

    // 4, 5.
    std::shared_ptr<Cls9> graph =
        NewFigureGraph(name, GraphTypeCircle, CoordTypeCartesian2D, expY, expZ, 100, 0.0f,
                       6.2832f, MaterialPresetMetal, SmoothnessSmoother);
    Cls9& g = *graph;
    g.FunForm = FunFormParametric;
    g.GShowCircle = Check1->isChecked();
    g.GPara1 = p1;
    g.GPara2 = p2;
    g.GPara3 = p3;
    g.GCircleType = form;
    g.GCircleColor = Picture1->Color();
    g.GCircleWidth = ListValue(Combo2);
    g.GShowCircleTangent = Check2->isChecked();
    if (g.GShowCircleTangent) {
        if (Option1->isChecked()) {
            g.GCircleTangType = CircleTangentGivenPoint;
            g.GCircleTangPointX = tx;
            g.GCircleTangPointY = ty;
        } else if (Option2->isChecked()) {
            g.GCircleTangType = CircleTangentGivenSlope;
            g.GCircleTangK = tk;
        } else {
            g.GCircleTangType = CircleTangentGivenReserved;
            g.GCircleTangC = 0.0f;
        }
        if (g.GCircleTangType != CircleTangentGivenReserved) {
            g.GCircleTangColor = Picture2->Color();
            g.GCircleTangWidth = ListValue(Combo3);
        }
    }
    g.GShowCircleEqua = Check3->isChecked();
    if (g.GShowCircleEqua) {
        g.GCircleEquaType = equaType;
        float* const members[] = {&g.GPara5, &g.GPara6, &g.GPara7, &g.GPara8, &g.GPara9,
                                  &g.GPara10};
        for (size_t i = 0; i < Conditions[equaType - 1].captions.size(); ++i)
            *members[i] = given[i];
        g.GCircleEquaColor = Picture3->Color();
        g.GCircleEquaWidth = ListValue(Combo4);
    }
    if (!g.GShowCircle)
        g.GCircleType = CircleFormStandard;

    // 6 to 8. A hidden circle has no curve to sample.
    FinishOk(this, graph, g.GShowCircle);
}

void frmF33::Command2_Click()
{
    reject();
}
