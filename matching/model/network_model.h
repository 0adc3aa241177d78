#pragma once

#include "core/numbers/complex.h"
#include "core/settings/program_state.h"
#include "matching/analysis/node_calculation.h"
#include "matching/model/network_file.h"
#include "matching/model/network_nodes.h"

#include <QObject>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one writer of the matching network, its ends, Fo, Zo and the two modes. Every change is
// checked first (a refused change leaves everything as it was), then applied, then every node is
// computed again at the current Fo and Zo, and `changed` is emitted once. Windows and the console
// read the state freely and change it only through here.
namespace qv {

enum class NetworkChange {
    Reset,
    Ends,           // the load or the source of slot 1
    Appended,       // one element added after the last node
    Elements,       // elements inserted, changed or deleted
    Loaded,         // a network file replaced the network, Fo and Zo
    Frequency,      // Fo
    Impedance,      // Zo
    MatchMode,      // matchflag
    WavelengthMode, // effflag
    Recalculated,   // nothing changed; the network was computed and drawn again
    Restored,       // undo or redo put back an earlier network, its ends, Fo, Zo and modes
    Several,        // a change guard committed changes of more than one kind, or several appends
    Parts,          // the parts model the responses are computed with
};

// Whether setting an end of the network keeps the elements after it.
enum class EndsRule { KeepElements, Restart };

class NetworkModel final : public QObject {
    Q_OBJECT
public:
    explicit NetworkModel(ProgramState& state, QObject* parent = nullptr);

    const ProgramState& state() const { return state_; }
    int nodeCount() const { return state_.NodeCount; }
    // The last node the computation reached: nodeCount() unless an element could not be computed.
    int computedNodeCount() const { return computed_; }

    // NodeCount 0, slot 0 the reference impedance (Zo, 0) in ohms.
    void reset();
    // The load or the source in ohms; the load, then the source, normalised.
    void setLoad(Complex ohms, EndsRule rule = EndsRule::KeepElements);
    void setSource(Complex ohms, EndsRule rule = EndsRule::KeepElements);
    void setEnds(Complex loadNormalised, Complex sourceNormalised, EndsRule rule);

    // Adds an element after the last node and gives its node's index. Refused (nothing changes)
    // for an unknown kind, a full network or a network without ends; throws FloatingPointError, changing
    // nothing, when the element cannot be computed from the last node.
    Refusable<int> append(std::string_view label, const ElementSpec& element);
    // Puts an element record at slot k (2..NodeCount + 1), moving the later ones up; refused when
    // k is out of range or no slot is left.
    Refusable<> insert(int k, const MatchNode& element);
    // Replaces the element record of slot k (2..NodeCount).
    Refusable<> replace(int k, const MatchNode& element);
    // Drops the element of slot k (2..NodeCount), or the last one.
    Refusable<> remove(int k);
    Refusable<> removeLast() { return remove(state_.NodeCount); }
    // Reads a network file; a file that cannot be read or decoded changes nothing.
    FileOutcome loadFile(const std::string& fileName);
    // Writes the network file; the network then counts as saved.
    FileOutcome saveFile(const std::string& fileName);
    // Whether the network, its ends, Fo or Zo changed since it was last saved or loaded.
    bool unsavedChanges() const { return unsaved_; }

    // Fo in hertz and Zo in ohms, stored in para.ini too; refused (nothing changes) for a value
    // that is not a usable positive number.
    Refusable<> setFrequency(Real hertz);
    Refusable<> setReferenceImpedance(Real ohms);
    // matchflag (stored in para.ini too) and effflag (stored only by the console's "mtr" alone).
    void setMatchMode(int flag);
    void setWavelengthMode(int flag);

    // The parts model (stored in para.ini too); a set that CheckPartsModel refuses changes nothing.
    // A setting, not part of the design: undo does not take it back.
    PartsProblem setParts(const PartsModel& parts, int* offending = nullptr);

    // Computes every node again and notifies, with nothing changed.
    void recalculate();

    // Every change above but reset is one step that undo takes back and redo makes again, with
    // one notification each. A reset (start-up) forgets the steps. Changes made while a
    // NetworkChangeGuard is open are one step with one notification (see below).
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();

signals:
    void changed(qv::NetworkChange change);

private:
    friend class NetworkChangeGuard;
    // What undo and redo put back: the slots in use and everything a change can touch.
    struct Snapshot {
        std::vector<MatchNode> nodes; // slots 0..NodeCount
        int nodeCount = 0;
        Real Fo = 0;
        Real Zo = 0;
        int matchflag = 0;
        int effflag = 0;
    };
    Snapshot snapshot() const;
    // Puts the snapshot back without notifying; throws, changing nothing, when it cannot be stored.
    void putBack(const Snapshot& s);
    // Called just before a change that is going to be made: remembers the state it changes.
    void remember();
    void remember(Snapshot before);
    // Computes the nodes, notifies, then reports an element that could not be computed.
    void finish(NetworkChange change);
    ProgramState& state_;
    std::deque<Snapshot> undo_;
    std::vector<Snapshot> redo_;
    // The open change guards: the state before the outermost one, and what changed since.
    int groupDepth_ = 0;
    std::optional<Snapshot> groupBefore_;
    std::optional<NetworkChange> groupChange_;
    int groupChanges_ = 0;
    int computed_ = 0;
    bool unsaved_ = false;
};

// Groups the changes made while it is open into one undo step and one notification, as an applied
// match of several elements. commit() makes them count: the nodes are computed and `changed` is
// emitted once (with the one kind of change, or Several). A guard that goes out of scope without
// commit(), as when a change in it throws, puts everything back as it was before it opened and
// says nothing. Guards may nest; only the outermost one's commit notifies.
class NetworkChangeGuard {
public:
    explicit NetworkChangeGuard(NetworkModel& model);
    ~NetworkChangeGuard();
    NetworkChangeGuard(const NetworkChangeGuard&) = delete;
    NetworkChangeGuard& operator=(const NetworkChangeGuard&) = delete;

    // Throws FloatingPointError like any change whose chain cannot be computed; the changes are
    // made and notified all the same.
    void commit();

private:
    NetworkModel& model_;
    NetworkModel::Snapshot before_;
    int computedBefore_;
    bool unsavedBefore_;
    bool open_ = true;
};

} // namespace qv
