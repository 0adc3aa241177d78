#pragma once

#include <array>
#include <cstdint>

// The twenty colours of section "Color" of para.ini, 24-bit integers in 0x00BBGGRR order
// (255 is pure red), in the order the main window reads them.
namespace qv {

enum class ColourKey : int {
    AdmittanceGrid,       // "圆图电导圆"
    ResistanceGrid,       // "圆图电阻圆"
    MarkerText,           // "标注字色"
    MarkerPoint,          // "标注点色" (stored only)
    SeriesCapLine,        // "匹配串电容色"       kind 1
    SeriesIndLine,        // "匹配串电感色"       kind 3
    ShuntCapLine,         // "匹配并电容色"       kind 2
    ShuntIndLine,         // "匹配并电感色"       kind 4
    SeriesStripLine,      // "匹配串微带色"       kind 5
    ShuntStripLine,       // "匹配并微带色"       kind 6
    SeriesCapLabel,       // "匹配串电容标注色"
    SeriesIndLabel,       // "匹配串电感标注色"
    ShuntCapLabel,        // "匹配并电容标注色"
    ShuntIndLabel,        // "匹配并电感标注色"
    SeriesStripLabel,     // "匹配串微带标注色"
    ShuntStripLabel,      // "匹配并微带标注色"
    SeriesImpedanceLine,  // "匹配串阻抗"         kind 7
    ShuntImpedanceLine,   // "匹配并并阻抗"       kind 8 (the doubled character is the stored key)
    SeriesImpedanceLabel, // "匹配串阻抗标注色"
    ShuntImpedanceLabel,  // "匹配并阻抗标注色"
};

struct ColourKeyDefault {
    const char* key;
    int defaultColour;
};

inline constexpr int ColourKeyCount = 20;
extern const std::array<ColourKeyDefault, ColourKeyCount> ColourKeys;

struct ChartColours {
    std::array<int, ColourKeyCount> values{};
    int operator[](ColourKey k) const { return values[static_cast<std::size_t>(k)]; }
    int& operator[](ColourKey k) { return values[static_cast<std::size_t>(k)]; }
    static ChartColours Defaults();
    // Line and label colours of an element kind 1..9; the grid colours for any other kind.
    int lineColourOfKind(int kind) const;
    int labelColourOfKind(int kind) const;
};

} // namespace qv
