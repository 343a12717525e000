// Where the program's data files are, installed or in the build tree.
#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QG_BUILD_DIR
#define QG_BUILD_DIR ""
#endif
#ifndef QG_SOURCE_DIR
#define QG_SOURCE_DIR ""
#endif
#ifndef QG_DATA_DIR
#define QG_DATA_DIR "share/curvarium"
#endif
#ifndef QG_HOME_PAGE
#define QG_HOME_PAGE ""
#endif
#ifndef QG_SUPPORT_PAGE
#define QG_SUPPORT_PAGE ""
#endif

namespace {

bool IsInside(const QString& path, const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return p == f || p.startsWith(f + QLatin1Char('/'));
}

} // namespace

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString DataFolderFor(const QString& programFolder, const QString& buildDir,
                      const QString& sourceDir, const QString& dataDir)
{
    if (!sourceDir.isEmpty() && IsInside(programFolder, buildDir))
        return QDir::cleanPath(sourceDir);
    return QDir::cleanPath(programFolder + QStringLiteral("/../") + dataDir);
}

QString DataFolder()
{
    return DataFolderFor(ProgramFolder(), QString::fromUtf8(QG_BUILD_DIR),
                         QString::fromUtf8(QG_SOURCE_DIR), QString::fromUtf8(QG_DATA_DIR));
}

QString ProgramDataPath(const QString& name)
{
    return QDir(DataFolder()).filePath(name);
}

QString ProgramIconPath()
{
    const QString source = QString::fromUtf8(QG_SOURCE_DIR);
    if (!source.isEmpty() && IsInside(ProgramFolder(), QString::fromUtf8(QG_BUILD_DIR)))
        return QDir(source).filePath(QStringLiteral("icons/curvarium.svg"));
    return QDir::cleanPath(ProgramFolder() +
                           QStringLiteral("/../share/icons/hicolor/scalable/apps/curvarium.svg"));
}

QString ConfiguredHomePage()
{
    return QString::fromUtf8(QG_HOME_PAGE);
}

QString ConfiguredSupportPage()
{
    return QString::fromUtf8(QG_SUPPORT_PAGE);
}
