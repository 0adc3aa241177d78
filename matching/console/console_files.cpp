#include "matching/console/console_files.h"

#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "matching/console/console_text.h"
#include "matching/model/network_file.h"
#include "matching/model/network_model.h"

namespace qv {

std::string ReadNetworkForConsole(NetworkModel& network, const std::string& fileName) {
    try {
        const FileOutcome outcome = network.loadFile(fileName);
        return outcome ? "rdf" : Utf8(ConsoleText::tr(">载入失败: %1").arg(FromUtf8(outcome.reason())));
    } catch (const FloatingPointError& error) {
        // The file is loaded and the windows show it; the element the chain stops at is named.
        return "rdf\r\n" +
               Utf8(ConsoleText::tr(">第%1个元件无法计算: %2")
                        .arg(QString::number(network.computedNodeCount() + 1), FromUtf8(error.what())));
    }
}

std::optional<std::string> WriteNetworkForConsole(NetworkModel& network, const std::string& fileName) {
    const FileOutcome outcome = network.saveFile(fileName);
    if (outcome)
        return std::nullopt;
    return outcome.reason();
}

} // namespace qv
