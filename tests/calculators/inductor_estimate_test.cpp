#include "calculators/analysis/inductor_estimate.h"
#include "calculators/analysis/microstrip_figures.h"
#include "core/numbers/errors.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace qv;

// References evaluated at 40 digits with mpmath straight from the printed formulas.

namespace {
// A logarithm and a handful of products in extended precision.
constexpr Real ShortChain = 1e-17L;
} // namespace

TEST(InductorEstimate, ShapesMatchTheirFormulas) {
    const Real Kg = GroundPlaneFactor(500, 600);
    EXPECT_NEAR(Kg, 0.5964366257351234208L, ShortChain);
    EXPECT_NEAR(StripInductanceNh(5000, 500, 35, Kg), 2.058804365523987873L, 2.06L * ShortChain);
    EXPECT_NEAR(RingInductanceNh(3000, 500, 35, Kg), 4.053217615457401378L, 4.06L * ShortChain);
    EXPECT_NEAR(SpiralInductanceNh(4000, 2000, 3, Kg), 20.67411419967974495L, 20.7L * ShortChain);
}

TEST(InductorEstimate, SpiralWithEqualSizesHasNoWindingDepth) {
    const Real Kg = GroundPlaneFactor(500, 600);
    // c = 0, r = 1000: L = 0.03937 r N^2 / 8 Kg
    EXPECT_NEAR(SpiralInductanceNh(2000, 2000, 3, Kg), 0.03937L * 1000 * 9 / 8 * Kg, 26.5L * ShortChain);
    EXPECT_NEAR(SpiralInductanceNh(2000, 2000, 3, Kg), 26.41692369959078521L, 26.5L * ShortChain);
}

TEST(InductorEstimate, ArithmeticFailuresThrow) {
    EXPECT_THROW(GroundPlaneFactor(500, 0), FloatingPointError);
    EXPECT_THROW(GroundPlaneFactor(0, 600), FloatingPointError);
    EXPECT_THROW(StripInductanceNh(0, 500, 35, 0.5L), FloatingPointError);
    EXPECT_THROW(SpiralInductanceNh(0, 0, 3, 0.5L), FloatingPointError);
}

TEST(MicrostripFigures, LengthFieldsAppendTheMilMarkOfTheirUnitBox) {
    const LengthEntry mil = ReadLengthField(" 30 ", true);
    const LengthEntry marked = ReadLengthField("30m", false);
    EXPECT_EQ(mil.unitFlag, 1);
    EXPECT_EQ(mil.metres, marked.metres);
    EXPECT_NEAR(mil.metres, 0.000762L, 1e-20L);
    EXPECT_EQ(ReadLengthField("0.76", false).unitFlag, 0);
    EXPECT_EQ(ReadLengthField("-1", false).unitFlag, -1);
    EXPECT_THROW(ReadLengthField("", true), ConversionError); // "m" alone is no number
}

TEST(MicrostripFigures, PhaseOfLine) {
    const LinePhase p = PhaseOfLine(162472679.5527009924L, 500e6L);
    EXPECT_NEAR(p.Wavelength, 0.3249453591054019848L, 1e-18L);
    EXPECT_NEAR(p.DegreesPerMm, 1.107878570696027081L, 1e-17L);
    EXPECT_THROW(PhaseOfLine(1e8L, 0), FloatingPointError);
}
