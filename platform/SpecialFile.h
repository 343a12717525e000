#pragma once
// Reading and writing files that are not regular files (a FIFO, a device)
// without letting the other end hold the program: opening never waits for
// a reader or writer, and a whole transfer gives up after
// SpecialFileLimitSeconds, however the other end paces its bytes.
#include <QByteArray>
#include <QString>

#include <functional>

inline constexpr int SpecialFileLimitSeconds = 5;

// Writes all of `bytes` to the existing file at `path`. On failure returns
// false with *error (when given) saying why: the system's cause, or that no
// program reads the FIFO, or that its reader did not take it all in time.
bool WriteSpecialFile(const QString& path, const QByteArray& bytes, QString* error);

// Reads up to `maxBytes` from the start of the file at `path` into *bytes,
// up to its end, or until `complete` (when given) says the bytes read so far
// are all the caller needs: a writer that keeps the FIFO open after sending
// a whole document is not waited for. A FIFO whose writer leaves without
// sending anything reads as empty. On failure (no program writes the FIFO,
// or its writer did not send it all in time, say) returns false with *error.
bool ReadSpecialFile(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error,
                     const std::function<bool(const QByteArray&)>& complete = {});

// True when `path` names an existing file that is neither a regular file
// nor a folder (links followed).
bool IsSpecialFile(const QString& path);
