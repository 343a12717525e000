// Text filters run on typed and stored expressions before the compiler sees them.
#include "expr/Module1.h"

namespace Module1 {

namespace {

bool InSet(QChar c, const char* set)
{
    for (const char* p = set; *p; ++p)
        if (c.unicode() == char16_t(*p))
            return true;
    return false;
}

bool IsLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

enum class Keep { Number, Expression };

bool Filter(const QString& input, QString& output, Keep keep)
{
    output.clear();
    for (const QChar c : input) {
        const bool kept = keep == Keep::Number ? InSet(c, "-1234567890Ee.")
                                               : (InSet(c, "-1234567890.+*/^()") || IsLetter(c));
        if (kept)
            output += c;
        else if (c == QLatin1Char(','))
            output += QLatin1Char('.');
        else if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

bool FinishFilter(const QString& input, QString& output)
{
    if (input.isEmpty() || input == QLatin1String(" "))
        output = QStringLiteral("0");
    return true;
}

} // namespace

bool CleanNumberText(const QString& input, QString& output)
{
    return Filter(input, output, Keep::Number) && FinishFilter(input, output);
}

bool CleanExpressionText(const QString& input, QString& output)
{
    return Filter(input, output, Keep::Expression) && FinishFilter(input, output);
}

QString SanitizeExpressionText(const QString& text)
{
    QString out;
    return Filter(text, out, Keep::Expression) ? out : QString();
}

QString InsertImplicitMultiply(const QString& text)
{
    const qsizetype L = text.size();
    if (L == 1)
        return text;
    static const char* const digits = "1234567890";
    static const char* const variableLetters = "abnrtxyziABNRTXYZI";
    static const char* const numberStart = "1234567890.,";
    static const char* const numberOrOpen = "1234567890.,(";
    static const char* const beforeVariable = "1234567890+-*/^()pP";

    QString out;
    out.reserve(L + L / 2 + 1);
    for (qsizetype k = 0; k + 1 < L; ++k) {
        const QChar c = text[k];
        const QChar n = text[k + 1];
        out += c;
        const bool rule1 = (InSet(c, digits) || c == QLatin1Char(')')) &&
                           (IsLetter(n) || n == QLatin1Char('('));
        const bool rule2 = k == 0 && InSet(c, variableLetters) && InSet(n, numberOrOpen);
        const bool rule3 = c == QLatin1Char(')') && InSet(n, numberStart);
        const bool rule4 = k > 0 && InSet(text[k - 1], beforeVariable) && InSet(c, variableLetters) &&
                           InSet(n, numberOrOpen);
        if (rule1 || rule2 || rule3 || rule4)
            out += QLatin1Char('*');
    }
    // The last character; an empty text leaves a lone "*", which the
    // compiler refuses like any other incomplete formula.
    out += L > 0 ? QString(text[L - 1]) : QStringLiteral("*");
    return out;
}

QString FoldSignPairs(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        const QChar n = k + 1 < text.size() ? text[k + 1] : QChar();
        if (c == QLatin1Char('+') && n == QLatin1Char('-')) {
            out += QLatin1Char('-');
            ++k;
        } else if (c == QLatin1Char('-') && n == QLatin1Char('-')) {
            out += QLatin1Char('+');
            ++k;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace Module1
