#include "sparams/windows/sparameter_file_dialog.h"

#include "core/settings/atomic_file.h"
#include "sparams/analysis/sparameter_file.h"
#include "ui/prompter.h"

#include <QFileInfo>

namespace qv {

std::optional<ChosenSParameterFile> ChooseSParameterFile(Prompter& prompter, const QString& directory) {
    const std::optional<QString> path = prompter.openFileName(
        QStringLiteral("打开文件"), directory,
        QStringLiteral("S files (*.s2p *.S2P *.ts);;Txt files (*.txt *.TXT);;All files (*)"));
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    if (QFileInfo(*path).size() > static_cast<qint64>(MaxSParameterFileBytes)) {
        prompter.showMessage(QStringLiteral("文件太大，不是S参数文件：") + *path);
        return std::nullopt;
    }
    std::optional<std::string> bytes = ReadWholeFile(path->toStdString());
    if (!bytes) {
        prompter.showMessage(QStringLiteral("无法读取文件 ") + *path);
        return std::nullopt;
    }
    return ChosenSParameterFile{*path, std::move(*bytes)};
}

} // namespace qv
