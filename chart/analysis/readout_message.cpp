#include "chart/analysis/readout_message.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

void PutInt32(std::string& out, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

std::int32_t GetInt32(std::string_view in, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[offset + i])) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

} // namespace

std::string EncodeReadoutMessage(const ReadoutMessage& message) {
    std::string out(ReadoutMessageBytes, '\0');
    PutInt32(out, 0, message.lineCount);
    PutInt32(out, 4, message.width);
    PutInt32(out, 8, message.height);
    for (int i = 0; i < ReadoutSlotCount; ++i) {
        const std::string& line = message.lines[i];
        const std::size_t length = std::min<std::size_t>(line.size(), ReadoutSlotBytes - 1);
        std::memcpy(out.data() + ReadoutHeaderBytes + i * ReadoutSlotBytes, line.data(), length);
    }
    return out;
}

std::optional<ReadoutMessage> DecodeReadoutMessage(std::string_view bytes) {
    if (bytes.size() < static_cast<std::size_t>(ReadoutMessageBytes))
        return std::nullopt;
    ReadoutMessage message;
    message.lineCount = GetInt32(bytes, 0);
    message.width = GetInt32(bytes, 4);
    message.height = GetInt32(bytes, 8);
    for (int i = 0; i < ReadoutSlotCount; ++i) {
        const std::string_view slot =
            bytes.substr(ReadoutHeaderBytes + i * ReadoutSlotBytes, ReadoutSlotBytes);
        message.lines[i] = std::string(slot.substr(0, std::min(slot.find('\0'), slot.size())));
    }
    return message;
}

} // namespace qv
