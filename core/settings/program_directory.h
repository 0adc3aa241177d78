#pragma once

#include <string>

// Where para.ini lives: the chosen directory when it is writable, otherwise the per-user
// configuration folder of Quorvane ($XDG_CONFIG_HOME/quorvane or ~/.config/quorvane).
namespace qv {

// True when a file can be created in the directory (checked by creating and removing one).
bool IsWritableDirectory(const std::string& directory);

std::string UserConfigDirectory();

// True for an executable installed under a prefix: it sits in a "bin" folder beside
// share/quorvane, where the installation puts its example scripts.
bool IsInstalledProgram(const std::string& executableDirectory);

// The program directory for a start: override (from --data-dir or QUORVANE_HOME) if given, else
// the executable's directory; UserConfigDirectory() for an installed program and whenever the
// chosen directory is not writable (an installed program run by root must not write into
// <prefix>/bin). Creates the directory when it does not exist.
std::string ResolveProgramDirectory(const std::string& executableDirectory, const std::string& override);

} // namespace qv
