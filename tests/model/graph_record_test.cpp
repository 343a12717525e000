// The graph record and the copy of one graph into another: what documents
// and the clipboard carry, and what editing a graph keeps.
#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Readable failure output for texts.
static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QStringList Tokens(const QString& record)
{
    return record.split(QLatin1Char(' ')); // empty tokens kept
}

QString SaveOk(const Cls9& g)
{
    QString error;
    const std::optional<QString> record = g.Save(&error);
    EXPECT_TRUE(record.has_value()) << error.toStdString();
    return record.value_or(QString());
}

// Keeps the frame settings of the program as the test found them.
class RecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_frames = g_FrameCount;
        m_fps = g_FramesPerSecond;
    }
    void TearDown() override
    {
        g_FrameCount = m_frames;
        g_FramesPerSecond = m_fps;
    }

private:
    int32_t m_frames = 0;
    int32_t m_fps = 0;
};

// Gives every field of the record, in the order of the record, a value that
// tells its position k (1-based): integers k, floats k + 0.5, booleans k odd,
// expressions "e<k>", names "n<k>". Remembers the token each should give.
class Numbering {
public:
    int32_t I() { ++m_k; m_expect << QString::number(m_k); return m_k; }
    int32_t EmptyCount() { ++m_k; m_expect << "0"; return 0; }
    float F() { ++m_k; m_expect << NumberText(m_k + 0.5f); return m_k + 0.5f; }
    bool B() { return B(m_k % 2 == 0); } // position m_k + 1 odd
    bool B(bool v) { ++m_k; m_expect << (v ? "1" : "0"); return v; }
    QString X() { ++m_k; m_expect << QStringLiteral("e%1").arg(m_k); return m_expect.last(); }
    QString Q()
    {
        ++m_k;
        m_expect << QStringLiteral("@n%1@").arg(m_k);
        return QStringLiteral("n%1").arg(m_k);
    }
    const QStringList& Expected() const { return m_expect; }

private:
    int32_t m_k = 0;
    QStringList m_expect;
};

// Every field of a still graph with empty lists, written from the field
// table of the record (not from the writer).
void FillNumbered(Cls9& g, Numbering& n)
{
    // Definition and style.
    g.GraphType = n.I();
    g.ID = n.I();
    g.NameS = n.Q();
    g.CoordType = n.I();
    g.ExpressX = n.X();
    g.ExpressY = n.X();
    g.ExpressZ = n.X();
    g.StepU = n.I();
    g.StepV = n.I();
    g.MinU = n.F();
    g.MaxU = n.F();
    g.MinV = n.F();
    g.MaxV = n.F();
    g.FillStyle = n.I();
    g.FirstColor = n.I();
    g.SecondColor = n.I();
    g.LineColor = n.I();
    g.LineWidth = n.I();
    g.Material = n.I();
    g.Show = n.I();
    g.Smoothness = n.I();
    g.PointColor = n.I();
    g.PointSize = n.F();
    g.PointHollow = n.B();
    g.Animation = n.B(false);
    // Plane analysis.
    g.FunForm = n.I();
    g.Show2DCurve = n.B();
    g.ShowInverse = n.B();
    g.InvColor = n.I();
    g.InvWidth = n.I();
    g.ShowDev = n.B();
    g.DevColor = n.I();
    g.DevWidth = n.I();
    g.ShowInt = n.B();
    g.IntColor = n.I();
    g.IntFrom = n.F();
    g.IntTo = n.F();
    g.ShowMax = n.B();
    g.MaxColor = n.I();
    g.MaxSize = n.I();
    g.MaxSymbol = n.I();
    g.ShowMin = n.B();
    g.MinColor = n.I();
    g.MinSize = n.I();
    g.MinSymbol = n.I();
    g.ShowGuai = n.B();
    g.GuaiColor = n.I();
    g.GuaiSize = n.I();
    g.GuaiSymbol = n.I();
    g.ShowJO = n.B();
    g.JOColor = n.I();
    g.JOWidth = n.I();
    g.ShowRoot = n.B();
    g.RootColor = n.I();
    g.RootSize = n.I();
    g.RootSymbol = n.I();
    g.ShowCurv = n.B();
    g.CurvColor = n.I();
    g.CurvWidth = n.I();
    g.CurvNum = n.EmptyCount();
    // Arc length and tangents.
    g.ShowLen = n.B();
    g.LenFrom = n.F();
    g.LenTo = n.F();
    g.ShowQie = n.B();
    g.QieColor = n.I();
    g.QieWidth = n.I();
    g.QieNum = n.EmptyCount();
    // Normals.
    g.ShowNml = n.B();
    g.NmlColor = n.I();
    g.NmlWidth = n.I();
    g.NmlNum = n.EmptyCount();
    // Steps, stems, intersection, surface.
    g.ShowStep = n.B();
    g.StepColor = n.I();
    g.StepWidth = n.I();
    g.ShowStem = n.B();
    g.StemHeadColor = n.I();
    g.StemHeadSize = n.I();
    g.StemHeadSymbol = n.I();
    g.StemBodyColor = n.I();
    g.StemBodyWidth = n.I();
    g.Exp2 = n.X();
    g.Color2 = n.I();
    g.Width2 = n.I();
    g.ShowInter = n.B();
    g.InterColor = n.I();
    g.InterSize = n.I();
    g.InterSymbol = n.I();
    g.ShowArea = n.B();
    g.AreaColor = n.I();
    g.ShowSurface = n.B();
    g.ShowSurPX = n.B();
    g.ShowSurPY = n.B();
    g.ShowTangent = n.B();
    g.TangentNum = n.EmptyCount();
    g.ShowNormal = n.B();
    g.NormalNum = n.EmptyCount();
    // Vectors, equation, limit, series, texture, contour.
    g.VecBeginX = n.F();
    g.VecBeginY = n.F();
    g.VecBeginZ = n.F();
    g.VecEndX = n.F();
    g.VecEndY = n.F();
    g.VecEndZ = n.F();
    g.ShowVecBegin = n.B();
    g.ShowVecEnd = n.B();
    g.VecColor = n.I();
    g.VecWidth = n.I();
    g.ShowVecPrj = n.B();
    g.ShowVecB = n.B();
    g.VecOperation = n.I();
    g.VecConstant = n.F();
    g.VecDX = n.F();
    g.VecDY = n.F();
    g.VecDZ = n.F();
    g.VecDX2 = n.F();
    g.VecDY2 = n.F();
    g.VecDZ2 = n.F();
    g.ODEInitial = n.B();
    g.ODEInitX = n.F();
    g.ODEInitY = n.F();
    g.ODEColor = n.I();
    g.ODEWidth = n.I();
    g.LimitX0 = n.F();
    g.LimitDir = n.I();
    g.LimitShowP = n.B();
    g.LimitShowL = n.B();
    g.SeriesN1 = n.I();
    g.SeriesN2 = n.I();
    g.SeriesColor = n.I();
    g.SeriesWidth = n.I();
    g.SeriesA0 = n.F();
    g.ShowTex = n.B();
    g.TexMode = n.I();
    g.ShowTrans = n.B();
    g.TransAlpha = n.F();
    g.TexName = n.Q();
    g.ShowContour = n.B();
    g.ShowVector = n.B();
    g.ShowColormap = n.B();
    g.ContourLevel = n.I();
    // Figures.
    g.GLineType = n.I();
    g.GPara1 = n.F();
    g.GPara2 = n.F();
    g.GPara3 = n.F();
    g.GPara4 = n.F();
    g.GLineColor = n.I();
    g.Glinewidth = n.I();
    g.GShowLinePoint = n.B();
    g.GLinePointX = n.F();
    g.GLinePointY = n.F();
    g.GLinePointType = n.I();
    g.GLinePointColor = n.I();
    g.GLinePointSize = n.I();
    g.GShowLineLine = n.B();
    g.GLineLineType = n.I();
    g.GPara5 = n.F();
    g.GPara6 = n.F();
    g.GPara7 = n.F();
    g.GPara8 = n.F();
    g.GPara9 = n.F();
    g.GPara10 = n.F();
    g.GLineLineColor = n.I();
    g.GLineLineWidth = n.I();
    g.GShowCircle = n.B();
    g.GCircleType = n.I();
    g.GCircleColor = n.I();
    g.GCircleWidth = n.I();
    g.GShowCircleTangent = n.B();
    g.GCircleTangType = n.I();
    g.GCircleTangPointX = n.F();
    g.GCircleTangPointY = n.F();
    g.GCircleTangK = n.F();
    g.GCircleTangColor = n.I();
    g.GCircleTangWidth = n.I();
    g.GShowCircleEqua = n.B();
    g.GCircleEquaType = n.I();
    g.GCircleEquaColor = n.I();
    g.GCircleEquaWidth = n.I();
    g.GEllipseType = n.I();
    g.GEllipseColor = n.I();
    g.GEllipseWidth = n.I();
    g.GEllipseCompute = n.B();
    g.GHyperType = n.I();
    g.GHyperColor = n.I();
    g.GHyperWidth = n.I();
    g.GHyperCompute = n.B();
    g.GParaType = n.I();
    g.GParaColor = n.I();
    g.GParaWidth = n.I();
    g.GParaCompute = n.B();
    g.EdgeNum = n.I();
    g.GeomColor = n.I();
    g.GeomWidth = n.I();
}

} // namespace

TEST_F(RecordTest, NewGraphRecordTokenByToken)
{
    const Cls9 g;
    const QString record = SaveOk(g);
    const QStringList t = Tokens(record);
    ASSERT_EQ(t.size(), 192);
    EXPECT_EQ(record.count(QLatin1Char(' ')), 191);
    EXPECT_FALSE(record.endsWith(QLatin1Char(' ')));
    // GraphType, ID, name, CoordType, three empty expressions (four blanks in
    // a row), StepU, StepV, MinU..LineWidth, Material, Show, Smoothness,
    // PointColor, PointSize, PointHollow, Animation.
    EXPECT_TRUE(record.startsWith(
        "0 0 @@ 0    1 1 0 0 0 0 0 0 0 0 0 0 3 3 255 1 0 0 "));
    // After group A every token is 0 in a new graph, but the second
    // function (empty) and the texture name ("@@").
    for (int i = 25; i < t.size(); ++i) {
        const char* expected = i == 80 ? "" : i == 134 ? "@@" : "0";
        EXPECT_EQ(t[i], expected) << "token " << i + 1;
    }
}

TEST_F(RecordTest, EveryFieldAtItsPlace)
{
    Cls9 g;
    Numbering n;
    FillNumbered(g, n);
    const QStringList t = Tokens(SaveOk(g));
    const QStringList& expected = n.Expected();
    ASSERT_EQ(expected.size(), 192);
    ASSERT_EQ(t.size(), expected.size());
    for (int i = 0; i < t.size(); ++i)
        EXPECT_EQ(t[i], expected[i]) << "token " << i + 1;
}

TEST_F(RecordTest, AnimatedGraphCarriesRangeAndFrameSettingsAfterAnimation)
{
    g_FrameCount = 24;
    g_FramesPerSecond = 12;
    Cls9 g;
    g.Animation = true;
    g.MinT = -1.5f;
    g.MaxT = 2.0f;
    const QStringList t = Tokens(SaveOk(g));
    ASSERT_EQ(t.size(), 196);
    EXPECT_EQ(t[24], "1");
    EXPECT_EQ(t.mid(25, 4), QStringList({"-1.5", "2", "24", "12"}));
    EXPECT_EQ(t[29], "0"); // FunForm follows
}

TEST_F(RecordTest, ListsFollowTheirCounts)
{
    // Position of each count token in a still record with empty lists.
    struct Case {
        const char* name;
        int countToken; // 0-based index of the count in a record with empty lists
        void (*fill)(Cls9&);
        QStringList elements;
    };
    const Case cases[] = {
        {"CurvX", 59, [](Cls9& g) { g.CurvNum = 2; g.CurvX[1] = 0.5f; g.CurvX[2] = -1.0f; },
         {"0.5", "-1"}},
        {"QieX", 66, [](Cls9& g) { g.QieNum = 1; g.QieX[1] = 3.25f; }, {"3.25"}},
        {"NmlX", 70, [](Cls9& g) { g.NmlNum = 1; g.NmlX[1] = 7.0f; }, {"7"}},
        {"Tangent pairs", 93,
         [](Cls9& g) { g.TangentNum = 1; g.TangentX[1] = 1.25f; g.TangentY[1] = -4.0f; },
         {"1.25", "-4"}},
        {"Normal pairs", 95,
         [](Cls9& g) {
             g.NormalNum = 2;
             g.NormalX[1] = 1.0f; g.NormalY[1] = 2.0f;
             g.NormalX[2] = 3.0f; g.NormalY[2] = 4.0f;
         },
         {"1", "2", "3", "4"}},
        {"negative count", 59, [](Cls9& g) { g.CurvNum = -3; g.CurvX[1] = 9.0f; }, {}},
    };
    const QStringList plain = Tokens(SaveOk(Cls9()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cls9 g;
        c.fill(g);
        const QStringList t = Tokens(SaveOk(g));
        ASSERT_EQ(t.size(), 192 + c.elements.size());
        EXPECT_EQ(t.mid(c.countToken + 1, c.elements.size()), c.elements);
        // Apart from the count and the inserted elements, the record is the
        // plain one: nothing shifted, nothing lost.
        QStringList rest = t;
        rest.erase(rest.begin() + c.countToken + 1,
                   rest.begin() + c.countToken + 1 + c.elements.size());
        rest[c.countToken] = "0";
        EXPECT_EQ(rest, plain);
    }
}

TEST_F(RecordTest, QuotedNamesAndNumbers)
{
    Cls9 g;
    g.NameS = "my first curve";
    g.GPara1 = 2.0f / 3.0f;
    g.GPara2 = 12345678.0f;
    g.TransAlpha = 0.15f;
    const QStringList t = Tokens(SaveOk(g));
    ASSERT_EQ(t.size(), 194); // the name's two blanks split it into three pieces
    EXPECT_EQ(t.mid(2, 3), QStringList({"@my", "first", "curve@"}));
    EXPECT_TRUE(t.contains("0.6666667"));
    EXPECT_TRUE(t.contains("1.234568E+07"));
    EXPECT_TRUE(t.contains("0.15"));
}

// A record that the reader would take apart differently is refused where it
// is written, with a reason, instead of corrupting the document.
TEST_F(RecordTest, RefusesWhatCannotBeReadBack)
{
    struct Case {
        const char* name;
        void (*set)(Cls9&);
        bool saves;
    };
    const Case cases[] = {
        {"count 50 is fine", [](Cls9& g) { g.CurvNum = 50; }, true},
        {"CurvNum 51", [](Cls9& g) { g.CurvNum = 51; }, false},
        {"QieNum 51", [](Cls9& g) { g.QieNum = 51; }, false},
        {"NmlNum 51", [](Cls9& g) { g.NmlNum = 51; }, false},
        {"TangentNum 51", [](Cls9& g) { g.TangentNum = 51; }, false},
        {"NormalNum 1000", [](Cls9& g) { g.NormalNum = 1000; }, false},
        {"infinite MinV", [](Cls9& g) { g.MinV = -std::numeric_limits<float>::infinity(); }, false},
        {"NaN position", [](Cls9& g) { g.QieNum = 1; g.QieX[1] = std::nanf(""); }, false},
        {"NaN figure parameter", [](Cls9& g) { g.GPara10 = std::nanf(""); }, false},
        {"blank in ExpressZ", [](Cls9& g) { g.ExpressZ = "sin (x)"; }, false},
        {"blank in Exp2", [](Cls9& g) { g.Exp2 = "x +1"; }, false},
        {"tab in expression reads back", [](Cls9& g) { g.ExpressZ = "x\t"; }, true},
        {"word ending in @ inside a name", [](Cls9& g) { g.NameS = "a@ b"; }, false},
        {"same in the texture name", [](Cls9& g) { g.TexName = "x@ y@ z"; }, false},
        {"@ inside a word reads back", [](Cls9& g) { g.NameS = "a@b c"; }, true},
        {"@ ending the last word reads back", [](Cls9& g) { g.NameS = "a b@"; }, true},
        {"lone @ reads back", [](Cls9& g) { g.NameS = "@"; }, true},
        {"leading and double blanks read back", [](Cls9& g) { g.NameS = " a  b "; }, true},
        {"101 words read back", [](Cls9& g) { g.NameS = QString(100, QLatin1Char(' ')); }, true},
        {"102 words do not", [](Cls9& g) { g.NameS = QString(101, QLatin1Char(' ')); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cls9 g;
        c.set(g);
        QString error;
        const std::optional<QString> record = g.Save(&error);
        EXPECT_EQ(record.has_value(), c.saves);
        EXPECT_EQ(error.isEmpty(), c.saves) << error.toStdString();
    }
}

TEST(GraphObject, PositionListsCheckTheirIndex)
{
    Cls9 g;
    PositionList* lists[] = {&g.CurvX, &g.QieX, &g.NmlX, &g.TangentX, &g.TangentY, &g.NormalX,
                             &g.NormalY};
    for (PositionList* list : lists) {
        (*list)[0] = 1.0f;
        (*list)[50] = 2.0f;
        EXPECT_THROW((*list)[51] = 3.0f, std::out_of_range);
        EXPECT_THROW((*list)[-1] = 3.0f, std::out_of_range);
        EXPECT_THROW((void)(*list)[INT32_MIN], std::out_of_range);
        EXPECT_EQ((*list)[0], 1.0f);
        EXPECT_EQ((*list)[50], 2.0f);
        for (int32_t i = 1; i < 50; ++i)
            EXPECT_EQ((*list)[i], 0.0f);
    }
}

TEST(GraphObject, StepTFollowsTheFrameCount)
{
    const int32_t saved = g_FrameCount;
    Cls9 a, b;
    g_FrameCount = 37;
    EXPECT_EQ(a.StepT(), 37);
    EXPECT_EQ(b.StepT(), 37);
    g_FrameCount = saved;
}

TEST(GraphObject, InitSetsTheTwentyFiveValuesInOrder)
{
    const GraphRef g = Cls9::Init(7, "c", GraphType2DFunctionAnimation, CoordTypePolar, "0", "x",
                                  "t*x", 2, 300, -1.0f, 1.0f, -2.5f, 2.5f, FillStyleSingleColor,
                                  11, 12, 13, 4, MaterialPresetMetal, ShowModelWireframe,
                                  SmoothnessFaceted, true, false, true, 9);
    const QStringList t = Tokens(SaveOk(*g));
    EXPECT_EQ(t.mid(0, 25), QStringList({"9", "7", "@c@", "2", "0", "x", "t*x", "2", "300", "-1",
                                         "1", "-2.5", "2.5", "4", "11", "12", "13", "4", "4", "2",
                                         "1", "255", "1", "0", "0"}));
    EXPECT_TRUE(g->ShowContour);
    EXPECT_FALSE(g->ShowVector);
    EXPECT_TRUE(g->ShowColormap);
    EXPECT_EQ(g->ContourLevel, 9);
    // Left to the caller.
    EXPECT_EQ(g->FunForm, 0);
    EXPECT_FALSE(g->Animation);
}

// Copying ----------------------------------------------------------------

namespace {

void FillForCopy(Cls9& g)
{
    Numbering n;
    FillNumbered(g, n);
    g.Animation = true;
    g.MinT = -3.0f;
    g.MaxT = 4.5f;
    g.CurvNum = 2;
    g.CurvX[1] = 0.25f;
    g.CurvX[2] = 0.75f;
    g.QieNum = 1;
    g.QieX[1] = -2.0f;
    g.NmlNum = 1;
    g.NmlX[1] = 8.0f;
    g.TangentNum = 1;
    g.TangentX[1] = 5.0f;
    g.TangentY[1] = 6.0f;
    g.NormalNum = 1;
    g.NormalX[1] = 7.0f;
    g.NormalY[1] = 9.0f;
    g.GCircleTangC = 42.5f;
}

} // namespace

TEST_F(RecordTest, EqualToCopiesWhatTheRecordCarriesButTheID)
{
    Cls9 source;
    FillForCopy(source);
    Cls9 target;
    target.ID = 99;
    target.Vert3D.Make({0, 3});
    target.Vert3D(0, 3).x = 1.5f;

    ASSERT_TRUE(target.EqualTo(source));
    QStringList fromSource = Tokens(SaveOk(source));
    const QStringList fromTarget = Tokens(SaveOk(target));
    ASSERT_EQ(fromTarget.size(), fromSource.size());
    EXPECT_EQ(fromTarget[1], "99");
    fromSource[1] = "99";
    EXPECT_EQ(fromTarget, fromSource);
    EXPECT_EQ(target.GCircleTangC, 42.5f);
    // Samples stay until the graph is sampled again.
    EXPECT_EQ(target.Vert3D(0, 3).x, 1.5f);
    EXPECT_FALSE(source.Vert3D.IsMade());
}

TEST(GraphCopy, TimeRangeOnlyFromAnAnimatedSource)
{
    for (bool animated : {false, true}) {
        SCOPED_TRACE(animated);
        Cls9 source;
        source.Animation = animated;
        source.MinT = 1.0f;
        source.MaxT = 2.0f;
        Cls9 target;
        target.MinT = -7.0f;
        target.MaxT = 7.0f;
        ASSERT_TRUE(target.EqualTo(source));
        EXPECT_EQ(target.Animation, animated);
        EXPECT_EQ(target.MinT, animated ? 1.0f : -7.0f);
        EXPECT_EQ(target.MaxT, animated ? 2.0f : 7.0f);
    }
}

TEST(GraphCopy, PositionsCopiedByCount)
{
    Cls9 source;
    source.CurvNum = 2;
    source.CurvX[1] = 1.0f;
    source.CurvX[2] = 2.0f;
    Cls9 target;
    target.CurvNum = 5;
    for (int32_t i = 0; i <= 5; ++i)
        target.CurvX[i] = 10.0f + i;
    ASSERT_TRUE(target.EqualTo(source));
    EXPECT_EQ(target.CurvNum, 2);
    const float expected[] = {10.0f, 1.0f, 2.0f, 13.0f, 14.0f, 15.0f};
    for (int32_t i = 0; i <= 5; ++i)
        EXPECT_EQ(target.CurvX[i], expected[i]) << i;
}

TEST(GraphCopy, SelfCopyChangesNothing)
{
    Cls9 g;
    FillForCopy(g);
    const QString before = SaveOk(g);
    ASSERT_TRUE(g.EqualTo(g));
    EXPECT_EQ(SaveOk(g), before);
}

// A source outside the data model used to leave the target half copied, with
// a count that no record can carry. Now the copy is refused up front.
TEST(GraphCopy, CountAboveFiftyIsRefusedAndTargetStaysWhole)
{
    Cls9 target;
    FillForCopy(target);
    const QString before = SaveOk(target);
    int32_t Cls9::*counts[] = {&Cls9::CurvNum, &Cls9::QieNum, &Cls9::NmlNum, &Cls9::TangentNum,
                               &Cls9::NormalNum};
    for (int32_t Cls9::*count : counts) {
        Cls9 source;
        source.NameS = "other";
        source.ExpressZ = "x^2";
        source.*count = 51;
        EXPECT_FALSE(target.EqualTo(source));
        EXPECT_EQ(SaveOk(target), before);
    }
}
