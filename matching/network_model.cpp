#include "matching/network_model.h"

#include "core/decimal.h"
#include "core/engineering.h"
#include "core/errors.h"
#include "core/text_format.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Steps kept for undo; older ones are forgotten.
constexpr std::size_t UndoDepth = 200;

} // namespace

NetworkModel::NetworkModel(ProgramState& state, QObject* parent) : QObject(parent), state_(state) {
    computed_ = state_.NodeCount;
}

void NetworkModel::reset() {
    undo_.clear();
    redo_.clear();
    state_.NodeCount = 0;
    MatchNode& reference = state_.network[0];
    reference.sourceR = state_.Zo;
    reference.sourceX = 0;
    reference.nodeR = state_.Zo;
    reference.nodeX = 0;
    finish(NetworkChange::Reset);
}

void NetworkModel::setLoad(Complex ohms, EndsRule rule) {
    const MatchNode& ends = state_.network[1];
    setEnds({ohms.re / state_.Zo, ohms.im / state_.Zo}, {ends.sourceR, ends.sourceX}, rule);
}

void NetworkModel::setSource(Complex ohms, EndsRule rule) {
    const MatchNode& ends = state_.network[1];
    setEnds({ends.nodeR, ends.nodeX}, {ohms.re / state_.Zo, ohms.im / state_.Zo}, rule);
}

void NetworkModel::setEnds(Complex loadNormalised, Complex sourceNormalised, EndsRule rule) {
    remember();
    MatchNode& ends = state_.network[1];
    ends.nodeR = loadNormalised.re;
    ends.nodeX = loadNormalised.im;
    ends.sourceR = sourceNormalised.re;
    ends.sourceX = sourceNormalised.im;
    if (rule == EndsRule::Restart || state_.NodeCount < 1)
        state_.NodeCount = 1;
    finish(NetworkChange::Ends);
}

AppendResult NetworkModel::append(std::string_view label, const ElementSpec& element) {
    const int i = state_.NodeCount;
    if (const AppendRefusal refusal = AppendRefusalAt(element.kind, i); refusal != AppendRefusal::None)
        return {-1, refusal};
    // The whole chain is computed first, so that the element starts from the true last node.
    computed_ = ComputeNetworkNodes(state_, i);
    const MatchNode& from = state_.network[i];
    const std::optional<ElementStep> step =
        ComputeElementStep({from.nodeR, from.nodeX}, element, {state_.Fo, state_.Zo, state_.effflag});
    remember();
    StoreElement(state_.network[i + 1], label, element, step->node);
    state_.NodeCount = i + 1;
    finish(NetworkChange::Appended);
    return {i + 1, AppendRefusal::None};
}

bool NetworkModel::insert(int k, const MatchNode& element) {
    const int n = state_.NodeCount;
    if (n < 1 || k < 2 || k > n + 1 || n >= LastMatchSlot || !IsElementKind(element.kind))
        return false;
    remember();
    for (int i = n; i >= k; --i)
        state_.network[i + 1] = state_.network[i];
    state_.network[k] = element;
    state_.NodeCount = n + 1;
    finish(NetworkChange::Elements);
    return true;
}

bool NetworkModel::replace(int k, const MatchNode& element) {
    if (k < 2 || k > state_.NodeCount || !IsElementKind(element.kind))
        return false;
    remember();
    state_.network[k] = element;
    finish(NetworkChange::Elements);
    return true;
}

bool NetworkModel::remove(int k) {
    const int n = state_.NodeCount;
    if (k < 2 || k > n)
        return false;
    remember();
    for (int i = k; i < n; ++i)
        state_.network[i] = state_.network[i + 1];
    state_.NodeCount = n - 1;
    finish(NetworkChange::Elements);
    return true;
}

FileOutcome NetworkModel::loadFile(const std::string& fileName) {
    // A file that does not load changes nothing, so the step is dropped again.
    const Snapshot before = snapshot();
    FileOutcome outcome = LoadNetworkFile(state_, fileName);
    if (outcome) {
        remember(before);
        finish(NetworkChange::Loaded);
    }
    return outcome;
}

FileOutcome NetworkModel::saveFile(const std::string& fileName) {
    FileOutcome outcome = SaveNetworkFile(state_, fileName);
    if (outcome)
        unsaved_ = false;
    return outcome;
}

// The step is remembered only once the value is made and stored: the stored text is made first,
// so that a value without one changes nothing.
bool NetworkModel::setFrequency(Real hertz) {
    if (!IsUsablePositive(hertz))
        return false;
    const std::string text = FrequencyStoreText(hertz); // reads back to the same value
    Snapshot before = snapshot();
    state_.para.WriteParaString("Fo", text);
    state_.Fo = hertz;
    remember(std::move(before));
    finish(NetworkChange::Frequency);
    return true;
}

bool NetworkModel::setReferenceImpedance(Real ohms) {
    if (!IsUsablePositive(ohms))
        return false;
    const std::string text = ImpedanceStoreText(ohms);
    Snapshot before = snapshot();
    state_.para.WriteParaString("Zo", text);
    state_.Zo = ohms;
    // Slot 0 holds the reference impedance in ohms.
    state_.network[0].sourceR = ohms;
    state_.network[0].nodeR = ohms;
    remember(std::move(before));
    finish(NetworkChange::Impedance);
    return true;
}

void NetworkModel::setMatchMode(int flag) {
    remember();
    state_.matchflag = flag;
    state_.para.WriteParaString("matchflag", Format("%d", {flag}));
    finish(NetworkChange::MatchMode);
}

void NetworkModel::setWavelengthMode(int flag) {
    remember();
    state_.effflag = flag;
    finish(NetworkChange::WavelengthMode);
}

void NetworkModel::recalculate() {
    finish(NetworkChange::Recalculated);
}

// The stacks move only once the snapshot is put back: a snapshot that cannot be stored leaves the
// state and both stacks as they were.
bool NetworkModel::undo() {
    if (undo_.empty())
        return false;
    Snapshot current = snapshot();
    putBack(undo_.back());
    undo_.pop_back();
    redo_.push_back(std::move(current));
    finish(NetworkChange::Restored);
    return true;
}

bool NetworkModel::redo() {
    if (redo_.empty())
        return false;
    Snapshot current = snapshot();
    putBack(redo_.back());
    redo_.pop_back();
    undo_.push_back(std::move(current));
    finish(NetworkChange::Restored);
    return true;
}

void NetworkModel::beginStep() {
    if (stepDepth_++ == 0)
        stepRemembered_ = false;
}

void NetworkModel::endStep() {
    if (stepDepth_ > 0)
        --stepDepth_;
}

NetworkModel::Snapshot NetworkModel::snapshot() const {
    Snapshot s;
    const int n = std::clamp(state_.NodeCount, 0, LastMatchSlot);
    s.nodes.assign(state_.network.nodes.begin(), state_.network.nodes.begin() + n + 1);
    s.nodeCount = state_.NodeCount;
    s.Fo = state_.Fo;
    s.Zo = state_.Zo;
    s.matchflag = state_.matchflag;
    s.effflag = state_.effflag;
    return s;
}

void NetworkModel::putBack(const Snapshot& s) {
    // Everything that can fail is done before anything changes.
    const std::optional<std::string> fo =
        s.Fo != state_.Fo ? std::optional(FrequencyStoreText(s.Fo)) : std::nullopt;
    const std::optional<std::string> zo =
        s.Zo != state_.Zo ? std::optional(ImpedanceStoreText(s.Zo)) : std::nullopt;
    std::copy(s.nodes.begin(), s.nodes.end(), state_.network.nodes.begin());
    state_.NodeCount = s.nodeCount;
    // The stored settings follow the values put back.
    if (fo)
        state_.para.WriteParaString("Fo", *fo);
    if (zo)
        state_.para.WriteParaString("Zo", *zo);
    if (s.matchflag != state_.matchflag)
        state_.para.WriteParaString("matchflag", Format("%d", {s.matchflag}));
    state_.Fo = s.Fo;
    state_.Zo = s.Zo;
    state_.matchflag = s.matchflag;
    state_.effflag = s.effflag;
}

void NetworkModel::remember() {
    remember(snapshot());
}

void NetworkModel::remember(Snapshot before) {
    if (stepDepth_ > 0) {
        if (stepRemembered_)
            return;
        stepRemembered_ = true;
    }
    undo_.push_back(std::move(before));
    if (undo_.size() > UndoDepth)
        undo_.pop_front();
    redo_.clear();
}

void NetworkModel::finish(NetworkChange change) {
    switch (change) {
    case NetworkChange::Reset:
    case NetworkChange::Loaded:
        unsaved_ = false;
        break;
    case NetworkChange::MatchMode:
    case NetworkChange::WavelengthMode:
    case NetworkChange::Recalculated:
        break; // not part of a network file
    default:
        unsaved_ = true;
        break;
    }
    std::optional<FloatingPointError> failure;
    try {
        computed_ = ComputeNetworkNodes(state_, state_.NodeCount);
    } catch (const FloatingPointError& error) {
        failure = error;
        computed_ = state_.NodeCount;
        // The nodes before the failing element are computed: find where the chain broke.
        for (int i = 1; i < state_.NodeCount; ++i) {
            try {
                const MatchNode& from = state_.network[i];
                const MatchNode& slot = state_.network[i + 1];
                ComputeElementStep({from.nodeR, from.nodeX}, {slot.kind, slot.strip, slot.R, slot.value},
                                   {state_.Fo, state_.Zo, state_.effflag});
            } catch (const FloatingPointError&) {
                computed_ = i;
                break;
            }
        }
    }
    emit changed(change);
    if (failure)
        throw *failure;
}

} // namespace qv
