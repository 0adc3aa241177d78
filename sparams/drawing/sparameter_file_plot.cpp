#include "sparams/drawing/sparameter_file_plot.h"

#include "chart/drawing/overlay_layers.h"
#include "core/numbers/errors.h"
#include "core/rf/conversions.h"

#include <cmath>

namespace qv {

namespace {

Complex ReflectionOf(PolarValue value, bool dB) {
    const Real magnitude = dB ? std::pow(10.0L, value.magnitude / 20) : value.magnitude;
    try {
        return PolarToGamma(magnitude, value.angleDegrees);
    } catch (const FloatingPointError&) {
        return {NAN, NAN};
    }
}

} // namespace

std::vector<LegendLine> SParameterLegends() {
    return {{"---- S11", S11MarkerColour, 10}, {"---- S22", S22MarkerColour, 30}};
}

void DrawSParameterLegends(Surface& surface) {
    DrawLegendLines(surface, SParameterLegends());
}

std::array<ChartPlotPoint, 2> PlotPointsOfRow(const std::string& label, PolarValue s11, PolarValue s22,
                                              bool dB) {
    return {ChartPlotPoint{ReflectionOf(s11, dB), label, S11MarkerColour, S11LabelColour},
            ChartPlotPoint{ReflectionOf(s22, dB), label, S22MarkerColour, S22LabelColour}};
}

PlottedRow PlotSParamRow(Surface& surface, const ChartGeometry& geometry, const std::string& label,
                         PolarValue s11, PolarValue s22, bool dB) {
    const std::array<ChartPlotPoint, 2> points = PlotPointsOfRow(label, s11, s22, dB);
    return {DrawPlotPoint(surface, geometry, points[0]), DrawPlotPoint(surface, geometry, points[1])};
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
