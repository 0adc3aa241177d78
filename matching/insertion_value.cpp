#include "matching/insertion_value.h"

#include "core/decimal.h"
#include "core/engineering.h"
#include "core/errors.h"
#include "core/sentinels.h"

#include <string>

namespace qv {

namespace {

// The letters that carry a multiplier in an engineering value (p, n, u, m/M, k, g in both cases).
bool HasMultiplierLetter(std::string_view text) {
    return text.find_first_of("pPnNuUmMkKgG") != std::string_view::npos;
}

} // namespace

std::optional<Real> ParseElementValue(std::string_view typed, std::string_view unit) {
    const std::string number(Trim(typed));
    const std::string_view unitText = Trim(unit);
    if (number.empty())
        return std::nullopt;
    const bool millihenries = unitText == "mH" && !HasMultiplierLetter(number);
    try {
        const Real value = ParseEngineering(millihenries ? number + "H" : number + std::string(unitText));
        if (value == RejectedEngineeringValue)
            return std::nullopt;
        return millihenries ? value * 1e-3L : value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

MicrostripBlock MicrostripBlockFromMillimetres(const StripMillimetres& s, Real frequencyHz) {
    return {frequencyHz, s.W / 1000, s.H / 1000, s.T / 1000, s.Er, s.Len / 1000};
}

std::string MicrostripLabel(std::string_view lengthText, std::string_view widthText) {
    return "L:" + std::string(lengthText) + "/W:" + std::string(widthText);
}

} // namespace qv
