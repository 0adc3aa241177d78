#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes. A write goes to a temporary file in the same folder, is flushed to
// disk and renamed over the target, so a crash or a full disk never leaves a half-written file.
namespace qv {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// False when the bytes could not be written; the previous file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace qv
