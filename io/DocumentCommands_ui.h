#pragma once
// The File menu's document commands and the picture commands of the main
// window. frmF1's handlers (mnuFileOpen_Click, mnuFileSave_Click,
// mnuFileSaveAs_Click, mnuEditCopyAs_Click, mnuFilePrint_Click) call these;
// New and closing the window call AskSaveIfNeeded first.
//
// The main window hands over what the commands need of it once, at start-up,
// with SetDocumentWindow() (io/DocumentWindow.h).
#include "io/DocumentWindow.h"

#include <QString>

class QWidget;
class QPrinter;

// Asks "是否保存当前图形？" when the document holds graphs. Returns true when
// the caller may go on: nothing to save, the user chose No, or the save the
// user asked for succeeded. Cancel, a cancelled or failed save return false.
bool AskSaveIfNeeded(QWidget* parent);

// Open: with an empty path asks to save, then shows the open dialog
// (menu, Ctrl+O, toolbar); with a path (command line, demo menu) opens it
// directly, without the question (call AskSaveIfNeeded first where one is
// wanted). Open goes on only when the save the user asked for succeeded. Returns true when a document was loaded. A file that cannot be
// read or is not a valid document is reported and the current document
// stays exactly as it was.
bool FileOpen(QWidget* parent, const QString& path = {});

// Reads and loads one document without any question or dialog. Returns
// false (after a message) when the file is refused; nothing changes then.
bool LoadDocument(QWidget* parent, const QString& path);

// Save: writes the shown graphs and the coordinate system to a file chosen
// in the save dialog (which asks before replacing a file). True only when a
// file was written; the old file is replaced only by a complete new one.
// Nothing happens (false) when the document has no graph. Failures are
// reported; the graphs stay as they are.
bool FileSave(QWidget* parent);

// Save As: document (filter 1) or BMP picture of the drawing area as it was
// before the dialog opened (filter 2). True when written.
bool FileSaveAs(QWidget* parent);

// Copy as picture: the drawing area as an image on the clipboard. Does
// nothing (returns false) when no graph is shown; a failed capture leaves
// the clipboard as it was.
bool CopyPicture(QWidget* parent);

// Print: one page with the picture of the drawing area. With no printer
// given, the print dialog chooses one; tests pass a PDF printer.
bool PrintPicture(QWidget* parent, QPrinter* printer = nullptr);
