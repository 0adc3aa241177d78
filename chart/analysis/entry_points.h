#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

#include <string>

// The values the entry windows place on the chart, as plain functions of what was typed.
namespace qv {

// |Gamma| of an entered magnitude; with decibels the magnitude is 20 lg|Gamma|.
Real EnteredMagnitude(Real magnitude, bool decibels);

// Gamma from a magnitude and an angle in degrees, the magnitude as for EnteredMagnitude. No limit
// on the magnitude here: above 1 the point lies outside the chart circle.
Complex EnteredReflection(Real magnitude, Real angleDegrees, bool decibels);

struct NormalisedPair {
    Real re = 0;
    Real im = 0;
};

// r + jx from R + jX in ohms (divided by Zo) or already normalised.
NormalisedPair EnteredImpedance(Real R, Real X, bool normalised, Real Zo);
// g + jb from G + jB in siemens (multiplied by Zo) or already normalised.
NormalisedPair EnteredAdmittance(Real G, Real B, bool normalised, Real Zo);

// "R=%3.2f+j%3.2f" (or "-j" with the magnitude when x is not positive), in normalised values or
// in ohms.
std::string ImpedanceEntryLabel(Real r, Real x, bool normalised, Real Zo);
// "Y=%3.4f+b%3.4f" (or "-b" with |b| when b is not positive), normalised.
std::string AdmittanceEntryLabel(Real g, Real b);

} // namespace qv
