#pragma once

#include "ui/fixed_dialog.h"

class QCheckBox;
class QLineEdit;

namespace qv {

class ChartCanvas;
class Prompter;
struct ProgramState;

// "画等Q圆": the two arcs of constant Q.
class TfquQ final : public FixedDialog {
    Q_OBJECT
public:
    TfquQ(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();

private:
    ProgramState& state_;
    ChartCanvas& canvas_;
    Prompter& prompter_;
    QLineEdit* edit1_ = nullptr;
    ColourBox* panel1_ = nullptr;
};

} // namespace qv
