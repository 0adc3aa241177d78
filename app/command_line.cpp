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
        else if (option == "--lang")
            target = &result.lang;
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

namespace qv {

namespace {
constexpr int LargestPictureSide = 16384;

std::optional<int> PictureSide(const std::string& digits) {
    if (digits.empty() || digits.size() > 5)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > LargestPictureSide)
        return std::nullopt;
    return value;
}
} // namespace

std::optional<PictureSize> ParsePictureSize(const std::string& text) {
    const std::size_t cross = text.find_first_of("xX");
    if (cross == std::string::npos)
        return std::nullopt;
    const std::optional<int> width = PictureSide(text.substr(0, cross));
    const std::optional<int> height = PictureSide(text.substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return PictureSize{*width, *height};
}

} // namespace qv
