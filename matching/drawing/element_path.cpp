#include "matching/drawing/element_path.h"

#include "chart/analysis/chart_geometry.h"
#include "core/numbers/fp_check.h"
#include "core/rf/conversions.h"
#include "ui/qt_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

using Shape = ElementPath::Shape;

constexpr int DotRadius = 3;
constexpr int ArcPenWidth = 3;
constexpr int ChordPenWidth = 2;
constexpr int LabelOffset = 10;

struct PixelXY {
    Real x = 0;
    Real y = 0;
};

PixelXY Place(const ChartGeometry& g, Complex gamma) {
    return {g.CentreX + gamma.re * g.Radius, g.CentreY - gamma.im * g.Radius};
}

// The angle of a point at pixel column X on the circle (centre column cx, radius rho), 0..180.
// The ratio is kept within [-1, 1]: a point on the circle's extreme column can come out a few
// ulps beyond it, which would make arccos fail.
Real AngleOnCircle(Real X, Real cx, Real rho) {
    const Real ratio = std::clamp((X - cx) / rho, Real{-1}, Real{1});
    return std::acos(ratio) * 360 / TwoPi;
}

PathLayout SeriesArc(const ChartGeometry& g, Complex start, Complex end) {
    const Real r = start.re;
    PathLayout l;
    const PixelXY a = Place(g, ImpedanceToGamma(r, start.im));
    const PixelXY b = Place(g, ImpedanceToGamma(r, end.im));
    l.startX = a.x;
    l.startY = a.y;
    l.centreX = g.CentreX + g.Radius * r / (r + 1);
    l.centreY = g.CentreY;
    l.radius = g.Radius / (r + 1);
    // Angles 0..360 put the seam at the open-circuit point, which no finite reactance reaches.
    l.startDegrees = AngleOnCircle(a.x, l.centreX, l.radius);
    if (start.im < 0)
        l.startDegrees = 360 - l.startDegrees;
    l.endDegrees = AngleOnCircle(b.x, l.centreX, l.radius);
    if (end.im < 0)
        l.endDegrees = 360 - l.endDegrees;
    l.endX = b.x;
    l.endY = b.y;
    return l;
}

PathLayout ShuntArc(const ChartGeometry& g, Complex start, Complex end) {
    const Real conductance = start.re;
    PathLayout l;
    const PixelXY a = Place(g, AdmittanceToGamma(conductance, start.im));
    const PixelXY b = Place(g, AdmittanceToGamma(conductance, end.im));
    l.startX = a.x;
    l.startY = a.y;
    l.centreX = g.CentreX - g.Radius * conductance / (conductance + 1);
    l.centreY = g.CentreY;
    l.radius = g.Radius / (conductance + 1);
    // Angles -180..180 put the seam at the short-circuit point, which no finite susceptance reaches.
    l.startDegrees = AngleOnCircle(a.x, l.centreX, l.radius);
    if (start.im > 0)
        l.startDegrees = -l.startDegrees;
    l.endDegrees = AngleOnCircle(b.x, l.centreX, l.radius);
    if (end.im > 0)
        l.endDegrees = -l.endDegrees;
    l.endX = b.x;
    l.endY = b.y;
    return l;
}

PathLayout Chord(const ChartGeometry& g, Complex start, Complex end) {
    PathLayout l;
    const PixelXY a = Place(g, ImpedanceToGamma(start.re, start.im));
    const PixelXY b = Place(g, ImpedanceToGamma(end.re, end.im));
    l.startX = a.x;
    l.startY = a.y;
    l.endX = b.x;
    l.endY = b.y;
    return l;
}

void Dot(Surface& surface, int X, int Y) {
    surface.ellipse(X - DotRadius, Y - DotRadius, X + DotRadius, Y + DotRadius);
}

// The whole-pixel values of a layout, rounded before anything is drawn.
struct PixelLayout {
    int startX, startY, endX, endY, centreX, centreY, radius;
};

PixelLayout Round(const PathLayout& l, Shape shape) {
    PixelLayout p{RoundPixel(l.startX), RoundPixel(l.startY), 0, 0, 0, 0, 0};
    if (shape == Shape::Chord) {
        p.endX = RoundPixel(l.endX);
        p.endY = RoundPixel(l.endY);
    } else {
        p.centreX = RoundPixel(l.centreX);
        p.centreY = RoundPixel(l.centreY);
        p.radius = RoundPixel(l.radius);
    }
    return p;
}

} // namespace

PathLayout LayOutElementPath(const ChartGeometry& geometry, const ElementPath& path) {
    const PathLayout layout = CheckedStep([&] {
        switch (path.shape) {
        case Shape::SeriesArc:
            return SeriesArc(geometry, path.start, path.end);
        case Shape::ShuntArc:
            return ShuntArc(geometry, path.start, path.end);
        case Shape::Chord:
        default:
            return Chord(geometry, path.start, path.end);
        }
    });
    for (Real value : {layout.startX, layout.startY, layout.endX, layout.endY, layout.centreX, layout.radius,
                       layout.startDegrees, layout.endDegrees})
        RequireFinite(value);
    return layout;
}

namespace {

// The top of a label first meant at y: moved past each label of keepClear it would cover, on the
// side it was meant for.
int LabelTopClearOf(std::span<const LabelBox> keepClear, LabelBox label, bool above) {
    for (const LabelBox& box : keepClear) {
        if (!label.overlaps(box))
            continue;
        const int top = above ? box.top - ChartLabelHeight : box.bottom;
        label = {label.left, top, label.right, top + ChartLabelHeight};
    }
    return label.top;
}

} // namespace

namespace {
struct ElementLabel {
    Q_DECLARE_TR_FUNCTIONS(ElementLabel)
};

std::string ConnectionWord(LabelConnection connection) {
    switch (connection) {
    case LabelConnection::Series:
        return U8(ElementLabel::tr("串"));
    case LabelConnection::Shunt:
        return U8(ElementLabel::tr("并"));
    case LabelConnection::None:
        break;
    }
    return {};
}
} // namespace

void DrawElementPath(Surface& surface, const ChartGeometry& geometry, const ElementStep& step,
                     const std::string& label, PathColours colours, std::span<const LabelBox> keepClear) {
    const Shape shape = step.path.shape;
    const PathLayout layout = LayOutElementPath(geometry, step.path);
    const PixelLayout px = Round(layout, shape);

    surface.pen.colour = colours.line;
    surface.brush.solid = false;
    surface.font.colour = colours.label;
    const std::string text = label + ConnectionWord(step.labelConnection) + step.labelSuffix;
    const int labelX = px.startX + LabelOffset;
    int labelY = step.labelAbove ? px.startY - LabelOffset : px.startY + LabelOffset;
    if (!keepClear.empty())
        labelY = LabelTopClearOf(
            keepClear, {labelX, labelY, labelX + surface.textWidth(text), labelY + ChartLabelHeight},
            step.labelAbove);
    surface.textOut(labelX, labelY, text);
    surface.pen.width = ArcPenWidth;
    Dot(surface, px.startX, px.startY);

    if (shape == Shape::Chord) {
        surface.pen.width = ChordPenWidth;
        surface.moveTo(px.startX, px.startY);
        surface.lineTo(px.endX, px.endY);
        Dot(surface, px.endX, px.endY);
        return;
    }
    surface.arc(px.centreX, px.centreY, px.radius, layout.startDegrees,
                layout.endDegrees - layout.startDegrees);
}

} // namespace qv
