#include "matching/analysis/bode_fano.h"

#include <cmath>

namespace qv {

// Bode (1945), Fano (1950): for a series R-L load the integral of ln(1/|Gamma|) over omega is at
// most pi R / L, so a flat band at |Gamma| <= Gm is at most pi / (Q ln(1/Gm)) wide relative to the
// design frequency; the series R-C load gives the same to first order about it.
BodeFanoLimit BodeFanoBandwidth(Complex loadOhms, Real designHz, Real returnLossDb) {
    BodeFanoLimit limit;
    limit.returnLossDb = returnLossDb;
    if (!(std::isfinite(loadOhms.re) && std::isfinite(loadOhms.im) && loadOhms.re > 0 &&
          std::isfinite(designHz) && designHz > 0 && std::isfinite(returnLossDb) && returnLossDb > 0))
        return limit;
    limit.Q = std::fabs(loadOhms.im) / loadOhms.re;
    if (limit.Q == 0) {
        limit.outcome = BodeFanoLimit::Outcome::RealLoad;
        return limit;
    }
    // ln(1/Gm) with Gm = 10^(-RL/20).
    const Real logInverseGamma = returnLossDb * std::log(10.0L) / 20;
    limit.fraction = Pi / (limit.Q * logInverseGamma);
    limit.bandwidthHz = limit.fraction * designHz;
    limit.outcome = BodeFanoLimit::Outcome::Limited;
    return limit;
}

Real ShareOfLimit(const BodeFanoLimit& limit, Real bandwidthHz) {
    if (limit.outcome != BodeFanoLimit::Outcome::Limited || !(limit.bandwidthHz > 0))
        return 0;
    return bandwidthHz / limit.bandwidthHz * 100;
}

} // namespace qv
