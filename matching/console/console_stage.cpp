#include "matching/console/console_stage.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/text_format.h"
#include "matching/analysis/amplifier_stage.h"
#include "matching/console/console_text.h"
#include "matching/model/network_file.h"
#include "matching/model/network_texts.h"
#include "matching/model/sweep_texts.h"
#include "sparams/analysis/device_data.h"
#include "sparams/model/sparameter_file_texts.h"

#include <cmath>
#include <vector>

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view Usage = ">stage IN.smh FILE OUT.smh F1 F2 N  ";

std::string Refusal(const QString& why) {
    return std::string(Usage) + Utf8(why);
}

QString ResistanceText(const BandResistance& r, bool series) {
    if (!r.ohms)
        return ConsoleText::tr("无法稳定");
    if (series ? *r.ohms == 0 : std::isinf(*r.ohms))
        return ConsoleText::tr("不需要");
    const QString ohms = NumberText("%.2f", *r.ohms);
    const QString mhz = NumberText("%.3f", r.worstHz / 1e6L);
    return series ? ConsoleText::tr(">=%1欧（%2MHz）").arg(ohms, mhz)
                  : ConsoleText::tr("<=%1欧（%2MHz）").arg(ohms, mhz);
}

// Which side oscillates and where, and the resistive loading that would make the transistor
// unconditionally stable over the range: an analysis only, nothing is changed.
std::vector<std::string> AdviceLines(const StageVerdict& v, const DeviceData& device, const SweepRange& range,
                                     Real Zo) {
    std::vector<std::string> lines;
    if (v.stable)
        return lines;
    if (v.failed > 0)
        lines.push_back(Utf8(ConsoleText::tr(">%1个频率点无法计算").arg(v.failed)));
    if (v.firstUnstableInputHz)
        lines.push_back(Utf8(ConsoleText::tr(">输入端不稳定（|Gin|>=1），从 %1MHz 起")
                                 .arg(NumberText("%.3f", *v.firstUnstableInputHz / 1e6L))));
    if (v.firstUnstableOutputHz)
        lines.push_back(Utf8(ConsoleText::tr(">输出端不稳定（|Gout|>=1），从 %1MHz 起")
                                 .arg(NumberText("%.3f", *v.firstUnstableOutputHz / 1e6L))));
    const std::array<BandResistance, 4> r = StageStabilisingResistors(device, range, Zo);
    lines.push_back(
        Utf8(ConsoleText::tr(">使 mu>1 的稳定电阻：输入串联 %1，输入并联 %2，输出串联 %3，输出并联 %4")
                 .arg(ResistanceText(r[0], true), ResistanceText(r[1], false), ResistanceText(r[2], true),
                      ResistanceText(r[3], false))));
    return lines;
}

} // namespace

std::string RunStageCommand(const ProgramState& state, SweepSession& session, const Tokens& t) {
    const std::optional<Real> start = TryParseEngineering(t[4]);
    const std::optional<Real> stop = TryParseEngineering(t[5]);
    int points = 0;
    if (t.count < 7 || !start || !stop || !TryStrToInt(t[6], points))
        return Refusal(
            ConsoleText::tr("参数错误：输入网络文件、晶体管文件、输出网络文件、起止频率（可带单位）和点数"));
    const Refusable<SweepNetwork> input = ReadSweepNetwork(t[1], state.effflag, state.parts);
    if (!input)
        return Refusal(
            ConsoleText::tr("无法读入输入网络 %1：%2").arg(FromUtf8(t[1]), FromUtf8(input.reason())));
    const DeviceRead device = ReadDeviceFile(t[2]);
    if (!device.data)
        return Refusal(
            ConsoleText::tr("无法读入晶体管文件 %1：%2").arg(FromUtf8(t[2]), DeviceErrorText(device.error)));
    const Refusable<SweepNetwork> output = ReadSweepNetwork(t[3], state.effflag, state.parts);
    if (!output)
        return Refusal(
            ConsoleText::tr("无法读入输出网络 %1：%2").arg(FromUtf8(t[3]), FromUtf8(output.reason())));
    const StageNetworks networks{*input, *output};
    const SweepRange range{*start, *stop, points};
    if (const auto problem = StageProblem(networks, *device.data, range))
        return Refusal(StageRefusalText(*problem));

    StageResult result = AnalyseStage(networks, *device.data, range);
    std::string text;
    for (const StagePoint& point : result.points)
        text += Utf8(StageLine(point)) + std::string(LineBreak);
    text += FormatStageVerdict(result.verdict);
    for (const std::string& line : AdviceLines(result.verdict, *device.data, range, networks.input.Zo))
        text += std::string(LineBreak) + line;
    session.lastStage = StageSession{std::move(result), networks.input.Zo};
    return text;
}

} // namespace qv
