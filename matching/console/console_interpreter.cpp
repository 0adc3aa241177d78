#include "matching/console/console_interpreter.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "matching/analysis/node_calculation.h"
#include "matching/console/console_commands.h"
#include "matching/console/console_text.h"
#include "matching/console/console_texts.h"
#include "matching/model/console_labels.h"
#include "matching/model/network_model.h"
#include "matching/model/network_texts.h"
#include "ui/file_failure_text.h"

#include <cmath>

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";
// A label is shown with at most this many bytes; the stored field holds 23.
constexpr std::size_t ShownLabelBytes = 21;

std::string NodePart(const MatchNode& node) {
    return Utf8(
        ConsoleText::tr("节点阻抗:=%1").arg(FromUtf8(FormatSignedPair("", "%4.3f", node.nodeR, node.nodeX))));
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
        static constexpr const char* Names[] = {
            QT_TRANSLATE_NOOP("ConsoleText", "串联电容"), QT_TRANSLATE_NOOP("ConsoleText", "并联电容"),
            QT_TRANSLATE_NOOP("ConsoleText", "串联电感"), QT_TRANSLATE_NOOP("ConsoleText", "并联电感")};
        text += Utf8(QCoreApplication::translate("ConsoleText", Names[node.kind - 1]));
        text += LabelText(node, ShownLabelBytes);
        text += LineBreak;
        text += NodePart(node);
        break;
    }
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
    case ShuntShortedStub:
        text += Utf8(node.kind == SeriesMicrostripLine  ? ConsoleText::tr("串联微带")
                     : node.kind == ShuntMicrostripStub ? ConsoleText::tr("并联微带")
                                                        : ConsoleText::tr("并联短路微带"));
        text += LabelText(node, ShownLabelBytes);
        text += LineBreak;
        text += NodePart(node);
        text += LineBreak;
        text += Utf8(ConsoleText::tr("频率:%1微带长度:%2宽度:%3")
                         .arg(FromUtf8(FormatFrequency(node.strip.frequency)),
                              FromUtf8(FormatLength(node.strip.Len)), FromUtf8(FormatLength(node.strip.W))));
        break;
    case SeriesImpedance:
    case ShuntImpedance:
        text +=
            Utf8(node.kind == SeriesImpedance ? ConsoleText::tr("串联阻抗") : ConsoleText::tr("并联阻抗"));
        text += Utf8(
            ConsoleText::tr("->阻抗:%1,电抗:%2").arg(NumberText("%f", node.R), NumberText("%f", node.value)));
        text += LineBreak;
        text += NodePart(node);
        text += LineBreak;
        break;
    default:
        text += NodePart(node);
        text += LineBreak;
        text += Utf8(ConsoleText::tr("输入阻抗:=%1")
                         .arg(FromUtf8(FormatSignedPair("", "%4.3f", node.sourceR, node.sourceX))));
        break;
    }
    return text;
}

std::optional<MatchNode> ModifiedElement(const ProgramState& state, int n, std::string_view field,
                                         std::string_view valueText, std::string* refusal) {
    const auto refuse = [refusal](std::string line) {
        if (refusal)
            *refusal = Utf8(ConsoleText::tr(">modify 参数错误：%1").arg(FromUtf8(line)));
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
            return refuse(Utf8(ConsoleText::tr("'%1' 不是有效的元件值，例如 20p、10n")
                                   .arg(FromUtf8(std::string(valueText)))));
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
            return refuse(Utf8(ConsoleText::tr("微带元件可改 w、l、tr、h、t")));
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
            return refuse(Utf8(ConsoleText::tr("阻抗元件可改 r、j")));
        break;
    default:
        return std::nullopt;
    }
    const std::string implausible =
        Utf8(ElementProblemText(ImplausibleElement({node.kind, node.strip, node.R, node.value})));
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
        result.text =
            Utf8(ConsoleText::tr(">%1 不是命令（命令区分大小写），输入 ? 查看命令列表").arg(FromUtf8(t[0])));
    // A setting the command could not store is said once, after its answer.
    if (state.para.TakeWriteFailure())
        result.text += (result.text.empty() ? ">" : "\r\n>") + Utf8(SettingsNotSavedLine(state.para.path()));
    return result;
}

} // namespace qv
