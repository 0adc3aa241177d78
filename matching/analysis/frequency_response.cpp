#include "matching/analysis/frequency_response.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

bool IsFinite(Complex z) {
    return std::isfinite(z.re) && std::isfinite(z.im);
}

// The load seen at frequencyHz, normalised to Zo: Z = Zref (1 + G)/(1 - G); nothing outside the
// table.
std::optional<Complex> TabulatedLoad(const LoadTable& table, Real frequencyHz, Real Zo) {
    const std::optional<Complex> g = InterpolateReflection(table, frequencyHz);
    if (!g)
        return std::nullopt;
    return ReflectionToImpedance(*g, table.referenceOhms / Zo);
}

// The frequency between a (inside the band) and b (outside) where the return loss meets the
// threshold. A perfect match (infinite return loss) is held at a large finite value.
Real Crossing(const ResponsePoint& a, const ResponsePoint& b, Real thresholdDb) {
    const Real ceiling = std::max<Real>(1000, 2 * thresholdDb);
    const Real ra = std::min(a.figures.returnLossDb, ceiling);
    const Real rb = std::min(b.figures.returnLossDb, ceiling);
    const Real t = (ra - thresholdDb) / (ra - rb);
    return a.frequencyHz + t * (b.frequencyHz - a.frequencyHz);
}

} // namespace

namespace {

// The program state and a network state read from a file name their fields alike.
template <typename State> SweepNetwork NetworkOf(const State& state) {
    SweepNetwork network;
    const MatchNode& ends = state.network[1];
    network.load = {ends.nodeR, ends.nodeX};
    network.source = {ends.sourceR, ends.sourceX};
    network.Zo = state.Zo;
    network.effflag = state.effflag;
    network.matchflag = state.matchflag;
    network.parts = state.parts;
    const int last = std::min(state.NodeCount, LastMatchSlot);
    for (int i = 2; i <= last; ++i) {
        const MatchNode& slot = state.network[i];
        if (!IsElementKind(slot.kind))
            break;
        network.elements.push_back({slot.kind, slot.strip, slot.R, slot.value});
    }
    return network;
}

} // namespace

SweepNetwork SweepNetworkOf(const ProgramState& state) {
    return NetworkOf(state);
}

SweepNetwork SweepNetworkOf(const NetworkState& state) {
    return NetworkOf(state);
}

std::optional<LoadTableProblem> FindLoadTableProblem(const LoadTable& table) {
    if (table.samples.size() < 2)
        return LoadTableProblem::TooFewPoints;
    if (!(std::isfinite(table.referenceOhms) && table.referenceOhms > 0))
        return LoadTableProblem::BadReference;
    Real previous = 0;
    for (const LoadSample& s : table.samples) {
        if (!std::isfinite(s.frequencyHz) || s.frequencyHz <= previous)
            return LoadTableProblem::FrequenciesNotRising;
        if (!IsFinite(s.reflection))
            return LoadTableProblem::BadReflection;
        previous = s.frequencyHz;
    }
    return std::nullopt;
}

std::optional<Complex> InterpolateReflection(const LoadTable& table, Real frequencyHz) {
    const std::vector<LoadSample>& s = table.samples;
    if (s.empty() || !(frequencyHz >= s.front().frequencyHz && frequencyHz <= s.back().frequencyHz))
        return std::nullopt;
    // The first sample at or above the frequency; the one before it opens the interval.
    const auto above = std::lower_bound(s.begin(), s.end(), frequencyHz,
                                        [](const LoadSample& a, Real f) { return a.frequencyHz < f; });
    if (above->frequencyHz == frequencyHz)
        return above->reflection;
    const LoadSample& a = *(above - 1);
    const LoadSample& b = *above;
    const Real t = (frequencyHz - a.frequencyHz) / (b.frequencyHz - a.frequencyHz);
    return Complex{a.reflection.re + t * (b.reflection.re - a.reflection.re),
                   a.reflection.im + t * (b.reflection.im - a.reflection.im)};
}

std::optional<SweepRangeProblem> FindSweepRangeProblem(const SweepRange& range, const LoadTable* table) {
    using Kind = SweepRangeProblem::Kind;
    if (!(std::isfinite(range.startHz) && std::isfinite(range.stopHz) && range.startHz > 0))
        return RangeProblem(Kind::NotPositive);
    if (range.startHz >= range.stopHz)
        return RangeProblem(Kind::StartNotBelowStop);
    if (range.points < MinSweepPoints || range.points > MaxSweepPoints)
        return RangeProblem(Kind::PointCount, range.points);
    // Every point must keep its own frequency in an exported file, which writes MHz with 15
    // significant digits: a range narrower than that resolution would repeat a frequency. Points
    // two units of the 15th digit apart always differ; closer ones are compared as written.
    const Real stepMhz = (range.stopHz - range.startHz) / 1e6L / (range.points - 1);
    const Real digitMhz = std::pow(10.0L, std::floor(std::log10(range.stopHz / 1e6L)) - 14);
    if (!(stepMhz >= 2 * digitMhz)) {
        std::string previous;
        for (int i = 0; i < range.points; ++i) {
            std::string written = FormatGeneral(SweepFrequency(range, i) / 1e6L);
            if (written == previous)
                return RangeProblem(Kind::TooNarrow, range.points);
            previous = std::move(written);
        }
    }
    if (table && !table->samples.empty() &&
        (range.startHz < table->samples.front().frequencyHz ||
         range.stopHz > table->samples.back().frequencyHz))
        return RangeProblem(Kind::BeyondLoadTable, range.points, table->samples.front().frequencyHz,
                            table->samples.back().frequencyHz);
    return std::nullopt;
}

Real SweepFrequency(const SweepRange& range, int i) {
    if (i >= range.points - 1)
        return range.stopHz;
    return range.startHz + (range.stopHz - range.startHz) * i / (range.points - 1);
}

namespace {

// The chain made ready for replaying at many frequencies: each microstrip analysed once. When an
// analysis fails the lines stay empty and every point is replayed element by element, so that each
// one reports the failure itself.
struct PreparedChain {
    std::vector<ElementSpec> elements; // their microstrip blocks set to the frequency at hand
    std::vector<MicrostripLine> lines;
    bool analysed = false;
};

PreparedChain Prepare(const SweepNetwork& network) {
    PreparedChain chain{network.elements, {}, false};
    try {
        for (const ElementSpec& element : chain.elements)
            chain.lines.push_back(AnalyseElementLine(element));
        chain.analysed = true;
    } catch (const FloatingPointError&) {
        chain.lines.clear();
    }
    return chain;
}

void SetStripFrequency(PreparedChain& chain, Real frequencyHz) {
    for (ElementSpec& element : chain.elements)
        element.strip.frequency = frequencyHz;
}

// The response with the chain's elements taken at frequencyHz. A chain that fails somewhere is
// replayed element by element, which throws the error of the first failing element.
ResponsePoint Respond(const SweepNetwork& network, const PreparedChain& chain, const LoadTable* table,
                      Real frequencyHz) {
    ResponsePoint point;
    point.frequencyHz = frequencyHz;
    try {
        const std::optional<Complex> tabulated =
            table ? TabulatedLoad(*table, frequencyHz, network.Zo) : std::optional(network.load);
        if (!tabulated) {
            point.outsideLoadTable = true;
            return point;
        }
        const Complex load = *tabulated;
        const NodeConditions conditions{frequencyHz, network.Zo, network.effflag, LossesOf(network.parts)};
        std::optional<Complex> z;
        if (chain.analysed)
            z = ReplayChain(load, chain.elements, chain.lines, conditions);
        if (!z) {
            z = load;
            for (const ElementSpec& element : chain.elements)
                z = ComputeNextNode(*z, element, conditions);
        }
        point.sourceEnd = *z;
        point.figures = MatchQuality(*z, network.source, network.matchflag);
        point.ok = true;
    } catch (const FloatingPointError& error) {
        point.failure = error.what();
    }
    return point;
}

} // namespace

ResponsePoint ResponseAt(const SweepNetwork& network, const LoadTable* table, Real frequencyHz) {
    PreparedChain chain = Prepare(network);
    SetStripFrequency(chain, frequencyHz);
    return Respond(network, chain, table, frequencyHz);
}

std::vector<ResponsePoint> SweepResponse(const SweepNetwork& network, const LoadTable* table,
                                         const SweepRange& range) {
    std::vector<ResponsePoint> sweep;
    sweep.reserve(static_cast<std::size_t>(std::max(range.points, 0)));
    PreparedChain chain = Prepare(network);
    for (int i = 0; i < range.points; ++i) {
        const Real f = SweepFrequency(range, i);
        SetStripFrequency(chain, f);
        sweep.push_back(Respond(network, chain, table, f));
    }
    return sweep;
}

Band FindBand(const std::vector<ResponsePoint>& sweep, const ResponsePoint& atDesign, Real thresholdDb) {
    Band band;
    const Real design = atDesign.frequencyHz;
    if (sweep.empty() || design < sweep.front().frequencyHz || design > sweep.back().frequencyHz) {
        band.outcome = Band::Outcome::DesignOutsideSweep;
        return band;
    }
    if (!atDesign.ok) {
        band.outcome = Band::Outcome::DesignFails;
        return band;
    }
    band.designReturnLossDb = atDesign.figures.returnLossDb;
    if (!(atDesign.figures.returnLossDb >= thresholdDb)) {
        band.outcome = Band::Outcome::NotReached;
        return band;
    }
    band.outcome = Band::Outcome::Found;

    const auto firstAbove = std::upper_bound(
        sweep.begin(), sweep.end(), design, [](Real f, const ResponsePoint& p) { return f < p.frequencyHz; });
    // Walks away from the design frequency until the return loss drops below the threshold.
    auto edge = [&](auto begin, auto end, bool& open, Real& insideHz, Real& outsideHz) {
        const ResponsePoint* inside = &atDesign;
        for (auto it = begin; it != end; ++it) {
            if (!it->ok)
                continue;
            if (it->figures.returnLossDb < thresholdDb) {
                insideHz = inside->frequencyHz;
                outsideHz = it->frequencyHz;
                return Crossing(*inside, *it, thresholdDb);
            }
            inside = &*it;
        }
        open = true;
        return inside->frequencyHz;
    };
    band.upperHz = edge(firstAbove, sweep.end(), band.upperOpen, band.upperInsideHz, band.upperOutsideHz);
    band.lowerHz = edge(std::make_reverse_iterator(firstAbove), sweep.rend(), band.lowerOpen,
                        band.lowerInsideHz, band.lowerOutsideHz);
    band.fractionalPercent = (band.upperHz - band.lowerHz) / design * 100;
    return band;
}

std::string FormatSweepNumbers(const ResponsePoint& point, Real Zo) {
    return Format("%.6f %.3f %.3f %.2f %.3f",
                  {point.frequencyHz / 1e6L, point.sourceEnd.re * Zo, point.sourceEnd.im * Zo,
                   point.figures.returnLossDb, point.figures.vswr});
}

} // namespace qv
