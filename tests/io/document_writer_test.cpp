// Tests of writing .qgd documents and reading them back.
#include "io/DocumentReader.h"
#include "io/DocumentWriter.h"
#include "model/SavedText.h"

#include "DocumentFixtures.h"
#include "ProgramStateGuard.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace fixtures;

namespace {
void Show(std::initializer_list<GraphRef> graphs)
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    for (const GraphRef& g : graphs) {
        g_AllGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
        g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    }
}
} // namespace

TEST(DocumentWriter, EmptyDocumentWithHiddenAxesIsElevenBytes)
{
    ProgramStateGuard guard;
    Show({});
    g_DocumentKind = DocumentKind2D;
    g_CoordSystem.Show = false;
    QString why;
    auto bytes = CurrentDocumentFile(&why);
    ASSERT_TRUE(bytes) << why.toStdString();
    EXPECT_EQ(*bytes, QByteArray("\x08\x00\x07\x00\x53\x38\x31\x20\x30\x20\x30", 11));
}

TEST(DocumentWriter, KeyCountRecordsAndAxes)
{
    ProgramStateGuard guard;
    GraphRef a = RichGraph(7, 4), b = RichGraph(8, 9), hidden = RichGraph(7, 5);
    Show({a, b});
    g_AllGraphs.FunSurfs.Add(hidden, "5"); // not passed to BuildDocumentText below
    g_CoordSystem = RichAxes();
    const struct {
        int32_t kind;
        const char* key;
    } kinds[] = {{DocumentKind2D, "S81"}, {DocumentKind25D, "S83"}, {DocumentKind3D, "S82"}};
    for (const auto& k : kinds) {
        g_DocumentKind = k.kind;
        QString why;
        auto text = BuildDocumentText(g_DocumentKind, g_ShownGraphs, g_CoordSystem, &why);
        ASSERT_TRUE(text) << why.toStdString();
        // One blank after the key, the count and each record; the shown
        // axes record ends with a blank of its own.
        EXPECT_EQ(*text, QString(k.key) + " 2 " + a->Save().value() + ' ' + b->Save().value() +
                             ' ' + RichAxes().Save());
        auto bytes = BuildDocumentFile(*text, &why);
        ASSERT_TRUE(bytes);
        auto doc = ParseDocumentFile(*bytes, Cls3(), {}, &why);
        ASSERT_TRUE(doc) << why.toStdString();
        EXPECT_EQ(doc->kind, k.kind);
        EXPECT_EQ(doc->graphs.size(), 2u);
    }
    EXPECT_FALSE(BuildDocumentText(4, g_ShownGraphs, g_CoordSystem, nullptr));
}

TEST(DocumentWriter, RefusesWhatCannotBeStored)
{
    ProgramStateGuard guard;
    g_DocumentKind = DocumentKind2D;
    g_CoordSystem.Show = false;
    struct Case {
        const char* what;
        QString name;
    } cases[] = {
        {"text outside code page 936", QString::fromUtf8("曲线😀")},
        {"text longer than 65535 bytes", QString(70000, QChar('a'))},
        {"Chinese text longer than 65535 bytes", QString(33000, QChar(0x4E2D))},
    };
    for (const Case& c : cases) {
        GraphRef g = PlainGraph(0, 1);
        g->NameS = c.name;
        Show({g});
        QString why;
        EXPECT_FALSE(CurrentDocumentFile(&why)) << c.what;
        EXPECT_FALSE(why.isEmpty()) << c.what;
    }
    // Just below the limit still fits: 4 + 65535 bytes.
    GraphRef g = PlainGraph(0, 1);
    Show({g});
    const qsizetype base = CurrentDocumentFile(nullptr)->size() - 4;
    g->NameS = QString(0xFFFF - base, QChar('a'));
    auto bytes = CurrentDocumentFile(nullptr);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 4 + 0xFFFF);
    EXPECT_EQ(uint8_t((*bytes)[2]), 0xFF);
    EXPECT_EQ(uint8_t((*bytes)[3]), 0xFF);
    EXPECT_TRUE(ParseDocumentFile(*bytes, Cls3(), {}, nullptr));
}

// The dialogs refuse a graph's name through GraphNameProblem; the writer must
// refuse exactly those names, with the same sentence, and every name the
// check lets through must come back unchanged from the saved file.
TEST(DocumentWriter, AgreesWithTheNameCheck)
{
    ProgramStateGuard guard;
    g_DocumentKind = DocumentKind2D;
    g_CoordSystem.Show = false;
    QStringList words101;
    for (int i = 0; i < 101; ++i)
        words101 << QStringLiteral("w%1").arg(i);
    const QString refusedWord = QStringLiteral("名称“%1”无法保存：除最后一个词外，词尾不能是“@”，且不能超过 101 个词。");
    const QString refusedCharacter = QStringLiteral("字符“%1”无法保存到图形文件中。");
    const QString tagA = QString::fromUcs4(U"\U000E0041"); // iconv drops it without an error
    const QString high(QChar(0xD800)), low(QChar(0xDC00));
    const struct Case {
        QString name;
        QString refusal; // empty: saved and read back
    } cases[] = {
        {"", ""},
        {" ", ""},
        {"a  b", ""},
        {"@", ""},
        {"@@", ""},
        {"a@", ""},
        {"@a", ""},
        {"a @b", ""},
        {"a b@", ""},
        {"x@y z", ""},
        {QString::fromUtf8("圆 €"), ""},
        {words101.join(' '), ""},
        {"a@ b", refusedWord.arg("a@ b")},
        {"@ b", refusedWord.arg("@ b")},
        {"a b@ c", refusedWord.arg("a b@ c")},
        {words101.join(' ') + " w", refusedWord.arg(words101.join(' ') + " w")},
        {QString::fromUtf8("曲线😀"), QString::fromUtf8("字符“😀”无法保存到图形文件中。")},
        {QString::fromUtf8("pinyin é"), ""},
        {QString::fromUtf8("a ä b"), QString::fromUtf8("字符“ä”无法保存到图形文件中。")},
        // Characters that show as nothing are named by their code point.
        {"a" + tagA + "b", refusedCharacter.arg("U+E0041")},
        {high, refusedCharacter.arg("U+D800")},
        {low, refusedCharacter.arg("U+DC00")},
        {high + "@", refusedCharacter.arg("U+D800")},
        {QString::fromUtf8("a\u200Db"), refusedCharacter.arg("U+200D")},   // zero-width joiner
        {QString::fromUtf8("e\u0301"), refusedCharacter.arg("U+0301")},    // combining accent
        {QString::fromUtf8("a\u00A0b"), refusedCharacter.arg("U+00A0")},   // no-break space
        {QString::fromUtf8("\u0085"), refusedCharacter.arg("U+0085")},      // a C1 control
        {QString::fromUcs4(U"\U000F0000"), refusedCharacter.arg("U+F0000")}, // private use
        {QString::fromUtf8("\u2028"), refusedCharacter.arg("U+2028")},      // line separator
        // Letters and a symbol that draw nothing.
        {QString::fromUtf8("a\u3164b"), refusedCharacter.arg("U+3164")},   // Hangul filler
        {QString::fromUtf8("\u115F"), refusedCharacter.arg("U+115F")},
        {QString::fromUtf8("\u1160"), refusedCharacter.arg("U+1160")},
        {QString::fromUtf8("\uFFA0"), refusedCharacter.arg("U+FFA0")},
        {QString::fromUtf8("a\u2800"), refusedCharacter.arg("U+2800")},    // blank braille cell
        {QString::fromUtf8("\u2801"), QString::fromUtf8("字符“\u2801”无法保存到图形文件中。")}, // a braille dot shows
        {QString::fromUtf8("二维曲线"), ""},
        // Both faults: the word rule is told first, as the writer meets it.
        {QString::fromUtf8("😀@ b"), refusedWord.arg(QString::fromUtf8("😀@ b"))},
    };
    for (const Case& c : cases) {
        const std::string what = c.name.left(40).toStdString();
        EXPECT_EQ(GraphNameProblem(c.name), c.refusal) << what;
        GraphRef g = PlainGraph(0, 1);
        g->NameS = c.name;
        Show({g});
        QString why;
        const std::optional<QByteArray> bytes = CurrentDocumentFile(&why);
        EXPECT_EQ(why, GraphNameProblem(c.name)) << what;
        EXPECT_EQ(bytes.has_value(), c.refusal.isEmpty()) << what;
        if (!bytes)
            continue;
        auto doc = ParseDocumentFile(*bytes, Cls3(), {}, &why);
        ASSERT_TRUE(doc) << what << ": " << why.toStdString();
        ASSERT_EQ(doc->graphs.size(), 1u) << what;
        EXPECT_EQ(doc->graphs[0]->NameS, c.name) << what;
    }
}

TEST(DocumentWriter, ReplacesFilesWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.qgd");
    ASSERT_TRUE(WriteFileReplacing(path, QByteArray(500, 'x'), nullptr));
    const QByteArray shorter("\x08\x00\x07\x00S81 0 0", 11);
    ASSERT_TRUE(WriteFileReplacing(path, shorter, nullptr));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), shorter); // no tail of the longer file

    QString why;
    EXPECT_FALSE(WriteFileReplacing(dir.filePath("no/such/folder/doc.qgd"), shorter, &why));
    EXPECT_FALSE(why.isEmpty());
}

TEST(DocumentWriter, CurrentDocumentKeepsUntickedGraphsInListOrder)
{
    ProgramStateGuard guard;
    g_DocumentKind = DocumentKind2D;
    g_CoordSystem.Show = false;
    GraphRef a = RichGraph(7, 4), hidden1 = RichGraph(7, 5), b = RichGraph(8, 6),
             hidden2 = RichGraph(8, 7);
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    for (const GraphRef& g : {a, hidden1, b, hidden2})
        g_AllGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    for (const GraphRef& g : {a, b})
        g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));

    QString why;
    auto bytes = CurrentDocumentFile(&why);
    ASSERT_TRUE(bytes) << why.toStdString();
    auto doc = ParseDocumentFile(*bytes, Cls3(), {}, &why);
    ASSERT_TRUE(doc) << why.toStdString();
    ASSERT_EQ(doc->graphs.size(), 4u);
    const int32_t ids[] = {4, 5, 6, 7};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(doc->graphs[i]->ID, ids[i]) << i;
}

// A write refused by the file size limit must not be reported as a save, and
// the old file must stay as it was. The document is smaller than the save
// buffer, so the failure only shows when the buffer is written out.
TEST(DocumentWriter, FailedWriteKeepsOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.qgd");
    const QByteArray old("\x08\x00\x07\x00S81 0 0", 11);
    ASSERT_TRUE(WriteFileReplacing(path, old, nullptr));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString why;
    const bool written = WriteFileReplacing(path, QByteArray(12 * 1024, 'x'), &why);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(why.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}
