#pragma once

#include <string>
#include <vector>

// sf1.txt in the program directory: the folders S-parameter files were opened from, one a line.
namespace qv {

inline constexpr const char* DirectoryListFileName = "sf1.txt";

// The list's lines without blank ones; empty when the file is missing.
std::vector<std::string> ReadDirectoryList(const std::string& programDirectory);

// Replaces the file atomically, CR LF after each line; false when it could not be written.
bool WriteDirectoryList(const std::string& programDirectory, const std::vector<std::string>& directories);

// Appends the directory unless it is empty or already listed; true when it was appended.
bool AddDirectory(std::vector<std::string>& directories, const std::string& directory);

} // namespace qv
