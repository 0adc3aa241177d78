#include "ui/prompter.h"

#include "ui/qt_text.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace qv {

namespace {
QWidget* DialogParent() {
    return QApplication::activeWindow();
}
} // namespace

void QtPrompter::showMessage(const QString& text) {
    QMessageBox::information(DialogParent(), QApplication::applicationName(), text);
}

void QtPrompter::showWarningToIgnore(const QString& text) {
    QMessageBox::warning(DialogParent(), QApplication::applicationName(), text, QMessageBox::Ignore);
}

Prompter::Answer QtPrompter::ask(const QString& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(DialogParent(), QApplication::applicationName(), text, buttons)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::openFileName(const QString& caption, const QString& directory,
                                                const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(DialogParent(), caption, directory, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPrompter::saveFileName(const QString& caption, const QString& directory,
                                                const QString& filter) {
    // The callers ask their own overwrite question.
    const QString path = QFileDialog::getSaveFileName(DialogParent(), caption, directory, filter, nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<int> QtPrompter::chooseColour(int initialColour) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initialColour), DialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

} // namespace qv
