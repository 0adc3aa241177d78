#pragma once

#include "core/rf/match_network.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// What the element insertion window makes of its fields: element values with a unit, and the
// microstrip block from dimensions in millimetres.
namespace qv {

inline constexpr std::array<const char*, 4> CapacitorUnits = {"pf", "nf", "uf", "f"};
inline constexpr std::array<const char*, 3> InductorUnits = {"nH", "mH", "H"};

// The value of the typed text followed by the unit, in farads or henries. A multiplier letter in
// the typed text decides ("10n" with "pf" is 1e-8); otherwise the unit's does, and the "m" of
// "mH" is milli here (in every other value m is mega). Nothing for an empty or rejected text.
std::optional<Real> ParseElementValue(std::string_view typed, std::string_view unit);

struct StripMillimetres {
    Real W = 0;  // strip width
    Real H = 0;  // board height
    Real T = 0;  // copper thickness
    Real Er = 0; // relative permittivity (no unit)
    Real Len = 0;
};

// The block of a microstrip element at the frequency, in metres.
MicrostripBlock MicrostripBlockFromMillimetres(const StripMillimetres& strip, Real frequencyHz);

// "L:" + length + "/W:" + width, as typed (for example L:10/W:0.76).
std::string MicrostripLabel(std::string_view lengthText, std::string_view widthText);

} // namespace qv
