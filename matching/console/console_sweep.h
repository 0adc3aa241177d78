#pragma once

#include "core/numbers/tokens.h"
#include "core/settings/program_state.h"
#include "matching/analysis/amplifier_stage.h"
#include "matching/analysis/frequency_response.h"
#include "matching/analysis/response_plot.h"

#include <functional>
#include <optional>
#include <string>

// The console's frequency-response commands: "sweep F1 F2 N", "bw [RL]", "sweepload [FILE [PORT]]",
// "export FILE" and "plot FILE". "bw", "export" and "plot" recompute the last sweep's range on the
// network as it is now.
namespace qv {

// The last "stage" that ran; "export" writes it until the next "sweep".
struct StageSession {
    StageResult result;
    Real Zo = 50;
};

// The last sweep, shared by the console and the frequency-response window.
struct SweepSession {
    std::optional<LoadTable> load;       // from "sweepload"; nothing: the constant load of slot 1
    std::optional<SweepRange> lastRange; // of the last "sweep" that ran
    std::optional<StageSession> lastStage;
    Real thresholdDb = DefaultBandThresholdDb; // of the band the plot shows
    // Called after "sweep" or "sweepload" changed the range or the load.
    std::function<void()> changed;
    // Draws the plot into a PNG, SVG or PDF file by its name; false when it was not written. Only
    // where there are windows: without it "plot" writes CSV alone.
    std::function<bool(const std::string& path, const ResponsePlot& plot)> writePlot;
};

// The last sweep's range recomputed on the network as it is now.
struct SessionSweep {
    std::vector<ResponsePoint> points;
    ResponsePoint atDesign; // at Fo
    ResponsePlot plot;
};

// For a session whose last range SweepRangeProblem accepts with its load, and a network with ends.
SessionSweep SweepSessionNow(const ProgramState& state, const SweepSession& session);

// "export FILE" and "plot FILE": the console's answer, what was written or why nothing was.
std::string ExportSweepSession(const ProgramState& state, const SweepSession& session,
                               const std::string& path);
std::string PlotSweepSession(const ProgramState& state, const SweepSession& session, const std::string& path);

bool IsSweepCommand(const std::string& word);

// A frequency typed with an optional multiplier ("433.92m", "1.2g"); nothing when it is no number.
std::optional<Real> TypedFrequency(const std::string& word);

// The answer of one of the four commands (lines separated by CR LF). Never throws for what the
// user typed: a bad argument gives a line saying what is wrong, and nothing changes.
std::string InterpretSweepCommand(const ProgramState& state, SweepSession& session, const Tokens& t);

} // namespace qv
