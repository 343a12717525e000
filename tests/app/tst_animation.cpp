// The Animation menu on the real main window: the creating command with its
// modal dialog, the timer tick driven directly by each play mode, the
// playback commands, and the options dialog with its checks.
#include "app/AnimationCommands_ui.h"
#include "app/frmF19_ui.h"
#include "app/frmF1_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF4_ui.h"
#include "dialogs/graph/frmF5_ui.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls10.h"
#include "view/DrawingArea_gl.h"

#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestAnimation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuLayout();
    void animatedCurveCommand();
    void cancelledCommandStillSetsSpeedAndFonts();
    void animated25DCommand();
    void dialogWithoutGraphLeavesPlaybackAsItWas_data();
    void dialogWithoutGraphLeavesPlaybackAsItWas();
    void refusedDialogKeepsPlaybackOfAnimatedDocument();
    void timerStepsByPlayMode_data();
    void timerStepsByPlayMode();
    void stepCommandsAndStop();
    void timerStopsWhenNoAnimatedGraphIsShown();
    void recordingStoresFramesOneToN();
    void optionsChecks_data();
    void optionsChecks();
    void optionsNewFrameCountResamples();

private:
    // Runs the Cartesian 2D animation command; `fill` acts on the dialog.
    void RunAni2D(const std::function<void(frmF5*)>& fill);
    void CreateAnimatedCurve();
    // Runs the options command with the two box texts, OK or Cancel.
    void RunOptions(const QString& frames, const QString& speed, bool ok);
    QAction* Action(const char* name) const { return m_window->findChild<QAction*>(name); }
    // The 22 playback commands (menu items and toolbar buttons) whose
    // enabled state differs from `enabled`, by name.
    QStringList PlaybackNotInState(bool enabled) const;
    AnimationCommands* Ani() const { return AnimationCommands::Of(m_window); }

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestAnimation::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
}

void TestAnimation::init()
{
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(Ani());
}

void TestAnimation::cleanup()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

void TestAnimation::RunAni2D(const std::function<void(frmF5*)>& fill)
{
    QTimer::singleShot(0, [fill] {
        auto* d = qobject_cast<frmF5*>(QApplication::activeModalWidget());
        QVERIFY(d);
        fill(d);
    });
    Action("mnuAniCur2DCart")->trigger();
}

void TestAnimation::CreateAnimatedCurve()
{
    RunAni2D([](frmF5* d) {
        d->Text2->setText(QStringLiteral("sin(x+t)"));
        d->Text4->setText(QStringLiteral("-10"));
        d->Text5->setText(QStringLiteral("10"));
        d->Text7->setText(QStringLiteral("0"));
        d->Text8->setText(QStringLiteral("6.28"));
        d->Command1->click();
    });
}

void TestAnimation::RunOptions(const QString& frames, const QString& speed, bool ok)
{
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<frmF19*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->text1->setText(frames);
        d->Text2->setText(speed);
        (ok ? d->Command1 : d->Command2)->click();
        // A refused value keeps the dialog open; leave it.
        if (d->isVisible())
            d->Command2->click();
    });
    Action("mnuAniOpt")->trigger();
}

void TestAnimation::menuLayout()
{
    QMenu* menu = m_window->findChild<QMenu*>("mnuAni");
    QVERIFY(menu);
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, (QStringList{"点动画", "二维动画", "二维半动画", "-", "开始", "暂停", "停止",
                                 "第一帧", "前一帧", "后一帧", "最后一帧", "-", "正常模式", "逆向模式",
                                 "正向循环模式", "逆向循环模式", "-", "选项..."}));
    QVERIFY(menu->menuAction()->isEnabled());
    // A new 2D document offers the 2D animation but no playback yet.
    QVERIFY(Action("mnuAni2DCur")->isEnabled());
    QVERIFY(!Action("mnuAniCur25D")->isEnabled());
    for (const char* name : {"mnuAniStartb", "mnuAniNormal", "mnuAniRevRepeat"})
        QVERIFY2(!Action(name)->isEnabled(), name);
    QVERIFY(Action("mnuAniOpt")->isEnabled());
}

void TestAnimation::animatedCurveCommand()
{
    g_CoordSystem.BetterFonts = true;
    QString caption, segments, firstLabel, firstForm;
    bool segmentsEnabled = true, analysisEnabled = true;
    RunAni2D([&](frmF5* d) {
        caption = d->windowTitle();
        segments = d->Text9->text();
        segmentsEnabled = d->Text9->isEnabled();
        firstLabel = d->Label3->text();
        firstForm = d->Combo3->currentText();
        analysisEnabled = d->Check2->isEnabled();
        d->Text2->setText(QStringLiteral("sin(x+t)"));
        d->Text4->setText(QStringLiteral("-10"));
        d->Text5->setText(QStringLiteral("10"));
        d->Text7->setText(QStringLiteral("0"));
        d->Text8->setText(QStringLiteral("6.28"));
        d->Command1->click();
    });
    QCOMPARE(caption, QStringLiteral("二维函数图形动画属性"));
    QCOMPARE(segments, QStringLiteral("10"));
    QVERIFY(!segmentsEnabled);
    QCOMPARE(firstLabel, QStringLiteral("y(x,t)"));
    QCOMPARE(firstForm, QStringLiteral("y=f(x,t)"));
    QVERIFY(!analysisEnabled);

    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(m_window->List1->item(0)->text(), QStringLiteral("二维曲线动画  y=sin(x+t)"));
    QCOMPARE(m_window->List1->item(0)->checkState(), Qt::Checked);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 1);
    const auto graph = g_ShownGraphs.FunSurfs.Item(1);
    QCOMPARE(graph->GraphType, int(GraphType2DFunctionAnimation));
    QVERIFY(graph->Animation);
    QCOMPARE(graph->MaxT, 6.28f);
    // One slice per frame, 0 .. N.
    QCOMPARE(graph->Anim2D.Upper(1), g_FrameCount);
    QCOMPARE(g_ShownGraphs.RotPitch, 0.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 0.0f);
    QVERIFY(!g_CoordSystem.BetterFonts);
    for (const char* name : {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst",
                             "mnuAniPre", "mnuAniNext", "mnuAniLast", "mnuAniNormal", "mnuAniRev",
                             "mnuAniRepeat", "mnuAniRevRepeat"})
        QVERIFY2(Action(name)->isEnabled(), name);
    // Creating does not start, stop or rewind.
    QVERIFY(!m_window->Timer1->isActive());
    QCOMPARE(g_CurFrame, 1);
}

void TestAnimation::cancelledCommandStillSetsSpeedAndFonts()
{
    const std::pair<int32_t, int> speeds[] = {{3, 333}, {6, 167}, {2000, 1}};
    for (const auto& [fps, interval] : speeds) {
        g_FramesPerSecond = fps;
        g_CoordSystem.BetterFonts = true;
        g_EditingGraph = true;
        RunAni2D([](frmF5* d) { d->Command2->click(); });
        QCOMPARE(m_window->Timer1->interval(), interval);
        QVERIFY(!g_CoordSystem.BetterFonts);
        QVERIFY(!g_EditingGraph);
        QCOMPARE(m_window->List1->count(), 0);
        QCOMPARE(g_FramesPerSecond, fps);
    }
}

void TestAnimation::animated25DCommand()
{
    m_window->mnuFileNew25D_Click();
    g_Light.TwoSides[0] = 1.0f;
    QString caption, firstForm;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmF4*>(QApplication::activeModalWidget());
        QVERIFY(d);
        caption = d->windowTitle();
        firstForm = d->Combo2->currentText();
        d->Text2->setText(QStringLiteral("sin(x+t)"));
        d->Text5->setText(QStringLiteral("-5"));
        d->Text6->setText(QStringLiteral("5"));
        d->Text4->setText(QStringLiteral("0"));
        d->Text8->setText(QStringLiteral("1"));
        d->Command1->click();
        if (d->isVisible())
            d->Command2->click();
    });
    Action("mnuAni25DCurCart")->trigger();
    QCOMPARE(caption, QStringLiteral("二维半函数图形动画属性"));
    QCOMPARE(firstForm, QStringLiteral("y=f(x,t)"));
    // One-sided lighting for the animated band, kept afterwards.
    QCOMPARE(g_Light.TwoSides[0], 0.0f);
    QCOMPARE(m_window->List1->count(), 1);
    QCOMPARE(m_window->List1->item(0)->text(), QStringLiteral("二维半动画  y=sin(x+t)"));
    QCOMPARE(g_ShownGraphs.FunSurfs.Item(1)->GraphType, int(GraphType25DFunctionAnimation));
    QCOMPARE(g_ShownGraphs.RotPitch, -15.0f);
    QCOMPARE(g_ShownGraphs.RotYaw, 45.0f);
    QVERIFY(Action("mnuAniStartb")->isEnabled());
}

QStringList TestAnimation::PlaybackNotInState(bool enabled) const
{
    QStringList wrong;
    int found = 0;
    for (const char* name :
         {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst", "mnuAniPre", "mnuAniNext",
          "mnuAniLast", "mnuAniNormal", "mnuAniRev", "mnuAniRepeat", "mnuAniRevRepeat",
          "barAnimStart", "barAnimPause", "barAnimStop", "barAnimFirst", "barAnimPre",
          "barAnimNext", "barAnimLast", "barAnimNormal", "barAnimRev", "barAnimNormalRepeat",
          "barAnimRevRepeat"}) {
        const QList<QAction*> actions = m_window->findChildren<QAction*>(name);
        if (actions.isEmpty())
            wrong << QStringLiteral("%1 (missing)").arg(name);
        found += int(actions.size());
        for (QAction* a : actions) {
            if (a->isEnabled() != enabled)
                wrong << QString::fromLatin1(name);
        }
    }
    if (found < 22)
        wrong << QStringLiteral("only %1 commands").arg(found);
    return wrong;
}

using BoxTexts = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(BoxTexts)

namespace {

// Fills the named boxes of the open modal dialog; with `refuse`, OK first
// (which the t range refuses), then Cancel.
void FillAndLeave(const BoxTexts& boxes, bool refuse)
{
    QWidget* d = QApplication::activeModalWidget();
    QVERIFY(d);
    for (const auto& [name, text] : boxes) {
        auto* box = d->findChild<QLineEdit*>(name);
        QVERIFY2(box, qPrintable(name));
        box->setText(text);
    }
    if (refuse) {
        d->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QVERIFY(d->isVisible());
    }
    d->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
}

} // namespace

void TestAnimation::dialogWithoutGraphLeavesPlaybackAsItWas_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("command");
    QTest::addColumn<BoxTexts>("boxes");
    QTest::addColumn<bool>("refuse");
    // t from 5 to 1: every box filled, only the t range is wrong.
    const BoxTexts point{{"Text2", "t"}, {"Text3", "t"}, {"Text4", "t"},
                         {"Text5", "5"}, {"Text6", "1"}};
    const BoxTexts curve{{"Text2", "sin(x+t)"}, {"Text4", "-10"}, {"Text5", "10"},
                         {"Text7", "5"},        {"Text8", "1"}};
    const BoxTexts band{{"Text2", "sin(x+t)"}, {"Text5", "-5"}, {"Text6", "5"},
                        {"Text4", "5"},        {"Text8", "1"}};
    QTest::newRow("point, refused") << 1 << "mnuAniPoint" << point << true;
    QTest::newRow("point, cancelled") << 1 << "mnuAniPoint" << point << false;
    QTest::newRow("point in 3D, refused") << 3 << "mnuAniPoint" << point << true;
    QTest::newRow("2D Cartesian, refused") << 1 << "mnuAniCur2DCart" << curve << true;
    QTest::newRow("2D polar, refused") << 1 << "mnuAniCur2DPol" << curve << true;
    QTest::newRow("2D Cartesian, cancelled") << 1 << "mnuAniCur2DCart" << curve << false;
    QTest::newRow("2.5D Cartesian, refused") << 2 << "mnuAni25DCurCart" << band << true;
    QTest::newRow("2.5D polar, refused") << 2 << "mnuAni25DCurPol" << band << true;
    QTest::newRow("2.5D in 3D, refused") << 3 << "mnuAni25DCurCart" << band << true;
    QTest::newRow("2.5D polar, cancelled") << 2 << "mnuAni25DCurPol" << band << false;
}

void TestAnimation::dialogWithoutGraphLeavesPlaybackAsItWas()
{
    QFETCH(int, kind);
    QFETCH(QString, command);
    QFETCH(BoxTexts, boxes);
    QFETCH(bool, refuse);
    if (kind == 2)
        m_window->mnuFileNew25D_Click();
    else if (kind == 3)
        m_window->mnuFileNew3D_Click();
    QCOMPARE(PlaybackNotInState(false), QStringList());

    MessageRecorder recorder;
    QTimer::singleShot(0, [&] { FillAndLeave(boxes, refuse); });
    m_window->findChild<QAction*>(command)->trigger();
    if (refuse) {
        QCOMPARE(recorder.Count(), 1);
        QCOMPARE(recorder.Messages()[0].text, QStringLiteral("最小 t 必须小于最大 t."));
    }
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    // No graph, nothing to play: the document's states, not the dialog's.
    QCOMPARE(PlaybackNotInState(false), QStringList());
}

void TestAnimation::refusedDialogKeepsPlaybackOfAnimatedDocument()
{
    CreateAnimatedCurve();
    QCOMPARE(PlaybackNotInState(true), QStringList());
    MessageRecorder recorder;
    QTimer::singleShot(0, [] {
        FillAndLeave({{"Text2", "t"}, {"Text3", "t"}, {"Text5", "5"}, {"Text6", "1"}}, true);
    });
    Action("mnuAniPoint")->trigger();
    QCOMPARE(recorder.Count(), 1);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    QCOMPARE(PlaybackNotInState(true), QStringList());
}

void TestAnimation::timerStepsByPlayMode_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("startFrame");
    QTest::addColumn<QList<int>>("frames");
    QTest::addColumn<bool>("runningAfter");
    // N = 10 (the start value); twelve ticks each.
    QTest::newRow("normal") << "mnuAniNormal" << 5
                            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1} << false;
    QTest::newRow("reverse") << "mnuAniRev" << 5
                             << QList<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1} << false;
    QTest::newRow("loop") << "mnuAniRepeat" << 9
                          << QList<int>{9, 10, 11, 2, 3, 4, 5, 6, 7, 8, 9, 10} << true;
    QTest::newRow("ping-pong") << "mnuAniRevRepeat" << 9
                               << QList<int>{9, 10, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2} << true;
}

void TestAnimation::timerStepsByPlayMode()
{
    QFETCH(QString, command);
    QFETCH(int, startFrame);
    QFETCH(QList<int>, frames);
    QFETCH(bool, runningAfter);
    CreateAnimatedCurve();
    g_CurFrame = startFrame;
    m_window->findChild<QAction*>(command)->trigger();
    QVERIFY(m_window->Timer1->isActive());
    QList<int> shown;
    for (int i = 0; i < 12 && m_window->Timer1->isActive(); ++i)
        shown << Ani()->Timer1_Timer();
    QCOMPARE(shown, frames);
    QCOMPARE(m_window->Timer1->isActive(), runningAfter);
    QCOMPARE(g_PlayMode, m_window->mlngPlayMode);
    m_window->Timer1->stop();
}

void TestAnimation::stepCommandsAndStop()
{
    CreateAnimatedCurve();
    Action("mnuAniRepeat")->trigger();
    Ani()->Timer1_Timer();
    Ani()->Timer1_Timer();
    QCOMPARE(g_CurFrame, 3);
    // A step command halts the running playback at its frame.
    Action("mnuAniNext")->trigger();
    QCOMPARE(g_CurFrame, 4);
    QCOMPARE(m_window->mlngPlayMode, int(AnimationPlayModeStep));
    QVERIFY(m_window->Timer1->isActive());
    Ani()->Timer1_Timer();
    QCOMPARE(g_CurFrame, 4);
    Action("mnuAniLast")->trigger();
    QCOMPARE(g_CurFrame, 11);
    Action("mnuAniNext")->trigger();
    QCOMPARE(g_CurFrame, 11);
    Action("mnuAniFirst")->trigger();
    Action("mnuAniPre")->trigger();
    QCOMPARE(g_CurFrame, 1);
    Action("mnuAniPause")->trigger();
    QVERIFY(!m_window->Timer1->isActive());
    QCOMPARE(g_CurFrame, 1);
    Action("mnuAniLast")->trigger();
    Action("mnuAniStartb")->trigger();
    QVERIFY(m_window->Timer1->isActive());
    Action("mnuAniStop")->trigger();
    QVERIFY(!m_window->Timer1->isActive());
    QCOMPARE(g_CurFrame, 1);
}

void TestAnimation::timerStopsWhenNoAnimatedGraphIsShown()
{
    CreateAnimatedCurve();
    Action("mnuAniRevRepeat")->trigger();
    Ani()->Timer1_Timer();
    const int frame = g_CurFrame;
    // Unticking the only animated graph: the loop has nothing left to play.
    m_window->SetEntryTicked(0, false);
    Ani()->Timer1_Timer();
    QVERIFY(!m_window->Timer1->isActive());
    QCOMPARE(g_CurFrame, frame);
    // Deleting it while a loop runs stops the timer as well.
    m_window->SetEntryTicked(0, true);
    Action("mnuAniRepeat")->trigger();
    m_window->mnuEditDelAll_Click();
    Ani()->Timer1_Timer();
    QVERIFY(!m_window->Timer1->isActive());
}

void TestAnimation::recordingStoresFramesOneToN()
{
    g_FrameCount = 3;
    CreateAnimatedCurve();
    for (int n = 1; n <= 4; ++n)
        QFile::remove(AnimationCommands::FrameBitmapPath(n));
    QList<int> listed;
    bool finished = false;
    Ani()->onFrameCaptured = [&](int32_t n) { listed << n; };
    Ani()->onRecordingFinished = [&] { finished = true; };
    // What the AVI export's start does.
    g_CaptureFrames = true;
    g_CurFrame = 0;
    g_CapturedFrameCount = 0;
    m_window->mlngPlayMode = AnimationPlayModeForwardOnce;
    m_window->Timer1->start();
    QList<int> shown;
    for (int i = 0; i < 10 && m_window->Timer1->isActive(); ++i)
        shown << Ani()->Timer1_Timer();
    // Frames 1 to N stored; N + 1 shown but not stored; then frame 1 and off.
    QCOMPARE(shown, (QList<int>{1, 2, 3, 4, 1}));
    QCOMPARE(listed, (QList<int>{1, 2, 3}));
    QVERIFY(finished);
    QVERIFY(!g_CaptureFrames);
    for (int n = 1; n <= 3; ++n) {
        const QImage frame(AnimationCommands::FrameBitmapPath(n));
        QVERIFY2(!frame.isNull(), qPrintable(AnimationCommands::FrameBitmapPath(n)));
        QCOMPARE(frame.size(), m_window->picDraw->size() * m_window->picDraw->devicePixelRatio());
        QFile::remove(AnimationCommands::FrameBitmapPath(n));
    }
    QVERIFY(!QFile::exists(AnimationCommands::FrameBitmapPath(4)));
}

void TestAnimation::optionsChecks_data()
{
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("frameCount");
    QTest::addColumn<int>("fps");
    QTest::addColumn<int>("interval");
    const QString noFrames = QStringLiteral("帧数必须大于1。");
    const QString slow = QStringLiteral("速度必须大于1帧/秒。");
    QTest::newRow("zero frames") << "0" << "10" << noFrames << 10 << 10 << 100;
    QTest::newRow("text frames") << "abc" << "10" << noFrames << 10 << 10 << 100;
    QTest::newRow("half a frame per second") << "10" << "0.5" << slow << 10 << 10 << 100;
    QTest::newRow("both bad: frames first") << "0" << "0" << noFrames << 10 << 10 << 100;
    QTest::newRow("ones") << "1" << "1" << "" << 1 << 1 << 1000;
    QTest::newRow("three per second") << "20" << "3" << "" << 20 << 3 << 333;
    QTest::newRow("halves to even") << "2.5" << "16" << "" << 2 << 16 << 62;
    QTest::newRow("leading number") << "12abc" << " 8fps" << "" << 12 << 8 << 125;
    // Documents hold at most 10000 frames and 1000 frames per second.
    QTest::newRow("too many frames") << "20000" << "10" << QStringLiteral("帧数不能大于10000。")
                                     << 10 << 10 << 100;
    QTest::newRow("too fast") << "10" << "2000" << QStringLiteral("速度不能大于1000帧/秒。") << 10
                              << 10 << 100;
}

void TestAnimation::optionsChecks()
{
    QFETCH(QString, frames);
    QFETCH(QString, speed);
    QFETCH(QString, message);
    QFETCH(int, frameCount);
    QFETCH(int, fps);
    QFETCH(int, interval);
    MessageRecorder recorder;
    RunOptions(frames, speed, true);
    if (message.isEmpty()) {
        QCOMPARE(recorder.Count(), 0);
    } else {
        QCOMPARE(recorder.Count(), 1);
        QCOMPARE(recorder.Messages()[0].text, message);
        QCOMPARE(recorder.Messages()[0].title, QStringLiteral("注意"));
    }
    QCOMPARE(g_FrameCount, frameCount);
    QCOMPARE(g_FramesPerSecond, fps);
    QCOMPARE(m_window->Timer1->interval(), interval);
}

void TestAnimation::optionsNewFrameCountResamples()
{
    CreateAnimatedCurve();
    const auto graph = g_ShownGraphs.FunSurfs.Item(1);
    QCOMPARE(graph->Anim2D.Upper(1), 10);

    // The dialog shows the current values; Cancel changes nothing.
    QString shownFrames, shownSpeed;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmF19*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("动画选项"));
        shownFrames = d->text1->text();
        shownSpeed = d->Text2->text();
        d->text1->setText(QStringLiteral("4"));
        d->Command2->click();
    });
    Action("mnuAniOpt")->trigger();
    QCOMPARE(shownFrames, QStringLiteral("10"));
    QCOMPARE(shownSpeed, QStringLiteral("10"));
    QCOMPARE(g_FrameCount, 10);
    QCOMPARE(graph->Anim2D.Upper(1), 10);

    // A new speed alone samples nothing again.
    graph->Anim2D.Clear();
    RunOptions(QStringLiteral("10"), QStringLiteral("5"), true);
    QVERIFY(!graph->Anim2D.IsMade());
    QCOMPARE(m_window->Timer1->interval(), 200);

    // A new frame count samples every shown graph again.
    g_CurFrame = 11;
    RunOptions(QStringLiteral("4"), QStringLiteral("5"), true);
    QCOMPARE(g_FrameCount, 4);
    QCOMPARE(graph->Anim2D.Upper(1), 4);
    QCOMPARE(g_CurFrame, 11);
    // The next run starts sensibly from beyond the new end.
    Action("mnuAniStartb")->trigger(); // mode still forward once
    Ani()->Timer1_Timer();
    QCOMPARE(g_CurFrame, 1);
    QVERIFY(!m_window->Timer1->isActive());
}

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
