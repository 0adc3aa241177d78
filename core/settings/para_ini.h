#pragma once

#include "core/settings/chart_colours.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// para.ini in the program directory: section "PARA" for values, "Color" for the chart colours.
// A key read while missing is written back at once with its default.
namespace qv {

struct ParaKeyDefault {
    const char* key;
    const char* defaultText;
};

// Every key of section "PARA" with its default text ("0.89 " keeps its trailing blank).
extern const std::array<ParaKeyDefault, 23> ParaKeys;

// The default text of a "PARA" key; empty for a key not in the table.
std::string_view ParaDefault(std::string_view key);

class ParaIni {
public:
    explicit ParaIni(std::string programDirectory);

    const std::string& path() const { return path_; }

    // The key's text in section "PARA"; a missing or empty key is written with the default and the
    // default is returned unchanged (not trimmed).
    std::string ReadParaString(std::string_view key, std::string_view defaultText) const;
    // The same with the table's default.
    std::string ReadParaString(std::string_view key) const;
    // False when para.ini could not be written (full disk, no permission); the file is then as it
    // was, and TakeWriteFailure tells that it happened.
    bool WriteParaString(std::string_view key, std::string_view text) const;
    // True once after any number of failed writes since the last call; false when every write went
    // through. Whoever made the change says so (with path()), so it is said once.
    bool TakeWriteFailure() const;

    // The key's integer in section "Color"; a missing or non-integer value (or -65535) is written
    // with the default and the default is returned.
    int ReadColour(std::string_view key, int defaultColour) const;

    // All twenty colours in table order, each read with ReadColour.
    ChartColours ReadChartColours() const;

private:
    std::string path_;
    mutable bool writeFailed_ = false;
};

} // namespace qv
