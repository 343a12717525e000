// The limit dialog: lim f(x) as x approaches x0, and the OK that samples f
// over 4 units on the chosen side or sides of x0.
#include "dialogs/figures/frmF30_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FigureDialogs;

frmF30::frmF30(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF30"));
    setWindowTitle(QStringLiteral("极限"));
    Label1 = MakeLabel("Label1", QStringLiteral("名称"));
    Text3 = MakeText("Text3");
    // The usual notation: "lim" above "x →", the function to its right.
    Image1 = MakeLabel("Image1", QStringLiteral("lim"));
    QFont big = Image1->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    Image1->setFont(big);
    Text1 = MakeText("Text1");
    Image2 = MakeLabel("Image2", QStringLiteral("x \u2192"));
    Combo1 = MakeChoice("Combo1", {QStringLiteral("两侧"), QStringLiteral("-"),
                                   QStringLiteral("+")});
    Text2 = MakeText("Text2");
    Check1 = Named(new QCheckBox(QStringLiteral("显示数据点")), "Check1");
    Check1->setChecked(true);
    Check2 = Named(new QCheckBox(QStringLiteral("显示曲线")), "Check2");
    Check2->setChecked(true);

    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(Text3);
    auto* limit = new QGridLayout;
    limit->addWidget(Image1, 0, 0);
    limit->addWidget(Text1, 0, 1, 1, 3);
    limit->addWidget(Image2, 1, 0);
    limit->addWidget(Combo1, 1, 1);
    limit->addWidget(Text2, 1, 2);
    auto* options = new QHBoxLayout;
    options->addWidget(Check1);
    options->addWidget(Check2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(limit);
    layout->addLayout(options);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF30::Command1_Click,
                            &frmF30::Command2_Click);
}

void frmF30::Fill(const Cls9& g)
{
    Text3->setText(g.NameS);
    Text1->setText(g.ExpressZ);
    Text2->setText(PlainNumberText(g.LimitX0));
    SelectValue(Combo1, g.LimitDir);
    Check1->setChecked(g.LimitShowP);
    Check2->setChecked(g.LimitShowL);
}

void frmF30::Command1_Click()
{
    // 1, 2.
    if (!FilterExpressions({Text1}))
        return;
    if (!FilterBoxes({{Text2, BoxCleaner::Expression}}))
        return;
    // 4. x0 and 5. the range by side, both within the float range.
    RangeEvaluator ranges;
    float x0 = 0.0f;
    if (!ranges.Evaluate(Text2->text(), x0))
        return;
    const int32_t side = ListValue(Combo1);
    float minX = x0 - 4.0f;
    float maxX = x0 + 4.0f;
    if (side == LimitSideLeft)
        maxX = x0;
    else if (side == LimitSideRight)
        minX = x0;
    if (!AllFloat({x0, minX, maxX})) {
        ShowBadData();
        return;
    }
    // 6.
    std::shared_ptr<Cls9> graph =
        NewFigureGraph(Text3->text(), GraphTypeLimit, CoordTypeCartesian2D, QStringLiteral("x"),
                       Text1->text(), 50, minX, maxX, MaterialPresetMetal, SmoothnessSmoother);
    Cls9& g = *graph;
    g.LineColor = 0x0000FF;
    g.LineWidth = 1;
    g.FunForm = FunFormExplicit;
    g.LimitDir = side;
    g.LimitX0 = x0;
    g.LimitShowP = Check1->isChecked();
    g.LimitShowL = Check2->isChecked();
    // 3, 7, 8.
    FinishOk2D(this, graph);
}

void frmF30::Command2_Click()
{
    reject();
}
