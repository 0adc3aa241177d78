#include "chart/drawing/network_end_points.h"

#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/point_label.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

namespace qv {

namespace {
void EndPoint(Surface& surface, const ChartGeometry& geometry, Real r, Real x, Real Zo) {
    const PixelPoint pixel = GammaToPixel(geometry, ImpedanceToGamma(r, x));
    PointMarker(surface, pixel.x, pixel.y, ChartRed);
    surface.font.colour = ChartRed;
    surface.font.size = 11;
    surface.font.height = 0;
    surface.brush.solid = true;
    const std::string text = FormatSignedPair("R=", "%3.2f", r * Zo, x * Zo);
    surface.textOut(pixel.x + 2, pixel.y + 2, text);
}
} // namespace

void DrawNetworkEndPoints(Surface& surface, const ChartGeometry& geometry, const MatchNode& ends, Real Zo) {
    EndPoint(surface, geometry, ends.nodeR, ends.nodeX, Zo);
    EndPoint(surface, geometry, ends.sourceR, ends.sourceX, Zo);
    surface.font.colour = 0;
    surface.font.size = 11;
    surface.brush.solid = false;
}

} // namespace qv
