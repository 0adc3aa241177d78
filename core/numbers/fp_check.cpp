#include "core/numbers/fp_check.h"

#include "core/numbers/errors.h"

#include <cfenv>
#include <cmath>

namespace qv {

const char* const DivisionByZeroText = "Floating point division by zero";
const char* const InvalidOperationText = "Invalid floating point operation";
const char* const OverflowText = "Floating point overflow";

namespace {

constexpr int Watched = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

} // namespace

// Clearing the flags reloads the x87 environment, which costs far more than testing them; the
// flags are cleared only when one of them is set.
FpCheck::FpCheck() {
    if (std::fetestexcept(Watched))
        std::feclearexcept(Watched);
}

void FpCheck::check() const {
    const int raised = std::fetestexcept(Watched);
    if (raised)
        std::feclearexcept(Watched);
    // A division by zero often goes on to 0 * infinity in the same step; the division is the cause.
    if (raised & FE_DIVBYZERO)
        throw FloatingPointError(DivisionByZeroText);
    if (raised & FE_INVALID)
        throw FloatingPointError(InvalidOperationText);
    if (raised & FE_OVERFLOW)
        throw FloatingPointError(OverflowText);
}

bool FpCheck::passed() const {
    if (!std::fetestexcept(Watched))
        return true;
    std::feclearexcept(Watched);
    return false;
}

void ThrowNotFinite(Real value) {
    if (std::isnan(value))
        throw FloatingPointError(InvalidOperationText);
    throw FloatingPointError(OverflowText);
}

} // namespace qv
