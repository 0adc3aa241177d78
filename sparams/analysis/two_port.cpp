#include "sparams/analysis/two_port.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/rf/conversions.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr Real Infinity = std::numeric_limits<Real>::infinity();

Real Magnitude(Complex z) {
    return std::sqrt(z.re * z.re + z.im * z.im);
}

Real MagnitudeSquared(Complex z) {
    return z.re * z.re + z.im * z.im;
}

Real AngleDegrees(Complex z) {
    return std::atan2(z.im, z.re) / DegreesToRadians;
}

Complex Conjugate(Complex z) {
    return {z.re, -z.im};
}

Complex Scale(Complex z, Real factor) {
    return {z.re * factor, z.im * factor};
}

Complex FromPolar(MagnitudeAngle p) {
    const Real angle = p.angleDegrees * DegreesToRadians;
    return {p.magnitude * std::cos(angle), p.magnitude * std::sin(angle)};
}

Complex Delta(const SMatrix& s) {
    return CSub(CMul(s.s11, s.s22), CMul(s.s12, s.s21));
}

// 10 lg of a power ratio; a ratio of 0 is minus infinity, not a failed logarithm.
Real Decibels(Real ratio) {
    if (ratio == 0)
        return -Infinity;
    if (std::isinf(ratio) && ratio > 0)
        return Infinity;
    return 10 * std::log10(ratio);
}

// The stability circle at the port whose own S is `own` (S22 for the load side): the reflections
// there that give the far port a reflection of magnitude one (G. Gonzalez, Microwave Transistor
// Amplifiers, 2nd ed., eqs. 3.3.7-3.3.10).
StabilityCircle Circle(Complex own, Complex far, Complex delta, Real transfer) {
    const Real denominator = MagnitudeSquared(own) - MagnitudeSquared(delta);
    const Complex numerator = Conjugate(CSub(own, CMul(delta, Conjugate(far))));
    const Complex centre{numerator.re / denominator, numerator.im / denominator};
    return {{Magnitude(centre), AngleDegrees(centre)}, transfer / std::fabs(denominator)};
}

// Runs one step of the analysis and keeps its result; once a step has failed the rest are skipped.
template <typename Result, typename Fn>
void Step(TwoPortAnalysis& analysis, std::optional<Result>& into, Fn&& fn) {
    if (analysis.failure)
        return;
    try {
        into = CheckedStep(fn);
    } catch (const FloatingPointError& e) {
        analysis.failure = e.what();
    }
}

} // namespace

Complex CalculateComplex(ComplexOperation operation, Complex x1, Complex x2) {
    return CheckedStep([&] {
        switch (operation) {
        case ComplexOperation::Add:
            return CAdd(x1, x2);
        case ComplexOperation::Subtract:
            return CSub(x1, x2);
        case ComplexOperation::Multiply:
            return CMul(x1, x2);
        case ComplexOperation::Divide:
            return CDiv(x1, x2);
        case ComplexOperation::Parallel:
            // A short across anything is a short; z1 z2 / (z1 + z2) would make 0/0 of two shorts.
            if ((x1.re == 0 && x1.im == 0) || (x2.re == 0 && x2.im == 0))
                return Complex{0, 0};
            return CParallel(x1, x2);
        case ComplexOperation::ReflectionToImpedance: {
            const Real denominator = (1 - x1.re) * (1 - x1.re) + x1.im * x1.im;
            return Complex{(1 - x1.re * x1.re - x1.im * x1.im) / denominator, 2 * x1.im / denominator};
        }
        }
        return Complex{};
    });
}

Real ElementReactance(Real frequencyHz, Real value) {
    return CheckedStep([&] {
        if (value >= 0)
            return TwoPi * frequencyHz * value;
        return 1 / (TwoPi * frequencyHz * value);
    });
}

SParameter ReadSParameter(Real first, Real second, bool polar, bool decibels) {
    return CheckedStep([&] {
        const Real value = decibels ? std::pow(10.0L, first / 20) : first;
        if (polar) {
            const MagnitudeAngle p{value, second};
            return SParameter{FromPolar(p), p};
        }
        const Complex z{value, second};
        return SParameter{z, {Magnitude(z), AngleDegrees(z)}};
    });
}

SMatrix TypedMatrix(const TwoPort& s) {
    return {s.s11.rectangular, s.s22.rectangular, s.s12.rectangular, s.s21.rectangular};
}

SMatrix MatrixFromPolar(const TwoPort& s) {
    return {FromPolar(s.s11.polar), FromPolar(s.s22.polar), FromPolar(s.s12.polar), FromPolar(s.s21.polar)};
}

ZParameters SToZ(const SMatrix& s, Real zo) {
    return CheckedStep([&] {
        const Complex one{1, 0};
        const Complex transfer = CMul(s.s12, s.s21);
        const Complex d = CSub(CMul(CSub(one, s.s11), CSub(one, s.s22)), transfer);
        const auto z = [&](Complex numerator) { return Scale(CDiv(numerator, d), zo); };
        return ZParameters{
            z(CAdd(CMul(CAdd(one, s.s11), CSub(one, s.s22)), transfer)),
            z(CAdd(CMul(CSub(one, s.s11), CAdd(one, s.s22)), transfer)),
            z(Scale(s.s12, 2)),
            z(Scale(s.s21, 2)),
        };
    });
}

StabilityFigures Stability(const SMatrix& s) {
    return CheckedStep([&] {
        const Real delta = Magnitude(Delta(s));
        const Real s11 = MagnitudeSquared(s.s11);
        const Real s22 = MagnitudeSquared(s.s22);
        const Real numerator = 1 - s11 - s22 + delta * delta;
        const Real transfer = Magnitude(CMul(s.s12, s.s21));
        // A unilateral two-port (nothing travels back) is unconditionally stable or unstable
        // according to the sign of the numerator; K is then an infinity, not an error.
        const Real k = transfer == 0 ? (numerator >= 0 ? Infinity : -Infinity) : numerator / (2 * transfer);
        return StabilityFigures{delta, k, MagnitudeSquared(s.s21) / ((1 - s11) * (1 - s22))};
    });
}

GainTerms Gains(const SMatrix& s) {
    return CheckedStep([&] {
        const Real s11 = MagnitudeSquared(s.s11);
        const Real s22 = MagnitudeSquared(s.s22);
        const Real s21 = MagnitudeSquared(s.s21);
        const Real unilateral = s21 / ((1 - s11) * (1 - s22));
        // S21 = 0 belongs to the unilateral case: no forward gain is minus infinity, not an error.
        return GainTerms{Decibels(1 / (1 - s11)), Decibels(s21), Decibels(1 / (1 - s22)),
                         Decibels(unilateral)};
    });
}

Real Mu(const SMatrix& s) {
    return CheckedStep([&] {
        const Complex delta = Delta(s);
        return (1 - MagnitudeSquared(s.s11)) /
               (Magnitude(CSub(s.s22, CMul(delta, Conjugate(s.s11)))) + Magnitude(CMul(s.s12, s.s21)));
    });
}

Real MuPrime(const SMatrix& s) {
    return CheckedStep([&] {
        const Complex delta = Delta(s);
        return (1 - MagnitudeSquared(s.s22)) /
               (Magnitude(CSub(s.s11, CMul(delta, Conjugate(s.s22)))) + Magnitude(CMul(s.s12, s.s21)));
    });
}

StabilityCircle OutputStabilityCircle(const SMatrix& s) {
    return CheckedStep([&] { return Circle(s.s22, s.s11, Delta(s), Magnitude(CMul(s.s12, s.s21))); });
}

StabilityCircle InputStabilityCircle(const SMatrix& s) {
    return CheckedStep([&] { return Circle(s.s11, s.s22, Delta(s), Magnitude(CMul(s.s12, s.s21))); });
}

MaximumGainFigure MaximumGain(const SMatrix& s) {
    return CheckedStep([&] {
        const StabilityFigures figures = Stability(s);
        const Real s21 = Magnitude(s.s21);
        const Real s12 = Magnitude(s.s12);
        if (figures.k > 1 && figures.deltaMagnitude < 1) {
            // |S21|/|S12| (K - sqrt(K^2 - 1)) rewritten as 2|S21|^2/(B + sqrt(B^2 - 4|S12 S21|^2)),
            // B = 1 - |S11|^2 - |S22|^2 + |Delta|^2, which stays finite for a unilateral two-port
            // (where it equals GUmax) and loses no digits to cancellation for large K.
            const Real b = 1 - MagnitudeSquared(s.s11) - MagnitudeSquared(s.s22) +
                           figures.deltaMagnitude * figures.deltaMagnitude;
            const Real transfer = Magnitude(CMul(s.s12, s.s21));
            return MaximumGainFigure{
                true, Decibels(2 * s21 * s21 / (b + std::sqrt(b * b - 4 * transfer * transfer)))};
        }
        if (s12 == 0 && s21 != 0)
            return MaximumGainFigure{false, Infinity};
        return MaximumGainFigure{false, Decibels(s21 / s12)};
    });
}

TwoPortAnalysis AnalyseTwoPort(const TwoPort& s, Real zo) {
    TwoPortAnalysis a;
    const SMatrix typed = TypedMatrix(s);
    const SMatrix m = MatrixFromPolar(s);
    Step(a, a.z, [&] { return SToZ(typed, zo); });
    Step(a, a.ports, [&] {
        return PortImpedances{ReflectionToImpedance(typed.s11, zo), ReflectionToImpedance(typed.s22, zo)};
    });
    Step(a, a.stability, [&] { return Stability(m); });
    Step(a, a.gains, [&] { return Gains(m); });
    Step(a, a.mu, [&] { return Mu(m); });
    Step(a, a.outputCircle, [&] { return OutputStabilityCircle(m); });
    Step(a, a.inputCircle, [&] { return InputStabilityCircle(m); });
    Step(a, a.extras, [&] { return ExtraFigures{MaximumGain(m), MuPrime(m)}; });
    return a;
}

} // namespace qv
