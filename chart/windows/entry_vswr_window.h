#pragma once

#include "chart/windows/entry_window.h"

namespace qv {

// "等VSWR": a point given by VSWR and angle, optionally with its constant-VSWR circle.
class Tqswr final : public ChartEntryWindow {
    Q_OBJECT
public:
    Tqswr(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();
};

} // namespace qv
