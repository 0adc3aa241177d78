#include "matching/model/auto_match_network.h"

#include "core/numbers/errors.h"
#include "matching/model/network_model.h"
#include "matching/model/network_texts.h"

namespace qv {

MicrostripBlock DefaultSubstrate(const ProgramState& state) {
    for (int i = state.NodeCount; i >= 2; --i) {
        const MatchNode& slot = state.network[i];
        if (slot.kind == SeriesMicrostripLine || slot.kind == ShuntMicrostripStub ||
            slot.kind == ShuntShortedStub)
            return {state.Fo, slot.strip.W, slot.strip.H, slot.strip.T, slot.strip.Er, 0};
    }
    return {state.Fo, 0.76e-3L, 0.6e-3L, 0.035e-3L, 4.6L, 0};
}

AutoMatchRequest RequestFromNetwork(const ProgramState& state) {
    const MatchNode& ends = state.network[1];
    AutoMatchRequest request;
    request.load = {ends.nodeR * state.Zo, ends.nodeX * state.Zo};
    request.source = {ends.sourceR * state.Zo, ends.sourceX * state.Zo};
    request.Fo = state.Fo;
    request.Zo = state.Zo;
    request.matchflag = state.matchflag;
    request.effflag = state.effflag;
    request.substrate = DefaultSubstrate(state);
    return request;
}

bool RequestStillHolds(const AutoMatchRequest& request, const ProgramState& state) {
    const AutoMatchRequest now = RequestFromNetwork(state);
    return state.NodeCount >= 1 && now.load == request.load && now.source == request.source &&
           now.Fo == request.Fo && now.Zo == request.Zo && now.matchflag == request.matchflag &&
           now.effflag == request.effflag;
}

Refusable<> ApplyMatch(NetworkModel& network, const std::vector<ElementSpec>& elements) {
    const ProgramState& state = network.state();
    if (state.NodeCount < 1)
        return Refusable<>::Refused(NetworkText::tr("请先设置负载和源").toStdString());
    if (elements.size() > static_cast<std::size_t>(LastMatchSlot - 1))
        return Refusable<>::Refused(NetworkText::tr("元件太多").toStdString());
    const MatchNode& ends = state.network[1];
    // The ends restart and every element is appended as one step; a refusal puts it all back.
    NetworkChangeGuard guard(network);
    try {
        network.setEnds({ends.nodeR, ends.nodeX}, {ends.sourceR, ends.sourceX}, EndsRule::Restart);
        for (const ElementSpec& e : elements)
            if (const Refusable<int> node = network.append(ElementLabel(e), e); !node)
                return Refusable<>::Refused(node.reason());
    } catch (const FloatingPointError& error) {
        return Refusable<>::Refused(error.what());
    }
    guard.commit();
    return {};
}

} // namespace qv
