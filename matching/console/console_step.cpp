#include "matching/console/console_step.h"
#include "matching/model/network_model.h"

#include "core/numbers/engineering.h"
#include "core/numbers/real.h"
#include "core/numbers/text_format.h"
#include "matching/console/console_commands.h"
#include "matching/console/console_text.h"
#include "matching/console/console_texts.h"

#include <cmath>

namespace qv {

namespace {

// Restores the typing style when the step ends, however it ends.
class TypingStyleGuard {
public:
    explicit TypingStyleGuard(ConsoleView& view) : view_(view) {}
    ~TypingStyleGuard() { view_.setTypingStyle(TypingStyle); }
    TypingStyleGuard(const TypingStyleGuard&) = delete;
    TypingStyleGuard& operator=(const TypingStyleGuard&) = delete;

private:
    ConsoleView& view_;
};

// Lines of the fixed help tables, each in the interface's language.
void AppendAll(ConsoleView& view, std::span<const std::string_view> lines, const ConsoleTextStyle& style) {
    for (std::string_view line : lines)
        view.appendLine(TranslatedConsoleLine(line), style);
}

// A fixed test transistor's S-parameters, magnitude and angle, shown in rectangular form.
void AppendSampleSParameters(ConsoleView& view, const ConsoleTextStyle& style) {
    struct Polar {
        const char* format;
        Real magnitude;
        Real degrees;
    };
    static constexpr Polar Samples[] = {
        {"s11=%f, %f", 0.65L, -166},
        {"s22=%f ,%f", 0.51L, -40},
        {"s12=%f ,%f", 0.07L, 36},
        {"s21=%f ,%f", 3.39L, 78},
    };
    for (const Polar& s : Samples) {
        const Real a = s.degrees * TwoPi / 360;
        view.appendLine(Format(s.format, {s.magnitude * std::cos(a), s.magnitude * std::sin(a)}), style);
    }
}

std::string EffectiveLine(bool on) {
    return Utf8(on ? ConsoleText::tr(">在计算微带接入时用有效波长计算")
                   : ConsoleText::tr(">在计算微带接入时不用有效波长计算"));
}

} // namespace

void AppendLines(ConsoleView& view, std::string_view text, const ConsoleTextStyle& style) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            view.appendLine(std::string(text.substr(start)), style);
            return;
        }
        view.appendLine(std::string(text.substr(start, end - start)), style);
        start = end + 2;
    }
}

void RunConsoleLine(NetworkModel& network, ConsoleHost& host, ConsoleView& view, std::string_view line) {
    const ProgramState& state = network.state();
    TypingStyleGuard guard(view);
    const ConsoleResult result = InterpretCommand(network, host, line);

    using Code = ConsoleResultCode;
    switch (result.code) {
    case Code::StayOnTopOn:
    case Code::StayOnTopOff:
        view.setStayOnTop(result.code == Code::StayOnTopOn);
        return;
    case Code::Exit:
        view.closeConsole();
        break;
    case Code::Clear:
        view.clearText();
        return;
    case Code::CommandList:
        for (const std::string& listed : ConsoleCommandListLines())
            view.appendLine(listed, ResultStyle);
        return;
    case Code::SampleSParameters:
        AppendSampleSParameters(view, NoticeStyle);
        break;
    case Code::ElementCount:
        view.appendLine(Format("%d", {state.NodeCount}), NoticeStyle);
        return;
    case Code::Saved:
        view.appendLine(Utf8(ConsoleText::tr("保存成功")), NoticeStyle);
        return;
    case Code::EffectiveOn:
        view.appendLine(EffectiveLine(true), ResultStyle);
        break;
    case Code::EffectiveOff:
        view.appendLine(EffectiveLine(false), ResultStyle);
        break;
    case Code::EffectiveShown:
        view.appendLine(EffectiveLine(state.effflag == 1), ResultStyle);
        break;
    case Code::AddHelp:
        AppendAll(view, ConsoleAddcHelp, ResultStyle);
        break;
    case Code::MatchModeSet:
        view.appendLine(
            Utf8(state.matchflag == 0 ? ConsoleText::tr(">设置共扼匹配") : ConsoleText::tr(">设置阻抗匹配")),
            ResultStyle);
        break;
    case Code::MatchModeShown:
        view.appendLine(Utf8(state.matchflag == 0 ? ConsoleText::tr(">系统设置为共扼匹配")
                                                  : ConsoleText::tr(">系统设置为阻抗匹配")),
                        ResultStyle);
        break;
    case Code::FrequencyShown:
        view.appendLine(Utf8(ConsoleText::tr(">当前频率为%1").arg(FromUtf8(FormatFrequency(state.Fo)))),
                        ResultStyle);
        break;
    case Code::SParameterTable:
        view.showSParameterTable();
        break;
    case Code::ProgramHelp:
        view.clearText();
        AppendAll(view, ConsoleProgramHelp, ResultStyle);
        break;
    default:
        break;
    }
    if (!result.text.empty())
        AppendLines(view, result.text, ResultStyle);
}

} // namespace qv
