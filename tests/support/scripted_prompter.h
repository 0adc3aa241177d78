#pragma once

#include "ui/prompter.h"

#include <QStringList>
#include <deque>
#include <optional>

namespace qv::test {

// Answers every prompt from queues filled in advance and records what was asked.
// An empty queue answers No, cancels a dialog, and the question is still recorded.
class ScriptedPrompter final : public Prompter {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> fileNames;
    std::deque<std::optional<int>> colours;

    QStringList messages;  // texts of showMessage and showWarningToIgnore
    QStringList warnings;  // texts of showWarningToIgnore
    QStringList questions; // texts of ask
    QStringList dialogs;   // captions of file dialogs, "colour" for colour dialogs

    void showMessage(const QString& text) override { messages << text; }
    void showWarningToIgnore(const QString& text) override {
        messages << text;
        warnings << text;
    }
    Answer ask(const QString& text, bool withCancel = false) override;
    std::optional<QString> openFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    std::optional<int> chooseColour(int initialColour) override;
};

} // namespace qv::test
