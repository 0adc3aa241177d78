#pragma once

#include "sparams/analysis/sparameter_file.h"
#include "sparams/analysis/two_port_design.h"
#include "sparams/analysis/two_port_records.h"

#include <optional>

#include <string>
#include <string_view>

// The blocks that carry numbers to the two-port calculator: a table row, or the numbers of a
// line picked in the file input window. Both use the 5388-byte readout block layout.
namespace qv {

// Frequency, then magnitude and angle of S11, S21, S12 and S22: nine slots, count 9. The
// Agilent layout's "S21 dB" and "MSG MAG" columns are not sent. Numbers travel in plain decimals
// (no exponent), and a pair whose cell shows a rounded value is sent with every digit of the value
// read. With noise parameters, slots 9..12 hold NFmin (dB), |Gopt|, its angle and Rn (ohms), count 13.
std::string TableRowMessage(const SParameterTable& table, std::size_t row,
                            const std::optional<NoiseParameters>& noise = std::nullopt);

// A value with every digit an extended number holds, in plain decimals (no exponent).
std::string ExactDecimalText(Real value);

// The runs of "-", "." and digits of the line, one per slot (at most 20); the count is their
// number.
std::string InputLineMessage(std::string_view line);

} // namespace qv
