#include "matching/windows/insertion_window.h"

#include "chart/windows/entry_canvas.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/text_format.h"
#include "core/rf/microstrip.h"
#include "core/settings/program_state.h"
#include "matching/analysis/insertion_value.h"
#include "matching/model/network_model.h"
#include "matching/model/network_texts.h"
#include "ui/field_reader.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace qv {

namespace {

constexpr int WindowWidth = 420;
constexpr int WindowHeight = 358;
const std::array<const char*, 10> KindCaptions = {
    "",
    QT_TRANSLATE_NOOP("qv::Tflcop", "串联电容"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "并联电容"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "串联电感"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "并联电感"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "串联微带"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "并联微带"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "串联阻抗"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "并联阻抗"),
    QT_TRANSLATE_NOOP("qv::Tflcop", "并联短路微带"),
};

bool IsCapacitor(int kind) {
    return kind == SeriesCapacitor || kind == ShuntCapacitor;
}
bool IsInductor(int kind) {
    return kind == SeriesInductor || kind == ShuntInductor;
}
bool IsMicrostrip(int kind) {
    return kind == SeriesMicrostripLine || kind == ShuntMicrostripStub || kind == ShuntShortedStub;
}

} // namespace

Tflcop::Tflcop(ProgramState& state, NetworkModel& network, Prompter& prompter, QWidget* parent)
    : FixedDialog("Tflcop", tr("接入元件"), WindowWidth, WindowHeight, WindowSkyBlue, parent), state_(state),
      network_(network), prompter_(prompter) {
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* kinds = new QGroupBox(tr("元件接入方式"), this);
    kinds->setObjectName(QStringLiteral("GroupBox1"));
    kinds->setGeometry(8, 6, 404, 112);
    for (int k = 1; k <= 9; ++k) {
        auto* radio = new QRadioButton(tr(KindCaptions[static_cast<std::size_t>(k)]), kinds);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(k));
        radio->setGeometry(12 + 98 * ((k - 1) % 4), 24 + 28 * ((k - 1) / 4), 94, 24);
        connect(radio, &QRadioButton::clicked, this, &Tflcop::UnitChangr);
        radioButtons_[static_cast<std::size_t>(k)] = radio;
    }

    auto* value = new QGroupBox(tr("元件值"), this);
    value->setObjectName(QStringLiteral("GroupBox2"));
    value->setGeometry(8, 124, 404, 184);
    edits_[ElementValue] = addEdit("Edit1", 12, 24, 160, value);
    edits_[ElementValue]->setToolTip(tr("输入可以带单位如10p,20n,10nf"));
    comboBox1_ = new QComboBox(value);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(182, 24, 80, 24);

    groupBox5_ = new QGroupBox(tr("参数输入"), value);
    groupBox5_->setObjectName(QStringLiteral("GroupBox5"));
    groupBox5_->setGeometry(8, 56, 388, 120);
    const struct {
        int number;
        const char* caption;
        const char* preset;
        int x, y;
        bool millimetres;
    } strip[] = {
        {StripWidth, QT_TR_NOOP("线宽"), "0.76", 8, 22, true},
        {BoardHeight, QT_TR_NOOP("板厚"), "0.6", 132, 22, true},
        {CopperThickness, QT_TR_NOOP("铜厚"), "0.035", 256, 22, true},
        {Permittivity, QT_TR_NOOP("常数"), "4.6", 8, 54, false},
        {StripLength, QT_TR_NOOP("长度"), "10", 132, 54, true},
    };
    for (const auto& field : strip) {
        addLabel(nullptr, tr(field.caption), field.x, field.y + 2, 34, groupBox5_);
        QLineEdit* edit =
            addEdit(("Edit" + std::to_string(field.number)).c_str(), field.x + 36, field.y, 80, groupBox5_);
        edit->setText(QString::fromUtf8(field.preset));
        if (field.millimetres)
            edit->setToolTip(tr("单位mm"));
        edits_[static_cast<std::size_t>(field.number)] = edit;
    }
    connect(addButton("BitBtn2", tr("Zo"), 8, 86, 70, groupBox5_), &QPushButton::clicked, this,
            &Tflcop::BitBtn2Click);
    edits_[StripZ0] = addEdit("Edit2", 86, 88, 140, groupBox5_);
    edits_[StripZ0]->setEnabled(false);

    groupBox3_ = new QGroupBox(tr("参数输入"), value);
    groupBox3_->setObjectName(QStringLiteral("GroupBox3"));
    groupBox3_->setGeometry(8, 56, 388, 120);
    addLabel(nullptr, tr("阻抗"), 8, 24, 34, groupBox3_);
    edits_[Resistance] = addEdit("Edit4", 44, 22, 120, groupBox3_);
    addLabel(nullptr, tr("电抗"), 180, 24, 34, groupBox3_);
    edits_[Reactance] = addEdit("Edit5", 216, 22, 120, groupBox3_);
    checkBox1_ = addCheckBox("CheckBox1", tr("归一化输入"), 8, 58, 140, groupBox3_);

    addLabel("Label2", tr("频率"), 16, 320, 34);
    edits_[Frequency] = addEdit("Edit3", 52, 318, 140);
    edits_[Frequency]->setEnabled(false);
    edits_[Frequency]->setToolTip(tr("通过设置按钮改变频率"));
    connect(addButton("BitBtn1", tr("&All"), 312, 316, 96), &QPushButton::clicked, this,
            &Tflcop::BitBtn1Click);

    radioButtons_[1]->setChecked(true);
    UnitChangr();
    refreshFrequency();
}

int Tflcop::checkedKind() const {
    for (int k = 1; k <= 9; ++k)
        if (radioButtons_[static_cast<std::size_t>(k)]->isChecked())
            return k;
    return 0;
}

void Tflcop::setUnits(const char* const* units, std::size_t count) {
    comboBox1_->clear();
    for (std::size_t i = 0; i < count; ++i)
        comboBox1_->addItem(QString::fromUtf8(units[i]));
    comboBox1_->setCurrentIndex(0);
}

void Tflcop::UnitChangr() {
    const int kind = checkedKind();
    if (IsCapacitor(kind))
        setUnits(CapacitorUnits.data(), CapacitorUnits.size());
    else if (IsInductor(kind))
        setUnits(InductorUnits.data(), InductorUnits.size());
    // Only the group of the checked kind is shown, so the two groups can share their place.
    groupBox5_->setVisible(IsMicrostrip(kind));
    groupBox3_->setVisible(kind == SeriesImpedance || kind == ShuntImpedance);
}

void Tflcop::refreshFrequency() {
    edits_[Frequency]->setText(Q(FormatFrequency(state_.Fo)));
}

void Tflcop::paintEvent(QPaintEvent* event) {
    refreshFrequency();
    FixedDialog::paintEvent(event);
}

void Tflcop::showEvent(QShowEvent* event) {
    refreshFrequency();
    FixedDialog::showEvent(event);
}

StripMillimetres Tflcop::readStrip(FieldReader& reader) const {
    StripMillimetres strip;
    const std::string inputError = U8(tr("输入错误！"));
    strip.W = reader.number(*edits_[StripWidth], inputError);
    strip.H = reader.number(*edits_[BoardHeight], inputError);
    strip.T = reader.number(*edits_[CopperThickness], inputError);
    strip.Er = reader.number(*edits_[Permittivity], inputError);
    strip.Len = reader.number(*edits_[StripLength], inputError);
    return strip;
}

Refusable<Tflcop::Insertion> Tflcop::readInputs() const {
    FieldReader reader;
    const std::string inputError = U8(tr("输入错误！"));
    Insertion in;
    ElementSpec& e = in.element;
    e.kind = checkedKind();
    if (IsMicrostrip(e.kind)) {
        const StripMillimetres strip = readStrip(reader);
        if (reader.refused())
            return reader.result(in);
        e.strip = MicrostripBlockFromMillimetres(strip, state_.Fo);
        in.label =
            MicrostripLabel(Trim(U8(edits_[StripLength]->text())), Trim(U8(edits_[StripWidth]->text())));
    } else if (IsCapacitor(e.kind) || IsInductor(e.kind)) {
        const std::string unit = U8(comboBox1_->currentText());
        e.value = reader.value([&] { return ParseElementValue(U8(edits_[ElementValue]->text()), unit); },
                               inputError);
        in.label = U8(edits_[ElementValue]->text()) + unit;
    } else {
        const Real resistance = reader.number(*edits_[Resistance], inputError);
        const Real reactance = reader.number(*edits_[Reactance], inputError);
        const Real scale = checkBox1_->isChecked() ? state_.Zo : 1;
        e.R = resistance * scale;
        e.value = reactance * scale;
    }
    if (reader.refused())
        return reader.result(in);
    const std::string implausible = ElementProblemText(ImplausibleElement(e)).toStdString();
    reader.require(implausible.empty(), InputErrorText() + implausible);
    return reader.result(in);
}

void Tflcop::BitBtn1Click() {
    const Refusable<Insertion> in = readInputs();
    if (ReportRefusal(prompter_, in))
        return;
    if (const Refusable<int> node = network_.append(in->label, in->element); !node) {
        if (!node.reason().empty())
            prompter_.showMessage(Q(node.reason()));
        return;
    }
    close();
}

void Tflcop::BitBtn2Click() {
    FieldReader reader;
    const Refusable<StripMillimetres> strip = reader.result(readStrip(reader));
    if (ReportRefusal(prompter_, strip))
        return;
    const MicrostripBlock block = MicrostripBlockFromMillimetres(*strip, state_.Fo);
    const MicrostripLine line = MicrostripZ0(block.W, block.H, block.T, block.Er);
    edits_[StripZ0]->setText(Q(Format("%3.5f", {line.Z0})));
}

} // namespace qv
