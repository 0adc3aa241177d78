#include "calculators/windows/general_calculator_window.h"

#include "calculators/analysis/character_code.h"
#include "calculators/analysis/pe3236_plan.h"
#include "calculators/analysis/rf_formulas.h"
#include "calculators/windows/microwave_formula_window.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/settings/atomic_file.h"
#include "ui/field_reader.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

namespace qv {

namespace {

constexpr int WindowWidth = 800;
constexpr int WindowHeight = 490;
constexpr int WindowGrey = 0xF0F0F0;
constexpr const char* FileFilter = "Text files (*.txt);;ini files (*.ini)";

QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromUtf8(name));
    group->setGeometry(geometry);
    return group;
}

// The pad pictures are JPEG resources; Qt's JPEG reader decodes them.
QPixmap PadPicture(const char* file) {
    QImageReader reader(QStringLiteral(":/calculators/") + QString::fromUtf8(file), "jpeg");
    return QPixmap::fromImage(reader.read());
}

} // namespace

TForm1::TForm1(std::string programDirectory, Prompter& prompter, QWidget* parent)
    : FixedDialog("TForm1", qUtf8Printable(tr("计算", "window title")), WindowWidth, WindowHeight, WindowGrey,
                  parent),
      programDirectory_(std::move(programDirectory)), prompter_(prompter) {
    buildConstantKGroup();
    buildChannelPlanGroup();
    buildPadGroup();
    buildLevelRows();
    buildWindowButtons();
    formulaWindow_ = new TfrmMirco1(this);
    FitControlsToTexts(*this);
}

QLineEdit* TForm1::edit(Field number, int x, int y, int width, QWidget* into, const char* initial) {
    const QByteArray name = QByteArrayLiteral("Edit") + QByteArray::number(number);
    QLineEdit* e = addEdit(name.constData(), x, y, width, into);
    e->setText(QString::fromUtf8(initial));
    edits_[static_cast<std::size_t>(number)] = e;
    return e;
}

QString TForm1::text(Field number) const {
    return edits_[static_cast<std::size_t>(number)]->text();
}

const char* TForm1::planCaption(Field number) {
    switch (number) {
    case PlanChannelMHz:
        return QT_TR_NOOP("频点");
    case PlanReferenceMHz:
        return QT_TR_NOOP("参考");
    case PlanRDivider:
        return QT_TR_NOOP("R值");
    case PlanStartMHz:
        return QT_TR_NOOP("开始");
    case PlanEndMHz:
        return QT_TR_NOOP("结束");
    case PlanTabs:
        return QT_TR_NOOP("每行前的制表符数");
    case PlanStepMHz:
        return QT_TR_NOOP("步长(MHz)");
    default:
        return "";
    }
}

Refusable<TForm1::PlanNumbers> TForm1::readPlan(std::initializer_list<Field> fields) const {
    FieldReader reader;
    PlanNumbers numbers;
    for (const Field number : fields)
        numbers.byField[static_cast<std::size_t>(number)] = reader.wholeNumber(
            *edits_[static_cast<std::size_t>(number)], FieldErrorText(U8(tr(planCaption(number)))));
    return reader.result(numbers);
}

Refusable<TForm1::ConstantKInputs> TForm1::readConstantK() const {
    FieldReader reader;
    ConstantKInputs in;
    in.nominalOhms = reader.wholeNumber(*edits_[KNominalOhms], FieldErrorText(U8(tr("标称阻抗"))));
    in.cutoffHz = reader.value(
        [&]() -> std::optional<long long> {
            try {
                return ParseCutoffFrequency(U8(text(KCutoff)));
            } catch (const ConversionError&) {
                return std::nullopt;
            }
        },
        FieldErrorText(U8(tr("截止频率"))));
    return reader.result(in);
}

Refusable<Real> TForm1::readWavelengthFrequency() const {
    FieldReader reader;
    const Real frequency = reader.value(
        [&]() -> std::optional<Real> {
            try {
                const Real parsed = ParseEngineering(U8(text(WavelengthFrequency)));
                if (parsed != RejectedEngineeringValue)
                    return parsed;
            } catch (const ConversionError&) {
            }
            return std::nullopt;
        },
        FieldErrorText(U8(tr("频点"))));
    return reader.result(frequency);
}

void TForm1::setText(Field number, const QString& value) {
    QLineEdit* e = edits_[static_cast<std::size_t>(number)];
    e->setText(value);
    e->setCursorPosition(0);
}

void TForm1::buildConstantKGroup() {
    QGroupBox* g = AddGroup(this, "GroupBox1", tr("T型定K式"), {8, 8, 380, 120});
    addLabel("", qUtf8Printable(tr("标称阻抗")), 10, 26, 64, g);
    edit(KNominalOhms, 76, 26, 60, g, "50");
    addLabel("", qUtf8Printable(tr("截止频率")), 150, 26, 64, g);
    edit(KCutoff, 216, 26, 80, g, "10M");
    addButton("BitBtn1", qUtf8Printable(tr("截止频率")), 302, 24, 70, g); // a caption button with no action
    addLabel("", qUtf8Printable(tr("电感量L/2")), 10, 58, 64, g);
    edit(KHalfInductance, 76, 58, 130, g);
    addLabel("", qUtf8Printable(tr("电容量C")), 10, 88, 64, g);
    edit(KCapacitance, 76, 88, 130, g);
    connect(addButton("Button1", qUtf8Printable(tr("计算LC")), 216, 86, 80, g), &QPushButton::clicked, this,
            &TForm1::Button1Click);
}

void TForm1::buildChannelPlanGroup() {
    QGroupBox* g = AddGroup(this, "GroupBox2", tr("PE3236-DVB-T频点计算"), {8, 136, 380, 160});
    QPushButton* finList = addButton("Button6", "", 4, 22, 12, g);
    finList->setFixedHeight(128);
    finList->setToolTip(QStringLiteral("fin.txt"));
    connect(finList, &QPushButton::clicked, this, &TForm1::Button6Click);

    addLabel("", qUtf8Printable(tr("频点")), 22, 26, 32, g);
    edit(PlanChannelMHz, 56, 26, 50, g, "554");
    addLabel("", "VCO", 114, 26, 32, g);
    edit(PlanVcoMHz, 148, 26, 50, g, "518");
    addLabel("", qUtf8Printable(tr("参考")), 206, 26, 32, g);
    edit(PlanReferenceMHz, 240, 26, 40, g, "10");
    addLabel("", qUtf8Printable(tr("R值")), 288, 26, 32, g);
    edit(PlanRDivider, 322, 26, 40, g, "4");

    addLabel("", qUtf8Printable(tr("M值")), 22, 58, 32, g);
    edit(PlanM, 56, 58, 50, g);
    addLabel("", qUtf8Printable(tr("A值")), 114, 58, 32, g);
    edit(PlanA, 148, 58, 50, g);
    connect(addButton("BitBtn2", qUtf8Printable(tr("计算")), 206, 56, 56, g), &QPushButton::clicked, this,
            &TForm1::BitBtn2Click);
    connect(addButton("BitBtn4", "up", 266, 56, 48, g), &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(addButton("BitBtn5", "down", 318, 56, 48, g), &QPushButton::clicked, this, &TForm1::BitBtn5Click);

    addLabel("", qUtf8Printable(tr("开始")), 22, 90, 32, g);
    edit(PlanStartMHz, 56, 90, 50, g, "566");
    addLabel("", qUtf8Printable(tr("结束")), 114, 90, 32, g);
    edit(PlanEndMHz, 148, 90, 50, g, "638");
    connect(addButton("BitBtn3", qUtf8Printable(tr("保存所有频点")), 206, 88, 160, g), &QPushButton::clicked,
            this, &TForm1::BitBtn3Click);

    addLabel("", qUtf8Printable(tr("频道号")), 22, 122, 46, g);
    edit(PlanChannelNumber, 70, 122, 36, g, "31");
    edit(PlanTabs, 148, 122, 50, g, "9")->setToolTip(tr("每行前的制表符数"));
    edit(PlanStepMHz, 206, 122, 50, g, "2")->setToolTip(tr("步长(MHz)"));
}

void TForm1::buildPadGroup() {
    QGroupBox* g = AddGroup(this, "GroupBox3", tr("衰减计算"), {396, 8, 396, 288});
    addLabel("", qUtf8Printable(tr("输入阻抗")), 10, 26, 60, g);
    edit(PadInputOhms, 72, 26, 56, g, "50");
    addLabel("", qUtf8Printable(tr("输出阻抗")), 136, 26, 60, g);
    edit(PadOutputOhms, 198, 26, 56, g, "50");
    addLabel("", qUtf8Printable(tr("衰减（DB）")), 262, 26, 70, g);
    edit(PadAttenuationDb, 334, 26, 50, g, "3");
    connect(addButton("BitBtn10", "-->", 72, 56, 56, g), &QPushButton::clicked, this, &TForm1::BitBtn10Click);
    connect(addButton("BitBtn9", "<--", 136, 56, 56, g), &QPushButton::clicked, this, &TForm1::BitBtn9Click);

    addLabel("", "R1", 14, 92, 22, g);
    edit(PadR1, 38, 92, 70, g, "18");
    addLabel("", "R2", 140, 92, 22, g);
    edit(PadR2, 164, 92, 70, g, "292");
    addLabel("", "R3", 74, 256, 22, g);
    edit(PadR3, 98, 256, 70, g, "18");

    const char* const files[] = {"pad_tee.jpg", "pad_pi.jpg", "pad_bridged_tee.jpg"};
    for (std::size_t i = 0; i < padPictures_.size(); ++i) {
        auto* picture = new QLabel(g);
        picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        picture->setGeometry(10, 120, 240, 130);
        picture->setPixmap(PadPicture(files[i]));
        padPictures_[i] = picture;
    }

    QGroupBox* types = AddGroup(g, "RadioGroup1", tr("类型"), {262, 112, 124, 120});
    const std::array<QString, 3> captions = {tr("T    型"), tr("∏   型"), tr("桥T型")};
    for (std::size_t i = 0; i < padTypes_.size(); ++i) {
        auto* button = new QRadioButton(captions[i], types);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        button->setGeometry(12, 24 + 30 * static_cast<int>(i), 100, 24);
        connect(button, &QRadioButton::toggled, this, &TForm1::showPadPicture);
        padTypes_[i] = button;
    }
    padTypes_[0]->setChecked(true);
    showPadPicture();
}

void TForm1::buildLevelRows() {
    addLabel("", qUtf8Printable(tr("频点")), 16, 308, 34);
    edit(WavelengthFrequency, 52, 308, 70, this, "474M");
    fraction_ = new QComboBox(this);
    fraction_->setObjectName(QStringLiteral("ComboBox1"));
    fraction_->setGeometry(128, 308, 100, 24);
    fraction_->addItem(tr("波长"));
    for (int k = 2; k <= 16; ++k)
        fraction_->addItem(tr("1/%1波长").arg(k));
    connect(fraction_, &QComboBox::currentIndexChanged, this, &TForm1::BitBtn12Click);
    addLabel("", qUtf8Printable(tr("波长")), 234, 308, 34);
    edit(Wavelength, 270, 308, 110, this);
    connect(addButton("BitBtn12", qUtf8Printable(tr("计算")), 386, 306, 56), &QPushButton::clicked, this,
            &TForm1::BitBtn12Click);

    addLabel("", "DBm<==>W", 14, 342, 82);
    edit(LevelDbm, 98, 342, 62, this, "27");
    connect(addButton("BitBtn11", "=>", 166, 340, 40), &QPushButton::clicked, this, &TForm1::BitBtn11Click);
    connect(addButton("BitBtn13", "<=", 210, 340, 40), &QPushButton::clicked, this, &TForm1::BitBtn13Click);
    edit(LevelWatts, 256, 342, 80, this, "0.5");

    QGroupBox* g = AddGroup(this, "GroupBox4", tr("电压单位换算"), {8, 372, 460, 64});
    edit(Voltage, 10, 28, 90, g);
    voltageUnit_ = new QComboBox(g);
    voltageUnit_->setObjectName(QStringLiteral("ComboBox2"));
    voltageUnit_->setGeometry(104, 28, 64, 24);
    voltageUnit_->addItems(
        {QStringLiteral("uV"), QStringLiteral("mV"), QStringLiteral("V"), QStringLiteral("dbuV")});
    connect(addButton("Button4", "=>", 174, 26, 40, g), &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(addButton("Button3", "<=", 218, 26, 40, g), &QPushButton::clicked, this, &TForm1::Button3Click);
    edit(VoltageLevel, 264, 28, 90, g);
    levelUnit_ = new QComboBox(g);
    levelUnit_->setObjectName(QStringLiteral("ComboBox3"));
    levelUnit_->setGeometry(358, 28, 64, 24);
    levelUnit_->addItem(QStringLiteral("dBm"));

    // The divider's button names the bottom resistor R1 and the top one R2.
    addLabel("", "V", 10, 448, 12);
    edit(DividerSupply, 24, 448, 44, this, "5");
    addLabel("", "R2", 74, 448, 20);
    edit(ResistorTop, 96, 448, 50, this);
    addLabel("", "R1", 152, 448, 20);
    edit(ResistorBottom, 174, 448, 50, this, "24");
    connect(addButton("Button2", "5*R1/(R1+R2)", 230, 446, 100), &QPushButton::clicked, this,
            &TForm1::Button2Click);
    connect(addButton("BitBtn14", "R1//R2", 334, 446, 64), &QPushButton::clicked, this,
            &TForm1::BitBtn14Click);
    edit(ResistorResult, 402, 448, 80, this);
}

void TForm1::buildWindowButtons() {
    characterCode_ = addLabel("Label16", qUtf8Printable(tr("ASCII对应")), 490, 308, 150);
    connect(addButton("BitBtn6", qUtf8Printable(tr("字符表")), 650, 306, 80), &QPushButton::clicked, this,
            &TForm1::BitBtn6Click);
    connect(addButton("BitBtn7", qUtf8Printable(tr("圆图")), 490, 400, 90), &QPushButton::clicked, this,
            &TForm1::BitBtn7Click);
    connect(addButton("BitBtn8", qUtf8Printable(tr("匹配计算")), 590, 400, 90), &QPushButton::clicked, this,
            &TForm1::BitBtn8Click);
    connect(addButton("Button5", qUtf8Printable(tr("微波计算")), 690, 400, 90), &QPushButton::clicked, this,
            &TForm1::Button5Click);
}

void TForm1::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    FixedDialog::showEvent(event);
}

void TForm1::showPadPicture() {
    for (std::size_t i = 0; i < padPictures_.size(); ++i)
        padPictures_[i]->setVisible(padTypes_[i]->isChecked());
}

void TForm1::Raise(QWidget* window) {
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void TForm1::Button1Click() {
    const Refusable<ConstantKInputs> in = readConstantK();
    if (ReportRefusal(prompter_, in))
        return;
    const ConstantKSection k = DesignConstantK(in->nominalOhms, static_cast<Real>(in->cutoffHz));
    setText(KHalfInductance, Q(FormatConstantKValue(k.halfInductance, "uH")));
    setText(KCapacitance, Q(FormatConstantKValue(k.capacitance, "uF")));
}

void TForm1::BitBtn2Click() {
    const Refusable<PlanNumbers> in = readPlan({PlanChannelMHz, PlanReferenceMHz, PlanRDivider});
    if (ReportRefusal(prompter_, in))
        return;
    const Pe3236Setting s = PlanPe3236((*in)[PlanChannelMHz], (*in)[PlanReferenceMHz], (*in)[PlanRDivider]);
    setText(PlanVcoMHz, QString::number(s.vcoMHz));
    setText(PlanM, QString::number(s.m));
    setText(PlanA, QString::number(s.a));
    setText(PlanChannelNumber, QString::number(s.channel));
}

void TForm1::BitBtn4Click() {
    const Refusable<PlanNumbers> in = readPlan({PlanChannelMHz, PlanStepMHz});
    if (ReportRefusal(prompter_, in))
        return;
    setText(PlanChannelMHz,
            QString::number(static_cast<long long>((*in)[PlanChannelMHz]) - (*in)[PlanStepMHz]));
    BitBtn2Click();
}

void TForm1::BitBtn5Click() {
    const Refusable<PlanNumbers> in = readPlan({PlanChannelMHz, PlanStepMHz});
    if (ReportRefusal(prompter_, in))
        return;
    setText(PlanChannelMHz,
            QString::number(static_cast<long long>((*in)[PlanChannelMHz]) + (*in)[PlanStepMHz]));
    BitBtn2Click();
}

void TForm1::BitBtn3Click() {
    const std::optional<QString> path =
        prompter_.saveFileName(QString(), QDir::homePath(), QString::fromUtf8(FileFilter));
    if (!path || path->isEmpty())
        return;
    if (QFileInfo::exists(*path) && prompter_.ask(tr("文件已经存在,覆盖吗？")) != Prompter::Answer::Yes)
        return;
    const Refusable<PlanNumbers> in =
        readPlan({PlanReferenceMHz, PlanRDivider, PlanStartMHz, PlanEndMHz, PlanTabs, PlanStepMHz});
    if (ReportRefusal(prompter_, in))
        return;
    ChannelFileRequest request;
    request.referenceMHz = (*in)[PlanReferenceMHz];
    request.rDivider = (*in)[PlanRDivider];
    request.startMHz = (*in)[PlanStartMHz];
    request.endMHz = (*in)[PlanEndMHz];
    request.tabs = (*in)[PlanTabs];
    request.stepMHz = (*in)[PlanStepMHz];
    const std::optional<std::string> lines = ChannelFileText(request);
    if (!lines) {
        ReportInputError(prompter_);
        return;
    }
    if (!WriteFileAtomically(U8(*path), *lines))
        prompter_.showMessage(tr("文件没有保存: %1").arg(*path));
}

void TForm1::Button6Click() {
    const QString start = Q(programDirectory_) + QStringLiteral("/fin.txt");
    const std::optional<QString> path =
        prompter_.saveFileName(QString(), start, QString::fromUtf8(FileFilter));
    if (!path || path->isEmpty())
        return;
    const Refusable<PlanNumbers> in = readPlan({PlanChannelMHz});
    if (ReportRefusal(prompter_, in))
        return;
    const std::string lines = FinListText((*in)[PlanChannelMHz]);
    const std::string file = U8(*path);
    std::string contents;
    if (QFileInfo::exists(*path)) {
        const std::optional<std::string> old = ReadWholeFile(file);
        if (!old) {
            prompter_.showMessage(tr("文件没有保存: %1").arg(*path));
            return;
        }
        contents = *old;
    }
    if (!WriteFileAtomically(file, contents + lines))
        prompter_.showMessage(tr("文件没有保存: %1").arg(*path));
}

void TForm1::BitBtn10Click() {
    if (!padTypes_[0]->isChecked())
        return;
    const TeePad pad =
        DesignTeePad(TypedToFloat(U8(text(PadInputOhms))), TypedToFloat(U8(text(PadOutputOhms))),
                     TypedToFloat(U8(text(PadAttenuationDb))));
    setText(PadR1, Q(Format("%3.2f", {pad.r1})));
    setText(PadR2, Q(Format("%3.2f", {pad.r2})));
    setText(PadR3, Q(Format("%3.2f", {pad.r3})));
}

void TForm1::BitBtn9Click() {
    if (!padTypes_[0]->isChecked())
        return;
    const TeePad pad{TypedToFloat(U8(text(PadR1))), TypedToFloat(U8(text(PadR2))),
                     TypedToFloat(U8(text(PadR3)))};
    const Real input = TeePadInputResistance(pad, TypedToFloat(U8(text(PadOutputOhms))));
    setText(PadInputOhms, Q(Format("%.6f", {input})));
}

void TForm1::BitBtn12Click() {
    const int entry = fraction_->currentIndex();
    if (entry < 0)
        return;
    const Refusable<Real> frequency = readWavelengthFrequency();
    if (ReportRefusal(prompter_, frequency))
        return;
    setText(Wavelength, Q(Format("%3.5fcm", {WavelengthFractionCm(*frequency, entry + 1)})));
}

void TForm1::BitBtn11Click() {
    setText(LevelWatts, Q(Format("%3.5f", {DbmToWatts(TypedToFloat(U8(text(LevelDbm))))})));
}

void TForm1::BitBtn13Click() {
    setText(LevelDbm, Q(Format("%3.5f", {WattsToDbm(TypedToFloat(U8(text(LevelWatts))))})));
}

void TForm1::Button4Click() {
    const std::optional<Real> perVolt = UnitsPerVolt(U8(voltageUnit_->currentText()));
    if (!perVolt)
        return;
    setText(VoltageLevel, Q(Format("%3.5f", {VoltageToLevelDb(TypedToFloat(U8(text(Voltage))), *perVolt)})));
}

void TForm1::Button3Click() {
    const std::optional<Real> perVolt = UnitsPerVolt(U8(voltageUnit_->currentText()));
    if (!perVolt)
        return;
    setText(Voltage, Q(Format("%3.5f", {LevelDbToVoltage(TypedToFloat(U8(text(VoltageLevel))), *perVolt)})));
}

void TForm1::Button2Click() {
    const Real supply = TypedToFloat(U8(text(DividerSupply)));
    const Real top = TypedToFloat(U8(text(ResistorTop)));
    const Real bottom = TypedToFloat(U8(text(ResistorBottom)));
    setText(ResistorResult, Q(Format("%3.2f", {DividerOutput(supply, top, bottom)})));
}

void TForm1::BitBtn14Click() {
    const Real a = TypedToFloat(U8(text(ResistorTop)));
    const Real b = TypedToFloat(U8(text(ResistorBottom)));
    setText(ResistorResult, Q(Format("%3.2f", {ParallelResistance(a, b)})));
}

void TForm1::BitBtn6Click() {
    characterCode_->setText(Q(CharacterCodeText(characterCounter_)));
    ++characterCounter_;
}

void TForm1::BitBtn7Click() {
    Raise(chartWindow_);
}

void TForm1::BitBtn8Click() {
    Raise(matchCalculationWindow_);
}

void TForm1::Button5Click() {
    formulaWindow_->show();
    formulaWindow_->raise();
}

} // namespace qv
