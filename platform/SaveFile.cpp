// Replacing a file on disk only once its new content is wholly written.
#include "platform/SaveFile.h"

#include <QSaveFile>

bool CommitSaveFile(QSaveFile& file, QString* error)
{
    if (file.flush() && file.error() == QFileDevice::NoError && file.commit())
        return true;
    // Taken before cancelWriting(), which puts its own text in its place.
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool WriteFileReplacing(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return CommitSaveFile(file, error);
}
