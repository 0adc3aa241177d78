#include "sparams/windows/two_port_window.h"

#include "chart/analysis/stability_shading.h"
#include "chart/drawing/overlay_circles.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/settings/program_state.h"
#include "core/settings/spara_file.h"
#include "sparams/analysis/two_port.h"
#include "sparams/analysis/two_port_records.h"
#include "ui/field_reader.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

namespace qv {

namespace {

constexpr int WindowWidth = 640;
constexpr int WindowHeight = 740;
constexpr int WindowGrey = 0xF0F0F0;

const char* const FileFilter = "Txt files (*.txt);;S files (*.s2p)";
const char* const PolarKey = "S参数输入方式";

// The para.ini keys of the S fields; the Spara file keys follow the same order.
constexpr std::array<const char*, SparaSFieldCount> SParaKeys = {"S11R", "S11J", "S22R", "S22J",
                                                                 "S12R", "S12J", "S21R", "S21J"};

bool IsRejected(Real value) {
    return value == RejectedEngineeringValue || !std::isfinite(value);
}

} // namespace

Tffscalc::Tffscalc(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent)
    : FixedDialog("Tffscalc", qUtf8Printable(tr("计算", "window title")), WindowWidth, WindowHeight,
                  WindowGrey, parent),
      state_(state), hub_(hub), prompter_(prompter) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildComplexGroup();
    buildTwoPortGroup();
    buildDesignGroup();

    for (std::size_t i = 0; i < SFields.size(); ++i)
        edit(SFields[i])->setText(Q(state_.para.ReadParaString(SParaKeys[i])));
    polar_->setChecked(state_.para.ReadParaString(PolarKey) == "1");

    connect(&hub_, &MessageHub::sparameterRow, this, &Tffscalc::WmCopyData, Qt::DirectConnection);
    FitControlsToTexts(*this);
}

QLineEdit* Tffscalc::addNumberedEdit(int number, int x, int y, int width, QWidget* into,
                                     const QString& hint) {
    QLineEdit* e = addEdit(QStringLiteral("Edit%1").arg(number).toUtf8().constData(), x, y, width, into);
    if (!hint.isEmpty())
        e->setToolTip(hint);
    edits_[static_cast<std::size_t>(number)] = e;
    return e;
}

void Tffscalc::buildComplexGroup() {
    auto* group = new QGroupBox(tr("复数计算"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 8, WindowWidth - 16, 176);

    addLabel("Label1", qUtf8Printable(tr("输入实部")), 40, 20, 110, group);
    addLabel("Label2", qUtf8Printable(tr("输入虚部")), 156, 20, 110, group);
    addLabel("Label3", "X1", 10, 44, 26, group);
    addNumberedEdit(X1Re, 40, 44, 110, group);
    addNumberedEdit(X1Im, 156, 44, 110, group);
    addLabel("Label4", "X2", 10, 74, 26, group);
    addNumberedEdit(X2Re, 40, 74, 110, group);
    addNumberedEdit(X2Im, 156, 74, 110, group);
    addLabel("Label5", "Fo", 10, 110, 26, group);
    addNumberedEdit(ElementFrequency, 40, 110, 110, group);
    addLabel("Label6", "X", 156, 110, 16, group);
    addNumberedEdit(ElementValue, 172, 110, 94, group);
    connect(addButton("BitBtn2", "C", 272, 108, 36, group), &QPushButton::clicked, this,
            &Tffscalc::BitBtn2Click);

    const std::array<const char*, 6> operations = {"X1+X2", "X1-X2",  "X1*X2",
                                                   "X1/X2", "X1//X2", "Zo/(1+T)/(1-T)"};
    for (std::size_t i = 0; i < operations.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(operations[i]), group);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        const int column = i < 3 ? 0 : 1;
        const int row = static_cast<int>(i % 3);
        radio->setGeometry(324 + column * 90, 20 + row * 24, i == 5 ? 120 : 86, 22);
        operations_[i] = radio;
    }
    operations_[0]->setChecked(true);
    operations_[5]->setToolTip(QStringLiteral("Zn=Zo/(1+Tr)/(1-Tr)"));

    connect(addButton("fimacalc", qUtf8Printable(tr("计算")), 540, 18, 72, group), &QPushButton::clicked,
            this, &Tffscalc::fimacalcClick);
    connect(addButton("BitBtn1", qUtf8Printable(tr("中间值")), 540, 54, 72, group), &QPushButton::clicked,
            this, &Tffscalc::BitBtn1Click);

    auto* result = new QGroupBox(tr("计算结果"), group);
    result->setObjectName(QStringLiteral("GroupBox3"));
    result->setGeometry(320, 96, 292, 54);
    addNumberedEdit(ResultRe, 8, 22, 134, result);
    addNumberedEdit(ResultIm, 150, 22, 134, result);
}

void Tffscalc::buildTwoPortGroup() {
    twoPortGroup_ = new QGroupBox(tr("S参数转换为Z参数"), this);
    twoPortGroup_->setObjectName(QStringLiteral("GroupBox2"));
    twoPortGroup_->setGeometry(8, 192, WindowWidth - 16, 380);
    QGroupBox* g = twoPortGroup_;

    addLabel("Label7", qUtf8Printable(tr("实部/模值")), 40, 20, 94, g);
    addLabel("Label8", qUtf8Printable(tr("虚部/角度")), 140, 20, 94, g);
    const std::array<std::pair<const char*, const char*>, 4> sRows = {
        {{"Label9", "S11"}, {"Label10", "S22"}, {"Label11", "S12"}, {"Label12", "S21"}}};
    for (std::size_t i = 0; i < sRows.size(); ++i) {
        const int y = 44 + static_cast<int>(i) * 28;
        addLabel(sRows[i].first, sRows[i].second, 10, y, 30, g);
        addNumberedEdit(SFields[2 * i], 40, y, 94, g);
        addNumberedEdit(SFields[2 * i + 1], 140, y, 94, g);
    }
    polar_ = addCheckBox("CheckBox1", qUtf8Printable(tr("极坐标输入")), 10, 160, 110, g);
    decibels_ = addCheckBox("CheckBox2", qUtf8Printable(tr("对数输入")), 124, 160, 110, g);
    frequency_ = addLabel("Label19", "", 10, 186, 224, g);

    connect(addButton("BitBtn3", "S=>Z", 10, 214, 70, g), &QPushButton::clicked, this,
            &Tffscalc::BitBtn3Click);
    // "Z=>S" has never had an action of its own.
    addButton("BitBtn4", "Z=>S", 86, 214, 70, g);
    connect(addButton("BitBtn5", qUtf8Printable(tr("文件输入")), 162, 214, 72, g), &QPushButton::clicked,
            this, &Tffscalc::BitBtn5Click);
    connect(addButton("Button1", "L", 10, 248, 36, g), &QPushButton::clicked, this, &Tffscalc::Button1Click);
    connect(addButton("Button2", "S", 52, 248, 36, g), &QPushButton::clicked, this, &Tffscalc::Button2Click);

    struct ImpedanceRow {
        const char* label;
        const char* caption;
        Field re, im;
    };
    const std::array<ImpedanceRow, 6> rows = {{{"Label13", "Z11", Z11Re, Z11Im},
                                               {"Label14", "Z22", Z22Re, Z22Im},
                                               {"Label15", "Z12", Z12Re, Z12Im},
                                               {"Label16", "Z21", Z21Re, Z21Im},
                                               {"Label17", "Zin", ZinRe, ZinIm},
                                               {"Label18", "Zout", ZoutRe, ZoutIm}}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = 20 + static_cast<int>(i) * 28;
        addLabel(rows[i].label, rows[i].caption, 252, y, 36, g);
        addNumberedEdit(rows[i].re, 290, y, 152, g);
        addNumberedEdit(rows[i].im, 448, y, 152, g);
    }

    addLabel("Label20", "⊿:", 252, 196, 36, g);
    addNumberedEdit(DeltaMagnitude, 290, 196, 100, g, tr("|d|=|s11*s22-s12*s21|  当d<1  k>1 是稳定的"));
    addLabel("Label21", "k:", 400, 196, 44, g);
    addNumberedEdit(RollettK, 448, 196, 152, g, tr("Rollett(K) 系数 当他大于1是稳定的"));
    addLabel("Label22", qUtf8Printable(tr("最大增益：")), 252, 224, 76, g);
    addNumberedEdit(UnilateralFigure, 330, 224, 112, g);
    addLabel("Label23", "u:", 448, 224, 20, g);
    addNumberedEdit(Mu, 470, 224, 130, g, tr("稳定程度"));
    addNumberedEdit(SourceGainDb, 290, 252, 74, g, tr("源匹配增益db"));
    addNumberedEdit(ForwardGainDb, 368, 252, 74, g, tr("正向传输增益db"));
    addNumberedEdit(LoadGainDb, 448, 252, 74, g, tr("负载匹配增益db"));
    addNumberedEdit(UnilateralGainDb, 526, 252, 74, g, tr("最大匹配增益"));

    maximumGainCaption_ = addLabel("Label26", "MAG:", 252, 280, 36, g);
    addNumberedEdit(MaximumGainDb, 290, 280, 152, g,
                    tr("K>1 且 ⊿<1 时为最大可用增益 MAG(db)，否则为最大稳定增益 MSG=|S21|/|S12|(db)"));
    addLabel("Label27", "u':", 448, 280, 20, g);
    addNumberedEdit(MuPrime, 470, 280, 130, g, tr("源端稳定程度 u'=(1-|S22|²)/(|S11-d*S22'|+|S12*S21|)"));

    addLabel("Label24", qUtf8Printable(tr("输出稳定圆")), 252, 312, 76, g);
    addNumberedEdit(OutputCircle, 330, 312, 88, g, tr("输出稳定圆心"));
    addNumberedEdit(OutputCircleAngle, 422, 312, 88, g, tr("输出稳定圆心角度"));
    addNumberedEdit(OutputCircleRadius, 514, 312, 86, g);
    addLabel("Label25", qUtf8Printable(tr("输入稳定圆")), 252, 340, 76, g);
    addNumberedEdit(InputCircle, 330, 340, 88, g);
    addNumberedEdit(InputCircleAngle, 422, 340, 88, g);
    addNumberedEdit(InputCircleRadius, 514, 340, 86, g);
}

void Tffscalc::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    FixedDialog::showEvent(event);
}

void Tffscalc::setText(Field number, const std::string& text) {
    edit(number)->setText(Q(text));
    edit(number)->setCursorPosition(0);
}

Refusable<std::array<Complex, 2>> Tffscalc::readComplexPair() const {
    FieldReader reader;
    std::array<Complex, 2> x{};
    x[0].re = reader.number(*edit(X1Re), InputErrorText());
    x[0].im = reader.number(*edit(X1Im), InputErrorText());
    x[1].re = reader.number(*edit(X2Re), InputErrorText());
    x[1].im = reader.number(*edit(X2Im), InputErrorText());
    return reader.result(x);
}

void Tffscalc::fimacalcClick() {
    const Refusable<std::array<Complex, 2>> x = readComplexPair();
    if (ReportRefusal(prompter_, x))
        return;
    ComplexOperation operation = ComplexOperation::Add;
    const std::array<ComplexOperation, 6> byButton = {
        ComplexOperation::Add,    ComplexOperation::Subtract, ComplexOperation::Multiply,
        ComplexOperation::Divide, ComplexOperation::Parallel, ComplexOperation::ReflectionToImpedance};
    for (std::size_t i = 0; i < operations_.size(); ++i)
        if (operations_[i]->isChecked())
            operation = byButton[i];
    const Complex x1 = (*x)[0];
    const Complex x2 = (*x)[1];
    // The operations without a result say why, in the window's words, instead of a bare
    // floating-point error.
    if (operation == ComplexOperation::Divide && x2.re == 0 && x2.im == 0) {
        prompter_.showMessage(tr("X2为0，不能作除数"));
        return;
    }
    if (operation == ComplexOperation::Parallel && x1.re + x2.re == 0 && x1.im + x2.im == 0 &&
        !(x2.re == 0 && x2.im == 0)) {
        prompter_.showMessage(tr("X1 + X2 为0，并联阻抗为无穷大"));
        return;
    }
    const Complex result = CalculateComplex(operation, x1, x2);
    setText(ResultRe, FormatGeneral(result.re));
    setText(ResultIm, FormatGeneral(result.im));
}

void Tffscalc::BitBtn1Click() {
    edit(X1Re)->setText(edit(ResultRe)->text());
    edit(X1Im)->setText(edit(ResultIm)->text());
}

void Tffscalc::BitBtn2Click() {
    const Real frequency = ParseEngineering(Trim(U8(edit(ElementFrequency)->text())));
    const Real value = ParseEngineering(Trim(U8(edit(ElementValue)->text())));
    if (IsRejected(frequency) || IsRejected(value)) {
        ReportInputError(prompter_);
        return;
    }
    setText(X2Im, FormatGeneral(ElementReactance(frequency, value)));
    setText(X2Re, "0");
}

void Tffscalc::BitBtn3Click() {
    const Refusable<TwoPort> read = readTwoPort();
    if (ReportRefusal(prompter_, read))
        return;
    for (std::size_t i = 0; i < SFields.size(); ++i)
        state_.para.WriteParaString(SParaKeys[i], Trim(U8(edit(SFields[i])->text())));
    state_.para.WriteParaString(PolarKey, polar_->isChecked() ? "1" : "0");

    const TwoPort& twoPort = *read;
    const TwoPortAnalysis a = AnalyseTwoPort(twoPort, state_.Zo);

    const auto pair = [&](Field re, Field im, Complex z) {
        setText(re, Format("%4.2f", {z.re}));
        setText(im, Format("%4.2f", {z.im}));
    };
    const auto value = [&](Field number, Real v) { setText(number, Format("%f", {v})); };
    const auto circle = [&](Field centre, Field angle, Field radius, const StabilityCircle& c) {
        value(centre, c.centre.magnitude);
        setText(angle, Format("∠%f", {c.centre.angleDegrees}));
        value(radius, c.radius);
    };
    if (a.z) {
        pair(Z11Re, Z11Im, a.z->z11);
        pair(Z22Re, Z22Im, a.z->z22);
        pair(Z12Re, Z12Im, a.z->z12);
        pair(Z21Re, Z21Im, a.z->z21);
    }
    if (a.ports) {
        pair(ZinRe, ZinIm, a.ports->input);
        pair(ZoutRe, ZoutIm, a.ports->output);
    }
    if (a.stability) {
        value(DeltaMagnitude, a.stability->deltaMagnitude);
        value(RollettK, a.stability->k);
        value(UnilateralFigure, a.stability->unilateralGain);
    }
    if (a.gains) {
        value(SourceGainDb, a.gains->sourceDb);
        value(ForwardGainDb, a.gains->forwardDb);
        value(LoadGainDb, a.gains->loadDb);
        setText(UnilateralGainDb, Format("%fdb", {a.gains->unilateralDb}));
    }
    if (a.mu)
        value(Mu, *a.mu);
    if (a.outputCircle)
        circle(OutputCircle, OutputCircleAngle, OutputCircleRadius, *a.outputCircle);
    if (a.inputCircle)
        circle(InputCircle, InputCircleAngle, InputCircleRadius, *a.inputCircle);
    if (a.extras) {
        maximumGainCaption_->setText(a.extras->gain.available ? QStringLiteral("MAG:")
                                                              : QStringLiteral("MSG:"));
        setText(MaximumGainDb, Format("%fdb", {a.extras->gain.db}));
        value(MuPrime, a.extras->muPrime);
    }
    // Sent once every field is written: the chart may refuse circles it cannot place.
    if (a.inputCircle) {
        // The sides follow the 60 bytes: the chart's centre sees |S22| (|S11|) through each circle.
        const SMatrix s = MatrixFromPolar(twoPort);
        const std::string record =
            EncodeStabilityBlock(CircleRecord(*a.inputCircle, *a.outputCircle)) +
            EncodeStabilitySides({std::hypot(s.s22.re, s.s22.im) < 1, std::hypot(s.s11.re, s.s11.im) < 1});
        emit hub_.stabilityBlock(QByteArray(record.data(), static_cast<qsizetype>(record.size())));
    }
    if (a.failure)
        throw FloatingPointError(*a.failure);
    showDesign(MatrixFromPolar(twoPort));
}

void Tffscalc::BitBtn5Click() {
    if (fileInput_) {
        fileInput_->show();
        fileInput_->raise();
    }
}

void Tffscalc::Button1Click() {
    const std::optional<QString> path =
        prompter_.openFileName(QStringLiteral("L"), Q(state_.programDir), QString::fromUtf8(FileFilter));
    twoPortGroup_->setTitle(path.value_or(QString()));
    if (!path || !QFileInfo::exists(*path))
        return;
    const auto fields = ReadSparaSFields(U8(*path));
    if (!fields) {
        prompter_.showMessage(tr("不是参数文件: %1").arg(*path));
        return;
    }
    for (std::size_t i = 0; i < SFields.size(); ++i)
        edit(SFields[i])->setText(Q((*fields)[i]));
}

void Tffscalc::Button2Click() {
    const std::optional<QString> path =
        prompter_.saveFileName(QStringLiteral("S"), Q(state_.programDir), QString::fromUtf8(FileFilter));
    if (!path || path->isEmpty())
        return;
    if (QFileInfo::exists(*path) &&
        prompter_.ask(QStringLiteral("S para file  Exists")) == Prompter::Answer::No)
        return;
    TwoPortEntries entries;
    for (std::size_t i = 0; i < SFields.size(); ++i)
        entries.sFields[i] = U8(edit(SFields[i])->text());
    entries.z11R = U8(edit(Z11Re)->text());
    entries.z11X = U8(edit(Z11Im)->text());
    entries.z22R = U8(edit(Z22Re)->text());
    entries.z22X = U8(edit(Z22Im)->text());
    if (!WriteSparaTwoPort(U8(*path), entries))
        prompter_.showMessage(tr("参数文件没有保存: %1").arg(*path));
}

namespace {

constexpr int AvailableGainColour = 0x008000; // green
constexpr int PowerGainColour = 0xC000C0;     // purple
constexpr int NoiseColour = 0x0080FF;         // orange

std::string PolarText(Complex reflection) {
    const MagnitudeAngle p = PolarOf(reflection);
    return Format("%.4f∠%.2f", {p.magnitude, p.angleDegrees});
}

} // namespace

void Tffscalc::buildDesignGroup() {
    auto* g = new QGroupBox(tr("放大器设计"), this);
    g->setObjectName(QStringLiteral("GroupBox4"));
    g->setGeometry(8, 576, WindowWidth - 16, WindowHeight - 584);
    verdict_ = addLabel("Label28", "", 10, 20, 600, g);
    addLabel("Label29", "Γms", 10, 44, 30, g);
    addNumberedEdit(SourceReflection, 40, 44, 110, g, tr("同时共轭匹配时源端反射系数 Γms"));
    addNumberedEdit(SourceImpedance, 154, 44, 140, g, tr("Γms 对应的阻抗（欧）"));
    addLabel("Label30", "Γml", 304, 44, 30, g);
    addNumberedEdit(LoadReflection, 334, 44, 110, g, tr("同时共轭匹配时负载端反射系数 Γml"));
    addNumberedEdit(LoadImpedance, 448, 44, 150, g, tr("Γml 对应的阻抗（欧）"));
    noise_ = addLabel("Label31", "", 10, 70, 600, g);
    connect(addButton("useFrequency", qUtf8Printable(tr("使用此频率")), 10, 94, 84, g), &QPushButton::clicked,
            this, &Tffscalc::useFrequencyClick);
    connect(addButton("inputMatch", qUtf8Printable(tr("输入匹配")), 98, 94, 70, g), &QPushButton::clicked,
            this, &Tffscalc::inputMatchClick);
    connect(addButton("noiseMatch", qUtf8Printable(tr("噪声匹配")), 172, 94, 70, g), &QPushButton::clicked,
            this, &Tffscalc::noiseMatchClick);
    connect(addButton("outputMatch", qUtf8Printable(tr("输出匹配")), 246, 94, 70, g), &QPushButton::clicked,
            this, &Tffscalc::outputMatchClick);
    addNumberedEdit(GainCircleDb, 326, 94, 50, g, tr("增益（dB）"));
    connect(addButton("gaCircle", qUtf8Printable(tr("Ga圆")), 380, 94, 50, g), &QPushButton::clicked, this,
            [this] { gainCircleClick(GainPlane::AvailableSource); });
    connect(addButton("gpCircle", qUtf8Printable(tr("Gp圆")), 434, 94, 50, g), &QPushButton::clicked, this,
            [this] { gainCircleClick(GainPlane::OperatingLoad); });
    addNumberedEdit(NoiseCircleDb, 492, 94, 50, g, tr("噪声系数（dB）"));
    connect(addButton("nfCircle", qUtf8Printable(tr("NF圆")), 546, 94, 52, g), &QPushButton::clicked, this,
            &Tffscalc::noiseCircleClick);
}

Refusable<TwoPort> Tffscalc::readTwoPort() const {
    FieldReader reader;
    std::array<Real, SparaSFieldCount> values{};
    for (std::size_t i = 0; i < SFields.size(); ++i)
        values[i] = reader.number(*edit(SFields[i]), InputErrorText());
    if (reader.refused())
        return reader.result(TwoPort{});
    const bool polar = polar_->isChecked();
    const bool decibels = decibels_->isChecked();
    const auto read = [&](std::size_t pair) {
        return ReadSParameter(values[2 * pair], values[2 * pair + 1], polar, decibels);
    };
    return TwoPort{read(0), read(1), read(2), read(3)};
}

Refusable<Real> Tffscalc::readDecibels(Field field) const {
    FieldReader reader;
    const Real db = reader.number(*edit(field), InputErrorText());
    return reader.result(db);
}

void Tffscalc::showDesign(const SMatrix& s) {
    const ConjugateMatchResult match = SimultaneousConjugateMatch(s);
    for (const Field number : {SourceReflection, SourceImpedance, LoadReflection, LoadImpedance})
        setText(number, "");
    if (match.match) {
        verdict_->setText(tr("无条件稳定（K>1 且 |⊿|<1）：可同时共轭匹配"));
        const auto impedance = [&](Field number, Complex reflection) {
            const Complex z = ReflectionToImpedance(reflection, state_.Zo);
            setText(number, FormatSignedPair("", "%.2f", z.re, z.im));
        };
        setText(SourceReflection, PolarText(match.match->sourceReflection));
        impedance(SourceImpedance, match.match->sourceReflection);
        setText(LoadReflection, PolarText(match.match->loadReflection));
        impedance(LoadImpedance, match.match->loadReflection);
    } else {
        verdict_->setText(
            tr("潜在不稳定（K<=1 或 |⊿|>=1）：没有同时共轭匹配，稳定圆的不稳定一侧不能作源或负载"));
    }
    if (rowNoise_) {
        const MagnitudeAngle p = PolarOf(rowNoise_->optimumReflection);
        noise_->setText(
            Q(Format("NFmin=%.2fdB Γopt=%.4f∠%.2f Rn=%.2f",
                     {rowNoise_->minimumDb, p.magnitude, p.angleDegrees, rowNoise_->resistanceOhms})));
    } else {
        noise_->setText(tr("没有噪声参数"));
    }
}

void Tffscalc::useFrequencyClick() {
    if (network_ && rowFrequencyHz_)
        network_->setFrequency(*rowFrequencyHz_);
}

void Tffscalc::setLoadFor(Complex reflection) {
    if (!network_)
        return;
    network_->setLoadAgainstZo(MatchedLoadOhms(reflection, state_.Zo));
}

std::optional<ConjugateMatch> Tffscalc::readConjugateMatch() {
    const Refusable<TwoPort> s = readTwoPort();
    if (ReportRefusal(prompter_, s))
        return std::nullopt;
    const ConjugateMatchResult match = SimultaneousConjugateMatch(MatrixFromPolar(*s));
    if (!match.match)
        prompter_.showMessage(tr("器件不是无条件稳定（K<=1 或 |⊿|>=1），没有同时共轭匹配"));
    return match.match;
}

void Tffscalc::inputMatchClick() {
    if (const std::optional<ConjugateMatch> match = readConjugateMatch())
        setLoadFor(match->sourceReflection);
}

void Tffscalc::outputMatchClick() {
    if (const std::optional<ConjugateMatch> match = readConjugateMatch())
        setLoadFor(match->loadReflection);
}

void Tffscalc::noiseMatchClick() {
    if (!rowNoise_) {
        prompter_.showMessage(tr("没有噪声参数"));
        return;
    }
    setLoadFor(rowNoise_->optimumReflection);
}

void Tffscalc::drawCircle(const CircleResult& result, int colour, const std::string& legend) {
    if (!result.circle) {
        prompter_.showMessage(result.refusal == DesignRefusal::NoiseBelowMinimum
                                  ? tr("噪声系数低于最小噪声系数NFmin")
                                  : tr("没有反射系数能得到这个增益（高于最大增益）"));
        return;
    }
    if (circleSink_)
        circleSink_({result.circle->centre, result.circle->radius, colour, legend});
}

void Tffscalc::gainCircleClick(GainPlane plane) {
    const Refusable<Real> db = readDecibels(GainCircleDb);
    if (ReportRefusal(prompter_, db))
        return;
    const Refusable<TwoPort> s = readTwoPort();
    if (ReportRefusal(prompter_, s))
        return;
    const bool source = plane == GainPlane::AvailableSource;
    drawCircle(GainCircle(MatrixFromPolar(*s), plane, *db), source ? AvailableGainColour : PowerGainColour,
               Format(source ? "---Ga=%.2fdB" : "---Gp=%.2fdB", {*db}));
}

void Tffscalc::noiseCircleClick() {
    const Refusable<Real> db = readDecibels(NoiseCircleDb);
    if (ReportRefusal(prompter_, db))
        return;
    if (!rowNoise_) {
        prompter_.showMessage(tr("没有噪声参数"));
        return;
    }
    drawCircle(NoiseCircle(*rowNoise_, state_.Zo, *db), NoiseColour, Format("---NF=%.2fdB", {*db}));
}

void Tffscalc::WmCopyData(const QByteArray& block) {
    const std::optional<ReceivedRow> row =
        DecodeReceivedRow(std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
    if (!row)
        return;
    frequency_->setText(tr("频率:%1").arg(Q(row->frequency)));
    if (!row->fields)
        return;
    // A row carries every digit; the field shows the leading ones.
    for (std::size_t i = 0; i < RowFields.size(); ++i) {
        edit(RowFields[i])->setText(Q((*row->fields)[i]));
        edit(RowFields[i])->setCursorPosition(0);
    }
    // A table row is magnitude and angle in linear form, its frequency in MHz.
    rowFrequencyHz_.reset();
    rowNoise_.reset();
    if (!row->polar)
        return;
    polar_->setChecked(true);
    decibels_->setChecked(false);
    Real mhz = 0;
    if (TryStrToFloat(row->frequency, mhz) && mhz > 0)
        rowFrequencyHz_ = mhz * 1e6L;
    if (row->noise) {
        std::array<Real, 4> v{};
        bool numbers = true;
        for (std::size_t i = 0; i < v.size(); ++i)
            numbers = numbers && TryStrToFloat((*row->noise)[i], v[i]);
        if (numbers)
            rowNoise_ = NoiseParameters{v[0], PolarToGamma(v[1], v[2]), v[3]};
    }
}

} // namespace qv
