// Text in code page 936 through glibc iconv, nothing dropped or replaced.
#include "platform/Codepage936.h"

#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// QString's own units, so that text goes to iconv as it is, without a copy;
// "UTF-16" alone would add a byte-order mark.
constexpr const char* kUtf16 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE";

// One iconv descriptor per direction and thread, opened on first use:
// opening one costs far more than converting a name, and a descriptor holds
// conversion state, so threads must not share one.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Opened())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The converted bytes; nothing on any error (an invalid or unconvertible
    // sequence, or a truncated one at the end).
    std::optional<QByteArray> Convert(const char* in, size_t size)
    {
        if (!Opened())
            return std::nullopt;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // forget an earlier failure
        char* src = const_cast<char*>(in);
        size_t srcLeft = size;
        QByteArray out;
        // Through a chunk on the stack: a refused character, the usual
        // failure, then costs no allocation.
        char chunk[1024];
        for (;;) {
            char* dst = chunk;
            size_t dstLeft = sizeof chunk;
            const size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            if (r == static_cast<size_t>(-1) && error != E2BIG)
                return std::nullopt; // EILSEQ or EINVAL
            out.append(chunk, dst - chunk);
            if (r != static_cast<size_t>(-1))
                return out;
        }
    }

private:
    bool Opened() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    iconv_t m_cd;
};

Converter& ToCodepage()
{
    thread_local Converter converter("CP936", kUtf16);
    return converter;
}

Converter& FromCodepage()
{
    thread_local Converter converter(kUtf16, "CP936");
    return converter;
}

} // namespace

std::optional<QByteArray> EncodeCodepage936(const QString& text)
{
    const size_t size = static_cast<size_t>(text.size()) * sizeof(char16_t);
    std::optional<QByteArray> bytes =
        ToCodepage().Convert(reinterpret_cast<const char*>(text.utf16()), size);
    if (!bytes)
        return std::nullopt;
    // A successful conversion is not enough: iconv drops the tag characters
    // U+E0000-U+E007F without an error. Only text that comes back unchanged
    // is taken.
    const std::optional<QByteArray> back = FromCodepage().Convert(bytes->constData(),
                                                                  static_cast<size_t>(bytes->size()));
    if (!back || static_cast<size_t>(back->size()) != size ||
        std::memcmp(back->constData(), text.utf16(), size) != 0)
        return std::nullopt;
    return bytes;
}

std::optional<QString> DecodeCodepage936(const QByteArray& bytes)
{
    auto utf16 = FromCodepage().Convert(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!utf16)
        return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(utf16->constData()), utf16->size() / 2);
}

QString FirstUnencodableCharacter(const QString& text)
{
    if (EncodeCodepage936(text))
        return {};
    // The code page keeps no state from one character to the next, so text
    // comes back unchanged exactly when each of its characters does. A
    // character is a surrogate pair or any other single unit.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        if (len == text.size())
            return text; // one character, refused above
        QString ch = text.mid(i, len);
        if (!EncodeCodepage936(ch))
            return ch;
        i += len;
    }
    return {};
}
