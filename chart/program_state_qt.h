#pragma once

// The program state for files that also see Qt, whose keyword macro "slots" would otherwise
// rewrite the network's member of that name.
#pragma push_macro("slots")
#undef slots
#include "core/program_state.h"
#pragma pop_macro("slots")
