#include "matching/console/console_auto_match.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "matching/analysis/match_figures.h"
#include "matching/console/console_text.h"
#include "matching/model/auto_match_network.h"
#include "matching/model/auto_match_texts.h"
#include "matching/model/network_model.h"
#include "matching/model/network_texts.h"

namespace qv {

namespace {

constexpr std::string_view LineBreak = "\r\n";
std::string ApplyUsage() {
    return Utf8(ConsoleText::tr(">apply N [E24|E12|E48|E96]  N 为 autom 列出的方案号，不写系列时用精确值"));
}

} // namespace

std::string BandText(const MatchSolution& s) {
    if (!(s.bandwidthHz() > 0))
        return "BW=?";
    return Format("BW=%s%.3fMHz(%.3f-%.3fMHz)", {s.bandOpen ? ">" : "", s.bandwidthHz() / 1e6L,
                                                 s.bandLowerHz / 1e6L, s.bandUpperHz / 1e6L});
}

std::string FormatSolutionLine(int number, const MatchSolution& s, ESeries series,
                               const BodeFanoLimit& limit) {
    std::string line = Format(">%d: %s  ", {number, TopologyName(s.topology)}) + ElementsText(s.elements) +
                       "  " + BandText(s) + Format("  Q=%.3f", {s.loadedQ});
    if (limit.outcome == BodeFanoLimit::Outcome::Limited && s.bandwidthHz() > 0)
        line += Format("  BF=%.1f%%", {ShareOfLimit(limit, s.bandwidthHz())});
    if (s.topology != MatchTopology::SingleStub)
        line += Format("  %s: ", {std::string(ESeriesName(series))}) + ElementsText(s.standard) +
                Format(" RL=%.2fdB", {s.standardReturnLossDb});
    return line;
}

std::string RunAutomCommand(const ProgramState& state, AutoMatchListing& listing, const Tokens& t) {
    if (state.NodeCount < 1)
        return Utf8(ConsoleText::tr(">autom  没有设置负载和源阻抗"));
    AutoMatchRequest request = RequestFromNetwork(state);
    int count = t.count;
    // "short": the single stub shorted at its end.
    if (count >= 2 && t[count - 1] == "short") {
        request.shortedStub = true;
        --count;
    }
    if (count >= 2) {
        Real q = 0;
        if (!TryTypedToFloat(t[1], q) || !(q > 0 && q < 1e6L))
            return Utf8(ConsoleText::tr(
                ">autom [Q] [short]  Q 为大于0的有载Q，不写时取L网络最小Q的两倍；short 用短路支节"));
        request.Q = q;
    }
    listing = {request, SynthesiseMatches(request), true};
    const AutoMatchResult& result = listing.result;
    std::string text =
        Utf8(ConsoleText::tr(">autom Q=%1（L网络最小Q=%2），按回波损耗不低于%3dB的带宽由宽到窄排列")
                 .arg(NumberText("%.3f", result.Q), NumberText("%.3f", result.minimumQ),
                      NumberText("%.0f", request.bandThresholdDb)));
    for (std::size_t i = 0; i < result.solutions.size(); ++i)
        text += std::string(LineBreak) + FormatSolutionLine(static_cast<int>(i + 1), result.solutions[i],
                                                            request.series, result.limit);
    for (const AutoMatchRefusal& refusal : result.refusals)
        text += std::string(LineBreak) + ">" + Utf8(AutoMatchRefusalText(refusal));
    return text;
}

std::string RunApplyCommand(NetworkModel& network, const AutoMatchListing& listing, const Tokens& t) {
    const ProgramState& state = network.state();
    if (!listing.listed)
        return Utf8(ConsoleText::tr(">apply  请先用 autom 列出匹配方案"));
    if (!RequestStillHolds(listing.request, state))
        return Utf8(ConsoleText::tr(">apply  负载、源、频率、系统阻抗或匹配方式已改变，请重新输入 autom"));
    const int n = ParseIndex(t[1]);
    const std::optional<ESeries> series = ParseESeries(t[2]);
    if (n < 1 || static_cast<std::size_t>(n) > listing.result.solutions.size() || (t.count >= 3 && !series))
        return ApplyUsage();
    std::vector<ElementSpec> elements = listing.result.solutions[static_cast<std::size_t>(n - 1)].elements;
    if (series) {
        for (ElementSpec& e : elements)
            if (e.kind >= SeriesCapacitor && e.kind <= ShuntInductor)
                e.value = NearestStandardValue(e.value, *series);
    }
    if (const Refusable<> applied = ApplyMatch(network, elements); !applied)
        return ">apply  " + applied.reason();
    const MatchFigureTexts figures = FormatMatchFigures(state, "%4.2f");
    const QString applied = series ? ConsoleText::tr(">已接入方案%1（%2标称值） ")
                                         .arg(QString::number(n), FromUtf8(std::string(ESeriesName(*series))))
                                   : ConsoleText::tr(">已接入方案%1 ").arg(n);
    return Utf8(applied) + figures.returnLoss + " " + figures.vswr + " " + figures.mismatchLoss;
}

} // namespace qv
