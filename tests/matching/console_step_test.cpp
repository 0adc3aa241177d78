#include "core/numbers/errors.h"
#include "matching/console/console_commands.h"
#include "matching/console/console_step.h"
#include "matching/console/console_texts.h"
#include "tests/matching/console_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class ConsoleStep : public ::testing::Test, protected test::ConsoleFixtureState {
protected:
    test::RecordingHost host;
    test::RecordingView view;

    void run(std::string_view line) { RunConsoleLine(network, host, view, line); }
    void setStart() {
        WritableNetwork(state).network[1].nodeR = 1;
        WritableNetwork(state).network[1].sourceR = 1;
        WritableNetwork(state).NodeCount = 1;
    }
};

TEST_F(ConsoleStep, EveryLineEndsWithTheTypingStyle) {
    for (const char* line : {"", "disp", "settop 1", "clr", "?", "getcurr", "nonsense"}) {
        view.typingStyles.clear();
        run(line);
        EXPECT_EQ(view.typingStyles, (std::vector<ConsoleTextStyle>{TypingStyle})) << line;
    }
    EXPECT_EQ(TypingStyle, (ConsoleTextStyle{255, 12})); // red, 12 pt
}

TEST_F(ConsoleStep, TheTypingStyleReturnsAfterAnError) {
    view.typingStyles.clear();
    EXPECT_THROW(run("delc x"), ConversionError);
    EXPECT_EQ(view.typingStyles, (std::vector<ConsoleTextStyle>{TypingStyle}));
    EXPECT_TRUE(view.events.empty());
}

TEST_F(ConsoleStep, SettopChangesTheZOrderAndPrintsNothing) {
    run("settop 1");
    run("settop 0");
    run("settop 2");
    EXPECT_EQ(view.events, (std::vector<std::string>{"top 1", "top 0"}));
}

TEST_F(ConsoleStep, CommandListIsTheFixedLinesInBlack) {
    run("?");
    ASSERT_EQ(view.events.size(), ConsoleCommandListLines().size());
    EXPECT_EQ(view.events.front(), "line --------帮助--------");
    EXPECT_EQ(view.events[22], "line >help  软件帮助");
    EXPECT_EQ(view.events[24], "line >setsrc  50 0    设置源阻抗 R X（欧姆）");
}

TEST_F(ConsoleStep, DispWritesOneLinePerLineBreak) {
    run("disp");
    EXPECT_EQ(view.events, (std::vector<std::string>{"line >0:节点阻抗:=50.000-j0.000",
                                                     "line 输入阻抗:=50.000-j0.000", "line "}));
}

TEST_F(ConsoleStep, ExitHidesAndStillEchoes) {
    run("exit");
    EXPECT_EQ(view.events, (std::vector<std::string>{"close", "line exit"}));
}

TEST_F(ConsoleStep, ClrAndHelpClear) {
    run("clr");
    EXPECT_EQ(view.events, (std::vector<std::string>{"clear"}));
    view.events.clear();
    run("help");
    ASSERT_EQ(view.events.size(), 1 + ConsoleProgramHelp.size() + 1);
    EXPECT_EQ(view.events.front(), "clear");
    EXPECT_EQ(view.events[1], "line 软件功能：");
    EXPECT_EQ(view.events.back(), "line help");
}

TEST_F(ConsoleStep, TShowsTheSampleSParametersInRectangularForm) {
    run("t");
    // 0.65 at -166 degrees is -0.6307 - j0.1572, and so on.
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"notice s11=-0.63, -0.16", "notice s22=0.39 ,-0.33",
                                        "notice s12=0.06 ,0.04", "notice s21=0.70 ,3.32", "line t"}));
}

TEST_F(ConsoleStep, GetcurrShowsTheCountInTheNoticeStyle) {
    setStart();
    run("getcurr");
    EXPECT_EQ(view.events, (std::vector<std::string>{"notice 1"}));
}

TEST_F(ConsoleStep, ChangesToTheNetworkAskForARecalculationBeforeTheAnswer) {
    setStart();
    run("addc 2 1 c 10p");
    run("modify 2 c 12p");
    run("delc 7");
    run("delc 2");
    EXPECT_EQ(changes, (std::vector<std::string>{"elements", "elements", "elements"})); // not "delc 7"
    EXPECT_EQ(view.lines, (std::vector<std::string>{">2:串联电容12p", "节点阻抗:=1.000-j0.479"}));
}

TEST_F(ConsoleStep, StartNodeCommandsRecalculateAndRefillTheSetupWindow) {
    run("setload 50 25");
    EXPECT_EQ(changes, (std::vector<std::string>{"ends"}));
    EXPECT_EQ(view.lines, (std::vector<std::string>{">负载阻抗:=50.000+j25.000欧"}));
    changes.clear();
    run("setsrc x");
    EXPECT_TRUE(changes.empty());
}

TEST_F(ConsoleStep, AddcRefusedPrintsItsHelp) {
    run("addc 2 1 c 20p");
    EXPECT_EQ(view.lines, std::vector<std::string>(ConsoleAddcHelp.begin(), ConsoleAddcHelp.end()));
    EXPECT_TRUE(changes.empty());
}

TEST_F(ConsoleStep, ModeLinesFollowTheFlags) {
    run("mtr 1");
    run("mtr 0");
    run("rdtr");
    WritableNetwork(state).effflag = 1;
    run("rdtr");
    run("setm 0");
    run("setm 1");
    run("setm 5");
    run("getm");
    WritableNetwork(state).matchflag = 0;
    run("getm");
    EXPECT_EQ(view.lines, (std::vector<std::string>{
                              ">在计算微带接入时用有效波长计算", ">在计算微带接入时不用有效波长计算",
                              ">在计算微带接入时不用有效波长计算", "0", ">在计算微带接入时用有效波长计算",
                              "1", ">设置共扼匹配", ">设置阻抗匹配", ">设置阻抗匹配", ">系统设置为阻抗匹配",
                              ">系统设置为共扼匹配"}));
}

TEST_F(ConsoleStep, CurfreShowsTheFrequency) {
    run("setfre 2.4g");
    run("curfre");
    EXPECT_EQ(view.lines, (std::vector<std::string>{">当前频率为2.40G"}));
    EXPECT_EQ(changes, (std::vector<std::string>{"frequency"}));
}

TEST_F(ConsoleStep, SpOpensTheTableAndEchoes) {
    run("SP");
    EXPECT_EQ(view.events, (std::vector<std::string>{"sp", "line sp"}));
}

TEST_F(ConsoleStep, SetalSetsTheOpacityQuietly) {
    run("setal 1 150");
    EXPECT_EQ(host.opacities, (std::vector<int>{150}));
    EXPECT_TRUE(view.events.empty());
}

} // namespace
} // namespace qv
