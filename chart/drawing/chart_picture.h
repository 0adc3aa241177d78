#pragma once

#include "chart/drawing/surface.h"
#include "core/settings/chart_colours.h"
#include "core/settings/program_state.h"

#include <QImage>
#include <string>

// The chart picture as a whole: a fresh chart (white, with the grid) and its picture file.
namespace qv {

// A picture of the given size ready for a Surface, at the screen's 96 dots per inch so point
// sizes of fonts come out as on the screen.
QImage MakeChartImage(int width, int height);

// Fills the surface white and draws the grid in the colours of para.ini, with pen width 1.
void DrawFreshChart(Surface& surface, const ChartGeometry& geometry, const ChartColours& colours);

// The image encoded as "BMP" or "PNG"; empty when it cannot be encoded.
std::string EncodeImage(const QImage& image, const char* format);

// "PNG" for a name ending in .png (any case), else "BMP": the chart picture's format by its name.
const char* PictureFormatOf(const std::string& path);

// Writes the encoded picture so that the target is replaced whole or not at all.
bool SavePictureAtomically(const QImage& image, const std::string& path, const char* format);

} // namespace qv
