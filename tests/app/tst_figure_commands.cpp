// The figure items of the Draw menu on the real main window: their captions,
// order and submenus, their states per document kind, and the figures they
// make through their dialogs: listed, ticked, turned to the figure view and
// saved; Cancel adds nothing.
#include "MainWindowFixture.h"

#include "dialogs/common/DialogHost.h"
#include "app/frmF1_ui.h"
#include "io/DocumentReader.h"
#include "io/DocumentWriter.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "model/Cls3.h"
#include "dialogs/FigureDialogTesting.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

class TestFigureCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void menuLayout();
    void statesByKind_data();
    void statesByKind();
    void createsThroughMenu_data();
    void createsThroughMenu();
    void cancelAddsNothing();
    void animationMenuIn3D();
    void manyCrossingsReportedOnce();

private:
    QAction* Action(const char* name) const
    {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Triggers the item; `act` gets the modal dialog it opened and closes it.
    void Trigger(const char* name, const std::function<void(QDialog*)>& act);

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

namespace {

// Names of a menu's items in order, "-" for a separator.
QStringList Names(const QMenu* menu)
{
    QStringList names;
    for (const QAction* a : menu->actions())
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

} // namespace

using namespace FigureDialogTesting;

void TestFigureCommands::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFigureCommands::cleanupTestCase()
{
    m_window->DeleteAllGraphs();
    delete m_window;
}

void TestFigureCommands::init()
{
    m_window->DeleteAllGraphs();
    g_DocumentKind = DocumentKind2D;
    m_window->SetCommandStates(DocumentKind2D);
    g_EditingGraph = false;
}

void TestFigureCommands::Trigger(const char* name, const std::function<void(QDialog*)>& act)
{
    bool ran = false;
    QTimer::singleShot(0, m_window, [&] {
        ran = true;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
    Action(name)->trigger();
    QVERIFY(ran);
}

void TestFigureCommands::menuLayout()
{
    const auto* draw = m_window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuDraw"));
    QCOMPARE(Names(draw), (QStringList{"mnuDrawPoint", "mnuDrawFun2D", "mnuDraw25d",
                                       "mnuDrawPart", "mnuDrawIP", "mnuDrawShulie",
                                       "mnuDrawGeometry", "mnuDrawLimit", "-", "mnuDrawAxis",
                                       "mnuDrawLight"}));
    const auto sub = [&](const char* name) {
        return draw->findChild<QMenu*>(QString::fromLatin1(name));
    };
    QCOMPARE(Names(sub("mnuDrawPart")),
             (QStringList{"mnuDrawVector", "mnuDrawVec2DOp", "-", "mnuDrawPartLine",
                          "mnuDrawPartCircle", "mnuDrawPartEllipse", "mnuDrawPartHyperbola",
                          "mnuDrawPartParabola"}));
    QCOMPARE(Names(sub("mnuDrawShulie")), (QStringList{"mnuDrawSLDif", "mnuDrawSLScale"}));
    QCOMPARE(Names(sub("mnuDrawGeometry")),
             (QStringList{"mnuDrawSpaLine", "-", "mnuDrawPrism", "mnuDrawPyramid", "mnuDrawLT",
                          "mnuDrawCyl", "mnuDrawCone", "mnuDrawYT", "mnuDrawSphere"}));

    const struct { const char* name; const char* caption; } captions[] = {
        {"mnuDrawPart", "平面解析几何"}, {"mnuDrawVector", "平面向量"},
        {"mnuDrawVec2DOp", "平面向量运算"}, {"mnuDrawPartLine", "直线"},
        {"mnuDrawPartCircle", "圆"}, {"mnuDrawPartEllipse", "椭圆"},
        {"mnuDrawPartHyperbola", "双曲线"}, {"mnuDrawPartParabola", "抛物线"},
        {"mnuDrawIP", "相交"}, {"mnuDrawShulie", "数列"}, {"mnuDrawSLDif", "等差数列"},
        {"mnuDrawSLScale", "等比数列"}, {"mnuDrawGeometry", "立体几何"},
        {"mnuDrawSpaLine", "空间直线"}, {"mnuDrawPrism", "棱柱"}, {"mnuDrawPyramid", "棱锥"},
        {"mnuDrawLT", "棱台"}, {"mnuDrawCyl", "圆柱"}, {"mnuDrawCone", "圆锥"},
        {"mnuDrawYT", "圆台"}, {"mnuDrawSphere", "球"}, {"mnuDrawLimit", "极限"},
    };
    for (const auto& c : captions)
        QCOMPARE(Action(c.name)->text(), QString::fromUtf8(c.caption));
}

void TestFigureCommands::statesByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("enabled"); // of the figure items of the Draw menu
    const QStringList plane = {"mnuDrawPart", "mnuDrawIP", "mnuDrawShulie", "mnuDrawLimit"};
    QTest::newRow("2D") << int(DocumentKind2D) << plane;
    QTest::newRow("2.5D") << int(DocumentKind25D) << QStringList{};
    QTest::newRow("3D") << int(DocumentKind3D) << QStringList{"mnuDrawGeometry"};
}

void TestFigureCommands::statesByKind()
{
    QFETCH(int, kind);
    QFETCH(QStringList, enabled);
    // From the opposite state, so every flag is really set.
    m_window->SetCommandStates(kind == DocumentKind3D ? DocumentKind2D : DocumentKind3D);
    m_window->SetCommandStates(kind);
    for (const char* name :
         {"mnuDrawPart", "mnuDrawIP", "mnuDrawShulie", "mnuDrawGeometry", "mnuDrawLimit"})
        QCOMPARE(Action(name)->isEnabled(), enabled.contains(QString::fromLatin1(name)));
    // The items inside the submenus keep their own state.
    for (const char* name : {"mnuDrawVector", "mnuDrawPartLine", "mnuDrawSLDif", "mnuDrawSphere"})
        QVERIFY(Action(name)->isEnabled());
}

void TestFigureCommands::createsThroughMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("boxes"); // name=text
    QTest::addColumn<int>("graphType");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("kind"); // document kind the item is enabled in

    QTest::newRow("line") << "mnuDrawPartLine" << "frmF32" << "直线"
                          << QStringList{"Text2=1", "Text3=-2", "Text4=3"} << 41
                          << "直线  1x+-2y+3=0" << int(DocumentKind2D);
    QTest::newRow("circle") << "mnuDrawPartCircle" << "frmF33" << "圆"
                            << QStringList{"Text2=1", "Text3=2", "Text4=3"} << 42
                            << "圆  (x-1)^2+(y-2)^2=3^2" << int(DocumentKind2D);
    // A circle that is not shown has no curve; listing it samples nothing.
    QTest::newRow("hidden circle") << "mnuDrawPartCircle" << "frmF33" << "圆"
                                   << QStringList{"Check1=0", "Text4=2", "Check2=1", "Text5=2"} << 42
                                   << "圆  (x-0)^2+(y-0)^2=2^2" << int(DocumentKind2D);
    QTest::newRow("ellipse") << "mnuDrawPartEllipse" << "frmF34" << "椭圆"
                             << QStringList{"Text2=3", "Text3=2"} << 43
                             << "椭圆  (x-0)^2/3^2+(y-0)^2/2^2=1" << int(DocumentKind2D);
    QTest::newRow("hyperbola") << "mnuDrawPartHyperbola" << "frmF35" << "双曲线"
                               << QStringList{"Text2=2", "Text3=1"} << 44
                               << "双曲线  (x-0)^2/2^2-(y-0)^2/1^2=1" << int(DocumentKind2D);
    QTest::newRow("parabola") << "mnuDrawPartParabola" << "frmF36" << "抛物线"
                              << QStringList{"Text4=1"} << 45 << "抛物线  (y-0)^2=2*1*(x-0)"
                              << int(DocumentKind2D);
    QTest::newRow("vector") << "mnuDrawVector" << "frmF47" << "平面向量"
                            << QStringList{"Text5=1", "Text6=1"} << 46 << "平面向量"
                            << int(DocumentKind2D);
    QTest::newRow("vector operation") << "mnuDrawVec2DOp" << "frmF48" << "平面向量运算"
                                      << QStringList{"Text2=1"} << 47 << "平面向量运算"
                                      << int(DocumentKind2D);

    const int plane = DocumentKind2D;
    const int space = DocumentKind3D;
    QTest::newRow("intersection")
        << "mnuDrawIP" << "frmF25" << "相交关系"
        << QStringList{"Text2=x^2", "Text3=2", "Text4=-3", "Text5=3"} << 20
        << "相交关系  y=x^2, y=2" << plane;
    QTest::newRow("limit") << "mnuDrawLimit" << "frmF30" << "极限"
                           << QStringList{"Text1=sin(x)/x"} << 37 << "极限  y=sin(x)/x" << plane;
    QTest::newRow("arithmetic sequence") << "mnuDrawSLDif" << "frmF45" << "等差数列"
                                         << QStringList{"Text2=1", "Text3=2", "Text4=5"} << 61
                                         << "等差数列" << plane;
    QTest::newRow("geometric sequence") << "mnuDrawSLScale" << "frmF46" << "等比数列"
                                        << QStringList{"Text2=1", "Text3=0.5", "Text4=5"}
                                        << 62 << "等比数列" << plane;
    QTest::newRow("space line") << "mnuDrawSpaLine" << "frmF37" << "空间直线"
                                << QStringList{"Text5=1", "Text6=2", "Text7=3"} << 50
                                << "空间直线" << space;
    QTest::newRow("prism") << "mnuDrawPrism" << "frmF38" << "棱柱"
                           << QStringList{"Text2=1", "Text3=2"} << 51 << "棱柱" << space;
    QTest::newRow("pyramid") << "mnuDrawPyramid" << "frmF39" << "棱锥"
                             << QStringList{"Text2=1", "Text3=2"} << 52 << "棱锥" << space;
    QTest::newRow("pyramid frustum") << "mnuDrawLT" << "frmF40" << "棱台"
                                     << QStringList{"Text2=1", "Text3=2", "Text4=3"} << 53
                                     << "棱台" << space;
    QTest::newRow("cylinder") << "mnuDrawCyl" << "frmF41" << "圆柱"
                              << QStringList{"Text2=1", "Text3=2"} << 54 << "圆柱" << space;
    QTest::newRow("cone") << "mnuDrawCone" << "frmF42" << "圆锥"
                          << QStringList{"Text2=1", "Text3=2"} << 55 << "圆锥" << space;
    QTest::newRow("cone frustum") << "mnuDrawYT" << "frmF43" << "圆台"
                                  << QStringList{"Text2=1", "Text3=2", "Text4=3"} << 56
                                  << "圆台" << space;
    QTest::newRow("sphere") << "mnuDrawSphere" << "frmF44" << "球"
                            << QStringList{"Text3=2"} << 57 << "球" << space;
}

void TestFigureCommands::createsThroughMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QStringList, boxes);
    QFETCH(int, graphType);
    QFETCH(QString, label);
    QFETCH(int, kind);

    if (kind == DocumentKind3D)
        m_window->mnuFileNew3D_Click();
    g_ShownGraphs.RotRoll = 10.0f;
    g_ShownGraphs.RotPitch = 20.0f;
    g_ShownGraphs.RotYaw = 30.0f;
    g_EditingGraph = true; // a creating command clears a left-over edit
    MessageRecorder recorder;
    Trigger(item.toLatin1().constData(), [&](QDialog* d) {
        QCOMPARE(d->objectName(), dialog);
        QCOMPARE(d->windowTitle(), title);
        // The line and circle commands choose the first equation form.
        if (dialog == QStringLiteral("frmF32") || dialog == QStringLiteral("frmF33"))
            QCOMPARE(d->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentIndex(), 0);
        SetControls(*d, boxes);
        ClickOk(*d);
    });
    // Listing and ticking the new figure raised no message.
    QCOMPARE(recorder.Count(), 0);
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(m_window->List1->item(0)->text(), label);
    QCOMPARE(m_window->List1->item(0)->checkState(), Qt::Checked);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g->GraphType, graphType);
    // Solids and the space line turn the view, plane figures face it.
    const bool solid = kind == DocumentKind3D;
    QCOMPARE(g_ShownGraphs.RotRoll, 0.0f);
    QCOMPARE(g_ShownGraphs.RotPitch, solid ? -15.0f : 0.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, solid ? 45.0f : 0.0f);
    QCOMPARE(g_DocumentKind, kind);

    // Saved and read back as the same graph.
    QString error;
    const auto file = CurrentDocumentFile(&error);
    QVERIFY2(file.has_value(), qPrintable(error));
    const auto loaded = ParseDocumentFile(*file, g_CoordSystem, AnimationSettings{}, &error);
    QVERIFY2(loaded.has_value(), qPrintable(error));
    QCOMPARE(loaded->graphs.size(), size_t(1));
    QCOMPARE(loaded->graphs[0]->Save(), g->Save());
}

void TestFigureCommands::cancelAddsNothing()
{
    g_ShownGraphs.RotYaw = 30.0f;
    Trigger("mnuDrawPartCircle", [](QDialog* d) {
        SetControls(*d, {"Text4=2"});
        Click(*d, "Command2");
    });
    // A refused OK, then Cancel.
    Trigger("mnuDrawPartHyperbola", [](QDialog* d) {
        MessageRecorder recorder;
        ClickOk(*d);
        QCOMPARE(recorder.Count(), 1);
        Click(*d, "Command2");
    });
    QCOMPARE(m_window->List1->count(), 0);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.RotYaw, 30.0f);
}

void TestFigureCommands::animationMenuIn3D()
{
    // The 2.5D animation submenu stays open in 3D documents; its graphs and
    // the animated point are listed there like the solids.
    m_window->mnuFileNew3D_Click();
    QVERIFY(Action("mnuAniCur25D")->isEnabled());
    Trigger("mnuAni25DCurCart", [](QDialog* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frmF4"));
        SetControls(*d, {"Text2=sin(x+t)", "Text5=-3", "Text6=3", "Text7=20", "Text4=0",
                         "Text8=1"});
        ClickOk(*d);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    Trigger("mnuAniPoint", [](QDialog* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frmF17"));
        SetControls(*d, {"Text2=t", "Text3=1", "Text4=t", "Text5=0", "Text6=2"});
        ClickOk(*d);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    QCOMPARE(m_window->List1->count(), 2);
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->GraphType, int(GraphType25DFunctionAnimation));
    QCOMPARE(g_AllGraphs.FunSurfs.Item(2)->GraphType, int(GraphTypePointAnimation));
    for (int row = 0; row < 2; ++row)
        QCOMPARE(m_window->List1->item(row)->checkState(), Qt::Checked);
    QCOMPARE(g_DocumentKind, int(DocumentKind3D));
}

void TestFigureCommands::manyCrossingsReportedOnce()
{
    // sin(10x) crosses the x axis over a hundred times in the range: the
    // warning comes once, after the drawing, and a view-only rebuild does
    // not repeat it.
    const QString tooMany = QStringLiteral("交点数目大于50个。");
    MessageRecorder recorder;
    Trigger("mnuDrawIP", [](QDialog* d) {
        SetControls(*d, {"Text2=sin(10x)", "Text3=0", "Text4=-20", "Text5=20", "Text6=4000"});
        ClickOk(*d);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    const auto count = [&] {
        int n = 0;
        for (const auto& m : recorder.Messages())
            n += m.text == tooMany ? 1 : 0;
        return n;
    };
    QCOMPARE(count(), 1);
    QCOMPARE(recorder.Count(), 1);
    QCOMPARE(recorder.Messages()[0].title, QStringLiteral("注意"));
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(m_window->List1->item(0)->checkState(), Qt::Checked);
    m_window->BuildDisplayLists();
    m_window->DrawCurrentFrame();
    QCOMPARE(count(), 1);
}

QTEST_MAIN(TestFigureCommands)
#include "tst_figure_commands.moc"
