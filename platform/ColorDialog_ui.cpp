// The colour dialog, over 0x00BBGGRR colour integers.
#include "platform/ColorDialog_ui.h"

#include <QColorDialog>

namespace {
ColorDialogHandler& Handler()
{
    static ColorDialogHandler handler;
    return handler;
}
} // namespace

std::optional<int32_t> ChooseColor(QWidget* parent, int32_t initial)
{
    if (Handler())
        return Handler()(initial);
    const QColor chosen = QColorDialog::getColor(ColorFromBgr(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return BgrFromColor(chosen);
}

ColorDialogHandler SetColorDialogHandler(ColorDialogHandler handler)
{
    ColorDialogHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
