// The plane vector and vector operation dialogs: controls, filling for an
// edit, and the OK that stores the numbers in GPara1 to GPara4.
#include "dialogs/figures/VectorDialogs_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "model/Cls9.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FigureDialogs;

namespace {

// A frame with the two boxes of a point or a vector.
QGroupBox* PairFrame(const char* name, const QString& title, QLabel* firstLabel,
                     QLineEdit* first, QLabel* secondLabel, QLineEdit* second)
{
    auto* frame = Named(new QGroupBox(title), name);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(firstLabel);
    row->addWidget(first);
    row->addWidget(secondLabel);
    row->addWidget(second);
    return frame;
}

} // namespace

frmF47::frmF47(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF47"));
    setWindowTitle(QStringLiteral("平面向量"));
    Label1 = MakeLabel("Label1", QStringLiteral("名称"));
    Text1 = MakeText("Text1");
    Label2 = MakeLabel("Label2", QStringLiteral("x"));
    Text2 = MakeText("Text2");
    Label3 = MakeLabel("Label3", QStringLiteral("y"));
    Text3 = MakeText("Text3");
    Label5 = MakeLabel("Label5", QStringLiteral("x"));
    Text5 = MakeText("Text5");
    Label6 = MakeLabel("Label6", QStringLiteral("y"));
    Text6 = MakeText("Text6");
    Frame1 = PairFrame("Frame1", QStringLiteral("起点"), Label2, Text2, Label3, Text3);
    Frame2 = PairFrame("Frame2", QStringLiteral("终点"), Label5, Text5, Label6, Text6);
    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(Text1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF47::Command1_Click,
                            &frmF47::Command2_Click);
}

void frmF47::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    Text2->setText(Padded(g.GPara1));
    Text3->setText(Padded(g.GPara2));
    Text5->setText(Padded(g.GPara3));
    Text6->setText(Padded(g.GPara4));
}

void frmF47::Command1_Click()
{
    const BoxCleaner e = BoxCleaner::Expression;
    if (!FilterBoxes({{Text2, e}, {Text3, e}, {Text5, e}, {Text6, e}}))
        return;
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    if (!ReadNumbers({{Text2, &x1}, {Text3, &y1}, {Text5, &x2}, {Text6, &y2}}))
        return;
    std::shared_ptr<Cls9> graph =
        NewParameterGraph(Text1->text(), GraphTypePlaneVector, SmoothnessFaceted);
    graph->GPara1 = x1;
    graph->GPara2 = y1;
    graph->GPara3 = x2;
    graph->GPara4 = y2;
    FinishOk(this, graph, false);
}

void frmF47::Command2_Click()
{
    reject();
}

frmF48::frmF48(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF48"));
    setWindowTitle(QStringLiteral("平面向量运算"));
    Label1 = MakeLabel("Label1", QStringLiteral("名称"));
    Text1 = MakeText("Text1");
    Label4 = MakeLabel("Label4", QStringLiteral("运算类型"));
    Combo1 = MakeChoice("Combo1", {QStringLiteral("相加"), QStringLiteral("相减"),
                                   QStringLiteral("乘以常数"), QStringLiteral("数量积")});
    Label2 = MakeLabel("Label2", QStringLiteral("dx"));
    Text2 = MakeText("Text2");
    Label3 = MakeLabel("Label3", QStringLiteral("dy"));
    Text3 = MakeText("Text3");
    Label5 = MakeLabel("Label5", QStringLiteral("dx"));
    Text5 = MakeText("Text5");
    Label6 = MakeLabel("Label6", QStringLiteral("dy"));
    Text6 = MakeText("Text6");
    Label7 = MakeLabel("Label7", QStringLiteral("常数"));
    Text4 = MakeText("Text4");
    Frame1 = PairFrame("Frame1", QStringLiteral("向量1"), Label2, Text2, Label3, Text3);
    Frame2 = PairFrame("Frame2", QStringLiteral("向量2"), Label5, Text5, Label6, Text6);
    auto* grid = new QGridLayout;
    GraphDialog::Row(grid, 0, Label1, Text1);
    GraphDialog::Row(grid, 1, Label4, Combo1);
    grid->addWidget(Frame1, 2, 0, 1, 2);
    // The constant takes the place of the second vector.
    grid->addWidget(Frame2, 3, 0, 1, 2);
    auto* constant = new QHBoxLayout;
    constant->addWidget(Label7);
    constant->addWidget(Text4);
    grid->addLayout(constant, 3, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF48::Command1_Click,
                            &frmF48::Command2_Click);
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    // Form_Load: the constant hidden, "相加" chosen.
    Label7->setVisible(false);
    Text4->setVisible(false);
    Combo1_Click();
}

void frmF48::Combo1_Click()
{
    const int i = Combo1->currentIndex();
    if (i < 0)
        return;
    const bool scale = i == VecOperationScale - 1;
    Label7->setVisible(scale);
    Text4->setVisible(scale);
    Frame2->setVisible(!scale);
}

void frmF48::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    SelectValue(Combo1, g.VecOperation);
    Text2->setText(Padded(g.GPara1));
    Text3->setText(Padded(g.GPara2));
    if (g.VecOperation == VecOperationScale) {
        Text4->setText(Padded(g.GPara3));
    } else if (g.VecOperation >= VecOperationAdd && g.VecOperation <= VecOperationDotProduct) {
        Text5->setText(Padded(g.GPara3));
        Text6->setText(Padded(g.GPara4));
    }
}

void frmF48::Command1_Click()
{
    // The second vector's boxes keep their own visibility when their frame
    // is hidden, so they are filtered for every operation: a refused
    // character left there is still reported, and nothing is lost.
    const BoxCleaner e = BoxCleaner::Expression;
    if (!FilterBoxes({{Text2, e}, {Text3, e}, {Text4, e}, {Text5, e}, {Text6, e}}))
        return;
    const int32_t operation = ListValue(Combo1);
    float dx = 0.0f, dy = 0.0f, third = 0.0f, fourth = 0.0f;
    if (!ReadNumbers({{Text2, &dx}, {Text3, &dy}}))
        return;
    if (operation == VecOperationScale) {
        if (!ReadNumbers({{Text4, &third}}))
            return;
    } else if (!ReadNumbers({{Text5, &third}, {Text6, &fourth}})) {
        return;
    }
    std::shared_ptr<Cls9> graph =
        NewParameterGraph(Text1->text(), GraphTypeVectorOperation, SmoothnessFaceted);
    graph->GPara1 = dx;
    graph->GPara2 = dy;
    graph->GPara3 = third;
    graph->GPara4 = fourth;
    graph->VecOperation = operation;
    FinishOk(this, graph, false);
}

void frmF48::Command2_Click()
{
    reject();
}
