#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "core/rf/conversions.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "matching/analysis/node_calculation.h"
#include "matching/analysis/outcomes/refusal_codes.h"
#include "sparams/analysis/sparameter_error.h"

#include <optional>
#include <string>
#include <vector>

// How the designed network behaves away from the design frequency: the chain is replayed from
// the load toward the source with every element taken at the swept frequency, and the impedance
// at the source end is compared with the source in the current match mode.
namespace qv {

// The chain as the sweep replays it. Series and shunt impedances are frequency-independent, as
// stored; capacitors, inductors and microstrip elements are recomputed at each frequency, the
// capacitors and inductors with the losses of the parts model.
struct SweepNetwork {
    std::vector<ElementSpec> elements; // load side first
    Complex load;                      // normalised, the constant load of slot 1
    Complex source;                    // normalised
    Real Zo = 50;
    int effflag = 0;
    int matchflag = 0;
    PartsModel parts; // ideal unless given
};

// Slots 2..NodeCount, up to the first slot whose kind is no element (the replay stops there too),
// with the state's parts model.
SweepNetwork SweepNetworkOf(const ProgramState& state);
SweepNetwork SweepNetworkOf(const NetworkState& state);

// One measured reflection of a load, referenced to the file's impedance.
struct LoadSample {
    Real frequencyHz = 0;
    Complex reflection;
};

// A load measured at a list of frequencies (strictly ascending), interpolated linearly in the real
// and imaginary part of the reflection between them and never extrapolated.
struct LoadTable {
    std::vector<LoadSample> samples;
    Real referenceOhms = 50;
    std::string path; // what the user chose: the file and its port
    int port = 0;
};

// A load table read from a file, or why there is none.
struct LoadFileRead {
    enum class Problem { None, FileUnreadable, NotParsed, NoReflection, BadTable };
    std::optional<LoadTable> table;
    Problem problem = Problem::None;
    FileFailure file;                // FileUnreadable
    SParameterError parseError{};    // NotParsed: why the S-parameter file was refused
    int port = 0;                    // NoReflection: the port without S11 or S22
    LoadTableProblem tableProblem{}; // BadTable
};

// Why a table cannot serve as a load; nothing when it can.
std::optional<LoadTableProblem> FindLoadTableProblem(const LoadTable& table);

// The table's reflection at frequencyHz, interpolated; nothing outside the table's range.
std::optional<Complex> InterpolateReflection(const LoadTable& table, Real frequencyHz);

struct SweepRange {
    Real startHz = 0;
    Real stopHz = 0;
    int points = 0;
};

inline constexpr int MinSweepPoints = 2;
inline constexpr int MaxSweepPoints = 10001;

// Why the range cannot be swept (bounds, point count, beyond a tabulated load's frequencies);
// nothing when it can.
std::optional<SweepRangeProblem> FindSweepRangeProblem(const SweepRange& range, const LoadTable* table);

// The i-th of the range's evenly spaced frequencies; the last one is stopHz exactly.
Real SweepFrequency(const SweepRange& range, int i);

struct ResponsePoint {
    Real frequencyHz = 0;
    bool ok = false;
    Complex sourceEnd;             // normalised impedance looking into the network from the source
    MatchFigures figures;          // against the source, in the match mode
    bool outsideLoadTable = false; // when not ok: the tabulated load does not reach this frequency,
    std::string failure;           // or else the arithmetic failure's own text
};

// The response at one frequency, with the constant load of the network or, when given, the table.
// Never throws for a failing element: the point then says why.
ResponsePoint ResponseAt(const SweepNetwork& network, const LoadTable* table, Real frequencyHz);

// Every frequency of a range that FindSweepRangeProblem accepted.
std::vector<ResponsePoint> SweepResponse(const SweepNetwork& network, const LoadTable* table,
                                         const SweepRange& range);

inline constexpr Real DefaultBandThresholdDb = 10;

// The band around the design frequency in which the return loss stays at or above the threshold.
struct Band {
    enum class Outcome {
        Found,
        DesignOutsideSweep, // the design frequency lies outside the swept range
        DesignFails,        // the network cannot be computed at the design frequency
        NotReached,         // the return loss at the design frequency is below the threshold
    };
    Outcome outcome = Outcome::NotReached;
    Real lowerHz = 0;
    Real upperHz = 0;
    bool lowerOpen = false;     // no crossing below: the band reaches the start of the sweep
    bool upperOpen = false;     // likewise above
    Real fractionalPercent = 0; // (upper - lower) / design frequency
    Real designReturnLossDb = 0;
    // The swept points on either side of each closed edge: inside the band, then the first outside.
    Real lowerInsideHz = 0;
    Real lowerOutsideHz = 0;
    Real upperInsideHz = 0;
    Real upperOutsideHz = 0;
};

// Edges are interpolated linearly in return loss between the last point inside the band and the
// first outside. Failed points are skipped.
Band FindBand(const std::vector<ResponsePoint>& sweep, const ResponsePoint& atDesign, Real thresholdDb);

// The numbers of a "sweep" line of a computed point: MHz with 6 decimals, R and X of the source
// end in ohms with 3, return loss in dB with 2 and VSWR with 3.
std::string FormatSweepNumbers(const ResponsePoint& point, Real Zo);

} // namespace qv
