// Tests of the token level of documents.
#include "io/DocumentText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(DocumentTokens, CutAtBlanksOnly)
{
    struct Case {
        QString text;
        QStringList tokens;
    } cases[] = {
        {"S81 0 0", {"S81", "0", "0"}},
        {"a b ", {"a", "b"}},                 // trailing blank adds nothing
        {"a  b", {"a", "", "b"}},             // two blanks: an empty token
        {" a", {"", "a"}},                    // leading blank: empty first token
        {"a  ", {"a", ""}},
        {"", {}},
        {"a\tb\nc\u3000d", {"a\tb\nc\u3000d"}}, // only U+0020 separates
    };
    for (const Case& c : cases)
        EXPECT_EQ(CutIntoTokens(c.text), c.tokens) << c.text.toStdString();
}

TEST(DocumentTokens, LeadingNumberReadsTheLongestNumberPrefix)
{
    struct Case {
        const char* token;
        double value;
    } cases[] = {
        {"12", 12},       {"-2.5", -2.5},    {"+3", 3},        {"1.5E+07", 1.5e7},
        {"2e-3x", 2e-3},  {"7abc", 7},       {"1e", 1},        {"1e+", 1},
        {".5", 0.5},      {"5.", 5},         {"1.2.3", 1.2},   {"", 0},
        {"abc", 0},       {"-", 0},          {".", 0},         {"--1", 0},
        {"0.0001", 0.0001}, {"1E-05", 1e-5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(c.token)), c.value) << c.token;
    EXPECT_DOUBLE_EQ(LeadingNumber(u"12345678901234567890"), 12345678901234567890.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"-9007199254740993x"), -9007199254740993.0);
    EXPECT_TRUE(std::isinf(LeadingNumber(u"1e999")));
    EXPECT_TRUE(std::isinf(LeadingNumber(QString("1") + QString(400, '0'))));
    EXPECT_EQ(LeadingNumber(QString("0.") + QString(400, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumber(u"1e-999"), 0.0);
}

TEST(DocumentTokens, FieldRules)
{
    TokenReader r(CutIntoTokens(
        "2.5 3.5 -2.5  1 True true -1 0 1 True 2 2.5 10 0.15 3.1416"));
    int32_t l = -99;
    ASSERT_TRUE(r.Long(l)); EXPECT_EQ(l, 2);   // halves to even
    ASSERT_TRUE(r.Long(l)); EXPECT_EQ(l, 4);
    ASSERT_TRUE(r.Long(l)); EXPECT_EQ(l, -2);
    ASSERT_TRUE(r.Long(l)); EXPECT_EQ(l, 0);   // empty token
    bool b = false;
    const bool expected[] = {true, true, false, false, false};
    for (bool e : expected) {
        ASSERT_TRUE(r.Boolean(b));
        EXPECT_EQ(b, e);
    }
    ASSERT_TRUE(r.StrictBoolean(b)); EXPECT_TRUE(b);   // "1"
    ASSERT_TRUE(r.StrictBoolean(b)); EXPECT_FALSE(b);  // "True" only for the lenient rule
    float size = 1.0f;
    ASSERT_TRUE(r.PointSize(size)); EXPECT_EQ(size, 2.0f);
    ASSERT_TRUE(r.PointSize(size)); EXPECT_EQ(size, 2.0f); // "2.5" leaves it
    ASSERT_TRUE(r.PointSize(size)); EXPECT_EQ(size, 2.0f); // "10" leaves it
    float f = 0;
    ASSERT_TRUE(r.Single(f)); EXPECT_EQ(f, 0.15f);
    ASSERT_TRUE(r.Single(f)); EXPECT_EQ(f, 3.1416f);
    EXPECT_FALSE(r.Failed());
    EXPECT_EQ(r.Remaining(), 0);
}

TEST(DocumentTokens, ReadingPastTheEndOrOutOfRangeFails)
{
    struct Case {
        const char* text;
        bool single;
        TokenError error;
    } cases[] = {
        {"", false, TokenError::EndOfText},
        {"2147483647.6", false, TokenError::OutOfRange},
        {"-2147483649", false, TokenError::OutOfRange},
        {"3000000000", false, TokenError::OutOfRange},
        {"1e39", true, TokenError::OutOfRange},
        {"-1e309", true, TokenError::OutOfRange},
        {"abc", false, TokenError::NotANumber},
        {"abc", true, TokenError::NotANumber},
        {"-", true, TokenError::NotANumber},
        {"x1", false, TokenError::NotANumber},
    };
    for (const Case& c : cases) {
        TokenReader r(CutIntoTokens(QString::fromLatin1(c.text)));
        int32_t l = 7;
        float f = 7;
        EXPECT_FALSE(c.single ? r.Single(f) : r.Long(l)) << c.text;
        EXPECT_EQ(r.Error(), c.error) << c.text;
        EXPECT_EQ(l, 7);
        EXPECT_EQ(f, 7);
        // Once failed, every later read fails.
        EXPECT_FALSE(r.Long(l));
    }
    TokenReader edge(CutIntoTokens("2147483647 -2147483648 3.4e38"));
    int32_t l = 0;
    float f = 0;
    EXPECT_TRUE(edge.Long(l) && l == std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(edge.Long(l) && l == std::numeric_limits<int32_t>::min());
    EXPECT_TRUE(edge.Single(f));
}

TEST(DocumentTokens, QuotedFieldsRejoinTheirWords)
{
    struct Case {
        QString written;   // the field as a writer puts it, then "next"
        QString value;     // what reads back
    } cases[] = {
        {"@name@", "name"},
        {"@@", ""},
        {"@two words@", "two words"},
        {"@ leading blank@", " leading blank"},
        {"@two  blanks@", "two  blanks"},
        {"@trailing @", "trailing "},
        {"@中文 名字@", "中文 名字"},
    };
    for (const Case& c : cases) {
        TokenReader r(CutIntoTokens(c.written + " next"));
        QString value = "old";
        ASSERT_TRUE(r.Quoted(value)) << c.written.toStdString();
        EXPECT_EQ(value, c.value) << c.written.toStdString();
        QString next;
        ASSERT_TRUE(r.Expression(next));
        EXPECT_EQ(next, "next") << c.written.toStdString();
    }
}

TEST(DocumentTokens, AbsentOrUnclosedQuotedField)
{
    // Without "@" the field is absent: value kept, token left for the next field.
    TokenReader absent(CutIntoTokens("plain next"));
    QString value = "old";
    ASSERT_TRUE(absent.Quoted(value));
    EXPECT_EQ(value, "old");
    EXPECT_EQ(absent.Peek().toString(), QString("plain"));

    // No closing word within 100: unset, only the first token is consumed.
    QStringList words{"@open"};
    for (int i = 0; i < 101; ++i)
        words << "w";
    words << "end@";
    TokenReader unclosed(words);
    ASSERT_TRUE(unclosed.Quoted(value));
    EXPECT_EQ(value, "old");
    EXPECT_EQ(unclosed.Position(), 1);

    // 100 words after the first still close.
    QStringList hundred{"@a"};
    for (int i = 0; i < 99; ++i)
        hundred << "w";
    hundred << "z@";
    TokenReader closed(hundred);
    ASSERT_TRUE(closed.Quoted(value));
    EXPECT_EQ(value.split(' ').size(), 101);
    EXPECT_EQ(closed.Remaining(), 0);
}
