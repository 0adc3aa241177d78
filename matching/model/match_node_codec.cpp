#include "matching/model/match_node_codec.h"

#include "core/numbers/extended_codec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qv {

namespace {

namespace L = MatchNodeLayout;

// Keeps the stored ten bytes while they still stand for the value in memory: an encoding the
// codec would not produce itself (a NaN payload, an unnormal) then survives a save unchanged.
void PutExtended(std::uint8_t* out, Real value) {
    const Real stored = DecodeExtended(out);
    const bool same = std::isnan(stored) ? std::isnan(value) && std::signbit(stored) == std::signbit(value)
                                         : stored == value && std::signbit(stored) == std::signbit(value);
    if (same)
        return;
    const ExtendedBytes wanted = EncodeExtended(value);
    std::copy(wanted.begin(), wanted.end(), out);
}

void PutInt32(std::uint8_t* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* in) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t{in[i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

} // namespace

void EncodeMatchNode(const MatchNode& node, std::uint8_t* out) {
    std::copy(node.preserved.begin(), node.preserved.end(), out);
    PutInt32(out + L::Kind, node.kind);
    PutExtended(out + L::SourceR, node.sourceR);
    PutExtended(out + L::SourceX, node.sourceX);
    PutExtended(out + L::NodeR, node.nodeR);
    PutExtended(out + L::NodeX, node.nodeX);
    std::memcpy(out + L::Label, node.label.data(), MatchLabelBytes);
    PutExtended(out + L::Frequency, node.strip.frequency);
    PutExtended(out + L::W, node.strip.W);
    PutExtended(out + L::H, node.strip.H);
    PutExtended(out + L::T, node.strip.T);
    PutExtended(out + L::Er, node.strip.Er);
    PutExtended(out + L::Len, node.strip.Len);
    PutExtended(out + L::R, node.R);
    PutExtended(out + L::Value, node.value);
}

MatchNode DecodeMatchNode(const std::uint8_t* bytes) {
    MatchNode node;
    std::copy(bytes, bytes + MatchNodeBytes, node.preserved.begin());
    node.kind = GetInt32(bytes + L::Kind);
    node.sourceR = DecodeExtended(bytes + L::SourceR);
    node.sourceX = DecodeExtended(bytes + L::SourceX);
    node.nodeR = DecodeExtended(bytes + L::NodeR);
    node.nodeX = DecodeExtended(bytes + L::NodeX);
    std::memcpy(node.label.data(), bytes + L::Label, MatchLabelBytes);
    node.strip.frequency = DecodeExtended(bytes + L::Frequency);
    node.strip.W = DecodeExtended(bytes + L::W);
    node.strip.H = DecodeExtended(bytes + L::H);
    node.strip.T = DecodeExtended(bytes + L::T);
    node.strip.Er = DecodeExtended(bytes + L::Er);
    node.strip.Len = DecodeExtended(bytes + L::Len);
    node.R = DecodeExtended(bytes + L::R);
    node.value = DecodeExtended(bytes + L::Value);
    return node;
}

} // namespace qv
