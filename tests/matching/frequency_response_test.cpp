#include "matching/analysis/frequency_response.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/rf/microstrip.h"
#include "core/settings/atomic_file.h"
#include "matching/analysis/network_two_port.h"
#include "matching/analysis/touchstone/touchstone_export.h"
#include "matching/drawing/network_drawing.h"
#include "matching/model/sweep_texts.h"
#include "support/test_paths.h"

#include <cmath>
#include <complex>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace qv {
namespace {

std::string Answer(const ExportOutcome& outcome, const std::string& path) {
    return ExportAnswer(outcome, path, false).toStdString();
}

using C = std::complex<long double>;

C ToStd(Complex z) {
    return {z.re, z.im};
}

const MicrostripBlock Strip{0, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 12e-3L};

// 10 ohm matched to 50 ohm at 100 MHz by a low-pass L: series L of +j20 ohm next to the load, shunt
// C of -j25 ohm across the source side. Loaded Q of the section: sqrt(50/10 - 1) = 2.
SweepNetwork TextbookLMatch() {
    SweepNetwork n;
    n.Zo = 50;
    n.load = {0.2L, 0};
    n.source = {1, 0};
    n.elements = {{SeriesInductor, {}, 0, 20 / (TwoPi * 100e6L)},
                  {ShuntCapacitor, {}, 0, 1 / (TwoPi * 100e6L * 25)}};
    return n;
}

// Every kind of element, lossless: lumped, microstrip line and stub, pure reactances.
SweepNetwork MixedLossless(int effflag) {
    SweepNetwork n;
    n.Zo = 50;
    n.effflag = effflag;
    n.load = {0.4L, -0.3L};
    n.source = {1, 0};
    n.elements = {{SeriesCapacitor, {}, 0, 8e-12L},    {ShuntInductor, {}, 0, 22e-9L},
                  {SeriesMicrostripLine, Strip, 0, 0}, {ShuntMicrostripStub, Strip, 0, 0},
                  {SeriesImpedance, {}, 0, 12},        {ShuntImpedance, {}, 0, -80},
                  {SeriesInductor, {}, 0, 5e-9L},      {ShuntCapacitor, {}, 0, 3e-12L}};
    return n;
}

TEST(FrequencyResponse, TextbookLMatchBandEdgesFollowTheHandDerivation) {
    // |Gamma|^2 = 0.1 at w = f/100 MHz reduces, with u = w^2 - 1, to (4u + 5)(36u^2 - 5) = 0,
    // so the 10 dB edges are at 100 MHz * sqrt(1 -+ sqrt(5)/6).
    const Real lower = 100e6L * std::sqrt(1 - std::sqrt(5.0L) / 6);
    const Real upper = 100e6L * std::sqrt(1 + std::sqrt(5.0L) / 6);
    const SweepNetwork n = TextbookLMatch();
    const SweepRange range{50e6L, 150e6L, 10001};
    const std::vector<ResponsePoint> sweep = SweepResponse(n, nullptr, range);
    const ResponsePoint design = ResponseAt(n, nullptr, 100e6L);
    EXPECT_GT(design.figures.returnLossDb, 100); // matched to rounding

    const Band band = FindBand(sweep, design, 10);
    ASSERT_EQ(band.outcome, Band::Outcome::Found);
    EXPECT_FALSE(band.lowerOpen || band.upperOpen);
    // Linear interpolation over 10 kHz steps of a smooth curve errs by a few hertz.
    EXPECT_NEAR(static_cast<double>(band.lowerHz), static_cast<double>(lower), 50);
    EXPECT_NEAR(static_cast<double>(band.upperHz), static_cast<double>(upper), 50);
    EXPECT_NEAR(static_cast<double>(band.fractionalPercent), static_cast<double>((upper - lower) / 1e6L),
                1e-4);

    // Below 3.52 dB (the 10 ohm load against 50 ohm) the return loss never falls: the lower edge is open.
    const Band wide = FindBand(sweep, design, 3);
    EXPECT_TRUE(wide.lowerOpen);
    EXPECT_EQ(wide.lowerHz, 50e6L);
    EXPECT_EQ(FindBand(sweep, ResponseAt(n, nullptr, 200e6L), 10).outcome, Band::Outcome::DesignOutsideSweep);
}

TEST(FrequencyResponse, AtTheDesignFrequencyEqualsTheReplayedNetwork) {
    test::TempDir dir;
    ProgramState state(dir.path());
    WritableNetwork(state).Fo = 433.92e6L;
    WritableNetwork(state).Zo = 75;
    WritableNetwork(state).effflag = 1;
    state.geometry = {300, 300, 300};
    WritableNetwork(state).network[1].nodeR = 0.3L;
    WritableNetwork(state).network[1].nodeX = 0.7L;
    WritableNetwork(state).network[1].sourceR = 0.8L;
    WritableNetwork(state).network[1].sourceX = -0.2L;
    WritableNetwork(state).NodeCount = 1;
    RecordingSurface chart(600, 600);
    const SweepNetwork mixed = MixedLossless(1);
    for (ElementSpec e : mixed.elements) {
        e.strip.frequency = state.Fo;
        SCOPED_TRACE(e.kind);
        WritableNetwork(state).NodeCount = AppendElement(WritableNetwork(state), state.geometry, chart, "e",
                                                         e.kind, e.strip, e.R, e.value, state.NodeCount, {})
                                               .node;
    }
    ASSERT_EQ(state.network[6].kind, SeriesImpedance);
    WritableNetwork(state).network[6].R = 7; // lossy
    RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount);

    for (int matchflag : {0, 1}) {
        WritableNetwork(state).matchflag = matchflag;
        const ResponsePoint p = ResponseAt(SweepNetworkOf(state), nullptr, state.Fo);
        const MatchNode& last = state.network[state.NodeCount];
        ASSERT_TRUE(p.ok) << p.failure;
        EXPECT_EQ(p.sourceEnd, (Complex{last.nodeR, last.nodeX}));
        const MatchFigures main = MatchQuality({last.nodeR, last.nodeX}, {0.8L, -0.2L}, matchflag);
        EXPECT_EQ(p.figures.returnLossDb, main.returnLossDb);
        EXPECT_EQ(p.figures.vswr, main.vswr);
        EXPECT_EQ(p.figures.mismatchLossDb, main.mismatchLossDb);
    }
}

TEST(FrequencyResponse, TwoPortAgreesWithTheReplayAndConservesPower) {
    for (int effflag : {0, 1}) {
        const SweepNetwork n = MixedLossless(effflag);
        for (Real f : {150e6L, 433.92e6L, 1.2e9L, 2.45e9L}) {
            const ChainMatrix m = NetworkChainMatrix(n, f);
            const ResponsePoint p = ResponseAt(n, nullptr, f);
            ASSERT_TRUE(p.ok) << p.failure;
            // The cascade ended in the load sees what the node-by-node replay sees (relative 1e-12:
            // both are extended precision, through different algebra).
            const C zin = ToStd(PortOneImpedance(m, {n.load.re * 50, n.load.im * 50})) / 50.0L;
            EXPECT_LT(std::abs(zin - ToStd(p.sourceEnd)), 1e-12L * std::abs(zin)) << f;

            const SParameters s = ToSParameters(m, 50);
            EXPECT_NEAR(static_cast<double>(std::norm(ToStd(s.S11)) + std::norm(ToStd(s.S21))), 1, 1e-12);
            EXPECT_NEAR(static_cast<double>(std::norm(ToStd(s.S22)) + std::norm(ToStd(s.S12))), 1, 1e-12);
            EXPECT_LT(std::abs(ToStd(s.S12) - ToStd(s.S21)), 1e-15L); // reciprocal
        }
    }
}

TEST(FrequencyResponse, HalfWaveLineKeepsItsPhaseInTheTwoPort) {
    // A line of half a wavelength leaves every impedance as it was, but its transmission is -1:
    // the chain matrix carries the phase that the impedance alone cannot.
    SweepNetwork n;
    n.effflag = 1;
    const MicrostripLine line = MicrostripZ0(Strip.W, Strip.H, Strip.T, Strip.Er);
    MicrostripBlock half = Strip;
    const Real f = 1e9L;
    half.Len = GuidedWavelength(f, line.EpsEff) / 2;
    n.elements = {{SeriesMicrostripLine, half, 0, 0}};
    const SParameters s = ToSParameters(NetworkChainMatrix(n, f), line.Z0);
    EXPECT_NEAR(static_cast<double>(s.S21.re), -1, 1e-12);
    EXPECT_NEAR(static_cast<double>(s.S21.im), 0, 1e-12);
}

TEST(FrequencyResponse, FailingElementsAreReportedPointByPoint) {
    SweepNetwork n = TextbookLMatch();
    n.elements.push_back({SeriesCapacitor, {}, 0, 0});
    const std::vector<ResponsePoint> sweep = SweepResponse(n, nullptr, {90e6L, 110e6L, 3});
    for (const ResponsePoint& p : sweep) {
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.failure, DivisionByZeroText);
    }
    EXPECT_EQ(SweepLine(sweep[0], 50).toStdString(),
              std::string("90.000000 计算失败：") + DivisionByZeroText);
    EXPECT_EQ(FindBand(sweep, ResponseAt(n, nullptr, 100e6L), 10).outcome, Band::Outcome::DesignFails);

    // A stub of length zero: its cotangent is infinite at every frequency.
    SweepNetwork stub = TextbookLMatch();
    MicrostripBlock zero = Strip;
    zero.Len = 0;
    stub.elements.push_back({ShuntMicrostripStub, zero, 0, 0});
    EXPECT_FALSE(ResponseAt(stub, nullptr, 100e6L).ok);

    test::TempDir dir;
    const std::string path = dir.file("x.s2p");
    EXPECT_EQ(Answer(ExportTouchstone(path, n, sweep), path), ">export 没有可写的频率点，文件未写入");
    EXPECT_FALSE(ReadWholeFile(path).has_value());
}

TEST(FrequencyResponse, RangesAndTablesAreCheckedBeforeSweeping) {
    EXPECT_FALSE(FindSweepRangeProblem({1e6L, 2e6L, 2}, nullptr));
    EXPECT_FALSE(FindSweepRangeProblem({1e6L, 2e6L, 10001}, nullptr));
    for (const SweepRange& bad :
         {SweepRange{2e6L, 2e6L, 11}, SweepRange{3e6L, 2e6L, 11}, SweepRange{0, 2e6L, 11},
          SweepRange{NAN, 2e6L, 11}, SweepRange{1e6L, INFINITY, 11}, SweepRange{1e6L, 2e6L, 1},
          SweepRange{1e6L, 2e6L, 10002}})
        EXPECT_TRUE(FindSweepRangeProblem(bad, nullptr))
            << bad.startHz << " " << bad.stopHz << " " << bad.points;

    LoadTable table{{{100e6L, {0.5L, 0}}, {200e6L, {0, 0.5L}}}, 50, "t", 1};
    EXPECT_FALSE(FindLoadTableProblem(table));
    EXPECT_FALSE(FindSweepRangeProblem({100e6L, 200e6L, 11}, &table));
    EXPECT_TRUE(FindSweepRangeProblem({99e6L, 200e6L, 11}, &table)); // never extrapolated
    EXPECT_TRUE(FindSweepRangeProblem({100e6L, 201e6L, 11}, &table));

    EXPECT_EQ(InterpolateReflection(table, 100e6L), (Complex{0.5L, 0}));
    EXPECT_EQ(InterpolateReflection(table, 150e6L), (Complex{0.25L, 0.25L}));
    EXPECT_FALSE(InterpolateReflection(table, 200.000001e6L));

    for (LoadTable bad :
         {LoadTable{{{100e6L, {0, 0}}}, 50, "", 1}, LoadTable{{{2, {0, 0}}, {1, {0, 0}}}, 50, "", 1},
          LoadTable{{{1, {0, 0}}, {1, {0, 0}}}, 50, "", 1},
          LoadTable{{{1, {0, 0}}, {2, {NAN, 0}}}, 50, "", 1},
          LoadTable{{{1, {0, 0}}, {2, {0, 0}}}, 0, "", 1}})
        EXPECT_TRUE(FindLoadTableProblem(bad));
}

TEST(FrequencyResponse, TabulatedLoadReplacesTheConstantOne) {
    SweepNetwork bare; // no elements: the source end is the load itself
    bare.source = {1, 0};
    // Reflection 1/3 against 75 ohm is 150 ohm; -1/3 against 75 is 37.5 ohm; half way (0) is 75.
    const LoadTable table{{{100e6L, {1.0L / 3, 0}}, {300e6L, {-1.0L / 3, 0}}}, 75, "file", 1};
    const std::vector<ResponsePoint> sweep = SweepResponse(bare, &table, {100e6L, 300e6L, 3});
    ASSERT_TRUE(sweep[1].ok);
    EXPECT_NEAR(static_cast<double>(sweep[0].sourceEnd.re), 3, 1e-15);
    EXPECT_NEAR(static_cast<double>(sweep[1].sourceEnd.re), 1.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(sweep[2].sourceEnd.re), 0.75, 1e-15);
    EXPECT_EQ(SweepLine(sweep[1], 50).toStdString(), "200.000000 75.000 0.000 13.98 1.500");

    const LoadTable open{{{100e6L, {1, 0}}, {200e6L, {1, 0}}}, 50, "open", 1};
    EXPECT_FALSE(ResponseAt(bare, &open, 150e6L).ok); // an open circuit has no impedance
}

TEST(FrequencyResponse, ExportWritesTouchstoneRowsAtomically) {
    SweepNetwork n;
    n.Zo = 50;
    n.load = {2, 0}; // 100 ohm: reflection 1/3
    n.source = {1, 0};
    n.elements = {{SeriesImpedance, {}, 0, 50}};
    const std::vector<ResponsePoint> sweep = SweepResponse(n, nullptr, {100e6L, 200e6L, 2});
    const TouchstoneText one = EncodeTouchstone(n, sweep, 1);
    // (2 + j1 - 1)/(2 + j1 + 1) = (1 + j)/(3 + j) = 0.4 + j0.2
    EXPECT_EQ(one.text, "! Quorvane: input reflection at the source end, load in place\n"
                        "# MHZ S RI R 50\n"
                        "100 0.4 0.2\n"
                        "200 0.4 0.2\n");
    // A series j50 between 50 ohm ports: S11 = S22 = j/(2 + j) = 0.2 + j0.4, S21 = 2/(2 + j) = 0.8 - j0.4.
    const TouchstoneText two = EncodeTouchstone(n, sweep, 2);
    std::istringstream rows(two.text);
    std::string line;
    std::getline(rows, line);
    std::getline(rows, line);
    std::getline(rows, line);
    EXPECT_EQ(line, "100 0.2 0.4 0.8 -0.4 0.8 -0.4 0.2 0.4");

    test::TempDir dir;
    EXPECT_EQ(Answer(ExportTouchstone(dir.file("m.S2P"), n, sweep), dir.file("m.S2P")),
              ">已导出2个频率点到 " + dir.file("m.S2P"));
    EXPECT_EQ(ReadWholeFile(dir.file("m.S2P")), two.text);
    EXPECT_EQ(Answer(ExportTouchstone(dir.file("m.txt"), n, sweep), dir.file("m.txt")),
              ">export 文件名须以 .s1p 或 .s2p 结尾");
    EXPECT_FALSE(ReadWholeFile(dir.file("m.txt")).has_value());
    // A failed write says why, as the network file's save does.
    EXPECT_EQ(Answer(ExportTouchstone(dir.file("missing/m.s1p"), n, sweep), dir.file("missing/m.s1p"))
                  .rfind(">export 导出失败: 文件写入失败: ", 0),
              0u);
    ASSERT_TRUE(WriteFileAtomically(dir.file("ro.s2p"), "old"));
    std::filesystem::permissions(dir.file("ro.s2p"), std::filesystem::perms::owner_read);
    EXPECT_EQ(Answer(ExportTouchstone(dir.file("ro.s2p"), n, sweep), dir.file("ro.s2p")),
              ">export 导出失败: 文件是只读的,没有覆盖: " + dir.file("ro.s2p"));
}

TEST(FrequencyResponse, ExportStaysReciprocalNextToANearShortOrOpen) {
    // AD - BC of such a chain cancels to noise; the cascade's own determinant is exactly 1.
    for (const ElementSpec& extreme :
         {ElementSpec{ShuntImpedance, {}, 0, 4e-19L}, ElementSpec{SeriesCapacitor, {}, 0, 1e-300L}}) {
        SweepNetwork n = TextbookLMatch();
        n.elements.insert(n.elements.begin(), extreme);
        const SParameters s = ToSParameters(NetworkChainMatrix(n, 100e6L), 50);
        EXPECT_EQ(s.S12.re, s.S21.re);
        EXPECT_EQ(s.S12.im, s.S21.im);
        EXPECT_LE(std::norm(ToStd(s.S22)) + std::norm(ToStd(s.S12)), 1 + 1e-12L);
    }
}

TEST(FrequencyResponse, ARangeMustHoldDistinctFrequenciesAtTheExportedPrecision) {
    EXPECT_EQ(
        SweepRangeText(FindSweepRangeProblem({1e9L, 1000000000.000001L, 5}, nullptr).value()).toStdString(),
        "频率范围太窄：5个点在15位有效数字下不能互相区分");
    EXPECT_TRUE(FindSweepRangeProblem({1e9L, 1000000000.000001L, 3}, nullptr));
    EXPECT_FALSE(FindSweepRangeProblem({1e9L, 1000000000.01L, 5}, nullptr));
}

} // namespace
} // namespace qv
