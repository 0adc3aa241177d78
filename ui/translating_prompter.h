#pragma once

#include "ui/prompter.h"

namespace qv {

// Shows the messages, questions, dialog captions and file-type names of another prompter in the
// interface's language. Folders, file names and the chosen answers pass through unchanged.
class TranslatingPrompter final : public Prompter {
public:
    explicit TranslatingPrompter(Prompter& shown) : shown_(shown) {}
    void showMessage(const QString& text) override;
    void showWarningToIgnore(const QString& text) override;
    Answer ask(const QString& text, bool withCancel = false) override;
    std::optional<QString> openFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    std::optional<int> chooseColour(int initialColour) override;

private:
    Prompter& shown_;
};

} // namespace qv
