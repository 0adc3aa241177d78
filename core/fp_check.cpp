#include "fp_check.h"

#include "errors.h"

#include <cfenv>
#include <cmath>

namespace qv {

const char* const DivisionByZeroText = "Floating point division by zero";
const char* const InvalidOperationText = "Invalid floating point operation";
const char* const OverflowText = "Floating point overflow";

FpCheck::FpCheck() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void FpCheck::check() const {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    // A division by zero often goes on to 0 * infinity in the same step; the division is the cause.
    if (raised & FE_DIVBYZERO)
        throw FloatingPointError(DivisionByZeroText);
    if (raised & FE_INVALID)
        throw FloatingPointError(InvalidOperationText);
    if (raised & FE_OVERFLOW)
        throw FloatingPointError(OverflowText);
}

Real RequireFinite(Real value) {
    if (std::isnan(value))
        throw FloatingPointError(InvalidOperationText);
    if (std::isinf(value))
        throw FloatingPointError(OverflowText);
    return value;
}

} // namespace qv
