#pragma once

#include <QApplication>

namespace qv {

class Prompter;

// The application object with the one global error handler: every event goes through notify,
// so an error escaping any handler is shown in a message box instead of ending the program.
class QuorvaneApplication final : public QApplication {
public:
    QuorvaneApplication(int& argc, char** argv);
    void setErrorPrompter(Prompter* prompter) { prompter_ = prompter; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompter* prompter_ = nullptr;
};

} // namespace qv
