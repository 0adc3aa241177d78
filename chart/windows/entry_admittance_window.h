#pragma once

#include "chart/windows/entry_window.h"

namespace qv {

// "导纳圆": a point given as an admittance in siemens or normalised, optionally labelled with
// its normalised value. The readout follows the point.
class Tfgb final : public ChartEntryWindow {
    Q_OBJECT
public:
    Tfgb(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();
};

} // namespace qv
