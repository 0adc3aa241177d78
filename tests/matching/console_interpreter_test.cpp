#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/settings/atomic_file.h"
#include "core/settings/settings_store.h"
#include "matching/console/console_commands.h"
#include "matching/console/console_interpreter.h"
#include "matching/model/console_labels.h"
#include "matching/model/network_file.h"
#include "tests/matching/console_test_support.h"

#include <gtest/gtest.h>
#include <set>

#include <cstring>
#include <filesystem>
#include <random>

namespace qv {
namespace {

using Code = ConsoleResultCode;

class Console : public ::testing::Test, protected test::ConsoleFixtureState {
protected:
    test::RecordingHost host;

    ConsoleResult run(std::string_view line) { return InterpretCommand(network, host, line); }

    // A start node (load 1 + j1, source 1 + j0, normalised) and no element.
    void setStart() {
        WritableNetwork(state).network[1].nodeR = 1;
        WritableNetwork(state).network[1].nodeX = 1;
        WritableNetwork(state).network[1].sourceR = 1;
        WritableNetwork(state).NodeCount = 1;
    }
    MatchNode& addSlot(int kind, std::string_view label) {
        MatchNode& node = WritableNetwork(state).network[++WritableNetwork(state).NodeCount];
        node.kind = kind;
        StoreLabel(node, label);
        return node;
    }
    std::string label(int slot) const { return LabelText(state.network[slot], 23); }
    std::string para(std::string_view key) const { return ReadIniString(state.para.path(), "PARA", key); }

    // A copy of the network and count to compare against after a refused command.
    struct Snapshot {
        int count;
        std::vector<std::uint8_t> bytes;
    };
    Snapshot snapshot() const {
        Snapshot s{state.NodeCount, std::vector<std::uint8_t>(sizeof(MatchNetwork))};
        std::memcpy(s.bytes.data(), &state.network, sizeof(MatchNetwork));
        return s;
    }
    void expectUnchanged(const Snapshot& before) const {
        EXPECT_EQ(state.NodeCount, before.count);
        EXPECT_EQ(std::memcmp(before.bytes.data(), &state.network, sizeof(MatchNetwork)), 0);
    }
};

// ---- disp and FormatElementLine

TEST_F(Console, DispBeforeSetupListsTheReferenceImpedanceOnly) {
    const ConsoleResult r = run("disp");
    EXPECT_EQ(r.code, Code::Display);
    EXPECT_EQ(r.text, ">0:节点阻抗:=50.000-j0.000\r\n输入阻抗:=50.000-j0.000\r\n");
}

TEST_F(Console, DispOfNoSlotInUseIsEmpty) {
    setStart();
    for (const char* line : {"disp 1x", "disp -1", "disp 2", "disp +1"}) {
        const ConsoleResult r = run(line);
        EXPECT_EQ(r.text, "") << line;
        EXPECT_EQ(r.code, Code::Display) << line;
    }
}

TEST_F(Console, DispIgnoresExtraBlanksAndIsCaseSensitive) {
    setStart();
    EXPECT_EQ(run("   disp    1   ").text, ">1:节点阻抗:=1.000+j1.000\r\n输入阻抗:=1.000-j0.000");
    const ConsoleResult upper = run("DISP");
    EXPECT_EQ(upper.text, ">DISP 不是命令（命令区分大小写），输入 ? 查看命令列表");
    EXPECT_EQ(upper.code, Code::None);
}

TEST_F(Console, DispListsEverySlotEachFollowedByALineBreak) {
    setStart();
    MatchNode& c = addSlot(SeriesCapacitor, "20p");
    c.nodeR = 1;
    c.nodeX = -0.5;
    EXPECT_EQ(run("disp").text, ">0:节点阻抗:=50.000-j0.000\r\n输入阻抗:=50.000-j0.000\r\n"
                                ">1:节点阻抗:=1.000+j1.000\r\n输入阻抗:=1.000-j0.000\r\n"
                                ">2:串联电容20p\r\n节点阻抗:=1.000-j0.500\r\n");
}

TEST_F(Console, FormatElementLineOfEveryKind) {
    setStart();
    const char* names[] = {"串联电容", "并联电容", "串联电感", "并联电感"};
    for (int kind = 1; kind <= 4; ++kind) {
        MatchNode& node = addSlot(kind, "4.7n");
        node.nodeR = 0.25;
        node.nodeX = 1.23456;
        EXPECT_EQ(FormatElementLine(state, std::to_string(state.NodeCount)),
                  ">" + std::to_string(state.NodeCount) + ":" + names[kind - 1] +
                      "4.7n\r\n节点阻抗:=0.250+j1.235");
    }
    for (int kind : {5, 6}) {
        MatchNode& strip = addSlot(kind, "W:0.001/L:0.01");
        strip.strip = {554e6L, 0.001L, 0.0008L, 0.000035L, 4.6L, 0.0125L};
        strip.nodeR = 0.8;
        strip.nodeX = -0.0004; // rounds to zero: no minus sign in front of the digits
        EXPECT_EQ(FormatElementLine(state, std::to_string(state.NodeCount)),
                  ">" + std::to_string(state.NodeCount) + ":" + (kind == 5 ? "串联微带" : "并联微带") +
                      "W:0.001/L:0.01\r\n节点阻抗:=0.800-j0.000\r\n频率:554.00M微带长度:12.50mm宽度:1.00mm");
    }
    for (int kind : {7, 8}) {
        MatchNode& z = addSlot(kind, "ignored");
        z.R = 10;
        z.value = -25.5;
        z.nodeR = 1.2;
        z.nodeX = 0.3;
        EXPECT_EQ(FormatElementLine(state, std::to_string(state.NodeCount)),
                  ">" + std::to_string(state.NodeCount) + ":" + (kind == 7 ? "串联阻抗" : "并联阻抗") +
                      "->阻抗:10.00,电抗:-25.50\r\n节点阻抗:=1.200+j0.300\r\n");
    }
}

TEST_F(Console, FormatElementLineShowsTwentyOneLabelBytes) {
    setStart();
    addSlot(SeriesCapacitor, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(label(2), "abcdefghijklmnopqrstuvw"); // stored: 23
    EXPECT_EQ(FormatElementLine(state, "2"), ">2:串联电容abcdefghijklmnopqrstu\r\n节点阻抗:=0.000-j0.000");
    // Two-byte GBK characters are never split: 11 of them take 22 bytes, so 10 are shown.
    WritableNetwork(state).network[2].label.fill(0);
    StoreLabel(WritableNetwork(state).network[2], "电电电电电电电电电电电电");
    EXPECT_EQ(label(2), "电电电电电电电电电电电");
    EXPECT_EQ(FormatElementLine(state, "2"), ">2:串联电容电电电电电电电电电电\r\n节点阻抗:=0.000-j0.000");
}

// ---- modify

TEST_F(Console, ModifySetsTheValueOfACapacitorOrInductor) {
    setStart();
    MatchNode& c = addSlot(SeriesCapacitor, "20p");
    c.value = 20e-12L;
    c.nodeR = 1;
    c.nodeX = -0.5;
    const ConsoleResult r = run("modify 2 c 10p");
    EXPECT_EQ(r.code, Code::Modified);
    EXPECT_EQ(label(2), "10p");
    EXPECT_EQ(state.network[2].value, 10e-12L);
    // Shown after the network is computed again: the new node.
    EXPECT_EQ(r.text, ">2:串联电容10p\r\n节点阻抗:=1.000+j0.425");
    EXPECT_EQ(changes, (std::vector<std::string>{"elements"}));

    addSlot(ShuntInductor, "10n").value = 10e-9L;
    run("m 3 anything 4.7n"); // the field letter is not looked at for lumped elements
    EXPECT_EQ(label(3), "4.7n");
    EXPECT_NEAR(state.network[3].value, 4.7e-9L, 1e-26L); // 4.7 x 1e-9: one rounding from the literal
}

TEST_F(Console, ModifyWithoutAUsableValueChangesNothing) {
    setStart();
    addSlot(SeriesCapacitor, "20p").value = 20e-12L;
    addSlot(SeriesInductor, "10n").value = 10e-9L;
    const Snapshot before = snapshot();
    for (const char* line : {"modify 2", "modify 3 l", "modify 2 c abc", "modify 3 l 10z", "modify 9 c 1p",
                             "modify 1 c 1p", "modify 0 c 1p"}) {
        const ConsoleResult r = run(line);
        EXPECT_EQ(r.code, Code::Modified) << line;
        EXPECT_FALSE(r.text.starts_with(">2:") || r.text.starts_with(">3:")) << line;
        expectUnchanged(before);
    }
    EXPECT_THROW(run("modify 2 c 1.2.3p"), ConversionError);
    EXPECT_THROW(run("modify two c 1p"), ConversionError);
    EXPECT_THROW(run("modify 2.0 c 1p"), ConversionError);
    expectUnchanged(before);
}

TEST_F(Console, ModifyMicrostripTakesMillimetres) {
    setStart();
    MatchNode& strip = addSlot(SeriesMicrostripLine, "W:0.001/L:0.01");
    strip.strip = {554e6L, 0.001L, 0.0008L, 0.000035L, 4.6L, 0.01L};

    run("modify 2 w 2");
    EXPECT_EQ(state.network[2].strip.W, 2 / 1000.0L);
    EXPECT_EQ(label(2), "L:10.00/W:2.00");
    run("modify 2 L 12.5");
    EXPECT_EQ(state.network[2].strip.Len, 12.5L / 1000);
    EXPECT_EQ(label(2), "L:12.50/W:2.00");

    run("modify 2 tR 4.4");
    EXPECT_EQ(state.network[2].strip.Er, 4.4L);
    run("modify 2 H 1.6");
    EXPECT_EQ(state.network[2].strip.H, 1.6L / 1000);
    run("modify 2 t 0.035");
    EXPECT_EQ(state.network[2].strip.T, 0.035L / 1000);
    EXPECT_EQ(label(2), "L:12.50/W:2.00"); // tr, h and t leave the label

    const Snapshot before = snapshot();
    run("modify 2 q 1");
    run("modify 2 c 1p");
    expectUnchanged(before);
    EXPECT_THROW(run("modify 2 w 2mm"), ConversionError);
    EXPECT_THROW(run("modify 2 h"), ConversionError);
    expectUnchanged(before);
}

TEST_F(Console, ModifyImpedanceSetsResistanceOrReactance) {
    setStart();
    MatchNode& z = addSlot(ShuntImpedance, "Z");
    z.R = 5;
    z.value = 7;
    run("modify 2 R 12");
    run("modify 2 j -30.5");
    EXPECT_EQ(state.network[2].R, 12);
    EXPECT_EQ(state.network[2].value, -30.5L);
    EXPECT_EQ(label(2), "Z");
    const Snapshot before = snapshot();
    run("modify 2 c 10");
    EXPECT_THROW(run("modify 2 r 1k"), ConversionError);
    expectUnchanged(before);
}

TEST_F(Console, ModifyAloneShowsItsHelp) {
    const ConsoleResult r = run("modify");
    EXPECT_EQ(r.code, Code::ModifyHelp);
    EXPECT_EQ(r.text.substr(0, 15), "modify 帮助\r\n");
    EXPECT_EQ(std::count(r.text.begin(), r.text.end(), '\n'), 8); // nine lines
    EXPECT_EQ(run("m").text, r.text);
}

// ---- addc

TEST_F(Console, AddcAppendsACapacitorOnceTheStartNodeIsSet) {
    const ConsoleResult refused = run("addc 2 1 c 20p");
    EXPECT_EQ(refused.code, Code::AddHelp);
    EXPECT_EQ(state.NodeCount, 0);

    setStart();
    const ConsoleResult r = run("addc 2 1 c 20p");
    EXPECT_EQ(r.code, Code::Added);
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(state.network[2].kind, SeriesCapacitor);
    EXPECT_EQ(label(2), "20p");
    EXPECT_EQ(state.network[2].value, 20e-12L);

    run("addc 3 2 C 20p");
    EXPECT_EQ(state.network[3].kind, ShuntCapacitor);
    run("addc 4 3 L 10n");
    run("addc 5 4 l 22n");
    EXPECT_EQ(state.network[4].kind, SeriesInductor);
    EXPECT_EQ(state.network[5].kind, ShuntInductor);
    EXPECT_EQ(state.network[5].value, 22e-9L);
    EXPECT_EQ(state.NodeCount, 5);
}

TEST_F(Console, AddcInsertsBeforeAnElementByMovingTheRestUp) {
    setStart();
    run("addc 2 1 c 1p");
    run("addc 3 3 l 2n");
    run("addc 2 2 c 3p");
    EXPECT_EQ(state.NodeCount, 4);
    EXPECT_EQ(label(2), "3p");
    EXPECT_EQ(label(3), "1p");
    EXPECT_EQ(label(4), "2n");
    EXPECT_EQ(state.network[4].kind, SeriesInductor);
}

TEST_F(Console, AddcMicrostripStoresTheTypedMetres) {
    setStart();
    WritableNetwork(state).Fo = 433.92e6L;
    const ConsoleResult r = run("addc 2 5 0.001 0.0008 0.01 4.6 0.000035");
    EXPECT_EQ(r.code, Code::Added);
    const MatchNode& strip = state.network[2];
    EXPECT_EQ(strip.kind, SeriesMicrostripLine);
    EXPECT_EQ(label(2), "W:0.001/L:0.01");
    EXPECT_EQ(strip.strip.frequency, 433.92e6L);
    EXPECT_EQ(strip.strip.W, 0.001L);
    EXPECT_EQ(strip.strip.H, 0.0008L);
    EXPECT_EQ(strip.strip.Len, 0.01L);
    EXPECT_EQ(strip.strip.Er, 4.6L);
    EXPECT_EQ(strip.strip.T, 0.000035L);
    EXPECT_EQ(strip.value, 0);
    run("addc 3 6 0.002 0.0016 0.02 4.4 0.000035");
    EXPECT_EQ(state.network[3].kind, ShuntMicrostripStub);
    EXPECT_EQ(label(3), "W:0.002/L:0.02");
}

TEST_F(Console, AddcRefusesWithItsHelpAndChangesNothing) {
    setStart();
    run("addc 2 1 c 1p");
    const Snapshot before = snapshot();
    for (const char* line :
         {"addc 5 1 c 1p", "addc 1 1 c 1p", "addc 2 1 c", "addc 2 1 c abc", "addc 2 1 l 1p", "addc 2 3 c 1n",
          "addc 2 7 c 1p", "addc 2 5 0.001 0.0008 0.01 4.6", "addc 2 1", "addc"}) {
        const ConsoleResult r = run(line);
        EXPECT_EQ(r.code, Code::AddHelp) << line;
        EXPECT_EQ(r.text, "") << line;
        expectUnchanged(before);
    }
    EXPECT_THROW(run("addc two 1 c 1p"), ConversionError);
    EXPECT_THROW(run("addc 2 1 c 1.2.3p"), ConversionError);
    EXPECT_THROW(run("addc 2 5 0.001 thick 0.01 4.6 0.000035"), ConversionError);
    expectUnchanged(before);
}

// Values with no physical meaning, or an exponent (no part of a typed number), are refused with
// one line saying why; "m 3 c abc" no longer answers with the unchanged element.
TEST_F(Console, ImplausibleOrMalformedValuesAreRefusedWithALine) {
    setStart();
    MatchNode& strip = addSlot(SeriesMicrostripLine, "W:1/L:10");
    strip.strip = {554e6L, 0.001L, 0.0008L, 0.000035L, 4.6L, 0.01L};
    addSlot(SeriesCapacitor, "20p").value = 20e-12L;
    const Snapshot before = snapshot();
    const std::pair<const char*, const char*> rows[] = {
        {"addc 2 1 c 0p", ">addc 参数错误：电容值必须大于0"},
        {"addc 2 2 c -10p", ">addc 参数错误：电容值必须大于0"},
        {"addc 2 4 l 0", ">addc 参数错误：电感值必须大于0"},
        {"addc 2 5 0 0.0008 0.01 4.6 0.000035", ">addc 参数错误：微带的线宽、板厚、长度和介电常数必须大于0"},
        {"addc 2 6 0.001 0.0008 0.01 -1 0.000035",
         ">addc 参数错误：微带的线宽、板厚、长度和介电常数必须大于0"},
        {"m 3 c abc", ">modify 参数错误：'abc' 不是有效的元件值，例如 20p、10n"},
        {"m 3 c -1p", ">modify 参数错误：电容值必须大于0"},
        {"m 2 l 0", ">modify 参数错误：微带的线宽、板厚、长度和介电常数必须大于0"},
        {"m 2 q 1", ">modify 参数错误：微带元件可改 w、l、tr、h、t"},
    };
    for (const auto& [line, text] : rows) {
        EXPECT_EQ(run(line).text, text) << line;
        expectUnchanged(before);
    }
    EXPECT_THROW(run("addc 2 1 c -1e1p"), ConversionError);
    EXPECT_EQ(run("addc 2 1 c 1e1p").code, Code::AddHelp);
    EXPECT_THROW(run("addc 2 5 1e-3 0.0008 0.01 4.6 0.000035"), ConversionError);
    expectUnchanged(before);
}

TEST_F(Console, AFlagThatCannotBeStoredIsReported) {
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "matchflag", "0"));
    std::filesystem::permissions(state.para.path(), std::filesystem::perms::owner_read);
    const std::string notStored = ">设置没有保存：不能写入 " + state.para.path();
    EXPECT_EQ(run("setm 1").text, notStored);
    EXPECT_EQ(run("mtr").text, notStored);
    EXPECT_EQ(para("matchflag"), "0");
    EXPECT_EQ(run("setm 1").code, Code::MatchModeSet);
}

TEST_F(Console, AddcStopsAtTheLastSlot) {
    setStart();
    WritableNetwork(state).NodeCount = 499;
    EXPECT_EQ(run("addc 500 1 c 1p").code, Code::Added);
    EXPECT_EQ(state.NodeCount, 500);
    const Snapshot full = snapshot();
    EXPECT_EQ(run("addc 501 1 c 1p").code, Code::AddHelp);
    EXPECT_EQ(run("addc 2 1 c 1p").code, Code::AddHelp);
    expectUnchanged(full);
}

// ---- delc

TEST_F(Console, DelcMovesTheLaterElementsDown) {
    setStart();
    run("addc 2 1 c 1p");
    run("addc 3 3 l 2n");
    const ConsoleResult r = run("delc 2");
    EXPECT_EQ(r.code, Code::Deleted);
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(label(2), "2n");
    EXPECT_EQ(state.network[2].kind, SeriesInductor);
}

TEST_F(Console, DelcOutOfRangeChangesNothing) {
    setStart();
    run("addc 2 1 c 1p");
    run("addc 3 3 l 2n");
    const Snapshot before = snapshot();
    EXPECT_EQ(run("delc 1").code, Code::DeleteIgnored);
    EXPECT_EQ(run("delc 9").code, Code::DeleteIgnored);
    EXPECT_EQ(run("delc -3").code, Code::DeleteIgnored);
    EXPECT_EQ(run("delc").code, Code::None);
    EXPECT_THROW(run("delc 2x"), ConversionError);
    expectUnchanged(before);
}

// ---- modes

TEST_F(Console, MtrSetsTheFlagAndOnlyMtrAloneStoresIt) {
    EXPECT_EQ(run("mtr 1").code, Code::EffectiveOn);
    EXPECT_EQ(state.effflag, 1);
    EXPECT_FALSE(std::filesystem::exists(state.para.path()));
    EXPECT_EQ(run("rdtr").text, "1");
    EXPECT_EQ(run("rdtr").code, Code::EffectiveShown);

    EXPECT_EQ(run("mtr").code, Code::None);
    EXPECT_EQ(para("effflag"), "1");
    EXPECT_EQ(run("mtr 0").code, Code::EffectiveOff);
    EXPECT_EQ(state.effflag, 0);
    EXPECT_EQ(para("effflag"), "1");
    run("mtr 7");
    EXPECT_EQ(para("effflag"), "0");
}

TEST_F(Console, SetmStoresTheModeEvenWhenItKeepsIt) {
    EXPECT_EQ(run("setm 1").code, Code::MatchModeSet);
    EXPECT_EQ(state.matchflag, 1);
    EXPECT_EQ(para("matchflag"), "1");
    EXPECT_EQ(run("setm 5").code, Code::MatchModeSet);
    EXPECT_EQ(state.matchflag, 1);
    WriteIniString(state.para.path(), "PARA", "matchflag", "x");
    run("setm");
    EXPECT_EQ(para("matchflag"), "1");
    run("setm 0");
    EXPECT_EQ(state.matchflag, 0);
    EXPECT_EQ(run("getm").code, Code::MatchModeShown);
    EXPECT_EQ(run("getm").text, "");
}

// ---- Fo and Zo

TEST_F(Console, SetfreTakesAnEngineeringValueAndTellsTheMainWindow) {
    const ConsoleResult r = run("setfre 600m");
    EXPECT_EQ(r.code, Code::FrequencySet);
    EXPECT_EQ(state.Fo, 600e6L);
    EXPECT_EQ(changes, (std::vector<std::string>{"frequency"}));
    EXPECT_EQ(run("curfre").code, Code::FrequencyShown);
}

TEST_F(Console, SetfreAndSetzoWithoutAUsableValueChangeNothing) {
    for (const char* line : {"setfre", "setfre abc", "setfre -5", "setfre 0", "setfre 1GHz", "setfre 1.2.3",
                             "setzo", "setzo -50", "setzo 0", "setzo 5e1", "setzo -", "setzo -5e1"}) {
        const ConsoleResult r = run(line);
        EXPECT_EQ(state.Fo, 554e6L) << line;
        EXPECT_EQ(state.Zo, 50) << line;
        const bool frequency = std::string_view(line).starts_with("setfre");
        EXPECT_EQ(r.text, frequency ? ">setfre 参数错误：频率须为大于0的数，例如 setfre 600m"
                                    : ">setzo 参数错误：系统阻抗须为大于0的数，例如 setzo 50")
            << line;
    }
    EXPECT_TRUE(changes.empty());
}

TEST_F(Console, SetzoTellsTheMainWindow) {
    const ConsoleResult r = run("setzo 75");
    EXPECT_EQ(r.code, Code::ImpedanceSet);
    EXPECT_EQ(state.Zo, 75);
    EXPECT_EQ(changes, (std::vector<std::string>{"impedance"}));
}

// ---- start node

TEST_F(Console, SetloadAndSetsrcNormaliseOhmsIntoSlotOne) {
    const ConsoleResult load = run("setload 25 -10");
    EXPECT_EQ(load.code, Code::LoadSet);
    EXPECT_EQ(load.text, ">负载阻抗:=25.000-j10.000欧");
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(state.network[1].nodeR, 0.5L);
    EXPECT_EQ(state.network[1].nodeX, -0.2L);

    WritableNetwork(state).Zo = 75;
    const ConsoleResult source = run("setsrc 75 37.5");
    EXPECT_EQ(source.code, Code::SourceSet);
    EXPECT_EQ(source.text, ">源阻抗:=75.000+j37.500欧");
    EXPECT_EQ(state.network[1].sourceR, 1);
    EXPECT_EQ(state.network[1].sourceX, 0.5L);
    EXPECT_EQ(state.network[1].nodeR, 0.5L); // the load stays
}

TEST_F(Console, SetloadKeepsTheElements) {
    setStart();
    run("addc 2 1 c 1p");
    run("setload 100 0");
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(state.network[1].nodeR, 2);
}

TEST_F(Console, SetloadWithBadArgumentsSaysSoAndChangesNothing) {
    const Snapshot before = snapshot();
    for (const char* line : {"setload", "setload 25", "setload a 1", "setload -1 0", "setsrc 50 j5"}) {
        const ConsoleResult r = run(line);
        EXPECT_EQ(r.code, Code::None) << line;
        EXPECT_NE(r.text.find("参数错误"), std::string::npos) << line;
        expectUnchanged(before);
    }
}

TEST_F(Console, GetmatchShowsTheMatchFiguresOfTheLastNode) {
    EXPECT_EQ(run("getmatch").text, ">getmatch  没有设置负载和源阻抗");
    setStart();
    WritableNetwork(state).network[1].nodeR = 0.5;
    WritableNetwork(state).network[1].nodeX = 0;
    network.recalculate();
    // Gamma = (0.5 - 1)/(0.5 + 1) = -1/3: return loss 20 lg 3, VSWR 2, mismatch loss -10 lg(8/9).
    const ConsoleResult r = run("getmatch");
    EXPECT_EQ(r.text, ">RLmatch=9.54 IVmatch=2.00 ILmatch=0.51");
    EXPECT_EQ(r.code, Code::None);
    WritableNetwork(state).network[1].nodeR = 1;
    network.recalculate();
    EXPECT_EQ(run("getmatch").text, ">RLmatch= INF IVmatch=1.00 ILmatch=0.00"); // "%4.2f" pads to 4
}

TEST_F(Console, AFailingChainIsNamedByGetmatchSetmAndMtr) {
    setStart();
    addSlot(SeriesCapacitor, "0p"); // a capacitance of 0 has no reactance
    EXPECT_THROW(network.recalculate(), FloatingPointError);
    EXPECT_EQ(run("getmatch").text, ">getmatch  第2个元件无法计算，没有匹配结果");

    ConsoleResult r = run("setm 1");
    EXPECT_EQ(r.code, Code::MatchModeSet);
    EXPECT_EQ(state.matchflag, 1);
    EXPECT_EQ(r.text, std::string(">第2个元件无法计算: ") + DivisionByZeroText);
    r = run("mtr 1");
    EXPECT_EQ(r.code, Code::EffectiveOn);
    EXPECT_EQ(state.effflag, 1);
    EXPECT_EQ(r.text, std::string(">第2个元件无法计算: ") + DivisionByZeroText);
}

TEST_F(Console, SlotZeroFollowsSetzoIntoDispAndTheFile) {
    run("setzo 75");
    EXPECT_EQ(state.network[0].sourceR, 75);
    EXPECT_NE(FormatElementLine(state, "0").find("75.000"), std::string::npos)
        << FormatElementLine(state, "0");
}

// ---- window-facing commands

TEST_F(Console, SettopAnswersForTheWindow) {
    EXPECT_EQ(run("settop 1").text, "settop0");
    EXPECT_EQ(run("settop 0").text, "settop1");
    EXPECT_EQ(run("settop 2").text, "");
    EXPECT_EQ(run("settop").code, Code::StayOnTop);
}

TEST_F(Console, SetalNeedsTwoDigitWordsAndAnAlphaAbove50) {
    for (const char* line : {"setal 1 40", "setal 1 50", "setal x 150", "setal 1", "setal 1 -150",
                             "setal 1 1e3", "setal 1 99999999999"})
        EXPECT_EQ(run(line).code, Code::Transparency) << line;
    EXPECT_TRUE(host.opacities.empty());
    run("setal 1 150");
    run("setal 0 51");
    run("setal 1 300"); // an 8-bit alpha: anything above is opaque
    EXPECT_EQ(host.opacities, (std::vector<int>{150, 51, 255}));
}

TEST_F(Console, FixedAnswers) {
    struct Row {
        const char* line;
        const char* text;
        Code code;
    };
    const Row rows[] = {
        {"?", "?", Code::CommandList},
        {"getcurr", "getcurr", Code::ElementCount},
        {"exit", "exit", Code::Exit},
        {"clr", "clr", Code::Clear},
        {"t", "t", Code::SampleSParameters},
        {"help", "help", Code::ProgramHelp},
        {"sp", "sp", Code::SParameterTable},
        {"SP", "sp", Code::SParameterTable},
        {"sP", "sp", Code::SParameterTable},
        {"Sp", "sp", Code::SParameterTable},
        {"Help", ">Help 不是命令（命令区分大小写），输入 ? 查看命令列表", Code::None},
        {"HELP", ">HELP 不是命令（命令区分大小写），输入 ? 查看命令列表", Code::None},
        {"EXIT", ">EXIT 不是命令（命令区分大小写），输入 ? 查看命令列表", Code::None},
        {"frobnicate 1 2", ">frobnicate 不是命令（命令区分大小写），输入 ? 查看命令列表", Code::None},
        {"", "", Code::None},
        {"      ", "", Code::None},
        {"exit now", "exit", Code::Exit},
    };
    for (const Row& row : rows) {
        const ConsoleResult r = run(row.line);
        EXPECT_EQ(r.text, row.text) << row.line;
        EXPECT_EQ(r.code, row.code) << row.line;
    }
}

// ---- save and rdf

TEST_F(Console, SaveThenRdfRestoresTheNetworkFoAndZo) {
    setStart();
    run("addc 2 1 c 20p");
    run("addc 3 5 0.001 0.0008 0.01 4.6 0.000035");
    WritableNetwork(state).network[3].nodeR = 0.75;
    const Snapshot saved = snapshot();
    const std::string file = dir.file("design.smh");
    const ConsoleResult written = run("save " + file);
    EXPECT_EQ(written.code, Code::Saved);
    EXPECT_EQ(std::filesystem::file_size(file), 24u + 232u * 4u);

    run("delc 2");
    run("setfre 900m");
    run("setzo 75");
    const ConsoleResult read = run("rdf " + file);
    EXPECT_EQ(read.text, "rdf");
    EXPECT_EQ(read.code, Code::NetworkRead);
    EXPECT_EQ(state.Fo, 554e6L);
    EXPECT_EQ(state.Zo, 50);
    EXPECT_EQ(state.NodeCount, saved.count);
    EXPECT_EQ(FormatElementLine(state, "3"), ">3:串联微带W:0.001/L:0.01\r\n节点阻抗:=1.163+j0.787\r\n"
                                             "频率:554.00M微带长度:10.00mm宽度:1.00mm");
    EXPECT_EQ(label(2), "20p");
}

TEST_F(Console, RdfOfANetworkThatCannotBeComputedLoadsItAndNamesTheElement) {
    setStart();
    addSlot(SeriesCapacitor, "10p").value = 10e-12L;
    addSlot(ShuntMicrostripStub, "W:1/L:0").strip = {554e6L,    1e-3L, 0.8e-3L,
                                                     0.035e-3L, 4.4L,  0}; // an open stub of no length
    const std::string file = dir.path() + "/broken.smh";
    ASSERT_TRUE(SaveNetworkFile(state, file));
    WritableNetwork(state).NodeCount = 1;
    const ConsoleResult read = run("rdf " + file);
    EXPECT_EQ(state.NodeCount, 3);
    EXPECT_TRUE(read.text.starts_with("rdf\r\n>第3个元件无法计算: ")) << read.text;
    EXPECT_EQ(changes.back(), "loaded");
}

TEST_F(Console, SaveAndRdfWithoutANameAskWithTheirFilters) {
    setStart();
    const std::string file = dir.file("asked.smh");
    host.saveAnswers = {file};
    const ConsoleResult written = run("save");
    EXPECT_EQ(written.code, Code::Saved);
    host.openAnswers = {file};
    EXPECT_EQ(run("rdf").text, "rdf");
    EXPECT_EQ(host.dialogFilters, (std::vector<std::string>{"simth files (*.smh)|*.smh|S files (*)|*",
                                                            "smith files (*.smh)|*.smh|S files (*)|*"}));
    // Cancelled dialogs end the commands quietly.
    EXPECT_EQ(run("save").text, "");
    EXPECT_EQ(run("rdf").text, "");
}

TEST_F(Console, FailedSaveOrRdfSaysWhyAndChangesNothing) {
    setStart();
    run("addc 2 1 c 20p");
    const Snapshot before = snapshot();
    const ConsoleResult missing = run("rdf " + dir.file("missing.smh"));
    EXPECT_EQ(missing.text.rfind(">载入失败: ", 0), 0u) << missing.text;
    EXPECT_NE(missing.text.find("missing.smh"), std::string::npos);

    const std::string junk = dir.file("junk.smh");
    WriteFileAtomically(junk, "not a network file at all");
    const ConsoleResult notNetwork = run("rdf " + junk);
    EXPECT_EQ(notNetwork.text.rfind(">载入失败: ", 0), 0u) << notNetwork.text;
    EXPECT_EQ(notNetwork.code, Code::NetworkRead);

    const ConsoleResult unwritable = run("save " + dir.file("no/such/folder/x.smh"));
    EXPECT_EQ(unwritable.text.rfind(">保存失败: ", 0), 0u) << unwritable.text;
    expectUnchanged(before);
    EXPECT_EQ(state.Fo, 554e6L);
}

// ---- random input

TEST_F(Console, RandomLinesKeepTheTableWithinItsSlots) {
    const std::vector<std::string> words = {
        "disp", "modify", "m",           "addc",     "delc",   "setal",    "settop", "mtr",
        "setm", "setfre", "setzo",       "setload",  "setsrc", "getmatch", "1",      "2",
        "3",    "5",      "6",           "501",      "c",      "L",        "w",      "h",
        "tr",   "t",      "r",           "j",        "20p",    "-1",       "0.001",  "1e3",
        "x",    "",       "99999999999", "\xff\xfe", "电容"};
    std::mt19937 random(6);
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::uniform_int_distribution<int> length(1, 9);
    std::uniform_int_distribution<int> byte(1, 255);
    setStart();
    for (int round = 0; round < 4000; ++round) {
        std::string line;
        if (round % 10 == 0) {
            for (int i = length(random) * 4; i > 0; --i)
                line += static_cast<char>(byte(random));
        } else {
            line = round % 3 == 0 ? "addc " + std::to_string(state.NodeCount + 1) + " 1 c 1p" : "";
            for (int i = length(random); i > 0; --i)
                line += " " + words[pick(random)];
        }
        try {
            run(line);
        } catch (const ConversionError&) {
        } catch (const FloatingPointError&) {
        }
        ASSERT_GE(state.NodeCount, 0) << line;
        ASSERT_LE(state.NodeCount, LastMatchSlot) << line;
    }
}

} // namespace
} // namespace qv

// ---- autom, apply, undo, redo

namespace qv {
namespace {

// The return loss of the last node against the source, from the stored nodes alone.
Real StoredReturnLoss(const ProgramState& state) {
    const MatchNode& last = state.network[state.NodeCount];
    const MatchNode& ends = state.network[1];
    return MatchQuality({last.nodeR, last.nodeX}, {ends.sourceR, ends.sourceX}, state.matchflag).returnLossDb;
}

// The numbered solution lines of an "autom" answer.
int SolutionCount(const std::string& listing) {
    int n = 0;
    while (listing.find(Format("\r\n>%d: ", {n + 1})) != std::string::npos)
        ++n;
    return n;
}

TEST_F(Console, AutomListsSolutionsAndApplyBuildsEachAsOneUndoStep) {
    for (const char* load : {"setload 10 -30", "setload 0.01 3", "setload 900 -400", "setload 48 2"}) {
        for (const char* source : {"setsrc 50 0", "setsrc 12 8"}) {
            for (const char* mode : {"setm 0", "setm 1"}) {
                run(load);
                run(source);
                run(mode);
                const std::string listing = run("autom").text;
                const int solutions = SolutionCount(listing);
                ASSERT_GE(solutions, 4) << listing;
                for (int n = 1; n <= solutions; ++n) {
                    ASSERT_EQ(run(Format("apply %d", {n})).text.rfind(">已接入", 0), 0u);
                    EXPECT_GE(StoredReturnLoss(state), 60) << load << " " << source << " " << n;
                    EXPECT_GE(state.NodeCount, 2);
                    EXPECT_EQ(run("undo").text, ">已撤销");
                    EXPECT_EQ(state.NodeCount, 1); // the whole solution goes at once
                }
                EXPECT_NE(run("apply 1 e12").text.find("E12"), std::string::npos);
                for (int i = 2; i <= state.NodeCount; ++i) {
                    const int kind = state.network[i].kind;
                    if (kind >= SeriesCapacitor && kind <= ShuntInductor) {
                        const Real v = state.network[i].value;
                        EXPECT_EQ(NearestStandardValue(v, ESeries::E12), v);
                    }
                }
                run("undo");
            }
        }
    }
    EXPECT_EQ(run("redo").text, ">已重做");
}

TEST_F(Console, AutomAndApplyRefuseWithAReason) {
    EXPECT_EQ(run("autom").text, ">autom  没有设置负载和源阻抗");
    EXPECT_EQ(run("apply 1").text, ">apply  请先用 autom 列出匹配方案");
    EXPECT_EQ(run("undo").text, ">没有可撤销的操作");
    EXPECT_EQ(run("redo").text, ">没有可重做的操作");
    run("setload 0 30");
    run("setsrc 50 0");
    EXPECT_NE(run("autom").text.find("纯电抗"), std::string::npos);
    run("setload 20 30");
    EXPECT_NE(run("autom -2").text.find("Q 为大于0"), std::string::npos);
    EXPECT_NE(run("autom 0.5").text.find("低于最小值"), std::string::npos);
    run("autom");
    const Snapshot before = snapshot();
    for (const char* line : {"apply", "apply 0", "apply 99", "apply x", "apply 1 E7"})
        EXPECT_EQ(run(line).text.rfind(">apply N", 0), 0u) << line;
    expectUnchanged(before);
    run("setfre 433m");
    EXPECT_NE(run("apply 1").text.find("请重新输入 autom"), std::string::npos);
}

// Every command the "?" list names runs through the table, and every listed line names one.
TEST(ConsoleCommandTable, ListAndHandlersAgree) {
    std::set<std::string> listed;
    for (std::string_view line : ConsoleCommandListLines()) {
        if (!line.starts_with(">"))
            continue;
        const std::string word(line.substr(1, line.find(' ') - 1));
        if (word.empty()) // a continuation line of the entry above
            continue;
        listed.insert(word);
        EXPECT_NE(FindConsoleCommand(word), nullptr) << line;
    }
    for (const ConsoleCommand& command : ConsoleCommands()) {
        ASSERT_FALSE(command.names.empty());
        EXPECT_NE(command.run, nullptr) << command.names.front();
        const bool hidden = command.help.empty();
        const bool named = std::ranges::any_of(
            command.names, [&](std::string_view n) { return listed.contains(std::string(n)); });
        EXPECT_EQ(named, !hidden) << command.names.front();
    }
}

} // namespace
} // namespace qv
