#pragma once

#include "chart/analysis/stability_block.h"
#include "sparams/analysis/two_port.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The two blocks the two-port calculator exchanges: a row of an S-parameter file received from
// the file windows (the readout block layout) and the stability-circle record for the chart.
namespace qv {

// Rows whose field count is above this carry no two-port data; only their frequency is shown.
inline constexpr int TwoPortRowMaxFields = 30;
// The second header word of a row sent from the S-parameter table: its pairs are magnitude and
// angle (the table converts every file format to that).
inline constexpr int PolarRowMark = 1;

struct ReceivedRow {
    std::string frequency; // field 0, UTF-8
    // Fields 1..8 in the order of a two-port line (S11, S21, S12, S22, two fields each), UTF-8;
    // nothing when the row has more than 30 fields.
    std::optional<std::array<std::string, 8>> fields;
    bool polar = false; // a table row: magnitude and angle
    // NFmin (dB), |Gopt|, its angle (degrees) and Rn (ohms) of a table row from a file with noise
    // data at that frequency.
    std::optional<std::array<std::string, 4>> noise;
};

// Nothing for a block shorter than the 5388-byte row block. A field that is not valid GBK reads
// as empty.
std::optional<ReceivedRow> DecodeReceivedRow(std::string_view bytes);

// The record as the chart reads it: input and output centre magnitudes, centre angles, radii.
StabilityCircles CircleRecord(const StabilityCircle& input, const StabilityCircle& output);

} // namespace qv
