// Figure lines on real Mesa, drawn through Cls9::Draw into a display list as
// the scene builds it and read back: a parabola of a million steps goes to
// OpenGL as about as many lines as it covers pixels and looks like its
// 100-step self; widths and sizes beyond the dialogs' lists are drawn at the
// list's end while the graph keeps its stored value.
#include "GlTestContext.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/StyleLists.h"
#include "platform/MessageBox.h"

#include "draw/Globals2DGuard.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// 400 x 400 pixels showing x and y from -10 to 10: 20 pixels a unit.
constexpr int kSize = 400;
constexpr float kHalf = 10.0f;

class FigureLinesGL : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(s_gl.Create(kSize)); }
    static void TearDownTestSuite() { s_gl.Destroy(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_gl.MakeCurrent());
        m_list = glGenLists(1);
    }
    void TearDown() override
    {
        glDeleteLists(m_list, 1);
        s_gl.ReleaseFramebuffer();
    }

    // Compiles the graph's drawing into the list, as the scene builder does.
    void Compile(Cls9& g)
    {
        gltest::CompileList(m_list, [&] { g.Draw(0); });
    }

    // Replays the list on white and returns the pixels, RGBA by rows.
    std::vector<unsigned char> Picture()
    {
        gltest::OrthoView(kSize, kHalf, 10.0f);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(m_list);
        glFinish();
        std::vector<unsigned char> rgba(static_cast<size_t>(kSize) * kSize * 4);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    // The line segments that reach the rasterizer when the list is replayed
    // (GL feedback mode), as x1 y1 x2 y2 in drawing units; nothing when they
    // do not fit the buffer.
    std::vector<std::array<float, 4>> Segments()
    {
        gltest::OrthoView(kSize, kHalf, 10.0f);
        std::vector<GLfloat> buffer(1 << 20);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(m_list);
        const GLint n = glRenderMode(GL_RENDER);
        std::vector<std::array<float, 4>> out;
        EXPECT_GE(n, 0) << "more than the feedback buffer holds";
        auto unit = [](float px) { return px * (2 * kHalf) / kSize - kHalf; };
        for (GLint i = 0; i < n;) {
            const GLint token = static_cast<GLint>(buffer[i++]);
            if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                out.push_back({unit(buffer[i]), unit(buffer[i + 1]), unit(buffer[i + 2]),
                               unit(buffer[i + 3])});
                i += 4;
            } else if (token == GL_POLYGON_TOKEN) {
                i += 1 + 2 * static_cast<GLint>(buffer[i]);
            } else if (token == GL_PASS_THROUGH_TOKEN) {
                ++i;
            } else {
                i += 2; // a point
            }
        }
        return out;
    }

    static inline gltest::Context s_gl;
    Globals2D m_globals{1.0f};
    MessageRecorder m_messages;
    GLuint m_list = 0;
};

// y^2 = 4x from x = 0 to 8, in black, as the parabola dialog makes it.
std::shared_ptr<Cls9> Parabola(int32_t steps)
{
    auto g = std::make_shared<Cls9>();
    g->ID = 1;
    g->GraphType = GraphTypeParabola;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QStringLiteral("sqr(2*(2)*(x-(0)))+(0)");
    g->MinV = 0;
    g->MaxV = 8;
    g->StepV = steps;
    g->Material = MaterialPresetMetal;
    g->GParaType = ParabolaFormHorizontal;
    g->GPara3 = 2;
    g->GParaColor = 0x000000;
    g->GParaWidth = 1;
    return g;
}

// Darkness of each pixel (255 - red).
std::vector<int> Darkness(const std::vector<unsigned char>& rgba)
{
    std::vector<int> out(rgba.size() / 4);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = 255 - rgba[i * 4];
    return out;
}

// Pixels dark in `a` (128 or more) with nothing at least faintly dark (64)
// within two pixels in `b`.
int Unmatched(const std::vector<int>& a, const std::vector<int>& b)
{
    int count = 0;
    for (int y = 2; y < kSize - 2; ++y)
        for (int x = 2; x < kSize - 2; ++x) {
            if (a[static_cast<size_t>(y * kSize + x)] < 128)
                continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx)
                    near = b[static_cast<size_t>((y + dy) * kSize + x + dx)] >= 64;
            count += near ? 0 : 1;
        }
    return count;
}

TEST_F(FigureLinesGL, MillionStepParabolaDrawsAboutAsManyLinesAsItCoversPixels)
{
    auto sparse = Parabola(100);
    ASSERT_TRUE(sparse->GetPoints());
    Compile(*sparse);
    const std::vector<int> sparsePicture = Darkness(Picture());
    EXPECT_EQ(Segments().size(), 200u); // its own 100 steps and their image

    auto dense = Parabola(1000000);
    ASSERT_TRUE(dense->GetPoints());
    Compile(*dense);
    const std::vector<std::array<float, 4>> lines = Segments();
    // Both halves are about 20.6 units long, 412 pixels of this view: the
    // lines are bounded by that, not by the two million steps.
    EXPECT_GT(lines.size(), 100u);
    EXPECT_LE(lines.size(), 2u * 412u);
    // Every line runs between points of the curve, the two halves joined.
    for (const auto& l : lines)
        for (int end : {0, 2})
            EXPECT_NEAR(l[end], l[end + 1] * l[end + 1] / 4, 0.01f) << l[end] << "," << l[end + 1];

    // The same picture: every stroke of one is within two pixels of the
    // other, and the dense one does not fade.
    const std::vector<int> densePicture = Darkness(Picture());
    EXPECT_EQ(Unmatched(densePicture, sparsePicture), 0);
    EXPECT_EQ(Unmatched(sparsePicture, densePicture), 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// One width or size member of a figure, with the list the dialogs offer
// for it.
struct StyleCase {
    const char* name;
    std::function<std::shared_ptr<Cls9>()> make;
    std::function<int32_t&(Cls9&)> member;
    StyleList list;
    bool width; // a width: below 1 is drawn as 1
};

std::shared_ptr<Cls9> Figure(int32_t type, int32_t form, const char* x, const char* y,
                             float from, float to)
{
    auto g = std::make_shared<Cls9>();
    g->ID = 7;
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = form;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QString::fromLatin1(x);
    g->ExpressZ = QString::fromLatin1(y);
    g->MinV = from;
    g->MaxV = to;
    g->StepV = 100;
    g->Material = MaterialPresetMetal;
    return g;
}

std::shared_ptr<Cls9> LineFigure()
{
    // y = x/2 + 1 over x from -5 to 5.
    auto g = Figure(GraphTypeLine, FunFormParametric, "u", "0.5u+(1)", -5, 5);
    g->GLineType = LineFormSlopeIntercept;
    g->GPara1 = 1;
    g->GPara2 = 0.5f;
    g->Glinewidth = 1;
    return g;
}

std::shared_ptr<Cls9> CircleFigure()
{
    auto g = Figure(GraphTypeCircle, FunFormParametric, "3sin(u)+(0)", "3cos(u)+(0)", 0, 6.2832f);
    g->GCircleType = CircleFormStandard;
    g->GPara3 = 3;
    g->GShowCircle = true;
    g->GCircleWidth = 1;
    return g;
}

std::vector<StyleCase> StyleCases()
{
    const auto with = [](std::shared_ptr<Cls9> (*make)(), std::function<void(Cls9&)> f) {
        return [=] {
            auto g = make();
            f(*g);
            return g;
        };
    };
    return {
        {"line", LineFigure, [](Cls9& g) -> int32_t& { return g.Glinewidth; },
         kPlaneFigureWidths, true},
        {"second line",
         with(LineFigure,
              [](Cls9& g) {
                  g.GShowLineLine = true;
                  g.GLineLineType = LineFormSlopeIntercept;
                  g.GPara5 = -2;
                  g.GPara6 = -1;
                  g.GLineLineWidth = 1;
              }),
         [](Cls9& g) -> int32_t& { return g.GLineLineWidth; }, kPlaneFigureWidths, true},
        {"line's point",
         with(LineFigure,
              [](Cls9& g) {
                  g.GShowLinePoint = true;
                  g.GLinePointType = LineThroughPointParallel;
                  g.GLinePointX = 2;
                  g.GLinePointY = -3;
                  g.GLinePointSize = 1;
              }),
         [](Cls9& g) -> int32_t& { return g.GLinePointSize; }, kLinePointSizes, false},
        {"circle", CircleFigure, [](Cls9& g) -> int32_t& { return g.GCircleWidth; },
         kPlaneFigureWidths, true},
        {"tangents",
         with(CircleFigure,
              [](Cls9& g) {
                  g.GShowCircleTangent = true;
                  g.GCircleTangType = CircleTangentGivenSlope;
                  g.GCircleTangK = 1;
                  g.GCircleTangWidth = 1;
              }),
         [](Cls9& g) -> int32_t& { return g.GCircleTangWidth; }, kPlaneFigureWidths, true},
        {"derived circle",
         with(CircleFigure,
              [](Cls9& g) {
                  g.GShowCircleEqua = true;
                  g.GCircleEquaType = CircleEquationGivenCenterRadius;
                  g.GPara5 = 2;
                  g.GPara7 = 1;
                  g.GCircleEquaWidth = 1;
              }),
         [](Cls9& g) -> int32_t& { return g.GCircleEquaWidth; }, kPlaneFigureWidths, true},
        {"ellipse",
         [] {
             auto g = Figure(GraphTypeEllipse, FunFormParametric, "5sin(u)+(0)", "3cos(u)+(0)",
                             0, 6.2832f);
             g->GEllipseType = EllipseFormStandard;
             g->GPara1 = 5;
             g->GPara2 = 3;
             return g;
         },
         [](Cls9& g) -> int32_t& { return g.GEllipseWidth; }, kPlaneFigureWidths, true},
        {"hyperbola",
         [] {
             auto g = Figure(GraphTypeHyperbola, FunFormExplicit, "x", "0.5sqr((x-(0))^2-4)+(0)",
                             -4, 4);
             g->StepV = 200;
             g->GHyperType = HyperbolaFormHorizontal;
             g->GPara1 = 2;
             g->GPara2 = 1;
             return g;
         },
         [](Cls9& g) -> int32_t& { return g.GHyperWidth; }, kPlaneFigureWidths, true},
        {"parabola", [] { return Parabola(100); },
         [](Cls9& g) -> int32_t& { return g.GParaWidth; }, kPlaneFigureWidths, true},
        {"space line",
         [] {
             auto g = std::make_shared<Cls9>();
             g->ID = 7;
             g->GraphType = GraphTypeSpaceLine;
             g->CoordType = CoordTypeCartesian3D;
             g->GPara4 = 2; // to (2, 5, -4): in OpenGL (5, -4, 2)
             g->GPara5 = 5;
             g->GPara6 = -4;
             g->GeomColor = 0x000000;
             return g;
         },
         [](Cls9& g) -> int32_t& { return g.GeomWidth; }, kSpaceLineWidths, true},
    };
}

TEST_F(FigureLinesGL, WidthsAndSizesBeyondTheirListsDrawAtTheListsEnd)
{
    for (const StyleCase& c : StyleCases()) {
        SCOPED_TRACE(c.name);
        auto g = c.make();
        g_DocumentKind = g->GraphType == GraphTypeSpaceLine ? DocumentKind3D : DocumentKind2D;
        if (g->GraphType != GraphTypeSpaceLine) {
            ASSERT_TRUE(g->GetPoints());
        }
        auto drawnAt = [&](int32_t value) {
            c.member(*g) = value;
            Compile(*g);
            return Picture();
        };
        const std::vector<unsigned char> largest = drawnAt(c.list.last);
        EXPECT_NE(largest, drawnAt(c.list.last - 1)); // the member shows

        c.member(*g) = 1000000;
        const std::optional<QString> record = g->Save();
        ASSERT_TRUE(record);
        EXPECT_TRUE(record->contains(QStringLiteral("1000000")));
        EXPECT_TRUE(drawnAt(1000000) == largest);
        EXPECT_EQ(g->Save(), record); // the document keeps what it held
        EXPECT_TRUE(drawnAt(INT32_MAX) == largest);

        if (c.width) {
            const std::vector<unsigned char> smallest = drawnAt(c.list.first);
            EXPECT_TRUE(drawnAt(0) == smallest);
            EXPECT_TRUE(drawnAt(-7) == smallest);
        }
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    EXPECT_EQ(m_messages.Count(), 0);
}

} // namespace
