#pragma once
// cDIB: one device-independent bitmap as it lies in a Windows BMP file — the
// 14-byte file header, the 40-byte information header, the bitmap
// information block (information header plus colour table) and the pixel
// bytes. The AVI export reads every recorded frame through it.
#include "platform/BitmapRows.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class cDIB {
public:
    static constexpr int32_t FileHeaderSize = 14;
    static constexpr int32_t InfoHeaderSize = 40;
    static constexpr uint16_t BitmapType = 0x4D42; // "BM"

    // Reads a BMP file. False after a message (missing, locked or not a
    // bitmap this reader understands); the instance then keeps what it held.
    bool CreateFromFile(const QString& path);
    // Fills from a packed bitmap in memory: information header directly
    // followed by the pixel bytes. Only 16 bits per pixel and more with a
    // positive image size.
    bool CreateFromPackedDIBPointer(const void* packed);
    // Writes the file header, the bitmap information and the pixels.
    // False when the file cannot be written.
    bool WriteToFile(const QString& path) const;

    int32_t BitCount() const { return m_bitCount; }
    int32_t Height() const { return m_height; }
    int32_t Width() const { return m_width; }
    int32_t Compression() const { return static_cast<int32_t>(m_compression); }
    int32_t SizeInfoHeader() const { return static_cast<int32_t>(m_infoSize); }
    int32_t SizeImage() const { return static_cast<int32_t>(m_sizeImage); }
    int32_t Planes() const { return m_planes; }
    int32_t ClrImportant() const { return static_cast<int32_t>(m_clrImportant); }
    int32_t ClrUsed() const { return static_cast<int32_t>(m_clrUsed); }
    int32_t XPPM() const { return m_xppm; }
    int32_t YPPM() const { return m_yppm; }
    int32_t FileType() const { return m_fileType; }
    int32_t SizeFileHeader() const { return static_cast<int32_t>(m_fileSize); }
    int32_t BitOffset() const { return static_cast<int32_t>(m_bitOffset); }

    // Null before the first successful fill.
    const uint8_t* PointerToBits() const;
    const uint8_t* PointerToBitmapInfo() const;
    int32_t SizeBitmapInfo() const { return static_cast<int32_t>(m_info.size()); }

    // Bytes of the pixel data held (what PointerToBits points to).
    int64_t SizeBits() const { return m_bits.size(); }

    // Bytes of one pixel row as stored (rows are padded to 4 bytes).
    int64_t RowBytes() const { return DibRowBytes(m_width, m_bitCount); }

private:
    // Header fields.
    uint16_t m_fileType = 0;
    uint32_t m_fileSize = 0;
    uint16_t m_reserved1 = 0;
    uint16_t m_reserved2 = 0;
    uint32_t m_bitOffset = 0;
    uint32_t m_infoSize = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    uint16_t m_planes = 0;
    uint16_t m_bitCount = 0;
    uint32_t m_compression = 0;
    uint32_t m_sizeImage = 0;
    int32_t m_xppm = 0;
    int32_t m_yppm = 0;
    uint32_t m_clrUsed = 0;
    uint32_t m_clrImportant = 0;

    QByteArray m_info; // information header + colour table
    QByteArray m_bits; // pixel bytes
    bool m_filled = false;

    void SetInfoHeader(const uint8_t* p);
};
