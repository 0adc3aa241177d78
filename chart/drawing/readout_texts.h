#pragma once

#include "chart/analysis/cursor_readout.h"

#include <QCoreApplication>
#include <QString>
#include <array>

// The worded parts of the cursor readout: the status bar's reflection panel and element count,
// and the lines the parameter display window shows. The numbers keep their fixed formats.
namespace qv {

struct ReadoutText {
    Q_DECLARE_TR_FUNCTIONS(ReadoutText)
};

// Status panel 5: Gamma, mismatch loss, VSWR, reflected power in % and in dB on one line.
QString ReflectionStatusText(const ReflectionFigures& figures);

// The same figures one per line.
std::array<QString, ReflectionLineCount> ReflectionLines(const ReflectionFigures& figures);

// Status panel 4: how many elements the network has.
QString ElementCountText(int count);

} // namespace qv
