#pragma once

#include "core/numbers/real.h"
#include "matching/model/network_model.h"

#include <optional>
#include <string>

// Setting the ends of the matching network from what the user typed, as the setup window and the
// chart's popup both do.
namespace qv {

// One end as typed: its values, and their texts as they are stored for the setup window's fields.
struct TypedEnd {
    Real r = 0;
    Real x = 0;
    std::string rText;
    std::string xText;
};

// Sets the load and the source (an end not given stays as it is) in ohms, or normalised to Zo,
// through the model as one change; then stores the typed texts under the setup window's keys
// ("负载R", "负载j", "源点R", "源点j") with "归一化输入1". Each end is placed on the chart first, so
// that a point that cannot be drawn throws FloatingPointError with nothing changed. False when
// para.ini could not be written (the ends are set all the same).
bool SetTypedEnds(NetworkModel& network, const std::optional<TypedEnd>& load,
                  const std::optional<TypedEnd>& source, bool normalised, EndsRule rule);

} // namespace qv
