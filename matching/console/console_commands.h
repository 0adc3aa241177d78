#pragma once

#include "core/numbers/tokens.h"
#include "core/settings/program_state.h"
#include "matching/console/console_interpreter.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The console's command table: each command's names, its arguments, its lines in the "?" list
// and its handler. The interpreter finds a typed word here and nowhere else.
namespace qv {

class NetworkModel;

// What a handler works on: the network (every change goes through it), the console around it and
// the typed words (t[0] the command).
struct ConsoleCall {
    NetworkModel& network;
    ConsoleHost& host;
    const ProgramState& state;
    const Tokens& t;
};

struct ConsoleCommand {
    std::vector<std::string_view> names; // the first is the command's own; all are matched exactly
    std::string_view arguments;          // how its arguments are written, as in its refusals
    std::vector<std::string_view> help;  // its lines in the "?" list (marked for translation); none for
                                         // a hidden command
    ConsoleResult (*run)(const ConsoleCall& call);
};

const std::vector<ConsoleCommand>& ConsoleCommands();

// The command a typed word names; nothing for a word that is no command.
const ConsoleCommand* FindConsoleCommand(std::string_view word);

// The "?" list: a heading, then every command's help lines in the table's order.
std::vector<std::string> ConsoleCommandListLines();

} // namespace qv
