// Tests of the program's number formatter.
#include "expr/Cls6.h"
#include "expr/Der.h"
#include "expr/NumberText.h"

#include <gtest/gtest.h>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

TEST(NumberText, Table)
{
    const struct { float value; const char* text; } rows[] = {
        {1.0f, "1"},
        {2.0f / 3.0f, "0.6666667"},
        {12345678.0f, "1.234568E+07"},
        {1048576.5f, "1048577"},
        {-0.0f, "0"},
        {0.0f, "0"},
        {0.15f, "0.15"},
        {-2.5f, "-2.5"},
        {3.1416f, "3.1416"},
        {0.5f, "0.5"},
        {-0.25f, "-0.25"},
        {3.14159265f, "3.141593"},
        {9999999.0f, "9999999"},
        {99999992.0f, "9.999999E+07"}, {999999999.0f, "1E+09"},
        {0.0001f, "0.0001"},
        {0.00001f, "0.00001"},
        {1.5e-7f, "0.00000015"},
        {-20.0f, "-20"},
        {0.12345f, "0.12345"},
        {1e20f, "1E+20"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(NumberText(r.value).toStdString(), r.text) << r.value;
}

TEST(NumberText, NonFiniteIsEmpty)
{
    EXPECT_TRUE(NumberText(std::numeric_limits<float>::infinity()).isEmpty());
    EXPECT_TRUE(NumberText(-std::numeric_limits<float>::infinity()).isEmpty());
    EXPECT_TRUE(NumberText(std::nanf("")).isEmpty());
}

TEST(NumberText, IndependentOfLocale)
{
    // A Qt program runs in the user's locale; with a decimal comma, printf
    // wrote "1.,5" and strtod refused "1.5".
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(NumberText(1.5f).toStdString(), "1.5");
    EXPECT_EQ(NumberText(-0.25f).toStdString(), "-0.25");
    EXPECT_EQ(NumberText(12345678.0f).toStdString(), "1.234568E+07");
    EXPECT_EQ(ParseNumberText("1.5"), 1.5f);
    EXPECT_EQ(ParseNumberText("1.234568E+07"), 12345680.0f);
    // Number tokens of a derivative are rewritten as text too: .5 -> 0.5.
    QString d;
    EXPECT_TRUE(Der::DerivativeText(".5*x", d));
    EXPECT_EQ(d.toStdString(), "(0*x+0.5*1)/x^0");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(NumberText, ParseReadsBothForms)
{
    EXPECT_EQ(ParseNumberText("1.234568E+07").value(), 12345680.0f);
    EXPECT_EQ(ParseNumberText("-0.25").value(), -0.25f);
    EXPECT_EQ(ParseNumberText("1E-05").value(), 1e-5f);
    EXPECT_FALSE(ParseNumberText("").has_value());
    EXPECT_FALSE(ParseNumberText("1.5x").has_value());
    EXPECT_FALSE(ParseNumberText("inf").has_value());
    EXPECT_FALSE(ParseNumberText("1E+60").has_value());
    EXPECT_FALSE(ParseNumberText("0x10").has_value());
}

TEST(NumberText, RoundTripsEveryWrittenValue)
{
    // Whatever is written must read back to a float that writes the same text.
    for (float v : {1.0f / 3.0f, 123456.7f, -98765432.0f, 7.5e-6f, 2.0e30f}) {
        const QString t = NumberText(v);
        auto back = ParseNumberText(t);
        ASSERT_TRUE(back.has_value()) << t.toStdString();
        EXPECT_EQ(NumberText(*back), t);
    }
}

// Numbers written into expression texts never take the exponent form, so
// the compiler reads each one back as the same value.
TEST(NumberText, PlainFormCompilesBack)
{
    const struct { float value; const char* text; } rows[] = {
        {12345678.0f, "12345680"},
        {1e20f, "100000000000000000000"},
        {-3.4028235e38f, "-340282300000000000000000000000000000000"},
        {1.5e-7f, "0.00000015"},
        {-2.5f, "-2.5"},
    };
    for (const auto& r : rows) {
        const QString text = PlainNumberText(r.value);
        EXPECT_EQ(text.toStdString(), r.text) << r.value;
        Cls6 engine;
        QString buffer;
        ASSERT_EQ(engine.InfixToPostfix(text + QStringLiteral("+0*x"), buffer), 0) << r.text;
        float result = 0.0f;
        ASSERT_TRUE(engine.DoEvaluate(buffer, false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0));
        EXPECT_FLOAT_EQ(result, std::stof(r.text)) << r.text;
    }
    EXPECT_EQ(PlainNumberText64(1.0 / 3.0).toStdString(), "0.333333333333333");
    EXPECT_EQ(PlainNumberText64(-2.0).toStdString(), "-2");
    EXPECT_TRUE(PlainNumberText(std::numeric_limits<float>::quiet_NaN()).isEmpty());
}
