#pragma once

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/overlay_items.h"
#include "chart/drawing/surface.h"
#include "sparams/analysis/sparameter_file.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// S11 and S22 of the table rows as points on the chart picture.
namespace qv {

inline constexpr int S11MarkerColour = 0x0000FF; // red
inline constexpr int S11LabelColour = 0x000000;  // black
inline constexpr int S22MarkerColour = 0x008000; // green
inline constexpr int S22LabelColour = 0xFF0000;  // blue

struct PlottedRow {
    std::optional<PixelPoint> s11; // nothing for a point too far off the picture to place
    std::optional<PixelPoint> s22;
};

// "---- S11" in red at (10, 10) and "---- S22" in green at (10, 30).
std::vector<LegendLine> SParameterLegends();
// The legends drawn without a background.
void DrawSParameterLegends(Surface& surface);

// S11 with a red marker and a black label, then S22 with a green marker and a blue label, as the
// chart keeps them. With dB set the magnitudes are 20 lg|S|. A reflection that cannot be computed
// is not finite, so the chart leaves it out.
std::array<ChartPlotPoint, 2> PlotPointsOfRow(const std::string& label, PolarValue s11, PolarValue s22,
                                              bool dB);

// S11 with a red marker and a black label, then S22 with a green marker and a blue label; labels
// have their top-left 2 pixels right of and below the point. With dB set the magnitudes are
// 20 lg|S|.
PlottedRow PlotSParamRow(Surface& surface, const ChartGeometry& geometry, const std::string& label,
                         PolarValue s11, PolarValue s22, bool dB);

// A reflection of the file, referenced to fileOhms, as the chart shows it against Zo: the same
// impedance. Unchanged when the file's reference is Zo or is no usable impedance.
PolarValue ReflectionAgainstZo(PolarValue value, Real fileOhms, Real Zo);

// The label of data row i with a label every k rows: the row's frequency text on rows 0, k, 2k...
std::string RowLabel(const SParameterTable& table, std::size_t i, int interval);

} // namespace qv
