#include "matching/analysis/touchstone_load.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "core/settings/atomic_file.h"
#include "matching/analysis/touchstone_export.h"
#include "sparams/analysis/sparameter_file.h"

#include <cmath>

namespace qv {

LoadFileRead LoadFromTouchstone(std::string_view bytes, bool onePort, int port, Real Zo,
                                const std::string& description) {
    SParameterParseOptions options;
    options.Zo = Zo;
    options.onePort = onePort;
    const SParameterParse parse = ParseSParameterFile(bytes, options);
    if (!parse.table)
        return {std::nullopt, {}, parse.error};
    const SParameterTable& table = *parse.table;
    LoadTable load;
    // A Touchstone 2.0 file may give each port its own reference ("[Reference] 50 25").
    load.referenceOhms = table.portReferenceOhms[port == 2 ? 1 : 0];
    load.description = description;
    load.samples.reserve(table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::optional<PolarValue>& s = port == 1 ? table.rows[i].s11 : table.rows[i].s22;
        const std::optional<Real> mhz = RowMhz(table, i);
        if (!s || !mhz)
            return {std::nullopt, Format("文件没有端口%d的反射系数（S%d%d）", {port, port, port})};
        const Real a = s->angleDegrees * DegreesToRadians;
        load.samples.push_back({*mhz * 1e6L, {s->magnitude * std::cos(a), s->magnitude * std::sin(a)}});
    }
    if (const std::optional<std::string> problem = LoadTableProblem(load))
        return {std::nullopt, *problem};
    return {std::move(load), {}};
}

LoadFileRead ReadLoadFile(const std::string& path, int port, Real Zo) {
    std::string failure;
    const std::optional<std::string> bytes = ReadWholeFile(path, &failure);
    if (!bytes)
        return {std::nullopt, failure.empty() ? "无法读取文件 " + path : failure};
    return LoadFromTouchstone(*bytes, TouchstonePortCount(path) == 1, port, Zo,
                              Format("%s 端口%d", {path, port}));
}

} // namespace qv
