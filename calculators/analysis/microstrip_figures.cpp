#include "calculators/analysis/microstrip_figures.h"

#include "core/numbers/decimal.h"
#include "core/numbers/fp_check.h"

#include <string>

namespace qv {

LengthEntry ReadLengthField(std::string_view text, bool milSelected) {
    std::string typed(Trim(text));
    if (milSelected)
        typed += 'm';
    return ParseLength(typed);
}

LinePhase PhaseOfLine(Real Vp, Real F) {
    const LinePhase phase = CheckedStep([&] {
        LinePhase p;
        p.Wavelength = Vp / F;
        p.DegreesPerMm = (0.006283185307179586477L / p.Wavelength) * 360 / 6.283185307179586477L;
        return p;
    });
    RequireFinite(phase.Wavelength);
    RequireFinite(phase.DegreesPerMm);
    return phase;
}

bool BeyondDispersionValidity(Real H, Real F) {
    return H * F > 0.13L * SpeedOfLight;
}

} // namespace qv
