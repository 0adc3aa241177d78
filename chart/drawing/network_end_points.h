#pragma once

#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

// The two ends of the matching network drawn before its elements: the load (the node of slot 1)
// and then the source (the source of slot 1), each a red marker with its impedance in ohms.
namespace qv {

// Leaves the font black at size 11 with a clear brush, ready for the element labels.
void DrawNetworkEndPoints(Surface& surface, const ChartGeometry& geometry, const MatchNode& ends, Real Zo);

} // namespace qv
