#include "calculators/analysis/link_budget.h"

#include "core/numbers/fp_check.h"

#include <cmath>

namespace qv {

Real FreeSpaceLossDb(Real frequencyMHz, Real distanceKm, Real transmitGainDb, Real receiveGainDb) {
    return RequireFinite(CheckedStep([&] {
        return 32.45L + 20 * std::log10(frequencyMHz) + 20 * std::log10(distanceKm) - transmitGainDb -
               receiveGainDb;
    }));
}

Real LineOfSightRangeKm(Real transmitHeightMetres, Real receiveHeightMetres) {
    return RequireFinite(CheckedStep(
        [&] { return 4.12L * (std::sqrt(transmitHeightMetres) + std::sqrt(receiveHeightMetres)); }));
}

} // namespace qv
