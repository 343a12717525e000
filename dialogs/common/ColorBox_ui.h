#pragma once
// A small colour swatch of the graph dialogs: its background is the colour
// (0x00BBGGRR); a click opens the colour dialog preset with that colour.
#include <QFrame>
#include <cstdint>

class ColorBox : public QFrame {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    int32_t Color() const { return m_color; }
    void SetColor(int32_t bgr);

    // Opens the colour dialog; a cancelled dialog keeps the colour.
    void PickColor();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t m_color = 0;
};
