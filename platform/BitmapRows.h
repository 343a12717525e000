#pragma once
// The row size of device-independent bitmaps, for the bitmap reader and the
// video writer alike.
#include <cstdint>

// Bytes of one stored pixel row: rows are padded to 4 bytes. In 64 bits,
// since width times bit count overflows 32 bits for wide pictures.
constexpr int64_t DibRowBytes(int64_t width, int64_t bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}
