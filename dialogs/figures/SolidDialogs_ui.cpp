// The space line and the seven solid dialogs: their boxes, the filling for
// an edit and the OK that stores the numbers, each within the float range.
#include "dialogs/figures/SolidDialogs_ui.h"

#include "dialogs/figures/FigureDialogCommon_ui.h"
#include "expr/NumberText.h"
#include "model/Cls9.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

using namespace FigureDialogs;

namespace {

constexpr int32_t Red = 0x0000FF;
constexpr int32_t Blue = 0xFF0000;

// A frame with the x, y and z boxes of a point.
QGroupBox* PointFrame(const char* name, const QString& title, QLineEdit* x, QLineEdit* y,
                      QLineEdit* z, QLabel* lx = nullptr, QLabel* ly = nullptr,
                      QLabel* lz = nullptr)
{
    auto* frame = Named(new QGroupBox(title), name);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(lx ? lx : new QLabel(QStringLiteral("x")));
    row->addWidget(x);
    row->addWidget(ly ? ly : new QLabel(QStringLiteral("y")));
    row->addWidget(y);
    row->addWidget(lz ? lz : new QLabel(QStringLiteral("z")));
    row->addWidget(z);
    return frame;
}

struct SolidInfo {
    const char* objectName;
    const char* caption; // also the list label
    int32_t graphType;
    int32_t smooth;
    bool sides;
    const char* centreTitle;
    // The size boxes as (box number, label), giving GPara4, GPara5, GPara6.
    std::vector<std::pair<int, const char*>> sizes;
    int centre[3]; // boxes of the centre x, y, z: GPara1 to GPara3
    int lastBox;
};

const SolidInfo& Info(Solid s)
{
    static const SolidInfo infos[] = {
        {"frmF38", "棱柱", GraphTypePrism, SmoothnessFaceted, true, "底面中心位置",
         {{2, "底面外接圆的半径"}, {3, "高度"}}, {4, 5, 6}, 6},
        {"frmF39", "棱锥", GraphTypePyramid, SmoothnessFaceted, true, "底面中心位置",
         {{2, "底面外接圆的半径"}, {3, "高度"}}, {4, 5, 6}, 6},
        {"frmF40", "棱台", GraphTypePyramidFrustum, SmoothnessFaceted, true, "底面中心位置",
         {{2, "顶面外接圆的半径"}, {3, "底面外接圆的半径"}, {4, "高度"}}, {5, 6, 7}, 7},
        {"frmF41", "圆柱", GraphTypeCylinder, SmoothnessSmooth, false, "底面中心位置",
         {{2, "半径"}, {3, "高度"}}, {4, 5, 6}, 6},
        {"frmF42", "圆锥", GraphTypeCone, SmoothnessSmooth, false, "底面中心位置",
         {{2, "底面半径"}, {3, "高度"}}, {4, 5, 6}, 6},
        {"frmF43", "圆台", GraphTypeConeFrustum, SmoothnessSmooth, false, "底面中心位置",
         {{2, "顶面半径"}, {3, "底面半径"}, {4, "高度"}}, {5, 6, 7}, 7},
        {"frmF44", "球", GraphTypeSphere, SmoothnessSmooth, false, "中心位置", {{3, "半径"}},
         {2, 4, 5}, 5},
    };
    return infos[static_cast<int>(s)];
}

// GPara1 to GPara6 by number.
float* Para(Cls9& g, int k)
{
    float* const paras[] = {&g.GPara1, &g.GPara2, &g.GPara3, &g.GPara4, &g.GPara5, &g.GPara6};
    return paras[k - 1];
}

float Para(const Cls9& g, int k)
{
    return *Para(const_cast<Cls9&>(g), k);
}

} // namespace

// ---- Space line ----

frmF37::frmF37(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF37"));
    setWindowTitle(QStringLiteral("空间直线"));
    Label1 = MakeLabel("Label1", QStringLiteral("名称"));
    Text1 = MakeText("Text1");
    Label2 = MakeLabel("Label2", QStringLiteral("x"));
    Text2 = MakeText("Text2");
    Label3 = MakeLabel("Label3", QStringLiteral("y"));
    Text3 = MakeText("Text3");
    Label4 = MakeLabel("Label4", QStringLiteral("z"));
    Text4 = MakeText("Text4");
    Label5 = MakeLabel("Label5", QStringLiteral("x"));
    Text5 = MakeText("Text5");
    Label6 = MakeLabel("Label6", QStringLiteral("y"));
    Text6 = MakeText("Text6");
    Label7 = MakeLabel("Label7", QStringLiteral("z"));
    Text7 = MakeText("Text7");
    Frame1 = PointFrame("Frame1", QStringLiteral("起点"), Text2, Text3, Text4, Label2, Label3,
                        Label4);
    Frame2 = PointFrame("Frame2", QStringLiteral("终点"), Text5, Text6, Text7, Label5, Label6,
                        Label7);
    Label8 = MakeLabel("Label8", QStringLiteral("颜色"));
    Picture1 = MakeColor("Picture1", Blue);
    Label9 = MakeLabel("Label9", QStringLiteral("宽度"));
    Combo1 = MakeNumbers("Combo1", kSpaceLineWidths, 2);
    Frame3 = Named(new QGroupBox(QStringLiteral("属性")), "Frame3");
    auto* style = new QGridLayout(Frame3);
    GraphDialog::Row(style, 0, Label8, Picture1);
    GraphDialog::Row(style, 1, Label9, Combo1);

    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(Text1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame3);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF37::Command1_Click,
                            &frmF37::Command2_Click);
}

void frmF37::Fill(const Cls9& g)
{
    Text1->setText(g.NameS);
    Text2->setText(PlainNumberText(g.GPara1));
    Text3->setText(PlainNumberText(g.GPara2));
    Text4->setText(PlainNumberText(g.GPara3));
    Text5->setText(PlainNumberText(g.GPara4));
    Text6->setText(PlainNumberText(g.GPara5));
    Text7->setText(PlainNumberText(g.GPara6));
    Picture1->SetColor(g.GeomColor);
    SelectNumber(Combo1, g.GeomWidth);
}

void frmF37::Command1_Click()
{
    const BoxCleaner e = BoxCleaner::Expression;
    if (!FilterBoxes({{Text2, e}, {Text3, e}, {Text4, e}, {Text5, e}, {Text6, e}, {Text7, e}}))
        return;
    std::shared_ptr<Cls9> graph =
        NewParameterGraph(Text1->text(), GraphTypeSpaceLine, SmoothnessFaceted);
    Cls9& g = *graph;
    if (!ReadNumbers({{Text2, &g.GPara1},
                      {Text3, &g.GPara2},
                      {Text4, &g.GPara3},
                      {Text5, &g.GPara4},
                      {Text6, &g.GPara5},
                      {Text7, &g.GPara6}}))
        return;
    g.GeomWidth = NumberValue(Combo1);
    g.GeomColor = Picture1->Color();
    FinishOk(this, graph, true);
}

void frmF37::Command2_Click()
{
    reject();
}

// ---- Solids ----

SolidDialog::SolidDialog(Solid solid, QWidget* parent) : QDialog(parent), m_solid(solid)
{
    const SolidInfo& info = Info(solid);
    setObjectName(QString::fromLatin1(info.objectName));
    setWindowTitle(QString::fromUtf8(info.caption));
    for (int k = 1; k <= info.lastBox; ++k)
        m_texts[static_cast<size_t>(k)] =
            MakeText(QStringLiteral("Text%1").arg(k).toLatin1().constData());
    Text1 = m_texts[1];

    Frame1 = Named(new QGroupBox(QStringLiteral("几何参数")), "Frame1");
    auto* sizes = new QGridLayout(Frame1);
    int row = 0;
    for (const auto& [box, label] : info.sizes)
        GraphDialog::Row(sizes, row++, new QLabel(QString::fromUtf8(label)), Text(box));
    Combo1 = nullptr;
    if (info.sides) {
        Combo1 = MakeNumbers("Combo1", 3, 12, 6);
        GraphDialog::Row(sizes, row++, new QLabel(QStringLiteral("底面的边数")), Combo1);
    }
    Frame2 = PointFrame("Frame2", QString::fromUtf8(info.centreTitle), Text(info.centre[0]),
                        Text(info.centre[1]), Text(info.centre[2]));

    Frame3 = Named(new QGroupBox(QStringLiteral("外观类型")), "Frame3");
    Option1 = MakeOption("Option1", QStringLiteral("线框"));
    Option2 = MakeOption("Option2", QStringLiteral("体"));
    Option2->setChecked(true);
    auto* look = new QHBoxLayout(Frame3);
    look->addWidget(Option1);
    look->addWidget(Option2);

    Frame4 = Named(new QGroupBox(QStringLiteral("属性")), "Frame4");
    Picture1 = MakeColor("Picture1", Red);
    auto* style = new QHBoxLayout(Frame4);
    style->addWidget(new QLabel(QStringLiteral("颜色")));
    style->addWidget(Picture1);

    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("名称")));
    name->addWidget(Text1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame3);
    layout->addWidget(Frame4);
    dialogrows::AddOkCancel(this, layout, Command1, Command2, &SolidDialog::Command1_Click,
                            &SolidDialog::Command2_Click);
}

QLineEdit* SolidDialog::Text(int k) const
{
    return k >= 1 && k < static_cast<int>(m_texts.size()) ? m_texts[static_cast<size_t>(k)]
                                                          : nullptr;
}

void SolidDialog::Fill(const Cls9& g)
{
    const SolidInfo& info = Info(m_solid);
    Text1->setText(g.NameS);
    int para = 4;
    for (const auto& size : info.sizes)
        Text(size.first)->setText(PlainNumberText(Para(g, para++)));
    for (int i = 0; i < 3; ++i)
        Text(info.centre[i])->setText(PlainNumberText(Para(g, i + 1)));
    Picture1->SetColor(g.GeomColor);
    if (Combo1)
        SelectNumber(Combo1, g.EdgeNum);
    (g.Show == ShowModelWireframe ? Option1 : Option2)->setChecked(true);
}

void SolidDialog::Command1_Click()
{
    const SolidInfo& info = Info(m_solid);
    // 1. The boxes in the order of their numbers (the sphere's radius comes
    // between its x and y).
    for (int k = 2; k <= info.lastBox; ++k) {
        if (!FilterBoxes({{Text(k), BoxCleaner::Expression}}))
            return;
    }
    // 3 to 6.
    const int32_t show = Option1->isChecked() ? ShowModelWireframe : ShowModelSurface;
    std::shared_ptr<Cls9> graph = NewParameterGraph(Text1->text(), info.graphType, info.smooth);
    Cls9& g = *graph;
    g.Show = show;
    int para = 4;
    for (const auto& size : info.sizes) {
        if (!ReadNumbers({{Text(size.first), Para(g, para++)}}))
            return;
    }
    for (int i = 0; i < 3; ++i) {
        if (!ReadNumbers({{Text(info.centre[i]), Para(g, i + 1)}}))
            return;
    }
    if (Combo1)
        g.EdgeNum = NumberValue(Combo1);
    g.GeomColor = Picture1->Color();
    // 7 to 9. Drawn from its numbers: nothing to sample.
    FinishOk(this, graph, false);
}

void SolidDialog::Command2_Click()
{
    reject();
}
