// Tests of reading .qgd documents: good files, and bad ones refused with a reason.
#include "io/DocumentReader.h"
#include "io/DocumentText.h"
#include "model/Globals.h"

#include "DocumentFixtures.h"

#include <gtest/gtest.h>

#include <random>

using namespace fixtures;

namespace {

// Writes the graphs of a parsed document back the way they were written.
QString Rewrite(const QString& key, const LoadedDocument& doc)
{
    const int32_t frames = g_FrameCount, fps = g_FramesPerSecond;
    g_FrameCount = doc.animation.frameCount;
    g_FramesPerSecond = doc.animation.framesPerSecond;
    QString text = DocumentText(key, doc.graphs, doc.axes);
    g_FrameCount = frames;
    g_FramesPerSecond = fps;
    return text;
}

struct AnimationGlobals {
    AnimationGlobals(int32_t frames, int32_t fps)
        : m_frames(g_FrameCount), m_fps(g_FramesPerSecond)
    {
        g_FrameCount = frames;
        g_FramesPerSecond = fps;
    }
    ~AnimationGlobals()
    {
        g_FrameCount = m_frames;
        g_FramesPerSecond = m_fps;
    }
    int32_t m_frames, m_fps;
};

} // namespace

TEST(DocumentReader, EmptyDocumentWithHiddenAxes)
{
    const QByteArray bytes("\x08\x00\x07\x00S81 0 0", 11);
    Cls3 current = RichAxes();
    QString why;
    auto doc = ParseDocumentFile(bytes, current, {10, 10}, &why);
    ASSERT_TRUE(doc) << why.toStdString();
    EXPECT_EQ(doc->kind, 1);
    EXPECT_TRUE(doc->graphs.empty());
    // "0" hides the coordinate system and keeps every other setting.
    EXPECT_FALSE(doc->axes.Show);
    Cls3 kept = doc->axes;
    kept.Show = true;
    EXPECT_EQ(kept.Save(), RichAxes().Save());

    // Bytes after the text (the tail of a longer file) are ignored.
    auto withTail = ParseDocumentFile(bytes + QByteArray("1 0 0 garbage"), Cls3(), {}, &why);
    ASSERT_TRUE(withTail);
    EXPECT_TRUE(withTail->graphs.empty());
}

TEST(DocumentReader, WriteReadWriteIsIdenticalForEveryKindAndGraphType)
{
    struct Case {
        const char* key;
        int32_t kind;
        std::vector<int32_t> types;
    } cases[] = {
        {"S81", 1, {0, 7, 8, 9, 20, 37, 41, 42, 43, 44, 45, 46, 47, 61, 62}},
        {"S83", 2, {3, 10, 7, 8}},
        {"S82", 3, {7, 8, 50, 51, 52, 53, 54, 55, 56, 57}},
    };
    AnimationGlobals globals(23, 7);
    for (const Case& c : cases) {
        for (const Cls3& axes : {RichAxes(), Cls3()}) {
            std::vector<GraphRef> graphs;
            int32_t id = 3;
            for (int32_t type : c.types)
                graphs.push_back(RichGraph(type, id++));
            const QString text = DocumentText(c.key, graphs, axes);
            QString why;
            auto doc = ParseDocumentFile(DocumentBytes(text), Cls3(), {10, 10}, &why);
            ASSERT_TRUE(doc) << c.key << ": " << why.toStdString();
            EXPECT_EQ(doc->kind, c.kind);
            ASSERT_EQ(doc->graphs.size(), c.types.size());
            EXPECT_EQ(Rewrite(c.key, *doc), text) << c.key;
            EXPECT_EQ(doc->graphs[0]->NameS, graphs[0]->NameS);
            EXPECT_EQ(doc->graphs[0]->TexName, graphs[0]->TexName);
            const bool animated = std::any_of(c.types.begin(), c.types.end(),
                                              [](int32_t t) { return t == 8 || t == 9 || t == 10; });
            EXPECT_EQ(doc->animated, animated);
            EXPECT_EQ(doc->animation.frameCount, 23);
            EXPECT_EQ(doc->animation.framesPerSecond, 7);
        }
    }
}

TEST(DocumentReader, OlderKeysHaveNoFigureGroup)
{
    const struct {
        const char* older;
        const char* current;
        int32_t kind;
    } keys[] = {{"S71", "S81", 1}, {"S73", "S83", 2}, {"S72", "S82", 3}};
    for (const auto& k : keys) {
        GraphRef g = RichGraph(k.kind == 3 ? 51 : 0, 5);
        QStringList tokens = g->Save().value().split(' ');
        tokens = tokens.mid(0, tokens.size() - 53); // the record ends before the figure group
        const QString text = QString("%1 1 %2 0").arg(k.older, tokens.join(' '));
        QString why;
        auto doc = ParseDocumentText(text, Cls3(), {}, &why);
        ASSERT_TRUE(doc) << k.older << ": " << why.toStdString();
        EXPECT_EQ(doc->kind, k.kind);
        ASSERT_EQ(doc->graphs.size(), 1u);
        const Cls9& read = *doc->graphs[0];
        EXPECT_EQ(read.ContourLevel, g->ContourLevel);
        EXPECT_EQ(read.GPara1, 0.0f); // figure members keep their defaults
        EXPECT_EQ(read.EdgeNum, 0);
        // The same record under the current key lacks 53 tokens.
        EXPECT_FALSE(ParseDocumentText(QString("%1 1 %2 0").arg(k.current, tokens.join(' ')),
                                       Cls3(), {}, &why));
    }
}

TEST(DocumentReader, LastAnimatedRecordSetsTheAnimation)
{
    GraphRef a = RichGraph(9, 1), b = RichGraph(9, 2), still = RichGraph(0, 3);
    QString text;
    {
        AnimationGlobals g20(20, 5);
        text = "S81 3 " + a->Save().value() + ' ';
    }
    {
        AnimationGlobals g30(30, 6);
        text += b->Save().value() + ' ' + still->Save().value() + " 0";
    }
    QString why;
    auto doc = ParseDocumentText(text, Cls3(), {10, 10}, &why);
    ASSERT_TRUE(doc) << why.toStdString();
    EXPECT_EQ(doc->animation.frameCount, 30);
    EXPECT_EQ(doc->animation.framesPerSecond, 6);

    auto noAnimation = ParseDocumentText("S81 1 " + still->Save().value() + " 0", Cls3(),
                                         {44, 9}, &why);
    ASSERT_TRUE(noAnimation);
    EXPECT_FALSE(noAnimation->animated);
    EXPECT_EQ(noAnimation->animation.frameCount, 44);
    EXPECT_EQ(noAnimation->animation.framesPerSecond, 9);
}

TEST(DocumentReader, FieldsReadByTheirOwnRules)
{
    GraphRef g = PlainGraph(0, 1);
    QStringList r = g->Save().value().split(' ');
    r[rec::PointSize] = "2.5";  // only "1".."9" set the point size
    r[rec::LineColor] = "255.5"; // halves to even
    r[rec::StepV] = "7xyz";     // leading number
    const QString text = "S81 1 " + r.join(' ') + " 0";
    QString why;
    auto doc = ParseDocumentText(text, Cls3(), {}, &why);
    ASSERT_TRUE(doc) << why.toStdString();
    EXPECT_EQ(doc->graphs[0]->PointSize, 1.0f);
    EXPECT_EQ(doc->graphs[0]->LineColor, 256);
    EXPECT_EQ(doc->graphs[0]->StepV, 7);
}

// Each damaged file is refused with a reason; the caller's settings are
// never touched because the reader works on copies.
TEST(DocumentReader, DamagedDocumentsAreRefused)
{
    const QString good = DocumentText("S81", {PlainGraph(0, 1), PlainGraph(9, 2)}, RichAxes());
    ASSERT_TRUE(ParseDocumentText(good, Cls3(), {}, nullptr));
    // Tokens of the second record start after the first (192 tokens) and
    // the key and count; it is animated, so 4 more after its Animation flag.
    const int first = 2, second = 2 + rec::Tokens, axes = second + rec::Tokens + 4;
    auto with = [&](std::initializer_list<std::pair<int, QString>> changes) {
        QStringList t = good.split(' ');
        for (const auto& [at, token] : changes)
            t[at] = token;
        return t.join(' ');
    };
    struct Case {
        const char* what;
        QString text;
    } cases[] = {
        {"empty text", ""},
        {"unknown key", with({{0, "S84"}})},
        {"key compared exactly", with({{0, "s81"}})},
        {"negative count", with({{1, "-1"}})},
        {"count beyond the records", with({{1, "3"}})},
        {"billions of graphs", with({{1, "2000000000"}})},
        {"count out of range", with({{1, "1e12"}})},
        {"unknown graph type", with({{first + rec::GraphType, "4"}})},
        {"type not in plain digits", with({{first + rec::GraphType, "07"}})},
        {"duplicate ID", with({{second + rec::ID, "1"}})},
        {"negative ID", with({{first + rec::ID, "-5"}})},
        {"ID too large", with({{first + rec::ID, "2147483647"}})},
        {"number beyond float", with({{first + rec::MinV, "1e39"}})},
        {"number beyond int32", with({{first + rec::LineColor, "4294967296"}})},
        {"negative steps", with({{first + rec::StepV, "-5"}})},
        {"absurd steps", with({{first + rec::StepU, "100000"}, {first + rec::StepV, "100000"}})},
        {"absurd number of sides", with({{first + rec::Tokens - 3, "2000000000"}})},
        {"list count above 50", with({{first + rec::CurvNum, "51"}})},
        {"negative list count", with({{first + rec::QieNum, "-1"}})},
        {"list longer than the text", with({{first + rec::TangentNum, "50"}})},
        {"zero frame count", with({{second + rec::Animation + 3, "0"}})},
        {"zero speed", with({{second + rec::Animation + 4, "0"}})},
        {"negative speed", with({{second + rec::Animation + 4, "-10"}})},
        {"huge frame count", with({{second + rec::Animation + 3, "2000000000"}})},
        {"label count zero", with({{axes + 11, "0"}})},
        {"label count above 50", with({{axes + 13, "51"}})},
        {"count below the records", with({{1, "1"}})},
        {"text in a step count", with({{first + rec::StepV, "abc"}})},
        {"text in a colour", with({{second + rec::LineColor, "x12"}})},
        {"text in a coordinate", with({{first + rec::MinV, "-"}})},
        {"steps that sampling makes too many",
         with({{first + rec::StepU, "2500000"}, {first + rec::StepV, "0"}})},
        {"axes record missing", QStringList(good.split(' ').mid(0, axes)).join(' ')},
        {"axes record cut", QStringList(good.split(' ').mid(0, axes + 20)).join(' ')},
    };
    for (const Case& c : cases) {
        QString why;
        EXPECT_FALSE(ParseDocumentText(c.text, Cls3(), {}, &why)) << c.what;
        EXPECT_FALSE(why.isEmpty()) << c.what;
    }
}

// Messages name a graph by its place in the file, whatever was left out
// before it; a sequence of more terms than the program draws is left out
// however many terms it claims.
TEST(DocumentReader, MessagesNameGraphsByTheirPlaceInTheFile)
{
    auto sequence = [](int32_t type, int32_t id, int32_t terms) {
        GraphRef g = PlainGraph(type, id);
        g->EdgeNum = terms;
        return g;
    };
    GraphRef oversized = PlainGraph(0, 3);
    oversized->StepU = 2000;
    oversized->StepV = 2000;
    const QString termsOver =
        QStringLiteral("第 %1 个图形：%2的项数 %3 超过了本程序能绘制的 101 项。");
    const struct Case {
        const char* what;
        std::vector<GraphRef> graphs;
        QString error;        // empty: the document opens
        QStringList leftOut;  // when it opens
        size_t kept;
    } cases[] = {
        {"oversized curve after a left-out sequence",
         {PlainGraph(0, 1), sequence(61, 2, 500), oversized},
         QStringLiteral("第 3 个图形的段数过大。"), {}, 0},
        {"sequences of any number of terms",
         {sequence(61, 1, 500), sequence(62, 2, 1'000'001), PlainGraph(0, 3),
          sequence(61, 4, 2'147'483'647), sequence(62, 5, 101)},
         QString(),
         {termsOver.arg(1).arg(QStringLiteral("等差数列")).arg(500),
          termsOver.arg(2).arg(QStringLiteral("等比数列")).arg(1'000'001),
          termsOver.arg(4).arg(QStringLiteral("等差数列")).arg(2'147'483'647)},
         2},
        {"a sequence's term count out of range on the negative side",
         {PlainGraph(0, 1), sequence(61, 2, -2'000'000'000)},
         QStringLiteral("第 2 个图形：边数或项数 -2000000000 超出范围。"), {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString why;
        const auto doc = ParseDocumentText(DocumentText("S81", c.graphs, Cls3()), Cls3(), {}, &why);
        if (!c.error.isEmpty()) {
            EXPECT_FALSE(doc);
            EXPECT_EQ(why, c.error);
            continue;
        }
        ASSERT_TRUE(doc) << why.toStdString();
        EXPECT_EQ(doc->leftOut, c.leftOut);
        EXPECT_EQ(doc->graphs.size(), c.kept);
    }
}

// Sampling stores a step count of 0 back as 1; a document accepted with the
// 0 must still be accepted once saved with the 1.
TEST(DocumentReader, StepCountsOfZeroCountAsSamplingUsesThem)
{
    GraphRef g = PlainGraph(0, 1);
    g->StepU = 1999999; // (1999999 + 1) * (1 + 1) is exactly the limit
    g->StepV = 0;
    QString why;
    ASSERT_TRUE(ParseDocumentText(DocumentText("S81", {g}, Cls3()), Cls3(), {}, &why))
        << why.toStdString();
    g->StepV = 1;
    EXPECT_TRUE(ParseDocumentText(DocumentText("S81", {g}, Cls3()), Cls3(), {}, &why))
        << why.toStdString();
    g->StepU = 2000000;
    EXPECT_FALSE(ParseDocumentText(DocumentText("S81", {g}, Cls3()), Cls3(), {}, &why));
    g->StepV = 0;
    EXPECT_FALSE(ParseDocumentText(DocumentText("S81", {g}, Cls3()), Cls3(), {}, &why));
}

TEST(DocumentReader, DamagedFilesAreRefused)
{
    const QByteArray good = DocumentBytes(DocumentText("S83", {RichGraph(3, 1)}, Cls3()));
    QByteArray wrongTag = good;
    wrongTag[0] = 9;
    QByteArray highTag = good;
    highTag[1] = 1;
    QByteArray zeroLength = good;
    zeroLength[2] = zeroLength[3] = 0;
    QByteArray badText = good;
    badText[4 + 3] = char(0xFF); // not code page 936
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x08\x00", 2), wrongTag, highTag,
                                    zeroLength, badText}) {
        QString why;
        EXPECT_FALSE(ParseDocumentFile(bytes, Cls3(), {}, &why));
        EXPECT_FALSE(why.isEmpty());
    }
    // A file cut at any length before its end is refused.
    for (qsizetype n = 0; n < good.size(); ++n) {
        QString why;
        ASSERT_FALSE(ParseDocumentFile(good.left(n), Cls3(), {}, &why)) << n;
        EXPECT_FALSE(why.isEmpty());
    }
    ASSERT_TRUE(ParseDocumentFile(good, Cls3(), {}, nullptr));
}

// A FIFO's reader stops once DocumentFileComplete says so, however few bytes
// have come: at any such point the file is named as the whole file is.
TEST(DocumentReader, FirstBytesNameAFileAsTheWholeFileDoes)
{
    const QByteArray good = DocumentBytes(DocumentText("S81", {PlainGraph(0, 1)}, Cls3()));
    const QString notDocument = QStringLiteral("不是图形文件。");
    const QString cutShort = QStringLiteral("文件不完整。");
    const struct Case {
        const char* what;
        QByteArray bytes;
        QString reason; // empty: the text is taken
    } cases[] = {
        {"empty", QByteArray(), QStringLiteral("文件是空的。")},
        {"text", "hithere", notDocument},
        {"one byte of text", "h", notDocument},
        {"the tag's first byte", "\x08", cutShort},
        {"a wrong high tag byte", QByteArray("\x08\x01\x05\x00" "abcde", 9), notDocument},
        {"a header without its text", QByteArray("\x08\x00\x05\x00", 4), cutShort},
        {"a document", good, QString()},
        {"a document with more after it", good + "tail", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString whole;
        const std::optional<QString> text = DocumentTextOfFile(c.bytes, &whole);
        EXPECT_EQ(whole, c.reason);
        EXPECT_EQ(text.has_value(), c.reason.isEmpty());
        for (qsizetype n = 0; n <= c.bytes.size(); ++n) {
            if (!DocumentFileComplete(c.bytes.left(n)))
                continue;
            QString why;
            EXPECT_EQ(DocumentTextOfFile(c.bytes.left(n), &why), text) << n;
            EXPECT_EQ(why, whole) << n;
        }
    }
}

// A text cut at any point (with a header that matches) is either refused or
// still the whole document: never a different one.
TEST(DocumentReader, TextCutAnywhereIsRefusedOrUnchanged)
{
    AnimationGlobals globals(12, 4);
    const QString text =
        DocumentText("S81", {RichGraph(9, 1), RichGraph(42, 2)}, RichAxes());
    for (qsizetype n = 0; n < text.size(); ++n) {
        const QString cut = text.left(n);
        auto doc = ParseDocumentFile(DocumentBytes(cut), Cls3(), {}, nullptr);
        if (doc) {
            EXPECT_EQ(Rewrite("S81", *doc), text) << n;
        }
    }
}

// Random damage must never crash the reader or let through a document the
// program cannot hold. Seeded, so a failure repeats.
TEST(DocumentReader, RandomMutationsNeverCrash)
{
    AnimationGlobals globals(12, 4);
    const QString text = DocumentText(
        "S81", {RichGraph(9, 1), RichGraph(42, 2), RichGraph(0, 3)}, RichAxes());
    const QByteArray good = DocumentBytes(text);
    const QStringList nasty = {"-1", "0", "51", "1e39", "-1e39", "99999999999", "", "@",
                               "@@", "4", "2147483647", "-2147483648", "NaN", "inf",
                               "1e-45", "True", "S81", "\xC3\xA9"};
    std::mt19937 rng(20261210);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes;
        switch (pick(4)) {
        case 0: { // replace tokens of the text
            QStringList t = text.split(' ');
            for (int k = 1 + pick(3); k > 0; --k)
                t[pick(int(t.size()))] = nasty[pick(int(nasty.size()))];
            bytes = DocumentBytes(t.join(' '));
            break;
        }
        case 1: { // flip bytes, header included
            bytes = good;
            for (int k = 1 + pick(4); k > 0; --k)
                bytes[pick(int(bytes.size()))] = char(pick(256));
            break;
        }
        case 2: { // delete or duplicate a run of bytes in the text
            bytes = good;
            int at = 4 + pick(int(bytes.size()) - 4), len = 1 + pick(40);
            if (pick(2)) {
                bytes.remove(at, len);
            } else {
                bytes.insert(at, bytes.mid(at, len));
            }
            if (pick(2)) { // keep the header consistent half the time
                int n = int(bytes.size()) - 4;
                bytes[2] = char(n & 0xFF);
                bytes[3] = char((n >> 8) & 0xFF);
            }
            break;
        }
        default: { // blanks moved about
            QString t = text;
            for (int k = 1 + pick(3); k > 0; --k) {
                int at = pick(int(t.size()));
                if (t[at] == ' ')
                    t.remove(at, 1);
                else
                    t.insert(at, ' ');
            }
            bytes = DocumentBytes(t);
            break;
        }
        }
        QString why;
        auto doc = ParseDocumentFile(bytes, Cls3(), {10, 10}, &why);
        if (!doc) {
            EXPECT_FALSE(why.isEmpty());
            continue;
        }
        ++accepted;
        std::set<int32_t> ids;
        for (const GraphRef& g : doc->graphs) {
            EXPECT_TRUE(IsDocumentGraphType(g->GraphType));
            EXPECT_TRUE(ids.insert(g->ID).second);
            for (int32_t n : {g->CurvNum, g->QieNum, g->NmlNum, g->TangentNum, g->NormalNum})
                EXPECT_TRUE(n >= 0 && n <= 50);
            EXPECT_GE(g->StepU, 0);
            EXPECT_GE(g->StepV, 0);
        }
        EXPECT_GE(doc->animation.frameCount, 1);
        EXPECT_GE(doc->animation.framesPerSecond, 1);
        EXPECT_GE(doc->axes.LabelNumX, 1);
    }
    // Harmless changes (a colour, a flag) leave documents that still open.
    EXPECT_GT(accepted, 0);
}
