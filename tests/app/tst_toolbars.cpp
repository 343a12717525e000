// The main window's toolbars: their buttons in order, the enabled state of
// each per document kind, the status-bar hint under the pointer, the layout
// with real toolbars, and the shortcuts of the menus.
#include "MainWindowFixture.h"
#include "app/Toolbars_ui.h"
#include "app/WindowLayout.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include "view/DrawingArea_gl.h"
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QSet>
#include <QToolButton>

class TestToolbars : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buttonsInOrder();
    void statesPerDocumentKind_data();
    void statesPerDocumentKind();
    void playbackButtonsFollowAnAnimatedDocument();
    void everyButtonHasItsMenuItem();
    void buttonRunsItsMenuItem();
    void hintUnderThePointer();
    void layoutSubtractsTheToolbars();
    void shortcuts_data();
    void shortcuts();
    void fileMenuSeparators();

private:
    QAction* Button(const char* key) const
    {
        for (QToolBar* bar : {m_window->Toolbar1, m_window->Toolbar2}) {
            for (QAction* a : bar->actions()) {
                if (a->objectName() == QLatin1String(key))
                    return a;
            }
        }
        return nullptr;
    }
    // Moves the pointer to `pos` of `widget` as the window system reports
    // it, so the event reaches whichever widget lies under the pointer.
    // (The window overload synthesises the event; the real pointer stays.)
    static void MoveTo(QWidget* widget, QPoint pos)
    {
        QWidget* top = widget->window();
        QTest::mouseMove(top->windowHandle(), widget->mapTo(top, pos));
    }

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestToolbars::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
}

void TestToolbars::init()
{
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestToolbars::cleanup()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestToolbars::buttonsInOrder()
{
    // Index (1-based, separators counted) -> key, for a few landmarks of
    // each toolbar, and the full count.
    const struct {
        QToolBar* bar;
        int count;
        std::vector<std::pair<int, const char*>> at;
    } bars[] = {
        {m_window->Toolbar1, 38,
         {{1, "barSep0"}, {2, "barNew2D"}, {16, "varDel"}, {18, "barHelp"}, {19, "barSep6"},
          {20, "barSep7"}, {21, "barAnimPoints"}, {28, "barAnimStart"}, {38, "barAnimRevRepeat"}}},
        {m_window->Toolbar2, 41,
         {{2, "barPoints"}, {9, "barInter"}, {17, "barGeomPara"}, {22, "barGeom3DLine"},
          {29, "barGeomSphere"}, {31, "barCoord"}, {32, "barLight"}, {34, "barISO"},
          {41, "barRot"}}},
    };
    for (const auto& b : bars) {
        const QList<QAction*> actions = b.bar->actions();
        QCOMPARE(actions.size(), b.count);
        for (const auto& [index, key] : b.at)
            QCOMPARE(actions[index - 1]->objectName(), QString::fromLatin1(key));
        for (QAction* a : actions) {
            if (a->isSeparator())
                continue;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            QVERIFY(!a->toolTip().isEmpty());
            QVERIFY(b.bar->widgetForAction(a)->isVisible());
        }
    }
    // The toolbar band: Toolbar2 directly below Toolbar1, both as high.
    QCOMPARE(m_window->Toolbar2->y(), m_window->Toolbar1->y() + m_window->Toolbar1->height());
    QCOMPARE(m_window->Toolbar2->height(), m_window->Toolbar1->height());
    QCOMPARE(Button("barLight")->toolTip(), QStringLiteral("光照属性"));
    QCOMPARE(Button("barRot")->toolTip(), QStringLiteral("任意旋转"));
}

void TestToolbars::statesPerDocumentKind_data()
{
    // Enabled in 2D, 2.5D, 3D.
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("in2D");
    QTest::addColumn<bool>("in25D");
    QTest::addColumn<bool>("in3D");
    auto row = [](const char* name, QStringList keys, bool a, bool b, bool c) {
        QTest::newRow(name) << keys << a << b << c;
    };
    row("document and clipboard commands",
        {"barNew2D", "barNew25D", "barNew3D", "barOpen", "barSave", "barSaveAs", "barPrint",
         "barCut", "barCopy", "barCopyAs", "barPaste", "varDel", "barHelp"},
        true, true, true);
    row("point animation", {"barAnimPoints"}, true, true, true);
    row("animated 2D graphs", {"barAnim2DCart", "barAnim2DPolar"}, true, false, false);
    row("animated 2.5D graphs", {"barAnim25DCart", "barAnim25DPolar"}, false, true, false);
    row("playback",
        {"barAnimStart", "barAnimPause", "barAnimStop", "barAnimFirst", "barAnimPre",
         "barAnimNext", "barAnimLast", "barAnimNormal", "barAnimRev", "barAnimNormalRepeat",
         "barAnimRevRepeat"},
        false, false, false);
    row("points", {"barPoints"}, true, true, true);
    row("2D graphs", {"barFun2DCart", "barFun2DPolar"}, true, false, false);
    row("2.5D graphs", {"barFun25DCart", "barFun25DPolar"}, false, true, false);
    row("plane figures, sequences, intersection",
        {"barInter", "barGeomVec2D", "barGeomVecOp", "barGeomLine", "barGeomCircle",
         "barGeomEllipse", "barGeomHyper", "barGeomPara", "barDengCha", "barDengBi"},
        true, false, false);
    row("space line and solids",
        {"barGeom3DLine", "barGeomLengZhu", "barGeomLengZhui", "barGeomLengTai",
         "barGeomYuanZhu", "barGeomYuanZhui", "barGeomYuanTai", "barGeomSphere"},
        false, false, true);
    row("coordinate system", {"barCoord"}, true, true, true);
    row("light", {"barLight"}, false, true, true);
    row("ISO view", {"barISO"}, false, true, true);
    row("pan, zoom, fit", {"barMove", "barZoom", "barZoomAll"}, true, true, true);
    row("rotations", {"barRotX", "barRotY", "barRotZ", "barRot"}, false, true, true);
}

void TestToolbars::statesPerDocumentKind()
{
    QFETCH(QStringList, buttons);
    QFETCH(bool, in2D);
    QFETCH(bool, in25D);
    QFETCH(bool, in3D);
    // 3D first, so every state is set over a different one.
    const struct {
        void (frmF1::*command)();
        bool expected;
    } kinds[] = {{&frmF1::mnuFileNew3D_Click, in3D},
                 {&frmF1::mnuFileNew25D_Click, in25D},
                 {&frmF1::mnuFileNew2D_Click, in2D}};
    for (const auto& k : kinds) {
        (m_window->*k.command)();
        for (const QString& key : buttons) {
            QAction* button = Button(key.toLatin1().constData());
            QVERIFY2(button, qPrintable(key));
            QVERIFY2(button->isEnabled() == k.expected,
                     qPrintable(QStringLiteral("%1 in kind %2").arg(key).arg(g_DocumentKind)));
        }
    }
}

void TestToolbars::playbackButtonsFollowAnAnimatedDocument()
{
    QVERIFY(!Button("barAnimStart")->isEnabled());
    MessageRecorder messages;
    m_window->findChild<QAction*>("mnuDemo2DEA")->trigger();
    QCOMPARE(messages.Count(), 0);
    for (const char* key : {"barAnimStart", "barAnimStop", "barAnimRevRepeat"})
        QVERIFY2(Button(key)->isEnabled(), key);
    // Deleting the graphs leaves them enabled; a new document disables them.
    m_window->mnuEditDelAll_Click();
    QVERIFY(Button("barAnimStart")->isEnabled());
    m_window->mnuFileNew2D_Click();
    QVERIFY(!Button("barAnimStart")->isEnabled());
}

void TestToolbars::everyButtonHasItsMenuItem()
{
    // A button without its item is a misspelt name: it would run nothing.
    for (const auto* list : {&Toolbar1Buttons(), &Toolbar2Buttons()}) {
        for (const ToolbarButton& b : *list) {
            if (b.command)
                QVERIFY2(ToolbarCommandExists(m_window, QString::fromLatin1(b.key)), b.command);
        }
    }
}

void TestToolbars::buttonRunsItsMenuItem()
{
    // Clicking the ISO button in a 3D document runs the View menu's ISO
    // command.
    m_window->mnuFileNew3D_Click();
    int ran = 0;
    connect(m_window->findChild<QAction*>("mnuViewISO"), &QAction::triggered, this, [&] { ++ran; });
    QTest::mouseClick(m_window->Toolbar2->widgetForAction(Button("barISO")), Qt::LeftButton);
    QCOMPARE(ran, 1);
    // A disabled button runs nothing.
    m_window->mnuFileNew2D_Click();
    QTest::mouseClick(m_window->Toolbar2->widgetForAction(Button("barISO")), Qt::LeftButton);
    QCOMPARE(ran, 1);
}

void TestToolbars::hintUnderThePointer()
{
    QLabel* panel = m_window->StatusPanel1;
    QVERIFY(panel);
    QVERIFY(panel->text().isEmpty()); // empty until the first hint

    QToolBar* bar2 = m_window->Toolbar2;
    QWidget* light = bar2->widgetForAction(Button("barLight"));
    QWidget* rot = bar2->widgetForAction(Button("barRot"));
    const int midY = bar2->height() / 2;
    const int lightX = light->x() + light->width() / 2;

    const struct {
        const char* what;
        QWidget* widget;
        QPoint pos;
        QString expected;
    } moves[] = {
        // The hint, not the tooltip, and also for a disabled button.
        {"over the light button", bar2, {lightX, midY}, QStringLiteral("光照")},
        {"over the trackball button, on the button itself", rot, {3, rot->height() / 2},
         QStringLiteral("跟踪球旋转")},
        {"over the empty end of the toolbar", bar2, {bar2->width() - 2, midY}, IdleHint()},
        {"over the first button again", bar2,
         {bar2->widgetForAction(Button("barPoints"))->x() + 4, midY}, QStringLiteral("添加点")},
        {"on the toolbar's top edge row: unchanged", bar2, {lightX, 0},
         QStringLiteral("添加点")},
        {"on a button's left edge", bar2, {light->x(), midY}, IdleHint()},
        {"over a separator", m_window->Toolbar1,
         {m_window->Toolbar1->widgetForAction(Button("barNew2D"))->x() - 2, midY}, IdleHint()},
    };
    QVERIFY(!Button("barLight")->isEnabled()); // a new 2D document
    for (const auto& m : moves) {
        MoveTo(m.widget, m.pos);
        QVERIFY2(panel->text() == m.expected,
                 qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(m.what), panel->text())));
    }
}

void TestToolbars::layoutSubtractsTheToolbars()
{
    // The panes start right below the two toolbars and end above the status
    // bar; the layout's toolbar height is the real one.
    const double tpp = m_window->TwipsPerPixel();
    const WindowLayoutInput& in = m_window->LayoutInput();
    QVERIFY(qAbs(in.toolbarHeight - m_window->Toolbar1->height() * tpp) <= tpp);
    const QPoint listTop = m_window->List1->mapTo(m_window, QPoint(0, 0));
    const int bandBottom = m_window->Toolbar2->y() + m_window->Toolbar2->height();
    QVERIFY2(qAbs(listTop.y() - bandBottom) <= 1, qPrintable(QString::number(listTop.y() - bandBottom)));
    const QPoint drawBottom = m_window->picDraw->mapTo(m_window, QPoint(0, m_window->picDraw->height()));
    QVERIFY(drawBottom.y() <= m_window->statusBar()->y() + 1);
    QCOMPARE(m_window->Splitter2TopTwips(), StartSplitter2Top(in.clientHeight, in.toolbarHeight));
}

void TestToolbars::shortcuts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("open") << "mnuFileOpen" << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("save") << "mnuFileSave" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("print") << "mnuFilePrint" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("exit") << "mnuFileExit" << QKeySequence(Qt::CTRL | Qt::Key_X);
    QTest::newRow("pan") << "mnuViewMove" << QKeySequence(Qt::Key_F7);
    QTest::newRow("zoom") << "mnuViewZoom" << QKeySequence(Qt::Key_F8);
}

void TestToolbars::shortcuts()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence, shortcut);
    QCOMPARE(m_window->findChild<QAction*>(item)->shortcut(), shortcut);
    // No other menu item has one.
    int withShortcut = 0;
    for (QAction* a : m_window->findChildren<QAction*>()) {
        if (!a->shortcut().isEmpty())
            ++withShortcut;
    }
    QCOMPARE(withShortcut, 6);
}

void TestToolbars::fileMenuSeparators()
{
    QStringList items;
    for (QAction* a : m_window->findChild<QMenu*>("mnuFile")->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(items, (QStringList{"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "-",
                                 "mnuFileSaveAVI", "-", "mnuFilePrint", "-", "mnuFileExit"}));
}

QTEST_MAIN(TestToolbars)
#include "tst_toolbars.moc"
