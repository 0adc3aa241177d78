#include "matching/analysis/amplifier_stage.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"
#include "core/settings/atomic_file.h"
#include "sparams/analysis/two_port.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

SParameters FromMatrix(const SMatrix& s) {
    return {s.s11, s.s21, s.s12, s.s22};
}

// The network turned round: its port 2 becomes port 1.
SParameters Reversed(const SParameters& s) {
    return {s.S22, s.S12, s.S21, s.S11};
}

// Port 2 of a joined to port 1 of b (the Redheffer star product of two two-ports).
SParameters Cascade(const SParameters& a, const SParameters& b) {
    const Complex loop = CDiv({1, 0}, CSub({1, 0}, CMul(a.S22, b.S11))); // 1/(1 - a22 b11)
    return {CAdd(a.S11, CMul(CMul(CMul(a.S12, a.S21), b.S11), loop)), CMul(CMul(a.S21, b.S21), loop),
            CMul(CMul(a.S12, b.S12), loop), CAdd(b.S22, CMul(CMul(CMul(b.S21, b.S12), a.S22), loop))};
}

// S-parameters are far from the extended range's limits: the plain root is exact enough and
// several times faster than hypot.
Real Magnitude(Complex z) {
    return std::sqrt(z.re * z.re + z.im * z.im);
}

// A perfect match is held at 1000 dB so that the line stays a number.
Real ReturnLossDb(Complex reflection) {
    return -20 * std::log10(std::max<Real>(Magnitude(reflection), 1e-50L));
}

// |S11 + S12 S21 G / (1 - S22 G)|; a vanishing denominator is an unbounded reflection.
Real ReflectionMagnitude(Complex s11, Complex s22, Complex product, Complex g) {
    const Complex denominator = CSub({1, 0}, CMul(s22, g));
    if (denominator.re == 0 && denominator.im == 0)
        return INFINITY;
    return Magnitude(CAdd(s11, CDiv(CMul(product, g), denominator)));
}

} // namespace

SMatrix Renormalised(const SMatrix& s, Real fromOhms, Real toOhms) {
    if (fromOhms == toOhms)
        return s;
    const Real r = (toOhms - fromOhms) / (toOhms + fromOhms);
    const auto scaled = [r](Complex z) { return Complex{r * z.re, r * z.im}; };
    // N = S - r I and M = I - r S; S' = N M^-1 with M^-1 = adj(M)/det(M).
    const Complex n11 = CSub(s.s11, {r, 0});
    const Complex n22 = CSub(s.s22, {r, 0});
    const Complex m11 = CSub({1, 0}, scaled(s.s11));
    const Complex m22 = CSub({1, 0}, scaled(s.s22));
    const Complex m12 = scaled(s.s12);
    const Complex m21 = scaled(s.s21);
    const Complex det = CSub(CMul(m11, m22), CMul(m12, m21));
    // adj(M) of [[m11, -m12], [-m21, m22]] is [[m22, m12], [m21, m11]].
    SMatrix out;
    out.s11 = CDiv(CAdd(CMul(n11, m22), CMul(s.s12, m21)), det);
    out.s12 = CDiv(CAdd(CMul(n11, m12), CMul(s.s12, m11)), det);
    out.s21 = CDiv(CAdd(CMul(s.s21, m22), CMul(n22, m21)), det);
    out.s22 = CDiv(CAdd(CMul(s.s21, m12), CMul(n22, m11)), det);
    return out;
}

std::optional<StageRefusal> StageProblem(const StageNetworks& networks, const DeviceData& device,
                                         const SweepRange& range) {
    using Kind = StageRefusal::Kind;
    const auto refuse = [](Kind kind) {
        StageRefusal refusal;
        refusal.kind = kind;
        return refusal;
    };
    if (const std::optional<SweepRangeProblem> problem = FindSweepRangeProblem(range, nullptr)) {
        StageRefusal refusal = refuse(Kind::Range);
        refusal.range = *problem;
        return refusal;
    }
    if (networks.input.Zo != networks.output.Zo) {
        StageRefusal refusal = refuse(Kind::DifferentZo);
        refusal.inputZo = networks.input.Zo;
        refusal.outputZo = networks.output.Zo;
        return refusal;
    }
    if (device.rows.empty())
        return refuse(Kind::NoSParameters);
    if (!DeviceAt(device, range.startHz) || !DeviceAt(device, range.stopHz)) {
        StageRefusal refusal = refuse(Kind::BeyondDevice);
        refusal.range.lowHz = range.startHz;
        refusal.range.highHz = range.stopHz;
        refusal.deviceLowHz = device.rows.front().frequencyHz;
        refusal.deviceHighHz = device.rows.back().frequencyHz;
        return refusal;
    }
    return std::nullopt;
}

StagePoint StageAt(const StageNetworks& networks, const DeviceData& device, Real frequencyHz) {
    StagePoint point;
    point.frequencyHz = frequencyHz;
    const std::optional<DevicePoint> transistor = DeviceAt(device, frequencyHz);
    if (!transistor) {
        point.outsideDevice = true;
        return point;
    }
    const Real Zo = networks.input.Zo;
    try {
        const SParameters input = NetworkSParameters(networks.input, frequencyHz, Zo);
        const SParameters output = Reversed(NetworkSParameters(networks.output, frequencyHz, Zo));
        CheckedStep([&] {
            const SMatrix s = Renormalised(transistor->s, device.referenceOhms, Zo);
            point.stage = Cascade(Cascade(input, FromMatrix(s)), output);
            point.sourceReflection = input.S22;
            point.loadReflection = output.S11;
            const Complex product = CMul(s.s12, s.s21);
            point.inputReflection = ReflectionMagnitude(s.s11, s.s22, product, point.loadReflection);
            point.outputReflection = ReflectionMagnitude(s.s22, s.s11, product, point.sourceReflection);
            const Real s21 = Magnitude(point.stage.S21);
            point.gainDb = 20 * std::log10(std::max<Real>(s21, 1e-50L));
            point.inputReturnLossDb = ReturnLossDb(point.stage.S11);
            point.outputReturnLossDb = ReturnLossDb(point.stage.S22);
            point.mu = Mu(s);
            return 0;
        });
        for (const Complex& z : {point.stage.S11, point.stage.S21, point.stage.S12, point.stage.S22})
            RequireFinite(z);
        point.ok = true;
    } catch (const FloatingPointError& error) {
        point.failure = error.what();
    }
    return point;
}

StageResult AnalyseStage(const StageNetworks& networks, const DeviceData& device, const SweepRange& range) {
    StageResult result;
    result.points.reserve(static_cast<std::size_t>(std::max(range.points, 0)));
    StageVerdict& v = result.verdict;
    v.worstInput = -1;
    v.worstOutput = -1;
    for (int i = 0; i < range.points; ++i) {
        const StagePoint& p = result.points.emplace_back(StageAt(networks, device, SweepFrequency(range, i)));
        if (!p.ok) {
            ++v.failed;
            continue;
        }
        if (p.inputReflection > v.worstInput) {
            v.worstInput = p.inputReflection;
            v.worstInputHz = p.frequencyHz;
        }
        if (p.outputReflection > v.worstOutput) {
            v.worstOutput = p.outputReflection;
            v.worstOutputHz = p.frequencyHz;
        }
        if (!(p.inputReflection < 1) && !v.firstUnstableInputHz)
            v.firstUnstableInputHz = p.frequencyHz;
        if (!(p.outputReflection < 1) && !v.firstUnstableOutputHz)
            v.firstUnstableOutputHz = p.frequencyHz;
    }
    // A frequency that could not be computed is no proof of stability.
    v.stable = v.failed == 0 && !v.firstUnstableInputHz && !v.firstUnstableOutputHz;
    v.worstInput = std::max<Real>(v.worstInput, 0);
    v.worstOutput = std::max<Real>(v.worstOutput, 0);
    return result;
}

std::array<BandResistance, 4> StageStabilisingResistors(const DeviceData& device, const SweepRange& range,
                                                        Real Zo) {
    std::vector<DeviceSample> band;
    for (int i = 0; i < range.points; ++i) {
        const Real f = SweepFrequency(range, i);
        if (const std::optional<DevicePoint> point = DeviceAt(device, f))
            band.push_back({f, Renormalised(point->s, device.referenceOhms, Zo)});
    }
    std::array<BandResistance, 4> result;
    for (int k = 0; k < 4; ++k) {
        try {
            result[static_cast<std::size_t>(k)] =
                BandStabilisingResistance(band, static_cast<ResistorPlacement>(k), Zo);
        } catch (const FloatingPointError&) {
        }
    }
    return result;
}

std::string FormatStageNumbers(const StagePoint& point) {
    return Format("%.6f %.3f %.3f %.3f %.4f", {point.frequencyHz / 1e6L, point.gainDb,
                                               point.inputReturnLossDb, point.outputReturnLossDb, point.mu});
}

std::string FormatStageVerdict(const StageVerdict& v) {
    return Format(v.stable ? ">stable: worst |Gin|=%.4f at %.3fMHz, worst |Gout|=%.4f at %.3fMHz"
                           : ">unstable: worst |Gin|=%.4f at %.3fMHz, worst |Gout|=%.4f at %.3fMHz",
                  {v.worstInput, v.worstInputHz / 1e6L, v.worstOutput, v.worstOutputHz / 1e6L});
}

TouchstoneText EncodeStageTouchstone(const StageResult& stage, Real Zo) {
    TouchstoneText out;
    out.text = "! Quorvane: amplifier stage, port 1 at the generator, port 2 at the load\n";
    out.text += "# MHZ S RI R " + FormatGeneral(Zo) + "\n";
    for (const StagePoint& point : stage.points) {
        if (!point.ok) {
            ++out.skipped;
            continue;
        }
        std::string line = FormatGeneral(point.frequencyHz / 1e6L);
        for (const Complex& z : {point.stage.S11, point.stage.S21, point.stage.S12, point.stage.S22})
            line += ' ' + FormatGeneral(z.re) + ' ' + FormatGeneral(z.im);
        out.text += line + "\n";
        ++out.rows;
    }
    return out;
}

ExportOutcome ExportStageTouchstone(const std::string& fileName, const StageResult& stage, Real Zo) {
    if (TouchstonePortCount(fileName) != 2)
        return WrongExportName();
    return WriteTouchstone(fileName, EncodeStageTouchstone(stage, Zo));
}

} // namespace qv
