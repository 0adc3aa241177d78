#pragma once

#include "core/numbers/real.h"

#include <array>
#include <cstdint>

// The matching network: 501 slots of a 232-byte record, connected from the load (slot 1) toward
// the source. Slot 0 holds the reference impedance; slots 2..NodeCount hold one element each.
namespace qv {

enum ElementKind : std::int32_t {
    SeriesCapacitor = 1,
    ShuntCapacitor = 2,
    SeriesInductor = 3,
    ShuntInductor = 4,
    SeriesMicrostripLine = 5,
    ShuntMicrostripStub = 6,
    SeriesImpedance = 7,
    ShuntImpedance = 8,
    ShuntShortedStub = 9, // a shunt microstrip stub shorted at its far end
};

inline constexpr int MatchSlotCount = 501;
inline constexpr int LastMatchSlot = 500;
inline constexpr int MatchNodeBytes = 232;
inline constexpr int MatchLabelBytes = 24;

struct MicrostripBlock {
    Real frequency = 0; // hertz
    Real W = 0;         // strip width, metres
    Real H = 0;         // board height, metres
    Real T = 0;         // copper thickness, metres
    Real Er = 0;        // relative permittivity
    Real Len = 0;       // line length, metres
};

struct MatchNode {
    std::int32_t kind = 0;
    Real sourceR = 0; // slot 1: normalised source; slot 0: Zo in ohms
    Real sourceX = 0;
    Real nodeR = 0; // normalised impedance after this slot's element (slot 1: the load)
    Real nodeX = 0;
    std::array<char, MatchLabelBytes> label{}; // GBK bytes, zero-terminated
    MicrostripBlock strip;
    Real R = 0;     // ohms, impedance elements
    Real value = 0; // F (kinds 1, 2), H (3, 4), ohms of X (7, 8), 0 (5, 6, 9)
    // The record's bytes as last loaded from a file: reserved fields, padding and unused bytes
    // are kept from here so that a loaded network saves back byte for byte.
    std::array<std::uint8_t, MatchNodeBytes> preserved{};
};

struct MatchNetwork {
    std::array<MatchNode, MatchSlotCount> nodes{};
    MatchNode& operator[](int i) { return nodes[static_cast<std::size_t>(i)]; }
    const MatchNode& operator[](int i) const { return nodes[static_cast<std::size_t>(i)]; }
};

} // namespace qv
