#pragma once

#include "ui/fixed_dialog.h"

class QCheckBox;
class QLineEdit;

namespace qv {

class ChartCanvas;
class Prompter;
struct ProgramState;

// "导纳圆": a point given as an admittance in siemens or normalised, optionally labelled with
// its normalised value. The readout follows the point.
class Tfgb final : public FixedDialog {
    Q_OBJECT
public:
    Tfgb(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click();

private:
    ProgramState& state_;
    ChartCanvas& canvas_;
    Prompter& prompter_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    ColourBox* panel1_ = nullptr;
};

} // namespace qv
