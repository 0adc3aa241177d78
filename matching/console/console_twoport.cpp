#include "matching/console/console_twoport.h"

#include "chart/analysis/overlay_circle.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "matching/console/console_interpreter.h"
#include "matching/console/console_text.h"
#include "matching/model/network_model.h"
#include "matching/model/network_texts.h"
#include "sparams/analysis/two_port_design.h"
#include "sparams/model/sparameter_file_texts.h"

#include <cmath>

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr int GainCircleColour = 0x008000;  // green
constexpr int PowerCircleColour = 0xC000C0; // purple
constexpr int NoiseCircleColour = 0x0080FF; // orange

std::optional<Real> TypedFrequency(const std::string& word) {
    try {
        const Real value = ParseEngineering(word);
        if (value == RejectedEngineeringValue || !std::isfinite(value) || value <= 0)
            return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::string PolarText(std::string_view name, Complex reflection) {
    const MagnitudeAngle p = PolarOf(reflection);
    std::string text(name);
    return text + Format("=%.4f∠%.2f", {p.magnitude, p.angleDegrees});
}

std::string RefusalText(DesignRefusal refusal) {
    switch (refusal) {
    case DesignRefusal::NotUnconditionallyStable:
        return Utf8(ConsoleText::tr("器件不是无条件稳定（K<=1 或 |D|>=1），没有同时共轭匹配"));
    case DesignRefusal::GainOutOfReach:
        return Utf8(ConsoleText::tr("没有反射系数能得到这个增益（高于最大增益）"));
    case DesignRefusal::NoiseBelowMinimum:
        return Utf8(ConsoleText::tr("噪声系数低于该频率的最小噪声系数NFmin"));
    case DesignRefusal::NoNoiseData:
        return Utf8(ConsoleText::tr("文件在该频率没有噪声参数"));
    case DesignRefusal::None:
        break;
    }
    return {};
}

std::string ReadTwoPort(NetworkModel& network, TwoPortSession& session, const Tokens& t) {
    std::string first = ">twoport";
    for (int k = 1; k < t.count && k < 3; ++k)
        first += " " + t[k];
    const auto refuse = [&](const std::string& why) { return first + std::string(LineBreak) + ">" + why; };
    const std::optional<Real> frequency = t.count >= 3 ? TypedFrequency(t[2]) : std::nullopt;
    if (!frequency)
        return refuse(Utf8(ConsoleText::tr("用法：twoport FILE F，F 为频率（可带单位，如 2g、900m）")));
    const DeviceRead read = ReadDeviceFile(t[1]);
    if (!read.data)
        return refuse(DeviceErrorText(read.error).toStdString());
    const std::optional<DevicePoint> point = DeviceAt(*read.data, *frequency);
    if (!point) {
        const std::vector<DeviceRow>& rows = read.data->rows;
        return refuse(Utf8(ConsoleText::tr("频率 %1MHz 不在文件的频率范围 %2 - %3 MHz 内")
                               .arg(NumberText("%.6f", *frequency / 1e6L),
                                    NumberText("%.6f", rows.front().frequencyHz / 1e6L),
                                    NumberText("%.6f", rows.back().frequencyHz / 1e6L))));
    }
    // Every figure first: a device the arithmetic cannot take changes nothing.
    std::string text = first;
    try {
        const SMatrix& s = point->s;
        const StabilityFigures stability = Stability(s);
        text += LineBreak;
        text += Format(">K=%.4f mu=%.4f mu'=%.4f |D|=%.4f",
                       {stability.k, Mu(s), MuPrime(s), stability.deltaMagnitude});
        const MaximumGainFigure gain = MaximumGain(s);
        text += LineBreak;
        text += Format(gain.available ? ">MAG=%.2fdB" : ">MSG=%.2fdB", {gain.db});
        const ConjugateMatchResult match = SimultaneousConjugateMatch(s);
        text += LineBreak;
        if (match.match) {
            const Real zo = network.state().Zo;
            text +=
                ">" + PolarText("GammaMS", match.match->sourceReflection) + " " +
                PolarText("GammaML", match.match->loadReflection) + " " +
                FormatSignedPair("ZMS=", "%.2f", ReflectionToImpedance(match.match->sourceReflection, zo).re,
                                 ReflectionToImpedance(match.match->sourceReflection, zo).im) +
                " " +
                FormatSignedPair("ZML=", "%.2f", ReflectionToImpedance(match.match->loadReflection, zo).re,
                                 ReflectionToImpedance(match.match->loadReflection, zo).im);
        } else {
            text += ">" + RefusalText(match.refusal);
        }
        if (point->noise) {
            const NoiseParameters& n = *point->noise;
            const MagnitudeAngle g = PolarOf(n.optimumReflection);
            text += LineBreak;
            text += Format(">NFmin=%.2fdB Gammaopt=%.4f∠%.2f Rn=%.2f",
                           {n.minimumDb, g.magnitude, g.angleDegrees, n.resistanceOhms});
        }
    } catch (const FloatingPointError& e) {
        return refuse(Utf8(ConsoleText::tr("无法计算：%1").arg(FromUtf8(e.what()))));
    }
    network.setFrequency(*frequency);
    session = {t[1], read.data->referenceOhms, point};
    return text;
}

std::optional<std::string> NoDevice(const TwoPortSession& session, std::string_view command) {
    if (session.point)
        return std::nullopt;
    std::string line = ">";
    line += command;
    return line + Utf8(ConsoleText::tr(" 请先用 twoport FILE F 读入器件"));
}

std::string Circle(ConsoleHost& host, const TwoPortSession& session, const Tokens& t) {
    if (const auto problem = NoDevice(session, "circle"))
        return *problem;
    const std::string& kind = t[1];
    Real db = 0;
    if (!(kind == "ga" || kind == "gp" || kind == "nf") || t.count < 3 || !TryStrToFloat(t[2], db))
        return Utf8(ConsoleText::tr(
            ">circle ga|gp|nf DB  参数错误：ga 可用增益圆，gp 工作增益圆，nf 噪声圆，DB 为 dB 值"));
    const DevicePoint& point = *session.point;
    CircleResult result;
    if (kind == "nf") {
        if (!point.noise)
            return ">circle nf " + RefusalText(DesignRefusal::NoNoiseData);
        result = NoiseCircle(*point.noise, session.referenceOhms, db);
    } else {
        result =
            GainCircle(point.s, kind == "ga" ? GainPlane::AvailableSource : GainPlane::OperatingLoad, db);
    }
    if (!result.circle)
        return ">circle " + kind + " " + RefusalText(result.refusal);
    const std::string name = kind == "ga" ? "Ga" : kind == "gp" ? "Gp" : "NF";
    const int colour = kind == "ga" ? GainCircleColour : kind == "gp" ? PowerCircleColour : NoiseCircleColour;
    const MagnitudeAngle c = PolarOf(result.circle->centre);
    host.drawChartCircle(
        {result.circle->centre, result.circle->radius, colour, Format("---%s=%.2fdB", {name, db})});
    return Format(">%s=%.2fdB center=%.4f∠%.2f radius=%.4f",
                  {name, db, c.magnitude, c.angleDegrees, result.circle->radius});
}

// The load becomes Zo(1 + G*)/(1 - G*), the source Zo: a network matched from there to the
// source presents G to the transistor.
std::string AmplifierEnd(NetworkModel& network, const TwoPortSession& session, const Tokens& t) {
    const std::string& command = t[0];
    if (const auto problem = NoDevice(session, command))
        return *problem;
    const bool optimumNoise = command == "ampin" && t[1] == "opt";
    Complex reflection;
    if (optimumNoise) {
        if (!session.point->noise)
            return ">ampin opt " + RefusalText(DesignRefusal::NoNoiseData);
        reflection = session.point->noise->optimumReflection;
    } else {
        const ConjugateMatchResult match = SimultaneousConjugateMatch(session.point->s);
        if (!match.match)
            return ">" + command + " " + RefusalText(match.refusal);
        reflection = command == "ampin" ? match.match->sourceReflection : match.match->loadReflection;
    }
    const Real zo = network.state().Zo;
    Complex load;
    try {
        load = MatchedLoadOhms(reflection, zo);
    } catch (const FloatingPointError& e) {
        return ">" + command + Utf8(ConsoleText::tr(" 无法计算：%1").arg(FromUtf8(e.what())));
    }
    network.setEnds({load.re / zo, load.im / zo}, {1, 0}, EndsRule::Restart);
    return Utf8(ConsoleText::tr(">负载阻抗:=%1欧 源阻抗:=%2欧")
                    .arg(FromUtf8(FormatSignedPair("", "%4.3f", load.re, load.im)),
                         FromUtf8(FormatSignedPair("", "%4.3f", zo, 0))));
}

} // namespace

bool IsTwoPortCommand(const std::string& word) {
    return word == "twoport" || word == "circle" || word == "ampin" || word == "ampout";
}

std::string InterpretTwoPortCommand(NetworkModel& network, ConsoleHost& host, const Tokens& t) {
    TwoPortSession& session = host.twoPortSession();
    if (t[0] == "twoport")
        return ReadTwoPort(network, session, t);
    if (t[0] == "circle")
        return Circle(host, session, t);
    return AmplifierEnd(network, session, t);
}

} // namespace qv
