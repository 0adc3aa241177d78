#pragma once

#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

// Curves and points the entry windows put on the chart, and the readout of one pixel.
namespace qv {

struct ReadoutPoint {
    Real r = 0;          // normalised resistance of the pixel
    Real x = 0;          // normalised reactance, negative below the real axis
    bool filled = false; // the cursor readout was filled (the pixel lies inside the chart)
};

// Sets the chart geometry from the surface's height, fills the cursor readout for the pixel as
// the mouse readout does (g, b and Q are left as they were) and returns r and x. A pixel
// outside the chart circle, which the mouse readout never reads, leaves the readout unchanged.
ReadoutPoint PointReadout(const Surface& surface, int X, int Y, ProgramState& state, CursorReadout& readout);

// The constant-resistance circle and the constant-reactance circle through (r, x), full circles
// in the colour with the current pen width. x = 0 has no reactance circle (it is the real
// axis) and r <= -1 no resistance circle; a circle too large to place on the surface is left out.
void DrawConstantRXCircles(Surface& surface, const ChartGeometry& geometry, int colour, Real r, Real x);

// The two arcs of constant |x|/r = Q, inductive above the axis and capacitive below, both from
// the short circuit to the open circuit, pen width 1. Q = 0 draws nothing.
void DrawConstantQArcs(Surface& surface, const ChartGeometry& geometry, int colour, Real Q);

struct PixelOffset {
    Real dx = 0; // to the right of the centre
    Real dy = 0; // above the centre
};

// A small circle (radius 3, pen width 2) at |Gamma| = (VSWR - 1)/(VSWR + 1) and the angle, and
// with the flag the whole constant-VSWR circle at pen width 1. Without the flag the pen is left
// at width 2. Returns the point's offsets from the centre in pixels.
PixelOffset DrawVswrPoint(Surface& surface, const ChartGeometry& geometry, bool withCircle, int colour,
                          Real angleDegrees, Real vswr);

} // namespace qv
