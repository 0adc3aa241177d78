#pragma once

#include "matching/analysis/bode_fano.h"
#include "matching/analysis/frequency_response.h"

#include <optional>
#include <string>
#include <vector>

// What the frequency-response window plots and writes, built from a sweep: no widgets.
namespace qv {

struct PlotPoint {
    double x = 0; // MHz
    double y = 0;
};

struct ResponsePlot {
    std::vector<PlotPoint> returnLoss; // dB; a perfect match is held at the top of the axis
    std::vector<PlotPoint> vswr;
    double startMHz = 0;
    double stopMHz = 0;
    double designMHz = 0;
    double returnLossTop = 0;      // the axis ends here: the best return loss rounded up to 5 dB, at most 60
    std::optional<PlotPoint> band; // lower and upper edge, MHz (x = lower, y = upper)
    // What the band line tells: the band and the fractional bandwidth, or why there is none.
    Band bandFound;
    Real thresholdDb = 0;
    int edgeDecimals = 6;   // the edges' MHz to a tenth of the sweep's step
    ResponsePoint atDesign; // for the reason the design frequency failed
    int failedPoints = 0;   // frequencies that could not be computed, and the first of them
    ResponsePoint firstFailure;
};

inline constexpr double VswrAxisTop = 10;
inline constexpr double MaxReturnLossTop = 60; // dB

ResponsePlot BuildResponsePlot(const std::vector<ResponsePoint>& sweep, const ResponsePoint& atDesign,
                               const SweepRange& range, Real thresholdDb);

// A curve of return losses (dB) over frequency (Hz), held at `top` where it would leave the plot.
std::vector<PlotPoint> ReturnLossCurve(const std::vector<Real>& frequenciesHz,
                                       const std::vector<Real>& returnLossDb, double top);

// The sweep with the response at the design frequency put in its place, so that the locus passes
// through the design frequency itself; the sweep alone when the design frequency lies outside it.
std::vector<ResponsePoint> WithDesignPoint(std::vector<ResponsePoint> sweep, const ResponsePoint& atDesign);

// The sweep's numbers as CSV: a header, then MHz, R and X of the source end in ohms, return loss
// in dB and VSWR, one frequency a line (a failed one with its MHz and empty fields).
std::string EncodeResponseCsv(const std::vector<ResponsePoint>& sweep, Real Zo);

} // namespace qv
