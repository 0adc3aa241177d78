#include "matching/analysis/amplifier_stage.h"

#include "sparams/analysis/stabilising_resistor.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace qv {
namespace {

using C = std::complex<long double>;
using Chain = std::array<C, 4>; // A B C D

C ToStd(Complex z) {
    return {z.re, z.im};
}

C Polar(long double m, long double degrees) {
    return std::polar(m, degrees * DegreesToRadians);
}

Complex Rect(long double m, long double degrees) {
    const C z = Polar(m, degrees);
    return {z.real(), z.imag()};
}

Chain Times(const Chain& p, const Chain& q) {
    return {p[0] * q[0] + p[1] * q[2], p[0] * q[1] + p[1] * q[3], p[2] * q[0] + p[3] * q[2],
            p[2] * q[1] + p[3] * q[3]};
}

// The textbook S-to-ABCD and ABCD-to-S conversions (Pozar, Microwave Engineering, table 4.2).
Chain ChainOf(C s11, C s21, C s12, C s22, long double zo) {
    const C d = 2.0L * s21;
    return {((1.0L + s11) * (1.0L - s22) + s12 * s21) / d, zo * ((1.0L + s11) * (1.0L + s22) - s12 * s21) / d,
            ((1.0L - s11) * (1.0L - s22) - s12 * s21) / (d * zo),
            ((1.0L - s11) * (1.0L + s22) + s12 * s21) / d};
}

std::array<C, 4> SOf(const Chain& m, long double zo) { // S11 S21 S12 S22
    const C den = m[0] + m[1] / zo + m[2] * zo + m[3];
    return {(m[0] + m[1] / zo - m[2] * zo - m[3]) / den, 2.0L / den, 2.0L * (m[0] * m[3] - m[1] * m[2]) / den,
            (-m[0] + m[1] / zo - m[2] * zo + m[3]) / den};
}

// Lumped elements only; looking from the source end, the element nearest the load comes last.
Chain NetworkChain(const SweepNetwork& n, long double f, bool fromLoadEnd) {
    const long double w = TwoPi * f;
    Chain total{1.0L, 0.0L, 0.0L, 1.0L};
    const auto element = [w](const ElementSpec& e) -> Chain {
        switch (e.kind) {
        case SeriesInductor:
            return {1.0L, C(0, w * e.value), 0.0L, 1.0L};
        case SeriesCapacitor:
            return {1.0L, C(0, -1 / (w * e.value)), 0.0L, 1.0L};
        case ShuntInductor:
            return {1.0L, 0.0L, C(0, -1 / (w * e.value)), 1.0L};
        default:
            return {1.0L, 0.0L, C(0, w * e.value), 1.0L};
        }
    };
    for (std::size_t i = 0; i < n.elements.size(); ++i)
        total = Times(total, element(n.elements[fromLoadEnd ? i : n.elements.size() - 1 - i]));
    return total;
}

// A conditionally stable transistor (K < 1 at both rows), referenced to 50 ohm.
DeviceData ConditionalDevice() {
    DeviceData d;
    d.rows = {{1e9L, {Rect(0.90L, -60), Rect(0.80L, -30), Rect(0.10L, 40), Rect(4.0L, 100)}},
              {2e9L, {Rect(0.85L, -90), Rect(0.75L, -40), Rect(0.10L, 30), Rect(3.5L, 80)}}};
    return d;
}

// The device between its rows, linear in real and imaginary part; order S11 S21 S12 S22.
std::array<C, 4> DeviceBetweenRows(long double f) {
    const long double t = (f - 1e9L) / 1e9L;
    const auto lerp = [t](C a, C b) { return a + (b - a) * t; };
    return {lerp(Polar(0.90L, -60), Polar(0.85L, -90)), lerp(Polar(4.0L, 100), Polar(3.5L, 80)),
            lerp(Polar(0.10L, 40), Polar(0.10L, 30)), lerp(Polar(0.80L, -30), Polar(0.75L, -40))};
}

SweepNetwork Lumped(std::vector<ElementSpec> elements) {
    SweepNetwork n;
    n.Zo = 50;
    n.elements = std::move(elements);
    return n;
}

TEST(AmplifierStage, CascadeAgreesWithAnIndependentChainMatrixProduct) {
    const StageNetworks networks{Lumped({{SeriesInductor, {}, 0, 4e-9L}, {ShuntCapacitor, {}, 0, 1.5e-12L}}),
                                 Lumped({{ShuntInductor, {}, 0, 9e-9L}, {SeriesCapacitor, {}, 0, 2e-12L}})};
    for (const long double f : {1e9L, 1.37e9L, 2e9L}) {
        const StagePoint p = StageAt(networks, ConditionalDevice(), f);
        ASSERT_TRUE(p.ok) << p.failure;
        const std::array<C, 4> d = DeviceBetweenRows(f);
        const Chain total =
            Times(Times(NetworkChain(networks.input, f, false), ChainOf(d[0], d[1], d[2], d[3], 50)),
                  NetworkChain(networks.output, f, true));
        const std::array<C, 4> want = SOf(total, 50);
        const std::array<C, 4> got = {ToStd(p.stage.S11), ToStd(p.stage.S21), ToStd(p.stage.S12),
                                      ToStd(p.stage.S22)};
        for (int k = 0; k < 4; ++k)
            EXPECT_LT(std::abs(got[k] - want[k]), 1e-14L) << "f " << f << " S index " << k;
        EXPECT_NEAR(p.gainDb, 20 * std::log10(std::abs(want[1])), 1e-12L);
        EXPECT_NEAR(p.inputReturnLossDb, -20 * std::log10(std::abs(want[0])), 1e-12L);
        EXPECT_NEAR(p.outputReturnLossDb, -20 * std::log10(std::abs(want[3])), 1e-12L);
    }
}

TEST(AmplifierStage, BadOutputNetworkIsUnstableWhereTheInputReflectionExceedsOne) {
    // A shunt 8 nH at the transistor's output and a series 0.5 pF toward the load: |Gamma_in| > 1
    // from 1000 to about 1650 MHz, largest near 1300 MHz; the empty input network keeps
    // |Gamma_out| = |S22| < 1.
    const StageNetworks networks{Lumped({}),
                                 Lumped({{ShuntInductor, {}, 0, 8e-9L}, {SeriesCapacitor, {}, 0, 0.5e-12L}})};
    const SweepRange range{1e9L, 2e9L, 101};
    ASSERT_FALSE(StageProblem(networks, ConditionalDevice(), range));
    const StageResult result = AnalyseStage(networks, ConditionalDevice(), range);
    long double worst = 0;
    long double worstHz = 0;
    long double lastUnstableHz = 0;
    for (const StagePoint& p : result.points) {
        const std::array<C, 4> d = DeviceBetweenRows(p.frequencyHz);
        const Chain out = NetworkChain(networks.output, p.frequencyHz, true);
        const C gl = SOf(out, 50)[0];
        const long double gin = std::abs(d[0] + d[2] * d[1] * gl / (1.0L - d[3] * gl));
        EXPECT_NEAR(p.inputReflection, gin, 1e-13L);
        EXPECT_NEAR(p.outputReflection, std::abs(d[3]), 1e-15L);
        if (gin > worst) {
            worst = gin;
            worstHz = p.frequencyHz;
        }
        if (gin >= 1)
            lastUnstableHz = p.frequencyHz;
    }
    const StageVerdict& v = result.verdict;
    EXPECT_FALSE(v.stable);
    EXPECT_EQ(v.worstInputHz, worstHz);
    EXPECT_NEAR(v.worstInput, worst, 1e-13L);
    EXPECT_GT(worstHz, 1.2e9L);
    EXPECT_LT(worstHz, 1.4e9L);
    EXPECT_EQ(v.firstUnstableInputHz, 1e9L);
    EXPECT_FALSE(v.firstUnstableOutputHz);
    EXPECT_GT(lastUnstableHz, 1.6e9L);
    EXPECT_EQ(FormatStageVerdict(v).substr(0, 16), ">unstable: worst");

    // Without the bad network both reflections are the device's own: stable.
    const StageResult plain = AnalyseStage({Lumped({}), Lumped({})}, ConditionalDevice(), range);
    EXPECT_TRUE(plain.verdict.stable);
    EXPECT_EQ(FormatStageVerdict(plain.verdict),
              ">stable: worst |Gin|=0.9000 at 1000.000MHz, worst |Gout|=0.8000 at 1000.000MHz");
}

TEST(AmplifierStage, RangesOutsideTheDeviceAndMixedReferencesAreRefused) {
    const StageNetworks networks{Lumped({}), Lumped({})};
    EXPECT_FALSE(StageProblem(networks, ConditionalDevice(), {1e9L, 2e9L, 3}));
    const auto beyond = StageProblem(networks, ConditionalDevice(), {1e9L, 2.001e9L, 3});
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->kind, StageRefusal::Kind::BeyondDevice);
    EXPECT_EQ(beyond->deviceLowHz, 1e9L);
    EXPECT_EQ(beyond->deviceHighHz, 2e9L);
    EXPECT_TRUE(StageProblem(networks, ConditionalDevice(), {0.5e9L, 1.5e9L, 3}));
    EXPECT_TRUE(StageProblem(networks, ConditionalDevice(), {1e9L, 2e9L, 1}));
    StageNetworks mixed = networks;
    mixed.output.Zo = 75;
    EXPECT_TRUE(StageProblem(mixed, ConditionalDevice(), {1e9L, 2e9L, 3}));
}

TEST(AmplifierStage, RenormalisingMovesTheReferenceAndBack) {
    // Two matched 50 ohm ports seen from 25 ohm reflect (50 - 25)/(50 + 25) = 1/3.
    const SMatrix matched{{0, 0}, {0, 0}, {0, 0}, {0, 0}};
    const SMatrix at25 = Renormalised(matched, 50, 25);
    EXPECT_NEAR(at25.s11.re, 1.0L / 3, 1e-18L);
    EXPECT_NEAR(at25.s22.re, 1.0L / 3, 1e-18L);
    const SMatrix s = ConditionalDevice().rows[0].s;
    const SMatrix back = Renormalised(Renormalised(s, 50, 25), 25, 50);
    for (const auto& [a, b] :
         {std::pair{s.s11, back.s11}, {s.s21, back.s21}, {s.s12, back.s12}, {s.s22, back.s22}})
        EXPECT_LT(std::abs(ToStd(a) - ToStd(b)), 1e-17L);
}

// mu of the transistor with a resistor in front of one port.
long double LoadedMu(const SMatrix& s, ResistorPlacement where, long double ohms) {
    const bool series = where == ResistorPlacement::SeriesInput || where == ResistorPlacement::SeriesOutput;
    const Chain r = series ? Chain{1.0L, ohms, 0.0L, 1.0L} : Chain{1.0L, 0.0L, 1 / ohms, 1.0L};
    const Chain t = ChainOf(ToStd(s.s11), ToStd(s.s21), ToStd(s.s12), ToStd(s.s22), 50);
    const bool input = where == ResistorPlacement::SeriesInput || where == ResistorPlacement::ShuntInput;
    const std::array<C, 4> m = SOf(input ? Times(r, t) : Times(t, r), 50);
    const auto q = [](C z) { return Complex{z.real(), z.imag()}; };
    return Mu({q(m[0]), q(m[3]), q(m[2]), q(m[1])});
}

TEST(StabilisingResistor, BoundaryValueMakesMuCrossOne) {
    const SMatrix s = ConditionalDevice().rows[0].s;
    ASSERT_LT(Mu(s), 1);
    int found = 0;
    for (const ResistorPlacement where : {ResistorPlacement::SeriesInput, ResistorPlacement::ShuntInput,
                                          ResistorPlacement::SeriesOutput, ResistorPlacement::ShuntOutput}) {
        const std::optional<Real> ohms = StabilisingResistance(s, where, 50);
        if (!ohms)
            continue;
        ++found;
        const bool series =
            where == ResistorPlacement::SeriesInput || where == ResistorPlacement::SeriesOutput;
        // One per cent to the safe side is stable, one per cent to the other side is not.
        EXPECT_GT(LoadedMu(s, where, *ohms * (series ? 1.01L : 0.99L)), 1) << static_cast<int>(where);
        EXPECT_LT(LoadedMu(s, where, *ohms * (series ? 0.99L : 1.01L)), 1) << static_cast<int>(where);
        EXPECT_NEAR(LoadedMu(s, where, *ohms), 1, 1e-9L) << static_cast<int>(where);
    }
    EXPECT_GE(found, 2);
    // An unconditionally stable device needs none.
    const SMatrix stable{Rect(0.3L, -60), Rect(0.3L, -30), Rect(0.01L, 40), Rect(2.0L, 100)};
    ASSERT_GT(Mu(stable), 1);
    EXPECT_EQ(StabilisingResistance(stable, ResistorPlacement::SeriesInput, 50), 0);
    EXPECT_TRUE(std::isinf(*StabilisingResistance(stable, ResistorPlacement::ShuntOutput, 50)));
}

} // namespace
} // namespace qv
