// frmF4, the 2.5D function dialog: one plane function drawn as a band in the 3D view.
#include "dialogs/graph/frmF4_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "dialogs/common/DialogOk_ui.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int MaxSegments = 100000;

using GraphDialog::IsShown;
using GraphDialog::MakeLabel;
using GraphDialog::MakeOption;
using GraphDialog::MakeText;
using GraphDialog::Named;
using GraphDialog::Row;
using GraphDialog::Warn;

const QStringList& MaterialNames()
{
    static const QStringList names = {
        QStringLiteral("Artdeco"), QStringLiteral("Autumn"), QStringLiteral("Glass"),
        QStringLiteral("Metal"),   QStringLiteral("Neon"),   QStringLiteral("Recoco"),
        QStringLiteral("Santefe"), QStringLiteral("Sheen"),  QStringLiteral("Silky"),
        QStringLiteral("Spring"),  QStringLiteral("Summer"), QStringLiteral("Tropical"),
        QStringLiteral("Winter"),
    };
    return names;
}

} // namespace

frmF4::frmF4(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF4"));
    setWindowTitle(QStringLiteral("二维半函数图形属性"));
    BuildControls();
    FormLoad();
}

frmF4::~frmF4() = default;

bool frmF4::AnimationMode() const
{
    return IsShown(Label4);
}

void frmF4::BuildControls()
{
    SSTab1 = Named(new QTabWidget, "SSTab1");
    GraphDialog::MakeOkCancel(Command1, Command2);

    // Tab "函数"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        auto* top = new QGridLayout;
        Label12 = MakeLabel("Label12", QStringLiteral("名称"));
        Text1 = MakeText("Text1");
        Label9 = MakeLabel("Label9", QStringLiteral("形式"));
        Combo2 = Named(new QComboBox, "Combo2");
        Label13 = MakeLabel("Label13", QStringLiteral("坐标系"));
        Combo1 = Named(new QComboBox, "Combo1");
        Row(top, 0, Label12, Text1);
        Row(top, 1, Label13, Combo1);
        Row(top, 2, Label9, Combo2);
        v->addLayout(top);

        Frame3 = Named(new QGroupBox(QStringLiteral("函数")), "Frame3");
        auto* g3 = new QGridLayout(Frame3);
        Label2 = MakeLabel("Label2", QStringLiteral("X(u)"));
        Text2 = MakeText("Text2");
        Label3 = MakeLabel("Label3", QStringLiteral("Y(u)"));
        Text3 = MakeText("Text3");
        Row(g3, 0, Label2, Text2);
        Row(g3, 1, Label3, Text3);
        v->addWidget(Frame3);

        Frame4 = Named(new QGroupBox(QStringLiteral("变量的取值范围")), "Frame4");
        auto* g4 = new QGridLayout(Frame4);
        Label17 = MakeLabel("Label17", QStringLiteral("最小 u"));
        Text5 = MakeText("Text5");
        Label18 = MakeLabel("Label18", QStringLiteral("最大 u"));
        Text6 = MakeText("Text6");
        Label19 = MakeLabel("Label19", QStringLiteral("段数 u"));
        Text7 = MakeText("Text7");
        Text7->setText(QStringLiteral("40"));
        Label19->setToolTip(QStringLiteral("Recommended Value: 30 - 60"));
        Text7->setToolTip(QStringLiteral("Recommended Value: 30 - 60"));
        Label4 = MakeLabel("Label4", QStringLiteral("最小 t"));
        Text4 = MakeText("Text4");
        Label6 = MakeLabel("Label6", QStringLiteral("最大 t"));
        Text8 = MakeText("Text8");
        Label8 = MakeLabel("Label8", QStringLiteral("段数 t"));
        Text9 = MakeText("Text9");
        Row(g4, 0, Label17, Text5);
        Row(g4, 1, Label18, Text6);
        Row(g4, 2, Label19, Text7);
        Row(g4, 3, Label4, Text4);
        Row(g4, 4, Label6, Text8);
        Row(g4, 5, Label8, Text9);
        v->addWidget(Frame4);
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("函数"));
    }

    // Tab "颜色": three gradients between colour 1 and colour 2, or one colour.
    {
        auto* page = new QWidget;
        auto* g = new QGridLayout(page);
        Option1 = MakeOption("Option1", QStringLiteral("从左到右渐变"));
        Option2 = MakeOption("Option2", QStringLiteral("从上到下渐变"));
        Option3 = MakeOption("Option3", QStringLiteral("从前到后渐变"));
        Option4 = MakeOption("Option4", QStringLiteral("单色"));
        Label1 = MakeLabel("Label1", QStringLiteral("颜色1"));
        Picture2 = Named(new ColorBox, "Picture2");
        Label5 = MakeLabel("Label5", QStringLiteral("颜色2"));
        Picture3 = Named(new ColorBox, "Picture3");
        Picture4 = Named(new ColorBox, "Picture4");
        g->addWidget(Option1, 0, 0);
        g->addWidget(Option2, 1, 0);
        g->addWidget(Option3, 2, 0);
        g->addWidget(Label1, 0, 1);
        g->addWidget(Picture2, 0, 2);
        g->addWidget(Label5, 2, 1);
        g->addWidget(Picture3, 2, 2);
        g->addWidget(Option4, 3, 0);
        g->addWidget(Picture4, 3, 2);
        g->setRowStretch(4, 1);
        SSTab1->addTab(page, QStringLiteral("颜色"));
    }

    // Tab "材质"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        Label7 = MakeLabel("Label7", QStringLiteral("选择一种材质类型"));
        List1 = Named(new QListWidget, "List1");
        v->addWidget(Label7);
        v->addWidget(List1);
        SSTab1->addTab(page, QStringLiteral("材质"));
    }

    // Tab "外观"
    {
        auto* page = new QWidget;
        auto* h = new QHBoxLayout(page);
        Frame1 = Named(new QGroupBox(QStringLiteral("模型")), "Frame1");
        auto* v1 = new QVBoxLayout(Frame1);
        Option5 = MakeOption("Option5", QStringLiteral("顶点模型"));
        Option6 = MakeOption("Option6", QStringLiteral("线框模型"));
        Option7 = MakeOption("Option7", QStringLiteral("曲面模型"));
        for (QRadioButton* o : {Option5, Option6, Option7})
            v1->addWidget(o);
        Frame2 = Named(new QGroupBox(QStringLiteral("平滑性")), "Frame2");
        auto* v2 = new QVBoxLayout(Frame2);
        Option8 = MakeOption("Option8", QStringLiteral("刻面"));
        Option9 = MakeOption("Option9", QStringLiteral("较平滑"));
        Option10 = MakeOption("Option10", QStringLiteral("平滑"));
        for (QRadioButton* o : {Option8, Option9, Option10})
            v2->addWidget(o);
        h->addWidget(Frame1);
        h->addWidget(Frame2);
        SSTab1->addTab(page, QStringLiteral("外观"));
    }

    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    // A colour box opens the colour dialog itself when clicked; its colour is
    // taken once the dialog has closed.
    connect(Picture2, &ColorBox::clicked, this, [this] { mlngFirstColor = Picture2->Color(); },
            Qt::QueuedConnection);
    connect(Picture3, &ColorBox::clicked, this, [this] { mlngSecondColor = Picture3->Color(); },
            Qt::QueuedConnection);
    connect(Picture4, &ColorBox::clicked, this, [this] { mlngSecondColor = Picture4->Color(); },
            Qt::QueuedConnection);
}

void frmF4::FormLoad()
{
    Combo1->addItems({QStringLiteral("直角坐标"), QStringLiteral("极坐标")});
    Combo1->setCurrentIndex(-1);
    Option2->setChecked(true);
    mlngFirstColor = 255;
    mlngSecondColor = 0xFF0000;
    Picture2->SetColor(255);
    Picture3->SetColor(0xFF0000);
    Picture4->SetColor(255);
    Combo2->addItems({QStringLiteral("y=f(x)"), QStringLiteral("x=f1(u),y=f2(u)")});
    Combo2->setCurrentIndex(-1);
    Combo2->setPlaceholderText(QStringLiteral("y=f(x)"));
    List1->addItems(MaterialNames());
    SetList1Index(3);
    mlngMaterial = MaterialPresetMetal;
    Option7->setChecked(true);
    Option10->setChecked(true);
    Text1->setText(QStringLiteral("Untitled"));
    Combo1_Click();
}

void frmF4::SetCombo1Index(int index)
{
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void frmF4::SetCombo2Index(int index)
{
    Combo2->setCurrentIndex(index);
    Combo2_Click();
}

void frmF4::SetList1Index(int index)
{
    // Selecting the row runs List1_Click through currentRowChanged; run it
    // here when the row does not change.
    if (List1->currentRow() == index)
        List1_Click();
    else
        List1->setCurrentRow(index);
}

void frmF4::List1_Click()
{
    mlngMaterial = List1->currentRow() + 1;
}

void frmF4::Combo1_Click()
{
    const int k = Combo2->currentIndex() < 0 ? 0 : Combo2->currentIndex();
    const int coord = Combo1->currentIndex();
    if (coord == 0 || coord == 1) {
        static const char* const forms[2][2][2] = {
            {{"y=f(x)", "x=f1(u),y=f2(u)"}, {"r=f(a)", "a=f1(u),r=f2(u)"}},
            {{"y=f(x,t)", "x=f1(u,t),y=f2(u,t)"}, {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)"}},
        };
        const auto& items = forms[AnimationMode() ? 1 : 0][coord];
        Combo2->clear();
        Combo2->addItems({QString::fromUtf8(items[0]), QString::fromUtf8(items[1])});
        Combo2->setPlaceholderText(QString::fromUtf8(items[0]));
        SetCombo2Index(k);
    }
    Combo2_Click();
}

void frmF4::Combo2_Click()
{
    const int coord = Combo1->currentIndex();
    const int form = Combo2->currentIndex();
    if (coord < 0 || coord > 1 || form < 0 || form > 1)
        return;
    const bool anim = AnimationMode();
    const bool polar = coord == 1;
    const bool parametric = form == 1;
    const QString t = anim ? QStringLiteral(",t)") : QStringLiteral(")");
    if (parametric) {
        Label2->setText((polar ? QStringLiteral("a(u") : QStringLiteral("x(u")) + t);
        Label3->setText((polar ? QStringLiteral("r(u") : QStringLiteral("y(u")) + t);
    } else {
        Label2->setText((polar ? QStringLiteral("r(a") : QStringLiteral("y(x")) + t);
    }
    Label3->setVisible(parametric);
    Text3->setVisible(parametric);
    const QString v = parametric ? QStringLiteral("u") : polar ? QStringLiteral("a")
                                                               : QStringLiteral("x");
    Label17->setText(QStringLiteral("最小 ") + v);
    Label18->setText(QStringLiteral("最大 ") + v);
    Label19->setText(QStringLiteral("段数 ") + v);
}

void frmF4::Picture2_Click()
{
    Picture2->PickColor();
    mlngFirstColor = Picture2->Color();
}

void frmF4::Picture3_Click()
{
    Picture3->PickColor();
    mlngSecondColor = Picture3->Color();
}

void frmF4::Picture4_Click()
{
    Picture4->PickColor();
    mlngSecondColor = Picture4->Color();
}

void frmF4::SetTRowVisible(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label6),
                       static_cast<QWidget*>(Label8), static_cast<QWidget*>(Text4),
                       static_cast<QWidget*>(Text8), static_cast<QWidget*>(Text9)})
        w->setVisible(visible);
}

void frmF4::SetUpForDrawMenu(bool polar)
{
    setWindowTitle(QStringLiteral("二维半函数图形属性"));
    SetCombo1Index(polar ? 1 : 0);
    Combo2->clear();
    if (polar)
        Combo2->addItems({QStringLiteral("r=f(a)"), QStringLiteral("a=f1(u),r=f2(u)")});
    else
        Combo2->addItems({QStringLiteral("y=f(x)"), QStringLiteral("x=f1(u),y=f2(u)")});
    Combo2->setCurrentIndex(-1);
    Combo2->setPlaceholderText(Combo2->itemText(0));
    SetTRowVisible(false);
    Label2->setText(polar ? QStringLiteral("r(a)") : QStringLiteral("y(x)"));
}

void frmF4::SetUpForAnimation(bool polar)
{
    setWindowTitle(QStringLiteral("二维半函数图形动画属性"));
    SetTRowVisible(true);
    SetCombo1Index(polar ? 1 : 0);
    Label2->setText(polar ? QStringLiteral("r(a,t)") : QStringLiteral("y(x,t)"));
    Text9->setEnabled(false);
    Text9->setText(QString::number(g_FrameCount));
}

void frmF4::Command2_Click()
{
    reject();
    RefreshMainWindow();
}

void frmF4::Command1_Click()
{
    const bool anim = AnimationMode();

    // 1. Expression and range boxes that are shown.
    for (QLineEdit* box : {Text2, Text3, Text5, Text6, Text4, Text8}) {
        if (IsShown(box) && !CleanBox(box, BoxCleaner::Expression))
            return;
    }
    // 2.
    if (anim && Val(Text9->text()) < 1) {
        Warn(QStringLiteral("段数 t 必须大于1。"));
        return;
    }
    // 3. Fill style and colours.
    int32_t fillStyle = FillStyleSingleColor;
    if (Option4->isChecked()) {
        mlngSecondColor = Picture4->Color();
    } else {
        fillStyle = Option1->isChecked()   ? FillStyleGradientLeftRight
                    : Option3->isChecked() ? FillStyleGradientFrontBack
                                           : FillStyleGradientTopBottom;
        mlngFirstColor = Picture2->Color();
        mlngSecondColor = Picture3->Color();
    }
    // 4. No coordinate system chosen counts as Cartesian, so an explicit
    // graph always has its variable.
    const bool polar = Combo1->currentIndex() == 1;
    const int32_t coordType = polar ? CoordTypePolar : CoordTypeCartesian2D;
    // 5.
    const QString name = Text1->text();
    // 6, 7.
    if (Combo2->currentIndex() < 0)
        SetCombo2Index(0);
    const bool parametric = Combo2->currentIndex() == 1;
    const int32_t funForm = parametric ? FunFormParametric : FunFormExplicit;

    // 8. Required boxes; a parametric graph needs its second expression too.
    std::vector<QLineEdit*> required = {Text2, Text5, Text6, Text7};
    if (parametric)
        required.push_back(Text3);
    if (anim) {
        required.push_back(Text4);
        required.push_back(Text8);
        required.push_back(Text9);
    }
    if (!RequireFilled(required))
        return;

    // 9. Segments.
    const QString v = parametric ? QStringLiteral("u") : QStringLiteral("x");
    const double count = Val(Text7->text());
    if (count < 1) {
        Warn(QStringLiteral("段数 %1 必须大于1。").arg(v));
        return;
    }
    const auto segments = RoundToInt32(count);
    if (!segments || *segments > MaxSegments) {
        Warn(QStringLiteral("段数 %1 不能大于%2。").arg(v).arg(MaxSegments));
        return;
    }

    // 10, 11. The range, compared by its values: "pi" to "-pi" is refused
    // rather than sampled backwards.
    RangeEvaluator ranges;
    float minVar = 0.0f;
    float maxVar = 0.0f;
    if (!ranges.EvaluateRange(Text5->text(), Text6->text(), minVar, maxVar,
                              QStringLiteral("最小 %1 必须小于最大 %1.").arg(v)))
        return;

    // 13. Expressions.
    QString expY;
    QString expZ;
    if (parametric) {
        expY = Text2->text();
        expZ = Text3->text();
    } else {
        expY = polar ? QStringLiteral("a") : QStringLiteral("x");
        expZ = Text2->text();
    }
    // 14.
    const int32_t show = Option5->isChecked()   ? ShowModelVertices
                         : Option6->isChecked() ? ShowModelWireframe
                                                : ShowModelSurface;
    const int32_t smooth = Option8->isChecked()   ? SmoothnessFaceted
                           : Option9->isChecked() ? SmoothnessSmoother
                                                  : SmoothnessSmooth;
    // 15.
    std::shared_ptr<Cls9> graph = Cls9::Init(
        g_LastGraphID, name, GraphType25DFunction, coordType, QStringLiteral("0"), expY, expZ, 1,
        *segments, 0.0f, 3.0f, minVar, maxVar, fillStyle, mlngFirstColor, mlngSecondColor, 1, 1,
        mlngMaterial, show, smooth, false, false, false, 0);
    graph->FunForm = funForm;

    // 16. Animation.
    if (anim) {
        EnablePlaybackCommands();
        float minT = 0.0f;
        float maxT = 0.0f;
        if (!ranges.EvaluateRange(Text4->text(), Text8->text(), minT, maxT,
                                  QStringLiteral("最小 t 必须小于最大 t.")))
            return;
        graph->Animation = true;
        graph->GraphType = GraphType25DFunctionAnimation;
        graph->MinT = minT;
        graph->MaxT = maxT;
    }

    // 17. Create or update.
    if (!StoreGraph(graph))
        return;
    g_EditingGraph = false;
    accept();
    RefreshMainWindow();
}
