#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// The fixed texts of the command console: the help of "modify" and "addc", the program help of
// "help", and the file-dialog filters of "rdf" and "save". The "?" list comes from the command
// table (console_commands.h). The lines are marked for translation and translated where shown.
namespace qv {

extern const std::array<std::string_view, 9> ConsoleModifyHelp;
extern const std::array<std::string_view, 14> ConsoleAddcHelp;
extern const std::array<std::string_view, 9> ConsoleProgramHelp;

// The lines, each in the interface's language, joined by CR LF.
std::string JoinConsoleLines(std::span<const std::string_view> lines);

// A line of these tables or of the command table in the interface's language.
std::string TranslatedConsoleLine(std::string_view line);

inline constexpr std::string_view NetworkOpenFilter = "smith files (*.smh)|*.smh|S files (*)|*";
// The save dialog's filter keeps its historical spelling: users know the dialog by it.
inline constexpr std::string_view NetworkSaveFilter = "simth files (*.smh)|*.smh|S files (*)|*";

} // namespace qv
