// Messages raised while the scene is drawn: a document whose graphs raise
// them is opened from the command line and rebuilt; no box may open while a
// display list is being compiled, each message is shown once, and a graph
// that changes brings its message back. A message raised while the scene's
// box is worked out belongs to the graph that raised it.
#include "MainWindowFixture.h"

#include "dialogs/common/DialogHost.h"
#include "app/frmF1_ui.h"
#include "io/DocumentWriter.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls4.h"
#include "view/DrawingArea_gl.h"
#include "view/ViewState.h"

#include <GL/gl.h>

#include <QtTest>

namespace {

GraphRef Function(int32_t id, const QString& z)
{
    auto g = std::make_shared<Cls9>();
    g->ID = id;
    g->GraphType = GraphType2DFunction;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = z;
    g->MinV = -5;
    g->MaxV = 5;
    g->StepV = 100;
    g->Show2DCurve = true;
    return g;
}

// Each graph raises one message while it is drawn.
std::vector<GraphRef> NoisyGraphs()
{
    GraphRef derivative = Function(1, QStringLiteral("abs(x)"));
    derivative->ShowDev = true; // the derivative of abs cannot be taken

    GraphRef crossings = Function(2, QStringLiteral("0"));
    crossings->GraphType = GraphTypeCurveIntersection;
    crossings->ExpressZ = QStringLiteral("sin(20*x)");
    crossings->Exp2 = QStringLiteral("0.1");
    crossings->MinV = -10;
    crossings->MaxV = 10;
    crossings->StepV = 800;
    crossings->ShowInter = true; // more than 50 crossings

    GraphRef sequence = Function(3, QStringLiteral("0"));
    sequence->GraphType = GraphTypeGeometricSequence;
    sequence->GPara1 = 1;
    sequence->GPara2 = 2;
    sequence->EdgeNum = 20; // the smoothing spline runs past its point limit
    GraphRef syntax = Function(4, QStringLiteral("x^2+*y"));
    syntax->FunForm = FunFormImplicit; // compiled when drawn: a syntax error
    syntax->MinU = syntax->MinV = -2;
    syntax->MaxU = syntax->MaxV = 2;
    return {derivative, crossings, sequence, syntax};
}

// A line with a second line whose x(u) does not compile: the box of the
// line (and so of the scene) compiles it as well as sampling and drawing.
GraphRef LineWithBadX(int32_t id)
{
    auto g = std::make_shared<Cls9>();
    g->ID = id;
    g->GraphType = GraphTypeLine;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormParametric;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("u+*2");
    g->ExpressZ = QStringLiteral("u");
    g->MinV = -5;
    g->MaxV = 5;
    g->StepV = 100;
    g->GLineType = LineFormSlopeIntercept;
    g->GPara1 = 0;
    g->GPara2 = 1;
    g->GShowLineLine = true;
    g->GLineLineType = LineFormSlopeIntercept;
    g->GPara5 = 1;
    g->GPara6 = -1;
    return g;
}

void WriteDocument(const QString& path, const std::vector<GraphRef>& graphs)
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    for (const GraphRef& g : graphs)
        g_AllGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    g_DocumentKind = DocumentKind2D;
    QString error;
    const auto bytes = CurrentDocumentFile(&error);
    QVERIFY2(bytes, qPrintable(error));
    QVERIFY(WriteFileReplacing(path, *bytes, &error));
    g_AllGraphs.FunSurfs.Clear();
}

} // namespace

class TestDrawingMessages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void shownOnceAfterTheListsAreClosed();
    void boxMessageBelongsToItsGraph();

private:
    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestDrawingMessages::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
}

void TestDrawingMessages::cleanup()
{
    if (!m_window)
        return;
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestDrawingMessages::shownOnceAfterTheListsAreClosed()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noisy.qgd"));
    WriteDocument(path, NoisyGraphs());
    if (QTest::currentTestFailed())
        return;

    // Every box, and whether a display list was open when it was shown.
    QStringList shown;
    int insideList = 0;
    m_window = new frmF1;
    MessageHandler previous = SetMessageHandler([&](const MessageRequest& r) {
        if (m_window && m_window->picDraw->context()) {
            m_window->picDraw->makeCurrent();
            GLint list = 0;
            glGetIntegerv(GL_LIST_INDEX, &list);
            if (list != 0)
                ++insideList;
        }
        shown << r.text;
        return MsgAnswer::Ok;
    });

    m_window->Form_Load(path);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(shown.size() >= 4);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 4);

    // View-only rebuilds: rotate, tick, plain rebuild.
    for (int i = 0; i < 5; ++i) {
        g_ShownGraphs.RotYaw += 10.0f;
        m_window->BuildDisplayLists();
        QCoreApplication::processEvents();
    }
    QTest::qWait(50);

    const QStringList expected = {QStringLiteral("的导数"), QStringLiteral("交点数目大于50个"),
                                  QStringLiteral("插值点数超过2000个"),
                                  QStringLiteral("缺少运算符")};
    for (const QString& part : expected)
        QVERIFY2(shown.filter(part).size() == 1,
                 qPrintable(part + QStringLiteral(" in: ") + shown.join(QLatin1Char('|'))));
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE(insideList, 0);

    // A graph that changes is a new drawing: its message comes back, the
    // others stay quiet.
    shown.clear();
    g_ShownGraphs.FunSurfs.Item(1)->ExpressZ = QStringLiteral("abs(x)+1");
    m_window->BuildDisplayLists();
    QCoreApplication::processEvents();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().contains(QStringLiteral("的导数")));

    SetMessageHandler(std::move(previous));
}

void TestDrawingMessages::boxMessageBelongsToItsGraph()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("line.qgd"));
    WriteDocument(path, {LineWithBadX(1)});
    if (QTest::currentTestFailed())
        return;

    MessageRecorder shown;
    auto settle = [] {
        QCoreApplication::processEvents();
        QTest::qWait(50);
        QCoreApplication::processEvents();
    };
    auto texts = [&] {
        QStringList all;
        for (const MessageRequest& r : shown.Messages())
            all << r.text;
        return all.join(QLatin1Char('|'));
    };

    m_window = new frmF1;
    m_window->Form_Load(path);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    settle();
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    QVERIFY2(shown.Count() == 1, qPrintable(texts()));
    QVERIFY2(shown.Messages().front().text.contains(QStringLiteral("缺少运算符")),
             qPrintable(texts()));
    shown.Clear();

    // Another graph is added and ticked, then changed, then unticked.
    GraphRef other = Function(2, QStringLiteral("x/2"));
    g_AllGraphs.FunSurfs.Add(other, GraphCollection::KeyOf(*other));
    const int row = m_window->AddListEntry(QStringLiteral("y=x/2"));
    m_window->SetEntryTicked(row, true);
    settle();
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
    other->ExpressZ = QStringLiteral("x/3");
    QVERIFY(other->GetPoints());
    m_window->BuildDisplayLists();
    settle();
    m_window->SetEntryTicked(row, false);
    settle();
    QVERIFY2(shown.Count() == 0, qPrintable(texts()));

    // The view changes: rotation, ISO view, fit, and frames in perspective.
    g_ShownGraphs.RotYaw += 10.0f;
    m_window->BuildDisplayLists();
    m_window->mnuViewISO_Click();
    m_window->mnuViewFit_Click();
    g_Camera.ProjectType = ProjectionPerspective;
    m_window->Display(g_CurFrame);
    m_window->picDraw->update();
    settle();
    g_Camera.ProjectType = ProjectionOrthographic;
    QVERIFY2(shown.Count() == 0, qPrintable(texts()));

    // The line itself changes: its message is due again, once.
    g_ShownGraphs.FunSurfs.Item(1)->ExpressY = QStringLiteral("u-*2");
    m_window->BuildDisplayLists();
    settle();
    QVERIFY2(shown.Count() == 1, qPrintable(texts()));
}

QTEST_MAIN(TestDrawingMessages)
#include "tst_drawing_messages.moc"
