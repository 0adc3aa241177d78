#include "ui/file_failure_text.h"

namespace qv {

QString FileFailureLine(const FileFailure& failure) {
    const QString path = QString::fromStdString(failure.path);
    const QString reason = QString::fromStdString(failure.systemReason);
    switch (failure.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::Missing:
        return FileFailureText::tr("文件不存在: %1").arg(path);
    case FileProblem::Unreadable:
        if (reason.isEmpty())
            return FileFailureText::tr("文件不能读: %1").arg(path);
        return FileFailureText::tr("文件不能读: %1 (%2)").arg(path, reason);
    case FileProblem::NotRegularToRead:
        return FileFailureText::tr("不是普通文件(目录、管道或设备),不能读: %1").arg(path);
    case FileProblem::TooLarge:
        return FileFailureText::tr("文件太大(超过%1 MiB),没有读: %2")
            .arg(QString::number(failure.limitMiB), path);
    case FileProblem::NoFileName:
        return FileFailureText::tr("没有文件名");
    case FileProblem::UnresolvableLink:
        return FileFailureText::tr("符号链接不能解析: %1").arg(path);
    case FileProblem::NotRegularToWrite:
        return FileFailureText::tr("不是普通文件,没有覆盖: %1").arg(path);
    case FileProblem::ReadOnly:
        return FileFailureText::tr("文件是只读的,没有覆盖: %1").arg(path);
    case FileProblem::WriteFailed:
        return FileFailureText::tr("文件写入失败: %1 (%2)").arg(path, reason);
    case FileProblem::SizeLimitExceeded:
        return FileFailureText::tr("超过文件大小限制,没有保存: %1").arg(path);
    }
    return {};
}

QString SettingsNotSavedLine(const std::string& path) {
    return FileFailureText::tr("设置没有保存：不能写入 %1").arg(QString::fromStdString(path));
}

} // namespace qv
