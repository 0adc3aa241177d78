#include "core/numbers/extended_codec.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

// The value is taken apart with frexp/ldexp, never by copying the host's memory image, so the same
// ten bytes come out on every host. On x86-64 they equal the x87 memory image of the value.
//
// Encoding: a NaN is written as the x87 default quiet NaN (mantissa 0xC000000000000000) with its
// sign; the payload is not carried. On a host whose long double is wider than 64 mantissa bits the
// mantissa is rounded to nearest, and magnitudes beyond the x87 range become infinity or zero.
//
// Decoding accepts any ten bytes. Encodings the x87 unit itself rejects as invalid operands (an
// unnormal: exponent 1..0x7FFE with the integer bit clear; a pseudo-infinity or pseudo-NaN:
// exponent 0x7FFF with the integer bit clear) decode to a quiet NaN of the stored sign. A
// pseudo-denormal (exponent 0 with the integer bit set) decodes to the value the x87 unit gives it,
// mantissa * 2^-16445.
namespace qv {

namespace {

constexpr int ExponentBias = 16383;
constexpr unsigned MaxExponent = 0x7FFF;
constexpr int MantissaBits = 64;
// Scale of the mantissa of an exponent-0 encoding: value = mantissa * 2^-(16382 + 63).
constexpr int SubnormalScale = ExponentBias - 1 + MantissaBits - 1;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t QuietNanMantissa = IntegerBit | (std::uint64_t{1} << 62);

ExtendedBytes Pack(bool negative, unsigned exponent, std::uint64_t mantissa) {
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned signAndExponent = (negative ? 0x8000u : 0u) | exponent;
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

// An integer-valued long double in [0, 2^64) as a 64-bit integer; rounds first on wider hosts.
std::uint64_t ToMantissa(Real scaled) {
    return static_cast<std::uint64_t>(std::nearbyint(scaled));
}

// Where the host's long double is the x87 format itself, finite values are copied as they are:
// the portable path below gives the same bytes, only slower (a network file holds 6000 values).
constexpr bool HostIsX87 = std::numeric_limits<Real>::digits == 64 &&
                           std::numeric_limits<Real>::max_exponent == 16384 &&
                           std::endian::native == std::endian::little && sizeof(Real) >= 10;

} // namespace

ExtendedBytes EncodeExtended(Real value) {
    if constexpr (HostIsX87) {
        if (std::isfinite(value)) {
            ExtendedBytes bytes;
            std::memcpy(bytes.data(), &value, bytes.size());
            return bytes;
        }
    }
    return EncodeExtendedPortable(value);
}

ExtendedBytes EncodeExtendedPortable(Real value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return Pack(negative, MaxExponent, QuietNanMantissa);
    if (std::isinf(value))
        return Pack(negative, MaxExponent, IntegerBit);
    if (value == 0)
        return Pack(negative, 0, 0);

    const Real magnitude = std::fabs(value);
    int binaryExponent = 0;
    const Real fraction =
        std::frexp(magnitude, &binaryExponent); // magnitude = fraction * 2^e, fraction in [0.5, 1)
    int exponent = binaryExponent - 1 + ExponentBias;
    if (exponent >= static_cast<int>(MaxExponent))
        return Pack(negative, MaxExponent, IntegerBit);

    if (exponent <= 0) {
        const Real scaled = std::nearbyint(std::ldexp(magnitude, SubnormalScale));
        if (scaled >= std::ldexp(Real{1}, MantissaBits - 1)) // rounded up into the smallest normal
            return Pack(negative, 1, IntegerBit);
        return Pack(negative, 0, ToMantissa(scaled));
    }

    Real scaled = std::nearbyint(std::ldexp(fraction, MantissaBits));
    if (scaled >= std::ldexp(Real{1}, MantissaBits)) { // rounding carried into the next binade
        scaled = std::ldexp(Real{1}, MantissaBits - 1);
        ++exponent;
        if (exponent >= static_cast<int>(MaxExponent))
            return Pack(negative, MaxExponent, IntegerBit);
    }
    return Pack(negative, static_cast<unsigned>(exponent), ToMantissa(scaled));
}

Real DecodeExtended(const std::uint8_t* bytes) {
    if constexpr (HostIsX87) {
        // Normals and true subnormals or zeros are valid x87 operands: copy them.
        const unsigned exponent = (bytes[8] | (unsigned{bytes[9]} << 8)) & MaxExponent;
        const bool integerBit = (bytes[7] & 0x80u) != 0;
        const bool normal = exponent != 0 && exponent != MaxExponent && integerBit;
        if (normal || (exponent == 0 && !integerBit)) {
            Real value = 0;
            std::memcpy(&value, bytes, 10);
            return value;
        }
    }
    return DecodeExtendedPortable(bytes);
}

Real DecodeExtendedPortable(const std::uint8_t* bytes) {
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= std::uint64_t{bytes[i]} << (8 * i);
    const unsigned signAndExponent = bytes[8] | (unsigned{bytes[9]} << 8);
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const unsigned exponent = signAndExponent & MaxExponent;
    const bool integerBit = (mantissa & IntegerBit) != 0;

    Real magnitude;
    if (exponent == MaxExponent) {
        if (integerBit && mantissa == IntegerBit)
            magnitude = std::numeric_limits<Real>::infinity();
        else
            magnitude = std::numeric_limits<Real>::quiet_NaN();
    } else if (exponent == 0) {
        magnitude = std::ldexp(static_cast<Real>(mantissa), -SubnormalScale);
    } else if (!integerBit) {
        magnitude = std::numeric_limits<Real>::quiet_NaN();
    } else {
        magnitude = std::ldexp(static_cast<Real>(mantissa),
                               static_cast<int>(exponent) - ExponentBias - (MantissaBits - 1));
    }
    return std::copysign(magnitude, negative ? Real{-1} : Real{1});
}

} // namespace qv
