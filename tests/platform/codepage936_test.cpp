// Tests of the code page 936 conversions.
#include "platform/Codepage936.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

TEST(Codepage936, EncodesAndDecodesBothWays)
{
    struct Case {
        const char* utf8;
        QByteArray bytes;
    } cases[] = {
        {"S81 0 0", QByteArray("S81 0 0")},
        {"注意", QByteArray("\xD7\xA2\xD2\xE2")},
        {"€", QByteArray("\x80")}, // where CP936 differs from GBK
        {"二维曲线  y=x", QByteArray("\xB6\xFE\xCE\xAC\xC7\xFA\xCF\xDF  y=x")},
        {"", QByteArray()},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        auto encoded = EncodeCodepage936(text);
        ASSERT_TRUE(encoded) << c.utf8;
        EXPECT_EQ(*encoded, c.bytes) << c.utf8;
        auto decoded = DecodeCodepage936(c.bytes);
        ASSERT_TRUE(decoded) << c.utf8;
        EXPECT_EQ(*decoded, text);
    }
}

TEST(Codepage936, RefusesTextItCannotHold)
{
    for (const char* utf8 : {"ก", "a😀b", "한글"}) {
        const QString text = QString::fromUtf8(utf8);
        EXPECT_FALSE(EncodeCodepage936(text)) << utf8;
    }
    EXPECT_EQ(FirstUnencodableCharacter(QString::fromUtf8("名字😀x")), QString::fromUtf8("😀"));
    EXPECT_EQ(FirstUnencodableCharacter(QString::fromUtf8("名字")), QString());
    // A lone surrogate is not a character at all.
    EXPECT_FALSE(EncodeCodepage936(QString(QChar(0xD800))));
}

TEST(Codepage936, RefusesBytesThatAreNotCodepage936)
{
    EXPECT_FALSE(DecodeCodepage936(QByteArray("\xFF")));
    EXPECT_FALSE(DecodeCodepage936(QByteArray("ab\xD7"))); // lead byte cut off
}

// The refusal names one character: a surrogate pair whole, a lone surrogate
// alone, whatever follows it; and a character that would come back
// different (iconv drops tag characters without an error) counts as one the
// code page cannot hold.
TEST(Codepage936, NamesExactlyTheCharacterItCannotHold)
{
    const QChar high(0xD800), low(0xDC00);
    const QString tagA = QString::fromUcs4(U"\U000E0041");
    const struct Case {
        const char* what;
        QString text;
        QString first;
    } cases[] = {
        {"tag character", QStringLiteral("a") + tagA + QStringLiteral("b"), tagA},
        {"lone high surrogate", QString(high), QString(high)},
        {"lone low surrogate", QString(low), QString(low)},
        {"high surrogate before text", QString(high) + QStringLiteral("@"), QString(high)},
        {"two high surrogates", QString(high) + QString(high), QString(high)},
        {"high surrogate at the end", QString::fromUtf8("名") + high, QString(high)},
        {"low before high", QString(low) + QString(high), QString(low)},
        {"pair after Chinese", QString::fromUtf8("名😀@"), QString::fromUtf8("😀")},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(EncodeCodepage936(c.text)) << c.what;
        EXPECT_EQ(FirstUnencodableCharacter(c.text), c.first) << c.what;
    }
}

namespace {
// How many code points, and the first few of them.
std::string Describe(const std::vector<char32_t>& codePoints)
{
    std::ostringstream out;
    out << codePoints.size() << " code points:" << std::hex << std::uppercase;
    for (size_t i = 0; i < codePoints.size() && i < 8; ++i)
        out << " U+" << uint32_t(codePoints[i]);
    return out.str();
}
} // namespace

// Every code point on its own, surrogates as lone units: either the code
// page gives it back unchanged, or it is refused by name. What it holds
// also holds together, in one text.
TEST(Codepage936, EveryCodePointComesBackOrIsRefused)
{
    std::vector<char32_t> changed, misnamed;
    QString held;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        const QString text = cp >= 0xD800 && cp <= 0xDFFF ? QString(QChar(char16_t(cp)))
                                                            : QString::fromUcs4(&cp, 1);
        const std::optional<QByteArray> bytes = EncodeCodepage936(text);
        if (!bytes) {
            if (FirstUnencodableCharacter(text) != text)
                misnamed.push_back(cp);
            continue;
        }
        if (DecodeCodepage936(*bytes) != text)
            changed.push_back(cp);
        else
            held += text;
    }
    EXPECT_TRUE(changed.empty()) << "accepted but changed: " << Describe(changed);
    EXPECT_TRUE(misnamed.empty()) << "refused under another name: " << Describe(misnamed);
    EXPECT_GT(held.size(), 20000); // ASCII, GBK's Chinese and symbols
    const std::optional<QByteArray> bytes = EncodeCodepage936(held);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(DecodeCodepage936(*bytes), held);
}
