// The View menu, the coordinate-system and light commands and the drag
// handling as the main window offers them: menu order and captions, the
// mode commands, the dialogs each command opens, and a rotate drag on the
// window's own drawing area.
#include "app/frmF1_ui.h"
#include "dialogs/view/AxesCommand_ui.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/DrawingArea_gl.h"
#include "view/Trackball.h"
#include "view/ViewState.h"

#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestViewMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuLayout();
    void modeCommands_data();
    void modeCommands();
    void commandsOpenTheirDialogs_data();
    void commandsOpenTheirDialogs();
    void axesCommandAppliesOnOk();
    void rotateDragOnTheWindowsDrawingArea();

private:
    QAction* Action(const char* name) const { return m_window->findChild<QAction*>(name); }
    QStringList Names(QMenu* menu) const;

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

QStringList TestViewMenu::Names(QMenu* menu) const
{
    QStringList names;
    for (QAction* a : menu->actions())
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

void TestViewMenu::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
}

void TestViewMenu::init()
{
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestViewMenu::cleanup()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->mbolQuit = true;
    MessageRecorder recorder;
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestViewMenu::menuLayout()
{
    auto* view = m_window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuView"));
    QVERIFY(view);
    QCOMPARE(Names(view), (QStringList{"mnuViewMove", "mnuViewZoom", "mnuViewFit", "mnuViewRotX",
                                       "mnuViewRotY", "mnuViewRotZ", "mnuViewRotate", "-",
                                       "mnuViewISO", "-", "mnuViewSet"}));
    const QStringList captions = {"平移", "缩小或放大", "缩放到合适大小", "绕X轴旋转", "绕Y轴旋转",
                                  "绕Z轴旋转", "任意旋转", "", "ISO视图", "", "设置..."};
    for (int i = 0; i < captions.size(); ++i) {
        if (!captions[i].isEmpty())
            QCOMPARE(view->actions()[i]->text(), captions[i]);
    }
    auto* draw = m_window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuDraw"));
    const QStringList drawNames = Names(draw);
    QCOMPARE(drawNames.mid(drawNames.size() - 3), (QStringList{"-", "mnuDrawAxis", "mnuDrawLight"}));
    QCOMPARE(Action("mnuDrawAxis")->text(), QStringLiteral("坐标系..."));
    QCOMPARE(Action("mnuDrawLight")->text(), QStringLiteral("光照..."));
    const QStringList popup = Names(m_window->GraphEdit);
    QCOMPARE(popup.mid(popup.size() - 3), (QStringList{"-", "mnuGraphAxis", "mnuGraphLight"}));
    QCOMPARE(Action("mnuGraphAxis")->text(), QStringLiteral("坐标系..."));
    QCOMPARE(Action("mnuGraphLight")->text(), QStringLiteral("光照..."));
    // A 2D document offers no rotation and no light.
    QVERIFY(!Action("mnuViewRotate")->isEnabled());
    QVERIFY(!Action("mnuDrawLight")->isEnabled());
    QVERIFY(Action("mnuDrawAxis")->isEnabled());
    QVERIFY(Action("mnuViewMove")->isEnabled());
}

void TestViewMenu::modeCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("move");
    QTest::addColumn<bool>("zoom");
    QTest::addColumn<bool>("rotate");
    QTest::addColumn<int>("axis");
    QTest::newRow("move") << "mnuViewMove" << true << false << false << 0;
    QTest::newRow("zoom") << "mnuViewZoom" << false << true << false << 0;
    QTest::newRow("x") << "mnuViewRotX" << false << false << true << int(TrackballAxisX);
    QTest::newRow("y") << "mnuViewRotY" << false << false << true << int(TrackballAxisY);
    QTest::newRow("z") << "mnuViewRotZ" << false << false << true << int(TrackballAxisZ);
    QTest::newRow("free") << "mnuViewRotate" << false << false << true << int(TrackballAxisFree);
}

void TestViewMenu::modeCommands()
{
    QFETCH(QString, command);
    QFETCH(bool, move);
    QFETCH(bool, zoom);
    QFETCH(bool, rotate);
    QFETCH(int, axis);
    m_window->mnuFileNew3D_Click();
    g_View.mbolMoveMode = g_View.mbolZoomMode = g_View.mbolRotateMode = true;
    g_TrackballAxisMode = 0;
    m_window->findChild<QAction*>(command)->trigger();
    QCOMPARE(g_View.mbolMoveMode, move);
    QCOMPARE(g_View.mbolZoomMode, zoom);
    QCOMPARE(g_View.mbolRotateMode, rotate);
    QCOMPARE(g_TrackballAxisMode, axis);
}

void TestViewMenu::commandsOpenTheirDialogs_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("view settings") << "mnuViewSet" << int(DocumentKind2D) << "frmF14";
    QTest::newRow("light") << "mnuDrawLight" << int(DocumentKind3D) << "frmF8";
    QTest::newRow("pop-up light") << "mnuGraphLight" << int(DocumentKind3D) << "frmF8";
    QTest::newRow("axes 2D") << "mnuDrawAxis" << int(DocumentKind2D) << "frmF20";
    QTest::newRow("axes 3D") << "mnuDrawAxis" << int(DocumentKind3D) << "frmF3";
    QTest::newRow("pop-up axes 2.5D") << "mnuGraphAxis" << int(DocumentKind25D) << "frmF3";
}

void TestViewMenu::commandsOpenTheirDialogs()
{
    QFETCH(QString, command);
    QFETCH(int, kind);
    QFETCH(QString, dialog);
    if (kind == DocumentKind3D)
        m_window->mnuFileNew3D_Click();
    else if (kind == DocumentKind25D)
        m_window->mnuFileNew25D_Click();
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        shown = w->objectName();
        w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    QAction* action = m_window->findChild<QAction*>(command);
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(shown, dialog);
}

void TestViewMenu::axesCommandAppliesOnOk()
{
    g_CoordSystem.ShowprimaryGrid = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        w->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(true);
        w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    Action("mnuDrawAxis")->trigger();
    QVERIFY(g_CoordSystem.ShowprimaryGrid);
    QVERIFY(!g_AxesDialogOK); // cleared after the rebuild
}

void TestViewMenu::rotateDragOnTheWindowsDrawingArea()
{
    m_window->mnuFileNew3D_Click();
    Action("mnuViewRotate")->trigger();
    const Vec4 before = g_View.msngCurQuat;
    DrawingArea* area = m_window->picDraw;
    const QPoint centre(area->width() / 2, area->height() / 2);
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseMove(area, centre + QPoint(area->width() / 5, 0));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, centre + QPoint(area->width() / 5, 0));
    QVERIFY(g_View.mbolTrackball);
    QVERIFY(std::fabs(g_View.msngCurQuat[1] - before[1]) > 0.01f);
    // The ISO view hands the rotation back to the scene's angles.
    Action("mnuViewISO")->trigger();
    QVERIFY(!g_View.mbolTrackball);
}

QTEST_MAIN(TestViewMenu)
#include "tst_view_menu.moc"
