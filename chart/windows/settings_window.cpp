#include "chart/windows/settings_window.h"

#include "chart/drawing/network_port.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/settings/program_state.h"
#include "ui/field_reader.h"
#include "ui/file_failure_text.h"
#include "ui/fixed_dialog.h"
#include "ui/language.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace qv {

namespace {
// A positive finite value of the trimmed text, or nothing for a text the parser rejects.
std::optional<Real> PositiveValue(const QString& text) {
    try {
        const Real value = ParseEngineering(Trim(U8(text)));
        if (!IsUsablePositive(value))
            return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}
} // namespace

TForm4::TForm4(ProgramState& state, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompter_(prompter) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(tr("参数设置"));

    auto* label1 = new QLabel(tr("操作频率"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(tr("特正阻抗"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    auto* label3 = new QLabel(tr("界面语言"), this);
    label3->setObjectName(QStringLiteral("LabelLanguage"));
    // The captions keep their design width unless a translation needs more; the fields follow.
    const int captionWidth =
        std::max({80, label1->sizeHint().width(), label2->sizeHint().width(), label3->sizeHint().width()});
    const int fieldLeft = 40 + captionWidth + 10;
    label1->setGeometry(40, 40, captionWidth, 21);
    label2->setGeometry(40, 85, captionWidth, 21);
    label3->setGeometry(40, 130, captionWidth, 21);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(fieldLeft, 38, 180, 24);
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setGeometry(fieldLeft, 83, 180, 24);
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("ComboLanguage"));
    language_->addItem(tr("中文"), QStringLiteral("zh"));
    language_->addItem(QStringLiteral("English"), QStringLiteral("en"));
    language_->setGeometry(fieldLeft, 128, 180, 24);
    auto* note = new QLabel(tr("下次启动时生效"), this);
    note->setObjectName(QStringLiteral("LabelLanguageNote"));
    note->setGeometry(fieldLeft, 156, std::max(180, note->sizeHint().width()), 21);
    auto* confirm = new QPushButton(QStringLiteral("&All"), this);
    confirm->setObjectName(QStringLiteral("BitBtn1"));
    confirm->setGeometry(140, 190, 90, 30);
    connect(confirm, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    setFixedSize(std::max(361, note->geometry().right() + 51), 241);
}

void TForm4::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    edit1_->setText(Q(FormatFrequency(state_.Fo)));
    edit2_->setText(Q(Format("%f", {state_.Zo})));
    const int stored = language_->findData(Q(state_.para.ReadParaString(LanguageSettingKey, "zh")));
    language_->setCurrentIndex(std::max(stored, 0));
    QWidget::showEvent(event);
}

Refusable<TForm4::Reference> TForm4::readInputs() const {
    FieldReader reader;
    Reference in;
    in.frequencyHz =
        reader.value([&] { return PositiveValue(edit1_->text()); }, FieldErrorText(U8(tr("操作频率"))));
    in.ohms = reader.value([&] { return PositiveValue(edit2_->text()); }, FieldErrorText(U8(tr("特正阻抗"))));
    return reader.result(in);
}

void TForm4::BitBtn1Click() {
    const Refusable<Reference> in = readInputs();
    if (ReportRefusal(prompter_, in))
        return;
    if (!network_ || !network_->setFrequency(in->frequencyHz) || !network_->setReferenceImpedance(in->ohms)) {
        prompter_.showMessage(QString::fromUtf8(InputErrorText()));
        return;
    }
    state_.para.WriteParaString("Fo", Trim(U8(edit1_->text())));
    state_.para.WriteParaString("Zo", Trim(U8(edit2_->text())));
    state_.para.WriteParaString(LanguageSettingKey, U8(language_->currentData().toString()));
    // Both fields go through even when para.ini cannot be written; that is said once.
    if (state_.para.TakeWriteFailure())
        prompter_.showMessage(SettingsNotSavedLine(state_.para.path()));
    close();
}

} // namespace qv
