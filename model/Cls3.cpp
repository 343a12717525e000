// Cls3, the coordinate-system settings: defaults and the document record
// (their drawing is in view/Cls3_gl.cpp).
#include "model/Cls3.h"

#include <cmath>

void Cls3::SetDefault()
{
    Show = true;
    ShowXYPanel = false;
    ShowXZPanel = false;
    ShowYZPanel = false;
    ShowXYXGrid = true;
    ShowXYYGrid = true;
    ShowXZXGrid = true;
    ShowXZZGrid = true;
    ShowYZYGrid = true;
    ShowYZZGrid = true;
    LabelNumX = 2;
    LabelNumY = 2;
    LabelNumZ = 2;
    XYPanelColor = 13421772;
    XZPanelColor = 13421772;
    YZPanelColor = 13421772;
    XYGridColor = 10066329;
    XZGridColor = 10066329;
    YZGridColor = 10066329;
    TitleX = QStringLiteral("X");
    TitleY = QStringLiteral("Y");
    TitleZ = QStringLiteral("Z");
    XYPanelMaterial = 4;
    XZPanelMaterial = 4;
    YZPanelMaterial = 4;
    AxisColor = 0;
    AxisWidth = 1;
    BetterFonts = true;
}

QString Cls3::Save() const
{
    if (!Show)
        return QStringLiteral("0");

    QString out;
    out.reserve(300);
    // Integers and colours are written exactly (a colour such as 16777215 has
    // more digits than a float's number text keeps).
    auto flag = [&out](bool v) { out += v ? QStringLiteral("1 ") : QStringLiteral("0 "); };
    auto integer = [&out](int32_t v) { out += QString::number(v) + QLatin1Char(' '); };
    auto title = [&out](const QString& v) {
        out += QLatin1Char('@') + v + QStringLiteral("@ ");
    };

    flag(Show);
    flag(ShowXYPanel);
    flag(ShowXZPanel);
    flag(ShowYZPanel);
    flag(ShowXYXGrid);
    flag(ShowXYYGrid);
    flag(ShowXZXGrid);
    flag(ShowXZZGrid);
    flag(ShowYZYGrid);
    flag(ShowYZZGrid);
    flag(BetterFonts);
    integer(LabelNumX);
    integer(LabelNumY);
    integer(LabelNumZ);
    integer(XYPanelColor);
    integer(XZPanelColor);
    integer(YZPanelColor);
    integer(XYGridColor);
    integer(XZGridColor);
    integer(YZGridColor);
    integer(XYPanelMaterial);
    integer(XZPanelMaterial);
    integer(YZPanelMaterial);
    integer(AxisColor);
    integer(AxisWidth);
    title(TitleX);
    title(TitleY);
    title(TitleZ);
    flag(ShowprimaryGrid);
    flag(ShowSecondaryGrid);
    flag(ShowBackground);
    integer(BackStyle);
    integer(BackColor);
    integer(BackColor2);
    integer(PriGridColor);
    integer(SecGridColor);
    flag(ShowSecondaryLabel);
    flag(ShowPI);
    flag(ShowShadow);
    return out;
}

RgbF Cls3::ColorToRGB(int32_t color)
{
    // Whole-number arithmetic in double: trunc(c / 65536), then the rest.
    const double c = color;
    const double b = std::trunc(c / 256.0 / 256.0);
    const double g = std::trunc((c - 65536.0 * b) / 256.0);
    const double r = std::trunc(c - 65536.0 * b - 256.0 * g);
    return {static_cast<float>(r / 255.0), static_cast<float>(g / 255.0),
            static_cast<float>(b / 255.0)};
}

Cls3& CoordSystem()
{
    static Cls3 instance;
    return instance;
}
