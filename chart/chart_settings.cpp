#include "chart/chart_settings.h"

#include "core/decimal.h"
#include "core/engineering.h"
#include "core/errors.h"
#include "core/sentinels.h"

#include <cmath>

namespace qv {

namespace {
int ReadFlag(const ParaIni& para, const char* key) {
    int value = 0;
    return TryStrToInt(para.ReadParaString(key), value) ? value : 0;
}

void ReadPositive(const ParaIni& para, const char* key, Real& target) {
    try {
        const Real value = ParseEngineering(para.ReadParaString(key));
        if (IsUsablePositive(value))
            target = value;
    } catch (const ConversionError&) {
        // A hand-edited value that is no number leaves the built-in value in force.
    }
}
} // namespace

void LoadChartSettings(ProgramState& state) {
    state.effflag = ReadFlag(state.para, "effflag");
    state.matchflag = ReadFlag(state.para, "matchflag");
    ReadPositive(state.para, "Fo", state.Fo);
    ReadPositive(state.para, "Zo", state.Zo);
    state.colours = state.para.ReadChartColours();
    state.parts = ReadPartsModel(state.para);
}

} // namespace qv
