#include "chart/drawing/point_label.h"

#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {
// Format a pair with its sign taken from the second value, printed as a magnitude.
std::string SignedPair(const char* plusFormat, const char* minusFormat, Real first, Real second) {
    if (second >= 0)
        return Format(plusFormat, {first, second});
    return Format(minusFormat, {first, -second});
}
} // namespace

void PointMarker(Surface& surface, int X, int Y, int colour) {
    surface.moveTo(X, Y);
    surface.pen.width = 2;
    surface.pen.colour = colour;
    surface.ellipse(X - 3, Y - 3, X + 3, Y + 3);
    surface.pen.width = 1;
}

std::string PointLabelText(const CursorReadout& c, int kind) {
    switch (static_cast<LabelKind>(kind)) {
    case LabelKind::Impedance:
        return FormatSignedPair("Z=", "%3.2f", c.Rohm, c.Xohm, ZeroImaginary::Plus);
    case LabelKind::Reflection:
        return SignedPair("Rho=%3.2f∠%3.2f°", "Rho=%3.2f∠-%3.2f°", c.GammaMag, c.GammaAngle);
    case LabelKind::NormalisedImpedance:
        return FormatSignedPair("R=", "%3.2f", c.r, c.x, ZeroImaginary::Plus);
    case LabelKind::NormalisedAdmittance:
        return FormatSignedPair("G=", "%3.2f", c.g, c.b, ZeroImaginary::Plus);
    case LabelKind::Vswr:
        return Format("VSWR=%3.4F", {GammaToResistance(std::sqrt(c.u * c.u + c.v * c.v), 0)});
    case LabelKind::MarkerOnly:
        break;
    }
    return {};
}

void PointLabel(Surface& surface, const ChartGeometry& geometry, const CursorReadout& readout, int X, int Y,
                bool clearBackground, int textColour, int markerColour, int kind, bool marker) {
    if (marker)
        PointMarker(surface, X, Y, markerColour);
    surface.font.colour = textColour;
    surface.font.size = 11;
    surface.font.height = 0;
    surface.brush.solid = !clearBackground;
    int left = X <= 2 * geometry.Radius - 70 ? X : X - 70;
    const int top = Y <= 2 * geometry.Radius - 20 ? Y : Y - 20;
    const std::string text = PointLabelText(readout, kind);
    if (text.empty())
        return;
    // A long label near the right edge moves left until it fits in the picture.
    const int width = surface.textWidth(text);
    if (left + 2 + width > surface.width())
        left = std::max(0, surface.width() - width - 4);
    surface.textOut(left + 2, top + 2, text);
}

} // namespace qv
