// Symbolic differentiation of expression text of one variable.
#include "expr/Der.h"

#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "platform/MessageBox.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

// Rank of a negation while it waits on the parser's working stack. It binds
// weaker than "^" and tighter than "*" and "/" (as the compiler's sign does),
// and leaves the stack as an ordinary "-" of rank 2.
constexpr int16_t kNegationOnStack = 7;

// Binding strength on the working stack, doubled so that the negation can
// sit between "*" (4) and "^" (6).
int StackStrength(int16_t rank)
{
    return rank == kNegationOnStack ? 5 : rank * 2;
}

void MoveToOut(clsPolish& out, int16_t rank, const QString& data)
{
    if (rank == kNegationOnStack)
        out.Append(PolishRankMul, QStringLiteral("-"));
    else
        out.Append(rank, data);
}

struct NamedToken {
    const char* name;
    int16_t rank;
    const char* data;
};

// The names the differentiator has rules for, compared after upper-casing.
const NamedToken kNames[] = {
    {"PI", PolishRankOperand, "3.1416"},
    {"X", PolishRankOperand, "x"},       {"Y", PolishRankOperand, "y"},
    {"A", PolishRankOperand, "a"},       {"R", PolishRankOperand, "r"},
    {"U", PolishRankOperand, "u"},
    {"EXP", PolishRankFunction, "exp"},  {"SQR", PolishRankFunction, "sqr"},
    {"LOG", PolishRankFunction, "log"},  {"SIN", PolishRankFunction, "sin"},
    {"COS", PolishRankFunction, "cos"},  {"TAN", PolishRankFunction, "tan"},
    {"CTAN", PolishRankFunction, "ctan"}, {"SEC", PolishRankFunction, "sec"},
    {"CSEC", PolishRankFunction, "csec"}, {"ASIN", PolishRankFunction, "asin"},
    {"ACOS", PolishRankFunction, "acos"}, {"ATAN", PolishRankFunction, "atan"},
    {"ACTAN", PolishRankFunction, "actan"}, {"SINH", PolishRankFunction, "sinh"},
    {"COSH", PolishRankFunction, "cosh"}, {"TANH", PolishRankFunction, "tanh"},
    {"CTANH", PolishRankFunction, "ctanh"}, {"SECH", PolishRankFunction, "sech"},
    {"CSECH", PolishRankFunction, "csech"}, {"ASINH", PolishRankFunction, "asinh"},
    {"ACOSH", PolishRankFunction, "acosh"}, {"ATANH", PolishRankFunction, "atanh"},
    {"ASECH", PolishRankFunction, "asech"}, {"ACSECH", PolishRankFunction, "acsech"},
    {"ACTANH", PolishRankFunction, "actanh"},
};

const NamedToken* FindName(const QString& upper)
{
    for (const NamedToken& t : kNames)
        if (upper == QLatin1String(t.name))
            return &t;
    return nullptr;
}

bool IsOperatorChar(QChar c)
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^' || c == u'(' ||
           c == u')' || c == u'#';
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsUpperLetter(QChar c) { return c >= u'A' && c <= u'Z'; }

// The number a name that starts with a digit or "." stands for, written back
// as plain decimal text (15 significant digits, never an exponent form, so
// that both the compiler and this parser read it again). Empty when the name
// holds anything after the number but blanks.
// True when digits is already written the way NumberTokenText writes it:
// no leading zero before another digit, no trailing zero or point after a
// point, at most 15 digits.
bool IsPlainNumber(const QString& digits)
{
    const qsizetype n = digits.size();
    if (n == 0 || n > 15 || digits[0] == u'.' || digits[n - 1] == u'.')
        return false;
    const qsizetype point = digits.indexOf(u'.');
    if (digits[0] == u'0' && n > 1 && point != 1)
        return false;
    return point < 0 || digits[n - 1] != u'0';
}

QString NumberTokenText(const QString& w)
{
    int i = 0;
    bool point = false;
    while (i < w.size() && (IsDigit(w[i]) || (w[i] == u'.' && !point))) {
        if (w[i] == u'.')
            point = true;
        ++i;
    }
    for (int k = i; k < w.size(); ++k)
        if (w[k].unicode() > 0x20)
            return {};
    QString digits = w.left(i);
    if (IsPlainNumber(digits))
        return digits;
    if (digits == QLatin1String("."))
        digits = QStringLiteral("0");
    const double v = digits.toDouble();
    // to_chars writes a "." whatever the process locale (printf would follow
    // a user locale with a decimal comma).
    char buf[400];
    auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15).ptr;
    QString text = QString::fromLatin1(buf, end - buf);
    if (text.contains(u'e')) {
        // Very large or very small: fixed notation with 15 significant digits.
        const int mag = static_cast<int>(std::floor(std::log10(v)));
        const int decimals = std::max(0, 14 - mag);
        end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr;
        text = QString::fromLatin1(buf, end - buf);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    return text;
}

bool FinishWithError(QString& errText, const QString& message, clsPolish& result)
{
    errText = message;
    result.Clear();
    return false;
}

// True when s reads entirely as a number: optional sign, digits with at most
// one ".", at least one digit.
bool IsNumericText(const QString& s, double& value)
{
    int i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            digit = true;
        else if (s[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    if (!digit)
        return false;
    value = s.toDouble();
    return true;
}

// Number text of a 32-bit float that the compiler and the parser both read
// back: the program's number text, with an exponent form (8 or more integer
// digits) written out in full.
QString ExponentTextUncached(float c)
{
    const QString t = NumberText(c);
    const qsizetype e = t.indexOf(u'E');
    if (e < 0)
        return t;
    const bool negative = t.startsWith(u'-');
    QString mantissa = t.mid(negative ? 1 : 0, e - (negative ? 1 : 0));
    const int exp10 = t.mid(e + 1).toInt();
    mantissa.remove(u'.');
    // mantissa is d.ddd with the point after its first digit
    while (mantissa.size() < exp10 + 1)
        mantissa.append(u'0');
    return (negative ? QStringLiteral("-") : QString()) + mantissa;
}

// Exponents repeat (2 and 1, 0.5 and -0.5 ...) and the exact formatting of a
// float is costly, so each text is made once per thread.
QString ExponentText(float c)
{
    if (c == std::trunc(c) && std::fabs(c) < 1e7f)
        return QString::number(static_cast<int>(c));
    thread_local QHash<float, QString> cache;
    auto it = cache.constFind(c);
    if (it != cache.constEnd())
        return *it;
    const QString text = ExponentTextUncached(c);
    if (cache.size() < 4096)
        cache.insert(c, text);
    return text;
}

// ---- Differentiation on ranges of one list -------------------------------

// First position of the operand that ends just before position end, not
// looking before lo; -1 when the list is not well formed there.
int OperandStart(const clsPolish& src, int end, int lo)
{
    int need = 1;
    int p = end;
    while (need != 0) {
        --p;
        if (p < lo)
            return -1;
        const int16_t rank = src.GetRank(p);
        if (rank == PolishRankOperand)
            --need;
        else if (rank != PolishRankFunction)
            ++need;
    }
    return p;
}

struct Range {
    int first;
    int last; // empty when first > last
    bool Empty() const { return first > last; }
};

// The fixed tokens the rules add, made once so that every rule shares their
// storage instead of building the same short texts again.
enum Fixed {
    K0, K1, K2, KMinus1, KHalf, KAdd, KSub, KMul, KDiv, KPow, KLog, KMin, KSqr, KExp,
    KSin, KCos, KSec, KCsec, KTan, KCtan, KSinh, KCosh, KTanh, KCtanh, KSech, KCsech,
    KFixedCount
};

struct FixedToken {
    int16_t rank;
    QString data;
};

const FixedToken& FixedTokenOf(Fixed k)
{
    static const FixedToken table[KFixedCount] = {
        {PolishRankOperand, "0"},      {PolishRankOperand, "1"},
        {PolishRankOperand, "2"},      {PolishRankOperand, "-1"},
        {PolishRankOperand, "0.5"},    {PolishRankAdd, "+"},
        {PolishRankAdd, "-"},          {PolishRankMul, "*"},
        {PolishRankMul, "/"},          {PolishRankPow, "^"},
        {PolishRankFunction, "Log"},   {PolishRankFunction, "min"},
        {PolishRankFunction, "sqr"},   {PolishRankFunction, "exp"},
        {PolishRankFunction, "sin"},   {PolishRankFunction, "cos"},
        {PolishRankFunction, "sec"},   {PolishRankFunction, "csec"},
        {PolishRankFunction, "tan"},   {PolishRankFunction, "ctan"},
        {PolishRankFunction, "sinh"},  {PolishRankFunction, "cosh"},
        {PolishRankFunction, "tanh"},  {PolishRankFunction, "ctanh"},
        {PolishRankFunction, "sech"},  {PolishRankFunction, "csech"},
    };
    return table[k];
}

void Put(clsPolish& out, Fixed k)
{
    const FixedToken& t = FixedTokenOf(k);
    out.Append(t.rank, t.data);
}

class Differentiator {
public:
    explicit Differentiator(const clsPolish& src) : m_src(src) {}

    void Diff(Range r, clsPolish& out) const
    {
        if (r.Empty()) {
            Num(out, K0);
            return;
        }
        const QString& s = m_src.GetData(r.last);
        const int16_t rank = m_src.GetRank(r.last);
        if (rank >= PolishRankAdd && rank <= PolishRankPow && s.size() == 1) {
            const Range q = OperandOf(r, r.last);
            const Range p = q.Empty() ? Range{0, -1} : OperandOf(r, q.first);
            Binary(s[0], p, q, out);
            return;
        }
        if (rank == PolishRankFunction) {
            const Range p = OperandOf(r, r.last);
            Function(s, p, out);
            return;
        }
        if (rank == PolishRankOperand && s.size() == 1 &&
            (s[0] == u'x' || s[0] == u'y' || s[0] == u'a' || s[0] == u'r' || s[0] == u'u')) {
            Num(out, K1);
            return;
        }
        Num(out, K0);
    }

private:
    Range OperandOf(Range r, int end) const
    {
        const int start = OperandStart(m_src, end, r.first);
        if (start < 0)
            return {0, -1};
        return {start, end - 1};
    }

    void Copy(const Range& r, clsPolish& out) const { out.AppendRange(m_src, r.first, r.last); }
    static void Num(clsPolish& out, Fixed k) { Put(out, k); }
    static void Op(clsPolish& out, Fixed k) { Put(out, k); }
    static void Fn(clsPolish& out, Fixed k) { Put(out, k); }

    // A constant exponent: one number token, or the negation of one ("0" N "-").
    bool ConstantExponent(const Range& q, double& value) const
    {
        const int n = q.last - q.first + 1;
        if (n == 1 && m_src.GetRank(q.first) == PolishRankOperand)
            return IsNumericText(m_src.GetData(q.first), value);
        if (n == 3 && m_src.GetRank(q.first) == PolishRankOperand &&
            m_src.GetData(q.first) == QLatin1String("0") &&
            m_src.GetRank(q.first + 1) == PolishRankOperand &&
            m_src.GetRank(q.last) == PolishRankMul && m_src.GetData(q.last) == QLatin1String("-")) {
            double v = 0;
            if (!IsNumericText(m_src.GetData(q.first + 1), v))
                return false;
            value = -v;
            return true;
        }
        return false;
    }

    void Binary(QChar op, const Range& p, const Range& q, clsPolish& out) const
    {
        switch (op.unicode()) {
        case u'+':
        case u'-':
            Diff(p, out);
            Diff(q, out);
            Op(out, op == u'+' ? KAdd : KSub);
            return;
        case u'*':
        case u'/':
            // Product and quotient share one pattern: (dP*Q +/- P*dQ) / Q^(0 or 2).
            Diff(p, out);
            Copy(q, out);
            Op(out, KMul);
            Copy(p, out);
            Diff(q, out);
            Op(out, KMul);
            Op(out, op == u'*' ? KAdd : KSub);
            Copy(q, out);
            Num(out, op == u'*' ? K0 : K2);
            Op(out, KPow);
            Op(out, KDiv);
            return;
        case u'^': {
            double value = 0;
            if (ConstantExponent(q, value)) {
                const float c = static_cast<float>(value);
                if (c == 0.0f) {
                    // P^0 is the constant 1.
                    Num(out, K0);
                    return;
                }
                const float c1 = static_cast<float>(c - 1.0f);
                Diff(p, out);
                out.Append(PolishRankOperand, ExponentText(c));
                Op(out, KMul);
                Copy(p, out);
                out.Append(PolishRankOperand, ExponentText(c1));
                Op(out, KPow);
                Op(out, KMul);
                return;
            }
            // (dQ*Log(P) + dP*Q/P) * P^Q
            Diff(q, out);
            Copy(p, out);
            Fn(out, KLog);
            Op(out, KMul);
            Diff(p, out);
            Copy(q, out);
            Op(out, KMul);
            Copy(p, out);
            Op(out, KDiv);
            Op(out, KAdd);
            Copy(p, out);
            Copy(q, out);
            Op(out, KPow);
            Op(out, KMul);
            return;
        }
        default:
            Num(out, K0);
        }
    }

    void Function(const QString& f, const Range& p, clsPolish& out) const
    {
        auto is = [&f](const char* name) { return f == QLatin1String(name); };
        // dP followed by "min": the negated derivative of the argument.
        auto negDP = [&] {
            Diff(p, out);
            Fn(out, KMin);
        };
        // (1 -/+ P^2)
        auto oneAndSquare = [&](Fixed one, Fixed op) {
            Num(out, one);
            Copy(p, out);
            Num(out, K2);
            Op(out, KPow);
            Op(out, op);
        };
        if (is("min")) {
            negDP();
        } else if (is("sqr")) { // dP * ((1/2) / sqr(P))
            Diff(p, out);
            Num(out, K1);
            Num(out, K2);
            Op(out, KDiv);
            Copy(p, out);
            Fn(out, KSqr);
            Op(out, KDiv);
            Op(out, KMul);
        } else if (is("exp")) {
            Diff(p, out);
            Copy(p, out);
            Fn(out, KExp);
            Op(out, KMul);
        } else if (is("log")) {
            Diff(p, out);
            Copy(p, out);
            Op(out, KDiv);
        } else if (is("sin")) {
            Diff(p, out);
            Copy(p, out);
            Fn(out, KCos);
            Op(out, KMul);
        } else if (is("cos")) {
            negDP();
            Copy(p, out);
            Fn(out, KSin);
            Op(out, KMul);
        } else if (is("tan")) {
            Diff(p, out);
            Copy(p, out);
            Fn(out, KSec);
            Num(out, K2);
            Op(out, KPow);
            Op(out, KMul);
        } else if (is("ctan")) {
            negDP();
            Copy(p, out);
            Fn(out, KCsec);
            Num(out, K2);
            Op(out, KPow);
            Op(out, KMul);
        } else if (is("sec") || is("sech")) {
            // sec' = tan*sec; sech' = -tanh*sech
            if (is("sec"))
                Diff(p, out);
            else
                negDP();
            Copy(p, out);
            Fn(out, is("sec") ? KTan : KTanh);
            Op(out, KMul);
            Copy(p, out);
            Fn(out, is("sec") ? KSec : KSech);
            Op(out, KMul);
        } else if (is("csec") || is("csech")) {
            // csec' = -ctan*csec; csech' = -ctanh*csech
            negDP();
            Copy(p, out);
            Fn(out, is("csec") ? KCtan : KCtanh);
            Op(out, KMul);
            Copy(p, out);
            Fn(out, is("csec") ? KCsec : KCsech);
            Op(out, KMul);
        } else if (is("asin") || is("acos")) { // (+/-dP) / (1-P^2)^0.5
            if (is("asin"))
                Diff(p, out);
            else
                negDP();
            oneAndSquare(K1, KSub);
            Num(out, KHalf);
            Op(out, KPow);
            Op(out, KDiv);
        } else if (is("atan") || is("actan")) { // (+/-dP) / (1+P^2)
            if (is("atan"))
                Diff(p, out);
            else
                negDP();
            oneAndSquare(K1, KAdd);
            Op(out, KDiv);
        } else if (is("sinh")) {
            Diff(p, out);
            Copy(p, out);
            Fn(out, KCosh);
            Op(out, KMul);
        } else if (is("cosh")) {
            Diff(p, out);
            Copy(p, out);
            Fn(out, KSinh);
            Op(out, KMul);
        } else if (is("tanh")) {
            Diff(p, out);
            Copy(p, out);
            Fn(out, KCosh);
            Num(out, K2);
            Op(out, KPow);
            Op(out, KDiv);
        } else if (is("ctanh")) {
            negDP();
            Copy(p, out);
            Fn(out, KSinh);
            Num(out, K2);
            Op(out, KPow);
            Op(out, KDiv);
        } else if (is("asinh")) {
            Diff(p, out);
            oneAndSquare(K1, KAdd);
            Num(out, KHalf);
            Op(out, KPow);
            Op(out, KDiv);
        } else if (is("acosh")) {
            Diff(p, out);
            oneAndSquare(KMinus1, KAdd);
            Num(out, KHalf);
            Op(out, KPow);
            Op(out, KDiv);
        } else if (is("atanh") || is("actanh")) {
            // atanh and actanh (ln((P+1)/(P-1))/2) share dP / (1-P^2).
            Diff(p, out);
            oneAndSquare(K1, KSub);
            Op(out, KDiv);
        } else if (is("asech")) { // -dP / (P * (1-P^2)^0.5), defined for 0 < P <= 1
            negDP();
            Copy(p, out);
            oneAndSquare(K1, KSub);
            Num(out, KHalf);
            Op(out, KPow);
            Op(out, KMul);
            Op(out, KDiv);
        } else if (is("acsech")) { // -dP / (P^2 * (1+P^2))^0.5, that is |P| * (1+P^2)^0.5
            negDP();
            Copy(p, out);
            Num(out, K2);
            Op(out, KPow);
            oneAndSquare(K1, KAdd);
            Op(out, KMul);
            Num(out, KHalf);
            Op(out, KPow);
            Op(out, KDiv);
        } else {
            Num(out, K0);
        }
    }

    const clsPolish& m_src;
};

} // namespace

namespace Der {

clsPolish CopyPolishRange(const clsPolish& src, int32_t first, int32_t last)
{
    clsPolish out;
    out.AppendRange(src, first, last);
    return out;
}

clsPolish ExtractOperand(const clsPolish& src, int32_t index, int16_t which)
{
    const int s1 = OperandStart(src, index, 0);
    if (s1 < 0)
        throw std::out_of_range("Der::ExtractOperand: the list is not well formed");
    if (which == 1)
        return CopyPolishRange(src, s1, index - 1);
    const int s2 = OperandStart(src, s1, 0);
    if (s2 < 0)
        throw std::out_of_range("Der::ExtractOperand: the list is not well formed");
    return CopyPolishRange(src, s2, s1 - 1);
}

void ReducePolishStack(clsPolish& W, clsPolish& Out)
{
    for (;;) {
        const int n = W.ElementCount();
        if (n < 2)
            return;
        const int16_t t = W.GetRank(n - 1);
        const int16_t b = W.GetRank(n - 2);
        if (b == PolishRankOpen && t == PolishRankClose) {
            W.Kill(n - 2, 2);
            return;
        }
        if (b == PolishRankOpen || StackStrength(b) < StackStrength(t))
            return;
        MoveToOut(Out, b, W.GetData(n - 2));
        W.Kill(n - 2, 1);
    }
}

clsPolish ParseToPolish(const QString& text, QString& errText, bool& ok)
{
    ok = true;
    clsPolish out;
    if (text.count(u'(') != text.count(u')')) {
        FinishWithError(errText, QStringLiteral("括号不匹配。"), out);
        return out;
    }
    if (text.contains(QLatin1String("--"))) {
        FinishWithError(errText, QStringLiteral("表达式中有两个连续的负号。"), out);
        return out;
    }

    // Upper-case copy with an end mark, and a "*" written out where a product
    // is implicit: digit then letter or "(", ")(" , ")" then letter, and
    // "I(" so that PI( reads as PI*(.
    const QString s = text.toUpper() + u'#';
    QString n;
    n.reserve(s.size() * 2);
    for (qsizetype c = 0; c < s.size(); ++c) {
        n.append(s[c]);
        if (c + 1 >= s.size())
            break;
        const QChar a = s[c], b = s[c + 1];
        if ((IsDigit(a) && (IsUpperLetter(b) || b == u'(')) || (a == u')' && b == u'(') ||
            (a == u')' && IsUpperLetter(b)) || (a == u'I' && b == u'('))
            n.append(u'*');
    }

    clsPolish W;
    bool expectOperand = true;
    qsizetype i = 0;
    for (;;) {
        // Blanks and control characters between tokens carry no meaning,
        // as in the compiler.
        while (i < n.size() && n[i].unicode() <= 0x20)
            ++i;
        if (i >= n.size())
            break; // unreachable: the end mark stops the scan first
        const QChar ch = n[i];
        auto position = [i] { return QString::number(i + 1); };
        if (expectOperand) {
            if (ch == u'#') {
                FinishWithError(errText, QStringLiteral("表达式非法。"), out);
                return out;
            }
            if (ch == u'-') {
                // A negation: its "0" is complete at once; the "-" waits on the
                // stack for what it negates. Nothing is reduced below it.
                out.Append(PolishRankOperand, QStringLiteral("0"));
                W.Append(kNegationOnStack, QStringLiteral("-"));
                ++i;
                continue;
            }
            if (ch == u'+' || ch == u'*' || ch == u'/' || ch == u'^' || ch == u')') {
                FinishWithError(errText,
                                QStringLiteral("第 ") + position() + QStringLiteral(" 个字符处缺少参数。"),
                                out);
                return out;
            }
            if (ch == u'(') {
                W.Append(PolishRankOpen, QStringLiteral("("));
                ++i;
                ReducePolishStack(W, out);
                continue;
            }
            qsizetype end = i;
            while (end < n.size() && !IsOperatorChar(n[end]))
                ++end;
            const QString w = n.mid(i, end - i).trimmed();
            i = end;
            if (w.isEmpty())
                continue; // only white space up to the next operator
            const QChar first = w[0];
            if (IsDigit(first) || first == u'.') {
                const QString number = NumberTokenText(w);
                if (!number.isEmpty()) {
                    W.Append(PolishRankOperand, number);
                    expectOperand = false;
                    ReducePolishStack(W, out);
                    continue;
                }
            } else if (const NamedToken* named = FindName(w)) {
                W.Append(named->rank, QString::fromLatin1(named->data));
                expectOperand = named->rank != PolishRankOperand;
                ReducePolishStack(W, out);
                continue;
            } else if (first == u',') {
                W.Append(PolishRankOperand, w);
                expectOperand = false;
                ReducePolishStack(W, out);
                continue;
            }
            ShowMessage(QStringLiteral("不能计算") + w + QStringLiteral("的导数。"),
                        QStringLiteral("出错"), MsgIcon::Warning);
            ok = false;
            out.Clear();
            return out;
        }
        // Expecting an operator.
        if (ch == u'#')
            break;
        if (ch == u'+' || ch == u'-')
            W.Append(PolishRankAdd, QString(ch));
        else if (ch == u'*' || ch == u'/')
            W.Append(PolishRankMul, QString(ch));
        else if (ch == u'^')
            W.Append(PolishRankPow, QStringLiteral("^"));
        else if (ch == u')')
            W.Append(PolishRankClose, QStringLiteral(")"));
        else {
            FinishWithError(errText, QStringLiteral("非法字符  ") + position(), out);
            return out;
        }
        if (ch != u')')
            expectOperand = true;
        ++i;
        ReducePolishStack(W, out);
    }
    for (int k = W.ElementCount() - 1; k >= 0; --k)
        MoveToOut(out, W.GetRank(k), W.GetData(k));

    // Equal counts of "(" and ")" in the wrong order leave brackets behind.
    for (int k = 0; k < out.ElementCount(); ++k) {
        const int16_t rank = out.GetRank(k);
        if (rank == PolishRankOpen || rank == PolishRankClose) {
            FinishWithError(errText, QStringLiteral("括号不匹配。"), out);
            return out;
        }
    }
    return out;
}

QString PolishToInfix(const clsPolish& src)
{
    // The list is first read into a tree whose nodes know whether their
    // operands need brackets; the text is then written in one pass into one
    // buffer, so long derivatives are not copied again at every operator.
    //
    // Each entry carries the rank of the operator its text ends up with at
    // the top level. A negation is printed as "0-..." and so reads as a
    // difference: it takes rank 1, or (0-x)*y would print as 0-x*y and a
    // following subtraction would swallow it (y-0-x*y).
    struct Node {
        int token;
        int left = -1;  // operand node of a function, left node of an operator
        int right = -1; // right node of an operator
        bool wrapLeft = false;
        bool wrapRight = false;
    };
    struct Entry {
        int16_t rank;
        int node;
    };
    const int count = src.ElementCount();
    std::vector<Node> nodes;
    nodes.reserve(static_cast<size_t>(count));
    std::vector<Entry> stack;
    stack.reserve(static_cast<size_t>(count));
    qsizetype length = 0;
    for (int k = 0; k < count; ++k) {
        const int16_t rank = src.GetRank(k);
        const QString& data = src.DataAt(k);
        length += data.size();
        if (rank == PolishRankOperand) {
            nodes.push_back({k});
            stack.push_back({rank, static_cast<int>(nodes.size()) - 1});
        } else if (rank == PolishRankFunction) {
            if (stack.empty())
                return {};
            nodes.push_back({k, stack.back().node});
            stack.back() = {PolishRankFunction, static_cast<int>(nodes.size()) - 1};
            length += 2;
        } else if (rank >= PolishRankAdd && rank <= PolishRankPow) {
            if (stack.size() < 2)
                return {};
            const Entry right = stack.back();
            stack.pop_back();
            const Entry left = stack.back();
            Node n{k, left.node, right.node, left.rank < rank, rank >= right.rank};
            length += (n.wrapLeft ? 2 : 0) + (n.wrapRight ? 2 : 0);
            nodes.push_back(n);
            const bool negation = rank == PolishRankMul && data == QLatin1String("-");
            stack.back() = {negation ? int16_t(PolishRankAdd) : rank, static_cast<int>(nodes.size()) - 1};
        } else {
            return {};
        }
    }
    if (stack.size() != 1)
        return {};

    QString out;
    out.reserve(length);
    // Work items: a node to write, or one bracket character.
    struct Item {
        int node;  // -1: write ch
        char16_t ch;
    };
    std::vector<Item> work;
    work.reserve(static_cast<size_t>(count) + 16);
    work.push_back({stack.front().node, 0});
    while (!work.empty()) {
        const Item item = work.back();
        work.pop_back();
        if (item.node < 0) {
            out.append(QChar(item.ch));
            continue;
        }
        const Node& n = nodes[static_cast<size_t>(item.node)];
        const QString& data = src.DataAt(n.token);
        const int16_t rank = src.GetRank(n.token);
        if (rank == PolishRankOperand) {
            out.append(data);
        } else if (rank == PolishRankFunction) {
            out.append(data == QLatin1String("min") ? QStringLiteral("-") : data);
            out.append(u'(');
            work.push_back({-1, u')'});
            work.push_back({n.left, 0});
        } else {
            // Pushed in reverse: left, operator, right.
            if (n.wrapRight)
                work.push_back({-1, u')'});
            work.push_back({n.right, 0});
            if (n.wrapRight)
                work.push_back({-1, u'('});
            work.push_back({-1, data[0].unicode()});
            if (n.wrapLeft)
                work.push_back({-1, u')'});
            work.push_back({n.left, 0});
            if (n.wrapLeft)
                work.push_back({-1, u'('});
        }
    }
    return out;
}

clsPolish Differentiate(const clsPolish& src)
{
    clsPolish out;
    out.Reserve(src.ElementCount() * 4 + 1);
    Differentiator(src).Diff({0, src.ElementCount() - 1}, out);
    return out;
}

namespace {

// Differentiating and printing recurse once per level of nesting, and each
// level of a chain of functions multiplies the derivative's length. School
// expressions nest a few dozen levels at most; far deeper text (from a
// damaged document, say) is refused instead of exhausting the stack.
constexpr int kMaxNesting = 1000;

// Levels of nesting of a postfix list, counted without recursion.
int NestingDepth(const clsPolish& list)
{
    std::vector<int> depths;
    depths.reserve(64);
    int deepest = 0;
    for (int i = 0; i < list.ElementCount(); ++i) {
        const int16_t rank = list.GetRank(i);
        int d = 1;
        if (rank == PolishRankFunction) {
            if (depths.empty())
                return 0; // malformed: left to the differentiator's own rules
            d = depths.back() + 1;
            depths.pop_back();
        } else if (rank != PolishRankOperand) {
            if (depths.size() < 2)
                return 0;
            const int right = depths.back();
            depths.pop_back();
            d = std::max(depths.back(), right) + 1;
            depths.pop_back();
        }
        depths.push_back(d);
        deepest = std::max(deepest, d);
    }
    return deepest;
}

} // namespace

bool DerivativeText(const QString& expr, QString& out)
{
    out.clear();
    QString errText;
    bool ok = true;
    const clsPolish list = ParseToPolish(expr, errText, ok);
    if (!ok)
        return false; // the parser has shown which name it cannot differentiate
    if (list.ElementCount() == 0) {
        // A syntax refusal must not pass for the derivative 0.
        ShowMessage(QStringLiteral("不能计算") + expr + QStringLiteral("的导数。") + errText,
                    QStringLiteral("出错"), MsgIcon::Warning);
        return false;
    }
    if (NestingDepth(list) > kMaxNesting) {
        ShowMessage(QStringLiteral("表达式嵌套太深，不能计算导数。"), QStringLiteral("出错"),
                    MsgIcon::Warning);
        return false;
    }
    out = Module1::FoldSignPairs(PolishToInfix(Differentiate(list)));
    return true;
}

} // namespace Der
