#pragma once

// Fixed colours of the chart (0x00BBGGRR, 255 is pure red); the configurable ones are the
// ChartColours of para.ini.
namespace qv {

inline constexpr int ChartRed = 255;                  // axes, cursor marker, input stability circle
inline constexpr int ChartBlue = 16711680;            // 0xFF0000: output stability circle
inline constexpr int ChartWhite = 0xFFFFFF;           // background of the picture
inline constexpr int ResistanceLabelColour = 6579455; // 0x6464FF, RGB 255,100,100
inline constexpr int ColourBoxStartColour = 0x008080; // olive, RGB 128,128,0
inline constexpr int ColourBoxStartTextColour = 0xFFFFFF;

} // namespace qv
