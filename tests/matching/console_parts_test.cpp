#include "core/numbers/text_format.h"
#include "matching/console/console_interpreter.h"
#include "tests/matching/console_test_support.h"

#include <complex>
#include <gtest/gtest.h>

namespace qv {
namespace {

class ConsoleParts : public ::testing::Test, protected test::ConsoleFixtureState {
protected:
    test::RecordingHost host;

    std::string run(std::string_view line) { return InterpretCommand(network, host, line).text; }

    // 10 ohm to 50 ohm at 100 MHz: series +j20 ohm next to the load, shunt -j25 ohm.
    void lMatch() {
        run("setfre 100m");
        run("setload 10 0");
        run("setsrc 50 0");
        run("addc 2 3 l 31.830988618n");
        run("addc 3 2 c 63.661977237p");
    }
};

TEST_F(ConsoleParts, PartsAreShownSetStoredAndBadValuesRefusedWithTheReason) {
    EXPECT_EQ(run("parts"), ">parts QL=0 QC=0 TL=0% TC=0%");
    EXPECT_EQ(run("parts 30 200 2 5"), ">parts QL=30 QC=200 TL=2% TC=5%");
    EXPECT_EQ(changes.back(), "parts");
    const PartsModel stored = ReadPartsModel(state.para);
    EXPECT_EQ(stored.QL, 30);
    EXPECT_EQ(stored.TC, 5);
    EXPECT_EQ(run("parts abc 5"), ">parts QL QC TL TC  参数错误：'abc' 不是数");
    EXPECT_EQ(run("parts 30 200"),
              ">parts QL QC TL TC  参数错误：电感Q 电容Q（0为理想元件） 电感容差% 电容容差%");
    EXPECT_EQ(run("parts 30 -1 0 0"),
              ">parts QL QC TL TC  参数错误：第2个值 Q 须为不小于0的数（0为理想元件）");
    EXPECT_EQ(run("parts 30 200 0 100"), ">parts QL QC TL TC  参数错误：第4个值 容差须不小于0且小于100%");
    EXPECT_EQ(run("parts"), ">parts QL=30 QC=200 TL=2% TC=5%"); // the refusals changed nothing
}

TEST_F(ConsoleParts, SweepUsesTheLossyPartsToThePrintedDigit) {
    lMatch();
    run("parts 30 200 0 0");
    const std::string line = run("sweep 80m 120m 3").substr(0, 100);
    // The hand replay at 80 MHz: (10 + wL/30 + jwL) in parallel with 1/(wC/200 + jwC).
    const long double w = TwoPi * 80e6L;
    const long double L = 31.830988618e-9L;
    const long double C = 63.661977237e-12L;
    const std::complex<long double> z = 1.0L / (std::complex<long double>(w * C / 200, w * C) +
                                                1.0L / std::complex<long double>(10 + w * L / 30, w * L));
    const long double gamma = std::abs((z - 50.0L) / (z + 50.0L));
    const std::string expected =
        Format("80.000000 %.3f %.3f %.2f %.3f",
               {z.real(), z.imag(), -20 * std::log10(gamma), (1 + gamma) / (1 - gamma)});
    EXPECT_EQ(line.substr(0, expected.size()), expected);

    run("parts 0 0 0 0");
    const std::string ideal = run("sweep 80m 120m 3");
    const std::complex<long double> zi =
        1.0L / (std::complex<long double>(0, w * C) + 1.0L / std::complex<long double>(10, w * L));
    EXPECT_TRUE(ideal.starts_with(Format("80.000000 %.3f %.3f ", {zi.real(), zi.imag()}))) << ideal;
}

TEST_F(ConsoleParts, YieldIsExactAtZeroToleranceAndRepeatableWithASeed) {
    EXPECT_EQ(run("yield 90m 110m 10 100"), ">yield F1 F2 RL N [SEED]  没有设置负载和源阻抗");
    lMatch();
    EXPECT_EQ(run("yield 90m 110m 10 200"), ">yield=100.0% (200/200) 95% CI 98.1-100.0%");
    EXPECT_EQ(run("yield 60m 140m 10 200"), ">yield=0.0% (0/200) 95% CI 0.0-1.9%");
    run("parts 40 100 5 5");
    const std::string first = run("yield 80m 116m 10 2000 42");
    EXPECT_EQ(run("yield 80m 116m 10 2000 42"), first);
    EXPECT_TRUE(first.starts_with(">yield=")) << first;
    EXPECT_EQ(run("yield 80m 116m 10 0"), ">yield F1 F2 RL N [SEED]  N 须在1到100000之间");
    EXPECT_EQ(run("yield 80m 116m 10 10 -1"), ">yield F1 F2 RL N [SEED]  参数错误：起止频率（可带单位，如 "
                                              "400m）、回波损耗门限dB、次数、可选的随机种子");
}

TEST_F(ConsoleParts, BodeFanoOfTheLoadAndTheShareOfEveryAutomaticMatch) {
    run("setfre 1g");
    run("setload 5 50");
    run("setsrc 50 0");
    EXPECT_EQ(run("bodefano"), ">Bode-Fano: Q=10.000 RL=10.0dB max bandwidth=272.875MHz (27.29%)");
    EXPECT_EQ(run("bodefano 20"), ">Bode-Fano: Q=10.000 RL=20.0dB max bandwidth=136.438MHz (13.64%)");
    const std::string listing = run("autom");
    std::size_t shares = 0;
    for (std::size_t at = listing.find("BF="); at != std::string::npos; at = listing.find("BF=", at + 1)) {
        ++shares;
        EXPECT_LE(std::stod(listing.substr(at + 3)), 100.0) << listing;
    }
    EXPECT_GE(shares, 4u) << listing;
    run("setload 50 0");
    EXPECT_EQ(run("bodefano"), ">Bode-Fano: 负载为纯电阻（Q=0），带宽没有限制");
}

TEST_F(ConsoleParts, ShortedStubIsAnElementOfTheConsoleAndOfTheStubMatch) {
    run("setfre 1g");
    run("setload 25 10");
    run("setsrc 50 0");
    EXPECT_EQ(InterpretCommand(network, host, "addc 2 9 1.5 0.8 17 4.4 0.035").code,
              ConsoleResultCode::Added);
    EXPECT_EQ(state.network[2].kind, ShuntShortedStub);
    EXPECT_TRUE(run("disp 2").starts_with(">2:并联短路微带W:1.5/L:17")) << run("disp 2");
    // A network file keeps the kind: saved, changed and read back, the stub is there again.
    const std::string file = dir.file("stub.smh");
    const MatchNode saved = state.network[2];
    run("save " + file);
    run("delc 2");
    run("rdf " + file);
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(state.network[2].kind, ShuntShortedStub);
    EXPECT_EQ(state.network[2].nodeR, saved.nodeR);
    EXPECT_EQ(state.network[2].nodeX, saved.nodeX);
    const std::string listing = run("autom short");
    EXPECT_NE(listing.find("并短路支节"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("并开路支节"), std::string::npos) << listing;
}

} // namespace
} // namespace qv
