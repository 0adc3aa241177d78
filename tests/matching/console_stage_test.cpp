#include "core/settings/atomic_file.h"
#include "matching/console/console_interpreter.h"
#include "sparams/analysis/device_data.h"
#include "sparams/model/sparameter_file_texts.h"
#include "tests/matching/console_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qv {
namespace {

// A made-up unconditionally stable transistor (MA, MHz).
constexpr std::string_view StableFile = "# MHz S MA R 50\n"
                                        "1000 0.80 -60 5.0 120 0.03 50 0.60 -30\n"
                                        "2000 0.72 -116 2.6 76 0.03 57 0.73 -54\n";

class ConsoleStage : public ::testing::Test, protected test::ConsoleFixtureState {
protected:
    test::RecordingHost host;
    std::string device = dir.file("device.s2p");

    void SetUp() override { ASSERT_TRUE(WriteFileAtomically(device, StableFile)); }
    std::vector<std::string> lines(const std::string& line) {
        return test::AnswerLines(InterpretCommand(network, host, line).text);
    }
    // Designs one side at 1500 MHz with the first automatic network and saves it.
    std::string design(const std::string& side) {
        lines(side);
        lines("autom");
        lines("apply 1");
        const std::string file = dir.file(side + ".smh");
        EXPECT_EQ(lines("save " + file)[0], "save");
        return file;
    }
};

TEST_F(ConsoleStage, ConjugateNetworksGiveMaximumGainAndDeepMatchAtTheDesignFrequency) {
    const std::vector<std::string> device_lines = lines("twoport " + device + " 1500m");
    ASSERT_GE(device_lines.size(), 3u);
    ASSERT_TRUE(device_lines[2].starts_with(">MAG=")) << device_lines[2];
    const std::string in = design("ampin");
    const std::string out = design("ampout");

    // 1000..2000 MHz in 7 steps: 1500 MHz is no row of the file, 1000/7 MHz apart from the next.
    const std::vector<std::string> stage = lines("stage " + in + " " + device + " " + out + " 1000m 2000m 8");
    ASSERT_EQ(stage.size(), 9u) << stage[0];
    EXPECT_TRUE(stage[8].starts_with(">stable: worst |Gin|=")) << stage[8];

    // At the design frequency itself.
    const std::vector<std::string> at =
        lines("stage " + in + " " + device + " " + out + " 1500m 1500.001m 2");
    ASSERT_EQ(at.size(), 3u) << at[0];
    Real mhz = 0, gain = 0, inputLoss = 0, outputLoss = 0, mu = 0;
    ASSERT_EQ(std::sscanf(at[0].c_str(), "%Lf %Lf %Lf %Lf %Lf", &mhz, &gain, &inputLoss, &outputLoss, &mu),
              5);
    EXPECT_EQ(at[0].substr(0, 12), "1500.000000 ");
    const Real mag = std::stold(device_lines[2].substr(5));
    EXPECT_NEAR(gain, mag, 0.006L); // MAG is printed to 0.01 dB
    EXPECT_GT(inputLoss, 40);
    EXPECT_GT(outputLoss, 40);
    EXPECT_GT(mu, 1);

    // export writes the stage; its S21 at 1500 MHz carries the same gain.
    const std::string s2p = dir.file("stage.s2p");
    EXPECT_EQ(lines("export " + s2p)[0], ">已导出放大器2个频率点到 " + s2p);
    const DeviceRead back = ReadDeviceFile(s2p);
    ASSERT_TRUE(back.data) << DeviceErrorText(back.error).toStdString();
    const Complex s21 = back.data->rows[0].s.s21;
    EXPECT_NEAR(10 * std::log10(s21.re * s21.re + s21.im * s21.im), gain, 0.0005L);
    EXPECT_EQ(lines("export " + dir.file("stage.s1p"))[0], ">export 放大器的S参数须导出为 .s2p 文件");

    // A sweep afterwards makes export write the sweep again.
    lines("sweep 1000m 2000m 3");
    EXPECT_EQ(lines("export " + s2p)[0], ">已导出3个频率点到 " + s2p);
}

TEST_F(ConsoleStage, UnreadableFilesAndRangesOutsideTheDeviceGiveOneLine) {
    lines("twoport " + device + " 1500m");
    const std::string in = design("ampin");
    const std::string missing = dir.file("missing.smh");
    const auto refused = [&](const std::string& command, const std::string& fragment) {
        const std::vector<std::string> out = lines(command);
        ASSERT_EQ(out.size(), 1u) << command;
        EXPECT_TRUE(out[0].starts_with(">stage IN.smh FILE OUT.smh F1 F2 N  ")) << out[0];
        EXPECT_NE(out[0].find(fragment), std::string::npos) << out[0];
    };
    refused("stage " + missing + " " + device + " " + in + " 1g 2g 3", "无法读入输入网络");
    refused("stage " + in + " " + device + " " + missing + " 1g 2g 3", "无法读入输出网络");
    refused("stage " + in + " " + dir.file("none.s2p") + " " + in + " 1g 2g 3", "无法读入晶体管文件");
    refused("stage " + in + " " + device + " " + in + " 900m 2g 3", "超出晶体管文件");
    refused("stage " + in + " " + device + " " + in + " 1g 2g", "参数错误");
    refused("stage " + in + " " + device + " " + in + " 1g x 5", "参数错误");
    // Nothing was kept: export still asks for a sweep.
    EXPECT_EQ(lines("export " + dir.file("x.s2p"))[0], ">export 请先用 sweep 扫描");
}

} // namespace
} // namespace qv
