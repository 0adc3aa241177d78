#pragma once

#include "chart/windows/entry_window.h"

namespace qv {

// "请输入R+JX": a point given as an impedance in ohms or normalised, labelled with the typed
// text or its value. The window stays open for the next point.
class Tfinrx final : public ChartEntryWindow {
    Q_OBJECT
public:
    Tfinrx(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace qv
