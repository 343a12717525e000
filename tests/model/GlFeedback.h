#pragma once
// A real Mesa context for the model's drawing tests and a capture of what
// reaches the rasterizer (GL feedback mode), in drawing coordinates.
#include "GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>
#include <vector>

namespace glfeedback {

// The view: 400 x 400 pixels showing x and y from -2 to 2, z from -1 to 1.
constexpr int kSize = 400;
constexpr float kHalf = 2.0f;

struct Vertex {
    float x, y, z; // drawing coordinates
    float r, g, b;
};

struct Primitive {
    bool line = false; // else a polygon (or a point)
    std::vector<Vertex> v;
};

class Fixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create()); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        gltest::OrthoView(kSize, kHalf);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glLineWidth(1.0f);
    }

    // Runs draw in feedback mode and returns the primitives it produced.
    static std::vector<Primitive> Capture(const std::function<void()>& draw)
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
            v.x = buffer[i] * (2 * kHalf) / kSize - kHalf;
            v.y = buffer[i + 1] * (2 * kHalf) / kSize - kHalf;
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

    static inline gltest::Context s_gl;
};

} // namespace glfeedback
