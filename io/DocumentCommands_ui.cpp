// The File menu's document commands and the picture commands (save as bitmap, copy, print).
#include "io/DocumentCommands_ui.h"

#include "io/DocumentLoad.h"
#include "io/DocumentWriter.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/FileAssociation.h"
#include "platform/FileDialog_ui.h"
#include "platform/MessageBox.h"
#include "platform/PictureCapture_gl.h"
#include "platform/Printer_ui.h"
#include "platform/SaveFile.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QOpenGLWidget>

namespace {

const QString kDocumentFilter = QStringLiteral("(*.qgd)|*.qgd");
const QString kDocumentAndBitmapFilter = QStringLiteral("*.qgd|*.qgd|*.bmp|*.bmp");

void ReportError(const QString& text)
{
    ShowMessage(text, QStringLiteral("出错"), MsgIcon::Warning);
}

// Builds the document of every listed graph; a document that cannot be
// stored is reported before any dialog opens.
std::optional<QByteArray> DocumentBytesOrReport()
{
    QString why;
    std::optional<QByteArray> bytes = CurrentDocumentFile(&why);
    if (!bytes)
        ReportError(QStringLiteral("无法保存当前图形：%1").arg(why));
    return bytes;
}

bool WriteDocument(const QString& path, const QByteArray& bytes)
{
    QString why;
    if (!WriteFileReplacing(path, bytes, &why)) {
        ReportError(QStringLiteral("无法保存文件“%1”：%2").arg(path, why));
        return false;
    }
    // The association follows the program if it moved.
    RegisterFileAssociation();
    return true;
}

FileDialogAnswer AskForFile(QWidget* parent, bool save, const QString& title,
                            const QString& filter, int32_t filterIndex)
{
    FileDialogRequest r;
    r.save = save;
    r.owner = parent;
    r.title = title;
    r.filter = filter;
    r.filterIndex = filterIndex;
    r.overwritePrompt = true;
    r.fileMustExist = true;
    return RunFileDialog(r);
}

// The capture sequence: show the current frame, then read it back.
QImage CaptureDrawingArea()
{
    QOpenGLWidget* area = GetDocumentWindow().picDraw;
    if (!area)
        return {};
    area->setFocus();
    return CapturePictureBox(area);
}

bool WriteBitmap(const QString& path, const QImage& picture)
{
    if (picture.isNull()) {
        ReportError(QStringLiteral("无法保存位图：无法读取绘图区的图像。"));
        return false;
    }
    // Written as BMP whatever the name says; an existing file is replaced
    // only by a complete one.
    QString why;
    const bool ok = WriteFileThrough(
        path,
        [&picture](QIODevice& device, QString* writerWhy) {
            QImageWriter writer(&device, "bmp");
            if (writer.write(picture))
                return true;
            *writerWhy = writer.errorString();
            return false;
        },
        &why);
    if (!ok)
        ReportError(QStringLiteral("无法保存位图“%1”：%2").arg(path, why));
    return ok;
}

} // namespace

bool AskSaveIfNeeded(QWidget* parent)
{
    if (g_AllGraphs.FunSurfs.Count() == 0)
        return true;
    switch (ShowMessage(QStringLiteral("是否保存当前图形？"), QStringLiteral("注意"),
                        MsgIcon::Warning, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
    case MsgAnswer::Ok:
        return FileSave(parent);
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

bool LoadDocument(QWidget*, const QString& path)
{
    return LoadDocumentFromFile(path);
}

bool FileOpen(QWidget* parent, const QString& path)
{
    if (!path.isEmpty())
        return LoadDocumentFromFile(path);

    // The view's mouse modes and trackball are reset only when a document
    // is actually loaded, so a cancelled Open leaves the view as it was.
    if (!AskSaveIfNeeded(parent))
        return false;
    const FileDialogAnswer a =
        AskForFile(parent, false, QStringLiteral("Open File"), kDocumentFilter, 1);
    if (!a.accepted || a.path.isEmpty())
        return false;
    return LoadDocumentFromFile(a.path);
}

bool FileSave(QWidget* parent)
{
    if (g_AllGraphs.FunSurfs.Count() == 0)
        return false;
    std::optional<QByteArray> bytes = DocumentBytesOrReport();
    if (!bytes)
        return false;
    const FileDialogAnswer a = AskForFile(parent, true, QStringLiteral("保存"), kDocumentFilter, 1);
    if (!a.accepted || a.path.isEmpty())
        return false;
    return WriteDocument(a.path, *bytes);
}

bool FileSaveAs(QWidget* parent)
{
    // The picture is taken before the dialog opens, whichever filter the
    // user then picks.
    const QImage picture = CaptureDrawingArea();
    const FileDialogAnswer a =
        AskForFile(parent, true, QStringLiteral("另存为"), kDocumentAndBitmapFilter, 1);
    if (!a.accepted || a.path.isEmpty())
        return false;
    if (a.filterIndex != 2) {
        std::optional<QByteArray> bytes = DocumentBytesOrReport();
        return bytes && WriteDocument(a.path, *bytes);
    }
    return WriteBitmap(a.path, picture);
}

bool CopyPicture(QWidget*)
{
    if (g_ShownGraphs.FunSurfs.Count() == 0)
        return false;
    const QImage picture = CaptureDrawingArea();
    if (picture.isNull()) {
        ReportError(QStringLiteral("无法复制图形：无法读取绘图区的图像。"));
        return false;
    }
    QGuiApplication::clipboard()->setImage(picture);
    return true;
}

bool PrintPicture(QWidget* parent, QPrinter* printer)
{
    const QImage picture = CaptureDrawingArea();
    if (picture.isNull()) {
        ReportError(QStringLiteral("无法打印：无法读取绘图区的图像。"));
        return false;
    }
    switch (PrintPicturePage(picture, printer, parent)) {
    case PrintResult::Printed:
        return true;
    case PrintResult::Cancelled:
        return false;
    case PrintResult::Failed:
        break;
    }
    ReportError(QStringLiteral("打印失败。"));
    return false;
}
