#pragma once
// The drawing area of the main window (picDraw): the one OpenGL context of
// the program, its outline fonts, the scene's display lists and the frame
// display.
//
// How the main window uses it:
//
//   auto* picDraw = new DrawingArea(this);   // embed it in the layout
//   picDraw->Initialize();                   // once at load; result may be ignored
//   ...
//   picDraw->BuildDisplayLists();            // after a list tick, a delete, the
//                                            // axes dialog, the animation options,
//                                            // the ISO view, a trackball step
//   picDraw->Display(g_CurFrame);            // show a frame (timer, zoom, pan, fit)
//
// - Initialize() asks for a double-buffered RGBA context with 24 colour bits
//   and 16 depth bits (compatibility profile: fixed-function OpenGL 1.1).
//   When no such context can be made it shows "ChoosePixelFormat failed" and
//   returns false; the area then stays undrawn and every call below does
//   nothing. It may be called before the widget is shown: the start state
//   and the two font blocks (g_FontListNormal, g_FontListBold) are set up as
//   soon as the context exists.
// - BuildDisplayLists() compiles lists 900 / 1001.. (see view/Scene.h) with
//   the context current. It draws every shown graph, so it rewrites the
//   result pane. Called before the context exists, it runs once it does.
//   The view rotation comes from g_View (view/ViewState.h).
// - Display(frame) draws the frame at once (so a capture straight after it
//   sees it) and schedules the widget to be presented. The paint event of
//   the widget shows Display(g_CurFrame) by itself.
// - Initialize, BuildDisplayLists and Display leave the context current, as
//   the program expects of its one context.
// - The widget keeps g_Camera's screen size in step with its own size in
//   device pixels (ScaleWidth x ScaleHeight); a caller that sets it too must
//   pass those sizes.
// - Mouse events are the widget's own (subclass it or install an event
//   filter); they carry logical pixels: multiply by devicePixelRatioF() for
//   device pixels.
#include <QOpenGLWidget>
#include <cstdint>

class DrawingArea : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget* parent = nullptr);
    ~DrawingArea() override;

    bool Initialize();
    void BuildDisplayLists();
    void Display(int32_t lngAnimStep);

    // Releases the context at shutdown; later calls draw nothing.
    void Release();

    // Inner size in device pixels.
    int32_t ScaleWidth() const;
    int32_t ScaleHeight() const;

    // True once the context exists and its start state and fonts are set.
    bool IsReady() const { return m_ready; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private slots:
    // The font blocks and scene lists die with the context: forget them, so
    // text drawn without a context calls no stale list numbers.
    void ForgetContext();

private:
    bool ContextUsable() const;
    // insideGlSetUp: called from initializeGL, where messages wait for the event loop.
    void SetUpContext(bool insideGlSetUp = false);
    void UpdateCameraScreen();

    bool m_initRequested = false; // Initialize() succeeded
    bool m_failed = false;        // no context can be made, or released
    bool m_ready = false;         // start state and fonts are in the context
    bool m_listsWanted = false;   // lists were asked for: (re)build with the context
};
