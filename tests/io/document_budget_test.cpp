// The document-wide budget: graphs each within their own bound may still
// together ask more than the machine can draw; such a document is refused
// when it is read, with a sentence saying why.
#include "io/DocumentBudget.h"
#include "io/DocumentReader.h"

#include "DocumentFixtures.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

GraphRef Sampled(int32_t id, int32_t stepU, int32_t stepV)
{
    GraphRef g = PlainGraph(0, id);
    g->StepU = stepU;
    g->StepV = stepV;
    return g;
}

GraphRef Implicit(int32_t id, float lo, float hi, bool polar = false, bool animated = false)
{
    GraphRef g = PlainGraph(animated ? 9 : 0, id);
    g->FunForm = FunFormImplicit;
    g->CoordType = polar ? CoordTypePolar : CoordTypeCartesian2D;
    g->ExpressZ = "x^2+y^2-1";
    g->MinU = g->MinV = lo;
    g->MaxU = g->MaxV = hi;
    return g;
}

std::vector<GraphRef> Many(int n, const std::function<GraphRef(int32_t)>& make)
{
    std::vector<GraphRef> out;
    for (int i = 1; i <= n; ++i)
        out.push_back(make(i));
    return out;
}

} // namespace

TEST(DocumentBudget, GraphsTogetherAreBounded)
{
    const auto fullSampled = [](int32_t id) { return Sampled(id, 1999999, 1); }; // 4M samples
    const auto defaultScan = [](int32_t id) { return Implicit(id, -20, 20); };   // 1601^2 nodes
    const auto hugePolar = [](int32_t id) { return Implicit(id, -1e30f, 1e30f, true); };
    struct Case {
        const char* what;
        std::vector<GraphRef> graphs;
        int32_t frames;
        bool fits;
    } const cases[] = {
        {"two graphs at their own bound", Many(2, fullSampled), 10, true},
        {"three graphs at their own bound", Many(3, fullSampled), 10, false},
        {"fifty graphs at their own bound", Many(50, fullSampled), 10, false},
        {"step counts of 0 count as 1", Many(3, [](int32_t id) { return Sampled(id, 1999999, 0); }),
         10, false},
        {"13 default implicit graphs", Many(13, defaultScan), 10, true},
        {"14 default implicit graphs", Many(14, defaultScan), 10, false},
        {"an animated implicit graph scans every frame",
         {Implicit(1, -20, 20, false, true)}, 30, false},
        {"the same with 10 frames", {Implicit(1, -20, 20, false, true)}, 10, true},
        {"huge polar ranges are coarsened but still add up", Many(2, hugePolar), 10, false},
        {"one huge polar range", Many(1, hugePolar), 10, true},
        {"an empty range scans nothing", {Implicit(1, 5, -5)}, 10, true},
    };
    for (const Case& c : cases) {
        const QString problem = DocumentBudgetProblem(c.graphs, c.frames);
        EXPECT_EQ(problem.isEmpty(), c.fits) << c.what << ": " << problem.toStdString();
    }
}

TEST(DocumentBudget, ReaderRefusesADocumentBeyondIt)
{
    std::vector<GraphRef> graphs;
    for (int32_t id = 1; id <= 3; ++id)
        graphs.push_back(Sampled(id, 1999999, 1));
    QString why;
    EXPECT_FALSE(ParseDocumentText(DocumentText("S81", graphs, Cls3()), Cls3(), {}, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("采样点总数"))) << why.toStdString();
    graphs.pop_back();
    EXPECT_TRUE(ParseDocumentText(DocumentText("S81", graphs, Cls3()), Cls3(), {}, &why))
        << why.toStdString();
}
