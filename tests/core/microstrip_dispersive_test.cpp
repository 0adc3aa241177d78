#include "core/numbers/errors.h"
#include "core/rf/microstrip_dispersive.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace qv;

// Reference values come from tests/core/oracles/microstrip_hj_kj.py, which evaluates the papers'
// equations at 40 significant digits with mpmath, written apart from this code.

namespace {

constexpr Real mm = 1e-3L;

// A few dozen extended-precision pow, exp and log calls in a row.
constexpr Real PowChain = 1e-15L;

void ExpectRelativelyNear(Real actual, Real expected, Real tolerance = PowChain) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance)
        << "expected " << static_cast<double>(expected);
}

struct Case {
    Real W, H, T, Er, F;
    Real Z0Static, EpsStatic, Z0, Eps, Wavelength, DegreesPerMm;
};

} // namespace

TEST(FieldStandardMicrostrip, MatchesIndependentEvaluationOfThePapers) {
    const Case cases[] = {
        // the calculator's initial fields on FR4 at 500 MHz: about 60.27 ohm and 3.280 statically
        {0.76L, 0.6L, 0.035L, 4.6L, 500e6L, 60.27083796475877828997L, 3.280157153033796323485L,
         60.26731434158621992149L, 3.28129519958119977869L, 0.3310000405730130547212L,
         1.087613159734915624135L},
        // a thin square strip on alumina at 10 GHz
        {1.0L, 1.0L, 0, 9.8L, 10e9L, 49.28879992545925557128L, 6.579026554066486247762L,
         50.9092351658758785236L, 7.194250726621608515206L, 0.01117706864663568075233L,
         32.20880280701869852324L},
        // a narrow line on PTFE at 30 GHz, dispersion well under way
        {0.1L, 0.508L, 0.017L, 2.2L, 30e9L, 160.7155318576108919634L, 1.658161366825017003988L,
         163.7459239259418515226L, 1.683306211616715695919L, 0.007702254865220260998606L,
         46.73955955749915293636L},
        // a wide pad-like strip, W/H = 20
        {10, 0.5L, 0.035L, 3.55L, 5e9L, 8.857935871572682713039L, 3.280888831802572642922L,
         8.938212551596222798835L, 3.326247743772579419422L, 0.03287557837985789410058L,
         10.95037768888542709406L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.W));
        const DispersiveMicrostrip line = KirschningJansenLine(c.W * mm, c.H * mm, c.T * mm, c.Er, c.F);
        ExpectRelativelyNear(line.atZero.Z0, c.Z0Static);
        ExpectRelativelyNear(line.atZero.EpsEff, c.EpsStatic);
        ExpectRelativelyNear(line.Z0, c.Z0);
        ExpectRelativelyNear(line.EpsEff, c.Eps);
        ExpectRelativelyNear(line.Wavelength, c.Wavelength);
        ExpectRelativelyNear(line.DegreesPerMm, c.DegreesPerMm);
        const StaticMicrostrip stat = HammerstadJensenLine(c.W * mm, c.H * mm, c.T * mm, c.Er);
        EXPECT_EQ(stat.Z0, line.atZero.Z0);
        EXPECT_EQ(stat.EpsEff, line.atZero.EpsEff);
    }
}

TEST(FieldStandardMicrostrip, InitialFieldsGiveThePublishedStaticFigures) {
    // 0.76 mm on 0.6 mm FR4 (Er 4.6, 35 um copper): about 60.27 ohm and 3.280 in today's calculators.
    const StaticMicrostrip line = HammerstadJensenLine(0.76L * mm, 0.6L * mm, 0.035L * mm, 4.6L);
    EXPECT_NEAR(line.Z0, 60.27L, 0.005L);
    EXPECT_NEAR(line.EpsEff, 3.280L, 0.0005L);
}

TEST(FieldStandardMicrostrip, DispersionVanishesAtLowFrequencyAndThinStripIsTheLimit) {
    const DispersiveMicrostrip slow = KirschningJansenLine(0.76L * mm, 0.6L * mm, 0.035L * mm, 4.6L, 1);
    ExpectRelativelyNear(slow.Z0, slow.atZero.Z0, 1e-12L);
    ExpectRelativelyNear(slow.EpsEff, slow.atZero.EpsEff, 1e-12L);

    const StaticMicrostrip thin = HammerstadJensenLine(1 * mm, 1 * mm, 0, 9.8L);
    const StaticMicrostrip almostThin = HammerstadJensenLine(1 * mm, 1 * mm, 1e-12L * mm, 9.8L);
    ExpectRelativelyNear(almostThin.Z0, thin.Z0, 1e-9L); // du ~ t ln(1/t)
}

TEST(FieldStandardMicrostrip, WidthSynthesisSolvesTheStaticModel) {
    const std::optional<Real> W = HammerstadJensenWidth(50, 0.6L * mm, 0.035L * mm, 4.6L);
    ASSERT_TRUE(W);
    ExpectRelativelyNear(*W, 1.072824196349142795865L * mm);
    ExpectRelativelyNear(HammerstadJensenLine(*W, 0.6L * mm, 0.035L * mm, 4.6L).Z0, 50, 1e-17L);

    // Beyond 0.1 <= W/H <= 100 (135.78 ohm and 1.70 ohm here) there is no answer.
    EXPECT_FALSE(HammerstadJensenWidth(140, 0.6L * mm, 0.035L * mm, 4.6L));
    EXPECT_FALSE(HammerstadJensenWidth(1.5L, 0.6L * mm, 0.035L * mm, 4.6L));
    EXPECT_FALSE(HammerstadJensenWidth(-50, 0.6L * mm, 0.035L * mm, 4.6L));
    EXPECT_TRUE(HammerstadJensenWidth(135, 0.6L * mm, 0.035L * mm, 4.6L));
}

TEST(FieldStandardMicrostrip, InputsOutsideTheDomainThrow) {
    EXPECT_THROW(HammerstadJensenLine(1 * mm, 0, 0.035L * mm, 4.6L), FloatingPointError);
    EXPECT_THROW(HammerstadJensenLine(1 * mm, 0.6L * mm, -0.035L * mm, 4.6L), FloatingPointError);
    EXPECT_THROW(HammerstadJensenLine(1 * mm, 0.6L * mm, 0.035L * mm, 0.5L), FloatingPointError);
    EXPECT_THROW(KirschningJansenLine(1 * mm, 0.6L * mm, 0.035L * mm, 4.6L, 0), FloatingPointError);
    EXPECT_THROW(KirschningJansenLine(1 * mm, 0.6L * mm, 0.035L * mm, 4.6L, -1e9L), FloatingPointError);
}
