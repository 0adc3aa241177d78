#include "chart/drawing/network_end_points.h"

#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/point_label.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

namespace qv {

namespace {

struct EndLabel {
    PixelPoint pixel;
    std::string text;
};

EndLabel EndLabelOf(const ChartGeometry& geometry, Real r, Real x, Real Zo) {
    return {GammaToPixel(geometry, ImpedanceToGamma(r, x)), FormatSignedPair("R=", "%3.2f", r * Zo, x * Zo)};
}

void UseEndLabelFont(Surface& surface) {
    surface.font.colour = ChartRed;
    surface.font.size = 11;
    surface.font.height = 0;
}

void EndPoint(Surface& surface, const ChartGeometry& geometry, Real r, Real x, Real Zo) {
    const EndLabel label = EndLabelOf(geometry, r, x, Zo);
    PointMarker(surface, label.pixel.x, label.pixel.y, ChartRed);
    UseEndLabelFont(surface);
    surface.brush.solid = true;
    surface.textOut(label.pixel.x + 2, label.pixel.y + 2, label.text);
}

} // namespace

std::array<LabelBox, 2> NetworkEndLabelBoxes(Surface& surface, const ChartGeometry& geometry,
                                             const MatchNode& ends, Real Zo) {
    const Font kept = surface.font;
    UseEndLabelFont(surface);
    std::array<LabelBox, 2> boxes;
    const std::array<EndLabel, 2> labels = {EndLabelOf(geometry, ends.nodeR, ends.nodeX, Zo),
                                            EndLabelOf(geometry, ends.sourceR, ends.sourceX, Zo)};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const PixelPoint at{labels[i].pixel.x + 2, labels[i].pixel.y + 2};
        boxes[i] = {at.x, at.y, at.x + surface.textWidth(labels[i].text), at.y + ChartLabelHeight};
    }
    surface.font = kept;
    return boxes;
}

void DrawNetworkEndPoints(Surface& surface, const ChartGeometry& geometry, const MatchNode& ends, Real Zo) {
    EndPoint(surface, geometry, ends.nodeR, ends.nodeX, Zo);
    EndPoint(surface, geometry, ends.sourceR, ends.sourceX, Zo);
    surface.font.colour = 0;
    surface.font.size = 11;
    surface.brush.solid = false;
}

} // namespace qv
