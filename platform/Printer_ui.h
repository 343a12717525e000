#pragma once
// Prints one page holding a picture. The picture keeps its size on paper as
// it had on the screen (its pixels at the screen's resolution), placed at
// the top-left corner of the printable area; a picture larger than the page
// is scaled down to fit, keeping its proportions.
#include <QImage>

class QPrinter;
class QWidget;

enum class PrintResult { Printed, Cancelled, Failed };

// With no printer given, the print dialog chooses one; Cancel prints nothing.
PrintResult PrintPicturePage(const QImage& picture, QPrinter* printer, QWidget* parent);
