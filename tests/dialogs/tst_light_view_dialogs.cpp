// The light dialog and the view dialog driven through their widgets: what
// they load, what OK writes, that Cancel and a refused OK leave the light,
// the camera and the visible region as they were.
#include "dialogs/view/frmF14_ui.h"
#include "dialogs/view/frmF8_ui.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls10.h"
#include "view/Cls4.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestLightViewDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lightLoad();
    void lightOkWritesEveryBox();
    void lightBoxValue_data();
    void lightBoxValue();
    void lightCancelChangesNothing();
    void viewLoad();
    void viewOkCleansAndWrites_data();
    void viewOkCleansAndWrites();
    void viewRefusedBox_data();
    void viewRefusedBox();
    void viewCancelChangesNothing();
    void viewOkWithoutChangeKeepsWideRange();
    void viewMinimumAboveMaximum_data();
    void viewMinimumAboveMaximum();

private:
    static void SetRange(float v);
};

void TestLightViewDialogs::SetRange(float v)
{
    g_RangeMinX = -v;
    g_RangeMaxX = v;
    g_RangeMinY = -v;
    g_RangeMaxY = v;
    g_RangeMinZ = -2 * v;
    g_RangeMaxZ = 2 * v;
}

void TestLightViewDialogs::init()
{
    g_Light = Cls10{};
    g_Camera.ProjectType = ProjectionOrthographic;
    SetRange(20.0f);
}

void TestLightViewDialogs::lightLoad()
{
    g_Light.Enabled = false;
    g_Light.TwoSides[0] = 0.0f;
    g_Light.GlobalAmbient[0] = 0.5f;
    g_Light.Position = {1.5f, -2.0f, 0.25f, 0.0f};
    g_Light.Diffuse = {0.1f, 0.2f, 0.3f, 1.0f};
    frmF8 d;
    QCOMPARE(d.windowTitle(), QStringLiteral("光照属性"));
    QVERIFY(!d.Check1->isChecked());
    QVERIFY(!d.Check2->isChecked());
    QVERIFY(d.Check3->isChecked()); // any level but 0
    QCOMPARE(d.Text[1]->text(), QStringLiteral("1.5"));
    QCOMPARE(d.Text[2]->text(), QStringLiteral("-2"));
    QCOMPARE(d.Text[3]->text(), QStringLiteral("0.25"));
    QCOMPARE(d.Text[16]->text(), QStringLiteral("0"));
    QCOMPARE(d.Text[4]->text(), QStringLiteral("0.1"));
    QCOMPARE(d.Text[7]->text(), QStringLiteral("1"));
    QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("Text16")), d.Text[16]);
}

void TestLightViewDialogs::lightOkWritesEveryBox()
{
    frmF8 d;
    d.Check1->setChecked(false);
    d.Check2->setChecked(false);
    d.Check3->setChecked(true);
    for (int i = 1; i <= 16; ++i)
        d.Text[i]->setText(QString::number(i));
    QTest::mouseClick(d.Command1, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(g_Light.Enabled, false);
    QCOMPARE(g_Light.TwoSides[0], 0.0f);
    QCOMPARE(g_Light.GlobalAmbient[0], 1.0f);
    QCOMPARE(g_Light.Position, (std::array<float, 4>{1, 2, 3, 16}));
    QCOMPARE(g_Light.Diffuse, (std::array<float, 4>{4, 5, 6, 7}));
    QCOMPARE(g_Light.Amission, (std::array<float, 4>{8, 9, 10, 11}));
    QCOMPARE(g_Light.Specular, (std::array<float, 4>{12, 13, 14, 15}));
}

void TestLightViewDialogs::lightBoxValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");
    QTest::newRow("plain") << "0.75" << 0.75f;
    QTest::newRow("blanks inside") << " 2 0 " << 20.0f;
    QTest::newRow("stops at letter") << "3x" << 3.0f;
    QTest::newRow("no number") << "abc" << 0.0f;
    QTest::newRow("empty") << "" << 0.0f;
    QTest::newRow("exponent") << "-1.5E2" << -150.0f;
    QTest::newRow("too large for a float") << "1E300" << 0.0f;
}

void TestLightViewDialogs::lightBoxValue()
{
    QFETCH(QString, text);
    QFETCH(float, value);
    QCOMPARE(LightBoxValue(text), value);
}

void TestLightViewDialogs::lightCancelChangesNothing()
{
    frmF8 d;
    d.Check1->setChecked(false);
    d.Text[1]->setText(QStringLiteral("7"));
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(g_Light.Enabled, true);
    QCOMPARE(g_Light.Position[0], 100.0f);
}

void TestLightViewDialogs::viewLoad()
{
    g_Camera.ProjectType = ProjectionPerspective;
    g_RangeMinX = -2.5f;
    frmF14 d;
    QCOMPARE(d.windowTitle(), QStringLiteral("视图"));
    QVERIFY(!d.Option1->isChecked());
    QVERIFY(d.Option2->isChecked());
    const QStringList expected = {"-2.5", "20", "-20", "20", "-40", "40"};
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(d.Text[i]->text(), expected[i - 1]);

    g_Camera.ProjectType = 7; // neither button
    frmF14 other;
    QVERIFY(!other.Option1->isChecked() && !other.Option2->isChecked());
}

void TestLightViewDialogs::viewOkCleansAndWrites_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<float>("value");
    QTest::newRow("comma") << "1,5" << "1.5" << 1.5f;
    QTest::newRow("blank dropped") << "2 0" << "20" << 20.0f;
    QTest::newRow("empty") << "" << "0" << 0.0f;
    QTest::newRow("exponent") << "-1e1" << "-1e1" << -10.0f;
    QTest::newRow("equal to the minimum") << "-20" << "-20" << -20.0f;
}

void TestLightViewDialogs::viewOkCleansAndWrites()
{
    QFETCH(QString, text);
    QFETCH(QString, cleaned);
    QFETCH(float, value);
    MessageRecorder messages;
    frmF14 d;
    d.Option2->setChecked(true);
    d.Text[4]->setText(text);
    QTest::mouseClick(d.Command1, Qt::LeftButton);
    QCOMPARE(messages.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Text[4]->text(), cleaned);
    QCOMPARE(g_RangeMaxY, value);
    QCOMPARE(g_RangeMinX, -20.0f);
    QCOMPARE(g_RangeMaxZ, 40.0f);
    QCOMPARE(g_Camera.ProjectType, int32_t(ProjectionPerspective));
}

void TestLightViewDialogs::viewRefusedBox_data()
{
    QTest::addColumn<int>("box");
    for (int i = 1; i <= 6; ++i)
        QTest::newRow(qPrintable(QStringLiteral("Text%1").arg(i))) << i;
}

void TestLightViewDialogs::viewRefusedBox()
{
    QFETCH(int, box);
    MessageRecorder messages;
    frmF14 d;
    d.show();
    d.Option2->setChecked(true);
    for (int i = 1; i <= 6; ++i)
        d.Text[i]->setText(QStringLiteral("3,5"));
    d.Text[box]->setText(QStringLiteral("abc"));
    d.Command1_Click();
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("存在非法数据。"));
    QCOMPARE(messages.Messages()[0].title, QStringLiteral("出错"));
    QCOMPARE(messages.Messages()[0].icon, MsgIcon::Warning);
    QVERIFY(d.isVisible()); // stays open
    // Boxes before the refused one were cleaned; nothing was written.
    for (int i = 1; i < box; ++i)
        QCOMPARE(d.Text[i]->text(), QStringLiteral("3.5"));
    QCOMPARE(g_Camera.ProjectType, int32_t(ProjectionOrthographic));
    QCOMPARE(g_RangeMinX, -20.0f);
    QCOMPARE(g_RangeMaxZ, 40.0f);
    // Cancel after the refusal keeps everything as it was.
    d.Command2_Click();
    QCOMPARE(g_Camera.ProjectType, int32_t(ProjectionOrthographic));
    QCOMPARE(g_RangeMaxX, 20.0f);
}

void TestLightViewDialogs::viewMinimumAboveMaximum_data()
{
    QTest::addColumn<int>("minBox");
    QTest::newRow("x") << 1;
    QTest::newRow("y") << 3;
    QTest::newRow("z") << 5;
}

void TestLightViewDialogs::viewMinimumAboveMaximum()
{
    QFETCH(int, minBox);
    MessageRecorder messages;
    frmF14 d;
    d.show();
    d.Text[minBox]->setText(QStringLiteral("5"));
    d.Text[minBox + 1]->setText(QStringLiteral("4,5"));
    d.Command1_Click();
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("最小值不能大于最大值。"));
    QVERIFY(d.isVisible());
    QCOMPARE(g_RangeMinX, -20.0f);
    QCOMPARE(g_RangeMaxX, 20.0f);
    QCOMPARE(g_RangeMaxZ, 40.0f);
}

void TestLightViewDialogs::viewCancelChangesNothing()
{
    frmF14 d;
    d.Option2->setChecked(true);
    d.Text[1]->setText(QStringLiteral("-3"));
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(g_Camera.ProjectType, int32_t(ProjectionOrthographic));
    QCOMPARE(g_RangeMinX, -20.0f);
}

void TestLightViewDialogs::viewOkWithoutChangeKeepsWideRange()
{
    SetRange(100000000.0f);
    g_RangeMinX = 0.00001f;
    MessageRecorder messages;
    frmF14 d;
    QCOMPARE(d.Text[2]->text(), QStringLiteral("100000000"));
    d.Command1_Click();
    QCOMPARE(messages.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(g_RangeMinX, 0.00001f);
    QCOMPARE(g_RangeMaxX, 100000000.0f);
    QCOMPARE(g_RangeMinZ, -200000000.0f);
}

QTEST_MAIN(TestLightViewDialogs)
#include "tst_light_view_dialogs.moc"
