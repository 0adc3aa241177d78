#pragma once

#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

#include <string>

// Markers and their labels on the chart.
namespace qv {

// What a point label shows of the cursor readout.
enum class LabelKind : int {
    MarkerOnly = 0,
    Impedance = 1,            // "Z=" in ohms
    Reflection = 2,           // "Rho=" magnitude and signed angle
    NormalisedImpedance = 3,  // "R=" r and x
    NormalisedAdmittance = 4, // "G=" g and b
    Vswr = 5,
};

// A small circle of pen width 2 around the pixel, filled with the current brush; the pen is left
// in the marker colour at width 1.
void PointMarker(Surface& surface, int X, int Y, int colour);

// The label text of a kind for the readout; empty for MarkerOnly or an unknown kind.
std::string PointLabelText(const CursorReadout& readout, int kind);

// Marker (when marker is set) and the label of the readout with its top-left 2 pixels right of
// and below the point, moved 70 pixels left near the chart's right edge and 20 pixels up near its
// bottom. clearBackground writes the text without filling behind it.
void PointLabel(Surface& surface, const ChartGeometry& geometry, const CursorReadout& readout, int X, int Y,
                bool clearBackground, int textColour, int markerColour, int kind, bool marker);

} // namespace qv
