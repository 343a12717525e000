// Tests of the code page 936 conversions.
#include "platform/Codepage936.h"

#include <gtest/gtest.h>

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
