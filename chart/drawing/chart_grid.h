#pragma once

#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

#include <array>
#include <string>

// The Smith chart grid: constant-conductance and constant-susceptance circles underneath, then
// the constant-resistance and constant-reactance circles, the red axes and the rotated
// resistance labels along the real axis. Every circle is a separate closed curve with its centre
// and radius rounded to whole pixels; none is clipped to the chart circle.
namespace qv {

// 0 .. 1 in steps of 0.1, then 1.2 .. 5 in steps of 0.2.
extern const std::array<Real, 31> ResistanceSteps;
// 0.1 .. 1 in steps of 0.1, then 1.2 .. 5 in steps of 0.2.
extern const std::array<Real, 30> ReactanceSteps;
// 0 .. 1 in steps of 0.1, 1.2 .. 2 in steps of 0.2, 2.4 .. 4.8 in steps of 0.4.
extern const std::array<Real, 23> ResistanceLabelSteps;

// The whole grid: admittance grid, impedance circles in resistanceColour, axes, labels.
void DrawChartGrid(Surface& surface, const ChartGeometry& geometry, int resistanceColour,
                   int conductanceColour);

// Conductance and susceptance circles in conductanceColour, then the two axes.
void DrawAdmittanceGrid(Surface& surface, const ChartGeometry& geometry, int conductanceColour);

// The "%1.1f" value of each labelled resistance circle at its left-most point, running upward.
void DrawResistanceLabels(Surface& surface, const ChartGeometry& geometry);

// One text in a font made for it (escapement in tenths of a degree); the previous font is put
// back afterwards, the brush stays clear.
void DrawRotatedText(Surface& surface, const std::string& text, int x, int y, int colour, int fontWidth,
                     int fontHeight, int escapement);

} // namespace qv
