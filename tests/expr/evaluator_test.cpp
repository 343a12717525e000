// Tests of the expression evaluator (Cls6): values, functions, errors and variables.
#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <limits>
#include <iterator>
#include <memory>
#include <random>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

struct Vars {
    float u = 1, v = 1, x = 2, y = 0, a = 0, r = 0, b = 0, t = 0;
    int32_t n = 0;
};

QString Compile(const char* text)
{
    Cls6 c;
    QString buffer;
    EXPECT_EQ(c.InfixToPostfix(QString::fromUtf8(text), buffer), 0) << text;
    return buffer;
}

bool Eval(Cls6& c, const QString& buffer, float& out, bool degree = false, Vars v = {})
{
    return c.DoEvaluate(buffer, degree, out, v.u, v.v, v.x, v.y, v.a, v.r, v.b, v.t, v.n);
}

float Value(const char* text, bool degree = false, Vars v = {})
{
    Cls6 c;
    float out = -999.0f;
    EXPECT_TRUE(Eval(c, Compile(text), out, degree, v)) << text;
    return out;
}

// Clears the report flag again whatever a test does.
struct ReportErrors {
    explicit ReportErrors(bool on) { g_ReportEvalErrors = on; }
    ~ReportErrors() { g_ReportEvalErrors = false; }
};

struct ValueRow {
    const char* text;
    double expected;
};

} // namespace

TEST(Evaluator, ValuesInRadians)
{
    const ValueRow rows[] = {
        {"2^3^2", 64},
        {"-2^2", -4},
        {"0^0", 1},
        {"x^0", 1},
        {"x^0.0000001", 1},
        {"(-8)^3", -512},
        {"(-2)^-2", 0.25},
        {"x^17", 131072},
        {"x^0.5", std::sqrt(2.0)},
        {"x^x", 4},
        {"2^-2^2", 0.0625},
        {"1/0.000002", 500000},
        {"log(0.0000101)", -11.502975},
        {"pi", 3.1415926},
        {"asin(1)", 1.5708},
        {"acos(-1)", 3.1416},
        {"acos(1)", 0},
        {"asin(0.99999996)", 1.5708},
        {"asin(0.5)", kPi / 6},
        {"acos(0.5)", kPi / 3},
        {"acosh(1)", 0},
        {"asech(0.5)+1", 2.316958},
        {"1,5+1", 2},
        {"n+1", 1},
        {"u+v", 2},
        {"2x+1", 5},
        {"sin x^2", std::pow(std::sin(2.0), 2)},
        {"int(-2.5)", -3},
        {"int(2.5)", 2},
        {"abs(-x)", 2},
        {"exp(1)", std::exp(1.0)},
        {"tan(1)", std::tan(1.0)},
        {"sec(1)", 1 / std::cos(1.0)},
        {"csec(1)", 1 / std::sin(1.0)},
        {"ctan(1)", 1 / std::tan(1.0)},
        {"atan(1)", kPi / 4},
        {"sinh(1)", std::sinh(1.0)},
        {"cosh(1)", std::cosh(1.0)},
        {"tanh(1)", std::tanh(1.0)},
        {"ctanh(1)", 1 / std::tanh(1.0)},
        {"sech(1)", 1 / std::cosh(1.0)},
        {"csech(1)", 1 / std::sinh(1.0)},
        {"asinh(-3)", std::asinh(-3.0)},
        {"acosh(x)", std::acosh(2.0)},
        {"atanh(0.5)", std::atanh(0.5)},
        {"acsech(-1)", std::asinh(-1.0)},
        {"actanh(x)", std::atanh(0.5)},
        // Mended inverse functions: principal values.
        {"asec(x)", kPi / 3},
        {"asec(-2)", 2 * kPi / 3},
        {"asec(1)", 0},
        {"asec(-1)", kPi},
        {"acsec(x)", kPi / 6},
        {"acsec(-2)", -kPi / 6},
        {"acsec(1)", kPi / 2},
        {"actan(1)", kPi / 4},
        {"actan(-1)", 3 * kPi / 4},
        {"actan(0)", kPi / 2},
        // Square roots down to 0 included.
        {"sqr(0)", 0},
        {"sqr(0.00000004)", 0.0002},
        {"sqr(x^2+1)", std::sqrt(5.0)},
    };
    for (const auto& row : rows)
        EXPECT_FLOAT_EQ(Value(row.text), static_cast<float>(row.expected)) << row.text;
}

TEST(Evaluator, DegreeModeConvertsOnlyTrigonometricOperands)
{
    const ValueRow rows[] = {
        {"sin(90)", 1},
        {"sin(30)", std::sin(30 * 3.1416 / 180)},
        {"cos(60)", std::cos(60 * 3.1416 / 180)},
        {"sec(60)", 1 / std::cos(60 * 3.1416 / 180)},
        {"ctan(45)", 1 / std::tan(45 * 3.1416 / 180)},
        // The operand of atan is a ratio: no conversion, radians out.
        {"atan(1)", kPi / 4},
        {"asin(1)", 1.5708},
        {"actan(1)", kPi / 4},
        {"sinh(1)", std::sinh(1.0)},
        {"u+v", 2},
        {"x+1", 3},
    };
    for (const auto& row : rows)
        EXPECT_FLOAT_EQ(Value(row.text, true), static_cast<float>(row.expected)) << row.text;
    // With 3.1416 for pi, 90 degrees lies just past the pole of tan.
    EXPECT_LT(Value("tan(90)", true), -100000.0f);
}

TEST(Evaluator, DomainFailuresGiveUndefinedOrAreReported)
{
    const struct {
        const char* text;
        const char* reported; // nullptr: the silent group
    } rows[] = {
        {"(-8)^(1/3)", "A^B, 如果A为负数，B必须为整数。"},
        {"(-x)^0.5", "A^B, 如果A为负数，B必须为整数。"},
        {"1/0", "除数为零。"},
        {"1/0.0000009", "除数为零。"},
        {"1/(x-x)", "除数为零。"},
        {"x/y", "除数为零。"},
        {"(-2)^(u/2)", "A^B, 如果A为负数，B必须为整数。"},
        {"sec(pi/2)", "除数为零。"}, // |cos| is about 2.7e-8
        {"csec(0)", "除数为零。"},
        {"ctan(0)", "除数为零。"},
        {"log(0.00001)", "ln函数的参数必须大于0。"},
        {"log(-1)", "ln函数的参数必须大于0。"},
        {"sqr(-0.0000001)", "SQR函数的参数必须大于等于0。"},
        {"asin(1.1)", "表达式非法。"},
        {"acos(-x)", "表达式非法。"},
        {"asec(0.5)", "表达式非法。"},
        {"acsec(0)", "表达式非法。"},
        {"acosh(-2)", nullptr},
        {"acosh(0.5)", nullptr},
        {"atanh(1)", nullptr},
        {"atanh(-1)", nullptr},
        {"ctanh(0)", nullptr},
        {"csech(0)", nullptr},
        {"asinh(-1000000)", nullptr},
        {"asech(0)", nullptr},
        {"asech(2)", nullptr},
        {"acsech(0)", nullptr},
        {"actanh(1)", nullptr},
        {"actanh(0.5)", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const QString buffer = Compile(row.text);
        {
            MessageRecorder rec;
            Cls6 c;
            float out = -1;
            EXPECT_TRUE(Eval(c, buffer, out));
            EXPECT_EQ(out, UndefinedSample);
            EXPECT_EQ(rec.Count(), 0);
        }
        {
            ReportErrors on(true);
            MessageRecorder rec;
            Cls6 c;
            float out = -1;
            const bool ok = Eval(c, buffer, out);
            if (!row.reported) {
                EXPECT_TRUE(ok);
                EXPECT_EQ(out, UndefinedSample);
                EXPECT_EQ(rec.Count(), 0);
                continue;
            }
            EXPECT_FALSE(ok);
            EXPECT_EQ(out, -1.0f) << "result must stay unchanged";
            ASSERT_EQ(rec.Count(), 1);
            EXPECT_EQ(rec.Messages()[0].text, QString::fromUtf8(row.reported));
            EXPECT_EQ(rec.Messages()[0].title, QStringLiteral("出错"));
            EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Critical);
        }
    }
}

TEST(Evaluator, DomainFailureEndsTheEvaluationBeforeLaterTokens)
{
    // The division fails before the unknown token would be read.
    Cls6 c;
    float out = 0;
    EXPECT_TRUE(c.DoEvaluate(QStringLiteral("1 0 / FOO "), false, out, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(out, UndefinedSample);
    EXPECT_THROW(c.DoEvaluate(QStringLiteral("1 FOO 0 / "), false, out, 0, 0, 0, 0, 0, 0, 0, 0, 0),
                 ExprError);
}

TEST(Evaluator, BufferReadingRules)
{
    const struct {
        const char* buffer;
        float expected;
    } rows[] = {
        {"2 3 +", 3},          // the last token lacks its blank and is never read
        {"2 XX ", 2},          // several values: the last one counts
        {"1,5 1 + ", 2},       // "," ends a number token
        {" 5 + ", 5},          // an empty token is the number 0
        {"5  + ", 5},
        {"1.2.3 ", 1.2f},
        {". 1 + ", 1},
        {"3 (-) (-) ", 3},
        {"2 XX * (-) 1 + ", -3},
        {"XX 4 ^ (-) ", -16},
    };
    for (const auto& row : rows) {
        Cls6 c;
        float out = -1;
        EXPECT_TRUE(c.DoEvaluate(QString::fromUtf8(row.buffer), false, out, 0, 0, 2, 0, 0, 0, 0, 0, 0))
            << row.buffer;
        EXPECT_FLOAT_EQ(out, row.expected) << row.buffer;
    }
}

TEST(Evaluator, EmptyBufferIsFalseWithoutMessage)
{
    ReportErrors on(true);
    MessageRecorder rec;
    Cls6 c;
    float out = 7;
    for (const char* b : {"", "2", "XX"}) {
        EXPECT_FALSE(c.DoEvaluate(QString::fromUtf8(b), false, out, 0, 0, 0, 0, 0, 0, 0, 0, 0)) << b;
        EXPECT_EQ(out, 7.0f);
    }
    EXPECT_EQ(rec.Count(), 0);
}

TEST(Evaluator, MalformedBuffersAndOverflowRaise)
{
    const struct {
        const char* buffer;
        long number;
        const char* description;
    } rows[] = {
        {"1 + ", 0x800403F3L, "在空栈上调用Pop方法。"},
        {"+ ", 0x800403F3L, "在空栈上调用Pop方法。"},
        {"SIN ", 0x800403F3L, "在空栈上调用Pop方法。"},
        {"(-) ", 0x800403F3L, "在空栈上调用Pop方法。"},
        {"2 FOO ", 0x800403EAL, "符号非法: FOO"},
        {"2 xx ", 0x800403EAL, "符号非法: xx"},
        {"2 sin ", 0x800403EAL, "符号非法: sin"},
        {"2 XX * ^ ", 0x800403F3L, "在空栈上调用Pop方法。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.buffer);
        MessageRecorder rec;
        Cls6 c;
        float out = 9;
        try {
            c.DoEvaluate(QString::fromUtf8(row.buffer), false, out, 0, 0, 2, 0, 0, 0, 0, 0, 0);
            ADD_FAILURE() << "no error raised";
        } catch (const ExprError& e) {
            EXPECT_EQ(e.Number(), row.number);
            EXPECT_EQ(e.Description(), QString::fromUtf8(row.description));
        }
        EXPECT_EQ(out, 9.0f);
        EXPECT_EQ(rec.Count(), 0);
    }

    // Arithmetic faults: overflow in a step, in a library function, in the
    // final rounding to a float, and a number that fits no double.
    const char* overflowing[] = {
        "exp(1000)", "10^400", "x^1000*x^1000", "10^20*10^20", "cosh(800)", "sinh(-800)",
        "0^(-1)", "0^(-2.5)", "(10^200)^2", "asin(10^200)", "sqr(10^200*10^200)",
    };
    for (const char* text : overflowing) {
        Cls6 c;
        float out = 9;
        EXPECT_THROW(Eval(c, Compile(text), out), ExprError) << text;
        EXPECT_EQ(out, 9.0f) << text;
    }
    const QString huge = QString(400, QLatin1Char('9')) + QLatin1Char(' ');
    Cls6 c;
    float out = 0;
    EXPECT_THROW(c.DoEvaluate(huge, false, out, 0, 0, 0, 0, 0, 0, 0, 0, 0), ExprError);
    // A number too small for a double is simply 0.
    const QString tiny = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1 ");
    EXPECT_TRUE(c.DoEvaluate(tiny, false, out, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(out, 0.0f);
    // A power whose reciprocal is too small underflows to 0, however the
    // negative exponent is written (a whole constant is a separate path).
    for (const char* text : {"(10^200)^-2", "(10^200)^(0-2)", "10^-400", "(-10^200)^-3",
                             "(10^200)^-1*0+5"}) {
        Cls6 u;
        out = 9;
        ASSERT_NO_THROW(Eval(u, Compile(text), out)) << text;
        EXPECT_EQ(out, std::string(text).back() == '5' ? 5.0f : 0.0f) << text;
    }
    // Variables that are not finite never slip through as a result.
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_THROW(c.DoEvaluate(QStringLiteral("XX 1 + "), false, out, 0, 0, inf, 0, 0, 0, 0, 0, 0), ExprError);
    EXPECT_THROW(c.DoEvaluate(QStringLiteral("XX "), false, out, 0, 0, std::nanf(""), 0, 0, 0, 0, 0, 0),
                 ExprError);
}

TEST(Evaluator, LargestValuesThatStillFitAFloat)
{
    Cls6 c;
    float out = 0;
    const QString buffer = Compile("3.4028234*10^38");
    EXPECT_TRUE(Eval(c, buffer, out));
    EXPECT_FLOAT_EQ(out, 3.4028234e38f);
    EXPECT_THROW(Eval(c, Compile("3.41*10^38"), out), ExprError);
}

TEST(Evaluator, WholeExponentsMatchThePowerFunction)
{
    // Small whole constant exponents take a multiplication path.
    for (float x : {-3.5f, -1.0f, 0.5f, 1.7f, 2.0f, 10.0f}) {
        for (int e : {-3, -2, -1, 1, 2, 3, 4, 7, 16, 17}) {
            Vars v;
            v.x = x;
            const std::string text = "x^" + std::string(e < 0 ? "-" : "") + std::to_string(std::abs(e));
            EXPECT_FLOAT_EQ(Value(text.c_str(), false, v), static_cast<float>(std::pow(double(x), e)))
                << text << " x=" << x;
        }
    }
}

TEST(Evaluator, RandomValuesLieInTheUnitInterval)
{
    Cls6 c;
    const QString buffer = Compile("rnd(5)");
    float first = 0, out = 0;
    bool varied = false;
    for (int k = 0; k < 1000; ++k) {
        ASSERT_TRUE(Eval(c, buffer, out));
        ASSERT_GE(out, 0.0f);
        ASSERT_LT(out, 1.0f);
        if (k == 0)
            first = out;
        else if (out != first)
            varied = true;
    }
    EXPECT_TRUE(varied);
}

TEST(Evaluator, OneObjectEvaluatesManyBuffersAlternately)
{
    // More buffers than the object keeps read, in turns, with changing x.
    const char* texts[] = {"x+1", "x*2", "x^2", "x-3", "sin(x)", "x/4", "sqr(x)", "2^x", "abs(x)", "-x", "x^3"};
    std::vector<QString> buffers;
    for (const char* t : texts)
        buffers.push_back(Compile(t));
    Cls6 c;
    for (int round = 0; round < 3; ++round) {
        for (std::size_t k = 0; k < buffers.size(); ++k) {
            Vars v;
            v.x = 1.5f + float(round);
            float out = 0;
            ASSERT_TRUE(Eval(c, buffers[k], out, false, v));
            EXPECT_FLOAT_EQ(out, Value(texts[k], false, v)) << texts[k];
        }
    }
    // A buffer changed in place is read again.
    QString buffer = Compile("x");
    float out = 0;
    ASSERT_TRUE(Eval(c, buffer, out));
    EXPECT_FLOAT_EQ(out, 2.0f);
    buffer += QStringLiteral("3 + ");
    ASSERT_TRUE(Eval(c, buffer, out));
    EXPECT_FLOAT_EQ(out, 5.0f);
    buffer.chop(2);
    buffer += QStringLiteral("* ");
    ASSERT_TRUE(Eval(c, buffer, out));
    EXPECT_FLOAT_EQ(out, 6.0f);
    // Equal text in a separate string gives the same value.
    ASSERT_TRUE(Eval(c, QString(buffer.constData(), buffer.size()), out));
    EXPECT_FLOAT_EQ(out, 6.0f);
}

TEST(Evaluator, DeepBuffers)
{
    // 200 nested operands: deeper than the evaluator's fixed stack.
    QString text;
    for (int k = 0; k < 200; ++k)
        text += QStringLiteral("(x+");
    text += QStringLiteral("1");
    text += QString(200, QLatin1Char(')'));
    // Built right-nested so the operand stack really grows.
    Cls6 c;
    QString buffer;
    ASSERT_EQ(c.InfixToPostfix(text, buffer), 0);
    float out = 0;
    ASSERT_TRUE(c.DoEvaluate(buffer, false, out, 0, 0, 2, 0, 0, 0, 0, 0, 0));
    EXPECT_FLOAT_EQ(out, 401.0f);
}

TEST(Evaluator, CopiesAndMovedObjectsStayUsable)
{
    const QString buffer = Compile("x*3");
    float out = 0;
    auto a = std::make_unique<Cls6>();
    ASSERT_TRUE(Eval(*a, buffer, out));
    Cls6 b = *a;
    Cls6 c = std::move(*a);
    a.reset(); // the original is gone: its copies must not lean on it
    ASSERT_TRUE(Eval(b, buffer, out));
    EXPECT_FLOAT_EQ(out, 6.0f);
    ASSERT_TRUE(Eval(c, buffer, out));
    EXPECT_FLOAT_EQ(out, 6.0f);
    Cls6 d;
    ASSERT_TRUE(Eval(d, Compile("x"), out));
    d = b;
    ASSERT_TRUE(Eval(d, buffer, out));
    EXPECT_FLOAT_EQ(out, 6.0f);
}

TEST(Evaluator, ArbitraryBuffersReturnOrRaiseButNeverCrash)
{
    // Random token soups: every one must end in a value, False, or ExprError
    // (run under AddressSanitizer this also guards the operand stack).
    const char* pool[] = {"1", "0", "2.5", ",", ".", "1e5", "XX", "YY", "NN", "+", "-", "*", "/", "^",
                          "(-)", "SIN", "COS", "SQR", "LOG", "ASEC", "ATANH", "EXP", "RND", "INT",
                          "", "xx", "Q", "3.1415926", "1000", "2"};
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> pick(0, int(std::size(pool)) - 1), len(0, 12);
    Cls6 c;
    MessageRecorder rec;
    int values = 0, raised = 0;
    for (int k = 0; k < 20000; ++k) {
        QString buffer;
        for (int n = len(rng); n > 0; --n)
            buffer += QString::fromLatin1(pool[pick(rng)]) + QLatin1Char(' ');
        float out = 0;
        try {
            if (c.DoEvaluate(buffer, k % 2 == 0, out, 1, 1, 0.5f, -3, 0, 0, 0, 0, 7))
                ++values;
        } catch (const ExprError&) {
            ++raised;
        }
    }
    EXPECT_GT(values, 0);
    EXPECT_GT(raised, 0);
    EXPECT_EQ(rec.Count(), 0);
}

// A row of points gives, point for point, what DoEvaluate gives each point:
// the same float, the same undefined samples, an error where it throws.
TEST(Evaluator, RowEvaluationMatchesPointEvaluation)
{
    const char* texts[] = {
        "x^2+y^2-16", "(x^2+y^2-1)^3-x^2*y^3", "sin(x)*cos(y)-0.3", "sqr(x^2+y^2)",
        "x^3-2*x+1", "1/x", "x/y", "y^x", "x^0.5", "(-2)^y", "x^-3", "2^(x*y)",
        "log(x)", "sqr(x)", "exp(100*y)", "exp(x*y*40)", "tan(x)", "sec(y)", "csec(x)",
        "ctan(x)", "asin(x)", "acos(y/3)", "asec(x)", "acsec(y)", "actan(x)", "atan(x)",
        "sinh(y)", "cosh(x*60)", "ctanh(x)", "csech(y)", "asinh(x)", "acosh(y)", "atanh(x)",
        "asech(x)", "acsech(y)", "actanh(x)", "int(x)*abs(y)", "-x-(-y)", "x*y*t-n", "x*x*1000",
        "exp(700)*x*x", "x^40", "u", "3",
    };
    // Values met in scans: zero, signs, near domain edges, large.
    std::vector<float> row;
    for (int k = -60; k <= 60; ++k)
        row.push_back(static_cast<float>(k) / 20.0f);
    for (float v : {1e-7f, -1e-7f, 0.999999f, 1.000001f, 89.99f, 90.0f, 1e6f, -1e6f, 3e38f})
        row.push_back(v);
    const int n = static_cast<int>(row.size());
    for (const char* text : texts) {
        const QString buffer = Compile(text);
        // The other variables fixed where the text is defined, and where it
        // fails or overflows whatever the varying value is.
        const float fixedSets[][8] = {{0.5f, 1.5f, 0.75f, -1.25f, 0, 0, 0, 2.0f},
                                      {0, -1, 0, -1, 0, 0, 0, 0},
                                      {3e38f, 1e6f, 3e38f, 800.0f, 0, 0, 0, -1}};
        for (const auto& fixed : fixedSets)
        for (bool degree : {false, true}) {
            for (int varying : {2, 3}) { // along x, then along y
                SCOPED_TRACE(testing::Message() << text << (degree ? " degrees" : "")
                                                << (varying == 2 ? " along x" : " along y")
                                                << " fixed x " << fixed[2] << " y " << fixed[3]);
                Cls6 rows;
                ASSERT_TRUE(rows.CanEvaluateRow(buffer));
                std::vector<float> out(row.size());
                std::vector<Cls6::RowOutcome> outcome(row.size());
                rows.EvaluateRow(buffer, degree, fixed, 3, varying, row.data(), n, out.data(),
                                 outcome.data());
                Cls6 points;
                for (int i = 0; i < n; ++i) {
                    float f[8];
                    std::copy(fixed, fixed + 8, f);
                    f[varying] = row[i];
                    float v = 0;
                    Cls6::RowOutcome expected = Cls6::RowOutcome::Value;
                    try {
                        ASSERT_TRUE(points.DoEvaluate(buffer, degree, v, f[0], f[1], f[2], f[3],
                                                      f[4], f[5], f[6], f[7], 3));
                        if (v == UndefinedSample)
                            expected = Cls6::RowOutcome::Undefined;
                    } catch (const ExprError&) {
                        expected = Cls6::RowOutcome::Error;
                    }
                    SCOPED_TRACE(testing::Message() << "at " << row[i]);
                    EXPECT_EQ(outcome[i], expected);
                    if (expected != Cls6::RowOutcome::Error) {
                        EXPECT_EQ(out[i], v);
                    }
                }
            }
        }
    }
}

TEST(Evaluator, RowEvaluationOnlyWhereItStandsInForPoints)
{
    Cls6 c;
    EXPECT_TRUE(c.CanEvaluateRow(Compile("x+y")));
    // Random draws would come in another order; unreadable buffers and
    // buffers that leave no value keep their own errors.
    const QString tooLarge = QString(400, QLatin1Char('9')) + QLatin1Char(' ');
    for (const QString& buffer : {QStringLiteral("XX RND + "), QStringLiteral("XX QQ + "),
                                  QStringLiteral("+ "), QString(), tooLarge}) {
        SCOPED_TRACE(buffer.toStdString());
        EXPECT_FALSE(c.CanEvaluateRow(buffer));
    }
    // Reported domain errors need a message at the point that fails.
    ReportErrors on(true);
    EXPECT_FALSE(c.CanEvaluateRow(Compile("x+y")));
}

// Constant parts are worked out once when a buffer is read; every value,
// undefined sample and error stays what evaluating step by step gives.
TEST(Evaluator, ConstantPartsKeepTheirValuesAndErrors)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    enum Kind { Val, Undef, Overflow, Invalid };
    struct Case {
        const char* text;
        bool degree;
        float x;
        Kind kind;
        double value;
    } const cases[] = {
        {"2*3+x", false, 1, Val, 7},
        {"(2-1)*x^(3-1)*1", false, 3, Val, 9},
        {"x*1/1-0", false, -2.5f, Val, -2.5},
        {"1*(x+1)", false, 2, Val, 3},
        {"2^(1/2)*x", false, 1, Val, std::sqrt(2.0)},
        {"exp(1)*log(exp(2))+x", false, 0, Val, 2 * std::exp(1.0)},
        {"abs(0-3)+int(2.5)+sqr(16)", false, 0, Val, 9},
        // the angle functions follow the mode the buffer is evaluated in
        {"sin(90)+cos(0)*x", true, 1, Val, 2},
        {"sin(90)+x*0", false, 0, Val, std::sin(90.0)},
        {"tan(45)+x*0", true, 0, Val, std::tan(45 * 3.1416 / 180)},
        // failing constant steps still fail, after what comes before them
        {"x*0+1/(2-2)", false, 5, Undef, 0},
        {"sqr(0-4)+x", false, 0, Undef, 0},
        {"log(0-1)*x", false, 1, Undef, 0},
        {"(0-8)^(1/3)+x", false, 0, Undef, 0},
        {"sqr(x)+1/0", false, -1, Undef, 0},
        {"10^200*10^200+x", false, 0, Overflow, 0},
        {"exp(1000)*0+x", false, 0, Overflow, 0},
        // a step on an input that is not finite still raises its error
        {"x*1", false, inf, Overflow, 0},
        {"x^1", false, nan, Invalid, 0},
        {"1*x-0", false, nan, Invalid, 0},
        {"x*1+sqr(0-1)", false, inf, Overflow, 0},
        {"1*x+log(0)", false, -inf, Overflow, 0},
        {"x^1-1/0", false, nan, Invalid, 0},
        // the sign of zero is kept
        {"x*1", false, -0.0f, Val, -0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.x);
        Cls6 e;
        const QString buffer = Compile(c.text);
        Vars v;
        v.x = c.x;
        float out = 0;
        try {
            ASSERT_TRUE(Eval(e, buffer, out, c.degree, v));
            if (c.kind == Undef) {
                EXPECT_EQ(out, UndefinedSample);
            } else {
                ASSERT_EQ(c.kind, Val);
                EXPECT_EQ(out, static_cast<float>(c.value));
                EXPECT_EQ(std::signbit(out), std::signbit(c.value));
            }
        } catch (const ExprError& err) {
            ASSERT_NE(c.kind, Val);
            ASSERT_NE(c.kind, Undef);
            EXPECT_EQ(err.Number(), c.kind == Overflow ? Cls6::ErrOverflow : Cls6::ErrInvalidOperation);
        }
    }
}
