#include "matching/analysis/network_two_port.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/rf/microstrip.h"

#include <cmath>

namespace qv {

namespace {

ChainMatrix Series(Complex Z) {
    return {{1, 0}, Z, {0, 0}, {1, 0}};
}

ChainMatrix Shunt(Complex Y) {
    return {{1, 0}, {0, 0}, Y, {1, 0}};
}

bool IsOne(Complex z) {
    return z.re == 1 && z.im == 0;
}

bool IsZero(Complex z) {
    return z.re == 0 && z.im == 0;
}

// A series or shunt element multiplies with two products instead of eight; the values are those
// of the full product, whose other terms are exact multiples of 1 and 0.
ChainMatrix Multiply(const ChainMatrix& p, const ChainMatrix& q) {
    if (IsOne(q.A) && IsOne(q.D)) {
        // Such an element's determinant is 1 exactly.
        const Complex& determinant = p.determinant;
        if (IsZero(q.C))
            return {p.A, CAdd(CMul(p.A, q.B), p.B), p.C, CAdd(CMul(p.C, q.B), p.D), determinant};
        if (IsZero(q.B))
            return {CAdd(p.A, CMul(p.B, q.C)), p.B, CAdd(p.C, CMul(p.D, q.C)), p.D, determinant};
    }
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

ChainMatrix Compute(const ElementSpec& e, Real frequencyHz, int effflag, const PartLosses& losses) {
    const Real omega = TwoPi * frequencyHz;
    switch (e.kind) {
    case SeriesCapacitor:
        return Series(CapacitorImpedance(omega, e.value, losses.QC));
    case ShuntCapacitor:
        // The admittance wC/Q + jwC.
        return Shunt({losses.QC > 0 ? omega * e.value / losses.QC : 0, omega * e.value});
    case SeriesInductor:
        return Series(InductorImpedance(omega, e.value, losses.QL));
    case ShuntInductor:
        if (losses.QL > 0)
            return Shunt(CDiv({1, 0}, InductorImpedance(omega, e.value, losses.QL)));
        return Shunt({0, -1 / (omega * e.value)});
    case SeriesMicrostripLine: {
        const MicrostripBlock& s = e.strip;
        const MicrostripLine line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        const Real theta = ElectricalLength(s, frequencyHz, line.EpsEff, effflag == 1);
        const Real c = std::cos(theta);
        const Real sn = std::sin(theta);
        return {{c, 0}, {0, line.Z0 * sn}, {0, sn / line.Z0}, {c, 0}};
    }
    case ShuntMicrostripStub: {
        const MicrostripBlock& s = e.strip;
        const MicrostripLine line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        const Real theta = ElectricalLength(s, frequencyHz, line.EpsEff, true);
        // An open stub's input admittance: j tan(beta l) / Z0.
        return Shunt({0, std::tan(theta) / line.Z0});
    }
    case ShuntShortedStub: {
        const MicrostripBlock& s = e.strip;
        const MicrostripLine line = MicrostripZ0(s.W, s.H, s.T, s.Er);
        const Real theta = ElectricalLength(s, frequencyHz, line.EpsEff, true);
        // A shorted stub's input admittance: -j cot(beta l) / Z0.
        return Shunt({0, -1 / (line.Z0 * std::tan(theta))});
    }
    case SeriesImpedance:
        return Series({e.R, e.value});
    case ShuntImpedance:
        return Shunt(CDiv({1, 0}, {e.R, e.value}));
    default:
        throw FloatingPointError(InvalidOperationText);
    }
}

void RequireFinite(const ChainMatrix& m) {
    for (const Complex& z : {m.A, m.B, m.C, m.D})
        qv::RequireFinite(z);
}

} // namespace

ChainMatrix ElementChainMatrix(const ElementSpec& element, Real frequencyHz, int effflag,
                               const PartLosses& losses) {
    const ChainMatrix m = CheckedStep([&] { return Compute(element, frequencyHz, effflag, losses); });
    RequireFinite(m);
    return m;
}

// One check for the whole chain: a flag raised by any element stays raised to the end, and a
// product never turns an infinity or a NaN of an element back into a finite value.
ChainMatrix NetworkChainMatrix(const SweepNetwork& network, Real frequencyHz) {
    const PartLosses losses = LossesOf(network.parts);
    const ChainMatrix total = CheckedStep([&] {
        ChainMatrix product;
        for (auto it = network.elements.rbegin(); it != network.elements.rend(); ++it)
            product = Multiply(product, Compute(*it, frequencyHz, network.effflag, losses));
        return product;
    });
    RequireFinite(total);
    return total;
}

SParameters ToSParameters(const ChainMatrix& m, Real Zo) {
    const SParameters s = CheckedStep([&] {
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
    });
    for (const Complex& z : {s.S11, s.S21, s.S12, s.S22})
        RequireFinite(z);
    return s;
}

Complex PortOneImpedance(const ChainMatrix& m, Complex loadOhms) {
    return CDiv(CAdd(CMul(m.A, loadOhms), m.B), CAdd(CMul(m.C, loadOhms), m.D));
}

} // namespace qv
