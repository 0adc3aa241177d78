#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The fixed 5388-byte block that carries text lines between windows (the cursor readout to the
// parameter display window, S-parameter rows to the calculator). Little-endian header of three
// 32-bit integers, then 21 zero-terminated text slots of 256 bytes holding GBK text.
namespace qv {

inline constexpr int ReadoutSlotCount = 21;
inline constexpr int ReadoutSlotBytes = 256;
inline constexpr int ReadoutHeaderBytes = 12;
inline constexpr int ReadoutMessageBytes = ReadoutHeaderBytes + ReadoutSlotCount * ReadoutSlotBytes; // 5388

struct ReadoutMessage {
    std::int32_t lineCount = 0;
    std::int32_t width = 0; // pixels the receiving window takes
    std::int32_t height = 0;
    std::array<std::string, ReadoutSlotCount> lines; // GBK bytes
};

// The block's bytes; every byte not written by a field is zero. A line is cut to 255 bytes so
// that its slot stays zero-terminated.
std::string EncodeReadoutMessage(const ReadoutMessage& message);

// Nothing for a block shorter than 5388 bytes. A slot is read up to its first zero byte, at most
// its 256 bytes.
std::optional<ReadoutMessage> DecodeReadoutMessage(std::string_view bytes);

} // namespace qv
