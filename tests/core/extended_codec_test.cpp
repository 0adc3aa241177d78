#include "core/numbers/extended_codec.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace qv;

namespace {

// The host's own memory image, usable as an oracle only where long double is the x87 format.
constexpr bool HostIsX87 = LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384;

ExtendedBytes MemoryImage(Real value) {
    ExtendedBytes bytes{};
    std::memcpy(bytes.data(), &value, bytes.size());
    return bytes;
}

ExtendedBytes Bytes(std::uint64_t mantissa, unsigned signAndExponent) {
    ExtendedBytes b{};
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    b[8] = static_cast<std::uint8_t>(signAndExponent);
    b[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return b;
}

bool SameBits(Real a, Real b) {
    return EncodeExtended(a) == EncodeExtended(b) && std::signbit(a) == std::signbit(b);
}

} // namespace

TEST(ExtendedCodec, GoldenBytesOfTheNetworkFile) {
    EXPECT_EQ(EncodeExtended(1), Bytes(0x8000000000000000u, 0x3FFF));
    EXPECT_EQ(EncodeExtended(50), Bytes(0xC800000000000000u, 0x4004));
    EXPECT_EQ(EncodeExtended(-0.5L), Bytes(0x8000000000000000u, 0xBFFE));
    EXPECT_EQ(EncodeExtended(554e6L), Bytes(0x84157A0000000000u, 0x401C));
    EXPECT_EQ(EncodeExtended(0), Bytes(0, 0));
    EXPECT_EQ(EncodeExtended(-0.0L), Bytes(0, 0x8000));
    EXPECT_EQ(EncodeExtended(std::numeric_limits<Real>::infinity()), Bytes(0x8000000000000000u, 0x7FFF));
    EXPECT_EQ(EncodeExtended(-std::numeric_limits<Real>::infinity()), Bytes(0x8000000000000000u, 0xFFFF));
    EXPECT_EQ(EncodeExtended(std::numeric_limits<Real>::quiet_NaN()), Bytes(0xC000000000000000u, 0x7FFF));
    const ExtendedBytes fifty = Bytes(0xC800000000000000u, 0x4004);
    EXPECT_EQ(DecodeExtended(fifty.data()), 50);
}

TEST(ExtendedCodec, SpecialValuesRoundTrip) {
    const Real specials[] = {0.0L,
                             -0.0L,
                             std::numeric_limits<Real>::min(),
                             std::numeric_limits<Real>::max(),
                             -std::numeric_limits<Real>::max(),
                             std::numeric_limits<Real>::denorm_min(),
                             -std::numeric_limits<Real>::denorm_min(),
                             std::numeric_limits<Real>::min() / 3,
                             std::nextafter(std::numeric_limits<Real>::min(), Real{0}),
                             std::numeric_limits<Real>::infinity(),
                             -std::numeric_limits<Real>::infinity(),
                             1 - std::numeric_limits<Real>::epsilon() / 2,
                             0.1L,
                             299792458.0L};
    for (Real value : specials) {
        const ExtendedBytes bytes = EncodeExtended(value);
        const Real back = DecodeExtended(bytes.data());
        EXPECT_TRUE(back == value && std::signbit(back) == std::signbit(value)) << static_cast<double>(value);
        if (HostIsX87) {
            EXPECT_EQ(bytes, MemoryImage(value)) << static_cast<double>(value);
        }
    }
}

TEST(ExtendedCodec, NanKeepsItsSignAndDecodesAsNan) {
    volatile Real zero = 0;
    const Real runtimeNan = zero / zero; // the x87 default NaN: sign set, mantissa 0xC000...
    const ExtendedBytes bytes = EncodeExtended(runtimeNan);
    EXPECT_TRUE(std::isnan(DecodeExtended(bytes.data())));
    EXPECT_EQ(std::signbit(DecodeExtended(bytes.data())), std::signbit(runtimeNan));
    if (HostIsX87) {
        EXPECT_EQ(bytes, MemoryImage(runtimeNan));
        EXPECT_EQ(EncodeExtended(std::numeric_limits<Real>::quiet_NaN()),
                  MemoryImage(std::numeric_limits<Real>::quiet_NaN()));
    }
    // The payload of another NaN is not carried: it is written as the default quiet NaN.
    const ExtendedBytes payload = Bytes(0xC000000000001234u, 0x7FFF);
    EXPECT_EQ(EncodeExtended(DecodeExtended(payload.data())), Bytes(0xC000000000000000u, 0x7FFF));
}

TEST(ExtendedCodec, RandomFiniteValuesRoundTripExactlyAndMatchTheMemoryImage) {
    std::mt19937_64 random(7791);
    std::uniform_int_distribution<int> exponent(-16445, 16383);
    for (int i = 0; i < 20000; ++i) {
        // A random 64-bit mantissa scaled over the whole range, subnormals included.
        const Real value =
            std::ldexp(static_cast<Real>(random() | 1), exponent(random) - 63) * (i % 2 ? -1 : 1);
        if (!std::isfinite(value))
            continue;
        const ExtendedBytes bytes = EncodeExtended(value);
        ASSERT_TRUE(SameBits(DecodeExtended(bytes.data()), value)) << i;
        if (HostIsX87) {
            ASSERT_EQ(bytes, MemoryImage(value)) << i;
        }
    }
}

TEST(ExtendedCodec, InvalidEncodingsDecodeToNanAndPseudoDenormalsToTheirValue) {
    const ExtendedBytes unnormal = Bytes(0x4000000000000000u, 0x3FFF);
    EXPECT_TRUE(std::isnan(DecodeExtended(unnormal.data())));
    const ExtendedBytes pseudoInfinity = Bytes(0, 0x7FFF);
    EXPECT_TRUE(std::isnan(DecodeExtended(pseudoInfinity.data())));
    const ExtendedBytes negativePseudoNan = Bytes(0x4000000000000000u, 0xFFFF);
    const Real pseudoNan = DecodeExtended(negativePseudoNan.data());
    EXPECT_TRUE(std::isnan(pseudoNan));
    EXPECT_TRUE(std::signbit(pseudoNan));
    // Exponent 0 with the integer bit set is read as the x87 unit reads it: the smallest normal.
    const ExtendedBytes pseudoDenormal = Bytes(0x8000000000000000u, 0x0000);
    EXPECT_EQ(DecodeExtended(pseudoDenormal.data()), std::ldexp(Real{1}, -16382));
}

TEST(ExtendedCodec, ArbitraryBytesDecodeWithoutFaultAndCanonicalOnesRoundTrip) {
    std::mt19937_64 random(4242);
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t mantissa = random();
        // Bias a quarter of the cases onto the special exponents 0 and 0x7FFF.
        unsigned se = static_cast<unsigned>(random() & 0xFFFF);
        if (i % 4 == 1)
            se &= 0x8000;
        else if (i % 4 == 2)
            se |= 0x7FFF;
        const ExtendedBytes bytes = Bytes(mantissa, se);
        const Real value = DecodeExtended(bytes.data());

        const unsigned exponent = se & 0x7FFF;
        const bool integerBit = mantissa >> 63;
        const bool canonical = (exponent == 0 && !integerBit) ||
                               (exponent > 0 && exponent < 0x7FFF && integerBit) ||
                               (exponent == 0x7FFF && mantissa == 0x8000000000000000u);
        const bool validNan = exponent == 0x7FFF && integerBit && mantissa != 0x8000000000000000u;
        if (canonical) {
            ASSERT_EQ(EncodeExtended(value), bytes) << i;
        } else if (validNan || exponent != 0) {
            ASSERT_TRUE(std::isnan(value)) << i;
        } else {
            ASSERT_EQ(std::fabs(value), std::ldexp(static_cast<Real>(mantissa), -16445))
                << i; // pseudo-denormal
        }
        ASSERT_EQ(std::signbit(value), (se & 0x8000) != 0) << i;
    }
}

TEST(ExtendedCodec, PortablePathGivesTheSameBytesAsTheHostFastPath) {
    std::mt19937_64 random(4242);
    for (int i = 0; i < 20000; ++i) {
        ExtendedBytes bytes;
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        const Real fast = DecodeExtended(bytes.data());
        const Real portable = DecodeExtendedPortable(bytes.data());
        ASSERT_EQ(std::isnan(fast), std::isnan(portable)) << i;
        if (std::isnan(fast))
            continue;
        ASSERT_TRUE(SameBits(fast, portable)) << i;
        ASSERT_EQ(EncodeExtendedPortable(fast), EncodeExtended(fast)) << i;
    }
}
