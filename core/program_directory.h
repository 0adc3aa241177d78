#pragma once

#include <string>

// Where para.ini lives: the chosen directory when it is writable, otherwise the per-user
// configuration folder of Quorvane ($XDG_CONFIG_HOME/quorvane or ~/.config/quorvane).
namespace qv {

// True when a file can be created in the directory (checked by creating and removing one).
bool IsWritableDirectory(const std::string& directory);

std::string UserConfigDirectory();

// The program directory for a start: override (from --data-dir or QUORVANE_HOME) if given, else
// the executable's directory; falls back to UserConfigDirectory() when that is not writable.
// Creates the directory when it does not exist.
std::string ResolveProgramDirectory(const std::string& executableDirectory, const std::string& override);

} // namespace qv
