#pragma once

#include "chart/analysis/chart_geometry.h"
#include "core/numbers/real.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which side of a stability circle is unstable, and the hatching that marks it on the chart.
namespace qv {

// Sent after the 60-byte stability block, one byte per circle (1 when the chart's centre is on the
// stable side: |S22| < 1 for the input circle, |S11| < 1 for the output circle). Readers of the
// 60-byte block ignore these bytes; a block without them is drawn without shading.
struct StabilitySides {
    bool inputCentreStable = true;
    bool outputCentreStable = true;
};

inline constexpr int StabilitySidesOffset = 60;

// The two bytes to append to the 60-byte block.
std::string EncodeStabilitySides(const StabilitySides& sides);

// Nothing for a block that ends at or before its sixtieth byte.
std::optional<StabilitySides> DecodeStabilitySides(std::string_view block);

struct PixelSegment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// The unstable part of the chart (inside the unit circle) crossed by diagonal lines spacing
// pixels apart. The circle's centre and radius are in pixels; the unstable side is inside the
// circle when the chart's centre lies inside it and is unstable, or outside it and is stable.
std::vector<PixelSegment> UnstableHatching(const ChartGeometry& geometry, Real circleX, Real circleY,
                                           Real circleRadius, bool centreStable, Real spacing);

} // namespace qv
