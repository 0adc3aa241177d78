#include "chart/model/chart_overlays.h"

namespace qv {

bool ChartOverlays::holds(OverlayLayer layer) const {
    switch (layer) {
    case OverlayLayer::StabilityCircles:
        return stability.has_value();
    case OverlayLayer::DesignCircles:
        return !designCircles.empty();
    case OverlayLayer::PointPlot:
        return !plot.points.empty() || !plot.legends.empty();
    case OverlayLayer::ResponseLocus:
        return locus.has_value();
    case OverlayLayer::Marks:
        return !marks.empty();
    }
    return false;
}

void ChartOverlays::clear(OverlayLayer layer) {
    switch (layer) {
    case OverlayLayer::StabilityCircles:
        stability.reset();
        stabilitySides.reset();
        return;
    case OverlayLayer::DesignCircles:
        designCircles.clear();
        return;
    case OverlayLayer::PointPlot:
        plot = {};
        return;
    case OverlayLayer::ResponseLocus:
        locus.reset();
        return;
    case OverlayLayer::Marks:
        marks.clear();
        return;
    }
}

void ChartOverlays::clearAll() {
    for (OverlayLayer layer : AllOverlayLayers)
        clear(layer);
}

void ChartOverlays::addPlot(PointPlot more) {
    plot.points.insert(plot.points.end(), std::make_move_iterator(more.points.begin()),
                       std::make_move_iterator(more.points.end()));
    plot.legends = std::move(more.legends);
}

} // namespace qv
