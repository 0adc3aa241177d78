#pragma once

#include "core/numbers/real.h"

#include <optional>

// The microstrip model of today's reference calculators, beside the closed forms of microstrip.h:
// Hammerstad and Jensen's static impedance and effective permittivity with their strip-thickness
// correction, and the frequency dependence of Kirschning and Jansen. SI units: metres, hertz, ohms.
// Stated validity: 0.1 <= W/H <= 100, Er <= 128; the dispersion up to about 60 GHz.
// Outside the arithmetic domain (H or Er not positive, T negative) the operations throw
// FloatingPointError.
namespace qv {

// Hammerstad-Jensen figures of a strip without dispersion.
struct StaticMicrostrip {
    Real Z0 = 0;     // ohms
    Real EpsEff = 0; // effective permittivity, thickness included
};

// The line at an operating frequency.
struct DispersiveMicrostrip {
    StaticMicrostrip atZero; // the static figures
    Real Z0 = 0;             // ohms, at the frequency
    Real EpsEff = 0;         // at the frequency
    Real Wavelength = 0;     // guided wavelength from the dispersive permittivity, metres
    Real DegreesPerMm = 0;   // phase per millimetre of line
};

// A zero thickness T gives the infinitely thin strip.
StaticMicrostrip HammerstadJensenLine(Real W, Real H, Real T, Real Er);

// The static line and its frequency dependence at F (F = 0 gives the static figures and an infinite
// wavelength, which throws).
DispersiveMicrostrip KirschningJansenLine(Real W, Real H, Real T, Real Er, Real F);

// The width whose static Hammerstad-Jensen impedance is Z0, found by bisection to the last bit;
// nothing when that width lies outside 0.1 <= W/H <= 100.
std::optional<Real> HammerstadJensenWidth(Real Z0, Real H, Real T, Real Er);

} // namespace qv
