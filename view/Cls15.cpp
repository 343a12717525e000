// Cls15, the texture loader: the size rule and the raw picture reader.
#include "view/Cls15.h"

#include <algorithm>
#include <cstring>

int32_t TextureSide(int32_t side, int32_t maxTextureSize)
{
    if (side <= 0 || maxTextureSize <= 0)
        return 0;
    // The limit is min(256, the implementation's largest size), taken down
    // to a power of two: OpenGL reports powers of two, and a side must never
    // exceed what it accepts.
    int32_t limit = 1;
    while (limit * 2 <= std::min<int32_t>(256, maxTextureSize))
        limit *= 2;
    if (side > limit)
        return limit;
    // The next power of two, found in integers: log(w) / log(2) can land a
    // hair above a whole number and double a side that is already a power.
    int32_t p = 1;
    while (p < side)
        p *= 2;
    return p;
}

bool ReadRawTexture(const QByteArray& bytes, TexturePixels& out)
{
    if (bytes.size() < 8)
        return false;
    auto le32 = [&](int at) {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
        return static_cast<int32_t>(v);
    };
    const int32_t w = le32(0);
    const int32_t h = le32(4);
    constexpr int32_t kMaxSide = 4096;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide)
        return false;
    const qsizetype need = static_cast<qsizetype>(w) * h * 3;
    if (bytes.size() - 8 < need)
        return false;
    out.width = w;
    out.height = h;
    out.rgb.assign(reinterpret_cast<const uint8_t*>(bytes.constData()) + 8,
                   reinterpret_cast<const uint8_t*>(bytes.constData()) + 8 + need);
    return true;
}
