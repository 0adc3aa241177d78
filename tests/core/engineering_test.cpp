#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "support/random_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace qv;

namespace {
struct ParseRow {
    const char* text;
    Real value;
};
} // namespace

TEST(ParseEngineering, SuffixesAndPlainNumbers) {
    const ParseRow rows[] = {
        {"10p", 10 * 1e-12L},
        {"20n", 20 * 1e-9L},
        {"10nf", 10 * 1e-9L},
        {"554M", 554 * 1e6L},
        {"554m", 554 * 1e6L},
        {"4.7k", 4.7L * 1e3L},
        {"1G", 1e9L},
        {"50", 50},
        {"-5", -5},
        {"-5p", -5 * 1e-12L},
        {"2.2uH", 2.2L * 1e-6L},
        {"1.5G", 1.5L * 1e9L},
        {"10F", 10},
        {"100H", 100},
        {"10p ", 10 * 1e-12L},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseEngineering(row.text), row.value) << row.text;
}

TEST(ParseEngineering, RejectedTextsGiveTheSentinel) {
    for (const char* text : {"", "   ", " 10p", "1e-9", "1.5GHz", "1-2", "10 p", "abc", "+3"})
        EXPECT_EQ(ParseEngineering(text), RejectedEngineeringValue) << "'" << text << "'";
}

TEST(ParseEngineering, AcceptedButMalformedTextsRaiseTheConversionError) {
    for (const char* text : {"1.2.3p", "p", "-", "..", "-1e3z"})
        EXPECT_THROW(ParseEngineering(text), ConversionError) << text;
    try {
        ParseEngineering("1.2.3p");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1.2.3' is not a valid floating point value");
    }
}

TEST(ParseInductance, MilliIsMilliHere) {
    EXPECT_EQ(ParseInductance("10n"), 10 * 1e-9L);
    EXPECT_EQ(ParseInductance("4.7u"), 4.7L * 1e-6L);
    EXPECT_EQ(ParseInductance("2m"), 2 * 1e-3L);
    EXPECT_EQ(ParseInductance("3"), 3);
    EXPECT_EQ(ParseInductance("-3"), RejectedInductance);
    EXPECT_EQ(ParseInductance("10nH"), RejectedInductance);
    EXPECT_EQ(ParseInductance(""), RejectedInductance);
    EXPECT_THROW(ParseInductance("m"), ConversionError);
}

TEST(ValidateNumber, DigitsPointsAndALeadingMinus) {
    EXPECT_EQ(ValidateNumber("12.5"), 1);
    EXPECT_EQ(ValidateNumber("-3"), 1);
    EXPECT_EQ(ValidateNumber("1.2.3"), 1); // passes, and fails later in the conversion
    for (const char* text : {"", " 12", "1e3", "10p", "+3", "3-", "12 "})
        EXPECT_EQ(ValidateNumber(text), -1) << "'" << text << "'";
}

TEST(ValidateDigits, OnlyDecimalDigits) {
    EXPECT_TRUE(ValidateDigits("400"));
    EXPECT_FALSE(ValidateDigits("4.0"));
    EXPECT_FALSE(ValidateDigits(""));
    EXPECT_FALSE(ValidateDigits("-1"));
}

TEST(EngineeringFormatters, UnitStepsAndBoundaries) {
    EXPECT_EQ(FormatCapacitance(1e-9L), "1.00nF"); // the boundary goes to the higher unit
    EXPECT_EQ(FormatCapacitance(0.5L), "0.50F");
    EXPECT_EQ(FormatCapacitance(-1e-12L), "-1.00pF");
    EXPECT_EQ(FormatCapacitance(15.9155e-12L), "15.92pF");
    EXPECT_EQ(FormatCapacitance(2.2e-6L), "2.20uF");
    EXPECT_EQ(FormatInductance(0.5L), "500.00mH");
    EXPECT_EQ(FormatInductance(1), "1.00H");
    EXPECT_EQ(FormatInductance(4.53e-9L), "4.53nH");
    EXPECT_EQ(FormatFrequency(999), "");
    EXPECT_EQ(FormatFrequency(1000), "1.00K");
    EXPECT_EQ(FormatFrequency(554e6L), "554.00M");
    EXPECT_EQ(FormatFrequency(2.4e9L), "2.40G");
    EXPECT_EQ(FormatLength(0.0005L), "500.00um");
    EXPECT_EQ(FormatLength(1), "1.00m");
    EXPECT_EQ(FormatLength(0.00076L), "760.00um");
    EXPECT_EQ(FormatLength(0.0015L), "1.50mm");
    EXPECT_EQ(FormatLength(5e-7L), "500.00nm");
}

TEST(EngineeringParsers, RandomBytesNeverCrash) {
    test::RandomText random(777);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = random.alternating(i, "0123456789.-pPnNuUmMkKgGfFhHez \t", 10);
        try {
            (void)ParseEngineering(text);
        } catch (const ConversionError&) {
        }
        try {
            (void)ParseInductance(text);
        } catch (const ConversionError&) {
        }
        (void)ValidateNumber(text);
        (void)ValidateDigits(text);
    }
    SUCCEED();
}

// An exponent is no part of a number a user types, with or without a leading minus sign; a value
// beyond the arithmetic's range is no value either. File data keeps its exponent.
TEST(TypedNumbers, NoExponentAndNothingBeyondTheRange) {
    EXPECT_THROW(ParseEngineering("-1e1p"), ConversionError);
    EXPECT_EQ(ParseEngineering("1e1p"), RejectedEngineeringValue);
    EXPECT_THROW(TypedToFloat("1e3"), ConversionError);
    EXPECT_EQ(TypedToFloat(" -2.5 "), -2.5L);
    EXPECT_EQ(StrToFloat("1.5E9"), 1.5e9L);
    const std::string huge(4930, '9');
    EXPECT_EQ(ParseEngineering(huge + "G"), RejectedEngineeringValue);
    EXPECT_EQ(ParseEngineering("-" + huge + "k"), RejectedEngineeringValue);
}

// Fo and Zo are stored as texts that read back to the very same value.
TEST(StoreTexts, ReadBackToTheSameValue) {
    EXPECT_EQ(FrequencyStoreText(ParseEngineering("554M")), "554M");
    EXPECT_EQ(FrequencyStoreText(ParseEngineering("2.345678G")), "2.345678G");
    EXPECT_EQ(FrequencyStoreText(ParseEngineering("1.5K")), "1.5K");
    EXPECT_EQ(FrequencyStoreText(500), "500");
    EXPECT_EQ(ImpedanceStoreText(ParseEngineering("33.333333")), "33.333333");
    EXPECT_EQ(ImpedanceStoreText(ParseEngineering("0.001")), "0.001");
    EXPECT_EQ(ImpedanceStoreText(0), "");
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> exponent(-4, 12);
    for (int i = 0; i < 2000; ++i) {
        // Values that no short text gives: powers of ten times a random mantissa.
        const Real value = std::pow(10.0L, static_cast<Real>(exponent(random))) / 3;
        EXPECT_EQ(ParseEngineering(FrequencyStoreText(value)), value) << FrequencyStoreText(value);
        EXPECT_EQ(ParseEngineering(ImpedanceStoreText(value)), value) << ImpedanceStoreText(value);
    }
}
