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
#include "ui/field_reader.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QComboBox>
#include <QCoreApplication>
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

const char* const WidthHint =
    QT_TRANSLATE_NOOP("qv::TcalcMirc", "默认单位为mm，可以输入50m，或50M，表示50Imper(mil) ");
const char* const MillimetreHint = QT_TRANSLATE_NOOP("qv::TcalcMirc", "单位为mm");
const char* const ReferenceHint = QT_TRANSLATE_NOOP(
    "qv::TcalcMirc", "Hammerstad–Jensen (1980) 静态模型给出特征阻抗和有效常数，Kirschning–Jansen (1982) "
                     "给出操作频率下的色散。适用范围：0.1 ≤ W/H ≤ 100，Er ≤ 128，色散约至 60 GHz");
const char* const ParameterError = QT_TRANSLATE_NOOP("qv::TcalcMirc", "参数输入错误！！！");
const char* const ReferenceNote =
    QT_TRANSLATE_NOOP("qv::TcalcMirc", "业界通用模型，供核对（网络中的微带元件用左侧的本程序模型）");
const char* const DispersionWarning =
    QT_TRANSLATE_NOOP("qv::TcalcMirc", "注意：基板厚度超过0.13波长，色散公式不再适用");
const char* const ProgramModelHint =
    QT_TRANSLATE_NOOP("qv::TcalcMirc", "本程序的闭式公式：网络中的微带元件和\"阻抗计算线宽\"的线宽都用它");

} // namespace

TcalcMirc::TcalcMirc(const int& effflag, Prompter& prompter, QWidget* parent)
    : FixedDialog("TcalcMirc", qUtf8Printable(tr("微带线计算")), WindowWidth, WindowHeight, WindowGrey,
                  parent),
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
    FitControlsToTexts(*this);
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
    const std::array<Row, 6> inputs = {
        {{LineWidth, QT_TR_NOOP("微带线宽"), "0.76", WidthUnit, WidthHint},
         {SubstrateHeight, QT_TR_NOOP("基板厚度"), "0.6", HeightUnit, MillimetreHint},
         {CopperThickness, QT_TR_NOOP("铜簿厚度"), "0.035", CopperUnit, MillimetreHint},
         {Permittivity, QT_TR_NOOP("介电常数"), "4.6", NoUnit, ""},
         {LineLength, QT_TR_NOOP("微带线长"), "", LengthUnit, MillimetreHint},
         {OperatingFrequency, QT_TR_NOOP("操作频率"), "500M", NoUnit, ""}}};
    int y = 12;
    for (const Row& row : inputs) {
        addLabel(Format("Label%d", {row.edit}).c_str(), qUtf8Printable(tr(row.label)), 10, y, 70);
        edits_[row.edit] = addEdit(Format("Edit%d", {row.edit}).c_str(), 80, y, 120);
        edits_[row.edit]->setText(QString::fromUtf8(row.text));
        edits_[row.edit]->setToolTip(tr(row.hint));
        if (row.unitBox)
            addUnitBox(row.unitBox, 204, y);
        y += 32;
    }
    addLabel("Label7", qUtf8Printable(tr("负载阻抗")), 10, y, 70);
    edits_[LoadR] = addEdit("Edit7", 80, y, 82);
    addLabel("LabelJ", "+j", 165, y, 16);
    edits_[LoadX] = addEdit("Edit8", 180, y, 82);

    const std::array<std::pair<int, const char*>, 8> results = {
        {{CharacteristicZ0, QT_TR_NOOP("特征阻抗")},
         {InputR, QT_TR_NOOP("L  处阻抗")},
         {InputX, QT_TR_NOOP("虚     部")},
         {PhaseVelocity, QT_TR_NOOP("相   速  度")},
         {EpsEff, QT_TR_NOOP("有效常数")},
         {EffectiveWavelength, QT_TR_NOOP("有效波长")},
         {PhaseShift, QT_TR_NOOP("相     移")},
         {MaxFrequency, QT_TR_NOOP("工作频率")}}};
    y = 12;
    for (const auto& [edit, label] : results) {
        addLabel(Format("Label%d", {edit}).c_str(), qUtf8Printable(tr(label)), 290, y, 70);
        edits_[edit] = addEdit(Format("Edit%d", {edit}).c_str(), 362, y, 150);
        y += 32;
    }
    edits_[CharacteristicZ0]->setText(tr("输入阻抗求微带线宽"));
    edits_[MaxFrequency]->setText(tr("最高工作频率"));
    edits_[PhaseVelocity]->setEnabled(false);
    edits_[EpsEff]->setEnabled(false);
    for (const char* name : {"Label1", "Label9"})
        findChild<QLabel*>(QString::fromUtf8(name))->setToolTip(tr(ProgramModelHint));

    connect(addButton("BitBtn2", qUtf8Printable(tr("特征参数计算")), 10, 256, 120), &QPushButton::clicked,
            this, &TcalcMirc::BitBtn2Click);
    connect(addButton("BitBtn3", qUtf8Printable(tr("阻抗计算线宽")), 140, 256, 120), &QPushButton::clicked,
            this, &TcalcMirc::BitBtn3Click);
    connect(addButton("BitBtn1", qUtf8Printable(tr("计算")), 392, 268, 120), &QPushButton::clicked, this,
            &TcalcMirc::BitBtn1Click);
}

void TcalcMirc::buildReferenceGroup() {
    auto* group = new QGroupBox(QStringLiteral("Hammerstad–Jensen / Kirschning–Jansen"), this);
    group->setObjectName(QStringLiteral("GroupBoxReference"));
    group->setGeometry(530, 6, 330, 290);
    group->setToolTip(tr(ReferenceHint));
    referenceNote_ = addLabel("LabelReference", qUtf8Printable(tr(ReferenceNote)), 10, 20, 312, group);
    referenceNote_->setToolTip(tr(ReferenceHint));
    const auto field = [&](const char* name, const char* label, int y) {
        addLabel((std::string(name) + "Label").c_str(), qUtf8Printable(tr(label)), 10, y, 120, group);
        QLineEdit* edit = addEdit(name, 132, y, 186, group);
        edit->setReadOnly(true);
        edit->setToolTip(tr(ReferenceHint));
        return edit;
    };
    referenceZ0_ = field("EditReferenceZ0", QT_TR_NOOP("特征阻抗 (静态)"), 42);
    referenceEpsEff_ = field("EditReferenceEpsEff", QT_TR_NOOP("有效常数 (静态)"), 66);
    dispersiveZ0_ = field("EditDispersiveZ0", QT_TR_NOOP("特征阻抗 (f)"), 90);
    dispersiveEpsEff_ = field("EditDispersiveEpsEff", QT_TR_NOOP("有效常数 (f)"), 114);
    referenceWavelength_ = field("EditReferenceWavelength", QT_TR_NOOP("有效波长 (f)"), 138);
    referencePhase_ = field("EditReferencePhase", QT_TR_NOOP("相移 (f)"), 162);
    referenceInput_ = field("EditReferenceInput", QT_TR_NOOP("L 处阻抗 (f)"), 186);
    referenceWidth_ = field("EditReferenceWidth", QT_TR_NOOP("阻抗计算线宽"), 210);
    referenceWidthZ0_ = field("EditReferenceWidthZ0", QT_TR_NOOP("此线宽的Z0 (本程序)"), 234);
    programWidthZ0_ = field("EditProgramWidthZ0", QT_TR_NOOP("左侧线宽的Z0 (通用)"), 258);
}

void TcalcMirc::buildInductorPanel() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/calculators/inductor_shapes.jpg")));
    picture->setGeometry(PictureLeft, PictureTop, 600, 240);
    const auto at = [](int x, int y) { return QPoint(PictureLeft + x, PictureTop + y); };

    const std::array<const char*, 3> shapeNames = {QT_TR_NOOP("带状"), QT_TR_NOOP("环型"),
                                                   QT_TR_NOOP("螺旋")};
    for (int i = 0; i < 3; ++i) {
        shapes_[i] = new QRadioButton(tr(shapeNames[i]), this);
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
    const std::array<Dimension, 5> dimensions = {{{StripLength, StripLengthUnit, "l", 6, 150},
                                                  {RingSize, RingSizeUnit, "a", 206, 150},
                                                  {SpiralOuter, SpiralOuterUnit, "do", 406, 150},
                                                  {SpiralInner, SpiralInnerUnit, "di", 406, 180},
                                                  {Turns, NoUnit, QT_TR_NOOP("圈数"), 406, 210}}};
    for (const Dimension& d : dimensions) {
        const QPoint p = at(d.x, d.y);
        addLabel(Format("Label%d", {d.edit}).c_str(), qUtf8Printable(tr(d.label)), p.x(), p.y(), 32);
        edits_[d.edit] = addEdit(Format("Edit%d", {d.edit}).c_str(), p.x() + 34, p.y(), 90);
        if (d.unitBox)
            addUnitBox(d.unitBox, p.x() + 128, p.y());
    }

    const std::array<Dimension, 3> conductor = {
        {{InductorWidth, InductorWidthUnit, QT_TR_NOOP("线宽"), 620, 320},
         {InductorCopper, InductorCopperUnit, QT_TR_NOOP("铜厚"), 620, 352},
         {InductorBoard, InductorBoardUnit, QT_TR_NOOP("板厚"), 620, 384}}};
    for (const Dimension& d : conductor) {
        addLabel(Format("Label%d", {d.edit}).c_str(), qUtf8Printable(tr(d.label)), d.x, d.y, 36);
        edits_[d.edit] = addEdit(Format("Edit%d", {d.edit}).c_str(), d.x + 38, d.y, 120);
        addUnitBox(d.unitBox, d.x + 162, d.y);
    }
    edits_[InductorCopper]->setText(QStringLiteral("0.0035"));
    edits_[InductorBoard]->setText(QStringLiteral("0.6"));
    connect(addButton("BitBtn4", qUtf8Printable(tr("计算电感")), 658, 426, 120), &QPushButton::clicked, this,
            &TcalcMirc::BitBtn4Click);
    edits_[InductanceResult] = addEdit("Edit24", 658, 466, 180);
    edits_[InductanceResult]->setReadOnly(true);
}

void TcalcMirc::showEvent(QShowEvent* event) {
    // A frequency typed here stays until the design's Fo moves.
    if (followed_ && *followed_ != frequencyShown_) {
        frequencyShown_ = *followed_;
        edits_[OperatingFrequency]->setText(Q(FrequencyStoreText(frequencyShown_)));
    }
    FixedDialog::showEvent(event);
    CentreOnScreen(*this);
}

namespace {

// "<caption>输入错误！": the message of a refused field; the caption is a marked text.
std::string Refusal(const char* name) {
    return U8(QCoreApplication::translate("qv::TcalcMirc", "%1输入错误！").arg(TcalcMirc::tr(name)));
}

// The length keeps its unit flag: the status bar shows the width in the other unit.
std::optional<LengthEntry> LengthIn(const QLineEdit& field, bool mil) {
    try {
        const LengthEntry entry = ReadLengthField(U8(field.text()), mil);
        if (entry.unitFlag != -1)
            return entry;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

std::optional<Real> FrequencyIn(const QLineEdit& field) {
    try {
        const Real F = ParseEngineering(Trim(U8(field.text())));
        if (F != RejectedEngineeringValue)
            return F;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

} // namespace

bool TcalcMirc::milSelected(int unitBox) const {
    return unitBoxes_[unitBox]->currentText() == QStringLiteral("mil");
}

void TcalcMirc::setText(Field field, const std::string& text) {
    edits_[field]->setText(Q(text));
}

Real TcalcMirc::number(FieldReader& reader, Field field, const char* name) const {
    return reader.number(*edits_[field], Refusal(name));
}

// A length field that must first pass the plain number check, so only its unit box selects mil.
Real TcalcMirc::checkedLength(FieldReader& reader, Field field, UnitBox unit, const char* name) const {
    return reader.value(
        [&]() -> std::optional<Real> {
            if (!CheckedNumber(edits_[field]->text()))
                return std::nullopt;
            const std::optional<LengthEntry> entry = LengthIn(*edits_[field], milSelected(unit));
            return entry ? std::optional<Real>(entry->metres) : std::nullopt;
        },
        Refusal(name));
}

Refusable<TcalcMirc::LineInputs> TcalcMirc::readLineInputs(LineCalculation calculation) const {
    FieldReader reader;
    LineInputs in;
    if (calculation == LineCalculation::Width) {
        in.Z0 = number(reader, CharacteristicZ0, QT_TR_NOOP("特征阻抗"));
        reader.require(in.Z0 > 0, Refusal(QT_TR_NOOP("特征阻抗")));
    }
    in.H = checkedLength(reader, SubstrateHeight, HeightUnit, QT_TR_NOOP("基板厚度"));
    reader.require(in.H > 0, Refusal(QT_TR_NOOP("基板厚度")));
    in.T = checkedLength(reader, CopperThickness, CopperUnit, QT_TR_NOOP("铜簿厚度"));
    reader.require(in.T >= 0, Refusal(QT_TR_NOOP("铜簿厚度")));
    in.Er = number(reader, Permittivity, QT_TR_NOOP("介电常数"));
    reader.require(in.Er >= 1, Refusal(QT_TR_NOOP("介电常数")));
    if (calculation != LineCalculation::Width) {
        in.W = reader.value([&] { return LengthIn(*edits_[LineWidth], milSelected(WidthUnit)); },
                            Refusal(QT_TR_NOOP("微带线宽")));
        reader.require(in.W.metres > 0, Refusal(QT_TR_NOOP("微带线宽")));
    }
    if (calculation == LineCalculation::Transform) {
        in.Len = checkedLength(reader, LineLength, LengthUnit, QT_TR_NOOP("微带线长"));
        in.R = number(reader, LoadR, QT_TR_NOOP("负载阻抗实部"));
        in.X = number(reader, LoadX, QT_TR_NOOP("负载阻抗虚部"));
    }
    if (calculation != LineCalculation::Width) {
        in.F = reader.value([&] { return FrequencyIn(*edits_[OperatingFrequency]); },
                            Refusal(QT_TR_NOOP("操作频率")));
        reader.require(in.F > 0, Refusal(QT_TR_NOOP("操作频率")));
    }
    reader.require(in.H > 2 * in.T, U8(tr("铜箔厚度错误.")));
    return reader.result(in);
}

Refusable<TcalcMirc::Conductor> TcalcMirc::readConductor() const {
    FieldReader reader;
    Conductor in;
    in.t = checkedLength(reader, InductorCopper, InductorCopperUnit, QT_TR_NOOP("铜厚"));
    in.h = checkedLength(reader, InductorBoard, InductorBoardUnit, QT_TR_NOOP("板厚"));
    in.w = checkedLength(reader, InductorWidth, InductorWidthUnit, QT_TR_NOOP("线宽"));
    const auto ticked = std::find_if(shapes_.begin(), shapes_.end(), [](auto* b) { return b->isChecked(); });
    if (ticked != shapes_.end())
        in.shape = static_cast<int>(ticked - shapes_.begin());
    return reader.result(in);
}

Refusable<TcalcMirc::ShapeDimensions> TcalcMirc::readShape(int shape) const {
    FieldReader reader;
    ShapeDimensions in;
    if (shape == 0) {
        in.length = checkedLength(reader, StripLength, StripLengthUnit, QT_TR_NOOP("带状电感长度 l"));
    } else if (shape == 1) {
        in.length = checkedLength(reader, RingSize, RingSizeUnit, QT_TR_NOOP("环型电感尺寸 a"));
    } else {
        in.outer = checkedLength(reader, SpiralOuter, SpiralOuterUnit, QT_TR_NOOP("螺旋电感外径 do"));
        in.inner = checkedLength(reader, SpiralInner, SpiralInnerUnit, QT_TR_NOOP("螺旋电感内径 di"));
        in.turns = reader.value(
            [&]() -> std::optional<int> {
                int turns = 0;
                if (!TryStrToInt(Trim(U8(edits_[Turns]->text())), turns) || turns < 1)
                    return std::nullopt;
                return turns;
            },
            Refusal(QT_TR_NOOP("圈数")));
        reader.require(!(in.outer < in.inner), U8(tr("螺旋电感的外径不能小于内径！")));
    }
    return reader.result(in);
}

void TcalcMirc::clearResults() {
    for (const Field n : {CharacteristicZ0, InputR, InputX, PhaseVelocity, EpsEff, EffectiveWavelength,
                          PhaseShift, MaxFrequency})
        edits_[n]->clear();
    for (QLineEdit* edit :
         {referenceZ0_, referenceEpsEff_, dispersiveZ0_, dispersiveEpsEff_, referenceWavelength_,
          referencePhase_, referenceInput_, referenceWidth_, referenceWidthZ0_, programWidthZ0_})
        edit->clear();
    referenceNote_->setText(tr(ReferenceNote));
}

void TcalcMirc::BitBtn2Click() {
    const Refusable<LineInputs> g = readLineInputs(LineCalculation::Figures);
    if (ReportRefusal(prompter_, g))
        return;

    // Both models are computed before any field is written: a run that fails leaves no result of
    // either, rather than one model's new figures beside the other's old ones.
    MicrostripLine line;
    LinePhase phase;
    DispersiveMicrostrip reference;
    try {
        line = MicrostripZ0(g->W.metres, g->H, g->T, g->Er);
        phase = PhaseOfLine(line.Vp, g->F);
        reference = KirschningJansenLine(g->W.metres, g->H, g->T, g->Er, g->F);
    } catch (const std::exception&) {
        clearResults();
        throw;
    }
    setText(CharacteristicZ0, Format("%5.6f", {line.Z0}));
    setText(PhaseVelocity, Format("%5.6f E8", {line.Vp / 1e8L}));
    setText(EpsEff, Format("%5.6f", {line.EpsEff}));
    setText(EffectiveWavelength, Format("%5.6f m", {phase.Wavelength}));
    setText(PhaseShift, Format("%5.6f Deg/mm", {phase.DegreesPerMm}));
    statusPanels_[0]->setText(Q(Format("%d", {g->W.unitFlag})));
    setText(MaxFrequency, Format("<%fMHz", {line.FMax}));
    statusPanels_[1]->setText(
        g->W.unitFlag == 0 ? tr("线宽:%1mil").arg(Q(Format("%6.2f", {MetresToMils(g->W.metres)})))
                           : tr("线宽:%1mm").arg(Q(Format("%6.2f", {MetresToMillimetres(g->W.metres)}))));
    showReferenceFigures(reference, g->H, g->F);
}

void TcalcMirc::showReferenceFigures(const DispersiveMicrostrip& line, Real H, Real F) {
    const bool beyond = BeyondDispersionValidity(H, F);
    referenceNote_->setText(tr(beyond ? DispersionWarning : ReferenceNote));
    referenceNote_->setStyleSheet(beyond ? QStringLiteral("color: red") : QString());
    referenceZ0_->setText(Q(Format("%5.6f", {line.atZero.Z0})));
    referenceEpsEff_->setText(Q(Format("%5.6f", {line.atZero.EpsEff})));
    dispersiveZ0_->setText(Q(Format("%5.6f", {line.Z0})));
    dispersiveEpsEff_->setText(Q(Format("%5.6f", {line.EpsEff})));
    referenceWavelength_->setText(Q(Format("%5.6f m", {line.Wavelength})));
    referencePhase_->setText(Q(Format("%5.6f Deg/mm", {line.DegreesPerMm})));
}

void TcalcMirc::BitBtn3Click() {
    const Refusable<LineInputs> g = readLineInputs(LineCalculation::Width);
    if (ReportRefusal(prompter_, g))
        return;

    // The width field gets the program's own model, which the network's microstrip elements use;
    // each width is shown with the Z0 the other model gives it, so a disagreement is seen.
    const bool mil = milSelected(WidthUnit);
    const Real W = MicrostripWidth(g->Z0, g->H, g->Er, g->T).W;
    const std::optional<Real> reference = HammerstadJensenWidth(g->Z0, g->H, g->T, g->Er);
    const Real WInReference = HammerstadJensenLine(W, g->H, g->T, g->Er).Z0;
    const std::optional<Real> referenceInProgram =
        reference ? std::optional(MicrostripZ0(*reference, g->H, g->T, g->Er).Z0) : std::nullopt;
    setText(LineWidth, Format("%f", {mil ? MetresToMils(W) : MetresToMillimetres(W)}));
    programWidthZ0_->setText(Q(Format("%5.3f", {WInReference})));
    if (!reference) {
        referenceWidth_->setText(tr("超出 0.1 ≤ W/H ≤ 100"));
        referenceWidthZ0_->clear();
        return;
    }
    referenceWidth_->setText(Q(mil ? Format("%5.6f mil", {MetresToMils(*reference)})
                                   : Format("%5.6f mm", {MetresToMillimetres(*reference)})));
    referenceWidthZ0_->setText(Q(Format("%5.3f", {*referenceInProgram})));
}

void TcalcMirc::BitBtn1Click() {
    try {
        const Refusable<LineInputs> g = readLineInputs(LineCalculation::Transform);
        if (ReportRefusal(prompter_, g)) {
            prompter_.showMessage(tr(ParameterError));
            return;
        }
        const Complex load{g->R, g->X};
        const MicrostripTransform line =
            SeriesMicrostrip(load, g->W.metres, g->Len, g->H, g->Er, g->T, g->F, effflag_ == 1);
        // The reference model always turns the load by the guided wavelength at the frequency.
        const DispersiveMicrostrip reference = KirschningJansenLine(g->W.metres, g->H, g->T, g->Er, g->F);
        const Complex input = LineInputImpedance(load, reference.Z0, reference.Wavelength, g->Len);
        setText(CharacteristicZ0, Format("%5.6f", {line.Z0}));
        setText(InputR, Format("%5.6f", {line.Z.re}));
        setText(InputX, Format("%5.6f", {line.Z.im}));
        showReferenceFigures(reference, g->H, g->F);
        referenceInput_->setText(Q(FormatSignedPair("", "%5.6f", input.re, input.im)));
    } catch (const std::exception&) {
        // The error's own message follows from the application's handler.
        clearResults();
        prompter_.showMessage(tr(ParameterError));
        throw;
    }
}

void TcalcMirc::BitBtn4Click() {
    const auto micrometres = [](Real metres) { return metres * 1e6L; };
    const Refusable<Conductor> c = readConductor();
    if (ReportRefusal(prompter_, c) || !c->shape)
        return;
    const Real wUm = micrometres(c->w);
    const Real tUm = micrometres(c->t);
    const Real Kg = GroundPlaneFactor(wUm, micrometres(c->h));
    const Refusable<ShapeDimensions> d = readShape(*c->shape);
    if (ReportRefusal(prompter_, d))
        return;
    Real inductance = 0;
    if (*c->shape == 0)
        inductance = StripInductanceNh(micrometres(d->length), wUm, tUm, Kg);
    else if (*c->shape == 1)
        inductance = RingInductanceNh(micrometres(d->length), wUm, tUm, Kg);
    else
        inductance = SpiralInductanceNh(micrometres(d->outer), micrometres(d->inner), d->turns, Kg);
    setText(InductanceResult, Format("%f nH", {inductance}));
    statusPanels_[1]->setText(tr("Kg:%1 (应>0.05)").arg(Q(Format("%f", {Kg}))));
}

} // namespace qv
