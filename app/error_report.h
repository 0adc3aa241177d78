#pragma once

#include <functional>

namespace qv {

class Prompter;

// Runs the handler; an error that escapes it (a floating-point or conversion error, or any other
// exception) is shown by the prompter with its text and the program goes on with the state as
// the error left it. False when an error was shown.
bool RunReportingErrors(Prompter& prompter, const std::function<void()>& handler);

} // namespace qv
