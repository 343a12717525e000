#pragma once
// Text in code page 936 (simplified Chinese, one byte per ASCII character,
// two per Chinese character), as documents and the clipboard hold it.
// Converted with glibc iconv "CP936". Nothing is dropped or replaced: text
// that has no form in the code page is refused, so a caller can say so.
#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of the text, or nothing when a character cannot be encoded.
std::optional<QByteArray> EncodeCodepage936(const QString& text);

// The text of the bytes, or nothing when they are not valid code page 936.
std::optional<QString> DecodeCodepage936(const QByteArray& bytes);

// The first character of the text that code page 936 cannot represent;
// empty when every character can be encoded.
QString FirstUnencodableCharacter(const QString& text);
