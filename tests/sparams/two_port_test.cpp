#include "chart/analysis/readout_message.h"
#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "sparams/analysis/two_port.h"
#include "sparams/analysis/two_port_records.h"
#include "support/test_paths.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace qv {
namespace {

void ExpectNear(Complex actual, Complex expected, Real tolerance = 1e-15L) {
    EXPECT_NEAR(static_cast<double>(actual.re), static_cast<double>(expected.re),
                static_cast<double>(tolerance));
    EXPECT_NEAR(static_cast<double>(actual.im), static_cast<double>(expected.im),
                static_cast<double>(tolerance));
}

TwoPort Polar(Real m11, Real a11, Real m21, Real a21, Real m12, Real a12, Real m22, Real a22) {
    return {ReadSParameter(m11, a11, true, false), ReadSParameter(m22, a22, true, false),
            ReadSParameter(m12, a12, true, false), ReadSParameter(m21, a21, true, false)};
}

TEST(ComplexCalculator, SixOperations) {
    const Complex x1{3, 4};
    const Complex x2{1, -2};
    ExpectNear(CalculateComplex(ComplexOperation::Add, x1, x2), {4, 2});
    ExpectNear(CalculateComplex(ComplexOperation::Subtract, x1, x2), {2, 6});
    ExpectNear(CalculateComplex(ComplexOperation::Multiply, x1, x2), {11, -2});
    ExpectNear(CalculateComplex(ComplexOperation::Divide, x1, x2), {-1, 2});
    ExpectNear(CalculateComplex(ComplexOperation::Parallel, x1, x2), {2, -1.5L});
    // (1 + G)/(1 - G): G = 0.5 gives 3; G = j gives j; X2 plays no part
    ExpectNear(CalculateComplex(ComplexOperation::ReflectionToImpedance, {0.5L, 0}, x2), {3, 0});
    ExpectNear(CalculateComplex(ComplexOperation::ReflectionToImpedance, {0, 1}, {}), {0, 1});
}

TEST(ComplexCalculator, ZeroDivisorsAreErrors) {
    EXPECT_THROW(CalculateComplex(ComplexOperation::Divide, {1, 1}, {0, 0}), FloatingPointError);
    EXPECT_THROW(CalculateComplex(ComplexOperation::Parallel, {1, 2}, {-1, -2}), FloatingPointError);
    // A short in parallel with anything, another short included, is a short.
    ExpectNear(CalculateComplex(ComplexOperation::Parallel, {0, 0}, {0, 0}), {0, 0});
    ExpectNear(CalculateComplex(ComplexOperation::Parallel, {3, -4}, {0, 0}), {0, 0});
    EXPECT_THROW(CalculateComplex(ComplexOperation::ReflectionToImpedance, {1, 0}, {}), FloatingPointError);
}

TEST(ElementReactance, InductancePositiveCapacitanceNegative) {
    EXPECT_NEAR(static_cast<double>(ElementReactance(100e6L, 10e-9L)), 6.283185307179586, 1e-12);
    EXPECT_NEAR(static_cast<double>(ElementReactance(100e6L, -10e-12L)), -159.15494309189535, 1e-10);
    EXPECT_EQ(ElementReactance(100e6L, 0), 0);
    EXPECT_THROW(ElementReactance(0, -1e-12L), FloatingPointError);
}

TEST(ReadSParameter, PolarRectangularAndDecibels) {
    const SParameter polar = ReadSParameter(0.89L, 120, true, false);
    ExpectNear(polar.rectangular, {-0.445L, 0.89L * std::sqrt(3.0L) / 2});
    EXPECT_EQ(polar.polar.magnitude, 0.89L);
    EXPECT_EQ(polar.polar.angleDegrees, 120);

    const SParameter rect = ReadSParameter(-3, 4, false, false);
    EXPECT_EQ(rect.polar.magnitude, 5);
    EXPECT_NEAR(static_cast<double>(rect.polar.angleDegrees), 126.86989764584402, 1e-12);

    // Log input converts the first field only, in both modes: -20 dB is 0.1.
    ExpectNear(ReadSParameter(-20, 0.3L, false, true).rectangular, {0.1L, 0.3L});
    const SParameter polarDb = ReadSParameter(6, 90, true, true);
    EXPECT_NEAR(static_cast<double>(polarDb.polar.magnitude), 1.9952623149688795, 1e-15);
    EXPECT_THROW(ReadSParameter(1e6L, 0, false, true), FloatingPointError); // 10^50000 overflows
}

// Reference values come from a separate Python script (cmath, double precision) that evaluates
// the textbook formulas literally: K = (1-|S11|^2-|S22|^2+|D|^2)/(2|S12 S21|), mu and mu' after
// Edwards and Sinsky, MAG = |S21|/|S12| (K - sqrt(K^2-1)) in dB, MSG = |S21|/|S12| in dB, and the
// circle centres (S22 - D S11*)*/(|S22|^2-|D|^2) and (S11 - D S22*)*/(|S11|^2-|D|^2).
struct Reference {
    Real delta, k, mu, muPrime;
    bool mag;
    Real gainDb, outMag, outAngle, outRadius, inMag, inAngle, inRadius;
};

void ExpectMatches(const TwoPortAnalysis& a, const Reference& r) {
    ASSERT_FALSE(a.failure) << *a.failure;
    const auto near = [](Real actual, Real expected) {
        // the reference is double precision; 1e-9 relative leaves room for its rounding
        EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
                    1e-9 * std::max(1.0, std::fabs(static_cast<double>(expected))));
    };
    near(a.stability->deltaMagnitude, r.delta);
    near(a.stability->k, r.k);
    near(*a.mu, r.mu);
    near(a.extras->muPrime, r.muPrime);
    EXPECT_EQ(a.extras->gain.available, r.mag);
    near(a.extras->gain.db, r.gainDb);
    near(a.outputCircle->centre.magnitude, r.outMag);
    near(a.outputCircle->centre.angleDegrees, r.outAngle);
    near(a.outputCircle->radius, r.outRadius);
    near(a.inputCircle->centre.magnitude, r.inMag);
    near(a.inputCircle->centre.angleDegrees, r.inAngle);
    near(a.inputCircle->radius, r.inRadius);
}

TEST(AnalyseTwoPort, AgreesWithAnIndependentDerivation) {
    // S11 0.6/-160, S21 2.5/80, S12 0.05/40, S22 0.5/-30: a made-up amplifier with K > 1
    const TwoPortAnalysis a = AnalyseTwoPort(Polar(0.6L, -160, 2.5L, 80, 0.05L, 40, 0.5L, -30), 50);
    ExpectMatches(a, {0.23961621246L, 1.78966371709L, 1.28600702264L, 1.2145613142L, true, 11.8390732588L,
                      1.9350742042L, 38.8686080529L, 0.649067181561L, 1.62766964372L, 165.578670434L,
                      0.413108329529L});
    ExpectNear(a.z->z11, {13.066155571142714L, -0.18573209949117916L}, 1e-9L);
    ExpectNear(a.z->z22, {103.9241008523518L, -45.555762374777856L}, 1e-9L);
    ExpectNear(a.z->z12, {4.89077290024046L, 1.4058515861793994L}, 1e-9L);
    ExpectNear(a.z->z21, {142.1442711065903L, 211.0336508753999L}, 1e-9L);
    ExpectNear(a.ports->input, {12.863643416368333L, -8.249297184293615L}, 1e-9L);
    ExpectNear(a.ports->output, {97.6627109438972L, -65.10847396259814L}, 1e-9L);
    EXPECT_NEAR(static_cast<double>(a.stability->unilateralGain), 13.02083333333333, 1e-12);
    EXPECT_NEAR(static_cast<double>(a.gains->sourceDb), 1.9382002601611283, 1e-12);
    EXPECT_NEAR(static_cast<double>(a.gains->forwardDb), 7.958800173440751, 1e-12);
    EXPECT_NEAR(static_cast<double>(a.gains->loadDb), 1.2493873660829993, 1e-12);
    EXPECT_NEAR(static_cast<double>(a.gains->unilateralDb), 11.146387799684877, 1e-12);
}

// One data line of a maker's file, as magnitude/angle pairs in file order (S11 S21 S12 S22).
std::optional<std::array<Real, 8>> FileRow(const std::string& file, const std::string& frequency) {
    const std::string path = test::SharedTestData("s2p/" + file);
    if (path.empty())
        return std::nullopt;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('!')));
        std::string first;
        if (!(words >> first) || first != frequency)
            continue;
        std::array<Real, 8> values{};
        for (Real& v : values)
            words >> v;
        return values;
    }
    return std::nullopt;
}

TEST(AnalyseTwoPort, AgreesWithTheDerivationOnPublishedTransistors) {
    const struct {
        const char* file;
        const char* frequency;
        Reference expected;
    } rows[] = {
        {"avago_ATF-36163_2V_20mA.s2p",
         "0.50000",
         {0.485413257712L, 0.124527136863L, 0.0978499056797L, 0.93190747556L, false, 26.2906964254L,
          18.4652721279L, -84.005723674L, 18.5631220336L, 1.01337370076L, 13.9609415689L, 0.0814662252045L}},
        {"infineon_BFP450_3V_40mA.s2p",
         "3.000",
         {0.608672024464L, 1.14974902633L, 1.27890674003L, 1.07897492875L, true, 11.2144924217L,
          1.18166038945L, -11.9123964141L, 2.46056712948L, 2.23891127892L, -145.465596121L, 1.15993635017L}},
        {"nxp_BFR520_3V_10mA_1991.s2p",
         "1800",
         {0.458557343024L, 1.03916175048L, 1.04641938096L, 1.0637784047L, true, 10.235139312L, 5.4979700786L,
          -142.229908597L, 6.54438945956L, 1.60970624399L, 1.62596011869L, 2.67348464869L}},
        {"nxp_BFU520_05V0_010mA_NF_SP.s2p",
         "1650",
         {0.203791479932L, 0.980464463418L, 0.983997058808L, 0.986830835072L, false, 17.9641296087L,
          5.47783016881L, 59.0952732851L, 4.49383311001L, 3.04176136467L, -177.243530609L, 2.0549305296L}},
    };
    int found = 0;
    for (const auto& row : rows) {
        const auto v = FileRow(row.file, row.frequency);
        if (!v)
            continue;
        ++found;
        SCOPED_TRACE(row.file);
        ExpectMatches(
            AnalyseTwoPort(Polar((*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4], (*v)[5], (*v)[6], (*v)[7]), 50),
            row.expected);
    }
    if (found == 0)
        GTEST_SKIP() << "the shared S-parameter files are not here";
}

TEST(AnalyseTwoPort, UnilateralTwoPortCompletesWithInfiniteK) {
    const TwoPortAnalysis a = AnalyseTwoPort(Polar(0.5L, -60, 3, 90, 0, 0, 0.4L, -30), 50);
    ASSERT_FALSE(a.failure) << *a.failure;
    EXPECT_TRUE(std::isinf(a.stability->k) && a.stability->k > 0);
    // the circles shrink to the points 1/S11* and 1/S22*
    EXPECT_EQ(a.outputCircle->radius, 0);
    EXPECT_EQ(a.inputCircle->radius, 0);
    EXPECT_NEAR(static_cast<double>(a.outputCircle->centre.magnitude), 2.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(a.outputCircle->centre.angleDegrees), 30, 1e-13);
    EXPECT_NEAR(static_cast<double>(a.inputCircle->centre.magnitude), 2, 1e-15);
    // MAG of a unilateral two-port is GUmax = 9/(0.75*0.84)
    EXPECT_TRUE(a.extras->gain.available);
    EXPECT_NEAR(static_cast<double>(a.extras->gain.db), 10 * std::log10(9 / (0.75 * 0.84)), 1e-12);

    // nothing forward either: the gains are minus infinity and the analysis still completes
    const TwoPortAnalysis isolator = AnalyseTwoPort(Polar(0.5L, -60, 0, 0, 0.2L, 10, 0.4L, -30), 50);
    ASSERT_FALSE(isolator.failure) << *isolator.failure;
    EXPECT_TRUE(std::isinf(isolator.gains->forwardDb) && isolator.gains->forwardDb < 0);
    EXPECT_TRUE(std::isinf(isolator.extras->gain.db) && isolator.extras->gain.db < 0);
}

TEST(AnalyseTwoPort, AFailedStepKeepsTheEarlierResultsOnly) {
    // |S22| = |Delta| (S11 = 0, Delta = -S12 S21 = 0.5/-90): the output circle has no centre
    const TwoPortAnalysis circle = AnalyseTwoPort(Polar(0, 0, 1, 0, 0.5L, 90, 0.5L, 0), 50);
    EXPECT_TRUE(circle.z && circle.ports && circle.stability && circle.gains && circle.mu);
    EXPECT_FALSE(circle.outputCircle || circle.inputCircle || circle.extras);
    EXPECT_TRUE(circle.failure);

    // |S11| = 1: the Z-parameters exist, the input impedance does not
    const TwoPortAnalysis open = AnalyseTwoPort(Polar(1, 0, 2, 0, 0.1L, 0, 0.5L, 0), 50);
    EXPECT_TRUE(open.z);
    EXPECT_FALSE(open.ports || open.stability);
    EXPECT_TRUE(open.failure);

    // |S11| > 1: the source match gain takes the logarithm of a negative number
    const TwoPortAnalysis active = AnalyseTwoPort(Polar(1.2L, 30, 2, 0, 0.1L, 0, 0.5L, 0), 50);
    EXPECT_TRUE(active.stability);
    EXPECT_FALSE(active.gains);
    EXPECT_EQ(active.failure, std::optional<std::string>(InvalidOperationText));
}

TEST(AnalyseTwoPort, DefaultEntryCancelsDelta) {
    // the stored defaults: S11 = S12 = 0.89/120, S22 = S21 = 0.001/0, so Delta vanishes
    const TwoPortAnalysis a = AnalyseTwoPort(Polar(0.89L, 120, 0.001L, 0, 0.89L, 120, 0.001L, 0), 50);
    ASSERT_FALSE(a.failure) << *a.failure;
    EXPECT_NEAR(static_cast<double>(a.stability->deltaMagnitude), 0, 1e-18);
    EXPECT_NEAR(static_cast<double>(*a.mu), 110, 1e-9);
    EXPECT_NEAR(static_cast<double>(a.outputCircle->centre.magnitude), 1000, 1e-6);
    EXPECT_NEAR(static_cast<double>(a.inputCircle->centre.angleDegrees), -120, 1e-9);
}

TEST(TwoPortRecords, RandomBlocksDecodeWithoutFailing) {
    std::mt19937 random(10);
    std::string block(ReadoutMessageBytes, '\0');
    for (int i = 0; i < 200; ++i) {
        for (char& c : block)
            c = static_cast<char>(random() % 4 == 0 ? 0 : random());
        const std::optional<ReceivedRow> row = DecodeReceivedRow(block);
        ASSERT_TRUE(row);
        EXPECT_LE(row->frequency.size(), 3u * 255); // at most one slot, grown by decoding
    }
    EXPECT_FALSE(DecodeReceivedRow(std::string(ReadoutMessageBytes - 1, '\0')));
}

} // namespace
} // namespace qv
