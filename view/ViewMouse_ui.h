#pragma once
// Left-button drags on the drawing area: pan, zoom or trackball rotation by
// the View menu's mode (view/ViewCommands.h). Installed as an event filter
// on the area; it leaves every event to the area and to other filters (the
// main window's right-click pop-up), and waits for no mouse-up: each move
// event is one step, drawn before the next event is handled.
#include <QObject>
#include <functional>

class DrawingArea;

class ViewMouse : public QObject {
    Q_OBJECT
public:
    // rebuild: compile the display lists; display: show the current frame.
    // Empty functions call the area's own BuildDisplayLists and
    // Display(g_CurFrame).
    ViewMouse(DrawingArea* area, std::function<void()> rebuild = {},
              std::function<void()> display = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DrawingArea* m_area;
    std::function<void()> m_rebuild;
    std::function<void()> m_display;
};
