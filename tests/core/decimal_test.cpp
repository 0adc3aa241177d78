#include "core/numbers/decimal.h"
#include "core/numbers/errors.h"
#include "support/random_text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace qv;

TEST(StrToFloat, ReadsSignDigitsPointAndExponent) {
    EXPECT_EQ(StrToFloat("50"), 50);
    EXPECT_EQ(StrToFloat(" -2.5 "), -2.5L);
    EXPECT_EQ(StrToFloat("+.5"), 0.5L);
    EXPECT_EQ(StrToFloat("3."), 3);
    EXPECT_EQ(StrToFloat("1.5E9"), 1.5e9L);
    EXPECT_EQ(StrToFloat("554000000"), 554000000);
}

TEST(StrToFloat, MalformedTextCarriesThePlatformMessage) {
    for (const char* bad : {"", "-", ".", "1.2.3", "p", "1e", "1 2", "--1", "0x10", "1,5", "inf", "nan"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid floating point value");
        }
    }
    EXPECT_THROW(StrToFloat("1e99999"), ConversionError); // out of range is no number either
}

TEST(StrToInt, WholeNumbersInThirtyTwoBits) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt(" -7"), -7);
    EXPECT_EQ(StrToInt("+3"), 3);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    for (const char* bad : {"", "1x", "1.0", "2147483648", "+-5", "-", "+"})
        EXPECT_THROW(StrToInt(bad), ConversionError) << bad;
    try {
        StrToInt("1x");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
    }
}

TEST(StrToFloat, RandomBytesNeverCrash) {
    test::RandomText random(12345);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = random.alternating(i, "0123456789.+-eE pPnNmM\t\x01\xff", 12);
        Real value = 0;
        int whole = 0;
        (void)TryStrToFloat(text, value);
        (void)TryStrToInt(text, whole);
    }
    SUCCEED();
}
