#pragma once
// The offscreen OpenGL context the drawing benchmarks run in, made the way
// the drawing area asks for it: compatibility profile, 16-bit depth.
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

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
