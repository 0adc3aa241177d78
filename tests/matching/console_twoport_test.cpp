#include "chart/analysis/overlay_circle.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/settings/atomic_file.h"
#include "matching/console/console_interpreter.h"
#include "tests/matching/console_test_support.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace qv {
namespace {

// A made-up stable transistor (MA, MHz) with noise rows, and one that is only conditionally stable.
constexpr std::string_view StableFile = "# MHz S MA R 50\n"
                                        "1000 0.80 -60 5.0 120 0.03 50 0.60 -30\n"
                                        "2000 0.72 -116 2.6 76 0.03 57 0.73 -54\n"
                                        "\n"
                                        "1000 0.40 0.60 30 0.30\n"
                                        "2000 0.60 0.50 60 0.20\n";
constexpr std::string_view UnstableFile = "# GHz S MA R 50\n"
                                          "1 0.90 -60 4.0 100 0.10 40 0.80 -30\n"
                                          "2 0.85 -90 3.5 80 0.10 30 0.75 -40\n";

class ConsoleTwoPort : public ::testing::Test, protected test::ConsoleFixtureState {
protected:
    class Host final : public ConsoleHost {
    public:
        std::vector<OverlayCircle> circles;
        void setConsoleOpacity(int, int) override {}
        std::optional<std::string> askOpenFileName(std::string_view) override { return std::nullopt; }
        std::optional<std::string> askSaveFileName(std::string_view) override { return std::nullopt; }
        void drawChartCircle(const OverlayCircle& c) override { circles.push_back(c); }
    } host;
    std::string stable = dir.file("stable.s2p");
    std::string unstable = dir.file("unstable.s2p");

    void SetUp() override {
        ASSERT_TRUE(WriteFileAtomically(stable, StableFile));
        ASSERT_TRUE(WriteFileAtomically(unstable, UnstableFile));
    }
    std::vector<std::string> lines(const std::string& line) {
        return test::AnswerLines(InterpretCommand(network, host, line).text);
    }
};

using C = std::complex<long double>;

C Polar(long double m, long double degrees) {
    return std::polar(m, degrees * DegreesToRadians);
}

TEST_F(ConsoleTwoPort, PrintsTheDesignFiguresOfARowAndSetsFo) {
    const std::vector<std::string> out = lines("twoport " + stable + " 2g");
    ASSERT_EQ(out.size(), 5u);
    EXPECT_TRUE(out[0].starts_with(">twoport"));
    // Textbook figures of the 2 GHz row, computed here from the printed row.
    const C s11 = Polar(0.72L, -116), s22 = Polar(0.73L, -54), s12 = Polar(0.03L, 57), s21 = Polar(2.6L, 76);
    const C d = s11 * s22 - s12 * s21;
    const long double k = (1 - std::norm(s11) - std::norm(s22) + std::norm(d)) / (2 * std::abs(s12 * s21));
    const long double mu = (1 - std::norm(s11)) / (std::abs(s22 - d * std::conj(s11)) + std::abs(s12 * s21));
    const long double muPrime =
        (1 - std::norm(s22)) / (std::abs(s11 - d * std::conj(s22)) + std::abs(s12 * s21));
    EXPECT_EQ(out[1], Format(">K=%.4f mu=%.4f mu'=%.4f |D|=%.4f", {k, mu, muPrime, std::abs(d)}));
    const long double mag = std::abs(s21) / std::abs(s12) * (k - std::sqrt(k * k - 1));
    EXPECT_EQ(out[2], Format(">MAG=%.2fdB", {10 * std::log10(mag)}));
    const long double b1 = 1 + std::norm(s11) - std::norm(s22) - std::norm(d);
    const C c1 = s11 - d * std::conj(s22);
    const C gms = (b1 - std::sqrt(b1 * b1 - 4 * std::norm(c1))) / (2.0L * c1);
    EXPECT_TRUE(
        out[3].starts_with(Format(">GammaMS=%.4f∠%.2f", {std::abs(gms), std::arg(gms) / DegreesToRadians})))
        << out[3];
    EXPECT_NE(out[3].find("ZMS="), std::string::npos);
    EXPECT_EQ(out[4], ">NFmin=0.60dB Gammaopt=0.5000∠60.00 Rn=10.00");
    EXPECT_EQ(state.Fo, 2e9L);

    // ampin: the load is the conjugate of the source match's impedance, the source Zo.
    WritableNetwork(state).NodeCount = 3;
    lines("ampin");
    const C zin = 50.0L * (1.0L + std::conj(gms)) / (1.0L - std::conj(gms));
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_NEAR(state.network[1].nodeR * 50, zin.real(), 1e-12L);
    EXPECT_NEAR(state.network[1].nodeX * 50, zin.imag(), 1e-12L);
    EXPECT_EQ(state.network[1].sourceR, 1);
    EXPECT_EQ(state.network[1].sourceX, 0);
    // One step each: undo takes back the ends, then Fo.
    EXPECT_TRUE(network.undo());
    EXPECT_EQ(state.NodeCount, 3);
    EXPECT_EQ(state.Fo, 2e9L);
}

TEST_F(ConsoleTwoPort, BetweenRowsAndNoiseOptimumAndOutput) {
    lines("twoport " + stable + " 1.5g");
    EXPECT_EQ(state.Fo, 1.5e9L);
    // Between rows, Gopt is interpolated in real and imaginary part.
    const C gopt = (Polar(0.6L, 30) + Polar(0.5L, 60)) / 2.0L;
    lines("ampin opt");
    const C load = 50.0L * (1.0L + std::conj(gopt)) / (1.0L - std::conj(gopt));
    EXPECT_NEAR(state.network[1].nodeR * 50, load.real(), 1e-12L);
    EXPECT_NEAR(state.network[1].nodeX * 50, load.imag(), 1e-12L);
    EXPECT_EQ(lines("ampout").size(), 1u);
    EXPECT_EQ(state.NodeCount, 1);
}

TEST_F(ConsoleTwoPort, CirclesAreDrawnWithALegendAndPrinted) {
    EXPECT_EQ(lines("circle ga 10")[0], ">circle 请先用 twoport FILE F 读入器件");
    lines("twoport " + stable + " 2g");
    const std::vector<std::string> ga = lines("circle ga 12");
    ASSERT_EQ(host.circles.size(), 1u);
    EXPECT_EQ(host.circles[0].legend, "---Ga=12.00dB");
    EXPECT_TRUE(ga[0].starts_with(">Ga=12.00dB center=")) << ga[0];
    EXPECT_TRUE(lines("circle nf 1")[0].starts_with(">NF=1.00dB center="));
    EXPECT_TRUE(lines("circle gp 40")[0].starts_with(">circle gp "));
    EXPECT_EQ(host.circles.size(), 2u);
}

TEST_F(ConsoleTwoPort, RefusalsChangeNothing) {
    const Real fo = state.Fo;
    std::vector<std::string> out = lines("twoport " + dir.file("missing.s2p") + " 1g");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_TRUE(out[0].starts_with(">twoport"));
    out = lines("twoport " + stable + " 3g");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_NE(out[1].find("1000.000000 - 2000.000000 MHz"), std::string::npos) << out[1];
    EXPECT_EQ(state.Fo, fo);

    // A conditionally stable row: MSG, no match, and ampin leaves the network alone.
    WritableNetwork(state).NodeCount = 1;
    WritableNetwork(state).network[1].nodeR = 0.5L;
    out = lines("twoport " + unstable + " 1g");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_TRUE(out[2].starts_with(">MSG=")) << out[2];
    EXPECT_EQ(out[3].find("GammaMS"), std::string::npos);
    EXPECT_EQ(network.canUndo(), true); // Fo was set
    const std::size_t changesBefore = changes.size();
    EXPECT_NE(lines("ampin")[0].find("K<=1"), std::string::npos);
    EXPECT_EQ(lines("ampin opt")[0], ">ampin opt 文件在该频率没有噪声参数");
    EXPECT_EQ(changes.size(), changesBefore);
    EXPECT_EQ(state.network[1].nodeR, 0.5L);
}

} // namespace
} // namespace qv
