#include "matching/model/network_ends.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/entry_points.h"
#include "core/rf/conversions.h"

namespace qv {

bool SetTypedEnds(NetworkModel& network, const std::optional<TypedEnd>& load,
                  const std::optional<TypedEnd>& source, bool normalised, EndsRule rule) {
    const ProgramState& state = network.state();
    const MatchNode& ends = state.network[1];
    const auto normalise = [&](const std::optional<TypedEnd>& end, Complex current) {
        if (!end)
            return current;
        const NormalisedPair z = EnteredImpedance(end->r, end->x, normalised, state.Zo);
        static_cast<void>(GammaToPixel(state.geometry, ImpedanceToGamma(z.re, z.im))); // throws off the chart
        return Complex{z.re, z.im};
    };
    const Complex loadNormalised = normalise(load, {ends.nodeR, ends.nodeX});
    const Complex sourceNormalised = normalise(source, {ends.sourceR, ends.sourceX});
    network.setEnds(loadNormalised, sourceNormalised, rule);

    bool written = true;
    const auto store = [&](const std::optional<TypedEnd>& end, const char* rKey, const char* xKey) {
        if (end)
            written = state.para.WriteParaString(rKey, end->rText) &&
                      state.para.WriteParaString(xKey, end->xText) && written;
    };
    store(load, "负载R", "负载j");
    store(source, "源点R", "源点j");
    return state.para.WriteParaString("归一化输入1", normalised ? "1" : "0") && written;
}

} // namespace qv
