#include "core/settings/program_directory.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace qv {
namespace {

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return std::filesystem::temp_directory_path().string();
}

void CreateDirectories(const std::string& directory) {
    std::error_code ignored; // an uncreatable directory shows as not writable next
    std::filesystem::create_directories(directory, ignored);
}

} // namespace

bool IsWritableDirectory(const std::string& directory) {
    if (directory.empty())
        return false;
    std::string probe = directory + "/.quorvane-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    return ::unlink(probe.c_str()) == 0;
}

std::string UserConfigDirectory() {
    // XDG base-directory rules ignore a relative XDG_CONFIG_HOME.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return std::string(config) + "/quorvane";
    return HomeDirectory() + "/.config/quorvane";
}

bool IsInstalledProgram(const std::string& executableDirectory) {
    if (executableDirectory.empty())
        return false;
    const std::filesystem::path folder(executableDirectory);
    std::error_code ignored;
    return folder.filename() == "bin" &&
           std::filesystem::is_directory(folder / ".." / "share" / "quorvane", ignored);
}

std::string ResolveProgramDirectory(const std::string& executableDirectory, const std::string& override) {
    std::string chosen = override;
    if (chosen.empty() && !IsInstalledProgram(executableDirectory))
        chosen = executableDirectory;
    if (!chosen.empty()) {
        CreateDirectories(chosen);
        if (IsWritableDirectory(chosen))
            return chosen;
    }
    const std::string fallback = UserConfigDirectory();
    CreateDirectories(fallback);
    return fallback;
}

} // namespace qv
