#pragma once

#include "matching/analysis/auto_match.h"

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

// The words of the automatic matching, shared by the console's "autom" and the window.
namespace qv {

struct AutoMatchText {
    Q_DECLARE_TR_FUNCTIONS(AutoMatchText)
};

// "L", "Pi", "T" or the single stub's name.
std::string TopologyName(MatchTopology topology);
// "串L 12.35nH 并C 3.40pF", microstrip lengths and widths in millimetres.
std::string ElementsText(const std::vector<ElementSpec>& elements);
QString AutoMatchRefusalText(const AutoMatchRefusal& refusal);

} // namespace qv
