#include "matching/model/network_texts.h"

#include "core/numbers/text_format.h"

namespace qv {

QString NumberText(std::string_view format, Real value) {
    return QString::fromStdString(Format(format, {value}));
}

QString ElementProblemText(ElementProblem problem) {
    switch (problem) {
    case ElementProblem::None:
        return {};
    case ElementProblem::Capacitance:
        return NetworkText::tr("电容值必须大于0");
    case ElementProblem::Inductance:
        return NetworkText::tr("电感值必须大于0");
    case ElementProblem::Microstrip:
        return NetworkText::tr("微带的线宽、板厚、长度和介电常数必须大于0");
    }
    return {};
}

} // namespace qv
