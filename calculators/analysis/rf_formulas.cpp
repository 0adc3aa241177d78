#include "calculators/analysis/rf_formulas.h"

#include "core/numbers/decimal.h"
#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"

#include <cmath>
#include <numbers>

namespace qv {

long long ParseCutoffFrequency(std::string_view text) {
    const std::size_t mega = text.find_first_of("Mm");
    if (mega == std::string_view::npos)
        return StrToInt(text);
    std::string blanked(text);
    blanked[mega] = ' ';
    const Real hertz = TypedToFloat(blanked) * 1e6L;
    // Beyond this the hertz have no whole-number form.
    if (!(std::fabs(hertz) < 9.2e18L))
        throw FloatingPointError(InvalidOperationText);
    return std::llrint(hertz); // to nearest, halves to even
}

ConstantKSection DesignConstantK(Real nominalOhms, Real cutoffHz) {
    const ConstantKSection section = CheckedStep([&] {
        const Real c = 1 / (Pi * cutoffHz * nominalOhms);
        return ConstantKSection{nominalOhms * nominalOhms * c / 2, c};
    });
    RequireFinite(section.halfInductance);
    RequireFinite(section.capacitance);
    return section;
}

std::string FormatConstantKValue(Real value, std::string_view microUnit) {
    if (value < 0.0001L)
        return Format("%12.6f", {value * 1e6L}) + std::string(microUnit);
    return FormatGeneral(value);
}

TeePad DesignTeePad(Real inputOhms, Real outputOhms, Real lossDb) {
    const TeePad pad = CheckedStep([&] {
        const Real alpha = lossDb * std::numbers::ln10_v<Real> / 20;
        const Real sinhAlpha = std::sinh(alpha);
        const Real tanhAlpha = std::tanh(alpha);
        const Real r3 = std::sqrt(inputOhms * outputOhms) / sinhAlpha;
        return TeePad{inputOhms / tanhAlpha - r3, outputOhms / tanhAlpha - r3, r3};
    });
    for (const Real r : {pad.r1, pad.r2, pad.r3})
        RequireFinite(r);
    return pad;
}

Real TeePadInputResistance(const TeePad& pad, Real terminationOhms) {
    return RequireFinite(CheckedStep([&] {
        const Real outputArm = pad.r2 + terminationOhms;
        return pad.r1 + pad.r3 * outputArm / (pad.r3 + outputArm);
    }));
}

Real WavelengthFractionCm(Real frequencyHz, int divisor) {
    return RequireFinite(CheckedStep([&] { return SpeedOfLight / frequencyHz * 100 / divisor; }));
}

Real WattsToDbm(Real watts) {
    return RequireFinite(CheckedStep([&] { return 10 * std::log10(watts * 1000); }));
}

Real DbmToWatts(Real dbm) {
    return RequireFinite(CheckedStep([&] { return std::pow(10.0L, dbm / 10) / 1000; }));
}

Real VoltageToLevelDb(Real voltage, Real perVolt) {
    return RequireFinite(CheckedStep([&] { return 20 * std::log10(voltage / perVolt); }));
}

Real LevelDbToVoltage(Real levelDb, Real perVolt) {
    return RequireFinite(CheckedStep([&] { return std::pow(10.0L, levelDb / 20) * perVolt; }));
}

std::optional<Real> UnitsPerVolt(std::string_view unit) {
    if (unit == "uV")
        return 1e6L;
    if (unit == "mV")
        return 1000.0L;
    if (unit == "V")
        return 1.0L;
    return std::nullopt;
}

Real DividerOutput(Real supplyVolts, Real topOhms, Real bottomOhms) {
    return RequireFinite(CheckedStep([&] { return supplyVolts * bottomOhms / (bottomOhms + topOhms); }));
}

Real ParallelResistance(Real a, Real b) {
    return RequireFinite(CheckedStep([&] { return a * b / (b + a); }));
}

} // namespace qv
