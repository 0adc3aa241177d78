#include "chart/windows/entry_impedance_window.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/entry_points.h"
#include "chart/drawing/overlays.h"
#include "chart/windows/entry_canvas.h"
#include "core/numbers/decimal.h"
#include "core/rf/conversions.h"
#include "core/settings/program_state.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qv {

Tfinrx::Tfinrx(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent)
    : ChartEntryWindow("Tfinrx", tr("请输入R+JX"), 346, 173, WindowSkyBlue, state, canvas, prompter, parent) {
    checkBox1_ = addCheckBox("CheckBox1", tr("归一化输入"), 16, 8, 120);
    checkBox2_ = addCheckBox("CheckBox2", tr("画出等阻等抗图图"), 150, 8, 180);
    addLabel("Label2", "R", 16, 40, 16);
    edit1_ = addEdit("Edit1", 34, 39, 120);
    addLabel("Label3", "JX", 170, 40, 22);
    edit2_ = addEdit("Edit2", 196, 39, 130);
    addLabel("Label1", tr("输入归一化的值请勾上选择相"), 16, 70, 300);
    addLabel("Label4", tr("显示标注输入"), 16, 100, 90);
    edit3_ = addEdit("Edit3", 106, 99, 150);
    panel1_ = addColourBox(tr("设置画点色"), PureRed, prompter_, 16, 136, 100);
    connect(addButton("BitBtn1", "&All", 246, 136, 80), &QPushButton::clicked, this, &Tfinrx::BitBtn1Click);
    FitControlsToTexts(*this);
}

void Tfinrx::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    FixedDialog::showEvent(event);
}

void Tfinrx::BitBtn1Click() {
    const Refusable<EnteredPair> entered = readPair();
    if (ReportRefusal(prompter_, entered))
        return;
    const bool normalised = checkBox1_->isChecked();
    const NormalisedPair z = EnteredImpedance(entered->first, entered->second, normalised, state_.Zo);
    const std::string typed = U8(edit3_->text());
    EntryMark mark{ImpedanceToGamma(z.re, z.im), panel1_->colour(),
                   Trim(typed).empty() ? ImpedanceEntryLabel(z.re, z.im, normalised, state_.Zo) : typed,
                   std::nullopt};
    if (checkBox2_->isChecked())
        mark.circles = ConstantCircles{z.re, z.im, canvas_.colourBoxColour()};
    canvas_.addMark(mark, state_.geometry);
    canvas_.repaint();
}

} // namespace qv
