// Prints one page holding a picture.
#include "platform/Printer_ui.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

namespace {

bool PrintOn(const QImage& picture, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const double scale = printer.resolution() / (screenDpi > 0 ? screenDpi : 96.0);
    QSizeF size(picture.width() * scale, picture.height() * scale);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(QPointF(0, 0), size), picture);
    return painter.end();
}

} // namespace

PrintResult PrintPicturePage(const QImage& picture, QPrinter* printer, QWidget* parent)
{
    if (picture.isNull())
        return PrintResult::Failed;
    if (printer)
        return PrintOn(picture, *printer) ? PrintResult::Printed : PrintResult::Failed;
    QPrinter chosen(QPrinter::HighResolution);
    QPrintDialog dialog(&chosen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    return PrintOn(picture, chosen) ? PrintResult::Printed : PrintResult::Failed;
}
