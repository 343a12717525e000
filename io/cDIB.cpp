// cDIB, one device-independent bitmap as a Windows BMP file holds it.
#include "io/cDIB.h"
#include "platform/AppTitle.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>

namespace {

// A frame is never near this; a larger header value is a damaged file that
// would otherwise make us allocate gigabytes.
constexpr uint32_t MaxImageBytes = 512u * 1024u * 1024u;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(QByteArray& out, uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}
void Put32(QByteArray& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Bytes of the bitmap's rows as width x height pixels. Above MaxImageBytes
// the figure only has to stay above it: it stops at MaxImageBytes + 1, so
// that header values however large cannot wrap the product.
uint64_t RowsBytes(const cDIB& dib)
{
    const uint64_t rows = static_cast<uint64_t>(std::abs(int64_t(dib.Height())));
    const uint64_t row = dib.RowBytes() > 0 ? static_cast<uint64_t>(dib.RowBytes()) : 0;
    constexpr uint64_t tooMany = uint64_t(MaxImageBytes) + 1;
    if (rows != 0 && row > tooMany / rows)
        return tooMany;
    return row * rows;
}

void Report(const QString& text, const QString& path, MsgIcon icon)
{
    ShowMessage(text + QStringLiteral("\r\n") + path, AppTitle(), icon);
}

} // namespace

void cDIB::SetInfoHeader(const uint8_t* p)
{
    m_infoSize = U32(p);
    m_width = static_cast<int32_t>(U32(p + 4));
    m_height = static_cast<int32_t>(U32(p + 8));
    m_planes = U16(p + 12);
    m_bitCount = U16(p + 14);
    m_compression = U32(p + 16);
    m_sizeImage = U32(p + 20);
    m_xppm = static_cast<int32_t>(U32(p + 24));
    m_yppm = static_cast<int32_t>(U32(p + 28));
    m_clrUsed = U32(p + 32);
    m_clrImportant = U32(p + 36);
}

bool cDIB::CreateFromFile(const QString& path)
{
    const QString unsupported = QStringLiteral("不支持该文件定义的位图格式:");
    QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        Report(QStringLiteral("不见不存在： "), path, MsgIcon::Critical);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::OpenError && !info.isReadable())
            Report(QStringLiteral("文件被锁:"), path, MsgIcon::Critical);
        else
            ShowMessage(file.errorString(), AppTitle(), MsgIcon::Information);
        return false;
    }
    const QByteArray head = file.read(FileHeaderSize + InfoHeaderSize);
    const auto* h = reinterpret_cast<const uint8_t*>(head.constData());
    if (head.size() < FileHeaderSize || U16(h) != BitmapType) {
        Report(unsupported, path, MsgIcon::Information);
        return false;
    }
    // Work on a copy so that a refused file leaves the previous bitmap whole.
    cDIB next = *this;
    next.m_fileType = U16(h);
    next.m_fileSize = U32(h + 2);
    next.m_reserved1 = U16(h + 6);
    next.m_reserved2 = U16(h + 8);
    next.m_bitOffset = U32(h + 10);
    // The information header must be complete and lie before the pixels.
    if (head.size() < FileHeaderSize + InfoHeaderSize ||
        next.m_bitOffset < static_cast<uint32_t>(FileHeaderSize + InfoHeaderSize) ||
        next.m_bitOffset > static_cast<uint64_t>(file.size())) {
        Report(unsupported, path, MsgIcon::Information);
        return false;
    }
    next.SetInfoHeader(h + FileHeaderSize);
    const bool uncompressed = next.m_compression == 0 || next.m_compression == 3;
    const uint64_t rowsBytes = RowsBytes(next);
    uint32_t imageBytes = next.m_sizeImage;
    // An uncompressed bitmap may leave its image size 0; it follows from the
    // dimensions then.
    if (imageBytes == 0 && uncompressed && next.m_width > 0 && next.m_bitCount > 0 &&
        rowsBytes <= MaxImageBytes)
        imageBytes = static_cast<uint32_t>(rowsBytes);
    if (imageBytes == 0 || imageBytes > MaxImageBytes || next.m_width <= 0 || next.m_height == 0) {
        Report(unsupported, path, MsgIcon::Information);
        return false;
    }
    // Uncompressed rows are read as width x height pixels by whoever uses
    // the bitmap: an image size smaller than that is a damaged header.
    if (uncompressed && (next.m_bitCount == 0 || rowsBytes > imageBytes)) {
        Report(unsupported, path, MsgIcon::Information);
        return false;
    }
    next.m_sizeImage = imageBytes;

    // A file shorter than its headers say leaves zero bytes at the end.
    next.m_bits = QByteArray(static_cast<qsizetype>(imageBytes), '\0');
    file.seek(next.m_bitOffset);
    file.read(next.m_bits.data(), imageBytes);
    next.m_info = QByteArray(static_cast<qsizetype>(next.m_bitOffset - FileHeaderSize), '\0');
    file.seek(FileHeaderSize);
    file.read(next.m_info.data(), next.m_info.size());
    next.m_filled = true;
    *this = std::move(next);
    return true;
}

bool cDIB::CreateFromPackedDIBPointer(const void* packed)
{
    if (!packed)
        return false;
    const auto* p = static_cast<const uint8_t*>(packed);
    SetInfoHeader(p);
    if (m_bitCount < 16 || m_sizeImage == 0 || m_sizeImage > MaxImageBytes)
        return false;
    m_bits = QByteArray(reinterpret_cast<const char*>(p + InfoHeaderSize),
                        static_cast<qsizetype>(m_sizeImage));
    m_info = QByteArray(reinterpret_cast<const char*>(p), InfoHeaderSize);
    m_fileType = BitmapType;
    m_fileSize = FileHeaderSize + InfoHeaderSize + m_sizeImage;
    m_reserved1 = 0;
    m_reserved2 = 0;
    m_bitOffset = FileHeaderSize + InfoHeaderSize;
    m_filled = true;
    return true;
}

bool cDIB::WriteToFile(const QString& path) const
{
    QByteArray out;
    Put16(out, m_fileType);
    Put32(out, m_fileSize);
    Put16(out, m_reserved1);
    Put16(out, m_reserved2);
    Put32(out, m_bitOffset);
    out.append(m_info);
    out.append(m_bits);
    // Truncate: leftover bytes of a longer old file would make a damaged bitmap.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(out) == out.size();
}

const uint8_t* cDIB::PointerToBits() const
{
    return m_filled ? reinterpret_cast<const uint8_t*>(m_bits.constData()) : nullptr;
}

const uint8_t* cDIB::PointerToBitmapInfo() const
{
    return m_filled ? reinterpret_cast<const uint8_t*>(m_info.constData()) : nullptr;
}
