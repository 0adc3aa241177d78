#include "ui/translating_prompter.h"

#include "ui/interface_text.h"

namespace qv {

void TranslatingPrompter::showMessage(const QString& text) {
    shown_.showMessage(Translated(text));
}

void TranslatingPrompter::showWarningToIgnore(const QString& text) {
    shown_.showWarningToIgnore(Translated(text));
}

Prompter::Answer TranslatingPrompter::ask(const QString& text, bool withCancel) {
    return shown_.ask(Translated(text), withCancel);
}

std::optional<QString> TranslatingPrompter::openFileName(const QString& caption, const QString& directory,
                                                         const QString& filter) {
    return shown_.openFileName(Translated(caption), directory, Translated(filter));
}

std::optional<QString> TranslatingPrompter::saveFileName(const QString& caption, const QString& directory,
                                                         const QString& filter) {
    return shown_.saveFileName(Translated(caption), directory, Translated(filter));
}

std::optional<int> TranslatingPrompter::chooseColour(int initialColour) {
    return shown_.chooseColour(initialColour);
}

} // namespace qv
