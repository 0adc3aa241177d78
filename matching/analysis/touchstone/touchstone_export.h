#pragma once

#include "matching/analysis/frequency_response.h"
#include "matching/analysis/outcomes/refusal_codes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A sweep written as a Touchstone 1.1 file ("# MHZ S RI R <Zo>"): for ".s1p" the reflection at
// the source end with the load in place, for ".s2p" the matching network alone as a two-port
// (port 1 at the source end, port 2 at the load end), both referenced to Zo.
namespace qv {

// 1 for a ".s1p" name, 2 for ".s2p" (any case); nothing for any other name.
std::optional<int> TouchstonePortCount(std::string_view fileName);

struct TouchstoneText {
    std::string text;
    int rows = 0;    // frequencies written
    int skipped = 0; // frequencies left out because the network could not be computed there
};

TouchstoneText EncodeTouchstone(const SweepNetwork& network, const std::vector<ResponsePoint>& sweep,
                                int portCount);

// Writes the file (".s1p" or ".s2p") atomically.
ExportOutcome ExportTouchstone(const std::string& fileName, const SweepNetwork& network,
                               const std::vector<ResponsePoint>& sweep);

ExportOutcome WrongExportName();

// Writes an encoded file atomically; nothing is written when it has no rows.
ExportOutcome WriteTouchstone(const std::string& fileName, const TouchstoneText& file);

} // namespace qv
