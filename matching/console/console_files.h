#pragma once

#include "core/settings/program_state.h"

#include <optional>
#include <string>

// "save" and "rdf" of the console: the network file written or read, and the console's answer.
namespace qv {

class NetworkModel;

// Reads the network file into the network, NodeCount, Fo and Zo. "rdf" when it was read;
// otherwise one line saying why not, and nothing has changed.
std::string ReadNetworkForConsole(NetworkModel& network, const std::string& fileName);

// Writes the network file. Nothing when it was written; otherwise why not, and the previous file
// is as it was.
std::optional<std::string> WriteNetworkForConsole(NetworkModel& network, const std::string& fileName);

} // namespace qv
