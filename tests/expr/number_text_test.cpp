#include "expr/NumberText.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

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
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(NumberText(1.5f).toStdString(), "1.5");
    std::setlocale(LC_ALL, "C");
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
