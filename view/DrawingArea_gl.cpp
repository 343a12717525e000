// The drawing area (picDraw): the program's OpenGL context, fonts, display lists and frame display.
#include "view/DrawingArea_gl.h"
#include "platform/AppTitle.h"

#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls4.h"
#include "view/OutlineText.h"
#include "view/Scene.h"

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <cmath>

namespace {

QSurfaceFormat DrawingFormat()
{
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setDepthBufferSize(16);
    return f;
}

// Whether a context of the drawing format can be made and made current.
bool CanMakeContext(const QSurfaceFormat& format)
{
    QOpenGLContext probe;
    probe.setFormat(format);
    if (!probe.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(probe.format());
    surface.create();
    if (!surface.isValid() || !probe.makeCurrent(&surface))
        return false;
    probe.doneCurrent();
    return true;
}

} // namespace

DrawingArea::DrawingArea(QWidget* parent)
    : QOpenGLWidget(parent)
{
    setFormat(DrawingFormat());
}

DrawingArea::~DrawingArea()
{
    if (QOpenGLContext* ctx = context())
        disconnect(ctx, nullptr, this, nullptr);
    ForgetContext();
}

void DrawingArea::ForgetContext()
{
    m_ready = false;
    g_FontListNormal = 0;
    g_FontListBold = 0;
}

bool DrawingArea::Initialize()
{
    if (m_initRequested)
        return true;
    if (m_failed)
        return false; // reported once already
    const bool haveContext = context() && context()->isValid();
    if (!haveContext && !CanMakeContext(format())) {
        m_failed = true;
        ShowMessage(QStringLiteral("ChoosePixelFormat failed"), AppTitle(),
                    MsgIcon::Critical);
        return false;
    }
    m_initRequested = true;
    if (haveContext) {
        makeCurrent();
        SetUpContext();
    }
    return true;
}

bool DrawingArea::ContextUsable() const
{
    return m_ready && !m_failed && context() && context()->isValid();
}

void DrawingArea::SetUpContext(bool insideGlSetUp)
{
    SetupContextState();
    Module1::CreateOutlineFont(g_FontListNormal, QStringLiteral("Arial"), -6, 400, 0, 0);
    Module1::CreateOutlineFont(g_FontListBold, QStringLiteral("Arial"), -8, 700, 0, 0);
    m_ready = true;
    UpdateCameraScreen();
    if (m_listsWanted)
        BuildSceneLists(insideGlSetUp ? SceneMessages::Later : SceneMessages::Now);
}

void DrawingArea::initializeGL()
{
    // Runs for every new context of the widget (also after it moves to
    // another window): fonts and scene lists live in the context, so they
    // are made again.
    m_ready = false;
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &DrawingArea::ForgetContext,
            Qt::UniqueConnection);
    if (m_initRequested && !m_failed)
        SetUpContext(true);
}

void DrawingArea::resizeGL(int, int)
{
    UpdateCameraScreen();
}

void DrawingArea::paintGL()
{
    if (!ContextUsable())
        return;
    DrawSceneFrame(g_CurFrame);
}

void DrawingArea::BuildDisplayLists()
{
    if (m_failed)
        return;
    m_listsWanted = true;
    if (!ContextUsable())
        return;
    makeCurrent();
    BuildSceneLists();
}

void DrawingArea::Display(int32_t lngAnimStep)
{
    if (!ContextUsable())
        return;
    makeCurrent();
    DrawSceneFrame(lngAnimStep);
    update();
}

void DrawingArea::Release()
{
    if (context())
        doneCurrent();
    m_failed = true;
    m_ready = false;
}

int32_t DrawingArea::ScaleWidth() const
{
    return static_cast<int32_t>(std::lround(width() * devicePixelRatioF()));
}

int32_t DrawingArea::ScaleHeight() const
{
    return static_cast<int32_t>(std::lround(height() * devicePixelRatioF()));
}

void DrawingArea::UpdateCameraScreen()
{
    int32_t w = ScaleWidth();
    int32_t h = ScaleHeight();
    g_Camera.SetScreen(w, h);
}
