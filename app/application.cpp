#include "app/application.h"

#include "app/error_report.h"

namespace qv {

QuorvaneApplication::QuorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuorvaneApplication::notify(QObject* receiver, QEvent* event) {
    if (!prompter_)
        return QApplication::notify(receiver, event);
    bool handled = false;
    RunReportingErrors(*prompter_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace qv
