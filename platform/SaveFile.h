#pragma once
// Replacing a file on disk only once its new content is wholly written.
#include <QByteArray>
#include <QString>

class QSaveFile;

// Completes a QSaveFile whose content has been written. It is flushed and
// checked before commit(), which does not always report a write that failed
// when the buffer reached the disk (disk full, file size limit) and would then
// replace the old file with a short one. On failure the writing is cancelled,
// the old file stays as it was and *error (when given) says why.
bool CommitSaveFile(QSaveFile& file, QString* error);

// Writes the bytes to path through a temporary file that replaces the old
// one only when everything was written.
bool WriteFileReplacing(const QString& path, const QByteArray& bytes, QString* error);
