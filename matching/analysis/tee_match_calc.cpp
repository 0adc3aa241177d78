#include "matching/analysis/tee_match_calc.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"

#include <cmath>

namespace qv {

TeeMatch DesignTeeMatch(Real loadOhms, Real sourceOhms, Real frequencyHz) {
    // The flags are tested before the results, so a division by zero is reported as such rather
    // than as the infinity it leaves behind.
    const TeeMatch t = CheckedStep([&] {
        const Real omega = TwoPi * frequencyHz;
        TeeMatch d;
        d.Q2 = std::sqrt(sourceOhms / loadOhms - 1) + 0.4L;
        d.Q1 = std::sqrt(loadOhms / sourceOhms * (d.Q2 * d.Q2 + 1) - 1);
        d.C1 = 1 / (sourceOhms * omega * d.Q1);
        d.L1 = loadOhms * d.Q2 / omega;
        d.C2 = (d.Q2 - d.Q1) / (omega * loadOhms * (d.Q2 * d.Q2 + 1));
        return d;
    });
    for (const Real v : {t.Q2, t.Q1, t.C1, t.L1, t.C2})
        RequireFinite(v);
    return t;
}

Real CapacitiveReactance(Real frequencyHz, Real farads) {
    return RequireFinite(CheckedStep([&] { return 1 / (TwoPi * frequencyHz * farads); }));
}

Real InductiveReactance(Real frequencyHz, Real henries) {
    return RequireFinite(CheckedStep([&] { return TwoPi * frequencyHz * henries; }));
}

std::string FormatReactance(Real ohms) {
    if (ohms >= 1e6L)
        return Format("%3.2fM", {ohms / 1e6L});
    if (ohms >= 1000)
        return Format("%3.2fK", {ohms / 1000});
    return Format("%3.6f", {ohms});
}

Real DecibelsToRatio(Real decibels) {
    return RequireFinite(CheckedStep([&] { return std::pow(10.0L, decibels / 20); }));
}

double ParallelValue(double x1, double x2) {
    const double sum = x1 + x2;
    if (sum == 0)
        throw FloatingPointError(DivisionByZeroText);
    return static_cast<double>(RequireFinite(CheckedStep([&] { return x1 * x2 / sum; })));
}

} // namespace qv
