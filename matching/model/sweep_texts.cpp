#include "matching/model/sweep_texts.h"

#include "sparams/model/sparameter_file_texts.h"

#include "core/numbers/text_format.h"
#include "matching/model/network_texts.h"
#include "ui/file_failure_text.h"

namespace qv {

namespace {

QString Mhz(std::string_view format, Real hz) {
    return NumberText(format, hz / 1e6L);
}

} // namespace

QString SweepRangeText(const SweepRangeProblem& problem) {
    using Kind = SweepRangeProblem::Kind;
    switch (problem.kind) {
    case Kind::NotPositive:
        return SweepText::tr("起止频率必须为正数");
    case Kind::StartNotBelowStop:
        return SweepText::tr("起始频率必须低于终止频率");
    case Kind::PointCount:
        return SweepText::tr("点数必须在%1到%2之间").arg(MinSweepPoints).arg(MaxSweepPoints);
    case Kind::TooNarrow:
        return SweepText::tr("频率范围太窄：%1个点在15位有效数字下不能互相区分").arg(problem.points);
    case Kind::BeyondLoadTable:
        return SweepText::tr("负载文件只覆盖%1到%2 MHz")
            .arg(Mhz("%.6f", problem.lowHz), Mhz("%.6f", problem.highHz));
    }
    return {};
}

QString LoadTableText(LoadTableProblem problem) {
    switch (problem) {
    case LoadTableProblem::TooFewPoints:
        return SweepText::tr("负载文件至少需要两个频率点");
    case LoadTableProblem::BadReference:
        return SweepText::tr("负载文件的参考阻抗无效");
    case LoadTableProblem::FrequenciesNotRising:
        return SweepText::tr("负载文件的频率必须为正且严格递增");
    case LoadTableProblem::BadReflection:
        return SweepText::tr("负载文件含有无效的反射系数");
    }
    return {};
}

QString LoadReadText(const LoadFileRead& read) {
    using Problem = LoadFileRead::Problem;
    switch (read.problem) {
    case Problem::None:
        return {};
    case Problem::FileUnreadable:
        return FileFailureLine(read.file);
    case Problem::NotParsed:
        return SParameterErrorText(read.parseError);
    case Problem::NoReflection:
        return SweepText::tr("文件没有端口%1的反射系数（S%1%1）").arg(read.port);
    case Problem::BadTable:
        return LoadTableText(read.tableProblem);
    }
    return {};
}

QString LoadDescription(const LoadTable& table) {
    return SweepText::tr("%1 端口%2").arg(QString::fromStdString(table.path), QString::number(table.port));
}

QString PointFailureText(const ResponsePoint& point) {
    if (point.outsideLoadTable)
        return SweepText::tr("%1 MHz 不在负载文件的频率范围内").arg(Mhz("%.6f", point.frequencyHz));
    return QString::fromStdString(point.failure);
}

QString SweepLine(const ResponsePoint& point, Real Zo) {
    if (point.ok)
        return QString::fromStdString(FormatSweepNumbers(point, Zo));
    return SweepText::tr("%1 计算失败：%2").arg(Mhz("%.6f", point.frequencyHz), PointFailureText(point));
}

QString ExportAnswer(const ExportOutcome& outcome, const std::string& fileName, bool amplifier) {
    using Result = ExportOutcome::Result;
    const QString name = QString::fromStdString(fileName);
    switch (outcome.result) {
    case Result::WrongName:
        return amplifier ? SweepText::tr(">export 放大器的S参数须导出为 .s2p 文件")
                         : SweepText::tr(">export 文件名须以 .s1p 或 .s2p 结尾");
    case Result::NothingToWrite:
        return SweepText::tr(">export 没有可写的频率点，文件未写入");
    case Result::WriteFailed:
        return SweepText::tr(">export 导出失败: %1").arg(FileFailureLine(outcome.failure));
    case Result::Written:
        break;
    }
    QString answer =
        amplifier ? SweepText::tr(">已导出放大器%1个频率点到 %2").arg(QString::number(outcome.rows), name)
                  : SweepText::tr(">已导出%1个频率点到 %2").arg(QString::number(outcome.rows), name);
    if (outcome.skipped > 0)
        answer += SweepText::tr("（%1个无法计算的频率点未写入）").arg(outcome.skipped);
    return answer;
}

QString StageRefusalText(const StageRefusal& refusal) {
    using Kind = StageRefusal::Kind;
    switch (refusal.kind) {
    case Kind::Range:
        return SweepRangeText(refusal.range);
    case Kind::DifferentZo:
        return SweepText::tr("输入网络和输出网络的特征阻抗不同（%1 欧和 %2 欧）")
            .arg(QString::fromStdString(FormatGeneral(refusal.inputZo)),
                 QString::fromStdString(FormatGeneral(refusal.outputZo)));
    case Kind::NoSParameters:
        return SweepText::tr("晶体管文件没有S参数");
    case Kind::BeyondDevice:
        return SweepText::tr("频率范围 %1 - %2 MHz 超出晶体管文件的 %3 - %4 MHz")
            .arg(Mhz("%.6f", refusal.range.lowHz), Mhz("%.6f", refusal.range.highHz),
                 Mhz("%.6f", refusal.deviceLowHz), Mhz("%.6f", refusal.deviceHighHz));
    }
    return {};
}

QString StageLine(const StagePoint& point) {
    if (point.ok)
        return QString::fromStdString(FormatStageNumbers(point));
    const QString reason = point.outsideDevice ? SweepText::tr("不在晶体管文件的频率范围内")
                                               : QString::fromStdString(point.failure);
    return SweepText::tr("%1 计算失败：%2").arg(Mhz("%.6f", point.frequencyHz), reason);
}

QString YieldRefusalText(const YieldRefusal& refusal) {
    using Kind = YieldRefusal::Kind;
    switch (refusal.kind) {
    case Kind::Threshold:
        return SweepText::tr("RL 须为正的回波损耗门限（dB）");
    case Kind::BuildCount:
        return SweepText::tr("N 须在1到%1之间").arg(MaxYieldBuilds);
    case Kind::Range:
        return SweepRangeText(refusal.range);
    case Kind::DesignFails:
        return SweepText::tr("%1 MHz 处无法计算：%2")
            .arg(Mhz("%.6f", refusal.failedPoint.frequencyHz), PointFailureText(refusal.failedPoint));
    }
    return {};
}

QString BandText(const ResponsePlot& plot) {
    const Band& band = plot.bandFound;
    switch (band.outcome) {
    case Band::Outcome::DesignOutsideSweep:
        return SweepText::tr("工作频率不在扫描范围内");
    case Band::Outcome::DesignFails:
        return SweepText::tr("工作频率处无法计算：%1").arg(PointFailureText(plot.atDesign));
    case Band::Outcome::NotReached:
        return SweepText::tr("匹配达不到 %1dB：工作频率处回波损耗为 %2dB")
            .arg(NumberText("%.2f", plot.thresholdDb), NumberText("%.2f", band.designReturnLossDb));
    case Band::Outcome::Found:
        break;
    }
    const std::string edge = "%." + std::to_string(plot.edgeDecimals) + "f";
    QString text = SweepText::tr("回波损耗≥%1dB：%2 - %3 MHz，相对带宽 %4%")
                       .arg(NumberText("%.2f", plot.thresholdDb), Mhz(edge, band.lowerHz),
                            Mhz(edge, band.upperHz), NumberText("%.2f", band.fractionalPercent));
    if (band.lowerOpen || band.upperOpen)
        text += SweepText::tr("（频带超出扫描范围）");
    return text;
}

QString PlotFailureText(const ResponsePlot& plot) {
    if (plot.failedPoints == 0)
        return {};
    return SweepText::tr("%1个频率点无法计算（未画出），如 %2 MHz：%3")
        .arg(QString::number(plot.failedPoints), Mhz("%.6f", plot.firstFailure.frequencyHz),
             PointFailureText(plot.firstFailure));
}

QString LimitText(const BodeFanoLimit& limit, const std::optional<PlotPoint>& band) {
    if (limit.outcome != BodeFanoLimit::Outcome::Limited)
        return {}; // a real load or one without resistance has no limit to show
    QString text = SweepText::tr("Bode-Fano极限 %1 MHz（%2%）")
                       .arg(Mhz("%.3f", limit.bandwidthHz), NumberText("%.2f", limit.fraction * 100));
    if (band)
        text +=
            SweepText::tr("，本设计为极限的 %1%")
                .arg(NumberText("%.1f", ShareOfLimit(limit, static_cast<Real>(band->y - band->x) * 1e6L)));
    return text;
}

} // namespace qv
