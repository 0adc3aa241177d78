#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "core/settings/program_state.h"

// Placement of the chart circle in the drawing area and the maps between pixels and the
// reflection coefficient Gamma = u + jv (u to the right, v upward; screen Y grows downward).
namespace qv {

// Radius, CentreX and CentreY all equal half the drawing area's height, kept as an exact half.
ChartGeometry GeometryForHeight(int heightPixels);

// u = (X - CentreX)/Radius, v = (CentreY - Y)/Radius.
Complex PixelToGamma(const ChartGeometry& geometry, Real X, Real Y);

// The nearest whole pixel, ties to even (the default rounding mode). Throws FloatingPointError
// for a value that is not finite or lies too far off the surface to be a pixel.
int RoundPixel(Real value);

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// X = u*Radius + CentreX, Y = CentreY - v*Radius, each rounded to a whole pixel.
PixelPoint GammaToPixel(const ChartGeometry& geometry, Complex gamma);

// True when |Gamma| of the pixel is not greater than 1. A chart without area (radius 0, as in a
// minimised window) has no inside.
bool IsInsideChart(const ChartGeometry& geometry, Real X, Real Y);

} // namespace qv
