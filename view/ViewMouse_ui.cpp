// Left-button drags on the drawing area: pan, zoom or trackball rotation.
#include "view/ViewMouse_ui.h"

#include "model/Globals.h"
#include "view/Cls4.h"
#include "view/DrawingArea_gl.h"
#include "view/ViewCommands.h"

#include <QMouseEvent>

namespace {

int32_t ButtonMask(Qt::MouseButtons buttons)
{
    int32_t mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= ViewButtonLeft;
    if (buttons & Qt::RightButton)
        mask |= ViewButtonRight;
    if (buttons & Qt::MiddleButton)
        mask |= ViewButtonMiddle;
    return mask;
}

} // namespace

ViewMouse::ViewMouse(DrawingArea* area, std::function<void()> rebuild,
                     std::function<void()> display)
    : QObject(area), m_area(area), m_rebuild(std::move(rebuild)), m_display(std::move(display))
{
    if (!m_rebuild)
        m_rebuild = [area] { area->BuildDisplayLists(); };
    if (!m_display)
        m_display = [area] { area->Display(g_CurFrame); };
    area->installEventFilter(this);
}

bool ViewMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_area)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // The steps work in the area's device pixels, like its ScaleWidth and
    // ScaleHeight.
    const double ratio = m_area->devicePixelRatioF();
    const float x = static_cast<float>(mouse->position().x() * ratio);
    const float y = static_cast<float>(mouse->position().y() * ratio);
    if (type == QEvent::MouseButtonPress) {
        ViewMouseDown(g_View, ButtonMask(mouse->buttons()), x, y);
        return false;
    }
    const ViewRedraw redraw =
        ViewDragStep(g_View, g_Camera, ButtonMask(mouse->buttons()), x, y,
                     static_cast<float>(m_area->ScaleWidth()),
                     static_cast<float>(m_area->ScaleHeight()));
    if (redraw == ViewRedraw::Rebuild)
        m_rebuild();
    if (redraw != ViewRedraw::None)
        m_display();
    return false;
}
