#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes. A write goes to a temporary file in the same folder, is flushed to
// disk and renamed over the target, so a crash or a full disk never leaves a half-written file.
// Failures come with a line for the user when the caller asks for one.
namespace qv {

// The largest file any part of the program reads whole: far above every real S-parameter, network,
// settings or script file, and small enough that no input costs unbounded time or memory.
inline constexpr std::size_t MaxInputFileBytes = 8u << 20;

// The file's bytes, or nothing when it is missing, is no regular file (a directory, a named pipe
// or a device is refused without waiting on it), is larger than maxBytes (checked before anything
// is read) or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* failure = nullptr,
                                         std::size_t maxBytes = MaxInputFileBytes);

// The same for at most the first maxBytes bytes of the file.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                                          std::string* failure = nullptr);

// False when the bytes could not be written; the previous file is then untouched. A symbolic link
// is followed and its target replaced, the link kept. A file without write permission, or one that
// is no regular file, is refused. Temporary files that an interrupted save of the same file left
// behind are removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* failure = nullptr);

// A write beyond the process's file-size limit then fails with its error instead of ending the
// program by SIGXFSZ. Called once at start.
void IgnoreFileSizeSignal();

} // namespace qv
