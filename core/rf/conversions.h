#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

// Moves between the chart's coordinate (the reflection coefficient Gamma = u + jv), the normalised
// impedance z = r + jx and admittance y = g + jb, ohms and element values. Angles are in degrees.
// The exact-equality guards below are the only protections; values merely close to them are
// passed to the formulas.
namespace qv {

struct Polar {
    Real magnitude = 0;
    Real angleDegrees = 0; // 0..180, unsigned: callers negate it below the real axis
};

struct MatchFigures {
    Real returnLossDb = 0;   // +infinity for a perfect match
    Real vswr = 1;           // +infinity for a total mismatch
    Real mismatchLossDb = 0; // +infinity for a total mismatch
};

Real GammaToResistance(Real u, Real v);   // 999999.999 when u == 1
Real GammaToReactance(Real u, Real v);    // 999999.999 when u == 1
Real GammaToConductance(Real u, Real v);  // 1000 when u == -1
Real GammaToSusceptance(Real u, Real v);  // no guard; negative above the axis
Complex ImpedanceToGamma(Real r, Real x); // x == 0 is taken as 1e-7
Complex OhmsToGamma(Real R, Real X, Real Zo);
Complex AdmittanceToGamma(Real g, Real b);
// The impedance zo (1 + G)/(1 - G) of a reflection G against zo (ohms, or 1 for a normalised
// one). Throws FloatingPointError for G = 1 and for a result that is not finite.
Complex ReflectionToImpedance(Complex reflection, Real zo);
// The reflection against toOhms of the impedance whose reflection against fromOhms is G:
// ((Zf - Zt) + G (Zf + Zt)) / ((Zf + Zt) + G (Zf - Zt)), finite for every passive G (G = 1, the
// open circuit, stays 1). Throws FloatingPointError for a result that is not finite.
Complex RereferencedReflection(Complex reflection, Real fromOhms, Real toOhms);
Polar GammaToPolar(Real v, Real u); // imaginary part first; angle 0 at magnitude 0
Complex PolarToGamma(Real magnitude, Real angleDegrees);
Real CapacitanceFromReactance(Real a, Real b); // 1/(2 pi a b); 999999 when a or b is 0
Real InductanceFromReactance(Real f, Real X);  // X/(2 pi f); 0 when f is 0

// Return loss, VSWR and mismatch loss of load a fed from source b (same unit). matchflag 0 takes
// the power-wave mismatch |(a - b*)/(a + b)|^2 (a conjugate match is perfect); any other value
// compares a with b directly, |(a - b)/(a + b)|^2. The two agree for a real source. A power
// reflection within a few units in the last place of 1, or beyond it, gives the total-mismatch
// figures (VSWR and mismatch loss infinite) instead of an error. Throws FloatingPointError only
// when a + b is 0 and the ends are not both lossless.
MatchFigures MatchQuality(Complex a, Complex b, int matchflag);

} // namespace qv
