#include "matching/analysis/touchstone/touchstone_load.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "core/settings/atomic_file.h"
#include "matching/analysis/touchstone/touchstone_export.h"
#include "sparams/analysis/sparameter_file.h"

#include <cmath>

namespace qv {

LoadFileRead LoadFromTouchstone(std::string_view bytes, bool onePort, int port, Real Zo,
                                const std::string& path) {
    SParameterParseOptions options;
    options.Zo = Zo;
    options.onePort = onePort;
    const SParameterParse parse = ParseSParameterFile(bytes, options);
    LoadFileRead read;
    if (!parse.table) {
        read.problem = LoadFileRead::Problem::NotParsed;
        read.parseError = parse.error;
        return read;
    }
    const SParameterTable& table = *parse.table;
    LoadTable load;
    // A Touchstone 2.0 file may give each port its own reference ("[Reference] 50 25").
    load.referenceOhms = table.portReferenceOhms[port == 2 ? 1 : 0];
    load.path = path;
    load.port = port;
    load.samples.reserve(table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::optional<PolarValue>& s = port == 1 ? table.rows[i].s11 : table.rows[i].s22;
        const std::optional<Real> mhz = RowMhz(table, i);
        if (!s || !mhz) {
            read.problem = LoadFileRead::Problem::NoReflection;
            read.port = port;
            return read;
        }
        const Real a = s->angleDegrees * DegreesToRadians;
        load.samples.push_back({*mhz * 1e6L, {s->magnitude * std::cos(a), s->magnitude * std::sin(a)}});
    }
    if (const std::optional<LoadTableProblem> problem = FindLoadTableProblem(load)) {
        read.problem = LoadFileRead::Problem::BadTable;
        read.tableProblem = *problem;
        return read;
    }
    read.table = std::move(load);
    return read;
}

LoadFileRead ReadLoadFile(const std::string& path, int port, Real Zo) {
    LoadFileRead read;
    const std::optional<std::string> bytes = ReadWholeFile(path, &read.file);
    if (!bytes) {
        read.problem = LoadFileRead::Problem::FileUnreadable;
        return read;
    }
    return LoadFromTouchstone(*bytes, TouchstonePortCount(path) == 1, port, Zo, path);
}

} // namespace qv
