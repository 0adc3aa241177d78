#pragma once

#include "core/numbers/real.h"
#include "sparams/analysis/two_port.h"

#include <optional>
#include <vector>

// Resistive loading of a transistor: the resistance in series or in shunt at its input or output
// that makes the device with the resistor unconditionally stable (mu > 1).
namespace qv {

enum class ResistorPlacement { SeriesInput, ShuntInput, SeriesOutput, ShuntOutput };

// The device with the resistor is unconditionally stable exactly when every reflection the
// resistor leaves reachable at the transistor's port lies on the stable side of that port's
// stability circle. Those reflections fill the chart's constant-resistance circle r = R/Zo
// (series) or constant-conductance circle g = Zo/R (shunt): a disc of radius a = 1/(1 + r)
// touching the open (short) end of the chart, which shrinks as r (g) grows. Where the disc
// touches the circle a is linear in the circle's centre and radius. Gives the boundary
// resistance in ohms (a series one at least, a shunt one at most that value), 0 (series) or
// +infinity (shunt) when the device needs none, nothing when no resistance of that kind stabilises
// it. Throws FloatingPointError where the circle does not exist (|S11| = |Delta| or |S22| = |Delta|).
std::optional<Real> StabilisingResistance(const SMatrix& s, ResistorPlacement where, Real zo);

struct BandResistance {
    std::optional<Real> ohms; // nothing when some frequency cannot be stabilised this way
    Real worstHz = 0;         // where the largest series (smallest shunt) value is needed
};

// The value that serves every frequency: the largest series or the smallest shunt resistance.
struct DeviceSample {
    Real frequencyHz = 0;
    SMatrix s;
};
BandResistance BandStabilisingResistance(const std::vector<DeviceSample>& band, ResistorPlacement where,
                                         Real zo);

} // namespace qv
