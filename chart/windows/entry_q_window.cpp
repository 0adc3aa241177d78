#include "chart/windows/entry_q_window.h"

#include "chart/windows/entry_canvas.h"
#include "core/settings/program_state.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qv {

TfquQ::TfquQ(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent)
    : ChartEntryWindow("TfquQ", tr("画等Q圆"), 287, 175, WindowSkyBlue, state, canvas, prompter, parent) {
    addLabel("Label1", tr("Q值"), 16, 18, 50);
    edit1_ = addEdit("Edit1", 72, 17, 196);
    // The label field and "是否标注" have never had an effect here.
    addLabel("Label2", tr("标注"), 16, 52, 50);
    addEdit("Edit2", 72, 51, 196)->setText(QStringLiteral("Q="));
    addCheckBox("CheckBox1", tr("是否标注"), 16, 88, 120);
    panel1_ = addColourBox(tr("选择色"), Navy, prompter_, 16, 128, 100);
    connect(addButton("BitBtn1", "&All", 182, 128, 86), &QPushButton::clicked, this, &TfquQ::BitBtn1Click);
    FitControlsToTexts(*this);
}

void TfquQ::BitBtn1Click() {
    FieldReader reader;
    const Real quality = reader.number(*edit1_, InputErrorText());
    reader.require(quality > 0, U8(tr("输入错误！Q值必须大于0")));
    const Refusable<Real> Q = reader.result(quality);
    if (ReportRefusal(prompter_, Q))
        return;
    canvas_.addMark(ConstantQMark{*Q, panel1_->colour()}, state_.geometry);
    canvas_.repaint();
    close();
}

} // namespace qv
