// Replacing a file on disk only once its new content is wholly written.
#include "platform/SaveFile.h"

#include "platform/SpecialFile.h"

#include <QBuffer>
#include <QSaveFile>

namespace {

// The device's own error when it has one (the write the system refused),
// else the writer's reason, else the device's text.
QString FailureText(const QFileDevice& device, const QString& writerWhy)
{
    if (device.error() != QFileDevice::NoError || writerWhy.isEmpty())
        return device.errorString();
    return writerWhy;
}

// Runs the writer on the open file and pushes out what the buffer holds,
// also after a failed write. A short write (the disk filled up, the size
// limit was reached halfway) fails without a cause; the next write at the
// system meets the cause itself, so a failed flush is tried once more.
bool WriteAndFlush(QFileDevice& file, const ContentWriter& write, QString* why)
{
    const bool written = write(file, why);
    bool flushed = file.flush();
    if (!flushed)
        (void)file.flush();
    return written && flushed && file.error() == QFileDevice::NoError;
}

// The content is made in memory first and then handed to the file, which
// may be a FIFO whose reader must not be able to hold the program.
bool WriteToSpecialFile(const QString& path, const ContentWriter& write, QString* error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString why;
    if (!write(buffer, &why)) {
        if (error)
            *error = why.isEmpty() ? buffer.errorString() : why;
        return false;
    }
    return WriteSpecialFile(path, buffer.data(), error);
}

} // namespace

bool WriteFileThrough(const QString& path, const ContentWriter& write, QString* error)
{
    if (IsSpecialFile(path))
        return WriteToSpecialFile(path, write, error);

    QSaveFile file(path);
    QString why;
    // commit() does not always report a write that failed when the buffer
    // reached the disk (disk full, file-size limit) and would then replace
    // the old file with a short one: flush and check first.
    const bool ok =
        file.open(QIODevice::WriteOnly) && WriteAndFlush(file, write, &why) && file.commit();
    if (ok)
        return true;
    // Taken before cancelWriting(), which puts its own text in its place.
    if (error)
        *error = FailureText(file, why);
    file.cancelWriting();
    return false;
}

bool WriteFileReplacing(const QString& path, const QByteArray& bytes, QString* error)
{
    return WriteFileThrough(
        path,
        [&bytes](QIODevice& device, QString*) {
            // Written on after a short write, so that the system says why.
            for (qint64 done = 0; done < bytes.size();) {
                const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
                if (n <= 0)
                    return false;
                done += n;
            }
            return true;
        },
        error);
}
