#include "io/DocumentText.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <cmath>
#include <limits>
#include <string>

QStringList CutIntoTokens(const QString& text)
{
    QStringList tokens = text.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    // A blank at the very end closes the last token and starts no new one.
    if (!tokens.isEmpty() && tokens.last().isEmpty())
        tokens.removeLast();
    return tokens;
}

double LeadingNumber(QStringView token)
{
    std::string s;
    qsizetype i = 0;
    const qsizetype n = token.size();
    auto isDigit = [&](qsizetype k) { return k < n && token[k] >= u'0' && token[k] <= u'9'; };

    bool negative = false;
    if (i < n && (token[i] == u'+' || token[i] == u'-')) {
        negative = token[i] == u'-';
        ++i;
    }
    qsizetype digits = 0;
    bool point = false;
    while (i < n) {
        if (isDigit(i)) {
            s.push_back(static_cast<char>(token[i].unicode()));
            ++digits;
        } else if (token[i] == u'.' && !point) {
            s.push_back('.');
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (token[i] == u'E' || token[i] == u'e')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (token[j] == u'+' || token[j] == u'-')) {
            exponent.push_back(static_cast<char>(token[j].unicode()));
            ++j;
        }
        if (isDigit(j)) {
            while (isDigit(j)) {
                exponent.push_back(static_cast<char>(token[j].unicode()));
                ++j;
            }
            s += exponent;
        }
    }
    // strtod_l in the "C" locale: locale independent, and it gives infinity
    // for a number too large and 0 for one too small, as wanted here.
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    double value = strtod_l(s.c_str(), nullptr, cLocale);
    return negative ? -value : value;
}

QString TokenReader::Peek() const
{
    return m_pos < m_tokens.size() ? m_tokens.at(m_pos) : QString();
}

bool TokenReader::Fail(TokenError error)
{
    if (m_error == TokenError::None)
        m_error = error;
    return false;
}

bool TokenReader::Next(QString& token)
{
    if (Failed())
        return false;
    if (m_pos >= m_tokens.size())
        return Fail(TokenError::EndOfText);
    token = m_tokens.at(m_pos++);
    return true;
}

bool TokenReader::Long(int32_t& value)
{
    QString token;
    if (!Next(token))
        return false;
    double d = std::nearbyint(LeadingNumber(token)); // ties to even
    if (!(d >= std::numeric_limits<int32_t>::min() && d <= std::numeric_limits<int32_t>::max()))
        return Fail(TokenError::OutOfRange);
    value = static_cast<int32_t>(d);
    return true;
}

bool TokenReader::Single(float& value)
{
    QString token;
    if (!Next(token))
        return false;
    double d = LeadingNumber(token);
    float f = static_cast<float>(d);
    if (!std::isfinite(d) || !std::isfinite(f))
        return Fail(TokenError::OutOfRange);
    value = f;
    return true;
}

bool TokenReader::Boolean(bool& value)
{
    QString token;
    if (!Next(token))
        return false;
    value = token == QLatin1String("1") || token == QLatin1String("True");
    return true;
}

bool TokenReader::StrictBoolean(bool& value)
{
    QString token;
    if (!Next(token))
        return false;
    value = token == QLatin1String("1");
    return true;
}

bool TokenReader::Expression(QString& value)
{
    return Next(value);
}

bool TokenReader::PointSize(float& value)
{
    QString token;
    if (!Next(token))
        return false;
    if (token.size() == 1 && token[0] >= u'1' && token[0] <= u'9')
        value = static_cast<float>(token[0].unicode() - u'0');
    return true;
}

bool TokenReader::Quoted(QString& value)
{
    if (Failed())
        return false;
    if (m_pos >= m_tokens.size())
        return Fail(TokenError::EndOfText);
    const QString& first = m_tokens.at(m_pos);
    if (!first.startsWith(QLatin1Char('@')))
        return true; // absent: the token is the next field
    if (first.size() >= 2 && first.endsWith(QLatin1Char('@'))) {
        value = first.mid(1, first.size() - 2);
        ++m_pos;
        return true;
    }
    // The text holds blanks: join the following words up to the one that
    // ends with "@", looking at most 100 words ahead.
    QString joined = first.mid(1);
    for (qsizetype k = 1; k <= 100 && m_pos + k < m_tokens.size(); ++k) {
        const QString& word = m_tokens.at(m_pos + k);
        joined += QLatin1Char(' ');
        if (word.endsWith(QLatin1Char('@'))) {
            joined += word.left(word.size() - 1);
            value = joined;
            m_pos += k + 1;
            return true;
        }
        joined += word;
    }
    ++m_pos; // no closing word: the field stays unset
    return true;
}
