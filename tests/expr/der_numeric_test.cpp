// The derivative texts checked against the expressions themselves: each text
// is compiled and evaluated with the program's evaluator and compared with a
// central difference of what it differentiates. This catches a wrong rule,
// a wrong reading by the parser or a missing bracket in the printer.
#include "expr/Cls6.h"
#include "expr/Der.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "platform/MessageBox.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

struct Compiled {
    QString buffer;
};

std::optional<Compiled> Compile(const QString& text)
{
    Cls6 c;
    Compiled out;
    if (c.InfixToPostfix(text, out.buffer) != 0)
        return std::nullopt;
    return out;
}

// The value at x, or nothing where the evaluator finds it undefined.
std::optional<double> At(const Compiled& f, double x)
{
    Cls6 c;
    float r = 0;
    try {
        if (!c.DoEvaluate(f.buffer, false, r, 0, 0, static_cast<float>(x), 0, 0, 0, 0, 0, 0))
            return std::nullopt;
    } catch (const ExprError&) {
        return std::nullopt;
    }
    if (r == UndefinedSample || !std::isfinite(r))
        return std::nullopt;
    return r;
}

// Central difference of f at x, refined once by Richardson extrapolation so
// that steep curves near a pole still compare well; nothing when a
// neighbour is undefined.
std::optional<double> Slope(const Compiled& f, double x, double h)
{
    const auto lo = At(f, x - h), hi = At(f, x + h);
    const auto lo2 = At(f, x - h / 2), hi2 = At(f, x + h / 2);
    if (!lo || !hi || !lo2 || !hi2)
        return std::nullopt;
    const double coarse = (*hi - *lo) / (2 * h);
    const double fine = (*hi2 - *lo2) / h;
    return (4 * fine - coarse) / 3;
}

struct Case {
    const char* expr;
    std::vector<double> points;
};

const std::vector<double> kAnywhere = {-1.7, -0.6, 0.4, 1.3, 2.2};
const std::vector<double> kPositive = {0.3, 0.8, 1.4, 2.1, 2.9};

// School expressions over every function the differentiator knows.
const Case kCases[] = {
    {"x^2+3*x-5", kAnywhere},
    {"x^3-2*x^2+x", kAnywhere},
    {"1/x", kAnywhere},
    {"x^-2", kAnywhere},
    {"2*-x+1", kAnywhere},
    {"-x^2+x^-1", kAnywhere},
    {"x-(-x)", kAnywhere},
    {"(x+1)/(x-1)", {-1.7, -0.6, 0.4, 1.6, 2.2}},
    {"(x^2-1)^3/(x+2)", kAnywhere},
    {"x^0.5", kPositive},
    {"x^3.5", kPositive},
    {"x^x", kPositive},
    {"2^x", kAnywhere},
    {"pi*x^2", kAnywhere},
    {"X^3", kAnywhere},
    {"3x^2-2(x+1)", kAnywhere},
    {"exp(-x^2)", kAnywhere},
    {"exp(2*x)*sin(x)", kAnywhere},
    {"1/(1+exp(-x))", kAnywhere},
    {"sqr(x^2+1)", kAnywhere},
    {"sqr(4-x^2)", {-1.7, -0.6, 0.4, 1.3}},
    {"log(x^2+1)", kAnywhere},
    {"x*log(x)", kPositive},
    {"sin(x^2)", kAnywhere},
    {"sin(x)*cos(x)", kAnywhere},
    {"cos(3*x+1)", kAnywhere},
    {"exp(sin(x))-cos(x)^2", kAnywhere},
    {"tan(x/2)", kAnywhere},
    {"ctan(x)", kAnywhere},
    {"sec(x)", kAnywhere},
    {"csec(x)", kAnywhere},
    {"asin(x/2)", {-1.7, -0.6, 0.4, 1.3}},
    {"acos(x/3)", kAnywhere},
    {"atan(x^2)", kAnywhere},
    {"actan(2*x)", kAnywhere},
    {"sinh(x)/x", kAnywhere},
    {"cosh(x)^2", kAnywhere},
    {"tanh(x)", kAnywhere},
    {"ctanh(x)", kAnywhere},
    {"sech(x)", kAnywhere},
    {"csech(x)", kAnywhere},
    {"sech(x^2)", kAnywhere},
    {"asinh(x^2)", kAnywhere},
    {"acosh(x^2+1)", kAnywhere},
    {"atanh(x/3)", kAnywhere},
    {"asech(x/3)", kPositive},
    {"acsech(x)", kAnywhere},
    {"actanh(x+3)", kAnywhere},
};

// Compares the derivative text with the central difference of text at every
// point where both are defined; returns how many points were compared.
int CheckDerivative(const QString& text, const QString& derivative, const std::vector<double>& points)
{
    const auto f = Compile(text);
    const auto d = Compile(derivative);
    if (!f || !d) {
        ADD_FAILURE() << "does not compile: " << text.toStdString() << " / " << derivative.toStdString();
        return 0;
    }
    int compared = 0;
    for (double x : points) {
        const double h = 2e-2;
        const auto slope = Slope(*f, x, h);
        if (!slope)
            continue;
        const auto value = At(*d, x);
        if (!value) {
            ADD_FAILURE() << derivative.toStdString() << " undefined at " << x << " while " << text.toStdString()
                          << " has the slope " << *slope;
            continue;
        }
        EXPECT_NEAR(*value, *slope, 2e-3 * (1 + std::fabs(*slope)))
            << "d/dx " << text.toStdString() << " = " << derivative.toStdString() << " at x = " << x;
        ++compared;
    }
    return compared;
}

TEST(DerivativeNumeric, FirstAndSecondDerivativesMatchCentralDifferences)
{
    MessageRecorder rec;
    for (const Case& c : kCases) {
        // Sampling prepares stored texts this way before anything else.
        const QString text = Module1::InsertImplicitMultiply(c.expr);
        QString d1, d2;
        ASSERT_TRUE(Der::DerivativeText(text, d1)) << c.expr;
        ASSERT_TRUE(Der::DerivativeText(d1, d2)) << c.expr << " -> " << d1.toStdString();
        EXPECT_GE(CheckDerivative(text, d1, c.points), 3) << c.expr;
        EXPECT_GE(CheckDerivative(d1, d2, c.points), 3) << c.expr << " -> " << d1.toStdString();
    }
    EXPECT_EQ(rec.Count(), 0) << (rec.Count() ? rec.Messages()[0].text.toStdString() : "");
}

TEST(DerivativeText, ShapeOfTheResult)
{
    struct Row {
        const char* expr;
        const char* derivative;
    } rows[] = {
        {"sin(x^2)", "1*2*x^1*cos(x^2)"},
        {"x^-2", "1*-2*x^-3"},
        {"x^0.5", "1*0.5*x^-0.5"},
        {"x-(-x)", "1-(0-1)"},
        {"-x", "0-1"},
        {"x-cos(x)", "1+(1)*sin(x)"},
        {"2-x", "0-1"},
    };
    for (const Row& r : rows) {
        QString d;
        ASSERT_TRUE(Der::DerivativeText(r.expr, d));
        EXPECT_EQ(d.toStdString(), r.derivative) << r.expr;
    }
}

TEST(DerivativeText, RefusalIsShownAndReported)
{
    const std::pair<const char*, const char*> rows[] = {
        {"abs(x)", "不能计算ABS的导数。"},
        {"+x", "不能计算+x的导数。第 1 个字符处缺少参数。"},
        {"x(1)", "不能计算x(1)的导数。非法字符  2"},
    };
    for (const auto& [expr, message] : rows) {
        MessageRecorder rec;
        QString d = "stale";
        EXPECT_FALSE(Der::DerivativeText(expr, d)) << expr;
        EXPECT_TRUE(d.isEmpty());
        ASSERT_EQ(rec.Count(), 1) << expr;
        EXPECT_EQ(rec.Messages()[0].text.toStdString(), message);
        EXPECT_EQ(rec.Messages()[0].title, "出错");
    }
}

TEST(DerivativeText, TextNestedTooDeepIsRefusedNotACrash)
{
    // Tens of thousands of levels used to overflow the stack of the
    // recursive differentiator; such text now fails like any refusal.
    const int levels = 50000;
    QString chain = "x", nested;
    for (int i = 0; i < levels; ++i)
        chain += "+x";
    for (int i = 0; i < levels; ++i)
        nested += "sin(";
    nested += "x" + QString(levels, u')');
    for (const QString& text : {chain, nested}) {
        MessageRecorder rec;
        QString d = "stale";
        EXPECT_FALSE(Der::DerivativeText(text, d));
        EXPECT_TRUE(d.isEmpty());
        ASSERT_EQ(rec.Count(), 1);
        EXPECT_EQ(rec.Messages()[0].text, "表达式嵌套太深，不能计算导数。");
        EXPECT_EQ(rec.Messages()[0].title, "出错");
    }
    // A long sum of a few hundred terms is still differentiated.
    MessageRecorder rec;
    QString sum = "x^2";
    for (int i = 0; i < 500; ++i)
        sum += "+x^2";
    QString d;
    ASSERT_TRUE(Der::DerivativeText(sum, d));
    EXPECT_EQ(rec.Count(), 0);
    EXPECT_GE(CheckDerivative(sum, d, {-1.0, 0.5, 2.0}), 3);
}

TEST(DerivativeText, LongSecondDerivativesHaveNoLimit)
{
    // The second derivative of a longer school expression runs to thousands
    // of characters; it must still be made and compile.
    MessageRecorder rec;
    const QString text = "sin(x^2)*exp(-x)/(1+x^2)-tan(x)^3*log(x^2+1)";
    QString d1, d2;
    ASSERT_TRUE(Der::DerivativeText(text, d1));
    ASSERT_TRUE(Der::DerivativeText(d1, d2));
    EXPECT_GT(d2.size(), 1000);
    EXPECT_GE(CheckDerivative(d1, d2, {-1.0, -0.5, 0.3, 0.9, 2.5}), 3);
    EXPECT_EQ(rec.Count(), 0);
}

} // namespace
