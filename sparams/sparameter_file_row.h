#pragma once

#include "sparams/sparameter_file.h"

#include <string>
#include <string_view>

// The blocks that carry numbers to the two-port calculator: a table row, or the numbers of a
// line picked in the file input window. Both use the 5388-byte readout block layout.
namespace qv {

// Frequency, then magnitude and angle of S11, S21, S12 and S22: nine slots, count 9. The
// Agilent layout's "S21 dB" and "MSG MAG" columns are not sent. Numbers travel in plain decimals.
std::string TableRowMessage(const SParameterTable& table, std::size_t row);

// The runs of "-", "." and digits of the line, one per slot (at most 20); the count is their
// number.
std::string InputLineMessage(std::string_view line);

} // namespace qv
