#include "calculators/analysis/link_budget.h"
#include "calculators/analysis/rf_formulas.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"

#include <gtest/gtest.h>
#include <string>

namespace qv {
namespace {

TEST(CutoffFrequency, ReadsMegahertzAnywhereOrWholeHertz) {
    const std::pair<const char*, long long> rows[] = {
        {"10M", 10000000},   {"10m", 10000000}, {"10000000", 10000000}, {"10.5M", 10500000},
        {" M10 ", 10000000}, {"0.0000025M", 2}, {"0.0000035M", 4}, // halves round to even
    };
    for (const auto& [text, hertz] : rows)
        EXPECT_EQ(ParseCutoffFrequency(text), hertz) << text;
    for (const char* bad : {"10.5", "", "M", "10Mm", "1e30M", "abc"})
        EXPECT_ANY_THROW(ParseCutoffFrequency(bad)) << bad;
    EXPECT_THROW(ParseCutoffFrequency("1e30M"), ConversionError); // no exponent in typed numbers
    EXPECT_THROW(ParseCutoffFrequency(std::string(20, '9') + "M"), FloatingPointError);
    EXPECT_THROW(ParseCutoffFrequency("10.5"), ConversionError);
}

TEST(ConstantK, FiftyOhmsAtTenMegahertz) {
    const ConstantKSection k = DesignConstantK(50, 10e6L);
    EXPECT_EQ(FormatConstantKValue(k.halfInductance, "uH"), "    0.795775uH");
    EXPECT_EQ(FormatConstantKValue(k.capacitance, "uF"), "    0.000637uF");
    // Large values leave the micro-unit form: 50 ohm at 10 Hz.
    EXPECT_EQ(FormatConstantKValue(DesignConstantK(50, 10).halfInductance, "uH"), "0.795774715459477");
    EXPECT_THROW(DesignConstantK(0, 10e6L), FloatingPointError);
    EXPECT_THROW(DesignConstantK(50, 0), FloatingPointError);
}

TEST(TeePad, ThreeDecibelsBetweenFiftyOhms) {
    const TeePad pad = DesignTeePad(50, 50, 3);
    EXPECT_EQ(Format("%3.2f", {pad.r1}), "8.55");
    EXPECT_EQ(Format("%3.2f", {pad.r2}), "8.55");
    EXPECT_EQ(Format("%3.2f", {pad.r3}), "141.93");
    // The designed pad presents Z1 when terminated in Z2 (the image-impedance property).
    EXPECT_NEAR(static_cast<double>(TeePadInputResistance(pad, 50)), 50.0, 1e-12);
    const TeePad uneven = DesignTeePad(50, 75, 10);
    EXPECT_NEAR(static_cast<double>(TeePadInputResistance(uneven, 75)), 50.0, 1e-12);
    // The rounded resistors printed by the window.
    EXPECT_EQ(Format("%.6f", {TeePadInputResistance({8.55L, 8.55L, 141.93L}, 50)}), "50.000526");
    EXPECT_THROW(DesignTeePad(50, 50, 0), FloatingPointError);
    EXPECT_THROW(DesignTeePad(-50, 50, 3), FloatingPointError);
    EXPECT_THROW(TeePadInputResistance({0, -100, 50}, 50), FloatingPointError);
}

TEST(Wavelength, FractionsAtUhf) {
    EXPECT_EQ(Format("%3.5fcm", {WavelengthFractionCm(474e6L, 4)}), "15.81184cm");
    EXPECT_EQ(Format("%3.5fcm", {WavelengthFractionCm(474e6L, 1)}), "63.24735cm");
    EXPECT_THROW(WavelengthFractionCm(0, 1), FloatingPointError);
}

TEST(Levels, PowerAndVoltageBothWays) {
    EXPECT_EQ(Format("%3.5f", {DbmToWatts(27)}), "0.50119");
    EXPECT_EQ(Format("%3.5f", {WattsToDbm(0.5L)}), "26.98970");
    EXPECT_EQ(Format("%3.5f", {VoltageToLevelDb(1000, *UnitsPerVolt("uV"))}), "-60.00000");
    EXPECT_EQ(Format("%3.5f", {VoltageToLevelDb(2, *UnitsPerVolt("V"))}), "6.02060");
    EXPECT_EQ(Format("%3.5f", {LevelDbToVoltage(-20, *UnitsPerVolt("mV"))}), "100.00000");
    EXPECT_FALSE(UnitsPerVolt("dbuV"));
    EXPECT_THROW(WattsToDbm(0), FloatingPointError);
    EXPECT_THROW(VoltageToLevelDb(-1, 1), FloatingPointError);
    EXPECT_THROW(DbmToWatts(1e6L), FloatingPointError);
}

TEST(Resistors, DividerAndParallel) {
    EXPECT_EQ(Format("%3.2f", {DividerOutput(5, 76, 24)}), "1.20");
    EXPECT_EQ(Format("%3.2f", {ParallelResistance(100, 300)}), "75.00");
    EXPECT_THROW(DividerOutput(5, 10, -10), FloatingPointError);
    EXPECT_THROW(ParallelResistance(10, -10), FloatingPointError);
}

TEST(LinkBudget, FreeSpaceLossAndRange) {
    EXPECT_EQ(Format("%5.2fdB", {FreeSpaceLossDb(474, 10, 5.5L, 10.2L)}), "90.27dB");
    // Friis at 1 GHz over 1 km: 20 lg(4 pi d / lambda) = 92.45 dB; a negative gain adds loss.
    EXPECT_EQ(Format("%5.2fdB", {FreeSpaceLossDb(1000, 1, 0, 0)}), "92.45dB");
    EXPECT_EQ(Format("%5.2fdB", {FreeSpaceLossDb(1000, 1, -3, 0)}), "95.45dB");
    EXPECT_EQ(Format("%5.2fKm", {LineOfSightRangeKm(10, 10)}), "26.06Km");
    EXPECT_THROW(FreeSpaceLossDb(0, 10, 0, 0), FloatingPointError);
    EXPECT_THROW(FreeSpaceLossDb(474, -1, 0, 0), FloatingPointError);
    EXPECT_THROW(LineOfSightRangeKm(-1, 10), FloatingPointError);
}

} // namespace
} // namespace qv
