#include "core/rf/conversions.h"
#include "matching/analysis/auto_match.h"
#include "matching/analysis/frequency_response.h"
#include "matching/model/auto_match_texts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace qv;

namespace {

constexpr Real mm = 1e-3L;

AutoMatchRequest Request(Complex load, Complex source, Real Fo = 500e6L, Real Zo = 50) {
    AutoMatchRequest r;
    r.load = load;
    r.source = source;
    r.Fo = Fo;
    r.Zo = Zo;
    r.substrate = {0, 1.5L * mm, 0.8L * mm, 0.035L * mm, 4.4L, 0};
    return r;
}

// The return loss at the end of the chain, from the node calculation and the match figures alone.
Real AppliedReturnLoss(const AutoMatchRequest& r, const std::vector<ElementSpec>& elements) {
    Complex node{r.load.re / r.Zo, r.load.im / r.Zo};
    for (const ElementSpec& e : elements)
        node = ComputeElementStep(node, e, {r.Fo, r.Zo, r.effflag})->node;
    return MatchQuality(node, {r.source.re / r.Zo, r.source.im / r.Zo}, r.matchflag).returnLossDb;
}

int Count(const AutoMatchResult& result, MatchTopology topology) {
    int n = 0;
    for (const MatchSolution& s : result.solutions)
        n += s.topology == topology;
    return n;
}

const MatchSolution* FindL(const AutoMatchResult& result, int firstKind, int secondKind) {
    for (const MatchSolution& s : result.solutions)
        if (s.topology == MatchTopology::LNetwork && s.elements.size() == 2 &&
            s.elements[0].kind == firstKind && s.elements[1].kind == secondKind)
            return &s;
    return nullptr;
}

} // namespace

// ZL = 200 - j100 onto a 100-ohm line at 500 MHz: shunt element at the load, then series. The
// closed forms give B = (XL +- sqrt(RL/Z0) sqrt(RL^2 + XL^2 - Z0 RL)) / (RL^2 + XL^2) and
// X = 1/B + XL Z0/RL - Z0/(B RL); the published parts are 0.92 pF + 38.8 nH and 46.1 nH + 2.61 pF.
TEST(AutoMatch, LNetworksAgreeWithTheTextbookClosedForms) {
    const Real RL = 200, XL = -100, Z0 = 100, omega = TwoPi * 500e6L;
    AutoMatchRequest r = Request({RL, XL}, {Z0, 0}, 500e6L, Z0);
    const AutoMatchResult result = SynthesiseMatches(r);
    const Real root = std::sqrt(RL / Z0) * std::sqrt(RL * RL + XL * XL - Z0 * RL);
    for (int sign : {1, -1}) {
        const Real B = (XL + sign * root) / (RL * RL + XL * XL);
        const Real X = 1 / B + XL * Z0 / RL - Z0 / (B * RL);
        const MatchSolution* s = B > 0 ? FindL(result, ShuntCapacitor, SeriesInductor)
                                       : FindL(result, ShuntInductor, SeriesCapacitor);
        ASSERT_NE(s, nullptr);
        const Real shunt = B > 0 ? B / omega : -1 / (omega * B);
        const Real series = X > 0 ? X / omega : -1 / (omega * X);
        EXPECT_NEAR(s->elements[0].value, shunt, shunt * 1e-15L);
        EXPECT_NEAR(s->elements[1].value, series, series * 1e-15L);
    }
    EXPECT_NEAR(FindL(result, ShuntCapacitor, SeriesInductor)->elements[0].value, 0.92e-12L, 0.01e-12L);
    EXPECT_NEAR(FindL(result, ShuntCapacitor, SeriesInductor)->elements[1].value, 38.8e-9L, 0.4e-9L);
    EXPECT_NEAR(FindL(result, ShuntInductor, SeriesCapacitor)->elements[0].value, 46.1e-9L, 0.1e-9L);
    EXPECT_NEAR(FindL(result, ShuntInductor, SeriesCapacitor)->elements[1].value, 2.61e-12L, 0.02e-12L);
    // RL < Z0 puts the series element at the load: X = +-sqrt(RL (Z0 - RL)) - XL.
    const AutoMatchResult low = SynthesiseMatches(Request({25, 10}, {50, 0}));
    for (const MatchSolution& s : low.solutions)
        EXPECT_TRUE(s.topology != MatchTopology::LNetwork || s.elements[0].kind == SeriesCapacitor ||
                    s.elements[0].kind == SeriesInductor);
    EXPECT_EQ(Count(low, MatchTopology::LNetwork), 2);
}

// Loads on a real 50-ohm source where one element is enough: on the unit-conductance circle a
// shunt part alone, on the unit-resistance circle a series part alone.
TEST(AutoMatch, OneElementMatchesWhenOneElementSuffices) {
    const struct {
        Complex load;
        int kind;
    } cases[] = {{{50, 30}, SeriesCapacitor},
                 {{50, -80}, SeriesInductor},
                 {{25, 25}, ShuntCapacitor},
                 {{25, -25}, ShuntInductor}};
    for (const auto& c : cases) {
        const AutoMatchResult result = SynthesiseMatches(Request(c.load, {50, 0}));
        bool found = false;
        for (const MatchSolution& s : result.solutions)
            found |= s.topology == MatchTopology::LNetwork && s.elements.size() == 1 &&
                     s.elements[0].kind == c.kind;
        EXPECT_TRUE(found) << static_cast<double>(c.load.re) << " " << static_cast<double>(c.load.im);
        EXPECT_EQ(Count(result, MatchTopology::LNetwork), 2); // the one-element match is listed once
    }
}

// Every solution, applied element by element, matches at Fo: random loads over the whole chart
// (near short, near open, strongly reactive), complex sources, both match modes and wavelength
// modes, a range of Fo and Zo.
TEST(AutoMatch, EveryExactSolutionMatchesToSixtyDecibels) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Complex> loads = {{1e-4L, 0}, {1e5L, 0}, {0.5L, 400}, {2, -900}, {5000, 4000}, {50, 0.001L}};
    for (int i = 0; i < 300; ++i) {
        // A reflection coefficient anywhere inside the rim, up to |G| = 0.9995.
        const Real mag = 0.9995L * std::sqrt(static_cast<Real>(unit(random)));
        const Real arg = TwoPi * static_cast<Real>(unit(random));
        const Complex g{mag * std::cos(arg), mag * std::sin(arg)};
        const Complex z = CDiv({1 + g.re, g.im}, {1 - g.re, -g.im});
        loads.push_back({z.re * 50, z.im * 50});
    }
    int solutions = 0;
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const Complex source = i % 3 == 0 ? Complex{50, 0}
                                          : Complex{1 + 199 * static_cast<Real>(unit(random)),
                                                    -150 + 300 * static_cast<Real>(unit(random))};
        AutoMatchRequest r =
            Request(loads[i], source, 1e6L * std::pow(10.0L, 4 * static_cast<Real>(unit(random))),
                    i % 4 == 0 ? 75 : 50);
        r.matchflag = static_cast<int>(i % 2);
        r.effflag = static_cast<int>((i / 2) % 2);
        const AutoMatchResult result = SynthesiseMatches(r);
        EXPECT_GE(Count(result, MatchTopology::LNetwork), 1);
        EXPECT_GE(Count(result, MatchTopology::TNetwork), 1); // the default Q is never below the T minimum
        for (const MatchSolution& s : result.solutions) {
            ++solutions;
            EXPECT_GE(AppliedReturnLoss(r, s.elements), 60) << i << " " << TopologyName(s.topology);
            EXPECT_LE(s.elements.size(),
                      s.topology == MatchTopology::LNetwork || s.topology == MatchTopology::SingleStub ? 2u
                                                                                                       : 3u);
            for (const ElementSpec& e : s.elements)
                EXPECT_EQ(ImplausibleElement(e), ElementProblem::None);
        }
        for (std::size_t k = 1; k < result.solutions.size(); ++k)
            EXPECT_GE(result.solutions[k - 1].bandwidthHz(), result.solutions[k].bandwidthHz());
    }
    EXPECT_GT(solutions, 2000);
}

TEST(AutoMatch, PiAndTFollowTheChosenQ) {
    AutoMatchRequest r = Request({10, 0}, {50, 0});
    r.l = r.stub = false;
    const AutoMatchResult byDefault = SynthesiseMatches(r);
    EXPECT_NEAR(byDefault.minimumQ, 2, 1e-15L);
    EXPECT_NEAR(byDefault.Q, 4, 1e-15L);
    EXPECT_EQ(Count(byDefault, MatchTopology::PiNetwork), 4);
    EXPECT_EQ(Count(byDefault, MatchTopology::TNetwork), 4);
    for (const MatchSolution& s : byDefault.solutions)
        EXPECT_NEAR(s.loadedQ, 4, 1e-12L); // the Q at the virtual resistance
    r.Q = 1.5L;
    const AutoMatchResult below = SynthesiseMatches(r);
    EXPECT_TRUE(below.solutions.empty());
    ASSERT_EQ(below.refusals.size(), 2u);
    EXPECT_EQ(below.refusals[0].kind, AutoMatchRefusal::Kind::PiQBelowMinimum);
    EXPECT_EQ(AutoMatchRefusalText(below.refusals[0]).toStdString(), "Pi网络：Q=1.500 低于最小值 2.000");
}

TEST(AutoMatch, ImpossibleCasesGiveAReason) {
    const struct {
        Complex load;
        Complex source;
        Real Fo;
    } cases[] = {{{0, 30}, {50, 0}, 1e9L}, {{-5, 30}, {50, 0}, 1e9L}, {{20, 0}, {0, -50}, 1e9L},
                 {{20, 0}, {50, 0}, 0},    {{50, 0}, {50, 0}, 1e9L},  {{NAN, 0}, {50, 0}, 1e9L}};
    for (const auto& c : cases) {
        const AutoMatchResult result = SynthesiseMatches(Request(c.load, c.source, c.Fo));
        EXPECT_TRUE(result.solutions.empty());
        EXPECT_FALSE(result.refusals.empty());
    }
    AutoMatchRequest bad = Request({20, 10}, {50, 0});
    bad.substrate.T = bad.substrate.H; // board thinner than twice the copper
    bad.l = bad.pi = bad.t = false;
    EXPECT_EQ(SynthesiseMatches(bad).refusals.size(), 1u);
    // A 50-ohm line cannot bring 2 ohms onto the conductance of a 1-ohm source's conjugate.
    AutoMatchRequest none = Request({200, 0}, {1, 0.5L});
    none.l = none.pi = none.t = false;
    const AutoMatchResult stub = SynthesiseMatches(none);
    EXPECT_TRUE(stub.solutions.empty());
    ASSERT_EQ(stub.refusals.size(), 1u);
    EXPECT_EQ(stub.refusals[0].kind, AutoMatchRefusal::Kind::StubNoSolution);
}

TEST(AutoMatch, StandardValuesAndTheirReturnLoss) {
    const struct {
        Real value;
        ESeries series;
        Real nearest;
    } cases[] = {{4.6e-9L, ESeries::E12, 4.7e-9L},   {3.5e-12L, ESeries::E12, 3.3e-12L},
                 {9.5e-12L, ESeries::E24, 9.1e-12L}, {9.6e-12L, ESeries::E24, 10e-12L},
                 {1.0e-6L, ESeries::E48, 1.0e-6L},   {97.9e-9L, ESeries::E96, 97.6e-9L},
                 {0.0999L, ESeries::E96, 0.1L}};
    for (const auto& c : cases)
        EXPECT_NEAR(NearestStandardValue(c.value, c.series), c.nearest, c.nearest * 1e-15L);
    EXPECT_EQ(ParseESeries("e48"), ESeries::E48);
    EXPECT_FALSE(ParseESeries("E6"));

    AutoMatchRequest r = Request({12, -7}, {50, 0});
    r.series = ESeries::E12;
    for (const MatchSolution& s : SynthesiseMatches(r).solutions) {
        EXPECT_NEAR(s.standardReturnLossDb, AppliedReturnLoss(r, s.standard), 1e-9L);
        if (s.topology != MatchTopology::SingleStub) {
            EXPECT_LT(s.standardReturnLossDb, 60);
        }
    }
}

// The band edges are where the exact values, computed at that frequency, give the threshold, and
// a real-source L match has the textbook bandwidth ordering: the lower-Q solutions first.
TEST(AutoMatch, BandEdgesSitAtTheThresholdReturnLoss) {
    AutoMatchRequest r = Request({10, -30}, {50, 0});
    r.stub = false;
    const AutoMatchResult result = SynthesiseMatches(r);
    ASSERT_FALSE(result.solutions.empty());
    for (const MatchSolution& s : result.solutions) {
        ASSERT_GT(s.bandwidthHz(), 0);
        EXPECT_FALSE(s.bandOpen);
        for (Real edge : {s.bandLowerHz, s.bandUpperHz}) {
            AutoMatchRequest at = r;
            at.Fo = edge;
            EXPECT_NEAR(AppliedReturnLoss(at, s.elements), 10, 0.05L) << TopologyName(s.topology);
        }
        AutoMatchRequest inside = r;
        inside.Fo = (s.bandLowerHz + r.Fo) / 2;
        EXPECT_GT(AppliedReturnLoss(inside, s.elements), 10);
    }
}

// A load of Q about 135 (2.067 - j279.408 ohm at 84.6641 MHz): the bands are a few hundredths of
// a percent wide. Each reported edge lies inside the band, and a step of a thousandth of the band
// beyond it leaves the band, as a fine sweep of the applied network shows.
TEST(AutoMatch, NarrowBandEdgesAgreeWithAFineSweep) {
    AutoMatchRequest r = Request({2.067L, -279.408L}, {50, 0}, 84.6641e6L);
    const AutoMatchResult result = SynthesiseMatches(r);
    int checked = 0;
    for (const MatchSolution& s : result.solutions) {
        if (s.bandOpen || s.bandwidthHz() <= 0 || s.topology == MatchTopology::SingleStub)
            continue;
        const SweepNetwork network{s.elements, {r.load.re / r.Zo, r.load.im / r.Zo}, {1, 0}, r.Zo, 0, 0, {}};
        const Real step = 1e-3L * s.bandwidthHz();
        auto returnLoss = [&](Real hz) { return ResponseAt(network, nullptr, hz).figures.returnLossDb; };
        EXPECT_GE(returnLoss(s.bandLowerHz), r.bandThresholdDb);
        EXPECT_GE(returnLoss(s.bandUpperHz), r.bandThresholdDb);
        EXPECT_LT(returnLoss(s.bandLowerHz - step), r.bandThresholdDb);
        EXPECT_LT(returnLoss(s.bandUpperHz + step), r.bandThresholdDb);
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

// Lumped values carry their units in the value text; a line's length and width get "mm" here,
// while its label in the network stays as stored.
TEST(AutoMatch, DescriptionsGiveEveryValueItsUnit) {
    ElementSpec line{SeriesMicrostripLine, {}, 0, 0};
    line.strip.Len = 7.82e-3L;
    line.strip.W = 0.76e-3L;
    ElementSpec stub = line;
    stub.kind = ShuntMicrostripStub;
    stub.strip.Len = 53.1e-3L;
    EXPECT_EQ(ElementsText({line, stub, {ShuntCapacitor, {}, 0, 11.49e-12L}}),
              "串微带 L=7.82mm W=0.76mm 并开路支节 L=53.10mm W=0.76mm 并C 11.49pF");
    EXPECT_EQ(ElementLabel(line), "L:7.82/W:0.76");
}
