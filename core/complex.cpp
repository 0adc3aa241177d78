#include "complex.h"

namespace qv {

Complex CAdd(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}

Complex CSub(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}

Complex CMul(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

Complex CDiv(Complex a, Complex b) {
    const Real d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

Complex CParallel(Complex a, Complex b) {
    return CDiv(CMul(a, b), CAdd(a, b));
}

} // namespace qv
