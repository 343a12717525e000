// The ellipse, hyperbola and parabola dialogs: their controls, the filling
// for an edit, and the OK that writes the conic's curve and range.
#include "dialogs/figures/ConicDialog_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "model/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

using namespace FigureDialogs;

namespace {

struct ConicInfo {
    const char* objectName;
    const char* title;
    const char* forms[2];
    const char* formulas[2];
    const char* note;
    int32_t graphType;
};

const ConicInfo& Info(Conic c)
{
    static const ConicInfo infos[] = {
        {"frmF34", "椭圆", {"标准形式", "参数形式"},
         {"(x-c)^2/a^2+(y-d)^2/b^2=1", "x=a*sin(u)+c, y=b*cos(u)+d"},
         "计算内容包括顶点坐标、对称轴、焦点坐标、离心率和准线方程等。", GraphTypeEllipse},
        {"frmF35", "双曲线", {"形式一", "形式二"},
         {"(x-c)^2/a^2-(y-d)^2/b^2=1", "-(x-c)^2/a^2+(y-d)^2/b^2=1"},
         "计算内容包括顶点坐标、对称轴、焦点坐标、离心率、准线方程和渐近线方程等。",
         GraphTypeHyperbola},
        {"frmF36", "抛物线", {"形式一", "形式二"}, {"(y-b)^2=2p(x-a)", "(x-a)^2=2p(y-b)"},
         "计算内容包括顶点坐标、对称轴、焦点坐标、离心率和准线方程等。", GraphTypeParabola},
    };
    return infos[static_cast<int>(c)];
}

// The form, colour, width and compute members of each conic, of a graph
// that OK writes (Cls9) or an edit reads (const Cls9).
template <class Graph>
struct ConicMembers {
    decltype(&std::declval<Graph&>().GEllipseType) form;
    decltype(&std::declval<Graph&>().GEllipseColor) color;
    decltype(&std::declval<Graph&>().GEllipseWidth) width;
    decltype(&std::declval<Graph&>().GEllipseCompute) compute;
};

template <class Graph>
ConicMembers<Graph> Members(Conic c, Graph& g)
{
    switch (c) {
    case Conic::Ellipse: return {&g.GEllipseType, &g.GEllipseColor, &g.GEllipseWidth, &g.GEllipseCompute};
    case Conic::Hyperbola: return {&g.GHyperType, &g.GHyperColor, &g.GHyperWidth, &g.GHyperCompute};
    default: return {&g.GParaType, &g.GParaColor, &g.GParaWidth, &g.GParaCompute};
    }
}

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

ConicDialog::ConicDialog(Conic conic, QWidget* parent) : QDialog(parent), m_conic(conic)
{
    const ConicInfo& info = Info(conic);
    const bool parabola = conic == Conic::Parabola;
    setObjectName(QString::fromLatin1(info.objectName));
    setWindowTitle(U(info.title));

    Label1 = MakeLabel("Label1", QStringLiteral("图形名称"));
    Text1 = MakeText("Text1");
    Label2 = MakeLabel("Label2", QStringLiteral("类型"));
    Combo1 = MakeChoice("Combo1", {U(info.forms[0]), U(info.forms[1])});
    Label3 = MakeLabel("Label3", QStringLiteral("形式"));
    Label4 = MakeLabel("Label4", QString());

    Frame1 = Named(new QGroupBox(QStringLiteral("参数")), "Frame1");
    Label5 = MakeLabel("Label5", QStringLiteral("a"));
    Text2 = MakeText("Text2");
    Label6 = MakeLabel("Label6", QStringLiteral("b"));
    Text3 = MakeText("Text3");
    Label7 = MakeLabel("Label7", parabola ? QStringLiteral("p") : QStringLiteral("c"));
    Text4 = MakeText("Text4");
    Label8 = parabola ? nullptr : MakeLabel("Label8", QStringLiteral("d"));
    Text5 = parabola ? nullptr : MakeText("Text5");
    auto* params = new QGridLayout(Frame1);
    if (parabola) {
        // The three boxes in one row.
        params->addWidget(Label5, 0, 0);
        params->addWidget(Text2, 0, 1);
        params->addWidget(Label6, 0, 2);
        params->addWidget(Text3, 0, 3);
        params->addWidget(Label7, 0, 4);
        params->addWidget(Text4, 0, 5);
    } else {
        params->addWidget(Label5, 0, 0);
        params->addWidget(Text2, 0, 1);
        params->addWidget(Label6, 0, 2);
        params->addWidget(Text3, 0, 3);
        params->addWidget(Label7, 1, 0);
        params->addWidget(Text4, 1, 1);
        params->addWidget(Label8, 1, 2);
        params->addWidget(Text5, 1, 3);
    }

    Check1 = Named(new QCheckBox(QStringLiteral("计算")), "Check1");
    Label9 = MakeLabel("Label9", U(info.note));
    Label9->setWordWrap(true);

    Frame2 = Named(new QGroupBox(QStringLiteral("属性")), "Frame2");
    Label10 = MakeLabel("Label10", QStringLiteral("颜色"));
    Picture1 = MakeColor("Picture1", 0xFF0000);
    Label11 = MakeLabel("Label11", QStringLiteral("线宽"));
    Combo2 = MakeNumbers("Combo2", kPlaneFigureWidths, 1);
    auto* style = new QGridLayout(Frame2);
    GraphDialog::Row(style, 0, Label10, Picture1);
    GraphDialog::Row(style, 1, Label11, Combo2);

    auto* top = new QGridLayout;
    GraphDialog::Row(top, 0, Label1, Text1);
    GraphDialog::Row(top, 1, Label2, Combo1);
    GraphDialog::Row(top, 2, Label3, Label4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Frame1);
    layout->addWidget(Check1);
    layout->addWidget(Label9);
    layout->addWidget(Frame2);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &ConicDialog::Command1_Click,
                            &ConicDialog::Command2_Click);

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    Combo1_Click();
}

void ConicDialog::Combo1_Click()
{
    const int i = Combo1->currentIndex();
    if (i == 0 || i == 1)
        Label4->setText(QString::fromLatin1(Info(m_conic).formulas[i]));
}

void ConicDialog::Fill(const Cls9& g)
{
    const auto m = Members(m_conic, g);
    Text1->setText(g.NameS);
    SelectValue(Combo1, *m.form);
    Text2->setText(Padded(g.GPara1));
    Text3->setText(Padded(g.GPara2));
    Text4->setText(Padded(g.GPara3));
    if (Text5)
        Text5->setText(Padded(g.GPara4));
    Picture1->SetColor(*m.color);
    SelectValue(Combo2, *m.width);
    Check1->setChecked(*m.compute);
}

void ConicDialog::Command1_Click()
{
    // 1.
    const BoxCleaner e = BoxCleaner::Expression;
    if (!FilterBoxes({{Text2, e}, {Text3, e}, {Text4, e}}))
        return;
    if (Text5 && !FilterBoxes({{Text5, e}}))
        return;
    // 2, 3.
    const QString name = Text1->text();
    float a = 0.0f, b = 0.0f, c = 0.0f, d = 0.0f;
    if (!ReadNumbers({{Text2, &a}, {Text3, &b}, {Text4, &c}}))
        return;
    if (Text5 && !ReadNumbers({{Text5, &d}}))
        return;

    // 4. Curve and range; c is p for the parabola.
    const int32_t form = ListValue(Combo1);
    QString expY = QStringLiteral("x");
    QString expZ;
    float minV = 0.0f, maxV = 0.0f;
    int32_t stepV = 100;
    int32_t funForm = FunFormExplicit;
    switch (m_conic) {
    case Conic::Ellipse:
        funForm = FunFormParametric;
        expY = X(a) + QStringLiteral("sin(u)+(") + X(c) + QStringLiteral(")");
        expZ = X(b) + QStringLiteral("cos(u)+(") + X(d) + QStringLiteral(")");
        maxV = 6.2832f;
        break;
    case Conic::Hyperbola: {
        // b / a leads the curve: a flat a has no hyperbola.
        if (a == 0.0f) {
            RefuseFigure(QStringLiteral("请检查数据，双曲线的参数a不能为0。"));
            return;
        }
        // A flat b has no hyperbola either: the drawing refuses it.
        if (b == 0.0f) {
            RefuseFigure(QStringLiteral("请检查数据，双曲线的参数b不能为0。"));
            return;
        }
        const float k = b / a;
        const float q = a * a;
        minV = c - std::fabs(a) - 2.0f;
        maxV = c + std::fabs(a) + 2.0f;
        if (!AllFloat({k, q, minV, maxV})) {
            ShowBadData();
            return;
        }
        stepV = 200;
        expZ = X(k) + QStringLiteral("sqr((x-(") + X(c) +
               (form == HyperbolaFormVertical ? QStringLiteral("))^2+") : QStringLiteral("))^2-")) +
               X(q) + QStringLiteral(")+(") + X(d) + QStringLiteral(")");
        break;
    }
    case Conic::Parabola:
        if (form == ParabolaFormVertical) {
            minV = a - 3.0f;
            maxV = a + 3.0f;
            expZ = QStringLiteral("(x-(") + X(a) + QStringLiteral("))^2/2/(") + X(c) +
                   QStringLiteral(")+(") + X(b) + QStringLiteral(")");
        } else {
            minV = a;
            maxV = a + 4.0f * c;
            expZ = QStringLiteral("sqr(2*(") + X(c) + QStringLiteral(")*(x-(") + X(a) +
                   QStringLiteral(")))+(") + X(b) + QStringLiteral(")");
        }
        if (!AllFloat({minV, maxV, 4.0f * c})) {
            ShowBadData();
            return;
        }
        break;
    }

    // 5.
    std::shared_ptr<Cls9> graph =
        NewFigureGraph(name, Info(m_conic).graphType, CoordTypeCartesian2D, expY, expZ, stepV,
                       minV, maxV, MaterialPresetMetal, SmoothnessSmoother);
    Cls9& g = *graph;
    g.FunForm = funForm;
    const auto m = Members(m_conic, g);
    *m.form = form;
    g.GPara1 = a;
    g.GPara2 = b;
    g.GPara3 = c;
    g.GPara4 = d;
    *m.color = Picture1->Color();
    *m.width = ListValue(Combo2);
    *m.compute = Check1->isChecked();
    // 6.
    FinishOk(this, graph, true);
}

void ConicDialog::Command2_Click()
{
    reject();
}
