// The arithmetic and geometric sequence dialogs: a1, d or q, and n, with the
// term count and every term kept within what can be drawn.
#include "dialogs/figures/SequenceDialogs_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "draw/LimitSequence.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using namespace FigureDialogs;

namespace {

// Whether every term and the sum of the first n terms are floats, computed
// as the drawing computes them.
bool TermsFit(bool geometric, float a1, float dq, int32_t n)
{
    double last = a1;
    for (int32_t k = 1; k <= n; ++k) {
        const double term = geometric ? std::pow(static_cast<double>(dq), k - 1) * a1
                                      : static_cast<double>(dq) * (k - 1) + a1;
        if (!AllFloat({term}))
            return false;
        last = static_cast<float>(term);
    }
    double sum = 0.0;
    if (n >= 1) {
        if (!geometric)
            sum = (last + a1) * n / 2;
        else if (dq == 1.0f)
            sum = static_cast<double>(n) * a1;
        else
            sum = (static_cast<double>(a1) - last * dq) / (1.0 - dq);
    }
    return AllFloat({sum});
}

} // namespace

SequenceDialog::SequenceDialog(bool geometric, QWidget* parent)
    : QDialog(parent), m_geometric(geometric)
{
    setObjectName(geometric ? QStringLiteral("frmF46") : QStringLiteral("frmF45"));
    setWindowTitle(geometric ? QStringLiteral("等比数列") : QStringLiteral("等差数列"));
    Label1 = MakeLabel("Label1", QStringLiteral("名称"));
    Text1 = MakeText("Text1");
    Label2 = MakeLabel("Label2", QStringLiteral("公式"));
    Label3 = MakeLabel("Label3", geometric ? QStringLiteral("an=a1*q^(n-1)")
                                           : QStringLiteral("an=a1+(n-1)d"));
    Label4 = MakeLabel("Label4", QStringLiteral("a1"));
    Text2 = MakeText("Text2");
    Label5 = MakeLabel("Label5", geometric ? QStringLiteral("q") : QStringLiteral("d"));
    Text3 = MakeText("Text3");
    Label6 = MakeLabel("Label6", QStringLiteral("n"));
    Text4 = MakeText("Text4");
    Frame1 = Named(new QGroupBox(QStringLiteral("参数")), "Frame1");
    auto* params = new QGridLayout(Frame1);
    GraphDialog::Row(params, 0, Label4, Text2);
    GraphDialog::Row(params, 1, Label5, Text3);
    GraphDialog::Row(params, 2, Label6, Text4);

    auto* top = new QGridLayout;
    GraphDialog::Row(top, 0, Label1, Text1);
    GraphDialog::Row(top, 1, Label2, Label3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Frame1);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &SequenceDialog::Command1_Click,
                            &SequenceDialog::Command2_Click);
}

void SequenceDialog::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    Text2->setText(PlainNumberText(g.GPara1));
    Text3->setText(PlainNumberText(g.GPara2));
    Text4->setText(QString::number(g.EdgeNum));
}

void SequenceDialog::Command1_Click()
{
    // 1.
    const BoxCleaner e = BoxCleaner::Expression;
    if (!FilterBoxes({{Text2, e}, {Text3, e}, {Text4, e}}))
        return;
    // 2, 3. n is the whole number below the value of its box, bounded so
    // that the drawing never reads terms past what it can join.
    float a1 = 0.0f;
    float dq = 0.0f;
    if (!ReadNumbers({{Text2, &a1}, {Text3, &dq}}))
        return;
    const double nValue = std::floor(Val(Text4->text()));
    if (nValue < 0) {
        GraphDialog::Warn(QStringLiteral("项数 n 不能小于0。"));
        return;
    }
    if (!(nValue <= MaxSequenceTerms)) {
        GraphDialog::Warn(QStringLiteral("项数 n 不能大于%1。").arg(MaxSequenceTerms));
        return;
    }
    const auto n = static_cast<int32_t>(nValue);
    if (!TermsFit(m_geometric, a1, dq, n)) {
        ShowBadData();
        return;
    }

    std::shared_ptr<Cls9> graph = NewParameterGraph(
        Text1->text(), m_geometric ? GraphTypeGeometricSequence : GraphTypeArithmeticSequence,
        SmoothnessSmooth);
    graph->GPara1 = a1;
    graph->GPara2 = dq;
    graph->EdgeNum = n;
    // 4 to 6. Drawn from its numbers alone: nothing to sample.
    FinishOk(this, graph, false);
}

void SequenceDialog::Command2_Click()
{
    reject();
}
