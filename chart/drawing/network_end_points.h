#pragma once

#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

#include <array>

// The two ends of the matching network drawn before its elements: the load (the node of slot 1)
// and then the source (the source of slot 1), each a red marker with its impedance in ohms.
namespace qv {

// Leaves the font black at size 11 with a clear brush, ready for the element labels.
void DrawNetworkEndPoints(Surface& surface, const ChartGeometry& geometry, const MatchNode& ends, Real Zo);

// Where a label lies on the picture, in pixels; right and bottom are just outside it.
struct LabelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool overlaps(const LabelBox& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// The height of a label line in the size-11 font of the chart's labels.
constexpr int ChartLabelHeight = 18;

// Where DrawNetworkEndPoints writes the load's and the source's labels, measured on the surface.
std::array<LabelBox, 2> NetworkEndLabelBoxes(Surface& surface, const ChartGeometry& geometry,
                                             const MatchNode& ends, Real Zo);

} // namespace qv
