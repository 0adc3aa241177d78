#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/rf/microstrip.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

using namespace qv;

// Reference values below were computed independently at 40 significant digits (mpmath) from the
// published closed forms, not from this code.

namespace {

constexpr Real mm = 1e-3L;

// Relative tolerance for a chain of a few extended-precision logs, roots and divisions.
constexpr Real ExtendedChain = 1e-15L;

void ExpectRelativelyNear(Real actual, Real expected, Real tolerance) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance)
        << "expected " << static_cast<double>(expected);
}

void ExpectImpedanceNear(Complex actual, Complex expected, Real tolerance) {
    const Real scale = std::hypot(expected.re, expected.im);
    EXPECT_NEAR(actual.re, expected.re, scale * tolerance);
    EXPECT_NEAR(actual.im, expected.im, scale * tolerance);
}

// The strip width whose thickness-corrected ratio u is exactly 1, found by stepping ulps.
Real WidthForUnitRatio(Real H, Real T) {
    const StripGeometry g0 = MicrostripGeometry(0, H, T); // We = the thickness increment alone
    Real W = g0.Hc - g0.We;
    for (int step = 0; step < 64 && MicrostripGeometry(W, H, T).U != 1; ++step)
        W = std::nextafter(W, MicrostripGeometry(W, H, T).U < 1 ? Real{1} : Real{0});
    return W;
}

} // namespace

TEST(MicrostripModel, WideStripOnFr4MatchesReference) {
    const StripGeometry g = MicrostripGeometry(0.76L * mm, 0.6L * mm, 0.035L * mm);
    ExpectRelativelyNear(g.Hc, 0.53L * mm, ExtendedChain);
    ExpectRelativelyNear(g.We, 0.8091386635438515009L * mm, ExtendedChain);
    ExpectRelativelyNear(g.U, 1.526676723667644341L, ExtendedChain);

    const MicrostripLine line = MicrostripZ0(0.76L * mm, 0.6L * mm, 0.035L * mm, 4.6L);
    EXPECT_NEAR(line.Z0, 56.0384L, 0.00005L); // the figure to four decimals
    ExpectRelativelyNear(line.Z0, 56.03844362686962340L, ExtendedChain);
    ExpectRelativelyNear(line.EpsEff, 3.404714652354215113L, ExtendedChain);
    ExpectRelativelyNear(line.Vp, 162472679.5527009924L, ExtendedChain);
    ExpectRelativelyNear(line.FMax, 65880.78458684123608L, ExtendedChain); // 75/(H sqrt(Er-1)), MHz
    EXPECT_EQ(MicrostripEpsEff(0.76L * mm, 0.6L * mm, 0.035L * mm, 4.6L), line.EpsEff);
}

TEST(MicrostripModel, NarrowStripMatchesReference) {
    const MicrostripLine line = MicrostripZ0(0.3L * mm, 1.6L * mm, 0.035L * mm, 4.4L);
    ExpectRelativelyNear(line.Z0, 122.6222073818308061L, ExtendedChain);
    ExpectRelativelyNear(line.EpsEff, 2.975752497328708668L, ExtendedChain);
    ExpectRelativelyNear(line.Vp, 173789006.1253187797L, ExtendedChain);
    ExpectRelativelyNear(line.FMax, 35929.10707621492849L, ExtendedChain); // 106/(H sqrt(Er-1))
}

TEST(MicrostripModel, RatioExactlyOneTakesTheNarrowStripFormulas) {
    const Real H = 1.6L * mm, T = 0.035L * mm, Er = 4.4L;
    const Real W = WidthForUnitRatio(H, T);
    ASSERT_EQ(MicrostripGeometry(W, H, T).U, 1);

    // At u = 1: EpsEff = (Er+1)/2 + (Er-1)/(2 sqrt 13) in both branches; Z0 = 60 ln(8.25)/sqrt(EpsEff)
    // narrow against 120 pi/(sqrt(EpsEff)(2.393 + 0.667 ln 2.444)) wide.
    const MicrostripLine atOne = MicrostripZ0(W, H, T, Er);
    ExpectRelativelyNear(atOne.EpsEff, 3.171495166791444754L, ExtendedChain);
    ExpectRelativelyNear(atOne.Z0, 71.09606412275978647L, ExtendedChain);
    ExpectRelativelyNear(atOne.FMax, 35929.10707621492849L, ExtendedChain);

    const Real wider = std::nextafter(W, Real{1});
    ASSERT_GT(MicrostripGeometry(wider, H, T).U, 1);
    const MicrostripLine aboveOne = MicrostripZ0(wider, H, T, Er);
    ExpectRelativelyNear(aboveOne.EpsEff, atOne.EpsEff, ExtendedChain); // the branches meet at u = 1
    ExpectRelativelyNear(aboveOne.Z0, 70.82150485590418943L, ExtendedChain);
    ExpectRelativelyNear(aboveOne.FMax, 25421.53802562377016L, ExtendedChain);
}

TEST(MicrostripWidth, SynthesisFiguresAndBothBranchesMatchReference) {
    const WidthSynthesis narrow = MicrostripWidth(50, 1.6L * mm, 4.4L, 0.035L * mm);
    ExpectRelativelyNear(narrow.A, 1.529861949318470839L, ExtendedChain);
    ExpectRelativelyNear(narrow.B, 5.646179140255411972L, ExtendedChain);
    ExpectRelativelyNear(narrow.W, 2.864195240452423838L * mm, ExtendedChain);

    const WidthSynthesis wide = MicrostripWidth(20, 1.6L * mm, 4.4L, 0.035L * mm);
    ExpectRelativelyNear(wide.A, 0.7082781130607216690L, ExtendedChain);
    ExpectRelativelyNear(wide.B, 14.11544785063852993L, ExtendedChain);
    ExpectRelativelyNear(wide.W, 10.55852256090282327L * mm, ExtendedChain);
}

TEST(MicrostripWidth, AExactlyAtTheLimitTakesTheWideStripFormula) {
    const Real H = 1.6L * mm, T = 0.035L * mm, Er = 3;
    // A = 1.52 at Z0 = (1.52 - k) 60 / sqrt(2) with k = (1/2)(0.23 + 0.11/3); step ulps onto it.
    Real Z0 = 58.83128419472075403L;
    for (int step = 0; step < 256 && MicrostripWidth(Z0, H, Er, T).A != 1.52L; ++step)
        Z0 = std::nextafter(Z0, MicrostripWidth(Z0, H, Er, T).A < 1.52L ? Real{100} : Real{0});
    const WidthSynthesis atLimit = MicrostripWidth(Z0, H, Er, T);
    ASSERT_EQ(atLimit.A, 1.52L);
    // The two forms differ by 0.16% here, so these tolerances tell them apart.
    ExpectRelativelyNear(atLimit.W, 2.894541679031050087L * mm, 1e-12L); // logarithmic form
    Real above = Z0; // the first impedance whose A rounds above the limit, a few ulps higher
    for (int step = 0; step < 16 && MicrostripWidth(above, H, Er, T).A == 1.52L; ++step)
        above = std::nextafter(above, Real{100});
    const WidthSynthesis beyond = MicrostripWidth(above, H, Er, T);
    ASSERT_GT(beyond.A, 1.52L);
    ExpectRelativelyNear(beyond.W, 2.899289310386089093L * mm, 1e-12L); // exponential form
}

TEST(MicrostripWidth, SynthesisThenAnalysisComesBackNearTheWantedImpedance) {
    // The synthesis and analysis closed forms are not exact inverses: over Er 2.2..10.2, Z0 15..150 ohm
    // and H 0.254..1.6 mm the reference mismatch peaks at 0.67 %, hence the 1 % bound.
    for (Real Er : {2.2L, 3.0L, 4.4L, 10.2L})
        for (Real wanted : {15.0L, 30.0L, 50.0L, 75.0L, 100.0L}) {
            const Real H = 0.8L * mm, T = 0.035L * mm;
            const WidthSynthesis s = MicrostripWidth(wanted, H, Er, T);
            ASSERT_GT(s.W, 0);
            ExpectRelativelyNear(MicrostripZ0(s.W, H, T, Er).Z0, wanted, 0.01L);
        }
    const WidthSynthesis fifty = MicrostripWidth(50, 1.6L * mm, 4.4L, 0.035L * mm);
    ExpectRelativelyNear(MicrostripZ0(fifty.W, 1.6L * mm, 0.035L * mm, 4.4L).Z0, 50.23424630467500841L,
                         ExtendedChain);
}

TEST(MicrostripWidth, NonPositiveWidthIsReturnedAsComputed) {
    // A very high impedance on a thin high-permittivity board needs less than the thickness increment.
    const WidthSynthesis s = MicrostripWidth(150, 0.254L * mm, 10.2L, 0.017L * mm);
    EXPECT_LE(s.W, 0);
}

TEST(LineSections, HalfWaveReturnsTheLoadAndQuarterWaveInvertsIt) {
    const Complex load{25, 10};
    const Real Z0 = 50, lambda = 0.2L;
    // tan(pi) is about 5e-20 in extended arithmetic: the half-wave result is the load to ~1e-18.
    ExpectImpedanceNear(LineInputImpedance(load, Z0, lambda, lambda / 2), load, 1e-15L);
    // tan(pi/2) is about 1e19, which leaves a relative error near 1e-18 in Z0^2/ZL.
    const Complex inverted = CDiv({Z0 * Z0, 0}, load);
    ExpectImpedanceNear(LineInputImpedance(load, Z0, lambda, lambda / 4), inverted, 1e-15L);
    ExpectImpedanceNear(LineInputImpedance(load, Z0, lambda, 0), load, 1e-18L);
}

TEST(LineSections, QuarterWaveOpenStubShortsTheNode) {
    const Complex z = ShuntOpenStub({25, 10}, 50, 0.2L, 0.05L);
    EXPECT_LT(std::hypot(z.re, z.im), 1e-12L); // Xs = -Z0 cot(pi/2) is about 1e-17 ohm
    // An eighth-wave open stub is a -j Z0 reactance across the load.
    const Complex eighth = ShuntOpenStub({50, 0}, 50, 0.2L, 0.025L);
    ExpectImpedanceNear(eighth, CParallel({0, -50}, {50, 0}), 1e-15L);
}

TEST(MicrostripInsertion, SeriesFollowsTheWavelengthFlagAndStubAlwaysUsesTheGuidedOne) {
    const Complex load{25, 10};
    const Real W = 0.76L * mm, Len = 10 * mm, H = 0.6L * mm, Er = 4.6L, T = 0.035L * mm, F = 1e9L;
    const MicrostripLine line = MicrostripZ0(W, H, T, Er);

    const MicrostripTransform freeSpace = SeriesMicrostrip(load, W, Len, H, Er, T, F, false);
    ExpectImpedanceNear(freeSpace.Z, {27.96175958831967134L, 20.02659289371401208L}, ExtendedChain * 10);
    EXPECT_EQ(freeSpace.Z0, line.Z0);
    EXPECT_EQ(freeSpace.EpsEff, line.EpsEff);
    EXPECT_EQ(freeSpace.Vp, line.Vp);

    const MicrostripTransform guided = SeriesMicrostrip(load, W, Len, H, Er, T, F, true);
    ExpectImpedanceNear(guided.Z, {32.64009888449574244L, 28.99788100747997909L}, ExtendedChain * 10);

    const MicrostripTransform stub = ShuntMicrostrip(load, W, Len, H, Er, T, F);
    ExpectImpedanceNear(stub.Z, {27.99717738585897420L, 5.298698199997534065L}, ExtendedChain * 10);
    EXPECT_EQ(stub.Z0, line.Z0);

    // Half a free-space wavelength: a full turn with the flag at 0, not with the guided wavelength.
    const Real halfFreeSpace = SpeedOfLight / F / 2;
    ExpectImpedanceNear(SeriesMicrostrip(load, W, halfFreeSpace, H, Er, T, F, false).Z, load, 1e-15L);
    const Real halfGuided = GuidedWavelength(F, line.EpsEff) / 2;
    ExpectImpedanceNear(SeriesMicrostrip(load, W, halfGuided, H, Er, T, F, true).Z, load, 1e-15L);
    // A quarter guided wavelength stub shorts the node whatever the flag would say.
    const Complex shorted = ShuntMicrostrip(load, W, halfGuided / 2, H, Er, T, F).Z;
    EXPECT_LT(std::hypot(shorted.re, shorted.im), 1e-12L);
}

TEST(MicrostripDomain, FailuresThrowInsteadOfReturningNanOrInfinity) {
    volatile Real zero = 0, one = 1;
    const Real H = 0.6L * mm, T = 0.035L * mm;
    EXPECT_THROW(MicrostripZ0(0.76L * mm, H, zero, 4.6L), FloatingPointError);       // T = 0
    EXPECT_THROW(MicrostripZ0(0.76L * mm, H, T, one), FloatingPointError);           // Er = 1 in FMax
    EXPECT_THROW(MicrostripZ0(0.76L * mm, 2 * T, T, 4.6L), FloatingPointError);      // Hc = 0
    EXPECT_THROW(MicrostripZ0(0.76L * mm, T, T, 4.6L), FloatingPointError);          // Hc < 0
    EXPECT_THROW(MicrostripZ0(-1 * mm, H, T, 4.6L), FloatingPointError);             // We < 0
    EXPECT_THROW(MicrostripEpsEff(0.76L * mm, H, zero, 4.6L), FloatingPointError);   // T = 0
    EXPECT_THROW(MicrostripWidth(zero, H, 4.6L, T), FloatingPointError);             // Z0 = 0 in B
    EXPECT_THROW(MicrostripWidth(-50, H, 4.6L, T), FloatingPointError);              // ln(2B - 1 < 0)
    EXPECT_THROW(MicrostripWidth(1e6L, H, 4.6L, T), FloatingPointError);             // e^(2A) overflows
    EXPECT_THROW(MicrostripWidth(50, H, 4.6L, zero), FloatingPointError);            // T = 0
    EXPECT_THROW(GuidedWavelength(zero, 3), FloatingPointError);                     // F = 0
    EXPECT_THROW(ShuntOpenStub({25, 10}, 50, 0.2L, zero), FloatingPointError);       // cot(0)
    EXPECT_THROW(LineInputImpedance({0, 0}, zero, 0.2L, 0.03L), FloatingPointError); // D = 0
    EXPECT_THROW(ShuntOpenStub({0, 0}, zero, 0.2L, 0.03L), FloatingPointError);      // jXs + ZL = 0
    EXPECT_THROW(SeriesMicrostrip({25, 10}, 1 * mm, 0.01L, H, 4.6L, T, zero, false), FloatingPointError);
    EXPECT_THROW(SeriesMicrostrip({25, 10}, 1 * mm, 0.01L, H, 4.6L, T, zero, true), FloatingPointError);
    EXPECT_THROW(ShuntMicrostrip({25, 10}, 1 * mm, zero, H, 4.6L, T, 1e9L), FloatingPointError);
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    EXPECT_THROW(MicrostripZ0(nan, H, T, 4.6L), FloatingPointError); // NaN raises no flag on its own
    EXPECT_THROW(LineInputImpedance({nan, 0}, 50, 0.2L, 0.03L), FloatingPointError);
}

// A division by zero that goes on to 0 * infinity in the same step is reported as the division.
TEST(MicrostripDomain, ADivisionByZeroIsNamedAsTheCause) {
    volatile Real zero = 0;
    const Real H = 0.6L * mm, T = 0.035L * mm;
    const auto failure = [](auto&& step) {
        try {
            step();
        } catch (const FloatingPointError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure([&] { MicrostripZ0(0.76L * mm, H, zero, 4.6L); }), DivisionByZeroText);  // T = 0
    EXPECT_EQ(failure([&] { MicrostripZ0(0.76L * mm, 2 * T, T, 4.6L); }), DivisionByZeroText); // H = 2T
    EXPECT_EQ(failure([&] { ShuntOpenStub({25, 10}, 50, 0.2L, zero); }), DivisionByZeroText);  // length 0
}

TEST(MicrostripDomain, AFailureLeavesNoFlagForTheNextCalculation) {
    volatile Real zero = 0;
    EXPECT_THROW(GuidedWavelength(zero, 3), FloatingPointError);
    EXPECT_NO_THROW(MicrostripZ0(0.76L * mm, 0.6L * mm, 0.035L * mm, 4.6L));
}

TEST(ParseLength, MillimetresAndMilTable) {
    struct Row {
        const char* text;
        Real metres;
        int flag;
    };
    const Row rows[] = {
        {"0.76", 0.00076L, 0},  {"30m", 0.000762L, 1}, {"30M", 0.000762L, 1}, {"2.5mm", 0.0000635L, 1},
        {"50m12", 0.00127L, 1}, {"1.", 0.001L, 0},     {".5", 0.0005L, 0},    {"", -1, -1},
        {"   ", -1, -1},        {"1,5", -1, -1},       {"1e3", -1, -1},       {"-1", -1, -1},
        {"2.5 mm", -1, -1},     {"+1", -1, -1},        {"30mil", -1, -1},
    };
    for (const Row& row : rows) {
        const LengthEntry entry = ParseLength(row.text);
        EXPECT_EQ(entry.unitFlag, row.flag) << row.text;
        EXPECT_NEAR(entry.metres, row.metres, 1e-18L) << row.text; // one or two roundings of the divisions
    }
}

TEST(ParseLength, AllowedCharactersThatAreNoNumberRaiseTheConversionError) {
    for (const char* text : {"1.2.3", ".", "m", "M5", "..m"}) {
        try {
            ParseLength(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find("is not a valid floating point value"), std::string::npos);
        }
    }
    try {
        ParseLength("1.2.3");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1.2.3' is not a valid floating point value");
    }
}

TEST(ParseLength, RandomTextsGiveAValueAFlagOrTheConversionError) {
    std::mt19937 random(20240611);
    const std::string likely = "0123456789.mM ";
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 12, ' ');
        for (char& c : text)
            c = random() % 4 ? likely[random() % likely.size()] : static_cast<char>(random() % 256);
        try {
            const LengthEntry entry = ParseLength(text);
            ASSERT_TRUE(entry.unitFlag >= -1 && entry.unitFlag <= 1) << text;
            if (entry.unitFlag == -1)
                ASSERT_EQ(entry.metres, -1) << text;
            else
                ASSERT_TRUE(std::isfinite(entry.metres) && entry.metres >= 0) << text;
        } catch (const ConversionError&) {
        }
    }
}
