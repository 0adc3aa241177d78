#include "chart/windows/chart_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

ChartView::ChartView(ChartViewHandler& handler, QWidget* parent) : QWidget(parent), handler_(handler) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    handler_.PaintBox1Paint(painter);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    handler_.PaintBox1MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    handler_.PaintBox1MouseDown(event->button(), false, at.x(), at.y());
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    handler_.PaintBox1MouseDown(event->button(), true, at.x(), at.y());
}

} // namespace qv
