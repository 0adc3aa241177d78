#include "matching/model/auto_match_texts.h"

#include "core/numbers/text_format.h"
#include "matching/model/network_texts.h"

namespace qv {

namespace {

QString KindText(int kind) {
    switch (kind) {
    case SeriesCapacitor:
        return AutoMatchText::tr("串C");
    case ShuntCapacitor:
        return AutoMatchText::tr("并C");
    case SeriesInductor:
        return AutoMatchText::tr("串L");
    case ShuntInductor:
        return AutoMatchText::tr("并L");
    case SeriesMicrostripLine:
        return AutoMatchText::tr("串微带");
    case ShuntShortedStub:
        return AutoMatchText::tr("并短路支节");
    default:
        return AutoMatchText::tr("并开路支节");
    }
}

} // namespace

std::string TopologyName(MatchTopology topology) {
    switch (topology) {
    case MatchTopology::LNetwork:
        return "L";
    case MatchTopology::PiNetwork:
        return "Pi";
    case MatchTopology::TNetwork:
        return "T";
    case MatchTopology::SingleStub:
        break;
    }
    return AutoMatchText::tr("单支节").toStdString();
}

std::string ElementsText(const std::vector<ElementSpec>& elements) {
    std::string text;
    for (const ElementSpec& e : elements) {
        if (!text.empty())
            text += ' ';
        text += KindText(e.kind).toStdString() + ' ';
        // A line's label in the network has no units; here it stands among values that do.
        const bool line = e.kind != SeriesCapacitor && e.kind != ShuntCapacitor && e.kind != SeriesInductor &&
                          e.kind != ShuntInductor;
        text += line ? Format("L=%.2fmm W=%.2fmm", {e.strip.Len * 1000, e.strip.W * 1000}) : ElementLabel(e);
    }
    return text;
}

QString AutoMatchRefusalText(const AutoMatchRefusal& refusal) {
    using Kind = AutoMatchRefusal::Kind;
    switch (refusal.kind) {
    case Kind::BadFrequencyOrZo:
        return AutoMatchText::tr("频率和系统阻抗须为大于0的数");
    case Kind::LoadNotResistive:
        return AutoMatchText::tr("负载电阻须大于0：纯电抗或负电阻的负载无法用无损网络匹配");
    case Kind::SourceNotResistive:
        return AutoMatchText::tr("源电阻须大于0：纯电抗或负电阻的源无法用无损网络匹配");
    case Kind::AlreadyMatched:
        return AutoMatchText::tr("负载已与源匹配，无需匹配网络");
    case Kind::PiQBelowMinimum:
        return AutoMatchText::tr("Pi网络：Q=%1 低于最小值 %2")
            .arg(NumberText("%.3f", refusal.Q), NumberText("%.3f", refusal.minimum));
    case Kind::TQBelowMinimum:
        return AutoMatchText::tr("T网络：Q=%1 低于最小值 %2")
            .arg(NumberText("%.3f", refusal.Q), NumberText("%.3f", refusal.minimum));
    case Kind::StubBadSubstrate:
        return AutoMatchText::tr(
            "单支节：基板参数无效（线宽、板厚、铜厚须大于0，板厚大于两倍铜厚，介电常数大于1）");
    case Kind::StubNoSolution:
        return AutoMatchText::tr("单支节：特性阻抗%1欧的线在此基板上无解，请换线宽")
            .arg(NumberText("%.2f", refusal.lineOhms));
    case Kind::NoSolution:
        break;
    }
    return AutoMatchText::tr("所选的网络形式没有解");
}

} // namespace qv
