#pragma once
// Reading and writing files that are not regular files (a FIFO, a device)
// without letting the other end hold the program: opening never waits for
// a reader or writer, and a transfer gives up once the other end has taken
// or given nothing for SpecialFileStallSeconds.
#include <QByteArray>
#include <QString>

inline constexpr int SpecialFileStallSeconds = 5;

// Writes all of `bytes` to the existing file at `path`. On failure returns
// false with *error (when given) saying why: the system's cause, or that no
// program reads the FIFO, or that its reader stopped taking data.
bool WriteSpecialFile(const QString& path, const QByteArray& bytes, QString* error);

// Reads up to `maxBytes` from the start of the file at `path` into *bytes,
// up to its end or to a writer that has gone quiet. A FIFO that nobody
// writes reads as empty. On failure returns false with *error.
bool ReadSpecialFile(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error);

// True when `path` names an existing file that is neither a regular file
// nor a folder (links followed).
bool IsSpecialFile(const QString& path);
