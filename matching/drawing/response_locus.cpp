#include "matching/drawing/response_locus.h"

#include "chart/analysis/chart_geometry.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/rf/conversions.h"

namespace qv {

namespace {

std::optional<PixelPoint> Place(const ChartGeometry& geometry, const ResponsePoint& p) {
    if (!p.ok)
        return std::nullopt;
    try {
        return GammaToPixel(geometry, ImpedanceToGamma(p.sourceEnd.re, p.sourceEnd.im));
    } catch (const FloatingPointError&) {
        return std::nullopt; // an impedance the chart cannot place is left out like a failed one
    }
}

void Square(Surface& chart, PixelPoint p) {
    chart.fillRect(p.x - 3, p.y - 3, p.x + 4, p.y + 4, LocusColour);
}

// A label beside the point, on the side toward the chart's centre line when the point lies in the
// right half, so that a label near the rim is not cut off by the picture's edge.
void Label(Surface& chart, const ChartGeometry& geometry, PixelPoint p, int gap, int dy,
           const std::string& text) {
    const int x = p.x > geometry.CentreX ? p.x - gap - chart.textWidth(text) : p.x + gap;
    chart.textOut(x, p.y + dy, text);
}

} // namespace

void DrawResponseLocus(Surface& chart, const ChartGeometry& geometry, const std::vector<ResponsePoint>& sweep,
                       Real designHz) {
    if (geometry.Radius <= 0)
        return;
    chart.pen = {LocusColour, 2};
    chart.brush.solid = false;
    std::optional<PixelPoint> first;
    std::optional<PixelPoint> last;
    std::optional<PixelPoint> design;
    Real firstHz = 0;
    Real lastHz = 0;
    bool drawing = false;
    for (const ResponsePoint& point : sweep) {
        const std::optional<PixelPoint> p = Place(geometry, point);
        if (!p) {
            drawing = false;
            continue;
        }
        if (drawing)
            chart.lineTo(p->x, p->y);
        else
            chart.moveTo(p->x, p->y);
        drawing = true;
        if (!first) {
            first = p;
            firstHz = point.frequencyHz;
        }
        last = p;
        lastHz = point.frequencyHz;
        if (point.frequencyHz == designHz)
            design = p;
    }
    chart.font.colour = LocusColour;
    if (first) {
        Square(chart, *first);
        Label(chart, geometry, *first, 6, 4, FormatFrequency(firstHz));
    }
    if (last) {
        Square(chart, *last);
        Label(chart, geometry, *last, 6, 4, FormatFrequency(lastHz));
    }
    if (design) {
        chart.ellipse(design->x - 6, design->y - 6, design->x + 7, design->y + 7);
        Label(chart, geometry, *design, 8, -18, "Fo");
    }
}

} // namespace qv
