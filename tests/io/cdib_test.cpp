// The BMP reader: the blocks it hands to the AVI writer, the files it
// refuses with their messages, and that a refused file leaves the last
// bitmap in place.
#include "io/cDIB.h"
#include "platform/MessageBox.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Put16(QByteArray& b, uint32_t v) { for (int i = 0; i < 2; ++i) b.append(char((v >> (8 * i)) & 0xFF)); }
void Put32(QByteArray& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF)); }

// A BMP the way the platform writes one: pixels numbered 0, 1, 2, ... so a
// test sees exactly which bytes were taken.
QByteArray MakeBmp(int32_t width, int32_t height, uint16_t bits, uint32_t colours,
                   uint32_t sizeImageField, uint32_t pixelBytes, uint16_t type = 0x4D42)
{
    const uint32_t offset = 54 + colours * 4;
    QByteArray b;
    Put16(b, type);
    Put32(b, offset + pixelBytes);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, uint32_t(width));
    Put32(b, uint32_t(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, 0);
    Put32(b, sizeImageField);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, colours);
    Put32(b, 0);
    for (uint32_t i = 0; i < colours; ++i)
        Put32(b, 0x00010101u * (i & 0xFF));
    for (uint32_t i = 0; i < pixelBytes; ++i)
        b.append(char(i & 0xFF));
    return b;
}

class DibTest : public ::testing::Test {
protected:
    QString Write(const char* name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
    MessageRecorder m_messages;
};

struct GoodCase {
    const char* name;
    QByteArray bytes;
    int32_t sizeBitmapInfo, sizeImage, bitOffset, width, height, bitCount;
};

TEST_F(DibTest, ReadsBlocksOfValidBitmaps)
{
    const GoodCase cases[] = {
        // 3 pixels of 3 bytes = 9, padded to 12 per row.
        {"rgb24.bmp", MakeBmp(3, 2, 24, 0, 24, 24), 40, 24, 54, 3, 2, 24},
        {"pal8.bmp", MakeBmp(4, 2, 8, 256, 8, 8), 1064, 8, 1078, 4, 2, 8},
        {"rgb32.bmp", MakeBmp(2, -2, 32, 0, 16, 16), 40, 16, 54, 2, -2, 32},
        // Image size 0 is allowed for uncompressed bitmaps: taken from the rows.
        {"size0.bmp", MakeBmp(3, 2, 24, 0, 0, 24), 40, 24, 54, 3, 2, 24},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.name);
        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(Write(c.name, c.bytes)));
        EXPECT_EQ(dib.FileType(), 19778);
        EXPECT_EQ(dib.SizeBitmapInfo(), c.sizeBitmapInfo);
        EXPECT_EQ(dib.SizeImage(), c.sizeImage);
        EXPECT_EQ(dib.BitOffset(), c.bitOffset);
        EXPECT_EQ(dib.Width(), c.width);
        EXPECT_EQ(dib.Height(), c.height);
        EXPECT_EQ(dib.BitCount(), c.bitCount);
        EXPECT_EQ(dib.SizeFileHeader(), c.bytes.size());
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(dib.PointerToBits()), dib.SizeImage()),
                  c.bytes.mid(c.bitOffset));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(dib.PointerToBitmapInfo()),
                             dib.SizeBitmapInfo()),
                  c.bytes.mid(14, c.sizeBitmapInfo));
    }
    EXPECT_EQ(m_messages.Count(), 0);
}

TEST_F(DibTest, ShortPixelBlockIsZeroFilled)
{
    QByteArray bytes = MakeBmp(3, 2, 24, 0, 24, 24);
    bytes.chop(4);
    cDIB dib;
    ASSERT_TRUE(dib.CreateFromFile(Write("short.bmp", bytes)));
    const QByteArray bits(reinterpret_cast<const char*>(dib.PointerToBits()), 24);
    EXPECT_EQ(bits.left(20), bytes.mid(54));
    EXPECT_EQ(bits.right(4), QByteArray(4, '\0'));
}

struct BadCase {
    const char* name;
    QByteArray bytes;
};

TEST_F(DibTest, RefusesDamagedFilesAndKeepsThePreviousBitmap)
{
    QByteArray lowOffset = MakeBmp(3, 2, 24, 0, 24, 24);
    lowOffset[10] = 20; // pixels would start inside the information header
    QByteArray offsetPastEnd = MakeBmp(3, 2, 24, 0, 24, 24);
    offsetPastEnd[11] = 0x10;
    QByteArray hugeImage = MakeBmp(3, 2, 24, 0, 24, 24);
    hugeImage[37] = char(0x7F); // image size field ~2 GB
    const BadCase cases[] = {
        {"notbm.bmp", MakeBmp(3, 2, 24, 0, 24, 24, 0x5089)},
        {"empty.bmp", QByteArray()},
        {"headonly.bmp", MakeBmp(3, 2, 24, 0, 24, 24).left(30)},
        {"lowoffset.bmp", lowOffset},
        {"offsetpastend.bmp", offsetPastEnd},
        {"huge.bmp", hugeImage},
        {"compressed0.bmp", [] { QByteArray b = MakeBmp(3, 2, 24, 0, 0, 24); b[30] = 1; return b; }()},
        // The image size says fewer bytes than width x height rows need.
        {"sizebelowrows.bmp", MakeBmp(3, 2, 24, 0, 12, 24)},
        // Rows of 2^31 pixels at 32 bits: the row size overflows 32 bits.
        {"widerows.bmp", MakeBmp(0x7FFFFFFF, 1, 32, 0, 24, 24)},
        // Rows of 2^40 bytes, 2^24 of them: 2^64 bytes, which wraps to 0 in
        // 64 bits and must not pass for a small image.
        {"wrappingrows.bmp", MakeBmp(1 << 30, 1 << 24, 32768, 0, 24, 24)},
    };
    const QByteArray good = MakeBmp(3, 2, 24, 0, 24, 24);
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(Write("good.bmp", good)));
        m_messages.Clear();
        const QString path = Write(c.name, c.bytes);
        EXPECT_FALSE(dib.CreateFromFile(path));
        ASSERT_EQ(m_messages.Count(), 1);
        EXPECT_EQ(m_messages.Messages()[0].text,
                  QStringLiteral("不支持该文件定义的位图格式:\r\n") + path);
        EXPECT_EQ(m_messages.Messages()[0].icon, MsgIcon::Information);
        EXPECT_EQ(dib.SizeImage(), 24);
        EXPECT_EQ(dib.Width(), 3);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(dib.PointerToBits()), 24), good.mid(54));
    }
}

TEST_F(DibTest, MissingFileAndEmptyInstance)
{
    cDIB dib;
    EXPECT_EQ(dib.PointerToBits(), nullptr);
    EXPECT_EQ(dib.PointerToBitmapInfo(), nullptr);
    const QString path = m_dir.filePath(QStringLiteral("Graph1.bmp"));
    EXPECT_FALSE(dib.CreateFromFile(path));
    ASSERT_EQ(m_messages.Count(), 1);
    EXPECT_EQ(m_messages.Messages()[0].text, QStringLiteral("不见不存在： \r\n") + path);
    EXPECT_EQ(m_messages.Messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(dib.PointerToBits(), nullptr);
}

TEST_F(DibTest, PackedBitmapAndWriteBackRoundTrip)
{
    const QByteArray file = MakeBmp(3, 2, 24, 0, 24, 24);
    const QByteArray packed = file.mid(14);
    cDIB dib;
    ASSERT_TRUE(dib.CreateFromPackedDIBPointer(packed.constData()));
    EXPECT_EQ(dib.BitOffset(), 54);
    EXPECT_EQ(dib.SizeFileHeader(), 78);
    const QString out = m_dir.filePath(QStringLiteral("out.bmp"));
    // A longer old file must not leave its tail behind.
    Write("out.bmp", QByteArray(200, 'x'));
    ASSERT_TRUE(dib.WriteToFile(out));
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), file);

    const QByteArray pal8 = MakeBmp(4, 2, 8, 0, 8, 8).mid(14);
    cDIB refused;
    EXPECT_FALSE(refused.CreateFromPackedDIBPointer(pal8.constData()));
    EXPECT_EQ(refused.PointerToBits(), nullptr);
}

} // namespace
