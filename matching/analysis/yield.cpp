#include "matching/analysis/yield.h"

#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/rf/microstrip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <thread>

namespace qv {

namespace {

// The finalising mix of SplitMix64 (Steele, Lea and Flood, 2014).
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

// The random numbers of one build: a SplitMix64 stream that starts from the seed and the build's
// number alone.
class BuildStream {
public:
    BuildStream(std::uint64_t seed, int build)
        : state_(Mix(seed + GoldenGamma) ^ Mix(static_cast<std::uint64_t>(build) * GoldenGamma + 1)) {}
    // Uniform in [-1, 1), on 53 bits.
    Real symmetric() {
        state_ += GoldenGamma;
        return static_cast<Real>(Mix(state_) >> 11) * 0x1p-52L - 1;
    }

private:
    std::uint64_t state_;
};

using Row = std::array<Real, YieldFrequencies>;

// One element made ready for many builds: what depends on frequency alone is computed once.
struct Stage {
    int kind = 0;
    Real nominal = 0;   // F or H of kinds 1..4
    Real tolerance = 0; // as a fraction, kinds 1..4
    Row perFrequency{}; // kind 5: tan(beta l); kinds 6, 9: the stub's normalised susceptance
    Real lineZ0 = 0;    // kind 5, normalised
    Complex fixed;      // kind 7: the series impedance; kind 8: the shunt admittance (normalised)
};

struct Prepared {
    Row inverseOmega{};
    Row omega{};
    std::array<Complex, YieldFrequencies> load{};
    std::vector<Stage> stages;
    Complex source;
    int matchflag = 0;
    Real Zo = 50;
    Real inverseQL = 0; // 0 for ideal parts
    Real inverseQC = 0;
    Real gammaSquaredLimit = 0; // |Gamma|^2 at the threshold
    std::uint64_t seed = 0;
};

Real FrequencyAt(const YieldRequest& r, int i) {
    return SweepFrequency({r.startHz, r.stopHz, YieldFrequencies}, i);
}

Prepared Prepare(const YieldRequest& r, const LoadTable* table) {
    const SweepNetwork& n = r.network;
    Prepared p;
    p.source = n.source;
    p.matchflag = n.matchflag;
    p.Zo = n.Zo;
    p.inverseQL = n.parts.QL > 0 ? 1 / n.parts.QL : 0;
    p.inverseQC = n.parts.QC > 0 ? 1 / n.parts.QC : 0;
    p.gammaSquaredLimit = std::pow(10.0L, -r.returnLossDb / 10);
    p.seed = r.seed;
    for (int i = 0; i < YieldFrequencies; ++i) {
        const Real f = FrequencyAt(r, i);
        p.omega[static_cast<std::size_t>(i)] = TwoPi * f;
        p.inverseOmega[static_cast<std::size_t>(i)] = 1 / (TwoPi * f);
        Complex load = n.load;
        if (table)
            if (const std::optional<Complex> g = InterpolateReflection(*table, f))
                load = ReflectionToImpedance(*g, table->referenceOhms / n.Zo);
        p.load[static_cast<std::size_t>(i)] = load;
    }
    for (const ElementSpec& e : n.elements) {
        Stage s;
        s.kind = e.kind;
        s.nominal = e.value;
        if (e.kind == SeriesCapacitor || e.kind == ShuntCapacitor)
            s.tolerance = n.parts.TC / 100;
        if (e.kind == SeriesInductor || e.kind == ShuntInductor)
            s.tolerance = n.parts.TL / 100;
        if (e.kind == SeriesMicrostripLine || e.kind == ShuntMicrostripStub || e.kind == ShuntShortedStub) {
            const MicrostripLine line = AnalyseElementLine(e);
            const Real z0 = line.Z0 / n.Zo;
            s.lineZ0 = z0;
            for (int i = 0; i < YieldFrequencies; ++i) {
                const Real f = FrequencyAt(r, i);
                const bool guided = e.kind != SeriesMicrostripLine || n.effflag == 1;
                const Real lambda = guided ? SpeedOfLight / (f * std::sqrt(line.EpsEff)) : SpeedOfLight / f;
                const Real t = std::tan(TwoPi * e.strip.Len / lambda);
                Real& out = s.perFrequency[static_cast<std::size_t>(i)];
                // An open stub's normalised susceptance is tan(beta l)/z0, a shorted one's -1/(z0 tan).
                out = e.kind == SeriesMicrostripLine  ? t
                      : e.kind == ShuntMicrostripStub ? t / z0
                                                      : -1 / (z0 * t);
            }
        }
        if (e.kind == SeriesImpedance)
            s.fixed = {e.R / n.Zo, e.value / n.Zo};
        if (e.kind == ShuntImpedance)
            s.fixed = CDiv({1, 0}, {e.R / n.Zo, e.value / n.Zo});
        p.stages.push_back(s);
    }
    return p;
}

struct Tally {
    int passes = 0;
    Row lowest;  // |Gamma|^2 of the best build, per frequency
    Row highest; // and of the worst
    Tally() {
        lowest.fill(std::numeric_limits<Real>::infinity());
        highest.fill(-std::numeric_limits<Real>::infinity());
    }
    void merge(const Tally& o) {
        passes += o.passes;
        for (std::size_t i = 0; i < lowest.size(); ++i) {
            lowest[i] = std::min(lowest[i], o.lowest[i]);
            highest[i] = std::max(highest[i], o.highest[i]);
        }
    }
};

// What one stage does in one build, with the drawn value folded into a constant. A lumped part is
// x (d + j) with x = k w or k / w (negative for a capacitor in series, an inductor in shunt) and d
// its loss share 1/Q with the same sign, added to the numerator N (series) or the denominator D
// (shunt) of the impedance N / D.
struct Step {
    enum class Op { SeriesLumped, ShuntLumped, Line, ShuntTable, SeriesFixed, ShuntFixed };
    Op op = Op::SeriesFixed;
    const Row* scale = nullptr; // the row of w or of 1 / w
    Real k = 0;
    Real d = 0;
    const Stage* stage = nullptr;
};

Step StepOf(const Stage& st, Real value, const Prepared& p) {
    const Real Zo = p.Zo;
    const Real dL = p.inverseQL;
    const Real dC = p.inverseQC;
    switch (st.kind) {
    case SeriesCapacitor: // 1 / (wC/Q + jwC) = (1/Q - j) / (wC (1 + 1/Q^2)), normalised
        return {Step::Op::SeriesLumped, &p.inverseOmega, -1 / (value * Zo * (1 + dC * dC)), -dC, &st};
    case SeriesInductor:
        return {Step::Op::SeriesLumped, &p.omega, value / Zo, dL, &st};
    case ShuntCapacitor:
        return {Step::Op::ShuntLumped, &p.omega, value * Zo, dC, &st};
    case ShuntInductor: // 1 / (wL (1/Q + j)) = (1/Q - j) / (wL (1 + 1/Q^2)), normalised
        return {Step::Op::ShuntLumped, &p.inverseOmega, -Zo / (value * (1 + dL * dL)), -dL, &st};
    case SeriesMicrostripLine:
        return {Step::Op::Line, nullptr, 0, 0, &st};
    case ShuntMicrostripStub:
    case ShuntShortedStub:
        return {Step::Op::ShuntTable, nullptr, 0, 0, &st};
    case ShuntImpedance:
        return {Step::Op::ShuntFixed, nullptr, 0, 0, &st};
    default:
        return {Step::Op::SeriesFixed, nullptr, 0, 0, &st};
    }
}

// One build. The impedance is carried as a fraction N / D of complex numbers (the load: N = z,
// D = 1): a series impedance Z makes N + Z D, a shunt admittance Y makes D + Y N, a line turns both,
// so there is no division on the way. Frequency by frequency, so that N and D stay in registers.
bool Evaluate(const Prepared& p, BuildStream& random, Tally& tally, std::vector<Step>& steps) {
    steps.clear();
    for (const Stage& st : p.stages) {
        Real value = st.nominal;
        if (st.kind >= SeriesCapacitor && st.kind <= ShuntInductor)
            value = st.nominal * (1 + st.tolerance * random.symmetric());
        steps.push_back(StepOf(st, value, p));
    }
    bool pass = true;
    const Complex b = p.source;
    for (std::size_t i = 0; i < p.omega.size(); ++i) {
        Real nr = p.load[i].re;
        Real ni = p.load[i].im;
        Real dr = 1;
        Real di = 0;
        for (const Step& step : steps) {
            switch (step.op) {
            case Step::Op::SeriesLumped: {
                const Real zi = step.k * (*step.scale)[i];
                const Real zr = step.d * zi;
                nr += zr * dr - zi * di;
                ni += zr * di + zi * dr;
                break;
            }
            case Step::Op::ShuntLumped: {
                const Real yi = step.k * (*step.scale)[i];
                const Real yr = step.d * yi;
                dr += yr * nr - yi * ni;
                di += yr * ni + yi * nr;
                break;
            }
            case Step::Op::Line: {
                // z0 (z + j z0 t) / (z0 + j z t) with z = N / D: N' = z0 (N + j z0 t D), D' = z0 D + j t N.
                const Real z0 = step.stage->lineZ0;
                const Real t = step.stage->perFrequency[i];
                const Real nr2 = z0 * (nr - z0 * t * di);
                const Real ni2 = z0 * (ni + z0 * t * dr);
                const Real dr2 = z0 * dr - t * ni;
                di = z0 * di + t * nr;
                nr = nr2;
                ni = ni2;
                dr = dr2;
                break;
            }
            case Step::Op::ShuntTable: {
                const Real y = step.stage->perFrequency[i];
                dr -= y * ni;
                di += y * nr;
                break;
            }
            case Step::Op::SeriesFixed: {
                const Complex z = step.stage->fixed;
                nr += z.re * dr - z.im * di;
                ni += z.re * di + z.im * dr;
                break;
            }
            case Step::Op::ShuntFixed: {
                const Complex y = step.stage->fixed;
                dr += y.re * nr - y.im * ni;
                di += y.re * ni + y.im * nr;
                break;
            }
            }
        }
        // |Gamma|^2 as the match figures take it, (A - B*)/(A + B) in the conjugate mode and
        // (A - B)/(A + B) in the direct one, with A = N / D multiplied through by D.
        const Real bdr = b.re * dr - b.im * di; // B D
        const Real bdi = b.re * di + b.im * dr;
        const Real diffR = p.matchflag == 0 ? nr - (b.re * dr + b.im * di) : nr - bdr;
        const Real diffX = p.matchflag == 0 ? ni - (b.re * di - b.im * dr) : ni - bdi;
        const Real sumR = nr + bdr;
        const Real sumX = ni + bdi;
        const Real num = diffR * diffR + diffX * diffX;
        const Real den = sumR * sumR + sumX * sumX;
        // Written so that a NaN or an infinity fails.
        pass = pass && num <= p.gammaSquaredLimit * den && den < std::numeric_limits<Real>::infinity();
        // The spread: a division only where a build is a new best or worst.
        if (num < tally.lowest[i] * den)
            tally.lowest[i] = num / den;
        if (num > tally.highest[i] * den)
            tally.highest[i] = num / den;
    }
    return pass;
}

constexpr int BuildsPerChunk = 64;

void RunBuilds(const Prepared& p, int builds, std::atomic<int>& next, YieldProgress* progress, Tally& tally) {
    std::vector<Step> steps;
    for (;;) {
        if (progress && progress->cancel.load(std::memory_order_relaxed))
            return;
        const int first = next.fetch_add(BuildsPerChunk);
        if (first >= builds)
            return;
        const int last = std::min(builds, first + BuildsPerChunk);
        for (int b = first; b < last; ++b) {
            BuildStream random(p.seed, b);
            if (Evaluate(p, random, tally, steps))
                ++tally.passes;
        }
        if (progress)
            progress->done.fetch_add(last - first, std::memory_order_relaxed);
    }
}

Real ReturnLossOf(Real gammaSquared) {
    if (!(gammaSquared > 0))
        return std::numeric_limits<Real>::infinity();
    return -10 * std::log10(gammaSquared);
}

} // namespace

ProportionEstimate WilsonInterval(int passes, int trials) {
    if (trials <= 0)
        return {};
    // Wilson (1927): the score interval, z the 97.5 % point of the normal distribution.
    constexpr Real z = 1.959963984540054L;
    const Real n = trials;
    const Real phat = passes / n;
    const Real z2 = z * z;
    const Real denominator = 1 + z2 / n;
    const Real centre = (phat + z2 / (2 * n)) / denominator;
    const Real half = z * std::sqrt(phat * (1 - phat) / n + z2 / (4 * n * n)) / denominator;
    return {phat * 100, std::max<Real>(0, centre - half) * 100, std::min<Real>(1, centre + half) * 100};
}

std::optional<YieldRefusal> YieldRequestProblem(const YieldRequest& r, const LoadTable* table) {
    using Kind = YieldRefusal::Kind;
    YieldRefusal refusal;
    if (!(std::isfinite(r.returnLossDb) && r.returnLossDb > 0))
        return refusal; // Kind::Threshold
    refusal.kind = Kind::BuildCount;
    if (r.builds < 1 || r.builds > MaxYieldBuilds)
        return refusal;
    const SweepRange range{r.startHz, r.stopHz, YieldFrequencies};
    refusal.kind = Kind::Range;
    if (const std::optional<SweepRangeProblem> problem = FindSweepRangeProblem(range, table)) {
        refusal.range = *problem;
        return refusal;
    }
    // The network as designed must be computable everywhere in the band.
    refusal.kind = Kind::DesignFails;
    for (const ResponsePoint& point : SweepResponse(r.network, table, range))
        if (!point.ok) {
            refusal.failedPoint = point;
            return refusal;
        }
    return std::nullopt;
}

YieldResult RunYield(const YieldRequest& request, const LoadTable* table, YieldProgress* progress,
                     int threads) {
    const Prepared prepared = Prepare(request, table);
    const int count =
        std::max(1, threads > 0 ? threads : static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<Tally> tallies(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    {
        std::vector<std::jthread> workers;
        for (int t = 1; t < count; ++t)
            workers.emplace_back([&, t] {
                RunBuilds(prepared, request.builds, next, progress, tallies[static_cast<std::size_t>(t)]);
            });
        RunBuilds(prepared, request.builds, next, progress, tallies[0]);
    }
    YieldResult result;
    if (progress && progress->cancel.load()) {
        result.cancelled = true;
        return result;
    }
    Tally total;
    for (const Tally& t : tallies)
        total.merge(t);
    result.builds = request.builds;
    result.passes = total.passes;
    result.estimate = WilsonInterval(result.passes, result.builds);
    for (int i = 0; i < YieldFrequencies; ++i) {
        const auto k = static_cast<std::size_t>(i);
        result.frequenciesHz.push_back(FrequencyAt(request, i));
        result.worstReturnLossDb.push_back(ReturnLossOf(total.highest[k]));
        result.bestReturnLossDb.push_back(ReturnLossOf(total.lowest[k]));
    }
    return result;
}

std::string FormatYieldLine(const YieldResult& r) {
    return Format(">yield=%.1f%% (%d/%d) 95%% CI %.1f-%.1f%%",
                  {r.estimate.percent, r.passes, r.builds, r.estimate.lowerPercent, r.estimate.upperPercent});
}

} // namespace qv
