#include "chart/analysis/cursor_readout.h"

#include "chart/analysis/chart_geometry.h"
#include "core/numbers/engineering.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr Real Infinity = std::numeric_limits<Real>::infinity();

// Q of a pure reactance (r exactly 0, on the rim) is unbounded; the chart's sentinel stands in.
Real QualityFactor(Real x, Real r) {
    return r == 0 ? UnboundedImpedance : std::fabs(x / r);
}

ReflectionFigures Reflection(Real Rohm, Real Xohm, Real Zo) {
    ReflectionFigures f;
    f.gamma = OhmsToGamma(Rohm, Xohm, Zo);
    f.powerRatio = f.gamma.re * f.gamma.re + f.gamma.im * f.gamma.im;
    const Real magnitude = std::sqrt(f.powerRatio);
    if (f.powerRatio >= 1) {
        f.mismatchDb = Infinity;
        f.vswr = UnboundedImpedance;
    } else {
        f.mismatchDb = 10 * std::log10(1 / (1 - f.powerRatio));
        f.vswr = (1 + magnitude) / (1 - magnitude);
    }
    f.reflectedDb = f.powerRatio == 0 ? -Infinity : 10 * std::log10(f.powerRatio);
    return f;
}

} // namespace

std::optional<MouseReadout> ComputeMouseReadout(const ChartGeometry& geometry, int X, int Y, Real Fo,
                                                Real Zo) {
    if (!IsInsideChart(geometry, X, Y))
        return std::nullopt;
    const Real u = (X - geometry.CentreX) / geometry.Radius;
    MouseReadout out;
    CursorReadout& c = out.cursor;
    const Real r = GammaToResistance(u, (Y - geometry.CentreY) / geometry.Radius);
    c.u = u;
    c.Rohm = r * Zo;
    c.r = r;

    Real element = 0;
    if (Y < geometry.CentreY) {
        const Real v = (geometry.CentreY - Y) / geometry.Radius;
        const Real x = GammaToReactance(u, v);
        out.impedance = Format("Z=%3.4f+j%3.4F", {r * Zo, x * Zo});
        out.normalisedImpedance = Format("R=%3.4f+j%3.4F", {r, x});
        c.Xohm = x * Zo;
        c.x = x;
        c.v = v;
        c.g = GammaToConductance(u, v);
        c.b = GammaToSusceptance(u, v);
        element = InductanceFromReactance(Fo, x * Zo);
        const Polar polar = GammaToPolar(v, u);
        out.reflection = Format("Rho=%5.4f∠%5.4f°", {polar.magnitude, polar.angleDegrees});
        c.GammaMag = polar.magnitude;
        c.GammaAngle = polar.angleDegrees;
    } else if (Y > geometry.CentreY) {
        const Real d = (Y - geometry.CentreY) / geometry.Radius;
        c.v = -d;
        const Real x = GammaToReactance(u, d);
        out.impedance = Format("Z=%3.4f-j%3.4F", {r * Zo, x * Zo});
        out.normalisedImpedance = Format("R=%3.4f-j%3.4F", {r, x});
        c.Xohm = -x * Zo;
        c.x = -x;
        c.g = GammaToConductance(u, d);
        c.b = -GammaToSusceptance(u, d);
        element = -CapacitanceFromReactance(x * Zo, Fo);
        const Polar polar = GammaToPolar(d, u);
        out.reflection = Format("Rho=%5.4f∠-%5.4f°", {polar.magnitude, polar.angleDegrees});
        c.GammaMag = polar.magnitude;
        c.GammaAngle = -polar.angleDegrees;
    } else {
        // The centre row exists only for an even drawing height. The element is computed as the
        // capacitance of the reactance and then shown after "L=", as the readout always did.
        c.v = 0;
        const Real x = GammaToReactance(u, 0);
        out.impedance = Format("Z=%3.4f+j%3.4F", {r * Zo, x * Zo});
        out.normalisedImpedance = Format("R=%3.4f+j%3.4F", {r, x});
        c.Xohm = x * Zo;
        c.x = x;
        c.g = GammaToConductance(u, 0);
        // The short circuit (-1, 0) has no defined susceptance; 0 keeps the readout going.
        c.b = u == -1 ? 0 : GammaToSusceptance(u, 0);
        element = CapacitanceFromReactance(x * Zo, Fo);
        const Polar polar = GammaToPolar(0, u);
        out.reflection = Format("Rho=%5.4f∠%5.4f°", {polar.magnitude, polar.angleDegrees});
        c.GammaMag = polar.magnitude;
        c.GammaAngle = polar.angleDegrees;
    }

    out.element = element >= 0 ? "L=" + FormatInductance(element) : "C=" + FormatCapacitance(-element);
    c.ElementValue = element;
    out.frequency = "Freq=" + FormatFrequency(Fo);
    out.referenceImpedance = "Zo=" + FormatGeneral(Zo);

    if (c.b > 0) {
        out.admittance = Format("Y=%5.6f+j%5.6f", {c.g, c.b});
        out.admittanceSiemens = Format("G=%5.6f+j%5.6f", {c.g / Zo, c.b / Zo});
    } else {
        out.admittance = Format("Y=%5.6f-j%5.6f", {c.g, -c.b});
        out.admittanceSiemens = Format("G=%5.6f-j%5.6f", {c.g / Zo, -c.b / Zo});
    }
    c.Q = QualityFactor(c.x, c.r);
    out.quality = Format("Q=%3.2f", {c.Q});

    const Real magnitude = std::sqrt(c.v * c.v + c.u * c.u);
    out.status[0] = Format("X=%d:%5.2f", {X, c.u});
    out.status[1] = Format("Y=%d:%5.2f", {Y, c.v});
    out.status[2] = Format("R=%5.2f", {magnitude});

    out.figures = Reflection(c.Rohm, c.Xohm, Zo);

    const Real power = magnitude * magnitude;
    out.voltageReflection = Format("VRT=%3.4f", {magnitude});
    out.powerReflection = Format("WRT=%3.4f", {power});
    out.returnLossRatio = Format("RLoss=%3.4f", {power == 0 ? Infinity : 1 / power});
    out.vswr = Format("VSWR=%3.4f", {GammaToResistance(magnitude, 0)});
    return out;
}

} // namespace qv
