// The coordinate-system dialogs and the command that opens them: what they
// load, what OK writes, that Cancel leaves the settings as they were, the
// fill-type selection, the refusal of counts that cannot be drawn, and the
// rebuild after OK only.
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/view/AxesCommand_ui.h"
#include "dialogs/view/frmF20_ui.h"
#include "dialogs/view/frmF3_ui.h"
#include "model/Cls3.h"
#include "model/Globals.h"
#include "platform/ColorDialog_ui.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

class TestAxesDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void f20Load();
    void f20OkWritesEverything();
    void f20CancelChangesNothing();
    void f20FillType_data();
    void f20FillType();
    void f20AxisWidthOutsideTheList();
    void f3Load();
    void f3OkWithPanels();
    void f3OkWithoutTheBox_data();
    void f3OkWithoutTheBox();
    void f3Counts_data();
    void f3Counts();
    void f3CancelKeepsEverything();
    void commandRebuildsAfterOkOnly_data();
    void commandRebuildsAfterOkOnly();

private:
    ColorDialogHandler m_previousColor;
};

namespace {

// Answers every colour dialog with this colour, or cancels it when empty.
std::optional<int32_t> g_nextColor;

} // namespace

void TestAxesDialogs::init()
{
    g_CoordSystem = Cls3{};
    g_CoordSystem.Show = true;
    g_AxesDialogOK = false;
    g_DocumentKind = DocumentKind2D;
    g_nextColor.reset();
    m_previousColor = SetColorDialogHandler([](int32_t) { return g_nextColor; });
}

void TestAxesDialogs::cleanup()
{
    SetColorDialogHandler(m_previousColor);
}

void TestAxesDialogs::f20Load()
{
    Cls3& cs = g_CoordSystem;
    cs.AxisWidth = 3;
    cs.AxisColor = 0x123456;
    cs.ShowPI = true;
    cs.ShowSecondaryLabel = false;
    cs.BackStyle = 7;
    frmF20 d;
    QCOMPARE(d.windowTitle(), QStringLiteral("坐标系属性"));
    const QStringList tabs = {"通用", "坐标轴", "网格", "背景", "字体"};
    QCOMPARE(d.SSTab1->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(d.SSTab1->tabText(i), tabs[i]);
    QVERIFY(d.Check1->isChecked());
    QCOMPARE(d.Combo1->count(), 5);
    QCOMPARE(d.Combo1->currentText(), QStringLiteral("3"));
    QCOMPARE(d.Picture1->Color(), 0x123456);
    QVERIFY(d.Check6->isChecked());
    QVERIFY(!d.Check5->isChecked());
    QCOMPARE(d.Picture4->Color(), 65280);
    QCOMPARE(d.SelectedFillType(), 7);
    QVERIFY(!d.Shape1->isHidden());
    QCOMPARE(d.Shape1->geometry(), d.Image1[6]->geometry().adjusted(-1, -1, 1, 1));
}

void TestAxesDialogs::f20OkWritesEverything()
{
    frmF20 d;
    d.Check1->setChecked(false);
    d.Combo1->setCurrentIndex(4);
    d.Check2->setChecked(true);
    d.Check3->setChecked(true);
    d.Check4->setChecked(true);
    d.Check5->setChecked(false);
    d.Check6->setChecked(true);
    d.Check7->setChecked(true);
    d.Check8->setChecked(true);
    const struct {
        ColorBox* box;
        int32_t color;
    } swatches[] = {{d.Picture1, 0x010203}, {d.Picture2, 0x040506}, {d.Picture3, 0x070809},
                    {d.Picture4, 0x0A0B0C}, {d.Picture5, 0x0D0E0F}};
    for (const auto& s : swatches) {
        g_nextColor = s.color;
        QTest::mouseClick(s.box, Qt::LeftButton);
    }
    // Nothing before OK.
    QCOMPARE(g_CoordSystem.AxisColor, 0);
    QCOMPARE(g_CoordSystem.Show, true);
    d.Image1_Click(18);
    QTest::mouseClick(d.Command1, Qt::LeftButton);

    const Cls3& cs = g_CoordSystem;
    QVERIFY(g_AxesDialogOK);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(cs.Show, false);
    QCOMPARE(cs.AxisWidth, 5);
    QVERIFY(cs.ShowprimaryGrid && cs.ShowSecondaryGrid && cs.ShowBackground);
    QVERIFY(!cs.ShowSecondaryLabel);
    QVERIFY(cs.ShowPI && cs.ShowShadow && cs.BetterFonts);
    QCOMPARE(cs.AxisColor, 0x010203);
    QCOMPARE(cs.PriGridColor, 0x040506);
    QCOMPARE(cs.SecGridColor, 0x070809);
    QCOMPARE(cs.BackColor, 0x0A0B0C);
    QCOMPARE(cs.BackColor2, 0x0D0E0F);
    QCOMPARE(cs.BackStyle, 19);
}

void TestAxesDialogs::f20CancelChangesNothing()
{
    const QString before = g_CoordSystem.Save();
    frmF20 d;
    d.Check1->setChecked(false);
    d.Check4->setChecked(true);
    d.Combo1->setCurrentIndex(2);
    g_nextColor = 0x00FF00;
    QTest::mouseClick(d.Picture4, Qt::LeftButton);
    QCOMPARE(d.Picture4->Color(), 0x00FF00);
    d.Image1_Click(3);
    g_AxesDialogOK = true;
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QVERIFY(!g_AxesDialogOK);
    QCOMPARE(g_CoordSystem.Save(), before);
    QCOMPARE(g_CoordSystem.BackStyle, 2);
}

void TestAxesDialogs::f20FillType_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("click"); // picture index, -1 for none
    QTest::addColumn<int>("framed"); // picture index, -1 for no frame
    QTest::addColumn<int>("result");
    QTest::newRow("stored 0, no click") << 0 << -1 << 1 << 2;
    QTest::newRow("negative") << -4 << -1 << 1 << 2;
    QTest::newRow("stored 1") << 1 << -1 << 0 << 1;
    QTest::newRow("click first") << 12 << 0 << 0 << 1;
    QTest::newRow("above 19 kept") << 25 << -1 << -1 << 25;
    QTest::newRow("above 19, clicked") << 25 << 4 << 4 << 5;
}

void TestAxesDialogs::f20FillType()
{
    QFETCH(int, stored);
    QFETCH(int, click);
    QFETCH(int, framed);
    QFETCH(int, result);
    g_CoordSystem.BackStyle = stored;
    frmF20 d;
    if (click >= 0)
        QTest::mouseClick(d.Image1[click], Qt::LeftButton);
    if (framed < 0) {
        QVERIFY(d.Shape1->isHidden());
    } else {
        QVERIFY(!d.Shape1->isHidden());
        QCOMPARE(d.Shape1->geometry(), d.Image1[framed]->geometry().adjusted(-1, -1, 1, 1));
    }
    d.Command1_Click();
    QCOMPARE(g_CoordSystem.BackStyle, result);
}

void TestAxesDialogs::f20AxisWidthOutsideTheList()
{
    // A width from a document that the list does not offer stays unless the
    // user picks another.
    g_CoordSystem.AxisWidth = 9;
    {
        frmF20 d;
        QCOMPARE(d.Combo1->currentIndex(), -1);
        d.Command1_Click();
    }
    QCOMPARE(g_CoordSystem.AxisWidth, 9);
    frmF20 d;
    d.Combo1->setCurrentIndex(1);
    d.Command1_Click();
    QCOMPARE(g_CoordSystem.AxisWidth, 2);
}

void TestAxesDialogs::f3Load()
{
    g_DocumentKind = DocumentKind3D;
    Cls3& cs = g_CoordSystem;
    cs.AxisStyle = AxisStyleThreeLines;
    cs.ShowXZPanel = true;
    cs.ShowXZZGrid = false;
    cs.XZPanelMaterial = 13;
    cs.YZPanelMaterial = 0;
    cs.LabelNumY = 7;
    {
        frmF3 d;
        QCOMPARE(d.windowTitle(), QStringLiteral("坐标系属性"));
        const QStringList tabs = {"通用", "面板", "网格", "标记"};
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(d.SSTab1->tabText(i), tabs[i]);
        QVERIFY(!d.Frame1->isHidden());
        QVERIFY(d.Option2->isChecked());
        QVERIFY(!d.Check2->isChecked() && d.Check3->isChecked());
        QVERIFY(!d.Check8->isChecked() && d.Check7->isChecked());
        QCOMPARE(d.Combo1->count(), 13);
        QCOMPARE(d.Combo1->currentText(), QStringLiteral("Metal"));
        QCOMPARE(d.Combo2->currentText(), QStringLiteral("Winter"));
        QCOMPARE(d.Combo3->currentIndex(), -1);
        QCOMPARE(d.Text2->text(), QStringLiteral("7"));
        QCOMPARE(d.Picture5->Color(), 10066329);
        // The panel's controls follow its "显示" box.
        QVERIFY(!d.Picture1->isEnabled() && !d.Combo1->isEnabled());
        QVERIFY(d.Picture2->isEnabled() && d.Combo2->isEnabled() && d.Label5->isEnabled());
        d.Check2->setChecked(true);
        QVERIFY(d.Picture1->isEnabled() && d.Label3->isEnabled());
    }
    g_DocumentKind = DocumentKind25D;
    frmF3 d;
    QVERIFY(d.Frame1->isHidden());
}

void TestAxesDialogs::f3OkWithPanels()
{
    g_DocumentKind = DocumentKind3D;
    frmF3 d;
    d.Option1->setChecked(true);
    d.Check2->setChecked(true);
    d.Check3->setChecked(false);
    d.Check4->setChecked(true);
    d.Combo1->setCurrentIndex(0);
    d.Combo3->setCurrentIndex(-1);
    d.Check5->setChecked(false);
    d.Check10->setChecked(false);
    g_nextColor = 0x0000FF;
    QTest::mouseClick(d.Picture1, Qt::LeftButton);
    g_nextColor = 0x00FF00;
    QTest::mouseClick(d.Picture7, Qt::LeftButton);
    QCOMPARE(g_CoordSystem.XYPanelColor, 13421772); // nothing before OK
    d.Text1->setText(QStringLiteral("2.5"));
    d.Text2->setText(QStringLiteral("3.5"));
    d.Text3->setText(QStringLiteral("50"));
    QTest::mouseClick(d.Command1, Qt::LeftButton);

    const Cls3& cs = g_CoordSystem;
    QVERIFY(g_AxesDialogOK);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(cs.AxisStyle, int32_t(AxisStylePanels));
    QVERIFY(cs.ShowXYPanel && !cs.ShowXZPanel && cs.ShowYZPanel);
    QCOMPARE(cs.XYPanelColor, 0x0000FF);
    QCOMPARE(cs.XZGridColor, 0x00FF00);
    QCOMPARE(cs.XYPanelMaterial, 1);
    QCOMPARE(cs.XZPanelMaterial, 4);
    QCOMPARE(cs.YZPanelMaterial, 0); // no selection
    QVERIFY(!cs.ShowXYXGrid && cs.ShowXYYGrid && !cs.ShowYZZGrid && cs.ShowYZYGrid);
    // Halves go to the even neighbour.
    QCOMPARE(cs.LabelNumX, 2);
    QCOMPARE(cs.LabelNumY, 4);
    QCOMPARE(cs.LabelNumZ, 50);
}

void TestAxesDialogs::f3OkWithoutTheBox_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("storedStyle");
    QTest::addColumn<bool>("threeLines"); // choose "三线"
    QTest::addColumn<bool>("show");
    QTest::newRow("three lines") << int(DocumentKind3D) << 1 << true << true;
    QTest::newRow("hidden") << int(DocumentKind3D) << 1 << false << false;
    QTest::newRow("2.5D with a 3D style left") << int(DocumentKind25D) << 2 << false << true;
}

void TestAxesDialogs::f3OkWithoutTheBox()
{
    QFETCH(int, kind);
    QFETCH(int, storedStyle);
    QFETCH(bool, threeLines);
    QFETCH(bool, show);
    g_DocumentKind = kind;
    g_CoordSystem.AxisStyle = storedStyle;
    frmF3 d;
    if (threeLines)
        d.Option2->setChecked(true);
    d.Check1->setChecked(show);
    d.Check2->setChecked(true);
    d.Combo2->setCurrentIndex(0);
    d.Check6->setChecked(false);
    d.Text1->setText(QStringLiteral("0")); // not read: no message
    g_nextColor = 0x00FFFF;
    QTest::mouseClick(d.Picture9, Qt::LeftButton);
    MessageRecorder messages;
    d.Command1_Click();
    QCOMPARE(messages.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const Cls3& cs = g_CoordSystem;
    QCOMPARE(cs.Show, show);
    QCOMPARE(cs.AxisStyle, threeLines ? 2 : storedStyle);
    QCOMPARE(cs.YZGridColor, 0x00FFFF); // a picked colour is kept
    QVERIFY(!cs.ShowXYPanel);
    QCOMPARE(cs.XZPanelMaterial, 4);
    QVERIFY(cs.ShowXYYGrid);
    QCOMPARE(cs.LabelNumX, 2);
}

void TestAxesDialogs::f3Counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("not a number") << "abc" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("0.5 rounds to 0") << "0.5" << true;
    QTest::newRow("51") << "51" << true;
    QTest::newRow("huge") << "1e20" << true;
    QTest::newRow("1.5 rounds to 2") << "1.5" << false;
    QTest::newRow("1") << "1" << false;
}

void TestAxesDialogs::f3Counts()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    g_DocumentKind = DocumentKind3D;
    MessageRecorder messages;
    frmF3 d;
    d.show();
    d.Check2->setChecked(true);
    d.Text3->setText(text);
    d.Command1_Click();
    if (!refused) {
        QCOMPARE(messages.Count(), 0);
        QVERIFY(g_AxesDialogOK);
        QVERIFY(g_CoordSystem.LabelNumZ >= 1);
        return;
    }
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("存在非法数据。"));
    QCOMPARE(messages.Messages()[0].title, QStringLiteral("出错"));
    QVERIFY(d.isVisible());
    QVERIFY(!g_AxesDialogOK);
    QVERIFY(!g_CoordSystem.ShowXYPanel);
    QCOMPARE(g_CoordSystem.LabelNumZ, 2);
}

void TestAxesDialogs::f3CancelKeepsEverything()
{
    g_DocumentKind = DocumentKind3D;
    const QString before = g_CoordSystem.Save();
    frmF3 d;
    d.Check1->setChecked(false);
    d.Option2->setChecked(true);
    for (QCheckBox* panel : {d.Check2, d.Check3, d.Check4})
        panel->setChecked(true); // enables the panel swatches
    for (ColorBox* box : {d.Picture1, d.Picture2, d.Picture3, d.Picture5, d.Picture7, d.Picture9}) {
        g_nextColor = 0x0000FF;
        QTest::mouseClick(box, Qt::LeftButton);
    }
    // A cancelled colour dialog keeps the swatch.
    g_nextColor.reset();
    QTest::mouseClick(d.Picture1, Qt::LeftButton);
    QCOMPARE(d.Picture1->Color(), 0x0000FF);
    g_AxesDialogOK = true;
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QVERIFY(!g_AxesDialogOK);
    QCOMPARE(g_CoordSystem.Save(), before);
    QCOMPARE(g_CoordSystem.AxisStyle, int32_t(AxisStylePanels));
}

void TestAxesDialogs::commandRebuildsAfterOkOnly_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("2D OK") << int(DocumentKind2D) << true << "frmF20";
    QTest::newRow("2D Cancel") << int(DocumentKind2D) << false << "frmF20";
    QTest::newRow("3D OK") << int(DocumentKind3D) << true << "frmF3";
    QTest::newRow("2.5D Cancel") << int(DocumentKind25D) << false << "frmF3";
}

void TestAxesDialogs::commandRebuildsAfterOkOnly()
{
    QFETCH(int, kind);
    QFETCH(bool, ok);
    QFETCH(QString, dialog);
    g_DocumentKind = kind;
    QString shown;
    // Presses the button once the modal dialog is up.
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        shown = w->objectName();
        auto* button = w->findChild<QPushButton*>(ok ? QStringLiteral("Command1")
                                                     : QStringLiteral("Command2"));
        QVERIFY(button);
        button->click();
    });
    QStringList calls;
    const bool confirmed = RunAxesCommand(nullptr, [&] { calls << "rebuild"; },
                                          [&] { calls << "display"; });
    QCOMPARE(shown, dialog);
    QCOMPARE(confirmed, ok);
    const QStringList expected = ok ? QStringList{"rebuild", "display"} : QStringList{};
    QCOMPARE(calls, expected);
    QVERIFY(!g_AxesDialogOK);
}

QTEST_MAIN(TestAxesDialogs)
#include "tst_axes_dialogs.moc"
