#pragma once

#include "chart/windows/entry_window.h"

namespace qv {

// "输入Rho": a point given as a reflection coefficient in polar form (magnitude linear or in
// dB, angle in degrees), optionally with its constant-resistance and constant-reactance circles
// in the main colour-box colour, and an optional label. The readout follows the point.
class Tfinhro final : public ChartEntryWindow {
    Q_OBJECT
public:
    Tfinhro(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace qv
