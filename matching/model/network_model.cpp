#include "matching/model/network_model.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "matching/model/network_texts.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

std::string NoSuchSlotText() {
    return NetworkText::tr("没有这个元件位置").toStdString();
}

// Steps kept for undo; older ones are forgotten.
constexpr std::size_t UndoDepth = 200;

} // namespace

NetworkModel::NetworkModel(ProgramState& state, QObject* parent) : QObject(parent), state_(state) {
    computed_ = state_.net_.NodeCount;
}

void NetworkModel::reset() {
    undo_.clear();
    redo_.clear();
    state_.net_.NodeCount = 0;
    MatchNode& reference = state_.net_.network[0];
    reference.sourceR = state_.net_.Zo;
    reference.sourceX = 0;
    reference.nodeR = state_.net_.Zo;
    reference.nodeX = 0;
    // Until a source is set, the design matches to the reference impedance, not to a short.
    MatchNode& ends = state_.net_.network[1];
    ends.sourceR = 1;
    ends.sourceX = 0;
    finish(NetworkChange::Reset);
}

void NetworkModel::setLoad(Complex ohms, EndsRule rule) {
    const MatchNode& ends = state_.net_.network[1];
    setEnds({ohms.re / state_.net_.Zo, ohms.im / state_.net_.Zo}, {ends.sourceR, ends.sourceX}, rule);
}

void NetworkModel::setSource(Complex ohms, EndsRule rule) {
    const MatchNode& ends = state_.net_.network[1];
    setEnds({ends.nodeR, ends.nodeX}, {ohms.re / state_.net_.Zo, ohms.im / state_.net_.Zo}, rule);
}

void NetworkModel::setEnds(Complex loadNormalised, Complex sourceNormalised, EndsRule rule) {
    remember();
    MatchNode& ends = state_.net_.network[1];
    ends.nodeR = loadNormalised.re;
    ends.nodeX = loadNormalised.im;
    ends.sourceR = sourceNormalised.re;
    ends.sourceX = sourceNormalised.im;
    if (rule == EndsRule::Restart || state_.net_.NodeCount < 1)
        state_.net_.NodeCount = 1;
    finish(NetworkChange::Ends);
}

Refusable<int> NetworkModel::append(std::string_view label, const ElementSpec& element) {
    const int i = state_.net_.NodeCount;
    if (const AppendRefusal refusal = AppendRefusalAt(element.kind, i); refusal != AppendRefusal::None)
        return Refusable<int>::Refused(RefusalText(refusal));
    // The whole chain is computed first, so that the element starts from the true last node.
    computed_ = ComputeNetworkNodes(state_.net_, i);
    const MatchNode& from = state_.net_.network[i];
    const std::optional<ElementStep> step = ComputeElementStep(
        {from.nodeR, from.nodeX}, element, {state_.net_.Fo, state_.net_.Zo, state_.net_.effflag});
    remember();
    StoreElement(state_.net_.network[i + 1], label, element, step->node);
    state_.net_.NodeCount = i + 1;
    finish(NetworkChange::Appended);
    return i + 1;
}

Refusable<> NetworkModel::insert(int k, const MatchNode& element) {
    const int n = state_.net_.NodeCount;
    if (const AppendRefusal refusal = AppendRefusalAt(element.kind, n); refusal != AppendRefusal::None)
        return Refusable<>::Refused(RefusalText(refusal));
    if (k < 2 || k > n + 1)
        return Refusable<>::Refused(NoSuchSlotText());
    remember();
    for (int i = n; i >= k; --i)
        state_.net_.network[i + 1] = state_.net_.network[i];
    state_.net_.network[k] = element;
    state_.net_.NodeCount = n + 1;
    finish(NetworkChange::Elements);
    return {};
}

Refusable<> NetworkModel::replace(int k, const MatchNode& element) {
    if (k < 2 || k > state_.net_.NodeCount)
        return Refusable<>::Refused(NoSuchSlotText());
    if (!IsElementKind(element.kind))
        return Refusable<>::Refused(RefusalText(AppendRefusal::UnknownKind));
    remember();
    state_.net_.network[k] = element;
    finish(NetworkChange::Elements);
    return {};
}

Refusable<> NetworkModel::remove(int k) {
    const int n = state_.net_.NodeCount;
    if (k < 2 || k > n)
        return Refusable<>::Refused(NoSuchSlotText());
    remember();
    for (int i = k; i < n; ++i)
        state_.net_.network[i] = state_.net_.network[i + 1];
    state_.net_.NodeCount = n - 1;
    finish(NetworkChange::Elements);
    return {};
}

FileOutcome NetworkModel::loadFile(const std::string& fileName) {
    // A file that does not load changes nothing, so the step is dropped again.
    const Snapshot before = snapshot();
    FileOutcome outcome = LoadNetworkFile(state_.net_, fileName);
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
Refusable<> NetworkModel::setFrequency(Real hertz) {
    if (!IsUsablePositive(hertz))
        return Refusable<>::Refused(NetworkText::tr("频率须为大于0的数").toStdString());
    const std::string text = FrequencyStoreText(hertz); // reads back to the same value
    Snapshot before = snapshot();
    state_.para.WriteParaString("Fo", text);
    state_.net_.Fo = hertz;
    remember(std::move(before));
    finish(NetworkChange::Frequency);
    return {};
}

Refusable<> NetworkModel::setReferenceImpedance(Real ohms) {
    if (!IsUsablePositive(ohms))
        return Refusable<>::Refused(NetworkText::tr("系统阻抗须为大于0的数").toStdString());
    const std::string text = ImpedanceStoreText(ohms);
    Snapshot before = snapshot();
    state_.para.WriteParaString("Zo", text);
    state_.net_.Zo = ohms;
    // Slot 0 holds the reference impedance in ohms.
    state_.net_.network[0].sourceR = ohms;
    state_.net_.network[0].nodeR = ohms;
    remember(std::move(before));
    finish(NetworkChange::Impedance);
    return {};
}

void NetworkModel::setMatchMode(int flag) {
    remember();
    state_.net_.matchflag = flag;
    state_.para.WriteParaString("matchflag", Format("%d", {flag}));
    finish(NetworkChange::MatchMode);
}

PartsProblem NetworkModel::setParts(const PartsModel& parts, int* offending) {
    const PartsProblem problem = CheckPartsModel(parts, offending);
    if (problem != PartsProblem::None)
        return problem;
    state_.net_.parts = parts;
    WritePartsModel(state_.para, parts);
    finish(NetworkChange::Parts);
    return problem;
}

void NetworkModel::setWavelengthMode(int flag) {
    remember();
    state_.net_.effflag = flag;
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

NetworkModel::Snapshot NetworkModel::snapshot() const {
    Snapshot s;
    const int n = std::clamp(state_.net_.NodeCount, 0, LastMatchSlot);
    s.nodes.assign(state_.net_.network.nodes.begin(), state_.net_.network.nodes.begin() + n + 1);
    s.nodeCount = state_.net_.NodeCount;
    s.Fo = state_.net_.Fo;
    s.Zo = state_.net_.Zo;
    s.matchflag = state_.net_.matchflag;
    s.effflag = state_.net_.effflag;
    return s;
}

void NetworkModel::putBack(const Snapshot& s) {
    // Everything that can fail is done before anything changes.
    const std::optional<std::string> fo =
        s.Fo != state_.net_.Fo ? std::optional(FrequencyStoreText(s.Fo)) : std::nullopt;
    const std::optional<std::string> zo =
        s.Zo != state_.net_.Zo ? std::optional(ImpedanceStoreText(s.Zo)) : std::nullopt;
    std::copy(s.nodes.begin(), s.nodes.end(), state_.net_.network.nodes.begin());
    state_.net_.NodeCount = s.nodeCount;
    // The stored settings follow the values put back.
    if (fo)
        state_.para.WriteParaString("Fo", *fo);
    if (zo)
        state_.para.WriteParaString("Zo", *zo);
    if (s.matchflag != state_.net_.matchflag)
        state_.para.WriteParaString("matchflag", Format("%d", {s.matchflag}));
    state_.net_.Fo = s.Fo;
    state_.net_.Zo = s.Zo;
    state_.net_.matchflag = s.matchflag;
    state_.net_.effflag = s.effflag;
}

void NetworkModel::remember() {
    remember(snapshot());
}

void NetworkModel::remember(Snapshot before) {
    if (groupDepth_ > 0)
        return; // the guard remembers the state before it opened, when it commits
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
    case NetworkChange::Parts:
        break; // not part of a network file
    default:
        unsaved_ = true;
        break;
    }
    if (groupDepth_ > 0) {
        groupChange_ = (groupChange_ && *groupChange_ != change) ? NetworkChange::Several : change;
        ++groupChanges_;
        return;
    }
    std::optional<FloatingPointError> failure;
    try {
        computed_ = ComputeNetworkNodes(state_.net_, state_.net_.NodeCount);
    } catch (const FloatingPointError& error) {
        failure = error;
        computed_ = state_.net_.NodeCount;
        // The nodes before the failing element are computed: find where the chain broke.
        for (int i = 1; i < state_.net_.NodeCount; ++i) {
            try {
                const MatchNode& from = state_.net_.network[i];
                const MatchNode& slot = state_.net_.network[i + 1];
                ComputeElementStep({from.nodeR, from.nodeX}, {slot.kind, slot.strip, slot.R, slot.value},
                                   {state_.net_.Fo, state_.net_.Zo, state_.net_.effflag});
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

NetworkChangeGuard::NetworkChangeGuard(NetworkModel& model)
    : model_(model), before_(model.snapshot()), computedBefore_(model.computed_),
      unsavedBefore_(model.unsaved_) {
    if (model_.groupDepth_++ == 0) {
        model_.groupBefore_ = before_;
        model_.groupChange_.reset();
        model_.groupChanges_ = 0;
    }
}

NetworkChangeGuard::~NetworkChangeGuard() {
    if (!open_)
        return;
    --model_.groupDepth_;
    model_.putBack(before_);
    model_.computed_ = computedBefore_;
    model_.unsaved_ = unsavedBefore_;
    if (model_.groupDepth_ == 0)
        model_.groupChange_.reset();
}

void NetworkChangeGuard::commit() {
    if (!open_)
        return;
    open_ = false;
    if (--model_.groupDepth_ > 0 || !model_.groupChange_)
        return;
    NetworkChange change = *model_.groupChange_;
    if (model_.groupChanges_ > 1 && change == NetworkChange::Appended)
        change = NetworkChange::Several; // the chart cannot add only the last of several paths
    model_.groupChange_.reset();
    model_.remember(std::move(*model_.groupBefore_));
    model_.groupBefore_.reset();
    model_.finish(change);
}

} // namespace qv
