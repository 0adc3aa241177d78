#include "matching/network_append.h"

#include "matching/console_labels.h"

#include <algorithm>

namespace qv {

namespace {

// The recalculation hands AppendElement at most this many bytes of a stored label.
constexpr std::size_t ReplayedLabelBytes = 21;

void Store(MatchNode& slot, std::string_view label, const ElementSpec& e, Complex node) {
    StoreLabel(slot, label);
    slot.nodeR = node.re;
    slot.nodeX = node.im;
    slot.kind = e.kind;
    switch (e.kind) {
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
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

} // namespace

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
    if (!IsElementKind(kind))
        return {-1, AppendRefusal::UnknownKind};
    // Slot 0 holds the reference impedance in ohms, not a start node.
    if (i < 1)
        return {-1, AppendRefusal::NoStartNode};
    if (i >= LastMatchSlot)
        return {-1, AppendRefusal::NetworkFull};

    const MatchNode& from = state.network[i];
    const ElementSpec element{kind, strip, R, value};
    const std::optional<ElementStep> step =
        ComputeElementStep({from.nodeR, from.nodeX}, element, {state.Fo, state.Zo, state.effflag});
    DrawElementPath(chart, state.geometry, *step, std::string(label), colours);
    Store(state.network[i + 1], label, element, step->node);
    return {i + 1, AppendRefusal::None};
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
        // The label is drawn from its first 21 bytes, but the stored label is kept whole: a
        // recalculation must not shorten the names of the elements.
        const std::array<char, MatchLabelBytes> storedLabel = slot.label;
        const MicrostripBlock strip = slot.strip;
        const AppendResult result = AppendElement(state, chart, LabelText(slot, ReplayedLabelBytes),
                                                  slot.kind, strip, slot.R, slot.value, i, colours);
        if (!result)
            break;
        slot.label = storedLabel;
        last = result.node;
    }
    return last;
}

} // namespace qv
