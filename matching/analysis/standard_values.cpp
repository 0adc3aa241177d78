#include "matching/analysis/standard_values.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <utility>

namespace qv {

namespace {

// Mantissas of one decade, two significant digits for E12 and E24, three for E48 and E96.
constexpr std::array<int, 12> E12Values = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> E24Values = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                           33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> E48Values = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                           178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                           316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                           562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> E96Values = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

std::span<const int> Mantissas(ESeries series) {
    switch (series) {
    case ESeries::E12:
        return E12Values;
    case ESeries::E24:
        return E24Values;
    case ESeries::E48:
        return E48Values;
    case ESeries::E96:
        break;
    }
    return E96Values;
}

} // namespace

std::optional<ESeries> ParseESeries(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    for (ESeries series : {ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96})
        if (upper == ESeriesName(series))
            return series;
    return std::nullopt;
}

std::string_view ESeriesName(ESeries series) {
    static constexpr std::pair<ESeries, std::string_view> Names[] = {
        {ESeries::E12, "E12"}, {ESeries::E24, "E24"}, {ESeries::E48, "E48"}, {ESeries::E96, "E96"}};
    for (const auto& [each, name] : Names)
        if (each == series)
            return name;
    return "E96";
}

Real NearestStandardValue(Real value, ESeries series) {
    if (!std::isfinite(value) || value <= 0)
        return value;
    const std::span<const int> mantissas = Mantissas(series);
    const int digits = mantissas.front() >= 100 ? 3 : 2;
    // The decade whose mantissas (10..99 or 100..999) bracket the value; the first member of the
    // next decade is a candidate too.
    const int exponent = static_cast<int>(std::floor(std::log10(value))) - (digits - 1);
    Real best = value;
    Real bestDistance = std::numeric_limits<Real>::infinity();
    for (int shift = -1; shift <= 1; ++shift) {
        const Real scale = std::pow(10.0L, static_cast<Real>(exponent + shift));
        for (int m : mantissas) {
            const Real candidate = m * scale;
            const Real distance = std::fabs(std::log(candidate / value));
            if (distance < bestDistance) {
                best = candidate;
                bestDistance = distance;
            }
        }
    }
    return best;
}

} // namespace qv
