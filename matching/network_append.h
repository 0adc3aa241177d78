#pragma once

#include "chart/surface.h"
#include "core/program_state.h"
#include "matching/element_path.h"

#include <string>
#include <string_view>

// Appending an element to the matching chain and replaying the whole chain: the node is
// computed, the path drawn on the chart picture, then the element and its node are stored.
namespace qv {

enum class AppendRefusal {
    None,
    UnknownKind, // a kind outside 1..9: nothing is drawn or stored
    NetworkFull, // slot 500 is in use: no slot is left for another element
    NoStartNode, // the load and source have not been set
};

struct AppendResult {
    int node = -1; // the index of the new node (i + 1); -1 when refused
    AppendRefusal refusal = AppendRefusal::None;
    explicit operator bool() const { return node > 0; }
};

// The message a window shows for a refused append; empty when there is nothing to say.
std::string RefusalText(AppendRefusal refusal);

// Computes node i + 1 from node i for the element, draws its path into the chart and stores the
// element and the new node in slot i + 1. The label is the element's name as typed (UTF-8); it is
// stored as GBK, cut to 23 bytes. NodeCount is the caller's to update. Throws FloatingPointError
// before anything is drawn or stored when the element cannot be computed.
AppendResult AppendElement(ProgramState& state, Surface& chart, std::string_view label, int kind,
                           const MicrostripBlock& strip, Real R, Real value, int i, PathColours colours);

// Why an element of that kind cannot follow node i; None when it can.
AppendRefusal AppendRefusalAt(int kind, int i);

// Stores a computed element in its slot: the typed label (GBK, cut to 23 bytes), the kind, the
// element's own fields and the node after it.
void StoreElement(MatchNode& slot, std::string_view label, const ElementSpec& element, Complex node);

// Computes the nodes of slots 2..n again, without drawing, at the current Fo (every slot's
// frequency is set to Fo first, so microstrip elements follow it). Returns the last node
// computed: n, or the node before an element of unknown kind. Throws FloatingPointError from the
// first element that cannot be computed; the nodes before it are computed by then.
int ComputeNetworkNodes(ProgramState& state, int n);

// Draws the paths of the elements of slots 2..n from their stored nodes, each in its kind's
// colours, with the first 21 bytes of its label.
void DrawNetworkPaths(const ProgramState& state, Surface& chart, int n, int first = 1);

// Replays the elements of slots 2..n in order at the current Fo (every slot's frequency is set to
// Fo first, so microstrip elements follow it), each in its kind's colours, and stops at the first
// element that cannot be appended. Returns the index of the last node computed (1 when none).
int RecalculateNetwork(ProgramState& state, Surface& chart, int n);

} // namespace qv
