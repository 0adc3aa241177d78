#include "matching/tee_match_calc.h"

#include "core/errors.h"
#include "core/fp_check.h"
#include "core/text_format.h"

#include <cmath>

namespace qv {

TeeMatch DesignTeeMatch(Real loadOhms, Real sourceOhms, Real frequencyHz) {
    return CheckedStep([&] {
        const Real omega = TwoPi * frequencyHz;
        TeeMatch t;
        t.Q2 = RequireFinite(std::sqrt(sourceOhms / loadOhms - 1) + 0.4L);
        t.Q1 = RequireFinite(std::sqrt(loadOhms / sourceOhms * (t.Q2 * t.Q2 + 1) - 1));
        t.C1 = RequireFinite(1 / (sourceOhms * omega * t.Q1));
        t.L1 = RequireFinite(loadOhms * t.Q2 / omega);
        t.C2 = RequireFinite((t.Q2 - t.Q1) / (omega * loadOhms * (t.Q2 * t.Q2 + 1)));
        return t;
    });
}

Real CapacitiveReactance(Real frequencyHz, Real farads) {
    return CheckedStep([&] { return RequireFinite(1 / (TwoPi * frequencyHz * farads)); });
}

Real InductiveReactance(Real frequencyHz, Real henries) {
    return CheckedStep([&] { return RequireFinite(TwoPi * frequencyHz * henries); });
}

std::string FormatReactance(Real ohms) {
    if (ohms >= 1e6L)
        return Format("%3.2fM", {ohms / 1e6L});
    if (ohms >= 1000)
        return Format("%3.2fK", {ohms / 1000});
    return Format("%3.6f", {ohms});
}

Real DecibelsToRatio(Real decibels) {
    return CheckedStep([&] { return RequireFinite(std::pow(10.0L, decibels / 20)); });
}

double ParallelValue(double x1, double x2) {
    return CheckedStep([&] {
        const double sum = x1 + x2;
        if (sum == 0)
            throw FloatingPointError(DivisionByZeroText);
        return static_cast<double>(RequireFinite(x1 * x2 / sum));
    });
}

} // namespace qv
