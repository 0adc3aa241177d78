#pragma once

#include "core/numbers/real.h"

// Finite stand-ins for unbounded values; they are passed on and printed like ordinary numbers.
namespace qv {

inline constexpr Real UnboundedImpedance = 999999.999L; // r or x at the open-circuit point
inline constexpr Real UnboundedConductance = 1000.0L;   // g at the short-circuit point
inline constexpr Real UncomputableCapacitance = 999999.0L;
inline constexpr Real RejectedEngineeringValue = 4294967295.0L; // 2^32 - 1, from ParseEngineering
inline constexpr Real RejectedInductance = -1.0L;               // from ParseInductance
inline constexpr int MissingIniInteger = -65535;

} // namespace qv
