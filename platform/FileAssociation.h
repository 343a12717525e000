#pragma once
// Binds .qgd documents to the program on a freedesktop desktop: a
// shared-mime-info type for *.qgd (class name "qgdfile") and a desktop
// entry "KVRM" that opens such files with the program, both under the
// user's data folder ($XDG_DATA_HOME, else ~/.local/share). Written at
// start-up and again after each document save, and only when the content
// differs from what is there, so nothing accumulates. Paths are quoted, so
// program folders with blanks or Chinese characters work. A failure is
// returned, never thrown or shown: start-up goes on either way.
#include <QString>

struct FileAssociationFiles {
    QString mimePackagePath;   // <data>/mime/packages/qgdfile.xml
    QString mimePackage;
    QString desktopEntryPath;  // <data>/applications/qgdfile-kvrm.desktop
    QString desktopEntry;
};

// The MIME type of documents.
inline constexpr const char* kDocumentMimeType = "application/x-qgdfile";

// What would be written for this program file and icon under dataHome.
FileAssociationFiles BuildFileAssociation(const QString& dataHome, const QString& programPath,
                                          const QString& iconPath);

// Writes the files that differ; runs the desktop's database updaters in the
// background when something changed and runUpdaters is set. True when both
// files are in place afterwards.
bool WriteFileAssociation(const FileAssociationFiles& files, bool runUpdaters);

// The program's own association: the running program file and its icon
// (the one set below, else "Curvarium.ico" of its folder), under the user's
// data folder.
bool RegisterFileAssociation();

// The icon file the association names from now on.
void SetAssociationIconPath(const QString& iconPath);

// One argument of a desktop entry's Exec line, quoted where it needs it.
QString QuoteExecArgument(const QString& argument);
