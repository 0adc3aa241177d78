#include "matching/drawing/setup_points.h"

#include "chart/analysis/entry_points.h"
#include "chart/drawing/point_label.h"
#include "core/rf/conversions.h"

namespace qv {

ReflectionEntry ReflectionToImpedance(Real magnitude, Real angleDegrees, bool decibels) {
    ReflectionEntry e;
    e.gamma = EnteredReflection(magnitude, angleDegrees, decibels);
    e.r = GammaToResistance(e.gamma.re, e.gamma.im);
    e.x = GammaToReactance(e.gamma.re, e.gamma.im);
    return e;
}

void MarkNetworkEnd(Surface& surface, PixelPoint at, int markerColour, const std::string& text) {
    PointMarker(surface, at.x, at.y, markerColour);
    surface.textOut(at.x + 2, at.y + 2, text);
}

} // namespace qv
