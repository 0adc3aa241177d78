#pragma once

#include "core/numbers/real.h"
#include "core/rf/microstrip.h"

#include <string_view>

// The small conversions of the microstrip calculator window around the line model.
namespace qv {

// A length field: its trimmed text, with "m" appended when the unit box shows mil, read by
// ParseLength. Throws ConversionError for allowed characters that are no number.
LengthEntry ReadLengthField(std::string_view text, bool milSelected);

// Guided wavelength Vp/F in metres and the phase of one millimetre of line in degrees.
struct LinePhase {
    Real Wavelength = 0;
    Real DegreesPerMm = 0;
};
// Throws FloatingPointError for F = 0.
LinePhase PhaseOfLine(Real Vp, Real F);

// Kirschning and Jansen state their dispersion for substrates up to 0.13 free-space wavelengths
// thick; beyond that Z0(f) runs away from any real line.
bool BeyondDispersionValidity(Real H, Real F);

inline Real MetresToMils(Real metres) {
    return metres * 1000 * 1000 / 25.4L;
}
inline Real MetresToMillimetres(Real metres) {
    return metres * 1000;
}

} // namespace qv
