// Parity rewrite: the free variable of a 2D function text is replaced by its
// negation, so that sampling the result draws the mirror image of the graph.
#include "sampling/Parity.h"

namespace {

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

bool Cls9::IsLetter(const QString& ch)
{
    return ch.size() == 1 && IsAsciiLetter(ch[0]);
}

QString Cls9::NegateFreeVariable(const QString& text) const
{
    // The free variable of each form; the compiler reads letters in either
    // case, so X^3 and x^3 are the same function and both are rewritten.
    QChar variable;
    if (FunForm == FunFormExplicit && CoordType == CoordTypeCartesian2D)
        variable = u'x';
    else if (FunForm == FunFormExplicit && CoordType == CoordTypePolar)
        variable = u'a';
    else if (FunForm == FunFormParametric &&
             (CoordType == CoordTypeCartesian2D || CoordType == CoordTypePolar))
        variable = u'u';
    else
        return QString();

    auto isVariable = [variable](QChar c) { return c.toLower() == variable; };
    const qsizetype n = text.size();
    if (n <= 1)
        return n == 1 && isVariable(text[0]) ? QStringLiteral("-") + text : text;

    // A variable letter inside a longer name (the x of exp, the a of atan)
    // has a letter beside it in the original text and stays as it is.
    QString out;
    out.reserve(n * 2);
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = text[k];
        const bool letterBefore = k > 0 && IsAsciiLetter(text[k - 1]);
        const bool letterAfter = k + 1 < n && IsAsciiLetter(text[k + 1]);
        if (isVariable(c) && !letterBefore && !letterAfter) {
            out += QStringLiteral("(-");
            out += c;
            out += u')';
        } else {
            out += c;
        }
    }
    return out;
}
