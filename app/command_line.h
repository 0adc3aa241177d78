#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qv {

struct CommandLine {
    std::string dataDir;   // --data-dir DIR (or QUORVANE_HOME); empty: the executable's folder
    std::string saveChart; // --save-chart FILE
    std::string chartSize; // --chart-size WxH
    std::string batch;     // --batch FILE ("-" for standard input)
    std::string lang;      // --lang en|zh; empty: QUORVANE_LANG, else Chinese
    std::string error;     // a message for an unknown or incomplete option
};

// Reads the options after the program name. QUORVANE_HOME is used when --data-dir is absent.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* quorvaneHome);

struct PictureSize {
    int width = 0;
    int height = 0;
};

// "WxH" with whole numbers of pixels from 1 to 16384 each; nothing for any other text.
std::optional<PictureSize> ParsePictureSize(const std::string& text);

} // namespace qv
