#include "matching/analysis/match_figures.h"

#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

#include <algorithm>

namespace qv {

MatchFigureTexts FormatMatchFigures(const ProgramState& state, std::string_view numberFormat, int lastNode) {
    const MatchNode& last =
        state.network[std::clamp(lastNode < 0 ? state.NodeCount : lastNode, 0, LastMatchSlot)];
    const MatchNode& ends = state.network[1];
    const MatchFigures figures =
        MatchQuality({last.nodeR, last.nodeX}, {ends.sourceR, ends.sourceX}, state.matchflag);
    return {"RLmatch=" + Format(numberFormat, {figures.returnLossDb}),
            "IVmatch=" + Format(numberFormat, {figures.vswr}),
            "ILmatch=" + Format(numberFormat, {figures.mismatchLossDb})};
}

} // namespace qv
