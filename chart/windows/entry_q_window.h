#pragma once

#include "chart/windows/entry_window.h"

namespace qv {

// "画等Q圆": the two arcs of constant Q.
class TfquQ final : public ChartEntryWindow {
    Q_OBJECT
public:
    TfquQ(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();
};

} // namespace qv
