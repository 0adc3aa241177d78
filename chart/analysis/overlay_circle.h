#pragma once

#include "core/numbers/complex.h"

#include <string>

// A circle a two-port design puts on the chart (a gain or noise circle) with its legend line.
namespace qv {

struct OverlayCircle {
    Complex centre; // reflection coefficient
    Real radius = 0;
    int colour = 0;     // 0x00BBGGRR
    std::string legend; // UTF-8
};

} // namespace qv
