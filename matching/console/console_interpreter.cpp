#include "matching/console/console_interpreter.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "matching/analysis/node_calculation.h"
#include "matching/console/console_commands.h"
#include "matching/console/console_texts.h"
#include "matching/model/console_labels.h"
#include "matching/model/network_model.h"

#include <cmath>

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";
// A label is shown with at most this many bytes; the stored field holds 23.
constexpr std::size_t ShownLabelBytes = 21;

std::string NodePart(const MatchNode& node) {
    return FormatSignedPair("节点阻抗:=", "%4.3f", node.nodeR, node.nodeX);
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
    case ShuntShortedStub:
        text += node.kind == SeriesMicrostripLine  ? "串联微带"
                : node.kind == ShuntMicrostripStub ? "并联微带"
                                                   : "并联短路微带";
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
    case ShuntMicrostripStub:
    case ShuntShortedStub: {
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
    const Tokens t = SplitTokens(line, ' ');
    if (t.count == 0)
        return {};
    state.para.TakeWriteFailure(); // what an earlier write of another window left unsaid
    ConsoleResult result;
    if (const ConsoleCommand* command = FindConsoleCommand(t[0]))
        result = command->run({network, host, state, t});
    else
        result.text = ">" + t[0] + " 不是命令（命令区分大小写），输入 ? 查看命令列表";
    // A setting the command could not store is said once, after its answer.
    if (const std::optional<std::string> failure = state.para.TakeWriteFailure())
        result.text += (result.text.empty() ? ">" : "\r\n>") + *failure;
    return result;
}

} // namespace qv
