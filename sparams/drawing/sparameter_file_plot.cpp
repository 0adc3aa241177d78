#include "sparams/drawing/sparameter_file_plot.h"

#include "chart/drawing/point_label.h"
#include "core/numbers/errors.h"
#include "core/rf/conversions.h"

#include <cmath>

namespace qv {

namespace {

std::optional<PixelPoint> PlotPoint(Surface& surface, const ChartGeometry& geometry, const std::string& label,
                                    PolarValue value, bool dB, int markerColour, int labelColour) {
    const Real magnitude = dB ? std::pow(10.0L, value.magnitude / 20) : value.magnitude;
    PixelPoint point;
    try {
        point = GammaToPixel(geometry, PolarToGamma(magnitude, value.angleDegrees));
    } catch (const FloatingPointError&) {
        return std::nullopt; // a point far off the picture is left out, not half drawn
    }
    PointMarker(surface, point.x, point.y, markerColour);
    surface.brush.solid = false;
    surface.font.colour = labelColour;
    surface.textOut(point.x + 2, point.y + 2, label);
    return point;
}

} // namespace

void DrawSParameterLegends(Surface& surface) {
    surface.brush.solid = false;
    surface.font.colour = S11MarkerColour;
    surface.textOut(10, 10, "---- S11");
    surface.font.colour = S22MarkerColour;
    surface.textOut(10, 30, "---- S22");
}

PlottedRow PlotSParamRow(Surface& surface, const ChartGeometry& geometry, const std::string& label,
                         PolarValue s11, PolarValue s22, bool dB) {
    PlottedRow plotted;
    plotted.s11 = PlotPoint(surface, geometry, label, s11, dB, S11MarkerColour, S11LabelColour);
    plotted.s22 = PlotPoint(surface, geometry, label, s22, dB, S22MarkerColour, S22LabelColour);
    return plotted;
}

PolarValue ReflectionAgainstZo(PolarValue value, Real fileOhms, Real Zo) {
    if (!(std::isfinite(fileOhms) && fileOhms > 0) || fileOhms == Zo)
        return value;
    try {
        const Complex g =
            RereferencedReflection(PolarToGamma(value.magnitude, value.angleDegrees), fileOhms, Zo);
        return {std::hypot(g.re, g.im), std::atan2(g.im, g.re) / DegreesToRadians};
    } catch (const FloatingPointError&) {
        return value;
    }
}

std::string RowLabel(const SParameterTable& table, std::size_t i, int interval) {
    if (interval < 1 || i % static_cast<std::size_t>(interval) != 0)
        return {};
    return CellText(table, i, 0);
}

} // namespace qv
