#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qv {

namespace {

int Inside(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

QRect AvailableAreaAt(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The window's size with its frame: the frame is known only once the window has been shown.
QSize FrameSize(const QWidget& window) {
    return window.isVisible() ? window.frameGeometry().size() : window.size();
}

} // namespace

QPoint KeepInside(const QRect& area, QSize size, QPoint topLeft) {
    return {Inside(topLeft.x(), size.width(), area.left(), area.width()),
            Inside(topLeft.y(), size.height(), area.top(), area.height())};
}

QPoint PlaceBesideCursor(const QRect& area, QSize size, QPoint cursor, QPoint offset) {
    QPoint place = cursor + offset;
    if (place.x() + size.width() > area.left() + area.width())
        place.setX(cursor.x() - offset.x() - size.width());
    if (place.y() + size.height() > area.top() + area.height())
        place.setY(cursor.y() - offset.y() - size.height());
    return KeepInside(area, size, place);
}

void MoveBesideCursor(QWidget& window, QPoint cursor, QPoint offset) {
    const QRect area = AvailableAreaAt(cursor);
    window.move(area.isEmpty() ? cursor + offset
                               : PlaceBesideCursor(area, FrameSize(window), cursor, offset));
}

void MoveOnScreen(QWidget& window, QPoint topLeft) {
    const QRect area = AvailableAreaAt(topLeft);
    window.move(area.isEmpty() ? topLeft : KeepInside(area, FrameSize(window), topLeft));
}

} // namespace qv
