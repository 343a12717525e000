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

using gltest::Primitive;
using gltest::Vertex;

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
        return gltest::Feedback(kSize, kHalf, draw);
    }

    static inline gltest::Context s_gl;
};

} // namespace glfeedback
