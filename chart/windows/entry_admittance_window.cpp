#include "chart/windows/entry_admittance_window.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/entry_points.h"
#include "chart/drawing/overlays.h"
#include "chart/windows/entry_canvas.h"
#include "core/rf/conversions.h"
#include "core/settings/program_state.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qv {

Tfgb::Tfgb(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent)
    : ChartEntryWindow("Tfgb", tr("导纳圆"), 370, 154, WindowSkyBlue, state, canvas, prompter, parent) {
    addLabel("Label1", tr("G(实部)"), 16, 18, 60);
    edit1_ = addEdit("Edit1", 78, 17, 100);
    addLabel("Label2", tr("B (虚部)"), 192, 18, 62);
    edit2_ = addEdit("Edit2", 256, 17, 100);
    checkBox1_ = addCheckBox("CheckBox1", tr("归一化输入"), 16, 60, 120);
    checkBox2_ = addCheckBox("CheckBox2", tr("标注"), 160, 60, 80);
    panel1_ = addColourBox(tr(" 色盒"), Navy, prompter_, 16, 106, 96);
    connect(addButton("BitBtn1", "&All", 270, 106, 86), &QPushButton::clicked, this, &Tfgb::BitBtn1Click);
    FitControlsToTexts(*this);
}

void Tfgb::BitBtn1Click() {
    const Refusable<EnteredPair> entered = readPair();
    if (ReportRefusal(prompter_, entered))
        return;
    const NormalisedPair y =
        EnteredAdmittance(entered->first, entered->second, checkBox1_->isChecked(), state_.Zo);
    const Complex gamma = AdmittanceToGamma(y.re, y.im);
    const PixelPoint p = GammaToPixel(state_.geometry, gamma);
    PointReadout(canvas_.picture(), p.x, p.y, state_, canvas_.readout());
    canvas_.addMark(EntryMark{gamma, panel1_->colour(),
                              checkBox2_->isChecked() ? AdmittanceEntryLabel(y.re, y.im) : std::string(),
                              std::nullopt},
                    state_.geometry);
    canvas_.repaint();
    close();
}

} // namespace qv
