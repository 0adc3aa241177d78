#pragma once

#include "core/settings/program_state.h"
#include "matching/console/console_interpreter.h"
#include "matching/console/console_step.h"

#include <QWidget>
#include <functional>

class QStatusBar;
class QTextEdit;

namespace qv {

class NetworkModel;
class Prompter;

// The command console "命令行输入": a rich-text area in which each line completed with Enter is
// run as a command, with the answers written below it.
class Tfordin final : public QWidget, private ConsoleHost, private ConsoleView {
    Q_OBJECT
public:
    Tfordin(NetworkModel& network, Prompter& prompter, QWidget* parent = nullptr);

    // The S-parameter table window that "sp" shows; none until that window exists.
    void setSParameterTable(QWidget* table) { sParameterTable_ = table; }
    // Where "circle" puts its circles: the chart, once the application plugs it in.
    void setChartCircleSink(std::function<void(const OverlayCircle&)> sink) { circleSink_ = std::move(sink); }

    // The frequency-response window's sweep, so that "export" and "plot" write the sweep made there.
    using ConsoleHost::shareSweepSession;

    // Runs the line before the caret, as the release of Enter does (key code 13).
    void RichEdit1KeyUp(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    // ConsoleHost
    void setConsoleOpacity(int colourKey, int alpha) override;
    std::optional<std::string> askOpenFileName(std::string_view filter) override;
    std::optional<std::string> askSaveFileName(std::string_view filter) override;
    void drawChartCircle(const OverlayCircle& circle) override;

    // ConsoleView
    void setStayOnTop(bool on) override;
    void closeConsole() override;
    void clearText() override;
    void appendLine(const std::string& utf8, const ConsoleTextStyle& style) override;
    void showSParameterTable() override;
    void setTypingStyle(const ConsoleTextStyle& style) override;

    NetworkModel& network_;
    Prompter& prompter_;
    QTextEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QWidget* sParameterTable_ = nullptr;
    std::function<void(const OverlayCircle&)> circleSink_;
    bool showedTable_ = false; // the running command opened the S-parameter table
};

} // namespace qv
