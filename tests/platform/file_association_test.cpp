// Tests of the .qgd file association files.
#include "platform/FileAssociation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
QString Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString ExecLine(const QString& entry)
{
    for (const QString& line : entry.split('\n'))
        if (line.startsWith("Exec="))
            return line.mid(5);
    return {};
}
} // namespace

TEST(FileAssociation, ExecArgumentsAreQuotedWhereNeeded)
{
    struct Case {
        QString path;
        QString exec; // as it stands in the desktop entry
    } cases[] = {
        {"/opt/kvrm/kvrm", "/opt/kvrm/kvrm %f"},
        {"/home/用户/数学 绘图/kvrm", "\"/home/用户/数学 绘图/kvrm\" %f"},
        {"/tmp/a$b/q\"x", "\"/tmp/a\\\\$b/q\\\\\"x\" %f"},
        {"/tmp/100%/q", "\"/tmp/100%%/q\" %f"},
        {"/tmp/back\\slash/q", "\"/tmp/back\\\\\\\\slash/q\" %f"},
    };
    for (const Case& c : cases) {
        const FileAssociationFiles f = BuildFileAssociation("/data", c.path, "/opt/Curvarium.ico");
        EXPECT_EQ(ExecLine(f.desktopEntry), c.exec) << c.path.toStdString();
    }
    const FileAssociationFiles f = BuildFileAssociation("/data", "/p", "/opt/Curvarium.ico");
    EXPECT_TRUE(f.desktopEntry.contains("MimeType=application/x-qgdfile;\n"));
    EXPECT_TRUE(f.desktopEntry.contains("Name=KVRM\n"));
    EXPECT_TRUE(f.desktopEntry.contains("Icon=/opt/Curvarium.ico\n"));
    EXPECT_TRUE(f.mimePackage.contains("<glob pattern=\"*.qgd\"/>"));
    EXPECT_EQ(f.mimePackagePath, QString("/data/mime/packages/qgdfile.xml"));
    EXPECT_EQ(f.desktopEntryPath, QString("/data/applications/qgdfile-kvrm.desktop"));
}

TEST(FileAssociation, WrittenOnlyWhenDifferent)
{
    QTemporaryDir dir;
    const QString data = dir.filePath("数据 home");
    FileAssociationFiles f = BuildFileAssociation(data, "/opt/q g/kvrm", "/opt/q g/Curvarium.ico");
    ASSERT_TRUE(WriteFileAssociation(f, false));
    EXPECT_EQ(Read(f.desktopEntryPath), f.desktopEntry);
    EXPECT_EQ(Read(f.mimePackagePath), f.mimePackage);

    // Same content again: the files are left alone.
    const QDateTime written = QFileInfo(f.desktopEntryPath).lastModified();
    QFile::setPermissions(f.desktopEntryPath, QFile::ReadOwner);
    ASSERT_TRUE(WriteFileAssociation(f, false));
    EXPECT_EQ(QFileInfo(f.desktopEntryPath).lastModified(), written);

    // A moved program is written again, whole.
    QFile::setPermissions(f.desktopEntryPath, QFile::ReadOwner | QFile::WriteOwner);
    f = BuildFileAssociation(data, "/usr/local/bin/kvrm", "/usr/local/bin/Curvarium.ico");
    ASSERT_TRUE(WriteFileAssociation(f, false));
    EXPECT_EQ(Read(f.desktopEntryPath), f.desktopEntry);
}

TEST(FileAssociation, FailureIsReturnedNotThrown)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("file");
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    // The data folder lies below a plain file: nothing can be written.
    EXPECT_FALSE(WriteFileAssociation(BuildFileAssociation(blocker, "/p", "/i.ico"), false));
}
