#include "matching/console_interpreter.h"

#include "core/decimal.h"
#include "core/engineering.h"
#include "core/errors.h"
#include "core/sentinels.h"
#include "core/text_format.h"
#include "core/tokens.h"
#include "matching/console_files.h"
#include "matching/console_labels.h"
#include "matching/console_texts.h"
#include "matching/match_figures.h"
#include "matching/network_model.h"
#include "matching/node_calculation.h"

#include <cmath>

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";
// A label is shown with at most this many bytes; the stored field holds 23.
constexpr std::size_t ShownLabelBytes = 21;

std::string JoinLines(const auto& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += LineBreak;
        text += lines[i];
    }
    return text;
}

std::string NodePart(const MatchNode& node) {
    return FormatSignedPair("节点阻抗:=", "%4.3f", node.nodeR, node.nodeX);
}

// A value that ParseEngineering gave back as rejected; nothing may be built from it.
bool IsRejectedEngineering(Real value) {
    return value == RejectedEngineeringValue || !std::isfinite(value);
}

// ParseEngineering of a typed value, with a malformed number taken as rejected too.
Real ParsedOrRejected(std::string_view text) {
    try {
        return ParseEngineering(Trim(text));
    } catch (const ConversionError&) {
        return RejectedEngineeringValue;
    }
}

bool IsCapacitorLetter(const std::string& s) {
    return s == "c" || s == "C";
}
bool IsInductorLetter(const std::string& s) {
    return s == "l" || s == "L";
}

ConsoleResult AddElement(NetworkModel& network, const Tokens& t) {
    const ProgramState& state = network.state();
    if (t.count < 4)
        return {{}, ConsoleResultCode::AddHelp};
    const int k = StrToInt(t[1]);
    const std::string& m = t[2];
    const bool lumped = ((m == "1" || m == "2") && IsCapacitorLetter(t[3])) ||
                        ((m == "3" || m == "4") && IsInductorLetter(t[3]));
    const bool strip = (m == "5" || m == "6") && t.count >= 8;
    // k == NodeCount + 1 appends; slot 500 is the last one there is.
    const bool inRange = k >= 2 && k <= state.NodeCount + 1 && state.NodeCount < LastMatchSlot;
    if (!(lumped || strip) || !inRange)
        return {{}, ConsoleResultCode::AddHelp};

    // Every number is converted before the table is touched.
    Real value = 0;
    MicrostripBlock block;
    if (lumped) {
        value = ParseEngineering(t[4]);
        if (IsRejectedEngineering(value))
            return {{}, ConsoleResultCode::AddHelp};
    } else {
        block.frequency = state.Fo;
        block.W = TypedToFloat(t[3]);
        block.H = TypedToFloat(t[4]);
        block.Len = TypedToFloat(t[5]);
        block.Er = TypedToFloat(t[6]);
        block.T = TypedToFloat(t[7]);
    }
    const std::string implausible = ImplausibleElementText({m[0] - '0', block, 0, value});
    if (!implausible.empty())
        return {">addc 参数错误：" + implausible, ConsoleResultCode::None};

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
    network.insert(k, node);
    return {{}, ConsoleResultCode::Added};
}

void WriteFlag(const ProgramState& state, std::string_view key, int flag) {
    state.para.WriteParaString(key, Format("%d", {flag}));
}

// setload / setsrc R X: slot 1 from ohms. The line to show: the impedance set, or why not.
ConsoleResult SetStartNode(NetworkModel& network, const Tokens& t, bool load) {
    Real r = 0;
    Real x = 0;
    if (t.count < 3 || !TryTypedToFloat(t[1], r) || !TryTypedToFloat(t[2], x) || r < 0)
        return {Format(">%s R X  参数错误：R（不小于0）和 X 为欧姆值", {t[0]}), ConsoleResultCode::None};
    if (load)
        network.setLoad({r, x});
    else
        network.setSource({r, x});
    return {FormatSignedPair(load ? ">负载阻抗:=" : ">源阻抗:=", "%4.3f", r, x) + "欧",
            load ? ConsoleResultCode::LoadSet : ConsoleResultCode::SourceSet};
}

// The line of a chain that stops at an element: the nodes after it were never computed.
std::string ChainFailureLine(const NetworkModel& network, const std::string& reason) {
    return Format(">第%d个元件无法计算: %s", {network.computedNodeCount() + 1, reason});
}

// A mode is set even on a chain that fails at some element: the mode's line, then the failure.
template <typename Change> void SetModeOnChain(NetworkModel& network, ConsoleResult& result, Change change) {
    try {
        change();
    } catch (const FloatingPointError& error) {
        result.text = ChainFailureLine(network, error.what());
    }
}

// The main window's match figures of the last node against the source, on one line.
std::string MatchFiguresLine(const NetworkModel& network) {
    const ProgramState& state = network.state();
    if (state.NodeCount < 1)
        return ">getmatch  没有设置负载和源阻抗";
    if (network.computedNodeCount() < state.NodeCount)
        return Format(">getmatch  第%d个元件无法计算，没有匹配结果", {network.computedNodeCount() + 1});
    const MatchFigureTexts figures = FormatMatchFigures(state, "%4.2f");
    return ">" + figures.returnLoss + " " + figures.vswr + " " + figures.mismatchLoss;
}

} // namespace

std::string FormatElementLine(const ProgramState& state, std::string_view indexText) {
    const int i = ParseIndex(indexText);
    if (i < 0 || i > state.NodeCount)
        return {};
    const MatchNode& node = state.network[i];
    std::string text = Format(">%d:", {i});
    switch (node.kind) {
    case SeriesCapacitor:
    case ShuntCapacitor:
    case SeriesInductor:
    case ShuntInductor: {
        static constexpr std::string_view Names[] = {"串联电容", "并联电容", "串联电感", "并联电感"};
        text += Names[node.kind - 1];
        text += LabelText(node, ShownLabelBytes);
        text += LineBreak;
        text += NodePart(node);
        break;
    }
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
        text += node.kind == SeriesMicrostripLine ? "串联微带" : "并联微带";
        text += LabelText(node, ShownLabelBytes);
        text += LineBreak;
        text += NodePart(node);
        text += LineBreak;
        text += "频率:" + FormatFrequency(node.strip.frequency) + "微带长度:" + FormatLength(node.strip.Len) +
                "宽度:" + FormatLength(node.strip.W);
        break;
    case SeriesImpedance:
    case ShuntImpedance:
        text += node.kind == SeriesImpedance ? "串联阻抗" : "并联阻抗";
        text += Format("->阻抗:%f,电抗:%f", {node.R, node.value});
        text += LineBreak;
        text += NodePart(node);
        text += LineBreak;
        break;
    default:
        text += NodePart(node);
        text += LineBreak;
        text += FormatSignedPair("输入阻抗:=", "%4.3f", node.sourceR, node.sourceX);
        break;
    }
    return text;
}

std::optional<MatchNode> ModifiedElement(const ProgramState& state, int n, std::string_view field,
                                         std::string_view valueText, std::string* refusal) {
    const auto refuse = [refusal](std::string line) {
        if (refusal)
            *refusal = ">modify 参数错误：" + std::move(line);
        return std::nullopt;
    };
    if (n < 2 || n > state.NodeCount)
        return std::nullopt;
    MatchNode node = state.network[n];
    const std::string x(field);
    switch (node.kind) {
    case SeriesCapacitor:
    case ShuntCapacitor:
    case SeriesInductor:
    case ShuntInductor: {
        const Real value = ParseEngineering(valueText);
        if (IsRejectedEngineering(value)) {
            std::string quoted = "'"; // appended: see the -Wrestrict note in console_sweep.cpp
            quoted += valueText;
            return refuse(quoted + "' 不是有效的元件值，例如 20p、10n");
        }
        StoreLabel(node, valueText);
        node.value = value;
        break;
    }
    case SeriesMicrostripLine:
    case ShuntMicrostripStub: {
        const bool width = x == "w" || x == "W";
        const bool length = x == "l" || x == "L";
        const bool permittivity = x == "tr" || x == "Tr" || x == "tR" || x == "TR";
        const bool height = x == "h" || x == "H";
        const bool thickness = x == "t" || x == "T";
        if (!(width || length || permittivity || height || thickness))
            return refuse("微带元件可改 w、l、tr、h、t");
        // Typed in millimetres (the permittivity has no unit); stored in metres.
        const Real typed = TypedToFloat(valueText);
        if (width) {
            StoreLabel(node, Format("L:%f/W:%f", {node.strip.Len * 1000, typed}));
            node.strip.W = typed / 1000;
        } else if (length) {
            StoreLabel(node, Format("L:%f/W:%f", {typed, node.strip.W * 1000}));
            node.strip.Len = typed / 1000;
        } else if (permittivity) {
            node.strip.Er = typed;
        } else if (height) {
            node.strip.H = typed / 1000;
        } else {
            node.strip.T = typed / 1000;
        }
        break;
    }
    case SeriesImpedance:
    case ShuntImpedance:
        if (x == "r" || x == "R")
            node.R = TypedToFloat(valueText);
        else if (x == "j" || x == "J")
            node.value = TypedToFloat(valueText);
        else
            return refuse("阻抗元件可改 r、j");
        break;
    default:
        return std::nullopt;
    }
    const std::string implausible = ImplausibleElementText({node.kind, node.strip, node.R, node.value});
    if (!implausible.empty())
        return refuse(implausible);
    return node;
}

ConsoleResult InterpretCommand(NetworkModel& network, ConsoleHost& host, std::string_view line) {
    const ProgramState& state = network.state();
    ConsoleResult result;
    const Tokens t = SplitTokens(line, ' ');
    if (t.count == 0)
        return result;
    state.para.TakeWriteFailure(); // what an earlier write of another window left unsaid
    const std::string& command = t[0];
    using Code = ConsoleResultCode;

    if (command == "?") {
        result = {"?", Code::CommandList};
    } else if (command == "disp") {
        result.code = Code::Display;
        if (t.count >= 2) {
            result.text = FormatElementLine(state, t[1]);
        } else {
            for (int i = 0; i <= state.NodeCount; ++i)
                result.text += FormatElementLine(state, Format("%d", {i})) + std::string(LineBreak);
        }
    } else if (command == "modify" || command == "m") {
        if (t.count >= 2) {
            const int n = StrToInt(t[1]);
            std::string refusal;
            if (const std::optional<MatchNode> changed = ModifiedElement(state, n, t[2], t[3], &refusal))
                network.replace(n, *changed);
            result = {refusal.empty() ? FormatElementLine(state, t[1]) : refusal, Code::Modified};
        } else {
            result = {JoinLines(ConsoleModifyHelp), Code::ModifyHelp};
        }
    } else if (command == "exit" || command == "clr" || command == "t") {
        result.text = command;
    } else if (command == "setal") {
        result.code = Code::Transparency;
        int colourKey = 0;
        int alpha = 0;
        if (ValidateDigits(t[1]) && ValidateDigits(t[2]) && TryStrToInt(t[1], colourKey) &&
            TryStrToInt(t[2], alpha) && alpha > 50)
            host.setConsoleOpacity(colourKey, std::min(alpha, 255));
    } else if (command == "settop") {
        result.code = Code::StayOnTop;
        if (t[1] == "1")
            result.text = "settop0";
        else if (t[1] == "0")
            result.text = "settop1";
    } else if (command == "getcurr") {
        result = {"getcurr", Code::ElementCount};
    } else if (command == "rdf") {
        result.code = Code::NetworkRead;
        std::optional<std::string> name =
            t.count >= 2 ? std::optional(t[1]) : host.askOpenFileName(NetworkOpenFilter);
        if (name && !name->empty())
            result.text = ReadNetworkForConsole(network, *name);
    } else if (command == "save") {
        std::optional<std::string> name = t[1];
        if (t.count < 2) {
            result.code = Code::SaveAsked;
            name = host.askSaveFileName(NetworkSaveFilter);
        }
        if (name && !name->empty())
            result.text = WriteNetworkForConsole(network, *name);
    } else if (command == "mtr") {
        if (t[1] == "1" || t[1] == "0") {
            result.code = t[1] == "1" ? Code::EffectiveOn : Code::EffectiveOff;
            SetModeOnChain(network, result, [&] { network.setWavelengthMode(t[1] == "1" ? 1 : 0); });
        } else {
            WriteFlag(state, "effflag", state.effflag);
        }
    } else if (command == "rdtr") {
        result = {Format("%d", {state.effflag}), Code::EffectiveShown};
    } else if (command == "delc") {
        if (t.count >= 2) {
            const int k = StrToInt(t[1]);
            if (k < 2 || k > state.NodeCount) {
                result.code = Code::DeleteIgnored;
            } else {
                network.remove(k);
                result.code = Code::Deleted;
            }
        }
    } else if (command == "addc") {
        result = AddElement(network, t);
    } else if (command == "setm") {
        if (t[1] == "1" || t[1] == "0")
            SetModeOnChain(network, result, [&] { network.setMatchMode(t[1] == "1" ? 1 : 0); });
        else
            WriteFlag(state, "matchflag", state.matchflag);
        result.code = Code::MatchModeSet;
    } else if (command == "getm") {
        result.code = Code::MatchModeShown;
    } else if (command == "curfre") {
        result.code = Code::FrequencyShown;
    } else if (command == "setfre" || command == "setzo") {
        const bool frequency = command == "setfre";
        result.code = frequency ? Code::FrequencySet : Code::ImpedanceSet;
        // The network refuses what is no usable positive value; the line says why.
        const Real value = ParsedOrRejected(t[1]);
        const bool taken = frequency ? network.setFrequency(value) : network.setReferenceImpedance(value);
        if (!taken)
            result.text = frequency ? ">setfre 参数错误：频率须为大于0的数，例如 setfre 600m"
                                    : ">setzo 参数错误：系统阻抗须为大于0的数，例如 setzo 50";
    } else if (command == "sp" || command == "SP" || command == "sP" || command == "Sp") {
        result = {"sp", Code::SParameterTable};
    } else if (command == "help") {
        result = {"help", Code::ProgramHelp};
    } else if (command == "setload" || command == "setsrc") {
        result = SetStartNode(network, t, command == "setload");
    } else if (command == "getmatch") {
        result.text = MatchFiguresLine(network);
    } else if (IsSweepCommand(command)) {
        result.text = InterpretSweepCommand(state, host.sweepSession(), t);
    } else if (command == "autom") {
        result.text = RunAutomCommand(state, host.autoMatchListing(), t);
    } else if (command == "apply") {
        result.text = RunApplyCommand(network, host.autoMatchListing(), t);
    } else if (command == "undo") {
        result.text = network.undo() ? ">已撤销" : ">没有可撤销的操作";
    } else if (command == "redo") {
        result.text = network.redo() ? ">已重做" : ">没有可重做的操作";
    } else {
        result.text = ">" + command + " 不是命令（命令区分大小写），输入 ? 查看命令列表";
    }
    // A setting the command could not store is said once, after its answer.
    if (const std::optional<std::string> failure = state.para.TakeWriteFailure())
        result.text += (result.text.empty() ? ">" : "\r\n>") + *failure;
    return result;
}

} // namespace qv
