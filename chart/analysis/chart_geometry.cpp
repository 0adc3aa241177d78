#include "chart/analysis/chart_geometry.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"

#include <cmath>

namespace qv {

namespace {
// Far beyond any drawing area, yet small enough that a doubled radius still fits an int.
constexpr Real PixelLimit = 1 << 29;
} // namespace

ChartGeometry GeometryForHeight(int heightPixels) {
    const Real half = static_cast<Real>(heightPixels) / 2;
    return {half, half, half};
}

Complex PixelToGamma(const ChartGeometry& geometry, Real X, Real Y) {
    return {(X - geometry.CentreX) / geometry.Radius, (geometry.CentreY - Y) / geometry.Radius};
}

int RoundPixel(Real value) {
    if (!std::isfinite(value) || std::fabs(value) > PixelLimit)
        throw FloatingPointError(OverflowText);
    return static_cast<int>(std::nearbyint(value));
}

PixelPoint GammaToPixel(const ChartGeometry& geometry, Complex gamma) {
    return {RoundPixel(gamma.re * geometry.Radius + geometry.CentreX),
            RoundPixel(geometry.CentreY - gamma.im * geometry.Radius)};
}

bool IsInsideChart(const ChartGeometry& geometry, Real X, Real Y) {
    if (!(geometry.Radius > 0))
        return false;
    const Complex gamma = PixelToGamma(geometry, X, Y);
    return std::sqrt(gamma.re * gamma.re + gamma.im * gamma.im) <= 1;
}

} // namespace qv
