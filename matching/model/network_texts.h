#pragma once

#include "matching/analysis/node_calculation.h"

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

// The context of the network model's refusals: they reach the user as the reason of a Refusable,
// already in the interface's language.
namespace qv {

struct NetworkText {
    Q_DECLARE_TR_FUNCTIONS(NetworkText)
};

// A number printed with a printf format (as everywhere in the program), for a .arg() of a text.
QString NumberText(std::string_view format, Real value);

// Why an element makes no physical sense; empty for ElementProblem::None.
QString ElementProblemText(ElementProblem problem);

} // namespace qv
