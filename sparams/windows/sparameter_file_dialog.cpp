#include "sparams/windows/sparameter_file_dialog.h"

#include "core/settings/atomic_file.h"
#include "sparams/analysis/sparameter_file.h"
#include "ui/prompter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qv {

namespace {
struct SParameterFileDialog {
    Q_DECLARE_TR_FUNCTIONS(SParameterFileDialog)
};
} // namespace

std::optional<ChosenSParameterFile> ChooseSParameterFile(Prompter& prompter, const QString& directory) {
    const std::optional<QString> path = prompter.openFileName(
        SParameterFileDialog::tr("打开文件"), directory,
        QStringLiteral("S files (*.s2p *.S2P *.ts);;Txt files (*.txt *.TXT);;All files (*)"));
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    if (QFileInfo(*path).size() > static_cast<qint64>(MaxSParameterFileBytes)) {
        prompter.showMessage(SParameterFileDialog::tr("文件太大，不是S参数文件：%1").arg(*path));
        return std::nullopt;
    }
    std::optional<std::string> bytes = ReadWholeFile(path->toStdString());
    if (!bytes) {
        prompter.showMessage(SParameterFileDialog::tr("无法读取文件 %1").arg(*path));
        return std::nullopt;
    }
    return ChosenSParameterFile{*path, std::move(*bytes)};
}

} // namespace qv
