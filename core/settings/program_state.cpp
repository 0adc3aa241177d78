#include "core/settings/program_state.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"

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

void ProgramState::loadStoredSettings() {
    net_.effflag = ReadFlag(para, "effflag");
    net_.matchflag = ReadFlag(para, "matchflag");
    ReadPositive(para, "Fo", net_.Fo);
    ReadPositive(para, "Zo", net_.Zo);
    colours = para.ReadChartColours();
    net_.parts = ReadPartsModel(para);
}

} // namespace qv
