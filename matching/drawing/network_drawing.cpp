#include "matching/drawing/network_drawing.h"

#include "matching/model/console_labels.h"

#include <algorithm>

namespace qv {

namespace {

// The recalculation hands AppendElement at most this many bytes of a stored label.
constexpr std::size_t ReplayedLabelBytes = 21;

enum class LabelStore { Typed, Kept };

// The recalculation draws a stored label from its first 21 bytes but keeps the label whole: a
// replay must not shorten the names of the elements.
AppendResult Append(NetworkState& state, const ChartGeometry& geometry, Surface& chart,
                    std::string_view label, LabelStore labelStore, const ElementSpec& element, int i,
                    PathColours colours, std::span<const LabelBox> endLabels) {
    if (const AppendRefusal refusal = AppendRefusalAt(element.kind, i); refusal != AppendRefusal::None)
        return {-1, refusal};

    const MatchNode& from = state.network[i];
    const std::optional<ElementStep> step =
        ComputeElementStep({from.nodeR, from.nodeX}, element, {state.Fo, state.Zo, state.effflag});
    DrawElementPath(chart, geometry, *step, std::string(label), colours, endLabels);
    if (labelStore == LabelStore::Typed)
        StoreElement(state.network[i + 1], label, element, step->node);
    else
        StoreComputedElement(state.network[i + 1], element, step->node);
    return {i + 1, AppendRefusal::None};
}

} // namespace

AppendResult AppendElement(NetworkState& state, const ChartGeometry& geometry, Surface& chart,
                           std::string_view label, int kind, const MicrostripBlock& strip, Real R, Real value,
                           int i, PathColours colours) {
    return Append(state, geometry, chart, label, LabelStore::Typed, {kind, strip, R, value}, i, colours,
                  NetworkEndLabelBoxes(chart, geometry, state.network[1], state.Zo));
}

void DrawNetworkPaths(const ProgramState& state, Surface& chart, int n, int first) {
    n = std::min(n, LastMatchSlot);
    const NodeConditions conditions{state.Fo, state.Zo, state.effflag};
    PathColours colours;
    const std::array<LabelBox, 2> ends =
        NetworkEndLabelBoxes(chart, state.geometry, state.network[1], state.Zo);
    for (int i = std::max(first, 1); i < n; ++i) {
        const MatchNode& slot = state.network[i + 1];
        if (!IsElementKind(slot.kind))
            return;
        colours = {state.colours.lineColourOfKind(slot.kind), state.colours.labelColourOfKind(slot.kind)};
        const MatchNode& from = state.network[i];
        const std::optional<ElementStep> step =
            ComputeElementStep({from.nodeR, from.nodeX}, SpecOf(slot), conditions);
        DrawElementPath(chart, state.geometry, *step, LabelText(slot, ReplayedLabelBytes), colours, ends);
    }
}

int RecalculateNetwork(NetworkState& state, const ChartGeometry& geometry, const ChartColours& chartColours,
                       Surface& chart, int n) {
    n = std::min(n, LastMatchSlot);
    PathColours colours;
    int last = 1;
    const std::array<LabelBox, 2> ends = NetworkEndLabelBoxes(chart, geometry, state.network[1], state.Zo);
    for (int i = 1; i < n; ++i) {
        MatchNode& slot = state.network[i + 1];
        slot.strip.frequency = state.Fo;
        if (IsElementKind(slot.kind))
            colours = {chartColours.lineColourOfKind(slot.kind), chartColours.labelColourOfKind(slot.kind)};
        const AppendResult result = Append(state, geometry, chart, LabelText(slot, ReplayedLabelBytes),
                                           LabelStore::Kept, SpecOf(slot), i, colours, ends);
        if (!result)
            break;
        last = result.node;
    }
    return last;
}

} // namespace qv
