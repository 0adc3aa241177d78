#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "sparams/analysis/two_port.h"

#include <optional>

// Designing around a transistor at one frequency: the simultaneous conjugate match, circles of
// constant available and operating gain, and circles of constant noise figure. Reflections are
// against the reference the S-parameters are given in; gains and noise figures are in dB.
namespace qv {

// Why a design figure does not exist; the windows and the console word it.
enum class DesignRefusal {
    None,
    NotUnconditionallyStable, // K <= 1 or |Delta| >= 1: no simultaneous conjugate match
    GainOutOfReach,           // no source (load) reflection gives that gain
    NoiseBelowMinimum,        // a noise figure below NFmin
    NoNoiseData,              // the device has no noise parameters at the frequency
};

struct ConjugateMatch {
    Complex sourceReflection; // Gamma_MS, what the source network presents to the input
    Complex loadReflection;   // Gamma_ML, what the load network presents to the output
};

struct ConjugateMatchResult {
    std::optional<ConjugateMatch> match;
    DesignRefusal refusal = DesignRefusal::None;
};

// Gamma_MS = (B1 - sgn(B1) sqrt(B1^2 - 4|C1|^2))/(2 C1), B1 = 1 + |S11|^2 - |S22|^2 - |Delta|^2,
// C1 = S11 - Delta S22*, and Gamma_ML likewise with B2, C2 (G. Gonzalez, Microwave Transistor
// Amplifiers, 2nd ed., eqs. 3.6.7-3.6.10), computed as 2 C1* / (B1 + sgn(B1) sqrt(...)), the same
// value without cancellation, which also holds for C1 = 0. Only when K > 1 and |Delta| < 1.
ConjugateMatchResult SimultaneousConjugateMatch(const SMatrix& s);

// The plane a gain circle lies in: available gain over source reflections, operating (power)
// gain over load reflections.
enum class GainPlane { AvailableSource, OperatingLoad };

struct ReflectionCircle {
    Complex centre;
    Real radius = 0;
};

struct CircleResult {
    std::optional<ReflectionCircle> circle;
    DesignRefusal refusal = DesignRefusal::None;
};

// g = G/|S21|^2; centre g C1* / (1 + g(|S11|^2 - |Delta|^2)), radius
// sqrt(1 - 2K|S12 S21| g + |S12 S21|^2 g^2) / |1 + g(|S11|^2 - |Delta|^2)| in the source plane,
// S22 and C2 in the load plane (Gonzalez, eqs. 3.8.10-3.8.11 and their available-gain duals).
CircleResult GainCircle(const SMatrix& s, GainPlane plane, Real gainDb);

// A device's noise parameters at one frequency; Rn in ohms.
struct NoiseParameters {
    Real minimumDb = 0;
    Complex optimumReflection;
    Real resistanceOhms = 0;
};

// N = (F - Fmin)|1 + Gopt|^2 / (4 Rn/Zo); centre Gopt/(1 + N), radius
// sqrt(N(N + 1 - |Gopt|^2))/(1 + N) (Gonzalez, eqs. 4.3.5-4.3.7).
CircleResult NoiseCircle(const NoiseParameters& noise, Real referenceOhms, Real noiseFigureDb);

// The load a matching network is designed for so that it presents `reflection` to the
// transistor: Zo(1 + G*)/(1 - G*) in ohms, the impedance the transistor shows when so matched.
// Throws FloatingPointError for G = 1.
Complex MatchedLoadOhms(Complex reflection, Real zo);

// The reflection as magnitude and angle in degrees.
MagnitudeAngle PolarOf(Complex reflection);

} // namespace qv
