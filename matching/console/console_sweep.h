#pragma once

#include "core/numbers/tokens.h"
#include "core/settings/program_state.h"
#include "matching/analysis/amplifier_stage.h"
#include "matching/analysis/frequency_response.h"

#include <optional>
#include <string>

// The console's frequency-response commands: "sweep F1 F2 N", "bw [RL]", "sweepload [FILE [PORT]]"
// and "export FILE". "bw" and "export" recompute the last sweep's range on the network as it is now.
namespace qv {

// The last "stage" that ran; "export" writes it until the next "sweep".
struct StageSession {
    StageResult result;
    Real Zo = 50;
};

struct SweepSession {
    std::optional<LoadTable> load;       // from "sweepload"; nothing: the constant load of slot 1
    std::optional<SweepRange> lastRange; // of the last "sweep" that ran
    std::optional<StageSession> lastStage;
};

bool IsSweepCommand(const std::string& word);

// A frequency typed with an optional multiplier ("433.92m", "1.2g"); nothing when it is no number.
std::optional<Real> TypedFrequency(const std::string& word);

// The answer of one of the four commands (lines separated by CR LF). Never throws for what the
// user typed: a bad argument gives a line saying what is wrong, and nothing changes.
std::string InterpretSweepCommand(const ProgramState& state, SweepSession& session, const Tokens& t);

} // namespace qv
