// The point dialog and the point animation dialog, on their own and through
// the Draw menu's "点" and the Animation menu's "点动画" in the main window:
// the systems and captions per document kind, the checks of OK, and the
// graph, list entry and view rotation that a successful OK gives.
#include "app/AnimationCommands_ui.h"
#include "app/frmF1_ui.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF16_ui.h"
#include "dialogs/graph/frmF17_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

class TestPointDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void systemsAndCaptions_data();
    void systemsAndCaptions();
    void pointCommandPerDocumentKind_data();
    void pointCommandPerDocumentKind();
    void pointChecks();
    void animatedPointCommand();
    void animatedPointChecks();

private:
    void NewDocument(int kind);
    template <class Dialog>
    void Run(const char* action, const std::function<void(Dialog*)>& fill);
    QAction* Action(const char* name) const { return m_window->findChild<QAction*>(name); }

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestPointDialogs::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestPointDialogs::init()
{
    m_window = new frmF1;
    m_window->Form_Load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPointDialogs::cleanup()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestPointDialogs::NewDocument(int kind)
{
    if (kind == DocumentKind2D)
        m_window->mnuFileNew2D_Click();
    else if (kind == DocumentKind25D)
        m_window->mnuFileNew25D_Click();
    else
        m_window->mnuFileNew3D_Click();
    QCOMPARE(g_DocumentKind, kind);
}

template <class Dialog>
void TestPointDialogs::Run(const char* action, const std::function<void(Dialog*)>& fill)
{
    QTimer::singleShot(0, [fill] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        fill(d);
        if (d->isVisible())
            d->Command2->click();
    });
    Action(action)->trigger();
}

void TestPointDialogs::systemsAndCaptions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("systems");
    QTest::addColumn<QStringList>("pointCaptions");
    QTest::addColumn<QStringList>("animCaptions");
    const QStringList plane = {"直角坐标", "极坐标"};
    const QStringList space = {"直角坐标", "柱面坐标", "球面坐标"};
    QTest::newRow("2D Cartesian") << 1 << 0 << plane << QStringList{"x", "y", "Z"}
                                  << QStringList{"x(t)", "y(t)", "Z(t)"};
    QTest::newRow("2.5D polar") << 2 << 1 << plane << QStringList{"a", "r", "Z"}
                                << QStringList{"a(t)", "r(t)", "Z(t)"};
    QTest::newRow("3D Cartesian") << 3 << 0 << space << QStringList{"x", "y", "z"}
                                  << QStringList{"x(t)", "y(t)", "z(t)"};
    QTest::newRow("3D cylindrical") << 3 << 1 << space << QStringList{"a", "r", "z"}
                                    << QStringList{"a(t)", "r(t)", "z(t)"};
    QTest::newRow("3D spherical") << 3 << 2 << space << QStringList{"a", "b", "r"}
                                  << QStringList{"a(t)", "b(t)", "r(t)"};
}

void TestPointDialogs::systemsAndCaptions()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QStringList, systems);
    QFETCH(QStringList, pointCaptions);
    QFETCH(QStringList, animCaptions);
    g_DocumentKind = kind;
    auto items = [](QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    };

    frmF16 point;
    QCOMPARE(point.windowTitle(), QStringLiteral("点属性"));
    QCOMPARE(items(point.Combo1), systems);
    QCOMPARE(point.Combo1->currentIndex(), 0);
    QCOMPARE(point.Combo2->currentText(), QStringLiteral("2"));
    point.SetCombo1Index(index);
    QCOMPARE((QStringList{point.Label3->text(), point.Label4->text(), point.Label5->text()}),
             pointCaptions);

    frmF17 anim;
    QCOMPARE(anim.windowTitle(), QStringLiteral("点动画"));
    QCOMPARE(items(anim.Combo1), systems);
    QCOMPARE(anim.Combo1->currentIndex(), -1); // none chosen at load
    QCOMPARE(anim.Text1->text(), QStringLiteral("Untitled"));
    anim.SetCombo1Index(index);
    QCOMPARE((QStringList{anim.Label3->text(), anim.Label4->text(), anim.Label5->text()}),
             animCaptions);
}

void TestPointDialogs::pointCommandPerDocumentKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("expressions");
    QTest::addColumn<int>("coordType");
    QTest::addColumn<float>("pitch");
    QTest::addColumn<int>("color");
    QTest::newRow("2D Cartesian") << 1 << 0 << "点  x=1, y=2" << QStringList{"0", "1", "2"} << 1
                                  << 0.0f << 0;
    QTest::newRow("2.5D polar") << 2 << 1 << "点  a=1, r=2" << QStringList{"0", "1", "2"} << 2
                                << 0.0f << 255;
    QTest::newRow("3D spherical") << 3 << 2 << "点  a=1, b=2, r=3"
                                  << QStringList{"1", "2", "3"} << 5 << -15.0f << 255;
}

void TestPointDialogs::pointCommandPerDocumentKind()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(QStringList, expressions);
    QFETCH(int, coordType);
    QFETCH(float, pitch);
    QFETCH(int, color);
    NewDocument(kind);
    bool zShown = false, hollowShown = false;
    Run<frmF16>("mnuDrawPoint", [&](frmF16* d) {
        zShown = !d->Text4->isHidden();
        hollowShown = !d->Frame2->isHidden();
        d->SetCombo1Index(index);
        d->Text1->setText(QStringLiteral("P"));
        d->Text2->setText(QStringLiteral("1"));
        d->Text3->setText(QStringLiteral("2"));
        d->Text4->setText(QStringLiteral("3"));
        d->Combo2->setEditText(QStringLiteral("2.5"));
        d->Option2->setChecked(true);
        d->Command1->click();
    });
    QCOMPARE(zShown, kind != DocumentKind2D);
    QCOMPARE(hollowShown, kind == DocumentKind2D);
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(m_window->List1->item(0)->text(), label);
    QCOMPARE(m_window->List1->item(0)->checkState(), Qt::Checked);
    const auto g = g_ShownGraphs.FunSurfs.Item(1);
    QCOMPARE(g->GraphType, int(GraphTypePoint));
    QCOMPARE(g->FunForm, int(FunFormParametric));
    QCOMPARE(g->CoordType, coordType);
    QCOMPARE((QStringList{g->ExpressX, g->ExpressY, g->ExpressZ}), expressions);
    QCOMPARE(g->NameS, QStringLiteral("P"));
    QCOMPARE(g->PointSize, 2.5f);
    QVERIFY(g->PointHollow);
    QCOMPARE(g->PointColor, color);
    QVERIFY(!g->Animation);
    QCOMPARE(g_ShownGraphs.RotPitch, pitch);
}

void TestPointDialogs::pointChecks()
{
    g_DocumentKind = DocumentKind2D;
    struct Case {
        const char* x;
        const char* y;
        const char* message;
    };
    const Case cases[] = {
        {"1", "2$", "存在非法数据。"},
        {"1", "  ", "请输入所有参数。"}, // blanks clean to nothing
        {"", "2", nullptr},              // an empty box counts as 0
        {"10^50", "1", "无法计算该图形。"},  // beyond the float range
    };
    for (const Case& c : cases) {
        g_AllGraphs.FunSurfs.Clear();
        g_ShownGraphs.FunSurfs.Clear();
        MessageRecorder recorder;
        frmF16 d;
        d.SetUpForDrawMenu();
        d.Text2->setText(QString::fromUtf8(c.x));
        d.Text3->setText(QString::fromUtf8(c.y));
        const int32_t lastID = g_LastGraphID;
        d.Command1_Click();
        if (c.message) {
            QCOMPARE(recorder.Count(), 1);
            QCOMPARE(recorder.Messages()[0].text, QString::fromUtf8(c.message));
            QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
            QCOMPARE(g_LastGraphID, lastID); // a refused point uses no ID
            QVERIFY(d.result() != QDialog::Accepted);
        } else {
            QCOMPARE(recorder.Count(), 0);
            QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
            QCOMPARE(d.Text2->text(), QStringLiteral("0"));
        }
    }
}

void TestPointDialogs::animatedPointCommand()
{
    NewDocument(DocumentKind25D);
    g_FrameCount = 12;
    QString segments;
    bool segmentsEnabled = true, zShown = false;
    Run<frmF17>("mnuAniPoint", [&](frmF17* d) {
        segments = d->Text7->text();
        segmentsEnabled = d->Text7->isEnabled();
        zShown = !d->Text4->isHidden();
        d->Text2->setText(QStringLiteral("cos(t)"));
        d->Text3->setText(QStringLiteral("sin(t)"));
        d->Text4->setText(QStringLiteral("")); // shown, but not needed in 2.5D
        d->Text5->setText(QStringLiteral("0"));
        d->Text6->setText(QStringLiteral("2*pi"));
        d->Command1->click();
    });
    QCOMPARE(segments, QStringLiteral("12"));
    QVERIFY(!segmentsEnabled);
    QVERIFY(zShown);
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(m_window->List1->item(0)->text(), QStringLiteral("点动画   x=cos(t), y=sin(t)"));
    const auto g = g_ShownGraphs.FunSurfs.Item(1);
    QCOMPARE(g->GraphType, int(GraphTypePointAnimation));
    QVERIFY(g->Animation);
    QCOMPARE(g->MinT, 0.0f);
    QVERIFY(qAbs(g->MaxT - 6.2831855f) < 1e-5f);
    QCOMPARE(g->PointColor, 255);
    QCOMPARE(g->Anim1D.Upper(0), 12);
    // A point in a 2.5D document keeps the plane view.
    QCOMPARE(g_ShownGraphs.RotPitch, 0.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 0.0f);
    QVERIFY(Action("mnuAniNormal")->isEnabled());
}

void TestPointDialogs::animatedPointChecks()
{
    struct Case {
        const char* x;
        const char* minT;
        const char* maxT;
        const char* segments;
        const char* message;
        bool playbackEnabled; // enabled by the time the check stopped
    };
    const Case cases[] = {
        {"", "0", "1", "10", "请输入所有参数。", false},     // refused before cleaning
        {"t$", "0", "1", "10", "存在非法数据。", false},
        {"t", "0", "1", "0", "段数 t 必须大于0。", false},
        {"t", "2", "1", "10", "最小 t 必须小于最大 t.", true},
        {"t*10^50", "0", "1", "10", "无法计算该图形。", true},
        {"t", "1", "1", "10", nullptr, true},                // equal bounds pass
    };
    for (const Case& c : cases) {
        NewDocument(DocumentKind2D); // playback commands off again
        g_AllGraphs.FunSurfs.Clear();
        g_ShownGraphs.FunSurfs.Clear();
        MessageRecorder recorder;
        frmF17 d(m_window);
        d.SetUpForAnimationMenu();
        d.Text7->setText(QString::fromUtf8(c.segments));
        d.Text2->setText(QString::fromUtf8(c.x));
        d.Text3->setText(QStringLiteral("t"));
        d.Text5->setText(QString::fromUtf8(c.minT));
        d.Text6->setText(QString::fromUtf8(c.maxT));
        d.Command1_Click();
        if (c.message) {
            QCOMPARE(recorder.Count(), 1);
            QCOMPARE(recorder.Messages()[0].text, QString::fromUtf8(c.message));
            QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
        } else {
            QCOMPARE(recorder.Count(), 0);
            QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
        }
        QCOMPARE(Action("mnuAniStartb")->isEnabled(), c.playbackEnabled);
    }
}

QTEST_MAIN(TestPointDialogs)
#include "tst_point_dialogs.moc"
