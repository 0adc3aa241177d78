#include "conversions.h"

#include "errors.h"
#include "fp_check.h"
#include "sentinels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {
// Exactly-zero reactance is nudged off the real axis so ImpedanceToGamma can divide by it.
constexpr Real ZeroReactanceNudge = 1e-7L;

Complex RequireFinite(Complex z) {
    qv::RequireFinite(z.re);
    qv::RequireFinite(z.im);
    return z;
}
} // namespace

Real GammaToResistance(Real u, Real v) {
    if (u == 1)
        return UnboundedImpedance;
    const Real c = (1 - u * u - v * v) / (2 * (1 - u));
    return RequireFinite(c / (1 - c));
}

Real GammaToReactance(Real u, Real v) {
    if (u == 1)
        return UnboundedImpedance;
    return RequireFinite(2 * v / ((u - 1) * (u - 1) + v * v));
}

Real GammaToConductance(Real u, Real v) {
    if (u == -1)
        return UnboundedConductance;
    const Real c = (1 - u * u - v * v) / (2 * (1 + u));
    return RequireFinite(c / (1 - c));
}

Real GammaToSusceptance(Real u, Real v) {
    return RequireFinite(-2 * v / ((1 + u) * (1 + u) + v * v));
}

Complex ImpedanceToGamma(Real r, Real x) {
    if (x == 0)
        x = ZeroReactanceNudge;
    const Real v = 2 * x / (x * x + (r + 1) * (r + 1));
    const Real u = 1 - (r + 1) * v / x;
    return RequireFinite(Complex{u, v});
}

Complex OhmsToGamma(Real R, Real X, Real Zo) {
    return RequireFinite(CDiv({R - Zo, X}, {R + Zo, X}));
}

Complex AdmittanceToGamma(Real g, Real b) {
    const Real d = (g + 1) * (g + 1) + b * b;
    return RequireFinite(Complex{(1 - g * g - b * b) / d, -2 * b / d});
}

Polar GammaToPolar(Real v, Real u) {
    const Real magnitude = RequireFinite(std::sqrt(v * v + u * u));
    if (magnitude == 0)
        return {0, 0}; // the centre has no direction; 0 degrees keeps every readout defined
    // Rounding can put |u|/magnitude a hair above 1, where arccos is undefined.
    const Real cosine = std::clamp(u / magnitude, Real(-1), Real(1));
    return {magnitude, std::acos(cosine) * 360 / TwoPi};
}

Complex PolarToGamma(Real magnitude, Real angleDegrees) {
    const Real a = angleDegrees * DegreesToRadians;
    return RequireFinite(Complex{magnitude * std::cos(a), magnitude * std::sin(a)});
}

Real CapacitanceFromReactance(Real a, Real b) {
    if (a == 0 || b == 0)
        return UncomputableCapacitance;
    return RequireFinite(1 / (TwoPi * a * b));
}

Real InductanceFromReactance(Real f, Real X) {
    if (f == 0)
        return 0;
    return RequireFinite(X / (TwoPi * f));
}

MatchFigures MatchQuality(Complex a, Complex b, int matchflag) {
    const Real xa = matchflag == 0 ? -a.im : a.im;
    const Complex gm = RequireFinite(CDiv({a.re - b.re, xa - b.im}, {a.re + b.re, xa + b.im}));
    const Real p = gm.re * gm.re + gm.im * gm.im;
    constexpr Real infinity = std::numeric_limits<Real>::infinity();
    MatchFigures figures;
    // A perfect match has an infinite return loss and a total mismatch an infinite VSWR and
    // mismatch loss; both are results to print, not failures.
    figures.returnLossDb = p == 0 ? infinity : -10 * std::log10(p);
    if (p == 1) {
        figures.vswr = infinity;
        figures.mismatchLossDb = infinity;
    } else {
        const Real magnitude = std::sqrt(p);
        figures.vswr = RequireFinite((1 + magnitude) / (1 - magnitude));
        figures.mismatchLossDb = RequireFinite(-10 * std::log10(1 - p));
    }
    return figures;
}

} // namespace qv
