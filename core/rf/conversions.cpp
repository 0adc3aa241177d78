#include "core/rf/conversions.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/sentinels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {
// Exactly-zero reactance is nudged off the real axis so ImpedanceToGamma can divide by it.
constexpr Real ZeroReactanceNudge = 1e-7L;
// How close to 1 the power reflection may come before it counts as a total mismatch: a few units
// in the last place of the extended format.
constexpr Real TotalMismatchMargin = 16 * std::numeric_limits<Real>::epsilon();

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

Complex RereferencedReflection(Complex reflection, Real fromOhms, Real toOhms) {
    if (fromOhms == toOhms)
        return reflection;
    const Real sum = fromOhms + toOhms;
    const Real difference = fromOhms - toOhms;
    const Complex g = CheckedStep([&] {
        return CDiv({difference + reflection.re * sum, reflection.im * sum},
                    {sum + reflection.re * difference, reflection.im * difference});
    });
    return {RequireFinite(g.re), RequireFinite(g.im)};
}

Complex ReflectionToImpedance(Complex reflection, Real zo) {
    return RequireFinite(CheckedStep([&] {
        const Complex ratio = CDiv({1 + reflection.re, reflection.im}, {1 - reflection.re, -reflection.im});
        return Complex{ratio.re * zo, ratio.im * zo};
    }));
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
    // p = |Gm|^2 = num/den, and 1 - p = (den - num)/den written out so that it does not cancel:
    // conjugate (power waves):  Gm = (A - B*)/(A + B), den - num = 4 Ra Rb;
    // direct:                   Gm = (A - B)/(A + B),  den - num = 4 (Ra Rb + Xa Xb).
    const Real sumR = a.re + b.re;
    const Real sumX = a.im + b.im;
    const Real diffR = a.re - b.re;
    const Real diffX = matchflag == 0 ? a.im + b.im : a.im - b.im;
    const Real num = RequireFinite(diffR * diffR + diffX * diffX);
    const Real den = RequireFinite(sumR * sumR + sumX * sumX);
    const Real delivered = 4 * (matchflag == 0 ? a.re * b.re : a.re * b.re + a.im * b.im);
    constexpr Real infinity = std::numeric_limits<Real>::infinity();
    MatchFigures figures;
    if (den == 0) {
        if (sumR == 0 && a.re >= 0 && b.re >= 0) {
            // Two lossless ends: no power reaches the load, a total mismatch.
            figures = {0, infinity, infinity};
            return figures;
        }
        throw FloatingPointError(DivisionByZeroText);
    }
    const Real p = num / den;
    const Real q = delivered / den; // 1 - p
    // A perfect match has an infinite return loss. Within a few units in the last place of total
    // mismatch (a lossless end on the chart's rim, where rounding puts p on either side of 1) the
    // figures are those of the total mismatch, and so is every p beyond 1.
    figures.returnLossDb = p == 0 ? infinity : -10 * std::log10(p);
    if (q <= TotalMismatchMargin) {
        if (q >= -TotalMismatchMargin)
            figures.returnLossDb = 0;
        figures.vswr = infinity;
        figures.mismatchLossDb = infinity;
        return figures;
    }
    const Real magnitude = std::sqrt(p);
    // (1 + |G|)/(1 - |G|) with 1 - |G| = q/(1 + |G|), free of the cancellation near |G| = 1.
    figures.vswr = RequireFinite((1 + magnitude) * (1 + magnitude) / q);
    figures.mismatchLossDb = RequireFinite(-10 * std::log10(q));
    return figures;
}

} // namespace qv
