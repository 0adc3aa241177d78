#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

// The widest band over which any lossless network can hold the return loss at or above a
// threshold, for a load that is a series R-L (X > 0) or series R-C (X < 0) at the design
// frequency.
namespace qv {

struct BodeFanoLimit {
    enum class Outcome {
        Limited,
        RealLoad,     // no reactance: no limit
        NoResistance, // R not above 0, or values not finite: the model has no meaning
    };
    Outcome outcome = Outcome::NoResistance;
    Real Q = 0;            // |X| / R of the load
    Real fraction = 0;     // the largest fractional bandwidth
    Real bandwidthHz = 0;  // fraction * the design frequency
    Real returnLossDb = 0; // the threshold the limit is for
};

// loadOhms at designHz; returnLossDb above 0.
BodeFanoLimit BodeFanoBandwidth(Complex loadOhms, Real designHz, Real returnLossDb);

// A band as a percentage of the limit; 0 when the limit is not Limited.
Real ShareOfLimit(const BodeFanoLimit& limit, Real bandwidthHz);

} // namespace qv
