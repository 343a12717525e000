// The colour swatch of the dialogs; a click opens the colour dialog.
#include "dialogs/common/ColorBox_ui.h"

#include "platform/ColorDialog_ui.h"

#include <QMouseEvent>
#include <QPainter>

ColorBox::ColorBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(40, 20);
    setCursor(Qt::PointingHandCursor);
}

void ColorBox::SetColor(int32_t bgr)
{
    m_color = bgr & 0xFFFFFF;
    update();
}

void ColorBox::PickColor()
{
    if (const auto chosen = ChooseColor(window(), m_color))
        SetColor(*chosen);
}

void ColorBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        emit clicked();
        PickColor();
    }
    QFrame::mousePressEvent(event);
}

void ColorBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        QColor fill = ColorFromBgr(m_color);
        if (!isEnabled())
            fill = fill.lighter(150);
        painter.fillRect(contentsRect(), fill);
    }
    QFrame::paintEvent(event);
}
