#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// The parameter ("Spara") file of the matching setup: an INI text file in GBK with one section
// "Spara" that holds the load and source entries of both groups. The S-parameter calculator keeps
// its S11..S21 pairs in the same section; saving the setup leaves those keys as they were.
namespace qv {

struct SetupEntries {
    bool normalised = false;                    // "paraflag": the impedance group is normalised to Zo
    std::string loadR, loadX, sourceR, sourceX; // "LoadZi", "LoadZj", "OrgZi", "OrgZj"
    bool decibels = false;                      // "Logflag": the reflection magnitudes are in dB
    std::string loadMag, loadAngle, sourceMag, sourceAngle; // "LoadRi", "LoadRg", "OrgRi", "OrgRg"
    friend bool operator==(const SetupEntries&, const SetupEntries&) = default;
};

// Writes the ten keys (texts trimmed) into the file, keeping its other lines, in one atomic
// replacement. False when the file could not be read or written, or a text cannot be held in
// GBK; the old file then stays as it was.
bool WriteSparaSetup(const std::string& path, const SetupEntries& entries);

// The entries of the file, each trimmed; a missing key reads as an empty text (and a missing
// flag as unchecked). Nothing when none of the ten keys is present: the file is no parameter file.
std::optional<SetupEntries> ReadSparaSetup(const std::string& path);

// The S-parameter calculator's part of the file: the two fields of S11, S22, S12 and S21
// ("S11i", "S11j", "S22i", "S22j", "S12i", "S12j", "S21i", "S21j") and, written beside them, the
// Z11 and Z22 texts as the load and source ("LoadZi", "LoadZj", "OrgZi", "OrgZj").
inline constexpr std::size_t SparaSFieldCount = 8;
struct TwoPortEntries {
    std::array<std::string, SparaSFieldCount> sFields;
    std::string z11R, z11X, z22R, z22X;
};

// Writes the eight S keys, "paraflag" = "0" and the four impedance keys (texts trimmed), in that
// order, keeping the file's other lines, in one atomic replacement. False as for WriteSparaSetup.
bool WriteSparaTwoPort(const std::string& path, const TwoPortEntries& entries);

// The eight S texts, each trimmed, a missing key as an empty text. Nothing when the file cannot
// be read or holds none of the eight keys.
std::optional<std::array<std::string, SparaSFieldCount>> ReadSparaSFields(const std::string& path);

} // namespace qv
