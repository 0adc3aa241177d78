#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

using namespace qv;

TEST(Format, FixedPointWidthsAndPrecisions) {
    EXPECT_EQ(Format("%3.2f", {3.14159L}), "3.14");
    EXPECT_EQ(Format("%8.3f|", {2.5L}), "   2.500|");
    EXPECT_EQ(Format("%f", {554.0L}), "554.00"); // no precision: two decimals
    EXPECT_EQ(Format("%4fM", {554.0L}), "554.00M");
    EXPECT_EQ(Format("%7f|", {1.5L}), "   1.50|");
    EXPECT_EQ(Format("%3.4F", {999999.999L}), "999999.9990");
    EXPECT_EQ(Format("%F", {2.0L}), "2.00");
    EXPECT_EQ(Format("%.0f", {2.5L}), "2"); // ties to even on the exact binary value
    EXPECT_EQ(Format("%1.1f", {0.3L}), "0.3");
}

TEST(Format, NegativeZeroPrintsWithoutSign) {
    EXPECT_EQ(Format("%3.3f", {-0.0L}), "0.000");
    EXPECT_EQ(Format("%3.3f", {-0.0001L}), "0.000");
    EXPECT_EQ(Format("%3.3f", {-0.0006L}), "-0.001");
}

TEST(Format, WholeNumbersTextsAndMixedArguments) {
    EXPECT_EQ(Format("接入元件%d", {3}), "接入元件3");
    EXPECT_EQ(Format("%4d|%-4d|", {7, 8}), "   7|8   |");
    EXPECT_EQ(Format("Z=%3.2f+j%3.2f", {50.0L, 25.125L}), "Z=50.00+j25.12");
    EXPECT_EQ(Format("%s:%s", {"a", std::string("b")}), "a:b");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%f", {7}), "7.00"); // a whole number prints as a real where %f asks for it
}

TEST(Format, NonFiniteValuesArePrintable) {
    constexpr Real inf = std::numeric_limits<Real>::infinity();
    EXPECT_EQ(Format("%4.2f", {inf}), " INF");
    EXPECT_EQ(Format("%4.2f", {-inf}), "-INF");
    EXPECT_EQ(Format("%4.2f", {std::numeric_limits<Real>::quiet_NaN()}), " NAN");
}

TEST(Format, MismatchedArgumentsAreErrorsNotUndefinedBehaviour) {
    EXPECT_THROW(Format("%f %f", {1.0L}), FormatError);
    EXPECT_THROW(Format("%d", {1.5L}), FormatError);
    EXPECT_THROW(Format("%s", {1}), FormatError);
    EXPECT_THROW(Format("%q", {1}), FormatError);
    EXPECT_THROW(Format("%3", {1}), FormatError);
}

TEST(FormatGeneral, ShortestFormUpToFifteenDigits) {
    EXPECT_EQ(FormatGeneral(50), "50");
    EXPECT_EQ(FormatGeneral(0.5L), "0.5");
    EXPECT_EQ(FormatGeneral(1e-5L), "1E-5");
    EXPECT_EQ(FormatGeneral(0.0001L), "0.0001");
    EXPECT_EQ(FormatGeneral(554e6L), "554000000");
    EXPECT_EQ(FormatGeneral(-2.25L), "-2.25");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(1e15L), "1E15");
    EXPECT_EQ(FormatGeneral(123456789012345.0L), "123456789012345");
    EXPECT_EQ(FormatGeneral(1.0L / 3), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(15.9155e-12L), "1.59155E-11");
}
