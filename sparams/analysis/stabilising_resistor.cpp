#include "sparams/analysis/stabilising_resistor.h"

#include "core/numbers/complex.h"
#include "core/numbers/fp_check.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr Real DegreesPerRadian = 57.295779513082320876798154814105170L;

bool IsSeries(ResistorPlacement where) {
    return where == ResistorPlacement::SeriesInput || where == ResistorPlacement::SeriesOutput;
}

bool AtInput(ResistorPlacement where) {
    return where == ResistorPlacement::SeriesInput || where == ResistorPlacement::ShuntInput;
}

} // namespace

std::optional<Real> StabilisingResistance(const SMatrix& s, ResistorPlacement where, Real zo) {
    // The input circle lies in the source plane, where the chart's centre sees |S22| at the output.
    const bool input = AtInput(where);
    const StabilityCircle circle = input ? InputStabilityCircle(s) : OutputStabilityCircle(s);
    const Real farMagnitude = std::hypot(input ? s.s22.re : s.s11.re, input ? s.s22.im : s.s11.im);
    const Real angle = circle.centre.angleDegrees / DegreesPerRadian;
    Real cx = circle.centre.magnitude * std::cos(angle);
    const Real cy = circle.centre.magnitude * std::sin(angle);
    // The shunt family mirrors the series one about the imaginary axis.
    if (!IsSeries(where))
        cx = -cx;
    const Real rho = circle.radius;
    const bool centreStable = farMagnitude < 1;
    const bool enclosesCentre = std::hypot(cx, cy) < rho;
    const bool insideStable = centreStable == enclosesCentre;
    // The disc has centre 1 - a on the real axis and radius a; d2 is |1 - C|^2.
    const Real d2 = (1 - cx) * (1 - cx) + cy * cy;
    const Real a = CheckedStep([&] {
        if (insideStable) {
            // Inside the circle: |1 - a - C| + a <= rho, with the disc's end point inside too.
            if (!(d2 < rho * rho))
                return Real(-1);
            return (rho * rho - d2) / (2 * (rho - (1 - cx)));
        }
        // Outside the circle: |1 - a - C| >= rho + a, with the end point outside.
        if (!(d2 > rho * rho))
            return Real(-1);
        // A circle wholly beyond the open end never meets the disc.
        if (1 - cx + rho <= 0)
            return Real(1);
        return (d2 - rho * rho) / (2 * (1 - cx + rho));
    });
    if (a <= 0)
        return std::nullopt;
    const bool series = IsSeries(where);
    if (a >= 1)
        return series ? Real(0) : std::numeric_limits<Real>::infinity();
    const Real normalised = 1 / a - 1; // r or g
    return series ? normalised * zo : zo / normalised;
}

BandResistance BandStabilisingResistance(const std::vector<DeviceSample>& band, ResistorPlacement where,
                                         Real zo) {
    BandResistance result;
    const bool series = IsSeries(where);
    Real needed = series ? 0 : std::numeric_limits<Real>::infinity();
    for (const DeviceSample& sample : band) {
        const std::optional<Real> ohms = StabilisingResistance(sample.s, where, zo);
        if (!ohms)
            return result;
        if (series ? *ohms > needed : *ohms < needed) {
            needed = *ohms;
            result.worstHz = sample.frequencyHz;
        }
    }
    result.ohms = needed;
    return result;
}

} // namespace qv
