#pragma once

#include "chart/drawing/network_end_points.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"
#include "matching/analysis/node_calculation.h"

#include <span>
#include <string>

// Draws an element's path on the chart picture: the label and a dot at the start point, then the
// arc along the constant-resistance or constant-conductance circle, or a straight chord with a dot
// at its end. The pen colour and width, the brush and the font colour are left as the path set them.
namespace qv {

struct PathColours {
    int line = 0; // 0x00BBGGRR
    int label = 0;
};

// Where the path's points fall on the chart, all in unrounded pixels, and the arc's angles in
// degrees (counter-clockwise from the positive x direction).
struct PathLayout {
    Real startX = 0, startY = 0;
    Real endX = 0, endY = 0;       // chord end
    Real centreX = 0, centreY = 0; // arc circle
    Real radius = 0;
    Real startDegrees = 0, endDegrees = 0;
};

// Throws FloatingPointError when the points cannot be placed (a circle of resistance or
// conductance -1 has no centre).
PathLayout LayOutElementPath(const ChartGeometry& geometry, const ElementPath& path);

// label is the element's label as the user gave it; the step's suffix is written after it. The
// label moves above or below the labels in keepClear (the ends') where it would cover one.
// Every coordinate is computed before the first stroke, so a path that cannot be placed draws
// nothing.
void DrawElementPath(Surface& surface, const ChartGeometry& geometry, const ElementStep& step,
                     const std::string& label, PathColours colours, std::span<const LabelBox> keepClear = {});

} // namespace qv
