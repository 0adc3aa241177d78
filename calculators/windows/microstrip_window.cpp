#include "calculators/windows/microstrip_window.h"

#include "calculators/analysis/inductor_estimate.h"
#include "calculators/analysis/microstrip_figures.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/rf/microstrip.h"
#include "core/rf/microstrip_dispersive.h"
#include "ui/interface_text.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QStatusBar>
#include <algorithm>

namespace qv {

namespace {

constexpr int WindowWidth = 870;
constexpr int WindowHeight = 580;
constexpr int WindowGrey = 0xF0F0F0;
constexpr int PictureLeft = 10;
constexpr int PictureTop = 300;

const char* const WidthHint = "默认单位为mm，可以输入50m，或50M，表示50Imper(mil) ";
const char* const MillimetreHint = "单位为mm";
const char* const ReferenceHint =
    "Hammerstad–Jensen (1980) 静态模型给出特征阻抗和有效常数，Kirschning–Jansen (1982) 给出操作频率下的"
    "色散。适用范围：0.1 ≤ W/H ≤ 100，Er ≤ 128，色散约至 60 GHz";
const char* const ParameterError = "参数输入错误！！！";
const char* const ReferenceNote = "业界通用模型，供核对（网络中的微带元件用左侧的本程序模型）";
const char* const DispersionWarning = "注意：基板厚度超过0.13波长，色散公式不再适用";
const char* const ProgramModelHint = "本程序的闭式公式：网络中的微带元件和\"阻抗计算线宽\"的线宽都用它";

} // namespace

TcalcMirc::TcalcMirc(const int& effflag, Prompter& prompter, QWidget* parent)
    : FixedDialog("TcalcMirc", "微带线计算", WindowWidth, WindowHeight, WindowGrey, parent),
      effflag_(effflag), prompter_(prompter) {
    buildLineFields();
    buildReferenceGroup();
    buildInductorPanel();

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, WindowHeight - 24, WindowWidth, 24);
    const std::array<int, 4> widths = {50, 200, 50, 50};
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        statusPanels_[i]->setFixedWidth(widths[i]);
        bar->addWidget(statusPanels_[i]);
    }
}

QComboBox* TcalcMirc::addUnitBox(int number, int x, int y, QWidget* into) {
    auto* box = new QComboBox(into ? into : this);
    box->setObjectName(QStringLiteral("ComboBox%1").arg(number));
    box->addItems({QStringLiteral("mm"), QStringLiteral("mil")});
    box->setGeometry(x, y, 58, 24);
    unitBoxes_[number] = box;
    return box;
}

void TcalcMirc::buildLineFields() {
    struct Row {
        int edit;
        const char* label;
        const char* text;
        int unitBox; // 0: none
        const char* hint;
    };
    const std::array<Row, 6> inputs = {{{1, "微带线宽", "0.76", 1, WidthHint},
                                        {2, "基板厚度", "0.6", 2, MillimetreHint},
                                        {3, "铜簿厚度", "0.035", 3, MillimetreHint},
                                        {4, "介电常数", "4.6", 0, ""},
                                        {5, "微带线长", "", 4, MillimetreHint},
                                        {6, "操作频率", "500M", 0, ""}}};
    int y = 12;
    for (const Row& row : inputs) {
        addLabel(Format("Label%d", {row.edit}).c_str(), row.label, 10, y, 70);
        edits_[row.edit] = addEdit(Format("Edit%d", {row.edit}).c_str(), 80, y, 120);
        edits_[row.edit]->setText(QString::fromUtf8(row.text));
        edits_[row.edit]->setToolTip(QString::fromUtf8(row.hint));
        if (row.unitBox)
            addUnitBox(row.unitBox, 204, y);
        y += 32;
    }
    addLabel("Label7", "负载阻抗", 10, y, 70);
    edits_[7] = addEdit("Edit7", 80, y, 82);
    addLabel("LabelJ", "+j", 165, y, 16);
    edits_[8] = addEdit("Edit8", 180, y, 82);

    const std::array<std::pair<int, const char*>, 8> results = {{{9, "特征阻抗"},
                                                                 {10, "L  处阻抗"},
                                                                 {11, "虚     部"},
                                                                 {12, "相   速  度"},
                                                                 {13, "有效常数"},
                                                                 {14, "有效波长"},
                                                                 {15, "相     移"},
                                                                 {16, "工作频率"}}};
    y = 12;
    for (const auto& [edit, label] : results) {
        addLabel(Format("Label%d", {edit}).c_str(), label, 290, y, 70);
        edits_[edit] = addEdit(Format("Edit%d", {edit}).c_str(), 362, y, 150);
        y += 32;
    }
    edits_[9]->setText(QStringLiteral("输入阻抗求微带线宽"));
    edits_[16]->setText(QStringLiteral("最高工作频率"));
    edits_[12]->setEnabled(false);
    edits_[13]->setEnabled(false);
    for (const char* name : {"Label1", "Label9"})
        findChild<QLabel*>(QString::fromUtf8(name))->setToolTip(QString::fromUtf8(ProgramModelHint));

    connect(addButton("BitBtn2", "特征参数计算", 10, 256, 120), &QPushButton::clicked, this,
            &TcalcMirc::BitBtn2Click);
    connect(addButton("BitBtn3", "阻抗计算线宽", 140, 256, 120), &QPushButton::clicked, this,
            &TcalcMirc::BitBtn3Click);
    connect(addButton("BitBtn1", "计算", 392, 268, 120), &QPushButton::clicked, this,
            &TcalcMirc::BitBtn1Click);
}

void TcalcMirc::buildReferenceGroup() {
    auto* group = new QGroupBox(QStringLiteral("Hammerstad–Jensen / Kirschning–Jansen"), this);
    group->setObjectName(QStringLiteral("GroupBoxReference"));
    group->setGeometry(530, 6, 330, 290);
    group->setToolTip(QString::fromUtf8(ReferenceHint));
    referenceNote_ = addLabel("LabelReference", ReferenceNote, 10, 20, 312, group);
    referenceNote_->setToolTip(QString::fromUtf8(ReferenceHint));
    const auto field = [&](const char* name, const char* label, int y) {
        addLabel((std::string(name) + "Label").c_str(), label, 10, y, 120, group);
        QLineEdit* edit = addEdit(name, 132, y, 186, group);
        edit->setReadOnly(true);
        edit->setToolTip(QString::fromUtf8(ReferenceHint));
        return edit;
    };
    referenceZ0_ = field("EditReferenceZ0", "特征阻抗 (静态)", 42);
    referenceEpsEff_ = field("EditReferenceEpsEff", "有效常数 (静态)", 66);
    dispersiveZ0_ = field("EditDispersiveZ0", "特征阻抗 (f)", 90);
    dispersiveEpsEff_ = field("EditDispersiveEpsEff", "有效常数 (f)", 114);
    referenceWavelength_ = field("EditReferenceWavelength", "有效波长 (f)", 138);
    referencePhase_ = field("EditReferencePhase", "相移 (f)", 162);
    referenceInput_ = field("EditReferenceInput", "L 处阻抗 (f)", 186);
    referenceWidth_ = field("EditReferenceWidth", "阻抗计算线宽", 210);
    referenceWidthZ0_ = field("EditReferenceWidthZ0", "此线宽的Z0 (本程序)", 234);
    programWidthZ0_ = field("EditProgramWidthZ0", "左侧线宽的Z0 (通用)", 258);
}

void TcalcMirc::buildInductorPanel() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/calculators/inductor_shapes.jpg")));
    picture->setGeometry(PictureLeft, PictureTop, 600, 240);
    const auto at = [](int x, int y) { return QPoint(PictureLeft + x, PictureTop + y); };

    const std::array<const char*, 3> shapeNames = {"带状", "环型", "螺旋"};
    for (int i = 0; i < 3; ++i) {
        shapes_[i] = new QRadioButton(QString::fromUtf8(shapeNames[i]), this);
        shapes_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        shapes_[i]->setGeometry(QRect(at(8 + 200 * i, 2), QSize(80, 22)));
    }

    // The dimension fields sit under the shape they measure.
    struct Dimension {
        int edit;
        int unitBox; // 0: a plain number
        const char* label;
        int x, y;
    };
    const std::array<Dimension, 5> dimensions = {{{17, 12, "l", 6, 150},
                                                  {20, 11, "a", 206, 150},
                                                  {21, 9, "do", 406, 150},
                                                  {22, 10, "di", 406, 180},
                                                  {18, 0, "圈数", 406, 210}}};
    for (const Dimension& d : dimensions) {
        const QPoint p = at(d.x, d.y);
        addLabel(Format("Label%d", {d.edit}).c_str(), d.label, p.x(), p.y(), 32);
        edits_[d.edit] = addEdit(Format("Edit%d", {d.edit}).c_str(), p.x() + 34, p.y(), 90);
        if (d.unitBox)
            addUnitBox(d.unitBox, p.x() + 128, p.y());
    }

    const std::array<Dimension, 3> conductor = {
        {{23, 6, "线宽", 620, 320}, {25, 7, "铜厚", 620, 352}, {26, 8, "板厚", 620, 384}}};
    for (const Dimension& d : conductor) {
        addLabel(Format("Label%d", {d.edit}).c_str(), d.label, d.x, d.y, 36);
        edits_[d.edit] = addEdit(Format("Edit%d", {d.edit}).c_str(), d.x + 38, d.y, 120);
        addUnitBox(d.unitBox, d.x + 162, d.y);
    }
    edits_[25]->setText(QStringLiteral("0.0035"));
    edits_[26]->setText(QStringLiteral("0.6"));
    connect(addButton("BitBtn4", "计算电感", 658, 426, 120), &QPushButton::clicked, this,
            &TcalcMirc::BitBtn4Click);
    edits_[24] = addEdit("Edit24", 658, 466, 180);
    edits_[24]->setReadOnly(true);
}

void TcalcMirc::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TcalcMirc::reportField(const char* name) {
    prompter_.showMessage(QString::fromUtf8(name) + QStringLiteral("输入错误！"));
}

bool TcalcMirc::milSelected(int unitBox) const {
    return unitBoxes_[unitBox]->currentText() == QStringLiteral("mil");
}

void TcalcMirc::setText(int edit, const std::string& text) {
    edits_[edit]->setText(Q(text));
}

std::optional<Real> TcalcMirc::number(int edit, const char* name) {
    const std::optional<Real> value = CheckedNumber(edits_[edit]->text());
    if (!value)
        reportField(name);
    return value;
}

// The length keeps its unit flag: the status bar shows the width in the other unit.
std::optional<LengthEntry> TcalcMirc::length(int edit, int unitBox, const char* name) {
    LengthEntry entry;
    try {
        entry = ReadLengthField(U8(edits_[edit]->text()), milSelected(unitBox));
    } catch (const ConversionError&) {
        entry.unitFlag = -1;
    }
    if (entry.unitFlag == -1) {
        reportField(name);
        return std::nullopt;
    }
    return entry;
}

// A length field that must first pass the plain number check, so only its unit box selects mil.
std::optional<Real> TcalcMirc::checkedLength(int edit, int unitBox, const char* name) {
    if (!CheckedNumber(edits_[edit]->text())) {
        reportField(name);
        return std::nullopt;
    }
    const std::optional<LengthEntry> entry = length(edit, unitBox, name);
    return entry ? std::optional<Real>(entry->metres) : std::nullopt;
}

std::optional<Real> TcalcMirc::frequency() {
    Real F = RejectedEngineeringValue;
    try {
        F = ParseEngineering(Trim(U8(edits_[6]->text())));
    } catch (const ConversionError&) {
    }
    if (F == RejectedEngineeringValue) {
        reportField("操作频率");
        return std::nullopt;
    }
    return F;
}

std::optional<Real> TcalcMirc::positiveFrequency() {
    const std::optional<Real> F = frequency();
    if (F && !(*F > 0)) {
        reportField("操作频率");
        return std::nullopt;
    }
    return F;
}

// Every field is checked, by name, before anything is computed: a width of 0 or a negative
// thickness is refused here instead of failing half way through the results.
std::optional<TcalcMirc::Geometry> TcalcMirc::geometry(bool withWidth) {
    Geometry g;
    const std::optional<Real> H = checkedLength(2, 2, "基板厚度");
    if (!H)
        return std::nullopt;
    if (!(*H > 0)) {
        reportField("基板厚度");
        return std::nullopt;
    }
    const std::optional<Real> T = checkedLength(3, 3, "铜簿厚度");
    if (!T)
        return std::nullopt;
    if (!(*T >= 0)) {
        reportField("铜簿厚度");
        return std::nullopt;
    }
    const std::optional<Real> Er = number(4, "介电常数");
    if (!Er)
        return std::nullopt;
    if (!(*Er >= 1)) {
        reportField("介电常数");
        return std::nullopt;
    }
    if (withWidth) {
        const std::optional<LengthEntry> W = length(1, 1, "微带线宽");
        if (!W)
            return std::nullopt;
        if (!(W->metres > 0)) {
            reportField("微带线宽");
            return std::nullopt;
        }
        g.W = *W;
    }
    g.H = *H;
    g.T = *T;
    g.Er = *Er;
    return g;
}

void TcalcMirc::clearResults() {
    for (int n : {9, 10, 11, 12, 13, 14, 15, 16})
        edits_[n]->clear();
    for (QLineEdit* edit :
         {referenceZ0_, referenceEpsEff_, dispersiveZ0_, dispersiveEpsEff_, referenceWavelength_,
          referencePhase_, referenceInput_, referenceWidth_, referenceWidthZ0_, programWidthZ0_})
        edit->clear();
    referenceNote_->setText(Translated(QString::fromUtf8(ReferenceNote)));
}

bool TcalcMirc::thicknessLeavesHeight(Real H, Real T) {
    if (H > 2 * T)
        return true;
    prompter_.showMessage(QStringLiteral("铜箔厚度错误."));
    return false;
}

void TcalcMirc::BitBtn2Click() {
    const std::optional<Geometry> g = geometry(true);
    if (!g)
        return;
    const std::optional<Real> F = positiveFrequency();
    if (!F || !thicknessLeavesHeight(g->H, g->T))
        return;

    // Both models are computed before any field is written: a run that fails leaves no result of
    // either, rather than one model's new figures beside the other's old ones.
    MicrostripLine line;
    LinePhase phase;
    DispersiveMicrostrip reference;
    try {
        line = MicrostripZ0(g->W.metres, g->H, g->T, g->Er);
        phase = PhaseOfLine(line.Vp, *F);
        reference = KirschningJansenLine(g->W.metres, g->H, g->T, g->Er, *F);
    } catch (const std::exception&) {
        clearResults();
        throw;
    }
    setText(9, Format("%5.6f", {line.Z0}));
    setText(12, Format("%5.6f E8", {line.Vp / 1e8L}));
    setText(13, Format("%5.6f", {line.EpsEff}));
    setText(14, Format("%5.6f m", {phase.Wavelength}));
    setText(15, Format("%5.6f Deg/mm", {phase.DegreesPerMm}));
    statusPanels_[0]->setText(Q(Format("%d", {g->W.unitFlag})));
    setText(16, Format("<%fMHz", {line.FMax}));
    statusPanels_[1]->setText(Q(g->W.unitFlag == 0
                                    ? Format("线宽:%6.2fmil", {MetresToMils(g->W.metres)})
                                    : Format("线宽:%6.2fmm", {MetresToMillimetres(g->W.metres)})));
    showReferenceFigures(reference, g->H, *F);
}

void TcalcMirc::showReferenceFigures(const DispersiveMicrostrip& line, Real H, Real F) {
    const bool beyond = BeyondDispersionValidity(H, F);
    referenceNote_->setText(Translated(QString::fromUtf8(beyond ? DispersionWarning : ReferenceNote)));
    referenceNote_->setStyleSheet(beyond ? QStringLiteral("color: red") : QString());
    referenceZ0_->setText(Q(Format("%5.6f", {line.atZero.Z0})));
    referenceEpsEff_->setText(Q(Format("%5.6f", {line.atZero.EpsEff})));
    dispersiveZ0_->setText(Q(Format("%5.6f", {line.Z0})));
    dispersiveEpsEff_->setText(Q(Format("%5.6f", {line.EpsEff})));
    referenceWavelength_->setText(Q(Format("%5.6f m", {line.Wavelength})));
    referencePhase_->setText(Q(Format("%5.6f Deg/mm", {line.DegreesPerMm})));
}

void TcalcMirc::BitBtn3Click() {
    const std::optional<Real> Z0 = number(9, "特征阻抗");
    if (!Z0)
        return;
    if (!(*Z0 > 0)) {
        reportField("特征阻抗");
        return;
    }
    const std::optional<Geometry> g = geometry(false);
    if (!g || !thicknessLeavesHeight(g->H, g->T))
        return;

    // The width field gets the program's own model, which the network's microstrip elements use;
    // each width is shown with the Z0 the other model gives it, so a disagreement is seen.
    const bool mil = milSelected(1);
    const Real W = MicrostripWidth(*Z0, g->H, g->Er, g->T).W;
    const std::optional<Real> reference = HammerstadJensenWidth(*Z0, g->H, g->T, g->Er);
    const Real WInReference = HammerstadJensenLine(W, g->H, g->T, g->Er).Z0;
    const std::optional<Real> referenceInProgram =
        reference ? std::optional(MicrostripZ0(*reference, g->H, g->T, g->Er).Z0) : std::nullopt;
    setText(1, Format("%f", {mil ? MetresToMils(W) : MetresToMillimetres(W)}));
    programWidthZ0_->setText(Q(Format("%5.3f", {WInReference})));
    if (!reference) {
        referenceWidth_->setText(QStringLiteral("超出 0.1 ≤ W/H ≤ 100"));
        referenceWidthZ0_->clear();
        return;
    }
    referenceWidth_->setText(Q(mil ? Format("%5.6f mil", {MetresToMils(*reference)})
                                   : Format("%5.6f mm", {MetresToMillimetres(*reference)})));
    referenceWidthZ0_->setText(Q(Format("%5.3f", {*referenceInProgram})));
}

void TcalcMirc::BitBtn1Click() {
    try {
        const std::optional<Geometry> g = geometry(true);
        const std::optional<Real> Len = g ? checkedLength(5, 4, "微带线长") : std::nullopt;
        const std::optional<Real> R = Len ? number(7, "负载阻抗实部") : std::nullopt;
        const std::optional<Real> X = R ? number(8, "负载阻抗虚部") : std::nullopt;
        const std::optional<Real> F = X ? positiveFrequency() : std::nullopt;
        if (!F || !thicknessLeavesHeight(g->H, g->T)) {
            prompter_.showMessage(QString::fromUtf8(ParameterError));
            return;
        }
        const MicrostripTransform line =
            SeriesMicrostrip({*R, *X}, g->W.metres, *Len, g->H, g->Er, g->T, *F, effflag_ == 1);
        // The reference model always turns the load by the guided wavelength at the frequency.
        const DispersiveMicrostrip reference = KirschningJansenLine(g->W.metres, g->H, g->T, g->Er, *F);
        const Complex input = LineInputImpedance({*R, *X}, reference.Z0, reference.Wavelength, *Len);
        setText(9, Format("%5.6f", {line.Z0}));
        setText(10, Format("%5.6f", {line.Z.re}));
        setText(11, Format("%5.6f", {line.Z.im}));
        showReferenceFigures(reference, g->H, *F);
        referenceInput_->setText(Q(FormatSignedPair("", "%5.6f", input.re, input.im)));
    } catch (const std::exception&) {
        // The error's own message follows from the application's handler.
        clearResults();
        prompter_.showMessage(QString::fromUtf8(ParameterError));
        throw;
    }
}

void TcalcMirc::BitBtn4Click() {
    const auto micrometres = [](Real metres) { return metres * 1e6L; };
    const std::optional<Real> t = checkedLength(25, 7, "铜厚");
    if (!t)
        return;
    const std::optional<Real> h = checkedLength(26, 8, "板厚");
    if (!h)
        return;
    const std::optional<Real> w = checkedLength(23, 6, "线宽");
    if (!w)
        return;
    const auto ticked = std::find_if(shapes_.begin(), shapes_.end(), [](auto* b) { return b->isChecked(); });
    if (ticked == shapes_.end())
        return;
    const auto shape = ticked - shapes_.begin();

    const Real wUm = micrometres(*w);
    const Real tUm = micrometres(*t);
    const Real Kg = GroundPlaneFactor(wUm, micrometres(*h));
    Real inductance = 0;
    if (shape == 0) {
        const std::optional<Real> l = checkedLength(17, 12, "带状电感长度 l");
        if (!l)
            return;
        inductance = StripInductanceNh(micrometres(*l), wUm, tUm, Kg);
    } else if (shape == 1) {
        const std::optional<Real> a = checkedLength(20, 11, "环型电感尺寸 a");
        if (!a)
            return;
        inductance = RingInductanceNh(micrometres(*a), wUm, tUm, Kg);
    } else {
        const std::optional<Real> outer = checkedLength(21, 9, "螺旋电感外径 do");
        if (!outer)
            return;
        const std::optional<Real> inner = checkedLength(22, 10, "螺旋电感内径 di");
        if (!inner)
            return;
        int turns = 0;
        if (!TryStrToInt(Trim(U8(edits_[18]->text())), turns) || turns < 1) {
            reportField("圈数");
            return;
        }
        if (*outer < *inner) {
            prompter_.showMessage(QStringLiteral("螺旋电感的外径不能小于内径！"));
            return;
        }
        inductance = SpiralInductanceNh(micrometres(*outer), micrometres(*inner), turns, Kg);
    }
    setText(24, Format("%f nH", {inductance}));
    statusPanels_[1]->setText(Q(Format("Kg:%f (应>0.05)", {Kg})));
}

} // namespace qv
