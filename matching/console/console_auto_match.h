#pragma once

#include "core/numbers/tokens.h"
#include "core/settings/program_state.h"
#include "matching/analysis/auto_match.h"

#include <string>

// The console's "autom [Q] [short]" and "apply N [E24|E12|E48|E96]": listing the automatic matches of
// the network's load and source, and building one of them into the network.
namespace qv {

class NetworkModel;

// What "autom" listed last, for "apply" to pick from.
struct AutoMatchListing {
    AutoMatchRequest request;
    AutoMatchResult result;
    bool listed = false;
};

// Result texts: lines start with ">" and are separated by CR LF.
std::string RunAutomCommand(const ProgramState& state, AutoMatchListing& listing, const Tokens& t);
std::string RunApplyCommand(NetworkModel& network, const AutoMatchListing& listing, const Tokens& t);

// "BW=12.345MHz(540.000-552.345MHz)", with ">" before the width when the band reaches an end of
// the search, "BW=?" when there is none.
std::string BandText(const MatchSolution& solution);

// One numbered line of the listing; with a Bode-Fano limit, the band as a share of it ("BF=42.1%").
std::string FormatSolutionLine(int number, const MatchSolution& solution, ESeries series,
                               const BodeFanoLimit& limit = {});

} // namespace qv
