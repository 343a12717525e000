// The Help menu with the About box, the help file against the menus and
// the calculator it describes, and the Demo menu opening the sample
// documents on the real main window: each demo saves back to its own bytes
// and holds only graphs its dialogs make.
#include "app/DemoMenu_ui.h"
#include "app/EditCommand_ui.h"
#include "app/HelpMenu_ui.h"
#include "app/ProgramFolder.h"
#include "app/Toolbars_ui.h"
#include "app/frmF1_ui.h"
#include "app/frmF2_ui.h"
#include "SampleDocuments.h"
#include "expr/FrmFunCal_ui.h"
#include "io/DocumentWriter.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "platform/ShellOpen_ui.h"
#include "view/DrawingArea_gl.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <algorithm>

class TestHelpDemo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dataFolder_data();
    void dataFolder();
    void helpMenuItems();
    void aboutBoxTextsLinkAndOk();
    void helpFileOpensOnTheDesktop();
    void homeAndSupportPagesGoToTheDesktop();
    void helpNamesTheMenusAsTheyAre();
    void helpCalculatorExamplesHold();
    void demoMenuStructure();
    void demoItemsNameTheSampleFolders();
    void demoAsksToSaveAGraphFirst_data();
    void demoAsksToSaveAGraphFirst();
    void animatedDemoShowsFrameOneAndDoesNotPlay();
    void missingOrUnreadableDemoLeavesTheDrawing();
    void everyDemoOpensItsDocument();
    void demosAreAsTheirDialogsMakeThem();
    void threePointCircleDemoMarksItsPoints();

private:
    QAction* Action(const char* name) const { return m_window->findChild<QAction*>(name); }
    static QStringList Captions(const QMenu* menu)
    {
        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return items;
    }
    // Runs the About box command; `act` works on the open box.
    void RunAbout(const std::function<void(frmF2*)>& act);

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestHelpDemo::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestHelpDemo::init()
{
    m_window = new frmF1;
    m_window->Form_Load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestHelpDemo::cleanup()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestHelpDemo::dataFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    const QString build = QStringLiteral("/home/s/out/kvrm-build");
    const QString source = QStringLiteral("/home/s/src/kvrm");
    QTest::newRow("installed") << "/usr/local/bin" << "/usr/local/share/curvarium";
    QTest::newRow("installed in a prefix with blanks")
        << "/opt/数学 工具/bin" << "/opt/数学 工具/share/curvarium";
    QTest::newRow("build folder outside the checkout") << build << source;
    QTest::newRow("tests below the build folder") << build + "/tests" << source;
    QTest::newRow("a folder that only starts like the build folder")
        << build + "-old/bin" << "/home/s/out/kvrm-build-old/share/curvarium";
}

void TestHelpDemo::dataFolder()
{
    QFETCH(QString, program);
    QFETCH(QString, expected);
    QCOMPARE(DataFolderFor(program, QStringLiteral("/home/s/out/kvrm-build"),
                           QStringLiteral("/home/s/src/kvrm"), QStringLiteral("share/curvarium")),
             expected);
}

void TestHelpDemo::helpMenuItems()
{
    auto* help = m_window->findChild<QMenu*>("mnuHelp");
    QVERIFY(help);
    QVERIFY(help->menuAction()->isEnabled());
    QCOMPARE(Captions(help), (QStringList{"内容...", "-", "主页", "支持", "-", "关于..."}));
    for (const char* name : {"mnuHelpCon", "mnuHelpHome", "mnuHelpCus", "mnuHelpAbout"})
        QVERIFY2(Action(name), name);
}

void TestHelpDemo::RunAbout(const std::function<void(frmF2*)>& act)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<frmF2*>(QApplication::activeModalWidget());
        QVERIFY(box);
        ran = true;
        act(box);
        if (box->isVisible())
            box->reject();
    });
    Action("mnuHelpAbout")->trigger();
    QVERIFY(ran);
}

void TestHelpDemo::aboutBoxTextsLinkAndOk()
{
    // Opened twice: each opening starts from the same content.
    for (int opening = 0; opening < 2; ++opening) {
        ShellOpenRecorder shell;
        bool closedByOk = false;
        RunAbout([&](frmF2* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("关于Curvarium"));
            // The program's icon, drawn for it, on the box as on the main window.
            QVERIFY(!box->windowIcon().isNull());
            QVERIFY(!m_window->windowIcon().isNull());
            QCOMPARE(box->lblTitle->text(), QStringLiteral("Curvarium"));
            QVERIFY(box->lblTitle->font().bold());
            QCOMPARE(box->Label2->text(), QStringLiteral("版本 2.0"));
            QCOMPARE(box->cmdOK->text(), QStringLiteral("确定"));
            QVERIFY(!box->lblDisclaimer->text().isEmpty());
            QVERIFY(box->Label1->font().underline());
            QCOMPARE(box->Label1->cursor().shape(), Qt::PointingHandCursor);

            // The link opens the home page; the box stays open.
            QTest::mouseClick(box->Label1, Qt::LeftButton);
            QCOMPARE(shell.Requests(), QList<QUrl>{HomePageUrl()});
            QVERIFY(box->isVisible());

            QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            closedByOk = !box->isVisible() && box->result() == QDialog::Accepted;
        });
        QVERIFY(closedByOk);
    }
}

void TestHelpDemo::helpFileOpensOnTheDesktop()
{
    // The program's own HTML help, found wherever the build folder is.
    QVERIFY2(QFileInfo::exists(HelpFilePath()), qPrintable(HelpFilePath()));
    ShellOpenRecorder shell;
    MessageRecorder messages;
    Action("mnuHelpCon")->trigger();
    QCOMPARE(shell.Requests(), QList<QUrl>{QUrl::fromLocalFile(HelpFilePath())});
    QCOMPARE(messages.Count(), 0);
    // The toolbar's help button runs the same command.
    m_window->findChild<QAction*>("barHelp")->trigger();
    QCOMPARE(shell.Requests().size(), 2);
}

void TestHelpDemo::homeAndSupportPagesGoToTheDesktop()
{
    QVERIFY2(QFileInfo::exists(HomePageUrl().toLocalFile()), "README beside the program");
    {
        ShellOpenRecorder shell;
        MessageRecorder messages;
        Action("mnuHelpHome")->trigger();
        Action("mnuHelpCus")->trigger();
        QCOMPARE(shell.Requests(), (QList<QUrl>{HomePageUrl(), SupportPageUrl()}));
        QCOMPARE(messages.Count(), 0);
    }
    // No program on the desktop takes it: said so, not passed over.
    ShellOpenRecorder refusing(false);
    MessageRecorder messages;
    Action("mnuHelpHome")->trigger();
    QCOMPARE(messages.Count(), 1);
}

namespace {

QString HelpText()
{
    QFile file(HelpFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Captured(const QString& text, const char* pattern)
{
    QStringList found;
    const QRegularExpression re(QString::fromUtf8(pattern),
                                QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

const QString kArrow = QStringLiteral(" → ");

// Every item of the menu bar's menus with its caption path, the Demo menu's
// documents left out.
void MenuItems(QMenu* menu, const QString& path, QList<QPair<QString, QAction*>>& items)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QString itemPath = path + kArrow + a->text();
        items.append({itemPath, a});
        if (a->menu())
            MenuItems(a->menu(), itemPath, items);
    }
}

} // namespace

void TestHelpDemo::helpNamesTheMenusAsTheyAre()
{
    // The help names commands by their menu paths (span.menu), with the
    // shortcut in the same table row (kbd). Each path is a command of the
    // program, with exactly the shortcut the help gives it; every command
    // with a shortcut is named with it; and every command of the menu bar
    // is named, itself or through its submenu.
    const QString help = HelpText();
    QVERIFY(!help.isEmpty());
    QList<QPair<QString, QAction*>> items;
    for (QAction* top : m_window->menuBar()->actions()) {
        if (top->menu() && top->menu()->objectName() != QStringLiteral("mnuDemo"))
            MenuItems(top->menu(), top->text(), items);
    }
    QMap<QString, QAction*> byPath;
    for (const auto& [path, action] : items)
        byPath.insert(path, action);

    // A path's shortcut is the kbd of its table row; a path named outside a
    // row, or in a row without one, has none.
    QSet<QString> named;
    QMap<QString, QString> namedShortcut;
    for (const QString& segment : help.split(QStringLiteral("<tr>"))) {
        const QString row = segment.section(QStringLiteral("</tr>"), 0, 0);
        const QStringList keys = Captured(row, "<kbd>(.*?)</kbd>");
        QVERIFY2(keys.size() <= 1, qPrintable(row));
        for (const QString& path : Captured(segment, "<span class=\"menu\">(.*?)</span>")) {
            named << path;
            if (namedShortcut.value(path).isEmpty())
                namedShortcut.insert(path, row.contains(path) ? keys.value(0) : QString());
        }
    }
    // A span without an arrow is a caption alone: a top menu, or an item
    // of the list's or the drawing area's pop-up menu.
    const QList<QAction*> all = m_window->findChildren<QAction*>();
    for (const QString& path : named) {
        if (!path.contains(kArrow)) {
            const bool found = std::any_of(all.begin(), all.end(), [&](QAction* a) {
                return a->text() == path && !a->associatedObjects().isEmpty();
            });
            QVERIFY2(found, qPrintable(path));
            continue;
        }
        QVERIFY2(byPath.contains(path), qPrintable(path));
        QCOMPARE(byPath[path]->shortcut().toString(), namedShortcut[path]);
    }
    for (const auto& [path, action] : items) {
        if (!action->shortcut().isEmpty())
            QCOMPARE(namedShortcut.value(path), action->shortcut().toString());
        QStringList parts = path.split(kArrow);
        bool covered = false;
        while (parts.size() >= 2 && !covered) {
            covered = named.contains(parts.join(kArrow));
            parts.removeLast();
        }
        QVERIFY2(covered, qPrintable(path + QStringLiteral(" is not in the help")));
    }
    // The status bar's text over no toolbar button.
    QVERIFY(help.contains(QStringLiteral("“") + IdleHint() + QStringLiteral("”")));
}

void TestHelpDemo::helpCalculatorExamplesHold()
{
    // Each "expression 得 result" of the help is what the calculator shows.
    const QStringList examples = Captured(HelpText(), "<span class=\"calc\">(.*?)</span>");
    QVERIFY(examples.size() >= 4);
    for (const QString& example : examples) {
        const QString expression = Captured(example, "<code>(.*?)</code>").value(0);
        const QString result = Captured(example, "<samp>(.*?)</samp>").value(0);
        QVERIFY2(!expression.isEmpty() && !result.isEmpty(), qPrintable(example));
        frmFunCal calculator(m_window);
        calculator.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(expression);
        MessageRecorder messages;
        calculator.Command18_Click();
        QCOMPARE(messages.Count(), 0);
        QCOMPARE(calculator.findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), result);
    }
}

void TestHelpDemo::demoMenuStructure()
{
    auto* demo = m_window->findChild<QMenu*>("mnuDemo");
    QVERIFY(demo);
    QVERIFY(demo->menuAction()->isEnabled());
    QCOMPARE(Captions(demo), (QStringList{"点", "二维图形", "二维半图形", "数列", "平面解析几何",
                                          "立体几何"}));
    auto* twoD = m_window->findChild<QMenu*>("mnuDemo2D");
    QCOMPARE(Captions(twoD),
             (QStringList{"直角坐标", "极坐标", "参数曲线", "分段曲线", "隐函数", "不等式", "-",
                          "反函数", "奇偶性", "根", "极值和拐点", "切线和法线", "相交", "极限",
                          "导函数", "积分", "积分 - 极坐标", "曲率", "-", "动画 - 等式",
                          "动画 - 不等式"}));
    QCOMPARE(Captions(m_window->findChild<QMenu*>("mnuDemoGeom")),
             (QStringList{"平面向量", "平面向量运算", "-", "直线", "圆", "椭圆", "双曲线",
                          "抛物线"}));
    QCOMPARE(Captions(m_window->findChild<QMenu*>("mnuDemo25D")),
             (QStringList{"直角坐标", "极坐标", "动画"}));

    // Every item stands in the submenu it names, with its caption.
    for (const DemoItem& item : DemoItems()) {
        QAction* a = Action(item.control);
        QVERIFY2(a, item.control);
        // "&" shows as itself, never as a mnemonic marker.
        QCOMPARE(a->iconText(), QString::fromUtf8(item.caption));
        QCOMPARE(a->text().count(QLatin1Char('&')) % 2, 0);
        const QString parent = *item.submenu ? QString::fromLatin1(item.submenu)
                                             : QStringLiteral("mnuDemo");
        QVERIFY2(m_window->findChild<QMenu*>(parent)->actions().contains(a), item.control);
    }
}

void TestHelpDemo::demoItemsNameTheSampleFolders()
{
    QSet<QString> folders;
    QSet<QString> named;
    for (const DemoItem& item : DemoItems()) {
        folders << QFileInfo(QString::fromUtf8(item.document)).path();
        named << QFileInfo(DemoDocumentPath(item.document)).absoluteFilePath();
    }
    QCOMPARE(folders, (QSet<QString>{"samples/2D", "samples/25D", "samples/3D",
                                     "samples/animation/2D", "samples/animation/2.5D"}));
    // Two items share the cycloid; the others are 60 distinct documents.
    QCOMPARE(named.size(), 60);

    // Each folder exists beside the program, and every document in it is
    // one that an item opens (a misspelt file name would never be found).
    const QString root = QFileInfo(DemoDocumentPath("samples/2D/点.qgd")).absolutePath() +
                         QStringLiteral("/..");
    int documents = 0;
    QDirIterator it(root, {QStringLiteral("*.qgd")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QFileInfo(it.next()).absoluteFilePath();
        QVERIFY2(named.contains(path), qPrintable(path));
        ++documents;
    }
    QVERIFY(documents > 0);
    for (const QString& folder : folders)
        QVERIFY2(QFileInfo(QDir(root + "/..").filePath(folder)).isDir(), qPrintable(folder));
}

void TestHelpDemo::demoAsksToSaveAGraphFirst_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("No replaces") << true << int(MsgAnswer::No) << true;
    QTest::newRow("Cancel keeps") << true << int(MsgAnswer::Cancel) << false;
    QTest::newRow("asked also when nothing is ticked") << false << int(MsgAnswer::Cancel) << false;
}

void TestHelpDemo::demoAsksToSaveAGraphFirst()
{
    QFETCH(bool, ticked);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    {
        MessageRecorder quiet;
        Action("mnuDemoPoint")->trigger();
    }
    QCOMPARE(m_window->List1->count(), 3);
    if (!ticked) {
        for (int i = 0; i < 3; ++i)
            m_window->SetEntryTicked(i, false);
        QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    }

    MessageRecorder messages;
    messages.Answer(MsgAnswer(answer));
    Action("mnuDemoSphere")->trigger();
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("是否保存当前图形？"));
    QCOMPARE(messages.Messages()[0].buttons, MsgButtons::YesNoCancel);
    QCOMPARE(g_DocumentKind, int(replaced ? DocumentKind3D : DocumentKind2D));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), replaced ? 2 : 3);
    QCOMPARE(m_window->List1->count(), replaced ? 2 : 3);
}

void TestHelpDemo::animatedDemoShowsFrameOneAndDoesNotPlay()
{
    QVERIFY(!Action("mnuAniStartb")->isEnabled());
    MessageRecorder messages;
    Action("mnuDemo2DEA")->trigger();
    QCOMPARE(messages.Count(), 0);
    QVERIFY(m_window->findChild<QAction*>("barAnimStart")->isEnabled());
    QVERIFY(g_ShownGraphs.Animation());
    QCOMPARE(g_FrameCount, 40);
    QCOMPARE(g_CurFrame, 1);
    QVERIFY(Action("mnuAniStartb")->isEnabled());
    QVERIFY(!m_window->Timer1->isActive());

    messages.Answer(MsgAnswer::No);
    Action("mnuDemo25DAnim")->trigger();
    QCOMPARE(g_DocumentKind, int(DocumentKind25D));
    QVERIFY(Action("mnuAniStartb")->isEnabled());
    QVERIFY(!m_window->Timer1->isActive());
}

void TestHelpDemo::missingOrUnreadableDemoLeavesTheDrawing()
{
    Action("mnuDemoSine")->trigger();
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
    const GraphRef first = g_ShownGraphs.FunSurfs.Item(1);

    // A document missing from the data folder, and one that is there but
    // is no document the reader can take.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString unreadable = dir.filePath(QStringLiteral("unreadable.qgd"));
    {
        QFile f(unreadable);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a document");
    }
    const QByteArray missingPath = QDir(dir.path()).filePath("missing.qgd").toUtf8();
    const QByteArray unreadablePath = unreadable.toUtf8();
    for (const QByteArray& path : {missingPath, unreadablePath}) {
        MessageRecorder messages;
        messages.Answer(MsgAnswer::No); // the save question, if asked
        QVERIFY(!OpenDemo(m_window, path.constData()));
        QVERIFY2(messages.Count() >= 1, path.constData());
        QVERIFY(messages.Messages().back().text.contains(QFileInfo(QString::fromUtf8(path)).fileName()));
        QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
        QCOMPARE(g_ShownGraphs.FunSurfs.Item(1), first);
        QCOMPARE(m_window->List1->count(), 2);
        QCOMPARE(g_DocumentKind, int(DocumentKind2D));
    }
}

void TestHelpDemo::everyDemoOpensItsDocument()
{
    // Each item opens the document its generator wrote: the document's kind,
    // every graph listed and ticked, and no message but the save question,
    // also none raised while its graphs are drawn (those are shown from the
    // event loop once the lists are closed, so the loop runs before checking).
    for (const DemoItem& item : DemoItems()) {
        const Sample* sample = FindSample(item.document);
        QVERIFY2(sample, item.document);
        {
            MessageRecorder messages;
            messages.Answer(MsgAnswer::No); // no save before the next demo
            Action(item.control)->trigger();
            m_window->picDraw->update();
            QTest::qWait(20);
            QCoreApplication::processEvents();
            for (const MessageRequest& m : messages.Messages())
                QVERIFY2(m.text == QStringLiteral("是否保存当前图形？"),
                         qPrintable(QString::fromUtf8(item.document) + QStringLiteral(": ") +
                                    m.text));
            QVERIFY2(messages.Count() <= 1, item.document);
        }
        const int graphs = int(sample->graphs().size());
        QVERIFY2(g_DocumentKind == sample->kind, item.document);
        QVERIFY2(g_AllGraphs.FunSurfs.Count() == graphs, item.document);
        QCOMPARE(m_window->List1->count(), graphs);
        QCOMPARE(g_ShownGraphs.FunSurfs.Count(), graphs);
        QCOMPARE(g_ShownGraphs.Animation(), sample->frames > 0);
    }
}

void TestHelpDemo::demosAreAsTheirDialogsMakeThem()
{
    // Opening a demo and saving it gives back its bytes, and pressing OK in
    // each graph's editing dialog without a change gives back the same
    // record: nothing in a demo differs from what its dialog makes, so
    // 编辑... then OK never changes what the demo shows.
    QSet<QString> checked;
    for (const DemoItem& item : DemoItems()) {
        const QString path = DemoDocumentPath(item.document);
        if (checked.contains(path))
            continue;
        checked << path;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const QString doc = QString::fromUtf8(item.document);
        {
            MessageRecorder messages;
            messages.Answer(MsgAnswer::No);
            Action(item.control)->trigger();
        }
        QString why;
        QCOMPARE(CurrentDocumentFile(&why).value_or(QByteArray()), bytes);

        for (int row = 0; row < m_window->List1->count(); ++row) {
            const GraphRef g = g_AllGraphs.FunSurfs.Item(row + 1);
            const QString before = g->Save().value_or(QString());
            const QString label = m_window->List1->item(row)->text();
            m_window->List1->setCurrentRow(row);
            MessageRecorder messages;
            bool opened = false;
            bool accepted = false;
            // The timer fires only in the dialog's modal loop; a command that
            // opens none stops it unfired.
            QTimer timer;
            timer.setSingleShot(true);
            connect(&timer, &QTimer::timeout, m_window, [&] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!d)
                    return;
                opened = true;
                d->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                accepted = d->result() == QDialog::Accepted;
                if (d->isVisible())
                    d->reject();
            });
            timer.start(0);
            mnuFunEdit_Click(m_window);
            timer.stop();
            const QString where = doc + QStringLiteral(" row %1").arg(row);
            QVERIFY2(opened, qPrintable(where + QStringLiteral(": no editing dialog")));
            QVERIFY2(accepted, qPrintable(where + QStringLiteral(": OK refused")));
            QVERIFY2(messages.Count() == 0, qPrintable(where));
            const QString after = g->Save().value_or(QString());
            QVERIFY2(after == before,
                     qPrintable(QStringLiteral("%1 changed by OK:\n%2\n%3").arg(where, before, after)));
            QVERIFY2(m_window->List1->item(row)->text() == label, qPrintable(where));
        }
        QCOMPARE(CurrentDocumentFile(&why).value_or(QByteArray()), bytes);
    }
    QCOMPARE(checked.size(), 60);
}

void TestHelpDemo::threePointCircleDemoMarksItsPoints()
{
    // The circle dialog draws the circle through three points without
    // marking them, so the demo adds a point at each.
    Action("mnuDemoCircleThreePoints")->trigger();
    GraphRef circle;
    QList<QPointF> points;
    for (int i = 1; i <= g_ShownGraphs.FunSurfs.Count(); ++i) {
        const GraphRef g = g_ShownGraphs.FunSurfs.Item(i);
        if (g->GraphType == GraphTypeCircle)
            circle = g;
        else if (g->GraphType == GraphTypePoint && g->CoordType == CoordTypeCartesian2D)
            points << QPointF(g->ExpressY.toDouble(), g->ExpressZ.toDouble());
    }
    QVERIFY(circle);
    QVERIFY(circle->GShowCircleEqua);
    QCOMPARE(circle->GCircleEquaType, int32_t(CircleEquationGivenThreePoints));
    const QList<QPointF> given = {QPointF(circle->GPara5, circle->GPara6),
                                  QPointF(circle->GPara7, circle->GPara8),
                                  QPointF(circle->GPara9, circle->GPara10)};
    QCOMPARE(points, given);
}

QTEST_MAIN(TestHelpDemo)
#include "tst_help_demo.moc"
