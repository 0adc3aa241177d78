#pragma once

#include "core/numbers/real.h"

namespace qv {

// A complex pair of extended values; used for impedances, admittances and reflection coefficients.
struct Complex {
    Real re = 0;
    Real im = 0;
    friend bool operator==(const Complex&, const Complex&) = default;
};

// Inline, because a chain replayed at many frequencies spends its time here, and an extended
// value passed through memory to a call stalls the pipeline.
inline Complex CAdd(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}

inline Complex CSub(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}

inline Complex CMul(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// (a + jb)/(c + jd) = ((ac + bd) + j(bc - ad))/(c^2 + d^2), with no guard against a zero divisor.
inline Complex CDiv(Complex a, Complex b) {
    const Real d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

// Two impedances in parallel: a*b/(a + b).
inline Complex CParallel(Complex a, Complex b) {
    return CDiv(CMul(a, b), CAdd(a, b));
}

} // namespace qv
