#include "chart/drawing/overlay_circles.h"

#include "chart/analysis/chart_geometry.h"

namespace qv {

void DrawOverlayCircles(Surface& surface, const ChartGeometry& geometry,
                        const std::vector<OverlayCircle>& circles) {
    surface.pen.width = 1;
    surface.brush.solid = false;
    surface.font.size = 10;
    surface.font.height = 0;
    int legendY = 50;
    for (const OverlayCircle& c : circles) {
        const int x = RoundPixel(geometry.CentreX + c.centre.re * geometry.Radius);
        const int y = RoundPixel(geometry.CentreY - c.centre.im * geometry.Radius);
        surface.pen.colour = c.colour;
        surface.arc(x, y, RoundPixel(c.radius * geometry.Radius), 0, 360);
        surface.font.colour = c.colour;
        surface.textOut(10, legendY, c.legend);
        legendY += 20;
    }
}

} // namespace qv
