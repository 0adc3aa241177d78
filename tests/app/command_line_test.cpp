#include "app/command_line.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CommandLine, ReadsEachOptionWithItsValue) {
    const CommandLine c = ParseCommandLine(
        {"--data-dir", "/d", "--save-chart", "x.bmp", "--chart-size", "100x50", "--lang", "en"}, nullptr);
    EXPECT_EQ(c.error, "");
    EXPECT_EQ(c.lang, "en");
    EXPECT_EQ(c.dataDir, "/d");
    EXPECT_EQ(c.saveChart, "x.bmp");
    EXPECT_EQ(c.chartSize, "100x50");
}

TEST(CommandLine, DataDirOverridesQuorvaneHome) {
    EXPECT_EQ(ParseCommandLine({}, "/home").dataDir, "/home");
    EXPECT_EQ(ParseCommandLine({"--data-dir", "/d"}, "/home").dataDir, "/d");
}

TEST(CommandLine, UnknownOrIncompleteOptionsAreErrors) {
    EXPECT_EQ(ParseCommandLine({"--frobnicate"}, nullptr).error, "unknown option: --frobnicate");
    EXPECT_EQ(ParseCommandLine({"--save-chart"}, nullptr).error, "--save-chart needs a value");
}

TEST(PictureSize, AcceptsWidthByHeightInRange) {
    const std::optional<PictureSize> s = ParsePictureSize("1920x1080");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->width, 1920);
    EXPECT_EQ(s->height, 1080);
    EXPECT_TRUE(ParsePictureSize("1X1"));
    EXPECT_TRUE(ParsePictureSize("16384x16384"));
}

TEST(PictureSize, RejectsEverythingElse) {
    for (const char* text : {"", "x", "100", "100x", "x100", "0x10", "10x0", "-5x10", "16385x10",
                             "99999999999x1", "10x10x10", "10 x10", "1.5x2", "ax b"})
        EXPECT_FALSE(ParsePictureSize(text)) << text;
}

} // namespace
} // namespace qv
