#include "matching/drawing/response_locus.h"

#include "chart/drawing/overlay_layers.h"
#include "core/numbers/errors.h"
#include "core/rf/conversions.h"

namespace qv {

ResponseLocus LocusOfSweep(const std::vector<ResponsePoint>& sweep, Real designHz) {
    ResponseLocus locus;
    locus.designHz = designHz;
    locus.points.reserve(sweep.size());
    for (const ResponsePoint& p : sweep) {
        LocusPoint point{p.frequencyHz, std::nullopt};
        if (p.ok) {
            try {
                point.gamma = ImpedanceToGamma(p.sourceEnd.re, p.sourceEnd.im);
            } catch (const FloatingPointError&) {
                // left out like a failed frequency
            }
        }
        locus.points.push_back(point);
    }
    return locus;
}

void DrawResponseLocus(Surface& chart, const ChartGeometry& geometry, const std::vector<ResponsePoint>& sweep,
                       Real designHz) {
    DrawResponseLocus(chart, geometry, LocusOfSweep(sweep, designHz));
}

} // namespace qv
