#include "matching/file_blocks.h"

#include "core/atomic_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace qv {

namespace {

bool Exists(const std::string& fileName) {
    std::error_code error;
    return std::filesystem::exists(fileName, error);
}

} // namespace

BlockStatus ReadFileBlock(const std::string& fileName, std::span<std::uint8_t> buffer, long long offset) {
    if (!Exists(fileName))
        return BlockStatus::Missing;
    if (offset < 0)
        return BlockStatus::Failed;
    const std::size_t end = static_cast<std::size_t>(offset) + buffer.size();
    const std::optional<std::string> bytes = ReadFilePrefix(fileName, end);
    if (!bytes || bytes->size() != end)
        return BlockStatus::Failed;
    std::copy(bytes->begin() + offset, bytes->end(), buffer.begin());
    return BlockStatus::Done;
}

BlockStatus WriteFileBlock(const std::string& fileName, std::span<const std::uint8_t> buffer, bool append,
                           long long offset) {
    std::string content;
    if (Exists(fileName)) {
        std::optional<std::string> old = ReadWholeFile(fileName);
        if (!old)
            return BlockStatus::Failed;
        content = std::move(*old);
    }
    if (append)
        offset = static_cast<long long>(content.size());
    // The files of the program are a few kilobytes: an offset far beyond that is refused rather
    // than padded out with zeros.
    constexpr long long LargestOffset = 64LL << 20;
    if (offset < 0 || offset > LargestOffset)
        return BlockStatus::Failed;
    const auto start = static_cast<std::size_t>(offset);
    if (content.size() < start + buffer.size())
        content.resize(start + buffer.size(), '\0');
    std::copy(buffer.begin(), buffer.end(), content.begin() + static_cast<std::ptrdiff_t>(start));
    return WriteFileAtomically(fileName, content) ? BlockStatus::Done : BlockStatus::Failed;
}

} // namespace qv
