#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

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

// Throws FloatingPointError when the value is a NaN or an infinity (for results computed from
// values that were already non-finite, which raise no flag).
Real RequireFinite(Real value);
// The same for both parts.
Complex RequireFinite(Complex z);

extern const char* const DivisionByZeroText;
extern const char* const InvalidOperationText;
extern const char* const OverflowText;

} // namespace qv
