#include "chart/drawing/chart_grid.h"

#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"
#include "core/numbers/text_format.h"

namespace qv {

const std::array<Real, 31> ResistanceSteps = {
    0.0L, 0.1L, 0.2L, 0.3L, 0.4L, 0.5L, 0.6L, 0.7L, 0.8L, 0.9L, 1.0L, 1.2L, 1.4L, 1.6L, 1.8L, 2.0L,
    2.2L, 2.4L, 2.6L, 2.8L, 3.0L, 3.2L, 3.4L, 3.6L, 3.8L, 4.0L, 4.2L, 4.4L, 4.6L, 4.8L, 5.0L};

const std::array<Real, 30> ReactanceSteps = {0.1L, 0.2L, 0.3L, 0.4L, 0.5L, 0.6L, 0.7L, 0.8L, 0.9L, 1.0L,
                                             1.2L, 1.4L, 1.6L, 1.8L, 2.0L, 2.2L, 2.4L, 2.6L, 2.8L, 3.0L,
                                             3.2L, 3.4L, 3.6L, 3.8L, 4.0L, 4.2L, 4.4L, 4.6L, 4.8L, 5.0L};

const std::array<Real, 23> ResistanceLabelSteps = {0.0L, 0.1L, 0.2L, 0.3L, 0.4L, 0.5L, 0.6L, 0.7L,
                                                   0.8L, 0.9L, 1.0L, 1.2L, 1.4L, 1.6L, 1.8L, 2.0L,
                                                   2.4L, 2.8L, 3.2L, 3.6L, 4.0L, 4.4L, 4.8L};

namespace {

void Circle(Surface& surface, Real centreX, Real centreY, Real radius) {
    surface.arc(RoundPixel(centreX), RoundPixel(centreY), RoundPixel(radius), 0, 360);
}

// The real axis and the imaginary axis through the centre, at the surface's half height.
void DrawAxes(Surface& surface) {
    const int h = surface.height();
    const int mid = h / 2;
    surface.pen.colour = ChartRed;
    surface.moveTo(mid, 0);
    surface.lineTo(mid, h);
    surface.moveTo(0, mid);
    surface.lineTo(h, mid);
}

} // namespace

void DrawAdmittanceGrid(Surface& surface, const ChartGeometry& geometry, int conductanceColour) {
    const Real radius = geometry.Radius;
    surface.pen.colour = conductanceColour;
    // Constant-conductance circles all pass through the short-circuit point (-1, 0).
    for (const Real g : ResistanceSteps)
        Circle(surface, geometry.CentreX - radius * g / (1 + g), geometry.CentreY, radius / (1 + g));
    for (const Real b : ReactanceSteps)
        Circle(surface, geometry.CentreX - radius, geometry.CentreY + radius / b, radius / b);
    for (const Real b : ReactanceSteps)
        Circle(surface, geometry.CentreX - radius, geometry.CentreY - radius / b, radius / b);
    DrawAxes(surface);
}

void DrawChartGrid(Surface& surface, const ChartGeometry& geometry, int resistanceColour,
                   int conductanceColour) {
    DrawAdmittanceGrid(surface, geometry, conductanceColour);
    const Real radius = geometry.Radius;
    surface.pen.colour = resistanceColour;
    // Constant-resistance circles all pass through the open-circuit point (1, 0).
    for (const Real r : ResistanceSteps)
        Circle(surface, geometry.CentreX + radius * r / (1 + r), geometry.CentreY, radius / (1 + r));
    for (const Real x : ReactanceSteps) {
        Circle(surface, geometry.CentreX + radius, geometry.CentreY - radius / x, radius / x);
        Circle(surface, geometry.CentreX + radius, geometry.CentreY + radius / x, radius / x);
    }
    DrawAxes(surface);
    DrawResistanceLabels(surface, geometry);
}

void DrawResistanceLabels(Surface& surface, const ChartGeometry& geometry) {
    const Real radius = geometry.Radius;
    const int y = RoundPixel((radius + geometry.CentreY) / 2);
    for (const Real r : ResistanceLabelSteps) {
        const int x = RoundPixel(radius + geometry.CentreX - 2 * radius / (r + 1));
        DrawRotatedText(surface, Format("%1.1f", {r}), x, y, ResistanceLabelColour, 4, 10, 900);
    }
}

void DrawRotatedText(Surface& surface, const std::string& text, int x, int y, int colour, int fontWidth,
                     int fontHeight, int escapement) {
    const Font previous = surface.font;
    Font made;
    made.colour = colour;
    made.height = fontHeight;
    made.width = fontWidth;
    made.escapement = escapement;
    made.weight = 100;
    made.face = "MS Sans Serif";
    surface.font = made;
    surface.brush.solid = false;
    surface.textOut(x, y, text);
    surface.font = previous;
}

} // namespace qv
