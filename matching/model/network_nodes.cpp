#include "matching/model/network_nodes.h"

#include "matching/model/console_labels.h"
#include "matching/model/network_texts.h"

#include <algorithm>

namespace qv {

namespace {

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

} // namespace

ElementSpec SpecOf(const MatchNode& slot) {
    return {slot.kind, slot.strip, slot.R, slot.value};
}

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

void StoreComputedElement(MatchNode& slot, const ElementSpec& element, Complex node) {
    Store(slot, {}, LabelStore::Kept, element, node);
}

int ComputeNetworkNodes(NetworkState& state, int n) {
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

std::string RefusalText(AppendRefusal refusal) {
    switch (refusal) {
    case AppendRefusal::NetworkFull:
        return NetworkText::tr("匹配网络已满(最多499个元件),不能再接入元件").toStdString();
    case AppendRefusal::NoStartNode:
        return NetworkText::tr("请先通过“匹配设置”设置负载和源").toStdString();
    default:
        return {};
    }
}

} // namespace qv
