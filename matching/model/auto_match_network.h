#pragma once

#include "core/numbers/errors.h"
#include "core/settings/program_state.h"
#include "matching/analysis/auto_match.h"

#include <string>
#include <vector>

// Automatic matching on the program's network: the request its load, source, Fo, Zo and modes
// make, and building a chosen solution into it.
namespace qv {

class NetworkModel;

// The substrate of the last microstrip element in the network, otherwise the microstrip
// calculator's defaults (0.76 mm wide, 0.6 mm board, 0.035 mm copper, Er 4.6).
MicrostripBlock DefaultSubstrate(const ProgramState& state);

// The load and source of slot 1 in ohms, Fo, Zo and the two modes; the substrate as above.
AutoMatchRequest RequestFromNetwork(const ProgramState& state);

// Whether the network still has the load, source, Fo, Zo and modes the request was made for.
bool RequestStillHolds(const AutoMatchRequest& request, const ProgramState& state);

// Restarts the chain at the load and appends the elements one by one, as if added by hand: one
// undo step and one notification. Refused, with the network as it was, when an element cannot
// be appended.
Refusable<> ApplyMatch(NetworkModel& network, const std::vector<ElementSpec>& elements);

} // namespace qv
