// The document and picture commands as the main window runs them, on a real
// Mesa context under X: capture of the drawing area, copy as picture, print
// to PDF, Save As bitmap and document, the save question and Open.
#include "io/DocumentCommands_ui.h"
#include "platform/FileDialog_ui.h"
#include "platform/MessageBox.h"
#include "platform/PictureCapture_gl.h"
#include "platform/ProcessStart.h"

#include "DocumentFixtures.h"
#include "ProgramStateGuard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

using namespace fixtures;

namespace {

void Pump(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// A drawing area that clears to blue and paints the top-left quarter green.
class TestArea : public QOpenGLWidget {
protected:
    void paintGL() override
    {
        QOpenGLFunctions* f = context()->functions();
        const int w = int(width() * devicePixelRatioF()), h = int(height() * devicePixelRatioF());
        f->glDisable(GL_SCISSOR_TEST);
        f->glClearColor(0, 0, 1, 1);
        f->glClear(GL_COLOR_BUFFER_BIT);
        f->glEnable(GL_SCISSOR_TEST);
        f->glScissor(0, h / 2, w / 2, h - h / 2); // GL counts rows from the bottom
        f->glClearColor(0, 1, 0, 1);
        f->glClear(GL_COLOR_BUFFER_BIT);
        f->glDisable(GL_SCISSOR_TEST);
    }
};

// Answers the file dialogs from a script and remembers what was asked.
struct DialogScript {
    DialogScript() { m_previous = SetFileDialogHandler([this](const FileDialogRequest& r) {
        requests.push_back(r);
        if (answers.empty())
            return FileDialogAnswer{};
        FileDialogAnswer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }); }
    ~DialogScript() { SetFileDialogHandler(m_previous); }
    std::vector<FileDialogAnswer> answers;
    std::vector<FileDialogRequest> requests;
    FileDialogHandler m_previous;
};

class DocumentCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        area = std::make_unique<TestArea>();
        area->resize(160, 120);
        area->show();
        Pump(200);
        DocumentWindow w;
        w.picDraw = area.get();
        SetDocumentWindow(w);
        g_AllGraphs.FunSurfs.Clear();
        g_ShownGraphs.FunSurfs.Clear();
        g_DocumentKind = DocumentKind2D;
    }
    void AddGraph(int32_t id)
    {
        GraphRef g = PlainGraph(0, id);
        g_AllGraphs.FunSurfs.Add(g, QString::number(id));
        g_ShownGraphs.FunSurfs.Add(g, QString::number(id));
    }
    QSize DeviceSize() const { return area->size() * area->devicePixelRatioF(); }

    ProgramStateGuard guard;
    std::unique_ptr<TestArea> area;
    QTemporaryDir dir;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString SystemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A device that refuses every write with "No space left on device": a
// private node of /dev/full in `dir` where one can be made, else /dev/full
// itself, but only for a user who cannot replace it; empty when neither.
QString FullDevice(const QTemporaryDir& dir)
{
    const QByteArray node = QFile::encodeName(dir.filePath("full"));
    if (mknod(node.constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        const int fd = open(node.constData(), O_WRONLY);
        if (fd >= 0) {
            close(fd);
            return QFile::decodeName(node);
        }
    }
    if (geteuid() != 0 && access("/dev/full", W_OK) == 0)
        return QStringLiteral("/dev/full");
    return {};
}

} // namespace

TEST_F(DocumentCommands, CaptureIsTheDrawingAtDevicePixelSize)
{
    const QImage picture = CapturePictureBox(area.get());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), DeviceSize());
    EXPECT_EQ(picture.pixel(5, 5), qRgb(0, 255, 0));           // top-left quarter
    EXPECT_EQ(picture.pixel(picture.width() - 5, picture.height() - 5), qRgb(0, 0, 255));
    EXPECT_TRUE(CapturePictureBox(nullptr).isNull());
}

TEST_F(DocumentCommands, WindowOverTheDrawingAreaIsNotCaptured)
{
    QWidget cover;
    cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    cover.setAutoFillBackground(true);
    QPalette p = cover.palette();
    p.setColor(QPalette::Window, Qt::red);
    cover.setPalette(p);
    cover.setGeometry(QRect(area->mapToGlobal(QPoint(0, 0)), area->size()));
    cover.show();
    cover.raise();
    Pump(200);
    const QImage picture = CapturePictureBox(area.get());
    ASSERT_FALSE(picture.isNull());
    for (QPoint at : {QPoint(5, 5), QPoint(picture.width() - 5, picture.height() - 5)})
        EXPECT_NE(picture.pixel(at), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(5, 5), qRgb(0, 255, 0));
}

TEST_F(DocumentCommands, CopyAsPicture)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    // Nothing shown: nothing copied.
    EXPECT_FALSE(CopyPicture(nullptr));
    EXPECT_EQ(clipboard->text(), QString("before"));

    AddGraph(1);
    // No drawing area to read: reported, clipboard as it was.
    {
        DocumentWindow none;
        SetDocumentWindow(none);
        MessageRecorder messages;
        EXPECT_FALSE(CopyPicture(nullptr));
        EXPECT_EQ(messages.Count(), 1);
        EXPECT_EQ(clipboard->text(), QString("before"));
        DocumentWindow w;
        w.picDraw = area.get();
        SetDocumentWindow(w);
    }
    ASSERT_TRUE(CopyPicture(nullptr));
    const QImage copied = clipboard->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), DeviceSize());
    EXPECT_EQ(QColor(copied.pixel(5, 5)), QColor(0, 255, 0));
}

TEST_F(DocumentCommands, PrintToPdf)
{
    // An empty drawing area prints too.
    const QString path = dir.filePath("page.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(PrintPicture(nullptr, &printer));
    const QByteArray pdf = ReadAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

    // A printer that cannot start is reported.
    QPrinter broken;
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(dir.filePath("no/such/folder/page.pdf"));
    MessageRecorder messages;
    EXPECT_FALSE(PrintPicture(nullptr, &broken));
    EXPECT_EQ(messages.Count(), 1);
}

TEST_F(DocumentCommands, SaveAsBitmapOrDocument)
{
    AddGraph(1);
    DialogScript dialogs;
    // A bitmap name typed without extension is used exactly as typed.
    const QString bitmap = dir.filePath("picture");
    dialogs.answers.push_back({true, bitmap, 2});
    ASSERT_TRUE(FileSaveAs(nullptr));
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QString("另存为"));
    EXPECT_EQ(dialogs.requests[0].filter, QString("*.qgd|*.qgd|*.bmp|*.bmp"));
    EXPECT_TRUE(dialogs.requests[0].overwritePrompt);
    EXPECT_TRUE(ReadAll(bitmap).startsWith("BM"));
    QImage read(bitmap, "BMP");
    EXPECT_EQ(read.size(), DeviceSize());
    EXPECT_EQ(QColor(read.pixel(5, 5)), QColor(0, 255, 0));

    const QString document = dir.filePath("doc.qgd");
    dialogs.answers.push_back({true, document, 1});
    ASSERT_TRUE(FileSaveAs(nullptr));
    EXPECT_TRUE(ReadAll(document).startsWith(QByteArray("\x08\x00", 2)));
    EXPECT_TRUE(ReadAll(document).mid(4).startsWith("S81 1 "));

    // Cancelled: nothing written.
    EXPECT_FALSE(FileSaveAs(nullptr));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);

    // An existing file: asked first; No shows the dialog again from that name.
    const QByteArray before = ReadAll(document);
    dialogs.requests.clear();
    dialogs.answers = {{true, document, 2}, {false, {}, 0}};
    {
        MessageRecorder messages;
        messages.Answer(MsgAnswer::No);
        EXPECT_FALSE(FileSaveAs(nullptr));
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].buttons, MsgButtons::YesNo);
        ASSERT_EQ(dialogs.requests.size(), 2u);
        EXPECT_EQ(dialogs.requests[1].fileName, document);
        EXPECT_EQ(ReadAll(document), before);
    }
    dialogs.answers = {{true, document, 2}};
    {
        MessageRecorder messages;
        messages.Answer(MsgAnswer::Yes);
        EXPECT_TRUE(FileSaveAs(nullptr));
        EXPECT_TRUE(ReadAll(document).startsWith("BM"));
    }
}

TEST_F(DocumentCommands, SaveWritesOnlyWhatItCan)
{
    DialogScript dialogs;
    // No graph at all: no dialog.
    EXPECT_FALSE(FileSave(nullptr));
    EXPECT_TRUE(dialogs.requests.empty());

    AddGraph(1);
    EXPECT_FALSE(FileSave(nullptr)); // cancelled
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QString("保存"));
    EXPECT_EQ(dialogs.requests[0].filter, QString("(*.qgd)|*.qgd"));

    // A name the code page cannot hold: refused before the dialog, file kept.
    const QString path = dir.filePath("kept.qgd");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    g_AllGraphs.FunSurfs.Item(1)->NameS = QString::fromUtf8("😀");
    MessageRecorder messages;
    dialogs.answers.push_back({true, path, 1});
    EXPECT_FALSE(FileSave(nullptr));
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(ReadAll(path), QByteArray("old content"));
    EXPECT_EQ(g_AllGraphs.FunSurfs.Count(), 1);
}

TEST_F(DocumentCommands, SaveQuestionLetsTheCallerGoOnOnlyWhenSafe)
{
    EXPECT_TRUE(AskSaveIfNeeded(nullptr)); // nothing to save, nothing asked
    AddGraph(1);
    const QString path = dir.filePath("asked.qgd");
    struct Case {
        const char* what;
        MsgAnswer answer;
        bool dialogAccepts;
        bool goOn;
    } cases[] = {
        {"No", MsgAnswer::No, false, true},
        {"Cancel", MsgAnswer::Cancel, false, false},
        {"Yes, dialog cancelled", MsgAnswer::Yes, false, false},
        {"Yes, saved", MsgAnswer::Yes, true, true},
    };
    for (const Case& c : cases) {
        DialogScript dialogs;
        if (c.dialogAccepts)
            dialogs.answers.push_back({true, path, 1});
        MessageRecorder messages;
        messages.Answer(c.answer);
        EXPECT_EQ(AskSaveIfNeeded(nullptr), c.goOn) << c.what;
        ASSERT_EQ(messages.Count(), 1) << c.what;
        EXPECT_EQ(messages.Messages()[0].text, QString("是否保存当前图形？"));
        EXPECT_EQ(messages.Messages()[0].buttons, MsgButtons::YesNoCancel);
    }
    EXPECT_TRUE(QFile::exists(path));
    // A save that fails stops the caller too.
    DialogScript dialogs;
    dialogs.answers.push_back({true, dir.filePath("no/such/folder/x.qgd"), 1});
    MessageRecorder messages;
    messages.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(AskSaveIfNeeded(nullptr));
    EXPECT_EQ(messages.Count(), 2); // the question and the failure
}

TEST_F(DocumentCommands, OpenThroughTheDialog)
{
    AddGraph(1);
    AddGraph(2);
    const QString good = dir.filePath("good.qgd");
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(DocumentBytes(DocumentText("S82", {PlainGraph(7, 5)}, Cls3())));
    }
    const QString bad = dir.filePath("bad.qgd");
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(DocumentBytes(DocumentText("S82", {PlainGraph(7, 5)}, Cls3())).left(100));
    }
    DialogScript dialogs;
    {
        // Cancel at the save question: no dialog at all.
        MessageRecorder messages;
        messages.Answer(MsgAnswer::Cancel);
        EXPECT_FALSE(FileOpen(nullptr));
        EXPECT_TRUE(dialogs.requests.empty());
    }
    {
        MessageRecorder messages;
        messages.Answer(MsgAnswer::No);
        dialogs.answers.push_back({true, bad, 1});
        EXPECT_FALSE(FileOpen(nullptr));
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].title, QString("Open File"));
        EXPECT_EQ(dialogs.requests[0].filterIndex, 1);
        EXPECT_EQ(messages.Count(), 2); // the question and the refusal
        EXPECT_EQ(g_AllGraphs.FunSurfs.Count(), 2);
        EXPECT_EQ(g_DocumentKind, DocumentKind2D);
    }
    {
        MessageRecorder messages;
        messages.Answer(MsgAnswer::No);
        dialogs.answers.push_back({true, good, 1});
        EXPECT_TRUE(FileOpen(nullptr));
        EXPECT_EQ(g_AllGraphs.FunSurfs.Count(), 1);
        EXPECT_EQ(g_DocumentKind, DocumentKind3D);
    }
    // A path (command line) opens without question or dialog.
    MessageRecorder messages;
    EXPECT_TRUE(FileOpen(nullptr, good));
    EXPECT_EQ(messages.Count(), 0);
}

// A save that meets the file-size limit (ulimit -f, a quota) must not end
// the program: it fails, says why, and the old file stays as it was. Each
// case runs in a child process with the program's start-up routine and a
// small limit; the child's exit code tells whether all held, its messages
// go to stderr.
namespace {
int SaveUnderFileSizeLimit(const QString& path, int filter, bool saveAs)
{
    const QByteArray old = "old content";
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(old) != old.size())
            return 2;
    }
    PrepareProcess();
    rlimit normal{};
    getrlimit(RLIMIT_FSIZE, &normal);
    rlimit small = normal;
    small.rlim_cur = 16; // smaller than any document or bitmap
    setrlimit(RLIMIT_FSIZE, &small);
    DialogScript dialogs;
    dialogs.answers.push_back({true, path, filter});
    MessageRecorder messages; // Yes to "replace it?"
    const bool saved = saveAs ? FileSaveAs(nullptr) : FileSave(nullptr);
    // The messages go to a file too (the parent reads them from there).
    setrlimit(RLIMIT_FSIZE, &normal);
    for (const MessageRequest& m : messages.Messages())
        std::fprintf(stderr, "%s\n", m.text.toUtf8().constData());
    if (saved)
        return 3;
    if (ReadAll(path) != old)
        return 4;
    // Nothing but the old file in its folder: no temporary file left.
    if (QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden).size() != 1)
        return 5;
    return 0;
}
} // namespace

TEST_F(DocumentCommands, SaveOverFileSizeLimitSaysWhyAndKeepsTheOldFile)
{
    AddGraph(1);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string cause = SystemText(EFBIG).toLocal8Bit().toStdString();
    EXPECT_EXIT(std::_Exit(SaveUnderFileSizeLimit(dir.filePath("doc/kept.qgd"), 1, false)),
                ::testing::ExitedWithCode(0), cause)
        << "document";
    EXPECT_EXIT(std::_Exit(SaveUnderFileSizeLimit(dir.filePath("bmp/kept.bmp"), 2, true)),
                ::testing::ExitedWithCode(0), cause)
        << "bitmap";
}

// Saving to a device that is full names the cause, for a document and a
// bitmap alike, and never puts a regular file in the device's place.
TEST_F(DocumentCommands, SaveToFullDeviceSaysWhy)
{
    const QString device = FullDevice(dir);
    if (device.isEmpty())
        GTEST_SKIP() << "no full device this user may write without harm";
    AddGraph(1);
    for (int filter : {1, 2}) {
        DialogScript dialogs;
        dialogs.answers.push_back({true, device, filter});
        MessageRecorder messages; // Yes to "replace it?"
        EXPECT_FALSE(FileSaveAs(nullptr)) << filter;
        ASSERT_GE(messages.Count(), 1) << filter;
        const QString text = messages.Messages().back().text;
        EXPECT_TRUE(text.contains(SystemText(ENOSPC))) << filter << ": " << text.toStdString();
        EXPECT_FALSE(QFileInfo(device).isFile()) << filter;
    }
}

// Saving into a FIFO: the other end must never hold the window nor end the
// program. Each case runs in a child process set up as the program starts
// (PrepareProcess), with a watchdog that turns a hang into a failure; the
// reader runs on a thread of the child. The child's messages go to stderr.
namespace {

enum class FifoEnd {
    None,              // nobody reads
    ReadsAll,          // reads until the save is over
    LeavesWhenFull,    // reads nothing and closes once the pipe is full
    HoldsWithoutReading,
    TakesAPipeASecond, // reads 4 KB a second, for as long as the save goes on
};

class FifoReader {
public:
    FifoReader(const QString& path, FifoEnd end) : m_end(end)
    {
        if (end == FifoEnd::None)
            return;
        m_fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        // A small pipe, so that any document or bitmap overfills it.
        fcntl(m_fd, F_SETPIPE_SZ, 4096);
        m_thread = std::thread([this] { Run(); });
    }
    ~FifoReader() { Finish(); }
    // Called once the save has returned: what was read, all of it.
    QByteArray Finish()
    {
        m_saveOver = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
        return m_got;
    }

private:
    void Run()
    {
        const int capacity = fcntl(m_fd, F_GETPIPE_SZ);
        while (!m_saveOver) {
            if (m_end == FifoEnd::LeavesWhenFull) {
                int queued = 0;
                if (ioctl(m_fd, FIONREAD, &queued) == 0 && queued >= capacity) {
                    close(m_fd);
                    m_fd = -1;
                    return;
                }
            } else if (m_end == FifoEnd::ReadsAll) {
                Drain();
            } else if (m_end == FifoEnd::TakesAPipeASecond) {
                char chunk[4096];
                if (read(m_fd, chunk, sizeof chunk) > 0 && !m_saveOver)
                    std::this_thread::sleep_for(std::chrono::seconds(1));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (m_end == FifoEnd::ReadsAll)
            Drain();
    }
    void Drain()
    {
        char chunk[4096];
        ssize_t n;
        while ((n = read(m_fd, chunk, sizeof chunk)) > 0)
            m_got.append(chunk, n);
    }

    FifoEnd m_end;
    int m_fd = -1;
    std::atomic<bool> m_saveOver{false};
    std::thread m_thread;
    QByteArray m_got;
};

// 0 when the save failed with a message and left the FIFO (or device) what
// it was (or, for a reader that reads all, succeeded and delivered `expected`).
int SaveIntoFifo(const QString& fifo, int filter, FifoEnd end, const QByteArray& expected)
{
    struct stat before {};
    if (stat(QFile::encodeName(fifo).constData(), &before) != 0)
        return 5;
    PrepareProcess();
    alarm(60); // a save that waits forever ends the child with SIGALRM
    DialogScript dialogs;
    dialogs.answers.push_back({true, fifo, filter});
    MessageRecorder messages; // Yes to "replace it?"
    FifoReader reader(fifo, end);
    const bool saved = FileSaveAs(nullptr);
    const QByteArray got = reader.Finish();
    alarm(0);
    for (const MessageRequest& m : messages.Messages())
        std::fprintf(stderr, "%s\n", m.text.toUtf8().constData());
    struct stat st {};
    if (stat(QFile::encodeName(fifo).constData(), &st) != 0 ||
        (st.st_mode & S_IFMT) != (before.st_mode & S_IFMT))
        return 2;
    if (end == FifoEnd::ReadsAll)
        return saved && got == expected ? 0 : 3;
    return saved ? 4 : 0;
}

// Saves into a terminal whose other end (the master) is held but never read:
// the terminal takes what its buffers hold, then no more. Written on the
// terminal's side, the bytes fill the master's raw buffers the same way
// whatever the bytes and however the machine schedules them. (Written into
// the master, they would go to the terminal's input, which in canonical mode
// drops what it cannot hold until a newline comes: how much it takes would
// depend on timing.)
int SaveIntoTerminalNobodyReads()
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return 6;
    const char* terminal = ptsname(master);
    if (!terminal)
        return 6;
    const int result = SaveIntoFifo(QFile::decodeName(terminal), 2, FifoEnd::None, QByteArray());
    close(master);
    return result;
}

} // namespace

TEST_F(DocumentCommands, SaveIntoFifoNeverWaitsNorEndsTheProgram)
{
    for (int id = 1; id <= 30; ++id) // a document larger than the pipe
        AddGraph(id);
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    // What a regular save writes, for the reader that reads it all.
    QByteArray document, bitmap;
    for (int filter : {1, 2}) {
        const QString plain = dir.filePath(filter == 1 ? "plain.qgd" : "plain.bmp");
        DialogScript dialogs;
        dialogs.answers.push_back({true, plain, filter});
        MessageRecorder messages;
        ASSERT_TRUE(FileSaveAs(nullptr)) << filter;
        (filter == 1 ? document : bitmap) = ReadAll(plain);
    }
    ASSERT_GT(document.size(), 4096);

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string noReader = "没有程序在读取这个管道";
    const std::string brokenPipe = SystemText(EPIPE).toLocal8Bit().toStdString();
    const std::string stalled = "读取方 5 秒内没有接收完数据";
    struct Case {
        const char* what;
        int filter;
        FifoEnd end;
        std::string message;
    } cases[] = {
        {"document, nobody reads", 1, FifoEnd::None, noReader},
        {"bitmap, nobody reads", 2, FifoEnd::None, noReader},
        {"document, reader leaves when the pipe is full", 1, FifoEnd::LeavesWhenFull, brokenPipe},
        {"bitmap, reader leaves when the pipe is full", 2, FifoEnd::LeavesWhenFull, brokenPipe},
        {"bitmap, reader holds it without reading", 2, FifoEnd::HoldsWithoutReading, stalled},
        {"bitmap, reader takes 4 KB a second", 2, FifoEnd::TakesAPipeASecond, stalled},
        {"document, reader reads it all", 1, FifoEnd::ReadsAll, ""},
        {"bitmap, reader reads it all", 2, FifoEnd::ReadsAll, ""},
    };
    for (const Case& c : cases) {
        const QByteArray& expected = c.filter == 1 ? document : bitmap;
        EXPECT_EXIT(std::_Exit(SaveIntoFifo(fifo, c.filter, c.end, expected)),
                    ::testing::ExitedWithCode(0), c.message)
            << c.what;
    }
    // A terminal holds some 17 KB that nobody reads, then takes no more.
    if (access("/dev/ptmx", W_OK) == 0) {
        ASSERT_GT(bitmap.size(), 32 * 1024);
        EXPECT_EXIT(std::_Exit(SaveIntoTerminalNobodyReads()), ::testing::ExitedWithCode(0),
                    "设备 5 秒内没有接收完数据")
            << "bitmap into a terminal nobody reads";
    }
}
