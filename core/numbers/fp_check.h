#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

#include <cmath>

// Floating-point failures are errors, not silent NaNs: a calculation step runs inside a FpCheck,
// which clears the exception flags when it starts and throws FloatingPointError when the step
// raised division by zero, an invalid operation or an overflow.
namespace qv {

class FpCheck {
public:
    FpCheck();
    // Throws FloatingPointError with the platform-style text if a flag was raised since construction
    // (or since the previous check); clears the flags again.
    void check() const;
    // The same test without the throw: true when no flag was raised, otherwise clears them.
    bool passed() const;
};

// Runs fn() and throws FloatingPointError if it raised a floating-point exception.
template <typename Fn> auto CheckedStep(Fn&& fn) {
    FpCheck guard;
    auto result = fn();
    guard.check();
    return result;
}

// Throws FloatingPointError with the text for a NaN or an infinity.
[[noreturn]] void ThrowNotFinite(Real value);

// Throws FloatingPointError when the value is a NaN or an infinity (for results computed from
// values that were already non-finite, which raise no flag). Inline: sweeps check every value.
inline Real RequireFinite(Real value) {
    if (!std::isfinite(value)) [[unlikely]]
        ThrowNotFinite(value);
    return value;
}

// The same for both parts.
inline Complex RequireFinite(Complex z) {
    RequireFinite(z.re);
    RequireFinite(z.im);
    return z;
}

extern const char* const DivisionByZeroText;
extern const char* const InvalidOperationText;
extern const char* const OverflowText;

} // namespace qv
