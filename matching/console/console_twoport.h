#pragma once

#include "core/numbers/tokens.h"
#include "sparams/analysis/device_data.h"

#include <optional>
#include <string>

// The console's transistor design commands: "twoport FILE F" reads a device file at a frequency
// and sets Fo to it; "circle ga|gp|nf DB" draws a gain or noise circle of that device; "ampin",
// "ampin opt" and "ampout" make the load the impedance the input (output) network must match.
namespace qv {

class ConsoleHost;
class NetworkModel;

struct TwoPortSession {
    std::string file;
    Real referenceOhms = 50;
    std::optional<DevicePoint> point; // of the last "twoport" that succeeded
};

bool IsTwoPortCommand(const std::string& word);

// The answer (lines separated by CR LF). Never throws for what the user typed: a missing file, a
// frequency outside it or a design that does not exist gives a line saying why, and nothing
// changes.
std::string InterpretTwoPortCommand(NetworkModel& network, ConsoleHost& host, const Tokens& t);

} // namespace qv
