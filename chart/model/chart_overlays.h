#pragma once

#include "chart/analysis/overlay_circle.h"
#include "chart/analysis/overlay_items.h"
#include "chart/analysis/stability_block.h"
#include "chart/analysis/stability_shading.h"

#include <array>
#include <optional>
#include <vector>

// Everything put on the chart besides the matching network, kept as data in layers so that the
// chart can be drawn again whole (network first, layers over it) after any change or resize.
namespace qv {

enum class OverlayLayer {
    StabilityCircles, // of the two-port calculator
    DesignCircles,    // gain and noise circles
    PointPlot,        // S11 and S22 of an S-parameter file
    ResponseLocus,    // the source-end impedance over the sweep of the frequency response
    Marks,            // points and curves placed by clicks and the entry windows
};

inline constexpr std::array<OverlayLayer, 5> AllOverlayLayers = {
    OverlayLayer::StabilityCircles, OverlayLayer::DesignCircles, OverlayLayer::PointPlot,
    OverlayLayer::ResponseLocus, OverlayLayer::Marks};

struct ChartOverlays {
    std::optional<StabilityCircles> stability;
    std::optional<StabilitySides> stabilitySides; // nothing: no side known
    std::vector<OverlayCircle> designCircles;
    PointPlot plot;
    std::optional<ResponseLocus> locus;
    std::vector<ChartMark> marks;

    bool holds(OverlayLayer layer) const;
    void clear(OverlayLayer layer);
    void clearAll();
    // A second file's points join the first's; the legends are the same lines.
    void addPlot(PointPlot more);
};

} // namespace qv
