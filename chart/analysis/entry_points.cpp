#include "chart/analysis/entry_points.h"

#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

#include <cmath>

namespace qv {

Real EnteredMagnitude(Real magnitude, bool decibels) {
    return decibels ? RequireFinite(std::pow(10.0L, magnitude / 20)) : magnitude;
}

Complex EnteredReflection(Real magnitude, Real angleDegrees, bool decibels) {
    return PolarToGamma(EnteredMagnitude(magnitude, decibels), angleDegrees);
}

NormalisedPair EnteredImpedance(Real R, Real X, bool normalised, Real Zo) {
    if (normalised)
        return {R, X};
    return {RequireFinite(R / Zo), RequireFinite(X / Zo)};
}

NormalisedPair EnteredAdmittance(Real G, Real B, bool normalised, Real Zo) {
    if (normalised)
        return {G, B};
    return {RequireFinite(G * Zo), RequireFinite(B * Zo)};
}

std::string ImpedanceEntryLabel(Real r, Real x, bool normalised, Real Zo) {
    const Real scale = normalised ? 1 : Zo;
    return FormatSignedPair("R=", "%3.2f", r * scale, x * scale);
}

std::string AdmittanceEntryLabel(Real g, Real b) {
    if (b > 0)
        return Format("Y=%3.4f+b%3.4f", {g, b});
    return Format("Y=%3.4f-b%3.4f", {g, std::fabs(b)});
}

} // namespace qv
