#include "chart/windows/entry_canvas.h"

#include "chart/drawing/overlay_layers.h"
#include "chart/windows/main_window.h"

namespace qv {

void ChartCanvas::addMark(const ChartMark& mark, const ChartGeometry& geometry) {
    DrawChartMark(picture(), geometry, mark);
}

void ChartCanvas::addPointPlot(PointPlot plot, const ChartGeometry& geometry) {
    DrawLegendLines(picture(), plot.legends);
    for (const ChartPlotPoint& point : plot.points)
        DrawPlotPoint(picture(), geometry, point);
}

Surface& MainWindowCanvas::picture() {
    return main_.chartSurface();
}

CursorReadout& MainWindowCanvas::readout() {
    return main_.cursorReadout();
}

int MainWindowCanvas::colourBoxColour() const {
    return main_.markerColour();
}

void MainWindowCanvas::repaint() {
    main_.refreshChartArea();
}

} // namespace qv

namespace qv {

void MainWindowCanvas::addMark(const ChartMark& mark, const ChartGeometry&) {
    main_.addMark(mark);
}

void MainWindowCanvas::addPointPlot(PointPlot plot, const ChartGeometry&) {
    main_.addPointPlot(std::move(plot));
}

} // namespace qv
