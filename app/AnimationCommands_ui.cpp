// The Animation menu: commands that create animated graphs, playback, options and the timer tick.
#include "app/AnimationCommands_ui.h"

#include "app/PointCommands_ui.h"
#include "app/frmF19_ui.h"
#include "app/frmF1_ui.h"
#include "dialogs/common/BoxValue.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF17_ui.h"
#include "dialogs/graph/frmF4_ui.h"
#include "dialogs/graph/frmF5_ui.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/AppTitle.h"
#include "platform/MessageBox.h"
#include "platform/PictureCapture_gl.h"
#include "view/AnimationPlayback.h"
#include "view/Cls10.h"
#include "view/DrawingArea_gl.h"
#include "view/DrawingMessages.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <exception>
#include <initializer_list>

namespace {

QAction* AddAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* AddSubMenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}

} // namespace

void UpdateAnimationTimerInterval()
{
    frmF1* window = frmF1::Instance();
    if (!window || !window->Timer1)
        return;
    window->Timer1->setInterval(std::max(1, AnimationIntervalMs(g_FramesPerSecond)));
}

void SetUpFrmF5ForAnimation(frmF5& d, bool polar)
{
    d.setWindowTitle(QStringLiteral("二维函数图形动画属性"));
    d.SetCombo1Index(polar ? 1 : 0);
    d.Combo3->clear();
    if (polar)
        d.Combo3->addItems({QStringLiteral("r=f(a,t)"), QStringLiteral("a=f1(u,t),r=f2(u,t)"),
                            QStringLiteral("f(a,r,t)=0"), QStringLiteral("f(a,r,t)<=0")});
    else
        d.Combo3->addItems({QStringLiteral("y=f(x,t)"), QStringLiteral("x=f1(u,t),y=f2(u,t)"),
                            QStringLiteral("f(x,y,t)=0"), QStringLiteral("f(x,y,t)<=0")});
    d.Combo3->setCurrentIndex(-1);
    d.Combo3->setEditText(d.Combo3->itemText(0));
    for (QWidget* w : {static_cast<QWidget*>(d.Label10), static_cast<QWidget*>(d.Label11),
                       static_cast<QWidget*>(d.Label12), static_cast<QWidget*>(d.Text7),
                       static_cast<QWidget*>(d.Text8), static_cast<QWidget*>(d.Text9)})
        w->setVisible(true);
    d.Label3->setText(polar ? QStringLiteral("r(a,t)") : QStringLiteral("y(x,t)"));
    d.Text9->setEnabled(false);
    d.Text9->setText(QString::number(g_FrameCount));
    d.EnableAnalysisControls(false);
}

AnimationCommands::AnimationCommands(frmF1* window, QMenu* menu)
    : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("AnimationCommands"));
    using Handler = void (AnimationCommands::*)();
    auto item = [this](QMenu* m, const char* name, const char* caption, Handler handler) {
        connect(AddAction(m, name, QString::fromUtf8(caption)), &QAction::triggered, this, handler);
    };

    item(menu, "mnuAniPoint", "点动画", &AnimationCommands::mnuAniPoint_Click);
    QMenu* ani2D = AddSubMenu(menu, "mnuAni2DCur", QStringLiteral("二维动画"));
    item(ani2D, "mnuAniCur2DCart", "直角坐标", &AnimationCommands::mnuAniCur2DCart_Click);
    item(ani2D, "mnuAniCur2DPol", "极坐标", &AnimationCommands::mnuAniCur2DPol_Click);
    QMenu* ani25D = AddSubMenu(menu, "mnuAniCur25D", QStringLiteral("二维半动画"));
    item(ani25D, "mnuAni25DCurCart", "直角坐标", &AnimationCommands::mnuAni25DCurCart_Click);
    item(ani25D, "mnuAni25DCurPol", "极坐标", &AnimationCommands::mnuAni25DCurPol_Click);
    menu->addSeparator();
    item(menu, "mnuAniStartb", "开始", &AnimationCommands::mnuAniStartb_Click);
    item(menu, "mnuAniPause", "暂停", &AnimationCommands::mnuAniPause_Click);
    item(menu, "mnuAniStop", "停止", &AnimationCommands::mnuAniStop_Click);
    item(menu, "mnuAniFirst", "第一帧", &AnimationCommands::mnuAniFirst_Click);
    item(menu, "mnuAniPre", "前一帧", &AnimationCommands::mnuAniPre_Click);
    item(menu, "mnuAniNext", "后一帧", &AnimationCommands::mnuAniNext_Click);
    item(menu, "mnuAniLast", "最后一帧", &AnimationCommands::mnuAniLast_Click);
    menu->addSeparator();
    item(menu, "mnuAniNormal", "正常模式", &AnimationCommands::mnuAniNormal_Click);
    item(menu, "mnuAniRev", "逆向模式", &AnimationCommands::mnuAniRev_Click);
    item(menu, "mnuAniRepeat", "正向循环模式", &AnimationCommands::mnuAniRepeat_Click);
    item(menu, "mnuAniRevRepeat", "逆向循环模式", &AnimationCommands::mnuAniRevRepeat_Click);
    menu->addSeparator();
    item(menu, "mnuAniOpt", "选项...", &AnimationCommands::mnuAniOpt_Click);

    if (window->Timer1)
        connect(window->Timer1, &QTimer::timeout, this, &AnimationCommands::Timer1_Timer);
}

AnimationCommands* AnimationCommands::Of(const frmF1* window)
{
    return window ? window->findChild<AnimationCommands*>(QStringLiteral("AnimationCommands"),
                                                          Qt::FindDirectChildrenOnly)
                  : nullptr;
}

// ---- creating commands ----

void AnimationCommands::PrepareAnimationCommand()
{
    g_EditingGraph = false;
    g_CoordSystem.BetterFonts = false;
    // The frame count and the speed are read again from the options; its
    // boxes always show the two globals, so only the interval is new.
    UpdateAnimationTimerInterval();
}

int32_t AnimationCommands::RunAnimatedDialog(QDialog& dialog)
{
    // The dialog's OK makes playback available before its last checks (the
    // t range, sampling). A dialog that then ends without a graph, refused
    // or cancelled, leaves the playback commands as the document had them:
    // with no animated graph there is nothing to play.
    const frmF1::SavedCommandStates before = m_window->PlaybackCommandStates();
    const int32_t oldCount = g_AllGraphs.FunSurfs.Count();
    dialog.exec();
    if (g_AllGraphs.FunSurfs.Count() <= oldCount)
        m_window->RestoreCommandStates(before);
    return oldCount;
}

void AnimationCommands::mnuAniPoint_Click()
{
    PrepareAnimationCommand();
    int32_t oldCount = 0;
    {
        frmF17 dialog(m_window);
        dialog.SetUpForAnimationMenu();
        oldCount = RunAnimatedDialog(dialog);
    }
    m_window->repaint();
    float roll, pitch, yaw;
    PointRotation(roll, pitch, yaw);
    m_window->FinishCreatingCommand(oldCount, roll, pitch, yaw);
}

void AnimationCommands::Ani2DFunction(bool polar)
{
    PrepareAnimationCommand();
    int32_t oldCount = 0;
    {
        frmF5 dialog(m_window);
        SetUpFrmF5ForAnimation(dialog, polar);
        oldCount = RunAnimatedDialog(dialog);
    }
    m_window->repaint();
    m_window->FinishCreatingCommand(oldCount, 0.0f, 0.0f, 0.0f);
}

void AnimationCommands::Ani25DFunction(bool polar)
{
    // One-sided lighting for the animated bands; it stays so afterwards.
    g_Light.TwoSides[0] = 0.0f;
    PrepareAnimationCommand();
    int32_t oldCount = 0;
    {
        frmF4 dialog(m_window);
        dialog.SetUpForAnimation(polar);
        oldCount = RunAnimatedDialog(dialog);
    }
    m_window->repaint();
    m_window->FinishCreatingCommand(oldCount, 0.0f, -15.0f, 45.0f);
}

void AnimationCommands::mnuAniCur2DCart_Click()
{
    Ani2DFunction(false);
}

void AnimationCommands::mnuAniCur2DPol_Click()
{
    Ani2DFunction(true);
}

void AnimationCommands::mnuAni25DCurCart_Click()
{
    Ani25DFunction(false);
}

void AnimationCommands::mnuAni25DCurPol_Click()
{
    Ani25DFunction(true);
}

// ---- playback ----

PlaybackState AnimationCommands::CurrentState() const
{
    PlaybackState s;
    s.curFrame = g_CurFrame;
    s.frameCount = g_FrameCount;
    s.playMode = m_window->mlngPlayMode;
    s.pingPongBackward = mbolPingPongBackward;
    s.timerEnabled = m_window->Timer1->isActive();
    return s;
}

void AnimationCommands::StoreState(const PlaybackState& s)
{
    g_CurFrame = s.curFrame;
    m_window->mlngPlayMode = s.playMode;
    g_PlayMode = s.playMode;
    mbolPingPongBackward = s.pingPongBackward;
    if (s.timerEnabled && !m_window->Timer1->isActive())
        m_window->Timer1->start();
    else if (!s.timerEnabled && m_window->Timer1->isActive())
        m_window->Timer1->stop();
}

void AnimationCommands::ShowCurrentFrame()
{
    m_window->Display(g_CurFrame);
}

void AnimationCommands::RunPlayback(PlaybackCommand command)
{
    PlaybackState s = CurrentState();
    const bool display = ApplyPlaybackCommand(s, command);
    StoreState(s);
    if (display)
        ShowCurrentFrame();
}

void AnimationCommands::mnuAniStartb_Click() { RunPlayback(PlaybackCommand::Start); }
void AnimationCommands::mnuAniPause_Click() { RunPlayback(PlaybackCommand::Pause); }
void AnimationCommands::mnuAniStop_Click() { RunPlayback(PlaybackCommand::Stop); }
void AnimationCommands::mnuAniFirst_Click() { RunPlayback(PlaybackCommand::First); }
void AnimationCommands::mnuAniPre_Click() { RunPlayback(PlaybackCommand::Previous); }
void AnimationCommands::mnuAniNext_Click() { RunPlayback(PlaybackCommand::Next); }
void AnimationCommands::mnuAniLast_Click() { RunPlayback(PlaybackCommand::Last); }
void AnimationCommands::mnuAniNormal_Click() { RunPlayback(PlaybackCommand::Normal); }
void AnimationCommands::mnuAniRev_Click() { RunPlayback(PlaybackCommand::Reverse); }
void AnimationCommands::mnuAniRepeat_Click() { RunPlayback(PlaybackCommand::Repeat); }
void AnimationCommands::mnuAniRevRepeat_Click() { RunPlayback(PlaybackCommand::ReverseRepeat); }

int32_t AnimationCommands::Timer1_Timer()
{
    // With no animated graph left on screen there is nothing to play; a
    // loop would otherwise replay the still picture for ever.
    if (!g_ShownGraphs.Animation()) {
        m_window->Timer1->stop();
        return -1;
    }
    PlaybackState s = CurrentState();
    const PlaybackTick tick = AdvancePlayback(s);
    StoreState(s);
    if (!tick.display)
        return -1;
    m_window->Display(tick.frame);
    if (tick.capture && g_CaptureFrames)
        CaptureFrame();
    return tick.frame;
}

QString AnimationCommands::FrameBitmapPath(int32_t n)
{
    // A folder of this program instance, removed when it ends: two
    // instances never share, overwrite or delete each other's frames.
    static QTemporaryDir folder(
        QDir(QDir::tempPath()).filePath(QStringLiteral("kvrm-frames-XXXXXX")));
    if (!folder.isValid())
        return QString();
    return QDir(folder.path()).filePath(QStringLiteral("Graph%1.bmp").arg(n));
}

void AnimationCommands::CaptureFrame()
{
    m_window->repaint();
    const int32_t n = g_CapturedFrameCount + 1;
    const QImage picture = CapturePictureBox(m_window->picDraw);
    const QString path = FrameBitmapPath(n);
    if (!path.isEmpty())
        QFile::remove(path);
    if (picture.isNull() || path.isEmpty() || !picture.save(path, "BMP")) {
        // A recording with a hole is no recording: stop now rather than
        // fail at save time.
        g_CaptureFrames = false;
        m_window->Timer1->stop();
        ShowMessage(QStringLiteral("写入文件时出错。"), AppTitle(), MsgIcon::Information);
        if (onRecordingFinished)
            onRecordingFinished();
        return;
    }
    g_CapturedFrameCount = n;
    if (onFrameCaptured)
        onFrameCaptured(n);
    if (n == g_FrameCount) {
        g_CaptureFrames = false;
        if (onRecordingFinished)
            onRecordingFinished();
    }
}

// ---- options ----

void AnimationCommands::mnuAniOpt_Click()
{
    const int32_t oldCount = g_FrameCount;
    {
        frmF19 dialog(m_window);
        dialog.exec();
    }
    if (g_FrameCount == oldCount)
        return;
    // Every frame is compiled in advance, so a new frame count means new
    // samples and new lists for every shown graph.
    for (const auto& graph : g_ShownGraphs.FunSurfs) {
        try {
            (void)RunWithGraphMessages(graph, false, [&] { return graph->GetPoints(); });
        } catch (const std::exception&) {
        }
    }
    m_window->BuildDisplayLists();
    // A current frame beyond the new last frame shows the last frame.
    m_window->Display(std::min(g_CurFrame, g_FrameCount + 1));
}
