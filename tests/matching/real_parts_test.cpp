#include "core/rf/microstrip.h"
#include "matching/analysis/auto_match.h"
#include "matching/analysis/bode_fano.h"
#include "matching/analysis/frequency_response.h"
#include "matching/analysis/network_two_port.h"
#include "matching/analysis/yield.h"
#include "matching/model/auto_match_texts.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <random>

namespace qv {
namespace {

using C = std::complex<long double>;

C ToStd(Complex z) {
    return {z.re, z.im};
}

// 10 ohm matched to 50 ohm at 100 MHz: series L of +j20 ohm next to the load, shunt C of -j25 ohm
// across the source side. The 10 dB band is 100 MHz * sqrt(1 -+ sqrt(5)/6): 79.2 to 117.1 MHz.
SweepNetwork LMatch(PartsModel parts = {}) {
    SweepNetwork n;
    n.load = {0.2L, 0};
    n.source = {1, 0};
    n.elements = {{SeriesInductor, {}, 0, 20 / (TwoPi * 100e6L)},
                  {ShuntCapacitor, {}, 0, 1 / (TwoPi * 100e6L * 25)}};
    n.parts = parts;
    return n;
}

TEST(LossyParts, LMatchReplayEqualsTheHandComputation) {
    const SweepNetwork n = LMatch({30, 200, 0, 0});
    for (Real f : {60e6L, 100e6L, 137.5e6L}) {
        const Real w = TwoPi * f;
        const Real L = n.elements[0].value;
        const Real Cf = n.elements[1].value;
        const C zl = C(10) + C(w * L / 30, w * L);
        const C y = C(w * Cf / 200, w * Cf);
        const C expected = 1.0L / (y + 1.0L / zl) / 50.0L;
        const ResponsePoint p = ResponseAt(n, nullptr, f);
        ASSERT_TRUE(p.ok) << p.failure;
        // Relative 1e-15: extended precision through different algebra.
        EXPECT_LT(std::abs(ToStd(p.sourceEnd) - expected), 1e-15L * std::abs(expected)) << f;
        const C viaTwoPort = ToStd(PortOneImpedance(NetworkChainMatrix(n, f), {10, 0})) / 50.0L;
        EXPECT_LT(std::abs(viaTwoPort - expected), 1e-15L * std::abs(expected)) << f;
    }
    // The losses cost return loss at the design frequency; ideal parts match perfectly there.
    EXPECT_LT(ResponseAt(n, nullptr, 100e6L).figures.returnLossDb, 40);
    EXPECT_GT(ResponseAt(LMatch(), nullptr, 100e6L).figures.returnLossDb, 100);
}

TEST(LossyParts, EveryLossyKindAgreesWithTheTwoPortAndDissipates) {
    SweepNetwork n;
    n.load = {0.4L, -0.3L};
    n.source = {1, 0};
    n.parts = {25, 80, 0, 0};
    n.elements = {{SeriesCapacitor, {}, 0, 8e-12L},
                  {ShuntInductor, {}, 0, 22e-9L},
                  {SeriesInductor, {}, 0, 5e-9L},
                  {ShuntCapacitor, {}, 0, 3e-12L}};
    for (Real f : {150e6L, 433.92e6L, 1.2e9L}) {
        const ResponsePoint p = ResponseAt(n, nullptr, f);
        ASSERT_TRUE(p.ok) << p.failure;
        const ChainMatrix m = NetworkChainMatrix(n, f);
        const C zin = ToStd(PortOneImpedance(m, {n.load.re * 50, n.load.im * 50})) / 50.0L;
        EXPECT_LT(std::abs(zin - ToStd(p.sourceEnd)), 1e-13L * std::abs(zin)) << f;
        const SParameters s = ToSParameters(m, 50);
        // A lossy two-port passes less than all: |S11|^2 + |S21|^2 < 1 by more than rounding.
        EXPECT_LT(std::norm(ToStd(s.S11)) + std::norm(ToStd(s.S21)), 1 - 1e-4L) << f;
    }
}

const MicrostripBlock Strip{1e9L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 17e-3L};

TEST(ShortedStub, ImpedanceFollowsTheClosedForm) {
    const MicrostripLine line = MicrostripZ0(Strip.W, Strip.H, Strip.T, Strip.Er);
    const Complex z{0.6L, 0.8L};
    for (Real f : {300e6L, 1e9L, 2.2e9L}) {
        MicrostripBlock s = Strip;
        s.frequency = f;
        const Complex next = ComputeNextNode(z, {ShuntShortedStub, s, 0, 0}, {f, 50, 0});
        // Zin = j Z0 tan(beta l), beta = 2 pi f sqrt(eps_eff) / c, in parallel with the node.
        const Real beta = TwoPi * f * std::sqrt(line.EpsEff) / SpeedOfLight;
        const C stub(0, line.Z0 * std::tan(beta * s.Len));
        const C expected = 1.0L / (1.0L / stub + 1.0L / (ToStd(z) * 50.0L)) / 50.0L;
        EXPECT_LT(std::abs(ToStd(next) - expected), 1e-15L * std::abs(expected)) << f;

        SweepNetwork n;
        n.load = z;
        n.elements = {{ShuntShortedStub, Strip, 0, 0}};
        const C viaTwoPort = ToStd(PortOneImpedance(NetworkChainMatrix(n, f), {30, 40})) / 50.0L;
        EXPECT_LT(std::abs(viaTwoPort - expected), 1e-13L * std::abs(expected)) << f;
    }
}

YieldRequest LMatchYield(Real startHz, Real stopHz, PartsModel parts, int builds, std::uint64_t seed = 7) {
    return {LMatch(parts), startHz, stopHz, 10, builds, seed};
}

TEST(Yield, AtZeroToleranceEveryBuildIsTheDesign) {
    const YieldResult inside = RunYield(LMatchYield(90e6L, 110e6L, {}, 500), nullptr);
    EXPECT_EQ(inside.passes, 500);
    EXPECT_EQ(FormatYieldLine(inside), ">yield=100.0% (500/500) 95% CI 99.2-100.0%");
    EXPECT_EQ(RunYield(LMatchYield(70e6L, 130e6L, {}, 500), nullptr).passes, 0);
    // With the losses of real parts too.
    EXPECT_EQ(RunYield(LMatchYield(90e6L, 110e6L, {30, 200, 0, 0}, 200), nullptr).passes, 200);
}

// The builds of an independent Monte-Carlo estimate: every value drawn with the standard library,
// every build swept node by node.
Real IndependentYield(const YieldRequest& r, int builds) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<long double> unit(-1, 1);
    int passes = 0;
    for (int b = 0; b < builds; ++b) {
        SweepNetwork n = r.network;
        n.elements[0].value *= 1 + n.parts.TL / 100 * unit(random);
        n.elements[1].value *= 1 + n.parts.TC / 100 * unit(random);
        bool pass = true;
        for (const ResponsePoint& p : SweepResponse(n, nullptr, {r.startHz, r.stopHz, YieldFrequencies}))
            pass = pass && p.ok && p.figures.returnLossDb >= r.returnLossDb;
        passes += pass;
    }
    return static_cast<Real>(passes) / builds;
}

TEST(Yield, AtFivePercentAgreesWithAnIndependentEstimateWhateverTheThreads) {
    const YieldRequest r = LMatchYield(80e6L, 116e6L, {40, 100, 5, 5}, 4000);
    const YieldResult one = RunYield(r, nullptr, nullptr, 1);
    const YieldResult three = RunYield(r, nullptr, nullptr, 3);
    EXPECT_EQ(one.passes, three.passes);
    EXPECT_EQ(one.worstReturnLossDb, three.worstReturnLossDb);
    EXPECT_EQ(FormatYieldLine(RunYield(r, nullptr)), FormatYieldLine(one)); // the same seed
    const Real p = static_cast<Real>(one.passes) / one.builds;
    ASSERT_GT(p, 0.1L); // a band where the tolerances matter
    ASSERT_LT(p, 0.9L);
    const int n2 = 1500;
    const Real q = IndependentYield(r, n2);
    // Four standard errors of the difference of two independent estimates.
    EXPECT_LT(std::fabs(p - q), 4 * std::sqrt(p * (1 - p) * (1.0L / one.builds + 1.0L / n2)))
        << p << " " << q;
    EXPECT_LE(one.estimate.lowerPercent, one.estimate.percent);
    EXPECT_GE(one.estimate.upperPercent, one.estimate.percent);
    // The spread holds the design's own curve.
    const std::vector<ResponsePoint> design = SweepResponse(r.network, nullptr, {r.startHz, r.stopHz, 101});
    for (std::size_t i = 0; i < design.size(); ++i) {
        EXPECT_LE(one.worstReturnLossDb[i], design[i].figures.returnLossDb + 1e-9L);
        EXPECT_GE(one.bestReturnLossDb[i], design[i].figures.returnLossDb - 1e-9L);
    }
}

TEST(Yield, RequestsThatCannotRunAreRefused) {
    EXPECT_TRUE(YieldRequestProblem(LMatchYield(90e6L, 110e6L, {}, 0), nullptr));
    EXPECT_TRUE(YieldRequestProblem(LMatchYield(90e6L, 110e6L, {}, MaxYieldBuilds + 1), nullptr));
    EXPECT_TRUE(YieldRequestProblem(LMatchYield(110e6L, 90e6L, {}, 10), nullptr));
    EXPECT_FALSE(YieldRequestProblem(LMatchYield(90e6L, 110e6L, {}, MaxYieldBuilds), nullptr));
}

TEST(Yield, WilsonIntervalOfAKnownCase) {
    // 8 of 10: centre 0.7167, half width 0.2266 (Wilson 1927, z = 1.96).
    const ProportionEstimate e = WilsonInterval(8, 10);
    EXPECT_NEAR(static_cast<double>(e.lowerPercent), 49.02, 0.01);
    EXPECT_NEAR(static_cast<double>(e.upperPercent), 94.33, 0.01);
}

TEST(BodeFano, LimitOfASeriesRLLoad) {
    const BodeFanoLimit limit = BodeFanoBandwidth({5, 50}, 1e9L, 10);
    ASSERT_EQ(limit.outcome, BodeFanoLimit::Outcome::Limited);
    EXPECT_NEAR(static_cast<double>(limit.bandwidthHz), 272.875e6, 1e3);
    EXPECT_EQ(BodeFanoBandwidth({50, 0}, 1e9L, 10).outcome, BodeFanoLimit::Outcome::RealLoad);
    EXPECT_EQ(BodeFanoBandwidth({0, 50}, 1e9L, 10).outcome, BodeFanoLimit::Outcome::NoResistance);
}

TEST(BodeFano, NoAutomaticSolutionBeatsTheLimit) {
    for (const Complex load : {Complex{5, 50}, Complex{5, -50}, Complex{20, 40}, Complex{10, -30},
                               Complex{100, 200}, Complex{30, -90}, Complex{150, -40}}) {
        for (bool shorted : {false, true}) {
            AutoMatchRequest request;
            request.load = load;
            request.source = {50, 0};
            request.Fo = 1e9L;
            request.substrate = {1e9L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 0};
            request.shortedStub = shorted;
            const AutoMatchResult result = SynthesiseMatches(request);
            ASSERT_EQ(result.limit.outcome, BodeFanoLimit::Outcome::Limited);
            ASSERT_FALSE(result.solutions.empty());
            for (const MatchSolution& s : result.solutions) {
                EXPECT_GT(s.bandwidthHz(), 0);
                EXPECT_LE(s.bandwidthHz(), result.limit.bandwidthHz)
                    << load.re << "+j" << load.im << " " << ElementsText(s.elements);
            }
        }
    }
}

} // namespace
} // namespace qv
