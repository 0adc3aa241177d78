#pragma once

#include "chart/analysis/cursor_readout.h"
#include "core/numbers/complex.h"
#include "core/numbers/real.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// What the chart keeps of the points and curves put on it, in reflection coefficients, so that
// they can be drawn again at any size of the chart.
namespace qv {

// A point marked with a click, labelled with the readout of that moment (a LabelKind).
struct ReadoutMark {
    Complex gamma;
    CursorReadout readout;
    int kind = 0;
    int colour = 0;     // of the marker, 0x00BBGGRR
    int textColour = 0; // of the label
};

// The constant-resistance and constant-reactance circles through a point (normalised r + jx).
struct ConstantCircles {
    Real r = 0;
    Real x = 0;
    int colour = 0;
};

// A point placed by an entry window: its circles, the marker, then the label beside it.
struct EntryMark {
    Complex gamma;
    int colour = 0;
    std::string label; // UTF-8; empty: none
    std::optional<ConstantCircles> circles;
};

// The two arcs of constant |x|/r.
struct ConstantQMark {
    Real Q = 0;
    int colour = 0;
};

// A point of given VSWR and angle, with or without its constant-VSWR circle.
struct VswrMark {
    Real angleDegrees = 0;
    Real vswr = 1;
    bool withCircle = false;
    int colour = 0;
};

using ChartMark = std::variant<ReadoutMark, EntryMark, ConstantQMark, VswrMark>;

// A plotted point of a file with its label beside it.
struct ChartPlotPoint {
    Complex gamma;
    std::string label; // UTF-8; empty: none
    int markerColour = 0;
    int labelColour = 0;
};

// A legend line at the chart's top-left corner.
struct LegendLine {
    std::string text;
    int colour = 0;
    int y = 0; // pixels from the top
};

struct PointPlot {
    std::vector<ChartPlotPoint> points;
    std::vector<LegendLine> legends;
};

// Orange-brown, a colour no element kind and no grid default uses (0x00BBGGRR).
inline constexpr int LocusColour = 0x0060C0;

// A point of a frequency sweep; nothing where the impedance could not be computed or placed.
struct LocusPoint {
    Real frequencyHz = 0;
    std::optional<Complex> gamma;
};

struct ResponseLocus {
    std::vector<LocusPoint> points;
    Real designHz = 0; // marked "Fo" at the point of this frequency, if the sweep has one
};

} // namespace qv
