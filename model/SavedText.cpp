// The rules of text that a document can hold, with the sentences that refuse it.
#include "model/SavedText.h"

#include "platform/Codepage936.h"

#include <QStringList>

QString QuotedTextProblem(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '));
    bool readsBack = words.size() <= 101;
    for (qsizetype i = 0; readsBack && i + 1 < words.size(); ++i)
        readsBack = !words[i].endsWith(QLatin1Char('@'));
    if (readsBack)
        return QString();
    return QStringLiteral("名称“%1”无法保存：除最后一个词外，词尾不能是“@”，且不能超过 101 个词。")
        .arg(text);
}

namespace {

QString CodePointText(char32_t code)
{
    return QStringLiteral("U+%1").arg(QString::number(code, 16).toUpper(), 4, QLatin1Char('0'));
}

// True for a character that shows as nothing or merges with its neighbour:
// a tag or format character, a lone surrogate, a space, a combining mark, a
// control, private-use or unassigned character, and the letters and symbols
// that draw nothing (the Hangul fillers and the blank braille cell).
bool ShowsAsNothing(char32_t code)
{
    switch (code) {
    case 0x115F: case 0x1160: case 0x3164: case 0xFFA0: case 0x2800:
        return true;
    default:
        break;
    }
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// A character (one code point) as a message names it: as itself when it
// shows on its own, otherwise by its code point.
QString CharacterForMessage(const QString& ch)
{
    if (ch.isEmpty())
        return ch;
    const char32_t code = ch.size() == 2 && ch.at(0).isHighSurrogate() && ch.at(1).isLowSurrogate()
                              ? QChar::surrogateToUcs4(ch.at(0), ch.at(1))
                              : ch.at(0).unicode();
    return ShowsAsNothing(code) ? CodePointText(code) : ch;
}

} // namespace

QString UnencodableTextProblem(const QString& text)
{
    if (EncodeCodepage936(text))
        return QString();
    return QStringLiteral("字符“%1”无法保存到图形文件中。")
        .arg(CharacterForMessage(FirstUnencodableCharacter(text)));
}

QString GraphNameProblem(const QString& name)
{
    const QString problem = QuotedTextProblem(name);
    return problem.isEmpty() ? UnencodableTextProblem(name) : problem;
}
