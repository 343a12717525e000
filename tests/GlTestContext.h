#pragma once
// One offscreen OpenGL context for a GL test suite, made the way the drawing
// area asks for it (compatibility profile, 16-bit depth), with an optional
// square framebuffer to draw into and read pixels back from; and a capture
// of what a drawing sends to the rasterizer (GL feedback mode).
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

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

struct Vertex {
    float x, y, z; // drawing coordinates
    float r, g, b;
};

struct Primitive {
    bool line = false; // else a polygon (or a point)
    std::vector<Vertex> v;
};

// Runs draw in feedback mode in the OrthoView(size, half) view and returns
// the primitives that reach the rasterizer, in drawing coordinates. A
// drawing that overflows the buffer fails the test.
inline std::vector<Primitive> Feedback(int size, float half, const std::function<void()>& draw)
{
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint n = glRenderMode(GL_RENDER);
    EXPECT_GE(n, 0) << "feedback buffer overflow";

    std::vector<Primitive> out;
    auto vertex = [&](GLint& i) {
        Vertex v;
        v.x = buffer[i] * (2 * half) / size - half;
        v.y = buffer[i + 1] * (2 * half) / size - half;
        v.z = 1.0f - 2.0f * buffer[i + 2];
        v.r = buffer[i + 3];
        v.g = buffer[i + 4];
        v.b = buffer[i + 5];
        i += 7; // x, y, z, r, g, b, a
        return v;
    };
    for (GLint i = 0; i < n;) {
        const GLint token = static_cast<GLint>(buffer[i++]);
        Primitive prim;
        if (token == GL_POLYGON_TOKEN) {
            const GLint count = static_cast<GLint>(buffer[i++]);
            for (GLint k = 0; k < count; ++k)
                prim.v.push_back(vertex(i));
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            prim.line = true;
            prim.v.push_back(vertex(i));
            prim.v.push_back(vertex(i));
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN
                   || token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
            prim.v.push_back(vertex(i));
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
            continue;
        } else {
            ADD_FAILURE() << "unknown feedback token " << token;
            break;
        }
        out.push_back(prim);
    }
    return out;
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
