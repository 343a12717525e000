// A splitter bar of the main window; it reports the mouse, the window moves it.
#include "app/SplitterBar_ui.h"

#include "app/frmF1_ui.h"

#include <QMouseEvent>
#include <cmath>

SplitterBar::SplitterBar(frmF1* window, bool vertical, QWidget* parent)
    : QWidget(parent), m_window(window), m_vertical(vertical)
{
    setAutoFillBackground(true);
    setCursor(vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    SetDragging(false);
}

void SplitterBar::SetDragging(bool dragging)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QPalette().color(dragging ? QPalette::Dark : QPalette::Button));
    setPalette(p);
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    m_window->SplitterMouseDown(this);
    event->accept();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    // The bar keeps the mouse until the button is released (implicit grab).
    const double tpp = m_window->TwipsPerPixel();
    const int dx = static_cast<int>(std::lround(event->position().x() * tpp));
    const int dy = static_cast<int>(std::lround(event->position().y() * tpp));
    m_window->SplitterMouseMove(this, dx, dy);
    event->accept();
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_window->SplitterMouseUp(this);
    event->accept();
}
