#pragma once

#include "core/numbers/errors.h"
#include "core/settings/program_state.h"
#include "matching/analysis/frequency_response.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The network file (".smh"): the count N of the last node, slots 0..N as 232-byte records, then
// Fo and Zo as 10-byte extended values; 24 + 232 x (N + 1) bytes, all little-endian. Bytes after
// that are not part of the format.
namespace qv {

inline constexpr int NetworkFileHeaderBytes = 4;

// The length of the file of a network whose last node is n.
constexpr long long NetworkFileBytes(int n) {
    return 24 + static_cast<long long>(MatchNodeBytes) * (n + 1);
}

struct NetworkImage {
    int nodeCount = 0;
    std::vector<MatchNode> records; // slots 0..nodeCount
    Real Fo = 0;
    Real Zo = 0;
};

// The image, or why the bytes are no network file.
using NetworkDecode = Refusable<NetworkImage>;

// Done, or a line for the user saying why not.
using FileOutcome = Refusable<>;

// Throws FileFormatError for a node count outside 0..500.
std::string EncodeNetworkFile(const MatchNetwork& network, int nodeCount, Real Fo, Real Zo);

// Accepts a count of 0..500, a length of at least 24 + 232 x (N + 1) bytes, and Fo and Zo finite
// and positive; anything else is refused with the reason.
NetworkDecode DecodeNetworkFile(std::string_view bytes);

// Writes NodeCount, slots 0..NodeCount, Fo and Zo; the file is replaced whole or, on failure,
// left as it was.
FileOutcome SaveNetworkFile(const ProgramState& state, const std::string& fileName);

// Reads a network file into NodeCount, slots 0..N, Fo and Zo (not into para.ini). A file that is
// missing or does not decode changes nothing. Slots after N keep what they held.
FileOutcome LoadNetworkFile(NetworkState& state, const std::string& fileName);

// A network file as the sweep replays it, with the wavelength mode and the parts in force (the
// file holds neither); or why the file cannot be read.
Refusable<SweepNetwork> ReadSweepNetwork(const std::string& fileName, int effflag, const PartsModel& parts);

} // namespace qv
