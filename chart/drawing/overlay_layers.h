#pragma once

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/overlay_items.h"
#include "chart/drawing/surface.h"
#include "chart/model/chart_overlays.h"

#include <optional>

// Drawing the chart's overlay layers over the network.
namespace qv {

void DrawChartMark(Surface& surface, const ChartGeometry& geometry, const ChartMark& mark);

// The marker and, beside it, the label (top-left 2 pixels right of and below the point, without
// a background). Nothing for a point too far off the picture to place; the point otherwise.
std::optional<PixelPoint> DrawPlotPoint(Surface& surface, const ChartGeometry& geometry,
                                        const ChartPlotPoint& point);

// Each line at (10, y) in its colour, without a background.
void DrawLegendLines(Surface& surface, const std::vector<LegendLine>& legends);

// A polyline through the frequencies that could be placed (a missing one breaks the line), a
// square labelled with its frequency at each end and a ring labelled "Fo" at the point nearest the
// design frequency. Leaves the pen, brush and font changed, as the element paths do.
void DrawResponseLocus(Surface& chart, const ChartGeometry& geometry, const ResponseLocus& locus);

// Every layer in the order of OverlayLayer. An item that cannot be placed on a chart of this size
// is left out; the others are drawn.
void DrawOverlayLayers(Surface& surface, const ChartGeometry& geometry, const ChartOverlays& overlays);

} // namespace qv
