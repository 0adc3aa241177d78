#pragma once

#include "chart/analysis/overlay_items.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"
#include "matching/analysis/frequency_response.h"

#include <vector>

// The source-end impedance across a sweep as the chart's locus layer.
namespace qv {

// Each frequency's reflection against Zo; nothing where the impedance was not computed or
// cannot be placed.
ResponseLocus LocusOfSweep(const std::vector<ResponsePoint>& sweep, Real designHz);

// Draws the locus of the sweep at once (see the chart's DrawResponseLocus).
void DrawResponseLocus(Surface& chart, const ChartGeometry& geometry, const std::vector<ResponsePoint>& sweep,
                       Real designHz);

} // namespace qv
