// The 2D function dialog driven through its real widgets: load state, form
// and coordinate choices, the messages of its OK, the graph it builds and
// the rollback of a graph whose sampling fails.
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF5_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/ColorDialog_ui.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class TestFrmF5 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void loadState();
    void drawMenuSetUp();
    void formChoiceEnablesAnalysis();
    void okMessages_data();
    void okMessages();
    void mainRoad();
    void analysisMembers();
    void failedSamplingRollsBack();
    void positionLists();
    void colourBoxes();
};

namespace {

void ClearScenes()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    g_LastGraphID = 0;
    g_EditingGraph = false;
    g_DocumentKind = 0;
}

std::vector<QWidget*> Disabled(const frmF5& d, std::initializer_list<QWidget*> widgets)
{
    std::vector<QWidget*> off;
    for (QWidget* w : widgets) {
        if (!w->isEnabledTo(const_cast<frmF5*>(&d)))
            off.push_back(w);
    }
    return off;
}

} // namespace

void TestFrmF5::init()
{
    ClearScenes();
}

void TestFrmF5::loadState()
{
    frmF5 d;
    QCOMPARE(d.windowTitle(), QStringLiteral("二维函数图形属性"));
    QCOMPARE(d.SSTab1->count(), 12);
    const QStringList tabs = {"函数", "属性", "反函数", "导函数", "积分", "极值和拐点",
                              "奇偶性", "根", "曲率", "弧长", "切线", "法线"};
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(d.SSTab1->tabText(i), tabs[i]);
    QCOMPARE(d.Text1->text(), QStringLiteral("Untitled"));
    QCOMPARE(d.Text6->text(), QStringLiteral("200"));
    QCOMPARE(d.Combo1->currentText(), QStringLiteral("直角坐标"));
    QCOMPARE(frmF5::ListIndex(d.Combo1), -1);
    QCOMPARE(d.Combo2->currentText(), QStringLiteral("1"));
    QCOMPARE(frmF5::ListIndex(d.Combo2), -1);
    QCOMPARE(d.Combo2->count(), 8);
    QCOMPARE(d.Combo7->currentText(), QStringLiteral("2"));
    QCOMPARE(d.Combo12->count(), 9);
    QCOMPARE(d.Combo13->currentText(), QStringLiteral("实心圆"));
    QCOMPARE(d.Picture1->Color(), 0xFF0000);
    QCOMPARE(d.Picture4->Color(), 0x0080FF);
    QCOMPARE(d.Picture12->Color(), 0x004040);
    QVERIFY(d.Check3->isChecked());
    // The t row is shown at load, so the dialog starts in animation mode
    // with the analysis controls off.
    QVERIFY(d.AnimationMode());
    QVERIFY(!d.Check1->isEnabled());
    QVERIFY(!d.Command11->isEnabled());
    QVERIFY(d.Text17->isEnabled());
    // Every named control is reachable by its name.
    QVERIFY(d.findChild<QLineEdit*>("Text18"));
    QVERIFY(d.findChild<QComboBox*>("Combo17"));
    QVERIFY(d.findChild<QListWidget*>("List3"));
    QVERIFY(d.findChild<ColorBox*>("Picture9"));
}

void TestFrmF5::drawMenuSetUp()
{
    frmF5 cart;
    cart.SetUpForDrawMenu(false);
    QVERIFY(!cart.AnimationMode());
    QCOMPARE(cart.Label3->text(), QStringLiteral("y(x)"));
    QCOMPARE(cart.Combo3->currentText(), QStringLiteral("y=f(x)"));
    QCOMPARE(frmF5::ListIndex(cart.Combo3), -1);
    QCOMPARE(frmF5::ListIndex(cart.Combo1), 0);
    QVERIFY(!frmF5::IsShown(cart.Text3));
    QVERIFY(!frmF5::IsShown(cart.Text10));
    QVERIFY(frmF5::IsShown(cart.Text6));
    QVERIFY(Disabled(cart, {cart.Check1, cart.Check5, cart.Check9, cart.Check10, cart.List1,
                            cart.Command11, cart.Text13})
                .empty());

    frmF5 polar;
    polar.SetUpForDrawMenu(true);
    QCOMPARE(polar.Label3->text(), QStringLiteral("r(a)"));
    QCOMPARE(polar.Combo3->itemText(1), QStringLiteral("a=f1(u),r=f2(u)"));
    QCOMPARE(polar.Label5->text(), QStringLiteral("最小 a"));
    // Polar explicit: no extremes, inflections, roots or curvature.
    const auto off = Disabled(polar, {polar.Check1, polar.Check2, polar.Check4, polar.Check5,
                                      polar.Check6, polar.Check7, polar.Check8, polar.Check9,
                                      polar.Check10, polar.Check14, polar.Check15});
    QCOMPARE(off, (std::vector<QWidget*>{polar.Check5, polar.Check6, polar.Check8, polar.Check9,
                                         polar.Check10}));
}

void TestFrmF5::formChoiceEnablesAnalysis()
{
    frmF5 d;
    d.SetUpForDrawMenu(false);
    d.SetCombo3Index(1); // parametric
    QCOMPARE(d.Label3->text(), QStringLiteral("x(u)"));
    QCOMPARE(d.Label4->text(), QStringLiteral("y(u)"));
    QVERIFY(frmF5::IsShown(d.Text3));
    QCOMPARE(d.Label7->text(), QStringLiteral("段数 u"));
    QVERIFY(!d.Check1->isEnabled());
    QVERIFY(!d.Text13->isEnabled());
    QVERIFY(d.Text17->isEnabled());

    d.SetCombo3Index(2); // implicit
    QVERIFY(!frmF5::IsShown(d.Text6));
    QVERIFY(frmF5::IsShown(d.Text10));
    QCOMPARE(d.Label14->text(), QStringLiteral("最小 y"));

    // The other coordinate system keeps the form's place and relabels.
    d.SetCombo1Index(1);
    QCOMPARE(frmF5::ListIndex(d.Combo3), 2);
    QCOMPARE(d.Combo3->currentText(), QStringLiteral("f(a,r)=0"));
    QCOMPARE(d.Label3->text(), QStringLiteral("f(a,r)"));
    QCOMPARE(d.Label14->text(), QStringLiteral("最小 r"));

    d.SetCombo3Index(0);
    QVERIFY(d.Check1->isEnabled());
    QVERIFY(!d.Check5->isEnabled());
    d.SetCombo1Index(0);
    QVERIFY(d.Check5->isEnabled());

    // A coordinate system typed by hand leaves the layout and the analysis
    // controls of the explicit form alone.
    d.SetCombo3Index(1);
    d.Combo1->setEditText(QStringLiteral("abc"));
    d.SetCombo3Index(0);
    QCOMPARE(d.Label3->text(), QStringLiteral("x(u)"));
    QVERIFY(!d.Check5->isEnabled());
}

void TestFrmF5::okMessages_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("animation");
    QTest::addColumn<QStringList>("boxes"); // name=text pairs
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    const QString bad = QStringLiteral("存在非法数据。");
    const QString all = QStringLiteral("请输入所有参数。");
    QTest::newRow("refused character") << 0 << false << QStringList{"Text2=sin(x)#"} << bad
                                       << QStringLiteral("出错");
    QTest::newRow("refused integral bound")
        << 0 << false << QStringList{"Text2=x", "Text13=1;"} << bad << QStringLiteral("出错");
    QTest::newRow("reversed x") << 0 << false << QStringList{"Text2=x", "Text4=2", "Text5=1"}
                                << QStringLiteral("最小 x 必须小于最大 x.")
                                << QStringLiteral("注意");
    // Ranges are compared by value: pi is not 0.
    QTest::newRow("pi to 1") << 0 << false << QStringList{"Text2=x", "Text4=pi", "Text5=1"}
                             << QStringLiteral("最小 x 必须小于最大 x.")
                             << QStringLiteral("注意");
    QTest::newRow("reversed u") << 1 << false
                                << QStringList{"Text2=u", "Text3=u", "Text4=1", "Text5=-1"}
                                << QStringLiteral("最小 u 必须小于最大 u.")
                                << QStringLiteral("注意");
    QTest::newRow("segments 0.5") << 0 << false << QStringList{"Text2=x", "Text6=0.5"}
                                  << QStringLiteral("段数 x 必须大于1。")
                                  << QStringLiteral("注意");
    QTest::newRow("segments u 0") << 1 << false << QStringList{"Text2=u", "Text3=u", "Text6=0"}
                                  << QStringLiteral("段数 u 必须大于1。")
                                  << QStringLiteral("注意");
    QTest::newRow("segments huge") << 0 << false << QStringList{"Text2=x", "Text6=1e12"}
                                   << QStringLiteral("段数 x 不能大于100000。")
                                   << QStringLiteral("注意");
    QTest::newRow("empty segments") << 0 << false << QStringList{"Text2=x", "Text6="} << all
                                    << QStringLiteral("注意");
    QTest::newRow("blank y box of inequality")
        << 3 << false << QStringList{"Text2=x-y", "Text10=  ", "Text11=1"} << all
        << QStringLiteral("注意");
    QTest::newRow("reversed y") << 2 << false
                                << QStringList{"Text2=x-y", "Text10=3", "Text11=2"}
                                << QStringLiteral("最小 y 必须小于最大 y.")
                                << QStringLiteral("注意");
    QTest::newRow("width 0") << 0 << false << QStringList{"Text2=x", "Combo2=0"}
                             << QStringLiteral("线宽必须在1到100之间。")
                             << QStringLiteral("注意");
    QTest::newRow("width overflow") << 0 << false << QStringList{"Text2=x", "Combo15=9e30"}
                                    << QStringLiteral("线宽必须在1到100之间。")
                                    << QStringLiteral("注意");
    QTest::newRow("marker size 1000") << 0 << false << QStringList{"Text2=x", "Combo12=1000"}
                                      << QStringLiteral("标记大小必须在1到100之间。")
                                      << QStringLiteral("注意");
    // Sampling that fails without a compile error is told, and uses no ID.
    QTest::newRow("cannot be computed") << 0 << false << QStringList{"Text2=x^100"}
                                        << QStringLiteral("无法计算该图形。")
                                        << QStringLiteral("出错");
    QTest::newRow("t segments 0") << 0 << true
                                  << QStringList{"Text2=x", "Text7=0", "Text8=1", "Text9=0"}
                                  << QStringLiteral("段数 t 必须大于1。")
                                  << QStringLiteral("注意");
    QTest::newRow("t reversed") << 0 << true
                                << QStringList{"Text2=x*t", "Text7=2", "Text8=1", "Text9=10"}
                                << QStringLiteral("最小 t 必须小于最大 t.")
                                << QStringLiteral("注意");
}

void TestFrmF5::okMessages()
{
    QFETCH(int, form);
    QFETCH(bool, animation);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(QString, title);

    frmF5 d;
    if (animation) {
        d.SetCombo1Index(0);
        d.Text9->setText(QStringLiteral("10"));
    } else {
        d.SetUpForDrawMenu(false);
    }
    d.SetCombo3Index(form);
    d.Text4->setText(QStringLiteral("-10"));
    d.Text5->setText(QStringLiteral("10"));
    d.Text10->setText(QStringLiteral("-10"));
    d.Text11->setText(QStringLiteral("10"));
    for (const QString& pair : boxes) {
        const QString name = pair.section(u'=', 0, 0);
        const QString text = pair.section(u'=', 1);
        if (auto* box = d.findChild<QLineEdit*>(name))
            box->setText(text);
        else
            d.findChild<QComboBox*>(name)->setEditText(text);
    }

    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(recorder.Count(), 1);
    QCOMPARE(recorder.Messages()[0].text, message);
    QCOMPARE(recorder.Messages()[0].title, title);
    QCOMPARE(recorder.Messages()[0].icon, MsgIcon::Warning);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_LastGraphID, 0);
}

void TestFrmF5::mainRoad()
{
    frmF5 d;
    d.SetUpForDrawMenu(false);
    d.Text2->setText(QStringLiteral("sin (x)")); // the blank is cleaned away
    d.Text4->setText(QStringLiteral("-10"));
    d.Text5->setText(QStringLiteral("10"));
    // On screen with another tab open, the boxes of tab "函数" still count
    // as shown.
    d.show();
    d.SSTab1->setCurrentIndex(11);
    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(recorder.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(g_DocumentKind, int(DocumentKind2D));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g.get(), g_ShownGraphs.FunSurfs.Item(QStringLiteral("1")).get());
    QCOMPARE(g->ID, 1);
    QCOMPARE(g_LastGraphID, 1);
    QCOMPARE(g->NameS, QStringLiteral("Untitled"));
    QCOMPARE(g->GraphType, int(GraphType2DFunction));
    QCOMPARE(g->CoordType, int(CoordTypeCartesian2D));
    QCOMPARE(g->FunForm, int(FunFormExplicit));
    QCOMPARE(g->ExpressX, QStringLiteral("0"));
    QCOMPARE(g->ExpressY, QStringLiteral("x"));
    QCOMPARE(g->ExpressZ, QStringLiteral("sin(x)"));
    QCOMPARE(g->MinV, -10.0f);
    QCOMPARE(g->MaxV, 10.0f);
    QCOMPARE(g->StepV, 200);
    QCOMPARE(g->MinU, 0.0f);
    QCOMPARE(g->MaxU, 1.0f);
    QCOMPARE(g->StepU, 1);
    QCOMPARE(g->LineColor, 0xFF0000);
    QCOMPARE(g->LineWidth, 1);
    QCOMPARE(g->FillStyle, int(FillStyleSingleColor));
    QCOMPARE(g->Material, int(MaterialPresetMetal));
    QVERIFY(g->Show2DCurve);
    QVERIFY(!g->Animation);
    QVERIFY(!g_EditingGraph);
}

void TestFrmF5::analysisMembers()
{
    frmF5 d;
    d.SetUpForDrawMenu(true);
    d.SetCombo3Index(2); // implicit, polar
    d.Text2->setText(QStringLiteral("a-r"));
    d.Text4->setText(QStringLiteral("-pi"));
    d.Text5->setText(QStringLiteral("pi"));
    d.Text10->setText(QStringLiteral(""));  // cleaned to "0"
    d.Text11->setText(QStringLiteral("2,5"));
    d.Text17->setText(QStringLiteral("1"));
    d.Text18->setText(QStringLiteral("2*pi"));
    d.Combo2->setEditText(QStringLiteral("3"));
    d.Combo6->setEditText(QStringLiteral("typed"));
    d.Check9->setChecked(true);
    d.Combo11->setEditText(QStringLiteral("2.5"));
    d.List2->addItems({"1", "2", "abc"});
    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(recorder.Count(), 0);
    QCOMPARE(d.Text10->text(), QStringLiteral("0"));
    QCOMPARE(d.Text11->text(), QStringLiteral("2.5"));
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g->CoordType, int(CoordTypePolar));
    QCOMPARE(g->FunForm, int(FunFormImplicit));
    QCOMPARE(g->ExpressY, QStringLiteral("a"));
    // Built with no steps; sampling takes them as 1.
    QCOMPARE(g->StepU, 1);
    QCOMPARE(g->StepV, 1);
    QVERIFY(qAbs(g->MinU + 3.1415926f) < 1e-5f);
    QVERIFY(qAbs(g->MaxU - 3.1415926f) < 1e-5f);
    QCOMPARE(g->MinV, 0.0f);
    QCOMPARE(g->MaxV, 2.5f);
    QCOMPARE(g->LineWidth, 3);
    QCOMPARE(g->MaxSymbol, 0); // typed text: no item selected
    QCOMPARE(g->MinSymbol, 1);
    QCOMPARE(g->GuaiSize, 2);  // 2.5 rounds to even
    QVERIFY(g->ShowRoot);      // a disabled control still gives its value
    QCOMPARE(g->LenFrom, 1.0f);
    QVERIFY(qAbs(g->LenTo - 6.2831853f) < 1e-5f);
    QCOMPARE(g->QieNum, 3);
    QCOMPARE(g->QieX[1], 1.0f);
    QCOMPARE(g->QieX[2], 2.0f);
    QCOMPARE(g->QieX[3], 0.0f);
    QCOMPARE(g->CurvNum, 0);
}

void TestFrmF5::failedSamplingRollsBack()
{
    g_LastGraphID = 4;
    {
        frmF5 d;
        d.SetUpForDrawMenu(false);
        d.Text2->setText(QStringLiteral("sin(x"));
        MessageRecorder recorder;
        d.Command1_Click();
        QVERIFY(recorder.Count() >= 1); // the compiler's own message
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
        QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
        QCOMPARE(g_LastGraphID, 5); // the ID stays used

        // The same dialog, put right, creates the next ID.
        d.Text2->setText(QStringLiteral("sin(x)"));
        d.Command1_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->ID, 6);
}

void TestFrmF5::positionLists()
{
    frmF5 d;
    d.SetUpForDrawMenu(false);
    // Add appends the text as typed, also an empty one, and empties the box.
    d.Text15->setText(QStringLiteral("1.5"));
    d.Command6->click();
    d.Command6->click();
    QCOMPARE(d.List2->count(), 2);
    QCOMPARE(d.List2->item(0)->text(), QStringLiteral("1.5"));
    QCOMPARE(d.List2->item(1)->text(), QString());
    QVERIFY(d.Text15->text().isEmpty());
    // Delete with nothing selected does nothing.
    d.List2->clearSelection();
    d.List2->setCurrentRow(-1);
    d.Command7->click();
    QCOMPARE(d.List2->count(), 2);
    d.List2->setCurrentRow(0);
    d.Command7->click();
    QCOMPARE(d.List2->count(), 1);
    d.Command8->click();
    QCOMPARE(d.List2->count(), 0);

    // A graph holds 50 positions; the 51st is refused with a message.
    MessageRecorder recorder;
    for (int i = 0; i < 51; ++i) {
        d.Text16->setText(QString::number(i));
        d.Command11->click();
    }
    QCOMPARE(d.List3->count(), frmF5::MaxPositions);
    QCOMPARE(recorder.Count(), 1);
    QCOMPARE(recorder.Messages()[0].text, QStringLiteral("最多只能输入50个值。"));
}

void TestFrmF5::colourBoxes()
{
    frmF5 d;
    std::optional<int32_t> answer;
    int32_t offered = -1;
    const ColorDialogHandler previous = SetColorDialogHandler([&](int32_t initial) {
        offered = initial;
        return answer;
    });
    // A cancelled dialog keeps the box's colour (and is preset with it).
    answer = std::nullopt;
    d.Picture3->PickColor();
    QCOMPARE(offered, 0xFF00FF);
    QCOMPARE(d.Picture3->Color(), 0xFF00FF);
    answer = 0x123456;
    d.Picture3->PickColor();
    QCOMPARE(d.Picture3->Color(), 0x123456);
    SetColorDialogHandler(previous);

    // The chosen colour reaches the graph.
    d.SetUpForDrawMenu(false);
    d.Text2->setText(QStringLiteral("x"));
    d.Check2->setChecked(true);
    MessageRecorder recorder;
    d.Command1_Click();
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->DevColor, 0x123456);
    QVERIFY(g_AllGraphs.FunSurfs.Item(1)->ShowDev);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestFrmF5 test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_frmF5.moc"
