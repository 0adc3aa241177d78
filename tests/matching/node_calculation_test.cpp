#include "matching/analysis/node_calculation.h"

#include "core/numbers/errors.h"
#include "core/rf/microstrip.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace qv {
namespace {

using C = std::complex<long double>;

constexpr Real Zo = 50;
constexpr Real Fo = 100e6L;
const Real Omega = 2 * 3.14159265358979323846264338327950288L * Fo;

// Agreement to 1e-12 of the normalised value: both sides are 80-bit computations of the same
// circuit by different arithmetic, far inside the printed two decimals.
void ExpectNode(Complex got, C want) {
    EXPECT_NEAR(static_cast<double>(got.re), static_cast<double>(want.real()), 1e-12);
    EXPECT_NEAR(static_cast<double>(got.im), static_cast<double>(want.imag()), 1e-12);
}

ElementStep Step(Complex z, int kind, Real value, Real R = 0, int effflag = 0, MicrostripBlock strip = {}) {
    const std::optional<ElementStep> step = ComputeElementStep(z, {kind, strip, R, value}, {Fo, Zo, effflag});
    EXPECT_TRUE(step.has_value());
    return step.value_or(ElementStep{});
}

// The lumped elements against the circuit they are: series elements add their impedance, shunt
// elements add their admittance (all normalised to Zo).
TEST(ElementStep, LumpedElementsMatchTheirCircuit) {
    const Complex z{0.4L, -0.7L};
    const C zc(0.4L, -0.7L);
    const C j(0, 1);
    const Real pF = 22e-12L;
    const Real nH = 33e-9L;
    ExpectNode(Step(z, SeriesCapacitor, pF).node, zc + 1.0L / (j * Omega * pF) / Zo);
    ExpectNode(Step(z, ShuntCapacitor, pF).node, 1.0L / (1.0L / zc + j * Omega * pF * Zo));
    ExpectNode(Step(z, SeriesInductor, nH).node, zc + j * Omega * nH / Zo);
    ExpectNode(Step(z, ShuntInductor, nH).node, 1.0L / (1.0L / zc + Zo / (j * Omega * nH)));
    ExpectNode(Step(z, SeriesImpedance, -12, 15).node, zc + C(15, -12) / Zo);
    ExpectNode(Step(z, ShuntImpedance, 30, 20).node, 1.0L / (1.0L / zc + Zo / C(20, 30)));
}

TEST(ElementStep, WorkedExampleSeriesCapacitorMovesAcrossTheAxis) {
    const ElementStep step = Step({1, 1}, SeriesCapacitor, 15.9155e-12L);
    // Xc = 1/(2 pi 1e8 15.9155e-12) = 99.99996 ohms.
    EXPECT_NEAR(static_cast<double>(step.node.re), 1.0, 1e-15);
    // The quoted 99.99996 ohms has seven digits.
    EXPECT_NEAR(static_cast<double>((1 - step.node.im) * 50), 99.99996, 5e-6);
    EXPECT_EQ(step.labelSuffix, ":X100.00");
    EXPECT_EQ(step.path.shape, ElementPath::Shape::SeriesArc);
    EXPECT_FALSE(step.labelAbove);
}

TEST(ElementStep, ReactanceLabelsShowOhmsWithTwoDecimals) {
    EXPECT_EQ(Step({1, 0}, SeriesInductor, 79.5775e-9L).labelSuffix, ":X50.00");
    EXPECT_EQ(Step({1, 0}, ShuntInductor, 79.5775e-9L).labelSuffix, ":X50.00");
    EXPECT_EQ(Step({1, 0}, ShuntCapacitor, 15.9155e-12L).labelSuffix, ":X100.00");
}

TEST(ElementStep, ImpedanceLabelsCarryTheSignOfTheReactance) {
    EXPECT_EQ(Step({1, 0}, SeriesImpedance, 5, 10).labelSuffix, "10.00+j5.00");
    EXPECT_EQ(Step({1, 0}, SeriesImpedance, 5, 10).labelConnection, LabelConnection::Series);
    EXPECT_EQ(Step({1, 0}, SeriesImpedance, -5, 10).labelSuffix, "10.00-j5.00");
    EXPECT_EQ(Step({1, 0}, SeriesImpedance, 0, 10).labelSuffix, "10.00-j0.00");
    EXPECT_EQ(Step({1, 0}, ShuntImpedance, 7.5L, 0).labelSuffix, "0.00+j7.50");
    EXPECT_EQ(Step({1, 0}, ShuntImpedance, -7.5L, 100).labelSuffix, "100.00-j7.50");
    EXPECT_EQ(Step({1, 0}, ShuntImpedance, -7.5L, 100).labelConnection, LabelConnection::Shunt);
}

TEST(ElementStep, SeriesImpedanceIsAnArcOnlyWithoutResistance) {
    const ElementStep lossless = Step({1, 0.5L}, SeriesImpedance, 25, 0);
    EXPECT_EQ(lossless.path.shape, ElementPath::Shape::SeriesArc);
    const ElementStep negative = Step({1, 0.5L}, SeriesImpedance, 25, -10);
    EXPECT_EQ(negative.path.shape, ElementPath::Shape::SeriesArc);
    // The arc stays on the start's resistance circle; the node takes the resistance.
    EXPECT_EQ(negative.path.end.re, 1);
    EXPECT_NEAR(static_cast<double>(negative.node.re), 0.8, 1e-18);
    const ElementStep lossy = Step({1, 0.5L}, SeriesImpedance, 25, 10);
    EXPECT_EQ(lossy.path.shape, ElementPath::Shape::Chord);
    EXPECT_EQ(lossy.path.end, lossy.node);
}

TEST(ElementStep, ShuntArcsRunInAdmittance) {
    const ElementStep step = Step({1, 1}, ShuntCapacitor, 10e-12L);
    EXPECT_EQ(step.path.shape, ElementPath::Shape::ShuntArc);
    EXPECT_NEAR(static_cast<double>(step.path.start.re), 0.5, 1e-18);
    EXPECT_NEAR(static_cast<double>(step.path.start.im), -0.5, 1e-18);
    EXPECT_NEAR(static_cast<double>(step.path.end.im), static_cast<double>(-0.5L + Omega * 10e-12L * Zo),
                1e-15);
    const ElementStep inductor = Step({1, 1}, ShuntInductor, 50e-9L);
    EXPECT_NEAR(static_cast<double>(inductor.path.end.im), static_cast<double>(-0.5L - Zo / (Omega * 50e-9L)),
                1e-15);
}

// A strip 1.5 mm wide on 0.8 mm FR4 at 1 GHz; an eighth-wave section turns ZL by
// Zin = Z0 (ZL + j Z0)/(Z0 + j ZL), an eighth-wave open stub is a reactance of -Z0.
class MicrostripElement : public ::testing::Test {
protected:
    MicrostripBlock strip{1e9L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 0};
    MicrostripLine line = MicrostripZ0(strip.W, strip.H, strip.T, strip.Er);
    Real guided = 299792458.0L / (strip.frequency * std::sqrt(line.EpsEff));
    Complex z{0.6L, 0.3L};
    C zl{30, 15};

    C EighthWave(C load) const {
        const C j(0, 1);
        return line.Z0 * (load + j * line.Z0) / (line.Z0 + j * load) / Zo;
    }
};

TEST_F(MicrostripElement, SeriesLineTurnsByTheGuidedWavelengthWhenTheFlagIsSet) {
    strip.Len = guided / 8;
    const ElementStep step = Step(z, SeriesMicrostripLine, 0, 0, 1, strip);
    ExpectNode(step.node, EighthWave(zl));
    EXPECT_EQ(step.path.shape, ElementPath::Shape::Chord);
    EXPECT_TRUE(step.labelAbove);
    EXPECT_EQ(step.labelSuffix, "");
}

TEST_F(MicrostripElement, SeriesLineTurnsByTheFreeSpaceWavelengthOtherwise) {
    strip.Len = 299792458.0L / strip.frequency / 8;
    ExpectNode(Step(z, SeriesMicrostripLine, 0, 0, 0, strip).node, EighthWave(zl));
}

TEST_F(MicrostripElement, OpenStubIsAlwaysTakenAtTheGuidedWavelength) {
    strip.Len = guided / 8;
    const C stub(0, -line.Z0);
    for (int effflag : {0, 1})
        ExpectNode(Step(z, ShuntMicrostripStub, 0, 0, effflag, strip).node, stub * zl / (stub + zl) / Zo);
}

TEST_F(MicrostripElement, StripOutsideTheModelFails) {
    strip.T = 0;
    strip.Len = 0.01L;
    EXPECT_THROW(ComputeElementStep(z, {SeriesMicrostripLine, strip, 0, 0}, {Fo, Zo, 0}), FloatingPointError);
}

TEST(ElementStep, KindsOutsideTheTableHaveNoStep) {
    for (int kind : {0, -1, 10, 1000})
        EXPECT_FALSE(ComputeElementStep({1, 0}, {kind, {}, 0, 1e-12L}, {Fo, Zo, 0}).has_value()) << kind;
}

TEST(ElementStep, ArithmeticThatCannotBeDoneIsAnError) {
    const NodeConditions at{Fo, Zo, 0};
    EXPECT_THROW(ComputeElementStep({1, 1}, {SeriesCapacitor, {}, 0, 0}, at), FloatingPointError);
    EXPECT_THROW(ComputeElementStep({1, 1}, {ShuntCapacitor, {}, 0, 0}, at), FloatingPointError);
    // A shunt inductance of 0 shorts the node: its susceptance step has no value.
    EXPECT_THROW(ComputeElementStep({1, 1}, {ShuntInductor, {}, 0, 0}, at), FloatingPointError);
    // An impedance of -z in parallel with z.
    EXPECT_THROW(ComputeElementStep({1, 1}, {ShuntImpedance, {}, -50, -50}, at), FloatingPointError);
    // A series inductance of 0 is no element at all, and no error.
    EXPECT_EQ(ComputeElementStep({1, 1}, {SeriesInductor, {}, 0, 0}, at)->node, (Complex{1, 1}));
}

TEST(ChainReplay, GivesTheStepByStepNodeToTheLastBitOrNothing) {
    const MicrostripBlock strip{433.92e6L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 12e-3L};
    std::vector<ElementSpec> chain;
    for (int kind = SeriesCapacitor; kind <= ShuntImpedance; ++kind)
        chain.push_back({kind, strip, 7, kind >= SeriesImpedance ? -30.0L : 4e-9L + kind * 1e-12L});
    std::vector<MicrostripLine> lines;
    for (const ElementSpec& e : chain)
        lines.push_back(AnalyseElementLine(e));
    for (int effflag : {0, 1}) {
        const NodeConditions at{433.92e6L, 75, effflag};
        Complex stepwise{0.3L, -0.7L};
        for (const ElementSpec& e : chain)
            stepwise = ComputeNextNode(stepwise, e, at);
        EXPECT_EQ(ReplayChain({0.3L, -0.7L}, chain, lines, at), stepwise);
    }

    // A capacitance of 0 somewhere in the chain, a NaN that raises no flag, lines that do not fit.
    const NodeConditions at{Fo, Zo, 0};
    std::vector<ElementSpec> failing = chain;
    failing[3] = {SeriesCapacitor, {}, 0, 0};
    EXPECT_FALSE(ReplayChain({1, 1}, failing, lines, at).has_value());
    failing[3] = {SeriesImpedance, {}, std::nanl(""), 0};
    EXPECT_FALSE(ReplayChain({1, 1}, failing, lines, at).has_value());
    EXPECT_FALSE(ReplayChain({1, 1}, chain, std::span(lines).first(2), at).has_value());
}

} // namespace
} // namespace qv
