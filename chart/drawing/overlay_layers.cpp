#include "chart/drawing/overlay_layers.h"

#include "chart/drawing/overlay_circles.h"
#include "chart/drawing/overlays.h"
#include "chart/drawing/point_label.h"
#include "chart/drawing/stability_circles.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"

#include <cmath>

namespace qv {

namespace {

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

void DrawLocusSquare(Surface& chart, PixelPoint p) {
    chart.fillRect(p.x - 3, p.y - 3, p.x + 4, p.y + 4, LocusColour);
}

// A label beside the point, on the side toward the chart's centre line when the point lies in the
// right half, so that a label near the rim is not cut off by the picture's edge.
void DrawLocusLabel(Surface& chart, const ChartGeometry& geometry, PixelPoint p, int gap, int dy,
                    const std::string& text) {
    const int x = p.x > geometry.CentreX ? p.x - gap - chart.textWidth(text) : p.x + gap;
    chart.textOut(x, p.y + dy, text);
}

std::optional<PixelPoint> Place(const ChartGeometry& geometry, const std::optional<Complex>& gamma) {
    if (!gamma)
        return std::nullopt;
    try {
        return GammaToPixel(geometry, *gamma);
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

// Runs one drawing step; a step that cannot be placed on this chart is left out.
template <typename Step> void Guarded(Step&& step) {
    try {
        step();
    } catch (const FloatingPointError&) {
    }
}

} // namespace

void DrawChartMark(Surface& surface, const ChartGeometry& geometry, const ChartMark& mark) {
    std::visit(Overloaded{
                   [&](const ReadoutMark& m) {
                       const PixelPoint p = GammaToPixel(geometry, m.gamma);
                       PointMarker(surface, p.x, p.y, m.colour);
                       PointLabel(surface, geometry, m.readout, p.x, p.y, true, m.textColour, m.colour,
                                  m.kind, true);
                   },
                   [&](const EntryMark& m) {
                       const PixelPoint p = GammaToPixel(geometry, m.gamma);
                       if (m.circles)
                           DrawConstantRXCircles(surface, geometry, m.circles->colour, m.circles->r,
                                                 m.circles->x);
                       PointMarker(surface, p.x, p.y, m.colour);
                       if (!m.label.empty())
                           surface.textOut(p.x + 2, p.y + 2, m.label);
                   },
                   [&](const ConstantQMark& m) { DrawConstantQArcs(surface, geometry, m.colour, m.Q); },
                   [&](const VswrMark& m) {
                       DrawVswrPoint(surface, geometry, m.withCircle, m.colour, m.angleDegrees, m.vswr);
                   },
               },
               mark);
}

std::optional<PixelPoint> DrawPlotPoint(Surface& surface, const ChartGeometry& geometry,
                                        const ChartPlotPoint& point) {
    const std::optional<PixelPoint> p = Place(geometry, point.gamma);
    if (!p)
        return std::nullopt; // a point far off the picture is left out, not half drawn
    PointMarker(surface, p->x, p->y, point.markerColour);
    surface.brush.solid = false;
    surface.font.colour = point.labelColour;
    surface.textOut(p->x + 2, p->y + 2, point.label);
    return p;
}

void DrawLegendLines(Surface& surface, const std::vector<LegendLine>& legends) {
    surface.brush.solid = false;
    for (const LegendLine& line : legends) {
        surface.font.colour = line.colour;
        surface.textOut(10, line.y, line.text);
    }
}

void DrawResponseLocus(Surface& chart, const ChartGeometry& geometry, const ResponseLocus& locus) {
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
    for (const LocusPoint& point : locus.points) {
        const std::optional<PixelPoint> p = Place(geometry, point.gamma);
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
        // The ring marks Fo itself: a sweep without that frequency has none.
        if (point.frequencyHz == locus.designHz)
            design = p;
    }
    chart.font.colour = LocusColour;
    if (first) {
        DrawLocusSquare(chart, *first);
        DrawLocusLabel(chart, geometry, *first, 6, 4, FormatFrequency(firstHz));
    }
    if (last) {
        DrawLocusSquare(chart, *last);
        DrawLocusLabel(chart, geometry, *last, 6, 4, FormatFrequency(lastHz));
    }
    if (design) {
        chart.ellipse(design->x - 6, design->y - 6, design->x + 7, design->y + 7);
        DrawLocusLabel(chart, geometry, *design, 8, -18, "Fo");
    }
}

void DrawOverlayLayers(Surface& surface, const ChartGeometry& geometry, const ChartOverlays& overlays) {
    surface.pen.width = 1;
    if (overlays.stability)
        Guarded(
            [&] { DrawStabilityCircles(surface, geometry, *overlays.stability, overlays.stabilitySides); });
    Guarded([&] { DrawOverlayCircles(surface, geometry, overlays.designCircles); });
    // The file's legends go below the circles' (stability at 10 and 30, gain and noise from 50).
    const int legendShift = !overlays.designCircles.empty()
                                ? 40 + 20 * static_cast<int>(overlays.designCircles.size())
                                : (overlays.stability ? 40 : 0);
    std::vector<LegendLine> legends = overlays.plot.legends;
    for (LegendLine& line : legends)
        line.y += legendShift;
    DrawLegendLines(surface, legends);
    for (const ChartPlotPoint& point : overlays.plot.points)
        DrawPlotPoint(surface, geometry, point);
    if (overlays.locus)
        DrawResponseLocus(surface, geometry, *overlays.locus);
    for (const ChartMark& mark : overlays.marks)
        Guarded([&] { DrawChartMark(surface, geometry, mark); });
}

} // namespace qv
