#pragma once

#include <QWidget>

namespace qv {

// Receives what happens on the drawing area.
class ChartViewHandler {
public:
    virtual ~ChartViewHandler() = default;
    virtual void PaintBox1Paint(QPainter& painter) = 0;
    virtual void PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int X,
                                    int Y) = 0;
    virtual void PaintBox1MouseDown(Qt::MouseButton button, bool doubleClick, int X, int Y) = 0;
};

// The drawing area PaintBox1: forwards its paint and mouse events to the main window, which
// owns the picture.
class ChartView final : public QWidget {
    Q_OBJECT
public:
    ChartView(ChartViewHandler& handler, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ChartViewHandler& handler_;
};

} // namespace qv
