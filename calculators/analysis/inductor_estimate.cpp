#include "calculators/analysis/inductor_estimate.h"

#include "core/numbers/fp_check.h"

#include <cmath>

namespace qv {

Real GroundPlaneFactor(Real widthUm, Real boardUm) {
    return RequireFinite(CheckedStep([&] { return 0.57L - 0.145L * std::log(widthUm / boardUm); }));
}

Real StripInductanceNh(Real lengthUm, Real widthUm, Real copperUm, Real Kg) {
    return RequireFinite(CheckedStep([&] {
        const Real wt = widthUm + copperUm;
        return 0.0002L * lengthUm * (std::log(lengthUm / wt) + 1.193L + 0.2235L * wt / lengthUm) * Kg;
    }));
}

Real RingInductanceNh(Real sizeUm, Real widthUm, Real copperUm, Real Kg) {
    return RequireFinite(CheckedStep(
        [&] { return 0.001257L * sizeUm * (std::log(sizeUm / (widthUm + copperUm)) + 0.078L) * Kg; }));
}

Real SpiralInductanceNh(Real outerUm, Real innerUm, int turns, Real Kg) {
    return RequireFinite(CheckedStep([&] {
        const Real r = (outerUm + innerUm) / 4;
        const Real c = (outerUm - innerUm) / 2;
        const Real N = turns;
        return 0.03937L * r * r * N * N / (8 * r + 11 * c) * Kg;
    }));
}

} // namespace qv
