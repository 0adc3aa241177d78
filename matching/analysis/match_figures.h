#pragma once

#include "chart/analysis/match_figure_lines.h"
#include "core/settings/program_state.h"

#include <string>
#include <string_view>

// How well the last node of the chain matches the source: the three figure texts of the main
// window, from MatchQuality of the last node against the source of slot 1.
namespace qv {

using MatchFigureTexts = MatchFigureLines;

// The figures of node lastNode (by default NodeCount) against the source. numberFormat is "%4.2f"
// after a recalculation and "%4.2fdb" after an append. Throws FloatingPointError when the node and
// the source cannot be compared (their sum is zero).
MatchFigureTexts FormatMatchFigures(const ProgramState& state, std::string_view numberFormat,
                                    int lastNode = -1);

} // namespace qv
