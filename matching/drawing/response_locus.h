#pragma once

#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"
#include "matching/analysis/frequency_response.h"

#include <vector>

// The source-end impedance across a sweep, drawn on the chart picture.
namespace qv {

// Orange-brown, a colour no element kind and no grid default uses (0x00BBGGRR).
inline constexpr int LocusColour = 0x0060C0;

// A polyline through the frequencies that could be computed (a failed one breaks the line), a
// square labelled with its frequency at each end and a ring labelled "Fo" at the point of the design
// frequency itself, none when the sweep has no such point (WithDesignPoint puts it in). Leaves the pen, brush
// and font changed, as the element paths do.
void DrawResponseLocus(Surface& chart, const ChartGeometry& geometry, const std::vector<ResponsePoint>& sweep,
                       Real designHz);

} // namespace qv
