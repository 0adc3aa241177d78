#pragma once

#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"
#include "matching/drawing/element_path.h"
#include "matching/model/network_nodes.h"

#include <string_view>

// Appending an element to the matching chain and replaying the whole chain on the chart: the node
// is computed, the path drawn on the chart picture, then the element and its node are stored.
namespace qv {

// Computes node i + 1 from node i for the element, draws its path into the chart and stores the
// element and the new node in slot i + 1. The label is the element's name as typed (UTF-8); it is
// stored as GBK, cut to 23 bytes. NodeCount is the caller's to update. Throws FloatingPointError
// before anything is drawn or stored when the element cannot be computed.
AppendResult AppendElement(NetworkState& state, const ChartGeometry& geometry, Surface& chart,
                           std::string_view label, int kind, const MicrostripBlock& strip, Real R, Real value,
                           int i, PathColours colours);

// Draws the paths of the elements of slots 2..n from their stored nodes, each in its kind's
// colours, with the first 21 bytes of its label.
void DrawNetworkPaths(const ProgramState& state, Surface& chart, int n, int first = 1);

// Replays the elements of slots 2..n in order at the current Fo (every slot's frequency is set to
// Fo first, so microstrip elements follow it), each in its kind's colours, and stops at the first
// element that cannot be appended. Returns the index of the last node computed (1 when none).
int RecalculateNetwork(NetworkState& state, const ChartGeometry& geometry, const ChartColours& colours,
                       Surface& chart, int n);

} // namespace qv
