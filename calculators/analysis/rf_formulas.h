#pragma once

#include "core/numbers/real.h"

#include <optional>
#include <string>
#include <string_view>

// The small bench calculations of the general calculator: a constant-k low-pass section, the T
// attenuator pad, wavelength fractions, power and voltage levels and two resistor helpers. Every
// function throws FloatingPointError when a step divides by zero, takes the logarithm or root of
// a non-positive number or overflows.
namespace qv {

// The cut-off frequency as typed: an "M" or "m" anywhere means megahertz (the first one is
// blanked, the rest read as a decimal number and rounded to whole hertz); otherwise a whole
// number of hertz. Throws ConversionError for a text that is no number, FloatingPointError when
// the hertz do not fit a 64-bit whole number.
long long ParseCutoffFrequency(std::string_view text);

// Constant-k T low-pass section of nominal impedance R0 and cut-off fc: C = 1/(pi fc R0),
// L = R0^2 C; the section is L/2 - C - L/2.
struct ConstantKSection {
    Real halfInductance = 0; // henries, each series arm
    Real capacitance = 0;    // farads, the shunt arm
};
ConstantKSection DesignConstantK(Real nominalOhms, Real cutoffHz);

// "%12.6f" of the value in micro-units with the unit ("uH", "uF") below 1e-4; otherwise the
// value in base units in the general form.
std::string FormatConstantKValue(Real value, std::string_view microUnit);

// A T pad between Z1 and Z2 with the given loss, from the image-parameter design with the
// propagation constant alpha = dB ln(10)/20 nepers: R3 = sqrt(Z1 Z2)/sinh alpha,
// R1 = Z1/tanh alpha - R3, R2 = Z2/tanh alpha - R3. R1 and R2 are the series arms on the input
// and output side, R3 the shunt arm.
struct TeePad {
    Real r1 = 0;
    Real r2 = 0;
    Real r3 = 0;
};
TeePad DesignTeePad(Real inputOhms, Real outputOhms, Real lossDb);

// The resistance seen into the pad's input with the output terminated in Rt:
// R1 + R3 || (R2 + Rt).
Real TeePadInputResistance(const TeePad& pad, Real terminationOhms);

// The free-space wavelength divided by `divisor` (1 for a whole wavelength), centimetres.
Real WavelengthFractionCm(Real frequencyHz, int divisor);

// dBm from watts and back.
Real WattsToDbm(Real watts);
Real DbmToWatts(Real dbm);

// Voltage levels in dB relative to 1 V. `perVolt` is how many of the typed unit make one volt.
Real VoltageToLevelDb(Real voltage, Real perVolt);
Real LevelDbToVoltage(Real levelDb, Real perVolt);
// 1e6 for "uV", 1000 for "mV", 1 for "V"; nothing for "dbuV" or any other unit, which converts nothing.
std::optional<Real> UnitsPerVolt(std::string_view unit);

// The output of a divider Ra (top) over Rb (bottom) fed with V: V Rb/(Rb + Ra).
Real DividerOutput(Real supplyVolts, Real topOhms, Real bottomOhms);
// Two resistors in parallel.
Real ParallelResistance(Real a, Real b);

} // namespace qv
