// Token list, infix parser and printer, and the rule table of the
// differentiator, checked on exact token lists and texts.
#include "expr/Der.h"
#include "platform/MessageBox.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Token texts joined by blanks; the "-" of a negation (rank 2) shows as "-2"
// so that it can be told from a subtraction.
std::string Show(const clsPolish& list)
{
    QStringList parts;
    for (int i = 0; i < list.ElementCount(); ++i) {
        QString data = list.GetData(i);
        if (list.GetRank(i) == PolishRankMul && data == QLatin1String("-"))
            data = QStringLiteral("-2");
        parts << data;
    }
    return parts.join(u' ').toStdString();
}

// Builds a list from the same notation; ranks follow the token's kind.
clsPolish Make(const QString& tokens)
{
    static const QStringList functions = {
        "exp", "sqr", "log", "sin", "cos", "tan", "ctan", "sec", "csec", "asin", "acos",
        "atan", "actan", "sinh", "cosh", "tanh", "ctanh", "sech", "csech", "asinh",
        "acosh", "atanh", "asech", "acsech", "actanh", "min", "Log"};
    clsPolish list;
    for (const QString& t : tokens.split(u' ', Qt::SkipEmptyParts)) {
        int16_t rank = PolishRankOperand;
        QString data = t;
        if (t == "+" || t == "-")
            rank = PolishRankAdd;
        else if (t == "*" || t == "/")
            rank = PolishRankMul;
        else if (t == "-2") {
            rank = PolishRankMul;
            data = "-";
        } else if (t == "^")
            rank = PolishRankPow;
        else if (functions.contains(t))
            rank = PolishRankFunction;
        list.Push(list.ElementCount(), rank, data);
    }
    return list;
}

clsPolish Parse(const QString& text)
{
    QString err;
    bool ok = false;
    clsPolish list = Der::ParseToPolish(text, err, ok);
    EXPECT_TRUE(ok) << text.toStdString();
    EXPECT_TRUE(err.isEmpty()) << text.toStdString() << ": " << err.toStdString();
    return list;
}

// ---- token list ----------------------------------------------------------

TEST(PolishList, PushAndKillShiftTheTokens)
{
    struct Case {
        const char* start;
        bool push; // else Kill(index, num)
        int index;
        int num;
        const char* result;
    } cases[] = {
        {"b c d", true, 0, 0, "a b c d"},
        {"b c d", true, 3, 0, "b c d e"},
        {"b c d", true, 1, 0, "b x c d"},
        {"a b c d", false, 1, 2, "a d"},
        {"a b c d", false, 3, 1, "a b c"},
        {"a b c d", false, 2, 0, "a b c d"},
        {"a b c d", false, 0, 4, ""},
    };
    for (const Case& c : cases) {
        clsPolish list = Make(c.start);
        if (c.push)
            list.Push(c.index, PolishRankOperand, c.index == 0 ? "a" : c.index == 3 ? "e" : "x");
        else
            list.Kill(c.index, c.num);
        EXPECT_EQ(Show(list), c.result) << c.start << " at " << c.index;
        EXPECT_EQ(list.ElementCount(), Make(c.result).ElementCount());
    }
}

TEST(PolishList, ClearThenPushStartsAgain)
{
    clsPolish list = Make("x 2 ^");
    list.Clear();
    EXPECT_EQ(list.ElementCount(), 0);
    list.Push(0, PolishRankFunction, "sin");
    EXPECT_EQ(list.ElementCount(), 1);
    EXPECT_EQ(list.GetRank(0), PolishRankFunction);
    EXPECT_EQ(list.GetData(0), "sin");
}

TEST(PolishList, PositionsOutsideTheListFail)
{
    clsPolish list = Make("a b");
    EXPECT_THROW(list.Push(3, PolishRankOperand, "c"), std::out_of_range);
    EXPECT_THROW(list.Push(-1, PolishRankOperand, "c"), std::out_of_range);
    EXPECT_THROW(list.Kill(1, 2), std::out_of_range);
    EXPECT_THROW(list.GetRank(2), std::out_of_range);
    EXPECT_THROW(list.GetData(-1), std::out_of_range);
    EXPECT_EQ(Show(list), "a b");
}

TEST(PolishList, NoFixedCapacity)
{
    // Long derivative texts must not run into a token limit.
    clsPolish list;
    for (int i = 0; i < 40000; ++i)
        list.Push(list.ElementCount(), PolishRankOperand, "x");
    EXPECT_EQ(list.ElementCount(), 40000);
}

TEST(PolishList, CopyAndConcatLeaveTheirInputsAlone)
{
    const clsPolish a = Make("x 1 +");
    const clsPolish b = Make("2 *");
    const clsPolish empty;
    EXPECT_EQ(Show(Der::ConcatPolishLists(a, empty, b)), "x 1 + 2 *");
    EXPECT_EQ(Show(Der::ConcatPolishLists(a, empty, b)), Show(Der::ConcatPolishLists(a, b)));
    EXPECT_EQ(Der::ConcatPolishLists().ElementCount(), 0);
    EXPECT_EQ(Show(a), "x 1 +");

    EXPECT_EQ(Der::CopyPolishRange(a, 2, 1).ElementCount(), 0);
    EXPECT_EQ(Show(Der::CopyPolishRange(a, 1, 2)), "1 +");
    clsPolish copy = Der::CopyPolishRange(a, 0, a.ElementCount() - 1);
    EXPECT_EQ(copy, a);
    copy.Kill(0, 1);
    EXPECT_EQ(Show(a), "x 1 +");
    EXPECT_EQ(a.GetRank(2), PolishRankAdd);
}

TEST(PolishList, ExtractOperandFindsEachOperand)
{
    struct Case {
        const char* list;
        int index;
        const char* right;
        const char* left;
    } cases[] = {
        {"x 2 ^", 2, "2", "x"},
        {"x 1 + sin 2 ^", 5, "2", "x 1 + sin"},
        {"0 x -2", 2, "x", "0"},
        {"x y * z +", 4, "z", "x y *"},
        {"x sin", 1, "x", nullptr},
        {"x y z * *", 4, "y z *", "x"},
    };
    for (const Case& c : cases) {
        const clsPolish list = Make(c.list);
        EXPECT_EQ(Show(Der::ExtractOperand(list, c.index, 1)), c.right) << c.list;
        if (c.left) {
            EXPECT_EQ(Show(Der::ExtractOperand(list, c.index, 2)), c.left) << c.list;
        }
    }
    // The negation keeps its rank when it is cut out as an operand.
    const clsPolish neg = Der::ExtractOperand(Make("y 0 x -2 -"), 4, 1);
    EXPECT_EQ(neg.GetRank(2), PolishRankMul);
    // A list that is not well formed has no left operand to find.
    EXPECT_THROW(Der::ExtractOperand(Make("x *"), 1, 2), std::out_of_range);
}

// ---- parser ----------------------------------------------------------------

TEST(DerParser, ReadsTextIntoPostfix)
{
    const std::pair<const char*, const char*> table[] = {
        {"x+y*a", "x y a * +"},
        {"(x+1)(x-1)", "x 1 + x 1 - *"},
        {"2sin(x)^2", "2 x sin 2 ^ *"},
        {"-x^2", "0 x 2 ^ -2"},
        {"-x*y", "0 x -2 y *"},
        {"x^y^a", "x y ^ a ^"},
        {"x-y-a", "x y - a -"},
        {"pi(x+1)", "3.1416 x 1 + *"},
        {"1+-x", "1 0 x -2 +"},
        {"sqr(1-x^2)", "1 x 2 ^ - sqr"},
        {"X", "x"},
        {"2x", "2 x *"},
        {"x#y", "x"},
        {"2.50*.5+007", "2.5 0.5 * 7 +"},
        {"asech(x)", "x asech"},
        {"x + 1", "x 1 +"},
        {"\tx\n", "x"},
        // A minus after "*", "/" or "^" negates what follows, binding like the
        // compiler's sign: weaker than "^", tighter than "*".
        {"x^-2", "x 0 2 -2 ^"},
        {"2*-x", "2 0 x -2 *"},
        {"x/-2*y", "x 0 2 -2 / y *"},
        {"x^-x^2", "x 0 x 2 ^ -2 ^"},
        {"sin(-x)", "0 x -2 sin"},
        {"1*-2*x^-3", "1 0 2 -2 * x 0 3 -2 ^ *"},
    };
    for (const auto& [text, list] : table)
        EXPECT_EQ(Show(Parse(text)), list) << text;
}

TEST(DerParser, RefusesWithReason)
{
    struct Case {
        const char* text;
        const char* err; // nullptr: refused by ok = false
        const char* message;
    } cases[] = {
        {"(x", "括号不匹配。", nullptr},
        {")x(", "第 1 个字符处缺少参数。", nullptr},
        {"x)+(1", "括号不匹配。", nullptr},
        {"x(1)", "非法字符  2", nullptr},
        {"*x", "第 1 个字符处缺少参数。", nullptr},
        {"x+", "表达式非法。", nullptr},
        {"x+\t", "表达式非法。", nullptr},
        {"", "表达式非法。", nullptr},
        {"x2", nullptr, "不能计算X2的导数。"},
        {"1E-3", nullptr, "不能计算E的导数。"},
        {"sin x", nullptr, "不能计算SIN X的导数。"},
        {"abs(x)", nullptr, "不能计算ABS的导数。"},
        {"asec(x)", nullptr, "不能计算ASEC的导数。"},
        {"t^2", nullptr, "不能计算T的导数。"},
    };
    for (const Case& c : cases) {
        MessageRecorder rec;
        QString err;
        bool ok = false;
        const clsPolish list = Der::ParseToPolish(c.text, err, ok);
        EXPECT_EQ(list.ElementCount(), 0) << c.text;
        if (c.err) {
            EXPECT_TRUE(ok) << c.text;
            EXPECT_EQ(err.toStdString(), c.err) << c.text;
            EXPECT_EQ(rec.Count(), 0) << c.text;
        } else {
            EXPECT_FALSE(ok) << c.text;
            ASSERT_EQ(rec.Count(), 1) << c.text;
            EXPECT_EQ(rec.Messages()[0].text.toStdString(), c.message);
            EXPECT_EQ(rec.Messages()[0].title, "出错");
            EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Warning);
        }
    }
    // Two minus signs in a row: refused with some text, no message box.
    MessageRecorder rec;
    QString err;
    bool ok = false;
    EXPECT_EQ(Der::ParseToPolish("x--1", err, ok).ElementCount(), 0);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(rec.Count(), 0);
}

TEST(DerParser, NoLengthLimit)
{
    QString text = "x";
    for (int i = 0; i < 600; ++i)
        text += "+x";
    EXPECT_EQ(Parse(text).ElementCount(), 1201);
}

// ---- printer ---------------------------------------------------------------

TEST(DerPrinter, WritesMinimalParentheses)
{
    const std::pair<const char*, const char*> table[] = {
        {"x 1 + 2 *", "(x+1)*2"},
        {"2 x 1 + *", "2*(x+1)"},
        {"x y z * *", "x*(y*z)"},
        {"x y * z *", "x*y*z"},
        {"0 x -2 2 ^", "(0-x)^2"},
        {"0 x -2 y *", "(0-x)*y"},
        {"x 1 + sin", "sin(x+1)"},
        {"x min", "-(x)"},
        {"1 x 2 ^ - sqr", "sqr(1-x^2)"},
        {"x y a - -", "x-(y-a)"},
        {"x y - a -", "x-y-a"},
        {"x y ^ a ^", "x^y^a"},
        {"x y a ^ ^", "x^(y^a)"},
        {"x -3 ^", "x^-3"},
        // A negation prints as a difference and is bracketed like one.
        {"y 0 x -2 -", "y-(0-x)"},
        {"y 0 x -2 +", "y+(0-x)"},
        {"a 0 x -2 y * -", "a-(0-x)*y"},
        {"a 0 x -2 y * - x min -", "a-(0-x)*y--(x)"},
    };
    for (const auto& [list, text] : table)
        EXPECT_EQ(Der::PolishToInfix(Make(list)).toStdString(), text) << list;
}

TEST(DerPrinter, ParsedTextPrintsBackTheSameWay)
{
    for (const char* text : {"x-(y-a)", "x-y-a", "x^y^a", "y-(0-x)", "sin(x+1)*2"})
        EXPECT_EQ(Der::PolishToInfix(Parse(text)).toStdString(), text);
    EXPECT_EQ(Der::PolishToInfix(Parse("y-(-x)")).toStdString(), "y-(0-x)");
}

TEST(DerPrinter, MalformedListGivesEmptyText)
{
    EXPECT_TRUE(Der::PolishToInfix(Make("x *")).isEmpty());
    EXPECT_TRUE(Der::PolishToInfix(Make("x y")).isEmpty());
    EXPECT_TRUE(Der::PolishToInfix(clsPolish()).isEmpty());
}

// ---- differentiator ----------------------------------------------------------

TEST(Differentiate, RuleTable)
{
    const std::pair<const char*, const char*> table[] = {
        {"x 2 ^ sin", "1 2 * x 1 ^ * x 2 ^ cos *"},
        {"x x sin *", "1 x sin * x 1 x cos * * + x sin 0 ^ /"},
        {"2 x ^", "1 2 Log * 0 x * 2 / + 2 x ^ *"},
        {"0 x -2", "0 1 -"},
        {"x 1 + 3 ^", "1 0 + 3 * x 1 + 2 ^ *"},
        {"x y /", "1 y * x 1 * - y 2 ^ /"},
        {"x y *", "1 y * x 1 * + y 0 ^ /"},
        {"2 3 ^", "0 3 * 2 2 ^ *"},
        {"x 1 ^", "1 1 * x 0 ^ *"},
        {"x 0.5 ^", "1 0.5 * x -0.5 ^ *"},
        {"x 3.1416 ^", "1 3.1416 * x 2.1416 ^ *"},
        {"x x ^", "1 x Log * 1 x * x / + x x ^ *"},
        {"x 0 ^", "0"},
        {"x min", "1 min"},
        {"x sqr", "1 1 2 / x sqr / *"},
        {"x cos", "1 min x sin *"},
        {"x acosh", "1 -1 x 2 ^ + 0.5 ^ /"},
        {"5", "0"},
        {"3.1416", "0"},
        {"X", "0"},
        {"", "0"},
    };
    for (const auto& [list, derivative] : table)
        EXPECT_EQ(Show(Der::Differentiate(Make(list))), derivative) << list;
    for (const char* v : {"x", "y", "a", "r", "u"})
        EXPECT_EQ(Show(Der::Differentiate(Make(v))), "1");
}

TEST(Differentiate, RulesThatWereWrong)
{
    const std::pair<const char*, const char*> table[] = {
        // Negative constant exponents follow the power rule instead of giving 0.
        {"x 0 2 -2 ^", "1 -2 * x -3 ^ *"},
        {"x -0.5 ^", "1 -0.5 * x -1.5 ^ *"},
        // Exponents of 8 and more digits are written out, never as 1E+08.
        {"x 100000000 ^", "1 100000000 * x 100000000 ^ *"},
        // The hyperbolic secant family has real derivatives.
        {"x sech", "1 min x tanh * x sech *"},
        {"x csech", "1 min x ctanh * x csech *"},
        {"x asech", "1 min x 1 x 2 ^ - 0.5 ^ * /"},
        {"x acsech", "1 min x 2 ^ 1 x 2 ^ + * 0.5 ^ /"},
        // actanh is ln((x+1)/(x-1))/2, whose derivative is 1/(1-x^2).
        {"x actanh", "1 1 x 2 ^ - /"},
    };
    for (const auto& [list, derivative] : table)
        EXPECT_EQ(Show(Der::Differentiate(Make(list))), derivative) << list;
}

TEST(Differentiate, LeavesItsInputAloneAndCopiesTheRanks)
{
    const clsPolish input = Make("0 x -2 sin");
    const clsPolish before = input;
    const clsPolish d = Der::Differentiate(input);
    EXPECT_EQ(input, before);
    EXPECT_EQ(Show(d), "0 1 - 0 x -2 cos *");
    EXPECT_EQ(d.GetRank(2), PolishRankAdd);  // the rule's own "-"
    EXPECT_EQ(d.GetRank(5), PolishRankMul);  // the copied negation
    EXPECT_EQ(d.GetRank(6), PolishRankFunction);
}

TEST(Differentiate, MalformedListStillGivesAList)
{
    // A missing operand counts as empty: derivative 0, copies add nothing.
    EXPECT_EQ(Show(Der::Differentiate(Make("x *"))), "0 x * 1 * + x 0 ^ /");
    EXPECT_EQ(Show(Der::Differentiate(Make("sin"))), "0 cos *");
}

} // namespace
