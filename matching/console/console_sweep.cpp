#include "matching/console/console_sweep.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/settings/atomic_file.h"
#include "matching/analysis/touchstone/touchstone_export.h"
#include "matching/analysis/touchstone/touchstone_load.h"
#include "matching/console/console_text.h"
#include "matching/model/network_texts.h"
#include "matching/model/sweep_texts.h"
#include "sparams/model/sparameter_file_texts.h"
#include "ui/file_failure_text.h"

#include <cctype>
#include <cmath>

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";

const LoadTable* LoadOf(const SweepSession& session) {
    return session.load ? &*session.load : nullptr;
}

std::optional<std::string> NetworkProblem(const ProgramState& state) {
    if (state.NodeCount < 1)
        return Utf8(ConsoleText::tr("没有设置负载和源阻抗"));
    return std::nullopt;
}

std::string Sweep(const ProgramState& state, SweepSession& session, const Tokens& t) {
    constexpr std::string_view Usage = ">sweep F1 F2 N  ";
    if (const auto problem = NetworkProblem(state))
        return std::string(Usage) + *problem;
    const std::optional<Real> start = TryParseEngineering(t[1]);
    const std::optional<Real> stop = TryParseEngineering(t[2]);
    int points = 0;
    if (t.count < 4 || !start || !stop || !TryStrToInt(t[3], points))
        return std::string(Usage) + Utf8(ConsoleText::tr("参数错误：起止频率（可带单位，如 400m）和点数"));
    const SweepRange range{*start, *stop, points};
    if (const auto problem = FindSweepRangeProblem(range, LoadOf(session)))
        return std::string(Usage) + Utf8(SweepRangeText(*problem));
    session.lastRange = range;
    session.lastStage.reset();
    if (session.changed)
        session.changed();
    std::string text;
    for (const ResponsePoint& point : SweepResponse(SweepNetworkOf(state), LoadOf(session), range)) {
        if (!text.empty())
            text += LineBreak;
        text += Utf8(SweepLine(point, state.Zo));
    }
    return text;
}

// The last sweep's range, still valid for the load in use; or the line saying why not.
std::optional<std::string> LastRangeProblem(const ProgramState& state, const SweepSession& session,
                                            std::string_view command) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on ">" + std::string(...) when optimising.
    std::string line = ">";
    line += command;
    line += ' ';
    if (const auto problem = NetworkProblem(state))
        return line + *problem;
    if (!session.lastRange)
        return line + Utf8(ConsoleText::tr("请先用 sweep 扫描"));
    if (const auto problem = FindSweepRangeProblem(*session.lastRange, LoadOf(session)))
        return line + Utf8(ConsoleText::tr("%1，请重新 sweep").arg(SweepRangeText(*problem)));
    return std::nullopt;
}

std::string Bandwidth(const ProgramState& state, const SweepSession& session, const Tokens& t) {
    if (const auto problem = LastRangeProblem(state, session, "bw"))
        return *problem;
    Real threshold = DefaultBandThresholdDb;
    if (t.count >= 2 && !(TryStrToFloat(t[1], threshold) && threshold > 0))
        return Utf8(ConsoleText::tr(">bw RL  参数错误：RL 为正的回波损耗门限（dB），缺省 10"));
    const SweepNetwork network = SweepNetworkOf(state);
    const std::vector<ResponsePoint> sweep = SweepResponse(network, LoadOf(session), *session.lastRange);
    const Band band = FindBand(sweep, ResponseAt(network, LoadOf(session), state.Fo), threshold);
    switch (band.outcome) {
    case Band::Outcome::DesignOutsideSweep:
        return Utf8(
            ConsoleText::tr(">bw 工作频率 %1 不在扫描范围内").arg(FromUtf8(FormatFrequency(state.Fo))));
    case Band::Outcome::DesignFails:
        return Utf8(ConsoleText::tr(">bw 工作频率处无法计算：%1")
                        .arg(PointFailureText(ResponseAt(network, LoadOf(session), state.Fo))));
    case Band::Outcome::NotReached:
        return Utf8(ConsoleText::tr(">bw 匹配达不到 %1dB：工作频率处回波损耗为 %2dB")
                        .arg(NumberText("%.2f", threshold), NumberText("%.2f", band.designReturnLossDb)));
    case Band::Outcome::Found:
        break;
    }
    std::string text =
        Format("%.6f %.6f %.2f", {band.lowerHz / 1e6L, band.upperHz / 1e6L, band.fractionalPercent});
    if (band.lowerOpen || band.upperOpen)
        text += std::string(LineBreak) +
                Utf8(ConsoleText::tr(">bw 频带延伸到扫描范围之外，频带边沿只是扫描的端点，请加宽扫描"));
    return text;
}

std::string SetLoad(const ProgramState& state, SweepSession& session, const Tokens& t) {
    if (t.count < 2) {
        session.load.reset();
        if (session.changed)
            session.changed();
        return Utf8(ConsoleText::tr(">扫描负载：起点设置的恒定负载"));
    }
    int port = 1;
    if (t.count >= 3 && !(TryStrToInt(t[2], port) && (port == 1 || port == 2)))
        return Utf8(ConsoleText::tr(">sweepload FILE [PORT]  参数错误：PORT 为 1 或 2"));
    const LoadFileRead read = ReadLoadFile(t[1], port, state.Zo);
    if (!read.table)
        return ">sweepload " + Utf8(LoadReadText(read));
    const std::vector<LoadSample>& s = read.table->samples;
    session.load = *read.table;
    if (session.changed)
        session.changed();
    return Utf8(ConsoleText::tr(">扫描负载：%1，%2个频率点，%3 - %4 MHz")
                    .arg(LoadDescription(*read.table), QString::number(s.size()),
                         NumberText("%.6f", s.front().frequencyHz / 1e6L),
                         NumberText("%.6f", s.back().frequencyHz / 1e6L)));
}

std::string Export(const ProgramState& state, const SweepSession& session, const Tokens& t) {
    if (t.count < 2)
        return Utf8(ConsoleText::tr(">export FILE  文件名须以 .s1p 或 .s2p 结尾"));
    return ExportSweepSession(state, session, t[1]);
}

std::string Plot(const ProgramState& state, const SweepSession& session, const Tokens& t) {
    if (t.count < 2)
        return Utf8(ConsoleText::tr(">plot FILE  文件名须以 .png、.svg、.pdf 或 .csv 结尾"));
    return PlotSweepSession(state, session, t[1]);
}

bool EndsWithNoCase(const std::string& text, std::string_view end) {
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    return true;
}

} // namespace

std::optional<Real> TypedFrequency(const std::string& word) {
    try {
        const Real value = ParseEngineering(word);
        if (value == RejectedEngineeringValue || !std::isfinite(value))
            return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

SessionSweep SweepSessionNow(const ProgramState& state, const SweepSession& session) {
    const SweepNetwork network = SweepNetworkOf(state);
    SessionSweep now;
    now.points = SweepResponse(network, LoadOf(session), *session.lastRange);
    now.atDesign = ResponseAt(network, LoadOf(session), state.Fo);
    now.plot = BuildResponsePlot(now.points, now.atDesign, *session.lastRange, session.thresholdDb);
    return now;
}

std::string ExportSweepSession(const ProgramState& state, const SweepSession& session,
                               const std::string& path) {
    if (session.lastStage)
        return Utf8(ExportAnswer(
            ExportStageTouchstone(path, session.lastStage->result, session.lastStage->Zo), path, true));
    if (const auto problem = LastRangeProblem(state, session, "export"))
        return *problem;
    const SweepNetwork network = SweepNetworkOf(state);
    return Utf8(ExportAnswer(
        ExportTouchstone(path, network, SweepResponse(network, LoadOf(session), *session.lastRange)), path,
        false));
}

std::string PlotSweepSession(const ProgramState& state, const SweepSession& session,
                             const std::string& path) {
    const bool csv = EndsWithNoCase(path, ".csv");
    if (!csv && !EndsWithNoCase(path, ".png") && !EndsWithNoCase(path, ".svg") &&
        !EndsWithNoCase(path, ".pdf"))
        return Utf8(ConsoleText::tr(">plot 文件名须以 .png、.svg、.pdf 或 .csv 结尾"));
    if (const auto problem = LastRangeProblem(state, session, "plot"))
        return *problem;
    if (!csv && !session.writePlot)
        return Utf8(ConsoleText::tr(">plot 这里没有频率响应图，只能写 .csv"));
    const SessionSweep now = SweepSessionNow(state, session);
    FileFailure failure;
    const bool written = csv ? WriteFileAtomically(path, EncodeResponseCsv(now.points, state.Zo), &failure)
                             : session.writePlot(path, now.plot);
    if (!written)
        return Utf8(
            ConsoleText::tr(">plot 导出失败: %1")
                .arg(failure.problem == FileProblem::None ? FromUtf8(path) : FileFailureLine(failure)));
    return Utf8(ConsoleText::tr(">plot 已写入 %1").arg(FromUtf8(path)));
}

bool IsSweepCommand(const std::string& word) {
    return word == "sweep" || word == "bw" || word == "sweepload" || word == "export" || word == "plot";
}

std::string InterpretSweepCommand(const ProgramState& state, SweepSession& session, const Tokens& t) {
    const std::string& command = t[0];
    if (command == "sweep")
        return Sweep(state, session, t);
    if (command == "bw")
        return Bandwidth(state, session, t);
    if (command == "sweepload")
        return SetLoad(state, session, t);
    if (command == "export")
        return Export(state, session, t);
    if (command == "plot")
        return Plot(state, session, t);
    return {};
}

} // namespace qv
