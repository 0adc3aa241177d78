#pragma once

#include "real.h"

namespace qv {

// A complex pair of extended values; used for impedances, admittances and reflection coefficients.
struct Complex {
    Real re = 0;
    Real im = 0;
    friend bool operator==(const Complex&, const Complex&) = default;
};

Complex CAdd(Complex a, Complex b);
Complex CSub(Complex a, Complex b);
Complex CMul(Complex a, Complex b);
// (a + jb)/(c + jd) = ((ac + bd) + j(bc - ad))/(c^2 + d^2), with no guard against a zero divisor.
Complex CDiv(Complex a, Complex b);
// Two impedances in parallel: a*b/(a + b).
Complex CParallel(Complex a, Complex b);

} // namespace qv
