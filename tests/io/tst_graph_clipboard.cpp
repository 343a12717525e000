// Cut, copy and paste of graphs in the real main window: the menu items,
// a copied graph pasted back as a new graph that differs only in its ID,
// the tick of the pasted entry, texts that are refused, and Cut.
#include "app/frmF1_ui.h"
#include "io/GraphClipboard_ui.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include "DocumentFixtures.h"

#include <QAction>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace fixtures;

class TestGraphClipboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void menuItems();
    void pasteBeforeAnyCopyDoesNothing();
    void copyThenPasteAddsTheSameGraphUnderANewId();
    void pastedEntryIsTickedAsTheCurrentOne();
    void refusedTextsChangeNothing();
    void cutDeletesOnlyWhatWasCopied();
    void cleanupTestCase();

private:
    void Trigger(const char* name)
    {
        QAction* action = m_window->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    static QStringList NamesOf(const QMenu* menu)
    {
        QStringList names;
        for (const QAction* a : menu->actions())
            names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return names;
    }

    QTemporaryDir m_dir;
    frmF1* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;
};

void TestGraphClipboard::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    m_messages = new MessageRecorder;

    GraphRef curve = RichGraph(0, 4);
    curve->ExpressZ = "sin(x)"; // the overlays need a derivative in x alone
    GraphRef point = PlainGraph(7, 9);
    point->ExpressY = "1";
    point->ExpressZ = "2";
    const QString path = m_dir.filePath("two.qgd");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(DocumentBytes(DocumentText("S81", {curve, point}, Cls3())));
    f.close();

    m_window = new frmF1;
    m_window->Form_Load(path);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->List1->count(), 2);
    QCOMPARE(m_messages->Count(), 0);
}

void TestGraphClipboard::menuItems()
{
    auto* edit = m_window->findChild<QMenu*>("mnuEdit");
    QVERIFY(edit);
    const QStringList names = NamesOf(edit);
    QCOMPARE(names.mid(0, 4), (QStringList{"mnuEditCut", "mnuEditCopy", "mnuEditCopyAs",
                                          "mnuEditPaste"}));
    const QStringList captions{edit->actions()[0]->text(), edit->actions()[1]->text(),
                               edit->actions()[3]->text()};
    QCOMPARE(captions, (QStringList{"剪切", "复制", "粘贴"}));
    for (int i = 0; i < 4; ++i)
        QVERIFY(edit->actions()[i]->shortcut().isEmpty());

    const QStringList list = NamesOf(m_window->FunEdit);
    const qsizetype del = list.indexOf("mnuFunDelete");
    QVERIFY(del >= 2);
    QCOMPARE(list.mid(del - 2, 3), (QStringList{"mnuFunCut", "mnuFunCopy", "mnuFunDelete"}));
    QCOMPARE(NamesOf(m_window->GraphEdit).value(0), QStringLiteral("mnuGraphPaste"));
}

void TestGraphClipboard::pasteBeforeAnyCopyDoesNothing()
{
    QCOMPARE(m_window->mlngCopiedCount, 0);
    QGuiApplication::clipboard()->setText(
        QStringLiteral("1 ") + PlainGraph(0, 1)->Save().value());
    Trigger("mnuEditPaste");
    QCOMPARE(m_window->List1->count(), 2);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(m_messages->Count(), 0);
}

void TestGraphClipboard::copyThenPasteAddsTheSameGraphUnderANewId()
{
    m_window->List1->setCurrentRow(0);
    const GraphRef original = g_AllGraphs.FunSurfs.Item(1);
    Trigger("mnuEditCopy");
    QCOMPARE(m_window->mlngCopiedCount, 1);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("1 0 4 @"));

    const int32_t lastId = g_LastGraphID;
    Trigger("mnuGraphPaste");
    QCOMPARE(m_messages->Count(), 0);
    QCOMPARE(m_window->List1->count(), 3);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 3);
    const GraphRef pasted = g_AllGraphs.FunSurfs.Item(3);
    QVERIFY(pasted != original);
    QCOMPARE(pasted->ID, lastId + 1);
    QCOMPARE(g_LastGraphID, lastId + 1);

    // Every field of the record but the ID (token 2) is the original's.
    QStringList expected = original->Save().value().split(' ');
    expected[1] = QString::number(pasted->ID);
    QCOMPARE(pasted->Save().value(), expected.join(' '));
    QCOMPARE(m_window->List1->item(2)->text(), m_window->List1->item(0)->text());
    QCOMPARE(m_window->List1->item(2)->checkState(), Qt::Checked);
    QVERIFY(g_ShownGraphs.FunSurfs.Contains(QString::number(pasted->ID)));

    // The same text pasted again gives the next ID.
    Trigger("mnuEditPaste");
    QCOMPARE(g_AllGraphs.FunSurfs.Item(4)->ID, lastId + 2);
    m_window->DeleteGraphAt(4);
    m_window->DeleteGraphAt(3);
}

void TestGraphClipboard::pastedEntryIsTickedAsTheCurrentOne()
{
    m_window->SetEntryTicked(1, false);
    m_window->List1->setCurrentRow(1);
    Trigger("mnuFunCopy");
    const int shown = g_ShownGraphs.FunSurfs.Count();
    Trigger("mnuEditPaste");
    QCOMPARE(m_window->List1->count(), 3);
    QCOMPARE(m_window->List1->item(2)->checkState(), Qt::Unchecked);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), shown);
    // Ticking it later shows it as any entry.
    m_window->SetEntryTicked(2, true);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), shown + 1);
    m_window->DeleteGraphAt(3);
    m_window->SetEntryTicked(1, true);
}

void TestGraphClipboard::refusedTextsChangeNothing()
{
    const int32_t lastId = g_LastGraphID;
    const QString copied3D = QStringLiteral("3 ") + PlainGraph(0, 1)->Save().value();
    for (const QString& text : {QStringLiteral("hello"), QString(), copied3D}) {
        QGuiApplication::clipboard()->setText(text);
        m_messages->Clear();
        QVERIFY(!PasteGraph(m_window));
        QCOMPARE(m_messages->Count(), 1);
        QCOMPARE(m_window->List1->count(), 2);
        QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
        QCOMPARE(g_LastGraphID, lastId);
    }
    m_messages->Clear();
}

void TestGraphClipboard::cutDeletesOnlyWhatWasCopied()
{
    // No current entry: nothing is copied, so nothing is deleted.
    QGuiApplication::clipboard()->setText("unchanged");
    m_window->List1->setCurrentRow(-1);
    Trigger("mnuEditCut");
    QCOMPARE(m_window->List1->count(), 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("unchanged"));

    // A graph whose record cannot be written, or not in the clipboard's
    // code page, stays, with a message, and the clipboard keeps its text.
    // A character the code page cannot hold is named as the document writer
    // names it: the one character, though the record puts "@" after it.
    m_window->List1->setCurrentRow(1);
    const GraphRef point = g_AllGraphs.FunSurfs.Item(2);
    const QString tagA = QString::fromUcs4(U"\U000E0041"); // iconv drops it without an error
    const QString high(QChar(0xD800));
    const struct {
        const char* expression;
        QString name;
        QString refusedCharacter; // empty: the record itself is refused
    } cases[] = {
        {"1 2", QString(), QString()},
        {"2", QString::fromUtf8("点😀"), QString::fromUtf8("😀")},
        {"2", QString::fromUtf8("点") + tagA, QStringLiteral("U+E0041")},
        {"2", high, QStringLiteral("U+D800")},
        {"2", QString::fromUtf8("点\u3164"), QStringLiteral("U+3164")}, // Hangul filler
    };
    for (const auto& c : cases) {
        point->ExpressZ = QString::fromLatin1(c.expression);
        point->NameS = c.name;
        m_messages->Clear();
        Trigger("mnuFunCut");
        QCOMPARE(m_messages->Count(), 1);
        if (!c.refusedCharacter.isEmpty())
            QCOMPARE(m_messages->Messages()[0].text,
                     QStringLiteral("无法复制图形：字符“%1”无法保存到图形文件中。")
                         .arg(c.refusedCharacter));
        QCOMPARE(m_window->List1->count(), 2);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("unchanged"));
    }
    point->NameS.clear();
    m_messages->Clear();

    const QString record = point->Save().value();
    Trigger("mnuEditCut");
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1 ") + record);
}

void TestGraphClipboard::cleanupTestCase()
{
    m_messages->Answer(MsgAnswer::No); // closing asks to save
    m_window->close();
    delete m_window;
    delete m_messages;
}

QTEST_MAIN(TestGraphClipboard)
#include "tst_graph_clipboard.moc"
