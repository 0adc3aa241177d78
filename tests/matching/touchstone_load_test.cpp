#include "matching/analysis/touchstone/touchstone_load.h"

#include "core/settings/atomic_file.h"
#include "matching/analysis/network_two_port.h"
#include "matching/analysis/touchstone/touchstone_export.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/model/sparameter_file_texts.h"
#include "support/test_paths.h"

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TouchstoneLoad, ExportedTwoPortReadsBackThroughTheParser) {
    SweepNetwork n;
    n.load = {0.4L, -0.3L};
    n.source = {1, 0};
    const MicrostripBlock strip{0, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 12e-3L};
    n.elements = {{SeriesCapacitor, {}, 0, 8e-12L},
                  {ShuntMicrostripStub, strip, 0, 0},
                  {SeriesMicrostripLine, strip, 0, 0},
                  {ShuntInductor, {}, 0, 22e-9L}};
    const std::vector<ResponsePoint> sweep = SweepResponse(n, nullptr, {100e6L, 1e9L, 7});
    const SweepRange range{100e6L, 1e9L, 7};
    const SParameterParse parse = ParseSParameterFile(EncodeTouchstone(n, sweep, 2).text, {});
    ASSERT_TRUE(parse.table) << SParameterErrorText(parse.error).toStdString();
    ASSERT_EQ(parse.table->rows.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const SParameters s = ToSParameters(NetworkChainMatrix(n, SweepFrequency(range, i)), 50);
        const SParameterRow& row = parse.table->rows[static_cast<std::size_t>(i)];
        ASSERT_TRUE(row.s11 && row.s22);
        // 15 significant digits written; the parser reads RI pairs into magnitude and angle.
        EXPECT_NEAR(static_cast<double>(row.s11->magnitude),
                    static_cast<double>(std::hypot(s.S11.re, s.S11.im)), 1e-13);
        EXPECT_NEAR(static_cast<double>(row.s22->angleDegrees),
                    static_cast<double>(std::atan2(s.S22.im, s.S22.re) / DegreesToRadians), 1e-10);
    }
}

TEST(TouchstoneLoad, PortsAndReferenceOfTheFile) {
    const std::string s1p = "! a one-port\n# MHz S RI R 75\n100 0.2 0.1\n200 0.3 -0.1\n";
    const LoadFileRead one = LoadFromTouchstone(s1p, true, 1, 50, "dut");
    ASSERT_TRUE(one.table) << SParameterErrorText(one.parseError).toStdString();
    EXPECT_EQ(one.table->referenceOhms, 75);
    ASSERT_EQ(one.table->samples.size(), 2u);
    EXPECT_EQ(one.table->samples[1].frequencyHz, 200e6L);
    EXPECT_NEAR(static_cast<double>(one.table->samples[1].reflection.im), -0.1, 1e-15);
    EXPECT_FALSE(LoadFromTouchstone(s1p, true, 2, 50, "dut").table);  // no S22 in a one-port
    EXPECT_FALSE(LoadFromTouchstone(s1p, false, 1, 50, "dut").table); // as a two-port: S21 missing
    EXPECT_FALSE(LoadFromTouchstone("# MHz S RI R 50\n100 0.2 0.1\n", true, 1, 50, "dut").table); // one point
    EXPECT_FALSE(LoadFromTouchstone("not a file\x01\x02", false, 1, 50, "dut").table);
    EXPECT_FALSE(ReadLoadFile("/nonexistent/x.s2p", 1, 50).table);
}

TEST(TouchstoneLoad, RealTransistorInputAsTheLoad) {
    const std::string path = test::SharedTestData("s2p/infineon_BFP450_3V_40mA.s2p");
    if (path.empty())
        GTEST_SKIP() << "shared test data absent";
    const LoadFileRead read = ReadLoadFile(path, 1, 50);
    ASSERT_TRUE(read.table) << SParameterErrorText(read.parseError).toStdString();
    ASSERT_EQ(read.table->samples.size(), 58u); // the noise block is not S-parameter data
    EXPECT_EQ(read.table->samples.front().frequencyHz, 30e6L);
    SweepNetwork bare;
    bare.source = {1, 0};
    const ResponsePoint p = ResponseAt(bare, &*read.table, 30e6L);
    ASSERT_TRUE(p.ok);
    // |S11| 0.2335 at -57.5 degrees in the file: the return loss is -20 lg 0.2335.
    EXPECT_NEAR(static_cast<double>(p.figures.returnLossDb), -20 * std::log10(0.2335), 1e-9);
}

} // namespace
} // namespace qv

namespace qv {
namespace {

// The worked two-port example of the Touchstone 2.0 format: port 1 at 50 ohm, port 2 at 25 ohm.
const std::string TwoReferences = "[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                                  "[Two-Port Data Order] 21_12\n[Reference] 50 25.0\n[Network Data]\n"
                                  "2 .95 -26 3.57 157 .04 76 .66 -14\n22 .60 -144 1.30 40 .14 40 .56 -85\n";

TEST(TouchstoneLoad, EachPortTakesItsOwnTouchstoneTwoReference) {
    const LoadFileRead port2 = LoadFromTouchstone(TwoReferences, false, 2, 50, "ts2");
    ASSERT_TRUE(port2.table) << SParameterErrorText(port2.parseError).toStdString();
    EXPECT_EQ(port2.table->referenceOhms, 25);
    EXPECT_EQ(LoadFromTouchstone(TwoReferences, false, 1, 50, "ts2").table->referenceOhms, 50);

    // Closed form: 25 (1 + G)/(1 - G) for G = 0.66 at -14 degrees, about 91.144 - j51.569 ohm.
    SweepNetwork bare;
    bare.source = {1, 0};
    const ResponsePoint p = ResponseAt(bare, &*port2.table, 2e9L);
    ASSERT_TRUE(p.ok);
    const std::complex<long double> g = std::polar(0.66L, -14 * DegreesToRadians);
    const std::complex<long double> z = 25.0L * (1.0L + g) / (1.0L - g);
    EXPECT_NEAR(static_cast<double>(p.sourceEnd.re * 50), static_cast<double>(z.real()), 1e-12);
    EXPECT_NEAR(static_cast<double>(p.sourceEnd.im * 50), static_cast<double>(z.imag()), 1e-12);
    EXPECT_TRUE(FormatSweepNumbers(p, 50).starts_with("2000.000000 91.144 -51.569 "))
        << FormatSweepNumbers(p, 50);

    const std::string path = test::SharedTestData("s2p/ts2spec_ex17_2port_noise_ref50_25.ts");
    if (path.empty())
        return;
    const LoadFileRead real = ReadLoadFile(path, 2, 50);
    ASSERT_TRUE(real.table) << SParameterErrorText(real.parseError).toStdString();
    EXPECT_TRUE(FormatSweepNumbers(ResponseAt(bare, &*real.table, 2e9L), 50)
                    .starts_with("2000.000000 91.144 -51.569 "));
}

TEST(TouchstoneLoad, ALoadFileIsSizeCheckedBeforeItIsRead) {
    test::TempDir dir;
    const std::string path = dir.file("huge.s2p");
    {
        std::ofstream out(path, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(MaxInputFileBytes)); // sparse: one byte past the limit
        out.put('\n');
    }
    const LoadFileRead read = ReadLoadFile(path, 1, 50);
    EXPECT_FALSE(read.table);
    EXPECT_EQ(read.problem, LoadFileRead::Problem::FileUnreadable);
    EXPECT_EQ(read.file.problem, FileProblem::TooLarge);
    std::filesystem::resize_file(path, MaxInputFileBytes); // at the limit it is read (and refused as data)
    EXPECT_NE(ReadLoadFile(path, 1, 50).problem, LoadFileRead::Problem::FileUnreadable);
}

} // namespace
} // namespace qv
