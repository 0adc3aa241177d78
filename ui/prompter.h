#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace qv {

// Every message box, question and file or colour dialog of the program goes through this
// interface: the program uses QtPrompter, tests a scripted one that answers from a queue.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // An information box with one "OK" button.
    virtual void showMessage(const QString& text) = 0;
    // A warning whose only button is "Ignore".
    virtual void showWarningToIgnore(const QString& text) = 0;
    // A question with Yes and No (and Cancel when withCancel is set).
    virtual Answer ask(const QString& text, bool withCancel = false) = 0;
    // File dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(const QString& caption, const QString& directory,
                                                const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& caption, const QString& directory,
                                                const QString& filter) = 0;
    // A colour dialog on 0x00BBGGRR colours; nothing when cancelled.
    virtual std::optional<int> chooseColour(int initialColour) = 0;
};

class QtPrompter final : public Prompter {
public:
    void showMessage(const QString& text) override;
    void showWarningToIgnore(const QString& text) override;
    Answer ask(const QString& text, bool withCancel = false) override;
    std::optional<QString> openFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    std::optional<int> chooseColour(int initialColour) override;

private:
    // File dialogs open in the folder of the last file chosen in any of them; before the first
    // choice, where the caller asks.
    QString startIn(const QString& directory) const;
    std::optional<QString> remembered(const QString& path);
    QString lastFolder_;
};

} // namespace qv
