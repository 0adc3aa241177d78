#include "sparams/analysis/sparameter_file.h"

#include "core/settings/atomic_file.h"
#include "sparams/model/sparameter_file_texts.h"
#include "support/test_paths.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace qv {
namespace {

// Each maker file's first data line read by hand: frequency in MHz and S11, S22 as linear
// magnitude and degrees; the row count is the file's number of S-parameter frequencies.
struct RealFile {
    const char* name;
    std::size_t rows;
    const char* firstMhz;
    PolarValue firstS11;
    PolarValue firstS22;
    const char* lastMhz;
};

PolarValue Db(long double db, long double degrees) {
    return {std::pow(10.0L, db / 20), degrees};
}

PolarValue Ri(long double re, long double im) {
    return {std::sqrt(re * re + im * im), std::atan2(im, re) * 180 / std::numbers::pi_v<long double>};
}

const RealFile RealFiles[] = {
    {"adi_ADL8100_deembedded.s2p", 2500, "10", Db(-10.571277, 168.538870), Db(-8.980296, -169.432684),
     "25000"},
    {"ads_cpw_t0um.s2p", 100, "200", {0.00243138776L, -127.505431L}, {0.00243138776L, -127.505431L}, "20000"},
    {"atc_600S1R0_1pF.S2P", 401, "0", Db(0, 0), Db(0, 0), "26335"},
    {"avago_ATF-36163_2V_20mA.s2p", 19, "500", {0.994L, -11.742L}, {0.482L, -9.149L}, "18000"},
    {"avago_VMMK-1218_2V_20mA.s2p", 173, "2000", {0.8921L, -79.6273L}, {0.5531L, -54.8908L}, "45000"},
    {"awr_mwo_tlinp.s2p", 201, "10", Db(-45.0952624156537L, -89.1519419491076L),
     Db(-45.0952624156528L, -89.1519419491102L), "1000"},
    {"cadence_clarity_example.S2P", 40, "50", Ri(0.00160219470882917L, 0.0101154610998783L),
     Ri(0.00160087857200664L, 0.0101154783778725L), "2000"},
    {"coilcraft_0603HP_10nH.s2p", 201, "1", {893.5e-6L, 44.616L}, {893.5e-6L, 44.616L}, "10000"},
    {"fixture_double_option_line.s2p", 2, "1000", Ri(1, 2), Ri(7, 8), "1100"},
    {"fixture_utf8_bom.s2p", 1, "1000", Ri(1, -1), Ri(1, -1), "1000"},
    {"hfss_twoport.s2p",
     101,
     "75000",
     {0.00704607529970448L, -86.1700776742048L},
     {0.00694751014337044L, -85.9407145828164L},
     "110000"},
    {"infineon_BFP450_3V_40mA.s2p", 58, "30", {0.2335L, -57.5L}, {0.8866L, -19.3L}, "12000"},
    {"infineon_BFP740ESD_3V_6mA.s2p", 233, "10", {0.9474L, -1.6L}, {0.9919L, 1.0L}, "10000"},
    {"minicircuits_LFCN-2352_25degC.s2p", 2006, "10", Db(-40.10140L, -47.91718L), Db(-40.33467L, -61.19190L),
     "50000"},
    {"minicircuits_SAV-541_3V_60mA.s2p", 401, "100", {0.99413L, -18.165L}, {0.49695L, -14.806L}, "18000"},
    {"nxp_BFR520_3V_10mA_1991.s2p", 21, "40", {0.800L, -14.7L}, {0.954L, -8.6L}, "3000"},
    {"nxp_BFU520_05V0_010mA_NF_SP.s2p", 37, "400", {0.54054L, -99.54L}, {0.64309L, -42.41L}, "2000"},
    {"qucs_coaxial.s2p", 101, "40", Ri(-9.03235729001e-03L, -3.36317327770e-02L),
     Ri(-9.03235729001e-03L, -3.36317327770e-02L), "100"},
    {"rs_ZVR_1.20_beta_f.s2p", 1, "0.001", Db(-0.00001L, -100.001L), Db(-0.00004L, -100.004L), "0.001"},
    {"rsatoolbox_ntwk4_n.s2p", 301, "70000", Ri(0.3280940722L, 0.6879919024L),
     Ri(0.05207756442L, 0.5831461167L), "85000"},
    {"tapr_vna_r2_valid.s2p", 1020, "0.5", Ri(-3.33238e-01L, 1.80018e-04L), Ri(-3.33238e-01L, 3.08078e-04L),
     "900"},
    {"ts1spec_ex18_defaults_noise.s2p", 2, "2000", {0.95L, -26}, {0.66L, -14}, "22000"},
    {"ts2spec_ex17_2port_noise_ref50_25.ts", 2, "2000", {0.95L, -26}, {0.66L, -14}, "22000"},
    {"wincal_zva67_190ghz_tx.S2P",
     801,
     "140000",
     {0.12252435857L, -60.499525269L},
     {0.79877003689L, 34.477683153L},
     "220000"},
};

void ExpectPolar(const std::optional<PolarValue>& actual, PolarValue expected, const char* what) {
    ASSERT_TRUE(actual) << what;
    // The files carry at most 15 significant digits.
    EXPECT_NEAR(static_cast<double>(actual->magnitude), static_cast<double>(expected.magnitude),
                1e-12 * static_cast<double>(expected.magnitude) + 1e-300)
        << what;
    EXPECT_NEAR(static_cast<double>(actual->angleDegrees), static_cast<double>(expected.angleDegrees), 1e-9)
        << what;
}

TEST(RealSParameterFiles, RowsFrequenciesAndFirstValues) {
    if (test::SharedTestData("s2p").empty())
        GTEST_SKIP() << "shared S-parameter files absent";
    for (const RealFile& file : RealFiles) {
        const std::optional<std::string> bytes = ReadWholeFile(test::SharedTestData("s2p") + "/" + file.name);
        ASSERT_TRUE(bytes) << file.name;
        const SParameterParse parsed = ParseSParameterFile(*bytes, {1, 50, true});
        ASSERT_TRUE(parsed.table) << file.name << ": " << SParameterErrorText(parsed.error).toStdString();
        const SParameterTable& table = *parsed.table;
        ASSERT_EQ(table.rows.size(), file.rows) << file.name;
        EXPECT_EQ(CellText(table, 0, 0), file.firstMhz) << file.name;
        EXPECT_EQ(CellText(table, table.rows.size() - 1, 0), file.lastMhz) << file.name;
        ExpectPolar(table.rows.front().s11, file.firstS11, file.name);
        ExpectPolar(table.rows.front().s22, file.firstS22, file.name);
    }
}

TEST(RealSParameterFiles, TheBrokenPairIsReportedAndTheReferenceNamed) {
    const std::string folder = test::SharedTestData("s2p");
    if (folder.empty())
        GTEST_SKIP() << "shared S-parameter files absent";
    const SParameterParse broken =
        ParseSParameterFile(ReadWholeFile(folder + "/tapr_vna_r2_broken_pair.s2p").value_or(""), {});
    EXPECT_FALSE(broken.table);
    EXPECT_EQ(SParameterErrorText(broken.error).toStdString(), "第7行：缺少S22 A的数值");

    const SParameterParse ts2 =
        ParseSParameterFile(ReadWholeFile(folder + "/ts2spec_ex17_2port_noise_ref50_25.ts").value_or(""), {});
    ASSERT_TRUE(ts2.table);
    ASSERT_EQ(ts2.table->warnings.size(), 1u);
    EXPECT_NE(ts2.table->warnings[0].reference.find("25.0"), std::string::npos);

    // In the 11-column layout a 9-column file either loads or names its failing line.
    for (const RealFile& file : RealFiles) {
        const SParameterParse agilent = ParseSParameterFile(
            ReadWholeFile(folder + "/" + file.name).value_or(""), {AgilentFormat, 50, true});
        EXPECT_NE(agilent.table.has_value(), agilent.error.line > 0) << file.name;
    }
}

} // namespace
} // namespace qv
