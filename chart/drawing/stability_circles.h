#pragma once

#include "chart/analysis/stability_block.h"
#include "chart/analysis/stability_shading.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

// Drawing the two-port's stability circles on the chart.
namespace qv {

// The input circle in red and the output circle in blue, full circles of pen width 1, then the
// legends "---输入稳定圆" at (10, 10) and "---输出稳定圆" at (10, 30). Throws FloatingPointError
// for a circle that cannot be placed in whole pixels (a value that is not finite or far off the
// surface); nothing is drawn then.
// With sides, the unstable part of the chart beside each circle is first hatched lightly in the
// circle's colour.
void DrawStabilityCircles(Surface& surface, const ChartGeometry& geometry, const StabilityCircles& circles,
                          const std::optional<StabilitySides>& sides = std::nullopt);

} // namespace qv
