#include "matching/network_append.h"

#include "matching/console_labels.h"

#include <algorithm>

namespace qv {

namespace {

// The recalculation hands AppendElement at most this many bytes of a stored label.
constexpr std::size_t ReplayedLabelBytes = 21;

enum class LabelStore { Typed, Kept };

void Store(MatchNode& slot, std::string_view label, LabelStore labelStore, const ElementSpec& e,
           Complex node) {
    if (labelStore == LabelStore::Typed)
        StoreLabel(slot, label);
    slot.nodeR = node.re;
    slot.nodeX = node.im;
    slot.kind = e.kind;
    switch (e.kind) {
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
    case ShuntShortedStub:
        slot.strip = e.strip;
        slot.value = 0;
        break;
    case SeriesImpedance:
    case ShuntImpedance:
        slot.R = e.R;
        slot.value = e.value;
        break;
    default:
        slot.value = e.value;
        break;
    }
}

// The recalculation draws a stored label from its first 21 bytes but keeps the label whole: a
// replay must not shorten the names of the elements.
AppendResult Append(ProgramState& state, Surface& chart, std::string_view label, LabelStore labelStore,
                    const ElementSpec& element, int i, PathColours colours) {
    if (const AppendRefusal refusal = AppendRefusalAt(element.kind, i); refusal != AppendRefusal::None)
        return {-1, refusal};

    const MatchNode& from = state.network[i];
    const std::optional<ElementStep> step =
        ComputeElementStep({from.nodeR, from.nodeX}, element, {state.Fo, state.Zo, state.effflag});
    DrawElementPath(chart, state.geometry, *step, std::string(label), colours);
    Store(state.network[i + 1], label, labelStore, element, step->node);
    return {i + 1, AppendRefusal::None};
}

ElementSpec SpecOf(const MatchNode& slot) {
    return {slot.kind, slot.strip, slot.R, slot.value};
}

} // namespace

AppendRefusal AppendRefusalAt(int kind, int i) {
    if (!IsElementKind(kind))
        return AppendRefusal::UnknownKind;
    // Slot 0 holds the reference impedance in ohms, not a start node.
    if (i < 1)
        return AppendRefusal::NoStartNode;
    if (i >= LastMatchSlot)
        return AppendRefusal::NetworkFull;
    return AppendRefusal::None;
}

void StoreElement(MatchNode& slot, std::string_view label, const ElementSpec& element, Complex node) {
    Store(slot, label, LabelStore::Typed, element, node);
}

int ComputeNetworkNodes(ProgramState& state, int n) {
    n = std::min(n, LastMatchSlot);
    const NodeConditions conditions{state.Fo, state.Zo, state.effflag};
    for (int i = 1; i < n; ++i) {
        MatchNode& slot = state.network[i + 1];
        slot.strip.frequency = state.Fo;
        const MatchNode& from = state.network[i];
        const std::optional<ElementStep> step =
            ComputeElementStep({from.nodeR, from.nodeX}, SpecOf(slot), conditions);
        if (!step)
            return i;
        slot.nodeR = step->node.re;
        slot.nodeX = step->node.im;
    }
    return std::max(n, 1);
}

void DrawNetworkPaths(const ProgramState& state, Surface& chart, int n, int first) {
    n = std::min(n, LastMatchSlot);
    const NodeConditions conditions{state.Fo, state.Zo, state.effflag};
    PathColours colours;
    for (int i = std::max(first, 1); i < n; ++i) {
        const MatchNode& slot = state.network[i + 1];
        if (!IsElementKind(slot.kind))
            return;
        colours = {state.colours.lineColourOfKind(slot.kind), state.colours.labelColourOfKind(slot.kind)};
        const MatchNode& from = state.network[i];
        const std::optional<ElementStep> step =
            ComputeElementStep({from.nodeR, from.nodeX}, SpecOf(slot), conditions);
        DrawElementPath(chart, state.geometry, *step, LabelText(slot, ReplayedLabelBytes), colours);
    }
}

std::string RefusalText(AppendRefusal refusal) {
    switch (refusal) {
    case AppendRefusal::NetworkFull:
        return "匹配网络已满(最多499个元件),不能再接入元件";
    case AppendRefusal::NoStartNode:
        return "请先通过“匹配设置”设置负载和源";
    default:
        return {};
    }
}

AppendResult AppendElement(ProgramState& state, Surface& chart, std::string_view label, int kind,
                           const MicrostripBlock& strip, Real R, Real value, int i, PathColours colours) {
    return Append(state, chart, label, LabelStore::Typed, {kind, strip, R, value}, i, colours);
}

int RecalculateNetwork(ProgramState& state, Surface& chart, int n) {
    n = std::min(n, LastMatchSlot);
    PathColours colours;
    int last = 1;
    for (int i = 1; i < n; ++i) {
        MatchNode& slot = state.network[i + 1];
        slot.strip.frequency = state.Fo;
        if (IsElementKind(slot.kind))
            colours = {state.colours.lineColourOfKind(slot.kind), state.colours.labelColourOfKind(slot.kind)};
        const AppendResult result = Append(state, chart, LabelText(slot, ReplayedLabelBytes),
                                           LabelStore::Kept, SpecOf(slot), i, colours);
        if (!result)
            break;
        last = result.node;
    }
    return last;
}

} // namespace qv
