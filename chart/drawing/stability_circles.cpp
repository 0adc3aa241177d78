#include "chart/drawing/stability_circles.h"

#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"

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

void Legend(Surface& surface, int y, int colour, const char* text) {
    surface.font.colour = colour;
    surface.textOut(10, y, text);
}

} // namespace

void DrawStabilityCircles(Surface& surface, const ChartGeometry& geometry, const StabilityCircles& c) {
    const PixelCircle input = Place(geometry, c.inputCentreMagnitude, c.inputCentreAngle, c.inputRadius);
    const PixelCircle output = Place(geometry, c.outputCentreMagnitude, c.outputCentreAngle, c.outputRadius);
    surface.pen.width = 1;
    surface.pen.colour = ChartRed;
    surface.arc(input.x, input.y, input.radius, 0, 360);
    surface.pen.colour = ChartBlue;
    surface.arc(output.x, output.y, output.radius, 0, 360);
    surface.brush.solid = false;
    surface.font.size = 10;
    surface.font.height = 0;
    Legend(surface, 10, ChartRed, "---输入稳定圆");
    Legend(surface, 30, ChartBlue, "---输出稳定圆");
}

} // namespace qv
