// Tests of the text filters run on typed and stored expressions.
#include "expr/Module1.h"

#include <gtest/gtest.h>

namespace {

struct FilterRow {
    const char* input;
    bool ok;
    const char* output;
};

} // namespace

TEST(Filters, CleanNumberText)
{
    const FilterRow rows[] = {
        {"1 23,5", true, "123.5"},
        {"", true, "0"},
        {" ", true, "0"},
        {"  ", true, ""},
        {"12a", false, "12"},
        {"-1.5E3", true, "-1.5E3"},
        {"1e-5", true, "1e-5"},
        {"+1", false, ""},
        {"1\t2", false, "1"},
        {"１", false, ""}, // full-width digit
    };
    for (const auto& r : rows) {
        QString out = QStringLiteral("junk");
        EXPECT_EQ(Module1::CleanNumberText(QString::fromUtf8(r.input), out), r.ok) << r.input;
        EXPECT_EQ(out.toStdString(), r.output) << r.input;
    }
}

TEST(Filters, CleanExpressionText)
{
    const FilterRow rows[] = {
        {"2,5*x", true, "2.5*x"},
        {"sin (x)", true, "sin(x)"},
        {"x=1", false, "x"},
        {"y＝x", false, "y"},
        {"", true, "0"},
        {" ", true, "0"},
        {"  ", true, ""},
        {"(X+1)^2/PI-3", true, "(X+1)^2/PI-3"},
        {"x_1", false, "x"},
        {"é", false, ""},
    };
    for (const auto& r : rows) {
        QString out = QStringLiteral("junk");
        EXPECT_EQ(Module1::CleanExpressionText(QString::fromUtf8(r.input), out), r.ok) << r.input;
        EXPECT_EQ(out.toStdString(), r.output) << r.input;
    }
}

TEST(Filters, SanitizeExpressionText)
{
    const struct {
        const char* input;
        const char* output;
    } rows[] = {{"1,5", "1.5"}, {"2#", ""}, {"", ""}, {" ", ""}, {"-2.5 E", "-2.5E"}};
    for (const auto& r : rows)
        EXPECT_EQ(Module1::SanitizeExpressionText(QString::fromUtf8(r.input)).toStdString(), r.output) << r.input;
}

TEST(Filters, InsertImplicitMultiply)
{
    const struct {
        const char* input;
        const char* output;
    } rows[] = {
        {"2x", "2*x"},
        {"3x2", "3*x*2"},
        {"x(x+1)", "x*(x+1)"},
        {"(x+1)(x-1)", "(x+1)*(x-1)"},
        {"(x+1)2", "(x+1)*2"},
        {"(x+1).5", "(x+1)*.5"},
        {"pi2", "pi*2"},
        {"2pi", "2*pi"},
        {"sin(x2)", "sin(x*2)"},
        {"sin(x)", "sin(x)"},
        {"exp(x)", "exp(x)"},
        {"atan(x)", "atan(x)"},
        {"sqr(x)", "sqr(x)"},
        {"tan(x)", "tan(x)"},
        {"ax2", "ax2"},
        {"x", "x"},
        {"2", "2"},
        {"x^2y", "x^2*y"},
        {"2sin(x)", "2*sin(x)"},
        {"t(t+1)", "t*(t+1)"},
        {"2x,5", "2*x*,5"},
        {"", "*"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Module1::InsertImplicitMultiply(QString::fromUtf8(r.input)).toStdString(), r.output) << r.input;
}

TEST(Filters, FoldSignPairs)
{
    const struct {
        const char* input;
        const char* output;
    } rows[] = {
        {"x+-1", "x-1"}, {"x--1", "x+1"}, {"x---1", "x+-1"}, {"x----1", "x++1"},
        {"-+1", "-+1"},  {"", ""},        {"-", "-"},        {"2*x-(-3)", "2*x-(-3)"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Module1::FoldSignPairs(QString::fromUtf8(r.input)).toStdString(), r.output) << r.input;
}
