// Tests of opening a document: what replaces the current one and what a refused file leaves alone.
#include "io/DocumentLoad.h"

#include "DocumentFixtures.h"
#include "ProgramStateGuard.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

using namespace fixtures;

namespace {

struct Calls {
    int deleteAll = 0, tickAll = 0, animation = 0, resetView = 0;
    std::vector<int32_t> commandStates;
    QStringList labels;
};

void InstallWindow(Calls& calls)
{
    DocumentWindow w;
    w.deleteAllGraphs = [&] { ++calls.deleteAll; };
    w.setCommandStates = [&](int32_t kind) { calls.commandStates.push_back(kind); };
    w.addListEntry = [&](const QString& label) { calls.labels << label; };
    w.tickAllEntries = [&] { ++calls.tickAll; };
    w.enableAnimationControls = [&] { ++calls.animation; };
    w.resetViewModes = [&] { ++calls.resetView; };
    SetDocumentWindow(w);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// A document on screen: two graphs, a 3D kind, settings away from defaults.
void SetUpCurrentDocument()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    for (int32_t id : {6, 7}) {
        GraphRef g = RichGraph(51, id);
        g_AllGraphs.FunSurfs.Add(g, QString::number(id));
        g_ShownGraphs.FunSurfs.Add(g, QString::number(id));
    }
    g_DocumentKind = DocumentKind3D;
    g_LastGraphID = 7;
    g_CoordSystem = RichAxes();
    g_FrameCount = 33;
    g_FramesPerSecond = 3;
    g_ShownGraphs.RotPitch = 11;
}

// Waits until thread `tid` of this process sleeps in opening a file, as a
// shell redirection into a FIFO does until a reader comes; false if it has
// not within ten seconds. Open gives a writer that is not there yet only a
// moment, so a test's writer must be waiting before Open starts, however
// slowly its thread is scheduled.
bool WaitUntilSleepingInOpen(pid_t tid)
{
    const QString task = QStringLiteral("/proc/self/task/%1/").arg(tid);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        QFile call(task + QStringLiteral("syscall")), status(task + QStringLiteral("stat"));
        if (call.open(QIODevice::ReadOnly) && status.open(QIODevice::ReadOnly)) {
            const QByteArray number = call.readAll().split(' ').value(0).trimmed();
            // The state follows the command name, which is in parentheses.
            const QByteArray fields = status.readAll();
            const qsizetype nameEnd = fields.lastIndexOf(')');
            if (number == QByteArray::number(SYS_openat) && nameEnd > 0 &&
                fields.mid(nameEnd + 2, 1) == "S")
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

} // namespace

TEST(DocumentLoad, ReplacesTheDocumentAndRaisesIDs)
{
    ProgramStateGuard guard;
    SetUpCurrentDocument();
    Calls calls;
    InstallWindow(calls);
    QTemporaryDir dir;
    GraphRef a = PlainGraph(0, 1), b = PlainGraph(0, 2), c = PlainGraph(7, 3);
    c->CoordType = 1;
    c->ExpressY = "1";
    c->ExpressZ = "2";
    const QString path =
        WriteFile(dir, "doc.qgd", DocumentBytes(DocumentText("S81", {a, b, c}, Cls3())));
    MessageRecorder messages;
    ASSERT_TRUE(LoadDocumentFromFile(path));
    EXPECT_EQ(messages.Count(), 0);

    EXPECT_EQ(g_DocumentKind, DocumentKind2D);
    EXPECT_EQ(g_AllGraphs.FunSurfs.Count(), 3);
    EXPECT_EQ(g_ShownGraphs.FunSurfs.Count(), 3);
    EXPECT_EQ(g_AllGraphs.FunSurfs.Item(3), g_ShownGraphs.FunSurfs.Item("3"));
    EXPECT_EQ(g_LastGraphID, 4); // IDs 1, 2, 3: the next new graph gets 5
    EXPECT_EQ(g_ShownGraphs.RotPitch, 0.0f);
    EXPECT_EQ(calls.deleteAll, 1);
    EXPECT_EQ(calls.commandStates, std::vector<int32_t>{DocumentKind2D});
    EXPECT_EQ(calls.labels.size(), 3);
    EXPECT_EQ(calls.tickAll, 1);
    EXPECT_EQ(calls.animation, 0);
    // The hidden record hides the axes and keeps the rest.
    EXPECT_FALSE(g_CoordSystem.Show);
    EXPECT_EQ(g_CoordSystem.TitleX, RichAxes().TitleX);
    // Still documents keep the animation settings.
    EXPECT_EQ(g_FrameCount, 33);
}

TEST(DocumentLoad, AnimatedDocumentSetsFramesAndControls)
{
    ProgramStateGuard guard;
    SetUpCurrentDocument();
    Calls calls;
    InstallWindow(calls);
    QTemporaryDir dir;
    QString text;
    {
        const int32_t frames = g_FrameCount, fps = g_FramesPerSecond;
        g_FrameCount = 20;
        g_FramesPerSecond = 5;
        text = DocumentText("S83", {PlainGraph(10, 9), PlainGraph(3, 2)}, RichAxes());
        g_FrameCount = frames;
        g_FramesPerSecond = fps;
    }
    g_CurFrame = 7;
    ASSERT_TRUE(LoadDocumentFromFile(WriteFile(dir, "anim.qgd", DocumentBytes(text))));
    EXPECT_EQ(g_DocumentKind, DocumentKind25D);
    EXPECT_EQ(g_ShownGraphs.RotPitch, -15.0f);
    EXPECT_EQ(g_ShownGraphs.RotYaw, 45.0f);
    EXPECT_EQ(g_FrameCount, 20);
    EXPECT_EQ(g_FramesPerSecond, 5);
    EXPECT_EQ(g_CurFrame, 1);
    EXPECT_EQ(calls.animation, 1);
    EXPECT_EQ(g_LastGraphID, 10);
    EXPECT_EQ(g_CoordSystem.Save(), RichAxes().Save());
}

// Whatever is wrong with a file, the document on screen stays exactly as it
// was and the user is told why.
TEST(DocumentLoad, RefusedFilesChangeNothing)
{
    ProgramStateGuard guard;
    QTemporaryDir dir;
    const QString good = DocumentText("S81", {PlainGraph(0, 1), PlainGraph(0, 2)}, Cls3());
    QStringList dup = good.split(' ');
    dup[2 + rec::Tokens + rec::ID] = "1";
    QStringList unknown = good.split(' ');
    unknown[2 + rec::GraphType] = "4";
    // Opening a FIFO must not wait for a program to write it.
    const QString fifo = dir.filePath("pipe.qgd");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString notDocument = QStringLiteral("不是图形文件。");
    struct Case {
        const char* what;
        QString path;
        QString reason; // how the message ends; empty: not looked at
    } cases[] = {
        {"missing file", dir.filePath("missing.qgd"), QString()},
        {"a folder", dir.path(), QString()},
        {"empty file", WriteFile(dir, "empty.qgd", QByteArray()), QStringLiteral("文件是空的。")},
        {"not a document", WriteFile(dir, "text.qgd", QByteArray("hello world")), notDocument},
        {"two bytes of text", WriteFile(dir, "hi.qgd", QByteArray("hi")), notDocument},
        {"unknown key", WriteFile(dir, "key.qgd", DocumentBytes("S84 0 0")), notDocument},
        {"cut short", WriteFile(dir, "cut.qgd", DocumentBytes(good).left(300)),
         QStringLiteral("文件不完整。")},
        {"duplicate ID", WriteFile(dir, "dup.qgd", DocumentBytes(dup.join(' '))), QString()},
        {"unknown type", WriteFile(dir, "type.qgd", DocumentBytes(unknown.join(' '))), QString()},
        {"a FIFO nobody writes", fifo, QStringLiteral("没有程序在写入这个管道。")},
    };
    for (const Case& c : cases) {
        SetUpCurrentDocument();
        Calls calls;
        InstallWindow(calls);
        const auto all = ProgramStateGuard::Graphs(g_AllGraphs);
        const auto shown = ProgramStateGuard::Graphs(g_ShownGraphs);
        MessageRecorder messages;
        EXPECT_FALSE(LoadDocumentFromFile(c.path)) << c.what;
        ASSERT_EQ(messages.Count(), 1) << c.what;
        EXPECT_EQ(messages.Messages()[0].title, QString("出错"));
        EXPECT_TRUE(messages.Messages()[0].text.endsWith(c.reason))
            << c.what << ": " << messages.Messages()[0].text.toStdString();
        EXPECT_EQ(ProgramStateGuard::Graphs(g_AllGraphs), all) << c.what;
        EXPECT_EQ(ProgramStateGuard::Graphs(g_ShownGraphs), shown) << c.what;
        EXPECT_EQ(g_DocumentKind, DocumentKind3D) << c.what;
        EXPECT_EQ(g_LastGraphID, 7) << c.what;
        EXPECT_EQ(g_CoordSystem.Save(), RichAxes().Save()) << c.what;
        EXPECT_EQ(g_FrameCount, 33) << c.what;
        EXPECT_EQ(g_ShownGraphs.RotPitch, 11.0f) << c.what;
        EXPECT_EQ(calls.deleteAll + calls.tickAll + calls.resetView + calls.labels.size(), 0) << c.what;
    }
    // An empty path (a cancelled dialog) does nothing and says nothing.
    MessageRecorder messages;
    EXPECT_FALSE(LoadDocumentFromFile(QString()));
    EXPECT_EQ(messages.Count(), 0);
}

// A sequence of more terms than its dialog takes would list and mark each
// one on every redraw: it is left out with a message, and the rest of the
// document opens. One of exactly 101 terms opens as it is.
TEST(DocumentLoad, SequenceBeyondItsTermsIsLeftOutAndTheRestOpens)
{
    ProgramStateGuard guard;
    SetUpCurrentDocument();
    Calls calls;
    InstallWindow(calls);
    QTemporaryDir dir;
    GraphRef curve = PlainGraph(0, 1), arithmetic = PlainGraph(61, 2),
             geometric = PlainGraph(62, 3), full = PlainGraph(61, 4);
    arithmetic->EdgeNum = 1000000;
    geometric->EdgeNum = 102;
    full->EdgeNum = 101;
    const QString path = WriteFile(
        dir, "seq.qgd",
        DocumentBytes(DocumentText("S81", {curve, arithmetic, geometric, full}, Cls3())));
    MessageRecorder messages;
    ASSERT_TRUE(LoadDocumentFromFile(path));

    EXPECT_EQ(g_DocumentKind, DocumentKind2D);
    ASSERT_EQ(g_AllGraphs.FunSurfs.Count(), 2);
    EXPECT_EQ(g_AllGraphs.FunSurfs.Item(1)->ID, 1);
    EXPECT_EQ(g_AllGraphs.FunSurfs.Item(2)->ID, 4);
    EXPECT_EQ(g_AllGraphs.FunSurfs.Item(2)->EdgeNum, 101);
    ASSERT_EQ(calls.labels.size(), 2);
    EXPECT_EQ(calls.labels[1], QStringLiteral("等差数列"));
    EXPECT_EQ(calls.tickAll, 1);

    ASSERT_EQ(messages.Count(), 1);
    const MessageRequest& m = messages.Messages()[0];
    EXPECT_EQ(m.title, QStringLiteral("注意"));
    EXPECT_TRUE(m.text.contains(QStringLiteral("第 2 个图形：等差数列的项数 1000000 超过了本程序能绘制的 101 项。")))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QStringLiteral("第 3 个图形：等比数列的项数 102 超过了本程序能绘制的 101 项。")))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.endsWith(QStringLiteral("其余 2 个图形已打开。"))) << m.text.toStdString();
}

// Some 160 sequences can be left out of one document: the box lists ten and
// counts the rest, so that it stays on the screen with its button.
TEST(DocumentLoad, ManyLeftOutGraphsAreListedUpToTen)
{
    ProgramStateGuard guard;
    SetUpCurrentDocument();
    Calls calls;
    InstallWindow(calls);
    QTemporaryDir dir;
    std::vector<GraphRef> graphs{PlainGraph(0, 1)};
    for (int32_t id = 2; id <= 14; ++id) {
        graphs.push_back(PlainGraph(61, id));
        graphs.back()->EdgeNum = 2'147'483'647;
    }
    const QString path =
        WriteFile(dir, "many.qgd", DocumentBytes(DocumentText("S81", graphs, Cls3())));
    MessageRecorder messages;
    ASSERT_TRUE(LoadDocumentFromFile(path));
    EXPECT_EQ(g_AllGraphs.FunSurfs.Count(), 1);
    ASSERT_EQ(messages.Count(), 1);
    const QStringList lines = messages.Messages()[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 13) << messages.Messages()[0].text.toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("第 2 个图形：等差数列的项数 2147483647 超过了本程序能绘制的 101 项。"));
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("第 11 个图形："))) << lines[10].toStdString();
    EXPECT_EQ(lines[11], QStringLiteral("另有 3 个图形也没有打开。"));
    EXPECT_EQ(lines[12], QStringLiteral("其余 1 个图形已打开。"));
}

// A document written into a FIFO by another program (`cat doc.qgd > pipe`)
// opens like a file; the writer is already waiting when Open comes. However
// it paces its bytes, it holds Open at most the few seconds of the transfer
// limit: a writer that keeps the FIFO open after the whole document has come
// is not waited for, and one that sends a byte now and then is given up on
// with a message. Whatever comes is named as the same bytes in a file are.
TEST(DocumentLoad, FifoWriterHoldsOpenAtMostTheLimit)
{
    ProgramStateGuard guard;
    // The trickling writer meets a closed FIFO once Open gives up.
    void (*oldPipeHandler)(int) = std::signal(SIGPIPE, SIG_IGN);
    QTemporaryDir dir;
    const QByteArray doc =
        DocumentBytes(DocumentText("S81", {PlainGraph(0, 1), PlainGraph(0, 2)}, Cls3()));
    ASSERT_GT(doc.size(), 200); // more than the limit's worth of trickled bytes
    const struct Case {
        const char* what;
        QByteArray bytes;
        qsizetype piece; // bytes written at a time
        int pauseMs;     // after each piece
        bool holds;      // keeps the FIFO open once all is written
        QString refusal; // empty: opens
    } cases[] = {
        {"whole document, then closed", doc, doc.size(), 0, false, QString()},
        {"whole document, FIFO kept open", doc, doc.size(), 0, true, QString()},
        {"a byte every 100 ms", doc, 1, 100, true, QStringLiteral("写入方 5 秒内没有送完数据。")},
        {"text in two pieces, FIFO kept open", "hithere", 2, 500, true,
         QStringLiteral("不是图形文件。")},
        {"nothing, then closed", QByteArray(), 1, 0, false, QStringLiteral("文件是空的。")},
    };
    int fifoNumber = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUpCurrentDocument();
        Calls calls;
        InstallWindow(calls);
        const QString fifo = dir.filePath(QStringLiteral("pipe%1.qgd").arg(++fifoNumber));
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        std::atomic<bool> openOver{false};
        std::atomic<pid_t> writerTid{0};
        std::thread writer([&] {
            writerTid = gettid();
            // Blocks until Open opens the FIFO, as a shell redirection does.
            const int fd = open(QFile::encodeName(fifo).constData(), O_WRONLY);
            if (fd < 0)
                return;
            // Twenty seconds at most, so that a reader that waits for it all
            // ends with a cut-off document instead of hanging the test.
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            for (qsizetype done = 0; done < c.bytes.size() && !openOver;) {
                const ssize_t n = write(fd, c.bytes.constData() + done,
                                        size_t(std::min(c.piece, c.bytes.size() - done)));
                if (n <= 0 || std::chrono::steady_clock::now() > end)
                    break;
                done += n;
                std::this_thread::sleep_for(std::chrono::milliseconds(c.pauseMs));
            }
            while (c.holds && !openOver && std::chrono::steady_clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            close(fd);
        });
        while (writerTid == 0)
            std::this_thread::yield();
        EXPECT_TRUE(WaitUntilSleepingInOpen(writerTid));
        MessageRecorder messages;
        const bool opened = LoadDocumentFromFile(fifo);
        openOver = true;
        // Lets the writer go should Open not have opened the FIFO.
        const int release = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        writer.join();
        close(release);
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(opened);
            EXPECT_EQ(messages.Count(), 0);
            EXPECT_EQ(g_AllGraphs.FunSurfs.Count(), 2);
            EXPECT_EQ(g_DocumentKind, DocumentKind2D);
        } else {
            EXPECT_FALSE(opened);
            ASSERT_EQ(messages.Count(), 1);
            EXPECT_TRUE(messages.Messages()[0].text.endsWith(c.refusal))
                << messages.Messages()[0].text.toStdString();
            EXPECT_EQ(g_DocumentKind, DocumentKind3D);
            EXPECT_EQ(g_LastGraphID, 7);
        }
    }
    std::signal(SIGPIPE, oldPipeHandler);
}
