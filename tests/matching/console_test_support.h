#pragma once

#include "core/settings/program_state.h"
#include "matching/console/console_interpreter.h"
#include "matching/console/console_step.h"
#include "matching/model/network_model.h"
#include "support/test_paths.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

// The lines of a console answer (CR LF between them).
inline std::vector<std::string> AnswerLines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        out.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return out;
        start = end + 2;
    }
}

// Records what the interpreter asks of the windows and answers file dialogs from queues.
class RecordingHost final : public ConsoleHost {
public:
    std::vector<int> opacities;
    std::vector<std::string> dialogFilters;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;

    void setConsoleOpacity(int, int alpha) override { opacities.push_back(alpha); }
    std::optional<std::string> askOpenFileName(std::string_view filter) override {
        return answer(openAnswers, filter);
    }
    std::optional<std::string> askSaveFileName(std::string_view filter) override {
        return answer(saveAnswers, filter);
    }

private:
    std::optional<std::string> answer(std::deque<std::optional<std::string>>& queue,
                                      std::string_view filter) {
        dialogFilters.emplace_back(filter);
        if (queue.empty())
            return std::nullopt;
        std::optional<std::string> next = queue.front();
        queue.pop_front();
        return next;
    }
};

// Records what the console step does to the window; "+" marks a line in the notice style.
class RecordingView final : public ConsoleView {
public:
    std::vector<std::string> events; // "top 1", "close", "clear", "sp", "line ...", "notice ..."
    std::vector<std::string> lines;  // appended lines only
    std::vector<ConsoleTextStyle> typingStyles;

    void setStayOnTop(bool on) override { events.push_back(on ? "top 1" : "top 0"); }
    void closeConsole() override { events.push_back("close"); }
    void clearText() override {
        events.push_back("clear");
        lines.clear();
    }
    void appendLine(const std::string& utf8, const ConsoleTextStyle& style) override {
        events.push_back((style == NoticeStyle   ? "notice "
                          : style == ResultStyle ? "line "
                                                 : "other ") +
                         utf8);
        lines.push_back(utf8);
    }
    void showSParameterTable() override { events.push_back("sp"); }
    void setTypingStyle(const ConsoleTextStyle& style) override { typingStyles.push_back(style); }
};

// A program state in a fresh data folder, with slot 0 holding the reference impedance as at
// start, its network model, and the names of the changes the model announced, in order.
struct ConsoleFixtureState {
    TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel network{state};
    std::vector<std::string> changes;
    ConsoleFixtureState() {
        WritableNetwork(state).network[0].sourceR = state.Zo;
        WritableNetwork(state).network[0].nodeR = state.Zo;
        QObject::connect(&network, &NetworkModel::changed, [this](NetworkChange change) {
            static constexpr const char* Names[] = {
                "reset",      "ends",       "appended",     "elements", "loaded",  "frequency", "impedance",
                "match mode", "wavelength", "recalculated", "restored", "several", "parts"};
            changes.emplace_back(Names[static_cast<int>(change)]);
        });
    }
};

} // namespace qv::test
