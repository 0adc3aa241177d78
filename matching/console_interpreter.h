#pragma once

#include "core/program_state.h"

#include <optional>
#include <string>
#include <string_view>

// The console's command language: a typed line in, a result text and a code out, with the
// changes to the network, the frequency, the reference impedance and the modes made on the
// program state. The interpreter never writes into the console window; what the window does
// with the result is the console step (console_step.h).
namespace qv {

// What the window does after a command; None for lines with no window action.
enum class ConsoleResultCode {
    None = 0,
    CommandList = 1,      // "?"
    Display = 2,          // "disp"
    Modified = 4,         // "modify n x y"
    ModifyHelp = 5,       // "modify" alone
    Transparency = 6,     // "setal"
    StayOnTop = 7,        // "settop"
    ElementCount = 8,     // "getcurr"
    NetworkRead = 9,      // "rdf"
    SaveAsked = 10,       // "save" without a file name
    EffectiveOn = 11,     // "mtr 1"
    EffectiveOff = 12,    // "mtr 0"
    EffectiveShown = 13,  // "rdtr"
    DeleteIgnored = 14,   // "delc" out of range
    Deleted = 15,         // "delc" done
    Added = 16,           // "addc" done
    AddHelp = 17,         // "addc" not done
    MatchModeSet = 18,    // "setm"
    MatchModeShown = 19,  // "getm"
    FrequencyShown = 20,  // "curfre"
    FrequencySet = 21,    // "setfre"
    ImpedanceSet = 22,    // "setzo"
    SParameterTable = 23, // "sp"
    ProgramHelp = 24,     // "help"
    LoadSet = 25,         // "setload"
    SourceSet = 26,       // "setsrc"
};

struct ConsoleResult {
    std::string text; // UTF-8; line breaks are CR LF
    ConsoleResultCode code = ConsoleResultCode::None;
};

// The request numbers the console sends: "WM_FORM_SEND2" wParam to the main window and
// "WM_FORM_SEND3" wParam to the matching setup window (the same values as MessageHub's).
namespace ConsoleRequest {
inline constexpr int RecalculateNetwork = 2;
inline constexpr int FrequencyChanged = 3;
inline constexpr int ImpedanceChanged = 4;
inline constexpr int RefillSetupFields = 2;
} // namespace ConsoleRequest

// What the interpreter and the console step need from the windows around them.
class ConsoleHost {
public:
    virtual ~ConsoleHost() = default;
    // "setal": opacity of the console window, 0 transparent .. 255 opaque.
    virtual void setConsoleOpacity(int colourKey, int alpha) = 0;
    // "WM_FORM_SEND2" to the main window and "WM_FORM_SEND3" to the matching setup window.
    virtual void notifyMainWindow(int request) = 0;
    virtual void notifySetupWindow(int request) = 0;
    // File dialogs of "rdf" and "save"; nothing when cancelled.
    virtual std::optional<std::string> askOpenFileName(std::string_view filter) = 0;
    virtual std::optional<std::string> askSaveFileName(std::string_view filter) = 0;
};

// Runs one typed line. Throws ConversionError for a malformed index or number; the state is then
// as it was before the line.
ConsoleResult InterpretCommand(ProgramState& state, ConsoleHost& host, std::string_view line);

// One slot as "disp" lists it: ">i:" and the element and node impedance; empty when the index
// text is no slot in use.
std::string FormatElementLine(const ProgramState& state, std::string_view indexText);

// "modify n x y" on slot n (2..NodeCount): the value of a capacitor or inductor; w, l, tr, h, t of
// a microstrip (w, l, h, t in millimetres); r or j of an impedance. A rejected or malformed value
// changes nothing (a malformed number throws ConversionError).
void ModifyElement(ProgramState& state, int n, std::string_view field, std::string_view valueText);

} // namespace qv
