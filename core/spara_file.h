#pragma once

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

} // namespace qv
