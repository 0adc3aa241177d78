#include "chart/stability_circles.h"

#include "chart/chart_constants.h"
#include "chart/chart_geometry.h"
#include "core/extended_codec.h"

#include <cmath>
#include <cstring>

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

std::string EncodeStabilityBlock(const StabilityCircles& c) {
    std::string out;
    for (const Real value : {c.inputCentreMagnitude, c.outputCentreMagnitude, c.inputCentreAngle,
                             c.outputCentreAngle, c.inputRadius, c.outputRadius}) {
        const ExtendedBytes bytes = EncodeExtended(value);
        out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    return out;
}

std::optional<StabilityCircles> DecodeStabilityBlock(std::string_view bytes) {
    if (bytes.size() < static_cast<std::size_t>(StabilityBlockBytes))
        return std::nullopt;
    const auto at = [&](int offset) {
        return DecodeExtended(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset);
    };
    return StabilityCircles{at(0), at(10), at(20), at(30), at(40), at(50)};
}

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
