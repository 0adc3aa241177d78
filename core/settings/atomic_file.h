#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes. A write goes to a temporary file in the same folder, is flushed to
// disk and renamed over the target, so a crash or a full disk never leaves a half-written file.
// Failures say what went wrong when the caller asks; ui/file_failure_text words them.
namespace qv {

enum class FileProblem {
    None,
    Missing,           // nothing at the path (reading)
    Unreadable,        // exists but cannot be opened or read; systemReason may say why
    NotRegularToRead,  // a directory, a named pipe or a device
    TooLarge,          // larger than limitMiB
    NoFileName,        // an empty path or one ending in '/'
    UnresolvableLink,  // a loop of symbolic links or one that cannot be read
    NotRegularToWrite, // the target exists and is no regular file
    ReadOnly,          // the target has no write permission
    WriteFailed,       // the temporary could not be made, written or renamed; see systemReason
    SizeLimitExceeded, // the process's file-size limit stopped the write
};

struct FileFailure {
    FileProblem problem = FileProblem::None;
    std::string path;         // as the caller gave it
    std::string systemReason; // the system's own wording of errno, when there is one
    std::size_t limitMiB = 0; // for TooLarge
};

// The largest file any part of the program reads whole: far above every real S-parameter, network,
// settings or script file, and small enough that no input costs unbounded time or memory.
inline constexpr std::size_t MaxInputFileBytes = 8u << 20;

// The file's bytes, or nothing when it is missing, is no regular file (a directory, a named pipe
// or a device is refused without waiting on it), is larger than maxBytes (checked before anything
// is read) or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, FileFailure* failure = nullptr,
                                         std::size_t maxBytes = MaxInputFileBytes);

// The same for at most the first maxBytes bytes of the file.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                                          FileFailure* failure = nullptr);

// False when the bytes could not be written; the previous file is then untouched. A symbolic link
// is followed and its target replaced, the link kept. A file without write permission, or one that
// is no regular file, is refused. Temporary files that an interrupted save of the same file left
// behind are removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileFailure* failure = nullptr);

// A write beyond the process's file-size limit then fails with its error instead of ending the
// program by SIGXFSZ. Called once at start.
void IgnoreFileSizeSignal();

} // namespace qv
