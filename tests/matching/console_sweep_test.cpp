#include "core/numbers/decimal.h"
#include "core/numbers/tokens.h"
#include "core/settings/atomic_file.h"
#include "matching/console/console_interpreter.h"
#include "tests/matching/console_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qv {
namespace {

class ConsoleSweep : public ::testing::Test, protected test::ConsoleFixtureState {
protected:
    test::RecordingHost host;

    std::string run(std::string_view line) {
        const ConsoleResult r = InterpretCommand(network, host, line);
        EXPECT_EQ(r.code, ConsoleResultCode::None);
        return r.text;
    }
    std::vector<std::string> lines(std::string_view line) { return test::AnswerLines(run(line)); }

    // 10 ohm to 50 ohm at 100 MHz: series 31.831 nH (+j20) next to the load, shunt 63.662 pF (-j25).
    void textbookMatch() {
        WritableNetwork(state).Fo = 100e6L;
        MatchNode& ends = WritableNetwork(state).network[1];
        ends.nodeR = 0.2L;
        ends.sourceR = 1;
        WritableNetwork(state).NodeCount = 3;
        WritableNetwork(state).network[2].kind = SeriesInductor;
        WritableNetwork(state).network[2].value = 20 / (TwoPi * 100e6L);
        WritableNetwork(state).network[3].kind = ShuntCapacitor;
        WritableNetwork(state).network[3].value = 1 / (TwoPi * 100e6L * 25);
    }
};

TEST_F(ConsoleSweep, SweepPrintsOneLinePerFrequency) {
    textbookMatch();
    const std::vector<std::string> out = lines("sweep 50m 150m 3");
    ASSERT_EQ(out.size(), 3u);
    // At 50 MHz: 10 + j10 in parallel with -j50 is (250 + j150)/17 ohm; against 50 ohm the
    // reflection is 0.55709 (RL 5.08 dB, VSWR 3.516).
    EXPECT_EQ(out[0], "50.000000 14.706 8.824 5.08 3.516");
    EXPECT_TRUE(out[1].starts_with("100.000000 50.000 0.000 ")) << out[1];
    EXPECT_TRUE(out[1].ends_with(" 1.000")) << out[1];
}

TEST_F(ConsoleSweep, BandwidthOfTheLastSweepOnTheCurrentNetwork) {
    textbookMatch();
    EXPECT_EQ(run("bw"), ">bw 请先用 sweep 扫描");
    run("sweep 50m 150m 10001");
    const Tokens edges = SplitTokens(run("bw"), ' ');
    ASSERT_EQ(edges.count, 3);
    // 100 MHz * sqrt(1 -+ sqrt(5)/6), the hand-derived 10 dB edges; a few hertz of interpolation.
    EXPECT_NEAR(static_cast<double>(StrToFloat(edges[0])), 79.203662, 2e-6);
    EXPECT_NEAR(static_cast<double>(StrToFloat(edges[1])), 117.161342, 2e-6);
    EXPECT_EQ(edges[2], "37.96");

    const std::vector<std::string> open = lines("bw 3");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_TRUE(open[0].starts_with("50.000000 ")) << open[0];
    EXPECT_TRUE(open[1].starts_with(">bw 频带延伸到扫描范围之外")) << open[1];

    WritableNetwork(state).network[3].value *= 1.5; // bw follows the network as it is now
    EXPECT_TRUE(run("bw").starts_with(">bw 匹配达不到 10.00dB：工作频率处回波损耗为 ")) << run("bw");
    WritableNetwork(state).Fo = 200e6L;
    EXPECT_EQ(run("bw"), ">bw 工作频率 200.00M 不在扫描范围内");
}

TEST_F(ConsoleSweep, BadArgumentsChangeNothing) {
    EXPECT_EQ(run("sweep 1m 2m 3"), ">sweep F1 F2 N  没有设置负载和源阻抗");
    textbookMatch();
    for (const char* line : {"sweep", "sweep 1m 2m", "sweep a 2m 3", "sweep 1m 2m x", "sweep 1.2.3m 2m 3"})
        EXPECT_EQ(run(line), ">sweep F1 F2 N  参数错误：起止频率（可带单位，如 400m）和点数") << line;
    EXPECT_EQ(run("sweep 2m 1m 11"), ">sweep F1 F2 N  起始频率必须低于终止频率");
    EXPECT_EQ(run("sweep 1m 2m 10002"), ">sweep F1 F2 N  点数必须在2到10001之间");
    EXPECT_EQ(run("bw"), ">bw 请先用 sweep 扫描");
    run("sweep 50m 150m 11");
    EXPECT_EQ(run("bw -3"), ">bw RL  参数错误：RL 为正的回波损耗门限（dB），缺省 10");
    WritableNetwork(state).network[3].value = 0; // a shunt capacitance of 0
    EXPECT_EQ(run("bw"), ">bw 工作频率处无法计算：Floating point division by zero");
    EXPECT_EQ(lines("sweep 50m 150m 11")[0], "50.000000 计算失败：Floating point division by zero");
}

TEST_F(ConsoleSweep, LoadFromATouchstonePortAndBackToConstant) {
    WritableNetwork(state).network[1].sourceR = 1;
    WritableNetwork(state).NodeCount = 1; // no element: the source end is the load
    const std::string path = dir.file("dut.s1p");
    // Reflection 0.6 against 50 ohm is 200 ohm; half way to -0.6 it is 0, 50 ohm.
    ASSERT_TRUE(WriteFileAtomically(path, "# MHz S RI R 50\n50 0.6 0\n150 -0.6 0\n"));
    EXPECT_EQ(run("sweepload " + path),
              ">扫描负载：" + path + " 端口1，2个频率点，50.000000 - 150.000000 MHz");
    const std::vector<std::string> out = lines("sweep 50m 150m 3");
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], "50.000000 200.000 0.000 4.44 4.000");
    EXPECT_TRUE(out[1].starts_with("100.000000 50.000 0.000 ")) << out[1]; // matched to rounding
    EXPECT_EQ(out[2], "150.000000 12.500 0.000 4.44 4.000");
    EXPECT_EQ(run("sweep 40m 150m 3"), ">sweep F1 F2 N  负载文件只覆盖50.000000到150.000000 MHz");

    // A refused file keeps the load in use.
    EXPECT_EQ(run("sweepload " + path + " 2"), ">sweepload 文件没有端口2的反射系数（S22）");
    EXPECT_EQ(run("sweepload " + path + " 3"), ">sweepload FILE [PORT]  参数错误：PORT 为 1 或 2");
    EXPECT_EQ(run("sweepload " + dir.file("none.s2p")), ">sweepload 文件不存在: " + dir.file("none.s2p"));
    WritableNetwork(state).Fo = 100e6L;
    EXPECT_EQ(SplitTokens(run("bw"), ' ').count, 3); // the file's load is still the one swept

    EXPECT_EQ(run("sweepload"), ">扫描负载：起点设置的恒定负载");
    EXPECT_EQ(lines("sweep 50m 150m 3")[0], "50.000000 0.000 0.000 0.00 INF"); // slot 1's load of 0
}

TEST_F(ConsoleSweep, ExportWritesTheLastSweep) {
    textbookMatch();
    const std::string path = dir.file("m.s2p");
    EXPECT_EQ(run("export " + path), ">export 请先用 sweep 扫描");
    run("sweep 50m 150m 11");
    EXPECT_EQ(run("export " + path), ">已导出11个频率点到 " + path);
    const std::string text = ReadWholeFile(path).value_or("");
    EXPECT_NE(text.find("# MHZ S RI R 50\n50 "), std::string::npos);
    EXPECT_EQ(run("export"), ">export FILE  文件名须以 .s1p 或 .s2p 结尾");
}

} // namespace
} // namespace qv
