// The AVI export dialog on the real main window: the menu command, the
// frame lists, the start of a recording, and the save with its file and
// compressor choices answered by handlers, checked by reading the video
// back with libavformat.
#include "app/AnimationCommands_ui.h"
#include "app/frmF1_ui.h"
#include "app/frmF23_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/AppTitle.h"
#include "platform/AviWriter_ui.h"
#include "platform/FileDialog_ui.h"
#include "platform/MessageBox.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Packets of the one video stream, -1 when the file cannot be read.
int VideoFrames(const QString& path, int* width = nullptr, int* height = nullptr)
{
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return -1;
    avformat_find_stream_info(fmt, nullptr);
    int n = fmt->nb_streams == 1 ? 0 : -1;
    if (n == 0) {
        if (width)
            *width = fmt->streams[0]->codecpar->width;
        if (height)
            *height = fmt->streams[0]->codecpar->height;
        AVPacket* pkt = av_packet_alloc();
        while (av_read_frame(fmt, pkt) >= 0) {
            ++n;
            av_packet_unref(pkt);
        }
        av_packet_free(&pkt);
    }
    avformat_close_input(&fmt);
    return n;
}

} // namespace

class TestAviExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void speedFromText_data();
    void speedFromText();
    void menuShowsDialogOnlyForAnimatedScene();
    void frameListButtons();
    void captureStartsTimerAndFillsList();
    void emptyListsAreRefused();
    void saveWritesChosenFramesAndRemovesThem();
    void cancelledChoicesKeepFramesAndWriteNothing();
    void failedWriteKeepsFramesAndRemovesPartialVideo();
    void missingFrameStopsTheSave();
    void recordingTwiceListsEachFrameOnce();
    void unwritableFrameStopsTheRecording();

private:
    // Frames 1..n as the recording stores them, each a different colour.
    void StoreFrames(int n, int width = 40, int height = 30);
    frmF23* OpenDialog();
    void AnswerFileDialog(const QString& path, bool accept = true);

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
    QTemporaryDir m_out;
    FileDialogHandler m_oldFileHandler;
    AviOptionsHandler m_oldOptionsHandler;
    bool m_optionsAsked = false;
    bool m_acceptOptions = true;
    QString m_codec = QStringLiteral("mjpeg");
};

void TestAviExport::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestAviExport::init()
{
    m_window = new frmF1;
    m_window->Form_Load(QString());
    g_FrameCount = 3;
    m_optionsAsked = false;
    m_acceptOptions = true;
    m_oldOptionsHandler = SetAviOptionsHandler([this](QWidget*, AviOptions& o) {
        m_optionsAsked = true;
        o.codec = m_codec;
        return m_acceptOptions;
    });
    auto g = std::make_shared<Cls9>();
    g->ID = 1;
    g->Animation = true;
    g_ShownGraphs.FunSurfs.Add(g, QStringLiteral("1"));
}

void TestAviExport::cleanup()
{
    if (frmF23* d = frmF23::Current())
        delete d;
    SetAviOptionsHandler(m_oldOptionsHandler);
    SetFileDialogHandler(m_oldFileHandler);
    g_CaptureFrames = false;
    if (m_window->Timer1)
        m_window->Timer1->stop();
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    for (int n = 1; n <= 10; ++n)
        QFile::remove(AnimationCommands::FrameBitmapPath(n));
    delete m_window;
    m_window = nullptr;
}

void TestAviExport::StoreFrames(int n, int width, int height)
{
    QDir().mkpath(QFileInfo(AnimationCommands::FrameBitmapPath(1)).absolutePath());
    for (int i = 1; i <= n; ++i) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 60 % 360, 200, 200));
        QVERIFY(image.save(AnimationCommands::FrameBitmapPath(i), "BMP"));
    }
}

frmF23* TestAviExport::OpenDialog()
{
    QAction* action = m_window->findChild<QAction*>(QStringLiteral("mnuFileSaveAVI"));
    if (!action)
        return nullptr;
    action->trigger();
    return frmF23::Current();
}

void TestAviExport::AnswerFileDialog(const QString& path, bool accept)
{
    SetFileDialogHandler([path, accept](const FileDialogRequest& r) {
        FileDialogAnswer a;
        if (r.title != QStringLiteral("动画保存为AVI文件...") || r.defaultExt != QStringLiteral("avi") ||
            r.fileName != QStringLiteral("untitled.avi"))
            return a;
        a.accepted = accept;
        a.path = path;
        return a;
    });
}

void TestAviExport::speedFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fps");
    QTest::newRow("letters") << "abc" << 1;
    QTest::newRow("above") << "100" << 30;
    QTest::newRow("half-down-to-even") << "2.5" << 2;
    QTest::newRow("half-up-to-even") << "3.5" << 4;
    QTest::newRow("leading-number") << "12fps" << 12;
    QTest::newRow("negative") << "-4" << 1;
    QTest::newRow("empty") << "" << 1;
}

void TestAviExport::speedFromText()
{
    QFETCH(QString, text);
    QFETCH(int, fps);
    QCOMPARE(frmF23::SpeedFromText(text), fps);
}

void TestAviExport::menuShowsDialogOnlyForAnimatedScene()
{
    g_ShownGraphs.FunSurfs.Item(1)->Animation = false;
    QVERIFY(!OpenDialog());
    g_ShownGraphs.FunSurfs.Item(1)->Animation = true;
    frmF23* d = OpenDialog();
    QVERIFY(d);
    QVERIFY(d->isVisible());
    QVERIFY(!d->isModal());
    QCOMPARE(d->Text1->text(), QStringLiteral("5"));
    QCOMPARE(d->List1->count(), 0);
    // A second command shows the same dialog.
    QCOMPARE(OpenDialog(), d);
}

void TestAviExport::frameListButtons()
{
    frmF23* d = OpenDialog();
    QVERIFY(d);
    d->Command1->click(); // nothing captured: nothing happens
    d->Command2->click();
    QCOMPARE(d->List2->count(), 0);
    for (int n = 1; n <= 3; ++n)
        AnimationCommands::Of(m_window)->onFrameCaptured(n);
    QCOMPARE(d->List1->count(), 3);
    d->Command2->click();
    d->Command2->click();
    QStringList texts;
    for (int i = 0; i < d->List2->count(); ++i)
        texts << d->List2->item(i)->text();
    QCOMPARE(texts, QStringList({"1", "2", "3", "1", "2", "3"}));
    d->List1->setCurrentRow(1);
    d->Command1->click();
    QCOMPARE(d->List2->item(6)->text(), QStringLiteral("2"));
    d->List2->setCurrentRow(0);
    d->Command3->click();
    QCOMPARE(d->List2->count(), 6);
    QCOMPARE(d->List2->item(0)->text(), QStringLiteral("2"));
}

void TestAviExport::captureStartsTimerAndFillsList()
{
    frmF23* d = OpenDialog();
    QVERIFY(d);
    g_CurFrame = 2;
    g_CapturedFrameCount = 7;
    d->Command4->click();
    QVERIFY(g_CaptureFrames);
    QCOMPARE(g_CurFrame, 0);
    QCOMPARE(g_CapturedFrameCount, 0);
    QVERIFY(m_window->Timer1->isActive());
    m_window->Timer1->stop();
    // Closing the dialog unhooks it from the recorder.
    d->close();
    QTRY_VERIFY(!frmF23::Current());
    QVERIFY(!AnimationCommands::Of(m_window)->onFrameCaptured);
}

void TestAviExport::emptyListsAreRefused()
{
    frmF23* d = OpenDialog();
    MessageRecorder messages;
    d->Command5->click();
    d->List1->addItem(QStringLiteral("1"));
    d->Command5->click();
    QCOMPARE(messages.Count(), 2);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("请先生成动画帧。"));
    QCOMPARE(messages.Messages()[1].text, QStringLiteral("请按顺序选择生成动画的帧。"));
    QCOMPARE(messages.Messages()[1].title, QStringLiteral("出错"));
    QCOMPARE(messages.Messages()[1].icon, MsgIcon::Warning);
    QVERIFY(!m_optionsAsked);
}

void TestAviExport::saveWritesChosenFramesAndRemovesThem()
{
    StoreFrames(3);
    frmF23* d = OpenDialog();
    for (int n = 1; n <= 3; ++n)
        d->List1->addItem(QString::number(n));
    for (const char* t : {"3", "1", "3"})
        d->List2->addItem(QString::fromLatin1(t));
    const QString path = m_out.filePath(QStringLiteral("video.avi"));
    m_oldFileHandler = SetFileDialogHandler({});
    AnswerFileDialog(path);
    MessageRecorder messages;
    d->Command5->click();
    QCOMPARE(messages.Count(), 0);
    QVERIFY(m_optionsAsked);
    int w = 0, h = 0;
    QCOMPARE(VideoFrames(path, &w, &h), 3);
    QCOMPARE(w, 40);
    QCOMPARE(h, 30);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!QFile::exists(AnimationCommands::FrameBitmapPath(n)));
    QCOMPARE(d->List1->count(), 3);
    QCOMPARE(d->List2->count(), 3);
}

void TestAviExport::cancelledChoicesKeepFramesAndWriteNothing()
{
    StoreFrames(3);
    frmF23* d = OpenDialog();
    d->List1->addItem(QStringLiteral("1"));
    d->List2->addItem(QStringLiteral("1"));
    const QString path = m_out.filePath(QStringLiteral("cancel.avi"));
    m_oldFileHandler = SetFileDialogHandler({});
    MessageRecorder messages;
    for (bool fileDialogAccepted : {false, true}) {
        AnswerFileDialog(path, fileDialogAccepted);
        m_acceptOptions = false;
        d->Command5->click();
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::exists(AnimationCommands::FrameBitmapPath(1)));
    }
    QCOMPARE(messages.Count(), 0);
}

void TestAviExport::failedWriteKeepsFramesAndRemovesPartialVideo()
{
    // Frame 2 is stored as an 8-bit bitmap, which no compressor takes: the
    // write fails in the middle of the video.
    StoreFrames(2);
    QImage gray(40, 30, QImage::Format_Indexed8);
    gray.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        gray.setColor(i, qRgb(i, i, i));
    gray.fill(7);
    QVERIFY(gray.save(AnimationCommands::FrameBitmapPath(2), "BMP"));
    frmF23* d = OpenDialog();
    d->List1->addItem(QStringLiteral("1"));
    d->List1->addItem(QStringLiteral("2"));
    d->Command2->click();
    const QString path = m_out.filePath(QStringLiteral("broken.avi"));
    m_oldFileHandler = SetFileDialogHandler({});
    AnswerFileDialog(path);
    MessageRecorder messages;
    d->Command5->click();
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("写入文件时出错。"));
    QCOMPARE(messages.Messages()[0].title, AppTitle());
    QVERIFY(!QFile::exists(path));
    QVERIFY(QFile::exists(AnimationCommands::FrameBitmapPath(1)));
    QVERIFY(QFile::exists(AnimationCommands::FrameBitmapPath(2)));
}

void TestAviExport::missingFrameStopsTheSave()
{
    StoreFrames(2);
    frmF23* d = OpenDialog();
    d->List1->addItem(QStringLiteral("1"));
    d->List1->addItem(QStringLiteral("2"));
    d->Command2->click();
    m_oldFileHandler = SetFileDialogHandler({});
    MessageRecorder messages;

    // A frame missing in the middle: one message, no video, frames kept.
    QFile::remove(AnimationCommands::FrameBitmapPath(2));
    const QString path = m_out.filePath(QStringLiteral("holed.avi"));
    AnswerFileDialog(path);
    d->Command5->click();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(messages.Count(), 1);
    QVERIFY(messages.Messages()[0].text.startsWith(QStringLiteral("不见不存在： ")));
    QVERIFY(QFile::exists(AnimationCommands::FrameBitmapPath(1)));

    // Whole again, the save works and removes the frames...
    StoreFrames(2);
    messages.Clear();
    const QString first = m_out.filePath(QStringLiteral("first.avi"));
    AnswerFileDialog(first);
    d->Command5->click();
    QCOMPARE(VideoFrames(first), 2);
    QCOMPARE(messages.Count(), 0);

    // ...so a second save finds no frame 1: one message, nothing asked.
    m_optionsAsked = false;
    const QString second = m_out.filePath(QStringLiteral("second.avi"));
    AnswerFileDialog(second);
    d->Command5->click();
    QVERIFY(!QFile::exists(second));
    QVERIFY(!m_optionsAsked);
    QCOMPARE(messages.Count(), 1);
    QVERIFY(messages.Messages()[0].text.startsWith(QStringLiteral("不见不存在： ")));
}

void TestAviExport::recordingTwiceListsEachFrameOnce()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // Frames live in a folder of this instance, not one shared by all.
    const QString folder = QFileInfo(AnimationCommands::FrameBitmapPath(1)).absolutePath();
    QVERIFY(QFileInfo(folder).fileName().startsWith(QStringLiteral("kvrm-frames-")));
    QVERIFY(QFileInfo(folder).isDir());

    frmF23* d = OpenDialog();
    QVERIFY(d);
    MessageRecorder messages;
    m_window->mlngPlayMode = AnimationPlayModeForwardLoop; // would never end a recording
    g_PlayMode = AnimationPlayModeForwardLoop;
    for (int run = 0; run < 2; ++run) {
        d->Command4->click();
        QCOMPARE(m_window->mlngPlayMode, int32_t(AnimationPlayModeForwardOnce));
        QTRY_VERIFY_WITH_TIMEOUT(!g_CaptureFrames, 10000);
        QCOMPARE(d->List1->count(), g_FrameCount);
        QCOMPARE(g_CapturedFrameCount, g_FrameCount);
        for (int n = 1; n <= g_FrameCount; ++n)
            QVERIFY(QFile::exists(AnimationCommands::FrameBitmapPath(n)));
    }
    QCOMPARE(messages.Count(), 0);
}

void TestAviExport::unwritableFrameStopsTheRecording()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    frmF23* d = OpenDialog();
    QVERIFY(d);
    // A folder where frame 2 should go: that frame cannot be written.
    const QString blocked = AnimationCommands::FrameBitmapPath(2);
    QVERIFY(QDir().mkpath(blocked));
    MessageRecorder messages;
    d->Command4->click();
    QTRY_VERIFY_WITH_TIMEOUT(!g_CaptureFrames, 10000);
    QVERIFY(!m_window->Timer1->isActive());
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("写入文件时出错。"));
    QCOMPARE(messages.Messages()[0].title, AppTitle());
    QCOMPARE(d->List1->count(), 1);
    QCOMPARE(g_CapturedFrameCount, 1);
    QDir(blocked).removeRecursively();
}

QTEST_MAIN(TestAviExport)
#include "tst_avi_export.moc"
