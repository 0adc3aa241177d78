#pragma once

#include "core/settings/program_state.h"
#include "matching/analysis/node_calculation.h"

#include <string>
#include <string_view>

// The nodes of the matching chain: whether an element may follow a node, storing a computed
// element in its slot, and computing every node again without drawing.
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

// Why an element of that kind cannot follow node i; None when it can.
AppendRefusal AppendRefusalAt(int kind, int i);

// Stores a computed element in its slot: the typed label (GBK, cut to 23 bytes), the kind, the
// element's own fields and the node after it.
void StoreElement(MatchNode& slot, std::string_view label, const ElementSpec& element, Complex node);
// The same, keeping the label the slot holds.
void StoreComputedElement(MatchNode& slot, const ElementSpec& element, Complex node);

// The element a slot holds.
ElementSpec SpecOf(const MatchNode& slot);

// Computes the nodes of slots 2..n again, without drawing, at the current Fo (every slot's
// frequency is set to Fo first, so microstrip elements follow it). Returns the last node
// computed: n, or the node before an element of unknown kind. Throws FloatingPointError from the
// first element that cannot be computed; the nodes before it are computed by then.
int ComputeNetworkNodes(NetworkState& state, int n);

} // namespace qv
