// The main window under X with its real drawing area: start-up state, the
// road of one 2D function graph, the graph list and the two scenes, IDs,
// new documents, closing, and the splitter bars.
#include "app/SplitterBar_ui.h"
#include "app/frmF1_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF5_ui.h"
#include "draw/ResultPane.h"
#include "expr/Globals.h"
#include "io/DocumentWriter.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls10.h"
#include "view/DrawingArea_gl.h"
#include "view/ViewState.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startUpState();
    void menus();
    void drawMenuRoad();
    void untickAndRetickMovesGraphToEnd();
    void idsAfterDeleteAndDeleteAll();
    void rightClickActsOnClickedEntry();
    void editKeepsGraphOnFailureAndRelabelsOnSuccess();
    void newDocuments();
    void closeAsksFirst();
    void splitterDrag();
    void commandLineDocument();

private:
    // Creates a graph as the Draw menu's Cartesian command does, without the
    // modal loop.
    void Create(const QString& expression);
    QStringList ShownExpressions() const;
    QStringList ListTexts() const;

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestMainWindow::initTestCase()
{
    // Start-up writes the file association into the user's data folder.
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestMainWindow::init()
{
    m_window = new frmF1;
    m_window->Form_Load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    if (!m_window)
        return;
    // Close without the save question.
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestMainWindow::Create(const QString& expression)
{
    g_EditingGraph = false;
    const int32_t old = g_AllGraphs.FunSurfs.Count();
    frmF5 d(m_window);
    d.SetUpForDrawMenu(false);
    d.Text2->setText(expression);
    d.Text4->setText(QStringLiteral("-10"));
    d.Text5->setText(QStringLiteral("10"));
    d.Command1_Click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    m_window->FinishCreatingCommand(old, 0.0f, 0.0f, 0.0f);
}

QStringList TestMainWindow::ShownExpressions() const
{
    QStringList out;
    for (const auto& g : g_ShownGraphs.FunSurfs)
        out << g->ExpressZ;
    return out;
}

QStringList TestMainWindow::ListTexts() const
{
    QStringList out;
    for (int i = 0; i < m_window->List1->count(); ++i)
        out << m_window->List1->item(i)->text();
    return out;
}

void TestMainWindow::startUpState()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Curvarium"));
    QCOMPARE(g_DocumentKind, int(DocumentKind2D));
    QCOMPARE(g_CurFrame, 1);
    QCOMPARE(g_FrameCount, 10);
    QCOMPARE(g_FramesPerSecond, 10);
    QCOMPARE(m_window->mlngPlayMode, int(AnimationPlayModeForwardOnce));
    QCOMPARE(m_window->Timer1->interval(), 100);
    QVERIFY(!m_window->Timer1->isActive());
    QVERIFY(g_CoordSystem.Show);
    QCOMPARE(g_RangeMinX, -20.0f);
    QCOMPARE(g_RangeMaxY, 20.0f);
    QCOMPARE(g_RangeMinZ, -50.0f);
    QCOMPARE(g_RangeMaxZ, 50.0f);
    QCOMPARE(g_LastGraphID, 0);
    QVERIFY(!g_EditingGraph);
    QCOMPARE(g_ShownGraphs.RotPitch, 0.0f);
    QCOMPARE(m_window->List1->count(), 0);
    QVERIFY(m_window->picDraw->IsReady());
    // The panes sit where the two bars say.
    const double tpp = m_window->TwipsPerPixel();
    QCOMPARE(m_window->SplitterLeftTwips(), StartSplitterLeftTwips);
    QVERIFY(qAbs(m_window->List1->width() - StartSplitterLeftTwips / tpp) <= 1);
    QVERIFY(m_window->picDraw->x() > m_window->List1->width());
    QVERIFY(m_window->Result->y() > m_window->List1->y());
    QVERIFY(m_window->Result->height() > 0);
    // The horizontal bar starts 40 above the lowest place a drag allows.
    const WindowLayoutInput& in = m_window->LayoutInput();
    QCOMPARE(m_window->Splitter2TopTwips(), in.clientHeight - 3 * in.toolbarHeight - 40);
}

void TestMainWindow::menus()
{
    QStringList captions;
    for (QAction* a : m_window->menuBar()->actions())
        captions << a->text();
    QCOMPARE(captions, (QStringList{"文件", "编辑", "视图", "绘制", "动画", "工具", "演示", "帮助"}));
    auto action = [&](const char* name) { return m_window->findChild<QAction*>(name); };
    QCOMPARE(action("mnuFileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(action("mnuFileSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(action("mnuFilePrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(action("mnuFileExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    QVERIFY(action("mnuFileNew2D"));
    QCOMPARE(action("mnuDraw2DCart")->text(), QStringLiteral("直角坐标"));
    QCOMPARE(action("mnuDraw2DPolar")->text(), QStringLiteral("极坐标"));
    QCOMPARE(action("mnuToolCal")->text(), QStringLiteral("表达式计算器"));
    // Only 2D documents offer 2D function graphs.
    QVERIFY(action("mnuDrawFun2D")->isEnabled());
    MessageRecorder recorder;
    QVERIFY(!action("mnuViewISO")->isEnabled());
    m_window->mnuFileNew3D_Click();
    QVERIFY(!action("mnuDrawFun2D")->isEnabled());
    // The ISO view returns from a trackball rotation to the scene's angles.
    QVERIFY(action("mnuViewISO")->isEnabled());
    g_ShownGraphs.RotYaw = 10.0f;
    g_View.mbolTrackball = true;
    action("mnuViewISO")->trigger();
    QCOMPARE(g_ShownGraphs.RotPitch, -15.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 45.0f);
    QVERIFY(!g_View.mbolTrackball);
    m_window->mnuFileNew2D_Click();
    QVERIFY(action("mnuDrawFun2D")->isEnabled());
    QVERIFY(!action("mnuViewISO")->isEnabled());
}

void TestMainWindow::drawMenuRoad()
{
    // The real command with its modal dialog, filled as a user would.
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmF5*>(QApplication::activeModalWidget());
        QVERIFY(d);
        seen = true;
        QVERIFY(!d->AnimationMode());
        d->Text2->setText(QStringLiteral("sin(x)"));
        d->Text4->setText(QStringLiteral("-10"));
        d->Text5->setText(QStringLiteral("10"));
        d->Command1->click();
    });
    g_ShownGraphs.RotYaw = 30.0f;
    m_window->findChild<QAction*>("mnuDraw2DCart")->trigger();
    QVERIFY(seen);
    QCOMPARE(ListTexts(), QStringList{QStringLiteral("二维曲线  y=sin(x)")});
    QCOMPARE(m_window->List1->item(0)->checkState(), Qt::Checked);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    const auto g = g_ShownGraphs.FunSurfs.Item(1);
    QCOMPARE(g->StepV, 200);
    QCOMPARE(g_ShownGraphs.RotRoll, 0.0f);
    QCOMPARE(g_ShownGraphs.RotPitch, 0.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 0.0f);

    // Cancel adds nothing and leaves the rotation alone.
    g_ShownGraphs.RotYaw = 30.0f;
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<frmF5*>(QApplication::activeModalWidget()))
            d->Command2->click();
    });
    m_window->mnuDraw2DPolar_Click();
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(g_ShownGraphs.RotYaw, 30.0f);
}

void TestMainWindow::untickAndRetickMovesGraphToEnd()
{
    Create("x");
    Create("2*x");
    Create("3*x");
    QCOMPARE(ShownExpressions(), (QStringList{"x", "2*x", "3*x"}));
    m_window->SetEntryTicked(0, false);
    QCOMPARE(ShownExpressions(), (QStringList{"2*x", "3*x"}));
    m_window->SetEntryTicked(0, true);
    QCOMPARE(ShownExpressions(), (QStringList{"2*x", "3*x", "x"}));
    // The list keeps its order.
    QCOMPARE(ListTexts().first(), QStringLiteral("二维曲线  y=x"));

    // One tick change repairs every mismatch between list and scene.
    g_ShownGraphs.FunSurfs.Remove(QString::number(g_AllGraphs.FunSurfs.Item(3)->ID));
    m_window->SetEntryTicked(1, false);
    m_window->SetEntryTicked(1, true);
    QCOMPARE(ShownExpressions(), (QStringList{"x", "3*x", "2*x"}));

    // Ticked again after the plot range changed, a graph is sampled anew.
    m_window->SetEntryTicked(0, false);
    g_RangeMaxY = 5.0f;
    m_window->SetEntryTicked(0, true);
    const auto first = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(first->Vert3D(0, 200).y, UndefinedSample); // x = 10 lies above y = 5
    g_RangeMaxY = 20.0f;
    QCOMPARE(ShownExpressions(), (QStringList{"3*x", "2*x", "x"}));

    // Deleting an unticked graph leaves the shown scene as it was.
    m_window->SetEntryTicked(1, false);
    m_window->List1->setCurrentRow(1);
    m_window->mnuEditDelete_Click();
    QCOMPARE(ShownExpressions(), (QStringList{"3*x", "x"}));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(ListTexts(), (QStringList{"二维曲线  y=x", "二维曲线  y=3*x"}));
    QCOMPARE(m_window->List1->count(), 2);
}

void TestMainWindow::idsAfterDeleteAndDeleteAll()
{
    Create("x");
    Create("x^2");
    Create("x^3");
    m_window->List1->setCurrentRow(2);
    m_window->mnuEditDelete_Click();
    Create("x^4");
    QCOMPARE(g_AllGraphs.FunSurfs.Item(3)->ID, 4);

    // No selection: Delete does nothing.
    m_window->List1->setCurrentRow(-1);
    m_window->mnuEditDelete_Click();
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 3);

    m_window->mnuEditDelAll_Click();
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    QCOMPARE(m_window->List1->count(), 0);
    Create("x");
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->ID, 1);
    // Delete on an empty list changes nothing.
    m_window->mnuEditDelAll_Click();
    m_window->mnuEditDelete_Click();
    QCOMPARE(m_window->List1->count(), 0);
}

void TestMainWindow::rightClickActsOnClickedEntry()
{
    Create("x");
    Create("x+1");
    Create("x+2");
    m_window->List1->setCurrentRow(0);
    const QRect third = m_window->List1->visualItemRect(m_window->List1->item(2));
    QTimer::singleShot(0, [this] {
        m_window->findChild<QAction*>("mnuFunDelete")->trigger();
        m_window->FunEdit->close();
    });
    emit m_window->List1->customContextMenuRequested(third.center());
    QTRY_COMPARE(m_window->List1->count(), 2);
    QCOMPARE(ListTexts(), (QStringList{"二维曲线  y=x", "二维曲线  y=x+1"}));
}

void TestMainWindow::editKeepsGraphOnFailureAndRelabelsOnSuccess()
{
    Create("x");
    Create("x^2");
    const auto edited = g_AllGraphs.FunSurfs.Item(2);
    const float sampled = edited->Vert3D(0, 10).y;
    m_window->List1->setCurrentRow(1);
    g_EditingGraph = true;
    {
        frmF5 d(m_window);
        d.SetUpForDrawMenu(true);
        d.Text2->setText(QStringLiteral("sqrt(")); // does not compile
        MessageRecorder recorder;
        d.Command1_Click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(g_EditingGraph);
        QCOMPARE(edited->ExpressZ, QStringLiteral("x^2"));
        QCOMPARE(edited->CoordType, int(CoordTypeCartesian2D));
        QCOMPARE(edited->Vert3D(0, 10).y, sampled);
        QCOMPARE(ListTexts()[1], QStringLiteral("二维曲线  y=x^2"));

        d.Text2->setText(QStringLiteral("2*a"));
        d.Command1_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QVERIFY(!g_EditingGraph);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(edited->ID, 2);
    QCOMPARE(edited->ExpressZ, QStringLiteral("2*a"));
    QCOMPARE(ListTexts()[1], QStringLiteral("二维曲线  r=2*a"));
    QCOMPARE(m_window->List1->item(1)->checkState(), Qt::Checked);
}

void TestMainWindow::newDocuments()
{
    // New on an empty document asks nothing.
    {
        MessageRecorder recorder;
        m_window->mnuFileNew25D_Click();
        QCOMPARE(recorder.Count(), 0);
    }
    QCOMPARE(g_DocumentKind, int(DocumentKind25D));
    QCOMPARE(g_ShownGraphs.RotPitch, -15.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 45.0f);
    QVERIFY(g_CoordSystem.BetterFonts);
    // New 2D keeps the light where 2.5D put it.
    g_Light.Position[0] = 7.0f;
    m_window->mnuFileNew2D_Click();
    QCOMPARE(g_ShownGraphs.RotYaw, 0.0f);
    QVERIFY(!g_CoordSystem.BetterFonts);
    QCOMPARE(g_Light.Position[0], 7.0f);

    Create("x");
    m_window->List1->setCurrentRow(0);
    m_window->mnuEditDelete_Click();
    Create("x"); // ID 2: New without graphs keeps the counter
    {
        MessageRecorder recorder;
        recorder.Answer(MsgAnswer::Cancel);
        m_window->mnuFileNew3D_Click();
        QCOMPARE(recorder.Count(), 1);
        QCOMPARE(recorder.Messages()[0].text, QStringLiteral("是否保存当前图形？"));
        QCOMPARE(recorder.Messages()[0].title, QStringLiteral("注意"));
    }
    QCOMPARE(g_DocumentKind, int(DocumentKind2D));
    QCOMPARE(m_window->List1->count(), 1);
    {
        MessageRecorder recorder;
        recorder.Answer(MsgAnswer::No);
        m_window->mnuFileNew3D_Click();
    }
    QCOMPARE(g_DocumentKind, int(DocumentKind3D));
    QCOMPARE(m_window->List1->count(), 0);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_LastGraphID, 0);
}

void TestMainWindow::closeAsksFirst()
{
    Create("x");
    {
        MessageRecorder recorder;
        recorder.Answer(MsgAnswer::Cancel);
        QVERIFY(!m_window->close());
        QCOMPARE(recorder.Count(), 1);
        QCOMPARE(recorder.Messages()[0].text, QStringLiteral("是否保存当前图形？"));
    }
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->picDraw->IsReady());
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    {
        MessageRecorder recorder;
        recorder.Answer(MsgAnswer::No);
        m_window->mnuFileExit_Click();
    }
    QVERIFY(!m_window->isVisible());
}

void TestMainWindow::splitterDrag()
{
    SplitterBar* bar = m_window->Splitter;
    const double tpp = m_window->TwipsPerPixel();
    // Dragged far to the left, the bar stops at 1000 twips when released.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 50));
    QVERIFY(m_window->mbolSplitterDrag);
    QMouseEvent move(QEvent::MouseMove, QPointF(-300, 50), bar->mapToGlobal(QPointF(-300, 50)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(bar, &move);
    // Only the bar moved so far.
    QVERIFY(qAbs(m_window->List1->width() - StartSplitterLeftTwips / tpp) <= 1);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 50));
    QVERIFY(!m_window->mbolSplitterDrag);
    QCOMPARE(m_window->SplitterLeftTwips(), 1000);
    QVERIFY(qAbs(m_window->List1->width() - 1000 / tpp) <= 1);
    QVERIFY(qAbs(m_window->picDraw->x() - (1000 + 60) / tpp) <= 1);

    // The horizontal bar released below its limit ends there.
    SplitterBar* bar2 = m_window->Splitter2;
    QTest::mousePress(bar2, Qt::LeftButton, {}, QPoint(5, 1));
    QMouseEvent down(QEvent::MouseMove, QPointF(5, 2000), bar2->mapToGlobal(QPointF(5, 2000)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(bar2, &down);
    QTest::mouseRelease(bar2, Qt::LeftButton, {}, QPoint(5, 1));
    const WindowLayoutInput& in = m_window->LayoutInput();
    QCOMPARE(m_window->Splitter2TopTwips(), in.clientHeight - 3 * in.toolbarHeight);
    // The list reaches half-way into the bar; the result pane starts below it.
    const WindowLayoutRects& r = m_window->LayoutRects();
    QCOMPARE(r.list1.top() + r.list1.height(), m_window->Splitter2TopTwips() + 20);
    QCOMPARE(r.result.top(), m_window->Splitter2TopTwips() + 40);
}


void TestMainWindow::commandLineDocument()
{
    // A 3D document holding one graph, in a folder and file with blanks.
    Create("x^2");
    g_DocumentKind = DocumentKind3D;
    QString error;
    const auto bytes = CurrentDocumentFile(&error);
    QVERIFY2(bytes, qPrintable(error));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("my docs/a b.qgd"));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("my docs"))));
    QVERIFY(WriteFileReplacing(path, *bytes, &error));
    cleanup();

    m_window = new frmF1;
    {
        MessageRecorder recorder;
        m_window->Form_Load(path);
        QCOMPARE(recorder.Count(), 0);
    }
    QCOMPARE(g_DocumentKind, int(DocumentKind3D));
    QCOMPARE(g_ShownGraphs.RotPitch, -15.0f);
    QCOMPARE(ListTexts(), QStringList{QStringLiteral("二维曲线  y=x^2")});
    QCOMPARE(m_window->List1->item(0)->checkState(), Qt::Checked);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    cleanup();

    // A document that cannot be read is reported, and the user gets an
    // empty 2D document.
    m_window = new frmF1;
    {
        MessageRecorder recorder;
        m_window->Form_Load(dir.filePath(QStringLiteral("missing.qgd")));
        QCOMPARE(recorder.Count(), 1);
    }
    QCOMPARE(g_DocumentKind, int(DocumentKind2D));
    QCOMPARE(m_window->List1->count(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
