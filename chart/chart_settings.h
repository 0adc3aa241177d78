#pragma once

#include "core/program_state.h"

namespace qv {

// Loads "effflag", "matchflag", "Fo", "Zo", the twenty chart colours and the parts model from para.ini into
// the state, writing the defaults of missing keys. A stored Fo or Zo that is not a usable positive value
// keeps the state's value.
void LoadChartSettings(ProgramState& state);

} // namespace qv
