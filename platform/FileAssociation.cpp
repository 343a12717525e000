// Binds .qgd documents to the program on a freedesktop desktop.
#include "platform/FileAssociation.h"

#include "platform/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString XmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// Value escapes of a desktop entry string: backslash and control characters.
QString DesktopValue(const QString& text)
{
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

// Writes text to path unless the file already holds exactly that.
// Returns false on a failure; *changed tells whether it wrote.
bool WriteIfDifferent(const QString& path, const QString& text, bool* changed)
{
    const QByteArray bytes = text.toUtf8();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (!WriteFileReplacing(path, bytes, nullptr))
        return false;
    *changed = true;
    return true;
}

QString UserDataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

} // namespace

QString QuoteExecArgument(const QString& argument)
{
    // Reserved characters of the Exec key force quoting; inside quotes the
    // characters " ` $ \ take a backslash.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return argument;
    QString out = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%'); // a literal percent is written twice
        out += c;
    }
    return out + QLatin1Char('"');
}

FileAssociationFiles BuildFileAssociation(const QString& dataHome, const QString& programPath,
                                          const QString& iconPath)
{
    FileAssociationFiles f;
    f.mimePackagePath = dataHome + QStringLiteral("/mime/packages/qgdfile.xml");
    f.desktopEntryPath = dataHome + QStringLiteral("/applications/qgdfile-kvrm.desktop");

    f.mimePackage =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"%1\">\n"
                       "    <comment>qgdfile</comment>\n"
                       "    <icon name=\"%2\"/>\n"
                       "    <glob pattern=\"*.qgd\"/>\n"
                       "  </mime-type>\n"
                       "</mime-info>\n")
            .arg(QLatin1String(kDocumentMimeType), XmlEscaped(QFileInfo(iconPath).completeBaseName()));

    f.desktopEntry = QStringLiteral("[Desktop Entry]\n"
                                    "Type=Application\n"
                                    "Name=KVRM\n"
                                    "Exec=%1 %f\n"
                                    "Icon=%2\n"
                                    "MimeType=%3;\n"
                                    "Terminal=false\n"
                                    "NoDisplay=true\n")
                         .arg(DesktopValue(QuoteExecArgument(programPath)), DesktopValue(iconPath),
                              QLatin1String(kDocumentMimeType));
    return f;
}

bool WriteFileAssociation(const FileAssociationFiles& files, bool runUpdaters)
{
    bool mimeChanged = false, desktopChanged = false;
    const bool mimeOk = WriteIfDifferent(files.mimePackagePath, files.mimePackage, &mimeChanged);
    const bool desktopOk =
        WriteIfDifferent(files.desktopEntryPath, files.desktopEntry, &desktopChanged);
    if (runUpdaters) {
        // Run in the background; missing tools only mean the desktop picks
        // the files up later.
        const QString mimeDir = QFileInfo(files.mimePackagePath).absolutePath() + QStringLiteral("/..");
        const QString appsDir = QFileInfo(files.desktopEntryPath).absolutePath();
        if (mimeChanged && !QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QProcess::startDetached(QStringLiteral("update-mime-database"), {QDir::cleanPath(mimeDir)});
        if (desktopChanged && !QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
            QProcess::startDetached(QStringLiteral("update-desktop-database"), {appsDir});
    }
    return mimeOk && desktopOk;
}

namespace {
QString& AssociationIconPath()
{
    static QString path;
    return path;
}
} // namespace

void SetAssociationIconPath(const QString& iconPath)
{
    AssociationIconPath() = iconPath;
}

bool RegisterFileAssociation()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        return false;
    const QString icon = !AssociationIconPath().isEmpty()
                             ? AssociationIconPath()
                             : QCoreApplication::applicationDirPath() + QStringLiteral("/Curvarium.ico");
    return WriteFileAssociation(BuildFileAssociation(UserDataHome(), program, icon), true);
}
