// cFileDlg, the open and save file dialogs.
#include "platform/FileDialog_ui.h"
#include "platform/AppTitle.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

FileDialogHandler& Handler()
{
    static FileDialogHandler handler;
    return handler;
}

// The pairs of a "|"-separated filter as QFileDialog name filters.
QStringList NameFilters(const QString& filter)
{
    QString converted = filter;
    converted.replace(QLatin1Char(':'), QLatin1Char('|'));
    const QStringList parts = converted.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString wrapped = QLatin1Char('(') + patterns + QLatin1Char(')');
        // A description that already ends with its patterns is shown as it is.
        if (parts[i].trimmed().endsWith(wrapped))
            out << parts[i].trimmed();
        else
            out << parts[i] + QLatin1Char(' ') + wrapped;
    }
    return out;
}

FileDialogAnswer ShowQFileDialog(const FileDialogRequest& r)
{
    QFileDialog dialog(r.owner, r.title, r.initDirectory);
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (r.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (r.multiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(r.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The replace question is asked by RunFileDialog, in the program's words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.defaultExt.isEmpty())
        dialog.setDefaultSuffix(r.defaultExt);
    const QStringList filters = NameFilters(r.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = r.filterIndex >= 1 && r.filterIndex <= filters.size() ? r.filterIndex : 1;
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!r.fileName.isEmpty())
        dialog.selectFile(r.fileName);

    FileDialogAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.accepted = true;
    answer.path = dialog.selectedFiles().join(QChar(0));
    answer.filterIndex = static_cast<int32_t>(filters.indexOf(dialog.selectedNameFilter()) + 1);
    return answer;
}

} // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

FileDialogAnswer RunFileDialog(const FileDialogRequest& request)
{
    FileDialogRequest r = request;
    for (;;) {
        const FileDialogAnswer a = Handler() ? Handler()(r) : ShowQFileDialog(r);
        if (!a.accepted || !r.save || !r.overwritePrompt || !QFileInfo::exists(a.path))
            return a;
        const MsgAnswer replace =
            ShowMessage(QStringLiteral("文件“%1”已经存在。\n要替换它吗？").arg(a.path),
                        r.title, MsgIcon::Warning, MsgButtons::YesNo);
        if (replace == MsgAnswer::Yes || replace == MsgAnswer::Ok)
            return a;
        // No: choose again, starting from the name just picked.
        r.fileName = a.path;
        r.filterIndex = a.filterIndex;
    }
}

cFileDlg::cFileDlg()
    : InitDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
      DlgTitle(AppTitle())
{
}

void cFileDlg::SetInitDirectorySpecial(int32_t folder)
{
    InitDirectory = folder == 5
                        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                        : QDir::homePath();
}

bool cFileDlg::VBGetSaveFileName(QString& FileName, QString* FileTitle)
{
    return Run(true, FileName, FileTitle);
}

bool cFileDlg::VBGetOpenFileName(QString& FileName, QString* FileTitle)
{
    return Run(false, FileName, FileTitle);
}

bool cFileDlg::VBGetOpenFileNamePreview(QString& FileName, QString* FileTitle)
{
    return Run(false, FileName, FileTitle);
}

bool cFileDlg::Run(bool save, QString& FileName, QString* FileTitle)
{
    FileDialogRequest r;
    r.save = save;
    r.owner = OwnerHwnd;
    r.title = DlgTitle;
    r.filter = Filter;
    r.filterIndex = FilterIndex;
    r.fileName = FileName;
    r.initDirectory = InitDirectory;
    r.defaultExt = DefaultExt;
    r.overwritePrompt = OverwritePrompt;
    r.fileMustExist = FileMustExist;
    r.multiSelect = MultiSelect && !save;

    const FileDialogAnswer a = RunFileDialog(r);
    if (!a.accepted) {
        FileName = QString(QChar(0));
        if (FileTitle)
            *FileTitle = QString(QChar(0));
        Flags = 0;
        Filter = QString(QChar(0));
        FilterIndex = save ? 0 : -1;
        return false;
    }
    FileName = a.path;
    if (FileTitle)
        *FileTitle = QFileInfo(a.path.section(QChar(0), 0, 0)).fileName();
    FilterIndex = a.filterIndex;
    Filter = FilterLookup(ConvertFilter(Filter), a.filterIndex);
    InitDirectory = a.path.section(QChar(0), 0, 0);
    int32_t flags = Flags & ~0x60;
    if (save) {
        flags |= FlagHideReadOnly | (OverwritePrompt ? FlagOverwritePrompt : 0);
    } else {
        flags |= (FileMustExist ? FlagFileMustExist : 0) | (MultiSelect ? FlagAllowMultiSelect : 0) |
                 (HideReadOnly ? FlagHideReadOnly : 0);
    }
    Flags = flags;
    return true;
}

bool cFileDlg::ExistFile(const QString& path)
{
    QFileInfo info(path);
    return info.exists() && info.isFile() && info.isReadable();
}

QString cFileDlg::VBGetFileTitle(const QString& path)
{
    QFileInfo info(path);
    return info.fileName();
}

QString cFileDlg::ConvertFilter(const QString& filter)
{
    QString out = filter;
    out.replace(QLatin1Char('|'), QChar(0));
    out.replace(QLatin1Char(':'), QChar(0));
    out += QChar(0);
    out += QChar(0);
    return out;
}

QString cFileDlg::FilterLookup(const QString& converted, int32_t index)
{
    if (converted == QString(QChar(0)) || index < 1)
        return {};
    qsizetype start = 0;
    for (int32_t k = 1;; ++k) {
        const qsizetype first = converted.indexOf(QChar(0), start);
        if (first < 0)
            return {};
        const qsizetype second = converted.indexOf(QChar(0), first + 1);
        const qsizetype end = second < 0 ? converted.size() : second;
        if (k == index)
            return converted.mid(start, end - start);
        if (second < 0)
            return {};
        start = second + 1;
    }
}
