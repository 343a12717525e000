#pragma once
// The colour dialog. Colours are 0x00BBGGRR integers (R + 256*G + 65536*B)
// everywhere in the program; this layer converts to and from QColor.
#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

inline QColor ColorFromBgr(int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int32_t BgrFromColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

// Shows the modal colour dialog preset with `initial`. Returns the chosen
// colour, or nothing when the user cancelled.
std::optional<int32_t> ChooseColor(QWidget* parent, int32_t initial);

// Tests replace the dialog with a function; an empty one restores it.
using ColorDialogHandler = std::function<std::optional<int32_t>(int32_t initial)>;
ColorDialogHandler SetColorDialogHandler(ColorDialogHandler handler);
