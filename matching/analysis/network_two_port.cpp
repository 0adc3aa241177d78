#include "matching/analysis/network_two_port.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/rf/microstrip.h"

#include <cmath>

namespace qv {

namespace {

// The full product, for a line.
ChainMatrix Multiply(const ChainMatrix& p, const ChainMatrix& q) {
    return {CAdd(CMul(p.A, q.A), CMul(p.B, q.C)), CAdd(CMul(p.A, q.B), CMul(p.B, q.D)),
            CAdd(CMul(p.C, q.A), CMul(p.D, q.C)), CAdd(CMul(p.C, q.B), CMul(p.D, q.D)),
            CMul(p.determinant, q.determinant)};
}

// Electrical length of a microstrip element, radians, with the wavelength the node calculation
// uses: guided for a stub and for a series line with effflag 1, free-space otherwise.
Real ElectricalLength(const MicrostripBlock& s, Real frequencyHz, Real epsEff, bool guided) {
    const Real lambda = guided ? GuidedWavelength(frequencyHz, epsEff) : SpeedOfLight / frequencyHz;
    return TwoPi * s.Len / lambda;
}

// Hands an element to the sink in the form it multiplies in: a series impedance or a shunt
// admittance differs from the identity in one entry; a line is a full matrix.
template <typename Sink>
void Compute(const ElementSpec& e, Real frequencyHz, int effflag, const PartLosses& losses, Sink& sink) {
    const Real omega = TwoPi * frequencyHz;
    switch (e.kind) {
    case SeriesCapacitor:
        return sink.series(CapacitorImpedance(omega, e.value, losses.QC));
    case ShuntCapacitor:
        // The admittance wC/Q + jwC.
        return sink.shunt({losses.QC > 0 ? omega * e.value / losses.QC : 0, omega * e.value});
    case SeriesInductor:
        return sink.series(InductorImpedance(omega, e.value, losses.QL));
    case ShuntInductor:
        if (losses.QL > 0)
            return sink.shunt(CDiv({1, 0}, InductorImpedance(omega, e.value, losses.QL)));
        return sink.shunt({0, -1 / (omega * e.value)});
    case SeriesMicrostripLine: {
        const MicrostripBlock& s = e.strip;
        const MicrostripLine line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        const Real theta = ElectricalLength(s, frequencyHz, line.EpsEff, effflag == 1);
        const Real c = std::cos(theta);
        const Real sn = std::sin(theta);
        return sink.line({{c, 0}, {0, line.Z0 * sn}, {0, sn / line.Z0}, {c, 0}});
    }
    case ShuntMicrostripStub: {
        const MicrostripBlock& s = e.strip;
        const MicrostripLine line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        const Real theta = ElectricalLength(s, frequencyHz, line.EpsEff, true);
        // An open stub's input admittance: j tan(beta l) / Z0.
        return sink.shunt({0, std::tan(theta) / line.Z0});
    }
    case ShuntShortedStub: {
        const MicrostripBlock& s = e.strip;
        const MicrostripLine line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        const Real theta = ElectricalLength(s, frequencyHz, line.EpsEff, true);
        // A shorted stub's input admittance: -j cot(beta l) / Z0.
        return sink.shunt({0, -1 / (line.Z0 * std::tan(theta))});
    }
    case SeriesImpedance:
        return sink.series({e.R, e.value});
    case ShuntImpedance:
        return sink.shunt(CDiv({1, 0}, {e.R, e.value}));
    default:
        throw FloatingPointError(InvalidOperationText);
    }
}

// The element's own matrix.
struct MatrixSink {
    ChainMatrix m;
    void series(Complex Z) { m = {{1, 0}, Z, {0, 0}, {1, 0}}; }
    void shunt(Complex Y) { m = {{1, 0}, {0, 0}, Y, {1, 0}}; }
    void line(const ChainMatrix& q) { m = q; }
};

// The product so far times the element, in place: a series or shunt element changes two entries
// with one product each, the values of the full product, whose other terms are exact multiples of
// 1 and 0. Such an element's determinant is 1 exactly.
struct ProductSink {
    ChainMatrix& p;
    void series(Complex Z) {
        p.B = CAdd(CMul(p.A, Z), p.B);
        p.D = CAdd(CMul(p.C, Z), p.D);
    }
    void shunt(Complex Y) {
        p.A = CAdd(p.A, CMul(p.B, Y));
        p.C = CAdd(p.C, CMul(p.D, Y));
    }
    void line(const ChainMatrix& q) { p = Multiply(p, q); }
};

void RequireFinite(const ChainMatrix& m) {
    for (const Complex& z : {m.A, m.B, m.C, m.D})
        qv::RequireFinite(z);
}

} // namespace

ChainMatrix ElementChainMatrix(const ElementSpec& element, Real frequencyHz, int effflag,
                               const PartLosses& losses) {
    const ChainMatrix m = CheckedStep([&] {
        MatrixSink sink;
        Compute(element, frequencyHz, effflag, losses, sink);
        return sink.m;
    });
    RequireFinite(m);
    return m;
}

namespace {

// The chain, source end first, with no check of its own.
ChainMatrix ChainProduct(const SweepNetwork& network, Real frequencyHz) {
    const PartLosses losses = LossesOf(network.parts);
    ChainMatrix product;
    ProductSink sink{product};
    for (auto it = network.elements.rbegin(); it != network.elements.rend(); ++it)
        Compute(*it, frequencyHz, network.effflag, losses, sink);
    return product;
}

SParameters SParametersOf(const ChainMatrix& m, Real Zo) {
    const Complex bn{m.B.re / Zo, m.B.im / Zo};
    const Complex cn{m.C.re * Zo, m.C.im * Zo};
    const Complex delta = CAdd(CAdd(m.A, bn), CAdd(cn, m.D));
    const Complex& det = m.determinant;
    SParameters r;
    r.S11 = CDiv(CSub(CAdd(m.A, bn), CAdd(cn, m.D)), delta);
    r.S21 = CDiv({2, 0}, delta);
    r.S12 = CDiv({2 * det.re, 2 * det.im}, delta);
    r.S22 = CDiv(CSub(CAdd(m.D, bn), CAdd(cn, m.A)), delta);
    return r;
}

SParameters RequireFinite(const SParameters& s) {
    for (const Complex& z : {s.S11, s.S21, s.S12, s.S22})
        qv::RequireFinite(z);
    return s;
}

} // namespace

// One check for the whole chain: a flag raised by any element stays raised to the end, and a
// product never turns an infinity or a NaN of an element back into a finite value.
ChainMatrix NetworkChainMatrix(const SweepNetwork& network, Real frequencyHz) {
    const ChainMatrix total = CheckedStep([&] { return ChainProduct(network, frequencyHz); });
    RequireFinite(total);
    return total;
}

SParameters ToSParameters(const ChainMatrix& m, Real Zo) {
    return RequireFinite(CheckedStep([&] { return SParametersOf(m, Zo); }));
}

SParameters NetworkSParameters(const SweepNetwork& network, Real frequencyHz, Real Zo) {
    return RequireFinite(CheckedStep([&] { return SParametersOf(ChainProduct(network, frequencyHz), Zo); }));
}

Complex PortOneImpedance(const ChainMatrix& m, Complex loadOhms) {
    return CDiv(CAdd(CMul(m.A, loadOhms), m.B), CAdd(CMul(m.C, loadOhms), m.D));
}

} // namespace qv
