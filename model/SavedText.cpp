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

QString UnencodableTextProblem(const QString& text)
{
    if (EncodeCodepage936(text))
        return QString();
    return QStringLiteral("字符“%1”无法保存到图形文件中。").arg(FirstUnencodableCharacter(text));
}

QString GraphNameProblem(const QString& name)
{
    const QString problem = QuotedTextProblem(name);
    return problem.isEmpty() ? UnencodableTextProblem(name) : problem;
}
