// frmF20, the 2D coordinate-system dialog: axes, grid, background and fonts.
#include "dialogs/view/frmF20_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogRows_ui.h"
#include "dialogs/view/AxesCommand_ui.h"
#include "model/Cls3.h"
#include "model/StyleLists.h"
#include "view/Grid2D.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

using dialogrows::Named;

constexpr int PictureWidth = 44;
constexpr int PictureHeight = 32;
constexpr int PictureGap = 8;
constexpr int PicturesPerRow = 7;

QRgb ToRgb(const RgbF& c)
{
    auto channel = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

// The fill of one type as the background draws it, shaded per pixel the way
// smooth shading interpolates the vertex colours.
QImage FillTypeImage(int32_t fillType, int width, int height)
{
    Cls3 cs;
    cs.ShowBackground = true;
    cs.ShowShadow = false;
    cs.BackStyle = fillType;
    cs.BackColor = 65280;      // the start-up colours, so every
    cs.BackColor2 = 16777215;  // picture shows its pattern
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::optional<Background2D> bg = Background2DLayout(cs, 1.0f, -5.0f, 5.0f, -5.0f, 5.0f);
    if (!bg)
        return image;
    struct Tri {
        ColoredVertex a, b, c;
    };
    std::vector<Tri> tris;
    for (const FillShape& s : bg->shapes) {
        if (s.v.size() >= 3)
            tris.push_back({s.v[0], s.v[1], s.v[2]});
        if (s.quad && s.v.size() >= 4)
            tris.push_back({s.v[0], s.v[2], s.v[3]});
    }
    const RgbF none{1.0f, 1.0f, 1.0f};
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            const float x = bg->x0 + (bg->x1 - bg->x0) * (px + 0.5f) / width;
            const float y = bg->y1 - (bg->y1 - bg->y0) * (py + 0.5f) / height;
            for (const Tri& t : tris) {
                const float d = (t.b.y - t.c.y) * (t.a.x - t.c.x) + (t.c.x - t.b.x) * (t.a.y - t.c.y);
                if (d == 0.0f)
                    continue;
                const float l1 = ((t.b.y - t.c.y) * (x - t.c.x) + (t.c.x - t.b.x) * (y - t.c.y)) / d;
                const float l2 = ((t.c.y - t.a.y) * (x - t.c.x) + (t.a.x - t.c.x) * (y - t.c.y)) / d;
                const float l3 = 1.0f - l1 - l2;
                const float eps = -1e-4f;
                if (l1 < eps || l2 < eps || l3 < eps)
                    continue;
                const RgbF ca = t.a.color.value_or(none);
                const RgbF cb = t.b.color.value_or(none);
                const RgbF cc = t.c.color.value_or(none);
                const RgbF c{l1 * ca.r + l2 * cb.r + l3 * cc.r, l1 * ca.g + l2 * cb.g + l3 * cc.g,
                             l1 * ca.b + l2 * cb.b + l3 * cc.b};
                image.setPixel(px, py, ToRgb(c));
                break;
            }
        }
    }
    return image;
}

} // namespace

FillTypePicture::FillTypePicture(int32_t fillType, QWidget* parent)
    : QFrame(parent), m_type(fillType)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::number(fillType));
}

void FillTypePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_type);
    QFrame::mousePressEvent(event);
}

void FillTypePicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(rect(), FillTypeImage(m_type, width(), height()));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFrame::paintEvent(event);
}

frmF20::frmF20(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF20"));
    setWindowTitle(QStringLiteral("坐标系属性"));
    auto* layout = new QVBoxLayout(this);
    SSTab1 = Named(new QTabWidget, "SSTab1");
    layout->addWidget(SSTab1);

    auto swatchRow = [](QGridLayout* grid, int row, QLabel* label, ColorBox* box) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
    };

    // 通用
    auto* general = new QWidget;
    auto* generalLayout = new QVBoxLayout(general);
    Check1 = Named(new QCheckBox(QStringLiteral("显示坐标系")), "Check1");
    Check6 = Named(new QCheckBox(QStringLiteral("横坐标以π为间隔进行标记")), "Check6");
    generalLayout->addWidget(Check1);
    generalLayout->addWidget(Check6);
    generalLayout->addStretch();
    SSTab1->addTab(general, QStringLiteral("通用"));

    // 坐标轴
    auto* axes = new QWidget;
    auto* axesLayout = new QGridLayout(axes);
    Check5 = Named(new QCheckBox(QStringLiteral("显示次级标签")), "Check5");
    axesLayout->addWidget(Check5, 0, 0, 1, 2);
    Picture1 = Named(new ColorBox, "Picture1");
    swatchRow(axesLayout, 1, Named(new QLabel(QStringLiteral("颜色")), "Label1"), Picture1);
    Combo1 = Named(new QComboBox, "Combo1");
    axesLayout->addWidget(Named(new QLabel(QStringLiteral("线宽")), "Label2"), 2, 0);
    axesLayout->addWidget(Combo1, 2, 1);
    axesLayout->setRowStretch(3, 1);
    SSTab1->addTab(axes, QStringLiteral("坐标轴"));

    // 网格
    auto* grid = new QWidget;
    auto* gridLayout = new QGridLayout(grid);
    Check2 = Named(new QCheckBox(QStringLiteral("显示主网格")), "Check2");
    Picture2 = Named(new ColorBox, "Picture2");
    Check3 = Named(new QCheckBox(QStringLiteral("显示次网格")), "Check3");
    Picture3 = Named(new ColorBox, "Picture3");
    gridLayout->addWidget(Check2, 0, 0, 1, 2);
    swatchRow(gridLayout, 1, Named(new QLabel(QStringLiteral("颜色")), "Label3"), Picture2);
    gridLayout->addWidget(Check3, 2, 0, 1, 2);
    swatchRow(gridLayout, 3, Named(new QLabel(QStringLiteral("颜色")), "Label4"), Picture3);
    gridLayout->setRowStretch(4, 1);
    SSTab1->addTab(grid, QStringLiteral("网格"));

    // 背景
    auto* back = new QWidget;
    auto* backLayout = new QGridLayout(back);
    Check4 = Named(new QCheckBox(QStringLiteral("显示背景")), "Check4");
    Check7 = Named(new QCheckBox(QStringLiteral("显示阴影")), "Check7");
    Picture4 = Named(new ColorBox, "Picture4");
    Picture5 = Named(new ColorBox, "Picture5");
    backLayout->addWidget(Check4, 0, 0);
    backLayout->addWidget(Check7, 0, 1);
    swatchRow(backLayout, 1, Named(new QLabel(QStringLiteral("颜色1/单色")), "Label5"), Picture4);
    swatchRow(backLayout, 2, Named(new QLabel(QStringLiteral("颜色2")), "Label6"), Picture5);
    backLayout->addWidget(new QLabel(QStringLiteral("选择一种填充类型")), 3, 0, 1, 2);
    Frame1 = Named(new QFrame, "Frame1");
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    const int rows = (19 + PicturesPerRow - 1) / PicturesPerRow;
    Frame1->setFixedSize(PicturesPerRow * (PictureWidth + PictureGap) + PictureGap,
                         rows * (PictureHeight + PictureGap) + PictureGap);
    // The frame around the selected picture, under the pictures.
    Shape1 = Named(new QFrame(Frame1), "Shape1");
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid blue; }"));
    Shape1->hide();
    for (int i = 0; i < 19; ++i) {
        auto* picture = new FillTypePicture(i + 1, Frame1);
        picture->setObjectName(QStringLiteral("Image1_%1").arg(i));
        picture->setGeometry(PictureGap + (i % PicturesPerRow) * (PictureWidth + PictureGap),
                             PictureGap + (i / PicturesPerRow) * (PictureHeight + PictureGap),
                             PictureWidth, PictureHeight);
        connect(picture, &FillTypePicture::clicked, this, [this, i] { Image1_Click(i); });
        Image1[i] = picture;
    }
    backLayout->addWidget(Frame1, 4, 0, 1, 2);
    SSTab1->addTab(back, QStringLiteral("背景"));

    // 字体
    auto* fonts = new QWidget;
    auto* fontsLayout = new QVBoxLayout(fonts);
    Check8 = Named(new QCheckBox(QStringLiteral("使用更好的字体外观")), "Check8");
    fontsLayout->addWidget(Check8);
    fontsLayout->addStretch();
    SSTab1->addTab(fonts, QStringLiteral("字体"));

    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF20::Command1_Click,
                            &frmF20::Command2_Click);

    // Load.
    const Cls3& cs = g_CoordSystem;
    Check1->setChecked(cs.Show);
    for (int w = kAxisWidths.first; w <= kAxisWidths.last; ++w)
        Combo1->addItem(QString::number(w));
    // A width that is not offered (from a document) shows no item and is
    // kept unless another is chosen.
    m_storedAxisWidth = cs.AxisWidth;
    Combo1->setCurrentIndex(cs.AxisWidth >= kAxisWidths.first && cs.AxisWidth <= kAxisWidths.last
                                ? cs.AxisWidth - kAxisWidths.first
                                : -1);
    Picture1->SetColor(cs.AxisColor);
    Check2->setChecked(cs.ShowprimaryGrid);
    Check3->setChecked(cs.ShowSecondaryGrid);
    Check4->setChecked(cs.ShowBackground);
    Check5->setChecked(cs.ShowSecondaryLabel);
    Check6->setChecked(cs.ShowPI);
    Check7->setChecked(cs.ShowShadow);
    Check8->setChecked(cs.BetterFonts);
    Picture2->SetColor(cs.PriGridColor);
    Picture3->SetColor(cs.SecGridColor);
    Picture4->SetColor(cs.BackColor);
    Picture5->SetColor(cs.BackColor2);
    int k = cs.BackStyle - 1;
    if (k < 0)
        k = 1;
    FrameFillType(k);
    m_fillType = cs.BackStyle;
}

void frmF20::FrameFillType(int index)
{
    // A stored type with no picture (above 19) frames none.
    if (index < 0 || index >= static_cast<int>(Image1.size())) {
        Shape1->hide();
        return;
    }
    Shape1->setGeometry(Image1[index]->geometry().adjusted(-1, -1, 1, 1));
    Shape1->show();
}

void frmF20::Image1_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(Image1.size()))
        return;
    m_fillType = index + 1;
    FrameFillType(index);
}

void frmF20::Command1_Click()
{
    g_AxesDialogOK = true;
    Cls3& cs = g_CoordSystem;
    cs.Show = Check1->isChecked();
    cs.AxisColor = Picture1->Color();
    if (Combo1->currentIndex() >= 0)
        cs.AxisWidth = RoundToInt32(Val(Combo1->currentText())).value_or(m_storedAxisWidth);
    else
        cs.AxisWidth = m_storedAxisWidth;
    cs.ShowprimaryGrid = Check2->isChecked();
    cs.ShowSecondaryGrid = Check3->isChecked();
    cs.ShowBackground = Check4->isChecked();
    cs.ShowSecondaryLabel = Check5->isChecked();
    cs.ShowPI = Check6->isChecked();
    cs.ShowShadow = Check7->isChecked();
    cs.BetterFonts = Check8->isChecked();
    if (m_fillType < 1)
        m_fillType = 2;
    cs.PriGridColor = Picture2->Color();
    cs.SecGridColor = Picture3->Color();
    cs.BackColor = Picture4->Color();
    cs.BackColor2 = Picture5->Color();
    cs.BackStyle = m_fillType;
    accept();
}

void frmF20::Command2_Click()
{
    g_AxesDialogOK = false;
    reject();
}
