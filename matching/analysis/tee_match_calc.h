#pragma once

#include "core/numbers/real.h"

#include <string>

// The bench calculations beside the chart: an L-C-L... T network that lifts a low load
// resistance to the source resistance, the reactance of a capacitor or an inductor, a decibel
// ratio and two values in parallel.
namespace qv {

// A T network from the load RL toward the source Rs: a series inductor L1 at the load, a shunt
// capacitor C2 at the middle node and a series capacitor C1 at the source. The loaded Q of the
// load-side L section is Q2 = sqrt(Rs/RL - 1) + 0.4, the 0.4 widening it beyond the minimum; the
// source side then has Q1 = sqrt(RL/Rs (Q2^2 + 1) - 1).
struct TeeMatch {
    Real Q2 = 0;
    Real Q1 = 0;
    Real C1 = 0; // farads
    Real L1 = 0; // henries
    Real C2 = 0; // farads
};

// Throws FloatingPointError for RL of 0, RL above Rs (no real Q2) or a zero frequency.
TeeMatch DesignTeeMatch(Real loadOhms, Real sourceOhms, Real frequencyHz);

// 1/(2 pi f C) and 2 pi f L, ohms. Throw FloatingPointError when the result is not finite.
Real CapacitiveReactance(Real frequencyHz, Real farads);
Real InductiveReactance(Real frequencyHz, Real henries);

// A reactance in ohms: "%3.2fM" from 1e6, "%3.2fK" from 1000, "%3.6f" below.
std::string FormatReactance(Real ohms);

// The voltage ratio of a decibel value, 10^(dB/20). Throws FloatingPointError on overflow.
Real DecibelsToRatio(Real decibels);

// X1 X2/(X1 + X2) in double precision, as the parallel page has always computed it. Throws
// FloatingPointError when X1 + X2 is 0.
double ParallelValue(double x1, double x2);

} // namespace qv
