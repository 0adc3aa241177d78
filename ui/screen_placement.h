#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace qv {

// The top-left corner for a window of `size` that opens beside the cursor, `offset` from it, and
// lies inside `area`: near the right or bottom edge it opens left of or above the cursor instead,
// and a window larger than the area keeps its top-left corner inside it.
QPoint PlaceBesideCursor(const QRect& area, QSize size, QPoint cursor, QPoint offset);

// The top-left corner that keeps a window of `size` wanted at `topLeft` inside `area`.
QPoint KeepInside(const QRect& area, QSize size, QPoint topLeft);

// Moves the top-level window beside the cursor (global coordinates) on the screen under it.
void MoveBesideCursor(QWidget& window, QPoint cursor, QPoint offset);

// Moves the top-level window to topLeft, or as near as keeps it on the screen under that point.
void MoveOnScreen(QWidget& window, QPoint topLeft);

} // namespace qv
