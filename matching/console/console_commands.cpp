#include "matching/console/console_commands.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "matching/analysis/match_figures.h"
#include "matching/analysis/node_calculation.h"
#include "matching/console/console_auto_match.h"
#include "matching/console/console_files.h"
#include "matching/console/console_parts.h"
#include "matching/console/console_stage.h"
#include "matching/console/console_sweep.h"
#include "matching/console/console_text.h"
#include "matching/console/console_texts.h"
#include "matching/console/console_twoport.h"
#include "matching/model/console_labels.h"
#include "matching/model/network_model.h"
#include "matching/model/network_texts.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace qv {

namespace {

using Code = ConsoleResultCode;

bool IsCapacitorLetter(const std::string& s) {
    return s == "c" || s == "C";
}
bool IsInductorLetter(const std::string& s) {
    return s == "l" || s == "L";
}

void WriteFlag(const ProgramState& state, std::string_view key, int flag) {
    state.para.WriteParaString(key, Format("%d", {flag}));
}

ConsoleResult ListCommands(const ConsoleCall&) {
    return {"?", Code::CommandList};
}

ConsoleResult Display(const ConsoleCall& c) {
    ConsoleResult result{{}, Code::Display};
    if (c.t.count >= 2) {
        result.text = FormatElementLine(c.state, c.t[1]);
    } else {
        for (int i = 0; i <= c.state.NodeCount; ++i)
            result.text += FormatElementLine(c.state, Format("%d", {i})) + "\r\n";
    }
    return result;
}

ConsoleResult Modify(const ConsoleCall& c) {
    if (c.t.count < 2)
        return {JoinConsoleLines(ConsoleModifyHelp), Code::ModifyHelp};
    const int n = StrToInt(c.t[1]);
    std::string refusal;
    if (const std::optional<MatchNode> changed = ModifiedElement(c.state, n, c.t[2], c.t[3], &refusal))
        c.network.replace(n, *changed);
    return {refusal.empty() ? FormatElementLine(c.state, c.t[1]) : refusal, Code::Modified};
}

ConsoleResult Exit(const ConsoleCall&) {
    return {"exit", Code::Exit};
}

ConsoleResult Clear(const ConsoleCall&) {
    return {"clr", Code::Clear};
}

ConsoleResult SampleSParameters(const ConsoleCall&) {
    return {"t", Code::SampleSParameters};
}

ConsoleResult SetOpacity(const ConsoleCall& c) {
    int colourKey = 0;
    int alpha = 0;
    if (ValidateDigits(c.t[1]) && ValidateDigits(c.t[2]) && TryStrToInt(c.t[1], colourKey) &&
        TryStrToInt(c.t[2], alpha) && alpha > 50)
        c.host.setConsoleOpacity(colourKey, std::min(alpha, 255));
    return {{}, Code::Transparency};
}

ConsoleResult StayOnTop(const ConsoleCall& c) {
    if (c.t[1] == "1")
        return {"settop0", Code::StayOnTopOn};
    if (c.t[1] == "0")
        return {"settop1", Code::StayOnTopOff};
    return {{}, Code::StayOnTop};
}

ConsoleResult ElementCount(const ConsoleCall&) {
    return {"getcurr", Code::ElementCount};
}

ConsoleResult ReadFile(const ConsoleCall& c) {
    ConsoleResult result{{}, Code::NetworkRead};
    const std::optional<std::string> name =
        c.t.count >= 2 ? std::optional(c.t[1]) : c.host.askOpenFileName(NetworkOpenFilter);
    if (name && !name->empty())
        result.text = ReadNetworkForConsole(c.network, *name);
    return result;
}

ConsoleResult Save(const ConsoleCall& c) {
    const bool asked = c.t.count < 2;
    const std::optional<std::string> name = asked ? c.host.askSaveFileName(NetworkSaveFilter) : c.t[1];
    const Code unsaved = asked ? Code::SaveAsked : Code::None;
    if (!name || name->empty())
        return {{}, unsaved};
    const std::optional<std::string> failure = WriteNetworkForConsole(c.network, *name);
    if (failure)
        return {Utf8(ConsoleText::tr(">保存失败: %1").arg(FromUtf8(*failure))), unsaved};
    return {"save", Code::Saved};
}

// A mode is set even on a chain that fails at some element: the mode's line, then the failure.
ConsoleResult SetModeOnChain(const ConsoleCall& c, Code code, const std::function<void()>& change) {
    try {
        change();
    } catch (const FloatingPointError& error) {
        return {Utf8(ConsoleText::tr(">第%1个元件无法计算: %2")
                         .arg(QString::number(c.network.computedNodeCount() + 1), FromUtf8(error.what()))),
                code};
    }
    return {{}, code};
}

ConsoleResult WavelengthMode(const ConsoleCall& c) {
    if (c.t[1] == "1" || c.t[1] == "0") {
        const bool on = c.t[1] == "1";
        return SetModeOnChain(c, on ? Code::EffectiveOn : Code::EffectiveOff,
                              [&] { c.network.setWavelengthMode(on ? 1 : 0); });
    }
    WriteFlag(c.state, "effflag", c.state.effflag);
    return {};
}

ConsoleResult ShowWavelengthMode(const ConsoleCall& c) {
    return {Format("%d", {c.state.effflag}), Code::EffectiveShown};
}

ConsoleResult Delete(const ConsoleCall& c) {
    if (c.t.count < 2)
        return {};
    const int k = StrToInt(c.t[1]);
    if (k < 2 || k > c.state.NodeCount)
        return {{}, Code::DeleteIgnored};
    c.network.remove(k);
    return {{}, Code::Deleted};
}

ConsoleResult Add(const ConsoleCall& c) {
    const Tokens& t = c.t;
    const ProgramState& state = c.state;
    if (t.count < 4)
        return {{}, Code::AddHelp};
    const int k = StrToInt(t[1]);
    const std::string& m = t[2];
    const bool lumped = ((m == "1" || m == "2") && IsCapacitorLetter(t[3])) ||
                        ((m == "3" || m == "4") && IsInductorLetter(t[3]));
    const bool strip = (m == "5" || m == "6" || m == "9") && t.count >= 8;
    // k == NodeCount + 1 appends; slot 500 is the last one there is.
    const bool inRange = k >= 2 && k <= state.NodeCount + 1 && state.NodeCount < LastMatchSlot;
    if (!(lumped || strip) || !inRange)
        return {{}, Code::AddHelp};

    // Every number is converted before the table is touched.
    Real value = 0;
    MicrostripBlock block;
    if (lumped) {
        value = ParseEngineering(t[4]);
        if (IsRejectedEngineering(value))
            return {{}, Code::AddHelp};
    } else {
        block.frequency = state.Fo;
        block.W = TypedToFloat(t[3]);
        block.H = TypedToFloat(t[4]);
        block.Len = TypedToFloat(t[5]);
        block.Er = TypedToFloat(t[6]);
        block.T = TypedToFloat(t[7]);
    }
    const std::string implausible =
        Utf8(ElementProblemText(ImplausibleElement({m[0] - '0', block, 0, value})));
    if (!implausible.empty())
        return {Utf8(ConsoleText::tr(">addc 参数错误：%1").arg(FromUtf8(implausible))), Code::None};

    MatchNode node = state.network[k];
    node.kind = m[0] - '0';
    if (lumped) {
        StoreLabel(node, t[4]);
        node.value = value;
    } else {
        StoreLabel(node, "W:" + t[3] + "/L:" + t[5]);
        node.strip = block;
        node.value = 0;
    }
    c.network.insert(k, node);
    return {{}, Code::Added};
}

ConsoleResult SetMatchMode(const ConsoleCall& c) {
    if (c.t[1] == "1" || c.t[1] == "0")
        return SetModeOnChain(c, Code::MatchModeSet, [&] { c.network.setMatchMode(c.t[1] == "1" ? 1 : 0); });
    WriteFlag(c.state, "matchflag", c.state.matchflag);
    return {{}, Code::MatchModeSet};
}

ConsoleResult ShowMatchMode(const ConsoleCall&) {
    return {{}, Code::MatchModeShown};
}

ConsoleResult ShowFrequency(const ConsoleCall&) {
    return {{}, Code::FrequencyShown};
}

// The network refuses what is no usable positive value; the line says why.
ConsoleResult SetFrequency(const ConsoleCall& c) {
    if (c.network.setFrequency(TryParseEngineering(c.t[1]).value_or(RejectedEngineeringValue)))
        return {{}, Code::FrequencySet};
    return {Utf8(ConsoleText::tr(">setfre 参数错误：频率须为大于0的数，例如 setfre 600m")),
            Code::FrequencySet};
}

ConsoleResult SetReferenceImpedance(const ConsoleCall& c) {
    if (c.network.setReferenceImpedance(TryParseEngineering(c.t[1]).value_or(RejectedEngineeringValue)))
        return {{}, Code::ImpedanceSet};
    return {Utf8(ConsoleText::tr(">setzo 参数错误：系统阻抗须为大于0的数，例如 setzo 50")),
            Code::ImpedanceSet};
}

ConsoleResult SParameterTable(const ConsoleCall&) {
    return {"sp", Code::SParameterTable};
}

ConsoleResult ProgramHelp(const ConsoleCall&) {
    return {"help", Code::ProgramHelp};
}

// setload / setsrc R X: slot 1 from ohms. The line to show: the impedance set, or why not.
ConsoleResult SetEnd(const ConsoleCall& c, bool load) {
    const Tokens& t = c.t;
    Real r = 0;
    Real x = 0;
    if (t.count < 3 || !TryTypedToFloat(t[1], r) || !TryTypedToFloat(t[2], x) || r < 0)
        return {Utf8(ConsoleText::tr(">%1 R X  参数错误：R（不小于0）和 X 为欧姆值").arg(FromUtf8(t[0]))),
                Code::None};
    if (load)
        c.network.setLoad({r, x});
    else
        c.network.setSource({r, x});
    const QString value = FromUtf8(FormatSignedPair("", "%4.3f", r, x));
    return {Utf8(load ? ConsoleText::tr(">负载阻抗:=%1欧").arg(value)
                      : ConsoleText::tr(">源阻抗:=%1欧").arg(value)),
            load ? Code::LoadSet : Code::SourceSet};
}

ConsoleResult SetLoad(const ConsoleCall& c) {
    return SetEnd(c, true);
}

ConsoleResult SetSource(const ConsoleCall& c) {
    return SetEnd(c, false);
}

// The main window's match figures of the last node against the source, on one line.
ConsoleResult ShowMatchFigures(const ConsoleCall& c) {
    if (c.state.NodeCount < 1)
        return {Utf8(ConsoleText::tr(">getmatch  没有设置负载和源阻抗"))};
    if (c.network.computedNodeCount() < c.state.NodeCount)
        return {Utf8(ConsoleText::tr(">getmatch  第%1个元件无法计算，没有匹配结果")
                         .arg(c.network.computedNodeCount() + 1))};
    const MatchFigureTexts figures = FormatMatchFigures(c.state, "%4.2f");
    return {">" + figures.returnLoss + " " + figures.vswr + " " + figures.mismatchLoss};
}

ConsoleResult Sweep(const ConsoleCall& c) {
    return {InterpretSweepCommand(c.state, c.host.sweepSession(), c.t)};
}

ConsoleResult Stage(const ConsoleCall& c) {
    return {RunStageCommand(c.state, c.host.sweepSession(), c.t)};
}

ConsoleResult AutoMatch(const ConsoleCall& c) {
    return {RunAutomCommand(c.state, c.host.autoMatchListing(), c.t)};
}

ConsoleResult Apply(const ConsoleCall& c) {
    return {RunApplyCommand(c.network, c.host.autoMatchListing(), c.t)};
}

ConsoleResult DeviceDesign(const ConsoleCall& c) {
    return {InterpretTwoPortCommand(c.network, c.host, c.t)};
}

ConsoleResult Parts(const ConsoleCall& c) {
    return {InterpretPartsCommand(c.network, c.host.sweepSession(), c.t)};
}

ConsoleResult Undo(const ConsoleCall& c) {
    return {Utf8(c.network.undo() ? ConsoleText::tr(">已撤销") : ConsoleText::tr(">没有可撤销的操作"))};
}

ConsoleResult Redo(const ConsoleCall& c) {
    return {Utf8(c.network.redo() ? ConsoleText::tr(">已重做") : ConsoleText::tr(">没有可重做的操作"))};
}

} // namespace

const std::vector<ConsoleCommand>& ConsoleCommands() {
    static const std::vector<ConsoleCommand> table = {
        {{"?"}, "", {}, ListCommands},
        {{"disp"},
         "[x]",
         {QT_TRANSLATE_NOOP("ConsoleText", ">disp  x -->查看匹配接点"),
          QT_TRANSLATE_NOOP("ConsoleText", ">      x -->接点号 0-是系统阻抗，1-是源阻抗这两个不显示")},
         Display},
        {{"exit"}, "", {QT_TRANSLATE_NOOP("ConsoleText", ">exit 关闭窗口")}, Exit},
        {{"setal"},
         "key alpha",
         {QT_TRANSLATE_NOOP("ConsoleText", ">setal 1 150 设置窗口是否透明 150透明程度 255不透明")},
         SetOpacity},
        {{"settop"},
         "1|0",
         {QT_TRANSLATE_NOOP("ConsoleText", ">settop 1 设置窗口置顶"),
          QT_TRANSLATE_NOOP("ConsoleText", ">settop 0 设置窗口正常")},
         StayOnTop},
        {{"clr"}, "", {QT_TRANSLATE_NOOP("ConsoleText", ">clr      清除窗口内容")}, Clear},
        {{"modify", "m"},
         "n x y",
         {QT_TRANSLATE_NOOP("ConsoleText", ">m 或modify    修改元件值，直接键入m或modify是具体帮助")},
         Modify},
        {{"getcurr"}, "", {QT_TRANSLATE_NOOP("ConsoleText", ">getcurr  查看接入元件数目")}, ElementCount},
        {{"save"},
         "[FILE]",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">save  c:\\000  保存圆图上接入的元件到二进制文件 不输入文件名时会有文件对话框弹出")},
         Save},
        {{"rdf"},
         "[FILE]",
         {QT_TRANSLATE_NOOP("ConsoleText", ">rdf  c:\\000  装入保存的接入元件 可以不输入文件名")},
         ReadFile},
        {{"mtr"},
         "1|0",
         {QT_TRANSLATE_NOOP("ConsoleText", ">mtr 0   在计算微带接入时不用有效波长计算"),
          QT_TRANSLATE_NOOP("ConsoleText", ">mtr 1   在计算微带接入时用有效波长计算")},
         WavelengthMode},
        {{"rdtr"},
         "",
         {QT_TRANSLATE_NOOP("ConsoleText", ">rdtr    读出在计算微带接入时是否用有效波长计算")},
         ShowWavelengthMode},
        {{"addc"},
         "n m c|l VALUE | n m w h l tr t",
         {QT_TRANSLATE_NOOP("ConsoleText", ">addc    插入元件")},
         Add},
        {{"delc"}, "n", {QT_TRANSLATE_NOOP("ConsoleText", ">delc n   删除第n个元件,n 从2开始")}, Delete},
        {{"setm"},
         "1|0",
         {QT_TRANSLATE_NOOP("ConsoleText", ">setm 1   ＝0共扼匹配 ＝1阻抗匹配")},
         SetMatchMode},
        {{"getm"},
         "",
         {QT_TRANSLATE_NOOP("ConsoleText", ">getm     ＝0共扼匹配 ＝1阻抗匹配")},
         ShowMatchMode},
        {{"setfre"}, "F", {QT_TRANSLATE_NOOP("ConsoleText", ">setfre  600m   设置频率")}, SetFrequency},
        {{"setzo"},
         "Z",
         {QT_TRANSLATE_NOOP("ConsoleText", ">setzo   50     设置系统阻抗")},
         SetReferenceImpedance},
        {{"sp", "SP", "sP", "Sp"},
         "",
         {QT_TRANSLATE_NOOP("ConsoleText", ">sp   S参数表操作")},
         SParameterTable},
        {{"help"}, "", {QT_TRANSLATE_NOOP("ConsoleText", ">help  软件帮助")}, ProgramHelp},
        {{"setload"},
         "R X",
         {QT_TRANSLATE_NOOP("ConsoleText", ">setload 25 -10  设置负载阻抗 R X（欧姆）")},
         SetLoad},
        {{"setsrc"},
         "R X",
         {QT_TRANSLATE_NOOP("ConsoleText", ">setsrc  50 0    设置源阻抗 R X（欧姆）")},
         SetSource},
        {{"getmatch"},
         "",
         {QT_TRANSLATE_NOOP("ConsoleText", ">getmatch  查看匹配结果 RLmatch IVmatch ILmatch")},
         ShowMatchFigures},
        {{"sweep"},
         "F1 F2 N",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">sweep 400m 700m 301  频率响应：频率MHz R X(欧) 回波损耗dB 驻波比")},
         Sweep},
        {{"bw"},
         "[RL]",
         {QT_TRANSLATE_NOOP("ConsoleText", ">bw 10     回波损耗不低于10dB的频带：下沿MHz 上沿MHz 相对带宽%")},
         Sweep},
        {{"sweepload"},
         "[FILE [PORT]]",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">sweepload s.s2p 1  扫描用的负载取自S参数文件端口1或2；不带文件名恢复恒定负载")},
         Sweep},
        {{"export"},
         "FILE",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">export m.s2p  最近一次扫描导出为Touchstone文件（.s1p 输入反射，.s2p 匹配网络）")},
         Sweep},
        {{"plot"},
         "FILE",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">plot resp.png  最近一次扫描的频率响应图（.png .svg .pdf），或其数据（.csv）")},
         Sweep},
        {{"autom"},
         "[Q] [short]",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">autom [Q] [short]  列出L、Pi、T和单支节自动匹配方案，Q为Pi和T网络的有载Q，short用短路支节")},
         AutoMatch},
        {{"apply"},
         "N [E24]",
         {QT_TRANSLATE_NOOP("ConsoleText", ">apply N [E24]  接入第N个方案，可选E12 E24 E48 E96标称值")},
         Apply},
        {{"undo"}, "", {QT_TRANSLATE_NOOP("ConsoleText", ">undo     撤销上一步对网络的修改")}, Undo},
        {{"redo"}, "", {QT_TRANSLATE_NOOP("ConsoleText", ">redo     重做撤销的修改")}, Redo},
        {{"parts"},
         "QL QC TL TC",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">parts 30 200 2 5  元件模型：电感Q 电容Q（0为理想） 电感容差% 电容容差%，不带参数时显示")},
         Parts},
        {{"yield"},
         "F1 F2 RL N [SEED]",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">yield 400m 700m 10 1000 [7]  成品率：频带内回波损耗不低于10dB的比例，1000次，可选随机种子")},
         Parts},
        {{"bodefano"},
         "[RL]",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">bodefano [10]  Bode-Fano极限：任何无损网络对此负载可达的最大带宽")},
         Parts},
        {{"twoport"},
         "FILE F",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">twoport s.s2p 2g  "
                            "读入晶体管文件在该频率的数据（并设为工作频率）：稳定性、最大增益、"
                            "同时共轭匹配、噪声参数")},
         DeviceDesign},
        {{"circle"},
         "ga|gp|nf DB",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">circle ga 12  画可用增益圆（ga）、工作增益圆（gp）或噪声圆（nf，dB）")},
         DeviceDesign},
        {{"ampin"},
         "[opt]",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">ampin [opt]  "
             "负载设为晶体管输入阻抗（同时共轭匹配；opt：最佳噪声），源为Zo，用于设计输入网络")},
         DeviceDesign},
        {{"ampout"},
         "",
         {QT_TRANSLATE_NOOP("ConsoleText",
                            ">ampout   负载设为晶体管输出阻抗（同时共轭匹配），源为Zo，用于设计输出网络")},
         DeviceDesign},
        {{"stage"},
         "IN.smh FILE OUT.smh F1 F2 N",
         {QT_TRANSLATE_NOOP(
             "ConsoleText",
             ">stage in.smh t.s2p out.smh 1g 3g 201  放大器：输入网络、晶体管文件、输出网络级联，"
             "每个频率 MHz GT(dB) 输入回波损耗 输出回波损耗 mu，及稳定性结论；之后 export x.s2p 导出")},
         Stage},
        // Not in the list: a fixed test transistor's S-parameters, and the frequency in force.
        {{"t"}, "", {}, SampleSParameters},
        {{"curfre"}, "", {}, ShowFrequency},
    };
    return table;
}

const ConsoleCommand* FindConsoleCommand(std::string_view word) {
    for (const ConsoleCommand& command : ConsoleCommands())
        if (std::ranges::find(command.names, word) != command.names.end())
            return &command;
    return nullptr;
}

std::vector<std::string> ConsoleCommandListLines() {
    std::vector<std::string> lines = {Utf8(ConsoleText::tr("--------帮助--------"))};
    for (const ConsoleCommand& command : ConsoleCommands())
        for (std::string_view help : command.help)
            lines.push_back(TranslatedConsoleLine(help));
    return lines;
}

} // namespace qv
