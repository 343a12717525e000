// Text in code page 936 through glibc iconv, nothing dropped or replaced.
#include "platform/Codepage936.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion through iconv; nothing on any error (an invalid or
// unconvertible sequence, or a truncated one at the end).
std::optional<QByteArray> Convert(const char* to, const char* from, const QByteArray& in)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray out;
    // Either direction grows by at most 2x (two bytes per Chinese character
    // in CP936, three in UTF-8); leave room for that and grow if needed.
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    size_t written = 0;
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = out.data() + written;
        size_t dstLeft = static_cast<size_t>(out.size()) - written;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        written = static_cast<size_t>(out.size()) - dstLeft;
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        ok = false; // EILSEQ or EINVAL
        break;
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(static_cast<qsizetype>(written));
    return out;
}

} // namespace

// QString::toUtf8 turns a lone surrogate into "?", which would save a
// character the user never typed.
static bool HasLoneSurrogate(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

std::optional<QByteArray> EncodeCodepage936(const QString& text)
{
    if (HasLoneSurrogate(text))
        return std::nullopt;
    return Convert("CP936", "UTF-8", text.toUtf8());
}

std::optional<QString> DecodeCodepage936(const QByteArray& bytes)
{
    auto utf8 = Convert("UTF-8", "CP936", bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

QString FirstUnencodableCharacter(const QString& text)
{
    if (EncodeCodepage936(text))
        return {};
    for (qsizetype i = 0; i < text.size();) {
        qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QString ch = text.mid(i, len);
        if (!EncodeCodepage936(ch))
            return ch;
        i += len;
    }
    return {};
}
