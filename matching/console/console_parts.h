#pragma once

#include "core/numbers/tokens.h"
#include "matching/console/console_sweep.h"

#include <string>

// The console's real-parts commands: "parts [QL QC TL TC]" shows or sets the parts model,
// "yield F1 F2 RL N [SEED]" estimates the share of builds that meet the return loss over the band,
// "bodefano [RL]" gives the widest band any lossless network can reach for the load.
namespace qv {

class NetworkModel;

bool IsPartsCommand(const std::string& word);

// The answer (lines separated by CR LF). Never throws for what the user typed: a bad argument
// gives a line saying what is wrong, and nothing changes.
std::string InterpretPartsCommand(NetworkModel& network, const SweepSession& session, const Tokens& t);

} // namespace qv
