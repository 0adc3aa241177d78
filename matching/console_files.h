#pragma once

#include "core/program_state.h"

#include <string>

// "save" and "rdf" of the console: the network file written or read, and the console's answer.
namespace qv {

class NetworkModel;

// Reads the network file into the network, NodeCount, Fo and Zo. "rdf" when it was read;
// otherwise one line saying why not, and nothing has changed.
std::string ReadNetworkForConsole(NetworkModel& network, const std::string& fileName);

// Writes the network file. "save" when it was written; otherwise one line saying why not, and
// the previous file is as it was.
std::string WriteNetworkForConsole(NetworkModel& network, const std::string& fileName);

} // namespace qv
