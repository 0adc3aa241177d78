#pragma once

// The arithmetic type of every RF calculation: the x87 80-bit extended format (64-bit mantissa).
namespace qv {

using Real = long double;

inline constexpr Real Pi = 3.14159265358979323846264338327950288L;
inline constexpr Real TwoPi = 6.283185307179586477L;
inline constexpr Real DegreesToRadians = TwoPi / 360.0L;
inline constexpr Real SpeedOfLight = 299792458.0L; // metres per second, exact

} // namespace qv
