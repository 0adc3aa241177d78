#pragma once

#include "ui/fixed_dialog.h"

class QCheckBox;
class QLineEdit;

namespace qv {

class ChartCanvas;
class Prompter;
struct ProgramState;

// "等VSWR": a point given by VSWR and angle, optionally with its constant-VSWR circle.
class Tqswr final : public FixedDialog {
    Q_OBJECT
public:
    Tqswr(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();

private:
    ProgramState& state_;
    ChartCanvas& canvas_;
    Prompter& prompter_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    ColourBox* panel1_ = nullptr;
};

} // namespace qv
