#include "ui/prompter.h"

#include "ui/qt_text.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace qv {

namespace {

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

// Every dialog opens above every window, those that stay on top included: a modal question
// hidden under a tool window would block the program out of sight.
void AboveEverything(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

int RunMessageBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QApplication::applicationName(), text, buttons, DialogParent());
    AboveEverything(box);
    return box.exec();
}

QString RunFileDialog(QFileDialog& dialog) {
    AboveEverything(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

void QtPrompter::showMessage(const QString& text) {
    RunMessageBox(QMessageBox::Information, text, QMessageBox::Ok);
}

void QtPrompter::showWarningToIgnore(const QString& text) {
    RunMessageBox(QMessageBox::Warning, text, QMessageBox::Ignore);
}

Prompter::Answer QtPrompter::ask(const QString& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (RunMessageBox(QMessageBox::Question, text, buttons)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtPrompter::startIn(const QString& directory) const {
    if (lastFolder_.isEmpty())
        return directory;
    // A suggested file name is kept, in the remembered folder.
    if (directory.isEmpty() || QFileInfo(directory).isDir())
        return lastFolder_;
    return QDir(lastFolder_).filePath(QFileInfo(directory).fileName());
}

std::optional<QString> QtPrompter::remembered(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> QtPrompter::openFileName(const QString& caption, const QString& directory,
                                                const QString& filter) {
    QFileDialog dialog(DialogParent(), caption, startIn(directory), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return remembered(RunFileDialog(dialog));
}

std::optional<QString> QtPrompter::saveFileName(const QString& caption, const QString& directory,
                                                const QString& filter) {
    QFileDialog dialog(DialogParent(), caption, startIn(directory), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The callers ask their own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return remembered(RunFileDialog(dialog));
}

std::optional<int> QtPrompter::chooseColour(int initialColour) {
    QColorDialog dialog(ToQColor(initialColour), DialogParent());
    AboveEverything(dialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

} // namespace qv
