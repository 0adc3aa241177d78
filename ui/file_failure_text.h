#pragma once

#include "core/settings/atomic_file.h"

#include <QCoreApplication>
#include <QString>
#include <string>

// The words for a file that could not be read or written, shared by the console and every window.
namespace qv {

struct FileFailureText {
    Q_DECLARE_TR_FUNCTIONS(FileFailureText)
};

// One line naming the file and what went wrong.
QString FileFailureLine(const FileFailure& failure);

// A setting that could not be stored because para.ini at `path` could not be written.
QString SettingsNotSavedLine(const std::string& path);

} // namespace qv
