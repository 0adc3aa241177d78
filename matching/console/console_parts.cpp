#include "matching/console/console_parts.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "matching/analysis/bode_fano.h"
#include "matching/analysis/yield.h"
#include "matching/console/console_text.h"
#include "matching/model/network_model.h"
#include "matching/model/sweep_texts.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace qv {

namespace {

std::string PartsLine(const PartsModel& p) {
    return ">parts QL=" + FormatGeneral(p.QL) + " QC=" + FormatGeneral(p.QC) + " TL=" + FormatGeneral(p.TL) +
           "% TC=" + FormatGeneral(p.TC) + "%";
}

std::string Parts(NetworkModel& network, const Tokens& t) {
    if (t.count == 1)
        return PartsLine(network.state().parts);
    constexpr std::string_view Usage = ">parts QL QC TL TC  ";
    std::array<Real, 4> values{};
    for (int i = 0; i < std::min(t.count - 1, 4); ++i) {
        if (!TryTypedToFloat(t[i + 1], values[static_cast<std::size_t>(i)])) {
            return std::string(Usage) +
                   Utf8(ConsoleText::tr("参数错误：'%1' 不是数").arg(FromUtf8(t[i + 1])));
        }
    }
    if (t.count != 5)
        return std::string(Usage) +
               Utf8(ConsoleText::tr("参数错误：电感Q 电容Q（0为理想元件） 电感容差% 电容容差%"));
    int offending = 0;
    switch (network.setParts({values[0], values[1], values[2], values[3]}, &offending)) {
    case PartsProblem::None:
        return PartsLine(network.state().parts);
    case PartsProblem::NegativeQ:
        return std::string(Usage) +
               Utf8(ConsoleText::tr("参数错误：第%1个值 Q 须为不小于0的数（0为理想元件）").arg(offending));
    case PartsProblem::ToleranceRange:
        break;
    }
    return std::string(Usage) +
           Utf8(ConsoleText::tr("参数错误：第%1个值 容差须不小于0且小于100%").arg(offending));
}

std::optional<std::uint64_t> Seed(const std::string& word) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), seed);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return seed;
}

std::string Yield(const ProgramState& state, const SweepSession& session, const Tokens& t) {
    constexpr std::string_view Usage = ">yield F1 F2 RL N [SEED]  ";
    if (state.NodeCount < 1)
        return std::string(Usage) + Utf8(ConsoleText::tr("没有设置负载和源阻抗"));
    const std::optional<Real> start = TypedFrequency(t[1]);
    const std::optional<Real> stop = TypedFrequency(t[2]);
    YieldRequest request;
    std::optional<std::uint64_t> seed = 1;
    if (t.count >= 6)
        seed = Seed(t[5]);
    if (t.count < 5 || !start || !stop || !TryStrToFloat(t[3], request.returnLossDb) ||
        !TryStrToInt(t[4], request.builds) || !seed)
        return std::string(Usage) +
               Utf8(ConsoleText::tr(
                   "参数错误：起止频率（可带单位，如 400m）、回波损耗门限dB、次数、可选的随机种子"));
    request.network = SweepNetworkOf(state);
    request.startHz = *start;
    request.stopHz = *stop;
    request.seed = *seed;
    const LoadTable* table = session.load ? &*session.load : nullptr;
    if (const auto problem = YieldRequestProblem(request, table))
        return std::string(Usage) + Utf8(YieldRefusalText(*problem));
    return FormatYieldLine(RunYield(request, table));
}

std::string BodeFano(const ProgramState& state, const Tokens& t) {
    if (state.NodeCount < 1)
        return Utf8(ConsoleText::tr(">bodefano  没有设置负载和源阻抗"));
    Real threshold = DefaultBandThresholdDb;
    if (t.count >= 2 && !(TryStrToFloat(t[1], threshold) && threshold > 0))
        return Utf8(ConsoleText::tr(">bodefano RL  参数错误：RL 为正的回波损耗门限（dB），缺省 10"));
    const MatchNode& ends = state.network[1];
    const BodeFanoLimit limit =
        BodeFanoBandwidth({ends.nodeR * state.Zo, ends.nodeX * state.Zo}, state.Fo, threshold);
    switch (limit.outcome) {
    case BodeFanoLimit::Outcome::Limited:
        break;
    case BodeFanoLimit::Outcome::RealLoad:
        return Utf8(ConsoleText::tr(">Bode-Fano: 负载为纯电阻（Q=0），带宽没有限制"));
    case BodeFanoLimit::Outcome::NoResistance:
        return Utf8(ConsoleText::tr(">Bode-Fano: 负载电阻须大于0"));
    }
    return Format(">Bode-Fano: Q=%.3f RL=%.1fdB max bandwidth=%.3fMHz (%.2f%%)",
                  {limit.Q, threshold, limit.bandwidthHz / 1e6L, limit.fraction * 100});
}

} // namespace

bool IsPartsCommand(const std::string& word) {
    return word == "parts" || word == "yield" || word == "bodefano";
}

std::string InterpretPartsCommand(NetworkModel& network, const SweepSession& session, const Tokens& t) {
    const std::string& command = t[0];
    if (command == "parts")
        return Parts(network, t);
    if (command == "yield")
        return Yield(network.state(), session, t);
    if (command == "bodefano")
        return BodeFano(network.state(), t);
    return {};
}

} // namespace qv
