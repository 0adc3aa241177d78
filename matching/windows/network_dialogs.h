#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file dialogs of the network files and the console, through the program's prompter.
// Filters are written "description|pattern|description|pattern".
namespace qv {

class Prompter;

// The same filter in Qt's form: the descriptions separated by ";;", each carrying its pattern.
std::string QtFileFilter(std::string_view filter);

// An existing file chosen in the open dialog (first filter selected); nothing when cancelled.
std::optional<std::string> AskOpenFileName(Prompter& prompter, std::string_view filter);

// A file chosen in the save dialog, with the first filter's extension added when the name has
// none ("design" becomes "design.smh"); when it exists, the name followed by "文件存在是否覆盖 " is
// asked with Yes and No, and No gives nothing. Nothing when cancelled.
std::optional<std::string> AskSaveFileName(Prompter& prompter, std::string_view filter);

} // namespace qv
