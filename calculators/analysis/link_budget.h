#pragma once

#include "core/numbers/real.h"

// Two rules of thumb for a radio path. Both throw FloatingPointError for a logarithm or square
// root of a number out of range.
namespace qv {

// Free-space path loss between antennas with gains Gt and Gr (dBi):
// 32.45 + 20 lg f(MHz) + 20 lg d(km) - Gt - Gr, dB. 32.45 is 20 lg(4 pi 1e9 / c) for these units.
Real FreeSpaceLossDb(Real frequencyMHz, Real distanceKm, Real transmitGainDb, Real receiveGainDb);

// Radio line-of-sight range over a smooth earth with the standard 4/3 earth radius:
// 4.12 (sqrt h1 + sqrt h2) km for antenna heights in metres.
Real LineOfSightRangeKm(Real transmitHeightMetres, Real receiveHeightMetres);

} // namespace qv
