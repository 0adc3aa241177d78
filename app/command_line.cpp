#include "app/command_line.h"

namespace qv {

CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* quorvaneHome) {
    CommandLine result;
    if (quorvaneHome)
        result.dataDir = quorvaneHome;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        std::string* target = nullptr;
        if (option == "--data-dir")
            target = &result.dataDir;
        else if (option == "--save-chart")
            target = &result.saveChart;
        else if (option == "--chart-size")
            target = &result.chartSize;
        else if (option == "--batch")
            target = &result.batch;
        if (!target) {
            result.error = "unknown option: " + option;
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = option + " needs a value";
            return result;
        }
        *target = args[++i];
    }
    return result;
}

} // namespace qv
