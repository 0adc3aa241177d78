#include "core/settings/para_ini.h"

#include "core/settings/ini_document.h"
#include "core/settings/settings_store.h"

namespace qv {

namespace {
constexpr std::string_view kValueSection = "PARA";
constexpr std::string_view kColourSection = "Color";
constexpr int kMissingInteger = -65535;
} // namespace

// The blanks in "0.89 " are part of the stored defaults.
const std::array<ParaKeyDefault, 23> ParaKeys = {{
    {"effflag", "0"},    {"matchflag", "0"}, {"Fo", "554M"},         {"Zo", "50"},        {"S11R", "0.89 "},
    {"S11J", "120"},     {"S22R", "0.001"},  {"S22J", "0"},          {"S12R", "0.89 "},   {"S12J", "120"},
    {"S21R", "0.001"},   {"S21J", "0"},      {"S参数输入方式", "1"}, {"负载R", "1.42"},   {"负载j", "2.22"},
    {"源点R", "50"},     {"源点j", "0"},     {"归一化输入1", "0"},   {"负载1R", "0.89 "}, {"负载1j", "120"},
    {"源点1R", "0.001"}, {"源点1j", "0"},    {"对数输入2", "0"},
}};

std::string_view ParaDefault(std::string_view key) {
    for (const ParaKeyDefault& entry : ParaKeys) {
        if (ini::NamesEqual(key, entry.key))
            return entry.defaultText;
    }
    return {};
}

ParaIni::ParaIni(std::string programDirectory) {
    if (!programDirectory.empty() && programDirectory.back() != '/')
        programDirectory += '/';
    path_ = programDirectory + "para.ini";
}

std::string ParaIni::ReadParaString(std::string_view key, std::string_view defaultText) const {
    std::string text = ReadIniString(path_, kValueSection, key);
    if (!text.empty())
        return text;
    WriteIniString(path_, kValueSection, key, defaultText);
    return std::string(defaultText);
}

std::string ParaIni::ReadParaString(std::string_view key) const {
    return ReadParaString(key, ParaDefault(key));
}

bool ParaIni::WriteParaString(std::string_view key, std::string_view text) const {
    const bool written = WriteIniString(path_, kValueSection, key, text);
    writeFailed_ = writeFailed_ || !written;
    return written;
}

bool ParaIni::TakeWriteFailure() const {
    const bool failed = writeFailed_;
    writeFailed_ = false;
    return failed;
}

int ParaIni::ReadColour(std::string_view key, int defaultColour) const {
    const int colour = ReadIniInteger(path_, kColourSection, key);
    if (colour != kMissingInteger)
        return colour;
    WriteIniInteger(path_, kColourSection, key, defaultColour);
    return defaultColour;
}

ChartColours ParaIni::ReadChartColours() const {
    ChartColours colours;
    for (std::size_t i = 0; i < ColourKeys.size(); ++i)
        colours.values[i] = ReadColour(ColourKeys[i].key, ColourKeys[i].defaultColour);
    return colours;
}

} // namespace qv
