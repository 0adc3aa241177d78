#pragma once

#include "chart/analysis/overlay_circle.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

#include <string>
#include <vector>

// Circles a two-port design puts on the chart (gain and noise circles), each with a legend line
// below the stability-circle legends. The main window keeps them until "清除".
namespace qv {

// Full circles of pen width 1; legend k at (10, 50 + 20k). Throws FloatingPointError for a circle
// that cannot be placed in whole pixels; nothing more is drawn then.
void DrawOverlayCircles(Surface& surface, const ChartGeometry& geometry,
                        const std::vector<OverlayCircle>& circles);

} // namespace qv
