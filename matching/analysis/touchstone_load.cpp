#include "matching/analysis/touchstone_load.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "core/settings/atomic_file.h"
#include "matching/analysis/touchstone_export.h"
#include "sparams/analysis/sparameter_file.h"

#include <cmath>

namespace qv {

namespace {

std::string Lower(std::string word) {
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return word;
}

// The reference impedance of the option line ("# GHz S MA R 50") or of a "[Reference]" keyword
// line; 50 ohm, the Touchstone default, when neither names one.
Real ReferenceOhms(const SParameterTable& table) {
    Real ohms = 50;
    for (const std::string& line : table.headerLines) {
        const Tokens words = SplitTokens(line.substr(0, line.find('!')), ' ');
        if (words.count == 0)
            continue;
        if (words[0].starts_with("#")) {
            for (int k = 0; k + 1 < words.count; ++k)
                if (Lower(words[k]) == "r")
                    TryStrToFloat(words[k + 1], ohms);
        } else if (Lower(words[0]) == "[reference]" && words.count >= 2) {
            TryStrToFloat(words[1], ohms);
        }
    }
    return ohms;
}

} // namespace

LoadFileRead LoadFromTouchstone(std::string_view bytes, bool onePort, int port, Real Zo,
                                const std::string& description) {
    SParameterParseOptions options;
    options.Zo = Zo;
    options.onePort = onePort;
    const SParameterParse parse = ParseSParameterFile(bytes, options);
    if (!parse.table)
        return {std::nullopt, parse.error};
    LoadTable load;
    load.referenceOhms = ReferenceOhms(*parse.table);
    load.description = description;
    for (const SParameterRow& row : parse.table->rows) {
        const std::optional<PolarValue>& s = port == 1 ? row.s11 : row.s22;
        Real mhz = 0;
        if (!s || row.cells.empty() || !TryStrToFloat(row.cells[0], mhz))
            return {std::nullopt, Format("文件没有端口%d的反射系数（S%d%d）", {port, port, port})};
        const Real a = s->angleDegrees * DegreesToRadians;
        load.samples.push_back({mhz * 1e6L, {s->magnitude * std::cos(a), s->magnitude * std::sin(a)}});
    }
    if (const std::optional<std::string> problem = LoadTableProblem(load))
        return {std::nullopt, *problem};
    return {std::move(load), {}};
}

LoadFileRead ReadLoadFile(const std::string& path, int port, Real Zo) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return {std::nullopt, "无法读取文件 " + path};
    return LoadFromTouchstone(*bytes, TouchstonePortCount(path) == 1, port, Zo,
                              Format("%s 端口%d", {path, port}));
}

} // namespace qv
