#include "chart/drawing/overlays.h"

#include "chart/analysis/chart_geometry.h"
#include "core/numbers/errors.h"
#include "core/rf/conversions.h"

#include <cmath>
#include <optional>

namespace qv {

namespace {

struct PixelCircle {
    int centreX = 0;
    int centreY = 0;
    int radius = 0;
};

// A circle with centre and radius on whole pixels; nothing for one that cannot be placed (an
// infinite or enormous radius, where the curve is a straight line at any visible scale).
std::optional<PixelCircle> PlaceCircle(Real centreX, Real centreY, Real radius) {
    try {
        return PixelCircle{RoundPixel(centreX), RoundPixel(centreY), RoundPixel(radius)};
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

void DrawArc(Surface& surface, Real centreX, Real centreY, Real radius, Real start, Real sweep) {
    if (const std::optional<PixelCircle> c = PlaceCircle(centreX, centreY, radius))
        surface.arc(c->centreX, c->centreY, c->radius, start, sweep);
}

constexpr Real RadiansToDegrees = 360 / TwoPi;

} // namespace

ReadoutPoint PointReadout(const Surface& surface, int X, int Y, ProgramState& state, CursorReadout& readout) {
    state.geometry = GeometryForHeight(surface.height());
    const Complex gamma = PixelToGamma(state.geometry, X, Y);
    const ReadoutPoint point{GammaToResistance(gamma.re, gamma.im), GammaToReactance(gamma.re, gamma.im)};
    const std::optional<MouseReadout> mouse = ComputeMouseReadout(state.geometry, X, Y, state.Fo, state.Zo);
    if (!mouse)
        return point;
    const CursorReadout& c = mouse->cursor;
    readout.u = c.u;
    readout.v = c.v;
    readout.r = c.r;
    readout.x = c.x;
    readout.Rohm = c.Rohm;
    readout.Xohm = c.Xohm;
    readout.ElementValue = c.ElementValue;
    readout.GammaMag = c.GammaMag;
    readout.GammaAngle = c.GammaAngle;
    return {c.r, c.x, true};
}

void DrawConstantRXCircles(Surface& surface, const ChartGeometry& geometry, int colour, Real r, Real x) {
    surface.pen.colour = colour;
    const Real radius = geometry.Radius;
    if (r > -1)
        DrawArc(surface, geometry.CentreX + radius * r / (r + 1), geometry.CentreY, radius / (r + 1), 0, 360);
    if (x != 0)
        DrawArc(surface, geometry.CentreX + radius, geometry.CentreY - radius / x, radius / std::fabs(x), 0,
                360);
}

void DrawConstantQArcs(Surface& surface, const ChartGeometry& geometry, int colour, Real Q) {
    surface.pen.width = 1;
    surface.pen.colour = colour;
    if (Q != 0) {
        const Real radius = geometry.Radius;
        const Real e = std::sqrt(1 / (Q * Q) + 1);
        const Real start =
            std::asin(((1 / Q) * radius + geometry.CentreY - radius) / (e * radius)) * RadiansToDegrees;
        const Real sweep = 180 - 2 * start;
        DrawArc(surface, geometry.CentreX, geometry.CentreY + radius / Q, e * radius, start, sweep);
        DrawArc(surface, geometry.CentreX, geometry.CentreY - radius / Q, e * radius, start + 180, sweep);
    }
    surface.pen.width = 1;
}

PixelOffset DrawVswrPoint(Surface& surface, const ChartGeometry& geometry, bool withCircle, int colour,
                          Real angleDegrees, Real vswr) {
    const Real rho = (vswr - 1) / (vswr + 1);
    const Real g = rho * geometry.Radius;
    // The three geometry values are equal, so this is the chart centre.
    const Real centreX = (geometry.Radius + geometry.CentreX) / 2;
    const Real centreY = (geometry.Radius + geometry.CentreY) / 2;
    const Real a = angleDegrees * DegreesToRadians;
    const PixelOffset offset{g * std::cos(a), g * std::sin(a)};
    const int X = RoundPixel(offset.dx + centreX);
    const int Y = RoundPixel(centreY - offset.dy);
    surface.pen.colour = colour;
    surface.pen.width = 2;
    surface.arc(X, Y, 3, 0, 360);
    if (withCircle) {
        surface.pen.width = 1;
        DrawArc(surface, centreX, centreY, g, 0, 360);
        surface.pen.width = 1;
    }
    return offset;
}

} // namespace qv
