#include "core/settings/program_state.h"

namespace qv {

// Tests and benchmarks set up a network state directly; the program changes it only through the
// network model.
NetworkState& WritableNetwork(ProgramState& state) {
    return state.net_;
}

} // namespace qv
