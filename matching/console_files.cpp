#include "matching/console_files.h"

#include "matching/network_file.h"
#include "matching/network_model.h"

namespace qv {

std::string ReadNetworkForConsole(NetworkModel& network, const std::string& fileName) {
    const FileOutcome outcome = network.loadFile(fileName);
    return outcome ? "rdf" : ">载入失败: " + outcome.failure;
}

std::string WriteNetworkForConsole(const ProgramState& state, const std::string& fileName) {
    const FileOutcome outcome = SaveNetworkFile(state, fileName);
    return outcome ? "save" : ">保存失败: " + outcome.failure;
}

} // namespace qv
