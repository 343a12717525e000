#include "io/DocumentCommands_ui.h"

bool AskSaveIfNeeded(QWidget*) { return true; }
bool FileOpen(QWidget*, const QString&) { return false; }
bool LoadDocument(QWidget*, const QString&) { return false; }
bool FileSave(QWidget*) { return false; }
bool FileSaveAs(QWidget*) { return false; }
bool CopyPicture(QWidget*) { return false; }
bool PrintPicture(QWidget*, QPrinter*) { return false; }
