#include "matching/windows/setup_window.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/entry_points.h"
#include "chart/drawing/overlays.h"
#include "chart/windows/entry_canvas.h"
#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/settings/program_state.h"
#include "matching/drawing/setup_points.h"
#include "matching/model/network_ends.h"
#include "matching/model/network_model.h"
#include "ui/field_reader.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStatusBar>

namespace qv {

namespace {

constexpr int WindowWidth = 480;
constexpr int WindowHeight = 352;
const char* const FileFilter = "Txt files (*.txt);;S files (*.s2p)";

// para.ini keys of Edit1..Edit8.
const std::array<const char*, 9> EditKeys = {
    "", "负载R", "负载j", "源点R", "源点j", "负载1R", "负载1j", "源点1R", "源点1j",
};

const char* Flag(bool set) {
    return set ? "1" : "0";
}

} // namespace

Tforg::Tforg(ProgramState& state, NetworkModel& network, ChartCanvas& canvas, Prompter& prompter,
             QWidget* parent)
    : FixedDialog("Tforg", tr("匹配总是从负载向源方向匹配，所以请先设置"), WindowWidth, WindowHeight,
                  WindowSkyBlue, parent),
      state_(state), network_(network), canvas_(canvas), prompter_(prompter) {
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* impedances = new QGroupBox(this);
    impedances->setObjectName(QStringLiteral("GroupBox1"));
    impedances->setGeometry(8, 6, 464, 136);
    addLabel("Label1", tr("R(实部)"), 60, 20, 120);
    addLabel("Label2", tr("J (虚部)"), 190, 20, 120);
    addLabel("Label3", tr("负载"), 16, 46, 40);
    edits_[LoadR] = addEdit("Edit1", 60, 45);
    edits_[LoadX] = addEdit("Edit2", 190, 45);
    addLabel("Label4", tr("源点"), 16, 78, 40);
    edits_[SourceR] = addEdit("Edit3", 60, 77);
    edits_[SourceX] = addEdit("Edit4", 190, 77);
    checkBox1_ = addCheckBox("CheckBox1", tr("归一化输入"), 330, 24, 130);
    // "标注" has never had an effect here.
    addCheckBox("CheckBox2", tr("标注"), 330, 50, 130);
    connect(addButton("Button4", tr("在用数据"), 60, 108, 120), &QPushButton::clicked, this,
            &Tforg::Button4Click);
    connect(addButton("BitBtn1", tr("&All"), 330, 100, 130), &QPushButton::clicked, this,
            &Tforg::BitBtn1Click);

    auto* reflections = new QGroupBox(this);
    reflections->setObjectName(QStringLiteral("GroupBox2"));
    reflections->setGeometry(8, 148, 464, 140);
    addLabel("Label5", tr("模值"), 60, 160, 120);
    addLabel("Label6", tr("角度"), 190, 160, 120);
    addLabel("Label7", tr("负载"), 16, 186, 40);
    edits_[LoadMagnitude] = addEdit("Edit5", 60, 185);
    edits_[LoadAngle] = addEdit("Edit6", 190, 185);
    addLabel("Label8", tr("源点"), 16, 218, 40);
    edits_[SourceMagnitude] = addEdit("Edit7", 60, 217);
    edits_[SourceAngle] = addEdit("Edit8", 190, 217);
    checkBox3_ = addCheckBox("CheckBox3", tr("对数输入    S参数输入    "), 318, 164, 150);
    connect(addButton("Button3", tr("倒换数据"), 330, 196, 130), &QPushButton::clicked, this,
            &Tforg::Button3Click);
    connect(addButton("Button1", tr("参数转换"), 60, 250, 120), &QPushButton::clicked, this,
            [this] { Button21Click(true); });
    connect(addButton("Button2", tr("确定"), 190, 250, 120), &QPushButton::clicked, this,
            [this] { Button21Click(false); });

    checkBox4_ = addCheckBox("CheckBox4", tr("重新开始"), 16, 298, 120);
    connect(addButton("BitBtn3", tr("L"), 330, 295, 60), &QPushButton::clicked, this, &Tforg::BitBtn3Click);
    connect(addButton("BitBtn4", tr("S"), 400, 295, 60), &QPushButton::clicked, this, &Tforg::BitBtn4Click);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, WindowHeight - 22, WindowWidth, 22);
    for (const int width : {150, 250, 50, 50}) {
        auto* panel = new QLabel(bar);
        panel->setFixedWidth(width);
        bar->addWidget(panel);
    }

    for (std::size_t n = LoadR; n < edits_.size(); ++n)
        edits_[n]->setText(Q(state_.para.ReadParaString(EditKeys[n])));
    checkBox1_->setChecked(state_.para.ReadParaString("归一化输入1") != "0");
    checkBox3_->setChecked(state_.para.ReadParaString("对数输入2") != "0");

    connect(&network_, &NetworkModel::changed, this, &Tforg::networkChanged);
}

EndsRule Tforg::endsRule() const {
    return checkBox4_->isChecked() ? EndsRule::Restart : EndsRule::KeepElements;
}

void Tforg::setEnds(Complex load, Complex source) {
    const QScopedValueRollback applying(applying_, true);
    network_.setEnds(load, source, endsRule());
}

Refusable<Tforg::TypedEnds> Tforg::readImpedances() const {
    FieldReader reader;
    const std::string inputError = U8(tr("输入错误！"));
    const auto typed = [&](Field r, Field x) {
        TypedEnd end;
        end.r = reader.number(*edit(r), inputError);
        end.x = reader.number(*edit(x), inputError);
        end.rText = std::string(Trim(U8(edit(r)->text())));
        end.xText = std::string(Trim(U8(edit(x)->text())));
        return end;
    };
    TypedEnds ends;
    ends.load = typed(LoadR, LoadX);
    ends.source = typed(SourceR, SourceX);
    return reader.result(ends);
}

Refusable<Tforg::ReflectionRow> Tforg::readReflection(Field magnitude, Field angle) const {
    FieldReader reader;
    const std::string inputError = U8(tr("输入错误！"));
    ReflectionRow row;
    row.magnitude = reader.number(*edit(magnitude), inputError);
    row.angleDegrees = reader.number(*edit(angle), inputError);
    return reader.result(row);
}

void Tforg::BitBtn1Click() {
    const Refusable<TypedEnds> ends = readImpedances();
    if (ReportRefusal(prompter_, ends))
        return;
    bool written = false;
    {
        const QScopedValueRollback applying(applying_, true);
        written = SetTypedEnds(network_, ends->load, ends->source, checkBox1_->isChecked(), endsRule());
    }
    close();
    if (!written)
        prompter_.showMessage(tr("无法保存para.ini"));
}

void Tforg::Button21Click(bool keepOpen) {
    const bool decibels = checkBox3_->isChecked();
    Surface& picture = canvas_.picture();
    // One end: slot 1's node (the load) or its source, marked in its colour. The label's sign
    // follows the reactance, so the text always reads as the point's impedance.
    const auto applyRow = [&](Field magnitude, Field angle, int markerColour, Real MatchNode::*r,
                              Real MatchNode::*x) {
        const Refusable<ReflectionRow> row = readReflection(magnitude, angle);
        if (ReportRefusal(prompter_, row))
            return false;
        const ReflectionEntry end = ReflectionToImpedance(row->magnitude, row->angleDegrees, decibels);
        const PixelPoint pixel = GammaToPixel(state_.geometry, end.gamma);
        MatchNode ends = state_.network[1];
        ends.*r = end.r;
        ends.*x = end.x;
        setEnds({ends.nodeR, ends.nodeX}, {ends.sourceR, ends.sourceX});
        PointReadout(picture, pixel.x, pixel.y, state_, canvas_.readout());
        MarkNetworkEnd(picture, pixel, markerColour, ImpedanceEntryLabel(end.r, end.x, true, state_.Zo));
        return true;
    };
    const bool loadApplied =
        applyRow(LoadMagnitude, LoadAngle, LoadMarkerColour, &MatchNode::nodeR, &MatchNode::nodeX);
    if (!loadApplied || !applyRow(SourceMagnitude, SourceAngle, SourceMarkerColour, &MatchNode::sourceR,
                                  &MatchNode::sourceX)) {
        if (loadApplied)
            canvas_.repaint();
        return;
    }
    canvas_.repaint();

    for (const Field n : {LoadMagnitude, LoadAngle, SourceMagnitude, SourceAngle})
        state_.para.WriteParaString(EditKeys[n], Trim(U8(edit(n)->text())));
    state_.para.WriteParaString("归一化输入1", Flag(checkBox1_->isChecked()));
    state_.para.WriteParaString("对数输入2", Flag(decibels));
    if (!keepOpen)
        close();
}

void Tforg::Button4Click() {
    bursh();
}

void Tforg::bursh() {
    const MatchNode& ends = state_.network[1];
    const Real scale = checkBox1_->isChecked() ? 1 : state_.Zo;
    edit(SourceR)->setText(Q(Format("%4.2f", {ends.sourceR * scale})));
    edit(SourceX)->setText(Q(Format("%4.2f", {ends.sourceX * scale})));
    edit(LoadR)->setText(Q(Format("%4.2f", {ends.nodeR * scale})));
    edit(LoadX)->setText(Q(Format("%4.2f", {ends.nodeX * scale})));
}

void Tforg::Button3Click() {
    const QString loadMagnitude = edit(LoadMagnitude)->text().trimmed();
    const QString loadAngle = edit(LoadAngle)->text().trimmed();
    edit(LoadMagnitude)->setText(edit(SourceMagnitude)->text().trimmed());
    edit(LoadAngle)->setText(edit(SourceAngle)->text().trimmed());
    edit(SourceMagnitude)->setText(loadMagnitude);
    edit(SourceAngle)->setText(loadAngle);
}

SetupEntries Tforg::entries() const {
    SetupEntries e;
    e.normalised = checkBox1_->isChecked();
    e.loadR = U8(edit(LoadR)->text());
    e.loadX = U8(edit(LoadX)->text());
    e.sourceR = U8(edit(SourceR)->text());
    e.sourceX = U8(edit(SourceX)->text());
    e.decibels = checkBox3_->isChecked();
    e.loadMag = U8(edit(LoadMagnitude)->text());
    e.loadAngle = U8(edit(LoadAngle)->text());
    e.sourceMag = U8(edit(SourceMagnitude)->text());
    e.sourceAngle = U8(edit(SourceAngle)->text());
    return e;
}

void Tforg::showEntries(const SetupEntries& e) {
    checkBox1_->setChecked(e.normalised);
    edit(LoadR)->setText(Q(e.loadR));
    edit(LoadX)->setText(Q(e.loadX));
    edit(SourceR)->setText(Q(e.sourceR));
    edit(SourceX)->setText(Q(e.sourceX));
    checkBox3_->setChecked(e.decibels);
    edit(LoadMagnitude)->setText(Q(e.loadMag));
    edit(LoadAngle)->setText(Q(e.loadAngle));
    edit(SourceMagnitude)->setText(Q(e.sourceMag));
    edit(SourceAngle)->setText(Q(e.sourceAngle));
}

void Tforg::BitBtn3Click() {
    const std::optional<QString> path =
        prompter_.openFileName(tr("L"), Q(state_.programDir), QString::fromUtf8(FileFilter));
    if (!path || !QFileInfo::exists(*path))
        return;
    const std::optional<SetupEntries> loaded = ReadSparaSetup(U8(*path));
    if (!loaded) {
        prompter_.showMessage(tr("不是参数文件: %1").arg(*path));
        return;
    }
    showEntries(*loaded);
}

void Tforg::BitBtn4Click() {
    const std::optional<QString> path =
        prompter_.saveFileName(tr("S"), Q(state_.programDir), QString::fromUtf8(FileFilter));
    if (!path || path->isEmpty())
        return;
    if (QFileInfo::exists(*path) && prompter_.ask(tr("S para file  Exists")) != Prompter::Answer::Yes)
        return;
    if (!WriteSparaSetup(U8(*path), entries()))
        prompter_.showMessage(tr("参数文件没有保存: %1").arg(*path));
}

void Tforg::networkChanged(NetworkChange change) {
    // The fields keep what the user typed while this window applies it.
    if (applying_)
        return;
    // A network without ends (the start-up reset) has nothing to show: the fields keep the ends
    // stored in para.ini, which confirming then applies and writes back unchanged.
    if (state_.NodeCount < 1)
        return;
    if (change == NetworkChange::Ends || change == NetworkChange::Loaded || change == NetworkChange::Reset ||
        change == NetworkChange::Restored || change == NetworkChange::Several)
        bursh();
}

} // namespace qv
