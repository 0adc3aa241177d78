#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

// The context of the console's own answers, in the interface's language.
namespace qv {

struct ConsoleText {
    Q_DECLARE_TR_FUNCTIONS(ConsoleText)
};

inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

inline QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace qv
