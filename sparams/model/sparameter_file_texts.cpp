#include "sparams/model/sparameter_file_texts.h"

#include "core/numbers/text_format.h"

#include <QCoreApplication>

namespace qv {

namespace {

struct SParameterFileText {
    Q_DECLARE_TR_FUNCTIONS(SParameterFileText)
};

// The layouts' captions that are words; the others ("S11 M") read the same in every language.
[[maybe_unused]] constexpr const char* CaptionWords[] = {
    QT_TRANSLATE_NOOP("SParameterFileText", "频率MHz"),
    QT_TRANSLATE_NOOP("SParameterFileText", "频率"),
};

QString FileWord(const std::string& word) {
    return QString::fromStdString(DisplayTextOfBytes(word));
}

} // namespace

QString ColumnCaption(int format, int column) {
    const std::vector<std::string>& captions = LayoutOfFormat(format).captions;
    if (column < 0 || column >= static_cast<int>(captions.size()))
        return {};
    return SParameterFileText::tr(captions[static_cast<std::size_t>(column)].c_str());
}

QString SParameterErrorText(const SParameterError& error) {
    const QString line = QString::number(error.line);
    switch (error.fault) {
    case SParameterFault::None:
        return {};
    case SParameterFault::TooManyBytes:
        return SParameterFileText::tr("文件超过%1 MiB，不是S参数文件").arg(error.limit);
    case SParameterFault::TooManyLines:
        return SParameterFileText::tr("文件超过%1行，不是S参数文件").arg(error.limit);
    case SParameterFault::MissingValue:
        return SParameterFileText::tr("第%1行：缺少%2的数值")
            .arg(line, ColumnCaption(error.format, error.column));
    case SParameterFault::NotANumber:
        return SParameterFileText::tr("第%1行：'%2' is not a valid floating point value")
            .arg(line, FileWord(error.word));
    case SParameterFault::OutOfRange:
        return SParameterFileText::tr("第%1行：'%2' 超出数值范围").arg(line, FileWord(error.word));
    }
    return {};
}

QString SParameterWarningText(const SParameterWarning& warning) {
    switch (warning.note) {
    case SParameterNote::NoDataRows:
        return SParameterFileText::tr("注意：文件中没有数据行");
    case SParameterNote::OtherParameter:
        return SParameterFileText::tr("注意：文件中是%1参数，表中按S参数显示")
            .arg(FileWord(warning.parameter));
    case SParameterNote::OtherReference:
        return SParameterFileText::tr(
                   "注意：文件的参考阻抗为%1欧，不是Zo=%2欧；表中数值没有换算到Zo（图上的点已换算）")
            .arg(FileWord(warning.reference), QString::fromStdString(FormatGeneral(warning.Zo)));
    }
    return {};
}

QString DeviceErrorText(const DeviceError& error) {
    const QString detail = QString::fromStdString(error.detail);
    switch (error.fault) {
    case DeviceFault::None:
        return {};
    case DeviceFault::Unreadable:
        return SParameterFileText::tr("无法读取文件 %1").arg(detail);
    case DeviceFault::TooLarge:
        return SParameterFileText::tr("文件太大，不是S参数文件：%1").arg(detail);
    case DeviceFault::NotParsed:
        return SParameterErrorText(error.file);
    case DeviceFault::IncompleteRow:
        return SParameterFileText::tr("文件中有不完整的两端口数据行：%1").arg(detail);
    case DeviceFault::FallingFrequency:
        return SParameterFileText::tr("文件中的频率没有逐行增大：%1").arg(detail);
    case DeviceFault::NoTwoPortData:
        return SParameterFileText::tr("文件中没有两端口数据");
    }
    return {};
}

} // namespace qv
