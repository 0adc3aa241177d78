#include "sparams/analysis/two_port_design.h"

#include "core/numbers/fp_check.h"
#include "core/rf/conversions.h"

#include <cmath>

namespace qv {

namespace {

Real MagnitudeSquared(Complex z) {
    return z.re * z.re + z.im * z.im;
}

Complex Conjugate(Complex z) {
    return {z.re, -z.im};
}

Complex Scale(Complex z, Real factor) {
    return {z.re * factor, z.im * factor};
}

Complex Delta(const SMatrix& s) {
    return CSub(CMul(s.s11, s.s22), CMul(s.s12, s.s21));
}

// C1 = S11 - Delta S22* at the input (own = S11, far = S22); C2 at the output.
Complex PortC(Complex own, Complex far, Complex delta) {
    return CSub(own, CMul(delta, Conjugate(far)));
}

// The matching reflection of one port: 2 C* / (B + sgn(B) sqrt(B^2 - 4|C|^2)).
Complex MatchedReflection(Real b, Complex c) {
    const Real root = std::sqrt(b * b - 4 * MagnitudeSquared(c));
    return Scale(Conjugate(c), 2 / (b + std::copysign(root, b)));
}

} // namespace

ConjugateMatchResult SimultaneousConjugateMatch(const SMatrix& s) {
    return CheckedStep([&] {
        const StabilityFigures figures = Stability(s);
        if (!(figures.k > 1 && figures.deltaMagnitude < 1))
            return ConjugateMatchResult{std::nullopt, DesignRefusal::NotUnconditionallyStable};
        const Complex delta = Delta(s);
        const Real s11 = MagnitudeSquared(s.s11);
        const Real s22 = MagnitudeSquared(s.s22);
        const Real d2 = MagnitudeSquared(delta);
        const Real b1 = 1 + s11 - s22 - d2;
        const Real b2 = 1 + s22 - s11 - d2;
        return ConjugateMatchResult{ConjugateMatch{MatchedReflection(b1, PortC(s.s11, s.s22, delta)),
                                                   MatchedReflection(b2, PortC(s.s22, s.s11, delta))},
                                    DesignRefusal::None};
    });
}

CircleResult GainCircle(const SMatrix& s, GainPlane plane, Real gainDb) {
    return CheckedStep([&] {
        const bool source = plane == GainPlane::AvailableSource;
        const Complex delta = Delta(s);
        const Complex own = source ? s.s11 : s.s22;
        const Complex far = source ? s.s22 : s.s11;
        const Real transfer = std::sqrt(MagnitudeSquared(CMul(s.s12, s.s21)));
        const Real g = std::pow(10.0L, gainDb / 10) / MagnitudeSquared(s.s21);
        const Real denominator = 1 + g * (MagnitudeSquared(own) - MagnitudeSquared(delta));
        // K |S12 S21|, which stays finite for a unilateral device.
        const Real kTransfer =
            (1 - MagnitudeSquared(s.s11) - MagnitudeSquared(s.s22) + MagnitudeSquared(delta)) / 2;
        Real radicand = 1 - 2 * kTransfer * g + transfer * transfer * g * g;
        // MAG itself is a point: the rounding of 10^(dB/10) may leave the radicand a hair below 0.
        if (radicand < 0 && radicand > -1e-12L)
            radicand = 0;
        // With K > 1 the radicand turns positive again beyond its second root, where the circles
        // lie off the chart: every gain above MAG is out of reach.
        const bool beyondMaximum = kTransfer > transfer && g * transfer * transfer > kTransfer;
        if (beyondMaximum || radicand < 0 || denominator == 0)
            return CircleResult{std::nullopt, DesignRefusal::GainOutOfReach};
        const Complex centre = Scale(Conjugate(PortC(own, far, delta)), g / denominator);
        return CircleResult{ReflectionCircle{centre, std::sqrt(radicand) / std::fabs(denominator)},
                            DesignRefusal::None};
    });
}

CircleResult NoiseCircle(const NoiseParameters& noise, Real referenceOhms, Real noiseFigureDb) {
    return CheckedStep([&] {
        if (noiseFigureDb < noise.minimumDb)
            return CircleResult{std::nullopt, DesignRefusal::NoiseBelowMinimum};
        const Real f = std::pow(10.0L, noiseFigureDb / 10);
        const Real fMin = std::pow(10.0L, noise.minimumDb / 10);
        const Complex gopt = noise.optimumReflection;
        const Real n =
            (f - fMin) * MagnitudeSquared(CAdd({1, 0}, gopt)) / (4 * noise.resistanceOhms / referenceOhms);
        const Real radius = std::sqrt(n * (n + 1 - MagnitudeSquared(gopt))) / (1 + n);
        return CircleResult{ReflectionCircle{Scale(gopt, 1 / (1 + n)), radius}, DesignRefusal::None};
    });
}

Complex MatchedLoadOhms(Complex reflection, Real zo) {
    return ReflectionToImpedance(Conjugate(reflection), zo);
}

MagnitudeAngle PolarOf(Complex reflection) {
    return {std::sqrt(MagnitudeSquared(reflection)),
            std::atan2(reflection.im, reflection.re) / DegreesToRadians};
}

} // namespace qv
