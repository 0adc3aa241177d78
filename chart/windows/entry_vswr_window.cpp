#include "chart/windows/entry_vswr_window.h"

#include "chart/windows/entry_canvas.h"
#include "core/settings/program_state.h"
#include "ui/prompter.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qv {

Tqswr::Tqswr(ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent)
    : ChartEntryWindow("Tqswr", tr("等VSWR"), 234, 172, WindowSkyBlue, state, canvas, prompter, parent) {
    addLabel("Label1", "VSWR", 16, 18, 50);
    edit1_ = addEdit("Edit1", 72, 17, 146);
    addLabel("Label2", tr("ANGLE"), 16, 52, 50);
    edit2_ = addEdit("Edit2", 72, 51, 146);
    checkBox1_ = addCheckBox("CheckBox1", tr("画等VSWR圆"), 16, 88, 110);
    // "标注" has never had an effect here.
    addCheckBox("CheckBox2", tr("标注"), 140, 88, 70);
    panel1_ = addColourBox(tr("选择色"), Navy, prompter_, 16, 126, 90);
    connect(addButton("BitBtn1", "&All", 132, 126, 86), &QPushButton::clicked, this, &Tqswr::BitBtn1Click);
    FitControlsToTexts(*this);
}

void Tqswr::BitBtn1Click() {
    const Refusable<EnteredPair> entered = readPair();
    if (ReportRefusal(prompter_, entered))
        return;
    const Real vswr = entered->first;
    const Real angle = entered->second;
    if (!(vswr >= 1)) {
        prompter_.showWarningToIgnore(tr("VSWR不能小于1"));
        return;
    }
    canvas_.addMark(VswrMark{angle, vswr, checkBox1_->isChecked(), panel1_->colour()}, state_.geometry);
    canvas_.repaint();
    close();
}

} // namespace qv
