#include "chart/windows/entry_gamma_window.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/entry_points.h"
#include "chart/drawing/overlays.h"
#include "chart/windows/entry_canvas.h"
#include "core/numbers/decimal.h"
#include "core/settings/program_state.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qv {

Tfinhro::Tfinhro(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent)
    : ChartEntryWindow("Tfinhro", tr("输入Rho"), 431, 167, WindowWhite, state, canvas, prompter, parent) {
    addLabel("Label1", "Magnitude<=1                       Angle  (degrees) ", 16, 8, 400);
    edit1_ = addEdit("Edit1", 16, 32, 150);
    edit2_ = addEdit("Edit2", 200, 32, 150);
    checkBox1_ = addCheckBox("CheckBox1", tr("对数输入"), 16, 62, 100);
    checkBox2_ = addCheckBox("CheckBox2", tr("画出等阻圆和等抗圆"), 130, 62, 200);
    addLabel("Label2", tr("极坐标输入时，是归一化后的值。勾上\"对数输入\"按对数计算"), 16, 88, 400);
    addLabel("Label3", tr("显示标注输入"), 16, 128, 90);
    edit3_ = addEdit("Edit3", 106, 127, 120);
    panel1_ = addColourBox(tr("选择画点色"), Navy, prompter_, 236, 125, 96);
    connect(addButton("BitBtn1", "&All", 342, 125, 76), &QPushButton::clicked, this, &Tfinhro::BitBtn1Click);
    FitControlsToTexts(*this);
}

void Tfinhro::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    FixedDialog::showEvent(event);
}

void Tfinhro::BitBtn1Click() {
    const Refusable<EnteredPair> entered = readPair();
    if (ReportRefusal(prompter_, entered))
        return;
    const Real magnitude = entered->first;
    const Real angle = entered->second;
    // A passive load reflects at most what arrives.
    if (!(EnteredMagnitude(magnitude, checkBox1_->isChecked()) <= 1)) {
        prompter_.showMessage(tr("输入错误！反射系数的模不能大于1"));
        return;
    }
    const Complex gamma = EnteredReflection(magnitude, angle, checkBox1_->isChecked());
    const PixelPoint p = GammaToPixel(state_.geometry, gamma);
    const ReadoutPoint point = PointReadout(canvas_.picture(), p.x, p.y, state_, canvas_.readout());
    EntryMark mark{gamma, panel1_->colour(), U8(edit3_->text()), std::nullopt};
    if (Trim(mark.label).empty())
        mark.label.clear();
    if (checkBox2_->isChecked())
        mark.circles = ConstantCircles{point.r, point.x, canvas_.colourBoxColour()};
    canvas_.addMark(mark, state_.geometry);
    canvas_.repaint();
    close();
}

} // namespace qv
