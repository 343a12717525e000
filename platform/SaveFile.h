#pragma once
// Replacing a file on disk only once its new content is wholly written.
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Puts the content on the device; on failure returns false and may set
// *why (a writer's own reason, used when the device itself reports none).
using ContentWriter = std::function<bool(QIODevice& device, QString* why)>;

// Writes a file through `write`. A regular or new file is written to a
// temporary file that replaces the old one only when everything was written
// and flushed; on failure the old file stays as it was. A device or other
// special file that exists (/dev/full, a FIFO) is written directly: it
// cannot be replaced, and renaming over it would put a regular file in its
// place; it is written without ever waiting long for its reader
// (SpecialFile.h). On failure *error (when given) says why, with the cause the system
// gave ("No space left on device", "File too large") before a writer's
// vaguer text.
bool WriteFileThrough(const QString& path, const ContentWriter& write, QString* error);

// WriteFileThrough with the bytes as the content.
bool WriteFileReplacing(const QString& path, const QByteArray& bytes, QString* error);
