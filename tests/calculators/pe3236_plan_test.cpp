#include "calculators/analysis/character_code.h"
#include "calculators/analysis/pe3236_plan.h"
#include "core/numbers/errors.h"
#include "core/settings/atomic_file.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Pe3236Plan, CountersAndChannelNumbers) {
    const Pe3236Setting s = PlanPe3236(554, 10, 4);
    EXPECT_EQ(s.vcoMHz, 518);
    EXPECT_EQ(s.n, 259);
    EXPECT_EQ(s.m, 24);
    EXPECT_EQ(s.a, 9);
    EXPECT_EQ(s.channel, 31);
    EXPECT_EQ(PlanPe3236(474, 10, 4).channel, 21);
    EXPECT_EQ(PlanPe3236(300, 10, 4).channel, 0); // -6 / 8 rounds toward zero
    EXPECT_EQ(PlanPe3236(290, 10, 4).channel, -2);
    // A comparison frequency of 2.5 MHz (R = 3): N = trunc(518 / 2.5) = 207.
    EXPECT_EQ(PlanPe3236(554, 10, 3).n, 207);
    EXPECT_THROW(PlanPe3236(554, 0, 4), FloatingPointError);
    EXPECT_THROW(PlanPe3236(554, 10, -1), FloatingPointError);
}

TEST(ChannelFile, InitialValuesMatchTheGoldenFile) {
    const std::optional<std::string> golden =
        ReadWholeFile(std::string(QV_CALCULATOR_TEST_DATA) + "/channel_plan_initial.txt");
    ASSERT_TRUE(golden);
    EXPECT_EQ(ChannelFileText(ChannelFileRequest{}), *golden);
}

TEST(ChannelFile, BankCountersCycleEveryTwentyFourLines) {
    ChannelFileRequest r;
    r.startMHz = 0;
    r.endMHz = 97;
    r.stepMHz = 1;
    r.tabs = 0;
    const std::string text = *ChannelFileText(r);
    std::vector<std::string> lines;
    for (std::size_t begin = 0, end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    ASSERT_EQ(lines.size(), 97u);
    const auto counters = [&](std::size_t n) {
        const std::size_t at = lines[n].find("ctrA");
        return lines[n].substr(at, 21);
    };
    EXPECT_EQ(counters(0), "ctrA=2'd3;ctrB=2'd0;e");
    EXPECT_EQ(counters(23), "ctrA=2'd3;ctrB=2'd0;e");
    EXPECT_EQ(counters(24), "ctrA=2'd2;ctrB=2'd1;e");
    EXPECT_EQ(counters(48), "ctrA=2'd1;ctrB=2'd2;e");
    EXPECT_EQ(counters(95), "ctrA=2'd0;ctrB=2'd3;e");
    EXPECT_EQ(counters(96), "ctrA=2'd3;ctrB=2'd0;e");
    EXPECT_EQ(lines[96].rfind("6'd96:begin", 0), 0u); // the record number keeps counting past 63
}

TEST(ChannelFile, RefusesRequestsThatWouldNotEndOrFloodTheDisk) {
    ChannelFileRequest r;
    r.stepMHz = 0;
    EXPECT_FALSE(ChannelFileText(r));
    r.stepMHz = -2;
    EXPECT_FALSE(ChannelFileText(r));
    r.startMHz = 700; // nothing to write: an empty file, whatever the step
    EXPECT_EQ(ChannelFileText(r), "");
    r = {};
    r.startMHz = 0;
    r.endMHz = 2000000000;
    EXPECT_FALSE(ChannelFileText(r));
    r = {};
    r.tabs = 1000000;
    EXPECT_FALSE(ChannelFileText(r));
    r.tabs = -3; // no tabs
    EXPECT_EQ(ChannelFileText(r)->substr(0, 4), "6'd0");
    r.referenceMHz = 0;
    EXPECT_THROW(ChannelFileText(r), FloatingPointError);
}

TEST(FinList, ThreeChannelsEightMegahertzApart) {
    EXPECT_EQ(FinListText(554), "             1  554  518  24   9\r\n"
                                "             2  562  526  25   3\r\n"
                                "             3  570  534  25   7\r\n");
}

TEST(CharacterTable, CodeOfTheLowByte) {
    EXPECT_EQ(CharacterCodeText(65), "65-->A");
    EXPECT_EQ(CharacterCodeText(0), std::string("0-->") + '\0');
    EXPECT_EQ(CharacterCodeText(256 + 66), "322-->B");
    EXPECT_EQ(CharacterCodeText(128), "128-->\xE2\x82\xAC");
    EXPECT_EQ(CharacterCodeText(200), "200-->");
}

} // namespace
} // namespace qv
