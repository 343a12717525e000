#pragma once
// cFileDlg: open and save file dialogs. A caller sets the properties
// (owner, filter, title, default extension...) and calls one of the dialog
// methods with a file name; the method fills in the chosen path and says
// whether the user confirmed. Every dialog of the program goes through here,
// so tests can answer them with SetFileDialogHandler instead of a window.
//
// Filters are written as description and pattern pairs separated by "|"
// (a ":" separates as well): "文档|*.qgd|位图|*.bmp". FilterIndex counts the
// pairs from 1.
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

struct FileDialogRequest {
    bool save = false;
    QWidget* owner = nullptr;
    QString title;
    QString filter;            // pairs as above
    int32_t filterIndex = 0;   // 1-based; 0 or out of range: the first pair
    QString fileName;          // proposed name or path
    QString initDirectory;
    QString defaultExt;        // appended when a name is typed without one
    bool overwritePrompt = true; // save: ask before replacing a file
    bool fileMustExist = true;   // open: only existing files
    bool multiSelect = false;
};

struct FileDialogAnswer {
    bool accepted = false;
    QString path;              // several paths separated by NUL (multiSelect)
    int32_t filterIndex = 0;   // the pair the user had chosen, 1-based
};

using FileDialogHandler = std::function<FileDialogAnswer(const FileDialogRequest&)>;

// Replaces the dialog (tests); returns the previous handler. An empty
// handler restores the QFileDialog.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

// Shows the dialog (or asks the installed handler). A save dialog with
// overwritePrompt asks before an existing file is replaced; No shows the
// dialog again.
FileDialogAnswer RunFileDialog(const FileDialogRequest& request);

class cFileDlg {
public:
    cFileDlg();

    // Window flags with the values of the common dialogs, kept so that the
    // Flags property means the same as everywhere else.
    static constexpr int32_t FlagReadOnly = 0x1;
    static constexpr int32_t FlagOverwritePrompt = 0x2;
    static constexpr int32_t FlagHideReadOnly = 0x4;
    static constexpr int32_t FlagAllowMultiSelect = 0x200;
    static constexpr int32_t FlagFileMustExist = 0x1000;

    QWidget* OwnerHwnd = nullptr;   // none when null
    bool FileMustExist = true;
    bool MultiSelect = false;
    bool HideReadOnly = true;
    QString Filter;
    int32_t FilterIndex = 0;
    QString InitDirectory;          // the user's documents folder at first
    QString DlgTitle;               // the application's name at first
    QString DefaultExt;
    int32_t Flags = 0;
    bool OverwritePrompt = true;

    bool ReadOnly() const { return m_readOnly; }
    void SetInitDirectorySpecial(int32_t folder); // 5: documents; others: home

    // True when the user confirmed; FileName then holds the chosen path and
    // FileTitle (when given) the name without its folder. On cancel both
    // become one NUL character, Flags 0 and FilterIndex 0 (save) or -1 (open).
    bool VBGetSaveFileName(QString& FileName, QString* FileTitle = nullptr);
    bool VBGetOpenFileName(QString& FileName, QString* FileTitle = nullptr);
    bool VBGetOpenFileNamePreview(QString& FileName, QString* FileTitle = nullptr);

    static bool ExistFile(const QString& path);
    static QString VBGetFileTitle(const QString& path);

    // The pair at a 1-based index of a filter whose separators were turned
    // into NUL characters: "description\0pattern"; "" when there is none.
    static QString FilterLookup(const QString& converted, int32_t index);
    // "|" and ":" to NUL, and two NULs at the end.
    static QString ConvertFilter(const QString& filter);

private:
    bool Run(bool save, QString& FileName, QString* FileTitle);
    bool m_readOnly = false;
};
