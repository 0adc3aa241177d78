#pragma once

#include "core/numbers/real.h"

#include <optional>
#include <string_view>

// Preferred component values: the nearest member of an E series to an exact value.
namespace qv {

enum class ESeries { E12 = 12, E24 = 24, E48 = 48, E96 = 96 };

// "E12", "E24", "E48", "E96" (case as typed is ignored); nothing for any other text.
std::optional<ESeries> ParseESeries(std::string_view text);
std::string_view ESeriesName(ESeries series);

// The member of the series nearest to value on a logarithmic scale (the smaller one on a tie).
// Values that are not positive and finite are returned unchanged.
Real NearestStandardValue(Real value, ESeries series);

} // namespace qv
