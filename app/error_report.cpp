#include "app/error_report.h"

#include "ui/prompter.h"

#include <QString>
#include <exception>

namespace qv {

bool RunReportingErrors(Prompter& prompter, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        // FloatingPointError and ConversionError carry texts ready for the message box.
        prompter.showMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        prompter.showMessage(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace qv
