#include "matching/analysis/response_plot.h"

#include "core/numbers/text_format.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Decimals of MHz that show a tenth of the sweep's step, from 1 to 6.
int EdgeDecimals(const SweepRange& range) {
    const Real stepMHz = (range.stopHz - range.startHz) / std::max(range.points - 1, 1) / 1e6L;
    if (!(stepMHz > 0))
        return 6;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(stepMHz))) + 1, 1, 6);
}

} // namespace

ResponsePlot BuildResponsePlot(const std::vector<ResponsePoint>& sweep, const ResponsePoint& atDesign,
                               const SweepRange& range, Real thresholdDb) {
    ResponsePlot plot;
    plot.startMHz = static_cast<double>(range.startHz / 1e6L);
    plot.stopMHz = static_cast<double>(range.stopHz / 1e6L);
    plot.designMHz = static_cast<double>(atDesign.frequencyHz / 1e6L);

    double best = static_cast<double>(thresholdDb);
    int failed = 0;
    const ResponsePoint* firstFailure = nullptr;
    for (const ResponsePoint& p : sweep) {
        if (!p.ok) {
            if (failed++ == 0)
                firstFailure = &p;
            continue;
        }
        const double mhz = static_cast<double>(p.frequencyHz / 1e6L);
        const double rl = std::min(static_cast<double>(p.figures.returnLossDb), MaxReturnLossTop);
        best = std::max(best, rl);
        plot.returnLoss.push_back({mhz, rl});
        plot.vswr.push_back({mhz, std::min(static_cast<double>(p.figures.vswr), VswrAxisTop * 2)});
    }
    plot.returnLossTop = std::min(MaxReturnLossTop, std::ceil(best / 5 + 0.01) * 5);
    plot.failedPoints = failed;
    if (firstFailure)
        plot.firstFailure = *firstFailure;

    plot.bandFound = FindBand(sweep, atDesign, thresholdDb);
    plot.thresholdDb = thresholdDb;
    plot.edgeDecimals = EdgeDecimals(range);
    plot.atDesign = atDesign;
    const Band& band = plot.bandFound;
    if (band.outcome == Band::Outcome::Found)
        plot.band =
            PlotPoint{static_cast<double>(band.lowerHz / 1e6L), static_cast<double>(band.upperHz / 1e6L)};
    return plot;
}

std::vector<PlotPoint> ReturnLossCurve(const std::vector<Real>& frequenciesHz,
                                       const std::vector<Real>& returnLossDb, double top) {
    std::vector<PlotPoint> curve;
    for (std::size_t i = 0; i < frequenciesHz.size() && i < returnLossDb.size(); ++i)
        curve.push_back({static_cast<double>(frequenciesHz[i] / 1e6L),
                         std::clamp(static_cast<double>(returnLossDb[i]), 0.0, top)});
    return curve;
}

std::vector<ResponsePoint> WithDesignPoint(std::vector<ResponsePoint> sweep, const ResponsePoint& atDesign) {
    const Real f = atDesign.frequencyHz;
    if (sweep.empty() || f < sweep.front().frequencyHz || f > sweep.back().frequencyHz)
        return sweep;
    const auto place = std::lower_bound(sweep.begin(), sweep.end(), f,
                                        [](const ResponsePoint& p, Real hz) { return p.frequencyHz < hz; });
    if (place != sweep.end() && place->frequencyHz == f)
        *place = atDesign;
    else
        sweep.insert(place, atDesign);
    return sweep;
}

std::string EncodeResponseCsv(const std::vector<ResponsePoint>& sweep, Real Zo) {
    std::string text = "MHz,R(ohm),X(ohm),RL(dB),VSWR\r\n";
    for (const ResponsePoint& p : sweep) {
        text += Format("%.6f", {p.frequencyHz / 1e6L});
        text += p.ok ? Format(",%.3f,%.3f,%.2f,%.3f\r\n", {p.sourceEnd.re * Zo, p.sourceEnd.im * Zo,
                                                           p.figures.returnLossDb, p.figures.vswr})
                     : std::string(",,,,\r\n");
    }
    return text;
}

} // namespace qv
