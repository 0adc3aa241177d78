#pragma once

#include "core/numbers/real.h"
#include "core/settings/para_ini.h"

#include <optional>
#include <string>

// The real parts a network is built from: a quality factor for every inductor and every capacitor,
// constant over frequency (an inductor is jwL + wL/QL, a capacitor's admittance jwC + wC/QC; Q 0
// is an ideal part), and a tolerance in percent for each kind, within which a built part's value
// lies. The chart's design view stays lossless; responses and the yield use these.
namespace qv {

struct PartsModel {
    Real QL = 0;
    Real QC = 0;
    Real TL = 0; // percent
    Real TC = 0; // percent
};

// The losses alone, as the node calculation takes them.
struct PartLosses {
    Real QL = 0;
    Real QC = 0;
};

inline PartLosses LossesOf(const PartsModel& parts) {
    return {parts.QL, parts.QC};
}

// Why the values cannot be taken: a Q that is negative or not finite, a tolerance outside 0..<100.
// Nothing when they can. The number of the offending value (1..4) is given in `which`.
enum class PartsProblem { None, NegativeQ, ToleranceRange };
PartsProblem CheckPartsModel(const PartsModel& parts, int* which = nullptr);

// para.ini keys "PartsQL", "PartsQC", "PartsTL", "PartsTC" of section "PARA" (default "0"). A stored
// set that is no valid model reads as the ideal parts.
PartsModel ReadPartsModel(const ParaIni& para);
// False when para.ini could not be written.
bool WritePartsModel(const ParaIni& para, const PartsModel& parts);

} // namespace qv
