#include "app/batch_run.h"

#include "app/startup.h"
#include "chart/drawing/chart_picture.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "matching/console/console_step.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QString>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <vector>

namespace qv {

namespace {

// Message boxes go to the error stream; nothing can be asked or chosen without a display.
class BatchPrompter final : public Prompter {
public:
    explicit BatchPrompter(std::ostream& err) : err_(err) {}
    void showMessage(const QString& text) override { err_ << U8(text) << '\n'; }
    void showWarningToIgnore(const QString& text) override { showMessage(text); }
    Answer ask(const QString& text, bool /*withCancel*/) override {
        err_ << U8(text) << " -> No\n";
        return Answer::No;
    }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return noDialog();
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return noDialog();
    }
    std::optional<int> chooseColour(int) override { return std::nullopt; }

private:
    std::optional<QString> noDialog() {
        err_ << "no file dialog in a batch run: give the file name after the command\n";
        return std::nullopt;
    }
    std::ostream& err_;
};

// The console as a batch run sees it: appended lines go to standard output; clearing, hiding,
// the z-order, the opacity and the S-parameter table have no headless counterpart.
class BatchConsole final : public ConsoleHost, public ConsoleView {
public:
    BatchConsole(Prompter& prompter, TForm2& chart, std::ostream& out)
        : prompter_(prompter), chart_(chart), out_(out) {}

    void setConsoleOpacity(int, int) override {}
    std::optional<std::string> askOpenFileName(std::string_view filter) override {
        return chosen(prompter_.openFileName({}, {}, Q(filter)));
    }
    std::optional<std::string> askSaveFileName(std::string_view filter) override {
        return chosen(prompter_.saveFileName({}, {}, Q(filter)));
    }
    void drawChartCircle(const OverlayCircle& circle) override { chart_.addOverlayCircle(circle); }

    void setStayOnTop(bool) override {}
    void closeConsole() override {}
    void clearText() override {}
    void appendLine(const std::string& utf8, const ConsoleTextStyle&) override { out_ << utf8 << '\n'; }
    void showSParameterTable() override {}
    void setTypingStyle(const ConsoleTextStyle&) override {}

private:
    static std::optional<std::string> chosen(const std::optional<QString>& name) {
        if (!name)
            return std::nullopt;
        return U8(*name);
    }
    Prompter& prompter_;
    TForm2& chart_;
    std::ostream& out_;
};

// The script's lines without their line ends (LF or CR LF), a UTF-8 byte-order mark skipped.
std::vector<std::string> ScriptLines(std::string text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> ReadScript(const std::string& script, std::istream& standardInput) {
    if (script != "-")
        return ReadWholeFile(script);
    std::string text{std::istreambuf_iterator<char>(standardInput), std::istreambuf_iterator<char>()};
    if (standardInput.bad())
        return std::nullopt;
    return text;
}

} // namespace

int RunBatch(const BatchOptions& options, std::istream& standardInput, std::ostream& out, std::ostream& err) {
    // A save beyond the file-size limit reports its failure and the script goes on.
    IgnoreFileSizeSignal();
    const std::optional<std::string> script = ReadScript(options.script, standardInput);
    if (!script) {
        err << "quorvane: cannot read " << (options.script == "-" ? "standard input" : options.script)
            << '\n';
        return 2;
    }

    ProgramState state(options.programDirectory);
    MessageHub hub;
    BatchPrompter prompter(err);
    ApplicationWindows windows(state, hub, prompter);
    BatchConsole console(prompter, windows.main, out);
    console.shareSweepSession(windows.frequencyResponse.sweepSession());

    const std::vector<std::string> lines = ScriptLines(*script);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        try {
            RunConsoleLine(windows.network, console, console, lines[i]);
        } catch (const std::exception& error) {
            err << "line " << i + 1 << ": " << error.what() << '\n';
        }
    }
    out.flush();

    if (options.saveChart.empty())
        return 0;
    if (!windows.main.savePicture(options.saveChart)) {
        err << "quorvane: cannot write " << options.saveChart << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv
