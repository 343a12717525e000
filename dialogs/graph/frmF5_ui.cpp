// frmF5, the 2D function dialog: its controls, filling and layout (OK is in
// frmF5Ok_ui.cpp).
#include "dialogs/graph/frmF5_ui.h"

#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using GraphDialog::MakeLabel;
using GraphDialog::MakeText;
using GraphDialog::Named;
using GraphDialog::Row;

QComboBox* MakeCombo(const char* name)
{
    auto* combo = Named(new QComboBox, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

ColorBox* MakeColor(const char* name)
{
    return Named(new ColorBox, name);
}

// Items "1" .. "n".
void FillNumbers(QComboBox* combo, int n)
{
    for (int i = 1; i <= n; ++i)
        combo->addItem(QString::number(i));
}

void SetTextNoSelection(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

const QStringList& SymbolNames()
{
    static const QStringList names = {
        QStringLiteral("实心圆"),   QStringLiteral("空心圆"), QStringLiteral("实心方形"),
        QStringLiteral("实心三角形"), QStringLiteral("菱形"),   QStringLiteral("十字丝形"),
    };
    return names;
}

} // namespace

frmF5::frmF5(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF5"));
    setWindowTitle(QStringLiteral("二维函数图形属性"));
    BuildControls();
    FormLoad();
}

frmF5::~frmF5() = default;

bool frmF5::IsShown(const QWidget* widget)
{
    return GraphDialog::IsShown(widget);
}

int frmF5::ListIndex(const QComboBox* combo)
{
    const int index = combo->currentIndex();
    if (index < 0)
        return -1;
    if (combo->isEditable() && combo->currentText() != combo->itemText(index))
        return -1;
    return index;
}

bool frmF5::AnimationMode() const
{
    return IsShown(Label10);
}

void frmF5::BuildControls()
{
    SSTab1 = Named(new QTabWidget, "SSTab1");
    GraphDialog::MakeOkCancel(Command1, Command2);

    // Tab "函数"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        auto* top = new QGridLayout;
        Label1 = MakeLabel("Label1", QStringLiteral("名称"));
        Text1 = MakeText("Text1");
        Label2 = MakeLabel("Label2", QStringLiteral("坐标系"));
        Combo1 = MakeCombo("Combo1");
        Label13 = MakeLabel("Label13", QStringLiteral("形式"));
        Combo3 = MakeCombo("Combo3");
        Row(top, 0, Label1, Text1);
        Row(top, 1, Label2, Combo1);
        Row(top, 2, Label13, Combo3);
        v->addLayout(top);

        Frame1 = Named(new QGroupBox(QStringLiteral("函数")), "Frame1");
        auto* g1 = new QGridLayout(Frame1);
        Label3 = MakeLabel("Label3", QStringLiteral("x(u)"));
        Text2 = MakeText("Text2");
        Label4 = MakeLabel("Label4", QStringLiteral("y(u)"));
        Text3 = MakeText("Text3");
        Row(g1, 0, Label3, Text2);
        Row(g1, 1, Label4, Text3);
        v->addWidget(Frame1);

        Frame2 = Named(new QGroupBox(QStringLiteral("变量的取值范围")), "Frame2");
        auto* g2 = new QGridLayout(Frame2);
        Label5 = MakeLabel("Label5", QStringLiteral("最小 u"));
        Text4 = MakeText("Text4");
        Label6 = MakeLabel("Label6", QStringLiteral("最大 u"));
        Text5 = MakeText("Text5");
        Label7 = MakeLabel("Label7", QStringLiteral("段数 u"));
        Label7->setToolTip(QStringLiteral("Recommended Value: 30 - 100"));
        Text6 = MakeText("Text6");
        Text6->setText(QStringLiteral("200"));
        Text6->setToolTip(QStringLiteral("Recommended Value: 100 - 300"));
        Label14 = MakeLabel("Label14", QStringLiteral("最小 y"));
        Text10 = MakeText("Text10");
        Label15 = MakeLabel("Label15", QStringLiteral("最大 y"));
        Text11 = MakeText("Text11");
        Label10 = MakeLabel("Label10", QStringLiteral("最小 t"));
        Text7 = MakeText("Text7");
        Label11 = MakeLabel("Label11", QStringLiteral("最大 t"));
        Text8 = MakeText("Text8");
        Label12 = MakeLabel("Label12", QStringLiteral("段数 t"));
        Text9 = MakeText("Text9");
        Row(g2, 0, Label5, Text4);
        Row(g2, 1, Label6, Text5);
        Row(g2, 2, Label7, Text6);
        Row(g2, 3, Label14, Text10);
        Row(g2, 4, Label15, Text11);
        Row(g2, 5, Label10, Text7);
        Row(g2, 6, Label11, Text8);
        Row(g2, 7, Label12, Text9);
        v->addWidget(Frame2);
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("函数"));
    }

    // Tab "属性"
    {
        auto* page = new QWidget;
        auto* g = new QGridLayout(page);
        Check3 = Named(new QCheckBox(QStringLiteral("显示函数图形")), "Check3");
        Check3->setChecked(true);
        Label8 = MakeLabel("Label8", QStringLiteral("颜色"));
        Picture1 = MakeColor("Picture1");
        Label9 = MakeLabel("Label9", QStringLiteral("线宽"));
        Combo2 = MakeCombo("Combo2");
        g->addWidget(Check3, 0, 0, 1, 2);
        Row(g, 1, Label8, Picture1);
        Row(g, 2, Label9, Combo2);
        g->setRowStretch(3, 1);
        SSTab1->addTab(page, QStringLiteral("属性"));
    }

    // A tab with a switch, a colour and a width.
    auto lineTab = [&](QCheckBox*& check, const char* checkName,
                       const QString& checkCaption, ColorBox*& picture, const char* pictureName,
                       const char* colorLabel, QComboBox*& width, const char* widthName,
                       const char* widthLabel, QGroupBox** frame, const char* frameName,
                       const QString& frameCaption) {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        check = Named(new QCheckBox(checkCaption), checkName);
        v->addWidget(check);
        picture = MakeColor(pictureName);
        width = MakeCombo(widthName);
        QGridLayout* g;
        if (frame) {
            *frame = Named(new QGroupBox(frameCaption), frameName);
            g = new QGridLayout(*frame);
            v->addWidget(*frame);
        } else {
            g = new QGridLayout;
            v->addLayout(g);
        }
        Row(g, 0, MakeLabel(colorLabel, QStringLiteral("颜色")), picture);
        Row(g, 1, MakeLabel(widthLabel, QStringLiteral("线宽")), width);
        return std::make_pair(page, v);
    };

    // A frame "位置" with an input box, three buttons and a list.
    auto positionFrame = [&](QVBoxLayout* v, QGroupBox*& frame, const char* frameName,
                             QLineEdit*& input, const char* inputName, const char* inputLabel,
                             QPushButton*& add, const char* addName, QPushButton*& del,
                             const char* delName, QPushButton*& reset, const char* resetName,
                             QListWidget*& list, const char* listName, const char* listLabel) {
        frame = Named(new QGroupBox(QStringLiteral("位置")), frameName);
        auto* g = new QGridLayout(frame);
        input = MakeText(inputName);
        add = Named(new QPushButton(QStringLiteral("添加")), addName);
        del = Named(new QPushButton(QStringLiteral("删除")), delName);
        reset = Named(new QPushButton(QStringLiteral("重置")), resetName);
        list = Named(new QListWidget, listName);
        g->addWidget(MakeLabel(inputLabel, QStringLiteral("输入1个x(或a)值")), 0, 0);
        g->addWidget(input, 1, 0);
        g->addWidget(add, 2, 0);
        g->addWidget(del, 3, 0);
        g->addWidget(reset, 4, 0);
        g->addWidget(MakeLabel(listLabel, QStringLiteral("选定的值")), 0, 1);
        g->addWidget(list, 1, 1, 4, 1);
        v->addWidget(frame);
    };

    // A frame of marker options: colour, symbol, size.
    auto markerFrame = [&](QVBoxLayout* v, QCheckBox*& check, const char* checkName,
                           const QString& checkCaption, QGroupBox*& frame, const char* frameName,
                           const QString& frameCaption, ColorBox*& picture, const char* pictureName,
                           const char* colorLabel, QComboBox*& symbol, const char* symbolName,
                           const char* symbolLabel, QComboBox*& size, const char* sizeName,
                           const char* sizeLabel) {
        check = Named(new QCheckBox(checkCaption), checkName);
        v->addWidget(check);
        frame = Named(new QGroupBox(frameCaption), frameName);
        auto* g = new QGridLayout(frame);
        picture = MakeColor(pictureName);
        symbol = MakeCombo(symbolName);
        size = MakeCombo(sizeName);
        Row(g, 0, MakeLabel(colorLabel, QStringLiteral("颜色")), picture);
        Row(g, 1, MakeLabel(symbolLabel, QStringLiteral("标记")), symbol);
        Row(g, 2, MakeLabel(sizeLabel, QStringLiteral("大小")), size);
        v->addWidget(frame);
    };

    // "反函数", "导函数"
    {
        auto [page, v] = lineTab(Check1, "Check1", QStringLiteral("显示反函数的图形"),
                                 Picture2, "Picture2", "Label16", Combo4, "Combo4", "Label17",
                                 nullptr, "", QString());
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("反函数"));
    }
    {
        auto [page, v] = lineTab(Check2, "Check2", QStringLiteral("显示导函数的图形"),
                                 Picture3, "Picture3", "Label18", Combo5, "Combo5", "Label19",
                                 nullptr, "", QString());
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("导函数"));
    }
    // "积分"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        Check4 = Named(new QCheckBox(QStringLiteral("积分")), "Check4");
        v->addWidget(Check4);
        auto* g = new QGridLayout;
        Picture4 = MakeColor("Picture4");
        Row(g, 0, MakeLabel("Label20", QStringLiteral("颜色")), Picture4);
        g->addWidget(MakeLabel("Label38", QStringLiteral("范围")), 1, 0);
        Text13 = MakeText("Text13");
        Text14 = MakeText("Text14");
        Row(g, 2, MakeLabel("Label39", QStringLiteral("从")), Text13);
        Row(g, 3, MakeLabel("Label40", QStringLiteral("到")), Text14);
        v->addLayout(g);
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("积分"));
    }
    // "极值和拐点"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        markerFrame(v, Check5, "Check5", QStringLiteral("显示极大值点"), Frame3, "Frame3",
                    QStringLiteral("极大值点的属性"), Picture5, "Picture5", "Label21", Combo6,
                    "Combo6", "Label22", Combo7, "Combo7", "Label23");
        markerFrame(v, Check6, "Check6", QStringLiteral("显示极小值点"), Frame4, "Frame4",
                    QStringLiteral("极小值点的属性"), Picture6, "Picture6", "Label24", Combo8,
                    "Combo8", "Label25", Combo9, "Combo9", "Label26");
        markerFrame(v, Check8, "Check8", QStringLiteral("显示拐点"), Frame6, "Frame6",
                    QStringLiteral("拐点的属性"), Picture8, "Picture8", "Label49", Combo17,
                    "Combo17", "Label30", Combo11, "Combo11", "Label29");
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("极值和拐点"));
    }
    // "奇偶性"
    {
        auto [page, v] = lineTab(Check7, "Check7", QStringLiteral("判断函数的奇偶性"),
                                 Picture7, "Picture7", "Label27", Combo10, "Combo10", "Label28",
                                 &Frame5, "Frame5",
                                 QStringLiteral("将x替换为-x后函数曲线的属性"));
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("奇偶性"));
    }
    // "根"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        Check9 = Named(new QCheckBox(QStringLiteral("显示根")), "Check9");
        v->addWidget(Check9);
        auto* g = new QGridLayout;
        Picture9 = MakeColor("Picture9");
        Combo12 = MakeCombo("Combo12");
        Combo13 = MakeCombo("Combo13");
        Row(g, 0, MakeLabel("Label31", QStringLiteral("颜色")), Picture9);
        Row(g, 1, MakeLabel("Label32", QStringLiteral("大小")), Combo12);
        Row(g, 2, MakeLabel("Label33", QStringLiteral("标记")), Combo13);
        v->addLayout(g);
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("根"));
    }
    // "曲率"
    {
        auto [page, v] = lineTab(Check10, "Check10", QStringLiteral("显示曲率圆"),
                                 Picture10, "Picture10", "Label34", Combo14, "Combo14", "Label35",
                                 &Frame7, "Frame7", QStringLiteral("曲率圆的属性"));
        positionFrame(v, Frame8, "Frame8", Text12, "Text12", "Label36", Command3, "Command3",
                      Command4, "Command4", Command5, "Command5", List1, "List1", "Label37");
        SSTab1->addTab(page, QStringLiteral("曲率"));
    }
    // "弧长"
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        Check13 = Named(new QCheckBox(QStringLiteral("计算曲线的弧长")), "Check13");
        v->addWidget(Check13);
        auto* g = new QGridLayout;
        g->addWidget(MakeLabel("Label50", QStringLiteral("范围")), 0, 0);
        Text17 = MakeText("Text17");
        Text18 = MakeText("Text18");
        Row(g, 1, MakeLabel("Label51", QStringLiteral("从")), Text17);
        Row(g, 2, MakeLabel("Label52", QStringLiteral("到")), Text18);
        v->addLayout(g);
        v->addStretch();
        SSTab1->addTab(page, QStringLiteral("弧长"));
    }
    // "切线"
    {
        auto [page, v] = lineTab(Check14, "Check14", QStringLiteral("显示切线"),
                                 Picture11, "Picture11", "Label43", Combo15, "Combo15", "Label44",
                                 &Frame9, "Frame9", QStringLiteral("切线的属性"));
        positionFrame(v, Frame10, "Frame10", Text15, "Text15", "Label41", Command6, "Command6",
                      Command7, "Command7", Command8, "Command8", List2, "List2", "Label42");
        SSTab1->addTab(page, QStringLiteral("切线"));
    }
    // "法线"
    {
        auto [page, v] = lineTab(Check15, "Check15", QStringLiteral("显示法线"),
                                 Picture12, "Picture12", "Label48", Combo16, "Combo16", "Label47",
                                 &Frame11, "Frame11", QStringLiteral("法线的属性"));
        positionFrame(v, Frame12, "Frame12", Text16, "Text16", "Label46", Command11, "Command11",
                      Command10, "Command10", Command9, "Command9", List3, "List3", "Label45");
        SSTab1->addTab(page, QStringLiteral("法线"));
    }

    GraphDialog::LayOutTabsAndButtons(this, SSTab1, Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, &frmF5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmF5::Command2_Click);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { AddPosition(Text12, List1); });
    connect(Command6, &QPushButton::clicked, this, [this] { AddPosition(Text15, List2); });
    connect(Command11, &QPushButton::clicked, this, [this] { AddPosition(Text16, List3); });
    connect(Command4, &QPushButton::clicked, this, [this] { DeletePosition(List1); });
    connect(Command7, &QPushButton::clicked, this, [this] { DeletePosition(List2); });
    connect(Command10, &QPushButton::clicked, this, [this] { DeletePosition(List3); });
    connect(Command5, &QPushButton::clicked, this, [this] { ResetPositions(Text12, List1); });
    connect(Command8, &QPushButton::clicked, this, [this] { ResetPositions(Text15, List2); });
    connect(Command9, &QPushButton::clicked, this, [this] { ResetPositions(Text16, List3); });
}

void frmF5::FormLoad()
{
    Combo1->addItems({QStringLiteral("直角坐标"), QStringLiteral("极坐标")});
    SetTextNoSelection(Combo1, QStringLiteral("直角坐标"));
    FillNumbers(Combo2, 8);
    SetTextNoSelection(Combo2, QStringLiteral("1"));
    Combo3->addItems({QStringLiteral("y=f(x)"), QStringLiteral("x=f1(u),y=f2(u)"),
                      QStringLiteral("f(x,y)=0"), QStringLiteral("f(x,y)<=0")});
    SetTextNoSelection(Combo3, QStringLiteral("y=f(x)"));
    for (QComboBox* c : {Combo4, Combo5, Combo10, Combo14, Combo15, Combo16}) {
        FillNumbers(c, 8);
        SetTextNoSelection(c, QStringLiteral("1"));
    }
    for (QComboBox* c : {Combo7, Combo9, Combo11, Combo12}) {
        FillNumbers(c, 9);
        c->setCurrentIndex(1);
    }
    for (QComboBox* c : {Combo6, Combo8, Combo13, Combo17}) {
        c->addItems(SymbolNames());
        c->setCurrentIndex(0);
    }
    Picture1->SetColor(0xFF0000);
    Picture2->SetColor(0x0000FF);
    Picture3->SetColor(0xFF00FF);
    Picture4->SetColor(0x0080FF);
    Picture5->SetColor(0x004000);
    Picture6->SetColor(0x404080);
    Picture7->SetColor(0xC0C000);
    Picture8->SetColor(0x800080);
    Picture9->SetColor(0x400040);
    Picture10->SetColor(0x008000);
    Picture11->SetColor(0x000080);
    Picture12->SetColor(0x004040);
    Text1->setText(QStringLiteral("Untitled"));
    if (AnimationMode())
        EnableAnalysisControls(false);
}

std::vector<QWidget*> frmF5::AnalysisControls() const
{
    return {Check1,  Picture2,  Combo4,  Check2,   Picture3,  Combo5,   Check4,   Picture4,
            Text13,  Text14,    Check5,  Picture5, Combo6,    Combo7,   Check6,   Picture6,
            Combo8,  Combo9,    Check8,  Picture8, Combo17,   Combo11,  Check7,   Picture7,
            Combo10, Check9,    Picture9, Combo12, Combo13,   Check10,  Picture10, Combo14,
            List1,   Check13,   Check14, Picture11, Combo15,  List2,    Check15,  Picture12,
            Combo16, List3,     Text12,  Text15,   Text16,    Command3, Command4, Command5,
            Command6, Command7, Command8, Command9, Command10, Command11};
}

void frmF5::EnableAnalysisControls(bool bolEnable)
{
    for (QWidget* w : AnalysisControls())
        w->setEnabled(bolEnable);
}

void frmF5::SetCombo1Index(int index)
{
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void frmF5::SetCombo3Index(int index)
{
    Combo3->setCurrentIndex(index);
    Combo3_Click();
}

void frmF5::Combo1_Click()
{
    int k = ListIndex(Combo3);
    if (k < 0)
        k = 0;
    const int coord = ListIndex(Combo1);
    if (coord == 0 || coord == 1) {
        static const QStringList forms[2][2] = {
            {{QStringLiteral("y=f(x)"), QStringLiteral("x=f1(u),y=f2(u)"),
              QStringLiteral("f(x,y)=0"), QStringLiteral("f(x,y)<=0")},
             {QStringLiteral("r=f(a)"), QStringLiteral("a=f1(u),r=f2(u)"),
              QStringLiteral("f(a,r)=0"), QStringLiteral("f(a,r)<=0")}},
            {{QStringLiteral("y=f(x,t)"), QStringLiteral("x=f1(u,t),y=f2(u,t)"),
              QStringLiteral("f(x,y,t)=0"), QStringLiteral("f(x,y,t)<=0")},
             {QStringLiteral("r=f(a,t)"), QStringLiteral("a=f1(u,t),r=f2(u,t)"),
              QStringLiteral("f(a,r,t)=0"), QStringLiteral("f(a,r,t)<=0")}},
        };
        Combo3->clear();
        Combo3->addItems(forms[AnimationMode() ? 1 : 0][coord]);
        SetCombo3Index(k);
    }
    Combo3_Click();
}

void frmF5::Combo3_Click()
{
    const int coord = ListIndex(Combo1);
    const int form = ListIndex(Combo3);
    const bool anim = AnimationMode();
    auto pick = [anim](const char* still, const char* animated) {
        return QString::fromUtf8(anim ? animated : still);
    };
    if (coord >= 0 && form >= 0) {
        const bool polar = coord == 1;
        const bool explicitForm = form == 0;
        const bool parametric = form == 1;
        if (explicitForm) {
            Label3->setText(polar ? pick("r(a)", "r(a,t)") : pick("y(x)", "y(x,t)"));
        } else if (parametric) {
            Label3->setText(polar ? pick("a(u)", "a(u,t)") : pick("x(u)", "x(u,t)"));
            Label4->setText(polar ? pick("r(u)", "r(u,t)") : pick("y(u)", "y(u,t)"));
        } else {
            Label3->setText(polar ? pick("f(a,r)", "f(a,r,t)") : pick("f(x,y)", "f(x,y,t)"));
        }
        Label4->setVisible(parametric);
        Text3->setVisible(parametric);
        const QString v = parametric ? QStringLiteral("u") : polar ? QStringLiteral("a")
                                                                   : QStringLiteral("x");
        Label5->setText(QStringLiteral("最小 ") + v);
        Label6->setText(QStringLiteral("最大 ") + v);
        Label7->setText(QStringLiteral("段数 ") + v);
        const bool curve = explicitForm || parametric;
        Label7->setVisible(curve);
        Text6->setVisible(curve);
        if (!curve) {
            const QString w = polar ? QStringLiteral("r") : QStringLiteral("y");
            Label14->setText(QStringLiteral("最小 ") + w);
            Label15->setText(QStringLiteral("最大 ") + w);
        }
        for (QWidget* wdg : {static_cast<QWidget*>(Label14), static_cast<QWidget*>(Label15),
                             static_cast<QWidget*>(Text10), static_cast<QWidget*>(Text11)})
            wdg->setVisible(!curve);
    }

    if (form >= 1) {
        EnableAnalysisControls(false);
    } else if (coord == 0) {
        EnableAnalysisControls(true);
    } else if (coord == 1) {
        EnableAnalysisControls(true);
        // In polar coordinates an explicit function has no extremes,
        // inflection points, roots or curvature circles.
        for (QWidget* w : std::initializer_list<QWidget*>{
                 Check5, Picture5, Combo6, Combo7, Check6, Picture6, Combo8, Combo9, Check8,
                 Picture8, Combo17, Combo11, Check9, Picture9, Combo12, Combo13, Check10,
                 Picture10, Combo14, List1, Text12, Command3, Command4, Command5})
            w->setEnabled(false);
    }
}

void frmF5::AddPosition(QLineEdit* input, QListWidget* list)
{
    if (list->count() >= MaxPositions) {
        ShowMessage(QStringLiteral("最多只能输入50个值。"), QStringLiteral("注意"),
                    MsgIcon::Warning);
        return;
    }
    list->addItem(input->text());
    input->clear();
}

void frmF5::DeletePosition(QListWidget* list)
{
    const int row = list->currentRow();
    if (row < 0 || !list->item(row)->isSelected())
        return;
    delete list->takeItem(row);
}

void frmF5::ResetPositions(QLineEdit* input, QListWidget* list)
{
    list->clear();
    input->clear();
}

void frmF5::SetUpForDrawMenu(bool polar)
{
    setWindowTitle(QStringLiteral("二维函数图形属性"));
    SetCombo1Index(polar ? 1 : 0);
    Combo3->clear();
    if (polar)
        Combo3->addItems({QStringLiteral("r=f(a)"), QStringLiteral("a=f1(u),r=f2(u)"),
                            QStringLiteral("f(a,r)=0"), QStringLiteral("f(a,r)<=0")});
    else
        Combo3->addItems({QStringLiteral("y=f(x)"), QStringLiteral("x=f1(u),y=f2(u)"),
                            QStringLiteral("f(x,y)=0"), QStringLiteral("f(x,y)<=0")});
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(Combo3->itemText(0));
    for (QWidget* w : std::initializer_list<QWidget*>{Label10, Label11, Label12, Text7,
                                                      Text8, Text9})
        w->setVisible(false);
    Label3->setText(polar ? QStringLiteral("r(a)") : QStringLiteral("y(x)"));
    if (!polar) {
        for (QWidget* w : std::initializer_list<QWidget*>{Label4, Text3, Label14,
                                                          Label15, Text10, Text11})
            w->setVisible(false);
    }
}

void frmF5::Command2_Click()
{
    reject();
}
