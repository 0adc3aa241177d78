#pragma once

#include "chart/drawing/vector_picture.h"

class QPrinter;
class QWidget;

// Printing a picture: scaled to fit the page's printable area, centred, kept in proportion.
namespace qv {

// Paints the picture of width x height units on one page; false when the printer cannot begin.
bool PrintPicture(QPrinter& printer, int width, int height, const PaintPicture& paint);

// A print preview of the picture; the user prints from there or closes it.
void PreviewPicture(QWidget* parent, int width, int height, const PaintPicture& paint);

} // namespace qv
