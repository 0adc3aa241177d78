#pragma once

#include <string>

// The three match figure texts the main window shows under the chart.
namespace qv {

struct MatchFigureLines {
    std::string returnLoss;   // "RLmatch=..."
    std::string vswr;         // "IVmatch=..."
    std::string mismatchLoss; // "ILmatch=..."
};

} // namespace qv
