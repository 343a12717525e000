#pragma once
// Text in code page 936 (simplified Chinese, one byte per ASCII character,
// two per Chinese character), as documents and the clipboard hold it.
// Converted with glibc iconv "CP936". Nothing is dropped or replaced: text
// that does not come back unchanged from the code page is refused, so a
// caller can say so. Safe to call from any thread.
#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of the text, or nothing when a character cannot be encoded or
// would decode to something else.
std::optional<QByteArray> EncodeCodepage936(const QString& text);

// The text of the bytes, or nothing when they are not valid code page 936.
std::optional<QString> DecodeCodepage936(const QByteArray& bytes);

// The first character of the text that code page 936 cannot hold, exactly
// that one: a surrogate pair whole, a lone surrogate alone. Empty when
// EncodeCodepage936 takes the text.
QString FirstUnencodableCharacter(const QString& text);
