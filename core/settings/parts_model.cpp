#include "core/settings/parts_model.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"

#include <array>
#include <cmath>

namespace qv {

namespace {

constexpr std::array<const char*, 4> Keys = {"PartsQL", "PartsQC", "PartsTL", "PartsTC"};

std::array<Real*, 4> Fields(PartsModel& p) {
    return {&p.QL, &p.QC, &p.TL, &p.TC};
}

} // namespace

PartsProblem CheckPartsModel(const PartsModel& parts, int* which) {
    const std::array<Real, 4> values = {parts.QL, parts.QC, parts.TL, parts.TC};
    for (int i = 0; i < 4; ++i) {
        const Real v = values[static_cast<std::size_t>(i)];
        // Written so that a NaN fails as well.
        const bool ok = i < 2 ? (std::isfinite(v) && v >= 0) : (v >= 0 && v < 100);
        if (!ok) {
            if (which)
                *which = i + 1;
            return i < 2 ? PartsProblem::NegativeQ : PartsProblem::ToleranceRange;
        }
    }
    return PartsProblem::None;
}

PartsModel ReadPartsModel(const ParaIni& para) {
    PartsModel parts;
    const std::array<Real*, 4> fields = Fields(parts);
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        Real value = 0;
        if (!TryStrToFloat(Trim(para.ReadParaString(Keys[i], "0")), value))
            return {};
        *fields[i] = value;
    }
    return CheckPartsModel(parts) == PartsProblem::None ? parts : PartsModel{};
}

bool WritePartsModel(const ParaIni& para, const PartsModel& parts) {
    PartsModel copy = parts;
    const std::array<Real*, 4> fields = Fields(copy);
    bool written = true;
    for (std::size_t i = 0; i < Keys.size(); ++i)
        written = para.WriteParaString(Keys[i], FormatGeneral(*fields[i])) && written;
    return written;
}

} // namespace qv
