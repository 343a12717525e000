#pragma once
// The Animation menu of the main window: the commands that create animated
// graphs (animated point, 2D and 2.5D function graphs), the playback
// commands, the animation options, and the timer tick that walks the
// precompiled frames.
//
// One instance per main window, made while its menus are built:
//   new AnimationCommands(window, animationMenu);
// It fills the menu (every action carries its name: "mnuAniStartb", ...)
// and connects frmF1::Timer1 to Timer1_Timer. Of(window) finds it again.
// The current frame, frame count and speed are the program-wide globals
// (g_CurFrame, g_FrameCount, g_FramesPerSecond); the play mode is the main
// window's mlngPlayMode (mirrored into g_PlayMode).
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QDialog;
class QMenu;
class frmF5;
class frmF1;
struct PlaybackState;
enum class PlaybackCommand;

class AnimationCommands : public QObject {
    Q_OBJECT
public:
    AnimationCommands(frmF1* window, QMenu* menu);

    static AnimationCommands* Of(const frmF1* window);

    // ---- creating commands ----
    void mnuAniPoint_Click();
    void mnuAniCur2DCart_Click();
    void mnuAniCur2DPol_Click();
    void mnuAni25DCurCart_Click();
    void mnuAni25DCurPol_Click();

    // ---- playback ----
    void mnuAniStartb_Click();
    void mnuAniPause_Click();
    void mnuAniStop_Click();
    void mnuAniFirst_Click();
    void mnuAniPre_Click();
    void mnuAniNext_Click();
    void mnuAniLast_Click();
    void mnuAniNormal_Click();
    void mnuAniRev_Click();
    void mnuAniRepeat_Click();
    void mnuAniRevRepeat_Click();

    // ---- options ----
    void mnuAniOpt_Click();

    // One tick of frmF1::Timer1. Returns the frame it showed, -1 for none.
    int32_t Timer1_Timer();

    // Ping-pong direction: true while frames count down. Changed only at
    // the turning points, so a new ping-pong run goes on the same way.
    bool mbolPingPongBackward = false;

    // Where a recorded frame n is stored (Graph<n>.bmp in this program
    // instance's temporary frame folder); empty when that folder cannot be
    // made.
    static QString FrameBitmapPath(int32_t n);
    // Told the number of every frame a recording stores (the AVI export
    // lists them).
    std::function<void(int32_t n)> onFrameCaptured;
    // Told when a recording has ended: its last frame stored, or a frame
    // that could not be written (reported) stopped it.
    std::function<void()> onRecordingFinished;

private:
    void RunPlayback(PlaybackCommand command);
    PlaybackState CurrentState() const;
    void StoreState(const PlaybackState& state);
    void ShowCurrentFrame();
    void CaptureFrame();
    // Steps 2 to 4 shared by every creating command.
    void PrepareAnimationCommand();
    // Runs an animated graph's dialog modally; returns the number of graphs
    // before it opened.
    int32_t RunAnimatedDialog(QDialog& dialog);
    void Ani2DFunction(bool polar);
    void Ani25DFunction(bool polar);

    frmF1* m_window;
};

// Sets the main window's timer to 1000 / g_FramesPerSecond ms, rounded
// (halves to even). A speed of 2000 and more gives 0 ms, which the timer
// runs as 1 ms so that a playback cannot starve the window's events.
void UpdateAnimationTimerInterval();

// Prepares the 2D function dialog as the Animation menu opens it: animation
// caption, Cartesian or polar, the forms with t, the t row shown with its
// segments fixed to g_FrameCount, the analysis controls off.
void SetUpFrmF5ForAnimation(frmF5& dialog, bool polar);
