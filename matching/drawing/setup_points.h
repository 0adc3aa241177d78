#pragma once

#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/surface.h"
#include "core/numbers/complex.h"

#include <string>

// The two ends of the matching network as the setup window enters and marks them.
namespace qv {

inline constexpr int LoadMarkerColour = 255;     // red
inline constexpr int SourceMarkerColour = 65280; // green

struct ReflectionEntry {
    Complex gamma;
    Real r = 0; // normalised impedance of gamma
    Real x = 0;
};

// The impedance of a reflection coefficient given as magnitude (linear or in dB) and angle.
ReflectionEntry ReflectionToImpedance(Real magnitude, Real angleDegrees, bool decibels);

// A marker at the pixel and the text with its top-left 2 pixels right of and below it, in the
// surface's current font and brush.
void MarkNetworkEnd(Surface& surface, PixelPoint at, int markerColour, const std::string& text);

} // namespace qv
