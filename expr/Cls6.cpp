#include "expr/Cls6.h"

#include "expr/Cls13.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
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

enum Op : uint8_t {
    OpPushK, OpPushV,
    OpAdd, OpSub, OpMul, OpDiv, OpPow,
    OpAddK, OpSubK, OpMulK, OpDivK, OpPowK,
    OpAddV, OpSubV, OpMulV, OpDivV, OpPowV,
    OpNeg,
    OpSin, OpCos, OpSqr, OpFn,
    OpBadToken, OpStackError, OpNumberOverflow,
    OpEnd,
};

// How "^" with a constant exponent is computed.
enum PowMode : uint8_t { PowGeneral, PowOne, PowWhole };

struct Instr {
    Op op;
    uint8_t sub = 0;  // variable index, function, or power mode
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

inline double WholePower(double a, int32_t n)
{
    const bool negative = n < 0;
    uint32_t e = negative ? uint32_t(-n) : uint32_t(n);
    double result = 1.0, base = a;
    while (true) {
        if (e & 1u)
            result = Chk(result * base);
        e >>= 1;
        if (!e)
            break;
        base = Chk(base * base);
    }
    return negative ? Chk(1.0 / result) : result;
}

// The less frequent functions. x is the operand, r receives the value.
Failure ApplyFunction(uint8_t fn, double x, bool degree, double& r)
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
};

namespace {

bool IsBinary(Op op) { return op >= OpAdd && op <= OpPow; }

// Reads a postfix buffer into instructions. Anything that can only fail
// when it is reached (an unknown token, a pop of an empty stack, a number
// too large) becomes an instruction that raises its error there, so that
// a domain failure earlier in the buffer still wins, as it does when the
// buffer is read token by token.
} // namespace

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

    // Fold an operand pushed right before the operator that takes it.
    std::vector<Instr>& code = p->code;
    for (std::size_t k = 0; k < plain.size(); ++k) {
        const Instr& a = plain[k];
        if (k + 1 < plain.size() && (a.op == OpPushK || a.op == OpPushV)) {
            const Instr& b = plain[k + 1];
            if (a.op == OpPushK && b.op == OpNeg) {
                Instr f = a;
                f.k = -a.k;
                plain[k + 1] = f; // may fold further with what follows
                continue;
            }
            if (IsBinary(b.op)) {
                Instr f = a;
                const int rel = b.op - OpAdd;
                f.op = Op((a.op == OpPushK ? OpAddK : OpAddV) + rel);
                if (f.op == OpPowK) {
                    if (std::fabs(a.k) < 1e-6)
                        f.sub = PowOne;
                    else if (a.k == std::floor(a.k) && std::fabs(a.k) <= 16) {
                        f.sub = PowWhole;
                        f.n = int32_t(a.k);
                    } else
                        f.sub = PowGeneral;
                }
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

const Cls6::Program& Cls6::ProgramFor(const QString& buffer)
{
    // A buffer that shares its text with a cached key is the same buffer.
    if (m_lastHit < m_cache.size()) {
        const CacheEntry& e = m_cache[m_lastHit];
        if (e.key.constData() == buffer.constData() && e.key.size() == buffer.size())
            return *e.program;
    }
    for (std::size_t k = 0; k < m_cache.size(); ++k) {
        CacheEntry& e = m_cache[k];
        if (e.key.size() == buffer.size() &&
            (e.key.constData() == buffer.constData() || e.key == buffer)) {
            e.key = buffer; // share the caller's text, so the next look-up is a pointer compare
            m_lastHit = k;
            return *e.program;
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
    m_lastHit = slot;
    return *m_cache[slot].program;
}

bool Cls6::DoEvaluate(const QString& sExpression, bool bolDegree, float& sngResult, float sngU,
                      float sngV, float sngX, float sngY, float sngA, float sngR, float sngB,
                      float sngT, int32_t lngN)
{
    // prog is not touched after a message box is shown, so a nested
    // evaluation that replaces its cache entry does no harm.
    const Program& prog = ProgramFor(sExpression);
    const double vars[9] = {sngU, sngV, sngX, sngY, sngA, sngR, sngB, sngT, double(lngN)};

    double local[64];
    double* base = local;
    if (prog.maxDepth > 64) {
        if (m_deepStack.size() < std::size_t(prog.maxDepth))
            m_deepStack.resize(std::size_t(prog.maxDepth));
        base = m_deepStack.data();
    }
    double* s = base; // next free slot
    Failure fail = FailNone;

    for (const Instr* ip = prog.code.data();; ++ip) {
        switch (ip->op) {
        case OpPushK: *s++ = ip->k; break;
        case OpPushV: *s++ = vars[ip->sub]; break;
        case OpAdd: s[-2] = Chk(s[-2] + s[-1]); --s; break;
        case OpSub: s[-2] = Chk(s[-2] - s[-1]); --s; break;
        case OpMul: s[-2] = Chk(s[-2] * s[-1]); --s; break;
        case OpDiv:
            if ((fail = Divide(s[-2], s[-1], s[-2])))
                goto domain;
            --s;
            break;
        case OpPow:
            if ((fail = Power(s[-2], s[-1], s[-2])))
                goto domain;
            --s;
            break;
        case OpAddK: s[-1] = Chk(s[-1] + ip->k); break;
        case OpSubK: s[-1] = Chk(s[-1] - ip->k); break;
        case OpMulK: s[-1] = Chk(s[-1] * ip->k); break;
        case OpDivK:
            if ((fail = Divide(s[-1], ip->k, s[-1])))
                goto domain;
            break;
        case OpPowK:
            if (ip->sub == PowOne)
                s[-1] = 1.0;
            else if (ip->sub == PowWhole)
                s[-1] = WholePower(s[-1], ip->n);
            else if ((fail = Power(s[-1], ip->k, s[-1])))
                goto domain;
            break;
        case OpAddV: s[-1] = Chk(s[-1] + vars[ip->sub]); break;
        case OpSubV: s[-1] = Chk(s[-1] - vars[ip->sub]); break;
        case OpMulV: s[-1] = Chk(s[-1] * vars[ip->sub]); break;
        case OpDivV:
            if ((fail = Divide(s[-1], vars[ip->sub], s[-1])))
                goto domain;
            break;
        case OpPowV:
            if ((fail = Power(s[-1], vars[ip->sub], s[-1])))
                goto domain;
            break;
        case OpNeg: s[-1] = -s[-1]; break;
        case OpSin: s[-1] = std::sin(bolDegree ? ToRadians(s[-1]) : s[-1]); break;
        case OpCos: s[-1] = std::cos(bolDegree ? ToRadians(s[-1]) : s[-1]); break;
        case OpSqr:
            if (s[-1] < 0) {
                fail = FailSqr;
                goto domain;
            }
            s[-1] = std::sqrt(s[-1]);
            break;
        case OpFn:
            if ((fail = ApplyFunction(ip->sub, s[-1], bolDegree, s[-1])))
                goto domain;
            break;
        case OpBadToken:
            throw ExprError(ErrBadToken, QStringLiteral("符号非法: ") + prog.badTokens[std::size_t(ip->n)]);
        case OpStackError:
            throw ExprError(Cls13::ErrPopEmpty, QStringLiteral("在空栈上调用Pop方法。"));
        case OpNumberOverflow:
            throw ExprError(ErrOverflow, QStringLiteral("溢出"));
        case OpEnd: {
            if (s == base)
                return false;
            const double d = s[-1];
            // Beyond this the value rounds to an infinite float.
            if (!(std::fabs(d) < 0x1.ffffffp127))
                RaiseArithmetic(std::isnan(d) ? d : HUGE_VAL);
            sngResult = static_cast<float>(d);
            return true;
        }
        }
    }

domain:
    if (fail == FailSilent || !g_ReportEvalErrors) {
        sngResult = UndefinedSample;
        return true;
    }
    ShowMessage(FailureMessage(fail), QStringLiteral("出错"), MsgIcon::Critical, MsgButtons::Ok);
    return false;
}
