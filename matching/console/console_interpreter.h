#pragma once

#include "core/settings/program_state.h"
#include "matching/console/console_auto_match.h"
#include "matching/console/console_sweep.h"
#include "matching/console/console_twoport.h"

#include <optional>
#include <string>
#include <string_view>

// The console's command language: a typed line in, a result text and a code out, with the
// changes to the network, the frequency, the reference impedance and the modes made on the
// program state. The interpreter never writes into the console window; what the window does
// with the result is the console step (console_step.h).
namespace qv {

class NetworkModel;
struct OverlayCircle;

// What the window does after a command; None for lines with no window action.
enum class ConsoleResultCode {
    None = 0,
    CommandList = 1,        // "?"
    Display = 2,            // "disp"
    Modified = 4,           // "modify n x y"
    ModifyHelp = 5,         // "modify" alone
    Transparency = 6,       // "setal"
    StayOnTop = 7,          // "settop" with neither 1 nor 0
    ElementCount = 8,       // "getcurr"
    NetworkRead = 9,        // "rdf"
    SaveAsked = 10,         // "save" without a file name
    EffectiveOn = 11,       // "mtr 1"
    EffectiveOff = 12,      // "mtr 0"
    EffectiveShown = 13,    // "rdtr"
    DeleteIgnored = 14,     // "delc" out of range
    Deleted = 15,           // "delc" done
    Added = 16,             // "addc" done
    AddHelp = 17,           // "addc" not done
    MatchModeSet = 18,      // "setm"
    MatchModeShown = 19,    // "getm"
    FrequencyShown = 20,    // "curfre"
    FrequencySet = 21,      // "setfre"
    ImpedanceSet = 22,      // "setzo"
    SParameterTable = 23,   // "sp"
    ProgramHelp = 24,       // "help"
    LoadSet = 25,           // "setload"
    SourceSet = 26,         // "setsrc"
    StayOnTopOn = 27,       // "settop 1"
    StayOnTopOff = 28,      // "settop 0"
    Exit = 29,              // "exit": the window hides
    Clear = 30,             // "clr"
    SampleSParameters = 31, // "t"
    Saved = 32,             // "save" wrote the file
};

struct ConsoleResult {
    std::string text; // UTF-8; line breaks are CR LF
    ConsoleResultCode code = ConsoleResultCode::None;
};

// What the interpreter and the console step need from the windows around them.
class ConsoleHost {
public:
    virtual ~ConsoleHost() = default;
    // "setal": opacity of the console window, 0 transparent .. 255 opaque.
    virtual void setConsoleOpacity(int colourKey, int alpha) = 0;
    // File dialogs of "rdf" and "save"; nothing when cancelled.
    virtual std::optional<std::string> askOpenFileName(std::string_view filter) = 0;
    virtual std::optional<std::string> askSaveFileName(std::string_view filter) = 0;
    // A gain or noise circle of "circle" for the chart; a console without a chart ignores it.
    virtual void drawChartCircle(const OverlayCircle&) {}

    // The load and the last range of the frequency-response commands: the console's own until it
    // shares the frequency-response window's.
    SweepSession& sweepSession() { return *sweepSession_; }
    void shareSweepSession(SweepSession& session) { sweepSession_ = &session; }
    // What "autom" listed last in this console, for "apply".
    AutoMatchListing& autoMatchListing() { return autoMatchListing_; }
    // The device of the last "twoport", for "circle", "ampin" and "ampout".
    TwoPortSession& twoPortSession() { return twoPortSession_; }

private:
    SweepSession ownSweepSession_;
    SweepSession* sweepSession_ = &ownSweepSession_;
    AutoMatchListing autoMatchListing_;
    TwoPortSession twoPortSession_;
};

// Runs one typed line; every change goes through the network model. Throws ConversionError for a
// malformed index or number; the state is then as it was before the line.
ConsoleResult InterpretCommand(NetworkModel& network, ConsoleHost& host, std::string_view line);

// One slot as "disp" lists it: ">i:" and the element and node impedance; empty when the index
// text is no slot in use.
std::string FormatElementLine(const ProgramState& state, std::string_view indexText);

// "modify n x y" on slot n (2..NodeCount): the element with the value of a capacitor or inductor;
// w, l, tr, h, t of a microstrip (w, l, h, t in millimetres); r or j of an impedance changed.
// Nothing for a slot out of range, an unknown field, a rejected value or one that makes no
// physical sense; for all but the first, refusal gets the console line that says why. A malformed
// number throws ConversionError.
std::optional<MatchNode> ModifiedElement(const ProgramState& state, int n, std::string_view field,
                                         std::string_view valueText, std::string* refusal = nullptr);

} // namespace qv
