#include "chart/drawing/stability_circles.h"

#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"

#include <QCoreApplication>
#include <QString>
#include <cmath>

namespace qv {

namespace {

struct PixelCircle {
    int x = 0;
    int y = 0;
    int radius = 0;
};

PixelCircle Place(const ChartGeometry& geometry, Real magnitude, Real angleDegrees, Real radius) {
    const Real angle = angleDegrees * DegreesToRadians;
    return {RoundPixel(std::cos(angle) * geometry.Radius * magnitude + geometry.CentreX),
            RoundPixel(geometry.CentreY - std::sin(angle) * geometry.Radius * magnitude),
            RoundPixel(geometry.Radius * radius)};
}

// Light enough for the grid to stay readable through the hatching.
constexpr int LightRed = 0xB4B4FF;
constexpr int LightBlue = 0xFFB4B4;
constexpr Real HatchSpacingPixels = 8;

void Hatch(Surface& surface, const ChartGeometry& geometry, const PixelCircle& circle, bool centreStable,
           int colour) {
    surface.pen.colour = colour;
    for (const PixelSegment& s :
         UnstableHatching(geometry, circle.x, circle.y, circle.radius, centreStable, HatchSpacingPixels)) {
        surface.moveTo(s.x1, s.y1);
        surface.lineTo(s.x2, s.y2);
    }
}

// The legends are worded in the interface's language; the chart itself never changes with it.
struct StabilityLegend {
    Q_DECLARE_TR_FUNCTIONS(StabilityLegend)
};

void Legend(Surface& surface, int y, int colour, const QString& text) {
    surface.font.colour = colour;
    surface.textOut(10, y, text.toStdString());
}

} // namespace

void DrawStabilityCircles(Surface& surface, const ChartGeometry& geometry, const StabilityCircles& c,
                          const std::optional<StabilitySides>& sides) {
    const PixelCircle input = Place(geometry, c.inputCentreMagnitude, c.inputCentreAngle, c.inputRadius);
    const PixelCircle output = Place(geometry, c.outputCentreMagnitude, c.outputCentreAngle, c.outputRadius);
    surface.pen.width = 1;
    if (sides) {
        Hatch(surface, geometry, input, sides->inputCentreStable, LightRed);
        Hatch(surface, geometry, output, sides->outputCentreStable, LightBlue);
    }
    surface.pen.colour = ChartRed;
    surface.arc(input.x, input.y, input.radius, 0, 360);
    surface.pen.colour = ChartBlue;
    surface.arc(output.x, output.y, output.radius, 0, 360);
    surface.brush.solid = false;
    surface.font.size = 10;
    surface.font.height = 0;
    Legend(surface, 10, ChartRed, StabilityLegend::tr("---输入稳定圆"));
    Legend(surface, 30, ChartBlue, StabilityLegend::tr("---输出稳定圆"));
}

} // namespace qv
