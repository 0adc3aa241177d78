#pragma once

#include "chart/program_state_qt.h"

#include <string>
#include <string_view>

// How well the last node of the chain matches the source: the three figure texts of the main
// window, from MatchQuality of the last node against the source of slot 1.
namespace qv {

struct MatchFigureTexts {
    std::string returnLoss;   // "RLmatch=..."
    std::string vswr;         // "IVmatch=..."
    std::string mismatchLoss; // "ILmatch=..."
};

// numberFormat is "%4.2f" after a recalculation and "%4.2fdb" when another window asks. Throws
// FloatingPointError when the last node and the source cannot be compared (their sum is zero).
MatchFigureTexts FormatMatchFigures(const ProgramState& state, std::string_view numberFormat);

} // namespace qv
