#include "core/numbers/tokens.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::vector<std::string> Words(const Tokens& t) {
    return {t.words.begin(), t.words.begin() + t.count};
}

TEST(SplitTokens, BlankRunsAndEdgesMakeNoEmptyWords) {
    const Tokens t = SplitTokens("   disp    3   ", ' ');
    EXPECT_EQ(Words(t), (std::vector<std::string>{"disp", "3"}));
    EXPECT_EQ(t[2], "");
    EXPECT_EQ(SplitTokens("", ' ').count, 0);
    EXPECT_EQ(SplitTokens("      ", ' ').count, 0);
}

TEST(SplitTokens, KeepsAtMostTwentyWords) {
    std::string line;
    for (int i = 1; i <= 25; ++i)
        line += "w" + std::to_string(i) + " ";
    const Tokens t = SplitTokens(line, ' ');
    EXPECT_EQ(t.count, 20);
    EXPECT_EQ(t[19], "w20");

    std::string exactlyTwenty;
    for (int i = 1; i <= 20; ++i)
        exactlyTwenty += (i > 1 ? " w" : "w") + std::to_string(i);
    EXPECT_EQ(SplitTokens(exactlyTwenty, ' ').count, 20);
    EXPECT_EQ(SplitTokens(exactlyTwenty, ' ')[19], "w20");
}

TEST(SplitTokens, OnlyTheSeparatorSeparates) {
    EXPECT_EQ(Words(SplitTokens("a,,b,c d", ',')), (std::vector<std::string>{"a", "b", "c d"}));
    EXPECT_EQ(Words(SplitTokens("disp\t3", ' ')), (std::vector<std::string>{"disp\t3"}));
}

TEST(SplitTokens, NumberModeKeepsRunsOfNumberCharacters) {
    EXPECT_EQ(Words(SplitTokens("R=12.5,X=-3.1;q", 0)), (std::vector<std::string>{"12.5", "-3.1"}));
    EXPECT_EQ(Words(SplitTokens("1.5e9 MHz", 0)), (std::vector<std::string>{"1.5", "9"}));
    EXPECT_EQ(SplitTokens("abc", 0).count, 0);
}

TEST(ParseIndex, DigitsOnly) {
    EXPECT_EQ(ParseIndex("0"), 0);
    EXPECT_EQ(ParseIndex("12"), 12);
    EXPECT_EQ(ParseIndex("007"), 7);
    EXPECT_EQ(ParseIndex("1x"), -1);
    EXPECT_EQ(ParseIndex("-1"), -1);
    EXPECT_EQ(ParseIndex("+3"), -1);
    EXPECT_EQ(ParseIndex(" 3"), -1);
    EXPECT_EQ(ParseIndex("2147483647"), 2147483647);
    EXPECT_EQ(ParseIndex("2147483648"), -1);
    EXPECT_EQ(ParseIndex("99999999999999999999999"), -1);
}

} // namespace
} // namespace qv
