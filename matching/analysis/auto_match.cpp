#include "matching/analysis/auto_match.h"

#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/rf/microstrip.h"
#include "matching/analysis/frequency_response.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

AutoMatchRefusal Refusal(AutoMatchRefusal::Kind kind, Real Q = 0, Real minimum = 0) {
    AutoMatchRefusal refusal;
    refusal.kind = kind;
    refusal.Q = Q;
    refusal.minimum = minimum;
    return refusal;
}

// An exact solution must give at least this return loss at Fo.
constexpr Real RequiredReturnLossDb = 60;
// An element whose reactance or susceptance is this small against the node it acts on is no part
// of the solution: leaving it out changes the match far below any figure the program shows.
constexpr Real NegligibleShare = 1e-12L;
// A discriminant this small against its terms is a double root.
constexpr Real DoubleRootShare = 1e-15L;

// A lossless element before it becomes a part: a series reactance (ohms) or a shunt susceptance
// (siemens).
struct Reactive {
    bool series = true;
    Real value = 0;
};
using Chain = std::vector<Reactive>;

Complex Inverse(Complex z) {
    return CDiv({1, 0}, z);
}

Real Magnitude(Complex z) {
    return std::hypot(z.re, z.im);
}

// The square roots that solve r^2 = disc: none, one (a double root) or both signs.
std::vector<Real> SignedRoots(Real disc, Real scale) {
    if (!(disc >= -DoubleRootShare * scale))
        return {};
    if (disc <= DoubleRootShare * scale)
        return {0};
    const Real r = std::sqrt(disc);
    return {r, -r};
}

// An L section worked in the node's own domain: `node` is the impedance (series first) or the
// admittance (shunt first) at the node, `target` the target in the other domain. The first element
// moves the node's imaginary part until the real part of its inverse is the target's; the second
// then cancels what is left of the target's imaginary part.
std::vector<Chain> LSection(Complex node, Complex target, bool seriesFirst) {
    std::vector<Chain> chains;
    if (!(node.re > 0 && target.re > 0))
        return chains;
    for (Real r : SignedRoots(node.re / target.re - node.re * node.re, node.re / target.re)) {
        const Real first = -node.im + r;
        const Complex inverse = Inverse({node.re, node.im + first});
        chains.push_back({{seriesFirst, first}, {!seriesFirst, target.im - inverse.im}});
    }
    return chains;
}

// Series element at the node, then a shunt element, to reach zt (ohms).
std::vector<Chain> SeriesThenShunt(Complex z, Complex zt) {
    return LSection(z, Inverse(zt), true);
}

// Shunt element at the node, then a series element, to reach zt (ohms).
std::vector<Chain> ShuntThenSeries(Complex z, Complex zt) {
    return LSection(Inverse(z), zt, false);
}

// Adjacent elements of one connection become one; elements too small to matter are left out.
Chain Simplified(const Chain& chain, Complex load) {
    const auto merge = [](const Chain& in) {
        Chain out;
        for (const Reactive& e : in) {
            if (!out.empty() && out.back().series == e.series)
                out.back().value += e.value;
            else
                out.push_back(e);
        }
        return out;
    };
    Chain kept;
    Complex z = load;
    for (const Reactive& e : merge(chain)) {
        Real before = 0;
        Real after = 0;
        if (e.series) {
            before = Magnitude(z);
            z.im += e.value;
            after = Magnitude(z);
        } else {
            Complex y = Inverse(z);
            before = Magnitude(y);
            y.im += e.value;
            after = Magnitude(y);
            z = Inverse(y);
        }
        if (std::fabs(e.value) > NegligibleShare * std::max(before, after))
            kept.push_back(e);
    }
    return merge(kept);
}

// A positive reactance (series) or susceptance (shunt) is X/omega henries or B/omega farads; a
// negative one is -1/(omega X) farads or -1/(omega B) henries.
ElementSpec ComponentOf(const Reactive& e, Real omega) {
    ElementSpec component;
    if (e.series)
        component.kind = e.value > 0 ? SeriesInductor : SeriesCapacitor;
    else
        component.kind = e.value > 0 ? ShuntCapacitor : ShuntInductor;
    component.value = e.value > 0 ? e.value / omega : -1 / (omega * e.value);
    return component;
}

bool Close(Real a, Real b) {
    return std::fabs(a - b) <= 1e-9L * std::max(std::fabs(a), std::fabs(b));
}

bool SameElements(const std::vector<ElementSpec>& a, const std::vector<ElementSpec>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || !Close(a[i].value, b[i].value) ||
            !Close(a[i].strip.Len, b[i].strip.Len))
            return false;
    }
    return true;
}

// The highest |X/R| of the nodes after each element.
Real LoadedQ(const AutoMatchRequest& request, const std::vector<ElementSpec>& elements) {
    Complex node{request.load.re / request.Zo, request.load.im / request.Zo};
    Real q = 0;
    for (const ElementSpec& e : elements) {
        node = ComputeElementStep(node, e, {request.Fo, request.Zo, request.effflag})->node;
        q = std::max(q, std::fabs(node.im / node.re));
    }
    return q;
}

class Collector {
public:
    Collector(const AutoMatchRequest& request, AutoMatchResult& result)
        : request_(request), result_(result) {}

    // Checks the elements at Fo and keeps them unless an equal solution is already listed.
    void add(MatchTopology topology, std::vector<ElementSpec> elements) {
        if (elements.empty())
            return;
        for (const MatchSolution& s : result_.solutions)
            if (SameElements(s.elements, elements))
                return;
        MatchSolution solution;
        solution.topology = topology;
        try {
            solution.returnLossDb = ChainReturnLoss(request_, elements);
            solution.loadedQ = LoadedQ(request_, elements);
        } catch (const FloatingPointError&) {
            return;
        }
        if (!(solution.returnLossDb >= RequiredReturnLossDb))
            return;
        solution.standard = elements;
        for (ElementSpec& e : solution.standard)
            if (e.kind >= SeriesCapacitor && e.kind <= ShuntInductor)
                e.value = NearestStandardValue(e.value, request_.series);
        try {
            solution.standardReturnLossDb = ChainReturnLoss(request_, solution.standard);
        } catch (const FloatingPointError&) {
            solution.standardReturnLossDb = 0;
        }
        solution.elements = std::move(elements);
        result_.solutions.push_back(std::move(solution));
    }

    void add(MatchTopology topology, const Chain& chain) {
        const Real omega = TwoPi * request_.Fo;
        std::vector<ElementSpec> parts;
        for (const Reactive& e : Simplified(chain, request_.load))
            parts.push_back(ComponentOf(e, omega));
        add(topology, std::move(parts));
    }

private:
    const AutoMatchRequest& request_;
    AutoMatchResult& result_;
};

Chain Joined(Chain a, const Chain& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The source side the last node is to reach.
Complex Target(const AutoMatchRequest& request) {
    return request.matchflag == 0 ? Complex{request.source.re, -request.source.im} : request.source;
}

void AddStubMatches(const AutoMatchRequest& request, Collector& collector, AutoMatchResult& result) {
    const MicrostripBlock& s = request.substrate;
    MicrostripLine line;
    Real lambda = 0;
    Real guided = 0;
    try {
        if (!(s.W > 0 && s.H > 0 && s.T > 0 && s.Er > 1))
            throw FloatingPointError("");
        line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        guided = GuidedWavelength(request.Fo, line.EpsEff);
        lambda = request.effflag == 1 ? guided : SpeedOfLight / request.Fo;
    } catch (const FloatingPointError&) {
        result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::StubBadSubstrate));
        return;
    }
    const Complex zl = request.load;
    const Complex yt = Inverse(Target(request));
    const Real z0 = line.Z0;
    // tan(beta d) of a line length that puts the node on the conductance of the target:
    // a t^2 + b t + c = 0.
    const Real a = zl.re - yt.re * z0 * z0;
    const Real b = -2 * yt.re * zl.im * z0;
    const Real c = zl.re - yt.re * (zl.re * zl.re + zl.im * zl.im);
    std::vector<Real> lengths;
    if (std::fabs(a) <= 1e-12L * (zl.re + yt.re * z0 * z0)) {
        lengths.push_back(lambda / 4); // the root at t = infinity
        if (b != 0)
            lengths.push_back(std::atan(-c / b) / TwoPi * lambda);
    } else {
        const Real disc = b * b - 4 * a * c;
        if (!(disc >= -DoubleRootShare * (b * b + std::fabs(4 * a * c)))) {
            AutoMatchRefusal refusal = Refusal(AutoMatchRefusal::Kind::StubNoSolution);
            refusal.lineOhms = z0;
            result.refusals.push_back(refusal);
            return;
        }
        const Real root = std::sqrt(std::max<Real>(disc, 0));
        const Real q = -(b + std::copysign(root, b)) / 2;
        const std::vector<Real> ts = q == 0 ? std::vector<Real>{0} : std::vector<Real>{q / a, c / q};
        for (Real t : ts)
            lengths.push_back(std::atan(t) / TwoPi * lambda);
    }
    for (Real d : lengths) {
        if (d < 0)
            d += lambda / 2;
        std::vector<ElementSpec> parts;
        Complex node{zl.re / request.Zo, zl.im / request.Zo};
        try {
            if (d > NegligibleShare * lambda) {
                parts.push_back({SeriesMicrostripLine, {request.Fo, s.W, s.H, s.T, s.Er, d}, 0, 0});
                node =
                    ComputeElementStep(node, parts.back(), {request.Fo, request.Zo, request.effflag})->node;
            }
        } catch (const FloatingPointError&) {
            continue;
        }
        const Complex y1 = Inverse({node.re * request.Zo, node.im * request.Zo});
        const Real susceptance = yt.im - y1.im;
        if (std::fabs(susceptance) > NegligibleShare * Magnitude(y1)) {
            // An open stub's input susceptance is tan(beta l)/Z0, a shorted one's -cot(beta l)/Z0.
            const Real t = request.shortedStub ? -1 / (susceptance * z0) : susceptance * z0;
            Real stub = std::atan(t) / TwoPi * guided;
            if (stub < 0)
                stub += guided / 2;
            parts.push_back({request.shortedStub ? ShuntShortedStub : ShuntMicrostripStub,
                             {request.Fo, s.W, s.H, s.T, s.Er, stub},
                             0,
                             0});
        }
        collector.add(MatchTopology::SingleStub, std::move(parts));
    }
}

// Narrows the bracket of a band edge, a frequency inside the band and one outside, by bisection
// until it is a millionth of the band wide, and returns its inside end: a line interpolated in
// return loss between swept points cuts the curve's shoulder and overstates a narrow band.
Real RefinedEdge(const SweepNetwork& network, Real insideHz, Real outsideHz, Real thresholdDb, Real bandHz) {
    const Real tolerance = 1e-6L * bandHz;
    for (int step = 0; step < 80 && std::fabs(outsideHz - insideHz) > tolerance; ++step) {
        const Real middle = (insideHz + outsideHz) / 2;
        const ResponsePoint p = ResponseAt(network, nullptr, middle);
        // A frequency the network cannot be computed at counts as outside: the band stays honest.
        if (p.ok && p.figures.returnLossDb >= thresholdDb)
            insideHz = middle;
        else
            outsideHz = middle;
    }
    return insideHz;
}

// Sweeps the exact solution 201 points over 0.01 Fo .. 1.99 Fo and, for a band narrower than a
// tenth of that, again over three times the band; each closed edge is then bracketed between the
// swept points on either side of it and refined by bisection.
void FindBandwidth(const AutoMatchRequest& request, MatchSolution& solution) {
    const Real Zo = request.Zo;
    const SweepNetwork network{solution.elements,
                               {request.load.re / Zo, request.load.im / Zo},
                               {request.source.re / Zo, request.source.im / Zo},
                               Zo,
                               request.effflag,
                               request.matchflag,
                               PartsModel{}}; // the design's own band, with ideal parts
    const ResponsePoint atDesign = ResponseAt(network, nullptr, request.Fo);
    SweepRange range{0.01L * request.Fo, 1.99L * request.Fo, 201};
    Band band = FindBand(SweepResponse(network, nullptr, range), atDesign, request.bandThresholdDb);
    if (band.outcome != Band::Outcome::Found)
        return;
    const Real width = band.upperHz - band.lowerHz;
    if (width < 0.1L * (range.stopHz - range.startHz) && !band.lowerOpen && !band.upperOpen) {
        range = {std::max(band.lowerHz - width, 0.5L * band.lowerHz), band.upperHz + width, 201};
        const Band fine = FindBand(SweepResponse(network, nullptr, range), atDesign, request.bandThresholdDb);
        if (fine.outcome == Band::Outcome::Found && !fine.lowerOpen && !fine.upperOpen)
            band = fine;
    }
    const Real estimate = band.upperHz - band.lowerHz;
    if (!band.lowerOpen)
        band.lowerHz =
            RefinedEdge(network, band.lowerInsideHz, band.lowerOutsideHz, request.bandThresholdDb, estimate);
    if (!band.upperOpen)
        band.upperHz =
            RefinedEdge(network, band.upperInsideHz, band.upperOutsideHz, request.bandThresholdDb, estimate);
    solution.bandLowerHz = band.lowerHz;
    solution.bandUpperHz = band.upperHz;
    solution.bandOpen = band.lowerOpen || band.upperOpen;
}

} // namespace

Real ChainReturnLoss(const AutoMatchRequest& request, const std::vector<ElementSpec>& elements) {
    Complex node{request.load.re / request.Zo, request.load.im / request.Zo};
    for (const ElementSpec& e : elements)
        node = ComputeElementStep(node, e, {request.Fo, request.Zo, request.effflag})->node;
    const Complex source{request.source.re / request.Zo, request.source.im / request.Zo};
    return MatchQuality(node, source, request.matchflag).returnLossDb;
}

AutoMatchResult SynthesiseMatches(const AutoMatchRequest& request) {
    AutoMatchResult result;
    if (!(IsUsablePositive(request.Fo) && IsUsablePositive(request.Zo))) {
        result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::BadFrequencyOrZo));
        return result;
    }
    const Complex zl = request.load;
    const Complex zt = Target(request);
    if (!(std::isfinite(zl.re) && std::isfinite(zl.im) && zl.re > 0))
        result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::LoadNotResistive));
    if (!(std::isfinite(zt.re) && std::isfinite(zt.im) && zt.re > 0))
        result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::SourceNotResistive));
    if (!result.refusals.empty())
        return result;
    try {
        if (ChainReturnLoss(request, {}) >= RequiredReturnLossDb) {
            result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::AlreadyMatched));
            return result;
        }
    } catch (const FloatingPointError&) {
    }

    const Real low = std::min(zl.re, zt.re);
    const Real high = std::max(zl.re, zt.re);
    result.minimumQ = std::sqrt(high / low - 1);
    // Equal resistances need no transformation; the Pi and T networks then still get a usable Q.
    result.Q = request.Q > 0 ? request.Q : std::max<Real>(2 * result.minimumQ, 1);
    const Real Q = result.Q;
    Collector collector(request, result);

    if (request.l) {
        for (const Chain& chain : SeriesThenShunt(zl, zt))
            collector.add(MatchTopology::LNetwork, chain);
        for (const Chain& chain : ShuntThenSeries(zl, zt))
            collector.add(MatchTopology::LNetwork, chain);
    }
    if (request.pi) {
        // Both sections step down to the virtual resistance from the parallel resistance of an end.
        const Real loadParallel = (zl.re * zl.re + zl.im * zl.im) / zl.re;
        const Real targetParallel = (zt.re * zt.re + zt.im * zt.im) / zt.re;
        const Real top = std::max(loadParallel, targetParallel);
        const Real bottom = std::min(loadParallel, targetParallel);
        const Real piMinimum = std::sqrt(top / bottom - 1);
        if (Q < piMinimum * (1 - 1e-12L)) {
            result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::PiQBelowMinimum, Q, piMinimum));
        } else {
            const Complex virtualR{std::min(top / (1 + Q * Q), bottom), 0};
            for (const Chain& first : ShuntThenSeries(zl, virtualR))
                for (const Chain& second : SeriesThenShunt(virtualR, zt))
                    collector.add(MatchTopology::PiNetwork, Joined(first, second));
        }
    }
    if (request.t) {
        if (Q < result.minimumQ * (1 - 1e-12L)) {
            result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::TQBelowMinimum, Q, result.minimumQ));
        } else {
            const Complex virtualR{std::max(low * (1 + Q * Q), high), 0};
            for (const Chain& first : SeriesThenShunt(zl, virtualR))
                for (const Chain& second : ShuntThenSeries(virtualR, zt))
                    collector.add(MatchTopology::TNetwork, Joined(first, second));
        }
    }
    if (request.stub)
        AddStubMatches(request, collector, result);

    result.limit = BodeFanoBandwidth(request.load, request.Fo, request.bandThresholdDb);
    for (MatchSolution& s : result.solutions)
        FindBandwidth(request, s);
    std::stable_sort(result.solutions.begin(), result.solutions.end(),
                     [](const MatchSolution& a, const MatchSolution& b) {
                         if (a.bandwidthHz() != b.bandwidthHz())
                             return a.bandwidthHz() > b.bandwidthHz();
                         return a.loadedQ < b.loadedQ;
                     });
    if (result.solutions.empty() && result.refusals.empty())
        result.refusals.push_back(Refusal(AutoMatchRefusal::Kind::NoSolution));
    return result;
}

std::string ElementLabel(const ElementSpec& e) {
    switch (e.kind) {
    case SeriesCapacitor:
    case ShuntCapacitor:
        return FormatCapacitance(e.value);
    case SeriesInductor:
    case ShuntInductor:
        return FormatInductance(e.value);
    default:
        return Format("L:%.2f/W:%.2f", {e.strip.Len * 1000, e.strip.W * 1000});
    }
}

} // namespace qv
