// The clipboard's graph text: every kind of graph comes back as it was
// copied, texts from another kind of document or that are no graph record
// are refused with a reason, and the fields a pasted text reads more freely
// than a document does.
#include "io/DocumentReader.h"
#include "io/GraphClipboard.h"

#include "DocumentFixtures.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

const int32_t kAllTypes[] = {0, 3, 7, 8, 9, 10, 20, 37, 41, 42, 43, 44, 45, 46, 47,
                             50, 51, 52, 53, 54, 55, 56, 57, 61, 62};

QString TextOf(int32_t kind, const Cls9& g)
{
    return BuildClipboardGraphText(kind, g, nullptr).value();
}

// Clipboard text of a plain graph with one of its tokens replaced;
// `at` counts inside the record (the kind token comes before it).
QString WithToken(const GraphRef& g, int at, const QString& token)
{
    QStringList tokens = TextOf(1, *g).split(' ');
    tokens[at + 1] = token;
    return tokens.join(' ');
}

} // namespace

TEST(GraphClipboard, EveryGraphTypeComesBackAsCopied)
{
    for (int32_t type : kAllTypes) {
        SCOPED_TRACE(type);
        for (int32_t kind : {1, 2, 3}) {
            GraphRef g = RichGraph(type, 17);
            const QString text = TextOf(kind, *g);
            EXPECT_TRUE(text.startsWith(QString::number(kind) + ' '));
            EXPECT_FALSE(text.endsWith(' '));
            QString why;
            GraphRef back = ParseClipboardGraphText(text, kind, 10, &why);
            ASSERT_TRUE(back) << why.toStdString();
            EXPECT_EQ(back->ID, 17); // the caller gives the pasted graph its new ID
            EXPECT_EQ(back->Save().value(), g->Save().value());
            EXPECT_EQ(back->NameS, g->NameS);
        }
    }
}

TEST(GraphClipboard, OnlyTheSameKindOfDocumentTakesTheText)
{
    struct Case {
        const char* kindToken;
        int32_t documentKind;
        bool accepted;
    };
    const Case cases[] = {
        {"1", 1, true},   {"4", 1, true},   {"01", 1, true},  {"1.0", 1, true},
        {"2", 2, true},   {"5", 2, true},   {"3", 3, true},   {"6", 3, true},
        {"2", 1, false},  {"3", 1, false},  {"1", 2, false},  {"1", 3, false},
        {"3", 2, false},  {"S81", 1, false}, {"0", 1, false}, {"7", 1, false},
        {"1.5", 1, false}, {"", 1, false},  {"1", 0, true},   {"3", 7, true},
    };
    const GraphRef g = PlainGraph(0, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kindToken) + " into " + std::to_string(c.documentKind));
        QString why;
        GraphRef back = ParseClipboardGraphText(WithToken(g, -1, c.kindToken), c.documentKind,
                                                10, &why);
        EXPECT_EQ(bool(back), c.accepted);
        EXPECT_EQ(why.isEmpty(), c.accepted);
    }
}

TEST(GraphClipboard, TextsThatAreNoGraphRecordAreRefused)
{
    const GraphRef plain = PlainGraph(0, 3);
    const QString good = TextOf(1, *plain);
    GraphRef huge = PlainGraph(0, 3);
    huge->StepU = 5000;
    huge->StepV = 5000;
    GraphRef longAnimation = PlainGraph(9, 3);
    longAnimation->StepV = 1000;
    GraphRef longArithmetic = PlainGraph(61, 3);
    longArithmetic->EdgeNum = 102;
    GraphRef longGeometric = PlainGraph(62, 3);
    longGeometric->EdgeNum = 1000000;

    struct Case {
        const char* what;
        QString text;
        int32_t frameCount = 10;
    };
    const Case cases[] = {
        {"empty", QString()},
        {"kind only", "1"},
        {"words", QStringLiteral("1 曲线 y=sin(x)")},
        {"a document", DocumentText("S81", {plain}, Cls3())},
        {"cut short", good.left(good.lastIndexOf(' '))},
        {"cut in the middle", good.left(good.size() / 2)},
        {"something after the record", good + " 7"},
        {"two records", good + ' ' + plain->Save().value()},
        {"unknown type", WithToken(plain, rec::GraphType, "99")},
        {"type not plain decimal", WithToken(plain, rec::GraphType, "07")},
        {"negative ID", WithToken(plain, rec::ID, "-5")},
        {"ID beyond 32 bits", WithToken(plain, rec::ID, "1E12")},
        {"list count above 50", WithToken(plain, rec::CurvNum, "60")},
        {"negative list count", WithToken(plain, rec::QieNum, "-1")},
        {"colour beyond 32 bits", WithToken(plain, rec::LineColor, "99999999999")},
        {"too many samples", TextOf(1, *huge)},
        {"too many samples at this frame count", TextOf(1, *longAnimation), 5000},
        {"far too long", QString(MaxClipboardTextLength + 1, QLatin1Char('1'))},
        {"arithmetic sequence of 102 terms", TextOf(1, *longArithmetic)},
        {"geometric sequence of a million terms", TextOf(1, *longGeometric)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString why;
        EXPECT_FALSE(ParseClipboardGraphText(c.text, 1, c.frameCount, &why));
        EXPECT_FALSE(why.isEmpty());
    }
    // The animated graph itself is fine at the usual frame count.
    EXPECT_TRUE(ParseClipboardGraphText(TextOf(1, *longAnimation), 1, 10, nullptr));
    // A sequence of as many terms as its dialog takes is pasted.
    longGeometric->EdgeNum = 101;
    EXPECT_TRUE(ParseClipboardGraphText(TextOf(1, *longGeometric), 1, 10, nullptr));
}

TEST(GraphClipboard, PastedTextReadsNamePointSizeAndHollowFreely)
{
    const GraphRef g = PlainGraph(7, 3);
    const int nameAt = rec::ID + 1;

    // A name without "@" is the whole token; the next token is CoordType.
    GraphRef named = ParseClipboardGraphText(WithToken(g, nameAt, "点A"), 1, 10, nullptr);
    ASSERT_TRUE(named);
    EXPECT_EQ(named->NameS, QStringLiteral("点A"));
    EXPECT_EQ(named->CoordType, 1);
    EXPECT_EQ(named->ExpressZ, "x");

    struct Case {
        const char* token;
        float size;
    };
    for (const Case& c : {Case{"2.5", 2.5f}, Case{"2", 2.0f}, Case{"10", 10.0f},
                          Case{"", 0.0f}}) {
        SCOPED_TRACE(c.token);
        GraphRef back = ParseClipboardGraphText(WithToken(g, rec::PointSize, c.token), 1, 10,
                                                nullptr);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->PointSize, c.size);
    }
    EXPECT_FALSE(ParseClipboardGraphText(WithToken(g, rec::PointSize, "1E40"), 1, 10, nullptr));

    struct Hollow {
        const char* token;
        bool hollow;
    };
    for (const Hollow& c : {Hollow{"1", true}, Hollow{"-1", true}, Hollow{"0.5", true},
                            Hollow{"True", false}, Hollow{"0", false}}) {
        SCOPED_TRACE(c.token);
        GraphRef back = ParseClipboardGraphText(WithToken(g, rec::PointSize + 1, c.token), 1,
                                                10, nullptr);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->PointHollow, c.hollow);
    }
}
