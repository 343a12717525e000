// The one number formatter of the program (32-bit floats as text).
#include "expr/NumberText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

// `significant` digits, ties away from zero; the exponent form only when
// `exponentAllowed` and the value has 8 or more integer digits.
QString FormatNumber(double value, int significant, bool exponentAllowed)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0.0)
        return QStringLiteral("0");

    // The exact decimal expansion of a float has at most ~112 significant
    // digits; printing 120 and rounding by hand gives a true tie-away rule.
    // to_chars, not printf: Qt applications run in the user's locale, whose
    // decimal separator may be a comma.
    char buf[200];
    const auto written = std::to_chars(buf, buf + sizeof buf - 1,
                                       std::fabs(value),
                                       std::chars_format::scientific, 120);
    *written.ptr = '\0';
    // buf = "d.ddd...e[+-]xx"
    std::string mant;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            mant.push_back(*p);
    int exp10 = std::atoi(p + 1);

    const size_t n = static_cast<size_t>(significant);
    std::string digits = mant.substr(0, n);
    if (mant.size() > n && mant[n] >= '5') {
        int i = significant - 1;
        while (i >= 0) {
            if (digits[i] == '9') {
                digits[i] = '0';
                --i;
            } else {
                ++digits[i];
                break;
            }
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exp10;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exp10 >= 7 && exponentAllowed) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "E+%02d", exp10);
        out += e;
    } else if (exp10 >= 0) {
        std::string intPart, frac;
        for (int i = 0; i <= exp10; ++i)
            intPart += i < static_cast<int>(digits.size()) ? digits[i] : '0';
        if (static_cast<int>(digits.size()) > exp10 + 1)
            frac = digits.substr(exp10 + 1);
        out += intPart;
        if (!frac.empty())
            out += '.' + frac;
    } else {
        out += "0.";
        out += std::string(-exp10 - 1, '0');
        out += digits;
    }
    return QString::fromLatin1(out.c_str());
}

} // namespace

QString NumberText(float value)
{
    return FormatNumber(value, 7, true);
}

QString PlainNumberText(float value)
{
    return FormatNumber(value, 7, false);
}

QString PlainNumberText64(double value)
{
    return FormatNumber(value, 15, false);
}

std::optional<float> ParseNumberText(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    if (bytes.isEmpty() || text.size() != bytes.size())
        return std::nullopt;
    // Only the characters a number can hold; strtod would also take hex, inf, nan.
    for (char c : bytes) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'E' || c == 'e'))
            return std::nullopt;
    }
    const char* begin = bytes.constData();
    char* end = nullptr;
    // The "C" locale whatever the process locale: "1.5" is 1.5 everywhere.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double d = strtod_l(begin, &end, cLocale);
    if (end != begin + bytes.size())
        return std::nullopt;
    if (!std::isfinite(d) || std::fabs(d) > 3.4028234663852886e38)
        return std::nullopt;
    return static_cast<float>(d);
}
