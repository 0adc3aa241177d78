#include "ui/fixed_dialog.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "ui/field_reader.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace qv {

std::optional<Real> CheckedNumber(const QString& text) {
    const std::string typed = U8(text);
    const std::string_view trimmed = Trim(typed);
    Real value = 0;
    if (ValidateNumber(trimmed) != 1 || !TryStrToFloat(trimmed, value))
        return std::nullopt;
    return value;
}

void CentreOnScreen(QWidget& window) {
    // A window held in a dock of the main window has its place there.
    if (!window.isWindow())
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

ColourBox::ColourBox(const QString& caption, int colour, Prompter& prompter, QWidget* parent)
    : QPushButton(caption, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("Panel1"));
    setFlat(true);
    setAutoFillBackground(true);
    setColour(colour);
    connect(this, &QPushButton::clicked, this, &ColourBox::choose);
}

void ColourBox::setColour(int colour) {
    colour_ = colour & 0xFFFFFF;
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray; }")
                      .arg(ToQColor(colour_).name(), ToQColor(colour_ ^ 0xFFFFFF).name()));
}

void ColourBox::choose() {
    if (const std::optional<int> chosen = prompter_.chooseColour(colour_))
        setColour(*chosen);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QPushButton* button =
            defaultButton_ ? defaultButton_ : findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        if (button && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

FixedDialog::FixedDialog(const char* name, const QString& caption, int width, int height, int background,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(caption);
    setFixedSize(width, height);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(background));
    setPalette(palette);
}

QLabel* FixedDialog::addLabel(const char* name, const QString& text, int x, int y, int width, QWidget* into) {
    auto* label = new QLabel(text, into ? into : this);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(x, y, width, 22);
    return label;
}

QLineEdit* FixedDialog::addEdit(const char* name, int x, int y, int width, QWidget* into) {
    auto* edit = new QLineEdit(into ? into : this);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setGeometry(x, y, width, 24);
    return edit;
}

QCheckBox* FixedDialog::addCheckBox(const char* name, const QString& text, int x, int y, int width,
                                    QWidget* into) {
    auto* box = new QCheckBox(text, into ? into : this);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(x, y, width, 22);
    return box;
}

QPushButton* FixedDialog::addButton(const char* name, const QString& text, int x, int y, int width,
                                    QWidget* into) {
    auto* button = new QPushButton(text, into ? into : this);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(x, y, width, 28);
    return button;
}

ColourBox* FixedDialog::addColourBox(const QString& text, int colour, Prompter& prompter, int x, int y,
                                     int width) {
    auto* box = new ColourBox(text, colour, prompter, this);
    box->setGeometry(x, y, width, 28);
    return box;
}

void ReportFieldError(Prompter& prompter, const char* fieldCaption) {
    prompter.showMessage(Q(FieldErrorText(fieldCaption)));
}

void FixedDialog::ReportInputError(Prompter& prompter) {
    prompter.showMessage(QString::fromUtf8(InputErrorText()));
}

} // namespace qv
