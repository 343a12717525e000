// Colour integers and single-byte text for the view.
#include "view/Colors.h"

namespace Module1 {

int32_t ColorRed(int32_t c)
{
    return c & 255;
}

int32_t ColorGreen(int32_t c)
{
    return (c / 256) & 255;
}

int32_t ColorBlue(int32_t c)
{
    return (c / 65536) & 255;
}

QByteArray StringToAnsiBytes(const QString& s)
{
    QByteArray bytes;
    if (s.isEmpty())
        return bytes;
    bytes.reserve(s.size() + 1);
    for (QChar ch : s)
        bytes.append(ch.unicode() < 128 ? static_cast<char>(ch.unicode()) : '?');
    bytes.append('\0');
    return bytes;
}

} // namespace Module1
