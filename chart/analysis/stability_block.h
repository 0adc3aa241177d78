#pragma once

#include "core/numbers/real.h"

#include <optional>
#include <string>
#include <string_view>

// The input and output stability circles of a two-port, sent to the chart as a packed block of
// six 80-bit extended values (10 bytes each, 60 bytes). Centres are polar, in units of the chart
// radius, angles in degrees.
namespace qv {

inline constexpr int StabilityBlockBytes = 60;

struct StabilityCircles {
    Real inputCentreMagnitude = 0;  // offset 0
    Real outputCentreMagnitude = 0; // offset 10
    Real inputCentreAngle = 0;      // offset 20
    Real outputCentreAngle = 0;     // offset 30
    Real inputRadius = 0;           // offset 40
    Real outputRadius = 0;          // offset 50
};

std::string EncodeStabilityBlock(const StabilityCircles& circles);

// Nothing for a block shorter than 60 bytes; bytes after the sixth value are ignored.
std::optional<StabilityCircles> DecodeStabilityBlock(std::string_view bytes);

} // namespace qv
