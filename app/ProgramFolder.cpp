// Where the files that belong beside the program (help, demo documents, README) are found.
#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString ProgramDataPath(const QString& name)
{
    QDir dir(ProgramFolder());
    for (int up = 0; up <= 3; ++up) {
        const QString candidate = dir.filePath(name);
        if (QFileInfo::exists(candidate))
            return candidate;
        if (!dir.cdUp())
            break;
    }
    return QDir(ProgramFolder()).filePath(name);
}
