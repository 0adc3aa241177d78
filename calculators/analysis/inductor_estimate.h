#pragma once

#include "core/numbers/real.h"

// Empirical estimates of printed inductors over a ground plane. Lengths in micrometres,
// inductances in nanohenries, as the formulas were fitted. Each throws FloatingPointError where the
// arithmetic fails (a zero width or board thickness, a length shorter than the logarithm allows).
namespace qv {

// The reduction by the ground plane below a conductor of width w on a board of thickness h:
// Kg = 0.57 - 0.145 ln(w/h). The estimates are meaningful while Kg stays above about 0.05.
Real GroundPlaneFactor(Real widthUm, Real boardUm);

// A straight strip of length l, width w and copper thickness t: the straight-conductor form
// 0.2 l (ln(2l/(w+t)) + 0.5 + 0.2235 (w+t)/l) nH with l in mm, here in micrometres (1.193 = 0.5 + ln 2).
Real StripInductanceNh(Real lengthUm, Real widthUm, Real copperUm, Real Kg);

// A single ring of size a.
Real RingInductanceNh(Real sizeUm, Real widthUm, Real copperUm, Real Kg);

// A spiral of N turns between the outer size do and the inner size di (do >= di), with mean
// radius r = (do + di)/4 and winding depth c = (do - di)/2: Wheeler's flat coil r^2 N^2/(8r + 11c) uH
// with inches, converted to micrometres and nH (0.03937 = 1000 x 3.937e-5).
Real SpiralInductanceNh(Real outerUm, Real innerUm, int turns, Real Kg);

} // namespace qv
