// Cls6, the expression compiler and evaluator.
#include "expr/Cls6.h"

#include "expr/Cls13.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>
#include <random>
#include <string>

bool g_ReportEvalErrors = false;

namespace {

// Function names in the order the compiler compares them.
const char* const kFunctionNames[] = {
    "SIN",  "COS",   "LOG",   "EXP",  "ABS",  "ATAN",  "INT",   "RND",   "SQR",   "TAN",
    "SEC",  "CSEC",  "CTAN",  "ASIN", "ACOS", "ASEC",  "ACSEC", "ACTAN", "SINH",  "COSH",
    "TANH", "CTANH", "SECH",  "CSECH", "ASINH", "ACOSH", "ATANH", "ASECH", "ACSECH", "ACTANH",
};
constexpr int kFunctionCount = sizeof kFunctionNames / sizeof kFunctionNames[0];

enum Fn : uint8_t {
    FnSin, FnCos, FnLog, FnExp, FnAbs, FnAtan, FnInt, FnRnd, FnSqr, FnTan,
    FnSec, FnCsec, FnCtan, FnAsin, FnAcos, FnAsec, FnAcsec, FnActan, FnSinh, FnCosh,
    FnTanh, FnCtanh, FnSech, FnCsech, FnAsinh, FnAcosh, FnAtanh, FnAsech, FnAcsech, FnActanh,
};

// Variables in the order of DoEvaluate's arguments.
const char kVariableLetters[] = "UVXYARBTN";

int VariableIndex(QChar c)
{
    for (int k = 0; kVariableLetters[k]; ++k)
        if (c.unicode() == char16_t(kVariableLetters[k]))
            return k;
    return -1;
}

int FunctionIndex(QStringView upperName)
{
    for (int k = 0; k < kFunctionCount; ++k)
        if (upperName == QLatin1StringView(kFunctionNames[k]))
            return k;
    return -1;
}

bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

QString AsciiUpper(QStringView s)
{
    QString out(s.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < s.size(); ++k) {
        char16_t u = s[k].unicode();
        if (u >= 'a' && u <= 'z')
            u = char16_t(u - 'a' + 'A');
        out[k] = QChar(u);
    }
    return out;
}

// ---------------------------------------------------------------- evaluator

// Instructions. Besides one per token there are fused forms: an operand
// pushed right before the operator that takes it (AddK: add a constant,
// AddV: add a variable), whole constant powers, and a function or power of
// a variable. The order must match the dispatch table in DoEvaluate.
enum Op : uint8_t {
    OpPushK, OpPushV,
    OpAdd, OpSub, OpMul, OpDiv, OpPow,
    OpAddK, OpSubK, OpMulK, OpDivK, OpPowK,
    OpAddV, OpSubV, OpMulV, OpDivV, OpPowV,
    OpPowOne, OpSquare, OpCube, OpPowWhole,
    OpVSquare, OpVCube, OpVSin, OpVCos,
    OpNeg,
    OpSin, OpCos, OpSqr, OpFn,
    OpBadToken, OpStackError, OpNumberOverflow,
    OpEnd,
    OpCount
};

struct Instr {
    Op op;
    uint8_t sub = 0;  // variable index or function
    int32_t n = 0;    // whole exponent, or index of a bad token
    double k = 0.0;   // constant
};

enum Failure : uint8_t {
    FailNone,
    FailDivide,
    FailPower,
    FailLog,
    FailSqr,
    FailIllegal,
    FailSilent,
};

QString FailureMessage(Failure f)
{
    switch (f) {
    case FailDivide: return QStringLiteral("除数为零。");
    case FailPower: return QStringLiteral("A^B, 如果A为负数，B必须为整数。");
    case FailLog: return QStringLiteral("ln函数的参数必须大于0。");
    case FailSqr: return QStringLiteral("SQR函数的参数必须大于等于0。");
    case FailIllegal: return QStringLiteral("表达式非法。");
    default: return QString();
    }
}

[[noreturn]] [[gnu::cold]] [[gnu::noinline]] void RaiseArithmetic(double v)
{
    if (std::isnan(v))
        throw ExprError(Cls6::ErrInvalidOperation, QStringLiteral("无效的过程调用或参数"));
    throw ExprError(Cls6::ErrOverflow, QStringLiteral("溢出"));
}

// Every computed step is checked: an overflow or an invalid operation
// ends the evaluation with an error instead of carrying inf or NaN on.
inline double Chk(double v)
{
    if (!std::isfinite(v)) [[unlikely]]
        RaiseArithmetic(v);
    return v;
}

inline double Sgn(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

// 3.1416 rather than pi: the degree conversion documents were drawn with.
inline double ToRadians(double x) { return Chk(Chk(x * 3.1416) / 180.0); }

float NextRandom()
{
    static std::mt19937 generator{std::random_device{}()};
    return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
}

inline Failure Divide(double a, double b, double& r)
{
    if (std::fabs(b) < 1e-6)
        return FailDivide;
    r = Chk(a / b);
    return FailNone;
}

inline Failure Power(double a, double b, double& r)
{
    if (std::fabs(b) < 1e-6) {
        r = 1.0;
        return FailNone;
    }
    if (a < 0 && b != std::floor(b))
        return FailPower;
    r = Chk(std::pow(a, b));
    return FailNone;
}

// a^e by repeated squaring, unchecked. Every squaring is a factor of the
// result, so an overflow on the way shows as an infinite result.
inline double SquaringPower(double a, uint32_t e)
{
    double result = 1.0, base = a;
    while (true) {
        if (e & 1u)
            result *= base;
        e >>= 1;
        if (!e)
            return result;
        base *= base;
    }
}

inline double WholePower(double a, int32_t n)
{
    if (n >= 0)
        return Chk(SquaringPower(a, uint32_t(n)));
    // a^-n = 1 / a^n: a power beyond the double range makes the quotient an
    // underflow, 0, as the same value written as a^(0-n) or 10^-400 gives.
    const double d = SquaringPower(a, uint32_t(-static_cast<int64_t>(n)));
    if (std::isinf(d))
        return 0.0;
    return Chk(1.0 / d);
}

// The less frequent functions. x is the operand, r receives the value.
// Inlined where it is used: the evaluator's dispatch is laid out around it.
[[gnu::always_inline]] inline Failure ApplyFunction(uint8_t fn, double x, bool degree, double& r)
{
    const double halfPi = 2.0 * std::atan(1.0);
    switch (fn) {
    case FnSin: r = std::sin(degree ? ToRadians(x) : x); return FailNone;
    case FnCos: r = std::cos(degree ? ToRadians(x) : x); return FailNone;
    case FnTan: r = Chk(std::tan(degree ? ToRadians(x) : x)); return FailNone;
    case FnSec: {
        const double c = std::cos(degree ? ToRadians(x) : x);
        if (std::fabs(c) < 1e-7)
            return FailDivide;
        r = Chk(1.0 / c);
        return FailNone;
    }
    case FnCsec: {
        const double s = std::sin(degree ? ToRadians(x) : x);
        if (std::fabs(s) < 1e-7)
            return FailDivide;
        r = Chk(1.0 / s);
        return FailNone;
    }
    case FnCtan: {
        const double t = Chk(std::tan(degree ? ToRadians(x) : x));
        if (std::fabs(t) < 1e-7)
            return FailDivide;
        r = Chk(1.0 / t);
        return FailNone;
    }
    // The operand of atan is a ratio, not an angle: never converted.
    case FnAtan: r = std::atan(x); return FailNone;
    case FnLog:
        if (x <= 1e-5)
            return FailLog;
        r = std::log(x);
        return FailNone;
    case FnExp: r = Chk(std::exp(x)); return FailNone;
    case FnAbs: r = std::fabs(x); return FailNone;
    case FnInt: r = std::floor(x); return FailNone;
    case FnRnd: r = NextRandom(); return FailNone;
    case FnSqr:
        if (x < 0)
            return FailSqr;
        r = std::sqrt(x);
        return FailNone;
    case FnAsin:
    case FnAcos: {
        const double t = Chk(1.0 - Chk(x * x));
        if (std::fabs(t) < 1e-7) {
            if (fn == FnAsin)
                r = x < 0 ? -3.1416 / 2 : 3.1416 / 2;
            else
                r = x < 0 ? 3.1416 : 0.0;
            return FailNone;
        }
        if (t < 0)
            return FailIllegal;
        const double root = std::sqrt(t);
        if (fn == FnAsin)
            r = std::atan(Chk(x / root));
        else
            r = Chk(std::atan(Chk(-x / root)) + halfPi);
        return FailNone;
    }
    // Principal values: asec in [0, pi], acsec in [-pi/2, pi/2], actan in
    // (0, pi). Like asin and acos, an operand within the rounding band of
    // +-1 takes the value at that end.
    case FnAsec:
    case FnAcsec: {
        const double t = Chk(Chk(x * x) - 1.0);
        if (std::fabs(t) < 1e-7) {
            if (fn == FnAsec)
                r = x < 0 ? 2.0 * halfPi : 0.0;
            else
                r = x < 0 ? -halfPi : halfPi;
            return FailNone;
        }
        if (t < 0)
            return FailIllegal;
        const double inv = 1.0 / x; // |x| > 1 here
        r = fn == FnAsec ? std::acos(inv) : std::asin(inv);
        return FailNone;
    }
    case FnActan: r = Chk(halfPi - std::atan(x)); return FailNone;
    default: break;
    }

    // Hyperbolic group: never reported, undefined points give UndefinedSample.
    double e = 0, e1 = 0;
    if (fn >= FnSinh && fn <= FnCsech) {
        e = Chk(std::exp(x));
        e1 = Chk(std::exp(-x));
    }
    switch (fn) {
    case FnSinh: r = Chk(Chk(e - e1) / 2); return FailNone;
    case FnCosh: r = Chk(Chk(e + e1) / 2); return FailNone;
    case FnTanh: r = Chk(Chk(e - e1) / Chk(e1 + e)); return FailNone;
    case FnCtanh: {
        const double d = Chk(e - e1);
        if (std::fabs(d) < 1e-7)
            return FailSilent;
        r = Chk(Chk(e + e1) / d);
        return FailNone;
    }
    case FnSech: r = Chk(2.0 / Chk(e1 + e)); return FailNone;
    case FnCsech: {
        const double d = Chk(e - e1);
        if (std::fabs(d) < 1e-7)
            return FailSilent;
        r = Chk(2.0 / d);
        return FailNone;
    }
    case FnAsinh: {
        const double s = Chk(x + std::sqrt(Chk(Chk(x * x) + 1)));
        if (s <= 1e-5)
            return FailSilent;
        r = std::log(s);
        return FailNone;
    }
    case FnAcosh: {
        const double q = Chk(Chk(x * x) - 1);
        if (q < 0)
            return FailSilent;
        const double s = Chk(x + std::sqrt(q));
        if (s <= 1e-5)
            return FailSilent;
        r = std::log(s);
        return FailNone;
    }
    case FnAtanh: {
        if (x == 1)
            return FailSilent;
        const double q = Chk(Chk(x + 1) / Chk(1 - x));
        if (q <= 1e-5)
            return FailSilent;
        r = std::log(q) / 2;
        return FailNone;
    }
    case FnAsech: {
        if (x == 0)
            return FailSilent;
        const double w = Chk(Chk(-(x * x)) + 1);
        if (w < 0)
            return FailSilent;
        const double q = Chk(Chk(std::sqrt(w) + 1) / x);
        if (q <= 1e-5)
            return FailSilent;
        r = std::log(q);
        return FailNone;
    }
    case FnAcsech: {
        if (x == 0)
            return FailSilent;
        const double q = Chk(Chk(Sgn(x) * std::sqrt(Chk(Chk(x * x) + 1)) + 1) / x);
        if (q <= 1e-5)
            return FailSilent;
        r = std::log(q);
        return FailNone;
    }
    case FnActanh: {
        if (x == 1)
            return FailSilent;
        const double q = Chk(Chk(x + 1) / Chk(x - 1));
        if (q <= 1e-5)
            return FailSilent;
        r = std::log(q) / 2;
        return FailNone;
    }
    default: break;
    }
    return FailNone;
}

// Reads the value of a number token: the longest leading part that is a
// decimal number with "." as the point ("," ends it). False when the value
// does not fit a double.
bool ReadNumberToken(QStringView tok, double& value)
{
    std::string intPart, fracPart;
    qsizetype k = 0;
    while (k < tok.size() && tok[k].unicode() >= '0' && tok[k].unicode() <= '9')
        intPart.push_back(char(tok[k++].unicode()));
    if (k < tok.size() && tok[k] == QLatin1Char('.')) {
        ++k;
        while (k < tok.size() && tok[k].unicode() >= '0' && tok[k].unicode() <= '9')
            fracPart.push_back(char(tok[k++].unicode()));
    }
    const std::string text = (intPart.empty() ? std::string("0") : intPart) +
                             (fracPart.empty() ? std::string() : "." + fracPart);
    double v = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Out of range is either too large, or too small to be anything but 0.
        if (intPart.find_first_not_of('0') != std::string::npos)
            return false;
        v = 0.0;
    }
    value = v;
    return true;
}

} // namespace

struct Cls6::Program {
    std::vector<Instr> code;
    std::vector<QString> badTokens;
    int32_t maxDepth = 0;
    // Read to its end with a value left and no random numbers drawn: the
    // buffers EvaluateRow takes.
    bool rowSafe = false;
};

namespace {

bool IsBinary(Op op) { return op >= OpAdd && op <= OpPow; }

} // namespace

namespace {

// Folds constant steps of a plain instruction list (one instruction per
// token); see Translate.
std::vector<Instr> FoldConstants(const std::vector<Instr>& plain)
{
    struct Value {
        bool constant;
        double k;
        bool finite; // known finite whatever the input
    };
    std::vector<Value> stack;
    std::vector<Instr> out;
    out.reserve(plain.size());
    auto angleFunction = [](uint8_t f) {
        return f == FnSin || f == FnCos || f == FnTan || f == FnSec || f == FnCsec || f == FnCtan;
    };
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const Instr& in = plain[i];
        if (in.op == OpPushK) {
            stack.push_back({true, in.k, true});
            out.push_back(in);
            continue;
        }
        if (in.op == OpPushV) {
            stack.push_back({false, 0.0, false});
            out.push_back(in);
            continue;
        }
        if (IsBinary(in.op) && stack.size() >= 2) {
            const Value b = stack.back();
            stack.pop_back();
            const Value a = stack.back();
            stack.pop_back();
            if (a.constant && b.constant) {
                double r = 0.0;
                Failure f = FailNone;
                bool fits = true;
                try {
                    switch (in.op) {
                    case OpAdd: r = Chk(a.k + b.k); break;
                    case OpSub: r = Chk(a.k - b.k); break;
                    case OpMul: r = Chk(a.k * b.k); break;
                    case OpDiv: f = Divide(a.k, b.k, r); break;
                    default: f = Power(a.k, b.k, r); break;
                    }
                } catch (const ExprError&) {
                    fits = false;
                }
                if (fits && f == FailNone) {
                    // The two constants are the last two instructions.
                    out.pop_back();
                    out.back() = Instr{OpPushK};
                    out.back().k = r;
                    stack.push_back({true, r, true});
                    continue;
                }
            } else if (b.constant && a.finite &&
                       (((in.op == OpMul || in.op == OpDiv || in.op == OpPow) && b.k == 1.0) ||
                        (in.op == OpSub && b.k == 0.0))) {
                out.pop_back(); // the constant; the operator is not written
                stack.push_back(a);
                continue;
            } else if (a.constant && b.finite && in.op == OpMul && a.k == 1.0) {
                // 1 * b: the constant stands right before b's instructions.
                std::size_t start = out.size();
                for (int need = 1; need > 0;) {
                    --start;
                    const Instr& o = out[start];
                    need += IsBinary(o.op) ? 1 : (o.op == OpPushK || o.op == OpPushV) ? -1 : 0;
                }
                out.erase(out.begin() + std::ptrdiff_t(start) - 1);
                stack.push_back(b);
                continue;
            }
            stack.push_back({false, 0.0, true}); // checked by the operator
            out.push_back(in);
            continue;
        }
        if ((in.op == OpNeg || in.op == OpSqr || in.op == OpFn || in.op == OpSin || in.op == OpCos) &&
            !stack.empty()) {
            Value& a = stack.back();
            if (a.constant && in.op != OpSin && in.op != OpCos &&
                !(in.op == OpFn && (angleFunction(in.sub) || in.sub == FnRnd))) {
                double r = 0.0;
                Failure f = FailNone;
                bool fits = true;
                try {
                    if (in.op == OpNeg)
                        r = -a.k;
                    else if (in.op == OpSqr)
                        f = a.k < 0 ? FailSqr : (r = std::sqrt(a.k), FailNone);
                    else
                        f = ApplyFunction(in.sub, a.k, false, r);
                } catch (const ExprError&) {
                    fits = false;
                }
                if (fits && f == FailNone && std::isfinite(r)) {
                    out.back().k = r;
                    a.k = r;
                    continue;
                }
            }
            // A function of a finite value is finite, or failed on its own.
            a.constant = false;
            a.finite = a.finite && in.op != OpFn;
            out.push_back(in);
            continue;
        }
        // An error instruction or the end: nothing after it is read.
        out.insert(out.end(), plain.begin() + std::ptrdiff_t(i), plain.end());
        break;
    }
    return out;
}

} // namespace

// Reads a postfix buffer into instructions. Anything that can only fail
// when it is reached (an unknown token, a pop of an empty stack, a number
// too large) becomes an instruction that raises its error there, so that
// a domain failure earlier in the buffer still wins, as it does when the
// buffer is read token by token.
void Cls6::Translate(const QString& buffer, Cls6::Program* p)
{
    std::vector<Instr> plain;
    int32_t depth = 0, maxDepth = 0;
    bool stopped = false;
    qsizetype start = 0;
    while (!stopped) {
        const qsizetype blank = buffer.indexOf(QLatin1Char(' '), start);
        if (blank < 0)
            break; // text after the last blank is never read
        const QStringView tok = QStringView(buffer).mid(start, blank - start);
        start = blank + 1;

        Instr in{OpPushK};
        int pops = 0;
        if (tok.isEmpty()) {
            in.op = OpPushK;
        } else if (const char16_t c0 = tok[0].unicode(); (c0 >= '0' && c0 <= '9') || c0 == '.' || c0 == ',') {
            double v = 0;
            if (ReadNumberToken(tok, v))
                in.k = v;
            else
                in.op = OpNumberOverflow;
        } else if (tok.size() == 1 && QStringLiteral("+-*/^").contains(tok[0])) {
            static const Op binary[] = {OpAdd, OpSub, OpMul, OpDiv, OpPow};
            in.op = binary[QStringLiteral("+-*/^").indexOf(tok[0])];
            pops = 2;
        } else if (const int f = FunctionIndex(tok); f >= 0) {
            in.op = f == FnSin ? OpSin : f == FnCos ? OpCos : f == FnSqr ? OpSqr : OpFn;
            in.sub = uint8_t(f);
            pops = 1;
        } else if (tok.size() == 2 && tok[0] == tok[1] && VariableIndex(tok[0]) >= 0) {
            in.op = OpPushV;
            in.sub = uint8_t(VariableIndex(tok[0]));
        } else if (tok == QLatin1StringView("(-)")) {
            in.op = OpNeg;
            pops = 1;
        } else {
            in.op = OpBadToken;
            in.n = int32_t(p->badTokens.size());
            p->badTokens.push_back(tok.toString());
            stopped = true;
        }
        if (!stopped && depth < pops) {
            in = Instr{OpStackError};
            stopped = true;
        }
        if (in.op == OpNumberOverflow)
            stopped = true;
        plain.push_back(in);
        if (!stopped) {
            depth += 1 - pops;
            maxDepth = std::max(maxDepth, depth);
        }
    }
    if (!stopped)
        plain.push_back(Instr{OpEnd});
    p->rowSafe = !stopped && depth >= 1 &&
                 std::none_of(plain.begin(), plain.end(), [](const Instr& in) {
                     return in.op == OpFn && in.sub == FnRnd;
                 });

    // Constant parts are worked out here, once: an operator whose operands
    // are all constants becomes the constant it gives, and a step that
    // leaves its operand as it is (times or divided by 1, to the power 1,
    // minus 0) is dropped. Only where the result is the same for every
    // input: a step that fails (divides by zero, overflows, leaves a
    // domain) stays, so it fails where and as it did; sin, cos and the
    // other angle functions depend on the degree mode, given only when the
    // buffer is evaluated; rnd is not a constant. A step is dropped only
    // when its operand is known to be finite, so no error is lost with it.
    plain = FoldConstants(plain);

    // A negated constant is a constant.
    std::vector<Instr> folded;
    for (const Instr& in : plain) {
        if (in.op == OpNeg && !folded.empty() && folded.back().op == OpPushK)
            folded.back().k = -folded.back().k;
        else
            folded.push_back(in);
    }

    // An operand pushed right before the operator that takes it.
    std::vector<Instr> fused;
    for (std::size_t k = 0; k < folded.size(); ++k) {
        const Instr& a = folded[k];
        if (k + 1 < folded.size() && (a.op == OpPushK || a.op == OpPushV) && IsBinary(folded[k + 1].op)) {
            Instr f = a;
            f.op = Op((a.op == OpPushK ? OpAddK : OpAddV) + (folded[k + 1].op - OpAdd));
            if (f.op == OpPowK) {
                // Same values as the general rule: 1 for a vanishing
                // exponent, products for small whole ones.
                if (std::fabs(a.k) < 1e-6)
                    f.op = OpPowOne;
                else if (a.k == 2)
                    f.op = OpSquare;
                else if (a.k == 3)
                    f.op = OpCube;
                else if (a.k == std::floor(a.k) && std::fabs(a.k) <= 16) {
                    f.op = OpPowWhole;
                    f.n = int32_t(a.k);
                }
            }
            fused.push_back(f);
            ++k;
            continue;
        }
        fused.push_back(a);
    }

    // A variable squared, cubed, or under sin or cos.
    std::vector<Instr>& code = p->code;
    for (std::size_t k = 0; k < fused.size(); ++k) {
        const Instr& a = fused[k];
        if (a.op == OpPushV && k + 1 < fused.size()) {
            const Op next = fused[k + 1].op;
            const Op combined = next == OpSquare ? OpVSquare
                                : next == OpCube ? OpVCube
                                : next == OpSin  ? OpVSin
                                : next == OpCos  ? OpVCos
                                                 : OpCount;
            if (combined != OpCount) {
                Instr f = a;
                f.op = combined;
                code.push_back(f);
                ++k;
                continue;
            }
        }
        code.push_back(a);
    }
    p->maxDepth = maxDepth;
}

// ------------------------------------------------------------------ compiler

Cls6::Cls6(const Cls6& other) : m_lastError(other.m_lastError), m_cache(other.m_cache) {}

Cls6& Cls6::operator=(const Cls6& other)
{
    if (this != &other) {
        m_lastError = other.m_lastError;
        m_cache = other.m_cache;
        m_nextSlot = 0;
        m_lastText = nullptr;
        m_lastSize = -1;
        m_lastProgram = nullptr;
    }
    return *this;
}

int32_t Cls6::GetOperatorPrecedence(const QString& token)
{
    if (token == QLatin1String("+") || token == QLatin1String("-"))
        return 1;
    if (token == QLatin1String("*") || token == QLatin1String("/"))
        return 2;
    if (token == QLatin1String("(-)"))
        return 3;
    if (token == QLatin1String("^"))
        return 4;
    if (FunctionIndex(token) >= 0)
        return 5;
    return 0;
}

bool Cls6::IsIdentStartChar(const QString& text)
{
    if (text.isEmpty())
        return true;
    return IsAsciiLetter(text[0]) || text[0] == QLatin1Char('_');
}

int32_t Cls6::SyntaxError(int32_t position, const QString& message)
{
    const int32_t shown = std::max<int32_t>(position, 1);
    m_lastError = message;
    ShowMessage(QStringLiteral("字符 ") + QString::number(shown) + QStringLiteral(":  ") + message,
                QStringLiteral("语法错误"), MsgIcon::Critical, MsgButtons::Ok);
    return shown;
}

int32_t Cls6::InfixToPostfix(const QString& sExpression, QString& sBuffer)
{
    // States: 0 start, 1 after an operand, 2 operand expected, 3 after "+"
    // or "-", 4 after a function name.
    Cls13 ops;
    int state = 0;
    int32_t open = 0;
    int32_t P = 1;
    const qsizetype len = sExpression.size();
    const QString errMissingOperator = QStringLiteral("缺少运算符。");

    auto write = [&](const QString& token) {
        sBuffer += token;
        sBuffer += QLatin1Char(' ');
    };
    auto unstack = [&](int32_t precedence) {
        while (ops.StackSize() > 0 && GetOperatorPrecedence(ops.GetPopValue().toString()) >= precedence)
            write(ops.Pop().toString());
    };
    auto implicitMultiply = [&] {
        unstack(2);
        ops.Push(QStringLiteral("*"));
    };
    auto isNumberChar = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || u == '.' || u == ',';
    };

    qsizetype j = 0; // 0-based index; the position shown is j + 1
    while (true) {
        if (j >= len) {
            P = int32_t(std::min<qsizetype>(len, INT32_MAX));
            if (state >= 2)
                return SyntaxError(P, errMissingOperator);
            if (open > 0)
                return SyntaxError(P, QStringLiteral("缺少闭括号。"));
            while (ops.StackSize() > 0)
                write(ops.Pop().toString());
            return 0;
        }
        const QChar c = sExpression[j];
        const char16_t u = c.unicode();
        const int32_t i = int32_t(std::min<qsizetype>(j + 1, INT32_MAX));

        if (u == '(') {
            if (state == 1) {
                implicitMultiply();
                state = 2;
            }
            if (state == 3 || state == 4)
                state = 2;
            ops.Push(QStringLiteral("("));
            ++open;
            P = i;
            ++j;
        } else if (u == ')') {
            if (state != 1)
                return SyntaxError(P, errMissingOperator);
            if (open == 0)
                return SyntaxError(P, QStringLiteral("括号不匹配。"));
            while (true) {
                const QString top = ops.Pop().toString();
                if (top == QLatin1String("("))
                    break;
                write(top);
            }
            --open;
            P = i;
            ++j;
        } else if (u == '+' || u == '-' || u == '*' || u == '/' || u == '^') {
            const QString op(c);
            if (state == 1) {
                unstack(GetOperatorPrecedence(op));
                ops.Push(op);
                state = (u == '+' || u == '-') ? 3 : 2;
            } else {
                if (state == 3 || (u != '+' && u != '-'))
                    return SyntaxError(P, errMissingOperator);
                if (u == '-')
                    ops.Push(QStringLiteral("(-)"));
                state = 3;
            }
            P = i;
            ++j;
        } else if (isNumberChar(c)) {
            if (state == 1)
                return SyntaxError(P, QStringLiteral("Operator expected"));
            qsizetype k = j;
            int separators = 0;
            while (k < len && isNumberChar(sExpression[k])) {
                if (sExpression[k].unicode() == '.' || sExpression[k].unicode() == ',') {
                    if (++separators == 2)
                        return SyntaxError(P, QStringLiteral("有多个小数点。"));
                }
                ++k;
            }
            P = int32_t(std::min<qsizetype>(k, INT32_MAX)) - 1; // index of the last character, minus 1
            if (k - j == 1 && separators == 1)
                return SyntaxError(P, QStringLiteral("计算元素非法。"));
            if (state == 4)
                return SyntaxError(P, QStringLiteral("缺少括号。"));
            write(sExpression.mid(j, k - j));
            state = 1;
            j = k;
        } else if (u <= 0x20) {
            ++j;
        } else {
            if (!IsIdentStartChar(QString(c)))
                return SyntaxError(P, QStringLiteral("字符未定义： "));
            qsizetype k = j;
            while (k < len && IsIdentStartChar(QString(sExpression[k])))
                ++k;
            const QString name = sExpression.mid(j, k - j);
            P = i - 1;
            if (state == 1)
                implicitMultiply();
            const QString upper = AsciiUpper(name);
            if (FunctionIndex(upper) >= 0) {
                ops.Push(upper);
                state = 4;
            } else if (upper == QLatin1String("PI")) {
                write(QStringLiteral("3.1415926"));
                state = 1;
            } else if (upper.size() == 1 && VariableIndex(upper[0]) >= 0) {
                write(upper + upper);
                state = 1;
            } else {
                return SyntaxError(P, QStringLiteral("未定义的字符 : '") + name + QLatin1Char('\''));
            }
            j = k;
        }
    }
}

// ----------------------------------------------------------------- evaluator

const Cls6::Program& Cls6::Remember(const CacheEntry& e)
{
    // The key keeps its text alive, so the address cannot be reused by
    // another buffer while the entry stands.
    m_lastText = e.key.data_ptr().data();
    m_lastSize = e.key.size();
    m_lastProgram = e.program.get();
    return *e.program;
}

[[gnu::noinline]] const Cls6::Program& Cls6::ProgramFor(const QString& buffer)
{
    // A buffer that shares its text with a cached key is the same buffer.
    for (std::size_t k = 0; k < m_cache.size(); ++k) {
        CacheEntry& e = m_cache[k];
        if (e.key.size() == buffer.size() &&
            (e.key.constData() == buffer.constData() || e.key == buffer)) {
            e.key = buffer; // share the caller's text, so the next look-up is a pointer compare
            return Remember(e);
        }
    }
    auto program = std::make_shared<Program>();
    Translate(buffer, program.get());
    constexpr std::size_t kSlots = 8;
    std::size_t slot;
    if (m_cache.size() < kSlots) {
        slot = m_cache.size();
        m_cache.push_back({buffer, std::move(program)});
    } else {
        slot = m_nextSlot;
        m_nextSlot = (m_nextSlot + 1) % kSlots;
        m_cache[slot] = {buffer, std::move(program)};
    }
    return Remember(m_cache[slot]);
}

bool Cls6::DoEvaluate(const QString& sExpression, bool bolDegree, float& sngResult, float sngU,
                      float sngV, float sngX, float sngY, float sngA, float sngR, float sngB,
                      float sngT, int32_t lngN)
{
    // prog is not touched after a message box is shown, so a nested
    // evaluation that replaces its cache entry does no harm. The buffer
    // evaluated last is checked first, by identity of its text.
    const Program& prog = m_lastText == sExpression.data_ptr().data() && m_lastSize == sExpression.size()
                              ? *m_lastProgram
                              : ProgramFor(sExpression);
    const float fvars[8] = {sngU, sngV, sngX, sngY, sngA, sngR, sngB, sngT};
    const double vars[9] = {fvars[0], fvars[1], fvars[2], fvars[3], fvars[4],
                            fvars[5], fvars[6], fvars[7], double(lngN)};

    double local[64];
    double* base = local;
    if (prog.maxDepth >= 64) {
        if (m_deepStack.size() <= std::size_t(prog.maxDepth))
            m_deepStack.resize(std::size_t(prog.maxDepth) + 1);
        base = m_deepStack.data();
    }
    double* s = base; // the stack's depth is s - base
    double top = 0.0;
    Failure fail = FailNone;
    const Instr* ip = prog.code.data();

    // Threaded dispatch: one indirect jump per instruction.
    static const void* const dispatch[] = {
        &&PushK, &&PushV,
        &&Add, &&Sub, &&Mul, &&Div, &&Pow,
        &&AddK, &&SubK, &&MulK, &&DivK, &&PowK,
        &&AddV, &&SubV, &&MulV, &&DivV, &&PowV,
        &&PowOne, &&Square, &&Cube, &&PowWhole,
        &&VSquare, &&VCube, &&VSin, &&VCos,
        &&Neg,
        &&Sin, &&Cos, &&Sqr, &&Fn,
        &&BadToken, &&StackError, &&NumberOverflow,
        &&End,
    };
    static_assert(sizeof dispatch / sizeof dispatch[0] == OpCount);
#define QG_NEXT() goto* dispatch[(++ip)->op]
    goto* dispatch[ip->op];

// The top of the stack lives in `top`; base[1 .. depth-1] hold the values
// below it (base[0] receives the undefined top of the empty stack).
PushK: *s++ = top; top = ip->k; QG_NEXT();
PushV: *s++ = top; top = vars[ip->sub]; QG_NEXT();
Add: top = Chk(*--s + top); QG_NEXT();
Sub: top = Chk(*--s - top); QG_NEXT();
Mul: top = Chk(*--s * top); QG_NEXT();
Div:
    if ((fail = Divide(s[-1], top, top)))
        goto domain;
    --s;
    QG_NEXT();
Pow:
    if ((fail = Power(s[-1], top, top)))
        goto domain;
    --s;
    QG_NEXT();
AddK: top = Chk(top + ip->k); QG_NEXT();
SubK: top = Chk(top - ip->k); QG_NEXT();
MulK: top = Chk(top * ip->k); QG_NEXT();
DivK:
    if ((fail = Divide(top, ip->k, top)))
        goto domain;
    QG_NEXT();
PowK:
    if ((fail = Power(top, ip->k, top)))
        goto domain;
    QG_NEXT();
AddV: top = Chk(top + vars[ip->sub]); QG_NEXT();
SubV: top = Chk(top - vars[ip->sub]); QG_NEXT();
MulV: top = Chk(top * vars[ip->sub]); QG_NEXT();
DivV:
    if ((fail = Divide(top, vars[ip->sub], top)))
        goto domain;
    QG_NEXT();
PowV:
    if ((fail = Power(top, vars[ip->sub], top)))
        goto domain;
    QG_NEXT();
PowOne: top = 1.0; QG_NEXT();
Square: top = Chk(top * top); QG_NEXT();
Cube: top = Chk(top * top * top); QG_NEXT();
PowWhole: top = WholePower(top, ip->n); QG_NEXT();
VSquare: {
    *s++ = top;
    const double v = vars[ip->sub];
    top = Chk(v * v);
    QG_NEXT();
}
VCube: {
    *s++ = top;
    const double v = vars[ip->sub];
    top = Chk(v * v * v);
    QG_NEXT();
}
VSin: {
    *s++ = top;
    const double v = vars[ip->sub];
    top = std::sin(bolDegree ? ToRadians(v) : v);
    QG_NEXT();
}
VCos: {
    *s++ = top;
    const double v = vars[ip->sub];
    top = std::cos(bolDegree ? ToRadians(v) : v);
    QG_NEXT();
}
Neg: top = -top; QG_NEXT();
Sin: top = std::sin(bolDegree ? ToRadians(top) : top); QG_NEXT();
Cos: top = std::cos(bolDegree ? ToRadians(top) : top); QG_NEXT();
Sqr:
    if (top < 0) {
        fail = FailSqr;
        goto domain;
    }
    top = std::sqrt(top);
    QG_NEXT();
Fn:
    if ((fail = ApplyFunction(ip->sub, top, bolDegree, top)))
        goto domain;
    QG_NEXT();
#undef QG_NEXT
BadToken:
    throw ExprError(ErrBadToken, QStringLiteral("符号非法: ") + prog.badTokens[std::size_t(ip->n)]);
StackError:
    throw ExprError(Cls13::ErrPopEmpty, QStringLiteral("在空栈上调用Pop方法。"));
NumberOverflow:
    throw ExprError(ErrOverflow, QStringLiteral("溢出"));
End: {
    if (s == base)
        return false;
    const double d = top;
    // Beyond this the value rounds to an infinite float.
    if (!(std::fabs(d) < 0x1.ffffffp127))
        RaiseArithmetic(std::isnan(d) ? d : HUGE_VAL);
    sngResult = static_cast<float>(d);
    return true;
}

domain:
    if (fail == FailSilent || !g_ReportEvalErrors) {
        sngResult = UndefinedSample;
        return true;
    }
    ShowMessage(FailureMessage(fail), QStringLiteral("出错"), MsgIcon::Critical, MsgButtons::Ok);
    return false;
}

// ------------------------------------------------------------- row evaluator

bool Cls6::CanEvaluateRow(const QString& sExpression)
{
    return !g_ReportEvalErrors && ProgramFor(sExpression).rowSafe;
}

namespace {

constexpr int kRowLanes = 256;
using Outcome = Cls6::RowOutcome;

// The first failure of a point decides its outcome, as the per-point
// evaluator stops at it; later steps of that point are computed but unused.
inline void Fail(Outcome& o, Outcome why)
{
    if (o == Outcome::Value)
        o = why;
}

// A step of a scalar helper that may throw (Chk) or fail in its domain.
template <class F>
inline void Guarded(Outcome& o, F&& step)
{
    try {
        const Failure f = step();
        if (f != FailNone)
            Fail(o, Outcome::Undefined);
    } catch (const ExprError&) {
        Fail(o, Outcome::Error);
    }
}

} // namespace

void Cls6::EvaluateRow(const QString& sExpression, bool bolDegree, const float fixed[8],
                       int32_t lngN, int varying, const float* values, int count, float* out,
                       RowOutcome* outcome)
{
    const Program& prog = m_lastText == sExpression.data_ptr().data() && m_lastSize == sExpression.size()
                              ? *m_lastProgram
                              : ProgramFor(sExpression);
    double vars[9];
    for (int k = 0; k < 8; ++k)
        vars[k] = fixed[k];
    vars[8] = double(lngN);
    const std::size_t depth = std::size_t(prog.maxDepth) + 1;
    if (m_rowStack.size() < depth * kRowLanes)
        m_rowStack.resize(depth * kRowLanes);
    double vary[kRowLanes];
    // A stack slot that is the same at every point of the row (it depends
    // on no varying value) is worked out once, in its first lane.
    std::vector<char> uniformSlots(depth);
    char* uniform = uniformSlots.data();

    for (int first = 0; first < count; first += kRowLanes) {
        const int n = std::min(kRowLanes, count - first);
        for (int i = 0; i < n; ++i)
            vary[i] = values[first + i];
        Outcome rowSt[kRowLanes] = {};
        // rows[d] holds stack slot d of every point; sp is the depth.
        double* rows = m_rowStack.data();
        int sp = 0;
        auto row = [&](int d) { return rows + std::size_t(d) * kRowLanes; };
        auto spread = [&](int d) {
            if (uniform[d]) {
                double* r = row(d);
                for (int i = 1; i < n; ++i)
                    r[i] = r[0];
                uniform[d] = 0;
            }
        };

        for (const Instr* ip = prog.code.data(); ip->op != OpEnd; ++ip) {
            const Instr& in = *ip;
            // Operands this instruction takes from the stack, and whether it
            // reads the varying value itself.
            int pops = 0;
            bool readsVarying = false;
            switch (in.op) {
            case OpPushK: break;
            case OpPushV: case OpVSquare: case OpVCube: case OpVSin: case OpVCos:
                readsVarying = in.sub == varying;
                break;
            case OpAdd: case OpSub: case OpMul: case OpDiv: case OpPow: pops = 2; break;
            case OpAddV: case OpSubV: case OpMulV: case OpDivV: case OpPowV:
                readsVarying = in.sub == varying;
                pops = 1;
                break;
            default: pops = 1; break;
            }
            bool once = !readsVarying;
            for (int k = 1; k <= pops; ++k)
                once = once && uniform[sp - k];
            // Add, subtract and multiply take a uniform operand as it is.
            const bool simple = in.op == OpAdd || in.op == OpSub || in.op == OpMul;
            if (!once && !simple)
                for (int k = 1; k <= pops; ++k)
                    spread(sp - k);
            const int lanes = once ? 1 : n;
            Outcome onceSt = Outcome::Value;
            Outcome* st = once ? &onceSt : rowSt;
            auto variable = [&](uint8_t v, int i) { return v == varying ? vary[i] : vars[v]; };
            // One pass that vectorises finds whether any point left the
            // finite range; only then are the points looked at one by one.
            auto check = [&](const double* r) {
                int any = 0;
                for (int i = 0; i < lanes; ++i)
                    any |= !(std::fabs(r[i]) <= std::numeric_limits<double>::max());
                if (any) [[unlikely]]
                    for (int i = 0; i < lanes; ++i)
                        if (!std::isfinite(r[i]))
                            Fail(st[i], Outcome::Error);
            };
            auto radians = [&](double& x, Outcome& o) {
                if (bolDegree)
                    Guarded(o, [&] { x = ToRadians(x); return FailNone; });
            };

            switch (in.op) {
            case OpPushK: {
                double* r = row(sp++);
                for (int i = 0; i < lanes; ++i)
                    r[i] = in.k;
                break;
            }
            case OpPushV: {
                double* r = row(sp++);
                const double* v = readsVarying ? vary : vars + in.sub;
                for (int i = 0; i < lanes; ++i)
                    r[i] = v[i];
                break;
            }
            case OpAdd: case OpSub: case OpMul: {
                double* a = row(sp - 2);
                const double* b = row(sp - 1);
                const bool aOne = !once && uniform[sp - 2];
                const bool bOne = !once && uniform[sp - 1];
                --sp;
                if (aOne) {
                    const double k = a[0];
                    if (in.op == OpAdd)
                        for (int i = 0; i < lanes; ++i) a[i] = k + b[i];
                    else if (in.op == OpSub)
                        for (int i = 0; i < lanes; ++i) a[i] = k - b[i];
                    else
                        for (int i = 0; i < lanes; ++i) a[i] = k * b[i];
                } else if (bOne) {
                    const double k = b[0];
                    if (in.op == OpAdd)
                        for (int i = 0; i < lanes; ++i) a[i] += k;
                    else if (in.op == OpSub)
                        for (int i = 0; i < lanes; ++i) a[i] -= k;
                    else
                        for (int i = 0; i < lanes; ++i) a[i] *= k;
                } else if (in.op == OpAdd) {
                    for (int i = 0; i < lanes; ++i) a[i] += b[i];
                } else if (in.op == OpSub) {
                    for (int i = 0; i < lanes; ++i) a[i] -= b[i];
                } else {
                    for (int i = 0; i < lanes; ++i) a[i] *= b[i];
                }
                check(a);
                break;
            }
            case OpDiv: case OpPow: {
                double* a = row(sp - 2);
                const double* b = row(sp - 1);
                --sp;
                for (int i = 0; i < lanes; ++i)
                    Guarded(st[i], [&] {
                        return in.op == OpDiv ? Divide(a[i], b[i], a[i]) : Power(a[i], b[i], a[i]);
                    });
                break;
            }
            case OpAddK: case OpSubK: case OpMulK: {
                double* a = row(sp - 1);
                const double k = in.k;
                if (in.op == OpAddK)
                    for (int i = 0; i < lanes; ++i) a[i] += k;
                else if (in.op == OpSubK)
                    for (int i = 0; i < lanes; ++i) a[i] -= k;
                else
                    for (int i = 0; i < lanes; ++i) a[i] *= k;
                check(a);
                break;
            }
            case OpDivK: case OpPowK: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i)
                    Guarded(st[i], [&] {
                        return in.op == OpDivK ? Divide(a[i], in.k, a[i]) : Power(a[i], in.k, a[i]);
                    });
                break;
            }
            case OpAddV: case OpSubV: case OpMulV: {
                double* a = row(sp - 1);
                if (readsVarying) {
                    if (in.op == OpAddV)
                        for (int i = 0; i < lanes; ++i) a[i] += vary[i];
                    else if (in.op == OpSubV)
                        for (int i = 0; i < lanes; ++i) a[i] -= vary[i];
                    else
                        for (int i = 0; i < lanes; ++i) a[i] *= vary[i];
                } else {
                    const double v = vars[in.sub];
                    if (in.op == OpAddV)
                        for (int i = 0; i < lanes; ++i) a[i] += v;
                    else if (in.op == OpSubV)
                        for (int i = 0; i < lanes; ++i) a[i] -= v;
                    else
                        for (int i = 0; i < lanes; ++i) a[i] *= v;
                }
                check(a);
                break;
            }
            case OpDivV: case OpPowV: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i) {
                    const double v = variable(in.sub, i);
                    Guarded(st[i], [&] {
                        return in.op == OpDivV ? Divide(a[i], v, a[i]) : Power(a[i], v, a[i]);
                    });
                }
                break;
            }
            case OpPowOne: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i)
                    a[i] = 1.0;
                break;
            }
            case OpSquare: case OpCube: {
                double* a = row(sp - 1);
                if (in.op == OpSquare)
                    for (int i = 0; i < lanes; ++i) a[i] = a[i] * a[i];
                else
                    for (int i = 0; i < lanes; ++i) a[i] = a[i] * a[i] * a[i];
                check(a);
                break;
            }
            case OpPowWhole: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i)
                    Guarded(st[i], [&] { a[i] = WholePower(a[i], in.n); return FailNone; });
                break;
            }
            case OpVSquare: case OpVCube: {
                double* r = row(sp++);
                const double* v = readsVarying ? vary : vars + in.sub;
                if (in.op == OpVSquare)
                    for (int i = 0; i < lanes; ++i) r[i] = v[i] * v[i];
                else
                    for (int i = 0; i < lanes; ++i) r[i] = v[i] * v[i] * v[i];
                check(r);
                break;
            }
            case OpVSin: case OpVCos: {
                double* r = row(sp++);
                for (int i = 0; i < lanes; ++i) {
                    double v = variable(in.sub, i);
                    radians(v, st[i]);
                    r[i] = in.op == OpVSin ? std::sin(v) : std::cos(v);
                }
                break;
            }
            case OpNeg: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i)
                    a[i] = -a[i];
                break;
            }
            case OpSin: case OpCos: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i) {
                    double v = a[i];
                    radians(v, st[i]);
                    a[i] = in.op == OpSin ? std::sin(v) : std::cos(v);
                }
                break;
            }
            case OpSqr: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i) {
                    if (a[i] < 0) {
                        Fail(st[i], Outcome::Undefined);
                        a[i] = 0.0;
                    } else {
                        a[i] = std::sqrt(a[i]);
                    }
                }
                break;
            }
            case OpFn: {
                double* a = row(sp - 1);
                for (int i = 0; i < lanes; ++i)
                    Guarded(st[i], [&] { return ApplyFunction(in.sub, a[i], bolDegree, a[i]); });
                break;
            }
            default: // the rest never stands in a row-safe buffer
                break;
            }
            uniform[sp - 1] = once;
            // A failure worked out once is the failure of every point at
            // this step.
            if (once && onceSt != Outcome::Value)
                for (int i = 0; i < n; ++i)
                    Fail(rowSt[i], onceSt);
        }

        // Beyond this the value rounds to an infinite float: an error.
        spread(sp - 1);
        const double* top = row(sp - 1);
        float* o = out + first;
        Outcome* oc = outcome + first;
        for (int i = 0; i < n; ++i) {
            const bool fits = std::fabs(top[i]) < 0x1.ffffffp127;
            const Outcome r = rowSt[i] != Outcome::Value ? rowSt[i] : fits ? Outcome::Value : Outcome::Error;
            oc[i] = r;
            o[i] = r == Outcome::Value ? static_cast<float>(top[i]) : UndefinedSample;
        }
    }
}
