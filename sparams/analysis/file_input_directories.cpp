#include "sparams/analysis/file_input_directories.h"

#include "core/settings/atomic_file.h"

#include <algorithm>

namespace qv {

namespace {
std::string ListPath(const std::string& programDirectory) {
    return programDirectory + "/" + DirectoryListFileName;
}
} // namespace

std::vector<std::string> ReadDirectoryList(const std::string& programDirectory) {
    std::vector<std::string> directories;
    const std::optional<std::string> bytes = ReadWholeFile(ListPath(programDirectory));
    if (!bytes)
        return directories;
    std::string line;
    for (char c : *bytes + "\n") {
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty())
            directories.push_back(line);
        line.clear();
    }
    return directories;
}

bool WriteDirectoryList(const std::string& programDirectory, const std::vector<std::string>& directories) {
    std::string bytes;
    for (const std::string& directory : directories)
        bytes += directory + "\r\n";
    return WriteFileAtomically(ListPath(programDirectory), bytes);
}

bool AddDirectory(std::vector<std::string>& directories, const std::string& directory) {
    if (directory.empty() ||
        std::find(directories.begin(), directories.end(), directory) != directories.end())
        return false;
    directories.push_back(directory);
    return true;
}

} // namespace qv
