#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

#include <optional>
#include <string>

// The two-port calculator's arithmetic: a small complex calculator for impedances and the analysis
// of one two-port at one frequency from its four S-parameters (Z-parameters, port impedances,
// Rollett stability, unilateral gains, the stability measures mu and mu', MAG/MSG and the two
// stability circles). Everything is extended precision; angles are in degrees.
namespace qv {

enum class ComplexOperation {
    Add,                   // X1 + X2
    Subtract,              // X1 - X2
    Multiply,              // X1 * X2
    Divide,                // X1 / X2
    Parallel,              // X1 // X2 = X1*X2/(X1 + X2)
    ReflectionToImpedance, // (1 + X1)/(1 - X1): X1 is a reflection coefficient, X2 is ignored
};

// Throws FloatingPointError on a zero divisor (X2 = 0, X1 + X2 = 0, X1 = 1) or an overflow.
Complex CalculateComplex(ComplexOperation operation, Complex x1, Complex x2);

// The reactance of an element at a frequency: a value of 0 or more is an inductance in henries
// (2*pi*f*L), a negative one a capacitance in farads (1/(2*pi*f*C), negative). Throws
// FloatingPointError for a capacitance at 0 Hz.
Real ElementReactance(Real frequencyHz, Real value);

struct MagnitudeAngle {
    Real magnitude = 0;
    Real angleDegrees = 0;
};

// One S-parameter as typed in its two fields, read both ways.
struct SParameter {
    Complex rectangular;
    MagnitudeAngle polar;
};

// The first field is the magnitude (polar) or the real part; with decibels it is first taken from
// dB as 10^(v/20), in either mode. The second field is the angle in degrees or the imaginary part.
SParameter ReadSParameter(Real first, Real second, bool polar, bool decibels);

struct TwoPort {
    SParameter s11, s22, s12, s21;
};

struct SMatrix {
    Complex s11, s22, s12, s21;
};

// The rectangular S-parameters as typed (for the Z-parameters), and as rebuilt from the polar
// set with cos and sin (for every stability and gain figure).
SMatrix TypedMatrix(const TwoPort& s);
SMatrix MatrixFromPolar(const TwoPort& s);

struct ZParameters {
    Complex z11, z22, z12, z21;
};

struct PortImpedances {
    Complex input;  // Zo(1 + S11)/(1 - S11)
    Complex output; // Zo(1 + S22)/(1 - S22)
};

struct StabilityFigures {
    Real deltaMagnitude = 0; // |S11*S22 - S12*S21|
    Real k = 0;              // Rollett K; +-infinity for a unilateral two-port (S12*S21 = 0)
    Real unilateralGain = 0; // GUmax, linear
};

struct GainTerms {
    Real sourceDb = 0;     // 10 lg 1/(1 - |S11|^2)
    Real forwardDb = 0;    // 10 lg |S21|^2, minus infinity for S21 = 0
    Real loadDb = 0;       // 10 lg 1/(1 - |S22|^2)
    Real unilateralDb = 0; // 10 lg GUmax
};

struct StabilityCircle {
    MagnitudeAngle centre;
    Real radius = 0;
};

struct MaximumGainFigure {
    bool available = false; // MAG (true) or MSG (false)
    Real db = 0;            // +infinity for MSG with S12 = 0, -infinity with S21 = 0
};

struct ExtraFigures {
    MaximumGainFigure gain;
    Real muPrime = 0;
};

// The analysis in its order of steps. A step that fails (a zero divisor, the logarithm of a
// number that is not positive, an overflow) stops it: the steps before keep their results, the
// failing step and those after have none, and failure holds the error text.
struct TwoPortAnalysis {
    std::optional<ZParameters> z;
    std::optional<PortImpedances> ports;
    std::optional<StabilityFigures> stability;
    std::optional<GainTerms> gains;
    std::optional<Real> mu;
    std::optional<StabilityCircle> outputCircle;
    std::optional<StabilityCircle> inputCircle;
    std::optional<ExtraFigures> extras;
    std::optional<std::string> failure;
};

// The steps one by one; each throws FloatingPointError where the analysis would stop.
ZParameters SToZ(const SMatrix& s, Real zo);
StabilityFigures Stability(const SMatrix& s);
GainTerms Gains(const SMatrix& s);
Real Mu(const SMatrix& s);      // load side: (1 - |S11|^2)/(|S22 - Delta*S11^*| + |S12*S21|)
Real MuPrime(const SMatrix& s); // source side: (1 - |S22|^2)/(|S11 - Delta*S22^*| + |S12*S21|)
StabilityCircle OutputStabilityCircle(const SMatrix& s);
StabilityCircle InputStabilityCircle(const SMatrix& s);
// MAG = |S21|/|S12| (K - sqrt(K^2 - 1)) when K > 1 and |Delta| < 1, else MSG = |S21|/|S12|.
MaximumGainFigure MaximumGain(const SMatrix& s);

// Every step in order, the Z-parameters from the typed values and the rest from the polar set.
TwoPortAnalysis AnalyseTwoPort(const TwoPort& s, Real zo);

} // namespace qv
