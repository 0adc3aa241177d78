#pragma once

#include "chart/drawing/surface.h"

#include <functional>
#include <optional>
#include <string>

class QPainter;

// Pictures that stay vectors: SVG (labels as text elements, lines and curves as shapes) and PDF
// (one page of the picture's size in points).
namespace qv {

enum class VectorFormat { Svg, Pdf };

// Svg for a name ending in .svg, Pdf for .pdf (any case); nothing for any other name.
std::optional<VectorFormat> VectorFormatOf(const std::string& path);

// Paints on a painter whose device is width x height units.
using PaintPicture = std::function<void(QPainter& painter)>;

// The picture's bytes; empty when the painter could not be begun.
std::string EncodeVectorPicture(VectorFormat format, int width, int height, const PaintPicture& paint);

// Writes the encoded picture so that the target is replaced whole or not at all.
bool SaveVectorPictureAtomically(const std::string& path, VectorFormat format, int width, int height,
                                 const PaintPicture& paint);

// Paints a surface drawing of width x height on the painter (labels stay text on a vector one).
PaintPicture SurfacePicture(int width, int height, std::function<void(Surface&)> draw);

} // namespace qv
