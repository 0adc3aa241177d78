#pragma once

#include "core/rf/match_network.h"

#include <cstdint>

// The 232-byte little-endian record of one network slot, as the network file stores it. Every
// field is written at its fixed offset; reserved, padding and unused bytes come from the record's
// preserved bytes, so a record that was decoded and not changed encodes to the same bytes.
namespace qv {

namespace MatchNodeLayout {
inline constexpr int Kind = 4;
inline constexpr int SourceR = 8;
inline constexpr int SourceX = 24;
inline constexpr int NodeR = 40;
inline constexpr int NodeX = 56;
inline constexpr int Label = 72;
inline constexpr int Frequency = 96;
inline constexpr int W = 112; // the five strip values follow each other in 10-byte steps
inline constexpr int H = 122;
inline constexpr int T = 132;
inline constexpr int Er = 142;
inline constexpr int Len = 152;
inline constexpr int R = 184;
inline constexpr int Value = 200;
} // namespace MatchNodeLayout

// Writes exactly MatchNodeBytes bytes.
void EncodeMatchNode(const MatchNode& node, std::uint8_t* out);

// Reads exactly MatchNodeBytes bytes; any bytes are accepted.
MatchNode DecodeMatchNode(const std::uint8_t* bytes);

} // namespace qv
