#pragma once

#include "core/numbers/real.h"
#include "matching/analysis/frequency_response.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The share of built boards that meet a return loss over a band: the network is built many times
// with every inductor and capacitor drawn uniformly and independently within its tolerance, each
// build evaluated with the parts' Q at evenly spaced frequencies, and a build passes when its return
// loss stays at or above the threshold at all of them. Every build draws from its own random stream,
// derived from the seed and the build's number, so the figure does not depend on how many threads
// share the work.
namespace qv {

inline constexpr int YieldFrequencies = 101;
inline constexpr int MaxYieldBuilds = 100000;

struct YieldRequest {
    SweepNetwork network; // with the parts model: the Q and the tolerances
    Real startHz = 0;
    Real stopHz = 0;
    Real returnLossDb = 0;
    int builds = 0;
    std::uint64_t seed = 1;
};

// Shared with a window that shows progress: builds finished so far, and a request to stop.
struct YieldProgress {
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false};
};

// A binomial proportion with its Wilson score interval (95 %), all in percent.
struct ProportionEstimate {
    Real percent = 0;
    Real lowerPercent = 0;
    Real upperPercent = 0;
};
ProportionEstimate WilsonInterval(int passes, int trials);

struct YieldResult {
    bool cancelled = false; // then nothing else counts
    int builds = 0;
    int passes = 0;
    ProportionEstimate estimate;
    // The spread of the builds: per frequency the worst and the best return loss (dB) of any build.
    std::vector<Real> frequenciesHz;
    std::vector<Real> worstReturnLossDb;
    std::vector<Real> bestReturnLossDb;
};

// Why a request cannot run, with what the refusal names.
struct YieldRefusal {
    enum class Kind {
        Threshold,   // the return loss threshold is not positive
        BuildCount,  // outside 1..MaxYieldBuilds
        Range,       // the band: see `range`
        DesignFails, // the network as designed cannot be computed at `failedPoint`
    };
    Kind kind = Kind::Threshold;
    SweepRangeProblem range;
    ResponsePoint failedPoint;
};

// Why the request cannot run; nothing when it can. `table`, when given, is the load measured over
// frequency instead of slot 1's.
std::optional<YieldRefusal> YieldRequestProblem(const YieldRequest& request, const LoadTable* table);

// Runs a request that YieldRequestProblem accepted, on `threads` threads (0: every core).
YieldResult RunYield(const YieldRequest& request, const LoadTable* table, YieldProgress* progress = nullptr,
                     int threads = 0);

// ">yield=87.3% (873/1000) 95% CI 85.1-89.2%"
std::string FormatYieldLine(const YieldResult& result);

} // namespace qv
