#include "sparams/analysis/device_data.h"
#include "sparams/analysis/two_port_design.h"
#include "sparams/model/sparameter_file_texts.h"
#include "support/test_paths.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

// The design formulas checked against what they promise, computed independently with
// std::complex<long double>: the conjugate match makes both ports conjugate-matched, a point on a
// gain circle has that gain, a point on a noise circle has that noise figure.
namespace qv {
namespace {

using C = std::complex<long double>;

C Of(Complex z) {
    return {z.re, z.im};
}

Complex Polar(Real magnitude, Real degrees) {
    const C z = std::polar(magnitude, degrees * DegreesToRadians);
    return {z.real(), z.imag()};
}

// A made-up GaAs FET at 4 GHz (K about 1.1, unconditionally stable).
SMatrix StableDevice() {
    return {Polar(0.72L, -116), Polar(0.73L, -54), Polar(0.03L, 57), Polar(2.60L, 76)};
}

// Input reflection with a load, output reflection with a source.
C GammaIn(const SMatrix& s, C load) {
    return Of(s.s11) + Of(s.s12) * Of(s.s21) * load / (1.0L - Of(s.s22) * load);
}
C GammaOut(const SMatrix& s, C source) {
    return Of(s.s22) + Of(s.s12) * Of(s.s21) * source / (1.0L - Of(s.s11) * source);
}

TEST(SimultaneousConjugateMatch, BothPortsSeeTheirConjugate) {
    const SMatrix s = StableDevice();
    const ConjugateMatchResult r = SimultaneousConjugateMatch(s);
    ASSERT_TRUE(r.match);
    const C gs = Of(r.match->sourceReflection);
    const C gl = Of(r.match->loadReflection);
    // Extended precision: the identities hold to far better than a printed digit.
    EXPECT_LT(std::abs(gs - std::conj(GammaIn(s, gl))), 1e-15L);
    EXPECT_LT(std::abs(gl - std::conj(GammaOut(s, gs))), 1e-15L);
    EXPECT_LT(std::abs(gs), 1);
    // The transducer gain at the match is MAG.
    const long double gt =
        std::norm(Of(s.s21)) * (1 - std::norm(gs)) * (1 - std::norm(gl)) /
        std::norm((1.0L - Of(s.s11) * gs) * (1.0L - Of(s.s22) * gl) - Of(s.s12) * Of(s.s21) * gs * gl);
    EXPECT_NEAR(10 * std::log10(gt), MaximumGain(s).db, 1e-12L);
}

TEST(SimultaneousConjugateMatch, UnilateralDeviceIsMatchedToTheConjugatesOfS11AndS22) {
    const SMatrix s{Polar(0.5L, -60), Polar(0.4L, -30), {0, 0}, Polar(3, 90)};
    const ConjugateMatchResult r = SimultaneousConjugateMatch(s);
    ASSERT_TRUE(r.match);
    EXPECT_LT(std::abs(Of(r.match->sourceReflection) - std::conj(Of(s.s11))), 1e-18L);
    EXPECT_LT(std::abs(Of(r.match->loadReflection) - std::conj(Of(s.s22))), 1e-18L);
}

TEST(SimultaneousConjugateMatch, PotentiallyUnstableDeviceHasNone) {
    const SMatrix s{Polar(0.9L, -60), Polar(0.8L, -30), Polar(0.1L, 40), Polar(4, 100)};
    ASSERT_LE(Stability(s).k, 1);
    const ConjugateMatchResult r = SimultaneousConjugateMatch(s);
    EXPECT_FALSE(r.match);
    EXPECT_EQ(r.refusal, DesignRefusal::NotUnconditionallyStable);
}

TEST(GainCircle, EveryPointHasTheGainAskedFor) {
    const SMatrix s = StableDevice();
    const Real mag = MaximumGain(s).db;
    for (const GainPlane plane : {GainPlane::AvailableSource, GainPlane::OperatingLoad}) {
        const CircleResult r = GainCircle(s, plane, mag - 2);
        ASSERT_TRUE(r.circle);
        for (const Real degrees : {0.0L, 90.0L, 200.0L, 300.0L}) {
            const C g = Of(r.circle->centre) + std::polar(r.circle->radius, degrees * DegreesToRadians);
            long double gain = 0;
            if (plane == GainPlane::AvailableSource)
                gain = std::norm(Of(s.s21)) * (1 - std::norm(g)) /
                       (std::norm(1.0L - Of(s.s11) * g) * (1 - std::norm(GammaOut(s, g))));
            else
                gain = std::norm(Of(s.s21)) * (1 - std::norm(g)) /
                       ((1 - std::norm(GammaIn(s, g))) * std::norm(1.0L - Of(s.s22) * g));
            EXPECT_NEAR(10 * std::log10(gain), mag - 2, 1e-12L) << static_cast<int>(plane) << " " << degrees;
        }
    }
}

TEST(GainCircle, AtMagShrinksToTheConjugateMatchAndAboveIsRefused) {
    const SMatrix s = StableDevice();
    const Real mag = MaximumGain(s).db;
    const CircleResult atMag = GainCircle(s, GainPlane::AvailableSource, mag);
    ASSERT_TRUE(atMag.circle);
    // The radicand vanishes at MAG up to rounding of the logarithm: the radius is a few 1e-9.
    EXPECT_LT(atMag.circle->radius, 1e-7L);
    EXPECT_LT(std::abs(Of(atMag.circle->centre) - Of(SimultaneousConjugateMatch(s).match->sourceReflection)),
              1e-7L);
    EXPECT_EQ(GainCircle(s, GainPlane::OperatingLoad, mag + 0.01L).refusal, DesignRefusal::GainOutOfReach);
    // Far above MAG the radicand is positive again; still out of reach.
    EXPECT_EQ(GainCircle(s, GainPlane::OperatingLoad, mag + 30).refusal, DesignRefusal::GainOutOfReach);

    // A unilateral device: at GUmax the available-gain circle is the point S11*.
    const SMatrix u{Polar(0.5L, -60), Polar(0.4L, -30), {0, 0}, Polar(3, 90)};
    const CircleResult top = GainCircle(u, GainPlane::AvailableSource, Gains(u).unilateralDb);
    ASSERT_TRUE(top.circle);
    EXPECT_LT(top.circle->radius, 1e-7L);
    EXPECT_LT(std::abs(Of(top.circle->centre) - std::conj(Of(u.s11))), 1e-7L);
}

TEST(NoiseCircle, EveryPointHasTheNoiseFigureAskedFor) {
    const NoiseParameters noise{0.7L, Polar(0.64L, 69), 19};
    const CircleResult r = NoiseCircle(noise, 50, 1.5L);
    ASSERT_TRUE(r.circle);
    const long double fMin = std::pow(10.0L, 0.07L);
    for (const Real degrees : {10.0L, 135.0L, 250.0L}) {
        const C g = Of(r.circle->centre) + std::polar(r.circle->radius, degrees * DegreesToRadians);
        const C opt = Of(noise.optimumReflection);
        const long double f =
            fMin + 4 * (19.0L / 50) * std::norm(g - opt) / ((1 - std::norm(g)) * std::norm(1.0L + opt));
        EXPECT_NEAR(10 * std::log10(f), 1.5L, 1e-12L);
    }
    EXPECT_EQ(NoiseCircle(noise, 50, 0.69L).refusal, DesignRefusal::NoiseBelowMinimum);
}

// Version 1 with noise rows, frequencies in MHz, one value in dB form to check exactness.
constexpr std::string_view MadeUpFile = "! made-up device\n"
                                        "# MHz S MA R 50\n"
                                        "1000 0.80 -60 5.0 120 0.05 50 0.60 -30\n"
                                        "2000 0.70 -100 4.0 90 0.07 40 0.50 -50\n"
                                        "3000 0.65 -140 3.0 70 0.09 35 0.45 -70\n"
                                        "\n"
                                        "! noise\n"
                                        "1000 0.40 0.60 30 0.30\n"
                                        "2000 0.60 0.50 60 0.20\n";

TEST(DeviceData, ReadsRowsAndNoiseAndInterpolatesBetweenThem) {
    const DeviceRead read = ReadDeviceData(MadeUpFile);
    ASSERT_TRUE(read.data) << DeviceErrorText(read.error).toStdString();
    ASSERT_EQ(read.data->rows.size(), 3u);
    ASSERT_EQ(read.data->noise.size(), 2u);
    EXPECT_EQ(read.data->noise[0].noise.resistanceOhms, 0.30L * 50);

    const std::optional<DevicePoint> row = DeviceAt(*read.data, 2e9L);
    ASSERT_TRUE(row && row->noise);
    EXPECT_EQ(row->s.s21.re, Polar(4.0L, 90).re);
    EXPECT_EQ(row->noise->minimumDb, 0.60L);

    const std::optional<DevicePoint> between = DeviceAt(*read.data, 1.25e9L);
    ASSERT_TRUE(between && between->noise);
    const Complex a = Polar(0.80L, -60);
    const Complex b = Polar(0.70L, -100);
    EXPECT_NEAR(between->s.s11.re, a.re + 0.25L * (b.re - a.re), 1e-18L);
    EXPECT_NEAR(between->s.s11.im, a.im + 0.25L * (b.im - a.im), 1e-18L);
    EXPECT_NEAR(between->noise->minimumDb, 0.45L, 1e-18L);
    EXPECT_NEAR(between->noise->resistanceOhms, 13.75L, 1e-15L);

    // Beyond the noise rows but within the S rows: S without noise; beyond the file: nothing.
    const std::optional<DevicePoint> noNoise = DeviceAt(*read.data, 2.5e9L);
    ASSERT_TRUE(noNoise);
    EXPECT_FALSE(noNoise->noise);
    EXPECT_FALSE(DeviceAt(*read.data, 0.999e9L));
    EXPECT_FALSE(DeviceAt(*read.data, 3.001e9L));
}

TEST(DeviceData, DecibelAndRealImaginaryRowsKeepEveryDigit) {
    const DeviceRead db =
        ReadDeviceData("# GHz S DB R 50\n1 -1.234567891 -30 13.98765432 150 -30.1 60 -6.54321 -20\n");
    ASSERT_TRUE(db.data) << DeviceErrorText(db.error).toStdString();
    // The table shows six digits; the design data keeps the file's (read as a double).
    EXPECT_NEAR(std::abs(Of(db.data->rows[0].s.s21)), std::pow(10.0L, 13.98765432L / 20), 1e-14L);
    const DeviceRead ri = ReadDeviceData("# GHz S RI R 50\n1 0.123456789 -0.5 1 2 0.01 0.02 0.3 -0.4\n");
    ASSERT_TRUE(ri.data) << DeviceErrorText(ri.error).toStdString();
    EXPECT_NEAR(ri.data->rows[0].s.s11.re, 0.123456789L, 1e-15L);
    EXPECT_NEAR(ri.data->rows[0].s.s11.im, -0.5L, 1e-15L);
}

TEST(DeviceData, RefusesWhatIsNoTwoPortData) {
    EXPECT_FALSE(ReadDeviceData("").data);
    EXPECT_FALSE(ReadDeviceData("# GHz S MA R 50\n1 0.5 10\n").data);
    EXPECT_FALSE(ReadDeviceFile("/nonexistent/device.s2p").data);
}

// The Touchstone examples hold the same device twice: Rn normalised (1.x) and in ohms (2.0).
TEST(DeviceData, NoiseResistanceFollowsTheFileVersion) {
    const std::string v1 = test::SharedTestData("s2p/ts1spec_ex18_defaults_noise.s2p");
    const std::string v2 = test::SharedTestData("s2p/ts2spec_ex17_2port_noise_ref50_25.ts");
    if (v1.empty() || v2.empty())
        GTEST_SKIP() << "shared test data not present";
    const DeviceRead one = ReadDeviceFile(v1);
    const DeviceRead two = ReadDeviceFile(v2);
    ASSERT_TRUE(one.data && two.data);
    ASSERT_EQ(one.data->noise.size(), 2u);
    ASSERT_EQ(two.data->noise.size(), 2u);
    EXPECT_NEAR(one.data->noise[0].noise.resistanceOhms, 19, 1e-12L);
    EXPECT_NEAR(two.data->noise[0].noise.resistanceOhms, 19, 1e-12L);
    EXPECT_EQ(one.data->noise[1].frequencyHz, 18e9L);
    EXPECT_EQ(one.data->rows[1].frequencyHz, 22e9L);
}

TEST(DeviceData, RealTransistorFilesCarryTheirNoiseBlocks) {
    struct Case {
        const char* file;
        std::size_t rows;
        std::size_t noise;
    };
    for (const Case c :
         {Case{"avago_ATF-36163_2V_20mA.s2p", 19, 17}, Case{"nxp_BFU520_05V0_010mA_NF_SP.s2p", 37, 37},
          Case{"infineon_BFP740ESD_3V_6mA.s2p", 233, 6}}) {
        const std::string path = test::SharedTestData(std::string("s2p/") + c.file);
        if (path.empty())
            GTEST_SKIP() << "shared test data not present";
        const DeviceRead read = ReadDeviceFile(path);
        ASSERT_TRUE(read.data) << c.file << ": " << DeviceErrorText(read.error).toStdString();
        EXPECT_EQ(read.data->rows.size(), c.rows) << c.file;
        EXPECT_EQ(read.data->noise.size(), c.noise) << c.file;
    }
}

} // namespace
} // namespace qv
