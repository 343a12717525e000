// Outline-font lists and the drawing area's context, on real Mesa.
#include "platform/MessageBox.h"
#include "platform/OutlineFont_gl.h"
#include "view/Colors.h"
#include "view/OutlineText.h"

#include "GlTestContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// One context for the whole suite, made like the drawing area's, with the
// two font blocks built as the drawing area builds them.
class OutlineFontTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        recorder = new MessageRecorder;
        if (!gl.Create(64) || !gl.MakeCurrent())
            return;
        normalBuilt = Module1::CreateOutlineFont(g_FontListNormal, QStringLiteral("Arial"), -6,
                                                 400, 0, 0);
        boldBuilt =
            Module1::CreateOutlineFont(g_FontListBold, QStringLiteral("Arial"), -8, 700, 0, 0);
    }
    static void TearDownTestSuite()
    {
        // The lists die with this context.
        g_FontListNormal = 0;
        g_FontListBold = 0;
        gl.Destroy();
        delete recorder;
    }
    void SetUp() override
    {
        ASSERT_TRUE(gl.MakeCurrent());
    }

    // Runs a list (or a drawing) in feedback mode; returns the vertices of
    // every polygon as (x, y, z) window coordinates of a 1:1 ortho view.
    template <typename F>
    static std::vector<std::array<float, 3>> Feedback(F&& draw)
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-10, 10, -10, 10, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glViewport(0, 0, 20, 20); // window coordinates = scene + 10
        std::vector<GLfloat> buf(1 << 20);
        glFeedbackBuffer(static_cast<GLsizei>(buf.size()), GL_3D, buf.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint n = glRenderMode(GL_RENDER);
        std::vector<std::array<float, 3>> verts;
        for (GLint i = 0; i < n;) {
            const GLfloat token = buf[i++];
            if (token == GL_POLYGON_TOKEN) {
                const int count = static_cast<int>(buf[i++]);
                for (int k = 0; k < count; ++k, i += 3)
                    verts.push_back({buf[i] - 10, buf[i + 1] - 10, buf[i + 2]});
            } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
                       token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
                i += 3;
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                i += 6;
            } else if (token == GL_PASS_THROUGH_TOKEN) {
                i += 1;
            }
        }
        return verts;
    }

    static float AdvanceOf(int32_t base, int code)
    {
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glCallList(static_cast<GLuint>(base + code));
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        glPopMatrix();
        return m[12];
    }

    static inline gltest::Context gl;
    static inline MessageRecorder* recorder = nullptr;
    static inline bool normalBuilt = false;
    static inline bool boldBuilt = false;
};

} // namespace

TEST_F(OutlineFontTest, BothBlocksAreBuiltWithoutMessages)
{
    EXPECT_TRUE(normalBuilt);
    EXPECT_TRUE(boldBuilt);
    EXPECT_EQ(recorder->Count(), 0);
    EXPECT_NE(g_FontListNormal, 0);
    EXPECT_NE(g_FontListBold, 0);
    EXPECT_GE(std::abs(g_FontListBold - g_FontListNormal), 128);
    EXPECT_TRUE(glIsList(static_cast<GLuint>(g_FontListNormal + 127)));
}

TEST_F(OutlineFontTest, EachListMovesByTheGlyphAdvanceInEmUnits)
{
    struct Case {
        const char* what;
        int32_t* base;
        int code;
        float advance; // font units / units per em of Liberation Sans
    };
    const Case cases[] = {
        {"regular A", &g_FontListNormal, 'A', 1366.0f / 2048},
        {"regular space", &g_FontListNormal, ' ', 569.0f / 2048},
        {"regular 1", &g_FontListNormal, '1', 1139.0f / 2048},
        {"bold A", &g_FontListBold, 'A', 1479.0f / 2048},
        {"control code", &g_FontListNormal, 7, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(AdvanceOf(*c.base, c.code), c.advance, 1e-4f);
    }
}

TEST_F(OutlineFontTest, GlyphIsAnExtrudedSolidInsideItsEmBox)
{
    const auto verts = Feedback([] { glCallList(static_cast<GLuint>(g_FontListNormal + 'H')); });
    ASSERT_FALSE(verts.empty());
    bool front = false, back = false;
    for (const auto& v : verts) {
        EXPECT_GE(v[0], -0.01f);
        EXPECT_LE(v[0], 0.75f);
        EXPECT_GE(v[1], -0.01f);
        EXPECT_LE(v[1], 0.75f);
        // Depth in window units: z = 0 maps to 0.5, z = -0.1 a little deeper.
        front = front || std::abs(v[2] - 0.5f) < 1e-4f;
        back = back || std::abs(v[2] - 0.505f) < 1e-4f;
    }
    EXPECT_TRUE(front);
    EXPECT_TRUE(back);

    // Space and control codes draw nothing.
    EXPECT_TRUE(Feedback([] { glCallList(static_cast<GLuint>(g_FontListNormal + ' ')); }).empty());
    EXPECT_TRUE(Feedback([] { glCallList(static_cast<GLuint>(g_FontListNormal + 10)); }).empty());
}

TEST_F(OutlineFontTest, DrawOutlineTextLaysOutScaledAndKeepsColourAndBase)
{
    glColor3f(0.0f, 0.0f, 0.0f);
    // "HH" at (1, 2, 0), scale 0.7, no rotation: the second H starts one
    // advance (0.722 em) * 0.7 to the right of the first.
    const auto verts = Feedback([] {
        Module1::DrawOutlineText(g_FontListNormal, QStringLiteral("HH"), 1.0f, 2.0f, 0.0f,
                                 {0, 0, 0, 1}, 64 + 256 * 128 + 65536 * 255);
    });
    ASSERT_FALSE(verts.empty());
    float minX = 99, maxX = -99;
    for (const auto& v : verts) {
        minX = std::min(minX, v[0]);
        maxX = std::max(maxX, v[0]);
        EXPECT_GE(v[1], 2.0f - 0.01f);
        EXPECT_LE(v[1], 2.0f + 0.75f * 0.7f);
    }
    EXPECT_NEAR(minX, 1.0f + 0.7f * 162.0f / 2048, 0.01f); // left bearing of H
    EXPECT_NEAR(maxX - minX, 0.7f * (1479.0f / 2048 + 1315.0f / 2048 - 162.0f / 2048), 0.02f);

    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_NEAR(colour[0], 64.0f / 255, 1e-3f);
    EXPECT_NEAR(colour[1], 128.0f / 255, 1e-3f);
    EXPECT_NEAR(colour[2], 1.0f, 1e-3f);
    GLint listBase = 0;
    glGetIntegerv(GL_LIST_BASE, &listBase);
    EXPECT_EQ(listBase, g_FontListNormal);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(OutlineFontTest, EmptyAndForeignTextDrawNothing)
{
    glListBase(0);
    glColor3f(0.5f, 0.5f, 0.5f);
    // An empty text only sets the list base; a Chinese text has no glyph in
    // the block and is skipped rather than calling lists outside it.
    for (const QString& text : {QString(), QStringLiteral("坐标")}) {
        EXPECT_TRUE(Feedback([&] {
            Module1::DrawOutlineText(g_FontListBold, text, 0, 0, 0, {90, 0, 1, 0});
        }).empty());
    }
    GLint listBase = 0;
    glGetIntegerv(GL_LIST_BASE, &listBase);
    EXPECT_EQ(listBase, g_FontListBold);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(OutlineFontTest, GlyphChangesPixels)
{
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto darkPixels = [] {
        std::vector<unsigned char> px(64 * 64 * 4);
        glReadPixels(0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
        int dark = 0;
        for (size_t i = 0; i < px.size(); i += 4)
            dark += px[i] < 128 && px[i + 1] < 128 && px[i + 2] < 128;
        return dark;
    };
    EXPECT_EQ(darkPixels(), 0);
    glColor3f(0, 0, 0);
    glCallList(static_cast<GLuint>(g_FontListBold + 'W'));
    glFinish();
    EXPECT_GT(darkPixels(), 200);
}

TEST(OutlineFontFile, ArialStandsForLiberationSans)
{
    EXPECT_TRUE(FindOutlineFontFile(QStringLiteral("Arial"), 400, false)
                    .endsWith(QStringLiteral("LiberationSans-Regular.ttf")));
    EXPECT_TRUE(FindOutlineFontFile(QStringLiteral("arial"), 700, false)
                    .endsWith(QStringLiteral("LiberationSans-Bold.ttf")));
}
