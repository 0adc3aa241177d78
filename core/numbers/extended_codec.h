#pragma once

#include "core/numbers/real.h"

#include <array>
#include <cstdint>

// The 10-byte little-endian x87 extended format of the network files: 64-bit mantissa with an
// explicit integer bit, then 15-bit biased exponent and the sign. Exact for every finite value,
// infinities and NaN, whatever the host's long double layout.
namespace qv {

using ExtendedBytes = std::array<std::uint8_t, 10>;

ExtendedBytes EncodeExtended(Real value);
Real DecodeExtended(const std::uint8_t* bytes); // reads exactly 10 bytes

// The same conversions by arithmetic on the value alone. EncodeExtended and DecodeExtended use
// them wherever the host's long double is not the x87 format (and for NaN and invalid encodings).
ExtendedBytes EncodeExtendedPortable(Real value);
Real DecodeExtendedPortable(const std::uint8_t* bytes);

} // namespace qv
