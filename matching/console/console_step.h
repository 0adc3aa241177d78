#pragma once

#include "matching/console/console_interpreter.h"

#include <string>
#include <string_view>

// What the console window does with a line the user has just completed with Enter: run it
// through the interpreter, then write the answer, clear, hide, change the z-order, notify the
// main and setup windows or open the S-parameter table, by the result text and code.
namespace qv {

class NetworkModel;

struct ConsoleTextStyle {
    int colour = 0; // 0x00BBGGRR
    int pointSize = 8;
    bool operator==(const ConsoleTextStyle&) const = default;
};

inline constexpr ConsoleTextStyle TypingStyle{0x0000FF, 12}; // what the user types: red, 12 pt
inline constexpr ConsoleTextStyle ResultStyle{0x000000, 8};  // answers: black, 8 pt
inline constexpr ConsoleTextStyle NoticeStyle{0x0000FF, 8};  // "t", "getcurr", "save" lines: red, 8 pt

// The console window as the step sees it.
class ConsoleView {
public:
    virtual ~ConsoleView() = default;
    virtual void setStayOnTop(bool on) = 0;
    virtual void closeConsole() = 0; // hides; the text stays
    virtual void clearText() = 0;
    // One line at the end of the console text.
    virtual void appendLine(const std::string& utf8, const ConsoleTextStyle& style) = 0;
    virtual void showSParameterTable() = 0;
    virtual void setTypingStyle(const ConsoleTextStyle& style) = 0;
};

// Runs one completed line. The typing style returns to TypingStyle in every case, also when the
// interpreter or a notified window throws (the error then goes on to the caller).
void RunConsoleLine(NetworkModel& network, ConsoleHost& host, ConsoleView& view, std::string_view line);

// Appends a text whose lines are separated by CR LF, one appendLine per line; a trailing line
// break gives a last, empty line.
void AppendLines(ConsoleView& view, std::string_view text, const ConsoleTextStyle& style);

} // namespace qv
