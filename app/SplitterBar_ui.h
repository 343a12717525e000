#pragma once
// A splitter bar of the main window. It only reports the mouse; the window
// moves it and lays the panes out when it is released.
#include <QWidget>

class frmF1;

class SplitterBar : public QWidget {
    Q_OBJECT
public:
    SplitterBar(frmF1* window, bool vertical, QWidget* parent);
    bool Vertical() const { return m_vertical; }
    // Button face at rest, button shadow while dragged.
    void SetDragging(bool dragging);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    frmF1* m_window;
    bool m_vertical;
};
