#include "core/settings/chart_colours.h"

namespace qv {

// In the order the main window reads them; index = ColourKey.
const std::array<ColourKeyDefault, ColourKeyCount> ColourKeys = {{
    {"圆图电导圆", 11861940},
    {"圆图电阻圆", 10537120},
    {"标注字色", 0},
    {"标注点色", 255},
    {"匹配串电容色", 65280},
    {"匹配串电感色", 14680288},
    {"匹配并电容色", 25600},
    {"匹配并电感色", 6553855},
    {"匹配串微带色", 10511460},
    {"匹配并微带色", 16711680},
    {"匹配串电容标注色", 0},
    {"匹配串电感标注色", 16711680},
    {"匹配并电容标注色", 0},
    {"匹配并电感标注色", 65280},
    {"匹配串微带标注色", 41216},
    {"匹配并微带标注色", 16711935},
    {"匹配串阻抗", 6553700},
    {"匹配并并阻抗", 6579200},
    {"匹配串阻抗标注色", 65380},
    {"匹配并阻抗标注色", 16737280},
}};

namespace {

// Element kinds 1..9: series C, shunt C, series L, shunt L, series line, shunt open stub,
// series impedance, shunt impedance, shunt shorted stub. The shorted stub is drawn in the colours
// of the open one: para.ini has no keys of its own for it.
constexpr std::array<ColourKey, 9> kLineOfKind = {
    ColourKey::SeriesCapLine,       ColourKey::ShuntCapLine,       ColourKey::SeriesIndLine,
    ColourKey::ShuntIndLine,        ColourKey::SeriesStripLine,    ColourKey::ShuntStripLine,
    ColourKey::SeriesImpedanceLine, ColourKey::ShuntImpedanceLine, ColourKey::ShuntStripLine,
};
constexpr std::array<ColourKey, 9> kLabelOfKind = {
    ColourKey::SeriesCapLabel,       ColourKey::ShuntCapLabel,       ColourKey::SeriesIndLabel,
    ColourKey::ShuntIndLabel,        ColourKey::SeriesStripLabel,    ColourKey::ShuntStripLabel,
    ColourKey::SeriesImpedanceLabel, ColourKey::ShuntImpedanceLabel, ColourKey::ShuntStripLabel,
};

bool IsElementKind(int kind) {
    return kind >= 1 && kind <= 9;
}

} // namespace

ChartColours ChartColours::Defaults() {
    ChartColours colours;
    for (std::size_t i = 0; i < ColourKeys.size(); ++i)
        colours.values[i] = ColourKeys[i].defaultColour;
    return colours;
}

int ChartColours::lineColourOfKind(int kind) const {
    if (!IsElementKind(kind))
        return (*this)[ColourKey::ResistanceGrid];
    return (*this)[kLineOfKind[static_cast<std::size_t>(kind - 1)]];
}

int ChartColours::labelColourOfKind(int kind) const {
    if (!IsElementKind(kind))
        return (*this)[ColourKey::AdmittanceGrid];
    return (*this)[kLabelOfKind[static_cast<std::size_t>(kind - 1)]];
}

} // namespace qv
