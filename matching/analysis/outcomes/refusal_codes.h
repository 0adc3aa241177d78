#pragma once

#include "core/numbers/real.h"
#include "core/settings/atomic_file.h"

// What the analyses say when they refuse or fail: codes and the figures to name, worded by the
// layer above (matching/model/*_texts).
namespace qv {

// Why an element makes no physical sense.
enum class ElementProblem { None, Capacitance, Inductance, Microstrip };

// Why a table cannot serve as a load.
enum class LoadTableProblem {
    TooFewPoints,         // fewer than two samples
    BadReference,         // a reference impedance not finite and positive
    FrequenciesNotRising, // frequencies not positive, finite and strictly ascending
    BadReflection,        // a reflection not finite
};

// Why a range cannot be swept, with the figures the refusal names.
struct SweepRangeProblem {
    enum class Kind {
        NotPositive, // a bound not finite and positive
        StartNotBelowStop,
        PointCount,      // outside MinSweepPoints..MaxSweepPoints
        TooNarrow,       // points that the exported MHz (15 significant digits) cannot tell apart
        BeyondLoadTable, // the tabulated load covers only lowHz..highHz
    };
    Kind kind = Kind::NotPositive;
    int points = 0;
    Real lowHz = 0;
    Real highHz = 0;
};

inline SweepRangeProblem RangeProblem(SweepRangeProblem::Kind kind, int points = 0, Real low = 0,
                                      Real high = 0) {
    SweepRangeProblem problem;
    problem.kind = kind;
    problem.points = points;
    problem.lowHz = low;
    problem.highHz = high;
    return problem;
}

// What an export did: the rows written and skipped, or why nothing was written.
struct ExportOutcome {
    enum class Result { Written, WrongName, NothingToWrite, WriteFailed };
    Result result = Result::Written;
    int rows = 0;
    int skipped = 0;
    FileFailure failure; // WriteFailed
};

// Why the stage cannot be computed over the range, with the figures the refusal names.
struct StageRefusal {
    enum class Kind {
        Range,       // the range itself: see `range`
        DifferentZo, // the two networks referenced to different Zo (inputZo, outputZo)
        NoSParameters,
        BeyondDevice, // a frequency outside the transistor's rows (deviceLowHz..deviceHighHz)
    };
    Kind kind = Kind::Range;
    SweepRangeProblem range;
    Real inputZo = 0;
    Real outputZo = 0;
    Real deviceLowHz = 0;
    Real deviceHighHz = 0;
};

// Why a chosen topology, or the whole request, gave nothing.
struct AutoMatchRefusal {
    enum class Kind {
        BadFrequencyOrZo, // Fo or Zo not a usable positive number
        LoadNotResistive, // no positive resistance: a lossless network cannot match it
        SourceNotResistive,
        AlreadyMatched,
        PiQBelowMinimum, // Q below `minimum`
        TQBelowMinimum,
        StubBadSubstrate, // widths, heights, thickness or permittivity unusable
        StubNoSolution,   // no stub for a line of `lineOhms` on this substrate
        NoSolution,       // the chosen topologies gave nothing
    };
    Kind kind = Kind::NoSolution;
    Real Q = 0;
    Real minimum = 0;
    Real lineOhms = 0;
};

} // namespace qv
