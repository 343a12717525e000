// Figure lines on real Mesa, drawn through Cls9::Draw into a display list as
// the scene builds it and read back: a parabola of a million steps goes to
// OpenGL as about as many lines as it covers pixels and looks like its
// 100-step self; widths and sizes beyond the dialogs' lists (figures, 2D
// functions with their analysis, curve intersections, points) are drawn at the
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
#include <type_traits>
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

    // The line segments that reach the rasterizer when the list is replayed,
    // as x1 y1 x2 y2 in drawing units.
    std::vector<std::array<float, 4>> Segments()
    {
        gltest::OrthoView(kSize, kHalf, 10.0f);
        std::vector<std::array<float, 4>> out;
        for (const gltest::Primitive& p : gltest::Feedback(kSize, kHalf, [&] { glCallList(m_list); })) {
            if (p.line)
                out.push_back({p.v[0].x, p.v[0].y, p.v[1].x, p.v[1].y});
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

// One width or size member of a graph, with the list the dialogs offer for
// it: the graph that shows it and how a value is stored in the member.
struct StyleCase {
    const char* name;
    std::function<std::shared_ptr<Cls9>()> make;
    void (*set)(Cls9&, int32_t);
    StyleList list;
    bool belowOne = true; // values below 1 are drawn like the list's first
};

// Stores a value in a member, integer or float.
template <auto member>
void Set(Cls9& g, int32_t value)
{
    g.*member = static_cast<std::remove_reference_t<decltype(g.*member)>>(value);
}

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

// A 2D function y = z(x) from -8 to 8, black, of the given kind.
std::shared_ptr<Cls9> Function(const char* z, int32_t type = GraphType2DFunction)
{
    auto g = std::make_shared<Cls9>();
    g->ID = 7;
    g->GraphType = type;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormExplicit;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = QStringLiteral("x");
    g->ExpressZ = QString::fromLatin1(z);
    g->MinV = -8;
    g->MaxV = 8;
    g->StepV = 80;
    g->Material = MaterialPresetMetal;
    g->Show2DCurve = true;
    g->LineColor = 0x000000;
    g->LineWidth = 1;
    return g;
}

// A point at (3, 4), still or moving from there.
std::shared_ptr<Cls9> Point(bool animated)
{
    auto g = std::make_shared<Cls9>();
    g->ID = 7;
    g->GraphType = animated ? GraphTypePointAnimation : GraphTypePoint;
    g->CoordType = CoordTypeCartesian2D;
    g->FunForm = FunFormParametric;
    g->ExpressX = QStringLiteral("0");
    g->ExpressY = animated ? QStringLiteral("3+t") : QStringLiteral("3");
    g->ExpressZ = QStringLiteral("4");
    g->Animation = animated;
    g->MinT = 0;
    g->MaxT = 1;
    g->PointColor = 0x0000FF;
    g->PointSize = 2;
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
        {"line", LineFigure, Set<&Cls9::Glinewidth>, kPlaneFigureWidths},
        {"second line",
         with(LineFigure,
              [](Cls9& g) {
                  g.GShowLineLine = true;
                  g.GLineLineType = LineFormSlopeIntercept;
                  g.GPara5 = -2;
                  g.GPara6 = -1;
                  g.GLineLineWidth = 1;
              }),
         Set<&Cls9::GLineLineWidth>, kPlaneFigureWidths},
        {"line's point",
         with(LineFigure,
              [](Cls9& g) {
                  g.GShowLinePoint = true;
                  g.GLinePointType = LineThroughPointParallel;
                  g.GLinePointX = 2;
                  g.GLinePointY = -3;
                  g.GLinePointSize = 1;
              }),
         Set<&Cls9::GLinePointSize>, kLinePointSizes, false}, // 0: a record without one
        {"circle", CircleFigure, Set<&Cls9::GCircleWidth>, kPlaneFigureWidths},
        {"tangents",
         with(CircleFigure,
              [](Cls9& g) {
                  g.GShowCircleTangent = true;
                  g.GCircleTangType = CircleTangentGivenSlope;
                  g.GCircleTangK = 1;
                  g.GCircleTangWidth = 1;
              }),
         Set<&Cls9::GCircleTangWidth>, kPlaneFigureWidths},
        {"derived circle",
         with(CircleFigure,
              [](Cls9& g) {
                  g.GShowCircleEqua = true;
                  g.GCircleEquaType = CircleEquationGivenCenterRadius;
                  g.GPara5 = 2;
                  g.GPara7 = 1;
                  g.GCircleEquaWidth = 1;
              }),
         Set<&Cls9::GCircleEquaWidth>, kPlaneFigureWidths},
        {"ellipse",
         [] {
             auto g = Figure(GraphTypeEllipse, FunFormParametric, "5sin(u)+(0)", "3cos(u)+(0)",
                             0, 6.2832f);
             g->GEllipseType = EllipseFormStandard;
             g->GPara1 = 5;
             g->GPara2 = 3;
             return g;
         },
         Set<&Cls9::GEllipseWidth>, kPlaneFigureWidths},
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
         Set<&Cls9::GHyperWidth>, kPlaneFigureWidths},
        {"parabola", [] { return Parabola(100); }, Set<&Cls9::GParaWidth>, kPlaneFigureWidths},
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
         Set<&Cls9::GeomWidth>, kSpaceLineWidths},

        // 2D functions and their analysis.
        {"function", [] { return Function("0.5x"); }, Set<&Cls9::LineWidth>, kFunctionWidths},
        {"inverse",
         [] {
             auto g = Function("0.5x+1");
             g->ShowInverse = true;
             g->InvColor = 0x0000FF;
             return g;
         },
         Set<&Cls9::InvWidth>, kFunctionWidths},
        {"derivative",
         [] {
             auto g = Function("0.1x^2");
             g->ShowDev = true;
             g->DevColor = 0xFF00FF;
             return g;
         },
         Set<&Cls9::DevWidth>, kFunctionWidths},
        {"parity",
         [] {
             auto g = Function("0.5x+1");
             g->ShowJO = true;
             g->JOColor = 0xC0C000;
             return g;
         },
         Set<&Cls9::JOWidth>, kFunctionWidths},
        {"tangent",
         [] {
             auto g = Function("0.1x^2");
             g->ShowQie = true;
             g->QieNum = 1;
             g->QieX[1] = 2;
             return g;
         },
         Set<&Cls9::QieWidth>, kFunctionWidths},
        {"normal",
         [] {
             auto g = Function("0.1x^2");
             g->ShowNml = true;
             g->NmlNum = 1;
             g->NmlX[1] = 2;
             return g;
         },
         Set<&Cls9::NmlWidth>, kFunctionWidths},
        {"curvature circle",
         [] {
             auto g = Function("0.1x^2");
             g->ShowCurv = true;
             g->CurvNum = 1;
             g->CurvX[1] = 0;
             return g;
         },
         Set<&Cls9::CurvWidth>, kFunctionWidths},
        {"maximum",
         [] {
             auto g = Function("3-0.25x^2");
             g->ShowMax = true;
             g->MaxSymbol = MarkerSymbolFilledCircle;
             return g;
         },
         Set<&Cls9::MaxSize>, kFunctionMarkerSizes},
        {"minimum",
         [] {
             auto g = Function("0.25x^2-3");
             g->ShowMin = true;
             g->MinSymbol = MarkerSymbolDiamond;
             return g;
         },
         Set<&Cls9::MinSize>, kFunctionMarkerSizes},
        {"inflection point",
         [] {
             auto g = Function("0.05x^3");
             g->ShowGuai = true;
             g->GuaiSymbol = MarkerSymbolFilledSquare;
             return g;
         },
         Set<&Cls9::GuaiSize>, kFunctionMarkerSizes},
        {"root",
         [] {
             auto g = Function("0.5x+1");
             g->ShowRoot = true;
             g->RootSymbol = MarkerSymbolCrossHair;
             return g;
         },
         Set<&Cls9::RootSize>, kFunctionMarkerSizes},
        {"step",
         [] {
             auto g = Function("0.5x", GraphTypeStepStem);
             g->StepV = 8;
             g->ShowStep = true;
             return g;
         },
         Set<&Cls9::StepWidth>, kFunctionWidths},
        {"stem",
         [] {
             auto g = Function("0.5x", GraphTypeStepStem);
             g->StepV = 8;
             g->ShowStem = true;
             g->StemHeadSymbol = MarkerSymbolFilledCircle;
             return g;
         },
         Set<&Cls9::StemBodyWidth>, kFunctionWidths},
        {"stem head",
         [] {
             auto g = Function("0.5x", GraphTypeStepStem);
             g->StepV = 8;
             g->ShowStem = true;
             g->StemHeadSymbol = MarkerSymbolHollowCircle;
             return g;
         },
         Set<&Cls9::StemHeadSize>, kFunctionMarkerSizes},

        // Curve intersections.
        {"first curve",
         [] {
             auto g = Function("0.1x^2", GraphTypeCurveIntersection);
             g->Exp2 = QStringLiteral("2");
             return g;
         },
         Set<&Cls9::LineWidth>, kIntersectionWidths},
        {"second curve",
         [] {
             auto g = Function("0.1x^2", GraphTypeCurveIntersection);
             g->Exp2 = QStringLiteral("2");
             g->Color2 = 0x00FF00;
             return g;
         },
         Set<&Cls9::Width2>, kIntersectionWidths},
        {"crossing",
         [] {
             auto g = Function("0.1x^2", GraphTypeCurveIntersection);
             g->Exp2 = QStringLiteral("2");
             g->ShowInter = true;
             g->InterColor = 0xFF00FF;
             g->InterSymbol = MarkerSymbolFilledTriangle;
             return g;
         },
         Set<&Cls9::InterSize>, kIntersectionMarkerSizes},

        // Points.
        {"point", [] { return Point(false); }, Set<&Cls9::PointSize>, kPointSizes},
        {"moving point", [] { return Point(true); }, Set<&Cls9::PointSize>, kPointSizes},
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
            c.set(*g, value);
            Compile(*g);
            return Picture();
        };
        const std::vector<unsigned char> largest = drawnAt(c.list.last);
        EXPECT_NE(largest, drawnAt(c.list.last - 1)); // the member shows

        c.set(*g, 1000000);
        const std::optional<QString> record = g->Save();
        ASSERT_TRUE(record);
        EXPECT_TRUE(record->contains(QStringLiteral("1000000")));
        EXPECT_TRUE(drawnAt(1000000) == largest);
        EXPECT_EQ(g->Save(), record); // the document keeps what it held
        EXPECT_TRUE(drawnAt(INT32_MAX) == largest);

        if (c.belowOne) {
            const std::vector<unsigned char> smallest = drawnAt(c.list.first);
            for (const int32_t value : {0, -7, INT32_MIN})
                EXPECT_TRUE(drawnAt(value) == smallest) << value;
        }
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    EXPECT_EQ(m_messages.Count(), 0);
}

} // namespace
