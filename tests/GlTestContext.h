#pragma once
// One offscreen OpenGL context for a GL test suite, made the way the drawing
// area asks for it (compatibility profile, 16-bit depth), with an optional
// square framebuffer to draw into and read pixels back from.
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <array>
#include <memory>
#include <ostream>

namespace gltest {

class Context {
public:
    // Creates the context and makes it current; framebufferSize > 0 also
    // creates a framebuffer of that many pixels a side, bound by MakeCurrent.
    // False when Mesa gives no context.
    bool Create(int framebufferSize = 0)
    {
        QSurfaceFormat format;
        format.setRenderableType(QSurfaceFormat::OpenGL);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setVersion(2, 1);
        format.setDepthBufferSize(16);
        m_context = std::make_unique<QOpenGLContext>();
        m_context->setFormat(format);
        if (!m_context->create())
            return false;
        m_surface = std::make_unique<QOffscreenSurface>();
        m_surface->setFormat(m_context->format());
        m_surface->create();
        if (!m_context->makeCurrent(m_surface.get()))
            return false;
        if (framebufferSize > 0)
            m_fbo = std::make_unique<QOpenGLFramebufferObject>(
                framebufferSize, framebufferSize, QOpenGLFramebufferObject::CombinedDepthStencil);
        return true;
    }

    // Makes the context current again (another suite may have switched) and
    // binds the framebuffer if there is one.
    bool MakeCurrent()
    {
        if (!m_context || !m_context->makeCurrent(m_surface.get()))
            return false;
        return !m_fbo || m_fbo->bind();
    }

    void ReleaseFramebuffer()
    {
        if (m_fbo)
            m_fbo->release();
    }

    // The framebuffer goes while its context is current, then the context.
    void Destroy()
    {
        if (m_context)
            m_context->makeCurrent(m_surface.get());
        m_fbo.reset();
        if (m_context)
            m_context->doneCurrent();
        m_context.reset();
        m_surface.reset();
    }

private:
    std::unique_ptr<QOpenGLContext> m_context;
    std::unique_ptr<QOffscreenSurface> m_surface;
    std::unique_ptr<QOpenGLFramebufferObject> m_fbo;
};

struct Rgb8 {
    int r, g, b;
};

inline std::ostream& operator<<(std::ostream& os, Rgb8 c)
{
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// The colour of one pixel of the bound framebuffer.
inline Rgb8 Pixel(int px, int py)
{
    std::array<unsigned char, 4> p{};
    glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return {p[0], p[1], p[2]};
}

// A size x size pixel view showing x and y from -half to half and z from
// -depth to depth, with an identity model-view matrix.
inline void OrthoView(int size, float half, float depth = 1.0f)
{
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-half, half, -half, half, -depth, depth);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Compiles a drawing into a display list as the scene builder does; the list
// is closed also when the drawing throws.
template <class F>
void CompileList(GLuint list, F draw)
{
    glNewList(list, GL_COMPILE);
    try {
        draw();
    } catch (...) {
        glEndList();
        throw;
    }
    glEndList();
}

} // namespace gltest
