#pragma once

#include <cstdint>
#include <span>
#include <string>

// Blocks of bytes read from or written into a file at a byte offset; each call opens, uses and
// closes the file.
namespace qv {

enum class BlockStatus : int {
    Done = 0,
    Missing = -1, // the file does not exist (reads only)
    Failed = 1,   // the file could not be read or written, or holds too few bytes at the offset
};

// Reads buffer.size() bytes at the offset. On anything but Done the buffer is left as it was.
BlockStatus ReadFileBlock(const std::string& fileName, std::span<std::uint8_t> buffer, long long offset);

// Writes the bytes at the offset (at the end of the file when append is set), creating the file
// when it is missing; a gap before the offset is filled with zero bytes. The file is replaced
// whole, so a failed write leaves it as it was.
BlockStatus WriteFileBlock(const std::string& fileName, std::span<const std::uint8_t> buffer, bool append,
                           long long offset);

} // namespace qv
