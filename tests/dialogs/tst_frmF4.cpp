// The 2.5D function dialog driven through its real widgets: load state, the
// form and coordinate captions, the messages of its OK, the graph it builds,
// and the Draw menu's command around it in the real main window.
#include "app/frmF1_ui.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF4_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/ColorDialog_ui.h"
#include "platform/MessageBox.h"
#include "view/DrawingArea_gl.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>

class TestFrmF4 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void loadState();
    void captions_data();
    void captions();
    void okMessages_data();
    void okMessages();
    void okBuildsGraph_data();
    void okBuildsGraph();
    void animatedGraph();
    void colourClicks();
    void drawMenuCreatesListedRotatedGraph();

private:
    QTemporaryDir m_dataHome;
};

namespace {

void ClearScenes()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    g_LastGraphID = 0;
    g_EditingGraph = false;
    g_ShownGraphs.RotRoll = g_ShownGraphs.RotPitch = g_ShownGraphs.RotYaw = 0.0f;
}

// Pixels of the drawing area in a clear hue between red and blue (the
// default gradient of a band), neither grey nor green.
int ColoredPixels(DrawingArea* area)
{
    const QImage image = area->grabFramebuffer();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max(c.red(), c.blue()) - c.green() > 80)
                ++count;
        }
    }
    return count;
}

bool Shown(const QWidget* w)
{
    return !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden());
}

// Fills the boxes named in "name=text" pairs.
void Fill(frmF4& d, const QStringList& boxes)
{
    for (const QString& pair : boxes)
        d.findChild<QLineEdit*>(pair.section(u'=', 0, 0))->setText(pair.section(u'=', 1));
}

} // namespace

void TestFrmF4::initTestCase()
{
    // The main window writes its file association at start-up.
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestFrmF4::init()
{
    ClearScenes();
}

void TestFrmF4::loadState()
{
    frmF4 d;
    QCOMPARE(d.windowTitle(), QStringLiteral("二维半函数图形属性"));
    const QStringList tabs = {"函数", "颜色", "材质", "外观"};
    QCOMPARE(d.SSTab1->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(d.SSTab1->tabText(i), tabs[i]);
    QCOMPARE(d.Text1->text(), QStringLiteral("Untitled"));
    QCOMPARE(d.Text7->text(), QStringLiteral("40"));
    QCOMPARE(d.Combo1->currentIndex(), -1);
    QCOMPARE(d.Combo2->count(), 2);
    QVERIFY(d.Option2->isChecked());
    QVERIFY(d.Option7->isChecked());
    QVERIFY(d.Option10->isChecked());
    QCOMPARE(d.List1->count(), 13);
    QCOMPARE(d.List1->currentItem()->text(), QStringLiteral("Metal"));
    QCOMPARE(d.List1->item(12)->text(), QStringLiteral("Winter"));
    QCOMPARE(d.mlngMaterial, 4);
    QCOMPARE(d.mlngFirstColor, 255);
    QCOMPARE(d.mlngSecondColor, 0xFF0000);
    QCOMPARE(d.Picture2->Color(), 255);
    QCOMPARE(d.Picture3->Color(), 0xFF0000);
    QCOMPARE(d.Picture4->Color(), 255);
    // The t row is shown at load: the dialog starts in animation mode.
    QVERIFY(d.AnimationMode());
    d.SetList1Index(4);
    QCOMPARE(d.mlngMaterial, int(MaterialPresetNeon));
}

void TestFrmF4::captions_data()
{
    QTest::addColumn<bool>("animation");
    QTest::addColumn<bool>("polar");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("item");   // the selected form's text
    QTest::addColumn<QString>("first");  // Label2
    QTest::addColumn<QString>("second"); // Label3 when shown, "" when hidden
    QTest::addColumn<QString>("range");  // Label17

    QTest::newRow("y=f(x)") << false << false << 0 << "y=f(x)" << "y(x)" << "" << "最小 x";
    QTest::newRow("x(u), y(u)") << false << false << 1 << "x=f1(u),y=f2(u)" << "x(u)"
                                << "y(u)" << "最小 u";
    QTest::newRow("r=f(a)") << false << true << 0 << "r=f(a)" << "r(a)" << "" << "最小 a";
    QTest::newRow("a(u), r(u)") << false << true << 1 << "a=f1(u),r=f2(u)" << "a(u)" << "r(u)"
                                << "最小 u";
    QTest::newRow("y=f(x,t)") << true << false << 0 << "y=f(x,t)" << "y(x,t)" << ""
                              << "最小 x";
    QTest::newRow("a(u,t), r(u,t)") << true << true << 1 << "a=f1(u,t),r=f2(u,t)" << "a(u,t)"
                                    << "r(u,t)" << "最小 u";
}

// The form is chosen before the coordinate system: switching the system
// keeps the form and rewords the captions.
void TestFrmF4::captions()
{
    QFETCH(bool, animation);
    QFETCH(bool, polar);
    QFETCH(int, form);
    QFETCH(QString, item);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, range);

    frmF4 d;
    if (animation)
        d.SetUpForAnimation(!polar);
    else
        d.SetUpForDrawMenu(!polar);
    d.SetCombo2Index(form);
    d.SetCombo1Index(polar ? 1 : 0);
    QCOMPARE(d.Combo2->currentIndex(), form);
    QCOMPARE(d.Combo2->currentText(), item);
    QCOMPARE(d.Label2->text(), first);
    QCOMPARE(Shown(d.Text3), !second.isEmpty());
    if (!second.isEmpty())
        QCOMPARE(d.Label3->text(), second);
    QCOMPARE(d.Label17->text(), range);
    QCOMPARE(d.AnimationMode(), animation);
}

void TestFrmF4::okMessages_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("animation");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    const QString note = QStringLiteral("注意");
    QTest::newRow("refused character") << 0 << false << QStringList{"Text2=x；"}
                                       << QStringLiteral("存在非法数据。") << QStringLiteral("出错");
    QTest::newRow("blank expression") << 0 << false << QStringList{"Text2=   "}
                                      << QStringLiteral("请输入所有参数。") << note;
    // A parametric graph without its second expression is refused rather
    // than sampled from an empty text.
    QTest::newRow("blank second expression")
        << 1 << false << QStringList{"Text2=cos(u)", "Text3=  "}
        << QStringLiteral("请输入所有参数。") << note;
    QTest::newRow("segments 0.5") << 0 << false << QStringList{"Text2=x", "Text7=0.5"}
                                  << QStringLiteral("段数 x 必须大于1。") << note;
    QTest::newRow("segments u") << 1 << false << QStringList{"Text2=u", "Text3=u", "Text7=0"}
                                << QStringLiteral("段数 u 必须大于1。") << note;
    QTest::newRow("segments huge") << 0 << false << QStringList{"Text2=x", "Text7=1e9"}
                                   << QStringLiteral("段数 x 不能大于100000。") << note;
    QTest::newRow("reversed x") << 0 << false << QStringList{"Text2=x", "Text5=2", "Text6=1"}
                                << QStringLiteral("最小 x 必须小于最大 x.") << note;
    // Compared by value: pi to -pi is reversed, although both texts start
    // with no number.
    QTest::newRow("pi to -pi") << 1 << false
                               << QStringList{"Text2=u", "Text3=u", "Text5=pi", "Text6=-pi"}
                               << QStringLiteral("最小 u 必须小于最大 u.") << note;
    // Sampling that fails without a compile error is told, and uses no ID.
    QTest::newRow("cannot be computed") << 0 << false << QStringList{"Text2=x^100"}
                                        << QStringLiteral("无法计算该图形。")
                                        << QStringLiteral("出错");
    QTest::newRow("t segments 0") << 0 << true
                                  << QStringList{"Text2=x*t", "Text4=0", "Text8=1", "Text9=0"}
                                  << QStringLiteral("段数 t 必须大于1。") << note;
    QTest::newRow("t reversed") << 0 << true
                                << QStringList{"Text2=x*t", "Text4=2", "Text8=1", "Text9=10"}
                                << QStringLiteral("最小 t 必须小于最大 t.") << note;
}

void TestFrmF4::okMessages()
{
    QFETCH(int, form);
    QFETCH(bool, animation);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(QString, title);

    frmF4 d;
    if (animation)
        d.SetCombo1Index(0);
    else
        d.SetUpForDrawMenu(false);
    d.SetCombo2Index(form);
    Fill(d, {"Text5=-5", "Text6=5"});
    Fill(d, boxes);
    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(recorder.Count(), 1);
    QCOMPARE(recorder.Messages()[0].text, message);
    QCOMPARE(recorder.Messages()[0].title, title);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_LastGraphID, 0);
}

void TestFrmF4::okBuildsGraph_data()
{
    QTest::addColumn<bool>("polar");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("colorOption");
    QTest::addColumn<QString>("modelOption");
    QTest::addColumn<QString>("smoothOption");
    QTest::addColumn<QString>("expY");
    QTest::addColumn<QString>("expZ");
    QTest::addColumn<int>("fillStyle");
    QTest::addColumn<int>("firstColor");
    QTest::addColumn<int>("secondColor");
    QTest::addColumn<int>("show");
    QTest::addColumn<int>("smoothness");

    // Colour 1 is picked as green (0x00FF00), colour 2 as 0x808080 and the
    // single colour as 0x00FFFF before each OK.
    QTest::newRow("left to right, vertices, faceted")
        << false << 0 << "Option1" << "Option5" << "Option8" << "x" << "sin(x)" << 1 << 0x00FF00
        << 0x808080 << 1 << 1;
    QTest::newRow("top to bottom, wireframe, smoother")
        << true << 0 << "Option2" << "Option6" << "Option9" << "a" << "sin(x)" << 3 << 0x00FF00
        << 0x808080 << 2 << 2;
    QTest::newRow("front to back, surface, smooth, parametric")
        << false << 1 << "Option3" << "Option7" << "Option10" << "sin(x)" << "cos(u)" << 2
        << 0x00FF00 << 0x808080 << 3 << 3;
    // The single colour passes colour 1 as it was left by its own click.
    QTest::newRow("single colour") << true << 1 << "Option4" << "Option7" << "Option10"
                                   << "sin(x)" << "cos(u)" << 4 << 0x00FF00 << 0x00FFFF << 3 << 3;
}

void TestFrmF4::okBuildsGraph()
{
    QFETCH(bool, polar);
    QFETCH(int, form);
    QFETCH(QString, colorOption);
    QFETCH(QString, modelOption);
    QFETCH(QString, smoothOption);
    QFETCH(QString, expY);
    QFETCH(QString, expZ);
    QFETCH(int, fillStyle);
    QFETCH(int, firstColor);
    QFETCH(int, secondColor);
    QFETCH(int, show);
    QFETCH(int, smoothness);

    frmF4 d;
    d.SetUpForDrawMenu(polar);
    d.SetCombo2Index(form);
    Fill(d, {"Text1=band", "Text2=sin(x)", "Text3=cos(u)", "Text5=-pi", "Text6=pi", "Text7=20.5"});
    d.findChild<QRadioButton*>(colorOption)->setChecked(true);
    d.findChild<QRadioButton*>(modelOption)->setChecked(true);
    d.findChild<QRadioButton*>(smoothOption)->setChecked(true);
    d.Picture2->SetColor(0x00FF00);
    d.mlngFirstColor = 0x00FF00; // as Picture2_Click leaves it
    d.Picture3->SetColor(0x808080);
    d.Picture4->SetColor(0x00FFFF);
    d.SetList1Index(12);

    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(recorder.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g_ShownGraphs.FunSurfs.Item(1), g);
    QCOMPARE(g->ID, 1);
    QCOMPARE(g->NameS, QStringLiteral("band"));
    QCOMPARE(g->GraphType, int(GraphType25DFunction));
    QVERIFY(!g->Animation);
    QCOMPARE(g->CoordType, polar ? int(CoordTypePolar) : int(CoordTypeCartesian2D));
    QCOMPARE(g->FunForm, form == 0 ? int(FunFormExplicit) : int(FunFormParametric));
    QCOMPARE(g->ExpressX, QStringLiteral("0"));
    QCOMPARE(g->ExpressY, form == 0 ? (polar ? QStringLiteral("a") : QStringLiteral("x")) : expY);
    QCOMPARE(g->ExpressZ, form == 0 ? QStringLiteral("sin(x)") : expZ);
    QCOMPARE(g->StepU, 1);
    QCOMPARE(g->StepV, 20); // 20.5 rounds to the even 20
    QCOMPARE(g->MinU, 0.0f);
    QCOMPARE(g->MaxU, 3.0f);
    QCOMPARE(g->MinV, -3.1415927f);
    QCOMPARE(g->MaxV, 3.1415927f);
    QCOMPARE(g->FillStyle, fillStyle);
    QCOMPARE(g->FirstColor, firstColor);
    QCOMPARE(g->SecondColor, secondColor);
    QCOMPARE(g->LineColor, 1);
    QCOMPARE(g->LineWidth, 1);
    QCOMPARE(g->Material, int(MaterialPresetWinter));
    QCOMPARE(g->Show, show);
    QCOMPARE(g->Smoothness, smoothness);
    // Sampled: row 0 of the band holds the curve.
    QVERIFY(g->Vert3D.InRange(1, 20));
    QCOMPARE(g_EditingGraph, false);
}

void TestFrmF4::animatedGraph()
{
    g_FrameCount = 8;
    frmF4 d;
    d.SetUpForAnimation(true);
    QCOMPARE(d.windowTitle(), QStringLiteral("二维半函数图形动画属性"));
    QCOMPARE(d.Text9->text(), QStringLiteral("8"));
    QVERIFY(!d.Text9->isEnabled());
    QCOMPARE(d.Label2->text(), QStringLiteral("r(a,t)"));
    QCOMPARE(d.Combo2->itemText(0), QStringLiteral("r=f(a,t)"));
    Fill(d, {"Text2=1+t", "Text5=0", "Text6=2*pi", "Text4=1", "Text8=2"});
    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(recorder.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g->GraphType, int(GraphType25DFunctionAnimation));
    QVERIFY(g->Animation);
    QCOMPARE(g->MinT, 1.0f);
    QCOMPARE(g->MaxT, 2.0f);
    QCOMPARE(g->ExpressY, QStringLiteral("a"));
    // Both rows of every step exist; row 0 of step k is the circle of
    // radius 1 + t at t = 1 + k/8.
    QVERIFY(g->Anim25D.InRange(1, 40, 8));
    for (int32_t k : {0, 4, 8}) {
        const Cls2& p = g->Anim25D(0, 10, k);
        QCOMPARE(std::hypot(p.x, p.y), 2.0f + static_cast<float>(k) / 8.0f);
    }
}

// A click on a colour box opens the colour dialog; what it chooses is the
// box's colour and the dialog's colour 1 or 2. Colour 1 picked for a
// gradient is kept as the first colour of a single-colour graph.
void TestFrmF4::colourClicks()
{
    std::optional<int32_t> answer;
    int32_t offered = -1;
    const ColorDialogHandler previous = SetColorDialogHandler([&](int32_t initial) {
        offered = initial;
        return answer;
    });
    frmF4 d;
    d.SetUpForDrawMenu(false);
    answer = 0x00FF00;
    QTest::mouseClick(d.Picture2, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(offered, 255);
    QCOMPARE(d.Picture2->Color(), 0x00FF00);
    QCOMPARE(d.mlngFirstColor, 0x00FF00);
    answer = 0x123456;
    QTest::mouseClick(d.Picture4, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(d.mlngSecondColor, 0x123456);
    // A cancelled dialog keeps the colour.
    answer.reset();
    QTest::mouseClick(d.Picture3, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(d.Picture3->Color(), 0xFF0000);
    QCOMPARE(d.mlngSecondColor, 0xFF0000);

    d.Option4->setChecked(true);
    Fill(d, {"Text2=x", "Text5=0", "Text6=1"});
    d.Command1_Click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g->FillStyle, int(FillStyleSingleColor));
    QCOMPARE(g->FirstColor, 0x00FF00);
    QCOMPARE(g->SecondColor, 0x123456);
    SetColorDialogHandler(previous);
}

// The Draw menu's command: the dialog opens for a still Cartesian graph; its
// OK adds one graph, listed and ticked, and turns the view to 0, -15, 45.
// Cancel changes nothing.
void TestFrmF4::drawMenuCreatesListedRotatedGraph()
{
    frmF1 window;
    window.Form_Load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.mnuFileNew25D_Click();
    QCOMPARE(ColoredPixels(window.picDraw), 0);
    QAction* command = window.findChild<QAction*>("mnuDraw25DCart");
    QVERIFY(command);
    QVERIFY(command->isEnabled());

    g_ShownGraphs.RotPitch = 7.0f;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<frmF4*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QVERIFY(!d->AnimationMode());
        d->Command2->click();
    });
    command->trigger();
    QCOMPARE(window.List1->count(), 0);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.RotPitch, 7.0f);

    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<frmF4*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("二维半函数图形属性"));
        QCOMPARE(d->Label2->text(), QStringLiteral("y(x)"));
        d->Text2->setText(QStringLiteral("sin(x)"));
        d->Text5->setText(QStringLiteral("-3"));
        d->Text6->setText(QStringLiteral("3"));
        d->Command1->click();
    });
    command->trigger();
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    QCOMPARE(window.List1->count(), 1);
    QCOMPARE(window.List1->item(0)->text(), QStringLiteral("二维半动画  y=sin(x)"));
    QCOMPARE(window.List1->item(0)->checkState(), Qt::Checked);
    QCOMPARE(g_ShownGraphs.RotRoll, 0.0f);
    QCOMPARE(g_ShownGraphs.RotPitch, -15.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 45.0f);
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->GraphType, int(GraphType25DFunction));
    // The band is in the picture: its red-to-blue gradient, lit.
    QVERIFY(ColoredPixels(window.picDraw) > 500);

    // The polar command lists its graph in polar words.
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<frmF4*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->SetCombo2Index(1);
        d->Text2->setText(QStringLiteral("u"));
        d->Text3->setText(QStringLiteral("1"));
        d->Text5->setText(QStringLiteral("0"));
        d->Text6->setText(QStringLiteral("6"));
        d->Command1->click();
    });
    window.findChild<QAction*>("mnuDraw25DPolar")->trigger();
    QCOMPARE(window.List1->count(), 2);
    QCOMPARE(window.List1->item(1)->text(), QStringLiteral("二维半动画  a=u, r=1"));

    // Editing the first entry copies the new definition into its graph,
    // keeps its ID and rewrites its entry; no graph is added.
    const auto first = g_AllGraphs.FunSurfs.Item(1);
    window.List1->setCurrentRow(0);
    g_EditingGraph = true;
    {
        frmF4 d(&window);
        d.SetUpForDrawMenu(false);
        Fill(d, {"Text2=x*x", "Text5=-2", "Text6=2", "Text7=10"});
        d.Option6->setChecked(true);
        d.Command1_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QVERIFY(!g_EditingGraph);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1), first);
    QCOMPARE(first->ID, 1);
    QCOMPARE(first->ExpressZ, QStringLiteral("x*x"));
    QCOMPARE(first->StepV, 10);
    QCOMPARE(first->Show, int(ShowModelWireframe));
    QCOMPARE(window.List1->item(0)->text(), QStringLiteral("二维半动画  y=x*x"));
    ClearScenes();
}

QTEST_MAIN(TestFrmF4)
#include "tst_frmF4.moc"
