#include "calculators/analysis/pe3236_plan.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/real.h"
#include "core/numbers/text_format.h"

#include <cmath>

namespace qv {

namespace {

constexpr long long IntermediateMHz = 36;
constexpr long long FirstUhfChannelBaseMHz = 306; // channel 21 starts at 474 = 306 + 8 * 21
constexpr long long ChannelWidthMHz = 8;
constexpr long long LinesPerBank = 24;
constexpr long long BankCount = 4;

} // namespace

Pe3236Setting PlanPe3236(long long channelMHz, long long referenceMHz, long long rDivider) {
    Pe3236Setting s;
    s.vcoMHz = channelMHz - IntermediateMHz;
    const Real ratio = CheckedStep([&] {
        const Real comparisonMHz = static_cast<Real>(referenceMHz) / (static_cast<Real>(rDivider) + 1);
        return static_cast<Real>(s.vcoMHz) / comparisonMHz;
    });
    if (!(std::fabs(ratio) < 9.2e18L))
        throw FloatingPointError(InvalidOperationText);
    s.n = static_cast<long long>(std::trunc(ratio));
    const long long tens = s.n / 10;
    s.m = tens - 1;
    s.a = s.n - 10 * tens;
    s.channel = (channelMHz - FirstUhfChannelBaseMHz) / ChannelWidthMHz;
    return s;
}

std::optional<std::string> ChannelFileText(const ChannelFileRequest& request) {
    const ChannelFileRequest& r = request;
    if (r.tabs > MaxChannelFileTabs)
        return std::nullopt;
    long long lineCount = 0;
    if (r.startMHz < r.endMHz) {
        if (r.stepMHz <= 0)
            return std::nullopt;
        lineCount = (r.endMHz - r.startMHz + r.stepMHz - 1) / r.stepMHz;
        if (lineCount > MaxChannelFileLines)
            return std::nullopt;
    }
    const std::string tabs(static_cast<std::size_t>(std::max(r.tabs, 0LL)), '\t');
    std::string text;
    long long block = 0;
    long long bank = 0;
    long long f = r.startMHz;
    for (long long record = 0; record < lineCount; ++record) {
        const Pe3236Setting s = PlanPe3236(f, r.referenceMHz, r.rDivider);
        text += tabs;
        text += Format(
            "6'd%d:begin outData=8'd%d;outA=4'd%d;ctrA=2'd%d;ctrB=2'd%d;end   //  %d-->%d   %d  %d\r\n",
            {record, s.m, s.a, BankCount - 1 - bank, bank, f, s.vcoMHz, s.m, s.a});
        if (++block >= LinesPerBank) {
            block = 0;
            bank = (bank + 1) % BankCount;
        }
        f += r.stepMHz;
    }
    return text;
}

std::string FinListText(long long firstChannelMHz) {
    std::string text;
    for (long long line = 1; line <= 3; ++line) {
        const long long f = firstChannelMHz + (line - 1) * ChannelWidthMHz;
        const Pe3236Setting s = PlanPe3236(f, 10, 4);
        text += "          " + Format("%4d%5d%5d%4d%4d", {line, f, s.vcoMHz, s.m, s.a}) + "\r\n";
    }
    return text;
}

} // namespace qv
