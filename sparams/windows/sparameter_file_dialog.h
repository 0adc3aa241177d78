#pragma once

#include <QString>
#include <optional>
#include <string>

namespace qv {

class Prompter;

struct ChosenSParameterFile {
    QString path;
    std::string bytes;
};

// Asks for an S-parameter file starting in `directory` and reads it whole. Nothing when the
// dialog is cancelled, the choice is no regular file, or the file is too large or unreadable
// (those two say so through the prompter).
std::optional<ChosenSParameterFile> ChooseSParameterFile(Prompter& prompter, const QString& directory);

} // namespace qv
