#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace qv;

namespace {
// Extended-precision formulas agree with hand values to far better than this.
constexpr double Tight = 1e-15;
double D(Real x) {
    return static_cast<double>(x);
}
} // namespace

TEST(GammaToImpedance, GuardsGiveSentinelsAtTheOpenAndShortCircuit) {
    EXPECT_EQ(GammaToResistance(1, 0), UnboundedImpedance);
    EXPECT_EQ(GammaToReactance(1, 0.5L), UnboundedImpedance);
    EXPECT_EQ(GammaToConductance(-1, 0), UnboundedConductance);
}

TEST(GammaToImpedance, KnownPointsOfTheChart) {
    EXPECT_EQ(GammaToResistance(0, 0), 1);
    EXPECT_NEAR(D(GammaToResistance(0, 1)), 0.0, Tight);
    EXPECT_NEAR(D(GammaToReactance(0, 1)), 1.0, Tight);
    EXPECT_NEAR(D(GammaToResistance(0.5L, 0)), 3.0, Tight); // also the VSWR of |Gamma| = 0.5
    // Gamma = 0.2 + j0.4 is z = 1 + j1, y = 0.5 - j0.5.
    EXPECT_NEAR(D(GammaToResistance(0.2L, 0.4L)), 1.0, Tight);
    EXPECT_NEAR(D(GammaToReactance(0.2L, 0.4L)), 1.0, Tight);
    EXPECT_NEAR(D(GammaToConductance(0.2L, 0.4L)), 0.5, Tight);
    EXPECT_NEAR(D(GammaToSusceptance(0.2L, 0.4L)), -0.5, Tight);
}

TEST(GammaToImpedance, SusceptanceHasNoGuardAndFailsAtTheShortCircuit) {
    volatile Real u = -1; // a run-time value: the compiler must not fold the division
    EXPECT_THROW(GammaToSusceptance(u, 0), FloatingPointError);
}

TEST(ImpedanceToGamma, ZeroReactanceLiesJustAboveTheAxis) {
    const Complex g = ImpedanceToGamma(1, 0);
    EXPECT_NEAR(D(g.im), 5e-8, 1e-20);
    EXPECT_NE(g.re, 0); // the 1e-7 nudge leaves u a hair away from 0
    EXPECT_NEAR(D(g.re), 0.0, 1e-14);
}

TEST(ImpedanceToGamma, MatchesTheBilinearMap) {
    const Complex a = ImpedanceToGamma(0, 1);
    EXPECT_NEAR(D(a.re), 0.0, Tight);
    EXPECT_NEAR(D(a.im), 1.0, Tight);
    const Complex b = ImpedanceToGamma(1, 1);
    EXPECT_NEAR(D(b.re), 0.2, Tight);
    EXPECT_NEAR(D(b.im), 0.4, Tight);
    // Round trip through the chart for a spread of impedances.
    for (Real r : {0.1L, 0.5L, 1.0L, 2.0L, 7.5L})
        for (Real x : {-3.0L, -0.2L, 0.3L, 4.0L}) {
            const Complex g = ImpedanceToGamma(r, x);
            EXPECT_NEAR(D(GammaToResistance(g.re, g.im)), D(r), 1e-12 * D(r + 1)) << D(r) << " " << D(x);
            EXPECT_NEAR(D(GammaToReactance(g.re, g.im)), D(x), 1e-12 * D(std::fabs(x) + 1));
        }
}

TEST(OhmsAndAdmittanceToGamma, AgreeWithTheNormalisedForms) {
    const Complex g = OhmsToGamma(50, 50, 50); // z = 1 + j1
    EXPECT_NEAR(D(g.re), 0.2, Tight);
    EXPECT_NEAR(D(g.im), 0.4, Tight);
    const Complex centre = AdmittanceToGamma(1, 0);
    EXPECT_EQ(centre, (Complex{0, 0}));
    const Complex capacitive = AdmittanceToGamma(0, 1); // y = j1 is z = -j1
    EXPECT_NEAR(D(capacitive.re), 0.0, Tight);
    EXPECT_NEAR(D(capacitive.im), -1.0, Tight);
}

TEST(ReflectionToImpedance, InvertsOhmsToGammaAndFailsAtTheOpenCircuit) {
    const Complex z = ReflectionToImpedance(OhmsToGamma(30, -40, 75), 75);
    EXPECT_NEAR(D(z.re), 30, 1e-12);
    EXPECT_NEAR(D(z.im), -40, 1e-12);
    EXPECT_THROW(ReflectionToImpedance({1, 0}, 50), FloatingPointError);
    EXPECT_THROW(ReflectionToImpedance({std::nanl(""), 0}, 50), FloatingPointError);
}

TEST(OhmsToGamma, NegativeReferenceResistanceFailsInsteadOfReturningInfinity) {
    volatile Real zo = 50;
    EXPECT_THROW(OhmsToGamma(-zo, 0, zo), FloatingPointError);
}

TEST(Polar, AngleIsUnsignedAndDefinedAtTheCentre) {
    const Polar above = GammaToPolar(-0.5L, 0); // imaginary part first
    EXPECT_NEAR(D(above.magnitude), 0.5, Tight);
    EXPECT_NEAR(D(above.angleDegrees), 90.0, 1e-13);
    const Polar left = GammaToPolar(0, -0.3L);
    EXPECT_NEAR(D(left.magnitude), 0.3, Tight);
    EXPECT_NEAR(D(left.angleDegrees), 180.0, 1e-13);
    const Polar centre = GammaToPolar(0, 0);
    EXPECT_EQ(centre.magnitude, 0);
    EXPECT_EQ(centre.angleDegrees, 0);
    const Complex top = PolarToGamma(1, 90);
    EXPECT_NEAR(D(top.re), 0.0, 1e-18);
    EXPECT_NEAR(D(top.im), 1.0, Tight);
}

TEST(ElementValues, GuardsAndFormulas) {
    EXPECT_EQ(CapacitanceFromReactance(0, 554e6L), UncomputableCapacitance);
    EXPECT_EQ(CapacitanceFromReactance(50, 0), UncomputableCapacitance);
    EXPECT_EQ(InductanceFromReactance(0, 50), 0);
    // 1 pF at 1 GHz has a reactance of 159.1549 ohm; the same formula gives it back.
    EXPECT_NEAR(D(CapacitanceFromReactance(1e-12L, 1e9L)), 159.15494309189535, 1e-10);
    EXPECT_NEAR(D(InductanceFromReactance(1e9L, 62.83185307179586)), 1e-8, 1e-22);
}

TEST(MatchQuality, ConjugateComparisonByDefault) {
    // 25 - j10 against 25 + j10: a conjugate match when matchflag is 0.
    const MatchFigures conjugate = MatchQuality({25, -10}, {25, 10}, 0);
    EXPECT_TRUE(std::isinf(conjugate.returnLossDb));
    EXPECT_EQ(conjugate.vswr, 1);
    EXPECT_EQ(conjugate.mismatchLossDb, 0);
    // 100 ohm against 50 ohm: |Gamma| = 1/3, RL = 9.542 dB, VSWR 2, ML = 0.512 dB.
    const MatchFigures m = MatchQuality({100, 0}, {50, 0}, 1);
    EXPECT_NEAR(D(m.returnLossDb), 9.5424250943932487, 1e-12);
    EXPECT_NEAR(D(m.vswr), 2.0, 1e-15);
    EXPECT_NEAR(D(m.mismatchLossDb), 0.51152522447381302, 1e-12);
}

TEST(MatchQuality, DirectComparisonWhenTheFlagIsSet) {
    const MatchFigures direct = MatchQuality({25, 10}, {25, 10}, 1);
    EXPECT_TRUE(std::isinf(direct.returnLossDb));
    const MatchFigures crossed = MatchQuality({25, 10}, {25, 10}, 0); // compares 25-j10 with 25+j10
    EXPECT_FALSE(std::isinf(crossed.returnLossDb));
}

TEST(MatchQuality, TotalMismatchIsInfiniteNotAFailure) {
    const MatchFigures reactive = MatchQuality({0, 50}, {50, 0}, 1);
    EXPECT_NEAR(D(reactive.returnLossDb), 0.0, 1e-15);
    EXPECT_TRUE(std::isinf(reactive.vswr));
    EXPECT_TRUE(std::isinf(reactive.mismatchLossDb));
}

TEST(MatchQuality, ConjugateModeUsesThePowerWaveMismatchForAComplexSource) {
    // 50 + j50 fed from 50 + j50: half the available power arrives.
    const MatchFigures half = MatchQuality({50, 50}, {50, 50}, 0);
    EXPECT_NEAR(D(half.returnLossDb), 3.0102999566398120, 1e-12);
    EXPECT_NEAR(D(half.vswr), 5.8284271247461901, 1e-12);
    EXPECT_NEAR(D(half.mismatchLossDb), 3.0102999566398120, 1e-12);
    // 10 + j50 from 50 + j50: |(A - B*)/(A + B)|^2 = 11600/13600.
    EXPECT_NEAR(D(MatchQuality({10, 50}, {50, 50}, 0).mismatchLossDb), 8.3250891270623630, 1e-12);
    // The conjugate of the source is still a perfect match.
    EXPECT_TRUE(std::isinf(MatchQuality({50, -50}, {50, 50}, 0).returnLossDb));
}

TEST(MatchQuality, ALosslessEndWithinRoundingOfTheRimIsATotalMismatch) {
    constexpr Real ulp = std::numeric_limits<Real>::epsilon();
    // A load a hair inside, on and a hair outside the rim (rounding left in its resistance).
    for (const Real r : {Real(3) * ulp, Real(0), Real(-3) * ulp}) {
        for (const int flag : {0, 1}) {
            const MatchFigures m = MatchQuality({r, 0.666L}, {1, 0}, flag);
            EXPECT_EQ(Format("%4.2f", {m.returnLossDb}), "0.00") << D(r);
            EXPECT_TRUE(std::isinf(m.vswr));
            EXPECT_TRUE(std::isinf(m.mismatchLossDb));
        }
    }
    // Two lossless ends that cancel compare as a total mismatch, not as a division by zero.
    EXPECT_TRUE(std::isinf(MatchQuality({0, 40}, {0, -40}, 0).vswr));
}
