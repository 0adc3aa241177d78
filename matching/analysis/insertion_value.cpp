#include "matching/analysis/insertion_value.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"

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
    try {
        if (!HasMultiplierLetter(number)) {
            // The unit decides the multiplier, so the typed text must be a number on its own: "2f"
            // is refused whatever the unit. The "m" of "mH" is milli here.
            Real value = 0;
            if (!TryTypedToFloat(number, value))
                return std::nullopt;
            const Real multiplier = unitText == "mH" ? 1e-3L : ParseEngineering("1" + std::string(unitText));
            if (multiplier == RejectedEngineeringValue)
                return std::nullopt;
            return value * multiplier;
        }
        const Real value = ParseEngineering(number + std::string(unitText));
        if (value == RejectedEngineeringValue)
            return std::nullopt;
        return value;
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
