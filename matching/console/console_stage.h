#pragma once

#include "core/numbers/tokens.h"
#include "core/settings/program_state.h"
#include "matching/console/console_sweep.h"

#include <string>

// The console's amplifier stage: "stage IN.smh FILE OUT.smh F1 F2 N" cascades the input network,
// the transistor file and the output network over the range, prints one line per frequency and
// the stability verdict, and keeps the result for "export FILE.s2p".
namespace qv {

// The answer (lines separated by CR LF). A file that cannot be read, a range outside the
// transistor file or a bad argument gives one line saying why, and the last result stays.
std::string RunStageCommand(const ProgramState& state, SweepSession& session, const Tokens& t);

} // namespace qv
