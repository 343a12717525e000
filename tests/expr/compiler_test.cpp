// Tests of the expression compiler (Cls6): what it accepts, refuses and reports.
#include "expr/Cls6.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

namespace {

struct CompileRow {
    const char* text;
    const char* tokens;  // expected buffer when it compiles
    const char* message; // expected message when it does not (nullptr: compiles)
    int position;
};

const CompileRow kRows[] = {
    {"2*x+1", "2 XX * 1 + ", nullptr, 0},
    {"sin(x)^2", "XX SIN 2 ^ ", nullptr, 0},
    {"sin x^2", "XX SIN 2 ^ ", nullptr, 0},
    {"-x^2", "XX 2 ^ (-) ", nullptr, 0},
    {"x^-2", "XX 2 (-) ^ ", nullptr, 0},
    {"-2*x", "2 (-) XX * ", nullptr, 0},
    {"2^-2^2", "2 2 2 ^ (-) ^ ", nullptr, 0},
    {"2x", "2 XX * ", nullptr, 0},
    {"2(x+1)", "2 XX 1 + * ", nullptr, 0},
    {"(x+1)(x-1)", "XX 1 + XX 1 - * ", nullptr, 0},
    {"2 sin(x)", "2 XX SIN * ", nullptr, 0},
    {"x y", "XX YY * ", nullptr, 0},
    {"x pi", "XX 3.1415926 * ", nullptr, 0},
    {"pi/2", "3.1415926 2 / ", nullptr, 0},
    {"3^2^2", "3 2 ^ 2 ^ ", nullptr, 0},
    {"asech(x)+1", "XX ASECH 1 + ", nullptr, 0},
    {"sin-x", "XX (-) SIN ", nullptr, 0},
    {"-(-3)", "3 (-) (-) ", nullptr, 0},
    {"+x", "XX ", nullptr, 0},
    {"2*-3", "2 3 (-) * ", nullptr, 0},
    {"1,5+x", "1,5 XX + ", nullptr, 0},
    {".5+5.", ".5 5. + ", nullptr, 0},
    {"T^2", "TT 2 ^ ", nullptr, 0},
    {"n+1", "NN 1 + ", nullptr, 0},
    {"u*v*a*r*b", "UU VV * AA * RR * BB * ", nullptr, 0},
    {"Sin(X)", "XX SIN ", nullptr, 0},
    {"PI", "3.1415926 ", nullptr, 0},
    {"ACTANH(x)*Csech(y)", "XX ACTANH YY CSECH * ", nullptr, 0},
    {"x\t+\n1", "XX 1 + ", nullptr, 0},
    {"", "", nullptr, 0},
    {"  ", "", nullptr, 0},

    {"2+-3", "2 ", "缺少运算符。", 2},
    {"2--3", "2 ", "缺少运算符。", 2},
    {"--3", "", "缺少运算符。", 1},
    {"2*/3", "2 ", "缺少运算符。", 2},
    {"*2", "", "缺少运算符。", 1},
    {"sin 2", "", "缺少括号。", 4},
    {"1.2.3", "", "有多个小数点。", 1},
    {"1,2.3", "", "有多个小数点。", 1},
    {"x+", "XX ", "缺少运算符。", 2},
    {"x*(", "XX ", "缺少运算符。", 3},
    {"sin", "", "缺少运算符。", 3},
    {"(x", "XX ", "缺少闭括号。", 2},
    {"(", "", "缺少闭括号。", 1},
    {"x)", "XX ", "括号不匹配。", 1},
    {"()", "", "缺少运算符。", 1},
    {"q+1", "", "未定义的字符 : 'q'", 1},
    {"x+q", "XX ", "未定义的字符 : 'q'", 2},
    {"xy", "", "未定义的字符 : 'xy'", 1},
    {"2*Foo_bar", "2 ", "未定义的字符 : 'Foo_bar'", 2},
    {"e", "", "未定义的字符 : 'e'", 1},
    {"x 2", "XX ", "Operator expected", 1},
    {"x2", "XX ", "Operator expected", 1},
    {"#", "", "字符未定义： ", 1},
    {"x+1=0", "XX 1 ", "字符未定义： ", 2}, // the position recorded after the number
    {".", "", "计算元素非法。", 1},
    {"2+,", "2 ", "计算元素非法。", 2},
};

} // namespace

TEST(Compiler, TokensAndErrorsTable)
{
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.text);
        MessageRecorder rec;
        Cls6 c;
        QString buffer;
        const int32_t pos = c.InfixToPostfix(QString::fromUtf8(row.text), buffer);
        EXPECT_EQ(buffer.toStdString(), row.tokens);
        if (!row.message) {
            EXPECT_EQ(pos, 0);
            EXPECT_EQ(rec.Count(), 0);
            continue;
        }
        EXPECT_EQ(pos, row.position);
        ASSERT_EQ(rec.Count(), 1);
        const MessageRequest& m = rec.Messages()[0];
        EXPECT_EQ(m.text, QStringLiteral("字符 ") + QString::number(row.position) + QStringLiteral(":  ") +
                              QString::fromUtf8(row.message));
        EXPECT_EQ(m.title, QStringLiteral("语法错误"));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
    }
}

TEST(Compiler, AppendsToTheBufferAndKeepsItAfterAnError)
{
    MessageRecorder rec;
    Cls6 c;
    QString buffer = QStringLiteral("2 ");
    EXPECT_EQ(c.InfixToPostfix(QStringLiteral("x"), buffer), 0);
    EXPECT_EQ(buffer, QStringLiteral("2 XX "));
    // One object compiles any number of texts, before and after an error.
    EXPECT_EQ(c.InfixToPostfix(QStringLiteral("x)"), buffer), 1);
    EXPECT_EQ(c.InfixToPostfix(QStringLiteral("y"), buffer), 0);
    EXPECT_EQ(buffer, QStringLiteral("2 XX XX YY "));
    EXPECT_EQ(rec.Count(), 1);
}

TEST(Compiler, NonAsciiLettersBeginNoName)
{
    MessageRecorder rec;
    Cls6 c;
    QString buffer;
    // A full-width x and a Greek letter are not variables.
    EXPECT_EQ(c.InfixToPostfix(QStringLiteral("2*ｘ"), buffer), 2);
    EXPECT_EQ(c.InfixToPostfix(QStringLiteral("α"), buffer), 1);
    ASSERT_EQ(rec.Count(), 2);
    EXPECT_EQ(rec.Messages()[1].text, QStringLiteral("字符 1:  字符未定义： "));
}
