// Documents through the real main window: a document named on the command
// line fills the graph list, Save writes it back byte for byte, a damaged
// document leaves the window as it was, and copy as picture reads the real
// drawing area.
#include "app/frmF1_ui.h"
#include "io/DocumentCommands_ui.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/FileDialog_ui.h"
#include "platform/MessageBox.h"
#include "view/DrawingArea_gl.h"

#include "DocumentFixtures.h"

#include <QClipboard>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace fixtures;

class TestDocumentWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void openFromTheCommandLine();
    void saveWritesTheSameBytes();
    void saveQuestionKeepsUntickedGraphs();
    void damagedDocumentLeavesTheWindowAsItWas();
    void copyAsPictureReadsTheDrawingArea();
    void cleanupTestCase();

private:
    QByteArray ReadAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_document;
    QByteArray m_bytes;
    frmF1* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;
};

void TestDocumentWindow::initTestCase()
{
    // Start-up registers the file association: keep it in the test folder.
    qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    m_messages = new MessageRecorder;

    GraphRef curve = PlainGraph(0, 4);
    curve->ExpressZ = "sin(x)";
    curve->NameS = QStringLiteral("正弦 曲线");
    curve->LineColor = 255;
    curve->LineWidth = 2;
    GraphRef point = PlainGraph(7, 9);
    point->ExpressY = "1";
    point->ExpressZ = "2";
    m_bytes = DocumentBytes(DocumentText("S81", {curve, point}, Cls3()));
    m_document = m_dir.filePath("两个 图形.qgd");
    QFile f(m_document);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(m_bytes);
    f.close();

    m_window = new frmF1;
    m_window->Form_Load(m_document);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestDocumentWindow::openFromTheCommandLine()
{
    QCOMPARE(m_messages->Count(), 0);
    QCOMPARE(m_window->List1->count(), 2);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(m_window->List1->item(i)->checkState(), Qt::Checked);
    QVERIFY(m_window->List1->item(0)->text().contains("sin(x)"));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
    QCOMPARE(g_DocumentKind, int32_t(DocumentKind2D));
    QVERIFY(g_LastGraphID >= 9); // a new graph gets an ID above every loaded one
    QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->NameS, QStringLiteral("正弦 曲线"));
}

void TestDocumentWindow::saveWritesTheSameBytes()
{
    const QString copy = m_dir.filePath("copy.qgd");
    FileDialogHandler previous = SetFileDialogHandler([&](const FileDialogRequest&) {
        return FileDialogAnswer{true, copy, 1};
    });
    QVERIFY(FileSave(m_window));
    SetFileDialogHandler(previous);
    QCOMPARE(ReadAll(copy), m_bytes);
}

void TestDocumentWindow::saveQuestionKeepsUntickedGraphs()
{
    // Both graphs unticked: the question is still asked, and Yes saves
    // them both, in list order.
    QCOMPARE(m_window->List1->count(), 2);
    for (int i = 0; i < 2; ++i)
        m_window->List1->item(i)->setCheckState(Qt::Unchecked);
    QTRY_COMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    const QString copy = m_dir.filePath("unticked.qgd");
    FileDialogHandler previous = SetFileDialogHandler([&](const FileDialogRequest&) {
        return FileDialogAnswer{true, copy, 1};
    });
    m_messages->Clear();
    m_messages->Answer(MsgAnswer::Yes);
    QVERIFY(AskSaveIfNeeded(m_window));
    SetFileDialogHandler(previous);
    QCOMPARE(m_messages->Count(), 1);
    QCOMPARE(m_messages->Messages()[0].text, QStringLiteral("是否保存当前图形？"));
    QCOMPARE(ReadAll(copy), m_bytes);
    for (int i = 0; i < 2; ++i)
        m_window->List1->item(i)->setCheckState(Qt::Checked);
    QTRY_COMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
}

void TestDocumentWindow::damagedDocumentLeavesTheWindowAsItWas()
{
    const QString damaged = m_dir.filePath("damaged.qgd");
    QFile f(damaged);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(m_bytes.left(m_bytes.size() - 40));
    f.close();
    const QString firstLabel = m_window->List1->item(0)->text();
    m_messages->Clear();
    QVERIFY(!FileOpen(m_window, damaged));
    QCOMPARE(m_messages->Count(), 1);
    QCOMPARE(m_window->List1->count(), 2);
    QCOMPARE(m_window->List1->item(0)->text(), firstLabel);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
}

void TestDocumentWindow::copyAsPictureReadsTheDrawingArea()
{
    QVERIFY(CopyPicture(m_window));
    const QImage picture = QGuiApplication::clipboard()->image();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.width(), int(m_window->picDraw->ScaleWidth()));
    QCOMPARE(picture.height(), int(m_window->picDraw->ScaleHeight()));
}

void TestDocumentWindow::cleanupTestCase()
{
    // Closing asks to save; answer No.
    m_messages->Answer(MsgAnswer::No);
    m_window->close();
    delete m_window;
    delete m_messages;
}

QTEST_MAIN(TestDocumentWindow)
#include "tst_document_window.moc"
