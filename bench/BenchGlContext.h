#pragma once
// The offscreen OpenGL context the drawing benchmarks run in, made the way
// the drawing area asks for it: compatibility profile, 16-bit depth; and the
// drawing area's start-up state on top of it; and a main() that runs the
// registered benchmarks there.
#include "model/Cls8.h"
#include "model/Globals.h"
#include "view/Cls4.h"
#include "view/OutlineText.h"
#include "view/Scene.h"
#include "view/ViewState.h"

#include "platform/MessageBox.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>

// Creates `context` and makes it current on `surface`; false when the
// display offers no such context.
inline bool MakeBenchContext(QOpenGLContext& context, QOffscreenSurface& surface)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(16);
    context.setFormat(format);
    if (!context.create())
        return false;
    surface.setFormat(context.format());
    surface.create();
    return context.makeCurrent(&surface);
}

// What the drawing area sets up once it has its context: the context state,
// the two axis-label fonts and a camera on a width x height screen.
inline void PrepareDrawingArea(int32_t width, int32_t height)
{
    SetupContextState();
    Module1::CreateOutlineFont(g_FontListNormal, QStringLiteral("Arial"), -6, 400, 0, 0);
    Module1::CreateOutlineFont(g_FontListBold, QStringLiteral("Arial"), -8, 700, 0, 0);
    g_Camera.SetScreen(width, height);
    g_View.Reset();
}

// Runs the registered benchmarks in an offscreen context, drawing into a
// width x height framebuffer set up as the drawing area (no framebuffer and
// no set-up when width is 0), after `prepare`. No message box can block a
// run. 1 when the display offers no such context.
inline int RunGlBenchmarks(int argc, char** argv, int32_t width, int32_t height,
                           const std::function<void()>& prepare = {})
{
    QGuiApplication app(argc, argv);
    QOpenGLContext context;
    QOffscreenSurface surface;
    if (!MakeBenchContext(context, surface))
        return 1;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    if (width > 0) {
        fbo = std::make_unique<QOpenGLFramebufferObject>(
            width, height, QOpenGLFramebufferObject::CombinedDepthStencil);
        fbo->bind();
        PrepareDrawingArea(width, height);
    }
    MessageRecorder quiet;
    if (prepare)
        prepare();

    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The scene's graphs go while the context still lives.
    g_ShownGraphs.FunSurfs.Clear();
    return 0;
}
