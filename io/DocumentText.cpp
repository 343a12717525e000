// The token level of documents and of the clipboard's graph text.
#include "io/DocumentText.h"

#include <charconv>
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
    const qsizetype n = token.size();
    auto isDigit = [&](qsizetype k) { return k < n && token[k] >= u'0' && token[k] <= u'9'; };

    qsizetype i = 0;
    bool negative = false;
    if (i < n && (token[i] == u'+' || token[i] == u'-')) {
        negative = token[i] == u'-';
        ++i;
    }
    // Plain whole numbers, by far the most common tokens, directly.
    const qsizetype digitsStart = i;
    uint64_t whole = 0;
    while (isDigit(i) && i - digitsStart < 18)
        whole = whole * 10 + uint64_t(token[i++].unicode() - u'0');
    const bool wholeOnly = i > digitsStart && !isDigit(i) &&
                           !(i < n && (token[i] == u'.' || token[i] == u'E' || token[i] == u'e'));
    if (wholeOnly)
        return negative ? -double(whole) : double(whole);

    // Otherwise collect the number's characters (ASCII) and convert them.
    char buffer[128];
    size_t len = 0;
    bool overflow = false;
    auto put = [&](QChar c) {
        if (len + 1 < sizeof buffer)
            buffer[len++] = char(c.unicode());
        else
            overflow = true;
    };
    i = digitsStart;
    qsizetype digits = 0;
    bool point = false;
    while (i < n) {
        if (isDigit(i)) {
            put(token[i]);
            ++digits;
        } else if (token[i] == u'.' && !point) {
            put(token[i]);
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
        if (j < n && (token[j] == u'+' || token[j] == u'-'))
            ++j;
        if (isDigit(j)) {
            for (qsizetype k = i; k < j; ++k)
                put(k == i ? QChar(u'e') : token[k]);
            while (isDigit(j))
                put(token[j++]);
        }
    }
    buffer[len] = '\0';
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(buffer, buffer + len, value);
    (void)ptr;
    if (ec != std::errc() || overflow) {
        // Out of double range (or an absurdly long number): strtod_l in the
        // "C" locale gives infinity for too large and 0 for too small.
        static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        std::string text;
        for (qsizetype k = digitsStart; k < n && k < digitsStart + 100000; ++k)
            text.push_back(char(token[k].unicode() < 128 ? token[k].unicode() : ' '));
        value = strtod_l(text.c_str(), nullptr, cLocale);
    }
    return negative ? -value : value;
}

bool IsNumberField(QStringView token)
{
    if (token.isEmpty())
        return true;
    qsizetype i = 0;
    if (i < token.size() && (token[i] == u'+' || token[i] == u'-'))
        ++i;
    if (i < token.size() && token[i] == u'.')
        ++i;
    return i < token.size() && token[i] >= u'0' && token[i] <= u'9';
}

TokenReader::TokenReader(const QString& text) : m_text(text)
{
    QStringView view(m_text);
    qsizetype start = 0;
    for (qsizetype i = 0; i < view.size(); ++i) {
        if (view[i] == u' ') {
            m_tokens.push_back(view.mid(start, i - start));
            start = i + 1;
        }
    }
    // A blank at the very end closes the last token and starts no new one.
    if (start < view.size())
        m_tokens.push_back(view.mid(start));
}

TokenReader::TokenReader(QStringList tokens) : m_owned(std::move(tokens))
{
    m_tokens.reserve(m_owned.size());
    for (const QString& t : m_owned)
        m_tokens.push_back(QStringView(t));
}

QStringView TokenReader::Peek() const
{
    return m_pos < m_tokens.size() ? m_tokens.at(m_pos) : QStringView();
}

bool TokenReader::Fail(TokenError error)
{
    if (m_error == TokenError::None)
        m_error = error;
    return false;
}

bool TokenReader::Next(QStringView& token)
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
    QStringView token;
    if (!Next(token))
        return false;
    if (!IsNumberField(token))
        return Fail(TokenError::NotANumber);
    double d = std::nearbyint(LeadingNumber(token)); // ties to even
    if (!(d >= std::numeric_limits<int32_t>::min() && d <= std::numeric_limits<int32_t>::max()))
        return Fail(TokenError::OutOfRange);
    value = static_cast<int32_t>(d);
    return true;
}

bool TokenReader::Single(float& value)
{
    QStringView token;
    if (!Next(token))
        return false;
    if (!IsNumberField(token))
        return Fail(TokenError::NotANumber);
    double d = LeadingNumber(token);
    float f = static_cast<float>(d);
    if (!std::isfinite(d) || !std::isfinite(f))
        return Fail(TokenError::OutOfRange);
    value = f;
    return true;
}

bool TokenReader::Boolean(bool& value)
{
    QStringView token;
    if (!Next(token))
        return false;
    value = token == QLatin1String("1") || token == QLatin1String("True");
    return true;
}

bool TokenReader::StrictBoolean(bool& value)
{
    QStringView token;
    if (!Next(token))
        return false;
    value = token == QLatin1String("1");
    return true;
}

bool TokenReader::Expression(QString& value)
{
    QStringView token;
    if (!Next(token))
        return false;
    value = token.toString();
    return true;
}

bool TokenReader::PointSize(float& value)
{
    QStringView token;
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
    const QStringView first = m_tokens.at(m_pos);
    if (!first.startsWith(QLatin1Char('@')))
        return true; // absent: the token is the next field
    if (first.size() >= 2 && first.endsWith(QLatin1Char('@'))) {
        value = first.mid(1, first.size() - 2).toString();
        ++m_pos;
        return true;
    }
    // The text holds blanks: join the following words up to the one that
    // ends with "@", looking at most 100 words ahead.
    QString joined = first.mid(1).toString();
    for (qsizetype k = 1; k <= 100 && m_pos + k < m_tokens.size(); ++k) {
        const QStringView word = m_tokens.at(m_pos + k);
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
