#include "chart/analysis/stability_shading.h"

#include <algorithm>
#include <cmath>

namespace qv {

std::string EncodeStabilitySides(const StabilitySides& sides) {
    return {static_cast<char>(sides.inputCentreStable ? 1 : 0),
            static_cast<char>(sides.outputCentreStable ? 1 : 0)};
}

std::optional<StabilitySides> DecodeStabilitySides(std::string_view block) {
    if (block.size() < StabilitySidesOffset + 2)
        return std::nullopt;
    return StabilitySides{block[StabilitySidesOffset] != 0, block[StabilitySidesOffset + 1] != 0};
}

std::vector<PixelSegment> UnstableHatching(const ChartGeometry& geometry, Real circleX, Real circleY,
                                           Real circleRadius, bool centreStable, Real spacing) {
    std::vector<PixelSegment> segments;
    const Real R = geometry.Radius;
    if (!(R > 0 && spacing > 0 && std::isfinite(circleX) && std::isfinite(circleY) &&
          std::isfinite(circleRadius)))
        return segments;
    const bool enclosesCentre =
        std::hypot(circleX - geometry.CentreX, circleY - geometry.CentreY) < circleRadius;
    const bool insideUnstable = centreStable != enclosesCentre;
    // Lines running up to the right (screen y grows downward), offset along the normal (1, 1)/sqrt 2.
    const Real r2 = std::sqrt(Real(0.5));
    const Real dx = r2, dy = -r2;
    const auto add = [&](Real px, Real py, Real from, Real to) {
        if (to - from >= 1)
            segments.push_back({RoundPixel(px + from * dx), RoundPixel(py + from * dy),
                                RoundPixel(px + to * dx), RoundPixel(py + to * dy)});
    };
    const int lines = static_cast<int>(R / spacing);
    for (int k = -lines; k <= lines; ++k) {
        const Real offset = k * spacing;
        const Real h = std::sqrt(R * R - offset * offset);
        const Real px = geometry.CentreX + offset * r2;
        const Real py = geometry.CentreY + offset * r2;
        // Where the line crosses the stability circle, in the same parameter.
        const Real wx = circleX - px, wy = circleY - py;
        const Real t0 = wx * dx + wy * dy;
        const Real d2 = wx * wx + wy * wy - t0 * t0;
        const bool crosses = d2 < circleRadius * circleRadius;
        const Real q = crosses ? std::sqrt(circleRadius * circleRadius - d2) : 0;
        if (insideUnstable) {
            if (crosses)
                add(px, py, std::max(-h, t0 - q), std::min(h, t0 + q));
        } else if (!crosses) {
            add(px, py, -h, h);
        } else {
            add(px, py, -h, std::min(h, t0 - q));
            add(px, py, std::max(-h, t0 + q), h);
        }
    }
    return segments;
}

} // namespace qv
