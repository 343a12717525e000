// How the dialogs read numbers out of their text boxes.
#include "dialogs/common/BoxValue.h"

#include "platform/MessageBox.h"

#include <cmath>
#include <limits>

double Val(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
    };
    skipBlanks();
    QString number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += text[i++];
    bool digits = false;
    bool point = false;
    while (i < n) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
            number += c;
        } else if (c == u'.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
        ++i;
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += text[j++];
        const qsizetype firstDigit = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            exponent += text[j++];
        if (j > firstDigit)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    // A number beyond every range ("1e400") reads as the infinity it is, so
    // that range checks refuse it; one below every range reads as 0.
    if (!ok)
        return std::isinf(value) ? value : 0.0;
    return value;
}

void ShowBadData()
{
    ShowMessage(QStringLiteral("存在非法数据。"), QStringLiteral("出错"), MsgIcon::Warning);
}

std::optional<int32_t> RoundToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // default mode: halves to even
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}
